#pragma once
// The CPF / CNPJ box of the registers that keep natural ("F") and legal ("J") persons: its mask
// after the person type and the check-digit test when the box is left.

#include <QString>

class MaskEdit;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace DocumentoPessoa {

inline const QString MascaraCPF = QStringLiteral("999.999.999-99;0;_");
inline const QString MascaraCNPJ = QStringLiteral("99.999.999/9999-99;0;_");

inline const QString &mascara(bool juridica) { return juridica ? MascaraCNPJ : MascaraCPF; }

// Leaving the box: unless nothing was typed, ValidaCPF or ValidaCNPJ (with their message);
// an invalid number puts the focus back with the text selected. True when the box may be left.
bool confere(MaskEdit *caixa, bool juridica);

// The boxes of an edit panel that change with the person type.
struct CamposTipoPessoa {
    QRadioButton *fisica, *juridica;
    QLabel *nome, *fantasia;
    QLineEdit *editFantasia;
    QLabel *documento;
    MaskEdit *editDocumento;
    QLabel *rgIe, *im;
    QLineEdit *editIm;
    QLabel *dataNasc, *pesquisarCnpj;
};

// Captions and boxes for a legal ("Razão Social", CNPJ, IE, IM, "Fundação", trade name) or a
// natural person ("Nome", CPF, RG, "Data Nasc."); the document mask follows.
void aplicaTipoPessoa(const CamposTipoPessoa &c, bool juridica);

} // namespace DocumentoPessoa
