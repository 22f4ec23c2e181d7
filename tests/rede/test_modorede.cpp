// Network mode against a real Firebird server that the suite starts itself on loopback: the
// network window accepting a server and a client, refusing what it cannot reach, and two
// stations sharing one database through the server.

#include "test_rede.h"

#include "Aplicacao.h"
#include "Enderecos.h"
#include "ErroBD.h"
#include "Registro.h"
#include "ServidorTeste.h"
#include "TesteJanelas.h"
#include "TfComandosSQL.h"

#include <QAbstractItemModel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableView>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {
const QString PorNomeOk = QStringLiteral("Conexão com o banco de dados pelo Nome OK !");
const QString PorNomeFalhou = QStringLiteral("Ops, Conexão com o banco de dados pelo Nome FALHOU !");
const QString PorIPOk = QStringLiteral("Conexão com o banco de dados pelo IP OK !");
const QString PorIPFalhou = QStringLiteral("Ops, Conexão com o banco de dados pelo IP FALHOU !");
const QString Ativado = QStringLiteral("Modo Rede Ativado.\rFeche o programa e abra-o novamente.");
const QString NaoAtivado = QStringLiteral("Modo Rede Não Foi Ativado!");
const QString Fecha = QStringLiteral("O programa será fechado.\rAbra-o novamente em seguida!");

// The other station: its own connection to the same database through the server, with its
// own transaction, as another computer's program has.
struct Estacao {
    explicit Estacao(const QString &nome) : tr(banco, QStringLiteral("TransEstacao"))
    {
        banco.parametros = BancoDados::parametrosPadrao();
        banco.nome = nome;
        banco.conecta();
    }
    QVariant valor(const QString &sql)
    {
        Query q(banco, tr);
        q.sql.defineTexto(sql);
        q.open();
        const QVariant v = q.isEmpty() ? QVariant() : q.valor(0, 0);
        q.close();
        return v;
    }
    BancoDados banco;
    Transacao tr;
};
} // namespace

class TstModoRede : public BaseRede {
    Q_OBJECT

    std::unique_ptr<ServidorTeste> servidor;

    // The installation in server mode through the suite's server (as a network installation).
    void modoServidor()
    {
        Registro::escreveBooleano(QStringLiteral("VersaoEmbarcada"), false);
        Registro::escreveTexto(QStringLiteral("Porta"), QString::number(servidor->porta()));
    }
    std::unique_ptr<TfRede> abreComPorta(int porta)
    {
        firebirdInstalado();
        auto j = abre();
        clica(j->ButConcluir); // hides the help panel
        j->EditPortaServidor->setText(QString::number(porta));
        return j;
    }
    void cliente(TfRede &j, const QString &nome, const QString &ip)
    {
        msg->espera(QStringLiteral("IMPORTANTE!")).espera(QStringLiteral("COMO ATIVA")).espera(QStringLiteral("Se o Modo Rede NÃO"));
        clica(j.RadioCliente);
        j.EditNomeServidor->setText(nome);
        j.EditIPServidor->setText(ip);
    }

private Q_SLOTS:
    void initTestCase()
    {
        servidor = std::make_unique<ServidorTeste>();
        QVERIFY2(servidor->inicia(), qPrintable(servidor->erro()));
    }
    void cleanupTestCase() { servidor.reset(); }
    void init()
    {
        preparaBase();
        dm = inst->conectaDados();
    }
    void cleanup() { limpaBase(); }

