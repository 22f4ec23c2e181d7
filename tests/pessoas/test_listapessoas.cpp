// The persons register over 5,000 persons: the list opens with its first rows, the counter and the
// search count exactly, locate, save and the grouped report still reach every row.

#include "TesteJanelas.h"
#include "Dados.h"
#include "DadosImpressao.h"
#include "InstalacaoTeste.h"
#include "MensagensRoteiro.h"
#include "PainelDetalhesCliente.h"
#include "PainelEdicaoCliente.h"
#include "PainelPesquisaClientes.h"
#include "RelogioFixo.h"
#include "SistemaRelatorios.h"
#include "TfCadastrosGerais.h"

#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

namespace {
constexpr int kPessoas = 5000;
}

class TstListaPessoas : public QObject {
    Q_OBJECT

    std::unique_ptr<InstalacaoTeste> inst;
    std::unique_ptr<Dados> dm;
    std::unique_ptr<MensagensRoteiro> msg;
    std::unique_ptr<RelogioFixo> relogio;

    std::unique_ptr<TfCadastrosGerais> abre()
    {
        auto j = std::make_unique<TfCadastrosGerais>();
        j->setAttribute(Qt::WA_DeleteOnClose, false);
        j->show();
        return j;
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
        relogio = std::make_unique<RelogioFixo>(QDate(2026, 3, 15));
        // "PESSOA 0001" .. "PESSOA 5000" in two cities, each with a text of contacts
        dm->DataBase.executa(QStringLiteral(
            "EXECUTE BLOCK AS DECLARE I INTEGER = 1; BEGIN "
            "INSERT INTO CIDADES (CD_CODIGO, CD_NOME, CD_UF, CD_EXIBIR) VALUES (1, 'VITORIA', 'ES', 'T'); "
            "INSERT INTO CIDADES (CD_CODIGO, CD_NOME, CD_UF, CD_EXIBIR) VALUES (2, 'SERRA', 'ES', 'T'); "
            "WHILE (I <= 5000) DO BEGIN "
            "INSERT INTO CADASTROS (CG_CODIGO, CG_NOME, CG_ESPECIE, CG_TIPO_PESSOA, CG_EXIBIR, CG_COD_CIDADE, CG_CONTATOS) "
            "VALUES (:I, 'PESSOA ' || LPAD(:I, 4, '0'), 'C', 'F', 'T', 1 + MOD(:I, 2), 'contato ' || :I); "
            "I = I + 1; END END"));
        dm->DataBase.executa(QStringLiteral("SET GENERATOR COD_CADASTROS TO 5000"));
    }
    void cleanup()
    {
        relogio.reset();
        msg.reset();
        dm.reset();
        inst.reset();
    }

    void abreContaEBuscaSemTrazerTudo()
    {
        auto j = abre();
        Query &q = j->QryPesquisa;
        QVERIFY(q.linhasCarregadas() < kPessoas);
        QCOMPARE(j->LabelRegistros->text(), QStringLiteral("Exibindo 5000 de 5000 registros"));
        const int contatos = q.indiceCampo(QStringLiteral("CG_CONTATOS"));
        QVERIFY(!q.valorLido(1, contatos)); // the text of each row waits until used
        QCOMPARE(q.valor(1, contatos).toString(), QStringLiteral("contato 2"));

        j->ButPesquisarClick();
        j->Pesquisa->PesqEditNome->setText(QStringLiteral("PESSOA 1"));
        j->Pesquisa->PesqButBuscar->click();
        QCOMPARE(j->LabelRegistros->text(), QStringLiteral("Exibindo 1000 de 5000 registros"));
        QVERIFY(q.linhasCarregadas() < 1000);
        j->Pesquisa->PesqEditNome->setText(QStringLiteral("PESSOA 4999"));
        j->Pesquisa->PesqButBuscar->click();
        QCOMPARE(j->LabelRegistros->text(), QStringLiteral("Exibindo 1 de 5000 registros"));
        verificaMensagens();
    }

    void localizaEGravaLinhaAindaNaoBuscada()
    {
        auto j = abre();
        Query &q = j->QryPesquisa;
        QVERIFY(q.locate(QStringLiteral("CG_CODIGO"), 4500));
        QCOMPARE(j->Grid1->currentIndex().row(), 4499);
        QCOMPARE(j->Detalhes->DetNome->text(), QStringLiteral("PESSOA 4500"));
        QTest::keyClick(j.get(), Qt::Key_F3);
        j->Edicao->EditNome->setText(QStringLiteral("PESSOA 4500 ALTERADA"));
        QTest::keyClick(j.get(), Qt::Key_F6);
        QCOMPARE(j->modo(), int(JanelaCadastro::Normal));
        QCOMPARE(q[QStringLiteral("CG_NOME")].asString(), QStringLiteral("PESSOA 4500 ALTERADA")); // reopened, kept
        QCOMPARE(j->Grid1->currentIndex().row(), 4499);
        QCOMPARE(j->LabelRegistros->text(), QStringLiteral("Exibindo 5000 de 5000 registros"));
        verificaMensagens();
    }

    void relatorioPorCidadeComTodos()
    {
        DadosImpressao impressao(dm.get());
        QTemporaryDir saida;
        qputenv(SistemaRelatorios::VariavelPdf, QFile::encodeName(saida.path()));
        auto j = abre();
        j->imprimeAgrupado(TfCadastrosGerais::Agrupamento::Cidade);
        qunsetenv(SistemaRelatorios::VariavelPdf);
        QCOMPARE(j->LabelRegistros->text(), QStringLiteral("Exibindo 5000 de 5000 registros"));
        QProcess pdf;
        pdf.start(QStringLiteral("pdftotext"), {impressao.ultimoArquivoPdf(), QStringLiteral("-")});
        QVERIFY(pdf.waitForFinished(120000));
        const QString texto = QString::fromUtf8(pdf.readAllStandardOutput());
        for (const char *nome : {"PESSOA 0001", "PESSOA 4999", "PESSOA 5000"}) QVERIFY2(texto.contains(QLatin1String(nome)), nome);
        verificaMensagens();
    }
};

PN_TESTE_JANELAS(TstListaPessoas)
#include "test_listapessoas.moc"
