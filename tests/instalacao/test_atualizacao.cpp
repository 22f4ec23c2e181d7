// The schema upgrade on a database of an earlier release and on a current one.

#include "Atualizacao.h"
#include "BancoDados.h"
#include "BaseAnterior.h"
#include "ErroBD.h"
#include "EsquemaDescrito.h"
#include "Instalacao.h"
#include "InstalacaoTeste.h"
#include "ListaAtualizacao.h"
#include "Query.h"
#include "Transacao.h"

#include <QSet>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QDate Hoje(2026, 12, 10);
constexpr int VersaoNova = 20261210;

QVariant um(BancoDados &b, const QString &sql)
{
    Transacao tr(b);
    Query q(b, tr);
    q.sql.defineTexto(sql);
    q.open();
    const QVariant v = q.isEmpty() ? QVariant() : q.field(0).valor();
    q.close();
    tr.commit();
    return v;
}

bool existeColuna(BancoDados &b, const QString &tabela, const QString &coluna)
{
    return um(b, QStringLiteral("SELECT COUNT(*) FROM RDB$RELATION_FIELDS WHERE RDB$RELATION_NAME = '%1' AND RDB$FIELD_NAME = '%2'")
                     .arg(tabela, coluna)).toInt() == 1;
}

int colunas(BancoDados &b)
{
    return um(b, QStringLiteral("SELECT COUNT(*) FROM RDB$RELATION_FIELDS WHERE RDB$RELATION_NAME NOT STARTING WITH 'RDB$' "
                                "AND RDB$RELATION_NAME NOT STARTING WITH 'MON$' AND RDB$RELATION_NAME NOT STARTING WITH 'SEC$'")).toInt();
}

// The pairs whose verification names TESTANDO.TESTANDO, as the upgrade table lists them.
QList<int> paresSempre()
{
    QList<int> r;
    for (int i = 4; i <= 8; ++i) r.append(i);
    for (int i = 36; i <= 62; ++i) r.append(i);
    r << 67 << 69 << 90 << 98;
    return r;
}

struct Base {
    QTemporaryDir dir;
    QString arquivo = dir.filePath(QStringLiteral("BD.FDB"));
    BancoDados banco;
    Base()
    {
        BaseAnterior::cria(arquivo);
        banco.nome = arquivo;
        banco.conecta();
    }
    QList<int> atualiza(Atualizacao *a = nullptr)
    {
        Atualizacao padrao(banco);
        Atualizacao &u = a ? *a : padrao;
        u.executa(VersaoNova, Hoje);
        return u.executados();
    }
};

} // namespace

