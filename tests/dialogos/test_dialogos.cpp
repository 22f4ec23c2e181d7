// The standard dialogs and the splash, driven with keys and clicks as a user drives them.

#include "TesteJanelas.h"
#include "MensagensJanelas.h"
#include "TfAviso.h"
#include "TfAviso9.h"
#include "TfCarregando.h"
#include "TfSair.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

QWidget *foco() { return QApplication::focusWidget(); }
QString nomeDoFoco() { return foco() ? foco()->objectName() : QString(); }

void tecla(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier)
{
    QWidget *w = foco();
    QVERIFY2(w, "nenhum controle com o foco");
    QTest::keyClick(w, k, m);
}

// "enter", "esc", "alt+u", "clique:ButNao" (a button of the dialog) or "fecha" (closed
// without a button).
void age(QDialog *d, const QString &acao)
{
    if (acao == u"fecha") d->close();
    else if (acao == u"enter") tecla(Qt::Key_Return);
    else if (acao == u"esc") tecla(Qt::Key_Escape);
    else if (acao.startsWith(u"alt+")) {
        // A button's mnemonic clicks it a moment later (animated click).
        tecla(Qt::Key(acao.at(4).toUpper().unicode()), Qt::AltModifier);
        (void)QTest::qWaitFor([d] { return !d->isVisible(); }, 500);
    }
    else if (acao.startsWith(u"clique:")) {
        auto *b = d->findChild<QPushButton *>(acao.mid(7));
        QVERIFY2(b, qPrintable(acao));
        QTest::mouseClick(b, Qt::LeftButton);
    } else QFAIL(qPrintable(u"ação desconhecida: " + acao));
}

// Runs `exame` on the modal dialog once it is on screen and active, then `acao`. A dialog
// still open afterwards is closed, so that a failed check never blocks the test.
void naModal(std::function<void(QDialog *)> exame, const QString &acao)
{
    QTimer::singleShot(0, qApp, [exame, acao] {
        auto *d = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!d) {
            QTest::qFail("nenhum diálogo modal na tela", __FILE__, __LINE__);
            return;
        }
        if (QTest::qWaitForWindowActive(d)) {
            if (exame) exame(d);
            age(d, acao);
        } else {
            QTest::qFail("o diálogo não ficou ativo", __FILE__, __LINE__);
        }
        if (d->isVisible()) d->close();
    });
}

PedidoAviso pedido(int codigo = 0, const QString &texto = {})
{
    PedidoAviso p;
    p.codigo = codigo;
    p.texto = texto;
    return p;
}

QStringList botoesVisiveis(QDialog *d)
{
    QStringList nomes;
    for (QPushButton *b : d->findChildren<QPushButton *>())
        if (b->isVisible()) nomes << b->objectName();
    nomes.sort();
    return nomes;
}

} // namespace

class TesteDialogos : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();

    void aviso_data();
    void aviso();
    void avisoLegendaENaoRestaurados();
    void regrasDoTextoPeloServico();
    void avisoDuranteOutroAviso();
    void aviso9_data();
    void aviso9();
    void aviso9UtilizarNaProximaVez();
    void sair_data();
    void sair();
    void caixa_data();
    void caixa();
    void carregando();

private:
    MensagensJanelas servico;
};

void TesteDialogos::initTestCase() { Mensagens::instala(&servico); }
void TesteDialogos::cleanupTestCase() { Mensagens::instala(nullptr); }

void TesteDialogos::aviso_data()
{
    QTest::addColumn<int>("codigo");
    QTest::addColumn<bool>("somenteOk");
    QTest::addColumn<QString>("acao");
    QTest::addColumn<QStringList>("visiveis");
    QTest::addColumn<QString>("focado");
    QTest::addColumn<int>("resposta");

    const QStringList ok{QStringLiteral("ButOk2")}, simNao{QStringLiteral("ButNao"), QStringLiteral("ButOK")};
    const auto r = [](RespostaAviso x) { return int(x); };
    QTest::newRow("aviso OK por ENTER") << 91 << true << "enter" << ok << "ButOk2" << r(RespostaAviso::Ok);
    QTest::newRow("aviso OK com ESC responde NÃO") << 91 << true << "esc" << ok << "ButOk2" << r(RespostaAviso::Nao);
    QTest::newRow("código 91 basta para o OK") << 91 << false << "clique:ButOk2" << ok << "ButOk2" << r(RespostaAviso::Ok);
    QTest::newRow("pergunta, SIM por ENTER") << 2 << false << "enter" << simNao << "ButOK" << r(RespostaAviso::Sim);
    QTest::newRow("pergunta, clique no NÃO") << 0 << false << "clique:ButNao" << simNao << "ButOK" << r(RespostaAviso::Nao);
    QTest::newRow("pergunta, ESC") << 8 << false << "esc" << simNao << "ButOK" << r(RespostaAviso::Nao);
    QTest::newRow("fechado sem botão") << 7 << false << "fecha" << simNao << "ButOK" << r(RespostaAviso::Nenhuma);
}

