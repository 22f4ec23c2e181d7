#pragma once
// The view panel of the companies register ("Detalhes do Cliente selecionado"): the selected
// company read only, with its logo.

#include <QWidget>

class ImagemLogotipo;
class MaskEdit;
class QLabel;
class QPlainTextEdit;
class Query;

class PainelDetalhesEmpresa : public QWidget {
    Q_OBJECT
public:
    explicit PainelDetalhesEmpresa(QWidget *pai);

    QLabel *DetCodigo, *LabelNomeDet, *DetNome, *LabelFantasiaDet, *DetFantasia, *LabelCPFDet, *LabelRGDet, *DetRG;
    MaskEdit *DetCPF;
    QLabel *DetLogradouro, *DetNumero, *DetComplemento, *DetBairro, *DetCidade, *DetEstado;
    MaskEdit *DetFone1, *DetFone2;
    QLabel *DetEmail;
    QPlainTextEdit *DetObs;
    ImagemLogotipo *ImagemLogoDet;

    // The current row of `empresa`; an empty list clears the panel. Locality names are those
    // of the visible localities.
    void mostra(Query &empresa);
    // Labels and document mask of a natural or legal person.
    void defineTipoPessoa(bool juridica);
};
