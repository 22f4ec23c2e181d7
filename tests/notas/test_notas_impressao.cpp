// Printing: the calculated fields of the notes, the model chosen, reprints, receipts, the list
// reports and the selection panel, read back from the PDF files.

#include "test_notas.h"

#include "CamposNota.h"
#include "DadosImpressao.h"
#include "DataEdit.h"
#include "MoedaEdit.h"

#include <QAction>
#include <QMenu>
#include <QCheckBox>
#include <QFileInfo>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableView>
#include <QTest>

namespace {
const QDate Hoje(2027, 1, 10);

bool semPdftotext() { return QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty(); }

// Every blank run as one blank: pdftotext spreads and joins spacing at will.
QString simples(QString t) { return t.simplified(); }
} // namespace

void TstNotas::camposCalculados()
{
    using namespace CamposNota;
    const QString texto = campoTotal(QDate(2027, 3, 5), QStringLiteral("LOJA CENTRAL LTDA"), QStringLiteral("J"),
                                     QStringLiteral("11222333000181"), Moeda::deReais(150));
    QCOMPARE(texto, QString(QString(25, QLatin1Char(' ')) +
                            QStringLiteral("No  dia    5    do  mês  de    MARÇO    do  ano  de    2027    pagarei (emos)  "
                                           "por esta única via de NOTA PROMISSÓRIA a  LOJA CENTRAL LTDA  CNPJ nº  "
                                           "11.222.333/0001-81 ou à sua ordem, a quantia de   #### CENTO E CINQUENTA REAIS. "
                                           "####   em moeda corrente deste país.")));
    for (const QString &tipo : {QStringLiteral("F"), QString()})
        QVERIFY(campoTotal(QDate(2027, 3, 5), QStringLiteral("ANA"), tipo, QStringLiteral("52998224725"), Moeda::deReais(1))
                    .contains(QStringLiteral("a  ANA  CPF nº  529.982.247-25 ou à sua ordem")));
    QCOMPARE(vencimentoExtenso1(QDate(2027, 3, 5)), QStringLiteral("Vencimento:    5  de  MARÇO  de  2027"));
    QCOMPARE(vencimentoExtenso3(QStringLiteral("SAO PAULO"), QStringLiteral("SP"), QDate(2027, 12, 25)),
             QStringLiteral("SAO PAULO / SP, 25  de  DEZEMBRO  de  2027"));
    QCOMPARE(emissaoExtenso(QStringLiteral("CAMPINAS"), QStringLiteral("SP"), QDate(2027, 1, 2)),
             QStringLiteral("CAMPINAS / SP, 2 de JANEIRO de 2027."));
    QCOMPARE(fonesCredor(QStringLiteral("1932221111"), QString()), QStringLiteral("Fone : (19) 32221111  -  () "));
    QCOMPARE(relatorioDoModelo(QStringLiteral("MODELO REDUZIDO")), QStringLiteral("NP15cmx7cm"));
    QCOMPARE(relatorioDoModelo(QStringLiteral("21cm x 15cm (4 AVALISTAS)")), QStringLiteral("NP21cmx15cm"));
    QCOMPARE(relatorioDoModelo(QStringLiteral("MODELO 2 EMITENTES - SEM AVAL")), QStringLiteral("NP21cmx10cmSEM"));
    QCOMPARE(relatorioDoModelo(QString()), QString());

    // The connection computes them from the print dataset's own row, by print mode.
    executa(QStringLiteral("UPDATE EMPRESAS SET EM_CPF_CNPJ='11222333000181', EM_FONE1='1932221111' WHERE EM_CODIGO=1"));
    parcela(1, 21, QDate(2027, 3, 5), QStringLiteral("150"));
    executa(QStringLiteral("UPDATE NOTAPROMISSORIA SET NP_VALOR_TEMP=40, NP_DT_PAGAMENTO='2027-01-09' WHERE NP_CODIGO=1"));
    auto j = abre();
    j->CheckTodas->click();
    j->QryImprimir.sql[10] = QStringLiteral("WHERE NP.NP_CODIGO=1");
    j->QryImprimir.open();
    const QString total = j->RVNotaPromissoria->valor(0, QStringLiteral("CampoTotal")).toString();
    QVERIFY2(total.contains(QStringLiteral("a  LOJA CENTRAL  CNPJ nº  11.222.333/0001-81 ou à sua ordem")), qPrintable(total));
    QCOMPARE(j->RVNotaPromissoria->valor(0, QStringLiteral("EmissaoExtenso")).toString(),
             QStringLiteral("SAO PAULO / SP, 2 de JANEIRO de 2027."));
    QCOMPARE(j->RVNotaPromissoria->valor(0, QStringLiteral("ValorExtenso")).toString(), QString());
    QCOMPARE(j->RVNotaPromissoria->valor(0, QStringLiteral("PRACA")).toString(), QStringLiteral("SAO PAULO / SP"));
    QCOMPARE(j->RVNotaPromissoria->valor(0, QStringLiteral("FonesCredor")).toString(), QStringLiteral("Fone : (19) 32221111  -  () "));
    verificaMensagens();
}

