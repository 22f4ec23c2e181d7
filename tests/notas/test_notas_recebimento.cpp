// Payments of an installment: partial and full, excess, refusals, reversal, two stations.

#include "test_notas.h"

#include "DataEdit.h"
#include "MoedaEdit.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTest>

namespace {
const QDate Hoje(2027, 1, 10);

struct Estado {
    QString status;
    Moeda pago, saldo, ultimo;
    QVariant obs;
};

Estado estado(Dados &dm, int codigo)
{
    Transacao tr(dm.DataBase);
    Query q(dm.DataBase, tr);
    q.sql.defineTexto(QStringLiteral("select NP_STATUS, NP_VALOR_PGTO, NP_SALDO_DEVEDOR, NP_VALOR_TEMP, NP_OBS, NP_DT_PAGAMENTO "
                                     "from NOTAPROMISSORIA where NP_CODIGO=%1").arg(codigo));
    q.open();
    return {q[QStringLiteral("NP_STATUS")].asString(), q[QStringLiteral("NP_VALOR_PGTO")].asMoeda(),
            q[QStringLiteral("NP_SALDO_DEVEDOR")].asMoeda(), q[QStringLiteral("NP_VALOR_TEMP")].asMoeda(),
            q[QStringLiteral("NP_OBS")].valor()};
}

Moeda reais(double v) { return Moeda::deDouble(v); }

// Opens the payment of the selected installment and types the amount; no receipt.
void abrePagamento(TfNotaPromissoria &j, const QString &valor)
{
    j.ButRecebe->click();
    QVERIFY(j.TabPgto->isVisible());
    j.EditVlPago->setFocus();
    j.EditVlPago->setValor(*Moeda::deTexto(valor));
    j.Check1Via->setChecked(false);
    j.Check2Vias->setChecked(false);
}
} // namespace

void TstNotas::sequenciaDePagamentos()
{
    parcela(1, 21, Hoje, QStringLiteral("100"));
    auto j = abre();
    j->ButRecebe->click();
    QVERIFY(j->TabPgto->isVisible());
    QCOMPARE(j->EditVlPago->valor(), reais(100));
    QCOMPARE(j->EditDtPgto->data(), Hoje);
    QCOMPARE(j->LabelSaldoFicara->text(), QStringLiteral("R$ 0,00"));
    QVERIFY(j->Check1Via->isChecked());
    QVERIFY(!j->ButNovo->isEnabled() && !j->GridLista->isEnabled() && !j->ButGravar->isEnabled());
    QCOMPARE(j->modo(), int(TfNotaPromissoria::Normal));
    j->Check2Vias->setChecked(true);
    QVERIFY(!j->Check1Via->isChecked()); // one clears the other
    j->Check2Vias->setChecked(false);
    j->EditVlPago->setFocus();
    j->EditVlPago->setValor(reais(40));
    j->EditDtPgto->setFocus(); // leaving the amount shows the balance to come
    QCOMPARE(j->LabelSaldoFicara->text(), QStringLiteral("R$ 60,00"));
    msg->espera(QStringLiteral("VALOR INFERIOR! Deseja informar pagamento PARCIAL?"), BotaoSim);
    j->ButGravaPgto->click();
    verificaMensagens();
    Estado e = estado(*dm, 1);
    QCOMPARE(e.status, QStringLiteral("N"));
    QCOMPARE(e.pago, reais(40));
    QCOMPARE(e.saldo, reais(60));
    QCOMPARE(e.ultimo, reais(40));
    QCOMPARE(e.obs.toString(), QStringLiteral("\rPagamento parcial de R$ 40,00 em 10/01/2027"));
    QVERIFY(!j->TabPgto->isVisible());
    QVERIFY(j->GridLista->isEnabled());

    // The rest, proposed as the balance: no question, paid.
    j->ButRecebe->click();
    QCOMPARE(j->EditVlPago->valor(), reais(60));
    j->Check1Via->setChecked(false);
    j->ButGravaPgto->click();
    verificaMensagens();
    e = estado(*dm, 1);
    QCOMPARE(e.status, QStringLiteral("P"));
    QCOMPARE(e.pago, reais(100));
    QCOMPARE(e.saldo, Moeda());
    QCOMPARE(e.ultimo, reais(60));
    QCOMPARE(e.obs.toString(), QStringLiteral("\rPagamento parcial de R$ 40,00 em 10/01/2027"));

    // A paid installment leaves "Abertas até"; listed again, it opens nothing.
    QVERIFY(j->QryPesquisa.isEmpty());
    msg->espera(QStringLiteral("Não há registros a serem recebidos !"));
    j->ButRecebe->click();
    j->CheckTodas->click();
    msg->espera(QStringLiteral("Esta conta já foi paga!"));
    j->ButRecebe->click();
    verificaMensagens();
    QVERIFY(!j->TabPgto->isVisible());
}

