#include "ConexaoRelatorio.h"


#include <QList>

namespace {
QList<ConexaoRelatorio *> &registradas()
{
    static QList<ConexaoRelatorio *> lista;
    return lista;
}
} // namespace

ConexaoRelatorio::ConexaoRelatorio(const QString &nome, Query &query, QObject *parent)
    : QObject(parent), nome_(nome), query_(&query)
{
    setObjectName(nome);
    registradas().append(this);
}

ConexaoRelatorio::~ConexaoRelatorio() { registradas().removeOne(this); }

int ConexaoRelatorio::linhas() const { return query_ ? query_->recordCount() : 0; }

int ConexaoRelatorio::coluna(const QString &campo) const
{
    if (!query_) return -1;
    const int c = query_->indiceCampo(campo);
    if (c >= 0) return c;
    const QStringList &calculados = camposCalculados();
    for (int i = 0; i < calculados.size(); ++i)
        if (calculados.at(i).compare(campo, Qt::CaseInsensitive) == 0) return query_->columnCount() + i;
    return -1;
}

QVariant ConexaoRelatorio::valor(int linha, int coluna) const
{
    if (!query_) return {};
    const int n = query_->columnCount();
    if (coluna < n) return query_->valor(linha, coluna);
    const QStringList &calculados = camposCalculados();
    return coluna - n < calculados.size() ? valorCalculado(linha, calculados.at(coluna - n)) : QVariant();
}

const QStringList &ConexaoRelatorio::camposCalculados() const
{
    static const QStringList nenhum;
    return nenhum;
}

QVariant ConexaoRelatorio::valorCalculado(int, const QString &) const { return {}; }

int ConexaoRelatorio::linhaAtual() const { return query_ ? qMax(0, query_->recNo()) : 0; }

ConexaoRelatorio *ConexaoRelatorio::procura(const QString &nome)
{
    const QList<ConexaoRelatorio *> &lista = registradas();
    for (auto it = lista.crbegin(); it != lista.crend(); ++it)
        if ((*it)->nome_.compare(nome, Qt::CaseInsensitive) == 0) return *it;
    return nullptr;
}
