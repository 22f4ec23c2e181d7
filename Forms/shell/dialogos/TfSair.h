#pragma once
// The exit dialog: change user, leave, back up and leave, or go back to the program.

#include <QDialog>

class QPushButton;

class TfSair : public QDialog {
    Q_OBJECT
public:
    enum : int { Nenhuma = 0, BackupESair = 1, SairDoPrograma = 2, TrocarUsuario = 3, Retornar = 4 };

    explicit TfSair(QWidget *parent = nullptr);

    // Shows the dialog modally and returns the answer (Nenhuma when closed without a button).
    int pergunta();

    int Resposta = Nenhuma;

    QPushButton *ButTrocarUsuario;
    QPushButton *ButSair;
    QPushButton *ButBackupSair;
    QPushButton *ButRetornar;

protected:
    void showEvent(QShowEvent *e) override;

private slots:
    void ButTrocarUsuarioClick();
    void ButSairClick();
    void ButBackupSairClick();
    void ButRetornarClick();

private:
    void responde(int resposta);
};