void TesteDialogos::aviso()
{
    QFETCH(int, codigo);
    QFETCH(bool, somenteOk);
    QFETCH(QString, acao);
    QFETCH(QStringList, visiveis);
    QFETCH(QString, focado);
    QFETCH(int, resposta);

    TfAviso f;
    naModal([&](QDialog *d) {
        QCOMPARE(d->windowTitle(), QStringLiteral(" Aviso!"));
        QVERIFY(!(d->windowFlags() & Qt::WindowCloseButtonHint));
        QCOMPARE(botoesVisiveis(d), visiveis);
        QCOMPARE(nomeDoFoco(), focado);
        QCOMPARE(f.Codigo, codigo);
    }, acao);
    QCOMPARE(int(f.pergunta(QStringLiteral("Backup concluído!"), codigo, somenteOk)), resposta);

    // Exactly the flag of the answer, and the request code cleared.
    QCOMPARE(f.SimPressionado, resposta == int(RespostaAviso::Sim));
    QCOMPARE(f.NaoPressionado, resposta == int(RespostaAviso::Nao));
    QCOMPARE(f.OkPressionado, resposta == int(RespostaAviso::Ok));
    QCOMPARE(f.Codigo, 0);
}

void TesteDialogos::avisoLegendaENaoRestaurados()
{
    TfAviso f;
    naModal([&](QDialog *) {
        QCOMPARE(f.ButOK->text(), QStringLiteral("Continuar"));
        QVERIFY(!f.ButNao->isEnabled());
        QCOMPARE(f.LblMensagem->text(), QStringLiteral("Você cadastrou o usuário \"ANA\", sem senha!\n"
                                                       "Use \"ANA\" para entrar no programa."));
    }, QStringLiteral("enter"));
    QCOMPARE(f.pergunta(QStringLiteral("Você cadastrou o usuário \"ANA\", sem senha!\r"
                                       "Use \"ANA\" para entrar no programa."),
                        0, false, QStringLiteral("Continuar"), false),
             RespostaAviso::Sim);
    QCOMPARE(f.ButOK->text(), QStringLiteral("SIM"));
    QVERIFY(f.ButNao->isEnabled());

    naModal([&](QDialog *) {
        QCOMPARE(f.ButOK->text(), QStringLiteral("SIM"));
        QVERIFY(f.ButNao->isEnabled());
        QCOMPARE(f.LblMensagem->text(), QStringLiteral("linha 1\nlinha 2"));
    }, QStringLiteral("clique:ButNao"));
    QCOMPARE(f.pergunta(QStringLiteral("linha 1\r\nlinha 2")), RespostaAviso::Nao);
}

void TesteDialogos::regrasDoTextoPeloServico()
{
    EstadoAviso::reinicia();
    struct Passo { PedidoAviso pedido; QString texto; QString acao; RespostaAviso resposta; };
    const Passo passos[] = {
        {pedido(), QStringLiteral("EXCLUIR este registro ?"), QStringLiteral("enter"), RespostaAviso::Sim},
        {pedido(), QStringLiteral("CONFIRMAR ?"), QStringLiteral("esc"), RespostaAviso::Nao},
        {pedido(0, QStringLiteral("Deseja gravar?")), QStringLiteral("Deseja gravar?"), QStringLiteral("enter"), RespostaAviso::Sim},
        {pedido(2, QStringLiteral("TEXTO DO CHAMADOR")), QStringLiteral("Deseja efetuar OUTRO lançamento agora ?"),
         QStringLiteral("clique:ButNao"), RespostaAviso::Nao},
        {pedido(91, QStringLiteral("Backup concluído!")), QStringLiteral("Backup concluído!"), QStringLiteral("enter"), RespostaAviso::Ok},
    };
    for (const Passo &p : passos) {
        naModal([&](QDialog *d) {
            QCOMPARE(d, &servico.fAviso()); // one dialog, reused
            QCOMPARE(servico.fAviso().LblMensagem->text(), p.texto);
        }, p.acao);
        QCOMPARE(::aviso(p.pedido), p.resposta);
    }
}

