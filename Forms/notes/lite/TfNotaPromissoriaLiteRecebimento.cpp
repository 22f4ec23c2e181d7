// Payments of the selected simplified note (the panel TabPgto) and their reversal.

#include "TfNotaPromissoriaLite.h"

#include "CamposNota.h"
#include "ConferePagamento.h"
#include "DataEdit.h"
#include "Mensagens.h"
#include "MoedaEdit.h"
#include "RegrasNota.h"
#include "Relogio.h"
#include "uFuncoes.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTableView>

namespace {
Moeda pago(Query &q) { return q[QStringLiteral("NPL_VALOR_PGTO")].asMoeda(); }
} // namespace

void TfNotaPromissoriaLite::montaPgto()
{
    TabPgto = new QGroupBox(QStringLiteral("Informe o valor pago e a data do pagamento"), this);
    TabPgto->setObjectName(QStringLiteral("TabPgto"));
    auto *g = new QGridLayout(TabPgto);
    EditVlPago = new MoedaEdit(TabPgto);
    EditVlPago->setObjectName(QStringLiteral("EditVlPago"));
    EditVlPago->installEventFilter(this);
    EditDtPgto = new DataEdit(TabPgto);
    EditDtPgto->setObjectName(QStringLiteral("EditDtPgto"));
    LabelSaldoFicara = new QLabel(TabPgto);
    LabelSaldoFicara->setObjectName(QStringLiteral("LabelSaldoFicara"));
    Check1Via = new QCheckBox(QStringLiteral("1 via"), TabPgto);
    Check1Via->setObjectName(QStringLiteral("Check1Via"));
    Check1Via->setChecked(true);
    Check2Vias = new QCheckBox(QStringLiteral("2 vias"), TabPgto);
    Check2Vias->setObjectName(QStringLiteral("Check2Vias"));
    ButGravaPgto = new QPushButton(QStringLiteral(" &Grava"), TabPgto);
    ButGravaPgto->setObjectName(QStringLiteral("ButGravaPgto"));
    ButCancelaPgto = new QPushButton(QStringLiteral("&Cancela"), TabPgto);
    ButCancelaPgto->setObjectName(QStringLiteral("ButCancelaPgto"));
    for (QPushButton *b : {ButGravaPgto, ButCancelaPgto}) b->setAutoDefault(false);
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
    g->setColumnStretch(6, 1);
    TabPgto->hide();
    connect(Check1Via, &QCheckBox::toggled, this, [this](bool m) { if (m) Check2Vias->setChecked(false); });
    connect(Check2Vias, &QCheckBox::toggled, this, [this](bool m) { if (m) Check1Via->setChecked(false); });
    connect(ButGravaPgto, &QPushButton::clicked, this, &TfNotaPromissoriaLite::ButGravaPgtoClick);
    connect(ButCancelaPgto, &QPushButton::clicked, this, &TfNotaPromissoriaLite::ButCancelaPgtoClick);
}

void TfNotaPromissoriaLite::atualizaSaldoFicara()
{
    if (recebendo_) LabelSaldoFicara->setText((saldoAntes_ - EditVlPago->valor()).formatado());
}

void TfNotaPromissoriaLite::ButRecebeClick()
{
    if (!ButRecebe->isEnabled()) return;
    if (QryPesquisa.isEmpty()) {
        informacao(QStringLiteral("Não há registros a serem recebidos !"));
        return;
    }
    carregaRegistro(codigoAtual());
    Query &q = QryPrincipal;
    if (q.isEmpty()) return;
    if (q[QStringLiteral("NPL_STATUS")].asString() == QLatin1String("P")) {
        informacao(QStringLiteral("Esta conta já foi paga!"));
        return;
    }
    pagoAntes_ = pago(q);
    saldoAntes_ = q[QStringLiteral("NPL_SALDO_DEVEDOR")].asMoeda();
    obsAntes_ = q[QStringLiteral("NPL_OBS")].valor();
    q.edit();
    q[QStringLiteral("NPL_DT_PAGAMENTO")] = hoje();
    q[QStringLiteral("NPL_VALOR_TEMP")] = QVariant::fromValue(saldoAntes_);
    EditVlPago->setValor(saldoAntes_);
    EditDtPgto->setData(hoje());
    recebendo_ = true;
    atualizaSaldoFicara();
    habilitaBarra(false);
    Check2Vias->setChecked(false);
    Check1Via->setChecked(true);
    TabPgto->show();
    EditVlPago->setFocus();
    EditVlPago->selectAll();
}

