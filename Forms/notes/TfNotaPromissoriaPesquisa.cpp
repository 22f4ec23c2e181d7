// The list's search area, its status filter and its column sort.

#include "TfNotaPromissoria.h"

#include "Dados.h"
#include "DataEdit.h"
#include "Mensagens.h"
#include "ModeloTabela.h"
#include "Relogio.h"
#include "TfCarregando.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTableView>
#include <QTimer>

namespace {

// Lines of the list: condition 4, filter pieces 5-11, status 12, order 13.
constexpr int LinhaCondicao = 4;
constexpr int Pecas = 7;

const QString Abertas = QStringLiteral("AND NP.NP_STATUS='N'");
const QString AbertasAte = QStringLiteral("AND NP.NP_STATUS='N' AND NP_DT_VENCIMENTO<=:DATA9");

QString textoBusca(const QLineEdit *e) { return e->text(); }
bool informado(const QString &t) { return !t.isEmpty() && t != QLatin1String(" "); }
QString semAspas(QString t) { return t.replace(QLatin1Char('\''), QStringLiteral("''")); }

// A date box left with an impossible date: "Formato de Data Inválida !", emptied, focus kept.
class SaidaData : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (e->type() == QEvent::FocusOut) {
            auto *d = static_cast<DataEdit *>(o);
            if (!d->vazio() && !d->data().isValid()) {
                informacao(QStringLiteral("Formato de Data Inválida !"));
                d->clear();
                QTimer::singleShot(0, d, [d] { d->setFocus(); });
            }
        }
        return false;
    }
};

} // namespace

