// Payments of the selected installment (the area TabPgto), their reversal and the receipt reprint.

#include "TfNotaPromissoria.h"

#include "ConferePagamento.h"
#include "Dados.h"
#include "DataEdit.h"
#include "Mensagens.h"
#include "MoedaEdit.h"
#include "Plataforma.h"
#include "RegrasNota.h"
#include "Relogio.h"
#include "uFuncoes.h"

#include <QAction>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTableView>

namespace {
Moeda pago(Query &q) { return q[QStringLiteral("NP_VALOR_PGTO")].asMoeda(); }
} // namespace

void TfNotaPromissoria::montaPgto()
{
    TabPgto = new QGroupBox(QStringLiteral("Informe o valor pago e a data do pagamento"), this);
    TabPgto->setObjectName(QStringLiteral("TabPgto"));
    auto *g = new QGridLayout(TabPgto);
    EditVlPago = new MoedaEdit(TabPgto);
    EditVlPago->setObjectName(QStringLiteral("EditVlPago"));
    EditDtPgto = new DataEdit(TabPgto);
    EditDtPgto->setObjectName(QStringLiteral("EditDtPgto"));
    LabelSaldoFicara = new QLabel(TabPgto);
    LabelSaldoFicara->setObjectName(QStringLiteral("LabelSaldoFicara"));
    Check1Via = new QCheckBox(QStringLiteral("1 via"), TabPgto);
    Check1Via->setObjectName(QStringLiteral("Check1Via"));
    Check2Vias = new QCheckBox(QStringLiteral("2 vias"), TabPgto);
    Check2Vias->setObjectName(QStringLiteral("Check2Vias"));
    const auto botao = [this](const char *nome, const QString &texto, const QString &dica) {
        auto *b = new QPushButton(texto, TabPgto);
        b->setObjectName(QLatin1String(nome));
        b->setToolTip(dica);
        b->setAutoDefault(false);
        return b;
    };
    ButGravaPgto = botao("ButGravaPgto", QStringLiteral(" &Grava"), QStringLiteral("Grava a informação de pagamento"));
    ButCancelaPgto = botao("ButCancelaPgto", QStringLiteral("&Cancela"), QStringLiteral("Cancela a informação de pagamento"));
    ButCalculadoraPgto = botao("ButCalculadoraPgto", QStringLiteral("Calculadora"), {});
    ButCalculadoraPgto->setFocusPolicy(Qt::NoFocus);
    g->addWidget(new QLabel(QStringLiteral("Valor Pago (R$)"), TabPgto), 0, 0);
    g->addWidget(EditVlPago, 1, 0);
    g->addWidget(new QLabel(QStringLiteral("Dt. Pagamento"), TabPgto), 0, 1);
    g->addWidget(EditDtPgto, 1, 1);
    g->addWidget(new QLabel(QStringLiteral("Saldo devedor ficará:"), TabPgto), 0, 2);
    g->addWidget(LabelSaldoFicara, 1, 2);
    g->addWidget(new QLabel(QStringLiteral("* aceita pagamento parcial"), TabPgto), 2, 0, 1, 2);
    g->addWidget(new QLabel(QStringLiteral("Imprime Recibo:"), TabPgto), 0, 3);
    g->addWidget(Check1Via, 1, 3);
    g->addWidget(Check2Vias, 2, 3);
    g->addWidget(ButGravaPgto, 1, 4);
    g->addWidget(ButCancelaPgto, 1, 5);
    g->addWidget(ButCalculadoraPgto, 1, 6);
    g->setColumnStretch(7, 1);
    TabPgto->hide();

    connect(Check1Via, &QCheckBox::toggled, this, [this](bool m) { if (m) Check2Vias->setChecked(false); });
    connect(Check2Vias, &QCheckBox::toggled, this, [this](bool m) { if (m) Check1Via->setChecked(false); });
    connect(EditVlPago, &MoedaEdit::editingFinished, this, &TfNotaPromissoria::atualizaSaldoFicara);
    connect(ButGravaPgto, &QPushButton::clicked, this, &TfNotaPromissoria::ButGravaPgtoClick);
    connect(ButCancelaPgto, &QPushButton::clicked, this, &TfNotaPromissoria::ButCancelaPgtoClick);
    connect(ButCalculadoraPgto, &QPushButton::clicked, this, [] { Plataforma::atual().abreCalculadora(); });
    connect(ItemEstornar, &QAction::triggered, this, &TfNotaPromissoria::EstornarRecebimento);
}

void TfNotaPromissoria::atualizaSaldoFicara()
{
    LabelSaldoFicara->setText((saldoAntes_ - EditVlPago->valor()).formatado());
}

