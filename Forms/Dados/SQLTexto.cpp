#include "SQLTexto.h"

namespace {
bool inicioNome(QChar c) { return c.isLetter() || c == QLatin1Char('_'); }
bool parteNome(QChar c) { return c.isLetterOrNumber() || c == QLatin1Char('_') || c == QLatin1Char('$'); }
} // namespace

SQLPosicional traduzParametros(const QString &sql)
{
    SQLPosicional r;
    r.sql.reserve(sql.size());
    const qsizetype n = sql.size();
    qsizetype i = 0;
    while (i < n) {
        const QChar c = sql.at(i);
        if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            // literal or quoted identifier; a doubled quote stays inside
            qsizetype j = i + 1;
            while (j < n) {
                if (sql.at(j) == c) {
                    if (j + 1 < n && sql.at(j + 1) == c) { j += 2; continue; }
                    break;
                }
                ++j;
            }
            r.sql += QStringView(sql).mid(i, qMin(j + 1, n) - i);
            i = j + 1;
        } else if (c == QLatin1Char('-') && i + 1 < n && sql.at(i + 1) == QLatin1Char('-')) {
            qsizetype j = sql.indexOf(QLatin1Char('\n'), i);
            if (j < 0) j = n;
            r.sql += QStringView(sql).mid(i, j - i);
            i = j;
        } else if (c == QLatin1Char('/') && i + 1 < n && sql.at(i + 1) == QLatin1Char('*')) {
            qsizetype j = sql.indexOf(QStringLiteral("*/"), i + 2);
            j = j < 0 ? n : j + 2;
            r.sql += QStringView(sql).mid(i, j - i);
            i = j;
        } else if (c == QLatin1Char(':') && i + 1 < n && inicioNome(sql.at(i + 1))) {
            qsizetype j = i + 1;
            while (j < n && parteNome(sql.at(j))) ++j;
            r.nomes.append(sql.mid(i + 1, j - i - 1).toUpper());
            r.sql += QLatin1Char('?');
            i = j;
        } else {
            r.sql += c;
            ++i;
        }
    }
    return r;
}
