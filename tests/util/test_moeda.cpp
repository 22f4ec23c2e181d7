// Money: text in reais, parsing, and exact scaling to and from the database's decimals.
#include "Moeda.h"

#include <QTest>

class TesteMoeda : public QObject {
    Q_OBJECT

private slots:
    void formatado_data();
    void formatado();
    void deTexto_data();
    void deTexto();
    void deTextoRecusa_data();
    void deTextoRecusa();
    void escala_data();
    void escala();
    void deDouble_data();
    void deDouble();
};

void TesteMoeda::formatado_data()
{
    QTest::addColumn<qint64>("unidades");
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QString>("semSimbolo");
    QTest::newRow("milhar") << qint64(12345600) << "R$ 1.234,56" << "1.234,56";
    QTest::newRow("negativo") << qint64(-12345600) << "-R$ 1.234,56" << "-1.234,56";
    QTest::newRow("zero") << qint64(0) << "R$ 0,00" << "0,00";
    QTest::newRow("centavos com zero") << qint64(10500) << "R$ 1,05" << "1,05";
    QTest::newRow("cem") << qint64(1000000) << "R$ 100,00" << "100,00";
    QTest::newRow("mil exato") << qint64(10000000) << "R$ 1.000,00" << "1.000,00";
    QTest::newRow("bilhões") << qint64(1234567890120000) << "R$ 123.456.789.012,00" << "123.456.789.012,00";
    QTest::newRow("arredonda para baixo") << qint64(12345) << "R$ 1,23" << "1,23";
    QTest::newRow("meio centavo sobe") << qint64(12350) << "R$ 1,24" << "1,24";
    QTest::newRow("meio centavo negativo") << qint64(-12350) << "-R$ 1,24" << "-1,24";
    QTest::newRow("vira o real") << qint64(19999) << "R$ 2,00" << "2,00";
    QTest::newRow("negativo que arredonda a zero") << qint64(-40) << "R$ 0,00" << "0,00";
    QTest::newRow("meio centavo negativo sozinho") << qint64(-50) << "-R$ 0,01" << "-0,01";
}

void TesteMoeda::formatado()
{
    QFETCH(qint64, unidades);
    QFETCH(QString, texto);
    QFETCH(QString, semSimbolo);
    const Moeda m = Moeda::deUnidades(unidades);
    QCOMPARE(m.formatado(), texto);
    QCOMPARE(m.formatadoSemSimbolo(), semSimbolo);
}

void TesteMoeda::deTexto_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<qint64>("unidades");
    QTest::newRow("milhar com ponto") << "1.234,56" << qint64(12345600);
    QTest::newRow("sem ponto") << "1234,56" << qint64(12345600);
    QTest::newRow("milhões") << "1.234.567,89" << qint64(12345678900);
    QTest::newRow("negativo") << "-12,5" << qint64(-125000);
    QTest::newRow("com símbolo") << "R$ 1.234,56" << qint64(12345600);
    QTest::newRow("negativo com símbolo") << "-R$ 1.234,56" << qint64(-12345600);
    QTest::newRow("sinal após o símbolo") << "R$ -1,00" << qint64(-10000);
    QTest::newRow("inteiro com brancos") << " 7 " << qint64(70000);
    QTest::newRow("só decimais") << ",5" << qint64(5000);
    QTest::newRow("quatro decimais") << "0,1234" << qint64(1234);
    QTest::newRow("zero") << "0,00" << qint64(0);
    QTest::newRow("formatado de volta") << Moeda::deUnidades(-98765432100).formatado() << qint64(-98765432100);
}

void TesteMoeda::deTexto()
{
    QFETCH(QString, texto);
    QFETCH(qint64, unidades);
    const std::optional<Moeda> m = Moeda::deTexto(texto);
    QVERIFY(m.has_value());
    QCOMPARE(m->unidades(), unidades);
}

