#pragma once
// The simplified-note window: notes whose parties are typed as free text, kept in
// NOTAPROMISSORIALITE. One class split by concern:
//   TfNotaPromissoriaLite.cpp             frame: toolbar, menus, keys, list, detail panel, modes,
//                                         opening, closing, the counter line and the five totals
//   TfNotaPromissoriaLitePesquisa.cpp     the search area, the status filters, the list's sort
//   TfNotaPromissoriaLiteGravacao.cpp     edit panel, issuing with its checks, the review of the
//                                         installments, altering, cancelling, deleting
//   TfNotaPromissoriaLiteRecebimento.cpp  payments, reversal
//   TfNotaPromissoriaLiteImpressao.cpp    the print menu: notes, receipts, the list reports

#include "GanchosJanelas.h"
#include "Moeda.h"
#include "Query.h"
#include "Transacao.h"

#include <QDate>
#include <QList>
#include <QWidget>

class QAction;
class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QTableView;
class QTableWidget;
class ConexaoRelatorio;
class DataEdit;
class ModeloTabela;
class MoedaEdit;
class TeclasNavegacao;

class TfNotaPromissoriaLite : public QWidget, public JanelaNovoRegistro {
    Q_OBJECT
public:
    enum Modo { Normal = 0, Inserindo = 1, Alterando = 2 };
    enum Status { Todas = 0, Abertas = 1, Pagas = 2 };

    explicit TfNotaPromissoriaLite(QWidget *parent = nullptr);
    ~TfNotaPromissoriaLite() override;

    int modo() const { return modo_; }
    bool revisando() const { return revisando_; }
    bool recebendo() const { return recebendo_; }
    int statusFiltro() const { return statusFiltro_; }
    int modoImpressao() const { return modoImpressao_; }

    // Toolbar and menus.
    QPushButton *ButNovo, *ButPesquisar, *ButRelatorios, *ButRecebe, *ButAltera, *ButExclui, *ButOpcoes, *ButAjuda;
    QMenu *MenuExcluir, *MenuOpcoes, *MenuRelatorios, *MenuAjuda;
    QAction *ItemExcluirSelecionada, *ItemExcluirTodas, *ItemEstornar;
    QAction *ExibeEmAbertoePagas2, *ExibeapenasEmAberto2, *ExibeapenasPagas2, *ItemExibirTodos, *ItemAbrirVazia,
        *ItemCalculadora;
    QAction *ItemReimprimirEsta, *ItemReimprimirTodas, *ItemRecibo1Via, *ItemRecibo2Vias;
    QAction *ItemRelacaoExibidas, *ItemRelacaoAbertas, *ItemRelacaoPagas, *ItemObsImprimir;

    // List, counter line, totals.
    QTableView *GridLista;
    QLabel *LabelContador, *LabelHoje, *LabelVencidas, *LabelVencidasHoje, *Label7Dias, *Label30Dias;

    // Search area.
    QGroupBox *TabPesquisa;
    QLineEdit *PesqEditEmitente, *PesqEditParcela, *PesqEditCredor, *PesqEditValor1, *PesqEditValor2;
    DataEdit *PesqEditDataVenc1, *PesqEditDataVenc2, *PesqEditDataEmis1, *PesqEditDataEmis2, *PesqEditDataPgto1,
        *PesqEditDataPgto2;
    QPushButton *ButBuscar, *ButLimparBusca;

    // Detail panel.
    QFrame *PanelVisual;
    QLabel *LabelParcela, *LabelVencimento, *LabelValor, *LabelSaldo, *LabelCredor, *LabelEmitente, *LabelDocumento,
        *LabelEndereco, *LabelPraca, *LabelEmissao, *LabelObs;

    // Edit panel.
    QGroupBox *TabEdicao;
    QLineEdit *EditTotalParcelas, *EditIntervalo;
    DataEdit *EditVencimento, *EditEmissao;
    MoedaEdit *EditValor;
    QLineEdit *EditCredor, *EditCredorDoc, *EditCidade, *EditEmitente, *EditEmitenteDoc, *EditEndereco, *EditPraca;
    QPlainTextEdit *MemoObs;
    QPushButton *ButGravar, *ButCancelar, *ButCalculadora;

