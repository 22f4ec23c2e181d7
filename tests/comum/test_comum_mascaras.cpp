#include "test_comum.h"

#include "DataEdit.h"
#include "MaskEdit.h"
#include "MascaraDelphi.h"

#include <QTest>

namespace {
const QString CPF = QStringLiteral("999.999.999-99;0;_");
const QString CNPJ = QStringLiteral("99.999.999/9999-99;0;_");
const QString Telefone = QStringLiteral("!\\(99)9999-99999;0;_");
const QString CEP = QStringLiteral("99999\\-999;0;_");
const QString Contato = QStringLiteral("(##)#########");
const QString Fone0800 = QStringLiteral("####-#######");
} // namespace

void TesteComum::mascaraQt_data()
{
    QTest::addColumn<QString>("delphi");
    QTest::addColumn<QString>("qt");
    QTest::newRow("CPF") << CPF << "000.000.000-00;_";
    QTest::newRow("CNPJ") << CNPJ << "00.000.000/0000-00;_";
    QTest::newRow("data") << "##/##/####" << "##/##/####;_";
    QTest::newRow("telefone") << Telefone << "(00)0000-00000;_";
    QTest::newRow("CEP") << CEP << "00000-000;_";
    QTest::newRow("contato") << Contato << "(##)#########;_";
    QTest::newRow("contato longo") << "(##)##########" << "(##)##########;_";
    QTest::newRow("FONE 0800") << Fone0800 << "####-#######;_";
    QTest::newRow("CPF de usuário") << "###.###.###-##;0;_" << "###.###.###-##;_";
    QTest::newRow("obrigatórios e opcionais") << "00-LLl-AAa-Cc" << "99-AAa-NNn-Xx;_";
    QTest::newRow("caixa") << ">LL<ll<>cc" << ">AA<aa!xx;_";
    QTest::newRow("escapados") << "\\0\\9\\#\\L\\!\\>\\<\\\\" << "\\0\\9\\#L\\!\\>\\<\\\\;_";
    QTest::newRow("letras literais") << "NnXxDdHhBb[]{}"
                                     << "\\N\\n\\X\\x\\D\\d\\H\\h\\B\\b\\[\\]\\{\\};_";
    QTest::newRow("hora e branco") << "99:99 h;1; " << "00:00 \\h; ";
    QTest::newRow("sublinhado") << "99_99" << "00 00;_";
    QTest::newRow("sem posições") << ">" << "";
    QTest::newRow("vazia") << "" << "";
}

void TesteComum::mascaraQt()
{
    QFETCH(QString, delphi);
    QFETCH(QString, qt);
    QCOMPARE(::mascaraQt(delphi), qt);
}

void TesteComum::camposDaMascara_data()
{
    QTest::addColumn<QString>("delphi");
    QTest::addColumn<QString>("mascara");
    QTest::addColumn<bool>("salvaLiterais");
    QTest::addColumn<QChar>("branco");
    QTest::addColumn<bool>("daDireita");
    QTest::newRow("CPF") << CPF << "999.999.999-99" << false << QChar(u'_') << false;
    QTest::newRow("só a máscara") << "##/##/####" << "##/##/####" << true << QChar(u'_') << false;
    QTest::newRow("telefone") << Telefone << "!\\(99)9999-99999" << false << QChar(u'_') << true;
    QTest::newRow("salva, outro branco") << "99;1;*" << "99" << true << QChar(u'*') << false;
    QTest::newRow("sem branco") << "99;0" << "99" << false << QChar(u'_') << false;
    QTest::newRow("branco espaço") << "99;0; " << "99" << false << QChar(u' ') << false;
    QTest::newRow("branco vazio") << "99;0;" << "99" << false << QChar(u'_') << false;
    QTest::newRow("flag vazia") << "99;;x" << "99" << true << QChar(u'x') << false;
    QTest::newRow("; escapado") << "\\;99;0;x" << "\\;99" << false << QChar(u'x') << false;
    QTest::newRow("! escapado") << "\\!99" << "\\!99" << true << QChar(u'_') << false;
}

void TesteComum::camposDaMascara()
{
    QFETCH(QString, delphi);
    const MascaraDelphi m = MascaraDelphi::interpreta(delphi);
    QTEST(m.mascara, "mascara");
    QTEST(m.salvaLiterais, "salvaLiterais");
    QTEST(m.branco, "branco");
    QTEST(m.preencheDaDireita(), "daDireita");
}

