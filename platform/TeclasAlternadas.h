#pragma once
// Toggle keys read from the keyboard LEDs the kernel exposes (/sys/class/leds/inputN::capslock).
// The LEDs follow the console's keyboard state; without such a LED the state is unknown (false).

#include <QString>

namespace Teclas {

constexpr int CapsLock = 0x14;   // VK_CAPITAL
constexpr int NumLock = 0x90;    // VK_NUMLOCK
constexpr int ScrollLock = 0x91; // VK_SCROLL

// True when a LED of the key under `pastaLeds` is lit.
bool alternada(int codigoVirtual, const QString &pastaLeds = QStringLiteral("/sys/class/leds"));

} // namespace Teclas