void TstNotas::documentosDasPartes_data()
{
    QTest::addColumn<bool>("credor");
    QTest::addColumn<QString>("documento");
    QTest::addColumn<QString>("tipo");
    QTest::addColumn<QString>("texto");
    QTest::newRow("emitente F") << false << "52998224725" << "F" << "CPF  529.982.247-25";
    QTest::newRow("emitente J") << false << "11222333000181" << "J" << "CNPJ  11.222.333/0001-81";
    QTest::newRow("emitente sem documento") << false << "" << "F" << "";
    QTest::newRow("emitente sem tipo") << false << "52998224725" << "" << "";
    QTest::newRow("credor J sem documento") << true << "" << "J" << "CNPJ  ../-";
    QTest::newRow("credor F") << true << "52998224725" << "F" << "CPF  529.982.247-25";
    QTest::newRow("credor sem tipo") << true << "52998224725" << "" << "";
}

void TstNotas::documentosDasPartes()
{
    QFETCH(bool, credor);
    QFETCH(QString, documento);
    QFETCH(QString, tipo);
    QFETCH(QString, texto);
    QCOMPARE(credor ? CamposNota::documentoCredor(documento, tipo) : CamposNota::documento(documento, tipo), texto);
}

void TstNotas::modeloEscolhido_data()
{
    QTest::addColumn<QString>("modelo");
    QTest::addColumn<QString>("extra"); // SQL set on the installment
    QTest::addColumn<QString>("relatorio");
    QTest::newRow("padrão, valor novo") << "21cm x 10cm" << "" << "NP21cmx10cm";
    QTest::newRow("padrão, valor antigo") << "MODELO PADRÃO" << "" << "NP21cmx10cm";
    QTest::newRow("reduzido, valor antigo") << "MODELO REDUZIDO" << "" << "NP15cmx7cm";
    QTest::newRow("sem aval") << "21cm x 10cm (SEM AVALISTA)" << "" << "NP21cmx10cmSEM";
    QTest::newRow("terceiro avalista força 15cm") << "15cm x 7cm" << "NP_COD_AVALISTA3=3" << "NP21cmx15cm";
    QTest::newRow("segundo emitente força 15cm") << "MODELO PADRÃO" << "NP_COD_EMITENTE2=3" << "NP21cmx15cm";
    QTest::newRow("modelo desconhecido") << "OUTRO" << "" << "";
}

void TstNotas::modeloEscolhido()
{
    if (semPdftotext()) QSKIP("pdftotext is not installed");
    QFETCH(QString, modelo);
    QFETCH(QString, extra);
    QFETCH(QString, relatorio);
    parcela(1, 21, Hoje, QStringLiteral("150"));
    executa(QStringLiteral("UPDATE NOTAPROMISSORIA SET NP_COD_AVALISTA1=20 WHERE NP_CODIGO=1"));
    if (!extra.isEmpty()) executa(QStringLiteral("UPDATE NOTAPROMISSORIA SET %1 WHERE NP_CODIGO=1").arg(extra));
    dm->CF_MODELO_PROMIS = modelo;
    auto j = abre();
    QStringList escritos;
    const QString texto = imprimePdf([&] {
        j->ReimprimirEsta();
        escritos.append(QFileInfo(DadosImpressao::instancia().ultimoArquivoPdf()).completeBaseName());
    }, relatorio.isEmpty() ? QStringLiteral("nenhum") : relatorio);
    QCOMPARE(escritos, QStringList{relatorio.isEmpty() ? QString() : relatorio});
    if (!relatorio.isEmpty()) {
        const QString t = simples(texto);
        for (const char *trecho : {"NOTA PROMISSÓRIA", "MARIA DA SILVA", "150,00", "CENTO E CINQUENTA REAIS", "LOJA CENTRAL",
                                   "10 de JANEIRO de 2027", "SAO PAULO / SP", "Assinatura do Emitente"})
            QVERIFY2(t.contains(QString::fromUtf8(trecho)), qPrintable(trecho + QStringLiteral(" | ") + t));
    }
    QCOMPARE(dm->QryEmpresa[QStringLiteral("EM_CODIGO")].asInteger(), 1);
    verificaMensagens();
}

