#pragma once
// Line edit driven by the system's own mask strings ("999.999.999-99;0;_", "##/##/####").

#include "MascaraDelphi.h"

#include <QLineEdit>

class MaskEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit MaskEdit(QWidget *parent = nullptr);
    explicit MaskEdit(const QString &mascara, QWidget *parent = nullptr);

    // Sets the mask ("" removes it); the characters already typed are kept.
    void setMascara(const QString &mascara);
    QString mascara() const { return mascara_; }

    // The value to store: the typed characters, with the literals only when the mask saves
    // them; "" when nothing was typed.
    QString texto() const;
    // Fills the box from a stored value ("12345678901" shows "123.456.789-01").
    void setTexto(const QString &armazenado);
    // The text as shown, literals included and blank positions as spaces:
    // an untouched "##/##/####" box gives "  /  /    ".
    QString textoVisivel() const;
    // No character typed.
    bool vazio() const;

protected:
    void mousePressEvent(QMouseEvent *e) override;

private:
    bool temMascara() const { return !posicoes_.isEmpty(); }
    // The character at each position, or a null QChar where the position is blank.
    QList<QChar> conteudo() const;
    QString digitados() const;
    // Places `valor` into the positions; literals in it are matched when `comLiterais`.
    void preenche(const QString &valor, bool comLiterais);
    int primeiraEntrada() const;

    QString mascara_;
    MascaraDelphi interpretada_;
    QList<PosicaoMascara> posicoes_;
};
