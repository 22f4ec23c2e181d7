#pragma once
// The users register: who may log in and what each may do. A user is three linked records, the
// personal record (`USUARIOS`, edited in `QryPrincipal`), its contacts (`USUARIOSCONTATOS`) and
// its login-and-permission record (`USUARIOSPERMISSOES`, in `QryPermissoes`). The list runs
// through `QryPesquisa` (filter line 4, order line 5). Deleting a user deletes the three together.

#include "JanelaCadastro.h"

class ConexaoRelatorio;
class ContatosUsuario;
class PaginasUsuario;

class TfUsuarios : public JanelaCadastro {
    Q_OBJECT
public:
    explicit TfUsuarios(QWidget *parent = nullptr);
    ~TfUsuarios() override;

    Query &lista() override { return QryPesquisa; }

    PaginasUsuario *Paginas = nullptr;
    ContatosUsuario *Contatos = nullptr;

    void ButNovoClick() override;
    void ButAlteraClick() override;
    void ButGravarClick() override;
    void ButCancelarClick() override;
    void Delecao() override;
    // "Relação de Usuários": the listed users, when there are any.
    void imprimeRelacao();

    Transacao TransQryPesquisa, TransPermissoes;
    Query QryPesquisa;
    Query QryPermissoes;
    Query ConfQryPrincipal;

protected:
    void montaDetalhes(QWidget *painel) override;
    void mostraRegistro() override;
    bool preparaGravacao() override { return false; } // the save is ButGravarClick's own
    QWidget *primeiroCampo() override;
    void habilitaDetalhes(bool editando) override;

    void ModoNormal() override;
    void CarregaTabelas() override;
    void LocalizaTabelas() override;
    void closeEvent(QCloseEvent *e) override;

private:
    void montaMenus();
    // Steps of the save that may refuse it, in their order; false stops the save.
    bool verificaGravacao();
    bool nomeRepetido(const QString &nome);
    // Without a default state in the settings, the chosen state becomes it; false when none.
    bool defineEstadoPadrao();
    // The boxes and the chosen address codes into the records; false when a date is invalid.
    bool gravaCampos();
    // Stores the user being edited so that a contact can refer to it; its code.
    int gravaParaContato();
    // Deletes the current user with its permission record and contacts, in one transaction.
    void excluiUsuario();
    void reabreLista(const QVariant &codigo);
    void preencheEstados();
    int codigoSelecionado() const;

    ConexaoRelatorio *RVUsuarios = nullptr;
    bool gravado_ = false;      // the user being inserted is already stored (a contact was added)
    bool recarregando_ = false; // the window reopens the list itself: no reload of the user
};
