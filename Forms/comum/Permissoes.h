#pragma once
// The logged-in user's rights, read from the permission record of the data module
// (QryLiberaPermissoes, opened by the main window at login). A flag grants only when it holds
// exactly "T": null, empty, "F" and a column the database lacks all refuse.
//
// Two kinds of check: a window check (`janela`), made once when a window opens, never
// restricts the MASTER login; a click check (`concede`), made each time a menu item or image is
// used, is the plain comparison, so it refuses MASTER, which has no record.

#include <QString>

namespace Permissoes {
// The reserved MASTER login is logged in.
bool master();
// Click check: the flag ("PUS_LOCALIDADES_V") of the logged-in user's record is "T".
bool concede(const QString &flag);
// Window check: MASTER passes; anyone else needs the flag.
bool janela(const QString &flag);
// The flag of an area and action: flag("CLIENTES", 'E') is "PUS_CLIENTES_E".
QString flag(const QString &area, char acao);
} // namespace Permissoes
