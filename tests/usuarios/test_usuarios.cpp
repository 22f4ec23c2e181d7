// The users register driven as a user does, on a real database with scripted dialogs, and the
// rights it hands out as the other windows and the login read them.

#include "AbridorJanelas.h"
#include "ContatosUsuario.h"
#include "MenuPrincipal.h"
#include "Dados.h"
#include "DadosImpressao.h"
#include "Digitacao.h"
#include "InstalacaoTeste.h"
#include "JanelaPrincipal.h"
#include "MaskEdit.h"
#include "MensagensRoteiro.h"
#include "PaginasUsuario.h"
#include "Permissoes.h"
#include "PlataformaGravadora.h"
#include "RelogioFixo.h"
#include "SeletoresEndereco.h"
#include "TesteJanelas.h"
#include "TfCadastrosGerais.h"
#include "TfLogin.h"
#include "TfPrincipal.h"
#include "TfUsuarios.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The main window as the login and the Options menus see it.
class PrincipalSubstituta final : public JanelaPrincipal {
public:
    PrincipalSubstituta() { define(this); }
    ~PrincipalSubstituta() override { define(nullptr); }
    void concluiLogin() override { logins << dados().NomeUsuarioLogado; }
    void AbreTabelasLembretes() override {}
    void AjudaSistema() override {}
    void FaleConosco() override {}
    void mostraComputador(const QString &, const QString &) override {}
    bool atualizacaoSilenciosaIniciada() const override { return false; }
    void RestaurarBD() override {}
    QWidget *janela() override { return nullptr; }
    QWidget *abreJanela(const QString &tipo) override
    {
        abertas << tipo;
        return nullptr;
    }
    QStringList logins, abertas;
};

} // namespace

class TstUsuarios : public QObject {
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

    // A user and its account with every flag "T" but those refused ("F"), PUS_ADMIN as asked.
    void conta(int codigo, const QString &nome, bool admin, const QStringList &negados = {})
    {
        QStringList colunas{QStringLiteral("PUS_CODIGO"), QStringLiteral("PUS_USUARIO"), QStringLiteral("PUS_LOGIN")};
        QStringList valores{QString::number(codigo), QStringLiteral("'T'"), QLatin1Char('\'') + nome + QLatin1Char('\'')};
        for (const QString &f : PaginasUsuario::flags()) {
            colunas << f;
            const bool sim = f == QLatin1String("PUS_ADMIN") ? admin : !negados.contains(f);
            valores << (sim ? QStringLiteral("'T'") : QStringLiteral("'F'"));
        }
        executa(QStringLiteral("INSERT INTO USUARIOS (US_CODIGO, US_NOME) VALUES (%1, '%2')").arg(codigo).arg(nome));
        executa(QStringLiteral("INSERT INTO USUARIOSPERMISSOES (%1) VALUES (%2)").arg(colunas.join(u','), valores.join(u',')));
        executa(QStringLiteral("SET GENERATOR COD_USUARIOS TO %1").arg(codigo));
    }
    // Logged in as that account, its record read as the main window reads it at login.
    void logaComo(int codigo, const QString &nome)
    {
        dm->CodUsuarioLogado = codigo;
        dm->NomeUsuarioLogado = nome;
        dm->QryLiberaPermissoes.close();
        dm->QryLiberaPermissoes.defineParametro(QStringLiteral("CODIGO"), codigo);
        dm->QryLiberaPermissoes.open();
    }

