// The shared data module on a real installation.

#include "Dados.h"
#include "ErroBD.h"
#include "InstalacaoTeste.h"
#include "Registro.h"
#include "RelogioFixo.h"

#include <QTest>

class TstModuloDados : public QObject {
    Q_OBJECT

    std::unique_ptr<InstalacaoTeste> inst;
    std::unique_ptr<Dados> dm;

    void executa(const QString &sql) { dm->DataBase.executa(sql); }

    QPair<int, Moeda> conta(Query &q, QDate d1, QDate d2 = {})
    {
        q.defineParametro(QStringLiteral("DATA1"), d1);
        if (d2.isValid()) q.defineParametro(QStringLiteral("DATA2"), d2);
        q.open();
        return {q[QStringLiteral("REGISTROS")].asInteger(), q[QStringLiteral("VALOR")].asMoeda()};
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

    void nomeDoBanco_data()
    {
        QTest::addColumn<bool>("embarcada");
        QTest::addColumn<QString>("porta");
        QTest::addColumn<QString>("esperado");
        QTest::newRow("servidor") << false << "" << "127.0.0.1/3050:C:\\Brelo\\Prontanota\\Dados\\BD.FDB";
        QTest::newRow("porta digitada") << false << "3051" << "127.0.0.1/3051:C:\\Brelo\\Prontanota\\Dados\\BD.FDB";
        QTest::newRow("embarcada") << true << "3051" << "Dados/BD.FDB";
    }
    void nomeDoBanco()
    {
        QFETCH(bool, embarcada);
        QFETCH(QString, porta);
        QFETCH(QString, esperado);
        Registro::escreveTexto(QStringLiteral("NomeServidor"), QStringLiteral("127.0.0.1"));
        Registro::escreveTexto(QStringLiteral("PathBancoDados"), QStringLiteral("C:\\Brelo\\Prontanota\\Dados\\BD.FDB"));
        Registro::escreveBooleano(QStringLiteral("VersaoEmbarcada"), embarcada);
        Registro::escreveTexto(QStringLiteral("Porta"), porta);
        Dados outro;
        outro.carregaRegistro();
        QCOMPARE(outro.nomeBanco(), esperado);
    }

    void consultasCompartilhadasAbrem()
    {
        for (Query *q : {&dm->QryConfigs, &dm->QryVerificaEmpresas, &dm->LookupEstados, &dm->LookupCidades,
                         &dm->LookupBairros, &dm->LookupLogradouros, &dm->LookupEmpresas, &dm->LookupUsuarios,
                         &dm->LookupCadastros, &dm->LookupEmpresasNP, &dm->LookupClientesNP, &dm->LookupEmpresasRecibo,
                         &dm->QryGravaCidade, &dm->QryGravaBairro, &dm->QryGravaLogradouro, &dm->QryGravaConfigs,
                         &dm->QryGravaEmpresa, &dm->QryUsuariosPrincipal, &dm->QryUsuariosSecundaria})
            Dados::abre(*q);
        QCOMPARE(dm->LookupEstados.recordCount(), 27);
        QCOMPARE(dm->QryConfigs[QStringLiteral("CF_MODELO_PROMIS")].asString(), QStringLiteral("MODELO PADRÃO"));
        dm->FechaTabelas();
        QVERIFY(!dm->DataBase.conectado());
        QVERIFY(!dm->LookupEstados.ativa());
    }

    void gravacaoDuravelAoRetornar()
    {
        Dados::abre(dm->QryGravaCidade);
        dm->QryGravaCidade.append();
        dm->QryGravaCidade[QStringLiteral("CD_NOME")] = QStringLiteral("SÃO MATEUS");
        dm->QryGravaCidade[QStringLiteral("CD_UF")] = QStringLiteral("ES");
        dm->QryGravaCidade[QStringLiteral("CD_EXIBIR")] = QStringLiteral("T");
        dm->QryGravaCidade.post();
        const int codigo = dm->QryGravaCidade[QStringLiteral("CD_CODIGO")].asInteger();
        QVERIFY(codigo > 0);

        BancoDados outro;
        outro.nome = inst->banco();
        outro.conecta();
        Transacao tr(outro);
        Query q(outro, tr);
        q.sql.defineTexto(QStringLiteral("SELECT CD_NOME FROM CIDADES WHERE CD_CODIGO=:C"));
        q.defineParametro(QStringLiteral("C"), codigo);
        q.open();
        QCOMPARE(q[QStringLiteral("CD_NOME")].asString(), QStringLiteral("SÃO MATEUS"));

        Dados::reabre(dm->LookupCidades);
        QVERIFY(dm->LookupCidades.locate(QStringLiteral("CD_CODIGO"), codigo));
        QCOMPARE(dm->LookupCidades[QStringLiteral("CIDADE_ESTADO")].asString(), QStringLiteral("SÃO MATEUS / ES"));
    }

    void cidadeLongaNoReciboDaEmpresa_data()
    {
        QTest::addColumn<int>("tamanho");
        QTest::addColumn<QString>("exibir");
        QTest::addColumn<int>("esperado"); // characters of EM_CIDADE; -1: null
        QTest::newRow("50 caracteres") << 50 << "T" << 50;
        QTest::newRow("51 caracteres") << 51 << "T" << 50;
        QTest::newRow("60 caracteres") << 60 << "T" << 50;
        QTest::newRow("oculta, 60 caracteres") << 60 << "F" << -1;
    }
    void cidadeLongaNoReciboDaEmpresa()
    {
        QFETCH(int, tamanho);
        QFETCH(QString, exibir);
        QFETCH(int, esperado);
        const QString nome = QStringLiteral("SÃO JOSÉ DO VALE DO RIO PRETO ").repeated(2).left(tamanho);
        executa(QStringLiteral("INSERT INTO CIDADES (CD_CODIGO, CD_NOME, CD_UF, CD_EXIBIR) VALUES (5, '%1', 'RJ', '%2')")
                    .arg(nome, exibir));
        executa(QStringLiteral("INSERT INTO EMPRESAS (EM_CODIGO, EM_NOME, EM_COD_CIDADE) VALUES (1, 'LOJA', 5)"));
        try {
            Dados::abre(dm->LookupEmpresasRecibo);
        } catch (const ErroBD &e) {
            QFAIL(qPrintable(e.mensagem()));
        }
        QCOMPARE(dm->LookupEmpresasRecibo.recordCount(), 1);
        const QVariant cidade = dm->LookupEmpresasRecibo.valor(0, QStringLiteral("EM_CIDADE"));
        if (esperado < 0) {
            QVERIFY(cidade.isNull());
        } else {
            QCOMPARE(cidade.toString(), nome.left(esperado));
            QCOMPARE(dm->LookupEmpresasRecibo.valor(0, QStringLiteral("EM_UF")).toString(), QStringLiteral("RJ"));
        }
    }

    void primeiraContaComPadroes()
    {
        RelogioFixo relogio(QDate(2026, 7, 1));
        Dados::abre(dm->QryUsuariosPrincipal);
        dm->QryUsuariosPrincipal.append();
        QCOMPARE(dm->QryUsuariosPrincipal[QStringLiteral("US_DT_CAD")].asDate(), QDate(2026, 7, 1));
        dm->QryUsuariosPrincipal[QStringLiteral("US_NOME")] = QStringLiteral("ADMIN");
        dm->QryUsuariosPrincipal.post();
        const int codigo = dm->QryUsuariosPrincipal[QStringLiteral("US_CODIGO")].asInteger();

        Dados::abre(dm->QryUsuariosSecundaria);
        dm->QryUsuariosSecundaria.append();
        dm->QryUsuariosSecundaria[QStringLiteral("PUS_CODIGO")] = codigo;
        dm->QryUsuariosSecundaria[QStringLiteral("PUS_LOGIN")] = QStringLiteral("ADMIN");
        dm->QryUsuariosSecundaria[QStringLiteral("PUS_USUARIO")] = QStringLiteral("T");
        dm->QryUsuariosSecundaria.post();

        dm->QryLiberaPermissoes.defineParametro(QStringLiteral("CODIGO"), codigo);
        dm->QryLiberaPermissoes.open();
        QCOMPARE(dm->QryLiberaPermissoes.recordCount(), 1);
        int flags = 0;
        for (const Coluna &c : dm->QryLiberaPermissoes.colunas()) {
            if (c.nome == QLatin1String("PUS_USUARIO") || c.nome.startsWith(QLatin1String("PUS_")) == false) continue;
            const QString v = dm->QryLiberaPermissoes[c.nome].asString();
            if (c.tamanho == 1 && c.nome != QLatin1String("PUS_USUARIO")) {
                QVERIFY2(v == QLatin1String("T"), qPrintable(c.nome));
                ++flags;
            }
        }
        QCOMPARE(flags, 25); // admin, notice board, backup, restore, settle and 5 areas x 4 rights
    }

    void cancelamentoDasConfiguracoes()
    {
        Dados::abre(dm->QryGravaConfigs);
        dm->QryGravaConfigs.edit();
        dm->QryGravaConfigs[QStringLiteral("CF_MODELO_PROMIS")] = QStringLiteral("15cm x 7cm");
        dm->QryGravaConfigs.cancel();
        dm->QryGravaConfigs.edit();
        dm->QryGravaConfigs[QStringLiteral("CF_BLOQUEIA_LOCALIDADES")] = QStringLiteral("T");
        dm->QryGravaConfigs.post();
        Dados::reabre(dm->QryConfigs);
        QCOMPARE(dm->QryConfigs[QStringLiteral("CF_MODELO_PROMIS")].asString(), QStringLiteral("MODELO PADRÃO"));
        QCOMPARE(dm->QryConfigs[QStringLiteral("CF_BLOQUEIA_LOCALIDADES")].asString(), QStringLiteral("T"));
    }

    void contadoresDoQuadroDeAvisos()
    {
        executa(QStringLiteral("INSERT INTO EMPRESAS (EM_CODIGO, EM_NOME) VALUES (1, 'LOJA')"));
        executa(QStringLiteral("INSERT INTO CADASTROS (CG_CODIGO, CG_NOME, CG_DT_NASC) VALUES (1, 'ANA', '2000-02-29')"));
        executa(QStringLiteral("INSERT INTO CADASTROS (CG_CODIGO, CG_NOME, CG_DT_NASC) VALUES (2, 'BIA', '1990-03-01')"));
        struct Parcela { int codigo; const char *venc; const char *saldo; const char *status; };
        for (const Parcela &p : {Parcela{1, "2026-03-10", "100.10", "N"}, Parcela{2, "2026-03-15", "50.005", "N"},
                                 Parcela{3, "2026-03-15", "70", "P"}, Parcela{4, "2026-03-20", "30", "N"}})
            executa(QStringLiteral("INSERT INTO NOTAPROMISSORIA (NP_CODIGO, NP_COD_CREDOR, NP_COD_EMITENTE, "
                                   "NP_DT_VENCIMENTO, NP_SALDO_DEVEDOR, NP_STATUS) VALUES (%1, 1, 1, '%2', %3, '%4')")
                        .arg(p.codigo).arg(QLatin1String(p.venc), QLatin1String(p.saldo), QLatin1String(p.status)));

        const QDate hoje(2026, 3, 15);
        auto [nHoje, vHoje] = conta(dm->QryPromissoriasHoje, hoje);
        QCOMPARE(nHoje, 1); // the paid one is left out
        QCOMPARE(vHoje.formatado(), QStringLiteral("R$ 50,01"));
        auto [nVenc, vVenc] = conta(dm->QryPromissoriasVencidas, QDate(1900, 1, 1), hoje);
        QCOMPARE(nVenc, 1); // upper date excluded
        QCOMPARE(vVenc.escalado(3), 100100LL);
        auto [nSem, vSem] = conta(dm->QryPromissoriasSemana, hoje, QDate(2026, 3, 20));
        QCOMPARE(nSem, 2); // both ends included
        auto [nEmit, vEmit] = conta(dm->QryPromissoriasEmitidas, QDate(2026, 3, 10), QDate(2026, 3, 20));
        QCOMPARE(nEmit, 3); // any status, upper date excluded
        QCOMPARE(vEmit.escalado(3), 220105LL);

        dm->QryAniversariantesHojeCount.defineParametro(QStringLiteral("MES"), 2);
        dm->QryAniversariantesHojeCount.defineParametro(QStringLiteral("DIA"), 28);
        dm->QryAniversariantesHojeCount.open();
        QCOMPARE(dm->QryAniversariantesHojeCount[QStringLiteral("REGISTROS")].asInteger(), 0);
        dm->QryAniversariantesHojeCount.defineParametro(QStringLiteral("DIA"), 29);
        dm->QryAniversariantesHojeCount.open();
        QCOMPARE(dm->QryAniversariantesHojeCount[QStringLiteral("REGISTROS")].asInteger(), 1);
        dm->QryAniversariantesMesCount.defineParametro(QStringLiteral("MES"), 3);
        dm->QryAniversariantesMesCount.open();
        QCOMPARE(dm->QryAniversariantesMesCount[QStringLiteral("REGISTROS")].asInteger(), 1);
    }

    void instrucaoLivre()
    {
        dm->QrySQL.sql.defineTexto(QStringLiteral("UPDATE CONFIGS SET CF_BACKUP=CURRENT_DATE"));
        QCOMPARE(dm->QrySQL.execSQL(), 1);
        dm->TransSQL.commitRetaining();
        Dados::reabre(dm->QryConfigs);
        QCOMPARE(dm->QryConfigs[QStringLiteral("CF_BACKUP")].asDate(), QDate::currentDate());
    }
};

QTEST_MAIN(TstModuloDados)
#include "test_modulodados.moc"
