// Issuing, reviewing, altering, cancelling and deleting notes.

#include "test_notas.h"

#include "TesteJanelas.h"

#include "DataEdit.h"
#include "Digitacao.h"
#include "MoedaEdit.h"
#include "RegrasNota.h"
#include "SeletorLocalidade.h"
#include "SeletorPessoa.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QPlainTextEdit>
#include "DataEdit.h"
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QTest>

QVariant TstNotas::valor(const QString &sql)
{
    Transacao tr(dm->DataBase);
    Query q(dm->DataBase, tr);
    q.sql.defineTexto(sql);
    q.open();
    return q.isEmpty() ? QVariant() : q.valor(0, 0);
}

void TstNotas::executa(const QString &sql) { dm->DataBase.executa(sql); }

void TstNotas::pessoa(int codigo, const QString &nome, const QString &limite)
{
    executa(QStringLiteral("INSERT INTO CADASTROS (CG_CODIGO, CG_NOME, CG_ESPECIE, CG_TIPO_PESSOA, CG_EXIBIR, CG_LIMITE_TOTAL, "
                           "CG_CPF_CNPJ) VALUES (%1, '%2', 'C', 'F', 'T', %3, '1234567890%1')")
                .arg(codigo)
                .arg(nome, limite));
    executa(QStringLiteral("SET GENERATOR COD_CADASTROS TO %1").arg(qMax(codigo, 100)));
}

void TstNotas::init()
{
    inst = std::make_unique<InstalacaoTeste>();
    dm = inst->conectaComoMaster();
    msg = std::make_unique<MensagensRoteiro>();
    relogio = std::make_unique<RelogioFixo>(QDate(2027, 1, 10));
    executa(QStringLiteral("INSERT INTO CIDADES (CD_CODIGO, CD_NOME, CD_UF, CD_EXIBIR) VALUES (1, 'SAO PAULO', 'SP', 'T')"));
    executa(QStringLiteral("INSERT INTO CIDADES (CD_CODIGO, CD_NOME, CD_UF, CD_EXIBIR) VALUES (2, 'CAMPINAS', 'SP', 'T')"));
    executa(QStringLiteral("SET GENERATOR COD_CIDADES TO 10"));
    executa(QStringLiteral("INSERT INTO EMPRESAS (EM_CODIGO, EM_NOME, EM_TIPO_PESSOA, EM_COD_CIDADE) VALUES (1, 'LOJA CENTRAL', 'J', 1)"));
    executa(QStringLiteral("SET GENERATOR COD_EMPRESAS TO 1"));
    dm->CodEmpresaLogada = 1;
    pessoa(3, QStringLiteral("ANA PAULA"));
    pessoa(12, QStringLiteral("JOSE DOZE"));
    pessoa(20, QStringLiteral("MARCOS LIMA"));
    pessoa(21, QStringLiteral("MARIA DA SILVA"));
    pessoa(22, QStringLiteral("PEDRO SOUZA"));
}

void TstNotas::cleanup()
{
    relogio.reset();
    msg.reset();
    dm.reset();
    inst.reset();
}

void TstNotas::verificaMensagens()
{
    QString porque;
    QVERIFY2(msg->verificaFim(&porque), qPrintable(porque));
}

std::unique_ptr<TfNotaPromissoria> TstNotas::abre()
{
    auto j = std::make_unique<TfNotaPromissoria>();
    j->show();
    j->activateWindow();
    [&] { QVERIFY(QTest::qWaitForWindowActive(j.get())); }();
    QCoreApplication::processEvents();
    return j;
}

namespace {
void entra(QWidget *w, const QString &texto)
{
    w->setFocus();
    if (auto *e = qobject_cast<QLineEdit *>(w)) e->clear();
    digita(w, texto);
}
QStringList coluna(const QString &sqlColuna, Dados &dm)
{
    Transacao tr(dm.DataBase);
    Query q(dm.DataBase, tr);
    q.sql.defineTexto(QStringLiteral("select ") + sqlColuna + QStringLiteral(" from NOTAPROMISSORIA order by NP_PARCELA"));
    q.open();
    QStringList r;
    for (int i = 0; i < q.recordCount(); ++i) {
        const QVariant v = q.valor(i, 0);
        r.append(v.metaType() == QMetaType::fromType<QDate>() ? v.toDate().toString(QStringLiteral("dd/MM/yyyy"))
                 : v.canConvert<Moeda>() && v.metaType() == QMetaType::fromType<Moeda>() ? v.value<Moeda>().formatado()
                                                                                         : v.toString());
    }
    return r;
}
} // namespace

