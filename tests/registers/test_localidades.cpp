// The locality registers driven as a user does, on a real database.

#include "TesteJanelas.h"
#include "Dados.h"
#include "Digitacao.h"
#include "DadosImpressao.h"
#include "SistemaRelatorios.h"
#include "InstalacaoTeste.h"
#include "MaskEdit.h"
#include "MensagensRoteiro.h"
#include "TfBairros.h"
#include "TfCidades.h"
#include "TfLogradouros.h"

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

class TstLocalidades : public QObject {
    Q_OBJECT

    std::unique_ptr<InstalacaoTeste> inst;
    std::unique_ptr<Dados> dm;
    std::unique_ptr<MensagensRoteiro> msg;

    int conta(const QString &sql)
    {
        Transacao tr(dm->DataBase);
        Query q(dm->DataBase, tr);
        q.sql.defineTexto(sql);
        q.open();
        return q.valor(0, 0).toInt();
    }

    template <typename J> std::unique_ptr<J> abre()
    {
        auto j = std::make_unique<J>();
        j->setAttribute(Qt::WA_DeleteOnClose, false);
        j->show();
        return j;
    }

    void digitaCidade(TfCidades &j, const char *uf, const char *nome)
    {
        j.LkpSigla->setCurrentIndex(j.LkpSigla->findText(QLatin1String(uf)));
        j.EditNome->selectAll();
        digita(j.EditNome, QString::fromUtf8(nome));
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
    }
    void cleanup()
    {
        msg.reset();
        dm.reset();
        inst.reset();
    }

    void incluiAlteraERecusaDuplicado()
    {
        auto j = abre<TfCidades>();
        QCOMPARE(j->windowTitle(), QStringLiteral(" Cadastro de Cidades"));
        QTest::keyClick(j.get(), Qt::Key_F2);
        QCOMPARE(j->windowTitle(), QStringLiteral(" Cadastro de Cidades (Incluindo...)"));
        QVERIFY(!j->Grid1->isEnabled());
        msg->espera(QStringLiteral("É necessário informar o estado !"));
        QTest::keyClick(j.get(), Qt::Key_F6);
        digitaCidade(*j, "ES", "vitória");
        QCOMPARE(j->EditNome->text(), QStringLiteral("VITÓRIA"));
        msg->espera(QStringLiteral("Deseja efetuar OUTRO lançamento agora ?"), BotaoSim);
        QTest::keyClick(j.get(), Qt::Key_F6);
        QCOMPARE(j->modo(), int(JanelaCadastro::Inserindo)); // SIM starts another
        digitaCidade(*j, "SP", "VITÓRIA");
        msg->espera(QStringLiteral("Já existe uma cidade com este nome !"));
        QTest::keyClick(j.get(), Qt::Key_F6);
        QCOMPARE(j->modo(), int(JanelaCadastro::Inserindo));
        j->EditNome->selectAll();
        QTest::keyClicks(j->EditNome, QStringLiteral("SERRA"));
        msg->espera(QStringLiteral("OUTRO lançamento"), BotaoNao);
        QTest::keyClick(j.get(), Qt::Key_F6);
        QCOMPARE(j->modo(), int(JanelaCadastro::Normal));
        QCOMPARE(j->LabelRegistros->text(), QStringLiteral("Exibindo 2 de 2 registros"));
        QCOMPARE(conta(QStringLiteral("SELECT COUNT(*) FROM CIDADES WHERE CD_UF='SP' AND CD_NOME='SERRA' AND CD_COD_ESTADO=26 AND CD_EXIBIR='T'")), 1);

        // altering without changing the name passes the duplicate test
        j->principal().locate(QStringLiteral("CD_NOME"), QStringLiteral("VITÓRIA"));
        QTest::keyClick(j.get(), Qt::Key_F3);
        QCOMPARE(j->windowTitle(), QStringLiteral(" Cadastro de Cidades (Alterando...)"));
        QTest::keyClick(j.get(), Qt::Key_F6);
        QCOMPARE(j->modo(), int(JanelaCadastro::Normal));
        QVERIFY(dm->LookupCidades.locate(QStringLiteral("CD_NOME"), QStringLiteral("SERRA"))); // shared list reloaded
        verificaMensagens();
    }

