#pragma once
// The whole system shows and reads dates as dd/MM/yyyy.
//
// On Windows the user's short date format is set to "dd/MM/yyyy" in the regional settings when
// it differs, and the change is broadcast to every window. On every system the program's
// default QLocale is switched to Brazilian Portuguese (short date format "dd/MM/yyyy") when
// its short date format differs, so dates formatted with QLocale() agree with the rest.

inline constexpr const char *FormatoDataCurta = "dd/MM/yyyy";

void AjustaFormatoDataCurta();
