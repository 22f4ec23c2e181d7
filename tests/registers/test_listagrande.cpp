// A register window over a list of thousands of rows: it opens with the first rows, fetches the
// rest as the grid scrolls, and its counter, locate, sort, search and report stay as before.

#include "TesteJanelas.h"
#include "Dados.h"
#include "DadosImpressao.h"
#include "InstalacaoTeste.h"
#include "MensagensRoteiro.h"
#include "SistemaRelatorios.h"
#include "TfCidades.h"
#include "TfLogradouros.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

namespace {
constexpr int kLinhas = 5000;
}

class TstListaGrande : public QObject {
    Q_OBJECT

    std::unique_ptr<InstalacaoTeste> inst;
    std::unique_ptr<Dados> dm;
    std::unique_ptr<MensagensRoteiro> msg;

    template <typename J> std::unique_ptr<J> abre()
    {
        auto j = std::make_unique<J>();
        j->setAttribute(Qt::WA_DeleteOnClose, false);
        j->show();
        [&] { QVERIFY(QTest::qWaitForWindowExposed(j.get())); }();
        return j;
    }

    static void rolaAteOFim(QTableView *grade)
    {
        for (int i = 0; i < 1000 && grade->model()->canFetchMore({}); ++i) {
            grade->scrollToBottom();
            QCoreApplication::processEvents();
        }
    }

    void verificaMensagens()
    {
        QString porque;
        QVERIFY2(msg->verificaFim(&porque), qPrintable(porque));
    }

private Q_SLOTS:
    void init()
    {
        inst = std::make_unique<InstalacaoTeste>();
        dm = inst->conectaComoMaster();
        msg = std::make_unique<MensagensRoteiro>();
        // "CIDADE 0001" .. "CIDADE 5000"; UF "ES" for the even codes, "MG" for the odd ones
        dm->DataBase.executa(QStringLiteral(
            "EXECUTE BLOCK AS DECLARE I INTEGER = 1; BEGIN WHILE (I <= 5000) DO BEGIN "
            "INSERT INTO CIDADES (CD_CODIGO, CD_NOME, CD_UF, CD_COD_ESTADO, CD_EXIBIR) VALUES (:I, "
            "'CIDADE ' || LPAD(:I, 4, '0'), IIF(MOD(:I, 2) = 0, 'ES', 'MG'), IIF(MOD(:I, 2) = 0, 8, 11), 'T'); "
            "INSERT INTO LOGRADOUROS (LG_CODIGO, LG_NOME, LG_COD_CIDADE, LG_EXIBIR) VALUES (:I, "
            "'RUA ' || LPAD(:I, 4, '0'), 1, 'T'); I = I + 1; END END"));
        dm->DataBase.executa(QStringLiteral("SET GENERATOR COD_CIDADES TO 5000"));
    }
    void cleanup()
    {
        msg.reset();
        dm.reset();
        inst.reset();
    }

    void abreComPrimeirasLinhasEContadorExato()
    {
        auto j = abre<TfCidades>();
        Query &q = j->principal();
        QVERIFY(q.linhasCarregadas() < kLinhas);
        QCOMPARE(j->Grid1->model()->rowCount(), q.linhasCarregadas());
        QCOMPARE(j->LabelRegistros->text(), QStringLiteral("Exibindo 5000 de 5000 registros"));

        rolaAteOFim(j->Grid1);
        QCOMPARE(j->Grid1->model()->rowCount(), kLinhas);
        QCOMPARE(j->Grid1->model()->index(kLinhas - 1, 0).data().toString(), QStringLiteral("CIDADE 5000"));

        // the streets window too, whose city column is looked up
        auto r = abre<TfLogradouros>();
        QVERIFY(r->principal().linhasCarregadas() < kLinhas);
        QCOMPARE(r->LabelRegistros->text(), QStringLiteral("Exibindo 5000 de 5000 registros"));
        QCOMPARE(r->Grid1->model()->index(0, 1).data().toString(), QStringLiteral("CIDADE 0001"));
        verificaMensagens();
    }

