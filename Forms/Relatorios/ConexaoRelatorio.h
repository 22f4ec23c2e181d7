#pragma once
// A dataset connection of the reports (`RVCidades`, `RVEmpresaPadrao`, ...): hands the rows of
// a query to the report engine under a name. It is registered while it lives; names are
// matched ignoring case, and the connection created last wins when two share a name.

#include "FonteDados.h"
#include "Query.h"

#include <QObject>
#include <QPointer>
#include <QStringList>

class ConexaoRelatorio : public QObject, public FonteDados {
    Q_OBJECT
public:
    ConexaoRelatorio(const QString &nome, Query &query, QObject *parent = nullptr);
    ~ConexaoRelatorio() override;

    const QString &nome() const { return nome_; }
    Query *query() const { return query_; }

    int linhas() const override;
    int coluna(const QString &campo) const override;
    QVariant valor(int linha, int coluna) const override;
    int linhaAtual() const override;
    using FonteDados::valor;

    // The registered connection of that name; nullptr when there is none.
    static ConexaoRelatorio *procura(const QString &nome);

protected:
    // Fields a connection computes from a row, offered after the query's own columns (none here).
    virtual const QStringList &camposCalculados() const;
    virtual QVariant valorCalculado(int linha, const QString &campo) const;

private:
    QString nome_;
    QPointer<Query> query_;
};
