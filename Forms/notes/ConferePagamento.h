#pragma once
// Whether another station changed an installment's payment since this one opened it. A payment
// writes the whole row, so totals read at opening would overwrite the other station's payment.

#include "Moeda.h"

#include <QString>

class Query;

namespace ConferePagamento {

struct Colunas {
    const char *tabela, *chave, *pago, *saldo, *status;
};
inline constexpr Colunas Nota{"NOTAPROMISSORIA", "NP_CODIGO", "NP_VALOR_PGTO", "NP_SALDO_DEVEDOR", "NP_STATUS"};
inline constexpr Colunas NotaLite{"NOTAPROMISSORIALITE", "NPL_CODIGO", "NPL_VALOR_PGTO", "NPL_SALDO_DEVEDOR", "NPL_STATUS"};

// The message of a refused payment.
QString mensagem();

// True when the stored row is gone, paid, or holds another paid total or balance than at opening.
// `consulta` is a read query of the window; it is left closed.
bool alterado(Query &consulta, const Colunas &c, int codigo, Moeda pagoAntes, Moeda saldoAntes);

} // namespace ConferePagamento
