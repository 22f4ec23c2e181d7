#include "Plataforma.h"
#include "PlataformaSistema.h"

namespace {
Plataforma *g_atual = nullptr;
}

Plataforma &Plataforma::atual()
{
    static PlataformaSistema sistema;
    return g_atual ? *g_atual : sistema;
}

void Plataforma::instala(Plataforma *p) { g_atual = p; }
