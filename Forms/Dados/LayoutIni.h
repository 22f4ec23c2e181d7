#pragma once
// Layout.ini beside the running program: per-window choices of the list windows.

#include <QString>

namespace LayoutIni {
QString arquivo();
void definePasta(const QString &pasta); // tests; default: folder of the running program
// "ExibeTodosAbrir" of a window's section ("CIDADES", "CADASTROS", ...).
void escreveExibeTodosAbrir(const QString &secao, bool exibe);
bool leExibeTodosAbrir(const QString &secao, bool padrao);
} // namespace LayoutIni
