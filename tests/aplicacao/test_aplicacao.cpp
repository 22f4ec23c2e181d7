// The application as a whole: errors no window handles, and the end the operating system asks for.

#include "AplicacaoProntanota.h"
#include "BancoDados.h"
#include "Dados.h"
#include "ErroBD.h"
#include "InstalacaoTeste.h"
#include "MensagensRoteiro.h"
#include "PlataformaGravadora.h"
#include "Registro.h"
#include "RelogioFixo.h"
#include "TesteJanelas.h"
#include "TfCidades.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include <csignal>
#include <stdexcept>

class TesteAplicacao : public QObject {
    Q_OBJECT

    std::unique_ptr<InstalacaoTeste> inst;
    std::unique_ptr<RelogioFixo> relogio;
    std::unique_ptr<MensagensRoteiro> msg;
    std::unique_ptr<PlataformaGravadora> plat;

    void verificaMensagens()
    {
        QString porque;
        QVERIFY2(msg->verificaFim(&porque), qPrintable(porque));
    }

    // Whether process `pid` holds the database file open.
    bool bancoAberto(qint64 pid) const
    {
        const QString banco = QFileInfo(inst->banco()).canonicalFilePath();
        const QDir fds(QStringLiteral("/proc/%1/fd").arg(pid));
        for (const QFileInfo &fd : fds.entryInfoList(QDir::Files | QDir::System | QDir::NoDotAndDotDot))
            if (fd.symLinkTarget() == banco) return true;
        return false;
    }

private Q_SLOTS:
    void init()
    {
        inst = std::make_unique<InstalacaoTeste>();
        relogio = std::make_unique<RelogioFixo>();
        msg = std::make_unique<MensagensRoteiro>();
        plat = std::make_unique<PlataformaGravadora>();
    }
    void cleanup()
    {
        plat.reset();
        msg.reset();
        relogio.reset();
        inst.reset();
    }

    void erroSemTratamento_data()
    {
        QTest::addColumn<bool>("doBanco");
        QTest::addColumn<bool>("temporizador");
        QTest::newRow("do banco, num clique") << true << false;
        QTest::newRow("do banco, num temporizador") << true << true;
        QTest::newRow("outra exceção, num clique") << false << false;
    }
    void erroSemTratamento()
    {
        // An error that leaves an event reaches the user as its message; the next events go on.
        QFETCH(bool, doBanco);
        QFETCH(bool, temporizador);
        const auto falha = [doBanco] {
            if (doBanco) throw ErroBD(QStringLiteral("lock conflict on no wait transaction"));
            throw std::runtime_error("falha inesperada");
        };
        QPushButton botao;
        QObject::connect(&botao, &QPushButton::clicked, &botao, falha);
        botao.show();
        msg->espera(doBanco ? QStringLiteral("lock conflict on no wait transaction") : QStringLiteral("falha inesperada"));
        if (temporizador) {
            QTimer::singleShot(0, &botao, falha);
            QTest::qWait(20);
        } else {
            QTest::mouseClick(&botao, Qt::LeftButton);
        }
        QCOMPARE(msg->registradas.size(), 1);
        QCOMPARE(msg->registradas.first().icone, Icone::Erro);
        QCOMPARE(msg->registradas.first().titulo, Mensagens::tituloAplicacao());
        bool seguiu = false;
        QTimer::singleShot(0, &botao, [&] { seguiu = true; });
        QTRY_VERIFY(seguiu);
        verificaMensagens();
    }

    void janelaSobreviveConexaoPerdida()
    {
        auto dm = inst->conectaComoMaster();
        dm->DataBase.executa(QStringLiteral("INSERT INTO CIDADES (CD_CODIGO, CD_NOME, CD_UF, CD_EXIBIR) VALUES (90, 'LINS', 'SP', 'T')"));
        auto j = std::make_unique<TfCidades>();
        j->setAttribute(Qt::WA_DeleteOnClose, false);
        j->show();
        QVERIFY(QTest::qWaitForWindowExposed(j.get()));
        const QString contador = j->LabelRegistros->text();

        // The database ends this window's connection (as a server restart or an administrator would).
        {
            BancoDados outro;
            outro.parametros = BancoDados::parametrosPadrao();
            outro.nome = dm->DataBase.nome;
            outro.conecta();
            outro.executa(QStringLiteral("DELETE FROM MON$ATTACHMENTS WHERE MON$ATTACHMENT_ID <> CURRENT_CONNECTION"));
            outro.desconecta();
        }

        msg->espera(QStringLiteral("connection"));
        QTest::mouseClick(j->ButBuscar, Qt::LeftButton);
        QCOMPARE(msg->registradas.size(), 1);
        QCOMPARE(msg->registradas.first().icone, Icone::Erro);
        // The window is still there and still answers.
        QVERIFY(j->isVisible());
        QCOMPARE(j->modo(), int(JanelaCadastro::Normal));
        msg->espera(QStringLiteral("connection"));
        QTest::keyClick(j.get(), Qt::Key_F5);
        QCOMPARE(msg->registradas.size(), 2);
        QVERIFY(j->isVisible());
        QVERIFY(!contador.isEmpty());
        j.reset();
        dm.reset();
        verificaMensagens();
    }

    void terminoPeloSistema_data()
    {
        QTest::addColumn<int>("sinal");
        QTest::newRow("SIGTERM") << int(SIGTERM);
        QTest::newRow("SIGINT") << int(SIGINT);
    }
    void terminoPeloSistema()
    {
#ifndef Q_OS_LINUX
        QSKIP("reads the process's open files from /proc");
#else
        // The real program on this installation, started from another folder, with its login
        // window up and the embedded database attached.
        QFETCH(int, sinal);
        Registro::escreveTexto(QStringLiteral("RecenteInstal"), QStringLiteral("N"));
        QProcess programa;
        QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
        ambiente.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        programa.setProcessEnvironment(ambiente);
        programa.setWorkingDirectory(inst->raiz());
        programa.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        programa.start(QStringLiteral(PN_PRONTANOTA), {});
        QVERIFY(programa.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(bancoAberto(programa.processId()), 20000);
        QTest::qWait(200); // the login window has its settings loaded by now

        QElapsedTimer tempo;
        tempo.start();
        ::kill(pid_t(programa.processId()), sinal);
        const bool terminou = programa.waitForFinished(5000);
        if (!terminou) programa.kill();
        QVERIFY2(terminou, "the program did not end within 5 s");
        qInfo("ended %lld ms after the signal", tempo.elapsed());
        QCOMPARE(programa.exitStatus(), QProcess::NormalExit);
        QCOMPARE(programa.exitCode(), 0);

        // Detached: this process can open the database now.
        auto dm = inst->conectaDados();
        QVERIFY(dm->DataBase.conectado());
#endif
    }
};

PN_TESTE_JANELAS(TesteAplicacao)
#include "test_aplicacao.moc"
