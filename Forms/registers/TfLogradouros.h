#pragma once
// Streets register: a city, a name, the street type and the postal code.

#include "CadastroPorCidade.h"

class MaskEdit;

class TfLogradouros : public CadastroPorCidade {
    Q_OBJECT
public:
    explicit TfLogradouros(QWidget *parent = nullptr);

    QComboBox *ComboTipo = nullptr;
    MaskEdit *EditCEP = nullptr;

    static QStringList tiposLogradouro();

protected:
    void montaDetalhesExtras(QFormLayout *f) override;
    bool preparaExtras() override;
    void mostraExtras() override;
    void habilitaExtras(bool editando) override;
    void recarregaListasCompartilhadas() override;
};