void TfNotaPromissoria::montaPesquisa()
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
    const auto texto = [&](const char *nome, QValidator *v = nullptr) {
        auto *e = new QLineEdit(TabPesquisa);
        e->setObjectName(QLatin1String(nome));
        if (v) {
            v->setParent(e);
            e->setValidator(v);
        }
        return e;
    };
    PesqEditEmitente = texto("PesqEditEmitente");
    connect(PesqEditEmitente, &QLineEdit::textEdited, PesqEditEmitente, [this](const QString &t) {
        const int c = PesqEditEmitente->cursorPosition();
        PesqEditEmitente->setText(t.toUpper());
        PesqEditEmitente->setCursorPosition(c);
    });
    PesqEditDataVenc1 = data("PesqEditDataVenc1");
    PesqEditDataVenc2 = data("PesqEditDataVenc2");
    PesqEditDataEmis1 = data("PesqEditDataEmis1");
    PesqEditDataEmis2 = data("PesqEditDataEmis2");
    PesqEditDataPgto1 = data("PesqEditDataPgto1");
    PesqEditDataPgto2 = data("PesqEditDataPgto2");
    PesqEditParcela1 = texto("PesqEditParcela1", new QIntValidator(0, 9999));
    PesqEditParcela2 = texto("PesqEditParcela2", new QIntValidator(0, 9999));
    const QRegularExpression numero(QStringLiteral("[0-9.]{0,15}(,[0-9]{0,2})?"));
    PesqEditValor1 = texto("PesqEditValor1", new QRegularExpressionValidator(numero));
    PesqEditValor2 = texto("PesqEditValor2", new QRegularExpressionValidator(numero));
    PesqEditCredor = new QComboBox(TabPesquisa);
    PesqEditCredor->setObjectName(QStringLiteral("PesqEditCredor"));
    PesqEditCredor->setEditable(true);
    PesqEditCredor->setInsertPolicy(QComboBox::NoInsert);
    connect(PesqEditCredor->lineEdit(), &QLineEdit::textEdited, PesqEditCredor, [this](const QString &t) {
        QLineEdit *e = PesqEditCredor->lineEdit();
        const int c = e->cursorPosition();
        e->setText(t.toUpper());
        e->setCursorPosition(c);
    });
    ButBuscar = new QPushButton(QStringLiteral(" Buscar"), TabPesquisa);
    ButBuscar->setObjectName(QStringLiteral("ButBuscar"));
    ButBuscar->setToolTip(QStringLiteral("Efetua busca das opções relacionadas"));
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
    g->addWidget(new QLabel(QStringLiteral("PESQUISAR por: Emitente"), TabPesquisa), 0, 0);
    g->addWidget(PesqEditEmitente, 0, 1, 1, 3);
    par(1, 0, QStringLiteral("Dt. Vencimento"), PesqEditDataVenc1, PesqEditDataVenc2);
    par(1, 2, QStringLiteral("Dt. Emissão"), PesqEditDataEmis1, PesqEditDataEmis2);
    par(2, 0, QStringLiteral("Nº da Parcela"), PesqEditParcela1, PesqEditParcela2);
    g->addWidget(new QLabel(QStringLiteral("Credor "), TabPesquisa), 2, 2);
    g->addWidget(PesqEditCredor, 2, 3);
    par(3, 0, QStringLiteral("Dt. Pagamento"), PesqEditDataPgto1, PesqEditDataPgto2);
    par(3, 2, QStringLiteral("Valores (originais)"), PesqEditValor1, PesqEditValor2);
    auto *botoes = new QHBoxLayout;
    botoes->addStretch();
    botoes->addWidget(ButBuscar);
    botoes->addWidget(ButLimparBusca);
    g->addLayout(botoes, 4, 0, 1, 4);
    for (QLineEdit *e : {PesqEditParcela1, PesqEditParcela2, PesqEditValor1, PesqEditValor2}) e->setFixedWidth(90);
    TabPesquisa->hide();

    CheckPagas = new QCheckBox(QStringLiteral("Pagas"), this);
    CheckPagas->setObjectName(QStringLiteral("CheckPagas"));
    CheckTodas = new QCheckBox(QStringLiteral("Todas"), this);
    CheckTodas->setObjectName(QStringLiteral("CheckTodas"));
    CheckTodasAbertas = new QCheckBox(QStringLiteral("Todas em aberto"), this);
    CheckTodasAbertas->setObjectName(QStringLiteral("CheckTodasAbertas"));
    const QList<QPair<QCheckBox *, int>> caixas{{CheckAbertas, 1}, {CheckPagas, 2}, {CheckTodas, 0}, {CheckTodasAbertas, 4}};
    for (const auto &[caixa, valor] : caixas) {
        caixa->setFocusPolicy(Qt::NoFocus);
        connect(caixa, &QCheckBox::clicked, this, [this, caixa = caixa, valor = valor](bool marcada) {
            if (!marcada) {
                caixa->setChecked(true); // one box is always ticked
                return;
            }
            marcaStatus(valor);
            LocalizaTabelas();
        });
    }

    connect(ButBuscar, &QPushButton::clicked, this, &TfNotaPromissoria::ButBuscarClick);
    connect(ButLimparBusca, &QPushButton::clicked, this, &TfNotaPromissoria::ButLimparBuscaClick);
    GridLista->horizontalHeader()->setSectionsClickable(true);
    connect(GridLista->horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this](int secao) { ordenaPor(modeloLista_->campoDaColuna(secao)); });
}

void TfNotaPromissoria::marcaStatus(int valor)
{
    statusFiltro_ = valor;
    CheckAbertas->setChecked(valor == 1);
    CheckPagas->setChecked(valor == 2);
    CheckTodas->setChecked(valor == 0);
    CheckTodasAbertas->setChecked(valor == 4);
}

void TfNotaPromissoria::limpaPesquisa()
{
    for (QLineEdit *e : {PesqEditEmitente, PesqEditParcela1, PesqEditParcela2, PesqEditValor1, PesqEditValor2}) e->clear();
    for (DataEdit *d : {PesqEditDataVenc1, PesqEditDataVenc2, PesqEditDataEmis1, PesqEditDataEmis2, PesqEditDataPgto1,
                        PesqEditDataPgto2})
        d->clear();
    PesqEditCredor->setCurrentIndex(-1);
    PesqEditCredor->setEditText(QString());
}

void TfNotaPromissoria::ButPesquisarClick()
{
    if (TabPesquisa->isVisible()) {
        TabPesquisa->hide();
        ButPesquisar->setText(QStringLiteral(" &Pesquisar"));
        GridLista->setFocus();
        return;
    }
    limpaPesquisa();
    buscaPedida_ = false;
    TabPesquisa->show();
    ButPesquisar->setText(QStringLiteral(" Oculta &Pesq."));
    PesqEditEmitente->setFocus();
}

void TfNotaPromissoria::ButBuscarClick()
{
    buscaPedida_ = true;
    LocalizaTabelas();
}

