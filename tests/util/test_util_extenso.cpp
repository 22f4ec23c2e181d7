// Amount in words.
#include "test_util.h"

#include "MensagensRoteiro.h"
#include "uFuncoes.h"

#include <QTest>
#include <limits>

void TesteUtil::centenaPorExtenso_data()
{
    QTest::addColumn<QString>("grupo");
    QTest::addColumn<QString>("palavras");
    QTest::newRow("000") << "000" << "";
    QTest::newRow("001") << "001" << "Um";
    QTest::newRow("003") << "003" << "Tres";
    QTest::newRow("010") << "010" << "Dez";
    QTest::newRow("011") << "011" << "Onze";
    QTest::newRow("014") << "014" << "Quatorze";
    QTest::newRow("019") << "019" << "Dezenove";
    QTest::newRow("020") << "020" << "Vinte";
    QTest::newRow("021") << "021" << "Vinte e Um";
    QTest::newRow("100") << "100" << "Cem";
    QTest::newRow("101") << "101" << "Cento e Um";
    QTest::newRow("110") << "110" << "Cento e Dez";
    QTest::newRow("111") << "111" << "Cento e Onze";
    QTest::newRow("123") << "123" << "Cento e Vinte e Tres";
    QTest::newRow("200") << "200" << "Duzentos";
    QTest::newRow("305") << "305" << "Trezentos e Cinco";
    QTest::newRow("340") << "340" << "Trezentos e Quarenta";
    QTest::newRow("999") << "999" << "Novecentos e Noventa e Nove";
}

void TesteUtil::centenaPorExtenso()
{
    QFETCH(QString, grupo);
    QFETCH(QString, palavras);
    QCOMPARE(CentenaPorExtenso(grupo), palavras);
}

void TesteUtil::valorPorExtenso_data()
{
    QTest::addColumn<double>("valor");
    QTest::addColumn<QString>("texto");
    QTest::newRow("0.01") << 0.01 << "Um Centavo.";
    QTest::newRow("0.50") << 0.50 << "Cinquenta Centavos.";
    QTest::newRow("1.00") << 1.00 << "Um Real.";
    QTest::newRow("1.01") << 1.01 << "Um Real, e Um Centavo.";
    QTest::newRow("2.00") << 2.00 << "Dois Reais.";
    QTest::newRow("21.00") << 21.00 << "Vinte e Um Reais.";
    QTest::newRow("100.00") << 100.00 << "Cem Reais.";
    QTest::newRow("101.00") << 101.00 << "Cento e Um Reais.";
    QTest::newRow("1000.00") << 1000.00 << "Um Mil Reais.";
    QTest::newRow("1001.00") << 1001.00 << "Um Mil,  e Um Reais.";
    QTest::newRow("1010.00") << 1010.00 << "Um Mil, Dez Reais.";
    QTest::newRow("1100.00") << 1100.00 << "Um Mil, Cem Reais.";
    QTest::newRow("1234.56") << 1234.56
                             << "Um Mil, Duzentos e Trinta e Quatro Reais, e Cinquenta e Seis Centavos.";
    QTest::newRow("2000.01") << 2000.01 << "Dois Mil Reais, e Um Centavo.";
    QTest::newRow("100000.00") << 100000.00 << "Cem Mil Reais.";
    QTest::newRow("101000.00") << 101000.00 << "Cento e Um Mil Reais.";
    QTest::newRow("999999.99")
        << 999999.99
        << "Novecentos e Noventa e Nove Mil, Novecentos e Noventa e Nove Reais, e Noventa e Nove Centavos.";
    // Edges: zero, amounts that round to no cent, to one cent, and binary fractions.
    QTest::newRow("zero") << 0.0 << "";
    QTest::newRow("zero negativo") << -0.0 << "";
    QTest::newRow("0.004 arredonda para nada") << 0.004 << ".";
    QTest::newRow("0.005 arredonda para um centavo") << 0.005 << "Um Centavo.";
    QTest::newRow("1.005 como digitado") << 1.005 << "Um Real, e Um Centavo.";
    QTest::newRow("0.1 + 0.2") << 0.1 + 0.2 << "Trinta Centavos.";
    QTest::newRow("11.99") << 11.99 << "Onze Reais, e Noventa e Nove Centavos.";
    QTest::newRow("999.10") << 999.10 << "Novecentos e Noventa e Nove Reais, e Dez Centavos.";
    QTest::newRow("1000.01") << 1000.01 << "Um Mil Reais, e Um Centavo.";
    QTest::newRow("15001.15") << 15001.15 << "Quinze Mil,  e Um Reais, e Quinze Centavos.";
}

void TesteUtil::valorPorExtenso()
{
    QFETCH(double, valor);
    QFETCH(QString, texto);
    MensagensRoteiro mensagens;
    QCOMPARE(ValorPorExtenso(valor), texto);
    QString porque;
    QVERIFY2(mensagens.verificaFim(&porque), qPrintable(porque));
}

void TesteUtil::valorPorExtensoForaDoIntervalo_data()
{
    QTest::addColumn<double>("valor");
    QTest::newRow("1000000") << 1000000.0;
    QTest::newRow("999999.991") << 999999.991;
    QTest::newRow("-0.01") << -0.01;
    QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN();
    QTest::newRow("infinito") << std::numeric_limits<double>::infinity();
}

void TesteUtil::valorPorExtensoForaDoIntervalo()
{
    QFETCH(double, valor);
    MensagensRoteiro mensagens;
    mensagens.aceitaTudo();
    QCOMPARE(ValorPorExtenso(valor), QString());
    QCOMPARE(mensagens.registradas.size(), 1);
    const Mensagem &m = mensagens.registradas.first();
    QCOMPARE(m.texto, QStringLiteral("O valor está fora do intervalo permitido.O número deve ser maior ou igual "
                                     "a zero e menor que 999.999,99. Se não for corrigido o número não será "
                                     "escrito por extenso."));
    QCOMPARE(m.icone, Icone::Nenhum);
    QCOMPARE(m.titulo, Mensagens::tituloAplicacao());
}
