#pragma once
// The end the operating system asks for (SIGTERM at a logout or shutdown, SIGINT): the signal
// handler only writes a byte to a pipe; the event loop reads it and emits pedido(), so the
// program ends by its own orderly path, with the database detached.
//
// The database engine puts handlers of its own for these signals in place at the first
// connection (and would end the connections under the program's feet): reafirma() after each
// connection puts this one back.

#include <QObject>

class QSocketNotifier;

class TerminoPorSinal : public QObject {
    Q_OBJECT
public:
    static TerminoPorSinal &instancia();

    // Installs the handler for this run (the program's main; tests do not).
    static void ativa();
    // Installs it again when active, over whatever was put in place since.
    static void reafirma();

Q_SIGNALS:
    void pedido();

private:
    TerminoPorSinal();
    void instalaTratador();
    void leSinal();

    QSocketNotifier *notificador_ = nullptr;
    bool ativo_ = false;
};
