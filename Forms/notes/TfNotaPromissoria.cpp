// The frame of the note window: toolbar, menus, keys, the list, the detail panel, the modes,
// opening and closing, and the user's window checks.

#include "CamposFormulario.h"
#include "TfNotaPromissoria.h"

#include "AbridorJanelas.h"
#include "Dados.h"
#include "DataEdit.h"
#include "MoedaEdit.h"
#include "uFuncoes.h"
#include "JanelaPrincipal.h"
#include "LabelClicavel.h"
#include "LayoutIni.h"
#include "Mensagens.h"
#include "ModeloTabela.h"
#include "Plataforma.h"
#include "RegrasNota.h"
#include "Relogio.h"
#include "SeletorLocalidade.h"
#include "SeletorPessoa.h"
#include "TeclasNavegacao.h"
#include "TfCarregando.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QString Secao = QStringLiteral("NOTAPROMISSORIA");
const QString Titulo = QStringLiteral(" Nota Promissória (NP)");

// Lines of the list: select and joins 0-3, condition 4, filter pieces 5-11, status 12, order 13.

} // namespace

TfNotaPromissoria::TfNotaPromissoria(QWidget *parent)
    : QWidget(parent, Qt::Window),
      TransLeitura(dados().DataBase, QStringLiteral("TransPesquisa")),
      TransQryPrincipal(dados().DataBase, QStringLiteral("TransQryPrincipal")),
      QryPesquisa(dados().DataBase, TransLeitura, this),
      QryPrincipal(dados().DataBase, TransQryPrincipal, this),
      QryParcelas(dados().DataBase, TransQryPrincipal, this),
      QryConsulta(dados().DataBase, TransLeitura, this),
      QryImprimir(dados().DataBase, TransLeitura, this),
      TransSelecao(dados().DataBase, QStringLiteral("TransSelecao")),
      QrySelecao(dados().DataBase, TransSelecao, this)
{
    setObjectName(QStringLiteral("fNotaPromissoria"));
    setWindowTitle(Titulo);
    resize(1280, 720);

    QryPesquisa.sql.defineLinhas(
        {QStringLiteral("select NP.NP_CODIGO, NP.NP_STATUS, NP.NP_COD_EMITENTE,  NP.NP_DT_PAGAMENTO, NP.NP_DT_VENCIMENTO, "
                        "NP.NP_DT_EMISSAO, NP.NP_OBS, NP.NP_PARCELA, NP.NP_TOTAL_PARCELAS, NP.NP_VALOR, NP.NP_VALOR_PGTO, "
                        "NP.NP_PARCELA_EXT, NP.NP_SALDO_DEVEDOR, CGE.CG_NOME AS EMITENTE, CGF.CG_NOME AS EMITENTE2, "
                        "NP.NP_COD_CREDOR from NOTAPROMISSORIA NP"),
         QStringLiteral("LEFT JOIN CADASTROS CGE ON CGE.CG_CODIGO=NP.NP_COD_EMITENTE"),
         QStringLiteral("LEFT JOIN CADASTROS CGF ON CGF.CG_CODIGO=NP.NP_COD_EMITENTE2"),
         QStringLiteral("LEFT JOIN EMPRESAS EM ON EM.EM_CODIGO=NP.NP_COD_CREDOR"), QStringLiteral("WHERE NP.NP_CODIGO>0"),
         {}, {}, {}, {}, {}, {}, {}, QStringLiteral("AND NP.NP_STATUS='N' AND NP_DT_VENCIMENTO<=:DATA9"),
         QStringLiteral("order by NP.NP_DT_VENCIMENTO")});

    // The installment with every party joined; insert and update write the NP_ columns only.
    const QString colunas = QStringLiteral(
        "NP.NP_CODIGO, NP.NP_SEQ, NP.NP_PARCELA, NP.NP_TOTAL_PARCELAS, NP.NP_PARCELA_EXT, NP.NP_COD_AUXILIAR2, "
        "NP.NP_DT_EMISSAO, NP.NP_DT_VENCIMENTO, NP.NP_DT_PAGAMENTO, NP.NP_VALOR, NP.NP_SALDO_DEVEDOR, "
        "NP.NP_VALOR_PGTO, NP.NP_VALOR_TEMP, NP.NP_STATUS, NP.NP_COD_CREDOR, NP.NP_COD_EMITENTE, NP.NP_COD_EMITENTE2, "
        "NP.NP_COD_AVALISTA1, NP.NP_COD_AVALISTA2, NP.NP_COD_AVALISTA3, NP.NP_COD_AVALISTA4, NP.NP_COD_CIDADE, "
        "NP.NP_COD_PRACA, NP.NP_OBS, NP.NP_OBS2");
    QryPrincipal.sql.defineLinhas(
        {QStringLiteral("select ") + colunas +
             QStringLiteral(", EM.EM_NOME, EM.EM_FANTASIA, EM.EM_CPF_CNPJ, EM.EM_TIPO_PESSOA, "
                            "CGE.CG_NOME AS EMITENTE, CGE.CG_CPF_CNPJ AS EMITENTE_DOC, CGE.CG_ENDERECO_COMPLETO2 AS EMITENTE_END, "
                            "CGF.CG_NOME AS EMITENTE2, CGF.CG_CPF_CNPJ AS EMITENTE2_DOC, CGF.CG_ENDERECO_COMPLETO2 AS EMITENTE2_END, "
                            "CGA.CG_NOME AS AVALISTA1, CGB.CG_NOME AS AVALISTA2, CGC.CG_NOME AS AVALISTA3, "
                            "CGD.CG_NOME AS AVALISTA4, CD.CD_NOME AS CIDADE, CD.CD_UF AS CIDADE_UF, "
                            "PR.CD_NOME AS PRACA, PR.CD_UF AS PRACA_UF from NOTAPROMISSORIA NP"),
         QStringLiteral("LEFT JOIN EMPRESAS EM ON EM.EM_CODIGO=NP.NP_COD_CREDOR"),
         QStringLiteral("LEFT JOIN CADASTROS CGE ON CGE.CG_CODIGO=NP.NP_COD_EMITENTE"),
         QStringLiteral("LEFT JOIN CADASTROS CGF ON CGF.CG_CODIGO=NP.NP_COD_EMITENTE2"),
         QStringLiteral("LEFT JOIN CADASTROS CGA ON CGA.CG_CODIGO=NP.NP_COD_AVALISTA1"),
         QStringLiteral("LEFT JOIN CADASTROS CGB ON CGB.CG_CODIGO=NP.NP_COD_AVALISTA2"),
         QStringLiteral("LEFT JOIN CADASTROS CGC ON CGC.CG_CODIGO=NP.NP_COD_AVALISTA3"),
         QStringLiteral("LEFT JOIN CADASTROS CGD ON CGD.CG_CODIGO=NP.NP_COD_AVALISTA4"),
         QStringLiteral("LEFT JOIN CIDADES CD ON CD.CD_CODIGO=NP.NP_COD_CIDADE"),
         QStringLiteral("LEFT JOIN CIDADES PR ON PR.CD_CODIGO=NP.NP_COD_PRACA"), QStringLiteral("WHERE NP.NP_CODIGO=:CODIGO")});
    QryPrincipal.defineTabela(QStringLiteral("NOTAPROMISSORIA"), {QStringLiteral("NP_CODIGO")},
                              QStringLiteral("COD_NOTAPROMISSORIA"));
    QryParcelas.sql.defineLinhas({QStringLiteral("select ") + colunas + QStringLiteral(" from NOTAPROMISSORIA NP"),
                                  QStringLiteral("WHERE NP.NP_SEQ=:SEQ AND NP.NP_COD_EMITENTE=:EMITENTE "
                                                 "AND NP.NP_DT_EMISSAO=:EMISSAO"),
                                  QStringLiteral("order by NP.NP_CODIGO")});
    QryParcelas.defineTabela(QStringLiteral("NOTAPROMISSORIA"), {QStringLiteral("NP_CODIGO")},
                             QStringLiteral("COD_NOTAPROMISSORIA"));

    Pessoas = new CandidatosPessoas(TransLeitura, this);

    auto *raiz = new QVBoxLayout(this);
    raiz->setContentsMargins(6, 6, 6, 6);
    montaBarra();
    auto *barra = new QHBoxLayout;
    for (QPushButton *b : {ButNovo, ButAltera, ButExclui, ButPesquisar, ButRelatorios, ButRecebe, ButOpcoes, ButCadastros})
        barra->addWidget(b);
    barra->addStretch();
    barra->addWidget(ButGravar);
    barra->addWidget(ButCancelar);
    barra->addWidget(ButAjuda);
    raiz->addLayout(barra);

    montaLista();
    montaPesquisa();
    montaContadores();
    montaPainelVisual();
    auto *meio = new QHBoxLayout;
    auto *esquerda = new QVBoxLayout;
    esquerda->addWidget(TabPesquisa);
    auto *status = new QHBoxLayout;
    for (QCheckBox *c : {CheckAbertas, CheckPagas, CheckTodas, CheckTodasAbertas}) status->addWidget(c);
    status->addStretch();
    esquerda->addLayout(status);
    esquerda->addWidget(GridLista, 1);
    auto *contadores = new QGridLayout;
    contadores->addWidget(LabelVencidas, 0, 0);
    contadores->addWidget(LabelVencidasValor, 1, 0);
    contadores->addWidget(LabelHoje, 0, 1);
    contadores->addWidget(LabelHojeValor, 1, 1);
    contadores->addWidget(LabelSemana, 0, 2);
    contadores->addWidget(LabelSemanaValor, 1, 2);
    esquerda->addLayout(contadores);
    meio->addLayout(esquerda, 3);
    meio->addWidget(PanelVisual, 2);
    raiz->addLayout(meio, 1);

    montaEdicao();
    montaParcelas();
    raiz->addWidget(TabEdicao);
    raiz->addWidget(TabParcelas);
    montaPgto();
    raiz->addWidget(TabPgto);
    montaMenuImprimir();
    montaSelecao();
    ligaSeletores();
    montaTeclas();

    JanelaNotasCadastro::defineAberta(this);
    JanelaNotasCredor::defineAberta(this);
}

