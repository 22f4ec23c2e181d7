#pragma once
// Look shared by the standard dialogs and the splash: white background, centred on the screen.

class QWidget;

namespace EstiloDialogo {
void fundoBranco(QWidget *janela);
// Centres `janela` (at its current size) on the screen of the active window, or the primary one.
void centraNaTela(QWidget *janela);
} // namespace EstiloDialogo