void TstNotas::reimprimeTodasSemTetoDeVencimento()
{
    if (semPdftotext()) QSKIP("pdftotext is not installed");
    parcela(1, 20, Hoje.addDays(30), QStringLiteral("10"));
    parcela(2, 21, Hoje, QStringLiteral("20"));
    parcela(3, 22, Hoje.addDays(3), QStringLiteral("30"));
    parcela(4, 22, Hoje.addDays(-3), QStringLiteral("40"), QStringLiteral("P"));
    dm->CF_MODELO_PROMIS = QStringLiteral("21cm x 10cm");
    executa(QStringLiteral("UPDATE CONFIGS SET CF_IMP_RECIBO_NO_ATO='T'"));
    auto j = abre();
    QCOMPARE(codigos(j->QryPesquisa), (QList<int>{2, 3}));
    QStringList escritos;
    const auto imprime = [&] {
        escritos.clear();
        imprimePdf([&] {
            j->ReimprimirTodas();
            escritos.append(QFileInfo(DadosImpressao::instancia().ultimoArquivoPdf()).completeBaseName());
        }, QStringLiteral("NP21cmx10cm"));
    };
    imprime();
    QCOMPARE(codigos(j->QryImprimir), (QList<int>{2, 3, 1})); // in the list's order, whatever the due date
    QCOMPARE(escritos, QStringList{QStringLiteral("ReciboNoAto")}); // after the notes
    j->CheckTodasAbertas->click();
    imprime();
    QCOMPARE(codigos(j->QryImprimir), (QList<int>{4, 2, 3, 1}));
    // The search's fields take part as typed.
    j->ButPesquisar->click();
    j->PesqEditEmitente->setText(QStringLiteral("SOUZA"));
    imprime();
    QCOMPARE(codigos(j->QryImprimir), (QList<int>{4, 3}));
    verificaMensagens();
}

void TstNotas::reciboPorExtenso()
{
    if (semPdftotext()) QSKIP("pdftotext is not installed");
    executa(QStringLiteral("INSERT INTO EMPRESAS (EM_CODIGO, EM_NOME, EM_TIPO_PESSOA, EM_COD_CIDADE) VALUES (2, 'FILIAL NORTE', 'J', 1)"));
    parcela(1, 21, Hoje, QStringLiteral("100"));
    executa(QStringLiteral("UPDATE NOTAPROMISSORIA SET NP_COD_CREDOR=2 WHERE NP_CODIGO=1"));
    dm->QryEmpresa.defineParametro(QStringLiteral("CODIGO"), 1); // as the login leaves it
    dm->QryEmpresa.open();
    auto j = abre();
    j->ButRecebe->click();
    j->EditVlPago->setValor(Moeda::deReais(40));
    QVERIFY(j->Check1Via->isChecked());
    msg->espera(QStringLiteral("VALOR INFERIOR!"), BotaoSim);
    QString texto = imprimePdf([&] { j->ButGravaPgto->click(); }, QStringLiteral("ReciboPromissoria"));
    verificaMensagens();
    QVERIFY2(simples(texto).contains(QStringLiteral("#### QUARENTA REAIS. ####")), qPrintable(texto));
    for (const char *trecho : {"RECIBO", "40,00", "MARIA DA SILVA", "SAO PAULO / SP, 10 de JANEIRO de 2027.", "60,00"})
        QVERIFY2(simples(texto).contains(QString::fromUtf8(trecho)), qPrintable(trecho + QStringLiteral(" | ") + texto));
    QVERIFY(texto.contains(QStringLiteral("LOJA CENTRAL"))); // the payment's receipt: the company logged into
    QCOMPARE(j->modoImpressao(), 0);

    // The rest with "2 vias": one page with both copies.
    j->ButRecebe->click();
    j->Check2Vias->setChecked(true);
    texto = imprimePdf([&] { j->ButGravaPgto->click(); }, QStringLiteral("ReciboPromissoria2"));
    QCOMPARE(texto.count(QStringLiteral("SESSENTA REAIS")), 2);
    QVERIFY(texto.contains(QStringLiteral("1ª via")) && texto.contains(QStringLiteral("2ª via")));

    // A reprint carries the installment's creditor, then the company logged into returns.
    j->CheckTodas->click();
    texto = imprimePdf([&] { j->ItemRecibo1Via->trigger(); }, QStringLiteral("ReciboPromissoria"));
    QVERIFY2(texto.contains(QStringLiteral("FILIAL NORTE")), qPrintable(texto));
    QCOMPARE(dm->QryEmpresa[QStringLiteral("EM_CODIGO")].asInteger(), 1);

    // Both copy boxes clear: stored, nothing printed.
    parcela(2, 22, Hoje, QStringLiteral("10"));
    j->LocalizaTabelas();
    QVERIFY(j->QryPesquisa.locate(QStringLiteral("NP_CODIGO"), 2));
    j->GridLista->selectRow(j->QryPesquisa.recNo());
    j->ButRecebe->click();
    j->Check1Via->setChecked(false);
    QStringList escritos;
    imprimePdf([&] {
        j->ButGravaPgto->click();
        escritos.append(DadosImpressao::instancia().ultimoArquivoPdf());
    }, QStringLiteral("ReciboPromissoria"));
    QCOMPARE(escritos, QStringList{QString()});
    QCOMPARE(valor(QStringLiteral("select NP_STATUS from NOTAPROMISSORIA where NP_CODIGO=2")).toString(), QStringLiteral("P"));
    verificaMensagens();
}