    void insercaoCanceladaNaoGastaCodigoEF11()
    {
        auto j = abre<TfCidades>();
        QTest::keyClick(j.get(), Qt::Key_F2);
        digitaCidade(*j, "ES", "ARACRUZ");
        QTest::keyClick(j.get(), Qt::Key_F11);
        QVERIFY(j->isVisible()); // F11 does nothing while inserting
        QTest::keyClick(j.get(), Qt::Key_F7);
        QCOMPARE(j->modo(), int(JanelaCadastro::Normal));
        QTest::keyClick(j.get(), Qt::Key_F2);
        digitaCidade(*j, "ES", "ARACRUZ");
        msg->espera(QStringLiteral("OUTRO"), BotaoNao);
        QTest::keyClick(j.get(), Qt::Key_F6);
        QCOMPARE(conta(QStringLiteral("SELECT CD_CODIGO FROM CIDADES WHERE CD_NOME='ARACRUZ'")), 1);
        QTest::keyClick(j.get(), Qt::Key_F11);
        QVERIFY(!j->isVisible());
        verificaMensagens();
    }

    void buscaContadorEOrdem()
    {
        for (int i = 1; i <= 120; ++i)
            dm->DataBase.executa(QStringLiteral("INSERT INTO CIDADES (CD_CODIGO, CD_NOME, CD_UF, CD_EXIBIR) VALUES (%1, '%2', '%3', 'T')")
                                     .arg(i).arg(i <= 3 ? QStringLiteral("SANTA %1").arg(QChar('D' - i)) : QStringLiteral("CIDADE %1").arg(i, 3, 10, QLatin1Char('0')))
                                     .arg(i <= 3 ? QStringLiteral("E%1").arg(i) : QStringLiteral("ZZ")));
        dm->DataBase.executa(QStringLiteral("INSERT INTO CIDADES (CD_CODIGO, CD_NOME, CD_UF, CD_EXIBIR) VALUES (200, 'PINGO D''AGUA', 'MG', 'T')"));
        auto j = abre<TfCidades>();
        QCOMPARE(j->LabelRegistros->text(), QStringLiteral("Exibindo 121 de 121 registros"));
        QTest::keyClicks(j->EditLocaliza, QStringLiteral("santa"));
        QVERIFY(j->LabelLimpar->isVisible());
        QTest::keyClick(j.get(), Qt::Key_F5);
        QCOMPARE(j->LabelRegistros->text(), QStringLiteral("Exibindo 3 de 121 registros"));
        QCOMPARE(j->principal().valor(0, QStringLiteral("CD_NOME")).toString(), QStringLiteral("SANTA A"));

        // sort by the "Estado" title, kept over the next search
        j->Grid1->horizontalHeader()->sectionClicked(1);
        QCOMPARE(j->principal().valor(0, QStringLiteral("CD_UF")).toString(), QStringLiteral("E1"));
        QCOMPARE(j->principal().valor(0, QStringLiteral("CD_NOME")).toString(), QStringLiteral("SANTA C"));
        j->EditLocaliza->setText(QStringLiteral("SANTA"));
        j->ButBuscarClick();
        QCOMPARE(j->principal().valor(0, QStringLiteral("CD_UF")).toString(), QStringLiteral("E1"));

        // a quote is searched as text
        j->EditLocaliza->setText(QStringLiteral("D'AG"));
        j->ButBuscarClick();
        QCOMPARE(j->LabelRegistros->text(), QStringLiteral("Exibindo 1 de 121 registros"));
        j->LabelLimparClick();
        QCOMPARE(j->LabelRegistros->text(), QStringLiteral("Exibindo 121 de 121 registros"));
        verificaMensagens();
    }

