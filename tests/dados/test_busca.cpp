// On-demand fetching and the transactions of the database layer, on a real embedded database.

#include "BancoDados.h"
#include "Dados.h"
#include "ErroBD.h"
#include "InstalacaoTeste.h"
#include "MensagensRoteiro.h"
#include "ModeloTabela.h"
#include "Query.h"
#include "Transacao.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

namespace {

constexpr int kCidades = 5000;

// "CIDADE 0001" .. "CIDADE 5000", codes 1..5000, so that name order is code order.
const char *kCriaCidades =
    "EXECUTE BLOCK AS DECLARE I INTEGER = 1; BEGIN "
    "WHILE (I <= 5000) DO BEGIN "
    "INSERT INTO CIDADES (CD_CODIGO, CD_NOME, CD_UF, CD_EXIBIR) VALUES (:I, 'CIDADE ' || LPAD(:I, 4, '0'), "
    "IIF(MOD(:I, 2) = 0, 'ES', 'MG'), 'T'); I = I + 1; END END";

const char *kListaCidades = "select CD_CODIGO, CD_NOME, CD_UF from CIDADES\nORDER BY CD_NOME";

} // namespace

class TstBusca : public QObject {
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

    qint64 valorDe(BancoDados &b, const QString &sql)
    {
        Transacao tr(b);
        Query q(b, tr);
        q.sql.defineTexto(sql);
        q.open();
        return q.valor(0, 0).toLongLong();
    }

    // Ends the attachment of `b` from another connection, as an administrator would.
    void derruba(BancoDados &b)
    {
        const qint64 id = valorDe(b, QStringLiteral("SELECT CURRENT_CONNECTION FROM RDB$DATABASE"));
        auto outro = conecta();
        outro->executa(QStringLiteral("DELETE FROM MON$ATTACHMENTS WHERE MON$ATTACHMENT_ID=%1").arg(id));
    }

private Q_SLOTS:
    void init()
    {
        inst = std::make_unique<InstalacaoTeste>();
        banco = conecta();
        banco->executa(QLatin1String(kCriaCidades));
    }
    void cleanup()
    {
        banco.reset();
        inst.reset();
    }

