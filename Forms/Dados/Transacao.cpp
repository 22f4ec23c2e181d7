#include "Transacao.h"
#include "BancoDados.h"
#include "FbApi.h"
#include "Query.h"

#include <QScopeGuard>
#include <ibase.h>

using namespace Firebird;

namespace {

ITransaction *inicia(BancoDados &banco, bool somenteLeitura)
{
    if (!banco.conectado()) throw ErroBD(QStringLiteral("Banco de dados não conectado."));
    const unsigned char tpb[] = {isc_tpb_version3, static_cast<unsigned char>(somenteLeitura ? isc_tpb_read : isc_tpb_write),
                                 isc_tpb_read_committed, isc_tpb_rec_version, isc_tpb_nowait};
    FbApi::Status st;
    ITransaction *t = banco.attachment()->startTransaction(&st, sizeof tpb, tpb);
    st.verifica();
    return t;
}

// Commits or rolls back `t`; the handle is gone afterwards whatever happens.
void encerra(ITransaction *&t, bool confirma)
{
    if (!t) return;
    FbApi::Status st;
    confirma ? t->commit(&st) : t->rollback(&st);
    if (st.falhou()) {
        ErroBD e = st.erro();
        if (!confirma) {
            t->release();
            t = nullptr;
        }
        throw e; // a failed commit leaves the write pending, to be undone
    }
    t = nullptr; // commit and rollback release the interface
}

} // namespace

Transacao::Transacao(BancoDados &banco, QString nome) : banco_(banco), nome_(std::move(nome))
{
    banco_.transacoes_.append(this);
}

Transacao::~Transacao()
{
    separa();
    for (Transacao *j : QList<Transacao *>(juntas_)) j->separa();
    try {
        if (ativa() && banco_.conectado()) commit();
    } catch (const ErroBD &) {
    }
    abandona();
    for (Query *q : QList<Query *>(cursores_)) q->soltaCursor();
    banco_.transacoes_.removeOne(this);
}

void Transacao::inicia()
{
    if (!leitura_) leitura_ = ::inicia(banco_, true);
}

bool Transacao::gravando() const { return principal_ ? principal_->gravando() : escrita_ != nullptr; }

ITransaction *Transacao::leitura()
{
    if (principal_ && principal_->escrita_) return principal_->escrita_;
    if (escrita_) return escrita_;
    inicia();
    return leitura_;
}

ITransaction *Transacao::escrita()
{
    if (principal_) return principal_->escrita();
    if (!escrita_) escrita_ = ::inicia(banco_, false);
    return escrita_;
}

void Transacao::juntaA(Transacao &principal)
{
    if (&principal == this || principal_) return;
    commitRetaining(); // what it had pending stays apart from the group
    principal_ = &principal;
    principal.juntas_.append(this);
}

void Transacao::separa()
{
    if (!principal_) return;
    principal_->juntas_.removeOne(this);
    principal_ = nullptr;
}

void Transacao::antesDeEncerrar(ITransaction *t)
{
    if (!t) return;
    const QList<Query *> abertas = cursores_;
    for (Query *q : abertas)
        if (q->cursorEm(t)) q->terminaCursor();
}

void Transacao::encerraEscrita(bool confirma)
{
    if (!escrita_) return;
    antesDeEncerrar(escrita_);
    for (Transacao *j : std::as_const(juntas_)) j->antesDeEncerrar(escrita_);
    if (confirma) {
        try {
            encerra(escrita_, true);
        } catch (const ErroBD &) {
            try { encerra(escrita_, false); } catch (const ErroBD &) {}
            throw;
        }
    } else {
        encerra(escrita_, false);
    }
}

void Transacao::commit()
{
    grupos_ = 0;
    encerraEscrita(true);
    antesDeEncerrar(leitura_);
    encerra(leitura_, true);
}

void Transacao::rollback()
{
    grupos_ = 0;
    encerraEscrita(false);
    antesDeEncerrar(leitura_);
    encerra(leitura_, false);
}

void Transacao::commitRetaining()
{
    if (principal_) return principal_->commitRetaining();
    if (grupos_ > 0) return;
    encerraEscrita(true);
}

void Transacao::rollbackRetaining()
{
    if (principal_) return principal_->rollbackRetaining();
    encerraEscrita(false);
}

void Transacao::iniciaGrupo() { ++grupos_; }

void Transacao::confirmaGrupo()
{
    if (grupos_ > 0 && --grupos_ > 0) return;
    encerraEscrita(true);
}

void Transacao::desfazGrupo()
{
    if (grupos_ > 0) --grupos_;
    encerraEscrita(false);
}

void Transacao::abandona()
{
    for (ITransaction **t : {&leitura_, &escrita_}) {
        if (*t) (*t)->release();
        *t = nullptr;
    }
    grupos_ = 0;
}

GrupoGravacao::GrupoGravacao(Transacao &tr, std::initializer_list<Transacao *> juntas) : tr_(tr)
{
    tr_.iniciaGrupo();
    for (Transacao *j : juntas) {
        j->juntaA(tr_);
        juntas_.append(j);
    }
}

GrupoGravacao::~GrupoGravacao()
{
    if (fim_) return;
    try {
        tr_.desfazGrupo();
    } catch (const ErroBD &) {
    }
    separa();
}

void GrupoGravacao::confirma()
{
    fim_ = true;
    const auto fim = qScopeGuard([this] { separa(); });
    tr_.confirmaGrupo();
}

void GrupoGravacao::separa()
{
    for (Transacao *j : std::as_const(juntas_)) j->separa();
    juntas_.clear();
}
