#pragma once
// The database-server checks of this computer: whether the Firebird server is installed,
// whether it runs (with one attempt to start it), its version, and whether a host answers a
// ping. The login's connection diagnosis runs them without messages; the network window with
// its own messages.
//
// On Linux (see docs/plataforma.md): installed means a Firebird installation with its server
// executable and its firebird.conf; running means a process "fbguard" (the guardian, as
// "FBGuard.exe" on Windows) or "firebird" (the server as the Debian service runs it, without
// a guardian); the start is the platform's service start.

#include <QString>

class ServidorFirebird {
public:
    // The installation folder; empty when there is none. Sets the guardian used by `versao`.
    QString instalado();
    bool ativo();
    // Running; when not, wait 100 ms, start the service, wait 2000 ms and look again.
    bool ativoComPartida();
    // "{major}.{minor}.{release}.{build}" of the installation found by `instalado`; empty when
    // there is none.
    QString versao() const { return versao_; }
    QString guardiao() const { return guardiao_; }

    // The number of the first three characters of a version text: "2.5.9.27139" gives 25,
    // "3.0.10.33601" 30; an empty or unreadable text 0.
    static int numeroVersao(const QString &versao);
    // Version 2.5 or later.
    static bool versaoValida(const QString &versao) { return numeroVersao(versao) >= 25; }

    // One echo request with a 500 ms limit; a failure of any kind is a missed reply.
    static bool ping(const QString &host);

private:
    QString guardiao_;
    QString versao_;
};
