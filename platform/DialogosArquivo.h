#pragma once
// File dialogs of PlataformaSistema (rules in Plataforma.h).

#include <QString>

namespace Dialogos {

// The filter in Qt's form. "desc|patterns|desc|patterns" (patterns separated by ';') becomes
// "desc (patterns);;..."; every "*.ext" pattern also gets its upper- or lower-case twin, since
// file names on Linux keep their case ("BD.FDB"). A filter without '|' is kept as it is.
QString filtro(const QString &filtro);

QString abrir(const QString &titulo, const QString &pasta, const QString &filtro);
QString salvar(const QString &titulo, const QString &pasta, const QString &filtro, const QString &sufixoPadrao);
QString pasta(const QString &titulo, const QString &pasta);

} // namespace Dialogos
