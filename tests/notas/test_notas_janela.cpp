// The frame of the note window: the user's window checks, the first-run company question,
// keys, the receipt observation and closing.

#include "test_notas.h"

#include "AbridorJanelas.h"
#include "DataEdit.h"
#include "Digitacao.h"
#include "MoedaEdit.h"
#include "LayoutIni.h"
#include "SeletorPessoa.h"
#include "TfCadastrosGerais.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <QToolButton>

namespace {
void entra(QWidget *w, const QString &texto)
{
    w->setFocus();
    if (auto *e = qobject_cast<QLineEdit *>(w)) e->clear();
    digita(w, texto);
}
} // namespace

void TstNotas::usuarioRestritoSemEmissao()
{
    executa(QStringLiteral("INSERT INTO USUARIOSPERMISSOES (PUS_CODIGO, PUS_USUARIO, PUS_LOGIN, PUS_NOTASPROMIS_V, "
                           "PUS_NOTASPROMIS_E, PUS_NOTASPROMIS_X, PUS_NOTASPROMIS_R, PUS_NOTASPROMIS_Q, PUS_CLIENTES_V, "
                           "PUS_EMPRESAS_V, PUS_LOCALIDADES_V) VALUES (5, 'T', 'ANA', 'T', 'F', 'T', NULL, 'T', 'F', 'T', 'T')"));
    dm->NomeUsuarioLogado = QStringLiteral("ANA");
    dm->CodUsuarioLogado = 5;
    dm->QryLiberaPermissoes.defineParametro(QStringLiteral("CODIGO"), 5);
    dm->QryLiberaPermissoes.open();
    auto j = abre();
    QVERIFY(!j->ButNovo->isEnabled());
    QVERIFY(!j->ButAltera->isEnabled());
    QVERIFY(!j->ButRelatorios->isEnabled());
    QVERIFY(j->ButExclui->isEnabled());
    QVERIFY(j->ButRecebe->isEnabled());
    QVERIFY(!j->ButCadastros->isEnabled());
    QVERIFY(!j->ItemCadastros->isEnabled());
    QVERIFY(j->ItemCredores->isEnabled());
    QTest::keyClick(j.get(), Qt::Key_F2); // the key obeys the button
    QCOMPARE(j->modo(), int(TfNotaPromissoria::Normal));
    j->novoRegistro(); // nor does the main window's " Nota Promissória" button start a note
    QCOMPARE(j->modo(), int(TfNotaPromissoria::Normal));
    verificaMensagens();
}

void TstNotas::perguntaDadosDaEmpresa()
{
    executa(QStringLiteral("UPDATE EMPRESAS SET EM_NOME='MINHA EMPRESA' WHERE EM_CODIGO=1"));
    AbridorJanelas::registra(TipoJanela::Empresas, [](QWidget *pai) { return new QWidget(pai); });
    const auto remove = qScopeGuard([] { AbridorJanelas::remove(TipoJanela::Empresas); });
    msg->espera(QStringLiteral("Você não informou os dados da sua empresa. Deseja cadastrar agora?"), BotaoNao);
    auto j = abre();
    QCoreApplication::processEvents();
    verificaMensagens();
    QVERIFY(j->isVisible());
    j->close();
    msg->espera(QStringLiteral("Você não informou os dados da sua empresa. Deseja cadastrar agora?"), BotaoSim);
    j = std::make_unique<TfNotaPromissoria>();
    j->show();
    QTRY_VERIFY(msg->registradas.size() == 2);
    verificaMensagens();
    QVERIFY(!j->isVisible()); // closed, the companies window takes over
}

