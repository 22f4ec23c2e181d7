#pragma once
// The persons register (customers, emitters and guarantors). It lists through `QryPesquisa`
// (one row per person with its locality names, filter slots 8 to 15, grouping lines 16 to 18 and
// the order line 19) and edits the selected person alone in `QryPrincipal`. The notes window may
// open it with a hand-back code (JanelaNotasCadastro) to receive the person it saves.

#include "GanchosJanelas.h"
#include "JanelaCadastro.h"
#include "RetornoCadastro.h"

class ContatosCliente;
class PainelDetalhesCliente;
class PainelEdicaoCliente;
class PainelPesquisaClientes;
class RelatoriosClientes;
class TotaisNotasCliente;

class TfCadastrosGerais : public JanelaCadastro, public JanelaPesquisaAniversario {
    Q_OBJECT
public:
    // The columns of the list, in the order of its select line (the grouped reports group by all).
    static const QStringList ColunasLista;

    explicit TfCadastrosGerais(QWidget *parent = nullptr);
    ~TfCadastrosGerais() override;

    Query &lista() override { return QryPesquisa; }

    QPushButton *ButPesquisar;
    PainelPesquisaClientes *Pesquisa = nullptr;
    PainelDetalhesCliente *Detalhes = nullptr;
    PainelEdicaoCliente *Edicao = nullptr;
    ContatosCliente *Contatos = nullptr;
    RelatoriosClientes *Relatorios = nullptr;
    TotaisNotasCliente *Totais = nullptr;

    // The hand-back code of the notes window (JanelaNotasCadastro::Retorno); 0 without a role.
    int retorno() const { return retorno_; }
    void defineRetorno(int retorno) { retorno_ = JanelaNotasCadastro::retornoValido(retorno) ? retorno : 0; }
    // Starts a new person with a name typed elsewhere (the notes window's "Cadastrar").
    void novoClienteComNome(const QString &nome);

    // The birthday search of the main window: shows the search panel, puts the month name
    // ("MARÇO") into the birthday box and runs the search.
    void pesquisaAniversario(const QString &mes) override;
    void buscaAniversariantes(const QString &mes) { pesquisaAniversario(mes); }
    // Shows the search panel and searches one person by code.
    void pesquisaCodigo(int codigo);

    // Actions, as the buttons and keys run them.
    void ButNovoClick() override;
    void ButAlteraClick() override;
    void ButGravarClick() override;
    void ButCancelarClick() override;
    void Delecao() override;
    void ButPesquisarClick();
    void ButBuscarPesquisaClick();
    void LimpaPesquisa();
    void PessoaFisica();
    void PessoaJuridica();
    bool pesquisaVisivel() const { return pesquisaVisivel_; }

    // The list reports and the person's card.
    void imprimeRelacao(const QString &titulo, const QString &relatorio);
    enum class Agrupamento { Aniversario, Bairro, Cidade };
    void imprimeAgrupado(Agrupamento a);
    void imprimeFicha();
    void exportaEmails();
    void atualizaEnderecos();

    Transacao TransQryPesquisa;
    Query QryPesquisa;
    Query ConfQryPrincipal;

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
    // Line 8 (kind) and the emptied lines 9 to 15 of the list.
    void preparaFiltroEspecie();
    // The search: false when a check of the search panel stopped it.
    bool localiza(bool pedida);
    // Reopens the list with its current lines, without reloading the selected person meanwhile,
    // and puts the cursor on `codigo` when it is listed.
    void reabreLista(const QVariant &codigo);
    void ModoPesquisarOn();
    void ModoPesquisarOff();
    void aplicaTipoPessoa(bool juridica);
    // Writes the person being inserted so that a contact can refer to it; its code, 0 on failure.
    int gravaParaContato();
    // The boxes and the chosen address codes into QryPrincipal; false when a date is invalid.
    bool gravaCampos();
    // Deletes the person's contacts and the current QryPrincipal row in one write, durable at once.
    void excluiPessoa();
    void saiuCPF();
    bool teclaAntes(QKeyEvent *e);
    int codigoSelecionado() const;
    void entregaRetorno(int codigo, const QString &nome);

    int retorno_ = 0;
    bool gravado_ = false;          // the record being inserted is already stored
    bool pesquisaVisivel_ = false;
    bool recarregando_ = false;     // the window reopens the list itself: no reload of the person
    bool buscaPedida_ = false;      // the current search was asked with " Buscar"
    QString especie_ = QStringLiteral("C");
};
