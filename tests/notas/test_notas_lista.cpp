// The list of installments: loading at opening, the counters, the search, the status boxes, the sort.

#include "test_notas.h"

#include "DataEdit.h"
#include "Digitacao.h"
#include "ModeloTabela.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include "DadosImpressao.h"

void TstNotas::parcela(int codigo, int emitente, QDate vencimento, const QString &v, const QString &status, int numero, int total)
{
    executa(QStringLiteral("INSERT INTO NOTAPROMISSORIA (NP_CODIGO, NP_SEQ, NP_PARCELA, NP_TOTAL_PARCELAS, NP_PARCELA_EXT, "
                           "NP_COD_EMITENTE, NP_COD_CREDOR, NP_COD_CIDADE, NP_COD_PRACA, NP_DT_EMISSAO, NP_DT_VENCIMENTO, "
                           "NP_VALOR, NP_SALDO_DEVEDOR, NP_VALOR_PGTO, NP_STATUS) VALUES (%1, %1, %2, %3, '%2 / %3', %4, 1, 1, 1, "
                           "'2027-01-02', '%5', %6, %6, %7, '%8')")
                .arg(codigo)
                .arg(numero)
                .arg(total)
                .arg(emitente)
                .arg(vencimento.toString(Qt::ISODate), v, status == QLatin1String("P") ? v : QStringLiteral("0"), status));
    executa(QStringLiteral("SET GENERATOR COD_NOTAPROMISSORIA TO %1").arg(qMax(codigo, 1000)));
}

QList<int> TstNotas::codigos(Query &q)
{
    QList<int> r;
    for (int i = 0; i < q.recordCount(); ++i) r.append(q.valor(i, QStringLiteral("NP_CODIGO")).toInt());
    return r;
}

QString TstNotas::imprimePdf(const std::function<void()> &acao, const QString &relatorio, QString *arquivo)
{
    QTemporaryDir saida;
    qputenv("PRONTANOTA_RELATORIOS_PDF", QFile::encodeName(saida.path()));
    {
        DadosImpressao impressao(dm.get());
        acao();
    }
    qunsetenv("PRONTANOTA_RELATORIOS_PDF");
    const QString pdf = QDir(saida.path()).filePath(relatorio + QStringLiteral(".pdf"));
    if (!QFile::exists(pdf)) return {};
    if (arquivo) {
        QFile::remove(*arquivo);
        QFile::copy(pdf, *arquivo);
    }
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    p.waitForFinished();
    return QString::fromUtf8(p.readAllStandardOutput());
}

namespace {
// Today is 10/01/2027 in every test.
const QDate Hoje(2027, 1, 10);
} // namespace

void TstNotas::aberturaListaEContadores()
{
    parcela(1, 20, Hoje.addDays(-1), QStringLiteral("10"));
    parcela(2, 21, Hoje, QStringLiteral("20"));
    parcela(3, 22, Hoje.addDays(3), QStringLiteral("30.5"));
    parcela(4, 22, Hoje.addDays(10), QStringLiteral("40"));
    parcela(5, 20, Hoje.addDays(-2), QStringLiteral("50"), QStringLiteral("P"));
    auto j = abre();
    QVERIFY(j->CheckAbertas->isChecked());
    QCOMPARE(j->CheckAbertas->text(), QStringLiteral("Abertas até 17/01/2027"));
    QCOMPARE(codigos(j->QryPesquisa), (QList<int>{1, 2, 3}));
    QCOMPARE(j->QryPesquisa.recNo(), 2); // on the last row, whose installment the window holds
    QCOMPARE(j->LabelParcelaExt->text(), QStringLiteral("1 / 1"));
    QCOMPARE(j->LabelVencimento->text(), QStringLiteral("13/01/2027"));
    QCOMPARE(j->LabelVencidas->text(), QStringLiteral("1  Vencidas/ Atrasadas"));
    QCOMPARE(j->LabelVencidasValor->text(), QStringLiteral("R$ 10,00"));
    QCOMPARE(j->LabelHoje->text(), QStringLiteral("1  Vencendo hoje"));
    QCOMPARE(j->LabelHojeValor->text(), QStringLiteral("R$ 20,00"));
    QCOMPARE(j->LabelSemana->text(), QStringLiteral("1  Vencendo prox. 7 dias"));
    QCOMPARE(j->LabelSemanaValor->text(), QStringLiteral("R$ 30,50"));

    // A deletion recomputes the counters; the empty sum shows zero.
    executa(QStringLiteral("DELETE FROM NOTAPROMISSORIA WHERE NP_CODIGO=1"));
    j->LocalizaTabelas();
    QCOMPARE(j->LabelVencidas->text(), QStringLiteral("0  Vencidas/ Atrasadas"));
    QCOMPARE(j->LabelVencidasValor->text(), QStringLiteral("R$ 0,00"));
    verificaMensagens();
}