void TesteComum::digitacao_data()
{
    QTest::addColumn<QString>("mascara");
    QTest::addColumn<QString>("teclas");
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QString>("visivel");
    QTest::newRow("CPF") << CPF << "12345678901" << "12345678901" << "123.456.789-01";
    QTest::newRow("CPF recusa letras") << CPF << "12a3b" << "123" << "123.   .   -  ";
    QTest::newRow("CNPJ") << CNPJ << "11222333000181" << "11222333000181" << "11.222.333/0001-81";
    QTest::newRow("CEP") << CEP << "12345678" << "12345678" << "12345-678";
    QTest::newRow("celular") << Telefone << "11987654321" << "11987654321" << "(11)9876-54321";
    QTest::newRow("fixo") << Telefone << "1133334444" << "1133334444" << "(11)3333-4444 ";
    QTest::newRow("contato salva literais")
        << Contato << "11987654321" << "(11)987654321" << "(11)987654321";
    QTest::newRow("contato incompleto") << Contato << "1198765" << "(11)98765" << "(11)98765    ";
    QTest::newRow("FONE 0800") << Fone0800 << "08001234567" << "0800-1234567" << "0800-1234567";
    QTest::newRow("data") << "##/##/####" << "01022024" << "01/02/2024" << "01/02/2024";
    QTest::newRow("maiúsculas") << ">LLL" << "abc" << "ABC" << "ABC";
}

void TesteComum::digitacao()
{
    QFETCH(QString, mascara);
    QFETCH(QString, teclas);
    MaskEdit edit(mascara);
    QTest::keyClicks(&edit, teclas);
    QTEST(edit.texto(), "texto");
    QTEST(edit.textoVisivel(), "visivel");
    QVERIFY(!edit.vazio());
}

void TesteComum::setTexto_data()
{
    QTest::addColumn<QString>("mascara");
    QTest::addColumn<QString>("armazenado");
    QTest::addColumn<QString>("visivel");
    QTest::addColumn<QString>("texto");
    QTest::newRow("CPF") << CPF << "12345678901" << "123.456.789-01" << "12345678901";
    QTest::newRow("CPF incompleto") << CPF << "123" << "123.   .   -  " << "123";
    QTest::newRow("CNPJ") << CNPJ << "11222333000181" << "11.222.333/0001-81" << "11222333000181";
    QTest::newRow("CEP") << CEP << "12345678" << "12345-678" << "12345678";
    // A character the position refuses leaves it blank.
    QTest::newRow("CEP com caractere inválido") << CEP << "12a45678" << "12 45-678" << "1245678";
    QTest::newRow("celular") << Telefone << "11987654321" << "(11)9876-54321" << "11987654321";
    // '!': a shorter value fills the positions from the right.
    QTest::newRow("fixo pela direita") << Telefone << "1133334444" << "( 1)1333-34444" << "1133334444";
    QTest::newRow("contato com literais")
        << Contato << "(11)987654321" << "(11)987654321" << "(11)987654321";
    QTest::newRow("data") << "##/##/####" << "05/12/2024" << "05/12/2024" << "05/12/2024";
    QTest::newRow("data vazia") << "##/##/####" << "" << "  /  /    " << "";
    QTest::newRow("obrigatória em branco") << "00;0;_" << " 5" << " 5" << "5";
}

void TesteComum::setTexto()
{
    QFETCH(QString, mascara);
    QFETCH(QString, armazenado);
    MaskEdit edit(mascara);
    QTest::keyClicks(&edit, QStringLiteral("999")); // something to replace
    edit.setTexto(armazenado);
    QTEST(edit.textoVisivel(), "visivel");
    QTEST(edit.texto(), "texto");
    QCOMPARE(edit.vazio(), armazenado.isEmpty());
    QVERIFY(!edit.isModified());

}

void TesteComum::dataIntocada()
{
    DataEdit data;
    QCOMPARE(data.displayText(), QStringLiteral("__/__/____"));
    QCOMPARE(data.textoVisivel(), QStringLiteral("  /  /    "));
    QVERIFY(data.vazio());
    QCOMPARE(data.texto(), QString());
    QVERIFY(!data.data().isValid());

    // Typing starts at the first position; erasing everything gives the untouched text back.
    QTest::keyClicks(&data, QStringLiteral("01"));
    QCOMPARE(data.textoVisivel(), QStringLiteral("01/  /    "));
    QTest::keyClick(&data, Qt::Key_Backspace);
    QTest::keyClick(&data, Qt::Key_Backspace);
    QCOMPARE(data.textoVisivel(), QStringLiteral("  /  /    "));
    QVERIFY(data.vazio());
}

void TesteComum::trocaDeMascaraMantemDigitos()
{
    MaskEdit edit(CPF);
    edit.setTexto(QStringLiteral("12345678901"));
    edit.setMascara(CNPJ);
    QCOMPARE(edit.mascara(), CNPJ);
    QCOMPARE(edit.texto(), QStringLiteral("12345678901"));
    QCOMPARE(edit.textoVisivel(), QStringLiteral("12.345.678/901 -  "));

    edit.setMascara(QString());
    QCOMPARE(edit.text(), QStringLiteral("12345678901"));
    QCOMPARE(edit.texto(), QStringLiteral("12345678901"));

    edit.setText(QStringLiteral("12345-678"));
    edit.setMascara(CEP);
    QCOMPARE(edit.texto(), QStringLiteral("12345678"));
}
