#pragma once
// A transaction of the system: write, read committed, record version, no wait.
// Started on first use; posts are made durable with commit-retaining.

#include <QString>

namespace Firebird { class ITransaction; }
class BancoDados;

class Transacao {
public:
    explicit Transacao(BancoDados &banco, QString nome = {});
    ~Transacao();
    Transacao(const Transacao &) = delete;
    Transacao &operator=(const Transacao &) = delete;

    const QString &nome() const { return nome_; }
    BancoDados &banco() const { return banco_; }

    void inicia();                  // no-op when active
    bool ativa() const { return tr_ != nullptr; }
    void commit();                  // ends it
    void rollback();                // ends it
    void commitRetaining();         // durable, stays active
    void rollbackRetaining();       // undone, stays active
    // The default end: commit-retaining when active.
    void finaliza() { if (ativa()) commitRetaining(); }

    Firebird::ITransaction *handle(); // starts it when needed

private:
    friend class BancoDados;
    void abandona(); // the attachment is gone
    BancoDados &banco_;
    QString nome_;
    Firebird::ITransaction *tr_ = nullptr;
};
