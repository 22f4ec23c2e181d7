// The search area of the simplified-note window, the status filters and the list's sort.

#include "TfNotaPromissoriaLite.h"

#include "DataEdit.h"
#include "Mensagens.h"
#include "ModeloTabela.h"

#include <QAction>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTimer>

namespace {

// Lines of the list: condition 1, filter pieces 2-8, status 9, order 10.
constexpr int LinhaStatus = 9;
constexpr int LinhaOrdem = 10;
const QString DataInvalida = QStringLiteral("Formato de Data Inválida !");

bool informado(const QString &t) { return !t.isEmpty() && t != QLatin1String(" "); }
QString semAspas(QString t) { return t.replace(QLatin1Char('\''), QStringLiteral("''")); }

// A search date box left with an impossible date: the message, focus kept.
class SaidaData : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (e->type() == QEvent::FocusOut) {
            auto *d = static_cast<DataEdit *>(o);
            if (!d->vazio() && !d->data().isValid()) {
                informacao(DataInvalida);
                QTimer::singleShot(0, d, [d] { d->setFocus(); });
            }
        }
        return false;
    }
};

} // namespace

void TfNotaPromissoriaLite::montaPesquisa()
{
    TabPesquisa = new QGroupBox(this);
    TabPesquisa->setObjectName(QStringLiteral("TabPesquisa"));
    auto *g = new QGridLayout(TabPesquisa);
    g->setContentsMargins(6, 4, 6, 4);
    auto *saida = new SaidaData(this);
    const auto data = [&](const char *nome) {
        auto *d = new DataEdit(TabPesquisa);
        d->setObjectName(QLatin1String(nome));
        d->setFixedWidth(90);
        d->installEventFilter(saida);
        return d;
    };
    const auto texto = [&](const char *nome) {
        auto *e = new QLineEdit(TabPesquisa);
        e->setObjectName(QLatin1String(nome));
        return e;
    };
    PesqEditEmitente = texto("PesqEditEmitente");
    PesqEditDataVenc1 = data("PesqEditDataVenc1");
    PesqEditDataVenc2 = data("PesqEditDataVenc2");
    PesqEditParcela = texto("PesqEditParcela");
    PesqEditDataEmis1 = data("PesqEditDataEmis1");
    PesqEditDataEmis2 = data("PesqEditDataEmis2");
    PesqEditCredor = texto("PesqEditCredor");
    PesqEditDataPgto1 = data("PesqEditDataPgto1");
    PesqEditDataPgto2 = data("PesqEditDataPgto2");
    PesqEditValor1 = texto("PesqEditValor1");
    PesqEditValor2 = texto("PesqEditValor2");
    for (QLineEdit *e : {PesqEditEmitente, PesqEditCredor})
        connect(e, &QLineEdit::textEdited, e, [e](const QString &t) {
            const int c = e->cursorPosition();
            e->setText(t.toUpper());
            e->setCursorPosition(c);
        });
    ButBuscar = new QPushButton(QStringLiteral(" Buscar"), TabPesquisa);
    ButBuscar->setObjectName(QStringLiteral("ButBuscar"));
    ButLimparBusca = new QPushButton(QStringLiteral("Limpar busca"), TabPesquisa);
    ButLimparBusca->setObjectName(QStringLiteral("ButLimparBusca"));
    for (QPushButton *b : {ButBuscar, ButLimparBusca}) b->setAutoDefault(false);

    const auto par = [&](int linha, int coluna, const QString &rotulo, QWidget *a, QWidget *b) {
        g->addWidget(new QLabel(rotulo, TabPesquisa), linha, coluna);
        auto *h = new QHBoxLayout;
        h->addWidget(a);
        if (b) h->addWidget(b);
        h->addStretch();
        g->addLayout(h, linha, coluna + 1);
    };
    par(0, 0, QStringLiteral("PESQUISAR por: Emitente"), PesqEditEmitente, nullptr);
    par(0, 2, QStringLiteral("Credor "), PesqEditCredor, nullptr);
    par(1, 0, QStringLiteral("Dt. Vencimento"), PesqEditDataVenc1, PesqEditDataVenc2);
    par(1, 2, QStringLiteral("Nº da Parcela"), PesqEditParcela, nullptr);
    par(2, 0, QStringLiteral("Dt. Emissão"), PesqEditDataEmis1, PesqEditDataEmis2);
    par(2, 2, QStringLiteral("Dt. Pagamento"), PesqEditDataPgto1, PesqEditDataPgto2);
    par(3, 0, QStringLiteral("Valores (originais)"), PesqEditValor1, PesqEditValor2);
    auto *botoes = new QHBoxLayout;
    botoes->addStretch();
    botoes->addWidget(ButLimparBusca);
    botoes->addWidget(ButBuscar);
    g->addLayout(botoes, 3, 2, 1, 2);
    for (QLineEdit *e : {PesqEditParcela, PesqEditValor1, PesqEditValor2}) e->setFixedWidth(90);
    TabPesquisa->hide();

    connect(ButBuscar, &QPushButton::clicked, this, &TfNotaPromissoriaLite::ButBuscarClick);
    connect(ButLimparBusca, &QPushButton::clicked, this, &TfNotaPromissoriaLite::ButLimparBuscaClick);
    GridLista->horizontalHeader()->setSectionsClickable(true);
    connect(GridLista->horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this](int secao) { ordenaPor(modeloLista_->campoDaColuna(secao)); });
}