void TstNotas::relacoesDaLista()
{
    if (semPdftotext()) QSKIP("pdftotext is not installed");
    auto j = abre();
    msg->espera(QStringLiteral("Não há registros a serem impressos !"));
    j->ItemRelacaoExibidas->trigger();
    verificaMensagens();
    j.reset();

    parcela(1, 20, Hoje, QStringLiteral("10"));
    parcela(2, 21, Hoje.addDays(20), QStringLiteral("20"));
    j = abre();
    QString texto = imprimePdf([&] { j->ItemRelacaoExibidas->trigger(); }, QStringLiteral("RelacaoNotasPromissorias"));
    for (const char *trecho : {"Relação de Notas Promissórias", "MARCOS LIMA", "Exibindo registros pesquisados", "Total de registros: 1"})
        QVERIFY2(simples(texto).contains(QString::fromUtf8(trecho)), qPrintable(trecho + QStringLiteral(" | ") + texto));
    QVERIFY(!texto.contains(QStringLiteral("MARIA")));
    texto = imprimePdf([&] { j->ItemRelacaoAbertas->trigger(); }, QStringLiteral("RelacaoNotasPromissorias"));
    QVERIFY2(simples(texto).contains(QStringLiteral("Exibindo somente registros em aberto")), qPrintable(texto));
    QVERIFY(j->CheckAbertas->isChecked());
    // No paid installment: the search says so, then the report, then the search again.
    msg->espera(QStringLiteral("Nenhuma promissória encontrada !"))
        .espera(QStringLiteral("Não há registros a serem impressos !"))
        .espera(QStringLiteral("Nenhuma promissória encontrada !"));
    j->ItemRelacaoPagas->trigger();
    verificaMensagens();
    QVERIFY(j->CheckPagas->isChecked());
}

