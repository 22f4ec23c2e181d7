#pragma once
// Whether another station changed an installment's payment since this one opened it. A payment
// writes the whole row, so totals read at opening would overwrite the other station's payment.

#include "Moeda.h"

#include <QDate>
#include <QString>
#include <QVariant>
#include <optional>

class DataEdit;
class MoedaEdit;
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

// A payment as typed, checked in the windows' order: an amount, a date, a valid date, then the
// partial and the excess questions. A refusal shows its message (or the declined question) and
// puts the focus back in the box to correct.
struct Recebimento {
    Moeda total;    // paid in all once this payment is stored
    QDate dia;      // date of the payment
    QVariant obs;   // the observation, with the partial-payment text when it is partial
};
std::optional<Recebimento> confereDigitado(MoedaEdit *valorPago, DataEdit *dataPgto, Moeda pagoAntes, Moeda valorParcela,
                                           const QVariant &obsAntes);

} // namespace ConferePagamento
