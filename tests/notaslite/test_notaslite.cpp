// Issuing, reviewing, altering, cancelling and deleting simplified notes.

#include "test_notaslite.h"

#include "DataEdit.h"
#include "Digitacao.h"
#include "MoedaEdit.h"

#include <QGroupBox>
#include <QLabel>
#include <QSet>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QTest>

namespace {
const QDate Hoje(2027, 1, 10);
void entra(QWidget *w, const QString &texto)
{
    w->setFocus();
    if (auto *e = qobject_cast<QLineEdit *>(w)) e->clear();
    digita(w, texto);
}
} // namespace

QVariant TstNotasLite::valor(const QString &sql)
{
    Transacao tr(dm->DataBase);
    Query q(dm->DataBase, tr);
    q.sql.defineTexto(sql);
    q.open();
    return q.isEmpty() ? QVariant() : q.valor(0, 0);
}

void TstNotasLite::executa(const QString &sql) { dm->DataBase.executa(sql); }

QStringList TstNotasLite::coluna(const QString &sqlColuna)
{
    Transacao tr(dm->DataBase);
    Query q(dm->DataBase, tr);
    q.sql.defineTexto(QStringLiteral("select ") + sqlColuna + QStringLiteral(" from NOTAPROMISSORIALITE order by NPL_PARCELA, NPL_CODIGO"));
    q.open();
    QStringList r;
    for (int i = 0; i < q.recordCount(); ++i) {
        const QVariant v = q.valor(i, 0);
        r.append(v.metaType() == QMetaType::fromType<QDate>()    ? v.toDate().toString(QStringLiteral("dd/MM/yyyy"))
                 : v.metaType() == QMetaType::fromType<Moeda>() ? v.value<Moeda>().formatado()
                                                                : v.toString());
    }
    return r;
}

QList<int> TstNotasLite::codigos(Query &q)
{
    QList<int> r;
    for (int i = 0; i < q.recordCount(); ++i) r.append(q.valor(i, QStringLiteral("NPL_CODIGO")).toInt());
    return r;
}

void TstNotasLite::nota(int codigo, const QString &emitente, QDate vencimento, const QString &v, const QString &status,
                        const QString &pago, QDate emissao, QDate pagamento)
{
    const auto data = [](QDate d) { return d.isValid() ? QStringLiteral("'%1'").arg(d.toString(Qt::ISODate)) : QStringLiteral("NULL"); };
    executa(QStringLiteral("INSERT INTO NOTAPROMISSORIALITE (NPL_CODIGO, NPL_PARCELA, NPL_TOTAL_PARCELAS, NPL_DT_EMISSAO, "
                           "NPL_DT_VENCIMENTO, NPL_DT_PAGAMENTO, NPL_VALOR, NPL_VALOR_PGTO, NPL_SALDO_DEVEDOR, NPL_VALOR_TEMP, "
                           "NPL_STATUS, NPL_EMITENTE, NPL_CREDOR, NPL_CREDOR_DOC, NPL_CIDADE, NPL_PRACA) VALUES "
                           "(%1, 1, 1, %2, %3, %4, %5, %6, %5 - %6, 0, '%7', '%8', '%9', '12345678000199', 'SAO PAULO', 'SAO PAULO')")
                .arg(codigo)
                .arg(data(emissao.isValid() ? emissao : Hoje), data(vencimento), data(pagamento), v, pago, status, emitente,
                     QStringLiteral("LOJA CENTRAL")));
    executa(QStringLiteral("SET GENERATOR COD_NOTAPROMISSORIALITE TO %1").arg(qMax(codigo, 100)));
}

void TstNotasLite::init()
{
    inst = std::make_unique<InstalacaoTeste>();
    dm = inst->conectaComoMaster();
    msg = std::make_unique<MensagensRoteiro>();
    relogio = std::make_unique<RelogioFixo>(Hoje);
}

void TstNotasLite::cleanup()
{
    relogio.reset();
    msg.reset();
    dm.reset();
    inst.reset();
}

void TstNotasLite::verificaMensagens()
{
    QString porque;
    QVERIFY2(msg->verificaFim(&porque), qPrintable(porque));
}

std::unique_ptr<TfNotaPromissoriaLite> TstNotasLite::abre()
{
    auto j = std::make_unique<TfNotaPromissoriaLite>();
    j->show();
    j->activateWindow();
    [&] { QVERIFY(QTest::qWaitForWindowActive(j.get())); }();
    QCoreApplication::processEvents();
    return j;
}

