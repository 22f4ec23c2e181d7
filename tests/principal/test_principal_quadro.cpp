// The notice board of the main window: the due-date lines, "Emitidas:" in its period, the
// birthdays and the backup line, and its date boxes.

#include "test_principal.h"

#include "CalculoLembretes.h"
#include "DataEdit.h"
#include "LabelClicavel.h"
#include "QuadroAvisos.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>

void TestePrincipal::linhasDeVencimento_data()
{
    QTest::addColumn<bool>("comParcelas");
    QTest::addColumn<QString>("linha");
    QTest::addColumn<QString>("quantidade");
    QTest::addColumn<QString>("valor");
    QTest::addColumn<QColor>("cor");
    // Today's paid installment counts in none of the three lines.
    QTest::newRow("hoje") << true << "LembretePromissoriasHoje" << "1" << "R$ 50,00" << QuadroAvisos::CorHoje;
    QTest::newRow("atrasadas desde 1900") << true << "LembretePromissoriasVencidas" << "2" << "R$ 25,50"
                                          << QuadroAvisos::CorVencidas;
    QTest::newRow("próximos 7 dias") << true << "LembretePromissoriasSemana" << "1" << "R$ 30,00"
                                     << QuadroAvisos::CorSemana;
    QTest::newRow("hoje vazio") << false << "LembretePromissoriasHoje" << "0" << "" << QuadroAvisos::CorNenhum;
    QTest::newRow("atrasadas vazio") << false << "LembretePromissoriasVencidas" << "0" << "" << QuadroAvisos::CorNenhum;
    QTest::newRow("semana vazio") << false << "LembretePromissoriasSemana" << "0" << "" << QuadroAvisos::CorNenhum;
}

void TestePrincipal::linhasDeVencimento()
{
    QFETCH(bool, comParcelas);
    QFETCH(QString, linha);
    QFETCH(QString, quantidade);
    QFETCH(QString, valor);
    QFETCH(QColor, cor);
    if (comParcelas) parcelasDoQuadro();
    atualizaQuadro();
    auto *titulo = elemento<QLabel>(linha);
    auto *q = elemento<QLabel>(linha + QLatin1Char('2'));
    auto *v = elemento<QLabel>(linha + QLatin1Char('3'));
    QCOMPARE(q->text(), quantidade);
    QCOMPARE(v->text(), valor);
    for (QLabel *l : {titulo, q, v}) QCOMPARE(QuadroAvisos::cor(l), cor);
    QCOMPARE(quadro()->LabelSomaAtrasadasEHoje->text(),
             comParcelas ? QStringLiteral("Soma :  R$ 75,50") : QStringLiteral("Soma :  R$ 0,00"));
}

void TestePrincipal::emitidasNoPeriodo_data()
{
    QTest::addColumn<QDate>("de");
    QTest::addColumn<QDate>("ate");
    QTest::addColumn<QString>("quantidade");
    QTest::addColumn<QString>("valor");
    QTest::newRow("inclui a paga de hoje") << QDate(2026, 3, 1) << QDate(2026, 3, 16) << "3" << "R$ 70,00";
    QTest::newRow("data final excluída") << QDate(2026, 3, 1) << Hoje << "1" << "R$ 20,00";
    QTest::newRow("nenhuma") << QDate(2030, 1, 1) << QDate(2030, 12, 31) << "0" << "R$ 0,00";
    QTest::newRow("caixas vazias") << QDate() << QDate() << "6" << "R$ 145,50";
}

void TestePrincipal::emitidasNoPeriodo()
{
    QFETCH(QDate, de);
    QFETCH(QDate, ate);
    QFETCH(QString, quantidade);
    QFETCH(QString, valor);
    parcelasDoQuadro();
    const QColor corAntes = QuadroAvisos::cor(quadro()->LembretePromissoriasEmitidas2);
    quadro()->PesqEditDataEntre1->setData(de);
    quadro()->PesqEditDataEntre2->setData(ate);
    atualizaQuadro();
    QCOMPARE(quadro()->LembretePromissoriasEmitidas2->text(), quantidade);
    QCOMPARE(quadro()->LembretePromissoriasEmitidas3->text(), valor);
    QCOMPARE(QuadroAvisos::cor(quadro()->LembretePromissoriasEmitidas2), corAntes);
    if (!de.isValid()) {
        QCOMPARE(quadro()->PesqEditDataEntre1->textoVisivel(), QStringLiteral("01/01/1900"));
        QCOMPARE(quadro()->PesqEditDataEntre2->textoVisivel(), QStringLiteral("31/12/2090"));
    }
}

