// Name and IPv4 address of this computer, straight from the sockets layer.
#include "uFuncoes.h"

#include <QtGlobal>

#ifdef Q_OS_WIN
#include <winsock2.h>
#include <ws2tcpip.h>
#else
#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace {

#ifdef Q_OS_WIN
struct Winsock {
    bool iniciado = false;
    Winsock()
    {
        WSADATA dados;
        iniciado = WSAStartup(MAKEWORD(1, 1), &dados) == 0;
    }
    ~Winsock()
    {
        if (iniciado) WSACleanup();
    }
};
#endif

// Dotted form of the first IPv4 address of `nome`; empty when the lookup finds nothing.
QString primeiroIPv4(const char *nome)
{
    addrinfo dica{};
    dica.ai_family = AF_INET;
    addrinfo *lista = nullptr;
    if (getaddrinfo(nome, nullptr, &dica, &lista) != 0 || !lista) return QString();
    QString endereco;
    for (const addrinfo *a = lista; a; a = a->ai_next) {
        if (a->ai_family != AF_INET || !a->ai_addr) continue;
        const auto *ipv4 = reinterpret_cast<const sockaddr_in *>(a->ai_addr);
        const auto *bytes = reinterpret_cast<const unsigned char *>(&ipv4->sin_addr);
        endereco = QStringLiteral("%1.%2.%3.%4").arg(bytes[0]).arg(bytes[1]).arg(bytes[2]).arg(bytes[3]);
        break;
    }
    freeaddrinfo(lista);
    return endereco;
}

} // namespace

bool NomeEnderecoComputador(QString &nome, QString &endereco, QString &erro)
{
#ifdef Q_OS_WIN
    Winsock winsock;
    if (!winsock.iniciado) {
        erro = QStringLiteral("Winsock is not responding.\"");
        return false;
    }
#endif
    endereco.clear();
    char buffer[101] = {};
    if (gethostname(buffer, sizeof buffer - 1) != 0) {
#ifdef Q_OS_WIN
        switch (WSAGetLastError()) {
        case WSAEINPROGRESS: erro = QStringLiteral("WSAEInProgress"); break;
        case WSAENETDOWN: erro = QStringLiteral("WSAENetDown"); break;
        case WSANOTINITIALISED: erro = QStringLiteral("WSANotInitialised"); break;
        default: break; // other codes leave the text as it was
        }
#endif
        return false;
    }
    nome = QString::fromLocal8Bit(buffer);
    // A host name that no lookup resolves still is this computer's name: the result is true
    // and the address stays empty.
    endereco = primeiroIPv4(buffer);
    return true;
}
