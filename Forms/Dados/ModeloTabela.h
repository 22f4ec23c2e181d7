#pragma once
// A table model over a Query for QTableView grids. Columns are chosen by field name with their
// titles; dates show as dd/MM/yyyy and amounts as "R$ 1.234,56". Sorting is the window's job
// (it replaces the query's ORDER BY line and reopens). Rows are those the query has fetched; the
// grid asks for more as it scrolls (canFetchMore / fetchMore); a fetch that fails shows the
// database's message once.

#include <QAbstractTableModel>
#include <QList>
#include <functional>

class Query;

class ModeloTabela : public QAbstractTableModel {
    Q_OBJECT
public:
    struct ColunaGrade {
        QString campo;
        QString titulo;
        Qt::Alignment alinhamento = Qt::AlignLeft | Qt::AlignVCenter;
    };

    explicit ModeloTabela(Query &q, QObject *parent = nullptr);

    // Shown columns; empty = every column of the query, titled by field name.
    void defineColunas(const QList<ColunaGrade> &colunas);
    QString campoDaColuna(int coluna) const;
    int colunaDoCampo(const QString &campo) const;

    // Optional per-row colour (e.g. grey for hidden rows).
    std::function<QVariant(int linha, int role)> estilo;
    // Optional display value of a cell (a looked-up name); invalid: the row's own value.
    std::function<QVariant(int linha, const QString &campo)> textoCelula;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    bool canFetchMore(const QModelIndex &parent) const override;
    void fetchMore(const QModelIndex &parent) override;

    static QString texto(const QVariant &v);

private:
    int indiceNaQuery(int coluna) const;
    Query &q_;
    QList<ColunaGrade> colunas_;
};