void TfNotaPromissoriaLite::ButGravaPgtoClick()
{
    Query &q = QryPrincipal;
    if (!recebendo_ || !q.editando()) return;
    const Moeda a = EditVlPago->valor();
    const Moeda valor = q[QStringLiteral("NPL_VALOR")].asMoeda();
    const auto r = ConferePagamento::confereDigitado(EditVlPago, EditDtPgto, pagoAntes_, valor, obsAntes_);
    if (!r) return;
    const Moeda total = r->total;
    const QDate dia = r->dia;
    const QVariant obs = r->obs;
    const int codigo = q[QStringLiteral("NPL_CODIGO")].asInteger();
    if (ConferePagamento::alterado(QryConsulta, ConferePagamento::NotaLite, codigo, pagoAntes_, saldoAntes_)) {
        informacao(ConferePagamento::mensagem());
        ButCancelaPgtoClick();
        reabreLista(codigo);
        return;
    }
    q[QStringLiteral("NPL_VALOR_PGTO")] = QVariant::fromValue(total);
    q[QStringLiteral("NPL_VALOR_TEMP")] = QVariant::fromValue(a);
    q[QStringLiteral("NPL_DT_PAGAMENTO")] = dia;
    q[QStringLiteral("NPL_OBS")] = obs;
    q[QStringLiteral("NPL_STATUS")] = valor <= total ? QStringLiteral("P") : QStringLiteral("N");
    q[QStringLiteral("NPL_SALDO_DEVEDOR")] = QVariant::fromValue(saldoAntes_ - a);
    q.postEConfirma();
    recebendo_ = false;
    if (Check1Via->isChecked() || Check2Vias->isChecked())
        imprime(Check2Vias->isChecked() ? QStringLiteral("ReciboPromissoriaLite2") : QStringLiteral("ReciboPromissoriaLite"),
                CamposNota::Recibo, false);
    ModoNormal();
    reabreLista(codigo);
    CalculaContadores();
    refrescaLembretes();
}

void TfNotaPromissoriaLite::ButCancelaPgtoClick()
{
    if (QryPrincipal.editando()) QryPrincipal.cancel();
    recebendo_ = false;
    ModoNormal();
    mostraRegistro();
}

void TfNotaPromissoriaLite::EstornarRecebimento()
{
    if (QryPesquisa.isEmpty()) {
        informacao(QStringLiteral("Não há registros a serem estornados !"));
        return;
    }
    const int codigo = codigoAtual();
    carregaRegistro(codigo);
    Query &q = QryPrincipal;
    if (q.isEmpty()) return;
    if (pago(q) == Moeda()) {
        informacao(QStringLiteral("Esta conta não foi paga ainda !"));
        return;
    }
    q.edit();
    q[QStringLiteral("NPL_STATUS")] = QStringLiteral("N");
    q[QStringLiteral("NPL_DT_PAGAMENTO")] = QVariant();
    q[QStringLiteral("NPL_VALOR_PGTO")] = QVariant();
    q[QStringLiteral("NPL_SALDO_DEVEDOR")] = q[QStringLiteral("NPL_VALOR")].valor();
    try {
        q.postEConfirma();
    } catch (...) {
        q.cancel();
        throw;
    }
    reabreLista(codigo);
    CalculaContadores();
    refrescaLembretes();
    informacao(QStringLiteral("Recebimento estornado com sucesso !"));
}
