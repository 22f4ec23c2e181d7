// The print menu: notes on their form (a confirmed note, this one, all displayed), receipts,
// the list reports, and the note model of the options menu.

#include "TfNotaPromissoria.h"

#include "CamposNota.h"
#include "Dados.h"
#include "DadosImpressao.h"
#include "Mensagens.h"
#include "ModeloTabela.h"

#include <QAction>
#include <QMenu>

namespace {

// Lines of the print dataset: select 0, joins 1-9, condition 10, filter pieces 11-17,
// status 18, order 19.
constexpr int LinhaCondicao = 10;
constexpr int LinhaStatus = 18;
constexpr int LinhaOrdem = 19;

const QString SemRegistros = QStringLiteral("Não há registros a serem impressos !");
const QString SemCaminho = QStringLiteral("Caminho dos relatórios não especificado nas Configurações Gerais !");

QString parte(const char *alias, int k)
{
    return QStringLiteral("%1.CG_NOME AS AVALISTA%2, %1.CG_CPF_CNPJ AS CPFCNPJAVALISTA%2, %1.CG_TIPO_PESSOA AS TIPOPESSOAAVAL%2")
        .arg(QLatin1String(alias))
        .arg(k);
}

} // namespace

void TfNotaPromissoria::montaMenuImprimir()
{
    QryImprimir.sql.defineLinhas(
        {QStringLiteral("select NP.NP_CODIGO, NP.NP_PARCELA, NP.NP_TOTAL_PARCELAS, NP.NP_PARCELA_EXT, NP.NP_VALOR, "
                        "NP.NP_SALDO_DEVEDOR, NP.NP_VALOR_TEMP, NP.NP_VALOR_PGTO, NP.NP_OBS, NP.NP_OBS2, NP.NP_DT_EMISSAO, "
                        "NP.NP_DT_VENCIMENTO, NP.NP_DT_PAGAMENTO, NP.NP_COD_PRACA, NP.NP_COD_EMITENTE, NP.NP_COD_EMITENTE2, "
                        "NP.NP_COD_CREDOR, NP.NP_STATUS, EM.EM_CODIGO, CD.CD_NOME, CD.CD_UF, "
                        "CGE.CG_NOME AS EMITENTE, CGE.CG_CPF_CNPJ AS CPFCNPJEMITENTE, CGE.CG_TIPO_PESSOA AS TIPOPESSOAEMITENTE, "
                        "CGF.CG_NOME AS EMITENTE2, CGF.CG_CPF_CNPJ AS CPFCNPJEMITENTE2, CGF.CG_TIPO_PESSOA AS TIPOPESSOAEMITENTE2, ") +
             parte("CGA", 1) + QStringLiteral(", ") + parte("CGB", 2) + QStringLiteral(", ") + parte("CGC", 3) +
             QStringLiteral(", ") + parte("CGD", 4) +
             QStringLiteral(", EM.EM_NOME, EM.EM_FANTASIA, EM.EM_CPF_CNPJ, EM.EM_TIPO_PESSOA, "
                            "EM.EM_ENDERECO_COMPLETO2 AS ENDERECOCREDOR, EM.EM_FONE1 AS FONE1CREDOR, EM.EM_FONE2 AS FONE2CREDOR, "
                            "PR.CD_NOME || ' / ' || PR.CD_UF AS PRACA, CGE.CG_ENDERECO_COMPLETO2 AS ENDERECOEMITENTE1, "
                            "CGF.CG_ENDERECO_COMPLETO2 AS ENDERECOEMITENTE2 "
                            "from NOTAPROMISSORIA NP"),
         QStringLiteral("LEFT JOIN EMPRESAS EM ON EM.EM_CODIGO=NP.NP_COD_CREDOR"),
         QStringLiteral("LEFT JOIN CIDADES CD ON CD.CD_CODIGO=NP.NP_COD_CIDADE"),
         QStringLiteral("LEFT JOIN CIDADES PR ON PR.CD_CODIGO=NP.NP_COD_PRACA"),
         QStringLiteral("LEFT JOIN CADASTROS CGE ON CGE.CG_CODIGO=NP.NP_COD_EMITENTE"),
         QStringLiteral("LEFT JOIN CADASTROS CGF ON CGF.CG_CODIGO=NP.NP_COD_EMITENTE2"),
         QStringLiteral("LEFT JOIN CADASTROS CGA ON CGA.CG_CODIGO=NP.NP_COD_AVALISTA1"),
         QStringLiteral("LEFT JOIN CADASTROS CGB ON CGB.CG_CODIGO=NP.NP_COD_AVALISTA2"),
         QStringLiteral("LEFT JOIN CADASTROS CGC ON CGC.CG_CODIGO=NP.NP_COD_AVALISTA3"),
         QStringLiteral("LEFT JOIN CADASTROS CGD ON CGD.CG_CODIGO=NP.NP_COD_AVALISTA4"),
         QStringLiteral("WHERE NP.NP_CODIGO>0"), {}, {}, {}, {}, {}, {}, {}, {}, QStringLiteral("ORDER BY NP.NP_CODIGO")});
    RVNotaPromissoria = new ConexaoImpressaoNota(QryImprimir, [this] { return modoImpressao_; }, this);
    RVNotaPromissoria2 = new ConexaoRelatorio(QStringLiteral("RVNotaPromissoria2"), QryPesquisa, this);

    QMenu *m = MenuRelatorios;
    ItemReimprimirEsta = m->addAction(QStringLiteral("Reimprimir ESTA Nota Promissória"));
    ItemReimprimirTodas = m->addAction(QStringLiteral("Reimprimir TODAS as Notas Exibidas"));
    m->addSeparator();
    ItemRecibo1Via = m->addAction(QStringLiteral("Reimprime RECIBO desta Promissória (1 via)"));
    ItemRecibo2Vias = m->addAction(QStringLiteral("Reimprime RECIBO desta Promissória (2 vias)"));
    m->addSeparator();
    ItemSelecionar = m->addAction(QStringLiteral("Selecionar Promissórias (*Beta)"));
    m->addSeparator();
    ItemRelacaoExibidas = m->addAction(QStringLiteral("Relação de Notas Promissórias (Exibidas)"));
    ItemRelacaoAbertas = m->addAction(QStringLiteral("Relação de Notas Promissórias (Em aberto)"));
    ItemRelacaoPagas = m->addAction(QStringLiteral("Relação de Notas Promissórias (Pagas)"));
    m->addSeparator();
    ItemObsImprimir = m->addAction(QStringLiteral("** OBS.: use a Pesquisa para imprimir listas específicas ***"));
    ItemObsImprimir->setEnabled(false);
    connect(ItemReimprimirEsta, &QAction::triggered, this, &TfNotaPromissoria::ReimprimirEsta);
    connect(ItemReimprimirTodas, &QAction::triggered, this, &TfNotaPromissoria::ReimprimirTodas);
    connect(ItemRecibo1Via, &QAction::triggered, this, [this] { ReimprimeRecibo(false); });
    connect(ItemRecibo2Vias, &QAction::triggered, this, [this] { ReimprimeRecibo(true); });
    connect(ItemSelecionar, &QAction::triggered, this, &TfNotaPromissoria::SelecionarPromissorias);
    connect(ItemRelacaoExibidas, &QAction::triggered, this, &TfNotaPromissoria::RelacaoExibidas);
    connect(ItemRelacaoAbertas, &QAction::triggered, this, [this] { RelacaoStatus(1); });
    connect(ItemRelacaoPagas, &QAction::triggered, this, [this] { RelacaoStatus(2); });

    // The note model of the options menu lasts until the program closes; it is not stored.
    for (QAction *a : {ItemModeloPadrao, ItemModelo4Avalistas, ItemModeloReduzido}) a->setCheckable(true);
    connect(ItemModeloPadrao, &QAction::triggered, this, [this] { modeloPromissoria(QStringLiteral("21cm x 10cm")); });
    connect(ItemModelo4Avalistas, &QAction::triggered, this,
            [this] { modeloPromissoria(QStringLiteral("21cm x 15cm (4 AVALISTAS)")); });
    connect(ItemModeloReduzido, &QAction::triggered, this, [this] { modeloPromissoria(QStringLiteral("15cm x 7cm")); });
    connect(MenuOpcoes, &QMenu::aboutToShow, this, [this] {
        const QString r = CamposNota::relatorioDoModelo(dados().CF_MODELO_PROMIS);
        ItemModeloPadrao->setChecked(r == QLatin1String("NP21cmx10cm"));
        ItemModelo4Avalistas->setChecked(r == QLatin1String("NP21cmx15cm"));
        ItemModeloReduzido->setChecked(r == QLatin1String("NP15cmx7cm"));
        ItemAbrirVazia->setChecked(abrirVazia_);
    });
}

