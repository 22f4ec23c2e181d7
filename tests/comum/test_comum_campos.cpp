#include "test_comum.h"

#include "CaixaTexto.h"
#include "DataEdit.h"
#include "MoedaEdit.h"

#include <QApplication>
#include <QRegularExpressionValidator>
#include <QTest>
#include <QVBoxLayout>

namespace {

// A shown, active window with a money box and a plain box to take the focus away.
struct JanelaMoeda {
    QWidget janela;
    MoedaEdit *moeda = new MoedaEdit;
    QLineEdit *outro = new QLineEdit;

    JanelaMoeda()
    {
        auto *l = new QVBoxLayout(&janela);
        l->addWidget(moeda);
        l->addWidget(outro);
        janela.show();
        janela.activateWindow();
    }
    bool ativa() { return QTest::qWaitForWindowActive(&janela); }
};

// QTest::keyClicks takes ASCII only.
void digita(QWidget *w, const QString &texto)
{
    for (const QChar c : texto)
        QTest::sendKeyEvent(QTest::Click, w, Qt::Key(c.toUpper().unicode()), QString(c), Qt::NoModifier);
}

int64_t unidades(const QString &texto)
{
    return texto.isEmpty() ? 0 : Moeda::deTexto(texto).value().unidades();
}

} // namespace

void TesteComum::dataEdit_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QDate>("data");
    QTest::newRow("dia/mês/ano") << "01/02/2024" << QDate(2024, 2, 1);
    QTest::newRow("mês 13 não é dia 13") << "01/13/2024" << QDate();
    QTest::newRow("bissexto") << "29/02/2024" << QDate(2024, 2, 29);
    QTest::newRow("não bissexto") << "29/02/2023" << QDate();
    QTest::newRow("31 de abril") << "31/04/2024" << QDate();
    QTest::newRow("dia e mês de um dígito") << "1 /2 /2024" << QDate(2024, 2, 1);
    QTest::newRow("ano de dois dígitos") << "01/02/24" << QDate();
    QTest::newRow("zeros") << "00/00/0000" << QDate();
    QTest::newRow("sinal") << "-1/02/2024" << QDate();
    QTest::newRow("vazia") << "" << QDate();
}

void TesteComum::dataEdit()
{
    QFETCH(QString, texto);
    DataEdit edit;
    edit.setTexto(texto);
    QTEST(edit.data(), "data");
}

void TesteComum::setData()
{
    DataEdit edit;
    edit.setData(QDate(2024, 12, 5));
    QCOMPARE(edit.textoVisivel(), QStringLiteral("05/12/2024"));
    QCOMPARE(edit.data(), QDate(2024, 12, 5));

    edit.setData(QDate());
    QVERIFY(edit.vazio());
    QCOMPARE(edit.textoVisivel(), QStringLiteral("  /  /    "));
}

void TesteComum::moedaDigitada_data()
{
    QTest::addColumn<QString>("teclas");
    QTest::addColumn<QString>("digitado");
    QTest::addColumn<QString>("aoSair");
    QTest::newRow("milhares e centavos") << "1234,56" << "1234,56" << "1.234,56";
    QTest::newRow("negativo, um decimal") << "-12,5" << "-12,5" << "-12,50";
    QTest::newRow("ponto recusado") << "1.2" << "12" << "12,00";
    QTest::newRow("terceiro decimal recusado") << "12,345" << "12,34" << "12,34";
    QTest::newRow("letras recusadas") << "a1b" << "1" << "1,00";
    QTest::newRow("segunda vírgula recusada") << "1,2,3" << "1,23" << "1,23";
    QTest::newRow("sinal só no início") << "5-" << "5" << "5,00";
    QTest::newRow("só o sinal") << "-" << "-" << "";
    QTest::newRow("só centavos") << ",5" << ",5" << "0,50";
    QTest::newRow("vazia") << "" << "" << "";
    QTest::newRow("grande") << "1234567890,1" << "1234567890,1" << "1.234.567.890,10";
}

