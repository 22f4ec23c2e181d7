// The persons register driven as a user does, on a real database, with scripted dialogs.

#include "TesteJanelas.h"
#include "ContatosCliente.h"
#include "Dados.h"
#include "Digitacao.h"
#include "DadosImpressao.h"
#include "DataEdit.h"
#include "InstalacaoTeste.h"
#include "MaskEdit.h"
#include "MensagensRoteiro.h"
#include "OpcoesClientes.h"
#include "PainelDetalhesCliente.h"
#include "PainelEdicaoCliente.h"
#include "PainelPesquisaClientes.h"
#include "PlataformaGravadora.h"
#include "RelatoriosClientes.h"
#include "RelogioFixo.h"
#include "RetornoCadastro.h"
#include "SeletoresEndereco.h"
#include "TfCadastrosGerais.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The notes window as the persons register sees it.
class NotasSubstituta final : public JanelaNotasCadastro {
public:
    NotasSubstituta() { defineAberta(this); }
    ~NotasSubstituta() override { defineAberta(nullptr); }
    void recalculaLimite() override { ++limites; }
    void recebePessoa(int retorno, int codigo, const QString &nome) override { recebidas.append({retorno, codigo, nome}); }

    struct Recebida { int retorno; int codigo; QString nome; };
    QList<Recebida> recebidas;
    int limites = 0;
};

} // namespace