void TfNotaPromissoriaLite::limpaPesquisa()
{
    for (QLineEdit *e : {PesqEditEmitente, PesqEditParcela, PesqEditCredor, PesqEditValor1, PesqEditValor2}) e->clear();
    for (DataEdit *d : {PesqEditDataVenc1, PesqEditDataVenc2, PesqEditDataEmis1, PesqEditDataEmis2, PesqEditDataPgto1,
                        PesqEditDataPgto2})
        d->clear();
}

void TfNotaPromissoriaLite::ButPesquisarClick()
{
    if (TabPesquisa->isVisible()) {
        TabPesquisa->hide();
        ButPesquisar->setText(QStringLiteral(" &Pesquisar"));
        GridLista->setFocus();
        return;
    }
    limpaPesquisa();
    TabPesquisa->show();
    ButPesquisar->setText(QStringLiteral(" Oculta &Pesq."));
    LocalizaTabelas(false);
    PesqEditEmitente->setFocus();
}

void TfNotaPromissoriaLite::ButBuscarClick() { LocalizaTabelas(true); }

void TfNotaPromissoriaLite::ButLimparBuscaClick()
{
    limpaPesquisa();
    LocalizaTabelas(false);
}

void TfNotaPromissoriaLite::filtraStatus(int status)
{
    statusFiltro_ = status;
    ExibeEmAbertoePagas2->setChecked(status == Todas);
    ExibeapenasEmAberto2->setChecked(status == Abertas);
    ExibeapenasPagas2->setChecked(status == Pagas);
    LocalizaTabelas(true);
}

void TfNotaPromissoriaLite::ExibirTodos()
{
    statusFiltro_ = Todas;
    ExibeEmAbertoePagas2->setChecked(true);
    ExibeapenasEmAberto2->setChecked(false);
    ExibeapenasPagas2->setChecked(false);
    limpaPesquisa();
    LocalizaTabelas(false);
}

// A date pair: both empty skips it; one of the two filled stops the search and focuses the
// other, without a message; a date that does not convert stops it with the message.
bool TfNotaPromissoriaLite::conferePar(DataEdit *de, DataEdit *ate, QDate &d1, QDate &d2, bool &ha)
{
    ha = !de->vazio() || !ate->vazio();
    if (!ha) return true;
    const auto foca = [](DataEdit *d) {
        d->setFocus();
        d->selectAll();
        return false;
    };
    if (de->vazio()) return foca(de);
    if (ate->vazio()) return foca(ate);
    d1 = de->data();
    d2 = ate->data();
    if (!d1.isValid()) return informacao(DataInvalida), foca(de);
    if (!d2.isValid()) return informacao(DataInvalida), foca(ate);
    return true;
}

