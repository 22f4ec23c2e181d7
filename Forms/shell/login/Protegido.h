#pragma once
// Runs a window action. A database error the action does not handle reaches the user as the
// database's own message, shown as the standard error message.

#include "ErroBD.h"
#include "Mensagens.h"

#include <utility>

template <class Acao>
void protegido(Acao &&acao)
{
    try {
        std::forward<Acao>(acao)();
    } catch (const ErroBD &e) {
        mensagemErro(e.mensagem());
    }
}