    // The server role: reached by name and address, the settings written, the program ends;
    // its next start connects through the server.
    void servidorAtivado()
    {
        auto j = abreComPorta(servidor->porta());
        msg->espera(PorNomeOk).espera(PorIPOk).espera(Ativado);
        msg->espera(QStringLiteral("ANOTE estas informações:\r(você vai usá-las nos outros computadores)\rNome do Servidor:  "
                                   "ESTACAO01\rIP do Servidor:  192.168.0.10"));
        msg->espera(QStringLiteral("Como este é o Servidor, recomendamos\radicionar uma permissão para o Firebird\rno Firewall "
                                   "do Windows. Quer ver como?"),
                    BotaoSim);
        msg->espera(Fecha);
        clica(j->ButConcluir);
        QVERIFY(j->acessivelPorNome());
        QVERIFY(!Registro::leBooleano(QStringLiteral("VersaoEmbarcada")));
        QCOMPARE(Registro::leTexto(QStringLiteral("NomeServidor")), QStringLiteral("127.0.0.1"));
        QCOMPARE(Registro::leTexto(QStringLiteral("IPServidor")), QStringLiteral("127.0.0.1"));
        QCOMPARE(Registro::leTexto(QStringLiteral("Porta")), QString::number(servidor->porta()));
        QCOMPARE(Registro::leTexto(QStringLiteral("Server")), QStringLiteral("S"));
        QCOMPARE(dm->Server, QStringLiteral("S"));
        QVERIFY(plataforma->chamou(QStringLiteral("abreEndereco ") + Enderecos::FirebirdFirewall));
        QVERIFY(Aplicacao::programaEncerrado());

        // The next start.
        dm.reset();
        dm = inst->conectaDados();
        QCOMPARE(dm->nomeBanco(), servidor->nomeBanco(dm->PathBancoDados));
        Dados::reabre(dm->LookupEstados);
        QCOMPARE(dm->LookupEstados.recordCount(), 27);
    }

    // A client whose pings fail but whose database answers by name is accepted.
    void clienteSemPingAceito()
    {
        auto j = abreComPorta(servidor->porta());
        cliente(*j, QStringLiteral("localhost"), QStringLiteral("127.0.0.2"));
        plataforma->pingPadrao = {false, QString()};
        msg->espera(QStringLiteral("Conexão de rede pelo Nome FALHOU!")).espera(QStringLiteral("Conexão de rede pelo IP FALHOU!"));
        msg->espera(PorNomeOk).espera(PorIPFalhou).espera(Ativado).espera(Fecha);
        clica(j->ButConcluir);
        QVERIFY(!j->pingNome());
        QVERIFY(!j->pingIP());
        QCOMPARE(Registro::leTexto(QStringLiteral("Server")), QStringLiteral("N"));
        QCOMPARE(Registro::leTexto(QStringLiteral("NomeServidor")), QStringLiteral("localhost"));
        QCOMPARE(Registro::leTexto(QStringLiteral("IPServidor")), QStringLiteral("127.0.0.2"));
        QVERIFY(!Registro::leBooleano(QStringLiteral("VersaoEmbarcada")));
        QVERIFY(plataforma->scripts.isEmpty()); // no firewall step on a client
    }

    // Reached only by address (a server listening on 127.0.0.3): not accepted.
    void clienteSoPeloEnderecoRecusado()
    {
        ServidorTeste outro(QStringLiteral("127.0.0.3"));
        QVERIFY2(outro.inicia(), qPrintable(outro.erro()));
        auto j = abreComPorta(outro.porta());
        cliente(*j, QStringLiteral("localhost"), QStringLiteral("127.0.0.3"));
        msg->espera(QStringLiteral("Conexão de rede pelo Nome OK !")).espera(QStringLiteral("Conexão de rede pelo IP OK !"));
        msg->espera(PorNomeFalhou).espera(PorIPOk).espera(NaoAtivado).espera(QStringLiteral("Uma página com dicas")).espera(Fecha);
        clica(j->ButConcluir);
        QVERIFY(!j->acessivelPorNome());
        QVERIFY(Registro::leBooleano(QStringLiteral("VersaoEmbarcada")));
        QCOMPARE(Registro::leTexto(QStringLiteral("Server")), QStringLiteral("S"));
    }

    // The server answers, but the database path does not exist there.
    void caminhoInexistenteNoServidor()
    {
        dm->PathBancoDados = inst->raiz() + QStringLiteral("/nao/existe/BD.FDB");
        auto j = abreComPorta(servidor->porta());
        msg->espera(PorNomeFalhou).espera(PorIPFalhou).espera(NaoAtivado).espera(QStringLiteral("Uma página com dicas")).espera(Fecha);
        clica(j->ButConcluir);
        QVERIFY(Registro::leBooleano(QStringLiteral("VersaoEmbarcada")));
    }