void TstNotas::preenche(TfNotaPromissoria &j, const QString &v, const QString &parcelas, const QString &intervalo,
                        const QString &vencimento, const QString &emitente)
{
    j.ButNovo->click();
    // The splash of the previous save took the activation for a moment.
    j.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&j));
    entra(j.EditValor, v);
    entra(j.EditTotalParcelas, parcelas);
    entra(j.EditIntervalo, intervalo);
    j.EditVencimento->setFocus();
    j.EditVencimento->setData(DataEdit::interpreta(vencimento));
    entra(j.Emitente->Edit, emitente);
    j.EditEmissao->setFocus();
    QCoreApplication::processEvents();
}

// ---- rules ----

void TstNotas::regrasVencimentoRotulo_data()
{
    QTest::addColumn<QDate>("d1");
    QTest::addColumn<int>("intervalo");
    QTest::addColumn<QStringList>("vencimentos");
    QTest::newRow("30 dias: meses, fim de fevereiro") << QDate(2027, 1, 31) << 30
                                                      << QStringList{"31/01/2027", "28/02/2027", "31/03/2027", "30/04/2027", "31/05/2027"};
    QTest::newRow("30 dias em ano bissexto") << QDate(2028, 1, 31) << 30 << QStringList{"31/01/2028", "29/02/2028", "31/03/2028"};
    QTest::newRow("15 dias: contagem de dias") << QDate(2027, 1, 31) << 15 << QStringList{"31/01/2027", "15/02/2027", "02/03/2027"};
    QTest::newRow("31 dias não é mensal") << QDate(2027, 1, 31) << 31 << QStringList{"31/01/2027", "03/03/2027"};
}

void TstNotas::regrasVencimentoRotulo()
{
    QFETCH(QDate, d1);
    QFETCH(int, intervalo);
    QFETCH(QStringList, vencimentos);
    for (int k = 1; k <= vencimentos.size(); ++k)
        QCOMPARE(RegrasNota::vencimento(d1, k, intervalo).toString(QStringLiteral("dd/MM/yyyy")), vencimentos.at(k - 1));
}

void TstNotas::regrasIntervaloExtenso()
{
    QCOMPARE(RegrasNota::rotulo(2, 3, {}), QStringLiteral("2 / 3"));
    QCOMPARE(RegrasNota::rotulo(1, 1, {}), QStringLiteral("1 / 1"));
    QCOMPARE(RegrasNota::rotulo(3, 3, QStringLiteral("123")), QStringLiteral("123/3"));
    QCOMPARE(RegrasNota::intervalo(QString()), std::optional<int>(30));
    QCOMPARE(RegrasNota::intervalo(QStringLiteral("0")), std::optional<int>(30));
    QCOMPARE(RegrasNota::intervalo(QStringLiteral("-5")), std::optional<int>(30));
    QCOMPARE(RegrasNota::intervalo(QStringLiteral("15")), std::optional<int>(15));
    QVERIFY(!RegrasNota::intervalo(QStringLiteral("1O")).has_value());
    QCOMPARE(RegrasNota::emissaoExtenso(QStringLiteral("SAO PAULO"), QStringLiteral("SP"), QDate(2027, 3, 5)),
             QStringLiteral("SAO PAULO / SP, 5 de MARÇO de 2027."));
}

// ---- issuing ----