void TesteMoeda::deTextoRecusa_data()
{
    QTest::addColumn<QString>("texto");
    QTest::newRow("vazio") << "";
    QTest::newRow("brancos") << "   ";
    QTest::newRow("letras") << "abc";
    QTest::newRow("só o símbolo") << "R$";
    QTest::newRow("só o sinal") << "-";
    QTest::newRow("só a vírgula") << ",";
    QTest::newRow("duas vírgulas") << "1,2,3";
    QTest::newRow("ponto decimal") << "1234.56";
    QTest::newRow("grupo de dois") << "1.23";
    QTest::newRow("grupo de quatro") << "1.2345,00";
    QTest::newRow("cinco decimais") << "1,23456";
    QTest::newRow("sinal duplo") << "--5";
    QTest::newRow("branco no meio") << "1 234";
    QTest::newRow("grande demais") << "123456789012345";
}

void TesteMoeda::deTextoRecusa()
{
    QFETCH(QString, texto);
    QVERIFY(!Moeda::deTexto(texto).has_value());
}

void TesteMoeda::escala_data()
{
    // NUMERIC(18,3) travels as an integer scaled by 10^3.
    QTest::addColumn<qint64>("escalado");
    QTest::addColumn<int>("decimais");
    QTest::addColumn<qint64>("unidades");
    QTest::addColumn<qint64>("volta"); // unidades back to `decimais`
    QTest::newRow("3 decimais") << qint64(1234567) << 3 << qint64(12345670) << qint64(1234567);
    QTest::newRow("3 decimais negativo") << qint64(-1) << 3 << qint64(-10) << qint64(-1);
    QTest::newRow("perto do limite de 64 bits") << qint64(922337203685477) << 3 << qint64(9223372036854770)
                                                << qint64(922337203685477);
    QTest::newRow("0 decimais") << qint64(5) << 0 << qint64(50000) << qint64(5);
    QTest::newRow("4 decimais") << qint64(12345) << 4 << qint64(12345) << qint64(12345);
    QTest::newRow("5 decimais arredonda") << qint64(123455) << 5 << qint64(12346) << qint64(123460);
    QTest::newRow("5 decimais negativo") << qint64(-123455) << 5 << qint64(-12346) << qint64(-123460);
}

void TesteMoeda::escala()
{
    QFETCH(qint64, escalado);
    QFETCH(int, decimais);
    QFETCH(qint64, unidades);
    QFETCH(qint64, volta);
    const Moeda m = Moeda::deEscalado(escalado, decimais);
    QCOMPARE(m.unidades(), unidades);
    QCOMPARE(m.escalado(decimais), volta);
}

void TesteMoeda::deDouble_data()
{
    QTest::addColumn<double>("valor");
    QTest::addColumn<qint64>("unidades");
    QTest::addColumn<qint64>("tresDecimais");
    QTest::newRow("1234.56") << 1234.56 << qint64(12345600) << qint64(1234560);
    QTest::newRow("0.1 + 0.2") << 0.1 + 0.2 << qint64(3000) << qint64(300);
    QTest::newRow("meia unidade sobe") << 0.00005 << qint64(1) << qint64(0);
    QTest::newRow("meia unidade negativa") << -0.00005 << qint64(-1) << qint64(0);
    QTest::newRow("4ª casa arredonda na 3ª") << 1.2345 << qint64(12345) << qint64(1235);
    QTest::newRow("negativo na 3ª") << -1.2345 << qint64(-12345) << qint64(-1235);
}

void TesteMoeda::deDouble()
{
    QFETCH(double, valor);
    QFETCH(qint64, unidades);
    QFETCH(qint64, tresDecimais);
    const Moeda m = Moeda::deDouble(valor);
    QCOMPARE(m.unidades(), unidades);
    QCOMPARE(m.escalado(3), tresDecimais);
}

QTEST_APPLESS_MAIN(TesteMoeda)
#include "test_moeda.moc"
