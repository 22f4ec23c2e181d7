#pragma once
// The large database of the benchmarks: a shop with years of history. Persons with realistic
// names and addresses, one creditor, notes of four monthly installments due from three years
// before `hoje` to a year after it, 97% of the past installments paid.

#include <QDate>
#include <QString>
#include <functional>

namespace BaseGrande {

struct Tamanho {
    int pessoas = 100000;
    int notas = 250000; // four installments each
};

// Creates `arquivo` (replacing it) from the schema and fills it. Throws ErroBD.
void gera(const QString &arquivo, QDate hoje, const Tamanho &t = {},
          const std::function<void(const QString &etapa)> &progresso = {});

} // namespace BaseGrande
