// The frame of the simplified-note window: toolbar, menus, keys, the list, the detail panel,
// the modes, opening and closing, the counter line and the five totals.

#include "CamposFormulario.h"
#include "TfNotaPromissoriaLite.h"

#include "CamposNotaLite.h"
#include "Dados.h"
#include "DataEdit.h"
#include "ErroBD.h"
#include "JanelaPrincipal.h"
#include "LayoutIni.h"
#include "Mensagens.h"
#include "ModeloTabela.h"
#include "MoedaEdit.h"
#include "Plataforma.h"
#include "Relogio.h"
#include "TeclasNavegacao.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QColor>
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
#include <QVBoxLayout>

namespace {

const QString Secao = QStringLiteral("NOTAPROMISSORIA");
const QString Titulo = QStringLiteral(" Nota Promissória");

} // namespace

TfNotaPromissoriaLite::TfNotaPromissoriaLite(QWidget *parent)
    : QWidget(parent, Qt::Window),
      TransLeitura(dados().DataBase, QStringLiteral("TransPesquisaLite")),
      TransQryPrincipal(dados().DataBase, QStringLiteral("TransQryPrincipalLite")),
      QryPesquisa(dados().DataBase, TransLeitura, this),
      QryPrincipal(dados().DataBase, TransQryPrincipal, this),
      QryParcelas(dados().DataBase, TransQryPrincipal, this),
      QryConsulta(dados().DataBase, TransLeitura, this),
      QryImprimir(dados().DataBase, TransLeitura, this)
{
    setObjectName(QStringLiteral("fNotaPromissoriaLite"));
    setWindowTitle(Titulo);
    resize(1200, 700);

    // Lines of the list: select 0, condition 1, filter pieces 2-8, status 9, order 10.
    QryPesquisa.sql.defineLinhas({QStringLiteral("select * from NOTAPROMISSORIALITE"), QStringLiteral("WHERE NPL_CODIGO>0"), {}, {},
                                  {}, {}, {}, {}, {}, {}, ordem_});
    QryPrincipal.sql.defineLinhas({QStringLiteral("select * from NOTAPROMISSORIALITE"), QStringLiteral("WHERE NPL_CODIGO=:CODIGO")});
    QryPrincipal.defineTabela(QStringLiteral("NOTAPROMISSORIALITE"), {QStringLiteral("NPL_CODIGO")},
                              QStringLiteral("COD_NOTAPROMISSORIALITE"));
    QryParcelas.sql.defineLinhas({QStringLiteral("select * from NOTAPROMISSORIALITE"), QStringLiteral("WHERE NPL_CODIGO=0"),
                                  QStringLiteral("order by NPL_PARCELA")});
    QryParcelas.defineTabela(QStringLiteral("NOTAPROMISSORIALITE"), {QStringLiteral("NPL_CODIGO")},
                             QStringLiteral("COD_NOTAPROMISSORIALITE"));

    auto *raiz = new QVBoxLayout(this);
    raiz->setContentsMargins(6, 6, 6, 6);
    montaBarra();
    auto *barra = new QHBoxLayout;
    for (QPushButton *b : {ButNovo, ButAltera, ButExclui, ButPesquisar, ButRelatorios, ButRecebe, ButOpcoes}) barra->addWidget(b);
    barra->addStretch();
    barra->addWidget(ButAjuda);
    raiz->addLayout(barra);

    montaLista();
    montaPesquisa();
    montaContadores();
    montaPainelVisual();
    auto *meio = new QHBoxLayout;
    auto *esquerda = new QVBoxLayout;
    esquerda->addWidget(TabPesquisa);
    esquerda->addWidget(GridLista, 1);
    esquerda->addWidget(LabelContador);
    for (QLabel *l : {LabelHoje, LabelVencidas, LabelVencidasHoje, Label7Dias, Label30Dias}) esquerda->addWidget(l);
    meio->addLayout(esquerda, 3);
    meio->addWidget(PanelVisual, 2);
    raiz->addLayout(meio, 1);

    montaEdicao();
    montaParcelas();
    montaPgto();
    raiz->addWidget(TabEdicao);
    raiz->addWidget(TabParcelas);
    raiz->addWidget(TabPgto);
    montaMenuImprimir();
    montaTeclas();
}

TfNotaPromissoriaLite::~TfNotaPromissoriaLite() = default;