void TfNotaPromissoria::ButLimparBuscaClick()
{
    buscaPedida_ = false;
    limpaPesquisa();
    LocalizaTabelas();
}

bool TfNotaPromissoria::conferePar(DataEdit *de, DataEdit *ate, bool confere, QDate &d1, QDate &d2, bool &ha)
{
    ha = !de->vazio() || !ate->vazio();
    if (!ha) return true;
    d1 = de->data();
    d2 = ate->data();
    if (!confere) return true;
    const auto recusa = [this](DataEdit *campo, const QString &texto, bool esvazia) {
        TfCarregando::instancia().fecha();
        informacao(texto);
        if (esvazia) campo->clear();
        campo->setFocus();
        campo->selectAll();
        return false;
    };
    if (de->vazio()) return recusa(de, QStringLiteral("É preciso informar a primeira data!"), false);
    if (ate->vazio()) return recusa(ate, QStringLiteral("É preciso informar a segunda data!"), false);
    if (!d1.isValid()) return recusa(de, QStringLiteral("Formato de Data Inválida !"), true);
    if (!d2.isValid()) return recusa(ate, QStringLiteral("Formato de Data Inválida !"), true);
    return true;
}

// Fills the filter pieces after the condition line `c` of `q` from the search fields; with
// `confere` the date pairs and values are checked as a search checks them. The status piece
// (line c + 8) is the caller's. Returns false when a check refused the search.
bool TfNotaPromissoria::aplicaFiltros(Query &q, int c, bool confere)
{
    q.sql[c] = QStringLiteral("WHERE NP.NP_CODIGO>0");
    for (int i = 1; i <= Pecas; ++i) q.sql[c + i].clear();
    bool algum = false;
    const QString emitente = textoBusca(PesqEditEmitente);
    if (informado(emitente)) {
        q.sql[c + 1] = QStringLiteral("AND CGE.CG_NOME LIKE('%") + semAspas(emitente) + QStringLiteral("%')");
        algum = true;
    }
    const auto datas = [&](DataEdit *a, DataEdit *b, int linha, const char *campo, const char *p1, const char *p2) {
        QDate d1, d2;
        bool ha = false;
        if (!conferePar(a, b, confere, d1, d2, ha)) return false;
        if (ha) {
            q.sql[c + linha] = QStringLiteral("AND NP.%1>=:%2 AND NP.%1<=:%3").arg(QLatin1String(campo), QLatin1String(p1), QLatin1String(p2));
            q.defineParametro(QLatin1String(p1), d1.isValid() ? QVariant(d1) : QVariant());
            q.defineParametro(QLatin1String(p2), d2.isValid() ? QVariant(d2) : QVariant());
            algum = true;
        }
        return true;
    };
    if (!datas(PesqEditDataVenc1, PesqEditDataVenc2, 2, "NP_DT_VENCIMENTO", "DATAVENC1", "DATAVENC2")) return false;
    if (!PesqEditParcela1->text().isEmpty() && !PesqEditParcela2->text().isEmpty()) {
        q.sql[c + 3] = QStringLiteral("AND NP.NP_PARCELA>=:PARCELA1 AND NP.NP_PARCELA<=:PARCELA2");
        q.defineParametro(QStringLiteral("PARCELA1"), PesqEditParcela1->text().toInt());
        q.defineParametro(QStringLiteral("PARCELA2"), PesqEditParcela2->text().toInt());
        algum = true;
    }
    if (!datas(PesqEditDataEmis1, PesqEditDataEmis2, 4, "NP_DT_EMISSAO", "DATAEMIS1", "DATAEMIS2")) return false;
    if (!PesqEditValor1->text().isEmpty() && !PesqEditValor2->text().isEmpty()) {
        const Moeda v1 = Moeda::deTexto(PesqEditValor1->text()).value_or(Moeda());
        const Moeda v2 = Moeda::deTexto(PesqEditValor2->text()).value_or(Moeda());
        if (!confere || (v1 >= Moeda() && v2 > Moeda())) {
            q.sql[c + 5] = QStringLiteral("AND NP.NP_VALOR>=:VALOR1 AND NP.NP_VALOR<=:VALOR2");
            q.defineParametro(QStringLiteral("VALOR1"), QVariant::fromValue(v1));
            q.defineParametro(QStringLiteral("VALOR2"), QVariant::fromValue(v2));
            algum = true;
        }
    }
    const QString credor = PesqEditCredor->currentText();
    if (informado(credor)) {
        q.sql[c + 6] = QStringLiteral("AND EM.EM_NOME LIKE('%") + semAspas(credor) + QStringLiteral("%')");
        algum = true;
    }
    if (!datas(PesqEditDataPgto1, PesqEditDataPgto2, 7, "NP_DT_PAGAMENTO", "DATAPGTO1", "DATAPGTO2")) return false;
    q.setProperty("pnComFiltro", algum);
    return true;
}

