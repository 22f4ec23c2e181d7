#pragma once
// What the other windows ask of the main window (TfPrincipal), without depending on it.

#include <QString>

class QWidget;

class JanelaPrincipal {
public:
    virtual ~JanelaPrincipal() = default;

    static JanelaPrincipal *atual(); // nullptr while there is none (tests of single windows)
    static void define(JanelaPrincipal *j);

    // A successful login: permissions, notice board, logo, login record, clock, logged-in mark.
    virtual void concluiLogin() = 0;
    // Shows the logo of the company logged into again (after a company was saved).
    virtual void Logotipo() {}
    // Refreshes the notice board.
    virtual void AbreTabelasLembretes() = 0;
    // The help action (F1 of the register and note windows) and the contact item.
    virtual void AjudaSistema() = 0;
    virtual void FaleConosco() = 0;
    // This computer's name and address in the foot labels.
    virtual void mostraComputador(const QString &nome, const QString &ip) = 0;
    // Instalora was started for a silent update during this run.
    virtual bool atualizacaoSilenciosaIniciada() const = 0;
    // Stops the reminder timer (backup and restore).
    virtual void ParaLembretes() {}
    // Restore of a backup (the login's restore link).
    virtual void RestaurarBD() = 0;
    // Parent of the other windows (they are Qt::Window children of it).
    virtual QWidget *janela() = 0;
    // Opens a window by kind ("CIDADES", "BAIRROS", "CADASTROS", ...) unless it is open; the
    // Options menus of the registers use it. Returns the window, or nullptr when none opened.
    virtual QWidget *abreJanela(const QString &tipo) { return nullptr; }
};
