#include "Caminhos.h"

#include <QDir>

QString Caminhos::base()
{
    const QString b = qEnvironmentVariable("PRONTANOTA_BASE");
    return QDir::cleanPath(b.isEmpty() ? QDir::homePath() + QStringLiteral("/Brelo") : b);
}

QString Caminhos::deWindows(const QString &caminho)
{
#ifdef Q_OS_WIN
    return caminho;
#else
    static const QString prefixo = QStringLiteral("C:\\Brelo");
    if (!caminho.startsWith(prefixo, Qt::CaseInsensitive)) return caminho;
    QString resto = caminho.mid(prefixo.size());
    resto.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return base() + resto;
#endif
}

QString Caminhos::comSeparador(const QString &pasta)
{
    const QChar sep = QDir::separator();
    if (pasta.isEmpty() || pasta.endsWith(sep) || pasta.endsWith(QLatin1Char('/'))) return pasta;
    return pasta + sep;
}