TfNotaPromissoria::~TfNotaPromissoria()
{
    // The queries go before the child widgets: no exit check may run on the way out.
    for (SeletorPessoa *s : {Emitente, Avalista1, Avalista2, Avalista3, Avalista4, Emitente2}) {
        s->setEditando(false);
        s->disconnect(this);
    }
    for (SeletorLocalidade *s : {Praca, Cidade}) {
        s->setEditando(false);
        s->disconnect(this);
    }
    if (JanelaNotasCadastro::aberta() == this) JanelaNotasCadastro::defineAberta(nullptr);
    if (JanelaNotasCredor::aberta() == this) JanelaNotasCredor::defineAberta(nullptr);
}

void TfNotaPromissoria::montaBarra()
{
    ButNovo = CamposFormulario::botaoBarra(this, "ButNovo", QStringLiteral("  &Nova NP"), QStringLiteral("Insere novo registro"));
    ButPesquisar = CamposFormulario::botaoBarra(this, "ButPesquisar", QStringLiteral(" &Pesquisar"));
    ButRelatorios = CamposFormulario::botaoBarra(this, "ButRelatorios", QStringLiteral(" &Imprimir "));
    ButRecebe = CamposFormulario::botaoBarra(this, "ButRecebe", QStringLiteral(" &Receber"));
    ButAltera = CamposFormulario::botaoBarra(this, "ButAltera", QStringLiteral(" &Alterar"));
    ButExclui = CamposFormulario::botaoBarra(this, "ButExclui", QStringLiteral(" &Excluir"));
    ButOpcoes = CamposFormulario::botaoBarra(this, "ButOpcoes", QStringLiteral(" &Opções"));
    ButCadastros = CamposFormulario::botaoBarra(this, "ButCadastros", QStringLiteral(" &Clientes"), QStringLiteral("Acessa cadastros"));
    ButGravar = CamposFormulario::botaoBarra(this, "ButGravar", QStringLiteral(" &Grava (F6)"));
    ButCancelar = CamposFormulario::botaoBarra(this, "ButCancelar", QStringLiteral("&Cancela"));
    ButAjuda = CamposFormulario::botaoBarra(this, "ButAjuda", QStringLiteral("   Ajuda   "), QStringLiteral("Clique aqui para obter ajuda"));
    ButGravar->setFocusPolicy(Qt::StrongFocus);
    ButCancelar->setFocusPolicy(Qt::StrongFocus);

    MenuExcluir = new QMenu(this);
    MenuExcluir->setObjectName(QStringLiteral("MenuExcluir"));
    ItemExcluirSelecionada = MenuExcluir->addAction(QStringLiteral("Excluir a promissória selecionada"));
    ItemExcluirTodas = MenuExcluir->addAction(QStringLiteral("ATENÇÃO: Excluir TODAS as promissórias exibidas"));
    ItemEstornar = MenuExcluir->addAction(QStringLiteral("Estornar Recebimento"));

    MenuRelatorios = new QMenu(this);
    MenuRelatorios->setObjectName(QStringLiteral("MenuRelatorios"));

    MenuOpcoes = new QMenu(this);
    MenuOpcoes->setObjectName(QStringLiteral("MenuOpcoes"));
    ItemAbrirVazia = MenuOpcoes->addAction(QStringLiteral("Abrir sempre com tabela vazia"));
    ItemAbrirVazia->setCheckable(true);
    ItemAbrirVazia->setChecked(true);
    MenuOpcoes->addSeparator();
    ItemModeloPadrao = MenuOpcoes->addAction(QStringLiteral("Impressão Modelo Padrão"));
    ItemModelo4Avalistas = MenuOpcoes->addAction(QStringLiteral("Impressão Modelo 4 Avalistas (*Beta)"));
    ItemModeloReduzido = MenuOpcoes->addAction(QStringLiteral("Impressão Modelo Reduzido (*Beta)"));
    MenuOpcoes->addSeparator();
    ItemCadastros = MenuOpcoes->addAction(QStringLiteral("Cadastros (Emitente, Avalistas)"));
    ItemCredores = MenuOpcoes->addAction(QStringLiteral("Cadastro de Credores"));
    ItemCidades = MenuOpcoes->addAction(QStringLiteral("Cadastro de Cidades"));
    MenuOpcoes->addSeparator();
    ItemCalculadora = MenuOpcoes->addAction(QStringLiteral("Calculadora"));

    MenuAjuda = new QMenu(this);
    MenuAjuda->setObjectName(QStringLiteral("MenuAjuda"));
    QAction *online = MenuAjuda->addAction(QStringLiteral(" Ajuda Online  "));
    QAction *fale = MenuAjuda->addAction(QStringLiteral(" Fale Conosco  "));

    const auto menuSob = [](QPushButton *b, QMenu *m) {
        QObject::connect(b, &QPushButton::clicked, m, [b, m] { m->popup(b->mapToGlobal(QPoint(0, b->height()))); });
    };
    menuSob(ButExclui, MenuExcluir);
    menuSob(ButRelatorios, MenuRelatorios);
    menuSob(ButOpcoes, MenuOpcoes);
    menuSob(ButAjuda, MenuAjuda);

    connect(ButNovo, &QPushButton::clicked, this, &TfNotaPromissoria::ButNovoClick);
    connect(ButAltera, &QPushButton::clicked, this, &TfNotaPromissoria::ButAlteraClick);
    connect(ButGravar, &QPushButton::clicked, this, &TfNotaPromissoria::ButGravarClick);
    connect(ButCancelar, &QPushButton::clicked, this, &TfNotaPromissoria::ButCancelarClick);
    connect(ButPesquisar, &QPushButton::clicked, this, &TfNotaPromissoria::ButPesquisarClick);
    connect(ButRecebe, &QPushButton::clicked, this, &TfNotaPromissoria::ButRecebeClick);
    connect(ButCadastros, &QPushButton::clicked, this, &TfNotaPromissoria::ButCadastrosClick);
    connect(ItemExcluirSelecionada, &QAction::triggered, this, [this] { ExcluirSelecionada(true); });
    connect(ItemExcluirTodas, &QAction::triggered, this, &TfNotaPromissoria::ExcluirTodas);
    connect(ItemAbrirVazia, &QAction::triggered, this, [this](bool marcado) { abrirVazia_ = marcado; });
    connect(ItemCadastros, &QAction::triggered, this, [this] { abreJanela(QStringLiteral("CADASTROS")); });
    connect(ItemCredores, &QAction::triggered, this, [this] { abreJanela(QStringLiteral("EMPRESAS")); });
    connect(ItemCidades, &QAction::triggered, this, [this] { abreJanela(QStringLiteral("CIDADES")); });
    connect(ItemCalculadora, &QAction::triggered, this, [] { Plataforma::atual().abreCalculadora(); });
    connect(online, &QAction::triggered, this, [] { Plataforma::atual().abreEndereco(QStringLiteral("https://www.brelo.com.br/suporte/")); });
    connect(fale, &QAction::triggered, this, [] {
        if (auto *p = JanelaPrincipal::atual()) p->FaleConosco();
    });
}

