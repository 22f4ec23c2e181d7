#pragma once
// What the companies register needs from the notes window: while that window is open it
// registers itself here; a company saved while its note is being inserted or altered becomes
// that note's creditor.

class JanelaNotasCredor {
public:
    virtual ~JanelaNotasCredor();

    // The open notes window; nullptr while it is closed.
    static JanelaNotasCredor *aberta();
    // Called by the notes window when it opens (itself) and when it closes (nullptr).
    static void defineAberta(JanelaNotasCredor *janela);

    // A note is being inserted or altered.
    virtual bool editandoNota() const = 0;
    // The saved company: NP_COD_CREDOR = `codigo`, focus to the sale-number box (EditCodVenda).
    virtual void recebeCredor(int codigo) = 0;
};