    void localizaOrdenaEBuscaDepoisDeRolar()
    {
        auto j = abre<TfCidades>();
        Query &q = j->principal();
        QVERIFY(q.locate(QStringLiteral("CD_NOME"), QStringLiteral("CIDADE 4321"))); // not fetched at open
        QCOMPARE(j->Grid1->currentIndex().row(), 4320);
        QCOMPARE(j->EditNome->text(), QStringLiteral("CIDADE 4321"));

        rolaAteOFim(j->Grid1);
        j->Grid1->horizontalHeader()->sectionClicked(1); // by "Estado"
        QCOMPARE(q.valor(0, QStringLiteral("CD_UF")).toString(), QStringLiteral("ES"));
        QVERIFY(q.linhasCarregadas() < kLinhas);
        QCOMPARE(j->LabelRegistros->text(), QStringLiteral("Exibindo 5000 de 5000 registros")); // no rewrite on sort
        q.last();
        QCOMPARE(q[QStringLiteral("CD_UF")].asString(), QStringLiteral("MG"));

        j->EditLocaliza->setText(QStringLiteral("CIDADE 1"));
        j->ButBuscarClick(); // CIDADE 1000 .. 1999, still ordered by state
        QCOMPARE(j->LabelRegistros->text(), QStringLiteral("Exibindo 1000 de 5000 registros"));
        QCOMPARE(q.valor(0, QStringLiteral("CD_UF")).toString(), QStringLiteral("ES"));
        QCOMPARE(q.recordCount(), 1000);
        QCOMPARE(q.valor(999, QStringLiteral("CD_UF")).toString(), QStringLiteral("MG"));
        j->LabelLimparClick();
        QCOMPARE(j->LabelRegistros->text(), QStringLiteral("Exibindo 5000 de 5000 registros"));
        verificaMensagens();
    }

    void gravaEExcluiComListaParcial()
    {
        auto j = abre<TfCidades>();
        Query &q = j->principal();
        QVERIFY(q.linhasCarregadas() < kLinhas);
        QTest::keyClick(j.get(), Qt::Key_F2);
        j->LkpSigla->setCurrentIndex(j->LkpSigla->findText(QStringLiteral("ES")));
        j->EditNome->setText(QStringLiteral("ZZ ULTIMA"));
        msg->espera(QStringLiteral("OUTRO"), BotaoNao);
        QTest::keyClick(j.get(), Qt::Key_F6);
        QCOMPARE(j->LabelRegistros->text(), QStringLiteral("Exibindo 5001 de 5001 registros"));
        msg->espera(QStringLiteral("CONFIRMAR ?"), BotaoSim); // the dialog after its first use
        j->Delecao(); // the new row, current after the save
        QCOMPARE(j->LabelRegistros->text(), QStringLiteral("Exibindo 5000 de 5000 registros"));
        rolaAteOFim(j->Grid1);
        QCOMPARE(j->Grid1->model()->rowCount(), kLinhas);
        QVERIFY(!q.locate(QStringLiteral("CD_NOME"), QStringLiteral("ZZ ULTIMA")));
        verificaMensagens();
    }

    void relatorioComTodasAsLinhas()
    {
        dm->NomeEmpresaLogada = QStringLiteral("LOJA");
        DadosImpressao impressao(dm.get());
        QTemporaryDir saida;
        qputenv(SistemaRelatorios::VariavelPdf, QFile::encodeName(saida.path()));
        auto j = abre<TfCidades>();
        QVERIFY(j->principal().linhasCarregadas() < kLinhas);
        j->imprimeLista();
        qunsetenv(SistemaRelatorios::VariavelPdf);
        QProcess pdf;
        pdf.start(QStringLiteral("pdftotext"), {impressao.ultimoArquivoPdf(), QStringLiteral("-")});
        QVERIFY(pdf.waitForFinished(60000));
        const QString texto = QString::fromUtf8(pdf.readAllStandardOutput());
        QVERIFY(texto.contains(QStringLiteral("CIDADE 0001")));
        QVERIFY(texto.contains(QStringLiteral("CIDADE 5000")));
        verificaMensagens();
    }
};

PN_TESTE_JANELAS(TstListaGrande)
#include "test_listagrande.moc"