void TstNotasLite::preenche(TfNotaPromissoriaLite &j, const QString &v, const QString &parcelas, const QString &intervalo,
                            const QString &vencimento, const QString &emitente)
{
    j.ButNovo->click();
    QCOMPARE(j.windowTitle(), QStringLiteral(" Nota Promissória (Incluindo...)"));
    QCOMPARE(j.EditEmissao->data(), Hoje);
    entra(j.EditValor, v);
    entra(j.EditTotalParcelas, parcelas);
    entra(j.EditIntervalo, intervalo);
    j.EditVencimento->setFocus();
    j.EditVencimento->setData(DataEdit::interpreta(vencimento));
    entra(j.EditCredor, QStringLiteral("loja central"));
    entra(j.EditCredorDoc, QStringLiteral("12345678000199"));
    entra(j.EditCidade, QStringLiteral("SAO PAULO"));
    entra(j.EditEmitente, emitente);
    entra(j.EditEmitenteDoc, QStringLiteral("12345678901"));
    entra(j.EditEndereco, QStringLiteral("RUA A, 10"));
    entra(j.EditPraca, QStringLiteral("CAMPINAS"));
    j.EditEmissao->setFocus();
    QCoreApplication::processEvents();
}

// ---- issuing ----

void TstNotasLite::vencimentosDasParcelas_data()
{
    QTest::addColumn<QString>("intervalo");
    QTest::addColumn<QStringList>("vencimentos");
    QTest::newRow("30: meses, fim de fevereiro") << QStringLiteral("30") << QStringList{"31/01/2027", "28/02/2027", "31/03/2027"};
    QTest::newRow("15: dias") << QStringLiteral("15") << QStringList{"31/01/2027", "15/02/2027", "02/03/2027"};
    QTest::newRow("vazio vale 30") << QString() << QStringList{"31/01/2027", "28/02/2027", "31/03/2027"};
}

void TstNotasLite::vencimentosDasParcelas()
{
    QFETCH(QString, intervalo);
    QFETCH(QStringList, vencimentos);
    auto j = abre();
    preenche(*j, QStringLiteral("100,00"), QStringLiteral("3"), intervalo, QStringLiteral("31/01/2027"));
    QCOMPARE(j->EditIntervalo->text(), intervalo.isEmpty() ? QStringLiteral("30") : intervalo);
    j->ButGravar->click();
    QVERIFY(j->revisando());
    QVERIFY(j->TabParcelas->isVisible());
    QVERIFY(!j->ButGravar->isEnabled() && !j->ButCancelar->isEnabled());
    QCOMPARE(j->GridParcelas->rowCount(), 3);
    QCOMPARE(coluna(QStringLiteral("NPL_DT_VENCIMENTO")), vencimentos);
    for (int i = 0; i < 3; ++i) QCOMPARE(j->GridParcelas->item(i, 2)->text(), vencimentos.at(i));
    // Every installment copies the first one's parties and amounts.
    QCOMPARE(coluna(QStringLiteral("NPL_PARCELA || '/' || NPL_TOTAL_PARCELAS")), (QStringList{"1/3", "2/3", "3/3"}));
    for (const char *c : {"NPL_CREDOR", "NPL_CREDOR_DOC", "NPL_EMITENTE", "NPL_EMITENTE_DOC", "NPL_EMITENTE_ENDERECO", "NPL_PRACA",
                          "NPL_CIDADE", "NPL_STATUS", "NPL_SALDO_DEVEDOR", "NPL_DT_EMISSAO"})
    {
        const QStringList v = coluna(QLatin1String(c));
        QCOMPARE(QSet<QString>(v.begin(), v.end()).size(), 1);
    }
    QCOMPARE(coluna(QStringLiteral("NPL_CREDOR")).first(), QStringLiteral("LOJA CENTRAL"));
    QCOMPARE(coluna(QStringLiteral("NPL_SALDO_DEVEDOR")).first(), QStringLiteral("R$ 100,00"));
    msg->espera(QStringLiteral("OUTRO"), BotaoNao);
    j->ButConfirmaParcelas->click();
    verificaMensagens();
    QCOMPARE(j->modo(), int(TfNotaPromissoriaLite::Normal));
    QVERIFY(!j->TabParcelas->isVisible());
    QCOMPARE(j->QryPesquisa.recordCount(), 3);
}

void TstNotasLite::parcelaUnicaAbreRevisao()
{
    auto j = abre();
    preenche(*j, QStringLiteral("80,00"), QStringLiteral("1"), QStringLiteral("30"), QStringLiteral("10/02/2027"));
    j->ButGravar->click();
    QCOMPARE(conta(QStringLiteral("select count(*) from NOTAPROMISSORIALITE")), 1);
    QVERIFY(j->TabParcelas->isVisible());
    QCOMPARE(j->GridParcelas->rowCount(), 1);
    msg->espera(QStringLiteral("OUTRO"), BotaoSim); // Yes starts another issue
    j->ButConfirmaParcelas->click();
    verificaMensagens();
    QCOMPARE(j->modo(), int(TfNotaPromissoriaLite::Inserindo));
    QVERIFY(j->TabEdicao->isVisible());
    j->ButCancelar->click();
    QCOMPARE(conta(QStringLiteral("select count(*) from NOTAPROMISSORIALITE")), 1);
}

