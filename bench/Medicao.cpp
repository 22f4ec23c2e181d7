#include "Medicao.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>

QList<double> Medicao::tempoMotor(const QString &arquivo, const QStringList &sql)
{
    QTemporaryDir dir;
    QFile script(dir.filePath(QStringLiteral("medida.sql")));
    if (!script.open(QIODevice::WriteOnly)) return {};
    {
        QTextStream s(&script);
        s.setEncoding(QStringConverter::Latin1);
        s << "SET STATS ON;\nSET HEADING OFF;\n";
        for (const QString &c : sql) s << c << ";\n";
    }
    script.close();
    QProcess isql;
    isql.setProgram(QStringLiteral("isql-fb"));
    isql.setArguments({QStringLiteral("-user"), QStringLiteral("SYSDBA"), QStringLiteral("-ch"), QStringLiteral("WIN1252"),
                       QStringLiteral("-i"), script.fileName(), QStringLiteral("-o"), dir.filePath(QStringLiteral("saida.txt")),
                       arquivo});
    isql.setProcessChannelMode(QProcess::MergedChannels); // the statistics; the rows go to the -o file
    isql.start();
    if (!isql.waitForFinished(600000) || isql.exitCode() != 0) {
        QTextStream(stderr) << "isql-fb: " << isql.readAll() << '\n';
        return {};
    }
    QList<double> tempos;
    static const QRegularExpression re(QStringLiteral("^Elapsed time\\s*=\\s*([0-9.]+) sec"));
    for (const QByteArray &l : isql.readAll().split('\n')) {
        const auto m = re.match(QString::fromLatin1(l).trimmed());
        if (m.hasMatch()) tempos << m.captured(1).toDouble() * 1000.0;
    }
    return tempos;
}

double Medicao::memoriaMiB()
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray &l : f.readAll().split('\n')) // /proc files report no size: read them whole
        if (l.startsWith("VmRSS:")) return l.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    return 0;
}

double Medicao::mediana(QList<double> v)
{
    if (v.isEmpty()) return 0;
    std::sort(v.begin(), v.end());
    return v.size() % 2 ? v.at(v.size() / 2) : (v.at(v.size() / 2 - 1) + v.at(v.size() / 2)) / 2;
}

QString Medicao::linha(const QString &nome, double programa, double motor)
{
    return QStringLiteral("%1: programa %2 ms, motor %3 ms, razão %4")
        .arg(nome)
        .arg(programa, 0, 'f', 1)
        .arg(motor, 0, 'f', 1)
        .arg(motor > 0 ? programa / motor : 0, 0, 'f', 2);
}
