#pragma once
// What the main window asks of the windows it opens. A window implements the interfaces of
// the requests it answers (multiple inheritance beside its QWidget base); the main window
// finds them with dynamic_cast and skips a request the window does not answer.

#include <QDate>
#include <QString>

// Presses the window's new-record button (ButNovo).
class JanelaNovoRegistro {
public:
    virtual ~JanelaNovoRegistro() = default;
    virtual void novoRegistro() = 0;
};

// Moves the list to the row of `codigo` and presses " &Alterar" (the companies register,
// from a click on the logo).
class JanelaAlteraRegistro {
public:
    virtual ~JanelaAlteraRegistro() = default;
    virtual void alteraRegistro(int codigo) = 0;
};

// The note window, from the notice board.
class JanelaPesquisaNotas {
public:
    virtual ~JanelaPesquisaNotas() = default;
    // Presses " &Pesquisar", puts the dates into PesqEditDataVenc1 / PesqEditDataVenc2 and
    // presses " Buscar".
    virtual void pesquisaVencimento(QDate de, QDate ate) = 0;
    // Presses " &Pesquisar" and reloads the list as at the window's opening.
    virtual void pesquisaComoAbertura() = 0;
};

// The persons register, from the birthday lines.
class JanelaPesquisaAniversario {
public:
    virtual ~JanelaPesquisaAniversario() = default;
    // Presses " &Pesquisar", puts the month name ("MARÇO") into PesqEditAniver and presses
    // " Buscar".
    virtual void pesquisaAniversario(const QString &mes) = 0;
};

// The backup window TfBackup: the page it shows and whether it runs in closing mode (the
// exit dialog's "Backup e Sair").
enum class PaginaBackup { Backup, Restauracao };

class JanelaBackup {
public:
    virtual ~JanelaBackup() = default;
    virtual void preparaPagina(PaginaBackup pagina, bool modoFechamento) = 0;
};

// The backup window's result flag: set by the window when a backup or a restore completed,
// read by the main window after the modal window has gone.
namespace ResultadoBackup {
inline bool concluido = false;
}
