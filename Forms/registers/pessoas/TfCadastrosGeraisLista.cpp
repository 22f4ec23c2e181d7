// The list of the persons register: first load, search, reports and the options that act on the
// listed persons.

#include "TfCadastrosGerais.h"

#include "ContatosCliente.h"
#include "Dados.h"
#include "ErroBD.h"
#include "Mensagens.h"
#include "OpcoesClientes.h"
#include "PainelEdicaoCliente.h"
#include "PainelPesquisaClientes.h"
#include "RelatoriosClientes.h"
#include "SeletoresEndereco.h"

#include <QComboBox>
#include <QLineEdit>
#include <QScopeGuard>
#include <QTableView>

void TfCadastrosGerais::preparaFiltroEspecie()
{
    QryPesquisa.sql[8] = QStringLiteral("WHERE CG.CG_ESPECIE=:ESPECIE AND CG.CG_NOME<>''");
    QryPesquisa.defineParametro(QStringLiteral("ESPECIE"), especie_);
    for (int i = 9; i <= 15; ++i) QryPesquisa.sql[i] = QString();
}

void TfCadastrosGerais::CarregaTabelas()
{
    QryPrincipal.close();
    QryPrincipal.defineParametro(QStringLiteral("CODIGO"), QVariant());
    QryPrincipal.open();
    especie_ = QStringLiteral("C");
    QryPesquisa.close();
    preparaFiltroEspecie();
    QryPesquisa.sql[9] = QStringLiteral("AND CG.CG_CODIGO>0");
    carregaTodos_ = false;
    QryPesquisa.open();
    CountQryPrincipal.close();
    CountQryPrincipal.defineParametro(QStringLiteral("ESPECIE"), especie_);
    CountQryPrincipal.open();
    SeletoresEndereco *e = Edicao->Endereco;
    e->defineUf(SeletoresEndereco::ufPadrao());
    for (SeletorLocalidade *s : {e->Cidade, e->Bairro, e->Logradouro}) {
        s->Qry.close();
        s->Qry.limpaParametros();
        s->Qry.open();
    }
    Contatos->carregaTipos();
    for (Query *q : {&dados().LookupCidades, &dados().LookupBairros, &dados().LookupLogradouros}) Dados::abre(*q);
    escreveContador();
}

bool TfCadastrosGerais::localiza(bool pedida)
{
    // A refused date pair leaves the list as it was.
    if (!Pesquisa->confereFiltros()) return false;
    QryPesquisa.close();
    preparaFiltroEspecie();
    Pesquisa->aplicaFiltros(QryPesquisa);
    QryPesquisa.open();
    CountQryPrincipal.close();
    CountQryPrincipal.open();
    escreveContador();
    if (pedida && QryPesquisa.isEmpty()) informacao(QStringLiteral("Nenhum registro encontrado !"));
    return true;
}

void TfCadastrosGerais::LocalizaTabelas() { localiza(buscaPedida_); }

void TfCadastrosGerais::ButBuscarPesquisaClick()
{
    buscaPedida_ = true;
    LocalizaTabelas();
}

void TfCadastrosGerais::LimpaPesquisa()
{
    buscaPedida_ = false;
    Pesquisa->limpa();
    LocalizaTabelas();
    Pesquisa->PesqEditNome->setFocus();
}

void TfCadastrosGerais::pesquisaAniversario(const QString &mes)
{
    if (!pesquisaVisivel_) ModoPesquisarOn();
    Pesquisa->PesqEditAniver->setEditText(mes);
    ButBuscarPesquisaClick();
}

void TfCadastrosGerais::pesquisaCodigo(int codigo)
{
    if (!pesquisaVisivel_) ModoPesquisarOn();
    Pesquisa->PesqEditCodigo->setText(QString::number(codigo));
    ButBuscarPesquisaClick();
}

void TfCadastrosGerais::reabreLista(const QVariant &codigo)
{
    recarregando_ = true;
    const auto fim = qScopeGuard([this] { recarregando_ = false; });
    QryPesquisa.close();
    QryPesquisa.open();
    if (codigo.isValid()) QryPesquisa.locate(QStringLiteral("CG_CODIGO"), codigo);
}

