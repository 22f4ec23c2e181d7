// The companies register driven as a user does, on a real database, with scripted dialogs.

#include "TesteJanelas.h"
#include "Dados.h"
#include "DadosImpressao.h"
#include "DataEdit.h"
#include "Digitacao.h"
#include "ImagemLogotipo.h"
#include "InstalacaoTeste.h"
#include "JanelaPrincipal.h"
#include "MaskEdit.h"
#include "MensagensRoteiro.h"
#include "PainelDetalhesEmpresa.h"
#include "PainelEdicaoEmpresa.h"
#include "PainelPesquisaEmpresas.h"
#include "PlataformaGravadora.h"
#include "RelogioFixo.h"
#include "RetornoCredor.h"
#include "SeletoresEndereco.h"
#include "TfEmpresas.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The notes window as the companies register sees it.
class NotasSubstituta final : public JanelaNotasCredor {
public:
    NotasSubstituta() { defineAberta(this); }
    ~NotasSubstituta() override { defineAberta(nullptr); }
    bool editandoNota() const override { return editando; }
    void recebeCredor(int codigo) override { credores.append(codigo); }
    bool editando = true;
    QList<int> credores;
};

// The main window as the companies register sees it: it counts the logo refreshes.
class PrincipalSubstituta final : public JanelaPrincipal {
public:
    PrincipalSubstituta() { define(this); }
    ~PrincipalSubstituta() override { define(nullptr); }
    void Logotipo() override { ++logotipos; }
    void concluiLogin() override {}
    void AbreTabelasLembretes() override {}
    void AjudaSistema() override {}
    void FaleConosco() override {}
    void mostraComputador(const QString &, const QString &) override {}
    bool atualizacaoSilenciosaIniciada() const override { return false; }
    void RestaurarBD() override {}
    QWidget *janela() override { return nullptr; }
    QWidget *abreJanela(const QString &tipo) override
    {
        abertas.append(tipo);
        return nullptr;
    }
    int logotipos = 0;
    QStringList abertas;
};

const QString CNPJ = QStringLiteral("11222333000181");
const QString CPF = QStringLiteral("52998224725");

QImage quadro(int largura, int altura)
{
    QImage imagem(largura, altura, QImage::Format_RGB32);
    imagem.fill(Qt::red);
    return imagem;
}

} // namespace

class TstEmpresas : public QObject {
    Q_OBJECT

    std::unique_ptr<InstalacaoTeste> inst;
    std::unique_ptr<Dados> dm;
    std::unique_ptr<MensagensRoteiro> msg;
    std::unique_ptr<RelogioFixo> relogio;
    std::unique_ptr<PlataformaGravadora> plataforma;

    QVariant valor(const QString &sql)
    {
        Transacao tr(dm->DataBase);
        Query q(dm->DataBase, tr);
        q.sql.defineTexto(sql);
        q.open();
        return q.isEmpty() ? QVariant() : q.valor(0, 0);
    }
    int conta(const QString &sql) { return valor(sql).toInt(); }
    void executa(const QString &sql) { dm->DataBase.executa(sql); }

    void empresa(int codigo, const QString &nome, const QString &extras = {}, const QString &valores = {})
    {
        executa(QStringLiteral("INSERT INTO EMPRESAS (EM_CODIGO, EM_NOME, EM_FANTASIA, EM_TIPO_PESSOA, EM_CPF_CNPJ%1) "
                               "VALUES (%2, '%3', '%3', 'J', '%4'%5)")
                    .arg(extras.isEmpty() ? QString() : QStringLiteral(", ") + extras)
                    .arg(codigo)
                    .arg(nome, CNPJ, valores.isEmpty() ? QString() : QStringLiteral(", ") + valores));
        executa(QStringLiteral("SET GENERATOR COD_EMPRESAS TO %1").arg(codigo));
    }
    void defineEstadoPadrao(int codigo) { executa(QStringLiteral("UPDATE CONFIGS SET CF_UF_PADRAO=%1").arg(codigo)); }

    std::unique_ptr<TfEmpresas> abre()
    {
        auto j = std::make_unique<TfEmpresas>();
        j->setAttribute(Qt::WA_DeleteOnClose, false);
        j->show();
        j->activateWindow();
        [&] { QVERIFY(QTest::qWaitForWindowActive(j.get())); }();
        return j;
    }

