// Saves and deletes of the register windows when the database refuses them or the connection is
// lost, and the transactions of a station with every window open, on a real database.

#include "TesteJanelas.h"
#include "ContatosCliente.h"
#include "MaskEdit.h"
#include "Dados.h"
#include "ErroBD.h"
#include "InstalacaoTeste.h"
#include "MensagensRoteiro.h"
#include "PainelDetalhesCliente.h"
#include "PainelEdicaoCliente.h"
#include "RelogioFixo.h"
#include "TfBairros.h"
#include "TfCadastrosGerais.h"
#include "TfCidades.h"
#include "TfLogradouros.h"

#include <QElapsedTimer>
#include <functional>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

namespace {

// Another station: its own connection holding an uncommitted change.
struct OutraEstacao {
    BancoDados banco;
    std::unique_ptr<Transacao> tr;
    explicit OutraEstacao(const QString &arquivo)
    {
        banco.nome = arquivo;
        banco.conecta();
        tr = std::make_unique<Transacao>(banco);
    }
    void alteraSemConfirmar(const QString &sql)
    {
        Query q(banco, *tr);
        q.sql.defineTexto(sql);
        q.execSQL();
    }
};

} // namespace

class TstGravacao : public QObject {
    Q_OBJECT

    std::unique_ptr<InstalacaoTeste> inst;
    std::unique_ptr<Dados> dm;
    std::unique_ptr<MensagensRoteiro> msg;
    std::unique_ptr<RelogioFixo> relogio;

    // Read through a connection of its own, as stored.
    QVariant valor(const QString &sql)
    {
        BancoDados b;
        b.nome = inst->banco();
        b.conecta();
        Transacao tr(b);
        Query q(b, tr);
        q.sql.defineTexto(sql);
        q.open();
        return q.valor(0, 0);
    }
    void executa(const QString &sql) { dm->DataBase.executa(sql); }

    // Ends the program's attachment from another connection.
    void derrubaConexao()
    {
        const QVariant id = [&] {
            Transacao tr(dm->DataBase);
            Query q(dm->DataBase, tr);
            q.sql.defineTexto(QStringLiteral("SELECT CURRENT_CONNECTION FROM RDB$DATABASE"));
            q.open();
            return q.valor(0, 0);
        }();
        BancoDados b;
        b.nome = inst->banco();
        b.conecta();
        b.executa(QStringLiteral("DELETE FROM MON$ATTACHMENTS WHERE MON$ATTACHMENT_ID=%1").arg(id.toLongLong()));
    }

    template <typename J> std::unique_ptr<J> abre()
    {
        auto j = std::make_unique<J>();
        j->setAttribute(Qt::WA_DeleteOnClose, false);
        j->show();
        return j;
    }

    // The last message shown, which must be the database's own (not a text of the window).
    QString ultimaMensagem() const { return msg->registradas.isEmpty() ? QString() : msg->registradas.last().texto; }

    void verificaMensagens()
    {
        QString porque;
        QVERIFY2(msg->verificaFim(&porque), qPrintable(porque));
    }

private Q_SLOTS:
    void init()
    {
        inst = std::make_unique<InstalacaoTeste>();
        dm = inst->conectaComoMaster();
        msg = std::make_unique<MensagensRoteiro>();
        relogio = std::make_unique<RelogioFixo>(QDate(2026, 3, 15));
        for (int i = 1; i <= 3; ++i)
            executa(QStringLiteral("INSERT INTO CIDADES (CD_CODIGO, CD_NOME, CD_UF, CD_COD_ESTADO, CD_EXIBIR) "
                                   "VALUES (%1, 'CIDADE %1', 'ES', 8, 'T')").arg(i));
        executa(QStringLiteral("SET GENERATOR COD_CIDADES TO 3"));
    }
    void cleanup()
    {
        relogio.reset();
        msg.reset();
        dm.reset();
        inst.reset();
    }

