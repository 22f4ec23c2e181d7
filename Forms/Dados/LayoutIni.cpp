#include "LayoutIni.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTextStream>

namespace {

QString g_pasta;

// A plain INI reader/writer: QSettings would quote and reorder what other tools wrote.
QList<QPair<QString, QList<QPair<QString, QString>>>> le()
{
    QList<QPair<QString, QList<QPair<QString, QString>>>> secoes;
    QFile f(LayoutIni::arquivo());
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) return secoes;
    QTextStream in(&f);
    while (!in.atEnd()) {
        const QString linha = in.readLine().trimmed();
        if (linha.startsWith(QLatin1Char('[')) && linha.endsWith(QLatin1Char(']'))) {
            secoes.append({linha.mid(1, linha.size() - 2), {}});
        } else if (linha.contains(QLatin1Char('=')) && !secoes.isEmpty()) {
            const qsizetype i = linha.indexOf(QLatin1Char('='));
            secoes.last().second.append({linha.left(i).trimmed(), linha.mid(i + 1).trimmed()});
        }
    }
    return secoes;
}

} // namespace

QString LayoutIni::arquivo()
{
    const QString pasta = g_pasta.isEmpty() ? QCoreApplication::applicationDirPath() : g_pasta;
    return QDir(pasta).filePath(QStringLiteral("Layout.ini"));
}

void LayoutIni::definePasta(const QString &pasta) { g_pasta = pasta; }

void LayoutIni::escreveExibeTodosAbrir(const QString &secao, bool exibe)
{
    auto secoes = le();
    const QString chave = QStringLiteral("ExibeTodosAbrir");
    const QString valor = exibe ? QStringLiteral("1") : QStringLiteral("0");
    bool feito = false;
    for (auto &s : secoes) {
        if (s.first.compare(secao, Qt::CaseInsensitive) != 0) continue;
        for (auto &kv : s.second)
            if (kv.first.compare(chave, Qt::CaseInsensitive) == 0) { kv.second = valor; feito = true; }
        if (!feito) { s.second.append({chave, valor}); feito = true; }
    }
    if (!feito) secoes.append({secao, {{chave, valor}}});
    QFile f(arquivo());
    if (!f.open(QIODevice::WriteOnly | QIODevice::Text | QIODevice::Truncate)) return;
    QTextStream out(&f);
    for (const auto &s : secoes) {
        out << '[' << s.first << "]\n";
        for (const auto &kv : s.second) out << kv.first << '=' << kv.second << '\n';
        out << '\n';
    }
}

bool LayoutIni::leExibeTodosAbrir(const QString &secao, bool padrao)
{
    for (const auto &s : le())
        if (s.first.compare(secao, Qt::CaseInsensitive) == 0)
            for (const auto &kv : s.second)
                if (kv.first.compare(QStringLiteral("ExibeTodosAbrir"), Qt::CaseInsensitive) == 0)
                    return kv.second == QLatin1String("1") || kv.second.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0;
    return padrao;
}