void TestePrincipal::aniversariosEBackup_data()
{
    QTest::addColumn<bool>("comPessoas");
    QTest::addColumn<QDate>("backup");
    QTest::addColumn<QString>("textoHoje");
    QTest::addColumn<QString>("textoMes");
    QTest::addColumn<QString>("textoBackup");
    QTest::addColumn<bool>("negrito");
    const QString b = QStringLiteral("Faça backup diariamente. Seu último backup: ");
    QTest::newRow("sem aniversários, backup nunca feito")
        << false << QDate() << "Nenhum aniversariante hoje" << "Nenhum Aniversariante neste mês" << b << true;
    QTest::newRow("aniversários, backup de 7 dias")
        << true << Hoje.addDays(-7) << "1  Aniversariantes hoje" << "2  Aniversariante(s) neste mês"
        << b + "08/03/2026" << false;
    QTest::newRow("backup de 8 dias") << true << Hoje.addDays(-8) << "1  Aniversariantes hoje"
                                      << "2  Aniversariante(s) neste mês" << b + "07/03/2026" << true;
}

void TestePrincipal::aniversariosEBackup()
{
    QFETCH(bool, comPessoas);
    QFETCH(QDate, backup);
    QFETCH(QString, textoHoje);
    QFETCH(QString, textoMes);
    QFETCH(QString, textoBackup);
    QFETCH(bool, negrito);
    if (comPessoas) {
        executa(QStringLiteral("INSERT INTO CADASTROS (CG_CODIGO, CG_NOME, CG_DT_NASC) VALUES (1, 'ANA', '1980-03-15')"));
        executa(QStringLiteral("INSERT INTO CADASTROS (CG_CODIGO, CG_NOME, CG_DT_NASC) VALUES (2, 'RUI', '1990-03-02')"));
        executa(QStringLiteral("INSERT INTO CADASTROS (CG_CODIGO, CG_NOME, CG_DT_NASC) VALUES (3, 'EVA', '1980-04-15')"));
    }
    ultimoBackup(backup);
    atualizaQuadro();
    QCOMPARE(quadro()->LembreteAniverHoje->text(), textoHoje);
    QCOMPARE(quadro()->LembreteAniverMes->text(), textoMes);
    const QColor cor = comPessoas ? QuadroAvisos::CorAniversario : QuadroAvisos::CorNenhum;
    QCOMPARE(QuadroAvisos::cor(quadro()->LembreteAniverHoje), cor);
    QCOMPARE(QuadroAvisos::cor(quadro()->LembreteAniverMes), cor);
    QCOMPARE(quadro()->LabelBackup->text(), textoBackup);
    QCOMPARE(quadro()->LabelBackup->font().bold(), negrito);
}

void TestePrincipal::semConexaoNadaMuda()
{
    parcelasDoQuadro();
    dm->FechaTabelas();
    atualizaQuadro();
    QVERIFY(quadro()->PesqEditDataEntre1->vazio());
    QCOMPARE(quadro()->LembretePromissoriasHoje2->text(), QStringLiteral("0"));
}

void TestePrincipal::caixaDeData_data()
{
    QTest::addColumn<QString>("digitado");
    QTest::addColumn<bool>("valida");
    QTest::newRow("dia inexistente") << "31022026" << false;
    QTest::newRow("incompleta") << "0103" << false;
    QTest::newRow("vazia") << "" << false;
    QTest::newRow("válida") << "01032026" << true;
}

void TestePrincipal::caixaDeData()
{
    QFETCH(QString, digitado);
    QFETCH(bool, valida);
    parcelasDoQuadro();
    atualizaQuadro();
    fp->show();
    QApplication::setActiveWindow(fp.get());
    QVERIFY(QTest::qWaitForWindowActive(fp.get()));
    DataEdit *caixa = quadro()->PesqEditDataEntre1;
    caixa->setFocus(Qt::TabFocusReason);
    caixa->selectAll();
    QTest::keyClick(caixa, Qt::Key_Delete);
    QTest::keyClicks(caixa, digitado);
    if (!valida) msg->espera(QStringLiteral("Formato de Data Inválida !"));
    quadro()->PesqEditDataEntre2->setFocus(Qt::TabFocusReason);
    if (valida) {
        // Refreshed with the typed period: 01/03 to 31/12/2090.
        aguardaQuadro();
        QCOMPARE(quadro()->LembretePromissoriasEmitidas2->text(), QStringLiteral("5"));
        QCOMPARE(QApplication::focusWidget(), quadro()->PesqEditDataEntre2);
    } else {
        QCOMPARE(msg->registradas.last().titulo, QStringLiteral("Informação!"));
        QVERIFY(caixa->vazio());
        QCOMPARE(QApplication::focusWidget(), caixa);
    }
}