void TfNotaPromissoria::montaLista()
{
    CheckAbertas = new QCheckBox(this);
    CheckAbertas->setObjectName(QStringLiteral("CheckAbertas"));
    CheckAbertas->setChecked(true);
    CheckAbertas->setFocusPolicy(Qt::NoFocus);

    modeloLista_ = new ModeloTabela(QryPesquisa, this);
    modeloLista_->defineColunas({{QStringLiteral("NP_DT_VENCIMENTO"), QStringLiteral("Vencimento")},
                                 {QStringLiteral("EMITENTE"), QStringLiteral("Emitente")},
                                 {QStringLiteral("NP_PARCELA"), QStringLiteral("Parcela")},
                                 {QStringLiteral("NP_SALDO_DEVEDOR"), QStringLiteral("Vl. Devedor"), Qt::AlignRight | Qt::AlignVCenter},
                                 {QStringLiteral("NP_DT_EMISSAO"), QStringLiteral("Emissão")},
                                 {QStringLiteral("NP_DT_PAGAMENTO"), QStringLiteral("Data Pgto")},
                                 {QStringLiteral("NP_VALOR_PGTO"), QStringLiteral("Valor Pago"), Qt::AlignRight | Qt::AlignVCenter},
                                 {QStringLiteral("NP_VALOR"), QStringLiteral("Valor Original Promiss"), Qt::AlignRight | Qt::AlignVCenter},
                                 {QStringLiteral("EMITENTE2"), QStringLiteral("Emitente 2")}});
    modeloLista_->textoCelula = [this](int linha, const QString &campo) -> QVariant {
        if (campo != QLatin1String("NP_PARCELA")) return {};
        return QStringLiteral("%1 de %2")
            .arg(QryPesquisa.valor(linha, QStringLiteral("NP_PARCELA")).toInt())
            .arg(QryPesquisa.valor(linha, QStringLiteral("NP_TOTAL_PARCELAS")).toInt());
    };
    modeloLista_->estilo = [this](int linha, int papel) -> QVariant {
        if (papel == Qt::ForegroundRole && QryPesquisa.valor(linha, QStringLiteral("NP_STATUS")).toString() == QLatin1String("P"))
            return QColor(Qt::gray);
        return {};
    };
    GridLista = new QTableView(this);
    GridLista->setObjectName(QStringLiteral("GridLista"));
    GridLista->setModel(modeloLista_);
    GridLista->setSelectionBehavior(QAbstractItemView::SelectRows);
    GridLista->setSelectionMode(QAbstractItemView::SingleSelection);
    GridLista->setEditTriggers(QAbstractItemView::NoEditTriggers);
    GridLista->verticalHeader()->setDefaultSectionSize(20);
    GridLista->verticalHeader()->hide();
    GridLista->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    GridLista->installEventFilter(this);
    connect(GridLista->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this](const QModelIndex &i) {
        if (carregandoLista_ || modo_ != Normal || !i.isValid()) return;
        QryPesquisa.setRecNo(i.row());
        carregaRegistro(QryPesquisa.valor(i.row(), QStringLiteral("NP_CODIGO")).toInt());
    });
    connect(GridLista, &QTableView::doubleClicked, this, [this] { ButAlteraClick(); });
}