    template <class T = TfUsuarios> std::unique_ptr<T> abre()
    {
        auto j = std::make_unique<T>();
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
    // New user: name and login typed on the first page.
    static void novo(TfUsuarios &j, const QString &nome, const QString &login)
    {
        QTest::keyClick(&j, Qt::Key_F2);
        entra(j.Paginas->EditNome, nome);
        entra(j.Paginas->EditLogin, login);
    }
    static void adicionaContato(TfUsuarios &j, const QString &tipo, const QString &contato, const QString &detalhes = {})
    {
        j.Paginas->setCurrentIndex(PaginasUsuario::ContatoEndereco);
        entra(j.Contatos->ComboTipoContato->lineEdit(), tipo);
        entra(j.Contatos->EditContato, contato); // leaving the type box sets the mask
        if (!detalhes.isEmpty()) entra(j.Contatos->EditDetalhes, detalhes);
        j.Contatos->ButAdicionarContato->click();
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
        executa(QStringLiteral("UPDATE CONFIGS SET CF_UF_PADRAO=8")); // ES
        Dados::reabre(dm->QryConfigs);
    }
    void cleanup()
    {
        plataforma.reset();
        relogio.reset();
        msg.reset();
        dm.reset();
        inst.reset();
    }

    // ---- the shared rule -----------------------------------------------------------

    void regraDasPermissoes_data()
    {
        QTest::addColumn<QString>("login");
        QTest::addColumn<QString>("flag");
        QTest::addColumn<bool>("janela");
        QTest::addColumn<bool>("clique");
        QTest::newRow("MASTER passa na janela, não no clique") << "MASTER" << "PUS_CLIENTES_E" << true << false;
        QTest::newRow("T concede") << "ANA" << "PUS_CLIENTES_E" << true << true;
        QTest::newRow("F recusa") << "ANA" << "PUS_CLIENTES_X" << false << false;
        QTest::newRow("nulo recusa") << "ANA" << "PUS_EMPRESAS_R" << false << false;
        QTest::newRow("vazio recusa") << "ANA" << "PUS_BACKUP" << false << false;
        QTest::newRow("coluna inexistente recusa") << "ANA" << "PUS_NAO_EXISTE" << false << false;
    }
    void regraDasPermissoes()
    {
        QFETCH(QString, login);
        QFETCH(QString, flag);
        QFETCH(bool, janela);
        QFETCH(bool, clique);
        conta(1, QStringLiteral("ANA"), false, {QStringLiteral("PUS_CLIENTES_X")});
        executa(QStringLiteral("UPDATE USUARIOSPERMISSOES SET PUS_EMPRESAS_R=NULL, PUS_BACKUP=''"));
        if (login == QLatin1String("MASTER")) {
            dm->QryLiberaPermissoes.defineParametro(QStringLiteral("CODIGO"), QVariant());
            dm->QryLiberaPermissoes.open();
        } else {
            logaComo(1, login);
        }
        QCOMPARE(Permissoes::janela(flag), janela);
        QCOMPARE(Permissoes::concede(flag), clique);
    }

    void opcoesDeLocalidadesPedemVisualizar_data()
    {
        QTest::addColumn<QString>("login");
        QTest::addColumn<bool>("abreLocalidades");
        QTest::newRow("com PUS_LOCALIDADES_V") << "ANA" << true;
        QTest::newRow("sem PUS_LOCALIDADES_V") << "BETO" << false;
        QTest::newRow("MASTER: um clique lê o registro vazio") << "MASTER" << false;
    }
    void opcoesDeLocalidadesPedemVisualizar()
    {
        QFETCH(QString, login);
        QFETCH(bool, abreLocalidades);
        conta(1, QStringLiteral("ANA"), false);
        conta(2, QStringLiteral("BETO"), false, {QStringLiteral("PUS_LOCALIDADES_V")});
        if (login != QLatin1String("MASTER")) logaComo(login == QLatin1String("ANA") ? 1 : 2, login);
        PrincipalSubstituta principal;
        auto j = abre();
        for (QAction *a : j->MenuOpcoes->actions()) a->trigger();
        QCOMPARE(principal.abertas, abreLocalidades ? QStringList({"CIDADES", "BAIRROS", "LOGRADOUROS"}) : QStringList());
    }

    // ---- the save sequence ------------------------------------------------------------

    void nomeNaGravacao_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("recusa");
        QTest::newRow("MASTER") << "MASTER" << "Este nome é inválido !";
        QTest::newRow("MASTER e um branco") << "MASTER " << QString();
        QTest::newRow("começa com MASTER") << "MASTERCARD" << QString();
        QTest::newRow("dois brancos") << "  " << QString();
        QTest::newRow("um branco") << " " << "É necessário informar o nome !";
        QTest::newRow("vazio") << "" << "É necessário informar o nome !";
    }
    void nomeNaGravacao()
    {
        QFETCH(QString, nome);
        QFETCH(QString, recusa);
        auto j = abre();
        novo(*j, nome, QStringLiteral("LOGIN"));
        QCOMPARE(j->Paginas->EditNome->text(), nome);
        msg->espera(recusa.isEmpty() ? QStringLiteral("Você verificou as Permissões para este Usuário?") : recusa,
                    recusa.isEmpty() ? BotaoSim : BotaoOk);
        QTest::keyClick(j.get(), Qt::Key_F6);
        if (recusa.isEmpty()) {
            QCOMPARE(j->modo(), int(JanelaCadastro::Normal));
            QCOMPARE(conta(QStringLiteral("SELECT COUNT(*) FROM USUARIOS WHERE US_NOME='%1'").arg(nome)), 1);
            // Both records, one key, an account the login considers.
            QCOMPARE(valor(QStringLiteral("SELECT PUS_USUARIO || PUS_LOGIN FROM USUARIOSPERMISSOES P JOIN USUARIOS U "
                                          "ON U.US_CODIGO=P.PUS_CODIGO")).toString(),
                     QStringLiteral("TLOGIN"));
            QCOMPARE(j->LabelRegistros->text(), QStringLiteral("Listados 1 de 1 registros"));
        } else {
            QCOMPARE(j->modo(), int(JanelaCadastro::Inserindo));
            QCOMPARE(QApplication::focusWidget(), j->Paginas->EditNome);
            QCOMPARE(conta(QStringLiteral("SELECT COUNT(*) FROM USUARIOS")), 0);
        }
        verificaMensagens();
    }

