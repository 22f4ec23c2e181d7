#pragma once
// The contacts of the user being shown or edited (`USUARIOSCONTATOS`): the entry (type box,
// contact box with the mask of the type's class, responsible/extension box, add and delete),
// the list in `USC_CODIGO` order and the one-line summary stored in `US_CONTATOS`.

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

class ContatosUsuario : public QObject {
    Q_OBJECT
public:
    explicit ContatosUsuario(QWidget *pai);
    ~ContatosUsuario() override;

    QComboBox *ComboTipoContato;
    QLabel *LabelContato, *LabelDetalhes;
    MaskEdit *EditContato;
    QLineEdit *EditDetalhes;
    QPushButton *ButAdicionarContato, *ButExcluirContato;
    QTableView *GridContatos;

    Transacao TransQryContatos;
    Query QryContatos;
    Query QryCarregaTipoContatos;

    // Stores the user (when needed) and gives its code; 0 when it could not be stored.
    std::function<int()> gravaUsuario;

    // Reads the contact types, in name order, into the type box (replacing its list).
    void carregaTipos();
    // The contacts of a user; an invalid code empties the list.
    void carrega(const QVariant &codigoUsuario);
    void setEditando(bool editando);
    void LimpaCamposContato();
    // Mask of the contact box and both captions for a type name (leaving the type box).
    void aplicaTipo(const QString &tipo);

    void ButAdicionarContatoClick();
    void excluiSelecionado();

    // The text of `US_CONTATOS`, rebuilt from the contacts in `USC_CODIGO` order.
    QString resumo() const;
    // Deletes every contact of a user inside `tr` (not committed here).
    static void excluiDoUsuario(Transacao &tr, int codigoUsuario);

Q_SIGNALS:
    // A contact was stored (the window gives the state box its default when empty).
    void adicionado();

protected:
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    int linhaDoTipo(const QString &tipo) const;
    ModeloTabela *modelo_;
    bool editando_ = false;
};
