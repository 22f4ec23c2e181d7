#include "CompatibilidadeXP.h"

#include "Registro.h"

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#endif

namespace CompatibilidadeXP {

#ifdef Q_OS_WIN
// The value name holds backslashes, which QSettings reads as sub keys: the registry API is used.
namespace {
HKEY abreChave()
{
    HKEY h = nullptr;
    const std::wstring chave = Chave.toStdWString();
    if (RegCreateKeyExW(HKEY_CURRENT_USER, chave.c_str(), 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr, &h, nullptr)
        != ERROR_SUCCESS)
        return nullptr;
    return h;
}
} // namespace

QString le()
{
    HKEY h = abreChave();
    if (!h) return {};
    wchar_t buffer[256] = {};
    DWORD tamanho = sizeof buffer - sizeof(wchar_t), tipo = 0;
    const std::wstring nome = NomeValor.toStdWString();
    const bool ok = RegQueryValueExW(h, nome.c_str(), nullptr, &tipo, reinterpret_cast<BYTE *>(buffer), &tamanho)
                    == ERROR_SUCCESS && tipo == REG_SZ;
    RegCloseKey(h);
    return ok ? QString::fromWCharArray(buffer) : QString();
}

bool existe()
{
    HKEY h = abreChave();
    if (!h) return false;
    const std::wstring nome = NomeValor.toStdWString();
    const bool ok = RegQueryValueExW(h, nome.c_str(), nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
    RegCloseKey(h);
    return ok;
}

void escreve(const QString &valor)
{
    HKEY h = abreChave();
    if (!h) return;
    const std::wstring nome = NomeValor.toStdWString(), dado = valor.toStdWString();
    RegSetValueExW(h, nome.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE *>(dado.c_str()),
                   DWORD((dado.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(h);
}
#else
namespace {
std::unique_ptr<QSettings> abre()
{
    const QString arquivo = Registro::local(Chave);
    QDir().mkpath(QFileInfo(arquivo).absolutePath());
    return std::make_unique<QSettings>(arquivo, QSettings::IniFormat);
}
} // namespace

QString le() { return abre()->value(NomeValor).toString(); }
bool existe() { return abre()->contains(NomeValor); }

void escreve(const QString &valor)
{
    auto s = abre();
    s->setValue(NomeValor, valor);
    s->sync();
}
#endif

} // namespace CompatibilidadeXP