void TstNotas::pagamentoAcimaDoValor()
{
    parcela(1, 21, Hoje, QStringLiteral("100"));
    auto j = abre();
    abrePagamento(*j, QStringLiteral("120,00"));
    msg->espera(QStringLiteral("Valor do pagamento é superior. Deseja continuar?"), BotaoNao);
    j->ButGravaPgto->click();
    verificaMensagens();
    QVERIFY(j->TabPgto->isVisible());
    QCOMPARE(estado(*dm, 1).pago, Moeda());
    msg->espera(QStringLiteral("Valor do pagamento é superior. Deseja continuar?"), BotaoSim);
    j->ButGravaPgto->click();
    verificaMensagens();
    const Estado e = estado(*dm, 1);
    QCOMPARE(e.status, QStringLiteral("P"));
    QCOMPARE(e.pago, reais(120));
    QCOMPARE(e.saldo, reais(-20));
    QVERIFY(e.obs.isNull());
}

void TstNotas::parcialRecusadaNaoContaDuasVezes()
{
    parcela(1, 21, Hoje, QStringLiteral("100"));
    executa(QStringLiteral("UPDATE NOTAPROMISSORIA SET NP_VALOR_PGTO=30, NP_SALDO_DEVEDOR=70, NP_OBS='ENTRADA' WHERE NP_CODIGO=1"));
    auto j = abre();
    abrePagamento(*j, QStringLiteral("40,00"));
    msg->espera(QStringLiteral("VALOR INFERIOR!"), BotaoNao);
    j->ButGravaPgto->click();
    verificaMensagens();
    QVERIFY(j->TabPgto->isVisible());
    QVERIFY(j->QryPrincipal.editando());
    QCOMPARE(j->focusWidget(), static_cast<QWidget *>(j->EditVlPago));
    QCOMPARE(estado(*dm, 1).pago, reais(30));
    msg->espera(QStringLiteral("VALOR INFERIOR!"), BotaoSim);
    j->ButGravaPgto->click();
    verificaMensagens();
    const Estado e = estado(*dm, 1);
    QCOMPARE(e.pago, reais(70));
    QCOMPARE(e.saldo, reais(30));
    QCOMPARE(e.obs.toString(), QStringLiteral("ENTRADA *Pagamento parcial de R$ 40,00 em 10/01/2027"));
}

void TstNotas::recusasDoPagamento()
{
    auto j = abre();
    msg->espera(QStringLiteral("Não há registros a serem recebidos !"));
    j->ButRecebe->click();
    verificaMensagens();
    QVERIFY(!j->TabPgto->isVisible());
    j.reset();

    parcela(1, 21, Hoje, QStringLiteral("100"));
    j = abre();
    abrePagamento(*j, QStringLiteral("0"));
    msg->espera(QStringLiteral("É necessário informar o valor do pagamento !"));
    j->ButGravaPgto->click();
    verificaMensagens();
    QCOMPARE(j->focusWidget(), static_cast<QWidget *>(j->EditVlPago));
    j->EditVlPago->setValor(reais(100));
    j->EditDtPgto->clear();
    msg->espera(QStringLiteral("É necessário informar a data do pagamento !"));
    j->ButGravaPgto->click();
    verificaMensagens();
    QCOMPARE(j->focusWidget(), static_cast<QWidget *>(j->EditDtPgto));
    QVERIFY(j->TabPgto->isVisible());
    // "Cancela" stores nothing.
    j->ButCancelaPgto->click();
    QVERIFY(!j->TabPgto->isVisible());
    QVERIFY(!j->QryPrincipal.editando());
    const Estado e = estado(*dm, 1);
    QCOMPARE(e.pago, Moeda());
    QCOMPARE(e.status, QStringLiteral("N"));
    QVERIFY(e.ultimo == Moeda());
    QVERIFY(j->ButNovo->isEnabled());
    verificaMensagens();
}