void TstNotas::emiteTresParcelasRevisaEConfirma()
{
    auto j = abre();
    QCOMPARE(j->CheckAbertas->text(), QStringLiteral("Abertas até 17/01/2027"));
    preenche(*j, QStringLiteral("100,00"), QStringLiteral("3"), QStringLiteral("30"), QStringLiteral("31/01/2027"),
             QStringLiteral("MARIA DA SILVA"));
    QCOMPARE(j->Emitente->codigo(), 21);
    QCOMPARE(j->Cidade->codigo(), 1);
    QCOMPARE(j->Praca->codigo(), 1);
    j->ButGravar->click();
    verificaMensagens();
    QVERIFY(j->TabParcelas->isVisible());
    QCOMPARE(j->GridParcelas->rowCount(), 3);
    QCOMPARE(j->LabelTotal->text(), QStringLiteral("TOTAL  R$ 300,00"));
    QCOMPARE(coluna(QStringLiteral("NP_DT_VENCIMENTO"), *dm), (QStringList{"31/01/2027", "28/02/2027", "31/03/2027"}));
    QCOMPARE(coluna(QStringLiteral("NP_PARCELA_EXT"), *dm), (QStringList{"1 / 3", "2 / 3", "3 / 3"}));
    QCOMPARE(conta(QStringLiteral("select count(distinct NP_SEQ) from NOTAPROMISSORIA where NP_SEQ=1 and NP_COD_EMITENTE=21 "
                                  "and NP_COD_CREDOR=1 and NP_COD_PRACA=1 and NP_STATUS='N' and NP_VALOR_PGTO=0")), 1);

    // Installment 2 changed in the review: its balance follows at confirming.
    j->GridParcelas->item(1, 1)->setText(QStringLiteral("150,00"));
    QCOMPARE(valor(QStringLiteral("select NP_VALOR from NOTAPROMISSORIA where NP_PARCELA=2")).value<Moeda>(), Moeda::deReais(150));
    msg->espera(QStringLiteral("OUTRO"), BotaoNao);
    j->ButConfirmaParcelas->click();
    verificaMensagens();
    QCOMPARE(msg->avisos.last().codigo, 2);
    QCOMPARE(coluna(QStringLiteral("NP_SALDO_DEVEDOR"), *dm), (QStringList{"R$ 100,00", "R$ 150,00", "R$ 100,00"}));
    QCOMPARE(j->modo(), int(TfNotaPromissoria::Normal));
    QVERIFY(!j->TabParcelas->isVisible());
}

void TstNotas::parcelaUnicaComVenda()
{
    auto j = abre();
    preenche(*j, QStringLiteral("80,00"), QStringLiteral("1"), QString(), QStringLiteral("31/01/2027"), QStringLiteral("ANA PAULA"));
    QCOMPARE(j->EditIntervalo->text(), QStringLiteral("30")); // empty becomes 0, then 30
    entra(j->EditCodVenda, QStringLiteral("123"));
    j->ButGravar->click();
    QCOMPARE(coluna(QStringLiteral("NP_PARCELA_EXT"), *dm), QStringList{QStringLiteral("123/1")});
    msg->espera(QStringLiteral("OUTRO"), BotaoNao);
    j->ButConfirmaParcelas->click();
    verificaMensagens();

    // A second note of three installments with the same sale number and interval 0 (monthly).
    preenche(*j, QStringLiteral("10,00"), QStringLiteral("3"), QStringLiteral("0"), QStringLiteral("31/01/2027"), QStringLiteral("ANA PAULA"));
    QCOMPARE(j->EditIntervalo->text(), QStringLiteral("30"));
    entra(j->EditCodVenda, QStringLiteral("123"));
    j->ButGravar->click();
    QCOMPARE(valor(QStringLiteral("select list(NP_PARCELA_EXT, ',') from (select NP_PARCELA_EXT from NOTAPROMISSORIA where NP_SEQ=2 order by NP_PARCELA)")).toString(),
             QStringLiteral("123/1,123/2,123/3"));
    QCOMPARE(valor(QStringLiteral("select NP_DT_VENCIMENTO from NOTAPROMISSORIA where NP_SEQ=2 and NP_PARCELA=2")).toDate(), QDate(2027, 2, 28));
    verificaMensagens();
}