void TstNotas::teclasObservacaoEFechamento()
{
    LayoutIni::definePasta(inst->raiz());
    executa(QStringLiteral("UPDATE CONFIGS SET CF_IMP_RECIBO_NO_ATO='T'"));
    auto j = abre();
    j->ButNovo->click();
    QVERIFY(j->ButObs2->isVisible() == (conta(QStringLiteral("select count(*) from CONFIGS")) > 0));
    j->ButObs2->click();
    QCOMPARE(j->LabelObservacoes->text(), QStringLiteral("Observações Recibo"));
    QVERIFY(j->MemoObsRecibo->isVisible() && !j->MemoDescricao->isVisible());
    j->ButObs2->click();
    QCOMPARE(j->LabelObservacoes->text(), QStringLiteral("Observações Promissória"));
    // ENTER in the memo makes a new line instead of moving on.
    j->MemoDescricao->setFocus();
    QTest::keyClick(j->MemoDescricao, Qt::Key_A);
    QTest::keyClick(j->MemoDescricao, Qt::Key_Return);
    QTest::keyClick(j->MemoDescricao, Qt::Key_B);
    QCOMPARE(j->MemoDescricao->toPlainText(), QStringLiteral("a\nb"));
    QTest::keyClick(j.get(), Qt::Key_F11); // closes in normal mode only
    QVERIFY(j->isVisible());
    QTest::keyClick(j.get(), Qt::Key_F7);
    QCOMPARE(j->modo(), int(TfNotaPromissoria::Normal));
    j->ItemAbrirVazia->trigger(); // off: list everything at opening
    QTest::keyClick(j.get(), Qt::Key_F11);
    QVERIFY(!j->isVisible());
    QCOMPARE(QSettings(LayoutIni::arquivo(), QSettings::IniFormat).value(QStringLiteral("NOTAPROMISSORIA/ExibeTodosAbrir")).toString(),
             QStringLiteral("1"));
    verificaMensagens();
}

void TstNotas::cadastrarComPessoasAbertaNadaFaz()
{
    AbridorJanelas::registra(TipoJanela::CadastrosGerais, [](QWidget *pai) { return new TfCadastrosGerais(pai); });
    const auto remove = qScopeGuard([] { AbridorJanelas::remove(TipoJanela::CadastrosGerais); });
    auto j = abre();
    j->ButNovo->click();
    j->ButClienteNovo->click();
    QCOMPARE(j->findChildren<TfCadastrosGerais *>().size(), 1);
    j->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(j.get()));
    msg->esperaAviso9(QStringLiteral("\"OUTRO NOME\""), RespostaAviso9::Cadastrar);
    j->Avalista1->Edit->setFocus();
    j->Avalista1->Edit->setText(QStringLiteral("OUTRO NOME"));
    j->Avalista2->Edit->setFocus();
    verificaMensagens();
    QCOMPARE(j->findChildren<TfCadastrosGerais *>().size(), 1);
    QCOMPARE(j->findChild<TfCadastrosGerais *>()->retorno(), 49); // still the emitter's
}

void TstNotas::datasPelaRegraDasDatas()
{
    auto j = abre();
    j->ButNovo->click();
    // An impossible date keeps the focus; an untouched mask empties the date.
    j->EditVencimento->setFocus();
    j->EditVencimento->setTexto(QStringLiteral("31022027"));
    msg->espera(QStringLiteral("Não é uma data válida!"));
    j->EditEmissao->setFocus();
    QCoreApplication::processEvents();
    verificaMensagens();
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(j->EditVencimento));
    j->EditVencimento->setTexto(QString());
    entra(j->EditValor, QStringLiteral("10,00"));
    entra(j->Emitente->Edit, QStringLiteral("ANA PAULA"));
    j->EditEmissao->setFocus();
    msg->espera(QStringLiteral("É necessário informar o vencimento !"));
    j->ButGravar->click();
    verificaMensagens();
    QCOMPARE(conta(QStringLiteral("select count(*) from NOTAPROMISSORIA")), 0);
    // An empty count is refused, not taken as one installment.
    j->EditVencimento->setData(QDate(2027, 2, 10));
    entra(j->EditTotalParcelas, QString());
    j->EditEmissao->setFocus();
    msg->espera(QStringLiteral("É necessário informar o total de parcelas !"));
    j->ButGravar->click();
    verificaMensagens();
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(j->EditTotalParcelas));
}
