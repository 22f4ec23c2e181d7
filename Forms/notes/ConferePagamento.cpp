#include "ConferePagamento.h"

#include "Query.h"

namespace ConferePagamento {

QString mensagem()
{
    return QStringLiteral("O pagamento desta parcela foi alterado em outro computador. Informe o recebimento novamente.");
}

bool alterado(Query &q, const Colunas &c, int codigo, Moeda pagoAntes, Moeda saldoAntes)
{
    const QString pago = QLatin1String(c.pago), saldo = QLatin1String(c.saldo), status = QLatin1String(c.status);
    q.close();
    q.sql.defineTexto(QStringLiteral("select %1, %2, %3 from %4 where %5=:CODIGO")
                          .arg(pago, saldo, status, QLatin1String(c.tabela), QLatin1String(c.chave)));
    q.limpaParametros();
    q.defineParametro(QStringLiteral("CODIGO"), codigo);
    q.open();
    const bool mudou = q.isEmpty() || q[pago].asMoeda() != pagoAntes || q[saldo].asMoeda() != saldoAntes ||
                       q[status].asString() == QLatin1String("P");
    q.close();
    return mudou;
}

} // namespace ConferePagamento
