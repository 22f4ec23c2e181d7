// CPF and CNPJ check digits.
#include "test_util.h"

#include "MensagensRoteiro.h"
#include "uFuncoes.h"

#include <QTest>

namespace {

// An invalid number shows exactly one information box with `texto`; a valid one shows none.
void confereAviso(const MensagensRoteiro &mensagens, bool valido, const QString &texto)
{
    if (valido) {
        QVERIFY2(mensagens.registradas.isEmpty(), qPrintable(mensagens.textos().join(u'|')));
        return;
    }
    QCOMPARE(mensagens.registradas.size(), 1);
    const Mensagem &m = mensagens.registradas.first();
    QCOMPARE(m.texto, texto);
    QCOMPARE(m.titulo, QStringLiteral("Informação!"));
    QCOMPARE(m.icone, Icone::Informacao);
    QCOMPARE(m.botoes, int(BotaoOk));
}

const QString AvisoCPF = QStringLiteral("O CPF digitado é inválido!");
const QString AvisoCNPJ = QStringLiteral("O CNPJ digitado é inválido!");

} // namespace

void TesteUtil::validaCPF_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<bool>("valido");
    QTest::newRow("com máscara") << "111.444.777-35" << true;
    QTest::newRow("só dígitos") << "11144477735" << true;
    QTest::newRow("onze dígitos iguais") << "111.111.111-11" << true;
    QTest::newRow("primeiro DV de resto 1 vira 0") << "100.000.001-08" << true;
    QTest::newRow("primeiro DV de resto 0 vira 0") << "100.000.006-04" << true;
    QTest::newRow("dígitos além do 11º ignorados") << "1114447773599" << true;
    QTest::newRow("DV trocados") << "111.444.777-53" << false;
    QTest::newRow("segundo DV errado") << "111.444.777-36" << false;
    QTest::newRow("dez dígitos") << "111.444.777-3" << false;
    QTest::newRow("máscara vazia") << "   .   .   -  " << false;
}

void TesteUtil::validaCPF()
{
    QFETCH(QString, texto);
    QFETCH(bool, valido);
    MensagensRoteiro mensagens;
    mensagens.aceitaTudo();
    CPFValido = !valido;
    ValidaCPF(texto);
    QCOMPARE(CPFValido, valido);
    confereAviso(mensagens, valido, AvisoCPF);
}

void TesteUtil::confereCPFComTextoNaoNumerico()
{
    // Called with a masked text instead of digits: refused with the one usual message, no error.
    MensagensRoteiro mensagens;
    mensagens.aceitaTudo();
    CPFValido = true;
    QVERIFY(!ConfereCPF(QStringLiteral("111.444.777-35")));
    QVERIFY(!CPFValido);
    confereAviso(mensagens, false, AvisoCPF);
}

void TesteUtil::validaCNPJ_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<bool>("valido");
    QTest::newRow("com máscara") << "11.222.333/0001-81" << true;
    QTest::newRow("só dígitos") << "11222333000181" << true;
    QTest::newRow("primeiro resto 0 dá DV 0") << "11.222.333/0005-05" << true;
    QTest::newRow("primeiro resto 1 dá DV 0") << "11.222.333/0014-04" << true;
    QTest::newRow("segundo resto 1 dá DV 0") << "11.222.333/0018-20" << true;
    QTest::newRow("DV errado") << "11.222.333/0001-82" << false;
    QTest::newRow("13 dígitos") << "11.222.333/0001-8" << false;
    QTest::newRow("15 dígitos") << "112223330001810" << false;
    QTest::newRow("vazio") << "" << false;
}

void TesteUtil::validaCNPJ()
{
    QFETCH(QString, texto);
    QFETCH(bool, valido);
    MensagensRoteiro mensagens;
    mensagens.aceitaTudo();
    CNPJValido = !valido;
    ValidaCNPJ(texto);
    QCOMPARE(CNPJValido, valido);
    confereAviso(mensagens, valido, AvisoCNPJ);
}

void TesteUtil::confereCNPJIgnoraMascara_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<bool>("valido");
    QTest::newRow("máscara") << "11.222.333/0001-81" << true;
    QTest::newRow("separadores fora do lugar") << "1-1.2/22333000181" << true;
    QTest::newRow("com brancos") << "11 222 333 0001 81" << false;
    QTest::newRow("com letra") << "11.222.333/0001-8A" << false;
}

void TesteUtil::confereCNPJIgnoraMascara()
{
    QFETCH(QString, texto);
    QFETCH(bool, valido);
    MensagensRoteiro mensagens;
    mensagens.aceitaTudo();
    QCOMPARE(ConfereCNPJ(texto), valido);
    QCOMPARE(CNPJValido, valido);
    confereAviso(mensagens, valido, AvisoCNPJ);
}
