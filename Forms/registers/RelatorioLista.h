#pragma once
// The list report of a register: the rows of its main query, as listed, with the shared
// parameters (title, company, filter line, "Por : {user}", footer message).

#include <QString>

class Query;

namespace RelatorioLista {
void imprime(const Query &registros, const QString &relatorio, const QString &titulo, const QString &filtro);
}
