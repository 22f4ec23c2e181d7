#pragma once
// The companies register (the creditors): the list and the edited record are one query,
// `QryPrincipal`, of 15 lines (filter slots 6 to 12, the order line 14); code 0 is never listed
// but counted. A saved company becomes the creditor of the note the notes window is editing
// (JanelaNotasCredor); the main window opens it for a new company or for its logo.

#include "GanchosJanelas.h"
#include "JanelaCadastro.h"

class PainelDetalhesEmpresa;
class PainelEdicaoEmpresa;
class PainelPesquisaEmpresas;

class TfEmpresas : public JanelaCadastro, public JanelaAlteraRegistro {
    Q_OBJECT
public:
    explicit TfEmpresas(QWidget *parent = nullptr);

    QPushButton *ButPesquisar;
    PainelPesquisaEmpresas *Pesquisa = nullptr;
    PainelDetalhesEmpresa *Detalhes = nullptr;
    PainelEdicaoEmpresa *Edicao = nullptr;
    Query ConfQryPrincipal;

    // The logo click of the main window: the list moves to the company `codigo` and " &Alterar"
    // is pressed; nothing happens when that company is not listed.
    void alteraRegistro(int codigo) override;

    // Actions, as the buttons and keys run them.
    void ButNovoClick() override;
    void ButAlteraClick() override;
    void ButGravarClick() override;
    void ButPesquisarClick();
    void ButBuscarPesquisaClick();
    void LimpaPesquisa();
    void ButLogotipoClick();
    void ExcluirLogotipoClick();
    void PessoaFisica();
    void PessoaJuridica();
    bool pesquisaVisivel() const { return pesquisaVisivel_; }

protected:
    void montaDetalhes(QWidget *painel) override;
    void mostraRegistro() override;
    bool preparaGravacao() override;
    void recarregaListasCompartilhadas() override;
    QWidget *primeiroCampo() override;
    void habilitaDetalhes(bool editando) override;

    void ModoNormal() override;
    void ModoEdicao() override;
    void CarregaTabelas() override;
    void LocalizaTabelas() override;

    void showEvent(QShowEvent *e) override;
    void closeEvent(QCloseEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    void montaMenus();
    void ligaEventos();
    // Line 6 and the emptied filter lines 7 to 12 of the list.
    void preparaFiltro();
    void ModoPesquisarOn();
    void ModoPesquisarOff();
    void aplicaTipoPessoa(bool juridica);
    void mostraLogotipo();
    void saiuCPF();
    // The default state while the settings have none: false after its message.
    bool gravaEstadoPadrao();
    // The state box of a new record: the default state, or the state the list of states stands on.
    static QString ufInicial();
    // After a save: the shared lists, the main window's logo, the hand-back or normal mode.
    void concluiGravacao();

    bool pesquisaVisivel_ = false;
    bool buscaPedida_ = false; // the current search was asked with " Buscar"
};