    // Two stations see each other's committed changes at their next read.
    void estacoesVeemAlteracoes()
    {
        dm.reset();
        modoServidor();
        dm = inst->conectaDados();
        Estacao b(servidor->nomeBanco(dm->PathBancoDados));

        Query pessoas(dm->DataBase, dm->TransUsuarios);
        pessoas.sql.defineTexto(QStringLiteral("SELECT CG_CODIGO, CG_NOME FROM CADASTROS WHERE CG_CODIGO = 0"));
        pessoas.defineTabela(QStringLiteral("CADASTROS"), {QStringLiteral("CG_CODIGO")}, QStringLiteral("COD_CADASTROS"));
        pessoas.open();
        pessoas.append();
        pessoas[QStringLiteral("CG_NOME")] = QStringLiteral("ANA D'ÁVILA");
        pessoas.postEConfirma();
        const int codigo = pessoas[QStringLiteral("CG_CODIGO")].asInteger();
        QCOMPARE(b.valor(QStringLiteral("SELECT CG_NOME FROM CADASTROS WHERE CG_CODIGO = %1").arg(codigo)).toString(),
                 QStringLiteral("ANA D'ÁVILA"));

        // The shared list of station A, open before B's change, shows it once read again.
        Dados::reabre(dm->LookupCadastros);
        QVERIFY(dm->LookupCadastros.locate(QStringLiteral("CG_CODIGO"), codigo));
        b.banco.executa(QStringLiteral("UPDATE CADASTROS SET CG_NOME = 'ANA SOUZA' WHERE CG_CODIGO = %1").arg(codigo));
        Dados::reabre(dm->LookupCadastros);
        QVERIFY(dm->LookupCadastros.locate(QStringLiteral("CG_CODIGO"), codigo));
        QCOMPARE(dm->LookupCadastros[QStringLiteral("CG_NOME")].asString(), QStringLiteral("ANA SOUZA"));
    }

    // The SQL console of one station and the other station's connection: each sees what the
    // other committed at its next read.
    void consoleEntreEstacoes()
    {
        dm.reset();
        modoServidor();
        dm = inst->conectaDados();
        Estacao b(servidor->nomeBanco(dm->PathBancoDados));
        TfComandosSQL console;
        console.show();
        msg->espera(QStringLiteral("Comandos executados com sucesso!"));
        console.MemoVerifica->setPlainText(QStringLiteral("INSERT INTO CIDADES (CD_CODIGO, CD_NOME, CD_UF, CD_EXIBIR) VALUES (7001, 'XREDE', 'SP', 'T')"));
        QTest::mouseClick(console.ButExecutar, Qt::LeftButton);
        QCOMPARE(b.valor(QStringLiteral("SELECT CD_NOME FROM CIDADES WHERE CD_CODIGO = 7001")).toString(), QStringLiteral("XREDE"));

        b.banco.executa(QStringLiteral("UPDATE CIDADES SET CD_NOME = 'XREDE B' WHERE CD_CODIGO = 7001"));
        msg->espera(QStringLiteral("Comandos executados com sucesso!"));
        console.MemoVerifica->setPlainText(QStringLiteral("SELECT CD_NOME FROM CIDADES WHERE CD_CODIGO = 7001"));
        QTest::mouseClick(console.ButExecutar, Qt::LeftButton);
        QAbstractItemModel *m = console.GridResultado->model();
        QCOMPARE(m->rowCount(), 1);
        QCOMPARE(m->data(m->index(0, 0)).toString(), QStringLiteral("XREDE B"));
        console.close();
    }

    // The same person altered on two stations: the second save fails at once with the
    // database's lock conflict and stays in editing; nothing of the first is lost.
    void pessoaAlteradaNasDuas()
    {
        dm.reset();
        modoServidor();
        dm = inst->conectaDados();
        dm->DataBase.executa(QStringLiteral("INSERT INTO CADASTROS (CG_CODIGO, CG_NOME) VALUES (500, 'BETO')"));
        Estacao b(servidor->nomeBanco(dm->PathBancoDados));

        Query qa(dm->DataBase, dm->TransUsuarios);
        qa.sql.defineTexto(QStringLiteral("SELECT CG_CODIGO, CG_NOME FROM CADASTROS WHERE CG_CODIGO = 500"));
        qa.defineTabela(QStringLiteral("CADASTROS"), {QStringLiteral("CG_CODIGO")});
        qa.open();
        Query qb(b.banco, b.tr);
        qb.sql.defineTexto(qa.sql.texto());
        qb.defineTabela(QStringLiteral("CADASTROS"), {QStringLiteral("CG_CODIGO")});
        qb.open();

        // B's save is under way (its write not committed yet) when A saves.
        GrupoGravacao grupo(b.tr);
        qb.edit();
        qb[QStringLiteral("CG_NOME")] = QStringLiteral("BETO DE B");
        qb.post();
        qa.edit();
        qa[QStringLiteral("CG_NOME")] = QStringLiteral("BETO DE A");
        try {
            qa.postEConfirma();
            QFAIL("the second save was accepted");
        } catch (const ErroBD &e) {
            QVERIFY2(e.conflitoBloqueio(), qPrintable(e.mensagem()));
        }
        QVERIFY(qa.editando());
        QCOMPARE(qa[QStringLiteral("CG_NOME")].asString(), QStringLiteral("BETO DE A"));
        grupo.confirma();

        Estacao c(servidor->nomeBanco(dm->PathBancoDados));
        QCOMPARE(c.valor(QStringLiteral("SELECT CG_NOME FROM CADASTROS WHERE CG_CODIGO = 500")).toString(), QStringLiteral("BETO DE B"));
        // A, told of the conflict, reads again and saves over the committed row.
        qa.cancel();
        qa.reabre();
        QCOMPARE(qa[QStringLiteral("CG_NOME")].asString(), QStringLiteral("BETO DE B"));
        qa.edit();
        qa[QStringLiteral("CG_NOME")] = QStringLiteral("BETO DE A");
        qa.postEConfirma();
        QCOMPARE(c.valor(QStringLiteral("SELECT CG_NOME FROM CADASTROS WHERE CG_CODIGO = 500")).toString(), QStringLiteral("BETO DE A"));
    }

