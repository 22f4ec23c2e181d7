#pragma once
// The entries "Cidades", "Bairros" and "Logradouros" of a register's Options menu: each opens
// that locality window through the main window when the user may view localities
// (PUS_LOCALIDADES_V; MASTER always) and the window is not open yet.

class QMenu;

namespace MenuLocalidades {
void adiciona(QMenu *menu);
}