    void exibirOcultarEExclusao()
    {
        dm->DataBase.executa(QStringLiteral("INSERT INTO CIDADES (CD_CODIGO, CD_NOME, CD_UF, CD_EXIBIR) VALUES (1, 'UNICA', 'ES', 'T')"));
        auto j = abre<TfCidades>();
        msg->espera(QStringLiteral("Não é possível ocultar/exibir registro único !"));
        j->ButExibir->click();
        dm->DataBase.executa(QStringLiteral("INSERT INTO CIDADES (CD_CODIGO, CD_NOME, CD_UF, CD_EXIBIR) VALUES (2, 'OUTRA', 'ES', 'T')"));
        j->EditLocaliza->setText(QStringLiteral("UNICA"));
        j->ButBuscarClick(); // one row listed, two in the table: allowed
        j->ButExibir->click();
        QCOMPARE(conta(QStringLiteral("SELECT COUNT(*) FROM CIDADES WHERE CD_CODIGO=1 AND CD_EXIBIR='F'")), 1);
        const QModelIndex celula = j->Grid1->model()->index(0, 0);
        QCOMPARE(celula.data(Qt::ForegroundRole).value<QColor>(), QColor(192, 192, 192));
        j->ButExibir->click();
        QCOMPARE(conta(QStringLiteral("SELECT COUNT(*) FROM CIDADES WHERE CD_CODIGO=1 AND CD_EXIBIR='T'")), 1);

        msg->espera(QStringLiteral("EXCLUIR este registro ?"), BotaoNao);
        QTest::keyClick(j->Grid1, Qt::Key_Delete);
        msg->espera(QStringLiteral("CONFIRMAR ?"), BotaoSim);
        QTest::keyClick(j->Grid1, Qt::Key_Delete);
        QCOMPARE(conta(QStringLiteral("SELECT COUNT(*) FROM CIDADES")), 1);
        QCOMPARE(j->LabelRegistros->text(), QStringLiteral("Exibindo 0 de 1 registros"));
        msg->espera(QStringLiteral("Não há registros a serem excluídos !"));
        j->ButExclui->click();
        msg->espera(QStringLiteral("Não há registros a serem alterados !"));
        j->ButAltera->click();
        verificaMensagens();
    }

    void usuarioRestritoMantemBotoesDesabilitados()
    {
        dm->DataBase.executa(QStringLiteral(
            "INSERT INTO USUARIOSPERMISSOES (PUS_CODIGO, PUS_USUARIO, PUS_LOGIN, PUS_LOCALIDADES_V, PUS_LOCALIDADES_E, "
            "PUS_LOCALIDADES_X, PUS_LOCALIDADES_R) VALUES (5, 'T', 'ANA', 'T', 'T', 'F', NULL)"));
        dm->NomeUsuarioLogado = QStringLiteral("ANA");
        dm->CodUsuarioLogado = 5;
        dm->QryLiberaPermissoes.defineParametro(QStringLiteral("CODIGO"), 5);
        dm->QryLiberaPermissoes.open();
        auto j = abre<TfCidades>();
        QVERIFY(j->ButNovo->isEnabled());
        QVERIFY(!j->ButExclui->isEnabled());
        QVERIFY(!j->ButRelatorios->isEnabled());
        QTest::keyClick(j.get(), Qt::Key_F2);
        digitaCidade(*j, "ES", "GUARAPARI");
        msg->espera(QStringLiteral("OUTRO"), BotaoNao);
        QTest::keyClick(j.get(), Qt::Key_F6);
        QVERIFY(!j->ButExclui->isEnabled());
        QVERIFY(!j->ButRelatorios->isEnabled());
        QTest::keyClick(j->Grid1, Qt::Key_Delete); // Del obeys the button
        QCOMPARE(conta(QStringLiteral("SELECT COUNT(*) FROM CIDADES")), 1);
        verificaMensagens();
    }

    void bairrosUnicosNaCidade()
    {
        dm->DataBase.executa(QStringLiteral("INSERT INTO CIDADES (CD_CODIGO, CD_NOME, CD_UF, CD_EXIBIR) VALUES (1, 'VITORIA', 'ES', 'T')"));
        dm->DataBase.executa(QStringLiteral("INSERT INTO CIDADES (CD_CODIGO, CD_NOME, CD_UF, CD_EXIBIR) VALUES (2, 'SERRA', 'ES', 'T')"));
        dm->DataBase.executa(QStringLiteral("INSERT INTO CIDADES (CD_CODIGO, CD_NOME, CD_UF, CD_EXIBIR) VALUES (3, 'OCULTA', 'ES', 'F')"));
        dm->DataBase.executa(QStringLiteral("INSERT INTO BAIRROS (BR_CODIGO, BR_NOME, BR_COD_CIDADE, BR_EXIBIR) VALUES (9, 'VELHO', 3, 'T')"));
        auto j = abre<TfBairros>();
        QCOMPARE(j->Grid1->model()->index(0, 1).data().toString(), QString()); // city hidden: empty
        auto inclui = [&](const char *cidade, const char *nome) {
            QTest::keyClick(j.get(), Qt::Key_F2);
            j->LkpCidade->setCurrentIndex(j->LkpCidade->findText(QLatin1String(cidade)));
            QTest::keyClicks(j->EditNome, QLatin1String(nome));
            QTest::keyClick(j.get(), Qt::Key_F6);
        };
        msg->espera(QStringLiteral("OUTRO"), BotaoNao);
        inclui("VITORIA", "CENTRO");
        msg->espera(QStringLiteral("OUTRO"), BotaoNao);
        inclui("SERRA", "CENTRO");
        msg->espera(QStringLiteral("Já existe um bairro com este nome !"));
        inclui("SERRA", "CENTRO");
        QTest::keyClick(j.get(), Qt::Key_F7);
        QCOMPARE(conta(QStringLiteral("SELECT COUNT(*) FROM BAIRROS WHERE BR_NOME='CENTRO'")), 2);
        verificaMensagens();
    }

