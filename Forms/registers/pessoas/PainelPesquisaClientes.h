#pragma once
// The search panel of the persons register: name, code, registration and update date ranges,
// contact, address and birthday month. It turns the filled boxes into the filter lines 9 to 15
// of the list, after checking the date pairs.

#include <QWidget>

class DataEdit;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class Query;

class PainelPesquisaClientes : public QWidget {
    Q_OBJECT
public:
    static const QStringList Meses; // "JANEIRO" to "DEZEMBRO"

    explicit PainelPesquisaClientes(QWidget *pai);

    QLineEdit *PesqEditNome, *PesqEditCodigo, *PesqEditContato, *PesqEditEndereco;
    DataEdit *PesqEditDataCad1, *PesqEditDataCad2, *PesqEditDataAtual1, *PesqEditDataAtual2;
    QComboBox *PesqEditAniver;
    QLabel *PesqLabelLimpar;
    QPushButton *PesqButBuscar;

    // Checks the date pairs. False, after the message and with the focus on the offending box,
    // when a pair is incomplete or a date is wrong: the search does not run.
    bool confereFiltros();
    // Sets lines 9 to 15 of `lista` (emptied by the caller) from the filled boxes.
    void aplicaFiltros(Query &lista);
    // Empties every box.
    void limpa();
    // 1 for "JANEIRO" up to 12 for "DEZEMBRO", 0 for any other text.
    static int numeroMes(const QString &mes);

Q_SIGNALS:
    void buscar();
    void limpar();
};
