#include "ErroBD.h"

#include <ibase.h>

ErroBD::ErroBD(QString mensagem, int sqlcode, QList<qint64> codigos)
    : mensagem_(std::move(mensagem)), sqlcode_(sqlcode), codigos_(std::move(codigos)),
      utf8_(mensagem_.toUtf8())
{
}

bool ErroBD::violacaoChaveEstrangeira() const { return temCodigo(isc_foreign_key); }

bool ErroBD::violacaoChave() const
{
    return temCodigo(isc_unique_key_violation) || temCodigo(isc_no_dup) || violacaoChaveEstrangeira();
}

bool ErroBD::conflitoBloqueio() const
{
    return temCodigo(isc_lock_conflict) || temCodigo(isc_update_conflict)
        || (temCodigo(isc_deadlock) && !temCodigo(isc_foreign_key));
}
