// Integer tests, accent removal, typed dates and the computer's name.
#include "test_util.h"

#include "MensagensRoteiro.h"
#include "uFuncoes.h"

#include <QHostInfo>
#include <QRegularExpression>
#include <QTest>

void TesteUtil::extraiNumero_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<int>("numero");
    QTest::newRow("versão 2.5") << "2.5" << 25;
    QTest::newRow("versão 3.0") << "3.0" << 30;
    QTest::newRow("letras no meio") << "WI-V2.5" << 25;
    QTest::newRow("zeros à esquerda") << "007" << 7;
    QTest::newRow("limite 32 bits") << "2147483647" << 2147483647;
}

void TesteUtil::extraiNumero()
{
    QFETCH(QString, texto);
    QFETCH(int, numero);
    QCOMPARE(ExtraiNumero(texto), numero);
}

void TesteUtil::extraiNumeroRecusa_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QString>("mensagem");
    QTest::newRow("vazio") << "" << "'' não é um valor inteiro válido";
    QTest::newRow("sem dígitos") << "abc" << "'' não é um valor inteiro válido";
    QTest::newRow("vírgula") << "1,2" << "'1,2' não é um valor inteiro válido";
    QTest::newRow("além de 32 bits") << "2147483648" << "'2147483648' não é um valor inteiro válido";
}

void TesteUtil::extraiNumeroRecusa()
{
    QFETCH(QString, texto);
    QFETCH(QString, mensagem);
    try {
        ExtraiNumero(texto);
        QFAIL("a conversão deveria falhar");
    } catch (const ErroConversao &e) {
        QCOMPARE(e.texto(), mensagem);
    }
}

void TesteUtil::validaInteiro_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<bool>("valido");
    QTest::newRow("código") << "123" << true;
    QTest::newRow("brancos à esquerda e sinal") << "  -45" << true;
    QTest::newRow("sinal +") << "+7" << true;
    QTest::newRow("zeros à esquerda") << "00012" << true;
    QTest::newRow("máximo") << "2147483647" << true;
    QTest::newRow("mínimo") << "-2147483648" << true;
    QTest::newRow("acima do máximo") << "2147483648" << false;
    QTest::newRow("abaixo do mínimo") << "-2147483649" << false;
    QTest::newRow("muito longo") << "99999999999999999999" << false;
    QTest::newRow("vazio") << "" << false;
    QTest::newRow("só brancos") << "   " << false;
    QTest::newRow("só sinal") << "-" << false;
    QTest::newRow("branco à direita") << "12 " << false;
    QTest::newRow("nome") << "JOSE" << false;
    QTest::newRow("dígito e letra") << "1A" << false;
    QTest::newRow("decimal") << "12.5" << false;
    QTest::newRow("hexadecimal") << "$1F" << false;
    QTest::newRow("sinal duplo") << "--1" << false;
}

void TesteUtil::validaInteiro()
{
    QFETCH(QString, texto);
    QFETCH(bool, valido);
    NumeroValido = !valido;
    ValidaInteiro(texto);
    QCOMPARE(NumeroValido, valido);
}

void TesteUtil::removeAcentos_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QString>("esperado");
    QTest::addColumn<bool>("tinhaAcento");
    QTest::newRow("São João") << "São João" << "Sao Joao" << true;
    QTest::newRow("maiúsculas") << "AÇÃO É ÚNICA" << "ACAO E UNICA" << true;
    QTest::newRow("ordinais") << "1ª e 2º" << "1- e 2-" << true;
    QTest::newRow("tabela inteira")
        << "áàâäãéèêëíìîïóòôöõúùûüçÁÀÂÄÃÉÈÊËÍÌÎÏÓÒÔÖÕÚÙÛÜÇªº"
        << "aaaaaeeeeiiiiooooouuuucAAAAAEEEEIIIIOOOOOUUUUC--" << true;
    QTest::newRow("sem acento") << "SERVIDOR-01" << "SERVIDOR-01" << false;
    QTest::newRow("fora da tabela") << "ñ ý ÿ" << "ñ ý ÿ" << false;
    QTest::newRow("vazio") << "" << "" << false;
}

