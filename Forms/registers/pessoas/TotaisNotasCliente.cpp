#include "TotaisNotasCliente.h"

#include "Dados.h"
#include "ErroBD.h"

namespace {
const QString Saldo = QStringLiteral("SELECT COUNT(NP_CODIGO) AS REGISTROS, SUM(NP_SALDO_DEVEDOR) AS VALOR FROM NOTAPROMISSORIA");
const QString Pago = QStringLiteral("SELECT COUNT(NP_CODIGO) AS REGISTROS, SUM(NP_VALOR_PGTO) AS VALOR FROM NOTAPROMISSORIA");
const QString Emitente = QStringLiteral("WHERE NP_COD_EMITENTE=:CLIENTE");
} // namespace

TotaisNotasCliente::TotaisNotasCliente(QObject *pai)
    : QObject(pai), TransPromis(dados().DataBase, QStringLiteral("TransPromis")),
      QryNotasGeradas(dados().DataBase, TransPromis, this), QryNotasAtraso(dados().DataBase, TransPromis, this),
      QryNotasAberto(dados().DataBase, TransPromis, this), QryNotasPago(dados().DataBase, TransPromis, this)
{
    QryNotasGeradas.sql.defineLinhas({Saldo, Emitente});
    QryNotasAtraso.sql.defineLinhas(
        {Saldo, Emitente, QStringLiteral("AND NP_DT_VENCIMENTO<:DATA2"), QStringLiteral("AND NP_STATUS<>'P'")});
    QryNotasAberto.sql.defineLinhas(
        {Saldo, Emitente, QStringLiteral("AND NP_DT_VENCIMENTO>=:DATA2"), QStringLiteral("AND NP_STATUS<>'P'")});
    QryNotasPago.sql.defineLinhas({Pago, Emitente});
}

TotaisNotasCliente::~TotaisNotasCliente()
{
    try {
        TransPromis.commit();
    } catch (const ErroBD &) {
    }
}

void TotaisNotasCliente::carrega(const QVariant &cliente, const QDate &hoje)
{
    for (Query *q : {&QryNotasGeradas, &QryNotasAtraso, &QryNotasAberto, &QryNotasPago}) {
        q->close();
        q->defineParametro(QStringLiteral("CLIENTE"), cliente);
        q->defineParametro(QStringLiteral("DATA2"), hoje);
        q->open();
    }
}

Moeda TotaisNotasCliente::valor(const Query &q)
{
    const QVariant v = q.valor(0, QStringLiteral("VALOR"));
    return v.isNull() ? Moeda() : v.value<Moeda>();
}
