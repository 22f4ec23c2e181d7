#pragma once
// Reads the report project file (JSON, see docs/relatorios.md) into report layouts.

#include "LayoutRelatorio.h"

#include <QByteArray>
#include <optional>

namespace LeitorRav {
// The reports of a project; nullopt when the text is not a valid project, with the reason in `erro`.
std::optional<QList<LayoutRelatorio>> le(const QByteArray &texto, QString *erro = nullptr);
} // namespace LeitorRav