    void gravacaoRecusadaFicaEmEdicao_data()
    {
        QTest::addColumn<bool>("conexaoPerdida");
        QTest::newRow("conflito com outra estação") << false;
        QTest::newRow("conexão perdida") << true;
    }
    void gravacaoRecusadaFicaEmEdicao()
    {
        QFETCH(bool, conexaoPerdida);
        OutraEstacao outra(inst->banco());
        auto j = abre<TfCidades>();
        QVERIFY(j->principal().locate(QStringLiteral("CD_CODIGO"), 2));
        QTest::keyClick(j.get(), Qt::Key_F3);
        j->EditNome->setText(QStringLiteral("NOVO NOME"));
        if (conexaoPerdida) derrubaConexao();
        else outra.alteraSemConfirmar(QStringLiteral("UPDATE CIDADES SET CD_UF='MG' WHERE CD_CODIGO=2"));
        msg->espera(QString());
        QElapsedTimer t;
        t.start();
        QTest::mouseClick(j->ButGravar, Qt::LeftButton); // through the program's event guard
        QVERIFY(t.elapsed() < 5000); // no wait on the other station's lock
        if (!conexaoPerdida) QVERIFY2(ultimaMensagem().contains(QStringLiteral("concurrent update")), qPrintable(ultimaMensagem()));
        QVERIFY(!ultimaMensagem().isEmpty());
        QCOMPARE(j->modo(), int(JanelaCadastro::Alterando)); // nothing shown as saved
        QVERIFY(j->ButGravar->isEnabled());
        QVERIFY(!j->Grid1->isEnabled());
        QCOMPARE(j->EditNome->text(), QStringLiteral("NOVO NOME"));
        QCOMPARE(valor(QStringLiteral("SELECT CD_NOME FROM CIDADES WHERE CD_CODIGO=2")).toString(), QStringLiteral("CIDADE 2"));

        if (!conexaoPerdida) { // once the other station gives up, the same save goes through
            outra.tr->rollback();
            QTest::keyClick(j.get(), Qt::Key_F6);
            QCOMPARE(j->modo(), int(JanelaCadastro::Normal));
            QCOMPARE(valor(QStringLiteral("SELECT CD_NOME FROM CIDADES WHERE CD_CODIGO=2")).toString(), QStringLiteral("NOVO NOME"));
        } else { // cancel still works and the window stays usable
            QTest::keyClick(j.get(), Qt::Key_F7);
            QCOMPARE(j->modo(), int(JanelaCadastro::Normal));
            QCOMPARE(j->principal()[QStringLiteral("CD_NOME")].asString(), QStringLiteral("CIDADE 2"));
        }
        verificaMensagens();
    }

    void exclusaoRecusadaMantemLinha_data()
    {
        QTest::addColumn<bool>("conexaoPerdida");
        QTest::newRow("conflito com outra estação") << false;
        QTest::newRow("conexão perdida") << true;
    }
    void exclusaoRecusadaMantemLinha()
    {
        QFETCH(bool, conexaoPerdida);
        OutraEstacao outra(inst->banco());
        auto j = abre<TfCidades>();
        QVERIFY(j->principal().locate(QStringLiteral("CD_CODIGO"), 2));
        if (conexaoPerdida) derrubaConexao();
        else outra.alteraSemConfirmar(QStringLiteral("UPDATE CIDADES SET CD_UF='MG' WHERE CD_CODIGO=2"));
        msg->espera(QStringLiteral("EXCLUIR este registro ?"), BotaoSim);
        msg->espera(QString());
        QTest::keyClick(j->Grid1, Qt::Key_Delete);
        QVERIFY(!ultimaMensagem().contains(QStringLiteral("vínculos"))); // the database's own reason
        if (!conexaoPerdida) QVERIFY2(ultimaMensagem().contains(QStringLiteral("concurrent update")), qPrintable(ultimaMensagem()));
        QCOMPARE(j->Grid1->model()->rowCount(), 3);
        QCOMPARE(j->principal()[QStringLiteral("CD_CODIGO")].asInteger(), 2);
        QCOMPARE(j->modo(), int(JanelaCadastro::Normal));
        outra.tr->rollback();
        QCOMPARE(valor(QStringLiteral("SELECT COUNT(*) FROM CIDADES WHERE CD_CODIGO=2")).toInt(), 1);
        verificaMensagens();
    }