void TesteComum::moedaDigitada()
{
    QFETCH(QString, teclas);
    QFETCH(QString, digitado);
    QFETCH(QString, aoSair);
    JanelaMoeda j;
    QVERIFY(j.ativa());
    j.moeda->setFocus();
    QTest::keyClicks(j.moeda, teclas);
    QCOMPARE(j.moeda->text(), digitado);

    j.outro->setFocus();
    QCOMPARE(j.moeda->text(), aoSair);
    QCOMPARE(j.moeda->valor().unidades(), unidades(aoSair));
}

void TesteComum::moedaSetValorEFoco()
{
    JanelaMoeda j;
    QVERIFY(j.ativa());
    j.outro->setFocus();
    j.moeda->setValor(Moeda::deTexto(QStringLiteral("1234567,8")).value());
    QCOMPARE(j.moeda->text(), QStringLiteral("1.234.567,80"));

    // Focused, it edits the plain number; the keypad's decimal key types the comma.
    j.moeda->setFocus();
    QCOMPARE(j.moeda->text(), QStringLiteral("1234567,80"));
    j.moeda->setText(QStringLiteral("99"));
    QTest::keyClick(j.moeda, Qt::Key_Period, Qt::KeypadModifier);
    QTest::keyClicks(j.moeda, QStringLiteral("9"));
    QCOMPARE(j.moeda->text(), QStringLiteral("99,9"));
    j.outro->setFocus();
    QCOMPARE(j.moeda->text(), QStringLiteral("99,90"));
    QCOMPARE(j.moeda->valor(), Moeda::deTexto(QStringLiteral("99,9")).value());

    j.moeda->setValor(-Moeda::deReais(1000));
    QCOMPARE(j.moeda->text(), QStringLiteral("-1.000,00"));
    j.moeda->clear();
    QVERIFY(j.moeda->vazio());
    QVERIFY(j.moeda->valor().ehZero());
}

void TesteComum::caixa_data()
{
    QTest::addColumn<bool>("maiuscula");
    QTest::addColumn<QString>("teclas");
    QTest::addColumn<QString>("esperado");
    QTest::addColumn<QString>("comX");
    QTest::newRow("nome") << true << "joão da silva" << "JOÃO DA SILVA" << "XJOÃO DA SILVA";
    QTest::newRow("endereço") << true << "rua 7, nº 10" << "RUA 7, Nº 10" << "XRUA 7, Nº 10";
    QTest::newRow("e-mail") << false << "Contato@Empresa.COM.br" << "contato@empresa.com.br"
                            << "xcontato@empresa.com.br";
}

void TesteComum::caixa()
{
    QFETCH(bool, maiuscula);
    QFETCH(QString, teclas);
    QLineEdit edit;
    maiuscula ? maiusculas(&edit) : minusculas(&edit);
    digita(&edit, teclas);
    QTEST(edit.text(), "esperado");

    // Typing in the middle keeps the cursor where it was.
    QTest::keyClick(&edit, Qt::Key_Home);
    QTest::keyClicks(&edit, maiuscula ? QStringLiteral("x") : QStringLiteral("X"));
    QTEST(edit.text(), "comX");
    QCOMPARE(edit.cursorPosition(), 1);
}

void TesteComum::caixaMantemValidadorDaCaixa()
{
    QLineEdit edit;
    edit.setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[A-Za-z]*")), &edit));
    edit.setText(QStringLiteral("ab"));
    maiusculas(&edit);
    QCOMPARE(edit.text(), QStringLiteral("AB")); // text already there follows the case
    QTest::keyClicks(&edit, QStringLiteral("c1d"));
    QCOMPARE(edit.text(), QStringLiteral("ABCD")); // the box's own rule still refuses digits

    minusculas(&edit); // replaces the upper case, keeps the box's rule
    QCOMPARE(edit.text(), QStringLiteral("abcd"));
    QTest::keyClicks(&edit, QStringLiteral("E2"));
    QCOMPARE(edit.text(), QStringLiteral("abcde"));
    edit.setText(QStringLiteral("XY"));
    QCOMPARE(edit.text(), QStringLiteral("xy"));
}
