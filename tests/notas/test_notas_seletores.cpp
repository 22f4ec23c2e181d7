// The person and city pickers of the note window.

#include "PainelEdicaoEmpresa.h"
#include "SeletoresEndereco.h"
#include "TfEmpresas.h"
#include "test_notas.h"

#include "AbridorJanelas.h"
#include "Digitacao.h"
#include "PainelEdicaoCliente.h"
#include "SeletorLocalidade.h"
#include "SeletorPessoa.h"
#include "TfCadastrosGerais.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QPlainTextEdit>
#include "DataEdit.h"
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QToolButton>

namespace {
void entra(QWidget *w, const QString &texto)
{
    w->setFocus();
    if (auto *e = qobject_cast<QLineEdit *>(w)) e->clear();
    digita(w, texto);
}
int linhaSelecionada(QTableView *g)
{
    const auto linhas = g->selectionModel()->selectedRows();
    return linhas.isEmpty() ? -1 : linhas.first().row();
}
} // namespace

void TstNotas::digitarMoveCursorSemEscolher()
{
    auto j = abre();
    j->ButNovo->click();
    SeletorPessoa *s = j->Emitente;
    entra(s->Edit, QStringLiteral("12"));
    QVERIFY(s->listaVisivel());
    QCOMPARE(j->Pessoas->codigo(s->cursor()), 12);
    QCOMPARE(linhaSelecionada(s->Grid), s->cursor());
    QCOMPARE(s->codigo(), 0);
    entra(s->Edit, QStringLiteral("MAR"));
    QCOMPARE(j->Pessoas->nome(s->cursor()), QStringLiteral("MARCOS LIMA"));
    QCOMPARE(s->codigo(), 0);
    // Emptying the text hides the list; ESC on an unchosen text empties it.
    entra(s->Edit, QStringLiteral("MARI"));
    QTest::keyClick(s->Edit, Qt::Key_Escape);
    QCOMPARE(s->Edit->text(), QString());
    QVERIFY(!s->listaVisivel() || s->Edit->text().isEmpty());
    verificaMensagens();
}

void TstNotas::nomeExatoEscolheSemDialogo()
{
    auto j = abre();
    j->ButNovo->click();
    entra(j->Emitente->Edit, QStringLiteral("maria da silva"));
    j->EditEmissao->setFocus();
    verificaMensagens();
    QCOMPARE(j->Emitente->codigo(), 21);
    QCOMPARE(j->Emitente->Edit->text(), QStringLiteral("MARIA DA SILVA"));
    QCOMPARE(j->QryPrincipal[QStringLiteral("NP_COD_EMITENTE")].asInteger(), 21);
    QCOMPARE(j->EditDocEmitente->text(), QStringLiteral("123456789021"));
    // An unknown name offers the register-or-use dialog; "Utilizar" takes the candidate under the cursor.
    msg->esperaAviso9(QStringLiteral("\"PEDRO S\""), RespostaAviso9::Utilizar);
    entra(j->Avalista1->Edit, QStringLiteral("PEDRO S"));
    j->EditEmissao->setFocus();
    verificaMensagens();
    QCOMPARE(j->Avalista1->codigo(), 22);
    // "Voltar" empties the text and chooses nothing.
    msg->esperaAviso9(QStringLiteral("\"ZZZ\""), RespostaAviso9::Voltar);
    entra(j->Avalista2->Edit, QStringLiteral("ZZZ"));
    j->EditEmissao->setFocus();
    verificaMensagens();
    QCOMPARE(j->Avalista2->codigo(), 0);
    QCOMPARE(j->Avalista2->Edit->text(), QString());
}

void TstNotas::setasEscolhem()
{
    auto j = abre();
    j->ButNovo->click();
    SeletorPessoa *s = j->Avalista3;
    entra(s->Edit, QStringLiteral("MARCOS LIMA"));
    QTest::keyClick(s->Edit, Qt::Key_Down);
    QCOMPARE(s->codigo(), 21);
    QTest::keyClick(s->Edit, Qt::Key_Down);
    QCOMPARE(s->codigo(), 22); // the last name
    QTest::keyClick(s->Edit, Qt::Key_Down);
    QCOMPARE(s->codigo(), 22); // stays on the last name
    QCOMPARE(s->Edit->text(), QStringLiteral("PEDRO SOUZA"));
    QTest::keyClick(s->Edit, Qt::Key_Up);
    QCOMPARE(s->codigo(), 21);
    verificaMensagens();
}

void TstNotas::cidadeNovaSemEstadoRecusada()
{
    auto j = abre();
    j->ButNovo->click();
    j->ComboEstados2->setCurrentText(QString());
    msg->espera(QStringLiteral("É necessário informar o estado!"));
    entra(j->Praca->Edit, QStringLiteral("CIDADE NOVA"));
    j->EditEmissao->setFocus();
    verificaMensagens();
    QCOMPARE(j->Praca->codigo(), 0);
    QCOMPARE(j->Praca->Edit->text(), QString());
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(j->ComboEstados2));
    QCOMPARE(conta(QStringLiteral("select count(*) from CIDADES where CD_NOME='CIDADE NOVA'")), 0);
}

