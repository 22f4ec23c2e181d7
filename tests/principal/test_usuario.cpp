// The main window with the real windows behind it, as a user goes through them: the login
// window of each change of user (a restore from it, an old database at it), and the persons
// register opened by the left column's new-record button.

#include "AbridorJanelas.h"
#include "Aplicacao.h"
#include "Dados.h"
#include "Digitacao.h"
#include "GanchosJanelas.h"
#include "InstalacaoTeste.h"
#include "LabelClicavel.h"
#include "MensagensRoteiro.h"
#include "PainelDicaSenha.h"
#include "PainelEdicaoCliente.h"
#include "PlataformaGravadora.h"
#include "RelogioFixo.h"
#include "TesteJanelas.h"
#include "TfCadastrosGerais.h"
#include "TfLogin.h"
#include "TfPrincipal.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

namespace {

QStringList flagsPermissao()
{
    QStringList r{QStringLiteral("PUS_ADMIN"), QStringLiteral("PUS_BACKUP"), QStringLiteral("PUS_RESTORE"),
                  QStringLiteral("PUS_NOTASPROMIS_Q"), QStringLiteral("PUS_QUADRO_AVISOS")};
    for (const char *area : {"LOCALIDADES", "CLIENTES", "EMPRESAS", "USUARIOS", "NOTASPROMIS"})
        for (const char *d : {"_V", "_E", "_X", "_R"}) r << QStringLiteral("PUS_") + QLatin1String(area) + QLatin1String(d);
    return r;
}

// The backup window, completing a restore at once.
class RestauracaoConcluida : public QDialog, public JanelaBackup {
public:
    using QDialog::QDialog;
    void preparaPagina(PaginaBackup, bool) override {}

protected:
    void showEvent(QShowEvent *e) override
    {
        QDialog::showEvent(e);
        QTimer::singleShot(0, this, [this] {
            ResultadoBackup::concluido = true;
            accept();
        });
    }
};

} // namespace

class TesteUsuario : public QObject {
    Q_OBJECT

    std::unique_ptr<InstalacaoTeste> inst;
    std::unique_ptr<RelogioFixo> relogio;
    std::unique_ptr<MensagensRoteiro> msg;
    std::unique_ptr<PlataformaGravadora> plat;
    std::unique_ptr<Dados> dm;
    std::unique_ptr<TfPrincipal> fp;

    void executa(const QString &sql) { dm->DataBase.executa(sql); }
    int conta(const QString &sql)
    {
        Transacao tr(dm->DataBase);
        Query q(dm->DataBase, tr);
        q.sql.defineTexto(sql);
        q.open();
        return q.valor(0, 0).toInt();
    }

    // An account with every right but those named, and the company ALFA.
    void preparaConta(const QString &login, const QString &senha, const QString &cpf, const QStringList &negados = {})
    {
        QStringList colunas{QStringLiteral("PUS_CODIGO"), QStringLiteral("PUS_USUARIO"), QStringLiteral("PUS_LOGIN"),
                            QStringLiteral("PUS_SENHA"), QStringLiteral("PUS_CPF_CNPJ")};
        QStringList valores{QStringLiteral("1"), QStringLiteral("'T'"), QLatin1Char('\'') + login + QLatin1Char('\''),
                            QLatin1Char('\'') + senha + QLatin1Char('\''), QLatin1Char('\'') + cpf + QLatin1Char('\'')};
        for (const QString &f : flagsPermissao()) {
            colunas << f;
            valores << (negados.contains(f) ? QStringLiteral("'F'") : QStringLiteral("'T'"));
        }
        executa(QStringLiteral("INSERT INTO USUARIOS (US_CODIGO, US_NOME) VALUES (1, '%1')").arg(login));
        executa(QStringLiteral("INSERT INTO USUARIOSPERMISSOES (%1) VALUES (%2)").arg(colunas.join(u','), valores.join(u',')));
        executa(QStringLiteral("INSERT INTO EMPRESAS (EM_CODIGO, EM_NOME) VALUES (1, 'ALFA')"));
    }

