#include "ModeloTabela.h"
#include "ErroBD.h"
#include "Query.h"

#include "Mensagens.h"
#include "Moeda.h"

ModeloTabela::ModeloTabela(Query &q, QObject *parent) : QAbstractTableModel(parent), q_(q)
{
    connect(&q_, &Query::aberta, this, [this] { beginResetModel(); endResetModel(); });
    connect(&q_, &Query::fechada, this, [this] { beginResetModel(); endResetModel(); });
    connect(&q_, &Query::linhaAlterada, this, [this](int l) {
        Q_EMIT dataChanged(index(l, 0), index(l, columnCount() - 1));
    });
    connect(&q_, &Query::linhaInserida, this, [this](int l) { beginInsertRows({}, l, l); endInsertRows(); });
    connect(&q_, &Query::linhaRemovida, this, [this](int l) { beginRemoveRows({}, l, l); endRemoveRows(); });
    connect(&q_, &Query::linhasABuscar, this, [this](int primeira, int ultima) { beginInsertRows({}, primeira, ultima); });
    connect(&q_, &Query::linhasBuscadas, this, [this] { endInsertRows(); });
    // A fetch of the grid cut short (a lost connection) is told once, after the view's own code
    // has run; the rows already shown stay.
    connect(&q_, &Query::falhaBusca, this, [](const QString &m) { mensagemErro(m); }, Qt::QueuedConnection);
}

bool ModeloTabela::canFetchMore(const QModelIndex &parent) const { return !parent.isValid() && q_.podeBuscarMais(); }

void ModeloTabela::fetchMore(const QModelIndex &parent)
{
    if (!parent.isValid()) q_.buscaMais();
}

void ModeloTabela::defineColunas(const QList<ColunaGrade> &colunas)
{
    beginResetModel();
    colunas_ = colunas;
    endResetModel();
}

QString ModeloTabela::campoDaColuna(int coluna) const
{
    if (!colunas_.isEmpty()) return colunas_.value(coluna).campo;
    return coluna < q_.columnCount() ? q_.colunas().at(coluna).nome : QString();
}

int ModeloTabela::colunaDoCampo(const QString &campo) const
{
    for (int i = 0; i < columnCount(); ++i)
        if (campoDaColuna(i).compare(campo, Qt::CaseInsensitive) == 0) return i;
    return -1;
}

int ModeloTabela::indiceNaQuery(int coluna) const { return q_.indiceCampo(campoDaColuna(coluna)); }

int ModeloTabela::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : q_.linhasCarregadas();
}

int ModeloTabela::columnCount(const QModelIndex &parent) const
{
    if (parent.isValid()) return 0;
    return colunas_.isEmpty() ? q_.columnCount() : int(colunas_.size());
}

QString ModeloTabela::texto(const QVariant &v)
{
    if (v.isNull()) return {};
    if (v.metaType().id() == QMetaType::QDate) return v.toDate().toString(QStringLiteral("dd/MM/yyyy"));
    if (v.metaType() == QMetaType::fromType<Moeda>()) return v.value<Moeda>().formatado();
    if (v.metaType().id() == QMetaType::QByteArray) return {};
    return v.toString();
}

QVariant ModeloTabela::data(const QModelIndex &index, int role) const
{
    if (!index.isValid()) return {};
    if (estilo) {
        const QVariant e = estilo(index.row(), role);
        if (e.isValid()) return e;
    }
    QVariant v;
    try {
        v = q_.valor(index.row(), indiceNaQuery(index.column()));
    } catch (const ErroBD &) {
        return {}; // a text blob that could not be read shows empty
    }
    switch (role) {
    case Qt::DisplayRole:
        if (textoCelula) {
            const QVariant t = textoCelula(index.row(), campoDaColuna(index.column()));
            if (t.isValid()) return texto(t);
        }
        return texto(v);
    case Qt::EditRole: return v;
    case Qt::TextAlignmentRole:
        if (!colunas_.isEmpty()) return QVariant::fromValue(colunas_.at(index.column()).alinhamento);
        if (v.metaType() == QMetaType::fromType<Moeda>()) return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    default: return {};
    }
}

QVariant ModeloTabela::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return QAbstractTableModel::headerData(section, orientation, role);
    if (!colunas_.isEmpty()) return colunas_.value(section).titulo;
    return campoDaColuna(section);
}
