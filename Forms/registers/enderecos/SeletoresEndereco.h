#pragma once
// The address pickers of an edit panel: the state box and the city, neighbourhood and street
// pickers, wired together (the state feeds the city list, the chosen city the other two; entering
// one hides the lists of the others). The window lays the controls out and reads the codes.

#include "SeletorLocalidade.h"
#include "Transacao.h"

#include <QObject>

class QComboBox;

class SeletoresEndereco : public QObject {
    Q_OBJECT
public:
    // The 27 state abbreviations, "AC" to "TO".
    static const QStringList Estados;

    explicit SeletoresEndereco(QWidget *pai);
    ~SeletoresEndereco() override;

    QComboBox *ComboEstado;
    SeletorLocalidade *Cidade, *Bairro, *Logradouro;

    // The state box as typed ("" when empty).
    QString uf() const;
    void defineUf(const QString &uf);
    // The abbreviation of the default state of the settings row (CF_UF_PADRAO), "" when none.
    static QString ufPadrao();

    // Empties the state box and the three pickers.
    void limpa();
    // Shows the stored codes (a record being altered): names and state from the shared lists
    // of visible localities; a code below 1 leaves its box empty.
    void mostra(int cidade, int bairro, int logradouro);
    void setEditando(bool editando);
    void escondeListas();
    // The focus after a chosen street (the number box).
    void defineProximoLogradouro(QWidget *w) { Logradouro->proximo = w; }

private:
    bool eventFilter(QObject *o, QEvent *e) override;
    Transacao TransLocaliza;
};
