// The list of the companies register: first load and search.

#include "TfEmpresas.h"

#include "Dados.h"
#include "Mensagens.h"
#include "PainelEdicaoEmpresa.h"
#include "PainelPesquisaEmpresas.h"
#include "SeletoresEndereco.h"

#include <QLineEdit>

void TfEmpresas::preparaFiltro()
{
    QryPrincipal.sql[6] = QStringLiteral("WHERE EM.EM_CODIGO<>0");
    for (int i = 7; i <= 12; ++i) QryPrincipal.sql[i] = QString();
}

void TfEmpresas::CarregaTabelas()
{
    QryPrincipal.close();
    preparaFiltro();
    carregaTodos_ = false;
    QryPrincipal.open();
    CountQryPrincipal.close();
    CountQryPrincipal.open();
    Dados &d = dados();
    Dados::abre(d.LookupEstados);
    d.LookupEstados.first();
    SeletoresEndereco *e = Edicao->Endereco;
    e->defineUf(ufInicial());
    for (SeletorLocalidade *s : {e->Cidade, e->Bairro, e->Logradouro}) {
        s->Qry.close();
        s->Qry.limpaParametros();
        s->Qry.open();
    }
    for (Query *q : {&d.LookupCidades, &d.LookupBairros, &d.LookupLogradouros, &d.LookupEmpresas}) Dados::abre(*q);
    escreveContador();
}

void TfEmpresas::LocalizaTabelas()
{
    // A refused date range leaves the list as it was.
    if (!Pesquisa->confereFiltros()) return;
    QryPrincipal.close();
    preparaFiltro();
    Pesquisa->aplicaFiltros(QryPrincipal);
    QryPrincipal.open();
    CountQryPrincipal.close();
    CountQryPrincipal.open();
    escreveContador();
    if (buscaPedida_ && QryPrincipal.isEmpty()) informacao(QStringLiteral("Nenhum registro encontrado !"));
}

void TfEmpresas::ButBuscarPesquisaClick()
{
    buscaPedida_ = true;
    LocalizaTabelas();
}

void TfEmpresas::LimpaPesquisa()
{
    buscaPedida_ = false;
    Pesquisa->limpa();
    LocalizaTabelas();
    Pesquisa->PesqEditNome->setFocus();
}
