#pragma once
// The contacts of the person being shown or edited (`CADASTROSCONTATOS`): the entry (type list,
// masked contact box, remark, " Adicionar "), the two grids over the same rows (view panel and
// edit tab), deletion and sorting, and the flattened text stored in `CG_CONTATOS`.

#include "Query.h"
#include "Transacao.h"

#include <QObject>
#include <functional>

class MaskEdit;
class ModeloTabela;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

class ContatosCliente : public QObject {
    Q_OBJECT
public:
    explicit ContatosCliente(QWidget *pai);
    ~ContatosCliente() override;

    // Entry of the edit tab.
    QComboBox *ComboTipoContato;
    QLabel *LabelContato;
    MaskEdit *EditContato;
    QLineEdit *EditObsContato;
    QPushButton *ButAdicionarContato, *ButExcluirContato;
    QTableView *GridContatos;        // edit tab
    QTableView *GridContatosDetalhe; // view panel

    Transacao TransQryContatos;
    Query QryContatos;
    Query QryCarregaTipoContatos;

    // Writes the person (when needed) and gives its code; 0 when it could not be written.
    std::function<int()> gravaPessoa;

    // Reads the contact types, in name order, into the type list.
    void carregaTipos();
    // The contacts of a person; an invalid code empties the list.
    void carrega(const QVariant &codigoPessoa);
    // The entry is editable only while a person is inserted or altered.
    void setEditando(bool editando);
    bool editando() const { return editando_; }
    // LimpaCamposContato: mask removed, type and texts emptied, label emptied.
    void LimpaCamposContato();
    // Mask and label of the contact box for a type name.
    void aplicaTipo(const QString &tipo);

    void ButAdicionarContatoClick();
    // Deletes the selected contact after confirmation.
    void excluiSelecionado();
    void ordenaPor(const QString &campo);

    // The text of `CG_CONTATOS`: each contact followed by a blank, its remark and a blank; the
    // parentheses and hyphens of a phone of kind 1 removed.
    QString textoPesquisa() const;
    // Deletes every contact of a person inside `tr` (not committed here).
    static void excluiDaPessoa(Transacao &tr, int codigoPessoa);

Q_SIGNALS:
    // A contact was added (the window sets the default state when its box is empty).
    void adicionado();
    // The focus entered the " Adicionar " button or the edit tab's grid.
    void entrouContatos();

protected:
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    QTableView *criaGrade(QWidget *pai, const char *nome);
    int linhaDoTipo(const QString &tipo) const;
    ModeloTabela *modelo_;
    bool editando_ = false;
};
