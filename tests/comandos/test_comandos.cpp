// The SQL console run as a user runs it: lines typed into the box, "Executar", then the rows
// of the database and the messages shown.

#include "Dados.h"
#include "InstalacaoTeste.h"
#include "MensagensRoteiro.h"
#include "TesteJanelas.h"
#include "TfComandosSQL.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

namespace {
const QString Sucesso = QStringLiteral("Comandos executados com sucesso! Feche a janela e Reinicie o programa!");
}

class TstComandos : public QObject {
    Q_OBJECT

    std::unique_ptr<InstalacaoTeste> inst;
    std::unique_ptr<Dados> dm;
    std::unique_ptr<MensagensRoteiro> msg;

    QVariant valor(const QString &sql)
    {
        Transacao tr(dm->DataBase);
        Query q(dm->DataBase, tr);
        q.sql.defineTexto(sql);
        q.open();
        return q.isEmpty() ? QVariant() : q.valor(0, 0);
    }
    QStringList nomesCidades(const QString &filtro)
    {
        Transacao tr(dm->DataBase);
        Query q(dm->DataBase, tr);
        q.sql.defineTexto(QStringLiteral("SELECT CD_NOME FROM CIDADES WHERE CD_NOME LIKE '%1%' ORDER BY CD_NOME").arg(filtro));
        q.open();
        QStringList r;
        for (int i = 0; i < q.recordCount(); ++i) r << q.valor(i, 0).toString();
        return r;
    }
    std::unique_ptr<TfComandosSQL> abre()
    {
        auto j = std::make_unique<TfComandosSQL>();
        j->show();
        return j;
    }
    static void executa(TfComandosSQL &j, const QString &texto)
    {
        j.MemoVerifica->setPlainText(texto);
        QTest::mouseClick(j.ButExecutar, Qt::LeftButton);
    }

private Q_SLOTS:
    void init()
    {
        inst = std::make_unique<InstalacaoTeste>();
        dm = inst->conectaComoMaster();
        msg = std::make_unique<MensagensRoteiro>();
    }
    void cleanup()
    {
        QString porque;
        QVERIFY2(msg->verificaFim(&porque), qPrintable(porque));
        msg.reset();
        dm.reset();
        inst.reset();
    }

