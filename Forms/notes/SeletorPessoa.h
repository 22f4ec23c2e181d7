#pragma once
// A person picker of the notes window: a name box that searches the visible persons while the
// user types, a list button and a drop-down list beside it, and the exit check that takes a
// typed name, or offers to register it or to use the nearest registered one. All person pickers
// of a window share one candidate list (CandidatosPessoas), each with its own list cursor.
// Typing, keys and the exit check act only while the picker is editable.

#include "Query.h"

#include <QHash>
#include <QObject>

class QLineEdit;
class QTableView;
class QToolButton;
class ModeloTabela;
class Transacao;

// "select CG_CODIGO, CG_NOME, ... from CADASTROS WHERE CG_EXIBIR='T' order by CG_NOME".
class CandidatosPessoas : public QObject {
    Q_OBJECT
public:
    CandidatosPessoas(Transacao &tr, QObject *pai);
    Query Qry;
    ModeloTabela *modelo;

    void reabre();
    int linhas() const { return Qry.recordCount(); }
    int codigo(int linha) const { return Qry.valor(linha, colCodigo_).toInt(); }
    QString nome(int linha) const { return Qry.valor(linha, colNome_).toString(); }
    int linhaDoCodigo(int codigo);                 // -1 when not listed
    int linhaDoNome(const QString &nome) const;    // ignoring case; -1 when none
    int linhaDoPrefixo(const QString &texto) const; // case-sensitive; -1 when none

Q_SIGNALS:
    void reaberta();

private:
    int colCodigo_ = 0, colNome_ = 1;
    QHash<int, int> porCodigo_; // built on first use after each open
};

class SeletorPessoa : public QObject {
    Q_OBJECT
public:
    // `nome` completes the control names: "Cliente" gives EditEscolheCliente, ButEscolheCliente
    // and GridEscolheCliente.
    SeletorPessoa(CandidatosPessoas &candidatos, const QString &nome, QWidget *pai);

    QLineEdit *Edit;
    QToolButton *But;
    QTableView *Grid;

    int codigo() const { return codigo_; }
    int cursor() const { return cursor_; }
    void mostra(int codigo, const QString &nome);
    void limpa();
    void setEditando(bool editando);
    bool editando() const { return editando_; }
    void mostraLista();
    void escondeLista();
    void alternaLista();
    bool listaVisivel() const;

    // Where the focus goes after a choice.
    QWidget *proximo = nullptr;

Q_SIGNALS:
    // A person was taken (code > 0) or the choice was dropped (0).
    void escolhido(int codigo);
    // "Cadastrar" in the register-or-use dialog for the typed name.
    void cadastrar(const QString &nome);
    // "Voltar" in the register-or-use dialog.
    void voltou();
    void entrou();

protected:
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    void digitou(const QString &texto);
    void seta(int passo);
    void saiu();
    void toma(int linha);
    void defineCursor(int linha);
    void defineCodigo(int codigo);
    void focaProximo();

    CandidatosPessoas &c_;
    int codigo_ = 0;
    int cursor_ = -1;
    QString textoEntrada_;
    bool editando_ = false;
    bool verificando_ = false;
};