    void senhaDicaECpf_data()
    {
        QTest::addColumn<QString>("senha");
        QTest::addColumn<QString>("confirma");
        QTest::addColumn<QString>("dica");
        QTest::addColumn<QString>("cpf");
        QTest::addColumn<int>("respostaDica"); // 0: not asked
        QTest::addColumn<QString>("recusa");
        QTest::addColumn<QString>("foco");
        QTest::newRow("sem senha nem dica") << "" << "" << "" << "" << 0 << QString() << QString();
        QTest::newRow("confirmação com outra caixa") << "abc" << "ABC" << "" << "" << 0
                                                     << "A confirmação da senha está incorreta. Digite novamente!" << "EditSenha";
        QTest::newRow("senha sem dica, quer informar") << "abc" << "abc" << "" << "" << int(BotaoSim) << QString() << "EditDicaSenha";
        QTest::newRow("senha sem dica, segue") << "abc" << "abc" << "" << "" << int(BotaoNao) << QString() << QString();
        QTest::newRow("dica sem CPF e sem senha") << "" << "" << "GATO" << "" << 0
                                                  << "Você informou uma Dica de Senha. Precisa informar um CPF!" << "EditCPF";
        QTest::newRow("dica com CPF") << "abc" << "abc" << "GATO" << "12345678909" << 0 << QString() << QString();
    }
    void senhaDicaECpf()
    {
        QFETCH(QString, senha);
        QFETCH(QString, confirma);
        QFETCH(QString, dica);
        QFETCH(QString, cpf);
        QFETCH(int, respostaDica);
        QFETCH(QString, recusa);
        QFETCH(QString, foco);
        auto j = abre();
        novo(*j, QStringLiteral("ANA"), QStringLiteral("ANA"));
        if (!cpf.isEmpty()) entra(j->Paginas->EditCPF, cpf);
        if (!senha.isEmpty()) entra(j->Paginas->EditSenha, senha);
        if (!confirma.isEmpty()) entra(j->Paginas->EditConfirmaSenha, confirma);
        if (!dica.isEmpty()) entra(j->Paginas->EditDicaSenha, dica);
        if (respostaDica) msg->espera(QStringLiteral("Você cadastrou uma senha. Deseja informar uma dica de senha?"), respostaDica);
        if (!recusa.isEmpty()) msg->espera(recusa);
        const bool grava = recusa.isEmpty() && respostaDica != BotaoSim;
        if (grava) msg->espera(QStringLiteral("Você verificou as Permissões"), BotaoSim);
        QTest::keyClick(j.get(), Qt::Key_F6);
        QCOMPARE(conta(QStringLiteral("SELECT COUNT(*) FROM USUARIOSPERMISSOES")), grava ? 1 : 0);
        if (grava) {
            QCOMPARE(valor(QStringLiteral("SELECT PUS_SENHA FROM USUARIOSPERMISSOES")).toString(), senha);
            QCOMPARE(valor(QStringLiteral("SELECT PUS_RESENHA FROM USUARIOSPERMISSOES")).toString(), senha);
            QCOMPARE(valor(QStringLiteral("SELECT PUS_CPF_CNPJ FROM USUARIOSPERMISSOES")).toString(), cpf);
            QCOMPARE(valor(QStringLiteral("SELECT US_CPF_CNPJ FROM USUARIOS")).toString(), cpf);
            QCOMPARE(valor(QStringLiteral("SELECT PUS_DICA_SENHA FROM USUARIOSPERMISSOES")).toString(), dica);
        } else {
            QCOMPARE(j->modo(), int(JanelaCadastro::Inserindo));
            QCOMPARE(j->Paginas->currentIndex(), int(PaginasUsuario::DadosPrincipais));
            QCOMPARE(QApplication::focusWidget()->objectName(), foco);
        }
        verificaMensagens();
    }

