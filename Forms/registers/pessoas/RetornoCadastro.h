#pragma once
// What the persons register needs from the notes window: while that window is open it
// registers itself here; the persons register then asks it to recalculate its credit limit
// after every save, and hands a person saved for one of its pickers back to it.

#include <QString>

class JanelaNotasCadastro {
public:
    // Hand-back codes: which picker of the notes window gets the saved person.
    enum Retorno {
        Nenhum = 0,
        Emitente = 49,
        Avalista1 = 51,
        Avalista2 = 52,
        Avalista3 = 53,
        Avalista4 = 54,
        Emitente2 = 55,
    };
    static bool retornoValido(int retorno) { return retorno == Emitente || (retorno >= Avalista1 && retorno <= Emitente2); }

    virtual ~JanelaNotasCadastro();

    // The open notes window; nullptr while it is closed.
    static JanelaNotasCadastro *aberta();
    // Called by the notes window when it opens (itself) and when it closes (nullptr).
    static void defineAberta(JanelaNotasCadastro *janela);

    // Recalculates the credit limit preview of the note being edited.
    virtual void recalculaLimite() = 0;
    // A person saved for the picker of `retorno`: reopen the person candidates, put the name and
    // code into that picker (and the note's emitter column for 49 and 55), move the focus on.
    virtual void recebePessoa(int retorno, int codigo, const QString &nome) = 0;
};
