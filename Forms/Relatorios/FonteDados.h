#pragma once
// Rows a report reads: named columns, rows in their current order. Reading never moves the
// cursor of the dataset behind it.

#include <QString>
#include <QVariant>

class FonteDados {
public:
    virtual ~FonteDados() = default;
    virtual int linhas() const = 0;
    virtual int coluna(const QString &campo) const = 0; // -1 when absent
    virtual QVariant valor(int linha, int coluna) const = 0;
    // The row read when another report section refers to this dataset ("{RVEmpresaPadrao.EM_NOME}").
    virtual int linhaAtual() const { return 0; }

    QVariant valor(int linha, const QString &campo) const { return valor(linha, coluna(campo)); }
};