    void nomeRepetidoRecusadoMasOProprioPassa()
    {
        conta(1, QStringLiteral("ANA"), false);
        auto j = abre();
        novo(*j, QStringLiteral("ANA"), QStringLiteral("OUTRA"));
        msg->espera(QStringLiteral("Você verificou"), BotaoSim).espera(QStringLiteral("Já existe um usuário com este nome !"));
        QTest::keyClick(j.get(), Qt::Key_F6);
        QCOMPARE(j->modo(), int(JanelaCadastro::Inserindo));
        msg->espera(QStringLiteral("Deseja realmente cancelar este registro ?"), BotaoSim);
        QTest::keyClick(j.get(), Qt::Key_F7);
        // Altering ANA without renaming her passes: her own code is left out.
        QTest::keyClick(j.get(), Qt::Key_F3);
        msg->espera(QStringLiteral("Para que as permissões alteradas surtam efeito"));
        QTest::keyClick(j.get(), Qt::Key_F6);
        QCOMPARE(j->modo(), int(JanelaCadastro::Normal));
        verificaMensagens();
    }

    void padroesDeQuemCria_data()
    {
        QTest::addColumn<QString>("criador");
        QTest::addColumn<bool>("paginaVisivel");
        QTest::addColumn<QString>("flags"); // every flag of the new user
        QTest::newRow("administrador") << "ANA" << true << "T";
        QTest::newRow("não administrador") << "BETO" << false << "";
        QTest::newRow("MASTER: vê a página, sem flags") << "MASTER" << true << "";
    }
    void padroesDeQuemCria()
    {
        QFETCH(QString, criador);
        QFETCH(bool, paginaVisivel);
        QFETCH(QString, flags);
        conta(1, QStringLiteral("ANA"), true);
        conta(2, QStringLiteral("BETO"), false);
        if (criador != QLatin1String("MASTER")) logaComo(criador == QLatin1String("ANA") ? 1 : 2, criador);
        auto j = abre();
        QCOMPARE(j->Paginas->permissoesVisiveis(), paginaVisivel);
        novo(*j, QStringLiteral("CAIO"), QStringLiteral("CAIO"));
        for (QCheckBox *c : std::as_const(j->Paginas->CheckFlags)) QCOMPARE(c->isChecked(), flags == QLatin1String("T"));

        // "No" to the question: the administrator's page comes forward; nobody else's does.
        msg->espera(QStringLiteral("Você verificou as Permissões"), BotaoNao);
        QTest::keyClick(j.get(), Qt::Key_F6);
        QCOMPARE(j->modo(), int(JanelaCadastro::Inserindo));
        QCOMPARE(j->Paginas->currentIndex(), paginaVisivel ? int(PaginasUsuario::Permissoes) : int(PaginasUsuario::DadosPrincipais));
        if (paginaVisivel) QCOMPARE(QApplication::focusWidget(), j->Paginas->CheckAdmin);
        if (paginaVisivel && flags == QLatin1String("T")) QTest::keyClick(j->Paginas->CheckFlags.value("PUS_BACKUP"), Qt::Key_Space);

        msg->espera(QStringLiteral("Você verificou as Permissões"), BotaoSim);
        QTest::keyClick(j.get(), Qt::Key_F6);
        QCOMPARE(j->modo(), int(JanelaCadastro::Normal));
        Transacao tr(dm->DataBase);
        Query q(dm->DataBase, tr);
        q.sql.defineTexto(QStringLiteral("SELECT * FROM USUARIOSPERMISSOES WHERE PUS_LOGIN='CAIO'"));
        q.open();
        QCOMPARE(q.recordCount(), 1);
        for (const QString &f : PaginasUsuario::flags()) {
            const QString esperado = f == QLatin1String("PUS_BACKUP") && !flags.isEmpty() ? QStringLiteral("F") : flags;
            QCOMPARE(q.valor(0, f).toString(), esperado);
            QCOMPARE(q.valor(0, f).isNull(), flags.isEmpty()); // null: refused, never "F" by default
        }
        verificaMensagens();
    }

