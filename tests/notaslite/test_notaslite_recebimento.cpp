// Payments of a simplified note: partial then the rest, a refused attempt, refusals, reversal.

#include "test_notaslite.h"

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
Moeda reais(int v) { return Moeda::deReais(v); }

void abrePagamento(TfNotaPromissoriaLite &j, int valor)
{
    j.ButRecebe->click();
    QVERIFY(j.TabPgto->isVisible());
    j.EditVlPago->setFocus();
    j.EditVlPago->setValor(reais(valor));
    j.Check1Via->setChecked(false);
    j.Check2Vias->setChecked(false);
}
} // namespace

void TstNotasLite::pagamentoParcialEDepoisORestante()
{
    nota(1, QStringLiteral("ANA"), Hoje, QStringLiteral("100"));
    auto j = abre();
    j->ButRecebe->click();
    QCOMPARE(j->EditVlPago->valor(), reais(100));
    QCOMPARE(j->EditDtPgto->data(), Hoje);
    QVERIFY(j->Check1Via->isChecked() && !j->Check2Vias->isChecked());
    QVERIFY(!j->ButNovo->isEnabled() && !j->GridLista->isEnabled());
    j->Check2Vias->setChecked(true);
    QVERIFY(!j->Check1Via->isChecked());
    j->Check2Vias->setChecked(false);
    j->EditVlPago->setFocus();
    j->EditVlPago->setValor(reais(60));
    j->EditDtPgto->setFocus();
    QCOMPARE(j->LabelSaldoFicara->text(), QStringLiteral("R$ 40,00"));
    msg->espera(QStringLiteral("VALOR INFERIOR! Deseja informar pagamento PARCIAL?"), BotaoSim);
    j->ButGravaPgto->click();
    verificaMensagens();
    QCOMPARE(coluna(QStringLiteral("NPL_STATUS")), QStringList{QStringLiteral("N")});
    QCOMPARE(coluna(QStringLiteral("NPL_SALDO_DEVEDOR")), QStringList{QStringLiteral("R$ 40,00")});
    QCOMPARE(coluna(QStringLiteral("NPL_VALOR_PGTO")), QStringList{QStringLiteral("R$ 60,00")});
    QCOMPARE(coluna(QStringLiteral("NPL_OBS")), QStringList{QStringLiteral("\rPagamento parcial de R$ 60,00 em 10/01/2027")});
    QVERIFY(!j->TabPgto->isVisible() && j->ButNovo->isEnabled());

    j->ButRecebe->click();
    QCOMPARE(j->EditVlPago->valor(), reais(40)); // the balance
    j->Check1Via->setChecked(false);
    j->ButGravaPgto->click();
    verificaMensagens();
    QCOMPARE(coluna(QStringLiteral("NPL_STATUS")), QStringList{QStringLiteral("P")});
    QCOMPARE(coluna(QStringLiteral("NPL_SALDO_DEVEDOR")), QStringList{QStringLiteral("R$ 0,00")});
    QCOMPARE(coluna(QStringLiteral("NPL_VALOR_PGTO")), QStringList{QStringLiteral("R$ 100,00")});
    QCOMPARE(coluna(QStringLiteral("NPL_VALOR_TEMP")), QStringList{QStringLiteral("R$ 40,00")});
    msg->espera(QStringLiteral("Esta conta já foi paga!"));
    j->ButRecebe->click();
    verificaMensagens();
}

void TstNotasLite::pagamentoRecusadoSemDataContaUmaVez()
{
    nota(1, QStringLiteral("ANA"), Hoje, QStringLiteral("100"));
    auto j = abre();
    abrePagamento(*j, 30);
    j->EditDtPgto->clear();
    msg->espera(QStringLiteral("É necessário informar a data do pagamento !"));
    j->ButGravaPgto->click();
    verificaMensagens();
    QCOMPARE(QApplication::focusWidget(), j->EditDtPgto);
    QCOMPARE(coluna(QStringLiteral("NPL_VALOR_PGTO")), QStringList{QStringLiteral("R$ 0,00")});
    // Refused as partial: nothing stored either.
    j->EditDtPgto->setData(Hoje);
    msg->espera(QStringLiteral("VALOR INFERIOR!"), BotaoNao);
    j->ButGravaPgto->click();
    QCOMPARE(coluna(QStringLiteral("NPL_VALOR_PGTO")), QStringList{QStringLiteral("R$ 0,00")});
    msg->espera(QStringLiteral("VALOR INFERIOR!"), BotaoSim);
    j->ButGravaPgto->click();
    verificaMensagens();
    QCOMPARE(coluna(QStringLiteral("NPL_VALOR_PGTO")), QStringList{QStringLiteral("R$ 30,00")});
    QCOMPARE(coluna(QStringLiteral("NPL_SALDO_DEVEDOR")), QStringList{QStringLiteral("R$ 70,00")});
    // A second partial payment is appended to the observation.
    abrePagamento(*j, 20);
    msg->espera(QStringLiteral("VALOR INFERIOR!"), BotaoSim);
    j->ButGravaPgto->click();
    verificaMensagens();
    QCOMPARE(coluna(QStringLiteral("NPL_OBS")),
             QStringList{QStringLiteral("\rPagamento parcial de R$ 30,00 em 10/01/2027 *Pagamento parcial de R$ 20,00 em 10/01/2027")});
    QCOMPARE(coluna(QStringLiteral("NPL_VALOR_PGTO")), QStringList{QStringLiteral("R$ 50,00")});
}

