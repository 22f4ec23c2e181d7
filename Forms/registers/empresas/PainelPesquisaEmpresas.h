#pragma once
// The search panel of the companies register: trade name ("Nome"), code, registration and
// update date ranges, legal name ("Razão Social") and street ("Endereço"). It turns the filled
// boxes into the filter lines 7 to 12 of the list, after checking the date ranges.

#include <QWidget>

class DataEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class Query;

class PainelPesquisaEmpresas : public QWidget {
    Q_OBJECT
public:
    explicit PainelPesquisaEmpresas(QWidget *pai);

    QLineEdit *PesqEditNome, *PesqEditCodigo, *PesqEditRazao, *PesqEditEndereco;
    DataEdit *PesqEditDataCad1, *PesqEditDataCad2, *PesqEditDataAtual1, *PesqEditDataAtual2;
    QLabel *PesqLabelLimpar;
    QPushButton *PesqButBuscar;

    // False, after the message and with the focus on the offending box, when a date range is
    // incomplete or holds a wrong date: the search does not run.
    bool confereFiltros();
    // Sets lines 7 to 12 of `lista` (emptied by the caller) from the filled boxes.
    void aplicaFiltros(Query &lista);
    // Empties the six text and date boxes.
    void limpa();

Q_SIGNALS:
    void buscar();
    void limpar();
};
