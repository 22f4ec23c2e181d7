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

int ConexaoRelatorio::coluna(const QString &campo) const { return query_ ? query_->indiceCampo(campo) : -1; }

QVariant ConexaoRelatorio::valor(int linha, int coluna) const
{
    return query_ ? query_->valor(linha, coluna) : QVariant();
}

int ConexaoRelatorio::linhaAtual() const { return query_ ? qMax(0, query_->recNo()) : 0; }

ConexaoRelatorio *ConexaoRelatorio::procura(const QString &nome)
{
    const QList<ConexaoRelatorio *> &lista = registradas();
    for (auto it = lista.crbegin(); it != lista.crend(); ++it)
        if ((*it)->nome_.compare(nome, Qt::CaseInsensitive) == 0) return *it;
    return nullptr;
}