void TstNotas::estornoMantemObservacao()
{
    parcela(1, 21, Hoje, QStringLiteral("100"));
    auto j = abre();
    msg->espera(QStringLiteral("Esta conta não foi paga ainda !"));
    j->ItemEstornar->trigger();
    msg->espera(QStringLiteral("Esta conta não foi paga ainda !"));
    j->ItemRecibo1Via->trigger();
    verificaMensagens();
    abrePagamento(*j, QStringLiteral("40,00"));
    msg->espera(QStringLiteral("VALOR INFERIOR!"), BotaoSim);
    j->ButGravaPgto->click();
    msg->espera(QStringLiteral("Recebimento estornado com sucesso !"));
    j->ItemEstornar->trigger();
    verificaMensagens();
    const Estado e = estado(*dm, 1);
    QCOMPARE(e.status, QStringLiteral("N"));
    QVERIFY(valor(QStringLiteral("select NP_VALOR_PGTO from NOTAPROMISSORIA")).isNull());
    QVERIFY(valor(QStringLiteral("select NP_DT_PAGAMENTO from NOTAPROMISSORIA")).isNull());
    QCOMPARE(e.saldo, reais(100));
    QCOMPARE(e.ultimo, reais(40));
    QCOMPARE(e.obs.toString(), QStringLiteral("\rPagamento parcial de R$ 40,00 em 10/01/2027"));
    QCOMPARE(j->LabelSaldo->text(), QStringLiteral("R$ 100,00"));
}

void TstNotas::pagamentoConcorrenteFalha()
{
    parcela(1, 21, Hoje, QStringLiteral("100"));
    auto j = abre();
    abrePagamento(*j, QStringLiteral("100,00"));
    // Another station is writing the same installment and has not committed yet.
    Transacao outra(dm->DataBase);
    Query escrita(dm->DataBase, outra);
    escrita.sql.defineTexto(QStringLiteral("UPDATE NOTAPROMISSORIA SET NP_VALOR_PGTO=100, NP_SALDO_DEVEDOR=0, NP_STATUS='P' "
                                           "WHERE NP_CODIGO=1"));
    escrita.execSQL();
    msg->espera(QStringLiteral("update conflicts with concurrent update"));
    QTest::mouseClick(j->ButGravaPgto, Qt::LeftButton);
    verificaMensagens();
    QVERIFY(j->TabPgto->isVisible());
    QVERIFY(j->QryPrincipal.editando());
    outra.rollback();
    QCOMPARE(estado(*dm, 1).pago, Moeda());
    // Once the other write is gone the same payment is stored, counted once.
    QTest::mouseClick(j->ButGravaPgto, Qt::LeftButton);
    verificaMensagens();
    QCOMPARE(estado(*dm, 1).pago, reais(100));
    QCOMPARE(estado(*dm, 1).saldo, Moeda());
}

void TstNotas::pagamentoDeOutraEstacaoNaoSePerde()
{
    parcela(1, 21, Hoje, QStringLiteral("100"));
    auto j = abre();
    abrePagamento(*j, QStringLiteral("100,00"));
    // Another station received 30,00 and committed while this payment was open.
    executa(QStringLiteral("UPDATE NOTAPROMISSORIA SET NP_VALOR_PGTO=30, NP_SALDO_DEVEDOR=70 WHERE NP_CODIGO=1"));
    msg->espera(QStringLiteral("alterado em outro computador"));
    j->ButGravaPgto->click();
    verificaMensagens();
    QVERIFY(!j->TabPgto->isVisible());
    QCOMPARE(estado(*dm, 1).pago, reais(30));
    QCOMPARE(estado(*dm, 1).saldo, reais(70));
    // Opened again, the payment proposes the balance left and adds to the stored total.
    j->ButRecebe->click();
    QCOMPARE(j->EditVlPago->valor(), reais(70));
    j->Check1Via->setChecked(false);
    j->ButGravaPgto->click();
    verificaMensagens();
    QCOMPARE(estado(*dm, 1).pago, reais(100));
    QCOMPARE(estado(*dm, 1).status, QStringLiteral("P"));
}