void TstNotas::limiteDoEmitente()
{
    executa(QStringLiteral("UPDATE CADASTROS SET CG_LIMITE_TOTAL=500 WHERE CG_CODIGO=21"));
    executa(QStringLiteral("INSERT INTO NOTAPROMISSORIA (NP_CODIGO, NP_SEQ, NP_PARCELA, NP_TOTAL_PARCELAS, NP_VALOR, NP_SALDO_DEVEDOR, "
                           "NP_VALOR_PGTO, NP_STATUS, NP_COD_EMITENTE, NP_DT_EMISSAO, NP_DT_VENCIMENTO) "
                           "VALUES (900, 7, 1, 1, 200, 200, 0, 'N', 21, '2026-12-01', '2099-01-01')"));
    executa(QStringLiteral("SET GENERATOR COD_NOTAPROMISSORIA TO 900"));
    auto j = abre();
    preenche(*j, QStringLiteral("200,00"), QStringLiteral("2"), QStringLiteral("30"), QStringLiteral("31/01/2027"),
             QStringLiteral("MARIA DA SILVA"));
    QCOMPARE(j->LabelLimite->text(), QStringLiteral("R$ 100,00")); // the count is not saved yet
    msg->espera(QStringLiteral("Ultrapassou o limite. Deseja continuar?"), BotaoSim);
    j->ButGravar->click();
    verificaMensagens();
    QCOMPARE(j->LabelLimite->text(), QStringLiteral("-R$ 100,00"));
    QCOMPARE(conta(QStringLiteral("select count(*) from NOTAPROMISSORIA where NP_SEQ=8")), 2);
    // Asked again at confirming: declining keeps the review open and editable.
    msg->espera(QStringLiteral("Ultrapassou o limite. Deseja continuar?"), BotaoNao);
    j->ButConfirmaParcelas->click();
    verificaMensagens();
    QVERIFY(j->TabParcelas->isVisible());
    msg->espera(QStringLiteral("Ultrapassou o limite. Deseja continuar?"), BotaoSim);
    msg->espera(QStringLiteral("OUTRO"), BotaoNao);
    j->ButConfirmaParcelas->click();
    verificaMensagens();
    QCOMPARE(j->modo(), int(TfNotaPromissoria::Normal));

    // Declining at saving stores nothing.
    preenche(*j, QStringLiteral("200,00"), QStringLiteral("1"), QStringLiteral("30"), QStringLiteral("31/01/2027"),
             QStringLiteral("MARIA DA SILVA"));
    msg->espera(QStringLiteral("Ultrapassou o limite. Deseja continuar?"), BotaoNao);
    j->ButGravar->click();
    verificaMensagens();
    QCOMPARE(conta(QStringLiteral("select count(*) from NOTAPROMISSORIA")), 3);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(j->EditValor));
}

void TstNotas::limiteZeroNuncaPergunta()
{
    executa(QStringLiteral("INSERT INTO NOTAPROMISSORIA (NP_CODIGO, NP_SEQ, NP_PARCELA, NP_TOTAL_PARCELAS, NP_VALOR, NP_SALDO_DEVEDOR, "
                           "NP_VALOR_PGTO, NP_STATUS, NP_COD_EMITENTE, NP_DT_EMISSAO, NP_DT_VENCIMENTO) "
                           "VALUES (900, 7, 1, 1, 9000, 9000, 0, 'N', 3, '2026-12-01', '2099-01-01')"));
    executa(QStringLiteral("SET GENERATOR COD_NOTAPROMISSORIA TO 900"));
    auto j = abre();
    preenche(*j, QStringLiteral("500,00"), QStringLiteral("4"), QStringLiteral("30"), QStringLiteral("31/01/2027"), QStringLiteral("ANA PAULA"));
    j->ButGravar->click();
    msg->espera(QStringLiteral("OUTRO"), BotaoNao);
    j->ButConfirmaParcelas->click();
    verificaMensagens();
    QCOMPARE(conta(QStringLiteral("select count(*) from NOTAPROMISSORIA where NP_SEQ=8")), 4);
}