    // The same installment received on two stations at once: the second receipt fails with the
    // lock conflict and the payment is counted once.
    void parcelaRecebidaNasDuas()
    {
        dm.reset();
        modoServidor();
        dm = inst->conectaDados();
        dm->DataBase.executa(QStringLiteral("INSERT INTO CADASTROS (CG_CODIGO, CG_NOME) VALUES (501, 'CARLA')"));
        dm->DataBase.executa(QStringLiteral("INSERT INTO EMPRESAS (EM_CODIGO, EM_NOME) VALUES (1, 'ALFA')"));
        dm->DataBase.executa(QStringLiteral("INSERT INTO NOTAPROMISSORIA (NP_CODIGO, NP_COD_CREDOR, NP_COD_EMITENTE, NP_VALOR, "
                                            "NP_SALDO_DEVEDOR, NP_VALOR_PGTO, NP_STATUS) VALUES (900, 1, 501, 100, 100, 0, 'N')"));
        Estacao b(servidor->nomeBanco(dm->PathBancoDados));
        const QString recebe = QStringLiteral("UPDATE NOTAPROMISSORIA SET NP_VALOR_PGTO = NP_VALOR_PGTO + 100, "
                                              "NP_SALDO_DEVEDOR = NP_SALDO_DEVEDOR - 100, NP_STATUS = 'P' "
                                              "WHERE NP_CODIGO = 900 AND NP_STATUS <> 'P'");
        Query rb(b.banco, b.tr);
        rb.sql.defineTexto(recebe);
        GrupoGravacao grupo(b.tr);
        QCOMPARE(rb.execSQL(), 1);

        Transacao ta(dm->DataBase, QStringLiteral("TransReceber"));
        Query ra(dm->DataBase, ta);
        ra.sql.defineTexto(recebe);
        try {
            ra.execSQL();
            ta.commitRetaining();
            QFAIL("the second receipt was accepted");
        } catch (const ErroBD &e) {
            QVERIFY2(e.conflitoBloqueio(), qPrintable(e.mensagem()));
            ta.rollbackRetaining();
        }
        grupo.confirma();

        // Tried again after the first is committed: the installment is paid, nothing changes.
        QCOMPARE(ra.execSQL(), 0);
        ta.commitRetaining();
        Estacao c(servidor->nomeBanco(dm->PathBancoDados));
        QCOMPARE(c.valor(QStringLiteral("SELECT NP_VALOR_PGTO FROM NOTAPROMISSORIA WHERE NP_CODIGO = 900")).value<Moeda>(), Moeda::deReais(100));
        QCOMPARE(c.valor(QStringLiteral("SELECT NP_SALDO_DEVEDOR FROM NOTAPROMISSORIA WHERE NP_CODIGO = 900")).value<Moeda>(), Moeda::deReais(0));
        QCOMPARE(c.valor(QStringLiteral("SELECT NP_STATUS FROM NOTAPROMISSORIA WHERE NP_CODIGO = 900")).toString(), QStringLiteral("P"));
    }
};

PN_TESTE_JANELAS(TstModoRede)
#include "test_modorede.moc"
