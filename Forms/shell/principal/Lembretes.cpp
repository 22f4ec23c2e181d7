#include "Lembretes.h"

#include "Dados.h"

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
    return c;
}

int contaAniversarios(Query &q, QDate dia, bool doDia)
{
    q.close();
    q.defineParametro(QStringLiteral("MES"), dia.month());
    if (doDia) q.defineParametro(QStringLiteral("DIA"), dia.day());
    q.open();
    return q[QStringLiteral("REGISTROS")].asInteger();
}
} // namespace

ContagemLembretes leLembretes(Dados &d, QDate dia, QDate de, QDate ate)
{
    ContagemLembretes c;
    c.hoje = conta(d.QryPromissoriasHoje, dia);
    c.semana = conta(d.QryPromissoriasSemana, dia.addDays(1), dia.addDays(7));
    c.vencidas = conta(d.QryPromissoriasVencidas, QDate(1900, 1, 1), dia);
    c.emitidas = conta(d.QryPromissoriasEmitidas, de, ate);
    c.aniversariantesHoje = contaAniversarios(d.QryAniversariantesHojeCount, dia, true);
    c.aniversariantesMes = contaAniversarios(d.QryAniversariantesMesCount, dia, false);
    Dados::reabre(d.QryConfigs);
    c.ultimoBackup = d.QryConfigs[QStringLiteral("CF_BACKUP")].asDate();
    return c;
}
