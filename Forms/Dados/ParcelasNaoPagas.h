#pragma once
// "NP_STATUS<>'P'" over a due-date period in a form the index IX_NOTAPROMISSORIA_STATUS
// (NP_STATUS, NP_DT_VENCIMENTO) serves. NP_STATUS is one WIN1252 character in byte order, so
// "not 'P'" is: below 'N', 'N', 'O', or from 'Q' up (a null status counts in neither form). The
// open installments are found by both segments of the index, the rare other values by the status
// alone ("+0" keeps the due-date index out of those branches).

#include <QString>

namespace ParcelasNaoPagas {

// The condition for `periodo`, a condition on the due date written with %1 for the column,
// e.g. "%1>=:DATA1 AND %1<:DATA2".
QString condicao(const QString &periodo);

} // namespace ParcelasNaoPagas
