#pragma once
// The promissory-note window: issues notes as installments, alters one installment, cancels
// and deletes. One class split by concern:
//   TfNotaPromissoria.cpp          frame: toolbar, menus, keys, list, detail panel, modes,
//                                  opening, closing, the user's window checks
//   TfNotaPromissoriaEdicao.cpp    the edit area TabEdicao, its pickers, the creditor's city,
//                                  the limit preview, the persons window and its hand-back
//   TfNotaPromissoriaGravacao.cpp  new note, save and its checks, installment generation, the
//                                  review TabParcelas, altering, cancelling, deleting
//   TfNotaPromissoriaPesquisa.cpp  the search area, the status filter, the list's sort
//   TfNotaPromissoriaContadores.cpp the three due-date counters
//   TfNotaPromissoriaRecebimento.cpp payments TabPgto, reversal, receipts
//   TfNotaPromissoriaImpressao.cpp the print menu: notes, receipts, the list reports
//   TfNotaPromissoriaSelecao.cpp   the selection panel TabSelecao

#include "GanchosJanelas.h"
#include "Moeda.h"
#include "Query.h"
#include "RetornoCadastro.h"
#include "RetornoCredor.h"
#include "Transacao.h"

#include <QDate>
#include <QHash>
#include <QPointer>
#include <QWidget>

class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QTableView;
class QTableWidget;
class QToolButton;
class CandidatosPessoas;
class ConexaoImpressaoNota;
class ConexaoRelatorio;
class DataEdit;
class ModeloTabela;
class MoedaEdit;
class SeletorLocalidade;
class SeletorPessoa;
class TeclasNavegacao;

class TfNotaPromissoria : public QWidget, public JanelaNovoRegistro, public JanelaNotasCadastro, public JanelaNotasCredor, public JanelaPesquisaNotas {
    Q_OBJECT
public:
    enum Modo { Normal = 0, Inserindo = 1, Alterando = 2 };

    explicit TfNotaPromissoria(QWidget *parent = nullptr);
    ~TfNotaPromissoria() override;

    int modo() const { return modo_; }
    Moeda limite() const { return limite_; }
    bool parcelasGravadas() const { return parcelasGravadas_; }
    int sequencia() const { return seq_; }

    // Toolbar.
    QPushButton *ButNovo, *ButPesquisar, *ButRelatorios, *ButRecebe, *ButAltera, *ButExclui, *ButOpcoes;
    QPushButton *ButGravar, *ButCancelar, *ButAjuda, *ButCadastros;
    QMenu *MenuExcluir, *MenuOpcoes, *MenuRelatorios, *MenuAjuda;
    QAction *ItemExcluirSelecionada, *ItemExcluirTodas, *ItemEstornar;
    QAction *ItemAbrirVazia, *ItemModeloPadrao, *ItemModelo4Avalistas, *ItemModeloReduzido;
    QAction *ItemCadastros, *ItemCredores, *ItemCidades, *ItemCalculadora;

    // List of installments, its status filter and counters.
    QCheckBox *CheckAbertas, *CheckPagas, *CheckTodas, *CheckTodasAbertas;
    QTableView *GridLista;
    QLabel *LabelVencidas, *LabelVencidasValor, *LabelHoje, *LabelHojeValor, *LabelSemana, *LabelSemanaValor;

    // Search area.
    QGroupBox *TabPesquisa;
    QLineEdit *PesqEditEmitente, *PesqEditParcela1, *PesqEditParcela2, *PesqEditValor1, *PesqEditValor2;
    DataEdit *PesqEditDataVenc1, *PesqEditDataVenc2, *PesqEditDataEmis1, *PesqEditDataEmis2;
    DataEdit *PesqEditDataPgto1, *PesqEditDataPgto2;
    QComboBox *PesqEditCredor;
    QPushButton *ButBuscar, *ButLimparBusca;

    // Print menu.
    QAction *ItemReimprimirEsta, *ItemReimprimirTodas, *ItemRecibo1Via, *ItemRecibo2Vias, *ItemSelecionar;
    QAction *ItemRelacaoExibidas, *ItemRelacaoAbertas, *ItemRelacaoPagas, *ItemObsImprimir;

    // Payment area.
    QGroupBox *TabPgto;
    MoedaEdit *EditVlPago;
    DataEdit *EditDtPgto;
    QLabel *LabelSaldoFicara;
    QCheckBox *Check1Via, *Check2Vias;
    QPushButton *ButGravaPgto, *ButCancelaPgto, *ButCalculadoraPgto;