void TfNotaPromissoria::montaPainelVisual()
{
    PanelVisual = new QFrame(this);
    PanelVisual->setObjectName(QStringLiteral("PanelVisual"));
    PanelVisual->setFrameShape(QFrame::StyledPanel);
    PanelVisual->installEventFilter(this);
    auto *g = new QGridLayout(PanelVisual);
    int linha = 0;
    const auto par = [&](const QString &rotulo, QLabel *valor) {
        g->addWidget(new QLabel(rotulo, PanelVisual), linha, 0, Qt::AlignTop);
        g->addWidget(valor, linha++, 1);
    };
    par(QStringLiteral("Nº da Parcela"), LabelParcelaExt = CamposFormulario::valorPainel(PanelVisual, "LabelParcelaExt"));
    par(QStringLiteral("Vencimento"), LabelVencimento = CamposFormulario::valorPainel(PanelVisual, "LabelVencimento"));
    par(QStringLiteral("Valor Promis."), LabelValor = CamposFormulario::valorPainel(PanelVisual, "LabelValor"));
    par(QStringLiteral("Saldo Dev."), LabelSaldo = CamposFormulario::valorPainel(PanelVisual, "LabelSaldo"));
    par(QStringLiteral("Favorecido (Empresa)"), LabelCredor = CamposFormulario::valorPainel(PanelVisual, "LabelCredor"));
    par(QStringLiteral("Devedor (Cliente)"), LabelEmitente = CamposFormulario::valorPainel(PanelVisual, "LabelEmitente"));
    par(QStringLiteral("Documento"), LabelDocumento = CamposFormulario::valorPainel(PanelVisual, "LabelDocumento"));
    par(QStringLiteral("Endereço"), LabelEndereco = CamposFormulario::valorPainel(PanelVisual, "LabelEndereco"));
    par(QStringLiteral("Praça pgto."), LabelPraca = CamposFormulario::valorPainel(PanelVisual, "LabelPraca"));
    par(QStringLiteral("Emissão"), LabelEmissaoExtenso = CamposFormulario::valorPainel(PanelVisual, "EmissaoExtenso"));
    par(QStringLiteral("Observações"), LabelObs = CamposFormulario::valorPainel(PanelVisual, "LabelObs"));
    g->setRowStretch(linha, 1);
    g->setColumnStretch(1, 1);
}

