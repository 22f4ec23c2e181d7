#include "LayoutRelatorio.h"

QStringList LayoutRelatorio::camposGrupo() const
{
    QStringList r;
    for (const BandaRelatorio &b : bandas)
        if (b.tipo == TipoBanda::CabecalhoGrupo && !r.contains(b.campo, Qt::CaseInsensitive)) r.append(b.campo);
    QStringList soRodape;
    for (const BandaRelatorio &b : bandas)
        if (b.tipo == TipoBanda::RodapeGrupo && !r.contains(b.campo, Qt::CaseInsensitive)
            && !soRodape.contains(b.campo, Qt::CaseInsensitive))
            soRodape.prepend(b.campo);
    return r + soRodape;
}