class TstAtualizacao : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void listaDeCemPares()
    {
        const QStringList v = ListaAtualizacao::memoVerifica(), e = ListaAtualizacao::memoExecuta();
        QCOMPARE(v.size(), 100);
        QCOMPARE(e.size(), 100);
        QList<int> sempre;
        for (int i = 0; i < v.size(); ++i) {
            const auto par = ListaAtualizacao::le(v.at(i));
            QVERIFY2(!par.tabela.isEmpty(), qPrintable(v.at(i)));
            if (par.sempre()) sempre.append(i + 1);
            else if (!e.at(i).startsWith(QStringLiteral("CREATE TABLE")))
                QVERIFY2(e.at(i).startsWith(QStringLiteral("ALTER TABLE %1 ADD %2 ").arg(par.tabela, par.coluna)), qPrintable(e.at(i)));
        }
        QCOMPARE(sempre, paresSempre());
        QCOMPARE(v.at(0), QStringLiteral("select RDB$RELATION_NAME,RDB$FIELD_NAME from RDB$RELATION_FIELDS where "
                                         "RDB$FIELD_NAME = 'NP_COD_AUXILIAR' AND RDB$RELATION_NAME =  'NOTAPROMISSORIA'"));
        QCOMPARE(e.at(35), QStringLiteral("UPDATE USUARIOSPERMISSOES SET PUS_LOCALIDADES_V = 'T' WHERE PUS_LOCALIDADES_V IS NULL;"));
        QCOMPARE(e.at(56), QStringLiteral("UPDATE USUARIOSPERMISSOES SET PUS_RESTORE = 'T' WHERE PUS_RESTORE IS NULL;"));
        QCOMPARE(e.at(99), QStringLiteral("ALTER TABLE CONFIGS ADD CF_OBS_PROMIS DM_MEMO;"));
    }

    void atualizacaoDaBaseAnterior()
    {
        Base base;
        BancoDados &b = base.banco;
        QVERIFY(!existeColuna(b, QStringLiteral("NOTAPROMISSORIA"), QStringLiteral("NP_SALDO_DEVEDOR")));
        QList<QPair<int, int>> passos;
        Atualizacao a(b);
        a.progresso = [&](int feito, int total) { passos.append({feito, total}); };
        const QList<int> executados = base.atualiza(&a);

        QList<int> todos;
        for (int i = 1; i <= 100; ++i) todos.append(i);
        QCOMPARE(executados, todos);
        const QStringList verifica = ListaAtualizacao::memoVerifica();
        for (const QString &v : verifica) {
            const auto par = ListaAtualizacao::le(v);
            if (!par.sempre()) QVERIFY2(existeColuna(b, par.tabela, par.coluna), qPrintable(par.tabela + '.' + par.coluna));
        }
        QVERIFY(existeColuna(b, QStringLiteral("NOTAPROMISSORIALITE"), QStringLiteral("NPL_CREDOR_DOC")));
        QCOMPARE(um(b, QStringLiteral("SELECT COUNT(*) FROM RDB$GENERATORS WHERE RDB$GENERATOR_NAME = 'COD_NOTAPROMISSORIALITE'")).toInt(), 1);
        QCOMPARE(um(b, QStringLiteral("SELECT COUNT(*) FROM RDB$REF_CONSTRAINTS WHERE RDB$CONSTRAINT_NAME STARTING WITH 'FK_NOTAPROMISSORIA_'")).toInt(), 2);
        QCOMPARE(um(b, QStringLiteral("SELECT RDB$FIELD_LENGTH FROM RDB$FIELDS WHERE RDB$FIELD_NAME = 'DM_FONE'")).toInt(), 11);
        QCOMPARE(um(b, QStringLiteral("SELECT COUNT(*) FROM RDB$INDICES WHERE RDB$INDEX_NAME = 'IX_NOTAPROMISSORIA_SEQ'")).toInt(), 1);

        // The 22 area flags and the notice board: "T" for every existing account.
        QStringList flags;
        for (const QString &v : verifica) {
            const auto par = ListaAtualizacao::le(v);
            if (par.tabela == QLatin1String("USUARIOSPERMISSOES")) flags.append(par.coluna);
        }
        QCOMPARE(flags.size(), 23);
        for (const QString &f : flags)
            QCOMPARE(um(b, QStringLiteral("SELECT COUNT(*) FROM USUARIOSPERMISSOES WHERE %1 = 'T'").arg(f)).toInt(), 2);

        // Balances as value minus paid, an unknown payment counting as none.
        QCOMPARE(um(b, QStringLiteral("SELECT LIST(NP_CODIGO || ':' || CAST(NP_VALOR_PGTO AS INTEGER) || ':' || CAST(NP_SALDO_DEVEDOR AS INTEGER) "
                                      "|| ':' || CAST(NP_VALOR_TEMP AS INTEGER) || ':' || NP_SIM_NAO, ' ') "
                                      "FROM (SELECT * FROM NOTAPROMISSORIA ORDER BY NP_CODIGO)")).toString(),
                 QStringLiteral("1:0:100:0:F 2:50:150:0:F 3:300:0:0:F"));
        QCOMPARE(um(b, QStringLiteral("SELECT COUNT(*) FROM CADASTROS WHERE CG_LIMITE_TOTAL = 0 AND CG_LIMITE_PARCELA = 0")).toInt(), 3);

        // Full addresses: names only from visible rows, empty parts kept with their separators.
        QCOMPARE(um(b, QStringLiteral("SELECT CG_ENDERECO_COMPLETO2 FROM CADASTROS WHERE CG_CODIGO = 1")).toString(),
                 QStringLiteral("RUA DAS FLORES, 10-AP 2 - CENTRO - SÃO PAULO/SP"));
        QCOMPARE(um(b, QStringLiteral("SELECT CG_ENDERECO_COMPLETO2 FROM CADASTROS WHERE CG_CODIGO = 2")).toString(),
                 QStringLiteral(", - -  - /"));
        QCOMPARE(um(b, QStringLiteral("SELECT CG_ENDERECO_COMPLETO2 FROM CADASTROS WHERE CG_CODIGO = 3")).toString(),
                 QStringLiteral("RUA DAS FLORES, 7-FUNDOS - CENTRO - /"));
        QCOMPARE(um(b, QStringLiteral("SELECT CG_ENDERECO_COMPLETO FROM CADASTROS WHERE CG_CODIGO = 1")).toString(),
                 QStringLiteral("RUA DAS FLORES, 10-AP 2 - CENTRO - SÃO PAULO/SP"));

        // The settings row.
        QCOMPARE(um(b, QStringLiteral("SELECT CF_CODIGO || '|' || COALESCE(CF_UF_PADRAO, 'nulo') || '|' || CF_BLOQUEIA_LOCALIDADES || '|' "
                                      "|| CF_EXIBE_CONF_ALT_CADASTRO || '|' || CF_PATH_ATUALIZADOR || '|' || CF_VERSAO || '|' "
                                      "|| CF_BACKUP || '|' || CF_MODELO_PROMIS FROM CONFIGS")).toString(),
                 QStringLiteral("1|nulo|F|F|ATUALIZADOR|20261210|2026-12-10|MODELO PADRÃO"));

        // The progress goes from 0 to its total without going back.
        QVERIFY(passos.size() > 100);
        QCOMPARE(passos.first().first, 0);
        QCOMPARE(passos.last().first, passos.last().second);
        for (int i = 1; i < passos.size(); ++i) QVERIFY(passos.at(i).first >= passos.at(i - 1).first);
    }

    void segundaAtualizacao()
    {
        Base base;
        BancoDados &b = base.banco;
        base.atualiza();
        const int antes = colunas(b);
        for (const char *sql : {"UPDATE NOTAPROMISSORIA SET NP_SIM_NAO = 'T', NP_VALOR_TEMP = 9, NP_SALDO_DEVEDOR = 1",
                                "UPDATE CONFIGS SET CF_MODELO_PROMIS = 'MODELO LOJA', CF_BLOQUEIA_LOCALIDADES = 'T', "
                                "CF_EXIBE_CONF_ALT_CADASTRO = 'T', CF_UF_PADRAO = 3, CF_VERSAO = 1",
                                "UPDATE USUARIOSPERMISSOES SET PUS_CLIENTES_X = 'F' WHERE PUS_CODIGO = 2",
                                "UPDATE CADASTROS SET CG_ENDERECO_COMPLETO2 = 'X', CG_LIMITE_TOTAL = 500"})
            b.executa(QLatin1String(sql));

        QCOMPARE(base.atualiza(), paresSempre());
        QCOMPARE(colunas(b), antes);
        QCOMPARE(um(b, QStringLiteral("SELECT LIST(CAST(NP_SALDO_DEVEDOR AS INTEGER) || NP_SIM_NAO || CAST(NP_VALOR_TEMP AS INTEGER), ' ') "
                                      "FROM (SELECT * FROM NOTAPROMISSORIA ORDER BY NP_CODIGO)")).toString(),
                 QStringLiteral("100F0 150F0 0F0"));
        QCOMPARE(um(b, QStringLiteral("SELECT CF_MODELO_PROMIS || CF_BLOQUEIA_LOCALIDADES || CF_EXIBE_CONF_ALT_CADASTRO || "
                                      "COALESCE(CF_UF_PADRAO, '-') || CF_VERSAO FROM CONFIGS")).toString(),
                 QStringLiteral("MODELO PADRÃOFF-20261210"));
        // Only null flags are filled: a flag taken away stays so; a limit set stays.
        QCOMPARE(um(b, QStringLiteral("SELECT PUS_CLIENTES_X FROM USUARIOSPERMISSOES WHERE PUS_CODIGO = 2")).toString(), QStringLiteral("F"));
        QCOMPARE(um(b, QStringLiteral("SELECT CAST(CG_LIMITE_TOTAL AS INTEGER) FROM CADASTROS WHERE CG_CODIGO = 1")).toInt(), 500);
        QCOMPARE(um(b, QStringLiteral("SELECT CG_ENDERECO_COMPLETO2 FROM CADASTROS WHERE CG_CODIGO = 2")).toString(), QStringLiteral(", - -  - /"));
    }

    // A failing statement ends the upgrade; what ran before it stays; the next run goes on.
    void erroNaListaInterrompe()
    {
        Base base;
        BancoDados &b = base.banco;
        Atualizacao a(b);
        a.memoExecuta[33] = QStringLiteral("ALTER TABLE CADASTROS ADD CG_LIMITE_TOTAL TIPO_QUE_NAO_EXISTE;");
        QVERIFY_THROWS_EXCEPTION(ErroBD, a.executa(VersaoNova, Hoje));
        QVERIFY(existeColuna(b, QStringLiteral("USUARIOSPERMISSOES"), QStringLiteral("PUS_RESTORE")));
        QVERIFY(existeColuna(b, QStringLiteral("NOTAPROMISSORIA"), QStringLiteral("NP_VALOR_TEMP")));
        QVERIFY(!existeColuna(b, QStringLiteral("CADASTROS"), QStringLiteral("CG_LIMITE_TOTAL")));
        QVERIFY(!existeColuna(b, QStringLiteral("CADASTROS"), QStringLiteral("CG_ENDERECO_COMPLETO2")));
        QCOMPARE(um(b, QStringLiteral("SELECT CF_VERSAO FROM CONFIGS")).toInt(), 20150101);
        QCOMPARE(a.executados().size(), 33);

        const QList<int> segunda = base.atualiza();
        QVERIFY(!segunda.contains(10) && segunda.contains(34) && segunda.contains(100));
        QCOMPARE(um(b, QStringLiteral("SELECT CF_VERSAO FROM CONFIGS")).toInt(), VersaoNova);
    }

    // Lists of different length: the message, the list skipped, the settings row still written.
    void listasDivergentes()
    {
        InstalacaoTeste inst;
        BancoDados b;
        b.nome = inst.banco();
        b.conecta();
        Atualizacao a(b);
        a.memoExecuta.removeLast();
        QStringList avisos;
        a.aviso = [&](const QString &t) { avisos.append(t); };
        a.executa(20301231, Hoje);
        QCOMPARE(avisos, QStringList{QStringLiteral("Houve uma divergência entre linhas de atualização!")});
        QVERIFY(a.executados().isEmpty());
        QCOMPARE(um(b, QStringLiteral("SELECT CF_VERSAO FROM CONFIGS")).toInt(), 20301231);
    }

    // A fresh installation and an upgraded earlier one end in the same schema.
    void instalacaoNovaEAtualizadaIguais()
    {
        QTemporaryDir dir;
        const QString nova = dir.filePath(QStringLiteral("NOVA.FDB")), velha = dir.filePath(QStringLiteral("VELHA.FDB"));
        Instalacao::criaBanco(nova, Hoje);
        BaseAnterior::cria(velha);
        Instalacao::atualiza(velha, Hoje, VersaoNova);
        BancoDados a, b;
        a.nome = nova;
        b.nome = velha;
        a.conecta();
        b.conecta();
        // The upgrade leaves the file's forced writes on, as a new database has them.
        QCOMPARE(um(b, QStringLiteral("SELECT MON$FORCED_WRITES FROM MON$DATABASE")).toInt(), 1);
        QCOMPARE(um(a, QStringLiteral("SELECT MON$FORCED_WRITES FROM MON$DATABASE")).toInt(), 1);
        const QStringList da = descreveEsquema(a), db = descreveEsquema(b);
        QVERIFY(da.size() > 200);
        QStringList soNova, soVelha;
        for (const QString &l : da) if (!db.contains(l)) soNova.append(l);
        for (const QString &l : db) if (!da.contains(l)) soVelha.append(l);
        QCOMPARE(soNova, QStringList());
        QCOMPARE(soVelha, QStringList());
    }
};

QTEST_GUILESS_MAIN(TstAtualizacao)
#include "test_atualizacao.moc"
