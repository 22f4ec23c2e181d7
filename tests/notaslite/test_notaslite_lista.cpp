// The list of simplified notes: counters and totals, the search, its date pairs, the status filters.

#include "test_notaslite.h"

#include "DataEdit.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

namespace {
const QDate Hoje(2027, 1, 10);
} // namespace

void TstNotasLite::aberturaContadoresETotais()
{
    nota(1, QStringLiteral("ANA"), Hoje.addDays(-5), QStringLiteral("10"));
    nota(2, QStringLiteral("ANA"), Hoje, QStringLiteral("20"));
    nota(3, QStringLiteral("BETO"), Hoje.addDays(3), QStringLiteral("30"), QStringLiteral("N"), QStringLiteral("5"));
    nota(4, QStringLiteral("CIDA"), Hoje.addDays(20), QStringLiteral("40"));
    nota(5, QStringLiteral("DAVI"), Hoje.addDays(1), QStringLiteral("50"), QStringLiteral("P"), QStringLiteral("50"));
    nota(6, QStringLiteral("EVA"), Hoje.addDays(90), QStringLiteral("60"));
    auto j = abre();
    QCOMPARE(codigos(j->QryPesquisa), (QList<int>{1, 2, 5, 3, 4, 6})); // by due date, paid ones too
    QCOMPARE(j->LabelContador->text(), QStringLiteral("Exibindo 6 de 6 registros  -  5 Abertas  -  1  Pagas"));
    QCOMPARE(j->LabelHoje->text(), QStringLiteral("1  Promissória(s) vencendo hoje   (R$ 20,00)"));
    QCOMPARE(j->LabelVencidas->text(), QStringLiteral("1  Vencida(s)/ Atrasada(s)  (R$ 10,00)"));
    QCOMPARE(j->LabelVencidasHoje->text(), QStringLiteral("2  Vencida(s) + Hoje  (R$ 30,00)"));
    QCOMPARE(j->Label7Dias->text(), QStringLiteral("1  Vencendo prox. 7 dias  (R$ 25,00)"));
    QCOMPARE(j->Label30Dias->text(), QStringLiteral("2  Vencendo prox. 30 dias  (R$ 65,00)"));
    // The detail panel of the selected note, the paid row in grey, the installment text.
    QCOMPARE(j->LabelEmissao->text(), QStringLiteral("SAO PAULO, 10 de JANEIRO de 2027."));
    QCOMPARE(j->LabelParcela->text(), QStringLiteral("1 de 1"));
    const QModelIndex pago = j->GridLista->model()->index(2, 0);
    QCOMPARE(pago.data(Qt::ForegroundRole).value<QColor>(), QColor(0xC0, 0xC0, 0xC0));
    QCOMPARE(j->GridLista->model()->index(0, 2).data().toString(), QStringLiteral("1 de 1"));
    // A search restricts the listed, open and paid counts, not the whole.
    j->ButPesquisar->click();
    j->PesqEditEmitente->setText(QStringLiteral("A"));
    j->ButBuscar->click();
    QCOMPARE(j->LabelContador->text(), QStringLiteral("Exibindo 5 de 6 registros  -  4 Abertas  -  1  Pagas"));
    verificaMensagens();
}

void TstNotasLite::buscaNaOrdemDasCondicoes_data()
{
    QTest::addColumn<QStringList>("campos"); // name=value
    QTest::addColumn<QList<int>>("esperados");
    QTest::newRow("emitente") << QStringList{"PesqEditEmitente=NA"} << QList<int>{1, 2};
    QTest::newRow("vencimento") << QStringList{"PesqEditDataVenc1=10/01/2027", "PesqEditDataVenc2=15/01/2027"} << QList<int>{2, 3};
    QTest::newRow("parcela") << QStringList{"PesqEditParcela=2"} << QList<int>{3};
    QTest::newRow("emissão") << QStringList{"PesqEditDataEmis1=01/12/2026", "PesqEditDataEmis2=31/12/2026"} << QList<int>{4};
    QTest::newRow("valores") << QStringList{"PesqEditValor1=15", "PesqEditValor2=35"} << QList<int>{2, 3};
    QTest::newRow("valores: segundo zero fica de fora") << QStringList{"PesqEditValor1=15", "PesqEditValor2=0"} << QList<int>{1, 2, 3, 4};
    QTest::newRow("credor") << QStringList{"PesqEditCredor=FILIAL"} << QList<int>{4};
    QTest::newRow("pagamento") << QStringList{"PesqEditDataPgto1=01/01/2027", "PesqEditDataPgto2=10/01/2027"} << QList<int>{3};
    QTest::newRow("emitente e parcela") << QStringList{"PesqEditEmitente=ANA", "PesqEditParcela=1"} << QList<int>{1, 2};
}