void TfNotaPromissoria::montaTeclas()
{
    teclas_ = TeclasNavegacao::instala(this);
    teclas_->associa(Qt::Key_F2, ButNovo)
        .associa(Qt::Key_F3, ButAltera)
        .associa(Qt::Key_F4, ButRelatorios)
        .associa(Qt::Key_F5, ButPesquisar)
        .associa(Qt::Key_F6, ButGravar)
        .associa(Qt::Key_F7, ButCancelar)
        .associa(Qt::Key_F10, ButOpcoes)
        .associa(Qt::Key_F11, [this] {
            if (modo_ == Normal) close();
        })
        .associa(Qt::Key_F1, [] {
            if (auto *p = JanelaPrincipal::atual()) p->AjudaSistema();
        });
    teclas_->exclui(MemoDescricao);
    teclas_->exclui(MemoObsRecibo);
    teclas_->exclui(GridParcelas, TeclasNavegacao::Enter | TeclasNavegacao::Esc);
}

bool TfNotaPromissoria::eventFilter(QObject *o, QEvent *e)
{
    if (o == GridLista && e->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent *>(e)->key() == Qt::Key_Delete) {
        if (ButExclui->isEnabled() && ItemExcluirSelecionada->isEnabled()) ExcluirSelecionada(false);
        return true;
    }
    if (e->type() == QEvent::FocusOut && modo_ != Normal) {
        if (o == EditValor || o == EditTotalParcelas) {
            QTimer::singleShot(0, this, &TfNotaPromissoria::CalculaLimite);
        } else if (o == EditIntervalo) {
            saiuIntervalo();
        } else if (o == LkpCredor) {
            preencheCidadesDoCredor();
        } else if (o == EditVencimento || o == EditEmissao) {
            auto *d = static_cast<DataEdit *>(o);
            QVariant v;
            if (!ValidaData(v, d->textoVisivel())) QTimer::singleShot(0, d, [d] { d->setFocus(); d->selectAll(); });
        }
    }
    if (o == PanelVisual && e->type() == QEvent::MouseButtonDblClick) {
        if (ButAltera->isEnabled()) ButAlteraClick();
        return true;
    }
    return QWidget::eventFilter(o, e);
}