void TfNotaPromissoriaLite::montaBarra()
{
    ButNovo = CamposFormulario::botaoBarra(this, "ButNovo", QStringLiteral("  &Nova NP"));
    ButPesquisar = CamposFormulario::botaoBarra(this, "ButPesquisar", QStringLiteral(" &Pesquisar"));
    ButRelatorios = CamposFormulario::botaoBarra(this, "ButRelatorios", QStringLiteral(" &Imprimir "));
    ButRecebe = CamposFormulario::botaoBarra(this, "ButRecebe", QStringLiteral(" &Receber"));
    ButAltera = CamposFormulario::botaoBarra(this, "ButAltera", QStringLiteral(" &Alterar"));
    ButExclui = CamposFormulario::botaoBarra(this, "ButExclui", QStringLiteral(" &Excluir"));
    ButOpcoes = CamposFormulario::botaoBarra(this, "ButOpcoes", QStringLiteral(" &Opções"));
    ButAjuda = CamposFormulario::botaoBarra(this, "ButAjuda", QStringLiteral("   Ajuda   "));

    MenuExcluir = new QMenu(this);
    MenuExcluir->setObjectName(QStringLiteral("MenuExcluir"));
    ItemExcluirSelecionada = MenuExcluir->addAction(QStringLiteral("Excluir a promissória selecionada"));
    ItemExcluirTodas = MenuExcluir->addAction(QStringLiteral("ATENÇÃO: Excluir TODAS as promissórias exibidas"));
    ItemEstornar = MenuExcluir->addAction(QStringLiteral("Estornar Recebimento"));

    MenuRelatorios = new QMenu(this);
    MenuRelatorios->setObjectName(QStringLiteral("MenuRelatorios"));

    MenuOpcoes = new QMenu(this);
    MenuOpcoes->setObjectName(QStringLiteral("MenuOpcoes"));
    ExibeEmAbertoePagas2 = MenuOpcoes->addAction(QStringLiteral("Exibir em aberto e pagas"));
    ExibeapenasEmAberto2 = MenuOpcoes->addAction(QStringLiteral("Exibir apenas em aberto"));
    ExibeapenasPagas2 = MenuOpcoes->addAction(QStringLiteral("Exibir apenas pagas"));
    for (QAction *a : {ExibeEmAbertoePagas2, ExibeapenasEmAberto2, ExibeapenasPagas2}) a->setCheckable(true);
    ExibeEmAbertoePagas2->setChecked(true);
    MenuOpcoes->addSeparator();
    ItemExibirTodos = MenuOpcoes->addAction(QStringLiteral("Exibir Todos os Registros"));
    ItemAbrirVazia = MenuOpcoes->addAction(QStringLiteral("Abrir sempre com tabela vazia"));
    ItemAbrirVazia->setCheckable(true);
    ItemAbrirVazia->setChecked(true);
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

    connect(ButNovo, &QPushButton::clicked, this, &TfNotaPromissoriaLite::ButNovoClick);
    connect(ButAltera, &QPushButton::clicked, this, &TfNotaPromissoriaLite::ButAlteraClick);
    connect(ButPesquisar, &QPushButton::clicked, this, &TfNotaPromissoriaLite::ButPesquisarClick);
    connect(ButRecebe, &QPushButton::clicked, this, &TfNotaPromissoriaLite::ButRecebeClick);
    connect(ItemExcluirSelecionada, &QAction::triggered, this, &TfNotaPromissoriaLite::ExcluirSelecionada);
    connect(ItemExcluirTodas, &QAction::triggered, this, &TfNotaPromissoriaLite::ExcluirTodas);
    connect(ItemEstornar, &QAction::triggered, this, &TfNotaPromissoriaLite::EstornarRecebimento);
    connect(ExibeEmAbertoePagas2, &QAction::triggered, this, [this] { filtraStatus(Todas); });
    connect(ExibeapenasEmAberto2, &QAction::triggered, this, [this] { filtraStatus(Abertas); });
    connect(ExibeapenasPagas2, &QAction::triggered, this, [this] { filtraStatus(Pagas); });
    connect(ItemExibirTodos, &QAction::triggered, this, &TfNotaPromissoriaLite::ExibirTodos);
    connect(ItemAbrirVazia, &QAction::triggered, this, [this](bool marcado) { abrirVazia_ = marcado; });
    connect(ItemCalculadora, &QAction::triggered, this, [] { Plataforma::atual().abreCalculadora(); });
    connect(online, &QAction::triggered, this,
            [] { Plataforma::atual().abreEndereco(QStringLiteral("https://www.brelo.com.br/suporte/")); });
    connect(fale, &QAction::triggered, this, [] {
        if (auto *p = JanelaPrincipal::atual()) p->FaleConosco();
    });
}

