#pragma once
// A private Firebird server for network-mode tests: the system's server executable run as the
// current user on 127.0.0.1 and a free port, with its own root folder (firebird.conf, the
// plugins of the installation, a lock folder) and its own security database whose SYSDBA has
// the system's connection password. It never touches a server the machine may run, nor /etc.
// Stopped when destroyed.

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

class ServidorTeste {
public:
    // `endereco`: the loopback address the server listens on.
    explicit ServidorTeste(QString endereco = QStringLiteral("127.0.0.1"));
    ~ServidorTeste();
    ServidorTeste(const ServidorTeste &) = delete;
    ServidorTeste &operator=(const ServidorTeste &) = delete;

    // Starts the server; false with `erro()` saying why (a missing package, a failed start).
    bool inicia();
    const QString &erro() const { return erro_; }
    int porta() const { return porta_; }
    const QString &endereco() const { return endereco_; }
    // "{address}/{port}:{path}"
    QString nomeBanco(const QString &arquivo) const;
    // Stops the server (SIGTERM, then SIGKILL); done by the destructor too.
    void para();

private:
    bool prepara(const QString &servidor, const QString &raizFirebird);
    bool aguardaPorta(int limiteMs);
    QTemporaryDir raiz_;
    QProcess processo_;
    QString endereco_;
    QString erro_;
    int porta_ = 0;
};
