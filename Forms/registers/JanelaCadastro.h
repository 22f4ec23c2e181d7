#pragma once
// The shape every register window shares: search box and list on the left, details of the
// selected record on the right, action buttons on top, the counter, the function keys, the
// modes (0 normal, 1 inserting, 2 altering), the user's rights, deletion with confirmation,
// the list report and Layout.ini on closing. A register states only what it adds.

#include "GanchosJanelas.h"
#include "ModeloTabela.h"
#include "Query.h"
#include "Transacao.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTableView;
class QVBoxLayout;
class ConexaoRelatorio;
class ErroBD;
class TeclasNavegacao;

class JanelaCadastro : public QWidget, public JanelaNovoRegistro {
    Q_OBJECT
public:
    enum Modo { Normal = 0, Inserindo = 1, Alterando = 2 };

    // What a register window says about itself.
    struct Definicao {
        QString titulo;          // " Cadastro de Cidades"
        QString tituloDetalhes;  // "Detalhes da Cidade selecionada"
        QString secaoLayout;     // "CIDADES"
        QString campoChave;      // "CD_CODIGO"
        QString campoNome;       // "CD.CD_NOME": the search filters on it
        QString campoExibir;     // "CD_EXIBIR"
        QString direito;         // "LOCALIDADES": PUS_{direito}_E/_X/_R; empty: no right asked
        QStringList sqlPrincipal;
        QString sqlContagem;
        QList<ModeloTabela::ColunaGrade> colunas;
        // Report: menu entry, report name, connection name, pTitulo.
        QString itemRelatorio, relatorio, conexaoRelatorio, tituloRelatorio;
        // Messages for Alter / Delete with an empty list (empty: nothing happens, no message).
        QString msgSemAlterar, msgSemExcluir;
        // The search box stays enabled (read only) while editing.
        bool buscaHabilitadaEditando = false;
        // Line of the main query that the search replaces (the order line is the last one).
        int linhaFiltro = 2;
    };

    JanelaCadastro(const Definicao &d, QWidget *parent = nullptr);
    ~JanelaCadastro() override;

    int modo() const { return modo_; }
    Query &principal() { return QryPrincipal; }
    // The rows of the grid and the counter: the main query, unless a register lists
    // through a query of its own (the persons register edits one row and lists another query).
    virtual Query &lista() { return QryPrincipal; }

    // Members named as the system names them.
    QLineEdit *EditLocaliza;
    QPushButton *ButBuscar;
    QLabel *LabelLimpar;
    QLabel *LabelRegistros;
    QTableView *Grid1;
    QPushButton *ButNovo, *ButAltera, *ButExclui, *ButRelatorios, *ButOpcoes;
    QPushButton *ButGravar, *ButCancelar, *ButExibir, *ButAjuda;
    QMenu *MenuRelatorios, *MenuOpcoes, *MenuAjuda;

    // Actions, as the buttons and keys run them; a register may extend them.
    virtual void ButNovoClick();
    virtual void ButAlteraClick();
    virtual void ButGravarClick();
    virtual void ButCancelarClick();
    virtual void ButExibirClick();
    virtual void ButBuscarClick();
    virtual void LabelLimparClick();
    virtual void Delecao();
    void ordenaPor(const QString &campo);
    void imprimeLista();
    void novoRegistro() override { ButNovoClick(); }
    // A refused delete: a foreign key gives the register's text, anything else the database's.
    static void avisaExclusaoRecusada(const ErroBD &e);

protected:
    // Builds the window; subclasses call it at the end of their constructor.
    void monta();
    // The detail panel's fields, created by the subclass inside `painel`.
    virtual void montaDetalhes(QWidget *painel) = 0;
    // Lists of the first load besides the main query (shared lookups, parent lists).
    virtual void carregaListas() {}
    // Shows the current row in the detail fields.
    virtual void mostraRegistro() = 0;
    // Checks the fields and writes them into the current row; false leaves it in editing.
    virtual bool preparaGravacao() = 0;
    // The shared lists reloaded after a save or delete.
    virtual void recarregaListasCompartilhadas() {}
    // The first field of the detail panel (focused by ModoEdicao).
    virtual QWidget *primeiroCampo() = 0;
    // Enables or disables the detail fields.
    virtual void habilitaDetalhes(bool editando) = 0;
    // Display text of a grid cell when it differs from the row's value (lookup columns).
    virtual QVariant textoCelula(int linha, const QString &campo) const { return {}; }

    virtual void ModoNormal();
    virtual void ModoEdicao();
    virtual void CarregaTabelas();
    virtual void LocalizaTabelas();
    virtual void PermissoesUsuario();
    // The window check of the area's action ('E' new and alter, 'X' delete, 'R' reports).
    bool direito(char acao) const;
    void escreveContador();
    // Writes the row being edited and makes it durable, then rewrites the counter. False when
    // the database refused it: its message is shown, nothing is stored and the row stays in
    // editing as typed.
    bool gravaLinha();
    // Reopens the count query and rewrites the counter (an error is shown).
    void atualizaContador();
    // Runs the duplicate query `q` (prepared by the caller); true when another record has the name.
    bool existeDuplicado(Query &q);
    void focaSelecionando(QWidget *campo);
    // Fields every detail panel has: the read-only grey code, a picker of ten rows and the
    // upper-case name box.
    static QLineEdit *criaCampoCodigo(QWidget *painel);
    static QComboBox *criaSeletor(QWidget *painel, const char *nome);
    static QLineEdit *criaCampoNome(QWidget *painel);

    void closeEvent(QCloseEvent *e) override;
    void showEvent(QShowEvent *e) override;

    Definicao def_;
    Transacao TransQryPrincipal;
    Query QryPrincipal;
    Query CountQryPrincipal;
    ModeloTabela *modelo_ = nullptr;
    ConexaoRelatorio *RVPrincipal = nullptr; // the rows handed to the list report
    TeclasNavegacao *teclas_ = nullptr;
    QWidget *painelDetalhes_ = nullptr;
    int modo_ = Normal;
    bool carregaTodos_ = false;
    bool exibeTodosAbrir_ = false;
    bool aberta_ = false;

    bool eventFilter(QObject *o, QEvent *e) override;

};