void TfNotaPromissoria::modeloPromissoria(const QString &modelo) { dados().CF_MODELO_PROMIS = modelo; }

void TfNotaPromissoria::abreImprimir(const QString &condicao, const QString &ordem)
{
    QryImprimir.close();
    QryImprimir.sql[4] = QStringLiteral("LEFT JOIN CADASTROS CGE ON CGE.CG_CODIGO=NP.NP_COD_EMITENTE");
    QryImprimir.sql[LinhaCondicao] = condicao;
    for (int i = LinhaCondicao + 1; i <= LinhaStatus; ++i) QryImprimir.sql[i].clear();
    QryImprimir.sql[LinhaOrdem] = ordem;
}

void TfNotaPromissoria::abreEmpresaPadrao(int codigo)
{
    Query &e = dados().QryEmpresa;
    e.close();
    e.defineParametro(QStringLiteral("CODIGO"), codigo);
    e.open();
}

void TfNotaPromissoria::imprimeNotaConfirmada(int seq, int emitente, QDate emissao)
{
    abreImprimir(QStringLiteral("WHERE NP.NP_SEQ=:SEQ AND NP.NP_COD_EMITENTE=:EMITENTE AND NP.NP_DT_EMISSAO=:EMISSAO"),
                 QStringLiteral("ORDER BY NP.NP_CODIGO"));
    QryImprimir.limpaParametros();
    QryImprimir.defineParametro(QStringLiteral("SEQ"), seq);
    QryImprimir.defineParametro(QStringLiteral("EMITENTE"), emitente);
    QryImprimir.defineParametro(QStringLiteral("EMISSAO"), emissao);
    QryImprimir.open();
    ImprimeNotaPromissoria();
}

