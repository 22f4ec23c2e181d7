#include "RetornoCredor.h"

namespace {
JanelaNotasCredor *aberta_ = nullptr;
}

JanelaNotasCredor::~JanelaNotasCredor()
{
    if (aberta_ == this) aberta_ = nullptr;
}

JanelaNotasCredor *JanelaNotasCredor::aberta() { return aberta_; }
void JanelaNotasCredor::defineAberta(JanelaNotasCredor *janela) { aberta_ = janela; }
