#include "RelatorioLista.h"

#include "DadosImpressao.h"
#include "Query.h"

void RelatorioLista::imprime(const Query &registros, const QString &relatorio, const QString &titulo,
                             const QString &filtro)
{
    DadosImpressao &impressao = DadosImpressao::instancia();
    impressao.imprime(relatorio, impressao.parametrosLista(titulo, filtro), &registros);
}
