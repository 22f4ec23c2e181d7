#pragma once
// The three-way dialog for a name that is not registered: register it, use the closest
// registered name, or go back to the field.

#include "Mensagens.h"

#include <QDialog>

class QLabel;
class QPushButton;

class TfAviso9 : public QDialog {
    Q_OBJECT
public:
    explicit TfAviso9(QWidget *parent = nullptr);

    // `cadastrar` and `utilizar` go to the labels as given (the caller quotes them); an empty
    // `utilizar` disables " &Utilizar" for this request. Nenhuma when closed without a button.
    RespostaAviso9 pergunta(const QString &cadastrar, const QString &utilizar);

    RespostaAviso9 resposta() const;

    QLabel *LblCadastrar;
    QLabel *LblUtilizar;
    QPushButton *ButCadastrar;
    QPushButton *ButUtilizar;
    QPushButton *ButVoltar;

    bool CadastrarPressionado = false;
    bool UtilizarPressionado = false;
    bool VoltarPressionado = false;

protected:
    void showEvent(QShowEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
    void done(int r) override;

private slots:
    void ButCadastrarClick();
    void ButUtilizarClick();
    void ButVoltarClick();
};
