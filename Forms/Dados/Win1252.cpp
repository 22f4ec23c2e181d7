#include "Win1252.h"

#include <QHash>

namespace {

// 0x80..0x9F; 0 where the code page leaves the byte undefined (mapped to the same code point).
const char16_t kAltos[32] = {
    0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0, 0x017D, 0,
    0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178,
};

const QHash<char16_t, char> &inversos()
{
    static const QHash<char16_t, char> h = [] {
        QHash<char16_t, char> r;
        for (int i = 0; i < 32; ++i)
            if (kAltos[i]) r.insert(kAltos[i], char(0x80 + i));
        return r;
    }();
    return h;
}

} // namespace

QByteArray Win1252::codifica(const QString &texto)
{
    QByteArray r;
    r.resize(texto.size());
    char *p = r.data();
    for (QChar c : texto) {
        const char16_t u = c.unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) *p++ = char(u);
        else if (u >= 0x80 && u < 0xA0 && !kAltos[u - 0x80]) *p++ = char(u);
        else *p++ = inversos().value(u, '?');
    }
    return r;
}

QString Win1252::decodifica(const char *dados, qsizetype tamanho)
{
    QString r(tamanho, Qt::Uninitialized);
    QChar *p = r.data();
    for (qsizetype i = 0; i < tamanho; ++i) {
        const unsigned char b = static_cast<unsigned char>(dados[i]);
        p[i] = (b >= 0x80 && b < 0xA0 && kAltos[b - 0x80]) ? QChar(kAltos[b - 0x80]) : QChar(b);
    }
    return r;
}
