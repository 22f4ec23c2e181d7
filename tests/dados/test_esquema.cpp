// The schema script and the rows of a new database.

#include "BancoDados.h"
#include "Esquema.h"
#include "InstalacaoTeste.h"
#include "Query.h"
#include "Transacao.h"

#include <QTest>

class TstEsquema : public QObject {
    Q_OBJECT

    QVariant um(BancoDados &b, const QString &sql)
    {
        Transacao tr(b);
        Query q(b, tr);
        q.sql.defineTexto(sql);
        q.open();
        return q.valor(0, 0);
    }

private Q_SLOTS:
    void divisaoDoScript_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QStringList>("comandos");
        QTest::newRow("dois") << "CREATE TABLE A (X INTEGER);\nCREATE TABLE B (Y INTEGER);"
                              << QStringList{"CREATE TABLE A (X INTEGER)", "CREATE TABLE B (Y INTEGER)"};
        QTest::newRow("ponto e vírgula em literal") << "INSERT INTO T VALUES ('a;b', 'it''s; ok');"
                                                    << QStringList{"INSERT INTO T VALUES ('a;b', 'it''s; ok')"};
        QTest::newRow("comentários") << "-- cabeçalho\n\n-- outro\nSELECT 1 FROM RDB$DATABASE; -- fim\n"
                                     << QStringList{"-- cabeçalho\n\n-- outro\nSELECT 1 FROM RDB$DATABASE"};
        QTest::newRow("sem ponto e vírgula final") << "SELECT 2 FROM RDB$DATABASE" << QStringList{"SELECT 2 FROM RDB$DATABASE"};
    }
    void divisaoDoScript()
    {
        QFETCH(QString, script);
        QFETCH(QStringList, comandos);
        QCOMPARE(Esquema::divideScript(script), comandos);
    }

    void bancoNovo()
    {
        InstalacaoTeste inst;
        BancoDados b;
        b.nome = inst.banco();
        b.conecta();
        QCOMPARE(um(b, QStringLiteral("SELECT COUNT(*) FROM ESTADOS WHERE ES_EXIBIR='T'")).toInt(), 27);
        QCOMPARE(um(b, QStringLiteral("SELECT LIST(ES_SIGLA, ' ') FROM (SELECT ES_SIGLA FROM ESTADOS ORDER BY ES_CODIGO)")).toString(),
                 QStringLiteral("AC AL AM AP BA CE DF ES GO MA MG MS MT PA PB PE PI PR RJ RN RO RR RS SC SE SP TO"));
        for (int classe : {1, 2, 3})
            QVERIFY(um(b, QStringLiteral("SELECT COUNT(*) FROM TIPOCONTATO WHERE TC_TIPO=%1").arg(classe)).toInt() >= 1);
        QCOMPARE(um(b, QStringLiteral("SELECT TC_TIPO FROM TIPOCONTATO WHERE TC_NOME='FONE 0800'")).toInt(), 1);
        QCOMPARE(um(b, QStringLiteral("SELECT TC_TIPO FROM TIPOCONTATO WHERE TC_NOME='EMAIL'")).toInt(), 2);

        Transacao tr(b);
        Query cfg(b, tr);
        cfg.sql.defineTexto(QStringLiteral("SELECT * FROM CONFIGS"));
        cfg.open();
        QCOMPARE(cfg.recordCount(), 1);
        QCOMPARE(cfg[QStringLiteral("CF_CODIGO")].asInteger(), 1);
        QCOMPARE(cfg[QStringLiteral("CF_MODELO_PROMIS")].asString(), QStringLiteral("MODELO PADRÃO"));
        QCOMPARE(cfg[QStringLiteral("CF_BACKUP")].asDate(), QDate::currentDate()); // made today by the setup
        for (const char *f : {"CF_BLOQUEIA_LOCALIDADES", "CF_EXIBE_CONF_ALT_CADASTRO", "CF_IMP_RECIBO_NO_ATO", "CF_NAOIMPRIME_DTEMISS"})
            QCOMPARE(cfg[QLatin1String(f)].asString(), QStringLiteral("F"));
        QCOMPARE(um(b, QStringLiteral("SELECT COUNT(*) FROM CIDADES")).toInt(), 0);
    }

    // Types the windows rely on.
    void tiposDasColunas_data()
    {
        QTest::addColumn<QString>("coluna");
        QTest::addColumn<QString>("tipo");
        QTest::newRow("NP_VALOR") << "NP_VALOR" << "16 3 18";
        QTest::newRow("NP_COD_AUXILIAR") << "NP_COD_AUXILIAR" << "8 3 9";
        QTest::newRow("EM_FONE1") << "EM_FONE1" << "37 0 11";
        QTest::newRow("CF_BRASAO") << "CF_BRASAO" << "261 0 0";
        QTest::newRow("CG_OBS") << "CG_OBS" << "261 1 0";
        QTest::newRow("CG_CPF_CNPJ") << "CG_CPF_CNPJ" << "37 0 14";
        QTest::newRow("LG_CEP") << "LG_CEP" << "14 0 8";
    }
    void tiposDasColunas()
    {
        QFETCH(QString, coluna);
        QFETCH(QString, tipo);
        InstalacaoTeste inst;
        BancoDados b;
        b.nome = inst.banco();
        b.conecta();
        const QString sql = QStringLiteral(
            "SELECT F.RDB$FIELD_TYPE || ' ' || COALESCE(IIF(F.RDB$FIELD_TYPE=261, F.RDB$FIELD_SUB_TYPE, -F.RDB$FIELD_SCALE), 0) "
            "|| ' ' || COALESCE(IIF(F.RDB$FIELD_PRECISION > 0, F.RDB$FIELD_PRECISION, F.RDB$CHARACTER_LENGTH), 0) "
            "FROM RDB$RELATION_FIELDS R JOIN RDB$FIELDS F ON F.RDB$FIELD_NAME = R.RDB$FIELD_SOURCE "
            "WHERE R.RDB$FIELD_NAME = '%1'").arg(coluna);
        QCOMPARE(um(b, sql).toString(), tipo);
    }
};

QTEST_MAIN(TstEsquema)
#include "test_esquema.moc"
