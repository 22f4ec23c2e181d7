// The print menu of the simplified-note window: notes, receipts and the list reports.

#include "TfNotaPromissoriaLite.h"

#include "CamposNota.h"
#include "CamposNotaLite.h"
#include "DadosImpressao.h"
#include "Mensagens.h"

#include <QAction>
#include <QMenu>

namespace {
const QString SemRegistros = QStringLiteral("Não há registros a serem impressos !");
const QString Relacao = QStringLiteral("RelacaoNotasPromissoriasLite");
} // namespace

void TfNotaPromissoriaLite::montaMenuImprimir()
{
    QryImprimir.sql.defineLinhas({QStringLiteral("select * from NOTAPROMISSORIALITE"), QStringLiteral("WHERE NPL_CODIGO=0"),
                                  QStringLiteral("order by NPL_PARCELA")});
    const auto modo = [this] { return modoImpressao_; };
    RVNotaPromissoriaLite = new ConexaoNotaLite(QStringLiteral("RVNotaPromissoriaLite"), QryImprimir, CamposNotaLite::Forma::Atual,
                                                modo, this);
    RVNotaPromissoriaLite2 = new ConexaoNotaLite(QStringLiteral("RVNotaPromissoriaLite2"), QryPesquisa, CamposNotaLite::Forma::Lista,
                                                 modo, this);
    QMenu *m = MenuRelatorios;
    ItemReimprimirEsta = m->addAction(QStringLiteral("Reimprimir ESTA Nota Promissória"));
    ItemReimprimirTodas = m->addAction(QStringLiteral("Reimprimir TODAS as Notas Exibidas"));
    m->addSeparator();
    ItemRecibo1Via = m->addAction(QStringLiteral("Reimprime RECIBO desta Promissória (1 via)"));
    ItemRecibo2Vias = m->addAction(QStringLiteral("Reimprime RECIBO desta Promissória (2 vias)"));
    m->addSeparator();
    ItemRelacaoExibidas = m->addAction(QStringLiteral("Relação de Notas Promissórias (Todas exibidas)"));
    ItemRelacaoAbertas = m->addAction(QStringLiteral("Relação de Notas Promissórias (Somente em aberto)"));
    ItemRelacaoPagas = m->addAction(QStringLiteral("Relação de Notas Promissórias (Somente pagas)"));
    m->addSeparator();
    ItemObsImprimir = m->addAction(QStringLiteral("** OBS.: use a Pesquisa para imprimir listas específicas ***"));
    ItemObsImprimir->setEnabled(false);
    connect(ItemReimprimirEsta, &QAction::triggered, this, &TfNotaPromissoriaLite::ReimprimirEsta);
    connect(ItemReimprimirTodas, &QAction::triggered, this, &TfNotaPromissoriaLite::ReimprimirTodas);
    connect(ItemRecibo1Via, &QAction::triggered, this, [this] { ReimprimeRecibo(false); });
    connect(ItemRecibo2Vias, &QAction::triggered, this, [this] { ReimprimeRecibo(true); });
    connect(ItemRelacaoExibidas, &QAction::triggered, this, &TfNotaPromissoriaLite::RelacaoExibidas);
    connect(ItemRelacaoAbertas, &QAction::triggered, this, [this] { RelacaoStatus(Abertas); });
    connect(ItemRelacaoPagas, &QAction::triggered, this, [this] { RelacaoStatus(Pagas); });
}

// Runs `relatorio` in that mode over the list or over the current note (QryImprimir with the
// selected note unless the caller opened it).
void TfNotaPromissoriaLite::imprime(const QString &relatorio, int modo, bool daLista, const QString &filtro)
{
    if (!daLista && !QryImprimir.ativa()) {
        QryImprimir.sql[1] = QStringLiteral("WHERE NPL_CODIGO=%1").arg(QryPrincipal[QStringLiteral("NPL_CODIGO")].asInteger());
        QryImprimir.open();
    }
    modoImpressao_ = modo;
    auto &imp = DadosImpressao::instancia();
    DadosImpressao::Parametros p;
    if (!filtro.isEmpty()) p = imp.parametrosLista(QStringLiteral("Relação de Notas Promissórias"), filtro);
    imp.imprime(relatorio, p, daLista ? &QryPesquisa : &QryImprimir);
    modoImpressao_ = CamposNota::Nenhum;
    QryImprimir.close();
}

void TfNotaPromissoriaLite::imprimeParcelas(const QList<int> &codigos)
{
    if (codigos.isEmpty() || !DadosImpressao::existe()) return;
    QStringList lista;
    for (int c : codigos) lista.append(QString::number(c));
    QryImprimir.close();
    QryImprimir.sql[1] = QStringLiteral("WHERE NPL_CODIGO IN (") + lista.join(QLatin1Char(',')) + QLatin1Char(')');
    QryImprimir.open();
    imprime(QStringLiteral("NotasPromissoriasLite"), CamposNota::Nota, false);
}

void TfNotaPromissoriaLite::ReimprimirEsta()
{
    if (QryPesquisa.isEmpty()) return informacao(SemRegistros);
    carregaRegistro(codigoAtual());
    imprime(QStringLiteral("NotasPromissoriasLite"), CamposNota::Nota, false);
}

void TfNotaPromissoriaLite::ReimprimirTodas()
{
    if (QryPesquisa.isEmpty()) return informacao(SemRegistros);
    imprime(QStringLiteral("NotasPromissoriasLite2"), CamposNota::Nota, true);
}

void TfNotaPromissoriaLite::ReimprimeRecibo(bool duasVias)
{
    if (QryPesquisa.isEmpty()) return informacao(SemRegistros);
    carregaRegistro(codigoAtual());
    if (QryPrincipal.isEmpty() || QryPrincipal[QStringLiteral("NPL_VALOR_PGTO")].asMoeda() == Moeda())
        return informacao(QStringLiteral("Esta conta não foi paga ainda !"));
    imprime(duasVias ? QStringLiteral("ReciboPromissoriaLite2") : QStringLiteral("ReciboPromissoriaLite"), CamposNota::Recibo, false);
}

void TfNotaPromissoriaLite::RelacaoExibidas()
{
    if (QryPesquisa.isEmpty()) return informacao(SemRegistros);
    imprime(Relacao, CamposNota::Nenhum, true, QStringLiteral("Exibindo registros pesquisados"));
}

// The current search again with the open or paid filter, printed, then again without a filter.
void TfNotaPromissoriaLite::RelacaoStatus(int status)
{
    if (QryPesquisa.isEmpty()) return informacao(SemRegistros);
    statusFiltro_ = status;
    const bool rodou = LocalizaTabelas(false);
    if (rodou && QryPesquisa.isEmpty()) {
        informacao(SemRegistros);
    } else if (rodou) {
        imprime(Relacao, CamposNota::Nenhum, true,
                status == Abertas ? QStringLiteral("Exibindo somente registros em aberto")
                                  : QStringLiteral("Exibindo somente registros pagos"));
    }
    statusFiltro_ = Todas;
    if (rodou) LocalizaTabelas(false);
    ExibeEmAbertoePagas2->setChecked(true);
    ExibeapenasEmAberto2->setChecked(false);
    ExibeapenasPagas2->setChecked(false);
}