void TesteUtil::removeAcentos()
{
    QFETCH(QString, texto);
    QFETCH(QString, esperado);
    QFETCH(bool, tinhaAcento);
    TinhaAcento = !tinhaAcento;
    const QString resultado = RemoveAcentos(texto);
    QCOMPARE(resultado, esperado);
    QCOMPARE(resultado.size(), texto.size());
    QCOMPARE(TinhaAcento, tinhaAcento);
}

void TesteUtil::validaData_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<bool>("aceita");
    QTest::addColumn<QDate>("data"); // invalid: the field ends null
    QTest::newRow("máscara intocada, ano de 4") << "  /  /    " << true << QDate();
    QTest::newRow("máscara intocada, ano de 2") << "  /  /  " << true << QDate();
    QTest::newRow("data comum") << "15/03/2026" << true << QDate(2026, 3, 15);
    QTest::newRow("29 de fevereiro bissexto") << "29/02/2024" << true << QDate(2024, 2, 29);
    QTest::newRow("dia e mês de um dígito") << "1 /2 /2020" << true << QDate(2020, 2, 1);
    QTest::newRow("ano de 2 dígitos, 49") << "01/01/49" << true << QDate(2049, 1, 1);
    QTest::newRow("ano de 2 dígitos, 50") << "31/12/50" << true << QDate(1950, 12, 31);
    QTest::newRow("ano de 2 na máscara de 4") << "10/10/20  " << true << QDate(2020, 10, 10);
    QTest::newRow("31 de fevereiro") << "31/02/2020" << false << QDate();
    QTest::newRow("29 de fevereiro comum") << "29/02/2023" << false << QDate();
    QTest::newRow("mês 13") << "15/13/2020" << false << QDate();
    QTest::newRow("dia 0") << "00/01/2020" << false << QDate();
    QTest::newRow("ano 0") << "01/01/0000" << false << QDate();
    QTest::newRow("mês em branco") << "12/  /2020" << false << QDate();
    QTest::newRow("só o ano em branco") << "12/05/    " << false << QDate();
    QTest::newRow("ano incompleto") << "12/05/202 " << false << QDate();
    QTest::newRow("letras") << "ab/cd/efgh" << false << QDate();
    QTest::newRow("texto vazio") << "" << false << QDate();
    QTest::newRow("formato ISO") << "2020-05-12" << false << QDate();
}

void TesteUtil::validaData()
{
    QFETCH(QString, texto);
    QFETCH(bool, aceita);
    QFETCH(QDate, data);
    MensagensRoteiro mensagens;
    if (!aceita) mensagens.espera(QStringLiteral("Não é uma data válida!"));

    QVariant campo = QDate(1999, 9, 9); // whatever the field held before
    QCOMPARE(ValidaData(campo, texto), aceita);
    if (data.isValid()) {
        QCOMPARE(campo.metaType(), QMetaType::fromType<QDate>());
        QCOMPARE(campo.toDate(), data);
    } else {
        QVERIFY(campo.isNull());
    }

    QString porque;
    QVERIFY2(mensagens.verificaFim(&porque), qPrintable(porque));
    if (!aceita) {
        QCOMPARE(mensagens.registradas.size(), 1);
        const Mensagem &m = mensagens.registradas.first();
        QCOMPARE(m.texto, QStringLiteral("Não é uma data válida!"));
        QCOMPARE(m.titulo, QStringLiteral("Informação!"));
        QCOMPARE(m.icone, Icone::Informacao);
    }
}

void TesteUtil::nomeEnderecoComputador()
{
    QString nome, endereco = QStringLiteral("antigo"), erro;
    QVERIFY(NomeEnderecoComputador(nome, endereco, erro));
    QCOMPARE(nome, QHostInfo::localHostName());
    if (!endereco.isEmpty()) {
        static const QRegularExpression ipv4(QStringLiteral("^\\d{1,3}(\\.\\d{1,3}){3}$"));
        QVERIFY2(ipv4.match(endereco).hasMatch(), qPrintable(endereco));
    }
    QVERIFY(erro.isEmpty());
}
