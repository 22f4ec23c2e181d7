#pragma once
// Access to the Firebird client library (OO interface) shared by the database layer.

#include <firebird/Interface.h>

#include "ErroBD.h"

namespace FbApi {

Firebird::IMaster *master();
Firebird::IUtil *util();
Firebird::IProvider *provedor();

// A status to pass to interface calls; `verifica()` turns an error into ErroBD and resets it.
class Status {
public:
    Status();
    ~Status();
    Status(const Status &) = delete;
    Status &operator=(const Status &) = delete;

    Firebird::CheckStatusWrapper *operator&() { return &wrapper_; }
    Firebird::CheckStatusWrapper *ptr() { return &wrapper_; }
    bool falhou() const;
    void verifica();
    ErroBD erro(); // the error it holds (status reset)
    void limpa() { wrapper_.init(); }

private:
    Firebird::IStatus *status_;
    Firebird::CheckStatusWrapper wrapper_;
};

} // namespace FbApi
