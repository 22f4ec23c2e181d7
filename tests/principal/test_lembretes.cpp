// The notice-board figures computed on the worker connection, against the module's own
// counting queries, on installments of every status a database may hold.

#include "CalculoLembretes.h"
#include "Dados.h"
#include "InstalacaoTeste.h"
#include "Lembretes.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>

namespace {
const QDate Hoje(2026, 3, 15);

bool operator==(const ContagemLinha &a, const ContagemLinha &b) { return a.registros == b.registros && a.valor == b.valor; }
} // namespace

class TesteLembretes : public QObject {
    Q_OBJECT

    std::unique_ptr<InstalacaoTeste> inst;
    std::unique_ptr<Dados> dm;

    void parcela(int codigo, QDate vencimento, const QString &saldo, const QString &status)
    {
        dm->DataBase.executa(
            QStringLiteral("INSERT INTO NOTAPROMISSORIA (NP_CODIGO, NP_DT_VENCIMENTO, NP_SALDO_DEVEDOR, NP_STATUS) "
                           "VALUES (%1, '%2', %3, %4)")
                .arg(codigo)
                .arg(vencimento.toString(Qt::ISODate), saldo, status));
    }

    // Every figure as the worker computes it; fails the test on an error or a time-out.
    ContagemLembretes calcula(CalculoLembretes &c, QDate de, QDate ate)
    {
        QSignalSpy pronto(&c, &CalculoLembretes::calculado);
        QSignalSpy falha(&c, &CalculoLembretes::falhou);
        c.solicita(CalculoLembretes::pedido(*dm, Hoje, de, ate));
        if (!pronto.wait(10000)) qWarning() << falha;
        return pronto.isEmpty() ? ContagemLembretes{} : pronto.first().first().value<ContagemLembretes>();
    }

private Q_SLOTS:
    void init()
    {
        inst = std::make_unique<InstalacaoTeste>();
        dm = inst->conectaDados();
    }
    void cleanup()
    {
        dm.reset();
        inst.reset();
    }

    // The overdue count of the worker is written in another form; on every status (open,
    // paid, null, letters around 'N' and 'P', a blank, lower case) it must count what the
    // module's query counts, and so must every other line.
    void figurasIguaisAsConsultas()
    {
        const QStringList status = {"'N'", "'P'", "NULL", "'X'", "'p'", "' '", "'A'", "'O'", "'Q'", "'n'", "'M'", "'Ç'"};
        int codigo = 0;
        for (int dias : {-900, -40, -1, 0, 1, 7, 8, 400})
            for (const QString &s : status)
                parcela(++codigo, Hoje.addDays(dias), QString::number(codigo) + QStringLiteral(".25"), s);
        parcela(++codigo, QDate(1900, 1, 1), QStringLiteral("3"), QStringLiteral("'N'"));

        const QDate de(2025, 1, 1), ate(2026, 3, 23);
        const ContagemLembretes esperado = leLembretes(consultasLembretes(*dm), Hoje, de, ate);
        // The figures above hold rows of each kind, so an equal answer is not an empty one.
        QCOMPARE(esperado.vencidas.registros, 3 * 10 + 1); // not "P", not null
        QCOMPARE(esperado.hoje.registros, 10);

        CalculoLembretes calculo;
        const ContagemLembretes c = calcula(calculo, de, ate);
        QVERIFY(c.vencidas == esperado.vencidas);
        QVERIFY(c.hoje == esperado.hoje);
        QVERIFY(c.semana == esperado.semana);
        QVERIFY(c.emitidas == esperado.emitidas);
        QCOMPARE(c.aniversariantesHoje, esperado.aniversariantesHoje);
        QCOMPARE(c.aniversariantesMes, esperado.aniversariantesMes);
    }

    // Requests made while one runs do not overlap it: only the newest waits, and it runs next.
    void pedidosNaoSeSobrepoem()
    {
        parcela(1, Hoje.addDays(-10), QStringLiteral("10"), QStringLiteral("'N'"));
        parcela(2, Hoje.addDays(-400), QStringLiteral("20"), QStringLiteral("'N'"));
        CalculoLembretes calculo;
        QSignalSpy pronto(&calculo, &CalculoLembretes::calculado);
        calculo.solicita(CalculoLembretes::pedido(*dm, Hoje, QDate(1900, 1, 1), QDate(2090, 12, 31)));
        QVERIFY(calculo.ocupado());
        calculo.solicita(CalculoLembretes::pedido(*dm, Hoje, QDate(2000, 1, 1), QDate(2090, 12, 31)));
        calculo.solicita(CalculoLembretes::pedido(*dm, Hoje, Hoje.addDays(-30), QDate(2090, 12, 31)));
        QTRY_COMPARE_WITH_TIMEOUT(pronto.size(), 2, 10000);
        QTest::qWait(50);
        QCOMPARE(pronto.size(), 2);
        QCOMPARE(pronto.at(0).first().value<ContagemLembretes>().emitidas.registros, 2);
        QCOMPARE(pronto.at(1).first().value<ContagemLembretes>().emitidas.registros, 1);
        QVERIFY(!calculo.ocupado());
    }

    // After encerra the worker holds no attachment; the next request attaches again, and a
    // lost attachment is made again at the following request.
    void encerraEReconecta()
    {
        parcela(1, Hoje, QStringLiteral("10"), QStringLiteral("'N'"));
        CalculoLembretes calculo;
        QCOMPARE(calcula(calculo, QDate(1900, 1, 1), QDate(2090, 12, 31)).hoje.registros, 1);
        const auto conexoes = [this] {
            Query q(dm->DataBase, dm->TransacaoPadrao);
            q.sql.defineTexto(QStringLiteral("SELECT COUNT(*) AS N FROM MON$ATTACHMENTS WHERE MON$SYSTEM_FLAG = 0"));
            q.open();
            const int n = q[QStringLiteral("N")].asInteger();
            q.close();
            dm->TransacaoPadrao.commit();
            return n;
        };
        QCOMPARE(conexoes(), 2);
        calculo.encerra();
        QCOMPARE(conexoes(), 1);
        parcela(2, Hoje, QStringLiteral("10"), QStringLiteral("'N'"));
        QCOMPARE(calcula(calculo, QDate(1900, 1, 1), QDate(2090, 12, 31)).hoje.registros, 2);

        dm->DataBase.executa(QStringLiteral("DELETE FROM MON$ATTACHMENTS WHERE MON$ATTACHMENT_ID <> CURRENT_CONNECTION"));
        QSignalSpy falha(&calculo, &CalculoLembretes::falhou);
        calculo.solicita(CalculoLembretes::pedido(*dm, Hoje, QDate(1900, 1, 1), QDate(2090, 12, 31)));
        QVERIFY(falha.wait(10000));
        QVERIFY(!falha.first().first().toString().isEmpty());
        QCOMPARE(calcula(calculo, QDate(1900, 1, 1), QDate(2090, 12, 31)).hoje.registros, 2);
    }
};

QTEST_MAIN(TesteLembretes)
#include "test_lembretes.moc"
