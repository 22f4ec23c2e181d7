// The selection panel TabSelecao: every installment with a stored tick (NP_SIM_NAO), its sort,
// "Selecionar Tudo" / "Nenhuma", the emitter filter and the report of the ticked rows.

#include "TfNotaPromissoria.h"

#include "Dados.h"
#include "DadosImpressao.h"
#include "Mensagens.h"
#include "ModeloTabela.h"

#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace {

// Lines of the selection rows: select 0, join 1, condition 2, emitter piece 3, order 4.
constexpr int LinhaCondicao = 2;
constexpr int LinhaEmitente = 3;
constexpr int LinhaOrdem = 4;
const QString Condicao = QStringLiteral("WHERE NP.NP_CODIGO>0");

// The tick column shows a check box bound to NP_SIM_NAO ('T' ticked).
class ModeloSelecao : public ModeloTabela {
public:
    ModeloSelecao(Query &q, const QHash<int, bool> &marcas, QObject *pai) : ModeloTabela(q, pai), q_(q), marcas_(marcas) {}
    std::function<void(int linha, bool marca)> marcou;

    bool marcada(int linha) const
    {
        const int codigo = q_.valor(linha, QStringLiteral("NP_CODIGO")).toInt();
        const auto it = marcas_.constFind(codigo);
        if (it != marcas_.cend()) return *it;
        return q_.valor(linha, QStringLiteral("NP_SIM_NAO")).toString() == QLatin1String("T");
    }
    QVariant data(const QModelIndex &i, int papel) const override
    {
        if (i.isValid() && campoDaColuna(i.column()) == QLatin1String("NP_SIM_NAO")) {
            if (papel == Qt::CheckStateRole) return marcada(i.row()) ? Qt::Checked : Qt::Unchecked;
            if (papel == Qt::DisplayRole) return QString();
        }
        return ModeloTabela::data(i, papel);
    }
    Qt::ItemFlags flags(const QModelIndex &i) const override
    {
        Qt::ItemFlags f = ModeloTabela::flags(i);
        if (i.isValid() && campoDaColuna(i.column()) == QLatin1String("NP_SIM_NAO")) f |= Qt::ItemIsUserCheckable;
        return f;
    }
    bool setData(const QModelIndex &i, const QVariant &v, int papel) override
    {
        if (papel != Qt::CheckStateRole || !marcou) return false;
        marcou(i.row(), v.toInt() == Qt::Checked);
        Q_EMIT dataChanged(i, i);
        return true;
    }

private:
    Query &q_;
    const QHash<int, bool> &marcas_;
};

} // namespace