void TstNotasLite::buscaNaOrdemDasCondicoes()
{
    QFETCH(QStringList, campos);
    QFETCH(QList<int>, esperados);
    nota(1, QStringLiteral("ANA"), Hoje.addDays(-1), QStringLiteral("10"));
    nota(2, QStringLiteral("JOANA"), Hoje, QStringLiteral("20"));
    nota(3, QStringLiteral("PEDRO"), Hoje.addDays(5), QStringLiteral("30"), QStringLiteral("P"), QStringLiteral("30"), {}, Hoje.addDays(-2));
    nota(4, QStringLiteral("RITA"), Hoje.addDays(40), QStringLiteral("40"), QStringLiteral("N"), QStringLiteral("0"), QDate(2026, 12, 5));
    executa(QStringLiteral("UPDATE NOTAPROMISSORIALITE SET NPL_PARCELA=2 WHERE NPL_CODIGO=3"));
    executa(QStringLiteral("UPDATE NOTAPROMISSORIALITE SET NPL_CREDOR='FILIAL NORTE' WHERE NPL_CODIGO=4"));
    auto j = abre();
    j->ButPesquisar->click();
    QVERIFY(j->TabPesquisa->isVisible());
    QCOMPARE(j->ButPesquisar->text(), QStringLiteral(" Oculta &Pesq."));
    for (const QString &c : campos) {
        const QString nome = c.section(QLatin1Char('='), 0, 0), v = c.section(QLatin1Char('='), 1);
        if (auto *d = j->findChild<DataEdit *>(nome)) d->setData(DataEdit::interpreta(v));
        else j->findChild<QLineEdit *>(nome)->setText(v);
    }
    j->ButBuscar->click();
    verificaMensagens();
    QCOMPARE(codigos(j->QryPesquisa), esperados);
    j->ButLimparBusca->click();
    QCOMPARE(codigos(j->QryPesquisa), (QList<int>{1, 2, 3, 4}));
    QVERIFY(j->PesqEditEmitente->text().isEmpty());
}

void TstNotasLite::umaDataDoParFocaAOutra_data()
{
    QTest::addColumn<QString>("preenchida");
    QTest::addColumn<QString>("focada");
    QTest::newRow("só a primeira do vencimento") << "PesqEditDataVenc1" << "PesqEditDataVenc2";
    QTest::newRow("só a segunda do vencimento") << "PesqEditDataVenc2" << "PesqEditDataVenc1";
    QTest::newRow("só a primeira da emissão") << "PesqEditDataEmis1" << "PesqEditDataEmis2";
    QTest::newRow("só a segunda do pagamento") << "PesqEditDataPgto2" << "PesqEditDataPgto1";
}

void TstNotasLite::umaDataDoParFocaAOutra()
{
    QFETCH(QString, preenchida);
    QFETCH(QString, focada);
    nota(1, QStringLiteral("ANA"), Hoje, QStringLiteral("10"));
    nota(2, QStringLiteral("BETO"), Hoje.addDays(60), QStringLiteral("10"));
    auto j = abre();
    j->ButPesquisar->click();
    j->PesqEditEmitente->setText(QStringLiteral("ANA"));
    auto *d = j->findChild<DataEdit *>(preenchida);
    d->setData(Hoje);
    j->ButBuscar->click();
    verificaMensagens(); // no message at all
    QCOMPARE(QApplication::focusWidget(), j->findChild<QWidget *>(focada));
    QCOMPARE(codigos(j->QryPesquisa), (QList<int>{1, 2})); // no search ran
    // A date that does not convert stops the search with the message.
    j->findChild<DataEdit *>(focada)->setText(QStringLiteral("31/02/2027"));
    msg->espera(QStringLiteral("Formato de Data Inválida !"));
    j->ButBuscar->click();
    verificaMensagens();
    QCOMPARE(codigos(j->QryPesquisa), (QList<int>{1, 2}));
}

void TstNotasLite::filtrosDeStatus()
{
    nota(1, QStringLiteral("ANA"), Hoje, QStringLiteral("10"));
    nota(2, QStringLiteral("BETO"), Hoje.addDays(1), QStringLiteral("10"), QStringLiteral("P"), QStringLiteral("10"));
    auto j = abre();
    j->ExibeapenasEmAberto2->trigger();
    QCOMPARE(codigos(j->QryPesquisa), QList<int>{1});
    QVERIFY(j->ExibeapenasEmAberto2->isChecked() && !j->ExibeEmAbertoePagas2->isChecked());
    j->ExibeapenasPagas2->trigger();
    QCOMPARE(codigos(j->QryPesquisa), QList<int>{2});
    j->ButPesquisar->click();
    j->PesqEditEmitente->setText(QStringLiteral("ANA"));
    msg->espera(QStringLiteral("Nenhuma promissória encontrada !"));
    j->ButBuscar->click();
    verificaMensagens();
    QVERIFY(j->QryPesquisa.isEmpty());
    j->ItemExibirTodos->trigger();
    QCOMPARE(codigos(j->QryPesquisa), (QList<int>{1, 2}));
    QVERIFY(j->ExibeEmAbertoePagas2->isChecked());
    QCOMPARE(j->statusFiltro(), int(TfNotaPromissoriaLite::Todas));
    verificaMensagens();
}