void TstNotas::recusasDeGravacao_data()
{
    QTest::addColumn<QString>("campo");
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QString>("mensagem");
    QTest::newRow("emitente 2 igual") << "EditEscolheEmitente2" << "MARIA DA SILVA" << "Emitente 1 não pode ser igual ao Emitente 2 !";
    QTest::newRow("avalista 2 igual ao 4") << "EditEscolheAvalista2+EditEscolheAvalista4" << "PEDRO SOUZA"
                                           << "Avalista 2 não pode ser igual ao Avalista 4 !";
    QTest::newRow("sem valor") << "EditValor" << "" << "É necessário informar o valor !";
    QTest::newRow("sem emitente") << "EditEscolheCliente" << "" << "É necessário informar o emitente !";
}

void TstNotas::recusasDeGravacao()
{
    QFETCH(QString, campo);
    QFETCH(QString, texto);
    QFETCH(QString, mensagem);
    auto j = abre();
    preenche(*j, QStringLiteral("50,00"), QStringLiteral("2"), QStringLiteral("30"), QStringLiteral("31/01/2027"),
             QStringLiteral("MARIA DA SILVA"));
    QWidget *foco = nullptr;
    for (const QString &nome : campo.split(QLatin1Char('+'))) {
        foco = j->findChild<QWidget *>(nome);
        QVERIFY(foco);
        entra(foco, texto);
        j->EditEmissao->setFocus();
        QCoreApplication::processEvents();
    }
    msg->espera(mensagem);
    j->ButGravar->click();
    verificaMensagens();
    QCOMPARE(conta(QStringLiteral("select count(*) from NOTAPROMISSORIA")), 0);
    QCOMPARE(j->modo(), int(TfNotaPromissoria::Inserindo));
    QCOMPARE(QApplication::focusWidget(), foco);
}

void TstNotas::vencimentoAntesDaEmissaoPergunta()
{
    auto j = abre();
    preenche(*j, QStringLiteral("50,00"), QStringLiteral("1"), QStringLiteral("30"), QStringLiteral("05/01/2027"),
             QStringLiteral("MARIA DA SILVA"));
    msg->espera(QStringLiteral("Data de vencimento inferior a emissão. Deseja continuar?"), BotaoNao);
    j->ButGravar->click();
    QCOMPARE(conta(QStringLiteral("select count(*) from NOTAPROMISSORIA")), 0);
    msg->espera(QStringLiteral("Data de vencimento inferior a emissão. Deseja continuar?"), BotaoSim);
    j->ButGravar->click();
    verificaMensagens();
    QCOMPARE(conta(QStringLiteral("select count(*) from NOTAPROMISSORIA")), 1);
}

void TstNotas::voltarECancelarNaoDeixaParcela()
{
    auto j = abre();
    preenche(*j, QStringLiteral("100,00"), QStringLiteral("4"), QStringLiteral("15"), QStringLiteral("31/01/2027"),
             QStringLiteral("MARIA DA SILVA"));
    j->ButGravar->click();
    QCOMPARE(conta(QStringLiteral("select count(*) from NOTAPROMISSORIA")), 4);
    j->ButVoltarParcelas->click();
    QCOMPARE(conta(QStringLiteral("select count(*) from NOTAPROMISSORIA")), 1);
    QVERIFY(j->ButGravar->isEnabled());
    // Saving again issues the note with a new sequence.
    j->ButGravar->click();
    QCOMPARE(conta(QStringLiteral("select count(*) from NOTAPROMISSORIA where NP_SEQ=2")), 4);
    j->ButVoltarParcelas->click();
    j->ButCancelar->click();
    verificaMensagens();
    QCOMPARE(conta(QStringLiteral("select count(*) from NOTAPROMISSORIA")), 0);
    QCOMPARE(j->modo(), int(TfNotaPromissoria::Normal));
}