void TfNotaPromissoria::montaSelecao()
{
    QrySelecao.sql.defineLinhas(
        {QStringLiteral("select  NP.NP_CODIGO, NP.NP_SIM_NAO, NP.NP_DT_VENCIMENTO, NP.NP_DT_EMISSAO, NP.NP_SALDO_DEVEDOR, "
                        "NP.NP_PARCELA, NP.NP_TOTAL_PARCELAS, NP.NP_VALOR, NP.NP_VALOR_PGTO, NP.NP_COD_EMITENTE, "
                        "CG.CG_NOME AS EMITENTE from NOTAPROMISSORIA NP"),
         QStringLiteral("LEFT JOIN CADASTROS CG ON CG.CG_CODIGO=NP.NP_COD_EMITENTE"), Condicao, {}, ordemSelecao_});
    RVSelecao = new ConexaoRelatorio(QStringLiteral("RVSelecao"), QrySelecao, this);

    TabSelecao = new QGroupBox(QStringLiteral("Selecione as Notas Promissórias desejadas  (resultados da busca realizada...)"), this);
    TabSelecao->setObjectName(QStringLiteral("TabSelecao"));
    TabSelecao->setWindowFlag(Qt::SubWindow);
    auto *v = new QVBoxLayout(TabSelecao);
    auto *modelo = new ModeloSelecao(QrySelecao, marcasSelecao_, this);
    modelo->defineColunas({{QStringLiteral("NP_DT_VENCIMENTO"), QStringLiteral("Vencimento")},
                           {QStringLiteral("EMITENTE"), QStringLiteral("Emitente")},
                           {QStringLiteral("NP_PARCELA"), QStringLiteral("Parcela")},
                           {QStringLiteral("NP_SALDO_DEVEDOR"), QStringLiteral("Saldo Devedor"), Qt::AlignRight | Qt::AlignVCenter},
                           {QStringLiteral("NP_SIM_NAO"), QString(), Qt::AlignCenter}});
    modelo->textoCelula = [this](int linha, const QString &campo) -> QVariant {
        if (campo != QLatin1String("NP_PARCELA")) return {};
        return QStringLiteral("%1 de %2")
            .arg(QrySelecao.valor(linha, QStringLiteral("NP_PARCELA")).toInt())
            .arg(QrySelecao.valor(linha, QStringLiteral("NP_TOTAL_PARCELAS")).toInt());
    };
    modelo->marcou = [this](int linha, bool marca) {
        const int codigo = QrySelecao.valor(linha, QStringLiteral("NP_CODIGO")).toInt();
        Query q(dados().DataBase, TransSelecao);
        q.sql.defineTexto(QStringLiteral("UPDATE NOTAPROMISSORIA SET NP_SIM_NAO=:MARCA WHERE NP_CODIGO=:CODIGO"));
        q.defineParametro(QStringLiteral("MARCA"), marca ? QStringLiteral("T") : QStringLiteral("F"));
        q.defineParametro(QStringLiteral("CODIGO"), codigo);
        q.execSQL();
        TransSelecao.commitRetaining();
        marcasSelecao_.insert(codigo, marca);
    };
    modeloSelecao_ = modelo;
    GridSelecao = new QTableView(TabSelecao);
    GridSelecao->setObjectName(QStringLiteral("GridSelecao"));
    GridSelecao->setModel(modelo);
    GridSelecao->setSelectionBehavior(QAbstractItemView::SelectRows);
    GridSelecao->setSelectionMode(QAbstractItemView::SingleSelection);
    GridSelecao->verticalHeader()->hide();
    GridSelecao->verticalHeader()->setDefaultSectionSize(20);
    GridSelecao->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    GridSelecao->setMinimumHeight(18 * 20 + 24); // 18 rows at a time
    connect(GridSelecao->horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int secao) {
        static const char *const ordens[4] = {"ORDER BY NP.NP_DT_VENCIMENTO", "ORDER BY CG.CG_NOME", "ORDER BY NP.NP_PARCELA",
                                              "ORDER BY NP.NP_SALDO_DEVEDOR"};
        if (secao >= 0 && secao < 4) ordenaSelecao(QLatin1String(ordens[secao]));
    });
    v->addWidget(GridSelecao, 1);

    const auto botao = [this](const char *nome, const QString &texto) {
        auto *b = new QPushButton(texto, TabSelecao);
        b->setObjectName(QLatin1String(nome));
        b->setAutoDefault(false);
        return b;
    };
    ButSelecionarTudo = botao("ButSelecionarTudo", QStringLiteral("Selecionar Tudo"));
    ButSelecionarNenhuma = botao("ButSelecionarNenhuma", QStringLiteral("Selecionar Nenhuma"));
    ButFiltrarSelecao = botao("ButFiltrarSelecao", QStringLiteral("Filtrar"));
    ButFiltrarSelecao->setToolTip(QStringLiteral("Filtrar por emitente"));
    ButLimparSelecao = botao("ButLimparSelecao", QStringLiteral("Limpar Busca"));
    ButImprimirSelecao = botao("ButImprimirSelecao", QStringLiteral("Imprimir Seleção"));
    ButFecharSelecao = botao("ButFecharSelecao", QStringLiteral(" &Fechar"));
    auto *h = new QHBoxLayout;
    for (QPushButton *b : {ButSelecionarTudo, ButSelecionarNenhuma, ButFiltrarSelecao, ButLimparSelecao}) h->addWidget(b);
    h->addStretch();
    h->addWidget(ButImprimirSelecao);
    h->addWidget(ButFecharSelecao);
    v->addLayout(h);

    PanelFiltroSelecao = new QFrame(TabSelecao);
    PanelFiltroSelecao->setObjectName(QStringLiteral("PanelFiltroSelecao"));
    PanelFiltroSelecao->setFrameShape(QFrame::StyledPanel);
    auto *f = new QHBoxLayout(PanelFiltroSelecao);
    f->addWidget(new QLabel(QStringLiteral("Emitente"), PanelFiltroSelecao));
    EditEmitenteSelecao = new QComboBox(PanelFiltroSelecao);
    EditEmitenteSelecao->setObjectName(QStringLiteral("EditEmitenteSelecao"));
    EditEmitenteSelecao->setEditable(true);
    EditEmitenteSelecao->setInsertPolicy(QComboBox::NoInsert);
    EditEmitenteSelecao->setMinimumWidth(300);
    f->addWidget(EditEmitenteSelecao, 1);
    ButOkFiltro = new QPushButton(QStringLiteral("OK"), PanelFiltroSelecao);
    ButOkFiltro->setObjectName(QStringLiteral("ButOkFiltro"));
    ButXFiltro = new QPushButton(QStringLiteral("X"), PanelFiltroSelecao);
    ButXFiltro->setObjectName(QStringLiteral("ButXFiltro"));
    f->addWidget(ButOkFiltro);
    f->addWidget(ButXFiltro);
    v->addWidget(PanelFiltroSelecao);
    PanelFiltroSelecao->hide();
    TabSelecao->hide();

    connect(ButSelecionarTudo, &QPushButton::clicked, this, [this] { marcaSelecao(true); });
    connect(ButSelecionarNenhuma, &QPushButton::clicked, this, [this] { marcaSelecao(false); });
    connect(ButFiltrarSelecao, &QPushButton::clicked, this, [this] {
        if (EditEmitenteSelecao->count() == 0) {
            Query &c = dados().LookupClientesNP;
            Dados::abre(c);
            for (int i = 0; i < c.recordCount(); ++i) EditEmitenteSelecao->addItem(c.valor(i, QStringLiteral("CLIENTE")).toString());
            EditEmitenteSelecao->setCurrentIndex(-1);
        }
        PanelFiltroSelecao->show();
        EditEmitenteSelecao->setFocus();
    });
    connect(ButOkFiltro, &QPushButton::clicked, this, [this] { filtraSelecao(EditEmitenteSelecao->currentText()); });
    connect(ButXFiltro, &QPushButton::clicked, PanelFiltroSelecao, &QWidget::hide);
    connect(ButLimparSelecao, &QPushButton::clicked, this, [this] { filtraSelecao(QString()); });
    connect(ButImprimirSelecao, &QPushButton::clicked, this, &TfNotaPromissoria::ImprimirSelecao);
    connect(ButFecharSelecao, &QPushButton::clicked, TabSelecao, &QWidget::hide);
}