    void exclusaoDePessoaRecusada_data()
    {
        QTest::addColumn<QString>("causa");
        QTest::addColumn<QString>("mensagem");
        QTest::newRow("nota do emitente") << "nota" << QStringLiteral("Não é possível excluir. Existem vínculos para esta tabela !");
        QTest::newRow("contato alterado por outra estação") << "bloqueio" << QStringLiteral("concurrent update");
        QTest::newRow("conexão perdida") << "conexao" << QString();
    }
    void exclusaoDePessoaRecusada()
    {
        QFETCH(QString, causa);
        QFETCH(QString, mensagem);
        executa(QStringLiteral("INSERT INTO CADASTROS (CG_CODIGO, CG_NOME, CG_ESPECIE, CG_TIPO_PESSOA, CG_EXIBIR) VALUES (1, 'ANA', 'C', 'F', 'T')"));
        executa(QStringLiteral("INSERT INTO CADASTROSCONTATOS (CGC_CODIGO, CGC_COD_CAD, CGC_TIPO, CGC_CONTATO, CGC_TIPO2) "
                               "VALUES (1, 1, 'EMAIL', 'ana@x.com', 2)"));
        executa(QStringLiteral("INSERT INTO EMPRESAS (EM_CODIGO, EM_NOME) VALUES (1, 'LOJA')"));
        OutraEstacao outra(inst->banco());
        if (causa == QLatin1String("nota"))
            executa(QStringLiteral("INSERT INTO NOTAPROMISSORIA (NP_CODIGO, NP_COD_EMITENTE, NP_COD_CREDOR, NP_DT_VENCIMENTO, "
                                   "NP_VALOR, NP_SALDO_DEVEDOR, NP_STATUS) VALUES (1, 1, 1, '2026-03-01', 100, 100, 'N')"));
        else if (causa == QLatin1String("bloqueio"))
            outra.alteraSemConfirmar(QStringLiteral("UPDATE CADASTROSCONTATOS SET CGC_CONTATO='b@x.com' WHERE CGC_CODIGO=1"));
        auto j = std::make_unique<TfCadastrosGerais>();
        j->setAttribute(Qt::WA_DeleteOnClose, false);
        j->show();
        if (causa == QLatin1String("conexao")) derrubaConexao();
        msg->espera(QStringLiteral("Deseja Excluir: \"ANA\" ?"), BotaoSim);
        msg->espera(mensagem);
        QTest::keyClick(j->Grid1, Qt::Key_Delete);
        QCOMPARE(msg->registradas.size(), 2); // the question and one message
        if (mensagem.isEmpty()) QVERIFY(!ultimaMensagem().contains(QStringLiteral("vínculos")));
        // person and contact both kept (the contact's delete was undone with the person's)
        outra.tr->rollback();
        QCOMPARE(valor(QStringLiteral("SELECT COUNT(*) FROM CADASTROS WHERE CG_CODIGO=1")).toInt(), 1);
        QCOMPARE(valor(QStringLiteral("SELECT COUNT(*) FROM CADASTROSCONTATOS WHERE CGC_COD_CAD=1")).toInt(), 1);
        QCOMPARE(j->Grid1->model()->rowCount(), 1);
        QCOMPARE(j->LabelRegistros->text(), QStringLiteral("Exibindo 1 de 1 registros"));
        QCOMPARE(j->Detalhes->DetNome->text(), QStringLiteral("ANA"));
        verificaMensagens();
    }

    void contatoBloqueadoNaoSaiDaGrade()
    {
        executa(QStringLiteral("INSERT INTO CADASTROS (CG_CODIGO, CG_NOME, CG_ESPECIE, CG_TIPO_PESSOA, CG_EXIBIR) VALUES (1, 'ANA', 'C', 'F', 'T')"));
        executa(QStringLiteral("INSERT INTO CADASTROSCONTATOS (CGC_CODIGO, CGC_COD_CAD, CGC_TIPO, CGC_CONTATO, CGC_TIPO2) "
                               "VALUES (1, 1, 'EMAIL', 'ana@x.com', 2)"));
        auto j = std::make_unique<TfCadastrosGerais>();
        j->setAttribute(Qt::WA_DeleteOnClose, false);
        j->show();
        QTest::keyClick(j.get(), Qt::Key_F3);
        OutraEstacao outra(inst->banco());
        outra.alteraSemConfirmar(QStringLiteral("UPDATE CADASTROSCONTATOS SET CGC_DETALHES='X' WHERE CGC_CODIGO=1"));
        msg->espera(QStringLiteral("EXCLUIR este registro ?"), BotaoSim);
        msg->espera(QStringLiteral("concurrent update"));
        j->Contatos->ButExcluirContato->click();
        QCOMPARE(j->Contatos->QryContatos.recordCount(), 1);
        QCOMPARE(j->Contatos->GridContatos->model()->rowCount(), 1);
        outra.tr->rollback();
        QCOMPARE(valor(QStringLiteral("SELECT COUNT(*) FROM CADASTROSCONTATOS")).toInt(), 1);
        verificaMensagens();
    }

