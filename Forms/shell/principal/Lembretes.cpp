#include "Lembretes.h"

#include "Dados.h"
#include "ParcelasNaoPagas.h"

#include <optional>

namespace {
// An invalid date is bound as null (the line then counts nothing).
ContagemLinha conta(Query &q, QDate data1, std::optional<QDate> data2 = std::nullopt)
{
    q.close();
    q.defineParametro(QStringLiteral("DATA1"), data1);
    if (data2) q.defineParametro(QStringLiteral("DATA2"), *data2);
    q.open();
    ContagemLinha c;
    c.registros = q[QStringLiteral("REGISTROS")].asInteger();
    c.valor = q[QStringLiteral("VALOR")].asMoeda();
    q.close();
    return c;
}

int contaAniversarios(Query &q, QDate dia, bool doDia)
{
    q.close();
    q.defineParametro(QStringLiteral("MES"), dia.month());
    if (doDia) q.defineParametro(QStringLiteral("DIA"), dia.day());
    q.open();
    const int n = q[QStringLiteral("REGISTROS")].asInteger();
    q.close();
    return n;
}
} // namespace

ConsultasLembretes consultasLembretes(Dados &d)
{
    return {d.QryPromissoriasHoje,  d.QryPromissoriasSemana,       d.QryPromissoriasVencidas,
            d.QryPromissoriasEmitidas, d.QryAniversariantesHojeCount, d.QryAniversariantesMesCount};
}

QString sqlVencidasIndexada()
{
    return QStringLiteral("SELECT COUNT(NP_CODIGO) AS REGISTROS, SUM(NP_SALDO_DEVEDOR) AS VALOR FROM NOTAPROMISSORIA\nWHERE ")
           + ParcelasNaoPagas::condicao(QStringLiteral("%1>=:DATA1 AND %1<:DATA2"));
}

ContagemLembretes leLembretes(const ConsultasLembretes &q, QDate dia, QDate de, QDate ate)
{
    ContagemLembretes c;
    c.hoje = conta(q.hoje, dia);
    c.semana = conta(q.semana, dia.addDays(1), dia.addDays(7));
    c.vencidas = conta(q.vencidas, QDate(1900, 1, 1), dia);
    c.emitidas = conta(q.emitidas, de, ate);
    c.aniversariantesHoje = contaAniversarios(q.aniversariantesHoje, dia, true);
    c.aniversariantesMes = contaAniversarios(q.aniversariantesMes, dia, false);
    return c;
}
