#pragma once
// The system's edit-mask strings ("999.999.999-99;0;_") and their Qt input-mask equivalent.
//
// A mask string has up to three fields separated by ';': the mask itself, the save-literals
// flag ("0": the literals are not stored; anything else or absent: stored) and the blank
// character (default '_'). Mask characters: '0' required digit, '9' optional digit, '#'
// optional digit or sign, 'L'/'l' letter, 'A'/'a' letter or digit, 'C'/'c' any character
// (upper case required, lower case optional), '>' upper case from here, '<' lower case,
// '<>' no case change, '\' next character literal, '!' optional characters filled from the
// right, '_' a blank literal; anything else is a literal.

#include <QChar>
#include <QList>
#include <QString>

struct PosicaoMascara {
    enum Tipo { Literal, Digito, DigitoOuSinal, Letra, Alfanumerico, Qualquer };

    Tipo tipo = Literal;
    bool obrigatoria = false;
    QChar literal; // the character shown, for a literal

    bool ehLiteral() const { return tipo == Literal; }
    // Whether `c` may be typed here (the same test as the Qt mask character).
    bool aceita(QChar c) const;
};

struct MascaraDelphi {
    QString mascara;           // first field
    bool salvaLiterais = true; // second field
    QChar branco = u'_';       // third field

    // Splits a mask string into its three fields; '\' escapes a ';' of the first field.
    static MascaraDelphi interpreta(const QString &delphi);

    bool vazia() const { return mascara.isEmpty(); }
    // '!' in the mask: stored characters fill the optional positions from the right.
    bool preencheDaDireita() const;
    // One entry per character position of the edit box, as the Qt mask lays them out.
    QList<PosicaoMascara> posicoes() const;
    // The Qt input mask, blank character included ("000.000.000-00;_"); "" without a mask.
    QString paraQt() const;
};

// Qt input mask for a mask string of the system; "" for "".
QString mascaraQt(const QString &delphi);
