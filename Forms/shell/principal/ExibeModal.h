#pragma once
// Shows a window modally and returns when it is closed (hidden or destroyed): exec() for a
// dialog, an application-modal window with a local event loop otherwise.

class QWidget;

void exibeModal(QWidget *janela);