void TfNotaPromissoriaLite::montaLista()
{
    modeloLista_ = new ModeloTabela(QryPesquisa, this);
    const auto direita = Qt::AlignRight | Qt::AlignVCenter;
    modeloLista_->defineColunas({{QStringLiteral("NPL_DT_VENCIMENTO"), QStringLiteral("Vencimento")},
                                 {QStringLiteral("NPL_EMITENTE"), QStringLiteral("Emitente")},
                                 {QStringLiteral("NPL_PARCELA"), QStringLiteral("Parcela")},
                                 {QStringLiteral("NPL_SALDO_DEVEDOR"), QStringLiteral("Vl. Devedor"), direita},
                                 {QStringLiteral("NPL_DT_EMISSAO"), QStringLiteral("Emissão")},
                                 {QStringLiteral("NPL_DT_PAGAMENTO"), QStringLiteral("Data Pgto")},
                                 {QStringLiteral("NPL_VALOR_PGTO"), QStringLiteral("Valor Pago"), direita},
                                 {QStringLiteral("NPL_VALOR"), QStringLiteral("Valor Original Promiss"), direita}});
    modeloLista_->textoCelula = [this](int linha, const QString &campo) -> QVariant {
        if (campo != QLatin1String("NPL_PARCELA")) return {};
        return CamposNotaLite::parcelaXdeX(QryPesquisa.valor(linha, QStringLiteral("NPL_PARCELA")).toInt(),
                                           QryPesquisa.valor(linha, QStringLiteral("NPL_TOTAL_PARCELAS")).toInt());
    };
    modeloLista_->estilo = [this](int linha, int papel) -> QVariant {
        if (papel == Qt::ForegroundRole &&
            QryPesquisa.valor(linha, QStringLiteral("NPL_STATUS")).toString() == QLatin1String("P"))
            return QColor(0xC0, 0xC0, 0xC0); // 12632256
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
    GridLista->horizontalHeader()->setDefaultSectionSize(86);
    GridLista->horizontalHeader()->setMinimumSectionSize(40);
    GridLista->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    GridLista->installEventFilter(this);
    connect(GridLista->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this](const QModelIndex &i) {
        if (carregandoLista_ || modo_ != Normal || recebendo_ || !i.isValid()) return;
        QryPesquisa.setRecNo(i.row());
        carregaRegistro(QryPesquisa.valor(i.row(), QStringLiteral("NPL_CODIGO")).toInt());
    });
    connect(GridLista, &QTableView::doubleClicked, this, [this] {
        if (ButAltera->isEnabled()) ButAlteraClick();
    });
}

void TfNotaPromissoriaLite::montaPainelVisual()
{
    PanelVisual = new QFrame(this);
    PanelVisual->setObjectName(QStringLiteral("PanelVisual"));
    PanelVisual->setFrameShape(QFrame::StyledPanel);
    PanelVisual->setMaximumWidth(380);
    PanelVisual->installEventFilter(this);
    auto *g = new QGridLayout(PanelVisual);
    int linha = 0;
    const auto par = [&](const QString &rotulo, QLabel *valor) {
        g->addWidget(new QLabel(rotulo, PanelVisual), linha, 0, Qt::AlignTop);
        g->addWidget(valor, linha++, 1);
    };
    par(QStringLiteral("Nº da Parcela"), LabelParcela = CamposFormulario::valorPainel(PanelVisual, "LabelParcela"));
    par(QStringLiteral("Vencimento"), LabelVencimento = CamposFormulario::valorPainel(PanelVisual, "LabelVencimento"));
    par(QStringLiteral("Valor Promis."), LabelValor = CamposFormulario::valorPainel(PanelVisual, "LabelValor"));
    par(QStringLiteral("Saldo Dev."), LabelSaldo = CamposFormulario::valorPainel(PanelVisual, "LabelSaldo"));
    par(QStringLiteral("Credor"), LabelCredor = CamposFormulario::valorPainel(PanelVisual, "LabelCredor"));
    par(QStringLiteral("Emitente"), LabelEmitente = CamposFormulario::valorPainel(PanelVisual, "LabelEmitente"));
    par(QStringLiteral("Documento"), LabelDocumento = CamposFormulario::valorPainel(PanelVisual, "LabelDocumento"));
    par(QStringLiteral("Endereço"), LabelEndereco = CamposFormulario::valorPainel(PanelVisual, "LabelEndereco"));
    par(QStringLiteral("Praça pgto."), LabelPraca = CamposFormulario::valorPainel(PanelVisual, "LabelPraca"));
    par(QStringLiteral("Emissão"), LabelEmissao = CamposFormulario::valorPainel(PanelVisual, "EmissaoExtenso"));
    par(QStringLiteral("Observações"), LabelObs = CamposFormulario::valorPainel(PanelVisual, "LabelObs"));
    g->setRowStretch(linha, 1);
    g->setColumnStretch(1, 1);
}