void TfNotaPromissoria::ButRecebeClick()
{
    if (QryPesquisa.isEmpty()) {
        informacao(QStringLiteral("Não há registros a serem recebidos !"));
        return;
    }
    // The installment as stored now: another station may have received it since it was listed.
    carregaRegistro(QryPesquisa[QStringLiteral("NP_CODIGO")].asInteger());
    Query &q = QryPrincipal;
    if (q.isEmpty()) return;
    if (q[QStringLiteral("NP_STATUS")].asString() == QLatin1String("P")) {
        informacao(QStringLiteral("Esta conta já foi paga!"));
        return;
    }
    pagoAntes_ = pago(q);
    saldoAntes_ = q[QStringLiteral("NP_SALDO_DEVEDOR")].asMoeda();
    obsAntes_ = q[QStringLiteral("NP_OBS")].valor();
    q.edit();
    q[QStringLiteral("NP_DT_PAGAMENTO")] = hoje();
    q[QStringLiteral("NP_VALOR_TEMP")] = QVariant::fromValue(saldoAntes_);
    EditVlPago->setValor(saldoAntes_);
    EditDtPgto->setData(hoje());
    LabelSaldoFicara->setText(Moeda().formatado());
    recebendo_ = true;
    habilitaBarra(false);
    ButGravar->setEnabled(false);
    ButCancelar->setEnabled(false);
    Check2Vias->setChecked(false);
    Check1Via->setChecked(true);
    TabPgto->show();
    EditVlPago->setFocus();
    EditVlPago->selectAll();
}

void TfNotaPromissoria::ButGravaPgtoClick()
{
    Query &q = QryPrincipal;
    if (!recebendo_ || !q.editando()) return;
    const Moeda a = EditVlPago->valor();
    const Moeda valor = q[QStringLiteral("NP_VALOR")].asMoeda();
    const auto r = ConferePagamento::confereDigitado(EditVlPago, EditDtPgto, pagoAntes_, valor, obsAntes_);
    if (!r) return;
    const Moeda total = r->total;
    const QDate dia = r->dia;
    const QVariant obs = r->obs;
    if (alteradaEmOutraEstacao()) {
        informacao(ConferePagamento::mensagem());
        const int codigo = q[QStringLiteral("NP_CODIGO")].asInteger();
        ButCancelaPgtoClick();
        reabreLista(codigo);
        return;
    }
    q[QStringLiteral("NP_VALOR_PGTO")] = QVariant::fromValue(total);
    q[QStringLiteral("NP_VALOR_TEMP")] = QVariant::fromValue(a);
    q[QStringLiteral("NP_DT_PAGAMENTO")] = dia;
    q[QStringLiteral("NP_OBS")] = obs;
    q[QStringLiteral("NP_STATUS")] = valor <= total ? QStringLiteral("P") : QStringLiteral("N");
    q[QStringLiteral("NP_SALDO_DEVEDOR")] = QVariant::fromValue(saldoAntes_ - a);
    // A conflicting save (another station writing this installment) fails here with the
    // database's message and leaves the payment open, nothing stored.
    q.postEConfirma();
    const int codigo = q[QStringLiteral("NP_CODIGO")].asInteger();
    recebendo_ = false;
    if (Check1Via->isChecked() || Check2Vias->isChecked()) imprimeRecibo(Check2Vias->isChecked(), false);
    TabPgto->hide();
    ModoNormal();
    reabreLista(codigo);
    refrescaLembretes();
    GridLista->setFocus();
}

// The row is written whole: a payment another station stored since this one was opened would be
// overwritten by the totals read at opening.
bool TfNotaPromissoria::alteradaEmOutraEstacao()
{
    return ConferePagamento::alterado(QryConsulta, ConferePagamento::Nota, QryPrincipal[QStringLiteral("NP_CODIGO")].asInteger(),
                                      pagoAntes_, saldoAntes_);
}

void TfNotaPromissoria::ButCancelaPgtoClick()
{
    if (QryPrincipal.editando()) QryPrincipal.cancel();
    recebendo_ = false;
    TabPgto->hide();
    ModoNormal();
    mostraRegistro();
    GridLista->setFocus();
}

void TfNotaPromissoria::EstornarRecebimento()
{
    if (QryPesquisa.isEmpty()) {
        informacao(QStringLiteral("Não há registros a serem estornados !"));
        return;
    }
    const int codigo = QryPesquisa[QStringLiteral("NP_CODIGO")].asInteger();
    carregaRegistro(codigo);
    Query &q = QryPrincipal;
    if (q.isEmpty()) return;
    if (pago(q) == Moeda()) {
        informacao(QStringLiteral("Esta conta não foi paga ainda !"));
        return;
    }
    q.edit();
    q[QStringLiteral("NP_STATUS")] = QStringLiteral("N");
    q[QStringLiteral("NP_DT_PAGAMENTO")] = QVariant();
    q[QStringLiteral("NP_VALOR_PGTO")] = QVariant();
    q[QStringLiteral("NP_SALDO_DEVEDOR")] = q[QStringLiteral("NP_VALOR")].valor();
    try {
        q.postEConfirma();
    } catch (...) {
        q.cancel(); // nothing of the reversal stays pending
        throw;
    }
    reabreLista(codigo);
    refrescaLembretes();
    informacao(QStringLiteral("Recebimento estornado com sucesso !"));
}

void TfNotaPromissoria::ReimprimeRecibo(bool duasVias)
{
    if (QryPesquisa.isEmpty()) {
        informacao(QStringLiteral("Não há registros a serem impressos !"));
        return;
    }
    carregaRegistro(QryPesquisa[QStringLiteral("NP_CODIGO")].asInteger());
    if (QryPrincipal.isEmpty()) return;
    if (pago(QryPrincipal) == Moeda()) {
        informacao(QStringLiteral("Esta conta não foi paga ainda !"));
        return;
    }
    imprimeRecibo(duasVias, true);
}
