#pragma once
// Windows-1252 text, the character set of every connection.

#include <QByteArray>
#include <QString>

namespace Win1252 {
QByteArray codifica(const QString &texto); // characters outside the set become '?'
QString decodifica(const char *dados, qsizetype tamanho);
inline QString decodifica(const QByteArray &b) { return decodifica(b.constData(), b.size()); }
} // namespace Win1252