// ---- modes ----

void TfNotaPromissoria::habilitaBarra(bool habilita)
{
    for (QPushButton *b : {ButNovo, ButAltera, ButExclui, ButRelatorios, ButOpcoes, ButRecebe, ButPesquisar})
        b->setEnabled(habilita && b->property("pnVetado").toBool() == false);
    GridLista->setEnabled(habilita);
    PanelVisual->setEnabled(habilita);
}

void TfNotaPromissoria::ModoNormal()
{
    modo_ = Normal;
    parcelasGravadas_ = false;
    revisando_ = false;
    primeira_ = 0;
    geradas_.clear();
    EditTotalParcelas->setReadOnly(false);
    habilitaBarra(true);
    TabEdicao->hide();
    TabParcelas->hide();
    escondeListas();
    ButGravar->setEnabled(false);
    ButCancelar->setEnabled(false);
    for (SeletorPessoa *s : {Emitente, Avalista1, Avalista2, Avalista3, Avalista4, Emitente2}) s->setEditando(false);
    Praca->setEditando(false);
    Cidade->setEditando(false);
    setWindowTitle(Titulo);
    GridLista->setFocus();
}

void TfNotaPromissoria::ModoEdicao()
{
    // The person candidates (every visible person) are read when the first note is edited, so
    // that the window opens with only its list to read.
    if (!Pessoas->Qry.ativa()) Pessoas->reabre();
    habilitaBarra(false);
    escondeListas();
    limpaSeletores();
    MemoObsRecibo->hide();
    MemoDescricao->show();
    LabelObservacoes->setText(QStringLiteral("Observações Promissória"));
    QFont f = LabelObservacoes->font();
    f.setBold(false);
    LabelObservacoes->setFont(f);
    const bool inserindo = modo_ == Inserindo;
    for (QWidget *w : {static_cast<QWidget *>(EditTotalParcelas), static_cast<QWidget *>(LabelTotalParcelas),
                       static_cast<QWidget *>(EditIntervalo), static_cast<QWidget *>(LabelIntervalo),
                       static_cast<QWidget *>(LabelLimiteTitulo), static_cast<QWidget *>(LabelLimite)})
        w->setVisible(inserindo);
    LabelTotalParcelas->setText(QStringLiteral("Nº de Parcelas"));
    LabelVencimentoEd->setText(QStringLiteral("Dt. 1º Vencimento"));
    Dados::abre(dados().QryConfigs);
    ButObs2->setVisible(!dados().QryConfigs.isEmpty() &&
                        dados().QryConfigs[QStringLiteral("CF_IMP_RECIBO_NO_ATO")].asString() == QLatin1String("T"));
    TabEdicao->show();
    TabParcelas->hide();
    ButGravar->setEnabled(true);
    ButCancelar->setEnabled(true);
    for (SeletorPessoa *s : {Emitente, Avalista1, Avalista2, Avalista3, Avalista4, Emitente2}) s->setEditando(true);
    Praca->setEditando(true);
    Cidade->setEditando(true);
    EditValor->setFocus();
}

