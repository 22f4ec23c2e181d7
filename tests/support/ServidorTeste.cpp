#include "ServidorTeste.h"

#include "BancoDados.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHostAddress>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

#include <csignal>
#include <sys/prctl.h>
#include <sys/types.h>

namespace {

// The Firebird 3 installation of Debian: root folder (plugins, intl, messages) and executables.
QString raizInstalacao()
{
    for (const QString &r : {QStringLiteral("/usr/lib/x86_64-linux-gnu/firebird/3.0"), QStringLiteral("/usr/lib/aarch64-linux-gnu/firebird/3.0"),
                             QStringLiteral("/usr/lib/firebird/3.0"), QStringLiteral("/opt/firebird")})
        if (QFileInfo::exists(r + QStringLiteral("/plugins"))) return r;
    return {};
}

QString executavel(const QStringList &caminhos)
{
    for (const QString &c : caminhos)
        if (QFileInfo(c).isExecutable()) return c;
    return {};
}

int portaLivre(const QString &endereco)
{
    QTcpServer s;
    if (!s.listen(QHostAddress(endereco), 0)) return 0;
    return s.serverPort();
}

bool escreve(const QString &arquivo, const QString &texto)
{
    QFile f(arquivo);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    f.write(texto.toUtf8());
    return true;
}

} // namespace

ServidorTeste::ServidorTeste(QString endereco) : endereco_(std::move(endereco)) {}

ServidorTeste::~ServidorTeste() { para(); }

QString ServidorTeste::nomeBanco(const QString &arquivo) const
{
    return QStringLiteral("%1/%2:%3").arg(endereco_).arg(porta_).arg(arquivo);
}

bool ServidorTeste::inicia()
{
    const QString raizFb = raizInstalacao();
    const QString servidor = executavel({QStringLiteral("/usr/sbin/firebird"), raizFb + QStringLiteral("/bin/firebird")});
    if (raizFb.isEmpty() || servidor.isEmpty()) {
        erro_ = QStringLiteral("O servidor Firebird não está instalado (pacote firebird3.0-server; `make test` o instala).");
        return false;
    }
    if (!raiz_.isValid()) {
        erro_ = QStringLiteral("Não foi possível criar a pasta temporária do servidor.");
        return false;
    }
    if (!prepara(servidor, raizFb)) return false;
    return true;
}

bool ServidorTeste::prepara(const QString &servidor, const QString &raizFb)
{
    const QString r = raiz_.path();
    for (const char *item : {"plugins", "UDF", "firebird.msg", "lib"})
        if (QFileInfo::exists(raizFb + QLatin1Char('/') + QLatin1String(item)))
            QFile::link(raizFb + QLatin1Char('/') + QLatin1String(item), r + QLatin1Char('/') + QLatin1String(item));
    // The character sets: the server loads them only from a real intl folder of its root.
    QDir(r).mkdir(QStringLiteral("intl"));
    for (const char *item : {"fbintl.conf", "libfbintl.so"})
        QFile::copy(QFileInfo(raizFb + QStringLiteral("/intl/") + QLatin1String(item)).canonicalFilePath(),
                    r + QStringLiteral("/intl/") + QLatin1String(item));
    QDir(r).mkdir(QStringLiteral("lock"));
    porta_ = portaLivre(endereco_);
    if (porta_ == 0) {
        erro_ = QStringLiteral("Nenhuma porta livre em 127.0.0.1.");
        return false;
    }
    const QString seguranca = r + QStringLiteral("/security3.fdb");
    if (!escreve(r + QStringLiteral("/firebird.conf"),
                 QStringLiteral("RemoteServicePort = %1\nRemoteBindAddress = %2\nServerMode = Super\n"
                                "SecurityDatabase = %3\n")
                     .arg(porta_)
                     .arg(endereco_, seguranca))
        || !escreve(r + QStringLiteral("/databases.conf"), QStringLiteral("security.db = %1\n").arg(seguranca))
        || !escreve(r + QStringLiteral("/plugins.conf"), QString())) {
        erro_ = QStringLiteral("Não foi possível escrever a configuração do servidor.");
        return false;
    }

    QProcessEnvironment amb = QProcessEnvironment::systemEnvironment();
    amb.insert(QStringLiteral("FIREBIRD"), r);
    amb.insert(QStringLiteral("FIREBIRD_LOCK"), r + QStringLiteral("/lock"));

    // The security database, created by isql run with this root, never the system's.
    const QString isql = executavel({QStandardPaths::findExecutable(QStringLiteral("isql-fb")),
                                     QStandardPaths::findExecutable(QStringLiteral("isql")), raizFb + QStringLiteral("/bin/isql")});
    if (isql.isEmpty()) {
        erro_ = QStringLiteral("isql-fb não encontrado (pacote firebird3.0-utils; `make test` o instala).");
        return false;
    }
    const QString senha = BancoDados::parametrosPadrao().filter(QStringLiteral("password=")).value(0).section(QLatin1Char('='), 1);
    QProcess criacao;
    criacao.setProcessEnvironment(amb);
    criacao.setProcessChannelMode(QProcess::MergedChannels);
    criacao.start(isql, {QStringLiteral("-q"), QStringLiteral("-user"), QStringLiteral("SYSDBA")});
    criacao.write(QStringLiteral("create database '%1';\ncreate user SYSDBA password '%2';\ncommit;\nexit;\n")
                      .arg(seguranca, senha)
                      .toUtf8());
    criacao.closeWriteChannel();
    if (!criacao.waitForFinished(30000) || criacao.exitCode() != 0 || !QFileInfo::exists(seguranca)) {
        erro_ = QStringLiteral("Falha ao criar a base de segurança do servidor: ") + QString::fromLocal8Bit(criacao.readAll());
        return false;
    }

    processo_.setProcessEnvironment(amb);
    processo_.setProcessChannelMode(QProcess::MergedChannels);
    processo_.setWorkingDirectory(r);
    // The server goes with the test process, also when that one crashes.
    processo_.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
    processo_.start(servidor, {});
    if (!processo_.waitForStarted(10000) || !aguardaPorta(15000)) {
        erro_ = QStringLiteral("O servidor Firebird não começou a atender na porta %1: ").arg(porta_)
                + QString::fromLocal8Bit(processo_.readAll());
        para();
        return false;
    }
    return true;
}

bool ServidorTeste::aguardaPorta(int limiteMs)
{
    const QDeadlineTimer prazo(limiteMs);
    while (!prazo.hasExpired()) {
        if (processo_.state() != QProcess::Running) return false;
        QTcpSocket s;
        s.connectToHost(QHostAddress(endereco_), quint16(porta_));
        if (s.waitForConnected(200)) return true;
        QThread::msleep(100);
    }
    return false;
}

void ServidorTeste::para()
{
    if (processo_.state() != QProcess::NotRunning) {
        // Its databases are temporary: nothing to shut down in order.
        processo_.kill();
        processo_.waitForFinished(5000);
    }
    // Any process still running with this root (the server's own children, if any).
    if (!raiz_.isValid()) return;
    const QByteArray marca = "FIREBIRD=" + QFile::encodeName(raiz_.path());
    for (const QString &pid : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        bool numero = false;
        const qint64 id = pid.toLongLong(&numero);
        if (!numero) continue;
        QFile ambiente(QStringLiteral("/proc/%1/environ").arg(pid));
        if (!ambiente.open(QIODevice::ReadOnly)) continue;
        if (ambiente.readAll().split('\0').contains(marca)) ::kill(pid_t(id), SIGKILL);
    }
}