    void atencaoDepoisDeAlterar()
    {
        conta(1, QStringLiteral("ANA"), true);
        conta(2, QStringLiteral("BETO"), false);
        auto j = abre();
        QCOMPARE(j->LabelRegistros->text(), QStringLiteral("Exibindo 2 de 2 registros"));
        j->QryPesquisa.locate(QStringLiteral("US_NOME"), QStringLiteral("BETO"));
        QCOMPARE(j->Paginas->EditLogin->text(), QStringLiteral("BETO"));
        QTest::keyClick(j.get(), Qt::Key_F3);
        QCOMPARE(j->windowTitle(), QStringLiteral(" Cadastro de Usuários (Alterando...)"));
        msg->espera(QStringLiteral("Para que as permissões alteradas surtam efeito, o usuário deve sair e entrar novamente no programa!"));
        QTest::keyClick(j.get(), Qt::Key_F6); // nothing changed: the message all the same
        QCOMPARE(msg->registradas.last().titulo, QStringLiteral("ATENÇÃO!"));
        QCOMPARE(j->modo(), int(JanelaCadastro::Normal));
        QCOMPARE(j->QryPesquisa[QStringLiteral("US_NOME")].asString(), QStringLiteral("BETO"));
        QCOMPARE(j->LabelRegistros->text(), QStringLiteral("Listados 2 de 2 registros"));
        QCOMPARE(valor(QStringLiteral("SELECT US_DT_ATUAL FROM USUARIOS WHERE US_CODIGO=2")).toDate(), QDate(2026, 3, 15));
        QCOMPARE(valor(QStringLiteral("SELECT PUS_ADMIN FROM USUARIOSPERMISSOES WHERE PUS_CODIGO=2")).toString(), QStringLiteral("F"));

        // A new user gets no such message (an unexpected one fails the check below).
        novo(*j, QStringLiteral("CAIO"), QStringLiteral("CAIO"));
        msg->espera(QStringLiteral("Você verificou as Permissões"), BotaoSim);
        QTest::keyClick(j.get(), Qt::Key_F6);
        QCOMPARE(j->LabelRegistros->text(), QStringLiteral("Listados 3 de 3 registros"));
        verificaMensagens();
    }

    void estadoPadraoDaInstalacao()
    {
        executa(QStringLiteral("UPDATE CONFIGS SET CF_UF_PADRAO=0"));
        Dados::reabre(dm->QryConfigs);
        auto j = abre();
        novo(*j, QStringLiteral("ANA"), QStringLiteral("ANA"));
        QCOMPARE(j->Paginas->Endereco->uf(), QString());
        msg->espera(QStringLiteral("Você verificou"), BotaoSim).espera(QStringLiteral("É necessário informar o seu estado (UF)!"));
        QTest::keyClick(j.get(), Qt::Key_F6);
        QCOMPARE(j->modo(), int(JanelaCadastro::Inserindo));
        QCOMPARE(j->Paginas->currentIndex(), int(PaginasUsuario::ContatoEndereco));
        QCOMPARE(QApplication::focusWidget(), j->Paginas->Endereco->ComboEstado);
        QCOMPARE(conta(QStringLiteral("SELECT COUNT(*) FROM USUARIOS")), 0);

        j->Paginas->Endereco->defineUf(QStringLiteral("SP"));
        msg->espera(QStringLiteral("Você verificou"), BotaoSim);
        QTest::keyClick(j.get(), Qt::Key_F6);
        QCOMPARE(j->modo(), int(JanelaCadastro::Normal));
        QCOMPARE(conta(QStringLiteral("SELECT CF_UF_PADRAO FROM CONFIGS")), 26);
        QCOMPARE(SeletoresEndereco::ufPadrao(), QStringLiteral("SP")); // the shared settings were reread

        // From now on the installation has its default: a user without a state passes.
        novo(*j, QStringLiteral("BETO"), QStringLiteral("BETO"));
        QCOMPARE(j->Paginas->Endereco->uf(), QStringLiteral("SP"));
        j->Paginas->Endereco->defineUf(QString());
        msg->espera(QStringLiteral("Você verificou"), BotaoSim);
        QTest::keyClick(j.get(), Qt::Key_F6);
        QCOMPARE(conta(QStringLiteral("SELECT COUNT(*) FROM USUARIOS")), 2);
        verificaMensagens();
    }

    // ---- contacts -------------------------------------------------------------------

    void resumoDosContatos()
    {
        executa(QStringLiteral("INSERT INTO TIPOCONTATO (TC_CODIGO, TC_NOME, TC_TIPO) VALUES (20, 'SITE', 2)"));
        auto j = abre();
        novo(*j, QStringLiteral("ANA"), QStringLiteral("ANA"));
        adicionaContato(*j, QStringLiteral("CELULAR"), QStringLiteral("11987654321"), QStringLiteral("ana"));
        // The first contact stored the user being inserted, so that the contact has its owner.
        QCOMPARE(conta(QStringLiteral("SELECT COUNT(*) FROM USUARIOS")), 1);
        QCOMPARE(valor(QStringLiteral("SELECT USC_CONTATO FROM USUARIOSCONTATOS")).toString(), QStringLiteral("(11)9876-54321"));
        QCOMPARE(j->Contatos->LabelContato->text(), QString()); // the entry is cleared
        QCOMPARE(QApplication::focusWidget(), j->Contatos->ComboTipoContato);

        entra(j->Contatos->ComboTipoContato->lineEdit(), QStringLiteral("SITE"));
        j->Contatos->EditContato->setFocus();
        QCOMPARE(j->Contatos->LabelContato->text(), QStringLiteral("Endereço Eletrônico"));
        QCOMPARE(j->Contatos->LabelDetalhes->text(), QStringLiteral("Responsável, Detalhes"));
        digita(j->Contatos->EditContato, QStringLiteral("XYZ"));
        QCOMPARE(j->Contatos->EditContato->text(), QStringLiteral("xyz"));
        j->Contatos->ButAdicionarContato->click();
        QCOMPARE(j->Contatos->QryContatos.recordCount(), 2);

        msg->espera(QStringLiteral("Você verificou"), BotaoSim);
        QTest::keyClick(j.get(), Qt::Key_F6);
        QCOMPARE(conta(QStringLiteral("SELECT COUNT(*) FROM USUARIOS")), 1);
        QCOMPARE(valor(QStringLiteral("SELECT US_CONTATOS FROM USUARIOS")).toString(),
                 QStringLiteral("CELULAR: 11987654321 ANA - SITE: xyz  "));
        verificaMensagens();
    }