void TfNotaPromissoria::ReimprimirEsta()
{
    abreImprimir(QStringLiteral("WHERE NP.NP_CODIGO=:CODIGO"), QStringLiteral("ORDER BY NP.NP_CODIGO"));
    QryImprimir.limpaParametros();
    QryImprimir.defineParametro(QStringLiteral("CODIGO"),
                                QryPesquisa.isEmpty() ? 0 : QryPesquisa[QStringLiteral("NP_CODIGO")].asInteger());
    QryImprimir.open();
    ImprimeNotaPromissoria();
}

void TfNotaPromissoria::ReimprimirTodas()
{
    abreImprimir(QStringLiteral("WHERE NP.NP_CODIGO>0"), ordem_);
    QryImprimir.limpaParametros();
    aplicaFiltros(QryImprimir, LinhaCondicao, false);
    // The status of the list without the due-date cap of "Abertas até".
    if (statusFiltro_ == 1) QryImprimir.sql[LinhaStatus] = QStringLiteral("AND NP.NP_STATUS='N'");
    else if (statusFiltro_ == 2) QryImprimir.sql[LinhaStatus] = QStringLiteral("AND NP.NP_STATUS='P'");
    planoPorEmitente(QryImprimir, 4, LinhaCondicao, LinhaStatus);
    QryImprimir.open();
    ImprimeNotaPromissoria();
}

