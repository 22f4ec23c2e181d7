#include "DadosImpressao.h"

#include "Dados.h"
#include "Mensagens.h"

#include <exception>

namespace {
DadosImpressao *g_impressao = nullptr;
}

DadosImpressao::DadosImpressao(Dados *dados, QObject *parent) : QObject(parent), dados_(dados)
{
    setObjectName(QStringLiteral("DadosImpressao"));
    Relatorios.Engine = &RvSystem1;
    RvSystem1.RenderPDF = &RvRenderPDF1;
    if (dados) {
        RVEmpresaPadrao = new ConexaoRelatorio(QStringLiteral("RVEmpresaPadrao"), dados->QryEmpresa, this);
        RVConfigs = new ConexaoRelatorio(QStringLiteral("RVConfigs"), dados->QryConfigs, this);
    }
    g_impressao = this;
}

DadosImpressao::~DadosImpressao()
{
    if (g_impressao == this) g_impressao = nullptr;
}

bool DadosImpressao::existe() { return g_impressao != nullptr; }

DadosImpressao &DadosImpressao::instancia()
{
    Q_ASSERT(g_impressao);
    return *g_impressao;
}

QString DadosImpressao::arquivoProjeto() const
{
    return (dados_ ? dados_->PathRelatorios : QString()) + QStringLiteral("Relatorios.rav");
}

DadosImpressao::Parametros DadosImpressao::parametrosLista(const QString &titulo, const QString &filtro) const
{
    const QString empresa = dados_ ? dados_->NomeEmpresaLogada : QString();
    const QString usuario = dados_ ? dados_->NomeUsuarioLogado : QString();
    const QString mensagem = dados_ ? dados_->MsgRodapeRelatorio : QString();
    return {{QStringLiteral("pTitulo"), titulo},
            {QStringLiteral("pNomeEmpresa"), empresa},
            {QStringLiteral("pFiltro"), filtro},
            {QStringLiteral("pRodape"), QStringLiteral("Por : ") + usuario},
            {QStringLiteral("pMensagem"), mensagem}};
}

bool DadosImpressao::imprime(const QString &relatorio, const Parametros &parametros, const Query *registros)
{
    if (registros && registros->isEmpty()) {
        informacao(QStringLiteral("Não há registros a serem impressos !"));
        return false;
    }
    if (!dados_ || dados_->PathRelatorios.isEmpty()) {
        informacao(QStringLiteral("Caminho dos relatórios não especificado nas Configurações Gerais !"));
        return false;
    }
    bool ok = false;
    try {
        defineProjeto();
        Relatorios.close();
        ok = Relatorios.open();
        if (ok) {
            for (const auto &[nome, valor] : parametros) Relatorios.setParam(nome, valor);
            ok = Relatorios.executeReport(relatorio);
        }
    } catch (const std::exception &) {
        ok = false;
    }
    if (!ok) informacao(QStringLiteral("Relatório não encontrado !"));
    Relatorios.close();
    return ok;
}
