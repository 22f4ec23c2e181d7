#pragma once
// The system's fixed Windows folders ("C:\Brelo\...") live, on other systems, under a base
// folder: $PRONTANOTA_BASE, or ~/Brelo when it is not set.

#include <QString>

namespace Caminhos {
QString base();
// "C:\Brelo\Prontanota\Dados\BD.FDB" -> "{base}/Prontanota/Dados/BD.FDB"; other texts unchanged.
// On Windows the path is returned as it is.
QString deWindows(const QString &caminho);
// The folder of a path ending with the system separator, as the registry values keep them.
QString comSeparador(const QString &pasta);
} // namespace Caminhos
