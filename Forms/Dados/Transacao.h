#pragma once
// A transaction of the system as the windows name it ("TransQryPrincipal", ...). It holds two
// database transactions, both read committed, record version, no wait:
// - a read-only one for reads, started on first use and kept open (a read-only read-committed
//   transaction does not hold garbage collection back);
// - a write one, started by the first write (post, delete, DML) and ended by a real commit at
//   `commitRetaining()` or undone by `rollbackRetaining()`, so that no write is held open.
// While a write is pending, reads run inside it and see its changes.
// A group (`GrupoGravacao`) keeps several writes in one write transaction until it ends; other
// transactions may join it, so that queries of several groups write as one.

#include <QList>
#include <QString>

namespace Firebird { class ITransaction; }
class BancoDados;
class Query;

class Transacao {
public:
    explicit Transacao(BancoDados &banco, QString nome = {});
    ~Transacao();
    Transacao(const Transacao &) = delete;
    Transacao &operator=(const Transacao &) = delete;

    const QString &nome() const { return nome_; }
    BancoDados &banco() const { return banco_; }

    void inicia();                  // starts the read transaction; no-op when active
    bool ativa() const { return leitura_ != nullptr || escrita_ != nullptr; }
    bool gravando() const; // a write is pending
    // End both: the pending write is committed (or undone) and the reads end.
    void commit();
    void rollback();
    // The pending write is durable now (a real commit); reads stay open. Inside a group the
    // commit waits for the end of the group.
    void commitRetaining();
    // Undoes the pending write (inside a group: every write of the group); reads stay open.
    void rollbackRetaining();
    // The default end: the pending write made durable.
    void finaliza() { commitRetaining(); }

    Firebird::ITransaction *leitura(); // for reads: the pending write when there is one
    Firebird::ITransaction *escrita(); // for writes: started when needed

    // A group of writes that is stored whole or not at all.
    void iniciaGrupo();
    void confirmaGrupo(); // commits when the outermost group ends
    void desfazGrupo();   // undoes every write of the group
    bool emGrupo() const { return grupos_ > 0; }
    // While joined, this transaction writes (and reads) in the write transaction of `principal`,
    // and its commits and rollbacks are those of `principal`.
    void juntaA(Transacao &principal);
    void separa();

private:
    friend class BancoDados;
    friend class Query;
    void abandona(); // the attachment is gone
    // Queries reading through `t` take their remaining rows before it ends.
    void antesDeEncerrar(Firebird::ITransaction *t);
    void encerraEscrita(bool confirma);
    BancoDados &banco_;
    QString nome_;
    Firebird::ITransaction *leitura_ = nullptr;
    Firebird::ITransaction *escrita_ = nullptr;
    int grupos_ = 0;
    Transacao *principal_ = nullptr;
    QList<Transacao *> juntas_;
    QList<Query *> cursores_; // queries with an open cursor in one of the two
};

// Keeps the writes made while it lives in one transaction: `confirma()` commits them, leaving
// the scope without it undoes them.
class GrupoGravacao {
public:
    explicit GrupoGravacao(Transacao &tr, std::initializer_list<Transacao *> juntas = {});
    ~GrupoGravacao();
    GrupoGravacao(const GrupoGravacao &) = delete;
    GrupoGravacao &operator=(const GrupoGravacao &) = delete;
    void confirma();

private:
    void separa();
    Transacao &tr_;
    QList<Transacao *> juntas_;
    bool fim_ = false;
};
