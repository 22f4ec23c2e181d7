#include "DocumentoPessoa.h"

#include "MaskEdit.h"
#include "uFuncoes.h"

bool DocumentoPessoa::confere(MaskEdit *caixa, bool juridica)
{
    if (caixa->vazio()) return true; // an untouched CPF or CNPJ mask
    bool valido;
    if (juridica) {
        ValidaCNPJ(caixa->texto());
        valido = CNPJValido;
    } else {
        ValidaCPF(caixa->texto());
        valido = CPFValido;
    }
    if (valido) return true;
    caixa->setFocus();
    caixa->selectAll();
    return false;
}
