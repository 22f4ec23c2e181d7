// The derived texts of simplified notes and the five reports written as PDF.

#include "test_notaslite.h"

#include "CamposNota.h"
#include "CamposNotaLite.h"
#include "DadosImpressao.h"
#include "MoedaEdit.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QDate Hoje(2027, 1, 10);
bool semPdftotext() { return QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty(); }
} // namespace

QString TstNotasLite::imprimePdf(const std::function<void()> &acao, const QString &relatorio)
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
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    p.waitForFinished();
    return QString::fromUtf8(p.readAllStandardOutput()).simplified();
}

void TstNotasLite::textosDerivados()
{
    using namespace CamposNotaLite;
    const QDate d(2027, 3, 5);
    QCOMPARE(parcelaXdeX(2, 3), QStringLiteral("2 de 3"));
    QCOMPARE(vencimentoExtenso1(d), QStringLiteral("Vencimento:    5  de  MARÇO  de  2027"));
    const QString dia = QString(25, QLatin1Char(' ')) + QStringLiteral("No  dia    5    do  mês  de    MARÇO    do  ano  de    2027");
    QCOMPARE(vencimentoExtenso2(d, QStringLiteral("12345678901"), Forma::Lista), dia + QStringLiteral("    pagarei   "));
    QCOMPARE(vencimentoExtenso2(d, QStringLiteral("12345678000199"), Forma::Lista), dia + QStringLiteral("    pagarei (emos)   "));
    QCOMPARE(vencimentoExtenso2(d, QStringLiteral("12345678000199"), Forma::Atual), dia + QStringLiteral("    pagarei  "));
    const QString a = QStringLiteral("por esta única via de NOTA PROMISSÓRIA a  LOJA");
    QCOMPARE(credorExtenso(QStringLiteral("LOJA"), QStringLiteral("12345678901"), Forma::Atual), a + QStringLiteral("  CPF nº  123.456.789-01"));
    QCOMPARE(credorExtenso(QStringLiteral("LOJA"), QStringLiteral("12345678000199"), Forma::Lista),
             a + QStringLiteral("  CNPJ nº  12.345.678/0001-99"));
    QCOMPARE(credorExtenso(QStringLiteral("LOJA"), QStringLiteral("123"), Forma::Lista), a + QStringLiteral("  CPF nº  123"));
    QCOMPARE(credorExtenso(QStringLiteral("LOJA"), QStringLiteral("123"), Forma::Atual), a + QStringLiteral("  Documento nº  123"));
    QCOMPARE(emitenteDoc(QStringLiteral("12345678901")), QStringLiteral("CPF nº  123.456.789-01"));
    QCOMPARE(emitenteDoc(QStringLiteral("12345678000199")), QStringLiteral("CNPJ nº  12.345.678/0001-99"));
    QCOMPARE(emitenteDoc(QStringLiteral("RG 55")), QStringLiteral("Doc nº  RG 55"));
    QCOMPARE(valorExtensoNota(Moeda::deReais(150)),
             QStringLiteral(" ou à sua ordem, a quantia de   #### CENTO E CINQUENTA REAIS. ####   em moeda corrente deste país."));
    QCOMPARE(emissaoExtenso(QStringLiteral("CAMPINAS"), d), QStringLiteral("CAMPINAS, 5 de MARÇO de 2027."));
}

// The connections as the layouts read them: list rows and the current note, notes and receipts.
void TstNotasLite::documentoDoCredorNaLista()
{
    nota(1, QStringLiteral("ANA"), QDate(2027, 3, 5), QStringLiteral("150"), QStringLiteral("N"), QStringLiteral("0"), Hoje,
         QDate(2027, 2, 1));
    executa(QStringLiteral("UPDATE NOTAPROMISSORIALITE SET NPL_VALOR_TEMP=40, NPL_CIDADE='CAMPINAS'"));
    auto j = abre();
    ConexaoNotaLite &lista = static_cast<ConexaoNotaLite &>(*j->RVNotaPromissoriaLite2);
    const QString total = lista.calculado(0, QStringLiteral("CampoTotal"));
    QVERIFY2(total.contains(QStringLiteral("MARÇO    do  ano  de    2027    pagarei (emos)   por esta única via")), qPrintable(total));
    QVERIFY(total.contains(QStringLiteral("  CNPJ nº  12.345.678/0001-99 ou à sua ordem, a quantia de   #### CENTO E CINQUENTA REAIS. ####")));
    QCOMPARE(lista.valor(0, lista.coluna(QStringLiteral("parcelaxdex"))).toString(), QStringLiteral("1 de 1"));
    QCOMPARE(lista.calculado(0, QStringLiteral("EmissaoExtenso")), QStringLiteral("CAMPINAS, 10 de JANEIRO de 2027."));
    QVERIFY(lista.coluna(QStringLiteral("NPL_EMITENTE")) >= 0);
    QCOMPARE(lista.coluna(QStringLiteral("Inexistente")), -1);
    verificaMensagens();
}