void TstNotasLite::revisaoAlteraParcelaEConfirma()
{
    auto j = abre();
    preenche(*j, QStringLiteral("100,00"), QStringLiteral("2"), QStringLiteral("30"), QStringLiteral("31/01/2027"));
    j->ButGravar->click();
    j->GridParcelas->item(1, 1)->setText(QStringLiteral("150,00"));
    j->GridParcelas->item(1, 2)->setText(QStringLiteral("05/03/2027"));
    msg->espera(QStringLiteral("valor maior que zero"));
    j->GridParcelas->item(0, 1)->setText(QStringLiteral("abc"));
    QCOMPARE(j->GridParcelas->item(0, 1)->text(), QStringLiteral("100,00"));
    msg->espera(QStringLiteral("OUTRO"), BotaoNao);
    j->ButConfirmaParcelas->click();
    verificaMensagens();
    QCOMPARE(coluna(QStringLiteral("NPL_VALOR")), (QStringList{"R$ 100,00", "R$ 150,00"}));
    QCOMPARE(coluna(QStringLiteral("NPL_SALDO_DEVEDOR")), (QStringList{"R$ 100,00", "R$ 150,00"}));
    QCOMPARE(coluna(QStringLiteral("NPL_DT_VENCIMENTO")), (QStringList{"31/01/2027", "05/03/2027"}));
}

void TstNotasLite::recusasDeGravacao_data()
{
    QTest::addColumn<QString>("campo");
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QString>("mensagem");
    QTest::newRow("1 parcelas") << "EditTotalParcelas" << "0" << "É necessário informar o total de parcelas !";
    QTest::newRow("2 vencimento") << "EditVencimento" << "" << "É necessário informar o vencimento !";
    QTest::newRow("3 valor") << "EditValor" << "0" << "É necessário informar o valor !";
    QTest::newRow("4 credor") << "EditCredor" << " " << "É necessário informar o credor !";
    QTest::newRow("5 praça") << "EditPraca" << "" << "É necessário informar a cidade (praça) !";
    QTest::newRow("6 emissão") << "EditEmissao" << "" << "É necessário informar a data de emissão !";
    QTest::newRow("7 emitente") << "EditEmitente" << " " << "É necessário informar o emitente (cliente) !";
}

void TstNotasLite::recusasDeGravacao()
{
    QFETCH(QString, campo);
    QFETCH(QString, texto);
    QFETCH(QString, mensagem);
    auto j = abre();
    preenche(*j, QStringLiteral("100,00"), QStringLiteral("2"), QStringLiteral("30"), QStringLiteral("31/01/2027"));
    auto *w = j->findChild<QWidget *>(campo);
    QVERIFY(w);
    if (auto *d = qobject_cast<DataEdit *>(w)) d->setData({});
    else if (auto *m = qobject_cast<MoedaEdit *>(w)) m->setValor(Moeda());
    else static_cast<QLineEdit *>(w)->setText(texto);
    msg->espera(mensagem);
    j->ButGravar->click();
    verificaMensagens();
    QCOMPARE(conta(QStringLiteral("select count(*) from NOTAPROMISSORIALITE")), 0);
    QCOMPARE(QApplication::focusWidget(), w);
    QCOMPARE(j->modo(), int(TfNotaPromissoriaLite::Inserindo));
}

void TstNotasLite::cancelarAposVoltarNaoDeixaParcela()
{
    auto j = abre();
    preenche(*j, QStringLiteral("100,00"), QStringLiteral("3"), QStringLiteral("30"), QStringLiteral("05/01/2027"));
    msg->espera(QStringLiteral("Data de vencimento inferior a emissão"), BotaoSim);
    j->ButGravar->click();
    QCOMPARE(conta(QStringLiteral("select count(*) from NOTAPROMISSORIALITE")), 3);
    j->ButVoltarParcelas->click();
    QCOMPARE(conta(QStringLiteral("select count(*) from NOTAPROMISSORIALITE")), 1);
    QVERIFY(j->TabEdicao->isVisible());
    QVERIFY(j->ButGravar->isEnabled() && j->ButCancelar->isEnabled());
    QCOMPARE(j->EditEmitente->text(), QStringLiteral("MARIA DA SILVA"));
    // Saving again stores installment 1 once more and generates the others anew.
    entra(j->EditValor, QStringLiteral("90,00"));
    msg->espera(QStringLiteral("Data de vencimento inferior a emissão"), BotaoSim);
    j->ButGravar->click();
    QCOMPARE(coluna(QStringLiteral("NPL_VALOR")), (QStringList{"R$ 90,00", "R$ 90,00", "R$ 90,00"}));
    j->ButVoltarParcelas->click();
    j->ButCancelar->click();
    verificaMensagens();
    QCOMPARE(conta(QStringLiteral("select count(*) from NOTAPROMISSORIALITE")), 0);
    QCOMPARE(j->modo(), int(TfNotaPromissoriaLite::Normal));
    QVERIFY(j->QryPesquisa.isEmpty());
}