// ---- reports -------------------------------------------------------------------

void TfCadastrosGerais::imprimeRelacao(const QString &titulo, const QString &relatorio)
{
    if (QryPesquisa.isEmpty()) return;
    recarregando_ = true;
    const auto fim = qScopeGuard([this] { recarregando_ = false; });
    Relatorios->imprimeLista(titulo, relatorio);
}

void TfCadastrosGerais::imprimeAgrupado(Agrupamento a)
{
    if (QryPesquisa.isEmpty()) return;
    if (dados().PathRelatorios.isEmpty()) {
        informacao(QStringLiteral("Caminho dos relatórios não especificado nas Configurações Gerais !"));
        return;
    }
    if (!Pesquisa->confereFiltros()) return;
    QString grupo, ordem, titulo, relatorio;
    switch (a) {
    case Agrupamento::Aniversario:
        grupo = QStringLiteral("(extract(month from CG.CG_DT_NASC))");
        ordem = QStringLiteral("ORDER BY (extract(month from CG.CG_DT_NASC)), (extract(day from CG.CG_DT_NASC)), CG.CG_NOME");
        titulo = QStringLiteral("Relação de Aniversariantes");
        relatorio = QStringLiteral("RelacaoAniversariantes");
        break;
    case Agrupamento::Bairro:
        grupo = QStringLiteral("BR.BR_NOME");
        ordem = QStringLiteral("ORDER BY BR.BR_NOME, CG.CG_NOME");
        titulo = QStringLiteral("Relação de Clientes por Bairro");
        relatorio = QStringLiteral("RelacaoClientesBairro");
        break;
    case Agrupamento::Cidade:
        grupo = QStringLiteral("CD.CD_NOME");
        ordem = QStringLiteral("ORDER BY CD.CD_NOME, CG.CG_NOME");
        titulo = QStringLiteral("Relação de Clientes por Cidade");
        relatorio = QStringLiteral("RelacaoClientesCidade");
        break;
    }
    const auto restaura = qScopeGuard([this] {
        QryPesquisa.close();
        QryPesquisa.sql[17] = QString();
        QryPesquisa.sql[18] = QString();
        QryPesquisa.sql[19] = QStringLiteral("ORDER BY CG.CG_NOME");
        Relatorios->ligaMesAniversario(false);
        recarregando_ = false;
        try {
            localiza(false);
        } catch (const ErroBD &e) {
            mensagemErro(e.mensagem());
        }
    });
    recarregando_ = true;
    QryPesquisa.close();
    QryPesquisa.sql[17] = QStringLiteral("GROUP BY ") + grupo + QStringLiteral(",");
    QryPesquisa.sql[18] = ColunasLista.join(QStringLiteral(", "));
    QryPesquisa.sql[19] = ordem;
    Relatorios->ligaMesAniversario(a == Agrupamento::Aniversario);
    try {
        localiza(false);
    } catch (const ErroBD &e) {
        mensagemErro(e.mensagem());
        return;
    }
    Relatorios->imprimeLista(titulo, relatorio);
}

void TfCadastrosGerais::imprimeFicha()
{
    if (QryPesquisa.isEmpty()) {
        informacao(QStringLiteral("Não há registros a serem impressos !"));
        return;
    }
    mostraRegistro(); // the selected person and its contacts, as stored now
    recarregando_ = true;
    const auto fim = qScopeGuard([this] { recarregando_ = false; });
    Relatorios->imprimeFicha();
}

// ---- options -------------------------------------------------------------------

void TfCadastrosGerais::exportaEmails() { OpcoesClientes::exportaEmails(QryPesquisa); }

void TfCadastrosGerais::atualizaEnderecos()
{
    try {
        OpcoesClientes::atualizaEnderecos(QryPesquisa, TransQryPrincipal);
    } catch (const ErroBD &e) {
        try { TransQryPrincipal.rollbackRetaining(); } catch (const ErroBD &) {}
        mensagemErro(e.mensagem());
        return;
    }
    reabreLista(codigoSelecionado() > 0 ? QVariant(codigoSelecionado()) : QVariant());
    informacao(QStringLiteral("Endereços atualizados com sucesso !"));
}