void TesteDialogos::avisoDuranteOutroAviso()
{
    // A notice raised while a question is on screen (a timer of the main window) gets a dialog
    // of its own; the question keeps its text and gets its own answer.
    RespostaAviso interna = RespostaAviso::Nenhuma;
    naModal([&](QDialog *pergunta) {
        naModal([&](QDialog *d) {
            QVERIFY(d != pergunta);
            QCOMPARE(botoesVisiveis(d), QStringList{QStringLiteral("ButOk2")});
        }, QStringLiteral("enter"));
        interna = ::aviso(pedido(91, QStringLiteral("Há parcelas vencendo hoje!")));
        QVERIFY(pergunta->isVisible());
        QCOMPARE(servico.fAviso().LblMensagem->text(), QStringLiteral("Deseja gravar?"));
    }, QStringLiteral("clique:ButOK"));
    QCOMPARE(::aviso(pedido(0, QStringLiteral("Deseja gravar?"))), RespostaAviso::Sim);
    QCOMPARE(interna, RespostaAviso::Ok);
}

void TesteDialogos::aviso9_data()
{
    QTest::addColumn<QString>("utilizar");
    QTest::addColumn<QString>("acao");
    QTest::addColumn<int>("resposta");

    const QString nome = QStringLiteral("\"JOSE DA SILVA\"");
    const auto r = [](RespostaAviso9 x) { return int(x); };
    QTest::newRow("ENTER no foco cadastra") << nome << "enter" << r(RespostaAviso9::Cadastrar);
    QTest::newRow("ALT+C cadastra") << nome << "alt+c" << r(RespostaAviso9::Cadastrar);
    QTest::newRow("ALT+U utiliza") << nome << "alt+u" << r(RespostaAviso9::Utilizar);
    QTest::newRow("clique em utilizar") << nome << "clique:ButUtilizar" << r(RespostaAviso9::Utilizar);
    QTest::newRow("ALT+V volta") << nome << "alt+v" << r(RespostaAviso9::Voltar);
    QTest::newRow("ESC volta") << nome << "esc" << r(RespostaAviso9::Voltar);
    QTest::newRow("fechado sem botão") << nome << "fecha" << r(RespostaAviso9::Nenhuma);
    QTest::newRow("sem nome a utilizar ALT+U não age") << QString() << "alt+u" << r(RespostaAviso9::Nenhuma);
    QTest::newRow("sem nome a utilizar ESC volta") << QString() << "esc" << r(RespostaAviso9::Voltar);
}

