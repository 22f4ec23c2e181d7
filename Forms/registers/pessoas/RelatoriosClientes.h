#pragma once
// The reports of the persons register: the report connections (`RvClientes` over the list, with
// the calculated birthday month; `RVClientesPrincipal` and `RVContatosCliente` for the card) and
// the runs with their parameters.

#include <QObject>
#include <QString>

class ConexaoRelatorio;
class Query;

class RelatoriosClientes : public QObject {
    Q_OBJECT
public:
    // The month name of a birth date, "*NÃO DEFINIDO*" without one.
    static QString mesAniversario(const QVariant &nascimento);
    static const QString NaoDefinido;

    RelatoriosClientes(Query &lista, Query &pessoa, Query &contatos, QObject *pai);

    // The calculated field `MesAniversario` of `RvClientes`.
    void ligaMesAniversario(bool ligado);
    bool mesAniversarioLigado() const;

    // A list report over the rows of the list, with the shared parameters.
    bool imprimeLista(const QString &titulo, const QString &relatorio);
    // "FichaCliente" with `pTitulo` only.
    bool imprimeFicha();

private:
    class ConexaoClientes;
    ConexaoClientes *RvClientes;
    ConexaoRelatorio *RVClientesPrincipal;
    ConexaoRelatorio *RVContatosCliente;
};
