#pragma once
// The view panel of the persons register ("Detalhes do Cliente selecionado"): the selected
// person read only, its contacts, the map link and the four note totals.

#include <QWidget>

class MaskEdit;
class QLabel;
class QPlainTextEdit;
class QTableView;
class Query;
class TotaisNotasCliente;

class PainelDetalhesCliente : public QWidget {
    Q_OBJECT
public:
    // `contatos` is the view grid of the person's contacts, laid out here.
    PainelDetalhesCliente(QTableView *contatos, QWidget *pai);

    QLabel *DetCodigo, *LabelNomeDet, *DetNome, *LabelCPFDet, *LabelRGDet, *DetRG;
    MaskEdit *DetCPF;
    QLabel *DetLogradouro, *DetNumero, *DetComplemento, *DetBairro, *DetCidade, *DetEstado;
    QLabel *DetNascimento, *DetLimite;
    QPlainTextEdit *DetObs;
    QLabel *LabelVerEnderecoMapa;
    QLabel *LabelNotasGeradas, *LabelEmAtraso, *LabelEmAberto, *LabelPago;

    // The current row of `pessoa` (QryPrincipal); an empty query clears the panel.
    void mostra(Query &pessoa);
    void mostraTotais(const TotaisNotasCliente &t);
    // Labels and document mask of a natural ("F") or legal ("J") person.
    void defineTipoPessoa(bool juridica);

Q_SIGNALS:
    void verMapa();
};