void TstNotas::selecaoMarcaEImprime()
{
    if (semPdftotext()) QSKIP("pdftotext is not installed");
    parcela(1, 20, Hoje, QStringLiteral("10"));
    parcela(2, 21, Hoje.addDays(40), QStringLiteral("20"));
    parcela(3, 22, Hoje.addDays(-40), QStringLiteral("30"), QStringLiteral("P"));
    auto j = abre();
    j->ItemSelecionar->trigger();
    QVERIFY(j->TabSelecao->isVisible());
    QCOMPARE(codigos(j->QrySelecao), (QList<int>{3, 1, 2})); // every installment, by due date
    QAbstractItemModel *m = j->GridSelecao->model();
    const QModelIndex marca = m->index(1, 4);
    QCOMPARE(m->data(marca, Qt::CheckStateRole).toInt(), int(Qt::Unchecked));
    QVERIFY(m->setData(marca, Qt::Checked, Qt::CheckStateRole));
    QCOMPARE(valor(QStringLiteral("select NP_SIM_NAO from NOTAPROMISSORIA where NP_CODIGO=1")).toString(), QStringLiteral("T"));
    QCOMPARE(m->data(marca, Qt::CheckStateRole).toInt(), int(Qt::Checked));
    QString texto = imprimePdf([&] { j->ButImprimirSelecao->click(); }, QStringLiteral("RelacaoSelecao"));
    QVERIFY2(texto.contains(QStringLiteral("MARCOS LIMA")), qPrintable(texto));
    QVERIFY(!texto.contains(QStringLiteral("MARIA")) && !texto.contains(QStringLiteral("PEDRO")));
    QCOMPARE(codigos(j->QrySelecao), (QList<int>{3, 1, 2})); // back to every row

    j->ButSelecionarTudo->click();
    QCOMPARE(conta(QStringLiteral("select count(*) from NOTAPROMISSORIA where NP_SIM_NAO='T'")), 3);
    Q_EMIT j->GridSelecao->horizontalHeader()->sectionClicked(1); // "Emitente"
    QCOMPARE(codigos(j->QrySelecao), (QList<int>{1, 2, 3}));
    j->ButFiltrarSelecao->click();
    j->EditEmitenteSelecao->setEditText(QStringLiteral("PEDRO"));
    j->ButOkFiltro->click();
    QCOMPARE(codigos(j->QrySelecao), (QList<int>{3}));
    j->ButSelecionarNenhuma->click(); // only the rows shown
    QCOMPARE(conta(QStringLiteral("select count(*) from NOTAPROMISSORIA where NP_SIM_NAO='T'")), 2);
    j->ButLimparSelecao->click();
    QCOMPARE(j->QrySelecao.recordCount(), 3);
    j->ButFecharSelecao->click();
    QVERIFY(!j->TabSelecao->isVisible());
    verificaMensagens();
}

void TstNotas::confirmarImprimeANota()
{
    if (semPdftotext()) QSKIP("pdftotext is not installed");
    dm->CF_MODELO_PROMIS = QStringLiteral("21cm x 10cm");
    auto j = abre();
    QString texto;
    texto = imprimePdf([&] {
        preenche(*j, QStringLiteral("100,00"), QStringLiteral("2"), QStringLiteral("30"), QStringLiteral("31/01/2027"),
                 QStringLiteral("MARIA DA SILVA"));
        j->ButGravar->click();
        msg->espera(QStringLiteral("OUTRO"), BotaoNao);
        j->ButConfirmaParcelas->click();
    }, QStringLiteral("NP21cmx10cm"));
    verificaMensagens();
    QCOMPARE(texto.count(QStringLiteral("NOTA PROMISSÓRIA")), 4); // title and legal text of each installment
    QVERIFY(simples(texto).contains(QStringLiteral("28 de FEVEREIRO de 2027")));
}

void TstNotas::modeloDoMenuDeOpcoes()
{
    const QVariant guardado = valor(QStringLiteral("select CF_MODELO_PROMIS from CONFIGS"));
    dm->CF_MODELO_PROMIS = QStringLiteral("MODELO REDUZIDO"); // the older value also carries the mark
    auto j = abre();
    Q_EMIT j->MenuOpcoes->aboutToShow();
    QVERIFY(j->ItemModeloReduzido->isChecked());
    QVERIFY(!j->ItemModeloPadrao->isChecked() && !j->ItemModelo4Avalistas->isChecked());
    j->ItemModelo4Avalistas->trigger();
    QCOMPARE(dm->CF_MODELO_PROMIS, QStringLiteral("21cm x 15cm (4 AVALISTAS)"));
    Q_EMIT j->MenuOpcoes->aboutToShow();
    QVERIFY(j->ItemModelo4Avalistas->isChecked() && !j->ItemModeloReduzido->isChecked());
    j->ItemModeloPadrao->trigger();
    QCOMPARE(dm->CF_MODELO_PROMIS, QStringLiteral("21cm x 10cm"));
    QCOMPARE(valor(QStringLiteral("select CF_MODELO_PROMIS from CONFIGS")), guardado); // not stored
    verificaMensagens();
}