    static void entra(QWidget *w, const QString &texto)
    {
        w->setFocus();
        if (auto *e = qobject_cast<QLineEdit *>(w)) {
            e->clear();
            QTest::keyClick(e, Qt::Key_Home);
        }
        digita(w, texto);
    }
    // A new company typed into the edit tab (legal unless `fisica`), not yet saved.
    static void preenche(TfEmpresas &j, const QString &nome, const QString &documento, bool fisica = false)
    {
        if (fisica) j.Edicao->RadioFisica->click();
        entra(j.Edicao->EditNome, nome);
        entra(j.Edicao->EditCPF, documento);
        j.Edicao->EditRG->setFocus();
    }
    static QStringList nomesListados(TfEmpresas &j)
    {
        QStringList r;
        for (int i = 0; i < j.principal().recordCount(); ++i) r.append(j.principal().valor(i, QStringLiteral("EM_NOME")).toString());
        return r;
    }
    QString arquivo(const QString &nome) const { return QDir(inst->pasta()).filePath(nome); }
    static QByteArray conteudo(const QString &caminho)
    {
        QFile f(caminho);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
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
        plataforma = std::make_unique<PlataformaGravadora>();
    }
    void cleanup()
    {
        plataforma.reset();
        relogio.reset();
        msg.reset();
        dm.reset();
        inst.reset();
    }

    void codigoZeroNuncaListadoMasContado()
    {
        empresa(0, QStringLiteral("ZERO"));
        empresa(1, QStringLiteral("PADARIA"));
        auto j = abre();
        QCOMPARE(j->windowTitle(), QStringLiteral(" Cadastro de Empresas (Credores)"));
        QCOMPARE(nomesListados(*j), QStringList{QStringLiteral("PADARIA")});
        QCOMPARE(j->LabelRegistros->text(), QStringLiteral("Exibindo 1 de 2 registros"));
        QTest::keyClick(j.get(), Qt::Key_F5);
        QVERIFY(j->pesquisaVisivel());
        entra(j->Pesquisa->PesqEditRazao, QStringLiteral("ZERO"));
        msg->espera(QStringLiteral("Nenhum registro encontrado !"));
        j->Pesquisa->PesqButBuscar->click();
        entra(j->Pesquisa->PesqEditRazao, QString());
        entra(j->Pesquisa->PesqEditCodigo, QStringLiteral("0"));
        msg->espera(QStringLiteral("Nenhum registro encontrado !"));
        j->Pesquisa->PesqButBuscar->click();
        QCOMPARE(j->LabelRegistros->text(), QStringLiteral("Exibindo 0 de 2 registros"));

        // Only code 0 left: the count still holds it, so closing asks nothing.
        executa(QStringLiteral("DELETE FROM EMPRESAS WHERE EM_CODIGO=1"));
        QVERIFY(j->close());
        verificaMensagens();
    }

    void fechamentoSemCredores()
    {
        auto j = abre();
        QCOMPARE(j->LabelRegistros->text(), QStringLiteral("Exibindo 0 de 0 registros"));
        msg->espera(QStringLiteral("Não há credores cadastrados. Deseja realmente sair?"), BotaoNao);
        QVERIFY(!j->close());
        QVERIFY(j->isVisible());
        msg->espera(QStringLiteral("Não há credores cadastrados. Deseja realmente sair?"), BotaoSim);
        QVERIFY(j->close());
        verificaMensagens();
    }

    void padroesDeEmpresaNova_data()
    {
        QTest::addColumn<bool>("bitmapPadrao");
        QTest::addColumn<int>("estadoPadrao");
        QTest::addColumn<QString>("uf");
        QTest::newRow("BRELO.BMP e estado das configurações") << true << 19 << QStringLiteral("RJ");
        QTest::newRow("sem BRELO.BMP nem estado") << false << 0 << QStringLiteral("AC");
    }
    void padroesDeEmpresaNova()
    {
        QFETCH(bool, bitmapPadrao);
        QFETCH(int, estadoPadrao);
        QFETCH(QString, uf);
        if (estadoPadrao) defineEstadoPadrao(estadoPadrao);
        if (bitmapPadrao) QVERIFY(quadro(8, 8).save(arquivo(QStringLiteral("BRELO.BMP")), "BMP"));
        auto j = abre();
        QTest::keyClick(j.get(), Qt::Key_F2);
        QCOMPARE(j->windowTitle(), QStringLiteral(" Cadastro de Empresas (Incluindo...)"));
        QVERIFY(j->Edicao->RadioJuridica->isChecked());
        QCOMPARE(j->Edicao->LabelNome->text(), QStringLiteral("Razão Social"));
        QVERIFY(j->Edicao->EditFantasia->isVisible());
        QCOMPARE(j->Edicao->EditDataCad->data(), QDate(2026, 3, 15));
        QCOMPARE(j->Edicao->Endereco->uf(), uf);
        QCOMPARE(j->principal()[QStringLiteral("EM_TIPO_PESSOA")].asString(), QStringLiteral("J"));
        QVERIFY(j->principal()[QStringLiteral("EM_NOME_IMAGEM")].isNull());
        QCOMPARE(j->principal()[QStringLiteral("EM_LOGO")].asBytes(),
                 bitmapPadrao ? conteudo(arquivo(QStringLiteral("BRELO.BMP"))) : QByteArray());
        QVERIFY(!j->Edicao->ImagemLogo->isVisible());
        QVERIFY(QApplication::focusWidget() == j->Edicao->EditNome);

        preenche(*j, QStringLiteral("PADARIA"), CNPJ);
        j->Edicao->Endereco->defineUf(QStringLiteral("SP"));
        QTest::keyClick(j.get(), Qt::Key_F6);
        QCOMPARE(j->modo(), int(JanelaCadastro::Normal)); // no question for another record
        QCOMPARE(conta(QStringLiteral("SELECT COUNT(*) FROM EMPRESAS WHERE EM_TIPO_PESSOA='J' AND EM_DT_CAD='2026-03-15' "
                                      "AND EM_DT_ATUAL='2026-03-15' AND EM_NOME_IMAGEM IS NULL")), 1);
        QCOMPARE(valor(QStringLiteral("SELECT EM_LOGO FROM EMPRESAS")).toByteArray(),
                 bitmapPadrao ? conteudo(arquivo(QStringLiteral("BRELO.BMP"))) : QByteArray());
        QCOMPARE(j->LabelRegistros->text(), QStringLiteral("Exibindo 1 de 1 registros"));
        verificaMensagens();
    }

