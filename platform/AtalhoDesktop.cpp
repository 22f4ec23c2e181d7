#include "AtalhoDesktop.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace {

// Escapes of a desktop entry's string values.
QString valor(const QString &texto)
{
    QString r;
    for (const QChar c : texto) {
        switch (c.unicode()) {
        case '\\': r += QStringLiteral("\\\\"); break;
        case '\n': r += QStringLiteral("\\n"); break;
        case '\t': r += QStringLiteral("\\t"); break;
        case '\r': r += QStringLiteral("\\r"); break;
        default: r += c;
        }
    }
    if (r.startsWith(QLatin1Char(' '))) r.replace(0, 1, QStringLiteral("\\s"));
    return r;
}

// One argument of the Exec key: quoted when it holds a reserved character; '%' doubled
// so that it is not read as a field code.
QString argumentoExec(const QString &arg)
{
    static const QString reservados = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    bool cita = arg.isEmpty();
    for (const QChar c : arg)
        if (reservados.contains(c)) cita = true;
    QString r;
    for (const QChar c : arg) {
        if (cita && QStringLiteral("\"`$\\").contains(c)) r += QLatin1Char('\\');
        r += c;
    }
    r.replace(QLatin1Char('%'), QStringLiteral("%%"));
    return cita ? QLatin1Char('"') + r + QLatin1Char('"') : r;
}

} // namespace

namespace Atalhos {

QString nomeArquivo(const QString &nome)
{
    static const QString proibidos = QStringLiteral("/\\:*?\"<>|");
    QString r;
    for (const QChar c : nome)
        r += (c.unicode() < 0x20 || c.unicode() == 0x7f || proibidos.contains(c)) ? QLatin1Char('_') : c;
    while (r.startsWith(QLatin1Char('.')) || r.startsWith(QLatin1Char(' '))) r.remove(0, 1);
    r = r.trimmed();
    return (r.isEmpty() ? QStringLiteral("Atalho") : r) + QStringLiteral(".desktop");
}

QString conteudo(const QString &nome, const QString &programa, const QString &pastaTrabalho,
                 const QString &descricao)
{
    QString t = QStringLiteral("[Desktop Entry]\nType=Application\nVersion=1.0\n");
    t += QStringLiteral("Name=") + valor(nome) + QLatin1Char('\n');
    if (!descricao.isEmpty()) t += QStringLiteral("Comment=") + valor(descricao) + QLatin1Char('\n');
    t += QStringLiteral("Exec=") + valor(argumentoExec(programa)) + QLatin1Char('\n');
    if (!pastaTrabalho.isEmpty()) t += QStringLiteral("Path=") + valor(pastaTrabalho) + QLatin1Char('\n');
    t += QStringLiteral("Terminal=false\n");
    return t;
}

bool cria(const QString &pastaDesktop, const QString &nome, const QString &programa,
          const QString &pastaTrabalho, const QString &descricao)
{
    if (pastaDesktop.isEmpty() || programa.isEmpty() || !QDir().mkpath(pastaDesktop)) return false;
    const QString caminho = QDir(pastaDesktop).filePath(nomeArquivo(nome));
    QSaveFile arquivo(caminho);
    if (!arquivo.open(QIODevice::WriteOnly)) return false;
    arquivo.write(conteudo(nome, programa, pastaTrabalho, descricao).toUtf8());
    if (!arquivo.commit()) return false;
    return QFile::setPermissions(caminho, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup
                                              | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
}

} // namespace Atalhos
