#include "RetornoCadastro.h"

namespace {
JanelaNotasCadastro *g_aberta = nullptr;
}

JanelaNotasCadastro::~JanelaNotasCadastro()
{
    if (g_aberta == this) g_aberta = nullptr;
}

JanelaNotasCadastro *JanelaNotasCadastro::aberta() { return g_aberta; }

void JanelaNotasCadastro::defineAberta(JanelaNotasCadastro *janela) { g_aberta = janela; }
