#pragma once
// The logo area of the main window: the caption "Seu logotipo aqui" over a 190 x 190 picture,
// either the company's (ImagemLogotipo) or the built-in default (ImagemPadrao), and the hint
// LabelSeuLogotipo shown while the mouse is over the caption or the picture.

#include <QLabel>

class LabelClicavel;

class AreaLogotipo : public QWidget {
    Q_OBJECT
public:
    static constexpr int Lado = 190;

    explicit AreaLogotipo(QWidget *parent = nullptr);

    LabelClicavel *LabelLogotipo;  // "Seu logotipo aqui"
    LabelClicavel *ImagemLogotipo; // the company's picture, stretched
    LabelClicavel *ImagemPadrao;   // the built-in picture, stretched
    QLabel *LabelSeuLogotipo;      // "Seu logotipo aqui. Clique para alterar."

    // The company's picture; a null one shows the default picture instead.
    void mostraImagem(const QPixmap &imagem);
    bool mostraPadrao() const;

    // The built-in default picture.
    static QPixmap imagemPadrao();

Q_SIGNALS:
    void clicado();

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override;
};