void TfNotaPromissoriaLite::montaContadores()
{
    const auto rotulo = [this](const char *nome) {
        auto *l = new QLabel(this);
        l->setObjectName(QLatin1String(nome));
        return l;
    };
    LabelContador = rotulo("LabelContador");
    LabelHoje = rotulo("LabelHoje");
    LabelVencidas = rotulo("LabelVencidas");
    LabelVencidasHoje = rotulo("LabelVencidasHoje");
    Label7Dias = rotulo("Label7Dias");
    Label30Dias = rotulo("Label30Dias");
}

void TfNotaPromissoriaLite::montaTeclas()
{
    teclas_ = TeclasNavegacao::instala(this);
    teclas_->associa(Qt::Key_F2, ButNovo)
        .associa(Qt::Key_F3, ButAltera)
        .associa(Qt::Key_F4, ButRelatorios)
        .associa(Qt::Key_F5, [this] { ButPesquisarClick(); })
        .associa(Qt::Key_F6, ButGravar)
        .associa(Qt::Key_F7, ButCancelar)
        .associa(Qt::Key_F10, ButOpcoes)
        .associa(Qt::Key_F11, [this] {
            if (modo_ == Normal && !revisando_ && !recebendo_) close();
        })
        .associa(Qt::Key_F1, [] {
            if (auto *p = JanelaPrincipal::atual()) p->AjudaSistema();
        });
    teclas_->exclui(MemoObs);
    teclas_->exclui(GridParcelas, TeclasNavegacao::Enter | TeclasNavegacao::Esc);
}

bool TfNotaPromissoriaLite::eventFilter(QObject *o, QEvent *e)
{
    if (o == GridLista && e->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(e)->key() == Qt::Key_Delete) {
        if (ButExclui->isEnabled()) ExcluirSelecionada();
        return true;
    }
    if (o == PanelVisual && e->type() == QEvent::MouseButtonDblClick) {
        if (ButAltera->isEnabled()) ButAlteraClick();
        return true;
    }
    if (o == EditIntervalo && e->type() == QEvent::FocusOut) {
        if (EditIntervalo->text().trimmed().isEmpty() || EditIntervalo->text().toInt() < 1)
            EditIntervalo->setText(QStringLiteral("30"));
    }
    if (o == EditVlPago && e->type() == QEvent::FocusOut) atualizaSaldoFicara();
    return QWidget::eventFilter(o, e);
}

// ---- modes ----

void TfNotaPromissoriaLite::habilitaBarra(bool habilita)
{
    for (QPushButton *b : {ButNovo, ButAltera, ButExclui, ButRelatorios, ButOpcoes, ButRecebe, ButPesquisar}) b->setEnabled(habilita);
    GridLista->setEnabled(habilita);
    PanelVisual->setEnabled(habilita);
    TabPesquisa->setEnabled(habilita);
}

void TfNotaPromissoriaLite::ModoNormal()
{
    modo_ = Normal;
    revisando_ = false;
    recebendo_ = false;
    primeira_ = 0;
    geradas_.clear();
    habilitaBarra(true);
    TabEdicao->hide();
    TabParcelas->hide();
    TabPgto->hide();
    ButGravar->setEnabled(false);
    ButCancelar->setEnabled(false);
    setWindowTitle(Titulo);
    GridLista->setFocus();
}