    void pessoaAlteradaPorOutraEstacao()
    {
        executa(QStringLiteral("INSERT INTO CADASTROS (CG_CODIGO, CG_NOME, CG_ESPECIE, CG_TIPO_PESSOA, CG_EXIBIR) VALUES (1, 'ANA', 'C', 'F', 'T')"));
        OutraEstacao outra(inst->banco());
        outra.alteraSemConfirmar(QStringLiteral("UPDATE CADASTROS SET CG_NOME2='X' WHERE CG_CODIGO=1"));
        auto j = std::make_unique<TfCadastrosGerais>();
        j->setAttribute(Qt::WA_DeleteOnClose, false);
        j->show();
        QTest::keyClick(j.get(), Qt::Key_F3);
        j->Edicao->EditNome->setText(QStringLiteral("ANA MARIA"));
        msg->espera(QStringLiteral("concurrent update"));
        QTest::keyClick(j.get(), Qt::Key_F6);
        QCOMPARE(j->modo(), int(JanelaCadastro::Alterando));
        QCOMPARE(j->QryPesquisa.valor(0, QStringLiteral("CG_NOME")).toString(), QStringLiteral("ANA"));
        outra.tr->rollback();
        QTest::keyClick(j.get(), Qt::Key_F6);
        QCOMPARE(j->modo(), int(JanelaCadastro::Normal));
        QCOMPARE(valor(QStringLiteral("SELECT CG_NOME FROM CADASTROS WHERE CG_CODIGO=1")).toString(), QStringLiteral("ANA MARIA"));
        QCOMPARE(j->QryPesquisa.valor(0, QStringLiteral("CG_NOME")).toString(), QStringLiteral("ANA MARIA"));
        verificaMensagens();
    }

    void cancelamentoQueNaoConsegueApagarMostraAPessoa()
    {
        auto j = std::make_unique<TfCadastrosGerais>();
        j->setAttribute(Qt::WA_DeleteOnClose, false);
        j->show();
        QTest::keyClick(j.get(), Qt::Key_F2);
        j->Edicao->EditNome->setText(QStringLiteral("TEMPORARIO"));
        j->Contatos->ComboTipoContato->setCurrentText(QStringLiteral("EMAIL"));
        j->Contatos->EditContato->setText(QStringLiteral("t@x.com"));
        j->Contatos->ButAdicionarContato->click(); // stores the person so that the contact can refer to it
        QCOMPARE(valor(QStringLiteral("SELECT COUNT(*) FROM CADASTROSCONTATOS")).toInt(), 1);
        OutraEstacao outra(inst->banco());
        outra.alteraSemConfirmar(QStringLiteral("UPDATE CADASTROSCONTATOS SET CGC_DETALHES='X'"));
        msg->espera(QStringLiteral("concurrent update"));
        QTest::keyClick(j.get(), Qt::Key_F7); // the person cannot go away now
        QCOMPARE(j->modo(), int(JanelaCadastro::Normal));
        outra.tr->rollback();
        QCOMPARE(valor(QStringLiteral("SELECT COUNT(*) FROM CADASTROS WHERE CG_NOME='TEMPORARIO'")).toInt(), 1);
        QCOMPARE(valor(QStringLiteral("SELECT COUNT(*) FROM CADASTROSCONTATOS")).toInt(), 1);
        QCOMPARE(j->Grid1->model()->rowCount(), 1); // still stored, so listed
        QCOMPARE(j->QryPesquisa.valor(0, QStringLiteral("CG_NOME")).toString(), QStringLiteral("TEMPORARIO"));
        QCOMPARE(j->LabelRegistros->text(), QStringLiteral("Exibindo 1 de 1 registros"));
        verificaMensagens();
    }

    void conexaoPerdidaAoRolarALista()
    {
        executa(QStringLiteral("EXECUTE BLOCK AS DECLARE I INTEGER = 4; BEGIN WHILE (I <= 3000) DO BEGIN "
                               "INSERT INTO CIDADES (CD_CODIGO, CD_NOME, CD_UF, CD_EXIBIR) VALUES (:I, "
                               "'CIDADE ' || LPAD(:I, 4, '0'), 'ES', 'T'); I = I + 1; END END"));
        auto j = abre<TfCidades>();
        const int mostradas = j->Grid1->model()->rowCount();
        QVERIFY(mostradas < 3000);
        derrubaConexao();
        msg->espera(QString());
        for (int i = 0; i < 20; ++i) {
            j->Grid1->scrollToBottom();
            QCoreApplication::processEvents();
        }
        QCOMPARE(msg->registradas.size(), 1); // told once
        QCOMPARE(j->Grid1->model()->rowCount(), mostradas);
        j->Grid1->selectRow(mostradas - 1); // the rows it shows stay usable
        QCOMPARE(j->principal().recNo(), mostradas - 1);
        QCOMPARE(j->EditNome->text(), j->principal()[QStringLiteral("CD_NOME")].asString());
        verificaMensagens();
    }

