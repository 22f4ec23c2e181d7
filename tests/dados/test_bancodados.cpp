// The database layer against a real embedded Firebird database.

#include "BancoDados.h"
#include "ErroBD.h"
#include "InstalacaoTeste.h"
#include "Query.h"
#include "SQLTexto.h"
#include "Transacao.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTest>

class TstBancoDados : public QObject {
    Q_OBJECT

    std::unique_ptr<InstalacaoTeste> inst;
    std::unique_ptr<BancoDados> banco;

    std::unique_ptr<BancoDados> conecta()
    {
        auto b = std::make_unique<BancoDados>();
        b->nome = inst->banco();
        b->conecta();
        return b;
    }

    qint64 gerador(BancoDados &b, const char *nome)
    {
        Transacao tr(b);
        return b.geraValor(QLatin1String(nome), 0, tr);
    }

private Q_SLOTS:
    void init()
    {
        inst = std::make_unique<InstalacaoTeste>();
        banco = conecta();
    }
    void cleanup()
    {
        banco.reset();
        inst.reset();
    }

    void parametrosNomeados_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QString>("esperado");
        QTest::addColumn<QStringList>("nomes");
        QTest::newRow("simples") << "WHERE A=:CODIGO AND B=:nome" << "WHERE A=? AND B=?" << QStringList{"CODIGO", "NOME"};
        QTest::newRow("literal") << "SELECT ':X', 'a''b:Y' FROM T WHERE C=:Z" << "SELECT ':X', 'a''b:Y' FROM T WHERE C=?"
                                 << QStringList{"Z"};
        QTest::newRow("identificador") << "SELECT \":A\" FROM T WHERE D = :D1" << "SELECT \":A\" FROM T WHERE D = ?"
                                       << QStringList{"D1"};
        QTest::newRow("comentarios") << "-- :A\nSELECT /* :B */ 1 FROM T WHERE X=:C" << "-- :A\nSELECT /* :B */ 1 FROM T WHERE X=?"
                                     << QStringList{"C"};
        QTest::newRow("repetido") << ":A + :A" << "? + ?" << QStringList{"A", "A"};
        QTest::newRow("hora literal") << "'10:30' || :P" << "'10:30' || ?" << QStringList{"P"};
    }
    void parametrosNomeados()
    {
        QFETCH(QString, sql);
        QFETCH(QString, esperado);
        QFETCH(QStringList, nomes);
        const SQLPosicional p = traduzParametros(sql);
        QCOMPARE(p.sql, esperado);
        QCOMPARE(p.nomes, nomes);
    }

    void linhasNumeradas()
    {
        SQLTexto s{QStringLiteral("SELECT CD_NOME FROM CIDADES"), QStringLiteral("WHERE 1=1")};
        s[4] = QStringLiteral("ORDER BY CD_NOME");
        QCOMPARE(s.count(), 5);
        QCOMPARE(s.texto(), QStringLiteral("SELECT CD_NOME FROM CIDADES\nWHERE 1=1\n\n\nORDER BY CD_NOME"));
    }

    // Every kind of value the system stores comes back exactly as it was written.
    void tiposIdaEVolta()
    {
        Transacao tr(*banco);
        Query emp(*banco, tr);
        emp.sql.defineTexto(QStringLiteral("SELECT * FROM EMPRESAS WHERE EM_CODIGO=NULL"));
        emp.defineTabela(QStringLiteral("EMPRESAS"), {QStringLiteral("EM_CODIGO")}, QStringLiteral("COD_EMPRESAS"));
        emp.append();
        const QString nome = QStringLiteral("AÇÚCAR & CIA – € ÀÉÎÕÜ ÿ");
        QByteArray logo;
        for (int i = 0; i < 100000; ++i) logo.append(char(i % 256)); // crosses blob segments
        emp[QStringLiteral("EM_NOME")] = nome;
        emp[QStringLiteral("EM_TIPO_PESSOA")] = QStringLiteral("J");
        emp[QStringLiteral("EM_CEP")] = QStringLiteral("12345678");
        emp[QStringLiteral("EM_DT_CAD")] = QDate(2026, 2, 28);
        emp[QStringLiteral("EM_LOGO")] = logo;
        emp[QStringLiteral("EM_OBS")] = QStringLiteral("linha 1\r\nsegunda linha com ç e €");
        emp.post();
        const int codEmpresa = emp[QStringLiteral("EM_CODIGO")].asInteger();
        QVERIFY(codEmpresa > 0);

        Query cad(*banco, tr);
        cad.sql.defineTexto(QStringLiteral("SELECT * FROM CADASTROS WHERE CG_CODIGO=NULL"));
        cad.defineTabela(QStringLiteral("CADASTROS"), {QStringLiteral("CG_CODIGO")}, QStringLiteral("COD_CADASTROS"));
        cad.append();
        cad[QStringLiteral("CG_NOME")] = QStringLiteral("JOÃO D'ÁVILA");
        cad[QStringLiteral("CG_LIMITE_TOTAL")] = QVariant::fromValue(Moeda::deEscalado(123456789012345678LL, 3));
        cad[QStringLiteral("CG_LIMITE_PARCELA")] = QVariant::fromValue(Moeda::deEscalado(-1, 3));
        cad.post();
        const int codCad = cad[QStringLiteral("CG_CODIGO")].asInteger();

        Query np(*banco, tr);
        np.sql.defineTexto(QStringLiteral("SELECT * FROM NOTAPROMISSORIA WHERE NP_CODIGO=NULL"));
        np.defineTabela(QStringLiteral("NOTAPROMISSORIA"), {QStringLiteral("NP_CODIGO")}, QStringLiteral("COD_NOTAPROMISSORIA"));
        np.append();
        np[QStringLiteral("NP_COD_CREDOR")] = codEmpresa;
        np[QStringLiteral("NP_COD_EMITENTE")] = codCad;
        np[QStringLiteral("NP_VALOR")] = QVariant::fromValue(*Moeda::deTexto(QStringLiteral("1.234,567")));
        np[QStringLiteral("NP_COD_AUXILIAR")] = QVariant::fromValue(*Moeda::deTexto(QStringLiteral("999999,999")));
        np[QStringLiteral("NP_DT_VENCIMENTO")] = QDate(2000, 2, 29);
        np.post();
        tr.commit();

        auto outro = conecta();
        Transacao tr2(*outro);
        Query q(*outro, tr2);
        q.sql.defineTexto(QStringLiteral(
            "SELECT E.*, C.CG_NOME, C.CG_LIMITE_TOTAL, C.CG_LIMITE_PARCELA, C.CG_DT_NASC, C.CG_OBS, "
            "N.NP_VALOR, N.NP_COD_AUXILIAR, N.NP_DT_VENCIMENTO, N.NP_DT_PAGAMENTO "
            "FROM NOTAPROMISSORIA N JOIN EMPRESAS E ON E.EM_CODIGO=N.NP_COD_CREDOR "
            "JOIN CADASTROS C ON C.CG_CODIGO=N.NP_COD_EMITENTE"));
        q.open();
        QCOMPARE(q.recordCount(), 1);
        QCOMPARE(q[QStringLiteral("EM_NOME")].asString(), nome);
        QCOMPARE(q[QStringLiteral("EM_CEP")].asString(), QStringLiteral("12345678"));
        QCOMPARE(q[QStringLiteral("EM_TIPO_PESSOA")].asString(), QStringLiteral("J"));
        QCOMPARE(q[QStringLiteral("EM_DT_CAD")].asDate(), QDate(2026, 2, 28));
        QCOMPARE(q[QStringLiteral("EM_LOGO")].asBytes(), logo);
        QCOMPARE(q[QStringLiteral("EM_OBS")].asString(), QStringLiteral("linha 1\r\nsegunda linha com ç e €"));
        QCOMPARE(q[QStringLiteral("CG_NOME")].asString(), QStringLiteral("JOÃO D'ÁVILA"));
        QCOMPARE(q[QStringLiteral("CG_LIMITE_TOTAL")].asMoeda().escalado(3), 123456789012345678LL);
        QCOMPARE(q[QStringLiteral("CG_LIMITE_PARCELA")].asMoeda().escalado(3), -1LL);
        QCOMPARE(q[QStringLiteral("NP_VALOR")].asMoeda().escalado(3), 1234567LL);
        QCOMPARE(q[QStringLiteral("NP_COD_AUXILIAR")].asMoeda().escalado(3), 999999999LL);
        QCOMPARE(q[QStringLiteral("NP_DT_VENCIMENTO")].asDate(), QDate(2000, 2, 29));
        for (const char *nulo : {"CG_DT_NASC", "CG_OBS", "NP_DT_PAGAMENTO", "EM_FANTASIA", "EM_SITE"})
            QVERIFY2(q[QLatin1String(nulo)].isNull(), nulo);
    }

    void textoLongoDemaisRecusadoPeloBanco()
    {
        Transacao tr(*banco);
        Query q(*banco, tr);
        q.sql.defineTexto(QStringLiteral("INSERT INTO ESTADOS (ES_CODIGO, ES_SIGLA) VALUES (99, :S)"));
        q.defineParametro(QStringLiteral("S"), QStringLiteral("ABC"));
        try {
            q.execSQL();
            QFAIL("a sigla de três letras foi aceita");
        } catch (const ErroBD &e) {
            QVERIFY2(e.mensagem().contains(QStringLiteral("truncation")), qPrintable(e.mensagem()));
        }
    }

    void aspasEmBuscaLike()
    {
        Transacao tr(*banco);
        Query ins(*banco, tr);
        ins.sql.defineTexto(QStringLiteral("INSERT INTO CIDADES (CD_CODIGO, CD_NOME, CD_EXIBIR) VALUES (:C, :N, 'T')"));
        for (auto [c, n] : {std::pair{1, "PINGO D'AGUA"}, std::pair{2, "SANTA LUZIA"}}) {
            ins.defineParametro(QStringLiteral("C"), c);
            ins.defineParametro(QStringLiteral("N"), QString::fromUtf8(n));
            ins.execSQL();
        }
        Query q(*banco, tr);
        q.sql.defineTexto(QStringLiteral("SELECT CD_NOME FROM CIDADES WHERE CD_NOME LIKE :TEXTO"));
        q.defineParametro(QStringLiteral("TEXTO"), QStringLiteral("%D'AG%"));
        q.open();
        QCOMPARE(q.recordCount(), 1);
        QCOMPARE(q[QStringLiteral("CD_NOME")].asString(), QStringLiteral("PINGO D'AGUA"));
        q.defineParametro(QStringLiteral("TEXTO"), QStringLiteral("%' OR '1'='1%"));
        q.open();
        QCOMPARE(q.recordCount(), 0);
    }

    void insercaoCanceladaNaoGastaCodigo()
    {
        Transacao tr(*banco);
        Query q(*banco, tr);
        q.sql.defineTexto(QStringLiteral("select CD_CODIGO, CD_NOME, CD_UF, CD_EXIBIR from CIDADES where CD_CODIGO=NULL"));
        q.defineTabela(QStringLiteral("CIDADES"), {QStringLiteral("CD_CODIGO")}, QStringLiteral("COD_CIDADES"));
        const qint64 antes = gerador(*banco, "COD_CIDADES");
        q.append();
        QVERIFY(q[QStringLiteral("CD_CODIGO")].isNull());
        q[QStringLiteral("CD_NOME")] = QStringLiteral("VITÓRIA");
        q.cancel();
        QCOMPARE(q.recordCount(), 0);
        QCOMPARE(gerador(*banco, "COD_CIDADES"), antes);
        q.append();
        q[QStringLiteral("CD_NOME")] = QStringLiteral("VITÓRIA");
        q.post();
        QCOMPARE(q[QStringLiteral("CD_CODIGO")].asLargeInt(), antes + 1);
    }

    void alteracaoEExclusao()
    {
        Transacao tr(*banco);
        Query q(*banco, tr);
        q.sql.defineTexto(QStringLiteral("SELECT * FROM CIDADES ORDER BY CD_CODIGO"));
        q.defineTabela(QStringLiteral("CIDADES"), {QStringLiteral("CD_CODIGO")}, QStringLiteral("COD_CIDADES"));
        q.open();
        for (const char *n : {"A", "B"}) {
            q.append();
            q[QStringLiteral("CD_NOME")] = QLatin1String(n);
            q.post();
        }
        q.first();
        q.edit();
        q[QStringLiteral("CD_NOME")] = QStringLiteral("A2");
        q.cancel();
        QCOMPARE(q[QStringLiteral("CD_NOME")].asString(), QStringLiteral("A"));
        q.edit();
        q[QStringLiteral("CD_NOME")] = QStringLiteral("A3");
        q.post();
        q.last();
        q.remove();
        q.open();
        QCOMPARE(q.recordCount(), 1);
        QCOMPARE(q[QStringLiteral("CD_NOME")].asString(), QStringLiteral("A3"));
    }

    void gravacaoDuravelVistaPorOutraConexao()
    {
        Transacao tr(*banco);
        Query q(*banco, tr);
        q.sql.defineTexto(QStringLiteral("INSERT INTO CIDADES (CD_CODIGO, CD_NOME) VALUES (7, 'SERRA')"));
        q.execSQL();

        auto outro = conecta();
        Transacao tr2(*outro);
        Query leitura(*outro, tr2);
        leitura.sql.defineTexto(QStringLiteral("SELECT COUNT(*) FROM CIDADES WHERE CD_CODIGO=7"));
        leitura.open();
        QCOMPARE(leitura.valor(0, 0).toInt(), 0);
        tr.commitRetaining();
        QVERIFY(!tr.gravando()); // a real commit: no write left open
        leitura.open(); // same read-committed transaction sees it now
        QCOMPARE(leitura.valor(0, 0).toInt(), 1);
    }

    void conflitoDeBloqueioFalhaNaHora()
    {
        banco->executa(QStringLiteral("INSERT INTO CIDADES (CD_CODIGO, CD_NOME) VALUES (1, 'ARACRUZ')"));
        Transacao tr(*banco);
        Query q(*banco, tr);
        q.sql.defineTexto(QStringLiteral("UPDATE CIDADES SET CD_NOME='X' WHERE CD_CODIGO=1"));
        q.execSQL(); // not committed

        auto outro = conecta();
        Transacao tr2(*outro);
        Query q2(*outro, tr2);
        q2.sql.defineTexto(QStringLiteral("UPDATE CIDADES SET CD_NOME='Y' WHERE CD_CODIGO=1"));
        QElapsedTimer t;
        t.start();
        try {
            q2.execSQL();
            QFAIL("a alteração concorrente não falhou");
        } catch (const ErroBD &e) {
            QVERIFY2(e.conflitoBloqueio(), qPrintable(e.mensagem()));
            QVERIFY(!e.violacaoChave());
        }
        QVERIFY(t.elapsed() < 5000); // no wait on the lock
    }

    void recusasDeChave()
    {
        banco->executa(QStringLiteral("INSERT INTO EMPRESAS (EM_CODIGO, EM_NOME) VALUES (1, 'CREDORA')"));
        banco->executa(QStringLiteral("INSERT INTO CADASTROS (CG_CODIGO, CG_NOME) VALUES (1, 'EMITENTE')"));
        banco->executa(QStringLiteral("INSERT INTO NOTAPROMISSORIA (NP_CODIGO, NP_COD_CREDOR, NP_COD_EMITENTE) VALUES (1, 1, 1)"));
        struct Caso { const char *sql; bool estrangeira; };
        for (const Caso &c : {Caso{"DELETE FROM EMPRESAS WHERE EM_CODIGO=1", true},
                              Caso{"DELETE FROM CADASTROS WHERE CG_CODIGO=1", true},
                              Caso{"INSERT INTO CIDADES (CD_CODIGO) VALUES (NULL)", false},
                              Caso{"INSERT INTO EMPRESAS (EM_CODIGO, EM_NOME) VALUES (1, 'DUPLICADA')", false}}) {
            try {
                banco->executa(QLatin1String(c.sql));
                QFAIL(c.sql);
            } catch (const ErroBD &e) {
                QCOMPARE(e.violacaoChaveEstrangeira(), c.estrangeira);
                if (QByteArray(c.sql).contains("DUPLICADA")) QVERIFY(e.violacaoChave());
                QVERIFY(!e.mensagem().isEmpty());
            }
        }
        // nothing declares the locality references: deleting a city is accepted
        banco->executa(QStringLiteral("INSERT INTO CIDADES (CD_CODIGO, CD_NOME) VALUES (5, 'X')"));
        banco->executa(QStringLiteral("UPDATE NOTAPROMISSORIA SET NP_COD_CIDADE=5"));
        banco->executa(QStringLiteral("DELETE FROM CIDADES WHERE CD_CODIGO=5"));
    }

    void bancoInvalido_data()
    {
        QTest::addColumn<QByteArray>("conteudo");
        QTest::newRow("ausente") << QByteArray();
        QTest::newRow("não é Firebird") << QByteArray("isto não é um banco de dados\n").repeated(500);
    }
    void bancoInvalido()
    {
        QFETCH(QByteArray, conteudo);
        const QString arquivo = inst->raiz() + QStringLiteral("/outro.fdb");
        if (!conteudo.isEmpty()) {
            QFile f(arquivo);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(conteudo);
        }
        BancoDados b;
        b.nome = arquivo;
        try {
            b.conecta();
            QFAIL("conectou");
        } catch (const ErroBD &e) {
            QVERIFY(!e.mensagem().isEmpty());
            QVERIFY(e.codigos().size() > 0);
        }
        QVERIFY(!b.conectado());
    }

    // A folder named with accents (or letters outside Windows-1252) holds a database like any other.
    void pastaComAcento()
    {
        const QString pasta = inst->raiz() + QStringLiteral("/Loja São João ł");
        QVERIFY(QDir().mkpath(pasta));
        const QString arquivo = pasta + QStringLiteral("/BD.FDB");
        {
            BancoDados b;
            b.cria(arquivo);
            b.executa(QStringLiteral("CREATE TABLE T (N INTEGER)"));
        }
        QVERIFY(QFile::exists(arquivo));
        BancoDados b;
        b.nome = arquivo;
        b.conecta();
        b.executa(QStringLiteral("INSERT INTO T VALUES (1)"));
        QVERIFY(b.conectado());
    }

    void geradorDoSistema()
    {
        Transacao tr(*banco);
        const qint64 a = banco->geraValor(QStringLiteral("COD_CADASTROS"), 1, tr);
        QCOMPARE(banco->geraValor(QStringLiteral("COD_CADASTROS"), 1, tr), a + 1);
        QCOMPARE(banco->geraValor(QStringLiteral("COD_CADASTROS"), 0, tr), a + 1);
    }
};

QTEST_MAIN(TstBancoDados)
#include "test_bancodados.moc"