void TstNotas::cidadeCadastradaApareceNasDuasPracas()
{
    auto j = abre();
    j->ButNovo->click();
    QCOMPARE(j->ComboEstados->currentText(), QStringLiteral("SP"));
    msg->esperaAviso9(QStringLiteral("\"SANTOS\""), RespostaAviso9::Cadastrar);
    entra(j->Cidade->Edit, QStringLiteral("SANTOS"));
    j->MemoDescricao->setFocus();
    verificaMensagens();
    const int nova = conta(QStringLiteral("select CD_CODIGO from CIDADES where CD_NOME='SANTOS' and CD_UF='SP' and CD_EXIBIR='T'"));
    QVERIFY(nova > 2);
    QCOMPARE(j->Cidade->codigo(), nova);
    // The praça picker of the same state lists it when entered.
    j->Praca->Edit->setFocus();
    QVERIFY(j->Praca->Qry.locate(QStringLiteral("CD_CODIGO"), nova));
    entra(j->Praca->Edit, QStringLiteral("SANTOS"));
    j->EditEmissao->setFocus();
    verificaMensagens();
    QCOMPARE(j->Praca->codigo(), nova);
}

void TstNotas::pessoaDoBotaoMaisVoltaAoSeletor()
{
    AbridorJanelas::registra(TipoJanela::CadastrosGerais, [](QWidget *pai) { return new TfCadastrosGerais(pai); });
    auto j = abre();
    j->ButNovo->click();
    j->BitBtn17->click(); // guarantor 2
    auto *p = j->findChild<TfCadastrosGerais *>();
    QVERIFY(p);
    QCOMPARE(p->retorno(), 52);
    QVERIFY(p->modo() == 1);
    entra(p->Edicao->EditNome, QStringLiteral("NOVA AVALISTA"));
    p->ButGravar->click();
    QCoreApplication::processEvents();
    AbridorJanelas::remove(TipoJanela::CadastrosGerais);
    const int codigo = conta(QStringLiteral("select CG_CODIGO from CADASTROS where CG_NOME='NOVA AVALISTA'"));
    QVERIFY(codigo > 0);
    QCOMPARE(j->Avalista2->codigo(), codigo);
    QCOMPARE(j->Avalista2->Edit->text(), QStringLiteral("NOVA AVALISTA"));
    QVERIFY(j->Pessoas->linhaDoCodigo(codigo) >= 0); // the candidates were reopened
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(j->Avalista3->Edit));
}

void TstNotas::credorPreenchePracaECidade()
{
    executa(QStringLiteral("INSERT INTO EMPRESAS (EM_CODIGO, EM_NOME, EM_TIPO_PESSOA, EM_COD_CIDADE) VALUES (2, 'FILIAL', 'J', 2)"));
    auto j = abre();
    j->ButNovo->click();
    QCOMPARE(j->Praca->Edit->text(), QStringLiteral("SAO PAULO"));
    j->LkpCredor->setFocus();
    j->LkpCredor->setCurrentIndex(j->LkpCredor->findText(QStringLiteral("FILIAL")));
    j->EditCodVenda->setFocus();
    QCOMPARE(j->Praca->codigo(), 2);
    QCOMPARE(j->Cidade->codigo(), 2);
    QCOMPARE(j->Cidade->Edit->text(), QStringLiteral("CAMPINAS"));
    QCOMPARE(j->QryPrincipal[QStringLiteral("NP_COD_PRACA")].asInteger(), 2);
    verificaMensagens();
}

// A company saved in the companies window while a note is being issued becomes its creditor.
void TstNotas::empresaGravadaViraCredor()
{
    auto j = abre();
    j->ButNovo->click();
    auto empresas = std::make_unique<TfEmpresas>();
    empresas->setAttribute(Qt::WA_DeleteOnClose, false);
    empresas->show();
    empresas->ButNovo->click();
    entra(empresas->Edicao->EditNome, QStringLiteral("NOVA CREDORA"));
    entra(empresas->Edicao->EditCPF, QStringLiteral("11222333000181"));
    empresas->Edicao->Endereco->defineUf(QStringLiteral("SP"));
    empresas->ButGravar->click();
    const int codigo = conta(QStringLiteral("select EM_CODIGO from EMPRESAS where EM_NOME='NOVA CREDORA'"));
    QVERIFY(codigo > 0);
    QCOMPARE(j->LkpCredor->currentData().toInt(), codigo);
    QCOMPARE(j->LkpCredor->currentText(), QStringLiteral("NOVA CREDORA"));
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(j->EditCodVenda));
    verificaMensagens();
}
