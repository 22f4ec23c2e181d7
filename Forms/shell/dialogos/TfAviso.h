#pragma once
// The confirmation dialog: a message with SIM/NÃO, or a single OK for notices (code 91).
// The text rules (preset texts, "EXCLUIR este registro ?" / "CONFIRMAR ?") live in
// EstadoAviso; this window shows the final text and reports the button pressed.

#include "Mensagens.h"

#include <QDialog>

class QLabel;
class QPushButton;

class TfAviso : public QDialog {
    Q_OBJECT
public:
    explicit TfAviso(QWidget *parent = nullptr);

    // Shows `texto` modally ("\r" and "\n" break lines) and returns the button pressed;
    // Nenhuma when the dialog was closed otherwise. `somenteOk` (or code 91) shows only OK;
    // `legendaSim` replaces "SIM" and `naoHabilitado` false disables "NÃO" for this request.
    RespostaAviso pergunta(const QString &texto, int codigo = 0, bool somenteOk = false,
                           const QString &legendaSim = {}, bool naoHabilitado = true);

    RespostaAviso resposta() const;

    QLabel *LblMensagem;
    QPushButton *ButOK;  // "SIM"
    QPushButton *ButNao; // "NÃO"
    QPushButton *ButOk2; // "OK"

    int Codigo = 0; // request code of the question on screen
    bool SimPressionado = false;
    bool NaoPressionado = false;
    bool OkPressionado = false;

protected:
    void showEvent(QShowEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
    void done(int r) override;

private slots:
    void ButOKClick();
    void ButNaoClick();
    void ButOk2Click();

private:
    void ajustaLargura();
    bool somenteOk_ = false;
};
