#include "FormatoData.h"

#include <QLocale>
#include <QString>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

void AjustaFormatoDataCurta()
{
    const QString formato = QString::fromLatin1(FormatoDataCurta);
#ifdef Q_OS_WIN
    wchar_t atual[80] = {};
    GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, atual, 80);
    if (QString::fromWCharArray(atual) != formato) {
        SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, reinterpret_cast<LPCWSTR>(formato.utf16()));
        SendMessageTimeoutW(HWND_BROADCAST, WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>(L"intl"),
                            SMTO_ABORTIFHUNG, 1000, nullptr);
    }
#endif
    if (QLocale().dateFormat(QLocale::ShortFormat) != formato)
        QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
}
