#pragma once
// The rules of a note's installments that need no window: due dates, labels, the interval
// typed in "Dias entre parcelas" and the emission text of the detail panel.

#include "Moeda.h"

#include <QDate>
#include <QVariant>
#include <QString>
#include <optional>

namespace RegrasNota {

constexpr int MaxParcelas = 500;

// Due date of installment `k` (1-based) of a note whose first installment is due on `d1`:
// an interval of exactly 30 steps whole months from `d1` (a missing day becomes the month's
// last day), any other interval steps that many days.
QDate vencimento(QDate d1, int k, int intervalo);

// "{k} / {n}", or "{venda}/{k}" when a sale number is given.
QString rotulo(int k, int n, const QString &venda);

// The interval as the field keeps it on leaving: empty becomes "0" and below 1 becomes "30";
// nullopt for a text that is not a whole number.
std::optional<int> intervalo(const QString &texto);

// "{cidade} / {uf}, {dia} de {MÊS} de {ano}."; empty without a date.
QString emissaoExtenso(const QString &cidade, const QString &uf, QDate emissao);

// The observation of an installment after a partial payment of `valor` on `dia`: an empty one
// becomes a carriage return and "Pagamento parcial de ...", any other gets " *Pagamento parcial
// de ..." appended.
QString observacaoParcial(const QVariant &obs, Moeda valor, QDate dia);

} // namespace RegrasNota
