#include "TeclasAlternadas.h"

#include <QDir>
#include <QFile>

namespace Teclas {

bool alternada(int codigoVirtual, const QString &pastaLeds)
{
    QString funcao;
    switch (codigoVirtual) {
    case CapsLock: funcao = QStringLiteral("capslock"); break;
    case NumLock: funcao = QStringLiteral("numlock"); break;
    case ScrollLock: funcao = QStringLiteral("scrolllock"); break;
    default: return false;
    }
    const QDir leds(pastaLeds);
    for (const QString &led : leds.entryList({QStringLiteral("*::") + funcao}, QDir::AllEntries | QDir::NoDotAndDotDot)) {
        QFile brilho(leds.filePath(led + QStringLiteral("/brightness")));
        if (brilho.open(QIODevice::ReadOnly) && brilho.readAll().trimmed().toInt() > 0) return true;
    }
    return false;
}

} // namespace Teclas