bool TfNotaPromissoriaLite::aplicaFiltros(Query &q, bool comStatus)
{
    SQLTexto &s = q.sql;
    for (int i = 2; i <= LinhaStatus; ++i) s[i].clear();
    const auto datas = [&](DataEdit *a, DataEdit *b, int linha, const char *campo, const char *p1, const char *p2) {
        QDate d1, d2;
        bool ha = false;
        if (!conferePar(a, b, d1, d2, ha)) return false;
        if (ha) {
            s[linha] = QStringLiteral("AND %1>=:%2 AND %1<=:%3").arg(QLatin1String(campo), QLatin1String(p1), QLatin1String(p2));
            q.defineParametro(QLatin1String(p1), d1);
            q.defineParametro(QLatin1String(p2), d2);
        }
        return true;
    };
    if (informado(PesqEditEmitente->text()))
        s[2] = QStringLiteral("AND NPL_EMITENTE LIKE('%") + semAspas(PesqEditEmitente->text()) + QStringLiteral("%')");
    if (!datas(PesqEditDataVenc1, PesqEditDataVenc2, 3, "NPL_DT_VENCIMENTO", "DATAVENC1", "DATAVENC2")) return false;
    if (informado(PesqEditParcela->text()))
        s[4] = QStringLiteral("AND NPL_PARCELA LIKE('") + semAspas(PesqEditParcela->text().trimmed()) + QStringLiteral("')");
    if (!datas(PesqEditDataEmis1, PesqEditDataEmis2, 5, "NPL_DT_EMISSAO", "DATAEMIS1", "DATAEMIS2")) return false;
    const QString t1 = PesqEditValor1->text().trimmed(), t2 = PesqEditValor2->text().trimmed();
    if (!t1.isEmpty() || !t2.isEmpty()) {
        const auto v1 = t1.isEmpty() ? std::optional<Moeda>() : Moeda::deTexto(t1);
        const auto v2 = t2.isEmpty() ? std::optional<Moeda>() : Moeda::deTexto(t2);
        for (const auto &[t, v, campo] : {std::tuple{t1, v1, PesqEditValor1}, std::tuple{t2, v2, PesqEditValor2}})
            if (!t.isEmpty() && !v) {
                informacao(QStringLiteral("'%1' não é um valor válido !").arg(t));
                campo->setFocus();
                return false;
            }
        if (v1 && v2 && *v1 >= Moeda() && *v2 > Moeda()) {
            s[6] = QStringLiteral("AND NPL_VALOR>=:VALOR1 AND NPL_VALOR<=:VALOR2");
            q.defineParametro(QStringLiteral("VALOR1"), QVariant::fromValue(*v1));
            q.defineParametro(QStringLiteral("VALOR2"), QVariant::fromValue(*v2));
        }
    }
    if (informado(PesqEditCredor->text()))
        s[7] = QStringLiteral("AND NPL_CREDOR LIKE('%") + semAspas(PesqEditCredor->text()) + QStringLiteral("%')");
    if (!datas(PesqEditDataPgto1, PesqEditDataPgto2, 8, "NPL_DT_PAGAMENTO", "DATAPGTO1", "DATAPGTO2")) return false;
    if (comStatus && statusFiltro_ == Abertas) s[LinhaStatus] = QStringLiteral("AND NPL_STATUS='N'");
    if (comStatus && statusFiltro_ == Pagas) s[LinhaStatus] = QStringLiteral("AND NPL_STATUS='P'");
    return true;
}

// Runs the search; false when a check stopped it (the list stays as it was).
bool TfNotaPromissoriaLite::LocalizaTabelas(bool explicita)
{
    const SQLTexto antes = QryPesquisa.sql;
    if (!aplicaFiltros(QryPesquisa, true)) {
        QryPesquisa.sql = antes;
        return false;
    }
    QryPesquisa.sql[LinhaOrdem] = ordem_;
    reabreLista();
    CalculaContadores();
    if (explicita && QryPesquisa.isEmpty()) informacao(QStringLiteral("Nenhuma promissória encontrada !"));
    return true;
}

void TfNotaPromissoriaLite::ordenaPor(const QString &campo)
{
    if (campo.isEmpty()) return;
    ordem_ = QStringLiteral("order by ") + campo;
    QryPesquisa.sql[LinhaOrdem] = ordem_;
    reabreLista(codigoAtual());
}
