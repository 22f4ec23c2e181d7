#include "DocumentoPessoa.h"

#include "MaskEdit.h"
#include "uFuncoes.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

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

void DocumentoPessoa::aplicaTipoPessoa(const CamposTipoPessoa &c, bool juridica)
{
    (juridica ? c.juridica : c.fisica)->setChecked(true);
    c.nome->setText(juridica ? QStringLiteral("Razão Social") : QStringLiteral("Nome"));
    c.fantasia->setVisible(juridica);
    c.editFantasia->setVisible(juridica);
    c.documento->setText(juridica ? QStringLiteral("CNPJ") : QStringLiteral("CPF"));
    if (c.editDocumento->mascara() != mascara(juridica)) c.editDocumento->setMascara(mascara(juridica));
    c.rgIe->setText(juridica ? QStringLiteral("IE") : QStringLiteral("RG"));
    c.im->setVisible(juridica);
    c.editIm->setVisible(juridica);
    c.dataNasc->setText(juridica ? QStringLiteral("Fundação") : QStringLiteral("Data Nasc."));
    c.pesquisarCnpj->setVisible(juridica);
}
