#include "AbridorJanelas.h"

#include <QHash>

namespace {
QHash<TipoJanela, AbridorJanelas::Fabrica> &fabricas()
{
    static QHash<TipoJanela, AbridorJanelas::Fabrica> f;
    return f;
}
} // namespace

void AbridorJanelas::registra(TipoJanela tipo, Fabrica fabrica)
{
    if (fabrica) fabricas().insert(tipo, std::move(fabrica));
    else fabricas().remove(tipo);
}

void AbridorJanelas::remove(TipoJanela tipo) { fabricas().remove(tipo); }

bool AbridorJanelas::registrada(TipoJanela tipo) { return fabricas().contains(tipo); }

QWidget *AbridorJanelas::cria(TipoJanela tipo, QWidget *pai)
{
    const auto it = fabricas().constFind(tipo);
    return it == fabricas().constEnd() ? nullptr : (*it)(pai);
}