    // Selection panel.
    QGroupBox *TabSelecao;
    QTableView *GridSelecao;
    QPushButton *ButSelecionarTudo, *ButSelecionarNenhuma, *ButFiltrarSelecao, *ButLimparSelecao;
    QPushButton *ButImprimirSelecao, *ButFecharSelecao, *ButOkFiltro, *ButXFiltro;
    QFrame *PanelFiltroSelecao;
    QComboBox *EditEmitenteSelecao;

    // Detail panel.
    QFrame *PanelVisual;
    QLabel *LabelParcelaExt, *LabelVencimento, *LabelValor, *LabelSaldo, *LabelCredor, *LabelEmitente;
    QLabel *LabelDocumento, *LabelEndereco, *LabelPraca, *LabelEmissaoExtenso, *LabelObs;

    // Edit area.
    QGroupBox *TabEdicao;
    MoedaEdit *EditValor;
    QLineEdit *EditTotalParcelas, *EditIntervalo, *EditCodVenda;
    QLabel *LabelTotalParcelas, *LabelIntervalo, *LabelVencimentoEd, *LabelLimiteTitulo, *LabelLimite, *LabelTotal;
    DataEdit *EditVencimento, *EditEmissao;
    QComboBox *LkpCredor, *ComboEstados, *ComboEstados2;
    QToolButton *ButCredorNovo, *ButClienteNovo, *ButNovaPraca, *ButCidadeNova;
    QToolButton *BitBtn19, *BitBtn17, *BitBtn18, *BitBtn6, *BitBtn7;
    QLineEdit *EditDocEmitente, *EditEndEmitente, *EditDocEmitente2, *EditEndEmitente2;
    QLabel *LabelObservacoes;
    QPlainTextEdit *MemoDescricao, *MemoObsRecibo;
    QPushButton *ButObs2;
    SeletorPessoa *Emitente, *Avalista1, *Avalista2, *Avalista3, *Avalista4, *Emitente2;
    SeletorLocalidade *Praca, *Cidade;

    // Review of the generated installments.
    QGroupBox *TabParcelas;
    QTableWidget *GridParcelas;
    QPushButton *ButConfirmaParcelas, *ButVoltarParcelas;

    // Actions, as the buttons, keys and menus run them.
    void ButNovoClick();
    void ButAlteraClick();
    void ButGravarClick();
    void ButCancelarClick();
    void ButConfirmaParcelasClick();
    void ButVoltarParcelasClick();
    void ButObs2Click();
    void ButCadastrosClick();
    void ExcluirSelecionada(bool refrescaLembretes = true);
    void ExcluirTodas();
    void CalculaLimite();
    void novoRegistro() override { ButNovoClick(); }

    // Hand-back of the persons window.
    void recalculaLimite() override { CalculaLimite(); }
    void recebePessoa(int retorno, int codigo, const QString &nome) override;
    // JanelaNotasCredor: a company saved in the companies window while a note is edited.
    bool editandoNota() const override { return modo_ != Normal; }
    void recebeCredor(int codigo) override;

    // Slots of the search, payment and printing (the list's search area, " &Receber", the print
    // menu and the printing of a confirmed note).
    void ButPesquisarClick();
    void ButBuscarClick();
    void ButLimparBuscaClick();
    void LocalizaTabelas();
    void ordenaPor(const QString &campo);
    void marcaStatus(int valor);
    int statusFiltro() const { return statusFiltro_; }
    QString ordem() const { return ordem_; }
    void CalculaContadores();
    void pesquisaVencimento(QDate de, QDate ate) override;
    void pesquisaComoAbertura() override;

    void ButRecebeClick();
    void ButGravaPgtoClick();
    void ButCancelaPgtoClick();
    void EstornarRecebimento();
    void ReimprimeRecibo(bool duasVias);

    void imprimeNotaConfirmada(int seq, int emitente, QDate emissao);
    void ReimprimirEsta();
    void ReimprimirTodas();
    void ImprimeNotaPromissoria();
    void RelacaoExibidas();
    void RelacaoStatus(int status);
    void modeloPromissoria(const QString &modelo);
    int modoImpressao() const { return modoImpressao_; }

    void SelecionarPromissorias();
    void marcaSelecao(bool marca);
    void ordenaSelecao(const QString &ordem);
    void filtraSelecao(const QString &emitente);
    void ImprimirSelecao();