    void abreComAsPrimeirasLinhasEBuscaAoRolar()
    {
        Transacao tr(*banco);
        Query q(*banco, tr);
        q.sql.defineTexto(QLatin1String(kListaCidades));
        q.open();
        QVERIFY(q.linhasCarregadas() > 0);
        QVERIFY(q.linhasCarregadas() <= Query::LinhasPorBusca);
        QVERIFY(q.podeBuscarMais());
        QCOMPARE(q.contaLinhas(), qint64(kCidades)); // exact before the rows come
        QVERIFY(q.linhasCarregadas() <= Query::LinhasPorBusca);

        ModeloTabela modelo(q);
        QTableView grade;
        grade.setModel(&modelo);
        grade.resize(400, 300);
        grade.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grade));
        QCOMPARE(modelo.rowCount(), q.linhasCarregadas()); // showing does not fetch everything
        for (int i = 0; i < 1000 && modelo.canFetchMore({}); ++i) {
            grade.scrollToBottom();
            QCoreApplication::processEvents();
        }
        QVERIFY(!q.podeBuscarMais());
        QCOMPARE(modelo.rowCount(), kCidades);
        QCOMPARE(modelo.data(modelo.index(kCidades - 1, 1)).toString(), QStringLiteral("CIDADE 5000"));
    }

    void codigoQueCaminhaBuscaOQueFalta_data()
    {
        QTest::addColumn<QString>("acao");
        QTest::addColumn<int>("linha");
        QTest::newRow("locate") << "locate" << 3999;
        QTest::newRow("setRecNo") << "setRecNo" << 2500;
        QTest::newRow("last") << "last" << kCidades - 1;
        QTest::newRow("next ate o fim") << "next" << kCidades - 1;
        QTest::newRow("recordCount") << "recordCount" << 0;
    }
    void codigoQueCaminhaBuscaOQueFalta()
    {
        QFETCH(QString, acao);
        QFETCH(int, linha);
        Transacao tr(*banco);
        Query q(*banco, tr);
        q.sql.defineTexto(QLatin1String(kListaCidades));
        q.open();
        if (acao == QLatin1String("locate")) {
            QVERIFY(q.locate(QStringLiteral("CD_NOME"), QStringLiteral("cidade 4000")));
        } else if (acao == QLatin1String("setRecNo")) {
            q.setRecNo(linha);
        } else if (acao == QLatin1String("last")) {
            q.last();
        } else if (acao == QLatin1String("next")) {
            int passos = 0;
            for (q.first(); !q.eof(); q.next()) ++passos;
            QCOMPARE(passos, kCidades);
        } else {
            QCOMPARE(q.recordCount(), kCidades);
            QVERIFY(!q.podeBuscarMais());
        }
        QCOMPARE(q.recNo(), linha);
        QCOMPARE(q[QStringLiteral("CD_CODIGO")].asInteger(), linha + 1);
        QVERIFY(!q.locate(QStringLiteral("CD_NOME"), QStringLiteral("NÃO EXISTE")));
        QCOMPARE(q.linhasCarregadas(), kCidades);
    }

    void reabreMantemLinhaAlemDaPrimeiraTela()
    {
        Transacao tr(*banco);
        Query q(*banco, tr);
        q.sql.defineTexto(QLatin1String(kListaCidades));
        q.defineTabela(QStringLiteral("CIDADES"), {QStringLiteral("CD_CODIGO")});
        q.open();
        q.setRecNo(3000);
        q.reabre();
        QCOMPARE(q[QStringLiteral("CD_CODIGO")].asInteger(), 3001);
        QVERIFY(q.linhasCarregadas() < kCidades);
    }

    void edicaoInclusaoEExclusaoComBuscaParcial()
    {
        Transacao tr(*banco);
        Query q(*banco, tr);
        q.sql.defineTexto(QLatin1String(kListaCidades));
        q.defineTabela(QStringLiteral("CIDADES"), {QStringLiteral("CD_CODIGO")}, QStringLiteral("COD_CIDADES"));
        q.open();
        const int antes = q.linhasCarregadas();

        // a row renamed so that it sorts after the rows not fetched yet
        q.setRecNo(1);
        q.edit();
        q[QStringLiteral("CD_NOME")] = QStringLiteral("ZZ RENOMEADA");
        q.postEConfirma();
        // a new row that the cursor would meet again
        banco->executa(QStringLiteral("SET GENERATOR COD_CIDADES TO 9000"));
        q.append();
        q[QStringLiteral("CD_NOME")] = QStringLiteral("ZZZ NOVA");
        q.postEConfirma();
        QCOMPARE(q[QStringLiteral("CD_CODIGO")].asInteger(), 9001);
        q.first();
        q.removeEConfirma();
        QCOMPARE(q.linhasCarregadas(), antes); // +1 inserted, -1 deleted
        QCOMPARE(q.contaLinhas(), qint64(kCidades));

        QCOMPARE(q.recordCount(), kCidades); // each row once, the posted ones included
        int renomeada = 0, nova = 0;
        for (int i = 0; i < q.recordCount(); ++i) {
            renomeada += q.valor(i, QStringLiteral("CD_NOME")).toString() == QLatin1String("ZZ RENOMEADA");
            nova += q.valor(i, QStringLiteral("CD_NOME")).toString() == QLatin1String("ZZZ NOVA");
        }
        QCOMPARE(renomeada, 1);
        QCOMPARE(nova, 1);
        QCOMPARE(valorDe(*banco, QStringLiteral("SELECT COUNT(*) FROM CIDADES WHERE CD_CODIGO=1")), 0);
        q.setRecNo(2);
        q.edit();
        q[QStringLiteral("CD_NOME")] = QStringLiteral("DESFEITA");
        q.cancel();
        QCOMPARE(q[QStringLiteral("CD_NOME")].asString(), QStringLiteral("CIDADE 0004"));
    }

    void blobDeTextoLidoAoSerUsado()
    {
        banco->executa(QStringLiteral(
            "EXECUTE BLOCK AS DECLARE I INTEGER = 1; BEGIN WHILE (I <= 80) DO BEGIN "
            "INSERT INTO CADASTROS (CG_CODIGO, CG_NOME, CG_OBS) VALUES (:I, 'PESSOA ' || LPAD(:I, 3, '0'), "
            "'observação ' || :I || ' ' || LPAD('', 40000, 'x')); I = I + 1; END END"));
        Transacao tr(*banco);
        Query q(*banco, tr);
        q.sql.defineTexto(QStringLiteral("select CG_CODIGO, CG_NOME, CG_OBS from CADASTROS\nORDER BY CG_NOME"));
        q.defineTabela(QStringLiteral("CADASTROS"), {QStringLiteral("CG_CODIGO")});
        q.open();
        const int obs = q.indiceCampo(QStringLiteral("CG_OBS"));
        for (int i = 0; i < q.linhasCarregadas(); ++i) QVERIFY(!q.valorLido(i, obs));
        QVERIFY(q[QStringLiteral("CG_OBS")].asString().startsWith(QStringLiteral("observação 1 xxx")));
        QVERIFY(q.valorLido(0, obs));
        QVERIFY(!q.valorLido(1, obs));

        // a row edited in another column keeps its text whole
        auto outro = conecta();
        Transacao tr2(*outro);
        Query leitura(*outro, tr2);
        leitura.sql.defineTexto(QStringLiteral("select CG_OBS from CADASTROS where CG_CODIGO=6"));
        leitura.open();
        const QString antes = leitura[QStringLiteral("CG_OBS")].asString();
        QVERIFY(antes.size() > 30000);
        q.setRecNo(5);
        q.edit();
        q[QStringLiteral("CG_NOME")] = QStringLiteral("PESSOA SEIS");
        q.postEConfirma();
        leitura.open();
        QCOMPARE(leitura[QStringLiteral("CG_OBS")].asString(), antes);
        QVERIFY(q.locate(QStringLiteral("CG_OBS"), antes));
        QCOMPARE(q[QStringLiteral("CG_CODIGO")].asInteger(), 6);
    }

    void blobDeLinhaAlteradaPorOutraEstacao()
    {
        banco->executa(QStringLiteral("INSERT INTO CADASTROS (CG_CODIGO, CG_NOME, CG_OBS) VALUES (1, 'ANA', 'antigo')"));
        Transacao tr(*banco);
        Query chaveada(*banco, tr), semChave(*banco, tr);
        for (Query *q : {&chaveada, &semChave}) {
            q->sql.defineTexto(QStringLiteral("select CG.CG_CODIGO, CG.CG_NOME, CG.CG_OBS from CADASTROS CG"));
            q->open();
        }
        chaveada.defineTabela(QStringLiteral("CADASTROS"), {QStringLiteral("CG_CODIGO")});
        auto outro = conecta();
        outro->executa(QStringLiteral("UPDATE CADASTROS SET CG_OBS='novo' WHERE CG_CODIGO=1"));
        outro->executa(QStringLiteral("UPDATE CADASTROS SET CG_OBS='mais novo' WHERE CG_CODIGO=1"));
        valorDe(*outro, QStringLiteral("SELECT COUNT(*) FROM CADASTROS")); // the old text is collected
        QCOMPARE(chaveada[QStringLiteral("CG_OBS")].asString(), QStringLiteral("mais novo"));
        QVERIFY_THROWS_EXCEPTION(ErroBD, semChave[QStringLiteral("CG_OBS")].asString());
    }

    void conexaoPerdidaDuranteABusca()
    {
        Transacao tr(*banco);
        Query q(*banco, tr);
        q.sql.defineTexto(QLatin1String(kListaCidades));
        q.open();
        ModeloTabela modelo(q);
        const int mostradas = modelo.rowCount();
        QSignalSpy falhas(&q, &Query::falhaBusca);
        MensagensRoteiro msg;
        msg.espera(QString());
        derruba(*banco);

        modelo.fetchMore({}); // the grid scrolling
        QCOMPARE(falhas.count(), 1);
        QVERIFY(msg.registradas.isEmpty()); // not from inside the view's call
        QCoreApplication::processEvents();
        QCOMPARE(msg.registradas.size(), 1);
        QCOMPARE(msg.registradas.at(0).texto, falhas.at(0).at(0).toString());
        QVERIFY(!falhas.at(0).at(0).toString().isEmpty());
        QVERIFY(!modelo.canFetchMore({}));
        QCOMPARE(modelo.rowCount(), mostradas);
        modelo.fetchMore({});
        QCoreApplication::processEvents();
        QCOMPARE(falhas.count(), 1); // told once
        QString porque;
        QVERIFY2(msg.verificaFim(&porque), qPrintable(porque));
        QCOMPARE(q.recordCount(), mostradas); // the rows already there stay usable
        q.last();
        QCOMPARE(q[QStringLiteral("CD_NOME")].asString(), QStringLiteral("CIDADE %1").arg(mostradas, 4, 10, QLatin1Char('0')));
    }

    void conexaoPerdidaAoCaminharAvisaUmaVez()
    {
        Transacao tr(*banco);
        Query q(*banco, tr);
        q.sql.defineTexto(QLatin1String(kListaCidades));
        q.open();
        const int mostradas = q.linhasCarregadas();
        derruba(*banco);
        QVERIFY_THROWS_EXCEPTION(ErroBD, q.last());
        q.last(); // nothing left to fetch: no second error
        QCOMPARE(q.recNo(), mostradas - 1);
    }

    void gravacaoNaoConfirmadaVoltaAEdicao_data()
    {
        QTest::addColumn<bool>("inclusao");
        QTest::newRow("alteração") << false;
        QTest::newRow("inclusão") << true;
    }
    void gravacaoNaoConfirmadaVoltaAEdicao()
    {
        QFETCH(bool, inclusao);
        banco->executa(QStringLiteral("SET GENERATOR COD_CIDADES TO 5000"));
        Transacao tr(*banco);
        Query q(*banco, tr);
        q.sql.defineTexto(QLatin1String(kListaCidades));
        q.defineTabela(QStringLiteral("CIDADES"), {QStringLiteral("CD_CODIGO")}, QStringLiteral("COD_CIDADES"));
        q.open();
        const int antes = q.linhasCarregadas();
        inclusao ? q.append() : q.edit();
        q[QStringLiteral("CD_NOME")] = QStringLiteral("NAO GRAVADA");
        // the connection goes away between the write and its commit
        q.aposGravar = [this](Query &) { derruba(*banco); };
        QVERIFY_THROWS_EXCEPTION(ErroBD, q.postEConfirma());
        QCOMPARE(q.estado(), inclusao ? Query::Estado::Inserindo : Query::Estado::Editando);
        QCOMPARE(q[QStringLiteral("CD_NOME")].asString(), QStringLiteral("NAO GRAVADA"));
        QVERIFY(!tr.gravando());
        q.cancel();
        QCOMPARE(q.linhasCarregadas(), antes);
        q.first();
        QCOMPARE(q[QStringLiteral("CD_NOME")].asString(), QStringLiteral("CIDADE 0001"));
        auto outro = conecta();
        QCOMPARE(valorDe(*outro, QStringLiteral("SELECT COUNT(*) FROM CIDADES WHERE CD_NOME='NAO GRAVADA'")), 0);
    }

    void escritaCurtaLeituraSomenteLeitura()
    {
        Transacao tr(*banco);
        Query lista(*banco, tr);
        lista.sql.defineTexto(QLatin1String(kListaCidades));
        lista.defineTabela(QStringLiteral("CIDADES"), {QStringLiteral("CD_CODIGO")});
        lista.open();
        QVERIFY(tr.ativa());
        QVERIFY(!tr.gravando()); // reading holds no write open

        auto outro = conecta();
        auto gravacoesAbertas = [&] {
            return valorDe(*outro, QStringLiteral("SELECT COUNT(*) FROM MON$TRANSACTIONS T JOIN MON$ATTACHMENTS A "
                                                  "ON A.MON$ATTACHMENT_ID=T.MON$ATTACHMENT_ID "
                                                  "WHERE T.MON$READ_ONLY=0 AND A.MON$ATTACHMENT_ID<>CURRENT_CONNECTION"));
        };
        QCOMPARE(gravacoesAbertas(), 0);
        lista.edit();
        lista[QStringLiteral("CD_NOME")] = QStringLiteral("ALTERADA");
        lista.post();
        QVERIFY(tr.gravando());
        QCOMPARE(gravacoesAbertas(), 1);
        tr.commitRetaining();
        QVERIFY(!tr.gravando());
        QCOMPARE(gravacoesAbertas(), 0);
        QCOMPARE(valorDe(*outro, QStringLiteral("SELECT COUNT(*) FROM CIDADES WHERE CD_NOME='ALTERADA'")), 1);
        QVERIFY(lista.podeBuscarMais()); // the list reads on after the commit

        // a rollback point undoes only the pending write
        lista.setRecNo(1);
        lista.edit();
        lista[QStringLiteral("CD_NOME")] = QStringLiteral("DESFEITA");
        lista.post();
        tr.rollbackRetaining();
        QCOMPARE(valorDe(*outro, QStringLiteral("SELECT COUNT(*) FROM CIDADES WHERE CD_NOME='DESFEITA'")), 0);
        QCOMPARE(valorDe(*outro, QStringLiteral("SELECT COUNT(*) FROM CIDADES WHERE CD_NOME='ALTERADA'")), 1);
        QCOMPARE(lista.recordCount(), kCidades);
    }

    void leituraVeGravacaoPendente()
    {
        Transacao tr(*banco);
        Query grava(*banco, tr);
        grava.sql.defineTexto(QStringLiteral("INSERT INTO CIDADES (CD_CODIGO, CD_NOME) VALUES (9999, 'PENDENTE')"));
        grava.execSQL();
        Query le(*banco, tr);
        le.sql.defineTexto(QStringLiteral("select CD_NOME from CIDADES where CD_CODIGO=9999"));
        le.open();
        QCOMPARE(le[QStringLiteral("CD_NOME")].asString(), QStringLiteral("PENDENTE"));
        tr.rollbackRetaining();
        le.open();
        QVERIFY(le.isEmpty());
    }

    void fimDaTransacaoTrazORestante()
    {
        Transacao tr(*banco);
        Query escrita(*banco, tr);
        escrita.sql.defineTexto(QStringLiteral("UPDATE CIDADES SET CD_UF='SP' WHERE CD_CODIGO=1"));
        escrita.execSQL();
        Query naEscrita(*banco, tr); // opened while the write is pending: it reads inside it
        naEscrita.sql.defineTexto(QLatin1String(kListaCidades));
        naEscrita.open();
        QCOMPARE(naEscrita[QStringLiteral("CD_UF")].asString(), QStringLiteral("SP"));
        QVERIFY(naEscrita.podeBuscarMais());
        tr.commitRetaining();
        QVERIFY(!naEscrita.podeBuscarMais());
        QCOMPARE(naEscrita.linhasCarregadas(), kCidades);

        Query naLeitura(*banco, tr);
        naLeitura.sql.defineTexto(QLatin1String(kListaCidades));
        naLeitura.open();
        QVERIFY(naLeitura.podeBuscarMais());
        tr.commit(); // ends the reads too
        QCOMPARE(naLeitura.linhasCarregadas(), kCidades);
        QCOMPARE(naLeitura.valor(kCidades - 1, 1).toString(), QStringLiteral("CIDADE 5000"));
    }

    void grupoDeGravacoesInteiroOuNada_data()
    {
        QTest::addColumn<bool>("falhaNaUltima");
        QTest::newRow("confirmado") << false;
        QTest::newRow("desfeito") << true;
    }
    void grupoDeGravacoesInteiroOuNada()
    {
        banco.reset();
        auto dm = inst->conectaDados();
        auto outro = conecta();
        const auto usuarios = [&] { return valorDe(*outro, QStringLiteral("SELECT COUNT(*) FROM USUARIOS")); };
        const auto permissoes = [&] { return valorDe(*outro, QStringLiteral("SELECT COUNT(*) FROM USUARIOSPERMISSOES")); };
        QFETCH(bool, falhaNaUltima);
        try {
            // a first account: user row, permission row and settings row
            GrupoGravacao grupo(dm->TransUsuarios, {&dm->TransGravaConfigs});
            Query &u = dm->QryUsuariosPrincipal;
            Dados::abre(u);
            u.append();
            u[QStringLiteral("US_NOME")] = QStringLiteral("ANA");
            u.post(); // its own commit waits for the group
            Query &p = dm->QryUsuariosSecundaria;
            Dados::abre(p);
            p.append();
            p[QStringLiteral("PUS_CODIGO")] = u[QStringLiteral("US_CODIGO")].valor();
            p[QStringLiteral("PUS_LOGIN")] = QStringLiteral("ANA");
            p.post();
            QCOMPARE(usuarios(), 0);
            Query &cf = dm->QryGravaConfigs;
            Dados::reabre(cf);
            cf.edit();
            cf[QStringLiteral("CF_ULT_USUARIO")] = falhaNaUltima ? QString(300, QLatin1Char('A')) : QStringLiteral("ANA");
            cf.post();
            grupo.confirma();
            QVERIFY(!falhaNaUltima);
        } catch (const ErroBD &e) {
            QVERIFY2(falhaNaUltima, qPrintable(e.mensagem()));
            dm->QryGravaConfigs.cancel();
        }
        QCOMPARE(usuarios(), falhaNaUltima ? 0 : 1);
        QCOMPARE(permissoes(), falhaNaUltima ? 0 : 1);
        QCOMPARE(valorDe(*outro, QStringLiteral("SELECT COUNT(*) FROM CONFIGS WHERE CF_ULT_USUARIO='ANA'")),
                 falhaNaUltima ? 0 : 1);
        // after the group every post is durable by itself again
        Query &u = dm->QryUsuariosPrincipal;
        u.append();
        u[QStringLiteral("US_NOME")] = QStringLiteral("BIA");
        u.post();
        QCOMPARE(usuarios(), falhaNaUltima ? 1 : 2);
        QVERIFY(!dm->TransUsuarios.gravando());
        QVERIFY(!dm->TransGravaConfigs.gravando());
    }
};

QTEST_MAIN(TstBusca)
#include "test_busca.moc"