void TesteDialogos::aviso9()
{
    QFETCH(QString, utilizar);
    QFETCH(QString, acao);
    QFETCH(int, resposta);

    TfAviso9 f;
    const QString cadastrar = QStringLiteral("\"JOSE DA SILV\"");
    naModal([&](QDialog *d) {
        QVERIFY(d->windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(f.LblCadastrar->text(), cadastrar);
        QCOMPARE(f.LblUtilizar->text(), utilizar);
        QCOMPARE(f.ButUtilizar->isEnabled(), !utilizar.isEmpty());
        QCOMPARE(nomeDoFoco(), QStringLiteral("ButCadastrar"));
    }, acao);
    QCOMPARE(int(f.pergunta(cadastrar, utilizar)), resposta);
    QVERIFY(f.ButUtilizar->isEnabled());
    QCOMPARE(f.CadastrarPressionado, resposta == int(RespostaAviso9::Cadastrar));
    QCOMPARE(f.UtilizarPressionado, resposta == int(RespostaAviso9::Utilizar));
    QCOMPARE(f.VoltarPressionado, resposta == int(RespostaAviso9::Voltar));
}

void TesteDialogos::aviso9UtilizarNaProximaVez()
{
    naModal([&](QDialog *) { QVERIFY(!servico.fAviso9().ButUtilizar->isEnabled()); }, QStringLiteral("esc"));
    QCOMPARE(::aviso9(QStringLiteral("\"MARIA\""), QString()), RespostaAviso9::Voltar);

    naModal([&](QDialog *d) {
        QCOMPARE(d, &servico.fAviso9());
        QVERIFY(servico.fAviso9().ButUtilizar->isEnabled());
    }, QStringLiteral("alt+u"));
    QCOMPARE(::aviso9(QStringLiteral("\"MARIA\""), QStringLiteral("\"MARIA JOSE\"")), RespostaAviso9::Utilizar);
}

void TesteDialogos::sair_data()
{
    QTest::addColumn<QString>("acao");
    QTest::addColumn<int>("resposta");
    QTest::newRow("ENTER sai do programa") << "enter" << 2;
    QTest::newRow("trocar usuário") << "clique:ButTrocarUsuario" << 3;
    QTest::newRow("sair do programa") << "clique:ButSair" << 2;
    QTest::newRow("backup e sair") << "clique:ButBackupSair" << 1;
    QTest::newRow("ENTER depois de outra escolha") << "enter" << 2;
    QTest::newRow("retornar") << "clique:ButRetornar" << 4;
    QTest::newRow("ALT+R retorna") << "alt+r" << 4;
    QTest::newRow("fechado sem botão") << "fecha" << 0;
    QTest::newRow("ESC") << "esc" << 0;
}

void TesteDialogos::sair()
{
    QFETCH(QString, acao);
    QFETCH(int, resposta);
    // The service's one dialog across the rows: an earlier answer never leaks into the next.
    naModal([&](QDialog *d) {
        QCOMPARE(d, &servico.fSair());
        QVERIFY(d->windowFlags() & Qt::FramelessWindowHint);
    }, acao);
    QCOMPARE(perguntaSair(), resposta);
}

void TesteDialogos::caixa_data()
{
    QTest::addColumn<int>("icone");
    QTest::addColumn<int>("botoes");
    QTest::addColumn<int>("padrao");
    QTest::addColumn<QString>("acao");
    QTest::addColumn<QStringList>("legendas");
    QTest::addColumn<int>("resposta");

    const QStringList simNao{QStringLiteral("Não"), QStringLiteral("Sim")};
    const int sn = BotaoSim | BotaoNao;
    QTest::newRow("pergunta, ENTER no SIM padrão") << int(Icone::Pergunta) << sn << int(BotaoSim) << "enter" << simNao << int(BotaoSim);
    QTest::newRow("pergunta, ENTER no NÃO padrão") << int(Icone::Aviso) << sn << int(BotaoNao) << "enter" << simNao << int(BotaoNao);
    QTest::newRow("pergunta, ESC") << int(Icone::Pergunta) << sn << int(BotaoSim) << "esc" << simNao << int(BotaoNao);
    QTest::newRow("informação, ENTER") << int(Icone::Informacao) << int(BotaoOk) << int(BotaoOk) << "enter"
                                        << QStringList{QStringLiteral("OK")} << int(BotaoOk);
}

void TesteDialogos::caixa()
{
    QFETCH(int, icone);
    QFETCH(int, botoes);
    QFETCH(int, padrao);
    QFETCH(QString, acao);
    QFETCH(QStringList, legendas);
    QFETCH(int, resposta);

    naModal([&](QDialog *d) {
        auto *caixa = qobject_cast<QMessageBox *>(d);
        QVERIFY(caixa);
        QCOMPARE(caixa->windowTitle(), QStringLiteral("Informação!"));
        QCOMPARE(caixa->text(), QStringLiteral("Registro gravado."));
        QStringList nomes;
        for (QAbstractButton *b : caixa->buttons()) nomes << b->text().remove(u'&');
        nomes.sort();
        QCOMPARE(nomes, legendas);
    }, acao);
    const Mensagem m{Icone(icone), QStringLiteral("Informação!"), QStringLiteral("Registro gravado."), botoes, padrao};
    QCOMPARE(Mensagens::atual().mostra(m), resposta);
}

void TesteDialogos::carregando()
{
    TfCarregando &c = TfCarregando::instancia();
    QCOMPARE(&TfCarregando::instancia(), &c);
    QVERIFY(c.windowFlags() & Qt::WindowStaysOnTopHint);
    QVERIFY(c.windowFlags() & Qt::FramelessWindowHint);

    c.mostra(QStringLiteral("Processando Backup!"));
    QVERIFY(c.isVisible());
    QCOMPARE(c.LabelCarregando->text(), QStringLiteral("Processando Backup!"));
    c.fecha();
    QVERIFY(!c.isVisible());

    c.mostra();
    QVERIFY(c.isVisible());
    QCOMPARE(c.LabelCarregando->text(), QStringLiteral("Carregando..."));
    QTest::mouseClick(c.ImagemCarregando, Qt::LeftButton);
    QVERIFY(!c.isVisible());
}

PN_TESTE_JANELAS(TesteDialogos)
#include "test_dialogos.moc"
