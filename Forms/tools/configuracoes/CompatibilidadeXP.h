#pragma once
// The operating system's compatibility layer for the program: the string named by the fixed
// program path "C:\Brelo\Prontanota\PRONTANOTA.exe" under the current user's key
// "Software\Microsoft\Windows NT\CurrentVersion\AppCompatFlags\Layers"; "WINXPSP3" turns the
// Windows XP SP3 layer on, an empty string turns it off.
//
// On Windows it is the registry value itself. Elsewhere the value lives in the settings store
// under the same key path, in its own file (Registro::local of the key, e.g.
// ~/.config/Microsoft/Windows NT/CurrentVersion/AppCompatFlags/Layers.ini); nothing reads it there.

#include <QString>

namespace CompatibilidadeXP {
inline const QString Chave = QStringLiteral("Software\\Microsoft\\Windows NT\\CurrentVersion\\AppCompatFlags\\Layers");
inline const QString NomeValor = QStringLiteral("C:\\Brelo\\Prontanota\\PRONTANOTA.exe");
inline const QString Ligado = QStringLiteral("WINXPSP3");

// The stored value; empty when there is none.
QString le();
// Writes the value (an empty string is written, not deleted).
void escreve(const QString &valor);
// Whether the value exists at all (written once, even empty).
bool existe();
} // namespace CompatibilidadeXP
