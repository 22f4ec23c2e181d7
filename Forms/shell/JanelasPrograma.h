#pragma once
// Every window kind the main window opens, registered with the window registry: the program
// and the screenshot program register the same windows.

namespace JanelasPrograma {
void registra();
}