void TstNotasLite::relatoriosComLayout()
{
    if (semPdftotext()) QSKIP("pdftotext is not installed");
    nota(1, QStringLiteral("ANA PAULA"), QDate(2027, 3, 5), QStringLiteral("150"));
    nota(2, QStringLiteral("BETO"), QDate(2027, 4, 5), QStringLiteral("80"), QStringLiteral("P"), QStringLiteral("80"), Hoje, Hoje);
    executa(QStringLiteral("UPDATE NOTAPROMISSORIALITE SET NPL_VALOR_TEMP=80, NPL_EMITENTE_DOC='12345678901' WHERE NPL_CODIGO=2"));
    auto j = abre();
    const auto confere = [&](const QString &relatorio, const std::function<void()> &acao, const QStringList &trechos) {
        const QString t = imprimePdf(acao, relatorio);
        QVERIFY2(!t.isEmpty(), qPrintable(relatorio));
        for (const QString &trecho : trechos) QVERIFY2(t.contains(trecho), qPrintable(relatorio + QStringLiteral(": ") + trecho + QStringLiteral(" | ") + t));
    };
    confere(QStringLiteral("NotasPromissoriasLite"), [&] { j->ReimprimirEsta(); },
            {QStringLiteral("NOTA PROMISSÓRIA"), QStringLiteral("ANA PAULA"), QStringLiteral("CENTO E CINQUENTA REAIS"),
             QStringLiteral("pagarei por esta"), QStringLiteral("SAO PAULO, 10 de JANEIRO de 2027.")});
    confere(QStringLiteral("NotasPromissoriasLite2"), [&] { j->ReimprimirTodas(); },
            {QStringLiteral("ANA PAULA"), QStringLiteral("BETO"), QStringLiteral("pagarei (emos) por esta"), QStringLiteral("OITENTA REAIS")});
    confere(QStringLiteral("RelacaoNotasPromissoriasLite"), [&] { j->RelacaoExibidas(); },
            {QStringLiteral("Relação de Notas Promissórias"), QStringLiteral("Exibindo registros pesquisados"), QStringLiteral("ANA PAULA"),
             QStringLiteral("BETO")});
    confere(QStringLiteral("RelacaoNotasPromissoriasLite"), [&] { j->RelacaoStatus(TfNotaPromissoriaLite::Pagas); },
            {QStringLiteral("Exibindo somente registros pagos"), QStringLiteral("BETO")});
    QCOMPARE(codigos(j->QryPesquisa), (QList<int>{1, 2})); // the search runs again without the filter
    msg->espera(QStringLiteral("Esta conta não foi paga ainda !"));
    j->ReimprimeRecibo(false);
    verificaMensagens();
    j->GridLista->selectRow(1);
    confere(QStringLiteral("ReciboPromissoriaLite"), [&] { j->ReimprimeRecibo(false); },
            {QStringLiteral("RECIBO"), QStringLiteral("BETO"), QStringLiteral("CPF nº 123.456.789-01"), QStringLiteral("OITENTA REAIS"),
             QStringLiteral("SAO PAULO, 10 de JANEIRO de 2027.")});
    confere(QStringLiteral("ReciboPromissoriaLite2"), [&] { j->ReimprimeRecibo(true); }, {QStringLiteral("1ª via"), QStringLiteral("2ª via")});
    verificaMensagens();
}

// Confirming a new note prints its installments; a payment prints the chosen receipt.
void TstNotasLite::confirmarEPagarImprimem()
{
    if (semPdftotext()) QSKIP("pdftotext is not installed");
    auto j = abre();
    preenche(*j, QStringLiteral("50,00"), QStringLiteral("2"), QStringLiteral("30"), QStringLiteral("31/01/2027"));
    j->ButGravar->click();
    msg->espera(QStringLiteral("OUTRO"), BotaoNao);
    const QString notas = imprimePdf([&] { j->ButConfirmaParcelas->click(); }, QStringLiteral("NotasPromissoriasLite"));
    for (const char *trecho : {"Parcela 1 de 2", "Parcela 2 de 2", "CINQUENTA REAIS", "CNPJ nº 12.345.678/0001-99", "pagarei por esta",
                               "CPF nº 123.456.789-01", "Pagável em: CAMPINAS"})
        QVERIFY2(notas.contains(QString::fromUtf8(trecho)), qPrintable(QString::fromUtf8(trecho) + QStringLiteral(" | ") + notas));
    j->ButRecebe->click();
    j->EditVlPago->setValor(Moeda::deReais(20));
    j->Check2Vias->setChecked(true);
    msg->espera(QStringLiteral("VALOR INFERIOR!"), BotaoSim);
    const QString recibo = imprimePdf([&] { j->ButGravaPgto->click(); }, QStringLiteral("ReciboPromissoriaLite2"));
    verificaMensagens();
    for (const char *trecho : {"1ª via", "2ª via", "VINTE REAIS", "R$ 20,00", "Saldo devedor: R$ 30,00"})
        QVERIFY2(recibo.contains(QString::fromUtf8(trecho)), qPrintable(QString::fromUtf8(trecho) + QStringLiteral(" | ") + recibo));
}

