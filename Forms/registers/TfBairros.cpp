#include "TfBairros.h"

#include "Dados.h"

namespace {
JanelaCadastro::Definicao definicao()
{
    JanelaCadastro::Definicao d;
    d.titulo = QStringLiteral(" Cadastro de Bairros");
    d.tituloDetalhes = QStringLiteral("Detalhes do Bairro selecionado");
    d.secaoLayout = QStringLiteral("BAIRROS");
    d.campoChave = QStringLiteral("BR_CODIGO");
    d.campoNome = QStringLiteral("BR.BR_NOME");
    d.campoExibir = QStringLiteral("BR_EXIBIR");
    d.direito = QStringLiteral("LOCALIDADES");
    d.sqlPrincipal = {QStringLiteral("select BR.BR_COD_CIDADE, BR.BR_CODIGO, BR.BR_NOME, BR.BR_EXIBIR, CD.CD_NOME from BAIRROS BR"),
                      QStringLiteral("LEFT JOIN CIDADES CD ON CD.CD_CODIGO=BR.BR_COD_CIDADE"),
                      QStringLiteral("WHERE BR.BR_NOME=:NOME"), QStringLiteral("ORDER BY BR.BR_NOME")};
    d.sqlContagem = QStringLiteral("SELECT COUNT(BR_CODIGO) AS REGISTROS FROM BAIRROS");
    d.colunas = {{QStringLiteral("BR_NOME"), QStringLiteral("Bairro")}, {QStringLiteral("CD_NOME"), QStringLiteral("Cidade")}};
    d.itemRelatorio = QStringLiteral("Relação de Bairros");
    d.relatorio = QStringLiteral("RelacaoBairros");
    d.conexaoRelatorio = QStringLiteral("RVBairros");
    d.tituloRelatorio = QStringLiteral("Relação de Bairros");
    d.buscaHabilitadaEditando = true;
    return d;
}
} // namespace

TfBairros::TfBairros(QWidget *parent)
    : CadastroPorCidade(definicao(),
                        {QStringLiteral("BR"), QStringLiteral("BAIRROS"), QStringLiteral("COD_BAIRROS"),
                         QStringLiteral("Nome do Bairro "), QStringLiteral("É necessário informar o nome do bairro !"),
                         QStringLiteral("Já existe um bairro com este nome !")},
                        parent)
{
    setObjectName(QStringLiteral("TfBairros"));
    monta();
}

void TfBairros::recarregaListasCompartilhadas() { Dados::reabre(dados().LookupBairros); }