    // Review of the generated installments.
    QGroupBox *TabParcelas;
    QTableWidget *GridParcelas;
    QPushButton *ButConfirmaParcelas, *ButVoltarParcelas;

    // Payment panel.
    QGroupBox *TabPgto;
    MoedaEdit *EditVlPago;
    DataEdit *EditDtPgto;
    QLabel *LabelSaldoFicara;
    QCheckBox *Check1Via, *Check2Vias;
    QPushButton *ButGravaPgto, *ButCancelaPgto;

    // Actions, as the buttons, keys and menus run them.
    void ButNovoClick();
    void ButAlteraClick();
    void ButGravarClick();
    void ButCancelarClick();
    void ButConfirmaParcelasClick();
    void ButVoltarParcelasClick();
    void ExcluirSelecionada();
    void ExcluirTodas();
    void novoRegistro() override { ButNovoClick(); }

    void ButPesquisarClick();
    void ButBuscarClick();
    void ButLimparBuscaClick();
    void filtraStatus(int status); // the Options menu's filters
    void ExibirTodos();
    bool LocalizaTabelas(bool explicita);
    void ordenaPor(const QString &campo);
    void CalculaContadores();

    void ButRecebeClick();
    void ButGravaPgtoClick();
    void ButCancelaPgtoClick();
    void EstornarRecebimento();

    void ReimprimirEsta();
    void ReimprimirTodas();
    void ReimprimeRecibo(bool duasVias);
    void RelacaoExibidas();
    void RelacaoStatus(int status);

    Transacao TransLeitura;
    Transacao TransQryPrincipal;
    Query QryPesquisa;  // the list
    Query QryPrincipal; // the note of the window
    Query QryParcelas;  // the installments being issued
    Query QryConsulta;  // counts and sums
    Query QryImprimir;  // the notes of the current-note reports
    ConexaoRelatorio *RVNotaPromissoriaLite = nullptr, *RVNotaPromissoriaLite2 = nullptr;

protected:
    void showEvent(QShowEvent *e) override;
    void closeEvent(QCloseEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    void montaBarra();
    void montaLista();
    void montaPainelVisual();
    void montaContadores();
    void montaPesquisa();
    void montaEdicao();
    void montaParcelas();
    void montaPgto();
    void montaMenuImprimir();
    void montaTeclas();
    void habilitaBarra(bool habilita);
    void ModoNormal();
    void ModoEdicao();
    void reabreLista(int codigo = 0);
    void carregaRegistro(int codigo);
    void mostraRegistro();
    void refrescaLembretes();
    int codigoAtual() const;
    // Search.
    void limpaPesquisa();
    bool aplicaFiltros(Query &q, bool comStatus);
    bool conferePar(DataEdit *de, DataEdit *ate, QDate &d1, QDate &d2, bool &ha);
    // Issuing.
    void mostraNaEdicao();
    bool gravaCamposNoRegistro();
    bool confereGravacao();
    void geraParcelas();
    void abreRevisao();
    void editouParcela(int linha, int coluna);
    void excluiCodigos(const QList<int> &codigos);
    void focaInformando(const QString &texto, QWidget *campo);
    // Payments, printing.
    void atualizaSaldoFicara();
    void imprime(const QString &relatorio, int modo, bool daLista, const QString &filtro = {});
    void imprimeParcelas(const QList<int> &codigos);

    ModeloTabela *modeloLista_ = nullptr;
    TeclasNavegacao *teclas_ = nullptr;
    int modo_ = Normal;
    bool revisando_ = false;
    bool recebendo_ = false;
    bool aberta_ = false;
    bool carregandoLista_ = false;
    bool abrirVazia_ = true;
    int primeira_ = 0;   // NPL_CODIGO of installment 1 of the note being issued, once stored
    QList<int> geradas_; // NPL_CODIGO of installments 2..n under review
    int statusFiltro_ = Todas;
    QString ordem_ = QStringLiteral("order by NPL_DT_VENCIMENTO");
    Moeda pagoAntes_, saldoAntes_;
    QVariant obsAntes_;
    int modoImpressao_ = 0; // 1 notes, 2 receipts
};