    // Runs `acao` on the login window once it is on screen with its settings loaded; the
    // caller then shows it (modally), and `acao` must close it.
    void quandoLoginPronto(std::function<void(TfLogin *)> acao)
    {
        auto *espera = new QTimer(this);
        espera->setInterval(10);
        connect(espera, &QTimer::timeout, this, [espera, acao] {
            auto *login = qobject_cast<TfLogin *>(QApplication::activeModalWidget());
            if (!login || !login->isVisible() || !login->EditUsuario->isEnabled()) return;
            espera->stop();
            espera->deleteLater();
            login->activateWindow();
            if (!QTest::qWaitForWindowActive(login)) qWarning("login window not active");
            acao(login);
            if (login->isVisible()) login->done(QDialog::Rejected); // a failed check must not leave it open
        });
        espera->start();
    }

    static void tecla(int k) { QTest::keyClick(QApplication::focusWidget(), Qt::Key(k)); }

private Q_SLOTS:
    void init()
    {
        Aplicacao::reinicia();
        esqueceFimDoPrograma();
        inst = std::make_unique<InstalacaoTeste>();
        relogio = std::make_unique<RelogioFixo>();
        msg = std::make_unique<MensagensRoteiro>();
        plat = std::make_unique<PlataformaGravadora>();
        dm = inst->conectaDados();
        AbridorJanelas::registra(TipoJanela::CadastrosGerais, [](QWidget *pai) { return new TfCadastrosGerais(pai); });
        fp = std::make_unique<TfPrincipal>();
    }

    void cleanup()
    {
        fp.reset();
        AbridorJanelas::remove(TipoJanela::CadastrosGerais);
        AbridorJanelas::remove(TipoJanela::Backup);
        dm.reset();
        plat.reset();
        QString porque;
        const bool ok = msg->verificaFim(&porque);
        msg.reset();
        relogio.reset();
        inst.reset();
        QVERIFY2(ok, qPrintable(porque));
    }

    void trocaDeUsuarioPedeSenhaNova()
    {
        preparaConta(QStringLiteral("ANA"), QStringLiteral("abc"), QStringLiteral("12345678909"));

        // ANA logs in through the password hint, which selects her account.
        quandoLoginPronto([](TfLogin *login) {
            QTest::mouseClick(login->LabelOpcional, Qt::LeftButton);
            QVERIFY(login->painelDicaSenha->isVisible());
            QTest::keyClicks(login->painelDicaSenha->EditCPF, QStringLiteral("12345678909"));
            tecla(Qt::Key_Return);
            QCOMPARE(QApplication::focusWidget(), login->EditSenha);
            QTest::keyClicks(login->EditSenha, QStringLiteral("abc"));
            tecla(Qt::Key_Return);
        });
        fp->mostraLogin();
        QCOMPARE(fp->PainelStatus[1]->text(), QStringLiteral("Usuário: ANA"));
        QVERIFY(!Aplicacao::programaEncerrado());

        // "Trocar Usuário": the next person finds ANA's name but no password, no open hint;
        // ENTER does not log ANA in again.
        bool vista = false;
        quandoLoginPronto([&](TfLogin *login) {
            vista = true;
            QCOMPARE(login->EditUsuario->text(), QStringLiteral("ANA"));
            QCOMPARE(login->EditSenha->text(), QString());
            QVERIFY(!login->painelDicaSenha->isVisible());
            QCOMPARE(QApplication::focusWidget(), login->EditSenha);
            msg->espera(QStringLiteral("Senha incorreta !"));
            tecla(Qt::Key_Return);
            QVERIFY(login->isVisible());
            tecla(Qt::Key_F7);
        });
        msg->esperaSair(3);
        fp->Tag = 1;
        QVERIFY(fp->close());
        QVERIFY(vista);
        QVERIFY(Aplicacao::programaEncerrado());
        QCOMPARE(fp->findChildren<TfLogin *>().size(), 0);
    }

