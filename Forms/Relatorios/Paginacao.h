#pragma once
// Where every band of a report goes: pages, vertical positions and the rows each band reads.
// Band heights are fixed, so the plan is made before anything is drawn and "{paginas}" is
// known on the first page.

#include "FonteDados.h"
#include "LayoutRelatorio.h"

struct BandaColocada {
    const BandaRelatorio *banda = nullptr;
    double y = 0;       // mm from the top of the sheet
    int linha = -1;     // row of the dataset it reads (-1: none)
    int inicio = 0;     // rows counted and summed by its aggregates
    int fim = 0;
};

struct PaginaPlanejada {
    QList<BandaColocada> bandas;
};

namespace Paginacao {
// `dados` may be null for a report without a dataset (its detail band prints once).
QList<PaginaPlanejada> planeja(const LayoutRelatorio &layout, const FonteDados *dados);
} // namespace Paginacao
