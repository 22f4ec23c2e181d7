#include "CalculoLembretes.h"

#include "BancoDados.h"
#include "Dados.h"
#include "ErroBD.h"
#include "Query.h"
#include "Transacao.h"

#include <memory>

// Lives in the worker thread: its connection, transaction and queries are used only there.
class TrabalhoLembretes : public QObject {
public:
    // Returns the figures or throws ErroBD.
    ContagemLembretes calcula(const CalculoLembretes::Pedido &p)
    {
        if (!banco_ || banco_->nome != p.banco || banco_->parametros != p.parametros || sql_ != p.sql ||
            !banco_->conectado())
            conecta(p);
        try {
            ContagemLembretes c = leLembretes(ConsultasLembretes{*hoje_, *semana_, *vencidas_, *emitidas_,
                                                                 *anivHoje_, *anivMes_},
                                              p.dia, p.de, p.ate);
            tr_->commit();
            return c;
        } catch (const ErroBD &) {
            desconecta(); // a lost connection is made again at the next request
            throw;
        }
    }

    void desconecta()
    {
        for (auto *q : {&hoje_, &semana_, &vencidas_, &emitidas_, &anivHoje_, &anivMes_}) q->reset();
        tr_.reset();
        if (banco_) {
            try {
                banco_->desconecta();
            } catch (const ErroBD &) {
            }
        }
        banco_.reset();
    }

private:
    void conecta(const CalculoLembretes::Pedido &p)
    {
        desconecta();
        auto banco = std::make_unique<BancoDados>();
        banco->nome = p.banco;
        banco->parametros = p.parametros;
        banco->conecta();
        banco_ = std::move(banco);
        tr_ = std::make_unique<Transacao>(*banco_, QStringLiteral("TransLembretes"));
        sql_ = p.sql;
        std::unique_ptr<Query> *qs[] = {&hoje_, &semana_, &vencidas_, &emitidas_, &anivHoje_, &anivMes_};
        for (int i = 0; i < 6; ++i) {
            *qs[i] = std::make_unique<Query>(*banco_, *tr_);
            (*qs[i])->sql.defineTexto(sql_.value(i));
        }
    }

    QStringList sql_;

    std::unique_ptr<BancoDados> banco_;
    std::unique_ptr<Transacao> tr_;
    std::unique_ptr<Query> hoje_, semana_, vencidas_, emitidas_, anivHoje_, anivMes_;
};

CalculoLembretes::Pedido CalculoLembretes::pedido(Dados &d, QDate dia, QDate de, QDate ate)
{
    Pedido p;
    p.banco = d.DataBase.nome;
    p.parametros = d.DataBase.parametros;
    p.dia = dia;
    p.de = de;
    p.ate = ate;
    p.sql = {d.QryPromissoriasHoje.sql.texto(),     d.QryPromissoriasSemana.sql.texto(),
             sqlVencidasIndexada(),                 d.QryPromissoriasEmitidas.sql.texto(),
             d.QryAniversariantesHojeCount.sql.texto(), d.QryAniversariantesMesCount.sql.texto()};
    return p;
}

CalculoLembretes::CalculoLembretes(QObject *parent) : QObject(parent), trabalho_(new TrabalhoLembretes)
{
    thread_.setObjectName(QStringLiteral("Lembretes"));
    trabalho_->moveToThread(&thread_);
    connect(&thread_, &QThread::finished, trabalho_, &QObject::deleteLater);
    thread_.start();
}

CalculoLembretes::~CalculoLembretes()
{
    encerra();
    thread_.quit();
    thread_.wait();
}

void CalculoLembretes::solicita(const Pedido &p)
{
    if (ocupado_) {
        pendente_ = p;
        return;
    }
    inicia(p);
}

void CalculoLembretes::inicia(const Pedido &p)
{
    ocupado_ = true;
    QPointer<CalculoLembretes> eu(this);
    TrabalhoLembretes *t = trabalho_;
    const int geracao = geracao_;
    QMetaObject::invokeMethod(
        trabalho_,
        [eu, t, p, geracao] {
            std::optional<ContagemLembretes> c;
            QString erro;
            try {
                c = t->calcula(p);
            } catch (const ErroBD &e) {
                erro = e.mensagem();
            }
            // Back on the user-interface thread, where `eu` lives.
            QMetaObject::invokeMethod(
                eu.data(),
                [eu, c, erro, geracao, dia = p.dia] {
                    if (!eu) return;
                    const bool atual = geracao == eu->geracao_;
                    eu->concluido();
                    if (!atual) return;
                    if (c) Q_EMIT eu->calculado(*c, dia);
                    else Q_EMIT eu->falhou(erro);
                },
                Qt::QueuedConnection);
        },
        Qt::QueuedConnection);
}

void CalculoLembretes::concluido()
{
    ocupado_ = false;
    if (pendente_) {
        const Pedido p = *pendente_;
        pendente_.reset();
        inicia(p);
    }
}

void CalculoLembretes::encerra()
{
    pendente_.reset();
    ++geracao_;
    if (!thread_.isRunning()) return;
    TrabalhoLembretes *t = trabalho_;
    // Queued behind a running computation, so this also waits for it.
    QMetaObject::invokeMethod(trabalho_, [t] { t->desconecta(); }, Qt::BlockingQueuedConnection);
}