// The counters take "not paid" as NP_STATUS<>'P' whatever else a row holds: a letter on either
// side of "N" and "P" or a blank counts, a paid or null status does not.
void TstNotas::contadoresContamTodoStatusNaoPago()
{
    const QStringList status = {"N", "X", "O", "Q", "A", " ", "p", "P"};
    for (int i = 0; i < status.size(); ++i) parcela(i + 1, 20, Hoje.addDays(-5), QStringLiteral("1"), status.at(i));
    parcela(20, 20, Hoje.addDays(-5), QStringLiteral("1"));
    executa(QStringLiteral("UPDATE NOTAPROMISSORIA SET NP_STATUS=NULL WHERE NP_CODIGO=20"));
    parcela(21, 20, Hoje, QStringLiteral("2"), QStringLiteral("O"));
    auto j = abre();
    QCOMPARE(j->LabelVencidas->text(), QStringLiteral("7  Vencidas/ Atrasadas"));
    QCOMPARE(j->LabelVencidasValor->text(), QStringLiteral("R$ 7,00"));
    QCOMPARE(j->LabelHoje->text(), QStringLiteral("1  Vencendo hoje"));
    verificaMensagens();
}

void TstNotas::buscaPorNomeAlemDosSeteDias()
{
    parcela(1, 21, Hoje, QStringLiteral("20"));
    parcela(4, 22, Hoje.addDays(10), QStringLiteral("40"));
    auto j = abre();
    QCOMPARE(codigos(j->QryPesquisa), (QList<int>{1}));
    j->ButPesquisar->click();
    QVERIFY(j->TabPesquisa->isVisible());
    QCOMPARE(j->ButPesquisar->text(), QStringLiteral(" Oculta &Pesq."));
    QCOMPARE(j->focusWidget(), j->PesqEditEmitente);
    digita(j->PesqEditEmitente, QStringLiteral("souz"));
    QCOMPARE(j->PesqEditEmitente->text(), QStringLiteral("SOUZ"));
    j->ButBuscar->click();
    QCOMPARE(codigos(j->QryPesquisa), (QList<int>{4}));
    QCOMPARE(j->CheckAbertas->text(), QStringLiteral("Abertas..."));
    QVERIFY(j->CheckAbertas->isChecked());

    // Hiding the area keeps its fields and the list.
    j->ButPesquisar->click();
    QVERIFY(!j->TabPesquisa->isVisible());
    QCOMPARE(j->PesqEditEmitente->text(), QStringLiteral("SOUZ"));
    QCOMPARE(codigos(j->QryPesquisa), (QList<int>{4}));
    // "Limpar busca" empties every field and lists as at opening.
    j->ButLimparBusca->click();
    QCOMPARE(j->PesqEditEmitente->text(), QString());
    QCOMPARE(codigos(j->QryPesquisa), (QList<int>{1}));
    QCOMPARE(j->CheckAbertas->text(), QStringLiteral("Abertas até 17/01/2027"));
    verificaMensagens();
}

void TstNotas::filtrosDaBusca_data()
{
    QTest::addColumn<QStringList>("campos"); // name=value of the search fields
    QTest::addColumn<QList<int>>("esperados");
    QTest::newRow("aspas no nome do emitente") << QStringList{"PesqEditEmitente=D'AVILA"} << QList<int>{6};
    QTest::newRow("só a primeira parcela: ignorada") << QStringList{"PesqEditParcela1=2"} << QList<int>{1, 2, 3}; // no piece: due-date cap stays
    QTest::newRow("parcelas 2 a 3") << QStringList{"PesqEditParcela1=2", "PesqEditParcela2=3"} << QList<int>{2, 3};
    QTest::newRow("valores 0 e 0: sem filtro") << QStringList{"PesqEditValor1=0", "PesqEditValor2=0"} << QList<int>{1, 2, 3};
    QTest::newRow("valores 0 a 25,50") << QStringList{"PesqEditValor1=0", "PesqEditValor2=25,50"} << QList<int>{1, 2, 6};
    QTest::newRow("vencimentos") << QStringList{"PesqEditDataVenc1=20/01/2027", "PesqEditDataVenc2=31/01/2027"}
                                 << QList<int>{4, 5};
    QTest::newRow("credor") << QStringList{"PesqEditCredor=CENTRAL"} << QList<int>{1, 2, 3, 4, 5, 6};
    QTest::newRow("credor inexistente") << QStringList{"PesqEditCredor=OUTRA"} << QList<int>{};
    QTest::newRow("emissão e nome") << QStringList{"PesqEditDataEmis1=01/01/2027", "PesqEditDataEmis2=05/01/2027",
                                                   "PesqEditEmitente=MARIA"}
                                    << QList<int>{2, 3};
}