void TfNotaPromissoria::ImprimeNotaPromissoria()
{
    if (QryImprimir.isEmpty()) {
        informacao(SemRegistros);
        return;
    }
    modoImpressao_ = CamposNota::Nota;
    if (dados().PathRelatorios.isEmpty()) {
        informacao(SemCaminho);
        return;
    }
    // The note carries its creditor's name and logo.
    abreEmpresaPadrao(QryImprimir.valor(0, QStringLiteral("NP_COD_CREDOR")).toInt());
    const auto preenchido = [this](const char *campo) { return !QryImprimir.valor(0, QLatin1String(campo)).toString().isEmpty(); };
    const QString relatorio = preenchido("AVALISTA3") || preenchido("AVALISTA4") || preenchido("EMITENTE2")
                                  ? QStringLiteral("NP21cmx15cm")
                                  : CamposNota::relatorioDoModelo(dados().CF_MODELO_PROMIS);
    auto &imp = DadosImpressao::instancia();
    if (!relatorio.isEmpty()) imp.imprime(relatorio, {}, &QryImprimir);
    Dados::abre(dados().QryConfigs);
    if (!dados().QryConfigs.isEmpty() &&
        dados().QryConfigs[QStringLiteral("CF_IMP_RECIBO_NO_ATO")].asString() == QLatin1String("T"))
        imp.imprime(QStringLiteral("ReciboNoAto"), {}, &QryImprimir);
    abreEmpresaPadrao(dados().CodEmpresaLogada);
}

bool TfNotaPromissoria::imprimeRecibo(bool duasVias, bool trocaEmpresa)
{
    modoImpressao_ = CamposNota::Recibo;
    if (dados().PathRelatorios.isEmpty()) {
        informacao(SemCaminho);
        modoImpressao_ = CamposNota::Nenhum;
        return false;
    }
    const int codigo = QryPrincipal[QStringLiteral("NP_CODIGO")].asInteger();
    if (trocaEmpresa) abreEmpresaPadrao(QryPrincipal[QStringLiteral("NP_COD_CREDOR")].asInteger());
    abreImprimir(QStringLiteral("WHERE NP.NP_CODIGO=:CODIGO"), QStringLiteral("ORDER BY NP.NP_CODIGO"));
    QryImprimir.limpaParametros();
    QryImprimir.defineParametro(QStringLiteral("CODIGO"), codigo);
    QryImprimir.open();
    const bool ok = DadosImpressao::instancia().imprime(
        duasVias ? QStringLiteral("ReciboPromissoria2") : QStringLiteral("ReciboPromissoria"), {}, &QryImprimir);
    QryImprimir.close();
    if (trocaEmpresa) abreEmpresaPadrao(dados().CodEmpresaLogada);
    modoImpressao_ = CamposNota::Nenhum;
    return ok;
}

void TfNotaPromissoria::RelacaoExibidas()
{
    if (QryPesquisa.isEmpty()) {
        informacao(SemRegistros);
        return;
    }
    auto &imp = DadosImpressao::instancia();
    imp.imprime(QStringLiteral("RelacaoNotasPromissorias"),
                imp.parametrosLista(QStringLiteral("Relação de Notas Promissórias"), QStringLiteral("Exibindo  registros  pesquisados")),
                &QryPesquisa);
}

void TfNotaPromissoria::RelacaoStatus(int status)
{
    if (QryPesquisa.isEmpty()) {
        informacao(SemRegistros);
        return;
    }
    marcaStatus(status);
    buscaPedida_ = true;
    LocalizaTabelas();
    if (QryPesquisa.isEmpty()) {
        informacao(SemRegistros);
    } else {
        auto &imp = DadosImpressao::instancia();
        imp.imprime(QStringLiteral("RelacaoNotasPromissorias"),
                    imp.parametrosLista(QStringLiteral("Relação de Notas Promissórias"),
                                        status == 1 ? QStringLiteral("Exibindo somente registros em aberto")
                                                    : QStringLiteral("Exibindo somente registros pagos")),
                    &QryPesquisa);
    }
    buscaPedida_ = true;
    LocalizaTabelas();
}
