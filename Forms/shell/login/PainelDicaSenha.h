#pragma once
// The password hint of the login window ("Esqueceu?"): the registered login names, and the
// hint of the account whose CPF the user types.

#include <QFrame>

class QLabel;
class QLineEdit;
class Query;
class LabelClicavel;

class PainelDicaSenha : public QFrame {
    Q_OBJECT
public:
    // `contas`: the accounts, as the login window reads them (PUS_CODIGO, PUS_LOGIN,
    // PUS_CPF_CNPJ, PUS_DICA_SENHA).
    PainelDicaSenha(Query &contas, QWidget *parent = nullptr);

    QLabel *LabelUsuariosCadastrados;
    QLineEdit *EditCPF;
    QLineEdit *EditDicaSenha;
    LabelClicavel *LabelFechar;

    // Lists the accounts, empties the boxes, shows the panel and focuses the CPF box.
    void abre();

Q_SIGNALS:
    // The typed CPF is the account's; the hint is on show.
    void contaEncontrada(int codigo, const QString &login);
    void fechado();

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override;

private:
    void EditCPFExit();
    void LabelFecharClick();

    Query &contas_;
    bool fechando_ = false;
};