    void abreVazioComFoco()
    {
        auto j = abre();
        j->MemoVerifica->setPlainText(QStringLiteral("lixo"));
        j->hide();
        j->show();
        j->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(j.get()));
        QCOMPARE(j->MemoVerifica->toPlainText(), QString());
        QCOMPARE(QApplication::focusWidget(), j->MemoVerifica);
        QCOMPARE(j->windowTitle(), QStringLiteral(" Comandos SQL"));
    }

    void caixaVazia()
    {
        auto j = abre();
        msg->espera(QStringLiteral("Nenhuma comando encontrado!"));
        executa(*j, QString());
        QCOMPARE(msg->registradas.last().titulo, QStringLiteral("Informação!"));
    }

    // Every line runs on its own, empty and blank lines passed over; a quote doubled inside a
    // literal is the quote itself; the box is empty afterwards.
    void linhasComLinhasVazias()
    {
        auto j = abre();
        msg->espera(Sucesso);
        executa(*j, QStringLiteral("INSERT INTO CIDADES (CD_CODIGO, CD_NOME, CD_UF, CD_EXIBIR) VALUES (9001, 'XCIDADE UM', 'SP', 'T')\n"
                                   "\n   \n"
                                   "INSERT INTO CIDADES (CD_CODIGO, CD_NOME, CD_UF, CD_EXIBIR) VALUES (9002, 'XCIDADE D''ÁVILA', 'SP', 'T')\n"
                                   "UPDATE CIDADES SET CD_EXIBIR = 'F' WHERE CD_CODIGO = 9001\n"));
        QCOMPARE(nomesCidades(QStringLiteral("XCIDADE")), (QStringList{QStringLiteral("XCIDADE D'ÁVILA"), QStringLiteral("XCIDADE UM")}));
        QCOMPARE(valor(QStringLiteral("SELECT CD_EXIBIR FROM CIDADES WHERE CD_CODIGO = 9001")).toString(), QStringLiteral("F"));
        QCOMPARE(j->MemoVerifica->toPlainText(), QString());
        QVERIFY(j->GridResultado->isHidden());
    }

    // The database's refusal stops the run: the lines before it stay, the later ones do not
    // run, the box keeps its text, the message names the line and no success follows.
    void erroParaNaLinha_data()
    {
        QTest::addColumn<QString>("ruim");
        QTest::addColumn<QString>("trecho");
        QTest::newRow("sintaxe") << QStringLiteral("INSRT INTO CIDADES VALUES (1)") << QStringLiteral("Token unknown");
        QTest::newRow("chave repetida") << QStringLiteral("INSERT INTO CIDADES (CD_CODIGO, CD_NOME) VALUES (9001, 'OUTRA')")
                                        << QStringLiteral("PRIMARY");
        QTest::newRow("literal aberto") << QStringLiteral("UPDATE CIDADES SET CD_NOME = 'D'AVILA' WHERE CD_CODIGO = 9001")
                                        << QStringLiteral("Linha 3");
    }
    void erroParaNaLinha()
    {
        QFETCH(QString, ruim);
        QFETCH(QString, trecho);
        auto j = abre();
        const QString texto = QStringLiteral("INSERT INTO CIDADES (CD_CODIGO, CD_NOME, CD_UF, CD_EXIBIR) VALUES (9001, 'XANTES', 'SP', 'T')\n\n")
                              + ruim + QStringLiteral("\nINSERT INTO CIDADES (CD_CODIGO, CD_NOME, CD_UF, CD_EXIBIR) VALUES (9003, 'XDEPOIS', 'SP', 'T')");
        msg->espera(trecho);
        executa(*j, texto);
        QVERIFY2(msg->registradas.last().texto.contains(QStringLiteral("Linha 3: ") + ruim), qPrintable(msg->registradas.last().texto));
        QCOMPARE(nomesCidades(QStringLiteral("X")), QStringList{QStringLiteral("XANTES")});
        QCOMPARE(j->MemoVerifica->toPlainText(), texto);
        // The next run goes on normally.
        msg->espera(Sucesso);
        executa(*j, QStringLiteral("DELETE FROM CIDADES WHERE CD_CODIGO = 9001"));
        QCOMPARE(nomesCidades(QStringLiteral("X")), QStringList());
    }

    // Opened from the connection panel with no database: the database layer's message, the
    // box kept, nothing else.
    void semBanco()
    {
        auto j = abre();
        dm->FechaTabelas();
        msg->espera(QStringLiteral("Banco de dados não conectado."));
        executa(*j, QStringLiteral("DELETE FROM CIDADES"));
        QCOMPARE(j->MemoVerifica->toPlainText(), QStringLiteral("DELETE FROM CIDADES"));
    }

    // A query shows its rows; the lines after it run too, and the rows shown are those of the
    // last query.
    void consultaMostraLinhas()
    {
        auto j = abre();
        msg->espera(Sucesso);
        executa(*j, QStringLiteral("SELECT ES_SIGLA FROM ESTADOS ORDER BY ES_SIGLA\n"
                                   "INSERT INTO CIDADES (CD_CODIGO, CD_NOME, CD_UF, CD_EXIBIR) VALUES (9004, 'XPOS CONSULTA', 'SP', 'T')\n"
                                   "SELECT CD_NOME FROM CIDADES WHERE CD_CODIGO = 9004"));
        QVERIFY(!j->GridResultado->isHidden());
        auto *m = j->GridResultado->model();
        QCOMPARE(m->columnCount(), 1);
        QCOMPARE(m->rowCount(), 1);
        QCOMPARE(m->data(m->index(0, 0)).toString(), QStringLiteral("XPOS CONSULTA"));
        QCOMPARE(nomesCidades(QStringLiteral("XPOS")), QStringList{QStringLiteral("XPOS CONSULTA")});

        msg->espera(Sucesso);
        executa(*j, QStringLiteral("SELECT COUNT(*) FROM ESTADOS"));
        QCOMPARE(m->rowCount(), 1);
        QCOMPARE(m->data(m->index(0, 0)).toInt(), valor(QStringLiteral("SELECT COUNT(*) FROM ESTADOS")).toInt());
    }
};

PN_TESTE_JANELAS(TstComandos)
#include "test_comandos.moc"