class TstPessoas : public QObject {
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
        return q.valor(0, 0);
    }
    int conta(const QString &sql) { return valor(sql).toInt(); }
    void executa(const QString &sql) { dm->DataBase.executa(sql); }

    void pessoa(int codigo, const QString &nome, const QString &extras = {}, const QString &valores = {})
    {
        executa(QStringLiteral("INSERT INTO CADASTROS (CG_CODIGO, CG_NOME, CG_ESPECIE, CG_TIPO_PESSOA, CG_EXIBIR%1) "
                               "VALUES (%2, '%3', 'C', 'F', 'T'%4)")
                    .arg(extras.isEmpty() ? QString() : QStringLiteral(", ") + extras)
                    .arg(codigo)
                    .arg(nome, valores.isEmpty() ? QString() : QStringLiteral(", ") + valores));
        executa(QStringLiteral("SET GENERATOR COD_CADASTROS TO %1").arg(codigo));
    }

    std::unique_ptr<TfCadastrosGerais> abre()
    {
        auto j = std::make_unique<TfCadastrosGerais>();
        j->setAttribute(Qt::WA_DeleteOnClose, false);
        j->show();
        j->activateWindow();
        [&] { QVERIFY(QTest::qWaitForWindowActive(j.get())); }();
        return j;
    }

    // Replaces the text of a box by typing.
    static void entra(QWidget *w, const QString &texto)
    {
        w->setFocus();
        if (auto *e = qobject_cast<QLineEdit *>(w)) {
            e->clear();
            QTest::keyClick(e, Qt::Key_Home);
        }
        digita(w, texto);
    }
    static void adicionaContato(TfCadastrosGerais &j, const QString &tipo, const QString &contato, const QString &obs = {})
    {
        j.Contatos->ComboTipoContato->setCurrentText(tipo);
        entra(j.Contatos->EditContato, contato);
        if (!obs.isEmpty()) entra(j.Contatos->EditObsContato, obs);
        j.Contatos->ButAdicionarContato->click();
    }
    static QStringList nomesListados(TfCadastrosGerais &j)
    {
        QStringList r;
        for (int i = 0; i < j.QryPesquisa.recordCount(); ++i) r.append(j.QryPesquisa.valor(i, QStringLiteral("CG_NOME")).toString());
        return r;
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

    void telefoneGravadoSemPontuacaoEAchadoPelosDigitos()
    {
        auto j = abre();
        QCOMPARE(j->windowTitle(), QStringLiteral(" Cadastro de Clientes"));
        QTest::keyClick(j.get(), Qt::Key_F2);
        QCOMPARE(j->windowTitle(), QStringLiteral(" Cadastro de Clientes (Incluindo...)"));
        entra(j->Edicao->EditNome, QStringLiteral("joão da silva"));
        QCOMPARE(j->Edicao->EditNome->text(), QStringLiteral("JOÃO DA SILVA"));
        j->Contatos->ComboTipoContato->setCurrentText(QStringLiteral("CELULAR"));
        QCOMPARE(j->Contatos->LabelContato->text(), QStringLiteral("Nº telefone"));
        adicionaContato(*j, QStringLiteral("CELULAR"), QStringLiteral("2799988-776"), QStringLiteral("pessoal"));
        adicionaContato(*j, QStringLiteral("EMAIL"), QStringLiteral("Joao@Exemplo.com"));
        QCOMPARE(j->Contatos->QryContatos.recordCount(), 2);
        QTest::keyClick(j.get(), Qt::Key_F6);
        QCOMPARE(j->modo(), int(JanelaCadastro::Normal));

        const int codigo = conta(QStringLiteral("SELECT CG_CODIGO FROM CADASTROS WHERE CG_NOME='JOÃO DA SILVA'"));
        QVERIFY(codigo > 0);
        QCOMPARE(conta(QStringLiteral("SELECT COUNT(*) FROM CADASTROS")), 1); // the contact's store is the same record
        QCOMPARE(valor(QStringLiteral("SELECT CGC_CONTATO FROM CADASTROSCONTATOS WHERE CGC_TIPO='CELULAR'")).toString(),
                 QStringLiteral("(27)99988-776"));
        QCOMPARE(conta(QStringLiteral("SELECT CGC_TIPO2 FROM CADASTROSCONTATOS WHERE CGC_TIPO='CELULAR'")), 1);
        QCOMPARE(valor(QStringLiteral("SELECT CG_CONTATOS FROM CADASTROS")).toString(),
                 QStringLiteral("2799988776 PESSOAL joao@exemplo.com  "));
        QCOMPARE(valor(QStringLiteral("SELECT CG_DT_ATUAL FROM CADASTROS")).toDate(), QDate(2026, 3, 15));
        QCOMPARE(valor(QStringLiteral("SELECT CG_DESCRICAO FROM CADASTROS")).toString(), QStringLiteral("JOÃO DA SILVA"));

        QTest::keyClick(j.get(), Qt::Key_F5);
        QVERIFY(j->pesquisaVisivel());
        entra(j->Pesquisa->PesqEditContato, QStringLiteral("99988776"));
        j->Pesquisa->PesqButBuscar->click();
        QCOMPARE(nomesListados(*j), QStringList{QStringLiteral("JOÃO DA SILVA")});
        msg->espera(QStringLiteral("Nenhum registro encontrado !"));
        entra(j->Pesquisa->PesqEditContato, QStringLiteral("(27)"));
        j->Pesquisa->PesqButBuscar->click();
        QCOMPARE(j->LabelRegistros->text(), QStringLiteral("Exibindo 0 de 1 registros"));
        verificaMensagens();
    }

    void nomeRepetidoRecusadoMesmoComOutroCPF_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("cpf");
        QTest::addColumn<bool>("aceito");
        QTest::newRow("mesmo nome, outro CPF") << QStringLiteral("MARIA SOUZA") << QStringLiteral("11144477735") << false;
        QTest::newRow("outro nome, mesmo CPF") << QStringLiteral("MARIA SOUSA") << QStringLiteral("52998224725") << true;
    }
    void nomeRepetidoRecusadoMesmoComOutroCPF()
    {
        QFETCH(QString, nome);
        QFETCH(QString, cpf);
        QFETCH(bool, aceito);
        pessoa(1, QStringLiteral("MARIA SOUZA"), QStringLiteral("CG_CPF_CNPJ"), QStringLiteral("'52998224725'"));
        auto j = abre();
        QTest::keyClick(j.get(), Qt::Key_F2);
        entra(j->Edicao->EditNome, nome);
        entra(j->Edicao->EditCPF, cpf);
        if (!aceito) msg->espera(QStringLiteral("Já existe um contato com este nome !"));
        QTest::keyClick(j.get(), Qt::Key_F6);
        QCOMPARE(j->modo(), int(aceito ? JanelaCadastro::Normal : JanelaCadastro::Inserindo));
        QCOMPARE(conta(QStringLiteral("SELECT COUNT(*) FROM CADASTROS WHERE CG_CPF_CNPJ='%1'").arg(cpf)), aceito ? 2 : 0);
        if (!aceito) {
            QCOMPARE(QApplication::focusWidget(), j->Edicao->EditNome);
            QTest::keyClick(j.get(), Qt::Key_F7);
        }
        // altering the stored person without changing the name passes its own test
        j->QryPesquisa.locate(QStringLiteral("CG_CODIGO"), 1);
        QTest::keyClick(j.get(), Qt::Key_F3);
        QCOMPARE(j->Edicao->EditCPF->texto(), QStringLiteral("52998224725"));
        QTest::keyClick(j.get(), Qt::Key_F6);
        QCOMPARE(j->modo(), int(JanelaCadastro::Normal));
        verificaMensagens();
    }

    void contatoEmPessoaNovaDepoisCancelada()
    {
        auto j = abre();
        QTest::keyClick(j.get(), Qt::Key_F2);
        entra(j->Edicao->EditNome, QStringLiteral("TEMPORARIO"));
        adicionaContato(*j, QStringLiteral("FONE RESIDENCIAL"), QStringLiteral("2733334444"));
        QCOMPARE(conta(QStringLiteral("SELECT COUNT(*) FROM CADASTROS WHERE CG_NOME='TEMPORARIO'")), 1);
        QCOMPARE(conta(QStringLiteral("SELECT COUNT(*) FROM CADASTROSCONTATOS")), 1);
        QCOMPARE(j->modo(), int(JanelaCadastro::Inserindo));
        QTest::keyClick(j.get(), Qt::Key_F7);
        QCOMPARE(j->modo(), int(JanelaCadastro::Normal));
        QCOMPARE(conta(QStringLiteral("SELECT COUNT(*) FROM CADASTROS")), 0);
        QCOMPARE(conta(QStringLiteral("SELECT COUNT(*) FROM CADASTROSCONTATOS")), 0);
        QCOMPARE(j->LabelRegistros->text(), QStringLiteral("Exibindo 0 de 0 registros"));
        verificaMensagens();
    }

    void contatosDePessoaNovaSobrevivemAOrdenacao()
    {
        auto j = abre();
        QTest::keyClick(j.get(), Qt::Key_F2);
        entra(j->Edicao->EditNome, QStringLiteral("NOVA COM CONTATOS"));
        adicionaContato(*j, QStringLiteral("EMAIL"), QStringLiteral("nova@x.com"));
        adicionaContato(*j, QStringLiteral("CELULAR"), QStringLiteral("2799988-776"), QStringLiteral("pessoal"));
        QHeaderView *titulos = j->Contatos->GridContatos->horizontalHeader();
        QTest::mouseClick(titulos->viewport(), Qt::LeftButton, {},
                          QPoint(titulos->sectionViewportPosition(0) + titulos->sectionSize(0) / 2, titulos->height() / 2));
        QCOMPARE(j->Contatos->QryContatos.sql.linha(4), QStringLiteral("ORDER BY CGC_TIPO"));
        QCOMPARE(j->Contatos->GridContatos->model()->rowCount(), 2);
        QCOMPARE(j->Contatos->GridContatos->model()->index(0, 0).data().toString(), QStringLiteral("CELULAR"));
        QTest::keyClick(j.get(), Qt::Key_F6);
        QCOMPARE(j->modo(), int(JanelaCadastro::Normal));
        QCOMPARE(conta(QStringLiteral("SELECT COUNT(*) FROM CADASTROSCONTATOS C JOIN CADASTROS P ON P.CG_CODIGO=C.CGC_COD_CAD "
                                      "WHERE P.CG_NOME='NOVA COM CONTATOS'")), 2);
        QCOMPARE(valor(QStringLiteral("SELECT CG_CONTATOS FROM CADASTROS")).toString(),
                 QStringLiteral("2799988776 PESSOAL nova@x.com  "));
        verificaMensagens();
    }

    void cidadeDigitadaCadastradaNoSeletor()
    {
        executa(QStringLiteral("INSERT INTO CIDADES (CD_CODIGO, CD_NOME, CD_UF, CD_EXIBIR) VALUES (1, 'CAMPINAS', 'SP', 'T')"));
        executa(QStringLiteral("SET GENERATOR COD_CIDADES TO 1"));
        auto j = abre();
        QTest::keyClick(j.get(), Qt::Key_F2);
        entra(j->Edicao->EditNome, QStringLiteral("ANA"));
        SeletoresEndereco *e = j->Edicao->Endereco;
        e->defineUf(QStringLiteral("SP"));
        entra(e->Cidade->Edit, QStringLiteral("CAMP"));
        QVERIFY(e->Cidade->listaVisivel());
        QCOMPARE(e->Cidade->Qry.recNo(), 0); // the live search is on CAMPINAS, nothing chosen yet
        QCOMPARE(e->Cidade->codigo(), 0);
        QTest::keyClick(e->Cidade->Edit, Qt::Key_End);
        digita(e->Cidade->Edit, QStringLiteral("INAS DO NORTE"));
        msg->esperaAviso9(QStringLiteral("\"CAMPINAS DO NORTE\""), RespostaAviso9::Cadastrar);
        j->Edicao->EditNumero->setFocus();
        QCOMPARE(msg->registradas.last().texto, QStringLiteral("Cadastrar \"CAMPINAS DO NORTE\" | Utilizar \"CAMPINAS\""));
        const int nova = conta(QStringLiteral("SELECT CD_CODIGO FROM CIDADES WHERE CD_NOME='CAMPINAS DO NORTE' AND CD_UF='SP' "
                                              "AND CD_EXIBIR='T' AND CD_COD_ESTADO IS NULL"));
        QCOMPARE(nova, 2);
        QCOMPARE(e->Cidade->codigo(), nova);
        QCOMPARE(QApplication::focusWidget(), e->Bairro->Edit);
        QVERIFY(dm->LookupCidades.locate(QStringLiteral("CD_CODIGO"), nova));

        // a neighbourhood needs a chosen city; "Voltar" empties the box
        msg->esperaAviso9(QStringLiteral("\"CENTRO\""), RespostaAviso9::Voltar);
        entra(e->Bairro->Edit, QStringLiteral("CENTRO"));
        j->Edicao->EditNumero->setFocus();
        QCOMPARE(e->Bairro->Edit->text(), QString());
        QCOMPARE(QApplication::focusWidget(), e->Bairro->Edit);
        QTest::keyClick(j.get(), Qt::Key_F6);
        QCOMPARE(conta(QStringLiteral("SELECT CG_COD_CIDADE FROM CADASTROS WHERE CG_NOME='ANA'")), nova);
        QVERIFY(valor(QStringLiteral("SELECT CG_COD_BAIRRO FROM CADASTROS WHERE CG_NOME='ANA'")).isNull());

        // without a state the typed city is refused
        QTest::keyClick(j.get(), Qt::Key_F3);
        e->defineUf(QString());
        msg->espera(QStringLiteral("É necessário informar o estado!"));
        entra(e->Cidade->Edit, QStringLiteral("OUTRA"));
        j->Edicao->EditNumero->setFocus();
        QCOMPARE(QApplication::focusWidget(), e->ComboEstado);
        QCOMPARE(e->Cidade->Edit->text(), QString());
        QTest::keyClick(j.get(), Qt::Key_F7);
        QCOMPARE(conta(QStringLiteral("SELECT COUNT(*) FROM CIDADES")), 2);
        verificaMensagens();
    }

    void aniversariantesDeMarco()
    {
        pessoa(1, QStringLiteral("ANA MARÇO"), QStringLiteral("CG_DT_NASC"), QStringLiteral("'1980-03-31'"));
        pessoa(2, QStringLiteral("BIA MARÇO"), QStringLiteral("CG_DT_NASC"), QStringLiteral("'2001-03-01'"));
        pessoa(3, QStringLiteral("CAIO ABRIL"), QStringLiteral("CG_DT_NASC"), QStringLiteral("'1980-04-01'"));
        pessoa(4, QStringLiteral("DANI SEM DATA"));
        auto j = abre();
        QCOMPARE(j->LabelRegistros->text(), QStringLiteral("Exibindo 4 de 4 registros"));
        j->buscaAniversariantes(QStringLiteral("MARÇO"));
        QVERIFY(j->pesquisaVisivel());
        QCOMPARE(nomesListados(*j), (QStringList{QStringLiteral("ANA MARÇO"), QStringLiteral("BIA MARÇO")}));
        QCOMPARE(j->LabelRegistros->text(), QStringLiteral("Exibindo 2 de 4 registros"));
        digita(j->Pesquisa->PesqEditNome, QStringLiteral("bia"));
        j->Pesquisa->PesqButBuscar->click();
        QCOMPARE(nomesListados(*j), QStringList{QStringLiteral("BIA MARÇO")});
        j->Pesquisa->PesqLabelLimpar->linkActivated(QString());
        QCOMPARE(j->LabelRegistros->text(), QStringLiteral("Exibindo 4 de 4 registros"));
        verificaMensagens();
    }

    void datasDaPesquisa_data()
    {
        QTest::addColumn<QString>("de");
        QTest::addColumn<QString>("ate");
        QTest::addColumn<QString>("mensagem");
        QTest::addColumn<QStringList>("nomes");
        QTest::newRow("os dois dias do fim") << QStringLiteral("01012020") << QStringLiteral("31012020") << QString()
                                             << QStringList{QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("D")};
        QTest::newRow("só a segunda") << QString() << QStringLiteral("31012020")
                                      << QStringLiteral("É preciso informar a primeira data!") << QStringList();
        QTest::newRow("só a primeira") << QStringLiteral("01012020") << QString()
                                       << QStringLiteral("É preciso informar a segunda data!") << QStringList();
        QTest::newRow("data inválida") << QStringLiteral("31022020") << QStringLiteral("31032020")
                                       << QStringLiteral("Formato de Data Inválida !") << QStringList();
    }
    void datasDaPesquisa()
    {
        QFETCH(QString, de);
        QFETCH(QString, ate);
        QFETCH(QString, mensagem);
        QFETCH(QStringList, nomes);
        const QList<std::pair<const char *, const char *>> cadastros{
            {"A", "2019-12-31"}, {"B", "2020-01-01"}, {"C", "2020-01-15"}, {"D", "2020-01-31"}, {"E", "2020-02-01"}};
        int codigo = 0;
        for (const auto &[nome, data] : cadastros)
            pessoa(++codigo, QLatin1String(nome), QStringLiteral("CG_DT_CAD"), QStringLiteral("'%1'").arg(QLatin1String(data)));
        auto j = abre();
        j->ButPesquisarClick();
        if (!de.isEmpty()) entra(j->Pesquisa->PesqEditDataCad1, de);
        if (!ate.isEmpty()) entra(j->Pesquisa->PesqEditDataCad2, ate);
        if (!mensagem.isEmpty()) msg->espera(mensagem);
        j->Pesquisa->PesqButBuscar->click();
        if (mensagem.isEmpty()) {
            QCOMPARE(nomesListados(*j), nomes);
        } else {
            QCOMPARE(j->QryPesquisa.recordCount(), 5); // the search did not run
            if (mensagem.startsWith(QStringLiteral("Formato")))
                QCOMPARE(j->Pesquisa->PesqEditDataCad1->vazio(), true);
        }
        verificaMensagens();
    }

    void exclusaoDePessoa()
    {
        pessoa(1, QStringLiteral("EMITENTE"));
        pessoa(2, QStringLiteral("SEM NOTAS"));
        for (int p : {1, 2})
            for (int c : {1, 2})
                executa(QStringLiteral("INSERT INTO CADASTROSCONTATOS (CGC_CODIGO, CGC_COD_CAD, CGC_TIPO, CGC_CONTATO, CGC_TIPO2) "
                                       "VALUES (%1, %2, 'EMAIL', 'p%2c%3@x.com', 2)").arg(p * 10 + c).arg(p).arg(c));
        executa(QStringLiteral("INSERT INTO EMPRESAS (EM_CODIGO, EM_NOME) VALUES (1, 'LOJA')"));
        executa(QStringLiteral("INSERT INTO NOTAPROMISSORIA (NP_CODIGO, NP_COD_EMITENTE, NP_COD_CREDOR, NP_DT_VENCIMENTO, NP_VALOR, "
                               "NP_SALDO_DEVEDOR, NP_STATUS) VALUES (1, 1, 1, '2026-03-01', 100, 100, 'N')"));
        auto j = abre();
        QVERIFY(j->QryPesquisa.locate(QStringLiteral("CG_CODIGO"), 1));
        QCOMPARE(j->Detalhes->LabelEmAtraso->text(), QStringLiteral("R$ 100,00"));
        QCOMPARE(j->Detalhes->LabelEmAberto->text(), QStringLiteral("R$ 0,00"));
        msg->espera(QStringLiteral("Deseja Excluir: \"EMITENTE\" ?"), BotaoSim);
        msg->espera(QStringLiteral("Não é possível excluir. Existem vínculos para esta tabela !"));
        QTest::keyClick(j->Grid1, Qt::Key_Delete);
        QCOMPARE(conta(QStringLiteral("SELECT COUNT(*) FROM CADASTROS WHERE CG_CODIGO=1")), 1);
        QCOMPARE(conta(QStringLiteral("SELECT COUNT(*) FROM CADASTROSCONTATOS WHERE CGC_COD_CAD=1")), 2);

        QVERIFY(j->QryPesquisa.locate(QStringLiteral("CG_CODIGO"), 2));
        msg->espera(QStringLiteral("Deseja Excluir: \"SEM NOTAS\" ?"), BotaoSim);
        j->ButExclui->click();
        QCOMPARE(conta(QStringLiteral("SELECT COUNT(*) FROM CADASTROS WHERE CG_CODIGO=2")), 0);
        QCOMPARE(conta(QStringLiteral("SELECT COUNT(*) FROM CADASTROSCONTATOS WHERE CGC_COD_CAD=2")), 0);
        QCOMPARE(conta(QStringLiteral("SELECT COUNT(*) FROM CADASTROSCONTATOS")), 2);
        QCOMPARE(j->LabelRegistros->text(), QStringLiteral("Exibindo 1 de 1 registros"));
        verificaMensagens();
    }

    void enderecoCompleto_data()
    {
        QTest::addColumn<QString>("cep");
        QTest::addColumn<QString>("esperado");
        QTest::newRow("sem CEP") << QString() << QStringLiteral("RUA DAS FLORES, 120 - AP 3 - CENTRO - CAMPINAS/SP");
        QTest::newRow("com CEP") << QStringLiteral("13010000")
                                 << QStringLiteral("RUA DAS FLORES, 120 - AP 3 - CENTRO - CAMPINAS/SP  CEP: 13010-000");
    }
    void enderecoCompleto()
    {
        QFETCH(QString, cep);
        QFETCH(QString, esperado);
        executa(QStringLiteral("INSERT INTO CIDADES (CD_CODIGO, CD_NOME, CD_UF, CD_EXIBIR) VALUES (7, 'CAMPINAS', 'SP', 'T')"));
        executa(QStringLiteral("INSERT INTO BAIRROS (BR_CODIGO, BR_NOME, BR_COD_CIDADE, BR_EXIBIR) VALUES (8, 'CENTRO', 7, 'T')"));
        executa(QStringLiteral("INSERT INTO LOGRADOUROS (LG_CODIGO, LG_NOME, LG_COD_CIDADE, LG_EXIBIR) VALUES (9, 'RUA DAS FLORES', 7, 'T')"));
        auto j = abre();
        QTest::keyClick(j.get(), Qt::Key_F2);
        entra(j->Edicao->EditNome, QStringLiteral("CARLOS"));
        SeletoresEndereco *e = j->Edicao->Endereco;
        e->defineUf(QStringLiteral("SP"));
        entra(e->Cidade->Edit, QStringLiteral("campinas"));
        QTest::keyClick(e->Cidade->Edit, Qt::Key_Return); // ENTER leaves the box, which takes the city
        QCOMPARE(e->Cidade->codigo(), 7);
        entra(e->Bairro->Edit, QStringLiteral("CEN"));
        QTest::keyClick(e->Bairro->Edit, Qt::Key_Down); // takes the city under the cursor
        QCOMPARE(e->Bairro->Edit->text(), QStringLiteral("CENTRO"));
        QCOMPARE(e->Bairro->codigo(), 8);
        entra(e->Logradouro->Edit, QStringLiteral("RUA DAS FLORES"));
        QTest::keyClick(e->Logradouro->Edit, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), j->Edicao->EditNumero);
        digita(j->Edicao->EditNumero, QStringLiteral("120"));
        entra(j->Edicao->EditComplemento, QStringLiteral("AP 3"));
        if (!cep.isEmpty()) entra(j->Edicao->EditCEP, cep);
        QTest::keyClick(j.get(), Qt::Key_F6);
        QCOMPARE(valor(QStringLiteral("SELECT CG_ENDERECO_COMPLETO2 FROM CADASTROS")).toString(), esperado);

        // the rebuild writes the same text once the address was lost
        executa(QStringLiteral("UPDATE CADASTROS SET CG_ENDERECO_COMPLETO2=NULL"));
        msg->espera(QStringLiteral("Endereços atualizados com sucesso !"));
        j->atualizaEnderecos();
        QCOMPARE(valor(QStringLiteral("SELECT CG_ENDERECO_COMPLETO2 FROM CADASTROS")).toString(), esperado);
        verificaMensagens();
    }

    void exportaEmailsDosListados()
    {
        pessoa(1, QStringLiteral("BETO"));
        pessoa(2, QStringLiteral("ALICE"));
        pessoa(3, QStringLiteral("CARLA"));
        const QList<std::tuple<int, int, const char *, const char *>> contatos{
            {1, 1, "EMAIL", "beto@x.com"}, {2, 1, "CELULAR", "(27)999990000"}, {3, 2, "EMAIL", "alice@x.com"},
            {4, 2, "EMAIL", "alice2@x.com"}, {5, 3, "EMAIL", "carla@x.com"}};
        for (const auto &[c, p, tipo, contato] : contatos)
            executa(QStringLiteral("INSERT INTO CADASTROSCONTATOS (CGC_CODIGO, CGC_COD_CAD, CGC_TIPO, CGC_CONTATO) VALUES (%1, %2, '%3', '%4')")
                        .arg(c).arg(p).arg(QLatin1String(tipo), QLatin1String(contato)));
        auto j = abre();
        j->ButPesquisarClick();
        entra(j->Pesquisa->PesqEditNome, QStringLiteral("A")); // ALICE and CARLA, in name order
        j->Pesquisa->PesqButBuscar->click();
        const QString arquivo = QDir(inst->pasta()).filePath(QStringLiteral("Emails.txt"));
        QFile velho(arquivo);
        QVERIFY(velho.open(QIODevice::WriteOnly));
        velho.write("antigo@x.com;\nmais@x.com;\n");
        velho.close();
        msg->espera(QStringLiteral("Arquivo criado em ") + QDir::toNativeSeparators(arquivo));
        j->exportaEmails();
        QFile f(arquivo);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(f.readAll()), QStringLiteral("alice@x.com;\nalice2@x.com;\ncarla@x.com;\n"));
        QVERIFY(plataforma->chamou(QStringLiteral("abreDocumento ") + arquivo));

        msg->espera(QStringLiteral("Nenhum registro encontrado"));
        msg->espera(QStringLiteral("Não há registros a serem exportados !"));
        entra(j->Pesquisa->PesqEditNome, QStringLiteral("ZZZ"));
        j->Pesquisa->PesqButBuscar->click();
        j->exportaEmails();
        verificaMensagens();
    }

    void retornoParaAJanelaDeNotas_data()
    {
        QTest::addColumn<bool>("notasAberta");
        QTest::addColumn<bool>("cancela");
        QTest::newRow("grava com a janela de notas aberta") << true << false;
        QTest::newRow("grava sem a janela de notas") << false << false;
        QTest::newRow("cancela com a janela de notas aberta") << true << true;
    }
    void retornoParaAJanelaDeNotas()
    {
        QFETCH(bool, notasAberta);
        QFETCH(bool, cancela);
        std::unique_ptr<NotasSubstituta> notas;
        if (notasAberta) notas = std::make_unique<NotasSubstituta>();
        auto j = abre();
        j->defineRetorno(JanelaNotasCadastro::Avalista2);
        j->novoClienteComNome(QStringLiteral("FIADOR NOVO"));
        QCOMPARE(j->modo(), int(JanelaCadastro::Inserindo));
        if (notasAberta && cancela) msg->espera(QStringLiteral("Não há clientes cadastrados. Deseja realmente sair?"), BotaoSim);
        QTest::keyClick(j.get(), cancela ? Qt::Key_F7 : Qt::Key_F6);
        const int codigo = conta(QStringLiteral("SELECT CG_CODIGO FROM CADASTROS WHERE CG_NOME='FIADOR NOVO'"));
        QCOMPARE(codigo > 0, !cancela);
        if (notasAberta) {
            QVERIFY(!j->isVisible());
            QCOMPARE(j->retorno(), 0);
            QCOMPARE(notas->recebidas.size(), cancela ? 0 : 1);
            if (!cancela) {
                QCOMPARE(notas->recebidas.first().retorno, 52);
                QCOMPARE(notas->recebidas.first().codigo, codigo);
                QCOMPARE(notas->recebidas.first().nome, QStringLiteral("FIADOR NOVO"));
                QCOMPARE(notas->limites, 1);
            }
        } else {
            QVERIFY(j->isVisible());
            QCOMPARE(j->modo(), int(JanelaCadastro::Normal));
            QCOMPARE(j->Detalhes->DetNome->text(), QStringLiteral("FIADOR NOVO"));
        }
        verificaMensagens();
    }

    void pessoaJuridicaETiposDeContato()
    {
        auto j = abre();
        QTest::keyClick(j.get(), Qt::Key_F2);
        QVERIFY(!j->Edicao->EditFantasia->isVisible());
        j->Edicao->RadioJuridica->click();
        QCOMPARE(j->Edicao->LabelNome->text(), QStringLiteral("Razão Social"));
        QCOMPARE(j->Edicao->LabelCPF->text(), QStringLiteral("CNPJ"));
        QCOMPARE(j->Edicao->LabelDataNasc->text(), QStringLiteral("Fundação"));
        QVERIFY(j->Edicao->EditFantasia->isVisible());
        QCOMPARE(QApplication::focusWidget(), j->Edicao->EditNome);
        digita(j->Edicao->EditNome, QStringLiteral("EMPRESA X"));
        msg->espera(QStringLiteral("O CNPJ digitado é inválido!"));
        entra(j->Edicao->EditCPF, QStringLiteral("11222333000182"));
        j->Edicao->EditRG->setFocus();
        QCOMPARE(QApplication::focusWidget(), j->Edicao->EditCPF);
        entra(j->Edicao->EditCPF, QStringLiteral("11222333000181"));
        j->Edicao->EditRG->setFocus();
        QCOMPARE(QApplication::focusWidget(), j->Edicao->EditRG);
        QTest::keyClick(j->Edicao->EditRG, Qt::Key_Return); // a legal person's IE goes on to the IM
        QCOMPARE(QApplication::focusWidget(), j->Edicao->EditIM);
        QTest::keyClick(j->Edicao->EditIM, Qt::Key_Return); // and the IM opens the contact types
        QVERIFY(j->Contatos->ComboTipoContato->view()->isVisible());
        j->Contatos->ComboTipoContato->hidePopup();

        const QList<std::tuple<QString, QString, QString>> tipos{
            {QStringLiteral("FONE 0800"), QStringLiteral("####-#######"), QStringLiteral("Nº telefone")},
            {QStringLiteral("RADIO"), QStringLiteral("(##)##########"), QStringLiteral("Nº telefone")},
            {QStringLiteral("EMAIL"), QString(), QStringLiteral("E-mail")},
            {QStringLiteral("VIZINHO"), QString(), QStringLiteral("Contato")}};
        for (const auto &[tipo, mascara, rotulo] : tipos) {
            j->Contatos->ComboTipoContato->setCurrentText(tipo);
            QCOMPARE(j->Contatos->EditContato->mascara(), mascara);
            QCOMPARE(j->Contatos->LabelContato->text(), rotulo);
        }
        QTest::keyClick(j.get(), Qt::Key_F6);
        QCOMPARE(valor(QStringLiteral("SELECT CG_TIPO_PESSOA || CG_CPF_CNPJ FROM CADASTROS")).toString(),
                 QStringLiteral("J11222333000181"));
        QCOMPARE(j->Detalhes->LabelNomeDet->text(), QStringLiteral("Razão Social"));
        verificaMensagens();
    }

    void aniversariantesComMesNaoDefinido()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) QSKIP("pdftotext is not installed");
        QTemporaryDir saida; // the installation's reports folder holds the delivered project
        qputenv("PRONTANOTA_RELATORIOS_PDF", QFile::encodeName(saida.path()));
        DadosImpressao impressao(dm.get());
        pessoa(1, QStringLiteral("SEM DATA"));
        pessoa(2, QStringLiteral("NASCIDA EM MARÇO"), QStringLiteral("CG_DT_NASC"), QStringLiteral("'1990-03-05'"));
        auto j = abre();
        j->imprimeAgrupado(TfCadastrosGerais::Agrupamento::Aniversario);
        QVERIFY(!j->QryPesquisa.sql.linha(17).contains(QStringLiteral("GROUP"))); // lines restored
        QCOMPARE(j->QryPesquisa.sql.linha(19), QStringLiteral("ORDER BY CG.CG_NOME"));
        const QString pdf = QDir(saida.path()).filePath(QStringLiteral("RelacaoAniversariantes.pdf"));
        QVERIFY2(QFile::exists(pdf), qPrintable(msg->textos().join(QStringLiteral(" / "))));
        QProcess p;
        p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        QVERIFY(p.waitForFinished());
        const QString texto = QString::fromUtf8(p.readAllStandardOutput());
        QVERIFY2(texto.contains(QStringLiteral("*NÃO DEFINIDO*")), qPrintable(texto));
        QVERIFY(texto.indexOf(QStringLiteral("*NÃO DEFINIDO*")) < texto.indexOf(QStringLiteral("SEM DATA")));
        QVERIFY(texto.indexOf(QStringLiteral("MARÇO")) < texto.indexOf(QStringLiteral("NASCIDA EM MARÇO")));
        QVERIFY(texto.contains(QStringLiteral("Relação de Aniversariantes")));

        // every other layout of the register renders
        j->imprimeRelacao(QStringLiteral("Relação de Clientes"), QStringLiteral("RelacaoClientes"));
        j->imprimeRelacao(QStringLiteral("Relação de Clientes e Endereços"), QStringLiteral("RelacaoClientesEndereco"));
        j->imprimeRelacao(QStringLiteral("Relação de Clientes e seus Contatos"), QStringLiteral("RelacaoClientesContatos"));
        j->imprimeAgrupado(TfCadastrosGerais::Agrupamento::Bairro);
        j->imprimeAgrupado(TfCadastrosGerais::Agrupamento::Cidade);
        j->imprimeFicha();
        for (const char *nome : {"RelacaoClientes", "RelacaoClientesEndereco", "RelacaoClientesContatos",
                                 "RelacaoClientesBairro", "RelacaoClientesCidade", "FichaCliente"})
            QVERIFY2(QFile::exists(QDir(saida.path()).filePath(QLatin1String(nome) + QStringLiteral(".pdf"))), nome);
        qunsetenv("PRONTANOTA_RELATORIOS_PDF");
        verificaMensagens();
    }
};

PN_TESTE_JANELAS(TstPessoas)
#include "test_pessoas.moc"