    void mascarasELegendasPorTipo_data()
    {
        QTest::addColumn<QString>("tipo");
        QTest::addColumn<QString>("mascara");
        QTest::addColumn<QString>("contato");
        QTest::addColumn<QString>("detalhes");
        QTest::newRow("telefone") << "CELULAR" << "(##)####-#####" << "Número do telefone" << "Responsável, Ramal, Detalhes";
        QTest::newRow("endereço eletrônico") << "EMAIL" << "" << "Endereço Eletrônico" << "Responsável, Detalhes";
        QTest::newRow("telefone de um dígito a mais") << "RADIO" << "(##)####-######" << "Nº telefone" << "Responsável, Detalhes";
        QTest::newRow("tipo não cadastrado") << "PAGER" << "" << "Contato Livre" << "Detalhes, Observações";
        QTest::newRow("sem tipo") << "" << "" << "" << "";
    }
    void mascarasELegendasPorTipo()
    {
        QFETCH(QString, tipo);
        QFETCH(QString, mascara);
        QFETCH(QString, contato);
        QFETCH(QString, detalhes);
        auto j = abre();
        novo(*j, QStringLiteral("ANA"), QStringLiteral("ANA"));
        j->Paginas->setCurrentIndex(PaginasUsuario::ContatoEndereco);
        entra(j->Contatos->ComboTipoContato->lineEdit(), QStringLiteral("EMAIL")); // the captions before
        j->Contatos->EditContato->setFocus();
        entra(j->Contatos->ComboTipoContato->lineEdit(), tipo);
        j->Contatos->EditContato->setFocus();
        QCOMPARE(j->Contatos->EditContato->mascara(), mascara);
        QCOMPARE(j->Contatos->LabelContato->text(), contato);
        QCOMPARE(j->Contatos->LabelDetalhes->text(), detalhes);
        // An untouched telephone or an empty contact stores nothing and clears the entry.
        j->Contatos->ButAdicionarContato->click();
        QCOMPARE(conta(QStringLiteral("SELECT COUNT(*) FROM USUARIOSCONTATOS")), 0);
        QCOMPARE(conta(QStringLiteral("SELECT COUNT(*) FROM USUARIOS")), 0);
        QCOMPARE(j->Contatos->ComboTipoContato->currentText(), QString());
        verificaMensagens();
    }

    // ---- cancel, delete, closing ---------------------------------------------------------

    void cancelarInclusaoComContato()
    {
        auto j = abre();
        novo(*j, QStringLiteral("ANA"), QStringLiteral("ANA"));
        adicionaContato(*j, QStringLiteral("EMAIL"), QStringLiteral("ana@exemplo.com"));
        QCOMPARE(conta(QStringLiteral("SELECT COUNT(*) FROM USUARIOSCONTATOS")), 1);
        msg->espera(QStringLiteral("Deseja realmente cancelar este registro ?"), BotaoNao);
        QTest::keyClick(j.get(), Qt::Key_F7);
        QCOMPARE(j->modo(), int(JanelaCadastro::Inserindo));
        QCOMPARE(msg->avisos.last().codigo, 10);
        msg->espera(QStringLiteral("Deseja realmente cancelar este registro ?"), BotaoSim);
        QTest::keyClick(j.get(), Qt::Key_F7);
        QCOMPARE(j->modo(), int(JanelaCadastro::Normal));
        QCOMPARE(conta(QStringLiteral("SELECT COUNT(*) FROM USUARIOS")), 0);
        QCOMPARE(conta(QStringLiteral("SELECT COUNT(*) FROM USUARIOSCONTATOS")), 0);
        QCOMPARE(j->LabelRegistros->text(), QStringLiteral("Exibindo 0 de 0 registros"));
        verificaMensagens();
    }