void TfNotaPromissoria::PermissoesUsuario()
{
    if (dados().NomeUsuarioLogado == QLatin1String("MASTER") || dados().loginMaster()) return;
    Query &p = dados().QryLiberaPermissoes;
    const auto direito = [&p](const QString &campo) {
        return p.ativa() && !p.isEmpty() && p.indiceCampo(campo) >= 0 && p[campo].asString() == QLatin1String("T");
    };
    // A control vetoed here stays disabled while the window is open.
    const auto veta = [](QObject *o) {
        o->setProperty("pnVetado", true);
        if (auto *w = qobject_cast<QWidget *>(o)) w->setEnabled(false);
        if (auto *a = qobject_cast<QAction *>(o)) a->setEnabled(false);
    };
    if (!direito(QStringLiteral("PUS_NOTASPROMIS_E"))) { veta(ButNovo); veta(ButAltera); }
    if (!direito(QStringLiteral("PUS_NOTASPROMIS_X"))) { veta(ButExclui); veta(ItemExcluirTodas); }
    if (!direito(QStringLiteral("PUS_NOTASPROMIS_R"))) veta(ButRelatorios);
    if (!direito(QStringLiteral("PUS_NOTASPROMIS_Q"))) { veta(ButRecebe); veta(ItemEstornar); }
    if (!direito(QStringLiteral("PUS_CLIENTES_V")))
        for (QObject *o : std::initializer_list<QObject *>{ButCadastros, ButClienteNovo, BitBtn19, BitBtn17, BitBtn18, BitBtn6, BitBtn7, ItemCadastros})
            veta(o);
    if (!direito(QStringLiteral("PUS_EMPRESAS_V"))) { veta(ButCredorNovo); veta(ItemCredores); }
    if (!direito(QStringLiteral("PUS_LOCALIDADES_V"))) { veta(ButNovaPraca); veta(ButCidadeNova); veta(ItemCidades); }
}

// ---- opening, list, record ----

void TfNotaPromissoria::showEvent(QShowEvent *e)
{
    QWidget::showEvent(e);
    if (aberta_) return;
    aberta_ = true;
    CheckAbertas->setText(QStringLiteral("Abertas até ") + hoje().addDays(7).toString(QStringLiteral("dd/MM/yyyy")));
    TfCarregando::instancia().mostra();
    ModoNormal();
    CarregaTabelas();
    PermissoesUsuario();
    habilitaBarra(true);
    TfCarregando::instancia().fecha();
    activateWindow();
    GridLista->setFocus();
    // The question may open the companies window and close this one: after the window is up.
    QTimer::singleShot(0, this, &TfNotaPromissoria::perguntaEmpresa);
}

void TfNotaPromissoria::CarregaTabelas()
{
    Dados::abre(dados().LookupEstados);
    Dados::abre(dados().LookupCidades);
    Dados::abre(dados().LookupEmpresasNP);
    carregaCredores();
    LkpCredor->setCurrentIndex(-1);
    for (int i = 0; i < LkpCredor->count(); ++i) PesqEditCredor->addItem(LkpCredor->itemText(i));
    PesqEditCredor->setCurrentIndex(-1);
    reabreLista();
    CalculaContadores();
}

void TfNotaPromissoria::carregaCredores()
{
    LkpCredor->clear();
    Query &emp = dados().LookupEmpresasNP;
    for (int i = 0; i < emp.recordCount(); ++i)
        LkpCredor->addItem(emp.valor(i, QStringLiteral("CREDOR")).toString(), emp.valor(i, QStringLiteral("EM_CODIGO")));
}

void TfNotaPromissoria::recebeCredor(int codigo)
{
    if (modo_ == Normal) return;
    carregaCredores(); // the companies window has reopened the creditors' lookup
    LkpCredor->setCurrentIndex(LkpCredor->findData(codigo));
    EditCodVenda->setFocus();
}

void TfNotaPromissoria::reabreLista(int codigo)
{
    carregandoLista_ = true;
    QryPesquisa.close();
    QryPesquisa.defineParametro(QStringLiteral("DATA9"), hoje().addDays(7));
    QryPesquisa.open();
    if (codigo <= 0 || !QryPesquisa.locate(QStringLiteral("NP_CODIGO"), codigo)) QryPesquisa.last();
    carregandoLista_ = false;
    const int linha = QryPesquisa.recNo();
    if (linha >= 0) {
        GridLista->selectRow(linha); // loads the installment
        GridLista->scrollTo(modeloLista_->index(linha, 0));
    }
    carregaRegistro(linha >= 0 ? QryPesquisa.valor(linha, QStringLiteral("NP_CODIGO")).toInt() : 0);
}