void TstNotas::filtrosDaBusca()
{
    QFETCH(QStringList, campos);
    QFETCH(QList<int>, esperados);
    pessoa(30, QStringLiteral("JOAO D''AVILA")); // quote doubled in the fixture's SQL
    parcela(1, 20, Hoje, QStringLiteral("10"), QStringLiteral("N"), 1, 3);
    parcela(2, 21, Hoje.addDays(1), QStringLiteral("20"), QStringLiteral("N"), 2, 3);
    parcela(3, 21, Hoje.addDays(2), QStringLiteral("30"), QStringLiteral("N"), 3, 3);
    parcela(4, 22, Hoje.addDays(10), QStringLiteral("40"));
    parcela(5, 22, Hoje.addDays(20), QStringLiteral("50"));
    parcela(6, 30, Hoje.addDays(30), QStringLiteral("25.5"));
    auto j = abre();
    j->ButPesquisar->click();
    for (const QString &c : campos) {
        const QString nome = c.section(QLatin1Char('='), 0, 0), v = c.section(QLatin1Char('='), 1);
        QWidget *w = j->findChild<QWidget *>(nome);
        QVERIFY2(w, qPrintable(nome));
        if (auto *d = qobject_cast<DataEdit *>(w)) d->setData(DataEdit::interpreta(v));
        else if (auto *cb = qobject_cast<QComboBox *>(w)) cb->setEditText(v);
        else static_cast<QLineEdit *>(w)->setText(v);
    }
    if (esperados.isEmpty()) msg->espera(QStringLiteral("Nenhuma promissória encontrada !"));
    j->ButBuscar->click();
    QCOMPARE(codigos(j->QryPesquisa), esperados);
    verificaMensagens();
}

void TstNotas::recusasDasDatasDaBusca_data()
{
    QTest::addColumn<QString>("campo1");
    QTest::addColumn<QString>("campo2");
    QTest::addColumn<QString>("texto1");
    QTest::addColumn<QString>("texto2");
    QTest::addColumn<QString>("mensagem");
    QTest::addColumn<QString>("focado");
    QTest::newRow("vencimento sem a segunda") << "PesqEditDataVenc1" << "PesqEditDataVenc2" << "01/01/2027" << ""
                                              << "É preciso informar a segunda data!" << "PesqEditDataVenc2";
    QTest::newRow("emissão sem a primeira") << "PesqEditDataEmis1" << "PesqEditDataEmis2" << "" << "01/01/2027"
                                            << "É preciso informar a primeira data!" << "PesqEditDataEmis1";
    QTest::newRow("pagamento impossível") << "PesqEditDataPgto1" << "PesqEditDataPgto2" << "31/02/2027" << "01/03/2027"
                                          << "Formato de Data Inválida !" << "PesqEditDataPgto1";
}

void TstNotas::recusasDasDatasDaBusca()
{
    QFETCH(QString, campo1);
    QFETCH(QString, campo2);
    QFETCH(QString, texto1);
    QFETCH(QString, texto2);
    QFETCH(QString, mensagem);
    QFETCH(QString, focado);
    parcela(1, 21, Hoje, QStringLiteral("20"));
    parcela(4, 22, Hoje.addDays(10), QStringLiteral("40"));
    auto j = abre();
    j->ButPesquisar->click();
    digita(j->PesqEditEmitente, QStringLiteral("SOUZA")); // a piece that would change the list
    auto *d1 = j->findChild<DataEdit *>(campo1);
    auto *d2 = j->findChild<DataEdit *>(campo2);
    QVERIFY(d1 && d2);
    d1->setText(texto1);
    d2->setText(texto2);
    msg->espera(mensagem);
    j->ButBuscar->click();
    verificaMensagens();
    QCOMPARE(codigos(j->QryPesquisa), (QList<int>{1})); // the list as it was
    QCOMPARE(j->CheckAbertas->text(), QStringLiteral("Abertas até 17/01/2027"));
    QCOMPARE(j->focusWidget()->objectName(), focado);
    if (mensagem.startsWith(QStringLiteral("Formato"))) QVERIFY(d1->vazio());

    // Leaving a date box with an impossible date refuses it at once.
    j->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(j.get()));
    d2->setFocus();
    d2->setText(QStringLiteral("30/02/2027"));
    msg->espera(QStringLiteral("Formato de Data Inválida !"));
    j->PesqEditEmitente->setFocus();
    QApplication::processEvents();
    verificaMensagens();
    QVERIFY(d2->vazio());
}