void TfNotaPromissoriaLite::ModoEdicao()
{
    habilitaBarra(false);
    TabPgto->hide();
    TabParcelas->hide();
    TabEdicao->show();
    EditTotalParcelas->setReadOnly(modo_ != Inserindo);
    ButGravar->setEnabled(true);
    ButCancelar->setEnabled(true);
}

// ---- opening, list, record ----

void TfNotaPromissoriaLite::showEvent(QShowEvent *e)
{
    QWidget::showEvent(e);
    if (aberta_) return;
    aberta_ = true;
    ModoNormal();
    reabreLista();
    CalculaContadores();
}

int TfNotaPromissoriaLite::codigoAtual() const
{
    const int linha = QryPesquisa.recNo();
    return linha >= 0 && linha < QryPesquisa.recordCount() ? QryPesquisa.valor(linha, QStringLiteral("NPL_CODIGO")).toInt() : 0;
}

void TfNotaPromissoriaLite::reabreLista(int codigo)
{
    carregandoLista_ = true;
    QryPesquisa.close();
    QryPesquisa.open();
    QryPesquisa.buscaTodas();
    if (codigo <= 0 || !QryPesquisa.locate(QStringLiteral("NPL_CODIGO"), codigo)) QryPesquisa.first();
    carregandoLista_ = false;
    const int linha = QryPesquisa.isEmpty() ? -1 : QryPesquisa.recNo();
    if (linha >= 0) {
        GridLista->selectRow(linha);
        GridLista->scrollTo(modeloLista_->index(linha, 0));
    }
    carregaRegistro(linha >= 0 ? QryPesquisa.valor(linha, QStringLiteral("NPL_CODIGO")).toInt() : 0);
}

void TfNotaPromissoriaLite::carregaRegistro(int codigo)
{
    if (QryPrincipal.editando()) return;
    QryPrincipal.close();
    QryPrincipal.defineParametro(QStringLiteral("CODIGO"), codigo);
    QryPrincipal.open();
    mostraRegistro();
}

void TfNotaPromissoriaLite::mostraRegistro()
{
    Query &q = QryPrincipal;
    const bool ha = q.ativa() && !q.isEmpty() && q.estado() != Query::Estado::Inserindo;
    const auto texto = [&](const char *campo) { return ha ? q[QLatin1String(campo)].asString() : QString(); };
    const auto moeda = [&](const char *campo) { return ha ? q[QLatin1String(campo)].asMoeda().formatado() : QString(); };
    LabelParcela->setText(ha ? CamposNotaLite::parcelaXdeX(q[QStringLiteral("NPL_PARCELA")].asInteger(),
                                                           q[QStringLiteral("NPL_TOTAL_PARCELAS")].asInteger())
                             : QString());
    LabelVencimento->setText(ha ? q[QStringLiteral("NPL_DT_VENCIMENTO")].asDate().toString(QStringLiteral("dd/MM/yyyy")) : QString());
    LabelValor->setText(moeda("NPL_VALOR"));
    LabelSaldo->setText(moeda("NPL_SALDO_DEVEDOR"));
    LabelCredor->setText(texto("NPL_CREDOR"));
    LabelEmitente->setText(texto("NPL_EMITENTE"));
    LabelDocumento->setText(texto("NPL_EMITENTE_DOC"));
    LabelEndereco->setText(texto("NPL_EMITENTE_ENDERECO"));
    LabelPraca->setText(texto("NPL_PRACA"));
    LabelEmissao->setText(ha ? CamposNotaLite::emissaoExtenso(texto("NPL_CIDADE"), q[QStringLiteral("NPL_DT_EMISSAO")].asDate())
                             : QString());
    LabelObs->setText(texto("NPL_OBS"));
}

void TfNotaPromissoriaLite::refrescaLembretes()
{
    if (auto *p = JanelaPrincipal::atual()) p->AbreTabelasLembretes();
}