    void janelaDestruidaEmEdicao()
    {
        auto j = abre<TfCidades>();
        QTest::keyClick(j.get(), Qt::Key_F2);
        j.reset(); // destroyed without closing (its owner goes away): no crash, nothing stored
        QCOMPARE(valor(QStringLiteral("SELECT COUNT(*) FROM CIDADES")).toInt(), 3);
        auto p = std::make_unique<TfCadastrosGerais>();
        p->setAttribute(Qt::WA_DeleteOnClose, false);
        p->show();
        QTest::keyClick(p.get(), Qt::Key_F2);
        p.reset();
    }

    void bancoLimpaComJanelasAbertas()
    {
        executa(QStringLiteral("INSERT INTO BAIRROS (BR_CODIGO, BR_NOME, BR_COD_CIDADE, BR_EXIBIR) VALUES (1, 'CENTRO', 1, 'T')"));
        executa(QStringLiteral("INSERT INTO LOGRADOUROS (LG_CODIGO, LG_NOME, LG_COD_CIDADE, LG_EXIBIR) VALUES (1, 'RUA A', 1, 'T')"));
        executa(QStringLiteral("INSERT INTO CADASTROS (CG_CODIGO, CG_NOME, CG_ESPECIE, CG_TIPO_PESSOA, CG_EXIBIR, CG_OBS) "
                               "VALUES (1, 'ANA', 'C', 'F', 'T', 'observação')"));
        auto cidades = abre<TfCidades>();
        auto bairros = abre<TfBairros>();
        auto ruas = abre<TfLogradouros>();
        auto pessoas = abre<TfCadastrosGerais>();
        for (Query *q : {&dm->LookupEstados, &dm->LookupCidades, &dm->LookupBairros, &dm->LookupLogradouros,
                         &dm->LookupEmpresas, &dm->LookupUsuarios, &dm->LookupCadastros, &dm->LookupEmpresasNP,
                         &dm->LookupClientesNP, &dm->LookupEmpresasRecibo, &dm->QryConfigs, &dm->QryVerificaEmpresas})
            Dados::abre(*q);
        for (Query *q : {&dm->QryPromissoriasHoje, &dm->QryPromissoriasSemana, &dm->QryPromissoriasVencidas,
                         &dm->QryPromissoriasEmitidas}) {
            q->defineParametro(QStringLiteral("DATA1"), QDate(2026, 3, 1));
            q->defineParametro(QStringLiteral("DATA2"), QDate(2026, 3, 31));
            q->open();
        }
        for (Query *q : {&dm->QryAniversariantesHojeCount, &dm->QryAniversariantesMesCount}) {
            q->defineParametro(QStringLiteral("MES"), 3);
            q->defineParametro(QStringLiteral("DIA"), 15);
            q->open();
        }

        const auto altera = [](JanelaCadastro &j, QLineEdit *nome, const QString &texto) {
            j.ButAlteraClick();
            nome->setText(texto);
            j.ButGravarClick();
            QCOMPARE(j.modo(), int(JanelaCadastro::Normal));
        };
        for (int i = 0; i < 125; ++i) {
            altera(*cidades, cidades->EditNome, QStringLiteral("CIDADE %1").arg(1000 + i));
            altera(*bairros, bairros->EditNome, QStringLiteral("BAIRRO %1").arg(i));
            altera(*ruas, ruas->EditNome, QStringLiteral("RUA %1").arg(i));
            altera(*pessoas, pessoas->Edicao->EditNome, QStringLiteral("PESSOA %1").arg(i));
        }
        QCOMPARE(valor(QStringLiteral("SELECT CG_NOME FROM CADASTROS WHERE CG_CODIGO=1")).toString(), QStringLiteral("PESSOA 124"));
        QCOMPARE(valor(QStringLiteral("SELECT CG_OBS FROM CADASTROS WHERE CG_CODIGO=1")).toString(), QStringLiteral("observação"));
        const qint64 distancia = valor(QStringLiteral("SELECT MON$NEXT_TRANSACTION - MON$OLDEST_SNAPSHOT FROM MON$DATABASE")).toLongLong();
        qInfo("MON$NEXT_TRANSACTION - MON$OLDEST_SNAPSHOT = %lld", distancia);
        QVERIFY2(distancia < 100, qPrintable(QString::number(distancia)));
        verificaMensagens();
    }
};

PN_TESTE_JANELAS(TstGravacao)
#include "test_gravacao.moc"