void TfNotaPromissoria::reabreSelecao(bool noUltimo)
{
    QrySelecao.close();
    marcasSelecao_.clear();
    QrySelecao.sql[LinhaEmitente] = filtroSelecao_;
    QrySelecao.sql[LinhaOrdem] = ordemSelecao_;
    QrySelecao.open();
    if (noUltimo) QrySelecao.last();
    else QrySelecao.first();
    const int linha = QrySelecao.recNo();
    if (linha >= 0) {
        GridSelecao->selectRow(linha);
        GridSelecao->scrollTo(modeloSelecao_->index(linha, 0));
    }
}

void TfNotaPromissoria::SelecionarPromissorias()
{
    reabreSelecao(false);
    TabSelecao->setParent(this);
    TabSelecao->setGeometry(40, 60, qMax(700, width() - 80), qMax(520, height() - 120));
    TabSelecao->setAutoFillBackground(true);
    TabSelecao->show();
    TabSelecao->raise();
    GridSelecao->setFocus();
}

void TfNotaPromissoria::marcaSelecao(bool marca)
{
    Query q(dados().DataBase, TransSelecao);
    q.sql.defineTexto(QStringLiteral("UPDATE NOTAPROMISSORIA NP SET NP_SIM_NAO=:MARCA ") + Condicao +
                      (filtroSelecao_.isEmpty() ? QString()
                                                : QStringLiteral(" AND EXISTS(SELECT 1 FROM CADASTROS CG WHERE "
                                                                 "CG.CG_CODIGO=NP.NP_COD_EMITENTE ") + filtroSelecao_ +
                                                      QStringLiteral(")")));
    q.defineParametro(QStringLiteral("MARCA"), marca ? QStringLiteral("T") : QStringLiteral("F"));
    q.execSQL();
    TransSelecao.commitRetaining();
    reabreSelecao(false);
}

void TfNotaPromissoria::ordenaSelecao(const QString &ordem)
{
    ordemSelecao_ = ordem;
    reabreSelecao(false);
}

void TfNotaPromissoria::filtraSelecao(const QString &emitente)
{
    if (!emitente.isEmpty() && emitente != QLatin1String(" ")) {
        QString t = emitente;
        t.replace(QLatin1Char('\''), QStringLiteral("''"));
        filtroSelecao_ = QStringLiteral("AND CG.CG_NOME LIKE('%") + t + QStringLiteral("%')");
        reabreSelecao(true);
        PanelFiltroSelecao->hide();
    } else if (emitente.isEmpty()) {
        filtroSelecao_.clear();
        reabreSelecao(true);
    }
}

void TfNotaPromissoria::ImprimirSelecao()
{
    if (QrySelecao.isEmpty()) {
        informacao(QStringLiteral("Não há registros a serem impressos !"));
        return;
    }
    QrySelecao.close();
    QrySelecao.sql[LinhaCondicao] = Condicao + QStringLiteral(" AND NP.NP_SIM_NAO='T'");
    QrySelecao.open();
    auto &imp = DadosImpressao::instancia();
    imp.imprime(QStringLiteral("RelacaoSelecao"),
                imp.parametrosLista(QStringLiteral("Relação de Notas Promissórias"), QStringLiteral("Exibindo  registros  pesquisados")),
                &QrySelecao);
    QrySelecao.sql[LinhaCondicao] = Condicao;
    reabreSelecao(false);
}
