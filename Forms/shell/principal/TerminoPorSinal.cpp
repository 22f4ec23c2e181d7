#include "TerminoPorSinal.h"

#include <QSocketNotifier>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {
int g_tubo[2] = {-1, -1};

void aoSinal(int)
{
    const int erro = errno;
    const char c = 1;
    [[maybe_unused]] const auto n = ::write(g_tubo[1], &c, 1);
    errno = erro;
}
} // namespace
#endif

TerminoPorSinal::TerminoPorSinal()
{
#ifdef Q_OS_UNIX
    if (::pipe(g_tubo) == 0) {
        for (int fd : g_tubo) {
            ::fcntl(fd, F_SETFD, FD_CLOEXEC);
            ::fcntl(fd, F_SETFL, O_NONBLOCK);
        }
        notificador_ = new QSocketNotifier(g_tubo[0], QSocketNotifier::Read, this);
        connect(notificador_, &QSocketNotifier::activated, this, &TerminoPorSinal::leSinal);
    }
#endif
}

TerminoPorSinal &TerminoPorSinal::instancia()
{
    static TerminoPorSinal *t = new TerminoPorSinal; // lives until the process ends, as the handler does
    return *t;
}

void TerminoPorSinal::ativa()
{
    TerminoPorSinal &t = instancia();
    t.ativo_ = true;
    t.instalaTratador();
}

void TerminoPorSinal::reafirma()
{
    TerminoPorSinal &t = instancia();
    if (t.ativo_) t.instalaTratador();
}

void TerminoPorSinal::instalaTratador()
{
#ifdef Q_OS_UNIX
    if (!notificador_) return;
    struct sigaction acao = {};
    acao.sa_handler = aoSinal;
    sigemptyset(&acao.sa_mask);
    acao.sa_flags = SA_RESTART;
    for (int sinal : {SIGTERM, SIGINT}) ::sigaction(sinal, &acao, nullptr);
#endif
}

void TerminoPorSinal::leSinal()
{
#ifdef Q_OS_UNIX
    char lidos[16];
    while (::read(g_tubo[0], lidos, sizeof lidos) > 0) {
    }
#endif
    Q_EMIT pedido();
}
