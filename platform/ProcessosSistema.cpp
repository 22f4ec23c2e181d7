#include "ProcessosSistema.h"

#include "ArquivosSistema.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include <csignal>
#include <unistd.h>

namespace {

// The kernel keeps at most this many characters of a process's short name.
constexpr int TamanhoNomeCurto = 15;

QByteArray le(const QString &arquivo)
{
    QFile f(arquivo);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool soDigitos(const QString &texto)
{
    if (texto.isEmpty()) return false;
    for (const QChar c : texto)
        if (!c.isDigit()) return false;
    return true;
}

QString nomeDoProcesso(const QString &pasta)
{
    QString curto = QString::fromLocal8Bit(le(pasta + QStringLiteral("/comm")));
    if (curto.endsWith(QLatin1Char('\n'))) curto.chop(1);
    const QByteArray linha = le(pasta + QStringLiteral("/cmdline"));
    const QString arg0 = QString::fromLocal8Bit(linha.left(linha.indexOf('\0')));
    const QString arquivo = arg0.mid(arg0.lastIndexOf(QLatin1Char('/')) + 1);
    if (curto.isEmpty()) return arquivo;
    if (curto.size() >= TamanhoNomeCurto && arquivo.startsWith(curto)) return arquivo;
    return curto;
}

} // namespace

namespace Processos {

QStringList lista(const QString &pastaProc)
{
    QStringList nomes;
    const QDir proc(pastaProc);
    for (const QString &pid : proc.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (!soDigitos(pid)) continue;
        const QString nome = nomeDoProcesso(proc.filePath(pid)); // empty when it just ended
        if (!nome.isEmpty()) nomes.append(nome);
    }
    nomes.removeDuplicates();
    return nomes;
}

Execucao executa(const QString &programa, const QStringList &argumentos, int tempoLimiteMs,
                 const QString &pastaTrabalho)
{
    Execucao r;
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.setStandardInputFile(QProcess::nullDevice());
    if (!pastaTrabalho.isEmpty()) p.setWorkingDirectory(pastaTrabalho);
    // Its own process group, so that a time-out also ends what it started.
    p.setChildProcessModifier([] { ::setpgid(0, 0); });
    const QDeadlineTimer prazo(tempoLimiteMs);
    p.start(programa, argumentos);
    if (!p.waitForStarted(int(prazo.remainingTime()))) {
        r.saida = p.errorString();
        return r;
    }
    r.iniciou = true;
    if (!p.waitForFinished(int(qMax<qint64>(0, prazo.remainingTime())))) {
        ::kill(-pid_t(p.processId()), SIGKILL);
        p.kill();
        p.waitForFinished(1000);
        r.saida = QString::fromLocal8Bit(p.readAll());
        return r;
    }
    r.saida = QString::fromLocal8Bit(p.readAll());
    r.terminou = p.exitStatus() == QProcess::NormalExit;
    r.codigo = r.terminou ? p.exitCode() : -1;
    return r;
}

QString localizaExecutavel(const QString &programa)
{
    const QString p = Arquivos::caminhoLocal(programa);
    if (p.isEmpty()) return {};
    const bool exe = p.endsWith(QStringLiteral(".exe"), Qt::CaseInsensitive);
    if (!p.contains(QLatin1Char('/'))) {
        const QString achado = QStandardPaths::findExecutable(p);
        if (!achado.isEmpty() || !exe) return achado;
        return QStandardPaths::findExecutable(p.chopped(4).toLower());
    }
    const QFileInfo fi(p);
    if (fi.isFile() && fi.isExecutable()) return fi.absoluteFilePath();
    if (!exe) return {};
    const QString base = fi.fileName().chopped(4);
    const QFileInfoList candidatos = fi.dir().entryInfoList(QDir::Files | QDir::Executable);
    for (const QFileInfo &c : candidatos)
        if (c.fileName().compare(base, Qt::CaseInsensitive) == 0) return c.absoluteFilePath();
    return {};
}

} // namespace Processos