    void verificacoesAoGravar_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("fantasia");
        QTest::addColumn<QString>("documento");
        QTest::addColumn<bool>("fisica");
        QTest::addColumn<QString>("mensagem");
        QTest::addColumn<QString>("foco");
        QTest::newRow("MINHA EMPRESA") << "MINHA EMPRESA" << "PAO QUENTE" << CNPJ << false
                                       << "É necessário informar o nome / razão social !" << "EditNome";
        QTest::newRow("nome vazio") << "" << "PAO QUENTE" << CNPJ << false << "É necessário informar o nome / razão social !"
                                    << "EditNome";
        QTest::newRow("MINHA EMPRESA FANTASIA") << "PADARIA" << "MINHA EMPRESA FANTASIA" << CNPJ << false
                                                << "É necessário informar o nome fantasia correto !" << "EditFantasia";
        QTest::newRow("sem CNPJ") << "PADARIA" << "" << "" << false << "É necessário informar o CPF / CNPJ !" << "EditCPF";
        QTest::newRow("sem CPF") << "JOSE" << "" << "" << true << "É necessário informar o CPF / CNPJ !" << "EditCPF";
        QTest::newRow("fantasia vazia aceita") << "PADARIA" << "" << CNPJ << false << "" << "";
        QTest::newRow("pessoa física com fantasia oculta") << "JOSE" << "MINHA EMPRESA FANTASIA" << CPF << true << "" << "";
    }
    void verificacoesAoGravar()
    {
        QFETCH(QString, nome);
        QFETCH(QString, fantasia);
        QFETCH(QString, documento);
        QFETCH(bool, fisica);
        QFETCH(QString, mensagem);
        QFETCH(QString, foco);
        defineEstadoPadrao(26);
        auto j = abre();
        j->ButNovo->click();
        entra(j->Edicao->EditFantasia, fantasia); // typed while the box is shown
        preenche(*j, nome, documento, fisica);
        QCOMPARE(j->Edicao->EditFantasia->isVisible(), !fisica);
        if (!mensagem.isEmpty()) msg->espera(mensagem);
        j->ButGravar->click();
        verificaMensagens();
        if (!mensagem.isEmpty()) {
            QCOMPARE(j->modo(), int(JanelaCadastro::Inserindo));
            QCOMPARE(QApplication::focusWidget()->objectName(), foco);
            QCOMPARE(conta(QStringLiteral("SELECT COUNT(*) FROM EMPRESAS")), 0);
            return;
        }
        QCOMPARE(j->modo(), int(JanelaCadastro::Normal));
        QCOMPARE(valor(QStringLiteral("SELECT EM_TIPO_PESSOA FROM EMPRESAS")).toString(),
                 fisica ? QStringLiteral("F") : QStringLiteral("J"));
        QCOMPARE(valor(QStringLiteral("SELECT EM_FANTASIA FROM EMPRESAS")).toString(), fisica ? nome : fantasia);
        QCOMPARE(valor(QStringLiteral("SELECT EM_CPF_CNPJ FROM EMPRESAS")).toString(), documento);
    }

    void cnpjInvalidoAoSairDaCaixa()
    {
        auto j = abre();
        j->ButNovo->click();
        entra(j->Edicao->EditCPF, QStringLiteral("11222333000182"));
        msg->espera(QStringLiteral("O CNPJ digitado é inválido!"));
        j->Edicao->EditRG->setFocus();
        QVERIFY(QApplication::focusWidget() == j->Edicao->EditCPF);
        verificaMensagens();
    }

    void pesquisaPorNomeFantasiaERazaoSocial()
    {
        defineEstadoPadrao(26);
        empresa(1, QStringLiteral("ALFA COMERCIO LTDA"), QStringLiteral("EM_DT_CAD"), QStringLiteral("'2026-01-10'"));
        executa(QStringLiteral("UPDATE EMPRESAS SET EM_FANTASIA='PADARIA CENTRAL' WHERE EM_CODIGO=1"));
        auto j = abre();
        j->ButNovo->click();
        preenche(*j, QStringLiteral("JOSE PADARIA"), CPF, true);
        j->ButGravar->click();
        QCOMPARE(j->LabelRegistros->text(), QStringLiteral("Exibindo 2 de 2 registros"));

        const QList<std::tuple<QLineEdit *, QString, QStringList>> casos{
            {j->Pesquisa->PesqEditNome, QStringLiteral("PADARIA"), {QStringLiteral("ALFA COMERCIO LTDA"), QStringLiteral("JOSE PADARIA")}},
            {j->Pesquisa->PesqEditNome, QStringLiteral("ALFA"), {}},
            {j->Pesquisa->PesqEditNome, QStringLiteral("JOSE"), {QStringLiteral("JOSE PADARIA")}},
            {j->Pesquisa->PesqEditRazao, QStringLiteral("ALFA"), {QStringLiteral("ALFA COMERCIO LTDA")}},
            {j->Pesquisa->PesqEditRazao, QStringLiteral("CENTRAL"), {}},
            {j->Pesquisa->PesqEditRazao, QStringLiteral("D'AGUA"), {}}, // a quote stays text
        };
        j->ButPesquisar->click();
        for (const auto &[caixa, texto, esperados] : casos) {
            j->LimpaPesquisa();
            entra(caixa, texto);
            if (esperados.isEmpty()) msg->espera(QStringLiteral("Nenhum registro encontrado !"));
            j->Pesquisa->PesqButBuscar->click();
            QCOMPARE(nomesListados(*j), esperados);
        }
        j->LimpaPesquisa();
        entra(j->Pesquisa->PesqEditDataCad1, QStringLiteral("01012026"));
        entra(j->Pesquisa->PesqEditDataCad2, QStringLiteral("31012026"));
        j->Pesquisa->PesqButBuscar->click();
        QCOMPARE(nomesListados(*j), QStringList{QStringLiteral("ALFA COMERCIO LTDA")});
        entra(j->Pesquisa->PesqEditDataCad2, QString());
        j->Pesquisa->PesqEditDataCad2->clear();
        msg->espera(QStringLiteral("É preciso informar a segunda data!"));
        j->Pesquisa->PesqButBuscar->click();
        QCOMPARE(nomesListados(*j), QStringList{QStringLiteral("ALFA COMERCIO LTDA")}); // the list stays
        verificaMensagens();
    }

    void nomeRepetidoRecusadoCNPJRepetidoAceito()
    {
        defineEstadoPadrao(26);
        empresa(1, QStringLiteral("PADARIA"));
        auto j = abre();
        j->ButNovo->click();
        preenche(*j, QStringLiteral("PADARIA"), QStringLiteral("11444777000161"));
        msg->espera(QStringLiteral("Já existe uma empresa com este nome !"));
        j->ButGravar->click();
        QCOMPARE(j->modo(), int(JanelaCadastro::Inserindo));
        entra(j->Edicao->EditNome, QStringLiteral("PADARIA FILIAL"));
        entra(j->Edicao->EditCPF, CNPJ); // the same CNPJ as PADARIA
        j->ButGravar->click();
        QCOMPARE(conta(QStringLiteral("SELECT COUNT(*) FROM EMPRESAS WHERE EM_CPF_CNPJ='%1'").arg(CNPJ)), 2);
        // Altering keeps its own name.
        QVERIFY(j->principal().locate(QStringLiteral("EM_CODIGO"), 1));
        j->ButAltera->click();
        QCOMPARE(j->windowTitle(), QStringLiteral(" Cadastro de Empresas (Alterando...)"));
        j->ButGravar->click();
        QCOMPARE(j->modo(), int(JanelaCadastro::Normal));
        verificaMensagens();
    }

    void estadoPadraoGravadoUmaVez()
    {
        auto j = abre();
        QCOMPARE(j->Edicao->Endereco->uf(), QStringLiteral("AC")); // no default: the first visible state
        j->ButNovo->click();
        preenche(*j, QStringLiteral("PADARIA"), CNPJ);
        j->Edicao->Endereco->defineUf(QStringLiteral("XX"));
        msg->espera(QStringLiteral("É necessário informar o seu estado (UF)!"));
        j->ButGravar->click();
        QVERIFY(QApplication::focusWidget() == j->Edicao->Endereco->ComboEstado
                || QApplication::focusWidget() == j->Edicao->Endereco->ComboEstado->lineEdit());
        QVERIFY(valor(QStringLiteral("SELECT CF_UF_PADRAO FROM CONFIGS")).isNull());
        j->Edicao->Endereco->defineUf(QStringLiteral("SP"));
        j->ButGravar->click();
        QCOMPARE(conta(QStringLiteral("SELECT CF_UF_PADRAO FROM CONFIGS")), 26);
        QCOMPARE(dm->QryConfigs.valor(0, QStringLiteral("CF_UF_PADRAO")).toInt(), 26);

        j->ButNovo->click();
        QCOMPARE(j->Edicao->Endereco->uf(), QStringLiteral("SP"));
        preenche(*j, QStringLiteral("MERCADO"), CNPJ);
        j->Edicao->Endereco->defineUf(QStringLiteral("RJ"));
        j->ButGravar->click();
        QCOMPARE(conta(QStringLiteral("SELECT COUNT(*) FROM EMPRESAS")), 2);
        QCOMPARE(conta(QStringLiteral("SELECT CF_UF_PADRAO FROM CONFIGS")), 26);
        verificaMensagens();
    }

    void enderecoCompleto_data()
    {
        QTest::addColumn<bool>("completo");
        QTest::addColumn<QString>("esperado");
        QTest::newRow("só a cidade") << false << QStringLiteral(",  -  -  - CAMPINAS/SP");
        QTest::newRow("rua, número, bairro e cidade") << true << QStringLiteral("RUA A, 10 -  - CENTRO - CAMPINAS/SP");
    }
    void enderecoCompleto()
    {
        QFETCH(bool, completo);
        QFETCH(QString, esperado);
        defineEstadoPadrao(26);
        executa(QStringLiteral("INSERT INTO CIDADES (CD_CODIGO, CD_NOME, CD_UF, CD_EXIBIR) VALUES (1, 'CAMPINAS', 'SP', 'T')"));
        executa(QStringLiteral("INSERT INTO BAIRROS (BR_CODIGO, BR_NOME, BR_COD_CIDADE, BR_EXIBIR) VALUES (1, 'CENTRO', 1, 'T')"));
        executa(QStringLiteral("INSERT INTO LOGRADOUROS (LG_CODIGO, LG_NOME, LG_COD_CIDADE, LG_EXIBIR) VALUES (1, 'RUA A', 1, 'T')"));
        auto j = abre();
        j->ButNovo->click();
        preenche(*j, QStringLiteral("PADARIA"), CNPJ);
        SeletoresEndereco *e = j->Edicao->Endereco;
        e->Cidade->mostra(1, QStringLiteral("CAMPINAS"));
        if (completo) {
            e->Bairro->mostra(1, QStringLiteral("CENTRO"));
            e->Logradouro->mostra(1, QStringLiteral("RUA A"));
            entra(j->Edicao->EditNumero, QStringLiteral("10"));
        }
        entra(j->Edicao->EditCEP, QStringLiteral("13010000"));
        j->ButGravar->click();
        QCOMPARE(valor(QStringLiteral("SELECT EM_ENDERECO_COMPLETO2 FROM EMPRESAS")).toString(), esperado);
        QCOMPARE(valor(QStringLiteral("SELECT EM_CEP FROM EMPRESAS")).toString(), QStringLiteral("13010000"));
        QCOMPARE(conta(QStringLiteral("SELECT EM_COD_CIDADE FROM EMPRESAS")), 1);
        QCOMPARE(valor(QStringLiteral("SELECT EM_COD_BAIRRO FROM EMPRESAS")).isNull(), !completo);
        QCOMPARE(j->Detalhes->DetCidade->text(), QStringLiteral("CAMPINAS"));
        QCOMPARE(j->Detalhes->DetEstado->text(), QStringLiteral("SP"));

        // "Endereço" searches the street's name.
        j->ButPesquisar->click();
        entra(j->Pesquisa->PesqEditEndereco, QStringLiteral("RUA A"));
        if (!completo) msg->espera(QStringLiteral("Nenhum registro encontrado !"));
        j->Pesquisa->PesqButBuscar->click();
        QCOMPARE(j->principal().recordCount(), completo ? 1 : 0);
        j->LimpaPesquisa();
        j->ButPesquisar->click();

        // Altering shows the stored city and its state.
        j->ButAltera->click();
        QCOMPARE(e->Cidade->Edit->text(), QStringLiteral("CAMPINAS"));
        QCOMPARE(e->uf(), QStringLiteral("SP"));
        j->ButCancelar->click();
        verificaMensagens();
    }

    void arquivosDoLogotipo_data()
    {
        QTest::addColumn<int>("codigo");
        QTest::addColumn<QString>("formato");
        QTest::addColumn<QString>("nome");
        QTest::newRow("código 7, JPEG") << 7 << QStringLiteral("JPG") << QStringLiteral("E000007");
        QTest::newRow("código de sete dígitos") << 1234567 << QStringLiteral("JPG") << QStringLiteral("E1234567");
        QTest::newRow("bitmap escolhido no diálogo") << 7 << QStringLiteral("BMP") << QStringLiteral("E000007");
    }
    void arquivosDoLogotipo()
    {
        QFETCH(int, codigo);
        QFETCH(QString, formato);
        QFETCH(QString, nome);
        defineEstadoPadrao(26);
        empresa(codigo, QStringLiteral("PADARIA"));
        QTemporaryDir origem;
        const QString figura = origem.filePath(QStringLiteral("logo.") + formato.toLower());
        QVERIFY(quadro(60, 30).save(figura, qPrintable(formato)));
        plataforma->respostasDialogos = {figura};
        auto j = abre();
        j->ButAltera->click();
        j->Edicao->ButLogotipo->click();
        QCOMPARE(plataforma->chamadasDe(QStringLiteral("escolheArquivoAbrir")),
                 QStringList{QStringLiteral("escolheArquivoAbrir  |  | Arquivos JPG|*.jpg|Arquivos BMP|*.bmp")});
        const QString jpg = arquivo(nome + QStringLiteral(".JPG")), bmp = arquivo(nome + QStringLiteral(".BMP"));
        QCOMPARE(QImage(jpg).size(), QSize(190, 190));
        QCOMPARE(QImage(bmp).size(), QSize(100, 100));
        QCOMPARE(QImage(bmp).pixelColor(50, 5), QColor(Qt::white)); // fitted on white
        QVERIFY(!QFile::exists(arquivo(QStringLiteral("Tmp.JPG"))));
        QVERIFY(j->Edicao->ImagemLogo->isVisible());
        QVERIFY(valor(QStringLiteral("SELECT EM_NOME_IMAGEM FROM EMPRESAS")).isNull()); // stored by the save only
        j->ButGravar->click();
        QCOMPARE(valor(QStringLiteral("SELECT EM_NOME_IMAGEM FROM EMPRESAS")).toString(), nome + QStringLiteral(".JPG"));
        QCOMPARE(valor(QStringLiteral("SELECT EM_LOGO FROM EMPRESAS")).toByteArray(), conteudo(bmp));
        QVERIFY(j->Detalhes->ImagemLogoDet->isVisible());
        verificaMensagens();
    }

    void logotipoIlegivelNaoMudaNada_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("arquivo danificado") << QByteArray("\xFF\xD8\xFF\xE0 danificado", 15);
        QTest::newRow("arquivo vazio") << QByteArray();
        QTest::newRow("texto com extensão bmp") << QByteArray("isto não é uma imagem");
    }
    void logotipoIlegivelNaoMudaNada()
    {
        QFETCH(QByteArray, bytes);
        QVERIFY(quadro(190, 190).save(arquivo(QStringLiteral("E000007.JPG")), "JPG"));
        QVERIFY(quadro(100, 100).save(arquivo(QStringLiteral("E000007.BMP")), "BMP"));
        const QByteArray jpg = conteudo(arquivo(QStringLiteral("E000007.JPG"))), bmp = conteudo(arquivo(QStringLiteral("E000007.BMP")));
        empresa(7, QStringLiteral("PADARIA"), QStringLiteral("EM_NOME_IMAGEM"), QStringLiteral("'E000007.JPG'"));
        QTemporaryDir origem;
        QFile f(origem.filePath(QStringLiteral("logo.bmp")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        f.close();
        plataforma->respostasDialogos = {f.fileName()};
        auto j = abre();
        j->ButAltera->click();
        msg->espera(QStringLiteral("JPEG"));
        j->Edicao->ButLogotipo->click();
        QCOMPARE(msg->registradas.last().icone, Icone::Erro);
        QCOMPARE(j->principal()[QStringLiteral("EM_NOME_IMAGEM")].asString(), QStringLiteral("E000007.JPG"));
        QCOMPARE(conteudo(arquivo(QStringLiteral("E000007.JPG"))), jpg);
        QCOMPARE(conteudo(arquivo(QStringLiteral("E000007.BMP"))), bmp);
        QVERIFY(!QFile::exists(arquivo(QStringLiteral("Tmp.JPG"))));
        QVERIFY(j->Edicao->ImagemLogo->isVisible());
        verificaMensagens();
    }

    void excluirLogotipoECancelar()
    {
        defineEstadoPadrao(26);
        QVERIFY(quadro(190, 190).save(arquivo(QStringLiteral("E000007.JPG")), "JPG"));
        empresa(7, QStringLiteral("PADARIA"), QStringLiteral("EM_NOME_IMAGEM, EM_LOGO"), QStringLiteral("'E000007.JPG', x'424D'"));
        auto j = abre();
        QVERIFY(j->Detalhes->ImagemLogoDet->isVisible());
        for (bool grava : {false, true}) {
            j->ButAltera->click();
            msg->espera(QStringLiteral("Logotipo excluído do cadastro!"));
            emit j->Edicao->LabelExcluirLogotipo->linkActivated(QStringLiteral("#"));
            QVERIFY(!j->Edicao->ImagemLogo->isVisible());
            (grava ? j->ButGravar : j->ButCancelar)->click();
            QCOMPARE(valor(QStringLiteral("SELECT EM_NOME_IMAGEM FROM EMPRESAS")).isNull(), grava);
            QCOMPARE(valor(QStringLiteral("SELECT EM_LOGO FROM EMPRESAS")).toByteArray(), grava ? QByteArray() : QByteArray("BM"));
            QCOMPARE(j->Detalhes->ImagemLogoDet->isVisible(), !grava);
        }
        QVERIFY(QFile::exists(arquivo(QStringLiteral("E000007.JPG")))); // the files stay
        verificaMensagens();
    }

    void exclusaoDeCredorRecusada()
    {
        empresa(1, QStringLiteral("CREDORA"));
        empresa(2, QStringLiteral("SEM NOTAS"));
        executa(QStringLiteral("INSERT INTO CADASTROS (CG_CODIGO, CG_NOME, CG_ESPECIE) VALUES (1, 'EMITENTE', 'C')"));
        executa(QStringLiteral("INSERT INTO NOTAPROMISSORIA (NP_CODIGO, NP_COD_EMITENTE, NP_COD_CREDOR, NP_DT_VENCIMENTO, NP_VALOR, "
                               "NP_SALDO_DEVEDOR, NP_STATUS) VALUES (1, 1, 1, '2026-03-01', 100, 100, 'N')"));
        auto j = abre();
        QVERIFY(j->principal().locate(QStringLiteral("EM_CODIGO"), 1));
        msg->espera(QStringLiteral("EXCLUIR"), BotaoSim);
        msg->espera(QStringLiteral("Não é possível excluir. Existem vínculos para esta tabela !"));
        QTest::keyClick(j->Grid1, Qt::Key_Delete);
        QCOMPARE(conta(QStringLiteral("SELECT COUNT(*) FROM EMPRESAS WHERE EM_CODIGO=1")), 1);
        QVERIFY(nomesListados(*j).contains(QStringLiteral("CREDORA")));

        QVERIFY(j->principal().locate(QStringLiteral("EM_CODIGO"), 2));
        msg->espera(QString(), BotaoSim);
        j->ButExclui->click();
        QCOMPARE(conta(QStringLiteral("SELECT COUNT(*) FROM EMPRESAS WHERE EM_CODIGO=2")), 0);
        QCOMPARE(j->LabelRegistros->text(), QStringLiteral("Exibindo 1 de 1 registros"));
        verificaMensagens();
    }

    // A save that meets another station's uncommitted change fails at once with the database's
    // message: the window stays altering with what was typed, and nothing of a finished save
    // (logo refresh, shared lists) happens.
    void gravacaoRecusadaFicaEmEdicao()
    {
        empresa(1, QStringLiteral("CREDORA"));
        PrincipalSubstituta principal;
        auto j = abre();
        QVERIFY(j->principal().locate(QStringLiteral("EM_CODIGO"), 1));
        j->ButAltera->click();
        entra(j->Edicao->EditNome, QStringLiteral("CREDORA NOVA"));
        j->Edicao->Endereco->defineUf(QStringLiteral("SP"));
        BancoDados outra;
        outra.nome = inst->banco();
        outra.conecta();
        Transacao trOutra(outra);
        Query alteracao(outra, trOutra);
        alteracao.sql.defineTexto(QStringLiteral("UPDATE EMPRESAS SET EM_FONE1='1' WHERE EM_CODIGO=1"));
        alteracao.execSQL();
        msg->espera(QStringLiteral("concurrent update"));
        j->ButGravar->click();
        QCOMPARE(principal.logotipos, 0);
        QCOMPARE(j->modo(), JanelaCadastro::Alterando);
        QVERIFY(j->principal().editando());
        QCOMPARE(j->Edicao->EditNome->text(), QStringLiteral("CREDORA NOVA"));
        trOutra.rollback();
        QCOMPARE(valor(QStringLiteral("SELECT EM_NOME FROM EMPRESAS WHERE EM_CODIGO=1")).toString(), QStringLiteral("CREDORA"));
        verificaMensagens();
    }

    void gravacaoEntregaCredorAJanelaDeNotas_data()
    {
        QTest::addColumn<bool>("notasEditando");
        QTest::newRow("nota em edição") << true;
        QTest::newRow("notas aberta sem edição") << false;
    }
    void gravacaoEntregaCredorAJanelaDeNotas()
    {
        QFETCH(bool, notasEditando);
        defineEstadoPadrao(26);
        NotasSubstituta notas;
        notas.editando = notasEditando;
        PrincipalSubstituta principal;
        auto j = abre();
        j->ButNovo->click();
        preenche(*j, QStringLiteral("PADARIA"), CNPJ);
        j->ButGravar->click();
        const int codigo = conta(QStringLiteral("SELECT EM_CODIGO FROM EMPRESAS"));
        QVERIFY(codigo > 0);
        QCOMPARE(principal.logotipos, 1);
        QCOMPARE(notas.credores, notasEditando ? QList<int>{codigo} : QList<int>{});
        QCOMPARE(j->isVisible(), !notasEditando);
        QCOMPARE(j->modo(), int(JanelaCadastro::Normal));
        QCOMPARE(dm->LookupEmpresasNP.valor(dm->LookupEmpresasNP.recNo(), QStringLiteral("EM_CODIGO")).toInt(), codigo);
        verificaMensagens();
    }

    void cliqueNoLogotipoAlteraEmpresaLogada()
    {
        empresa(1, QStringLiteral("ALFA"));
        empresa(2, QStringLiteral("BETA"));
        auto j = abre();
        QCOMPARE(j->principal()[QStringLiteral("EM_CODIGO")].asInteger(), 1);
        j->alteraRegistro(2);
        QCOMPARE(j->modo(), int(JanelaCadastro::Alterando));
        QCOMPARE(j->Edicao->EditNome->text(), QStringLiteral("BETA"));
        j->ButCancelar->click();
        j->alteraRegistro(99); // not listed: nothing happens
        QCOMPARE(j->modo(), int(JanelaCadastro::Normal));
        verificaMensagens();
    }

    void usuarioRestrito_data()
    {
        QTest::addColumn<QString>("localidades");
        QTest::newRow("vê localidades") << QStringLiteral("'T'");
        QTest::newRow("não vê localidades") << QStringLiteral("NULL");
    }
    void usuarioRestrito()
    {
        QFETCH(QString, localidades);
        defineEstadoPadrao(26);
        executa(QStringLiteral("INSERT INTO USUARIOSPERMISSOES (PUS_CODIGO, PUS_USUARIO, PUS_LOGIN, PUS_EMPRESAS_V, PUS_EMPRESAS_E, "
                               "PUS_EMPRESAS_X, PUS_EMPRESAS_R, PUS_LOCALIDADES_V) VALUES (5, 'T', 'ANA', 'T', 'T', 'F', NULL, %1)")
                    .arg(localidades));
        dm->NomeUsuarioLogado = QStringLiteral("ANA");
        dm->CodUsuarioLogado = 5;
        dm->QryLiberaPermissoes.defineParametro(QStringLiteral("CODIGO"), 5);
        dm->QryLiberaPermissoes.open();
        PrincipalSubstituta principal;
        auto j = abre();
        QVERIFY(j->ButNovo->isEnabled());
        QVERIFY(!j->ButExclui->isEnabled());
        QVERIFY(!j->ButRelatorios->isEnabled());
        QTest::keyClick(j.get(), Qt::Key_F2);
        preenche(*j, QStringLiteral("PADARIA"), CNPJ);
        QTest::keyClick(j.get(), Qt::Key_F6);
        QCOMPARE(j->modo(), int(JanelaCadastro::Normal));
        QVERIFY(!j->ButExclui->isEnabled());
        QTest::keyClick(j->Grid1, Qt::Key_Delete); // Del obeys the button
        QCOMPARE(conta(QStringLiteral("SELECT COUNT(*) FROM EMPRESAS")), 1);

        QStringList itens;
        for (QAction *a : j->MenuOpcoes->actions()) {
            itens.append(a->text());
            a->trigger();
        }
        QCOMPARE(itens, (QStringList{QStringLiteral("Cidades"), QStringLiteral("Bairros"), QStringLiteral("Logradouros")}));
        QCOMPARE(principal.abertas, localidades == QLatin1String("'T'")
                                        ? (QStringList{QStringLiteral("CIDADES"), QStringLiteral("BAIRROS"), QStringLiteral("LOGRADOUROS")})
                                        : QStringList());
        verificaMensagens();
    }

    void relacaoDeEmpresas()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) QSKIP("pdftotext is not installed");
        QTemporaryDir saida;
        qputenv("PRONTANOTA_RELATORIOS_PDF", QFile::encodeName(saida.path()));
        DadosImpressao impressao(dm.get());
        empresa(0, QStringLiteral("OCULTA"));
        empresa(1, QStringLiteral("PADARIA"), QStringLiteral("EM_FONE1"), QStringLiteral("'19932221111'"));
        auto j = abre();
        j->imprimeLista();
        qunsetenv("PRONTANOTA_RELATORIOS_PDF");
        const QString pdf = QDir(saida.path()).filePath(QStringLiteral("RelacaoEmpresas.pdf"));
        QVERIFY2(QFile::exists(pdf), qPrintable(msg->textos().join(QStringLiteral(" / "))));
        QProcess p;
        p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        QVERIFY(p.waitForFinished());
        const QString texto = QString::fromUtf8(p.readAllStandardOutput());
        for (const char *trecho : {"Relação de Empresas (Credores)", "PADARIA", "11.222.333/0001-81", "(19)9322-21111",
                                   "Exibindo", "Total de registros: 1"})
            QVERIFY2(texto.contains(QString::fromUtf8(trecho)), qPrintable(texto));
        QVERIFY(!texto.contains(QStringLiteral("OCULTA")));
        verificaMensagens();
    }
};

PN_TESTE_JANELAS(TstEmpresas)
#include "test_empresas.moc"
