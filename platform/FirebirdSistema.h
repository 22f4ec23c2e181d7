#pragma once
// The Firebird server of this computer: where it is installed, its version, starting it.

#include "Plataforma.h"

#include <functional>

namespace Firebird {

// The installation under `raiz`: the newest of /usr/lib/<multiarch>/firebird/<version>,
// /usr/lib/firebird/<version> and /opt/firebird holding the engine (firebird.conf, the engine
// plugin or the guardian). The version is the folder's name when it looks like one; empty
// otherwise (see `versao`).
std::optional<InstalacaoFirebird> localiza(const QString &raiz = QStringLiteral("/"));

// The version of an installation: `fb_config --version`, else the file name of the client
// library (libfbclient.so.3.0.11), else the folder's name.
QString versao(const InstalacaoFirebird &instalacao);
// From the client library in the installation's lib folder, following its links; empty when
// there is none.
QString versaoPelaBiblioteca(const QString &pastaInstalacao);
// The leading version number of a text: "3.0.11.33637-0.amd64" gives "3.0.11.33637".
QString versaoDoTexto(const QString &texto);

// Starts the server: `systemctl start`, `service ... start`, then the guardian itself, each
// tried only when present, with bounded waits, until `ativo` answers true.
bool iniciaServico(const std::optional<InstalacaoFirebird> &instalacao, const std::function<bool()> &ativo);

} // namespace Firebird
