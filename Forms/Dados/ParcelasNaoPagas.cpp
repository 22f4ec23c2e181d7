#include "ParcelasNaoPagas.h"

QString ParcelasNaoPagas::condicao(const QString &periodo)
{
    return QStringLiteral("((NP_STATUS='N' AND %1)\nOR ((NP_STATUS<'N' OR NP_STATUS='O' OR NP_STATUS>='Q') AND %2))")
        .arg(periodo.arg(QStringLiteral("NP_DT_VENCIMENTO")), periodo.arg(QStringLiteral("NP_DT_VENCIMENTO+0")));
}
