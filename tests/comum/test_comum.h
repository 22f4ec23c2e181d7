#pragma once

#include <QObject>

class TesteComum : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();

    // masks
    void mascaraQt_data();
    void mascaraQt();
    void camposDaMascara_data();
    void camposDaMascara();
    void digitacao_data();
    void digitacao();
    void setTexto_data();
    void setTexto();
    void dataIntocada();
    void trocaDeMascaraMantemDigitos();

    // date, money and case
    void dataEdit_data();
    void dataEdit();
    void setData();
    void moedaDigitada_data();
    void moedaDigitada();
    void moedaSetValorEFoco();
    void caixa_data();
    void caixa();
    void caixaMantemValidadorDaCaixa();

    // keyboard rule
    void enterEEscMovemFoco();
    void escNaoFechaDialogo();
    void controleExcluido_data();
    void controleExcluido();
    void teclaDeFuncao_data();
    void teclaDeFuncao();
    void teclasDeOutraJanela();
    void antesVeCadaTeclaUmaVez();
};