    void restauracaoPeloLoginDaTrocaDeUsuario()
    {
        // A restore completed from the login of a change of user ends the program, as it does
        // from the first login, so that Instalora can bring the restored database up to date.
        preparaConta(QStringLiteral("ANA"), QString(), QString());
        AbridorJanelas::registra(TipoJanela::Backup, [](QWidget *pai) { return new RestauracaoConcluida(pai); });
        quandoLoginPronto([](TfLogin *login) {
            QTest::keyClicks(login->EditUsuario, QStringLiteral("ANA"));
            tecla(Qt::Key_Return);
            tecla(Qt::Key_Return);
        });
        fp->mostraLogin();
        fp->Tag = 1;
        fp->show();

        quandoLoginPronto([this](TfLogin *login) {
            QVERIFY(login->LabelRestore->isVisible());
            msg->espera(QStringLiteral("ATENÇÃO! Se você tiver o programa aberto"))
                .espera(QStringLiteral("Programa será fechado agora"));
            QTest::mouseClick(login->LabelRestore, Qt::LeftButton);
        });
        msg->esperaSair(3);
        QVERIFY(fp->close());
        QVERIFY(Aplicacao::programaEncerrado());
        QVERIFY(fp->atualizacaoSilenciosaIniciada());
        QCOMPARE(plat->chamadasDe(QStringLiteral("iniciaPrograma")).size(), 1);
    }

    void bancoAntigoNoLogin()
    {
        // A database of an older release, without the notice-board flag: the login gives the
        // three messages and the main window goes on with what it had.
        preparaConta(QStringLiteral("ANA"), QString(), QString());
        executa(QStringLiteral("ALTER TABLE USUARIOSPERMISSOES DROP PUS_QUADRO_AVISOS"));
        quandoLoginPronto([this](TfLogin *login) {
            msg->espera(QStringLiteral("Ops! Parece que você está com um banco de dados antigo."))
                .espera(QStringLiteral("Baixe novamente o instalador e reinstale o programa."))
                .espera(QStringLiteral("Faça isso no servidor, OK?"));
            QTest::keyClicks(login->EditUsuario, QStringLiteral("ANA"));
            tecla(Qt::Key_Return);
            tecla(Qt::Key_Return);
        });
        fp->mostraLogin();
        QCOMPARE(msg->registradas.size(), 3);
        QCOMPARE(fp->PainelStatus[1]->text(), QStringLiteral("Usuário: ANA"));
        QVERIFY(!fp->PainelQuadroAvisos->isHidden());
    }

    void novoClienteDaColunaEsquerda_data()
    {
        QTest::addColumn<bool>("podeEditar");
        QTest::newRow("sem direito de editar clientes") << false;
        QTest::newRow("janela já incluindo") << true;
    }
    void novoClienteDaColunaEsquerda()
    {
        QFETCH(bool, podeEditar);
        preparaConta(QStringLiteral("ANA"), QString(), QString(),
                     podeEditar ? QStringList() : QStringList{QStringLiteral("PUS_CLIENTES_E")});
        dm->CodUsuarioLogado = 1;
        dm->NomeUsuarioLogado = QStringLiteral("ANA");
        fp->LiberaPermissoes();
        fp->atualizaDisponiveis();
        fp->show();

        QTest::mouseClick(fp->ButNovoCliente, Qt::LeftButton);
        auto *j = qobject_cast<TfCadastrosGerais *>(fp->janelaAberta(TipoJanela::CadastrosGerais));
        QVERIFY(j);
        if (!podeEditar) {
            QCOMPARE(j->modo(), int(JanelaCadastro::Normal));
            QVERIFY(!j->ButNovo->isEnabled());
        } else {
            QCOMPARE(j->modo(), int(JanelaCadastro::Inserindo));
            j->Edicao->EditNome->setFocus();
            digita(j->Edicao->EditNome, QStringLiteral("MEIO DIGITA"));
            // A second press while the record is being typed does nothing.
            QTest::mouseClick(fp->ButNovoCliente, Qt::LeftButton);
            QCOMPARE(j->modo(), int(JanelaCadastro::Inserindo));
            QCOMPARE(j->Edicao->EditNome->text(), QStringLiteral("MEIO DIGITA"));
        }
        QCOMPARE(conta(QStringLiteral("SELECT COUNT(*) FROM CADASTROS")), 0);
        j->ButCancelar->click();
    }
};

PN_TESTE_JANELAS(TesteUsuario)
#include "test_usuario.moc"
