#pragma once
// One address picker: a text box that searches the visible cities, neighbourhoods or streets
// while the user types, a button and a drop-down list beside it, and the exit check that takes
// a typed name, or offers to register it on the spot or to use the nearest registered one.
// Typing, keys and the exit check act only while the picker is editable (a record is being
// inserted or altered).

#include "Query.h"

#include <QObject>
#include <QVariant>
#include <functional>

class QLineEdit;
class QTableView;
class QToolButton;
class ModeloTabela;
class Transacao;

class SeletorLocalidade : public QObject {
    Q_OBJECT
public:
    enum class Tipo { Cidade, Bairro, Logradouro };

    // `nome` completes the control names: "Cidade" gives EditEscolheCidade, ButEscolheCidade
    // and GridEscolheCidade.
    SeletorLocalidade(Tipo tipo, const QString &nome, Transacao &tr, QWidget *pai);

    QLineEdit *Edit;
    QToolButton *But;
    QTableView *Grid;
    // Candidates: QryLocalizaCidades (by :UF), QryLocalizaBairros / QryLocalizaLogradouros (by :CIDADE).
    Query Qry;

    // The box and its list button side by side, for a form's layout.
    QWidget *linha(QWidget *pai) const;

    Tipo tipo() const { return tipo_; }
    // The chosen code, 0 when none.
    int codigo() const { return codigo_; }
    // Shows a stored choice (a record being altered); `nome` may be empty for a hidden locality.
    void mostra(int codigo, const QString &nome);
    // Empties the box, forgets the choice and hides the list.
    void limpa();
    void setEditando(bool editando);
    bool editando() const { return editando_; }

    // Reads the candidates again with the current parameter (state or city).
    void reabreLista();
    void mostraLista();
    void escondeLista();
    void alternaLista();
    bool listaVisivel() const;

    // The parameter of the candidates: the state abbreviation (cities) or the chosen city code.
    std::function<QVariant()> parametro;
    // Where the focus goes when the parameter is missing at registration (state box, city box).
    QWidget *campoPai = nullptr;
    // Where the focus goes after a choice.
    QWidget *proximo = nullptr;

Q_SIGNALS:
    // A locality was taken (code > 0) or the choice was dropped (0).
    void escolhido(int codigo);
    // "Voltar" in the register-or-use dialog: the record's column is cleared.
    void voltou();
    // The box received the focus.
    void entrou();

protected:
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    void digitou(const QString &texto);
    void seta(int passo);
    void saiu();
    void toma(int linha);
    void defineCodigo(int codigo);
    void focaProximo();
    int linhaDoNome(const QString &nome) const; // ignoring case; -1 when none
    bool temParametro(const QVariant &p) const;
    // Inserts the typed name through the shared write query of the data module; the new code.
    int cadastra(const QString &nome, const QVariant &p);
    QString campo(const char *sufixo) const;

    Tipo tipo_;
    ModeloTabela *modelo_;
    int codigo_ = 0;
    QString textoEntrada_;
    bool editando_ = false;
    bool verificando_ = false;
};