void TfNotaPromissoria::carregaRegistro(int codigo)
{
    if (QryPrincipal.editando()) return;
    QryPrincipal.close();
    QryPrincipal.defineParametro(QStringLiteral("CODIGO"), codigo);
    QryPrincipal.open();
    mostraRegistro();
    if (QryPrincipal.isEmpty()) return;
    Emitente->mostra(QryPrincipal[QStringLiteral("NP_COD_EMITENTE")].asInteger(), QryPrincipal[QStringLiteral("EMITENTE")].asString());
    Praca->mostra(QryPrincipal[QStringLiteral("NP_COD_PRACA")].asInteger(), QryPrincipal[QStringLiteral("PRACA")].asString());
    Cidade->mostra(QryPrincipal[QStringLiteral("NP_COD_CIDADE")].asInteger(), QryPrincipal[QStringLiteral("CIDADE")].asString());
    ComboEstados2->setCurrentText(QryPrincipal[QStringLiteral("PRACA_UF")].asString());
    ComboEstados->setCurrentText(QryPrincipal[QStringLiteral("CIDADE_UF")].asString());
}

void TfNotaPromissoria::mostraRegistro()
{
    Query &q = QryPrincipal;
    const bool ha = q.ativa() && !q.isEmpty() && q.estado() != Query::Estado::Inserindo;
    const auto texto = [&](const char *campo) { return ha ? q[QLatin1String(campo)].asString() : QString(); };
    const auto moeda = [&](const char *campo) { return ha ? q[QLatin1String(campo)].asMoeda().formatado() : QString(); };
    LabelParcelaExt->setText(texto("NP_PARCELA_EXT"));
    LabelVencimento->setText(ha ? q[QStringLiteral("NP_DT_VENCIMENTO")].asDate().toString(QStringLiteral("dd/MM/yyyy")) : QString());
    LabelValor->setText(moeda("NP_VALOR"));
    LabelSaldo->setText(moeda("NP_SALDO_DEVEDOR"));
    LabelCredor->setText(texto("EM_NOME"));
    LabelEmitente->setText(ha && !q[QStringLiteral("NP_COD_EMITENTE")].isNull()
                               ? QStringLiteral("%1 - %2").arg(q[QStringLiteral("NP_COD_EMITENTE")].asInteger()).arg(texto("EMITENTE"))
                               : QString());
    LabelDocumento->setText(texto("EMITENTE_DOC"));
    LabelEndereco->setText(texto("EMITENTE_END"));
    LabelPraca->setText(ha && !q[QStringLiteral("PRACA")].isNull() ? texto("PRACA") + QStringLiteral(" / ") + texto("PRACA_UF") : QString());
    LabelEmissaoExtenso->setText(ha ? RegrasNota::emissaoExtenso(texto("CIDADE"), texto("CIDADE_UF"), q[QStringLiteral("NP_DT_EMISSAO")].asDate())
                                    : QString());
    LabelObs->setText(texto("NP_OBS"));
}

void TfNotaPromissoria::perguntaEmpresa()
{
    if (!AbridorJanelas::registrada(TipoJanela::Empresas)) return;
    Query &emp = dados().LookupEmpresasNP;
    Dados::reabre(emp);
    const bool nenhuma = emp.isEmpty();
    if (!nenhuma && emp.valor(0, QStringLiteral("CREDOR")).toString() != QLatin1String("MINHA EMPRESA")) return;
    if (!perguntaSimNao(QStringLiteral("Você não informou os dados da sua empresa. Deseja cadastrar agora?"),
                        QStringLiteral("Informação!")))
        return;
    QWidget *w = nullptr;
    if (auto *p = JanelaPrincipal::atual()) w = p->abreJanela(QStringLiteral("EMPRESAS"));
    if (w) {
        if (nenhuma) {
            if (auto *j = dynamic_cast<JanelaNovoRegistro *>(w)) j->novoRegistro();
        } else if (auto *j = dynamic_cast<JanelaAlteraRegistro *>(w)) {
            j->alteraRegistro(emp.valor(0, QStringLiteral("EM_CODIGO")).toInt());
        }
        if (QWidget *nome = w->findChild<QWidget *>(QStringLiteral("EditNome"))) nome->setFocus();
    }
    close();
}

void TfNotaPromissoria::refrescaLembretes()
{
    if (auto *p = JanelaPrincipal::atual()) p->AbreTabelasLembretes();
}

void TfNotaPromissoria::closeEvent(QCloseEvent *e)
{
    LayoutIni::escreveExibeTodosAbrir(Secao, !abrirVazia_);
    if (modo_ != Normal) {
        // Closing cancels a pending insert or alteration: a note sent back with "Voltar"
        // takes its stored installment 1 with it. The window may be closing while it is
        // destroyed, so nothing may escape from here.
        try {
            if (QryPrincipal.editando()) {
                QryPrincipal.cancel();
                TransQryPrincipal.rollbackRetaining();
                if (modo_ == Inserindo) excluiGeradas(true);
            }
        } catch (const std::exception &erro) {
            mensagemErro(QString::fromUtf8(erro.what()));
        }
        modo_ = Normal;
    }
    refrescaLembretes();
    JanelaNotasCadastro::defineAberta(nullptr);
    JanelaNotasCredor::defineAberta(nullptr);
    QWidget::closeEvent(e);
}



