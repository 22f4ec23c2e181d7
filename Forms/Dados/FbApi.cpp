#include "FbApi.h"
#include "Win1252.h"

#include <ibase.h>

using namespace Firebird;

namespace FbApi {

IMaster *master()
{
    static IMaster *m = fb_get_master_interface();
    return m;
}

IUtil *util()
{
    static IUtil *u = master()->getUtilInterface();
    return u;
}

IProvider *provedor()
{
    static IProvider *p = master()->getDispatcher();
    return p;
}

Status::Status() : status_(master()->getStatus()), wrapper_(status_) {}
Status::~Status() { status_->dispose(); }

bool Status::falhou() const { return wrapper_.getState() & IStatus::STATE_ERRORS; }

void Status::verifica()
{
    if (falhou()) throw erro();
}

ErroBD Status::erro()
{
    char buffer[2048];
    const unsigned n = util()->formatStatus(buffer, sizeof buffer - 1, &wrapper_);
    QString texto = Win1252::decodifica(buffer, qsizetype(n)).trimmed();

    QList<qint64> codigos;
    const intptr_t *v = wrapper_.getErrors();
    const int sqlcode = isc_sqlcode(reinterpret_cast<const ISC_STATUS *>(v));
    while (v && *v != isc_arg_end) {
        switch (v[0]) {
        case isc_arg_gds: codigos.append(v[1]); v += 2; break;
        case isc_arg_cstring: v += 3; break;
        default: v += 2; break;
        }
    }
    wrapper_.init();
    return ErroBD(texto, sqlcode, codigos);
}

} // namespace FbApi