void TstNotas::buscaSemResultado()
{
    parcela(1, 21, Hoje, QStringLiteral("20"));
    auto j = abre();
    j->ButPesquisar->click();
    j->PesqEditEmitente->setText(QStringLiteral("NINGUEM"));
    msg->espera(QStringLiteral("Nenhuma promissória encontrada !"));
    j->ButBuscar->click();
    verificaMensagens();
    QVERIFY(j->QryPesquisa.isEmpty());
    // A status box keeps the mark; "Limpar busca" clears it, and its empty result is not announced.
    msg->espera(QStringLiteral("Nenhuma promissória encontrada !"));
    j->CheckPagas->click();
    verificaMensagens();
    QVERIFY(j->QryPesquisa.isEmpty());
    j->ButLimparBusca->click();
    QVERIFY(j->QryPesquisa.isEmpty());
    verificaMensagens();
}

void TstNotas::ordemDaColunaMantida()
{
    parcela(1, 20, Hoje.addDays(1), QStringLiteral("10"), QStringLiteral("N"), 3, 3);
    parcela(2, 21, Hoje.addDays(2), QStringLiteral("10"), QStringLiteral("N"), 1, 3);
    parcela(3, 21, Hoje.addDays(3), QStringLiteral("10"), QStringLiteral("N"), 2, 3);
    auto j = abre();
    QCOMPARE(codigos(j->QryPesquisa), (QList<int>{1, 2, 3}));
    const int coluna = [&] {
        for (int c = 0; c < j->GridLista->model()->columnCount(); ++c)
            if (j->GridLista->model()->headerData(c, Qt::Horizontal).toString() == QLatin1String("Parcela")) return c;
        return -1;
    }();
    QCOMPARE(j->GridLista->model()->data(j->GridLista->model()->index(0, coluna)).toString(), QStringLiteral("3 de 3"));
    Q_EMIT j->GridLista->horizontalHeader()->sectionClicked(coluna);
    QCOMPARE(codigos(j->QryPesquisa), (QList<int>{2, 3, 1}));
    j->ButPesquisar->click();
    j->PesqEditEmitente->setText(QStringLiteral("MAR"));
    j->ButBuscar->click();
    QCOMPARE(codigos(j->QryPesquisa), (QList<int>{2, 3, 1}));
    verificaMensagens();
}

void TstNotas::caixasDeStatus()
{
    parcela(1, 20, Hoje.addDays(-3), QStringLiteral("10"), QStringLiteral("P"));
    parcela(2, 21, Hoje.addDays(1), QStringLiteral("20"));
    parcela(3, 22, Hoje.addDays(40), QStringLiteral("30"));
    auto j = abre();
    QCOMPARE(codigos(j->QryPesquisa), (QList<int>{2}));
    j->CheckTodas->click();
    QCOMPARE(j->statusFiltro(), 0);
    QCOMPARE(codigos(j->QryPesquisa), (QList<int>{1, 2, 3}));
    QVERIFY(!j->CheckAbertas->isChecked());
    QCOMPARE(j->GridLista->model()->data(j->GridLista->model()->index(0, 0), Qt::ForegroundRole).value<QColor>(), QColor(Qt::gray));
    QVERIFY(!j->GridLista->model()->data(j->GridLista->model()->index(1, 0), Qt::ForegroundRole).isValid());
    j->CheckTodasAbertas->click();
    QCOMPARE(codigos(j->QryPesquisa), (QList<int>{2, 3}));
    QVERIFY(!j->CheckTodas->isChecked());
    j->CheckPagas->click();
    QCOMPARE(codigos(j->QryPesquisa), (QList<int>{1}));
    // Clearing the ticked box ticks it again.
    j->CheckPagas->click();
    QVERIFY(j->CheckPagas->isChecked());
    QCOMPARE(j->statusFiltro(), 2);
    verificaMensagens();
}

void TstNotas::pesquisaPeloQuadroDeAvisos()
{
    parcela(1, 20, Hoje, QStringLiteral("10"));
    parcela(2, 21, Hoje.addDays(1), QStringLiteral("20"));
    parcela(3, 22, Hoje.addDays(-5), QStringLiteral("30"));
    auto j = abre();
    JanelaPesquisaNotas *p = j.get();
    j->ButPesquisar->click();
    j->PesqEditEmitente->setText(QStringLiteral("PEDRO")); // left by an earlier search
    p->pesquisaVencimento(Hoje, Hoje);
    QVERIFY(j->TabPesquisa->isVisible());
    QCOMPARE(j->PesqEditEmitente->text(), QString());
    QCOMPARE(codigos(j->QryPesquisa), (QList<int>{1}));
    QCOMPARE(j->PesqEditDataVenc1->data(), Hoje);
    p->pesquisaVencimento(QDate(2000, 1, 1), Hoje.addDays(-1));
    QCOMPARE(codigos(j->QryPesquisa), (QList<int>{3}));
    p->pesquisaComoAbertura();
    QCOMPARE(codigos(j->QryPesquisa), (QList<int>{3, 1, 2}));
    QVERIFY(j->PesqEditDataVenc1->vazio());
    verificaMensagens();
}
