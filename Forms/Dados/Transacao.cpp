#include "Transacao.h"
#include "BancoDados.h"
#include "FbApi.h"

#include <ibase.h>

using namespace Firebird;

Transacao::Transacao(BancoDados &banco, QString nome) : banco_(banco), nome_(std::move(nome))
{
    banco_.transacoes_.append(this);
}

Transacao::~Transacao()
{
    try {
        if (ativa() && banco_.conectado()) commit();
    } catch (const ErroBD &) {
    }
    if (tr_) tr_->release();
    banco_.transacoes_.removeOne(this);
}

void Transacao::inicia()
{
    if (tr_) return;
    if (!banco_.conectado()) throw ErroBD(QStringLiteral("Banco de dados não conectado."));
    static const unsigned char tpb[] = {isc_tpb_version3, isc_tpb_write, isc_tpb_read_committed,
                                        isc_tpb_rec_version, isc_tpb_nowait};
    FbApi::Status st;
    ITransaction *t = banco_.attachment()->startTransaction(&st, sizeof tpb, tpb);
    st.verifica();
    tr_ = t;
}

ITransaction *Transacao::handle()
{
    inicia();
    return tr_;
}

void Transacao::commit()
{
    if (!tr_) return;
    FbApi::Status st;
    tr_->commit(&st);
    st.verifica();
    tr_ = nullptr; // commit released the interface
}

void Transacao::rollback()
{
    if (!tr_) return;
    FbApi::Status st;
    tr_->rollback(&st);
    if (st.falhou()) {
        ErroBD e = st.erro();
        tr_->release();
        tr_ = nullptr;
        throw e;
    }
    tr_ = nullptr;
}

void Transacao::commitRetaining()
{
    if (!tr_) return;
    FbApi::Status st;
    tr_->commitRetaining(&st);
    st.verifica();
}

void Transacao::rollbackRetaining()
{
    if (!tr_) return;
    FbApi::Status st;
    tr_->rollbackRetaining(&st);
    st.verifica();
}

void Transacao::abandona()
{
    if (tr_) tr_->release();
    tr_ = nullptr;
}