void TstNotasLite::recusasDoRecebimento()
{
    auto j = abre();
    msg->espera(QStringLiteral("Não há registros a serem recebidos !"));
    j->ButRecebe->click();
    msg->espera(QStringLiteral("Não há registros a serem estornados !"));
    j->EstornarRecebimento();
    verificaMensagens();
    j->close();
    nota(1, QStringLiteral("ANA"), Hoje, QStringLiteral("100"));
    j = abre();
    abrePagamento(*j, 0);
    msg->espera(QStringLiteral("É necessário informar o valor do pagamento !"));
    j->ButGravaPgto->click();
    abrePagamento(*j, 0); // still open: the amount typed again
    j->EditVlPago->setValor(reais(120));
    msg->espera(QStringLiteral("Valor do pagamento é superior. Deseja continuar?"), BotaoNao);
    j->ButGravaPgto->click();
    verificaMensagens();
    QVERIFY(j->recebendo());
    j->ButCancelaPgto->click();
    QVERIFY(!j->recebendo() && j->ButNovo->isEnabled());
    QCOMPARE(coluna(QStringLiteral("NPL_VALOR_PGTO")), QStringList{QStringLiteral("R$ 0,00")});
    msg->espera(QStringLiteral("Esta conta não foi paga ainda !"));
    j->EstornarRecebimento();
    verificaMensagens();
}

void TstNotasLite::estornoVoltaAoValor()
{
    nota(1, QStringLiteral("ANA"), Hoje, QStringLiteral("100"), QStringLiteral("P"), QStringLiteral("100"), {}, Hoje);
    auto j = abre();
    msg->espera(QStringLiteral("Recebimento estornado com sucesso !"));
    j->EstornarRecebimento();
    verificaMensagens();
    QCOMPARE(coluna(QStringLiteral("NPL_STATUS")), QStringList{QStringLiteral("N")});
    QCOMPARE(coluna(QStringLiteral("NPL_SALDO_DEVEDOR")), QStringList{QStringLiteral("R$ 100,00")});
    QVERIFY(valor(QStringLiteral("select NPL_VALOR_PGTO from NOTAPROMISSORIALITE")).isNull());
    QVERIFY(valor(QStringLiteral("select NPL_DT_PAGAMENTO from NOTAPROMISSORIALITE")).isNull());
    QCOMPARE(j->LabelSaldo->text(), QStringLiteral("R$ 100,00"));
}

void TstNotasLite::pagamentoDeOutraEstacaoNaoSePerde()
{
    nota(1, QStringLiteral("ANA"), Hoje, QStringLiteral("100"));
    auto j = abre();
    abrePagamento(*j, 100);
    // Another station received 30,00 and committed while this payment was open.
    executa(QStringLiteral("UPDATE NOTAPROMISSORIALITE SET NPL_VALOR_PGTO=30, NPL_SALDO_DEVEDOR=70 WHERE NPL_CODIGO=1"));
    msg->espera(QStringLiteral("alterado em outro computador"));
    j->ButGravaPgto->click();
    verificaMensagens();
    QVERIFY(!j->recebendo());
    QCOMPARE(coluna(QStringLiteral("NPL_VALOR_PGTO")), QStringList{QStringLiteral("R$ 30,00")});
    abrePagamento(*j, 70);
    j->ButGravaPgto->click();
    verificaMensagens();
    QCOMPARE(coluna(QStringLiteral("NPL_VALOR_PGTO")), QStringList{QStringLiteral("R$ 100,00")});
    QCOMPARE(coluna(QStringLiteral("NPL_STATUS")), QStringList{QStringLiteral("P")});
}