    Transacao TransLeitura;
    Transacao TransQryPrincipal;
    Query QryPesquisa;  // the list
    Query QryPrincipal; // the installment of the window
    Query QryParcelas;  // the installments being issued
    Query QryConsulta;  // single reads (balances, limits, sequence)
    Query QryImprimir;  // the print dataset of notes and receipts
    Transacao TransSelecao;
    Query QrySelecao;   // the rows of the selection panel
    CandidatosPessoas *Pessoas = nullptr;
    ConexaoImpressaoNota *RVNotaPromissoria = nullptr;
    ConexaoRelatorio *RVNotaPromissoria2 = nullptr, *RVSelecao = nullptr;

protected:
    void showEvent(QShowEvent *e) override;
    void closeEvent(QCloseEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    // Frame.
    void montaBarra();
    void montaLista();
    void montaPainelVisual();
    void montaTeclas();
    void ModoNormal();
    void ModoEdicao();
    void PermissoesUsuario();
    void CarregaTabelas();
    void carregaRegistro(int codigo); // QryPrincipal with that installment (0: empty)
    void mostraRegistro();
    void reabreLista(int codigo = 0);
    void carregaCredores(); // LkpCredor from LookupEmpresasNP
    void perguntaEmpresa();
    void refrescaLembretes();
    void habilitaBarra(bool habilita);
    // Search, payments, printing, selection.
    void montaPesquisa();
    void montaContadores();
    void montaPgto();
    void montaMenuImprimir();
    void montaSelecao();
    void limpaPesquisa();
    bool aplicaFiltros(Query &q, int linhaCondicao, bool confere);
    static void planoPorEmitente(Query &q, int linhaJuncao, int linhaCondicao, int linhaStatus);
    bool conferePar(DataEdit *de, DataEdit *ate, bool confere, QDate &d1, QDate &d2, bool &ha);
    void atualizaSaldoFicara();
    bool alteradaEmOutraEstacao();
    void abreImprimir(const QString &condicao, const QString &ordem);
    bool imprimeRecibo(bool duasVias, bool trocaEmpresa);
    void abreEmpresaPadrao(int codigo);
    void reabreSelecao(bool noUltimo);
    // Edit area and pickers.
    void montaEdicao();
    void montaParcelas();
    void ligaSeletores();
    void escondeListas(QObject *exceto = nullptr);
    void preencheCidadesDoCredor();
    void mostraEmitente(int codigo, bool segundo);
    void saiuIntervalo();
    bool intervaloValido();
    void abreCadastroPessoas(int retorno, const QString &nome, bool novo);
    void abreJanela(const QString &tipo);
    SeletorPessoa *seletorDoRetorno(int retorno) const;
    void limpaSeletores();
    void mostraSeletores();
    // Save, generation and review.
    QString novaLinha();
    bool gravaCamposNoRegistro();
    bool confereGravacao();
    void geraParcelas();
    void abreRevisao();
    void editouParcela(int linha, int coluna);
    void excluiGeradas(bool inclusivePrimeira);
    void excluiAtual();
    Moeda saldoDoEmitente(int emitente);
    Moeda limiteDoEmitente(int emitente);
    void focaInformando(const QString &texto, QWidget *campo);

    ModeloTabela *modeloLista_ = nullptr;
    TeclasNavegacao *teclas_ = nullptr;
    QPointer<QWidget> pessoas_; // the persons window this window opened without a main window
    int modo_ = Normal;
    int seq_ = 0;
    QDate emissao_;
    Moeda limite_, total_;
    bool parcelasGravadas_ = false;
    bool revisando_ = false;
    int primeira_ = 0;          // NP_CODIGO of installment 1 of the note being issued, once stored
    QList<int> geradas_;        // NP_CODIGO of the installments 2..N being reviewed
    bool abrirVazia_ = true;
    bool aberta_ = false;
    bool carregandoLista_ = false;
    bool preenchendo_ = false;
    // Search, payments, printing.
    int statusFiltro_ = 1;
    bool buscaPedida_ = false;
    bool imprimindoLista_ = false;
    QString ordem_ = QStringLiteral("order by NP.NP_DT_VENCIMENTO");
    Moeda pagoAntes_, saldoAntes_; // as they were when the payment was opened
    QVariant obsAntes_;
    bool recebendo_ = false;
    int modoImpressao_ = 0; // 1 note, 2 receipt
    QString filtroSelecao_, ordemSelecao_ = QStringLiteral("order by NP.NP_DT_VENCIMENTO");
    ModeloTabela *modeloSelecao_ = nullptr;
    QHash<int, bool> marcasSelecao_; // ticks stored since the selection rows were read
};