// A name matched anywhere ("%text%") uses no index: with it the persons are read first and their
// installments found by the emitter's index. The join becomes inner (a row without an emitter
// cannot match the name anyway) and the installment's own conditions are written so that the
// engine does not start from them.
void TfNotaPromissoria::planoPorEmitente(Query &q, int linhaJuncao, int linhaCondicao, int linhaStatus)
{
    const bool porNome = !q.sql[linhaCondicao + 1].isEmpty();
    q.sql[linhaJuncao] = (porNome ? QStringLiteral("JOIN") : QStringLiteral("LEFT JOIN")) +
                         QStringLiteral(" CADASTROS CGE ON CGE.CG_CODIGO=NP.NP_COD_EMITENTE");
    if (!porNome) return;
    q.sql[linhaCondicao].replace(QStringLiteral("NP.NP_CODIGO>0"), QStringLiteral("NP.NP_CODIGO+0>0"));
    q.sql[linhaStatus].replace(QStringLiteral("NP.NP_STATUS="), QStringLiteral("NP.NP_STATUS||''="));
}

void TfNotaPromissoria::LocalizaTabelas()
{
    TfCarregando::instancia().mostra();
    const QDate ate = hoje().addDays(7);
    CheckAbertas->setText(QStringLiteral("Abertas até ") + ate.toString(QStringLiteral("dd/MM/yyyy")));
    SQLTexto antes = QryPesquisa.sql;
    if (!aplicaFiltros(QryPesquisa, LinhaCondicao, true)) {
        QryPesquisa.sql = antes; // the list stays as it was
        TfCarregando::instancia().fecha();
        return;
    }
    const bool algum = QryPesquisa.property("pnComFiltro").toBool();
    QString status;
    switch (statusFiltro_) {
    case 1: status = algum ? Abertas : AbertasAte; break;
    case 2: status = QStringLiteral("AND NP.NP_STATUS='P'"); break;
    case 4: status = Abertas; break;
    default: break;
    }
    QryPesquisa.sql[LinhaCondicao + Pecas + 1] = status;
    QryPesquisa.sql[LinhaCondicao + Pecas + 2] = ordem_;
    planoPorEmitente(QryPesquisa, 1, LinhaCondicao, LinhaCondicao + Pecas + 1);
    if (algum && statusFiltro_ == 1) CheckAbertas->setText(QStringLiteral("Abertas..."));
    reabreLista();
    CalculaContadores();
    TfCarregando::instancia().fecha();
    activateWindow();
    if (QryPesquisa.isEmpty() && buscaPedida_) informacao(QStringLiteral("Nenhuma promissória encontrada !"));
}

void TfNotaPromissoria::ordenaPor(const QString &campo)
{
    if (campo.isEmpty()) return;
    // The installment column shows "{parcela} de {total}" and sorts by the installment number.
    ordem_ = QStringLiteral("ORDER BY ") + campo;
    QryPesquisa.sql[LinhaCondicao + Pecas + 2] = ordem_;
    reabreLista();
}

void TfNotaPromissoria::pesquisaVencimento(QDate de, QDate ate)
{
    // The search area opens with its fields emptied, whatever an earlier search left in them.
    if (TabPesquisa->isVisible()) ButPesquisarClick();
    ButPesquisarClick();
    PesqEditDataVenc1->setData(de);
    PesqEditDataVenc2->setData(ate);
    ButBuscarClick();
}

void TfNotaPromissoria::pesquisaComoAbertura()
{
    if (TabPesquisa->isVisible()) ButPesquisarClick();
    ButPesquisarClick();
    marcaStatus(1);
    LocalizaTabelas();
}