    void usuarioExcluidoNaoEntraMais()
    {
        conta(1, QStringLiteral("ANA"), true);
        executa(QStringLiteral("INSERT INTO EMPRESAS (EM_CODIGO, EM_NOME) VALUES (1, 'ALFA')"));
        logaComo(1, QStringLiteral("ANA"));
        {
            auto j = abre();
            novo(*j, QStringLiteral("BETO"), QStringLiteral("BETO"));
            adicionaContato(*j, QStringLiteral("EMAIL"), QStringLiteral("beto@exemplo.com"));
            msg->espera(QStringLiteral("Você verificou"), BotaoSim);
            QTest::keyClick(j.get(), Qt::Key_F6);
            QCOMPARE(conta(QStringLiteral("SELECT COUNT(*) FROM USUARIOSPERMISSOES WHERE PUS_LOGIN='BETO' AND PUS_USUARIO='T'")), 1);
            QVERIFY(dm->LookupUsuarios.locate(QStringLiteral("US_NOME"), QStringLiteral("BETO")));

            QVERIFY(j->QryPesquisa.locate(QStringLiteral("US_NOME"), QStringLiteral("BETO")));
            msg->espera(QString(), BotaoSim); // the standard confirmation, its current text
            QTest::keyClick(j->Grid1, Qt::Key_Delete);
            QCOMPARE(msg->avisos.last().codigo, 0);
            QCOMPARE(conta(QStringLiteral("SELECT COUNT(*) FROM USUARIOS")), 1);
            QCOMPARE(j->LabelRegistros->text(), QStringLiteral("Exibindo 1 de 1 registros"));
            QVERIFY(!dm->LookupUsuarios.locate(QStringLiteral("US_NOME"), QStringLiteral("BETO")));
        }

        // The login, as anyone at the computer uses it.
        PrincipalSubstituta principal;
        TfLogin login;
        login.show();
        QCoreApplication::processEvents(); // the settings load once the window is on screen
        login.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&login));
        QTest::keyClicks(login.EditUsuario, QStringLiteral("BETO"));
        QTest::keyClick(login.EditUsuario, Qt::Key_Return);
        msg->espera(QStringLiteral("Usuário não localizado ou inexistente !"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY2(principal.logins.isEmpty(), qPrintable(principal.logins.join(u',')));
        verificaMensagens();
        // Nothing of BETO is left: neither the account nor the contacts.
        QCOMPARE(conta(QStringLiteral("SELECT COUNT(*) FROM USUARIOSPERMISSOES")), 1);
        QCOMPARE(conta(QStringLiteral("SELECT COUNT(*) FROM USUARIOSCONTATOS")), 0);
    }

    void fecharSemUsuariosPergunta()
    {
        auto j = abre();
        msg->espera(QStringLiteral("Não há usuários cadastrados. Deseja realmente sair?"), BotaoNao);
        QTest::keyClick(j.get(), Qt::Key_F11);
        QVERIFY(j->isVisible());
        msg->espera(QStringLiteral("Não há usuários cadastrados. Deseja realmente sair?"), BotaoSim);
        QTest::keyClick(j.get(), Qt::Key_F11);
        QVERIFY(!j->isVisible());
        verificaMensagens();
    }

    void buscaEContador()
    {
        conta(1, QStringLiteral("ANA"), false);
        conta(2, QStringLiteral("JOANA"), false);
        conta(3, QStringLiteral("BETO"), false);
        auto j = abre();
        QCOMPARE(j->LabelRegistros->text(), QStringLiteral("Exibindo 3 de 3 registros"));
        QStringList textos;
        for (QLabel *l : j->findChildren<QLabel *>()) textos << l->text();
        QVERIFY(textos.contains(QStringLiteral("F1 Ajuda - F2 Novo - F3 Altera - F4 Relatórios - F5 Pesquisa - F6 Grava - "
                                               "F7 Cancela - F11 Sair  |  ENTER Avançar campos - ESC Voltar ")));
        QVERIFY(textos.contains(QStringLiteral("Na tabela:  Clique nas colunas para ordená-las  -  DEL Excluir  -  Duplo clique: Alterar")));
        digita(j->EditLocaliza, QStringLiteral(" "));
        QVERIFY(!j->LabelLimpar->isVisible()); // one blank is no search text
        entra(j->EditLocaliza, QStringLiteral("an'a"));
        QVERIFY(j->LabelLimpar->isVisible());
        QTest::keyClick(j.get(), Qt::Key_F5); // a quote is searched, it breaks nothing
        QCOMPARE(j->LabelRegistros->text(), QStringLiteral("Exibindo 0 de 3 registros"));
        entra(j->EditLocaliza, QStringLiteral("ana"));
        QTest::keyClick(j.get(), Qt::Key_F5);
        QCOMPARE(j->LabelRegistros->text(), QStringLiteral("Exibindo 2 de 3 registros"));
        QCOMPARE(j->Paginas->EditNome->text(), QStringLiteral("ANA"));
        verificaMensagens();
    }

    void relacaoDeUsuarios()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) QSKIP("pdftotext is not installed");
        QTemporaryDir saida;
        qputenv("PRONTANOTA_RELATORIOS_PDF", QFile::encodeName(saida.path()));
        DadosImpressao impressao(dm.get());
        conta(1, QStringLiteral("ANA"), false);
        executa(QStringLiteral("UPDATE USUARIOS SET US_CONTATOS='EMAIL: ana@exemplo.com  ' WHERE US_CODIGO=1"));
        auto j = abre();
        for (QAction *a : j->MenuRelatorios->actions()) a->trigger();
        const QString pdf = QDir(saida.path()).filePath(QStringLiteral("RelacaoUsuarios.pdf"));
        QVERIFY2(QFile::exists(pdf), qPrintable(msg->textos().join(QStringLiteral(" / "))));
        QProcess p;
        p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        QVERIFY(p.waitForFinished());
        const QString texto = QString::fromUtf8(p.readAllStandardOutput());
        for (const char *t : {"Relação de Usuários do Sistema", "Nome do Usuário", "ANA", "EMAIL: ana@exemplo.com"})
            QVERIFY2(texto.contains(QString::fromUtf8(t)), qPrintable(texto));
        qunsetenv("PRONTANOTA_RELATORIOS_PDF");
        verificaMensagens();
    }

    void abertaPeloMenuSemPermissao()
    {
        // Opening the register needs no right: a user refused every flag opens it too, once.
        conta(2, QStringLiteral("BETO"), false, PaginasUsuario::flags());
        logaComo(2, QStringLiteral("BETO"));
        AbridorJanelas::registra(TipoJanela::Usuarios, [](QWidget *pai) { return new TfUsuarios(pai); });
        {
            TfPrincipal principal;
            QAction *item = principal.MainMenu1->ItemUsuarios;
            QVERIFY(item->isEnabled());
            item->trigger();
            item->trigger();
            const auto janelas = principal.findChildren<TfUsuarios *>();
            QCOMPARE(janelas.size(), 1);
            QCOMPARE(janelas.first()->windowTitle(), QStringLiteral(" Cadastro de Usuários"));
            QVERIFY(!janelas.first()->Paginas->permissoesVisiveis());
            QVERIFY(janelas.first()->ButNovo->isEnabled());
        }
        AbridorJanelas::remove(TipoJanela::Usuarios);
        verificaMensagens();
    }

    // ---- the rights in the persons register -------------------------------------------------

    void pessoasSemDireitoDeEditar()
    {
        conta(2, QStringLiteral("BETO"), false, {QStringLiteral("PUS_CLIENTES_E")});
        executa(QStringLiteral("INSERT INTO CADASTROS (CG_CODIGO, CG_NOME, CG_ESPECIE, CG_TIPO_PESSOA, CG_EXIBIR) "
                               "VALUES (1, 'CLIENTE', 'C', 'F', 'T')"));
        logaComo(2, QStringLiteral("BETO"));
        auto j = abre<TfCadastrosGerais>();
        QVERIFY(!j->ButNovo->isEnabled());
        QVERIFY(!j->ButAltera->isEnabled());
        QVERIFY(j->ButExclui->isEnabled());
        QTest::keyClick(j.get(), Qt::Key_F2);
        QTest::keyClick(j.get(), Qt::Key_F3);
        QTest::mouseDClick(j->Grid1->viewport(), Qt::LeftButton, {}, j->Grid1->visualRect(j->Grid1->model()->index(0, 0)).center());
        static_cast<JanelaNovoRegistro *>(j.get())->novoRegistro(); // the main window's new-customer button
        j->novoClienteComNome(QStringLiteral("OUTRO"));               // the notes window's "Cadastrar"
        j->ButNovoClick();
        j->ButAlteraClick();
        QCOMPARE(j->modo(), int(JanelaCadastro::Normal));
        QVERIFY(!j->ButGravar->isEnabled());
        QCOMPARE(conta(QStringLiteral("SELECT COUNT(*) FROM CADASTROS")), 1);
        verificaMensagens();
    }
};

PN_TESTE_JANELAS(TstUsuarios)
#include "test_usuarios.moc"
