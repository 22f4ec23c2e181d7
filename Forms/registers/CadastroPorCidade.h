#pragma once
// Registers whose records belong to a city (neighbourhoods, streets): the window's own list of
// visible cities feeds the city picker and the grid's city column; names are unique within a city.

#include "JanelaCadastro.h"

class QComboBox;
class QFormLayout;

class CadastroPorCidade : public JanelaCadastro {
    Q_OBJECT
public:
    QLineEdit *EditCodigo = nullptr;
    QComboBox *LkpCidade = nullptr;
    QLineEdit *EditNome = nullptr;

protected:
    struct Campos {
        QString prefixo;       // "BR"
        QString tabela;        // "BAIRROS"
        QString gerador;       // "COD_BAIRROS"
        QString rotuloNome;    // "Nome do Bairro "
        QString msgNome;       // "É necessário informar o nome do bairro !"
        QString msgDuplicado;  // "Já existe um bairro com este nome !"
    };
    CadastroPorCidade(const Definicao &d, const Campos &c, QWidget *parent);

    QString campo(const char *sufixo) const { return campos_.prefixo + QLatin1String(sufixo); }
    void montaDetalhes(QWidget *painel) override;
    // Fields after the name (street type and postal code).
    virtual void montaDetalhesExtras(QFormLayout *f) {}
    void carregaListas() override;
    void mostraRegistro() override;
    bool preparaGravacao() override;
    // Extra fields into the row; false refuses the save.
    virtual bool preparaExtras() { return true; }
    virtual void mostraExtras() {}
    virtual void habilitaExtras(bool editando) {}
    QWidget *primeiroCampo() override;
    void habilitaDetalhes(bool editando) override;
    QVariant textoCelula(int linha, const QString &campo) const override;

    Query QryCidades;
    Query ConfQryPrincipal;
    Campos campos_;

private:
    QString nomeCidade(const QVariant &codigo) const;
};