void TstNotasLite::fecharNaRevisaoNaoDeixaParcela()
{
    auto j = abre();
    preenche(*j, QStringLiteral("100,00"), QStringLiteral("2"), QStringLiteral("30"), QStringLiteral("31/01/2027"));
    j->ButGravar->click();
    QCOMPARE(conta(QStringLiteral("select count(*) from NOTAPROMISSORIALITE")), 2);
    j->close();
    QCOMPARE(conta(QStringLiteral("select count(*) from NOTAPROMISSORIALITE")), 0);
    verificaMensagens();
}

void TstNotasLite::alteraUmaParcela()
{
    nota(1, QStringLiteral("ANA"), Hoje, QStringLiteral("100"), QStringLiteral("N"), QStringLiteral("30"));
    nota(2, QStringLiteral("ANA"), Hoje.addDays(30), QStringLiteral("100"));
    auto j = abre();
    QCOMPARE(codigos(j->QryPesquisa), (QList<int>{1, 2}));
    j->ButAltera->click();
    QCOMPARE(j->windowTitle(), QStringLiteral(" Nota Promissória (Alterando...)"));
    QVERIFY(j->EditTotalParcelas->isReadOnly());
    QCOMPARE(j->EditEmitente->text(), QStringLiteral("ANA"));
    entra(j->EditValor, QStringLiteral("120,00"));
    entra(j->EditEmitente, QStringLiteral("ana maria"));
    j->ButGravar->click();
    verificaMensagens();
    QCOMPARE(coluna(QStringLiteral("NPL_SALDO_DEVEDOR")), (QStringList{"R$ 90,00", "R$ 100,00"}));
    QCOMPARE(coluna(QStringLiteral("NPL_EMITENTE")), (QStringList{"ANA MARIA", "ANA"}));
    QCOMPARE(j->modo(), int(TfNotaPromissoriaLite::Normal));
    // Cancel drops what was typed.
    j->ButAltera->click();
    entra(j->EditValor, QStringLiteral("500,00"));
    j->ButCancelar->click();
    QCOMPARE(coluna(QStringLiteral("NPL_VALOR")), (QStringList{"R$ 120,00", "R$ 100,00"}));
    QCOMPARE(j->LabelValor->text(), QStringLiteral("R$ 120,00"));
}

void TstNotasLite::excluiSelecionadaETodas()
{
    auto j = abre();
    msg->espera(QStringLiteral("Não há registros a serem excluídos !"));
    j->ExcluirSelecionada();
    msg->espera(QStringLiteral("Não há registros a serem alterados !"));
    j->ButAltera->click();
    verificaMensagens();
    j->close();
    for (int c = 1; c <= 4; ++c) nota(c, c == 4 ? QStringLiteral("PEDRO") : QStringLiteral("ANA"), Hoje.addDays(c), QStringLiteral("10"));
    j = abre();
    msg->espera(QString(), BotaoNao);
    j->ExcluirSelecionada();
    QCOMPARE(conta(QStringLiteral("select count(*) from NOTAPROMISSORIALITE")), 4);
    msg->espera(QString(), BotaoSim);
    j->ExcluirSelecionada(); // the first listed
    QCOMPARE(conta(QStringLiteral("select count(*) from NOTAPROMISSORIALITE where NPL_CODIGO=1")), 0);
    j->ButPesquisar->click();
    j->PesqEditEmitente->setText(QStringLiteral("ANA"));
    j->ButBuscar->click();
    QCOMPARE(codigos(j->QryPesquisa), (QList<int>{2, 3}));
    msg->espera(QString(), BotaoSim);
    j->ExcluirTodas();
    verificaMensagens();
    QCOMPARE(msg->avisos.last().codigo, 7);
    QCOMPARE(coluna(QStringLiteral("NPL_CODIGO")), QStringList{QStringLiteral("4")});
    QVERIFY(j->LabelContador->text().startsWith(QStringLiteral("Exibindo 0 de 1 registros")));
}

QTEST_MAIN(TstNotasLite)
