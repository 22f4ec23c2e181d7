#pragma once
// Cities register.

#include "JanelaCadastro.h"

class QComboBox;

class TfCidades : public JanelaCadastro {
    Q_OBJECT
public:
    explicit TfCidades(QWidget *parent = nullptr);

    QLineEdit *EditCodigo = nullptr;
    QComboBox *LkpSigla = nullptr;
    QLineEdit *EditNome = nullptr;

protected:
    void montaDetalhes(QWidget *painel) override;
    void carregaListas() override;
    void mostraRegistro() override;
    bool preparaGravacao() override;
    void recarregaListasCompartilhadas() override;
    QWidget *primeiroCampo() override;
    void habilitaDetalhes(bool editando) override;

private:
    Query ConfQryPrincipal;
};