    void relacaoDeCidadesEmPdf()
    {
        for (auto [c, n, uf] : {std::tuple{1, "SERRA", "ES"}, std::tuple{2, "ARACRUZ", "ES"}, std::tuple{3, "BAURU", "SP"}})
            dm->DataBase.executa(QStringLiteral("INSERT INTO CIDADES (CD_CODIGO, CD_NOME, CD_UF, CD_EXIBIR) VALUES (%1, '%2', '%3', 'T')")
                                     .arg(c).arg(QLatin1String(n), QLatin1String(uf)));
        dm->NomeEmpresaLogada = QStringLiteral("LOJA DO CENTRO");
        DadosImpressao impressao(dm.get());
        QTemporaryDir saida;
        qputenv(SistemaRelatorios::VariavelPdf, QFile::encodeName(saida.path()));
        auto j = abre<TfCidades>();
        j->ordenaPor(QStringLiteral("CD_UF")); // the report follows the grid's order
        j->imprimeLista();
        qunsetenv(SistemaRelatorios::VariavelPdf);
        QProcess pdf;
        pdf.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), impressao.ultimoArquivoPdf(), QStringLiteral("-")});
        QVERIFY(pdf.waitForFinished());
        const QString texto = QString::fromUtf8(pdf.readAllStandardOutput());
        for (const char *t : {"Relação de Cidades", "LOJA DO CENTRO", "Por : MASTER", "Brelo"})
            QVERIFY2(texto.contains(QString::fromUtf8(t)), t);
        QVERIFY(texto.contains(QRegularExpression(QStringLiteral("Exibindo +registros +pesquisados"))));
        const qsizetype serra = texto.indexOf(QStringLiteral("SERRA")), aracruz = texto.indexOf(QStringLiteral("ARACRUZ")),
                        bauru = texto.indexOf(QStringLiteral("BAURU"));
        QVERIFY(serra > 0 && aracruz > 0 && bauru > 0);
        QVERIFY(bauru > serra && bauru > aracruz); // ES rows before SP
        verificaMensagens();
    }

    void logradouroComTipoECep()
    {
        dm->DataBase.executa(QStringLiteral("INSERT INTO CIDADES (CD_CODIGO, CD_NOME, CD_UF, CD_EXIBIR) VALUES (1, 'VITORIA', 'ES', 'T')"));
        auto j = abre<TfLogradouros>();
        QCOMPARE(j->ComboTipo->count(), 10);
        QCOMPARE(j->ComboTipo->itemText(2), QString(36, QLatin1Char('-')));
        QTest::keyClick(j.get(), Qt::Key_F2);
        j->LkpCidade->setCurrentIndex(0);
        QTest::keyClicks(j->EditNome, QStringLiteral("DAS PALMEIRAS"));
        j->ComboTipo->setCurrentIndex(1);
        j->EditCEP->setFocus();
        j->EditCEP->home(false);
        QTest::keyClicks(j->EditCEP, QStringLiteral("29100123"));
        msg->espera(QStringLiteral("OUTRO"), BotaoNao);
        QTest::keyClick(j.get(), Qt::Key_F6);
        QCOMPARE(conta(QStringLiteral("SELECT COUNT(*) FROM LOGRADOUROS WHERE LG_TIPO='AVENIDA (AV)' AND LG_CEP='29100123' AND LG_COD_CIDADE=1")), 1);
        verificaMensagens();
    }
};

PN_TESTE_JANELAS(TstLocalidades)
#include "test_localidades.moc"