// "Exibindo {listed} de {all} registros  -  {open} Abertas  -  {paid}  Pagas" and the five totals
// of the notes not paid.
void TfNotaPromissoriaLite::CalculaContadores()
{
    const auto um = [this](const QString &sql, const std::function<void(Query &)> &parametros) {
        QryConsulta.close();
        QryConsulta.sql.defineTexto(sql);
        QryConsulta.limpaParametros();
        if (parametros) parametros(QryConsulta);
        QryConsulta.open();
    };
    um(QStringLiteral("select count(*) from NOTAPROMISSORIALITE"), {});
    const int todos = QryConsulta.valor(0, 0).toInt();
    // The open and paid counts follow the search criteria (without the status filter).
    Query filtro(dados().DataBase, TransLeitura);
    filtro.sql.defineLinhas({QStringLiteral("select count(case when NPL_STATUS='N' then 1 end), "
                                            "count(case when NPL_STATUS='P' then 1 end) from NOTAPROMISSORIALITE"),
                             QStringLiteral("WHERE NPL_CODIGO>0"), {}, {}, {}, {}, {}, {}, {}, {}, {}});
    for (int i = 1; i <= 8; ++i) filtro.sql[i] = QryPesquisa.sql[i];
    for (const QString &p : {QStringLiteral("DATAVENC1"), QStringLiteral("DATAVENC2"), QStringLiteral("DATAEMIS1"),
                             QStringLiteral("DATAEMIS2"), QStringLiteral("DATAPGTO1"), QStringLiteral("DATAPGTO2"),
                             QStringLiteral("VALOR1"), QStringLiteral("VALOR2")})
        if (filtro.sql.texto().contains(QLatin1Char(':') + p)) filtro.defineParametro(p, QryPesquisa.parametro(p));
    filtro.open();
    LabelContador->setText(QStringLiteral("Exibindo %1 de %2 registros  -  %3 Abertas  -  %4  Pagas")
                               .arg(QryPesquisa.recordCount())
                               .arg(todos)
                               .arg(filtro.valor(0, 0).toInt())
                               .arg(filtro.valor(0, 1).toInt()));
    filtro.close();

    const QDate dia = hoje();
    const auto total = [&](QLabel *rotulo, QDate d1, QDate d2, bool ate, const QString &texto) {
        um(QStringLiteral("select count(*), sum(NPL_SALDO_DEVEDOR) from NOTAPROMISSORIALITE "
                          "where NPL_STATUS<>'P' and NPL_DT_VENCIMENTO>=:DATA1 and NPL_DT_VENCIMENTO%1:DATA2")
               .arg(ate ? QStringLiteral("<=") : QStringLiteral("<")),
           [&](Query &q) {
               q.defineParametro(QStringLiteral("DATA1"), d1);
               q.defineParametro(QStringLiteral("DATA2"), d2);
           });
        const QVariant soma = QryConsulta.valor(0, 1);
        const Moeda m = soma.metaType() == QMetaType::fromType<Moeda>() ? soma.value<Moeda>() : Moeda();
        rotulo->setText(QString::number(QryConsulta.valor(0, 0).toInt()) + texto + m.formatado() + QLatin1Char(')'));
    };
    const QDate inicio(1900, 1, 1);
    total(LabelHoje, dia, dia, true, QStringLiteral("  Promissória(s) vencendo hoje   ("));
    total(LabelVencidas, inicio, dia, false, QStringLiteral("  Vencida(s)/ Atrasada(s)  ("));
    total(LabelVencidasHoje, inicio, dia, true, QStringLiteral("  Vencida(s) + Hoje  ("));
    total(Label7Dias, dia.addDays(1), dia.addDays(7), true, QStringLiteral("  Vencendo prox. 7 dias  ("));
    total(Label30Dias, dia.addDays(1), dia.addDays(30), true, QStringLiteral("  Vencendo prox. 30 dias  ("));
    QryConsulta.close();
}

void TfNotaPromissoriaLite::closeEvent(QCloseEvent *e)
{
    LayoutIni::escreveExibeTodosAbrir(Secao, !abrirVazia_);
    // Closing while editing drops the unsaved row; a note under review or sent back with
    // "Voltar" takes its stored installments with it.
    try {
        if (QryPrincipal.editando()) QryPrincipal.cancel();
        if (modo_ == Inserindo) {
            QList<int> codigos = geradas_;
            if (primeira_ > 0) codigos.append(primeira_);
            excluiCodigos(codigos);
        }
    } catch (const std::exception &erro) {
        mensagemErro(QString::fromUtf8(erro.what()));
    }
    modo_ = Normal;
    refrescaLembretes();
    QWidget::closeEvent(e);
}