void TstNotas::alteraUmaParcela()
{
    auto j = abre();
    preenche(*j, QStringLiteral("100,00"), QStringLiteral("2"), QStringLiteral("30"), QStringLiteral("12/01/2027"),
             QStringLiteral("MARIA DA SILVA"));
    j->ButGravar->click();
    msg->espera(QStringLiteral("OUTRO"), BotaoNao);
    j->ButConfirmaParcelas->click();
    executa(QStringLiteral("UPDATE NOTAPROMISSORIA SET NP_VALOR_PGTO=30 WHERE NP_PARCELA=1"));
    j->close();
    j = abre();
    QVERIFY(!j->QryPesquisa.isEmpty()); // installment 1 is due within the week
    j->ButAltera->click();
    QCOMPARE(j->windowTitle(), QStringLiteral(" Nota Promissória (Alterando...)"));
    QCOMPARE(j->LabelTotalParcelas->text(), QStringLiteral("Parcela 1 / 2"));
    QVERIFY(!j->EditTotalParcelas->isVisible());
    QCOMPARE(j->Emitente->Edit->text(), QStringLiteral("MARIA DA SILVA"));
    entra(j->EditValor, QStringLiteral("120,00"));
    j->ButGravar->click();
    verificaMensagens();
    QCOMPARE(coluna(QStringLiteral("NP_SALDO_DEVEDOR"), *dm), (QStringList{"R$ 90,00", "R$ 100,00"}));
    QCOMPARE(j->modo(), int(TfNotaPromissoria::Normal));
}

void TstNotas::excluiSelecionadaETodas()
{
    for (int i = 1; i <= 3; ++i)
        executa(QStringLiteral("INSERT INTO NOTAPROMISSORIA (NP_CODIGO, NP_SEQ, NP_PARCELA, NP_TOTAL_PARCELAS, NP_VALOR, "
                               "NP_SALDO_DEVEDOR, NP_VALOR_PGTO, NP_STATUS, NP_COD_EMITENTE, NP_DT_EMISSAO, NP_DT_VENCIMENTO) "
                               "VALUES (%1, 1, %1, 3, 10, 10, 0, 'N', 21, '2027-01-01', '2027-01-1%1')").arg(i));
    executa(QStringLiteral("INSERT INTO NOTAPROMISSORIA (NP_CODIGO, NP_SEQ, NP_PARCELA, NP_TOTAL_PARCELAS, NP_VALOR, "
                           "NP_SALDO_DEVEDOR, NP_VALOR_PGTO, NP_STATUS, NP_COD_EMITENTE, NP_DT_EMISSAO, NP_DT_VENCIMENTO) "
                           "VALUES (4, 2, 1, 1, 10, 10, 0, 'N', 21, '2027-01-01', '2027-06-01')"));
    auto j = abre();
    QCOMPARE(j->QryPesquisa.recordCount(), 3); // open and due by 17/01
    msg->espera(QString(), BotaoSim);
    j->ItemExcluirSelecionada->trigger();
    verificaMensagens();
    QCOMPARE(conta(QStringLiteral("select count(*) from NOTAPROMISSORIA where NP_CODIGO=3")), 0); // the last row was current
    msg->espera(QString(), BotaoSim);
    j->ItemExcluirTodas->trigger();
    verificaMensagens();
    QCOMPARE(msg->avisos.last().codigo, 7);
    QCOMPARE(conta(QStringLiteral("select list(NP_CODIGO) from NOTAPROMISSORIA")), 4); // only the unlisted one is left
    msg->espera(QStringLiteral("Não há registros a serem excluídos !"));
    j->ItemExcluirSelecionada->trigger();
    msg->espera(QStringLiteral("Não há registros a serem alterados !"));
    j->ButAltera->click();
    verificaMensagens();
}

void TstNotas::intervaloNaoNumericoRecusado()
{
    auto j = abre();
    preenche(*j, QStringLiteral("50,00"), QStringLiteral("2"), QStringLiteral("1X"), QStringLiteral("31/01/2027"),
             QStringLiteral("MARIA DA SILVA"));
    msg->espera(QStringLiteral("Dias entre parcelas"));
    j->ButGravar->click();
    verificaMensagens();
    QCOMPARE(conta(QStringLiteral("select count(*) from NOTAPROMISSORIA")), 0);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(j->EditIntervalo));
}

PN_TESTE_JANELAS(TstNotas)
