#pragma once
// Neighbourhoods register.

#include "CadastroPorCidade.h"

class TfBairros : public CadastroPorCidade {
    Q_OBJECT
public:
    explicit TfBairros(QWidget *parent = nullptr);

protected:
    void recarregaListasCompartilhadas() override;
};
