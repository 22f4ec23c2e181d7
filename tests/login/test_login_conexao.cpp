// Loading the settings and connecting: missing settings, an unreachable database, the
// connection panel, the wait after an installation, a database of an older release.
#include "test_login.h"

#include "Aplicacao.h"
#include "Dados.h"
#include "Enderecos.h"
#include "MensagensRoteiro.h"
#include "PainelConexao.h"
#include "PainelDicaSenha.h"
#include "PlataformaGravadora.h"
#include "Registro.h"
#include "RelogioFixo.h"
#include "LabelClicavel.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QSysInfo>
#include <QTest>

void TesteLogin::semRegistro()
{
    for (const char *v : {"NomeServidor", "IPServidor", "PathBancoDados"}) Registro::apaga(QLatin1String(v));
    abreLogin();

    PainelConexao *painel = login->painelConexao;
    QVERIFY(painel->isVisible());
    QVERIFY(painel->LabelTituloConexao->isVisible());
    QVERIFY(!login->conectado());
    QVERIFY(!login->ButGravar->isEnabled());
    QVERIFY(msgs->registradas.isEmpty());

    // Nothing that needs the database acts.
    digita(login->EditUsuario, "ANA");
    tecla(Qt::Key_Return);
    tecla(Qt::Key_Return);
    tecla(Qt::Key_F6);
    clica(login->LabelOpcional);
    QVERIFY(!login->painelDicaSenha->isVisible());
    QVERIFY(principal->chamadas.filter("concluiLogin").isEmpty());
    QVERIFY(msgs->registradas.isEmpty());
}

void TesteLogin::bancoInacessivelEModoLocal()
{
    // Server mode towards a port where no server listens.
    Registro::escreveBooleano("VersaoEmbarcada", false);
    Registro::escreveTexto("Porta", "1");
    msgs->espera("Não foi Possível Conectar ao Servidor da Base de Dados !");
    abreLogin();

    PainelConexao *painel = login->painelConexao;
    QVERIFY(!login->conectado());
    QVERIFY(painel->isVisible());
    QVERIFY(!login->ButGravar->isEnabled());
    QCOMPARE(painel->EditNomeServidor->text(), QStringLiteral("127.0.0.1"));
    QCOMPARE(painel->EditCaminhoBD->text(), Registro::leTexto("PathBancoDados"));
    QVERIFY(painel->ButModoLocal->isVisible());
    QVERIFY(!painel->ButModoRede->isVisible());
    QCOMPARE(painel->mensagens().first(), QStringLiteral("VERIFICAR: O Que NÃO Está Bem"));
    QVERIFY(painel->mensagens().last().startsWith(QStringLiteral("Erro ao conectar: ")));
    QCOMPARE(msgs->registradas.first().titulo, QStringLiteral("Informação!"));

    msgs->espera("Não foi Possível Conectar").espera("A tentativa de conexão não deu certo. Tente novamente!");
    clica(painel->ButTentarNovamente);
    QVERIFY(!login->conectado());
    QVERIFY(painel->isVisible());

    // Started from another folder: the embedded database is still the program folder's.
    QVERIFY(QDir::setCurrent(inst->raiz()));
    msgs->espera("Modo Local (Embarcado) Ativado! Agora você não precisa do Firebird instalado.");
    clica(painel->ButModoLocal);
    QVERIFY(login->conectado());
    QVERIFY(!painel->isVisible());
    QVERIFY(login->ButGravar->isEnabled());
    QVERIFY(Registro::leBooleano("VersaoEmbarcada"));
    QCOMPARE(login->LabelLogin->text(),
             QStringLiteral("Este é seu primeiro acesso. Para começar, informe um Nome.\n A senha é opcional. Depois clique em ENTRAR."));

    QVERIFY(painel->ButModoRede->isVisibleTo(painel));
    QVERIFY(!painel->ButModoLocal->isVisibleTo(painel));
}

void TesteLogin::alterarCaminhoComBancoAberto()
{
    abreLogin();
    PainelConexao *painel = login->painelConexao;
    clica(login->LabelAlterarCaminho);
    QVERIFY(painel->isVisible());
    QVERIFY(painel->EditNomeServidor->isVisible());
    QVERIFY(painel->ButAlterarCaminho->isVisible());
    QVERIFY(!painel->LabelTituloConexao->isVisible());
    QVERIFY(!painel->ListaMensagens->isVisible());
    QVERIFY(!painel->LabelComandos->isVisible());

    painel->EditIPServidor->clear();
    digita(painel->EditIPServidor, "19a2.168.0.5x");
    QCOMPARE(painel->EditIPServidor->text(), QStringLiteral("192.168.0.5"));
    painel->EditNomeServidor->clear();
    digita(painel->EditNomeServidor, "servidor");
    msgs->espera("Conectado com sucesso!");
    clica(painel->ButAlterarCaminho);

    QCOMPARE(Registro::leTexto("IPServidor"), QStringLiteral("192.168.0.5"));
    QCOMPARE(Registro::leTexto("NomeServidor"), QStringLiteral("SERVIDOR"));
    QCOMPARE(dados().IPServidor, QStringLiteral("192.168.0.5"));
    QVERIFY(login->conectado());
    QVERIFY(!painel->isVisible());
}

void TesteLogin::recenteInstal_data()
{
    QTest::addColumn<QString>("recente");
    QTest::addColumn<QList<int>>("esperas");
    QTest::newRow("logo após instalar") << "S" << QList<int>{2000};
    QTest::newRow("depois") << "N" << QList<int>{};
}

void TesteLogin::recenteInstal()
{
    QFETCH(QString, recente);
    QFETCH(QList<int>, esperas);
    Registro::escreveTexto("RecenteInstal", recente);
    abreLogin();
    QVERIFY(login->conectado());
    QCOMPARE(relogio->esperas, esperas);
    QCOMPARE(Registro::leTexto("RecenteInstal"), QStringLiteral("N"));
    // Connecting also makes the short date format dd/MM/yyyy.
    QCOMPARE(QLocale().dateFormat(QLocale::ShortFormat), QStringLiteral("dd/MM/yyyy"));
    QCOMPARE(principal->chamadas.filter("mostraComputador"), QStringList{"mostraComputador " + QSysInfo::machineHostName()});
}

void TesteLogin::bancoAntigo_data()
{
    QTest::addColumn<QString>("server");
    QTest::addColumn<bool>("abrePagina");
    QTest::newRow("no servidor") << "S" << true;
    QTest::newRow("num terminal") << "N" << false;
}

void TesteLogin::bancoAntigo()
{
    QFETCH(QString, server);
    QFETCH(bool, abrePagina);
    Registro::escreveTexto("Server", server);
    prepara({"DROP TABLE CONFIGS"});
    msgs->espera("Ops! Parece que você está com um banco de dados antigo. Que tal atualizar?")
        .espera("Baixe novamente o instalador e reinstale o programa. Vai dar tudo certo!")
        .espera("Faça isso no servidor, OK?");
    abreLogin();

    QStringList titulos;
    for (const Mensagem &m : msgs->registradas) titulos << m.titulo;
    QCOMPARE(titulos, (QStringList{"Ops...", "Seus dados estarão salvos!", "No servidor..."}));
    QCOMPARE(plataforma->chamadasDe("abreEndereco"),
             abrePagina ? QStringList{"abreEndereco " + Enderecos::Instalacao} : QStringList{});
    QVERIFY(Aplicacao::programaEncerrado());
    QVERIFY(!login->isVisible());
    QVERIFY(principal->chamadas.filter("concluiLogin").isEmpty());
}

void TesteLogin::atualizacaoSilenciosa()
{
    // Instalora was started for a silent update: showing the login ends the program.
    principal->silenciosa = true;
    abreLogin();
    QVERIFY(Aplicacao::programaEncerrado());
    QVERIFY(!login->isVisible());
}

void TesteLogin::entradaSoDepoisDeCarregar()
{
    // While the window connects (here: the wait after an installation) it takes no typing;
    // once connected, the name box has the focus and takes it.
    Registro::escreveTexto("RecenteInstal", "S");
    bool esperou = false;
    relogio->aoEsperar = [&](int) {
        esperou = true;
        QVERIFY(!login->EditUsuario->isEnabled());
        QVERIFY(!login->ButGravar->isEnabled());
        QTest::keyClicks(login->EditUsuario, "ANA");
        QCOMPARE(login->EditUsuario->text(), QString());
    };
    abreLogin();
    QVERIFY(esperou);
    QVERIFY(login->conectado());
    QVERIFY(login->EditUsuario->isEnabled());
    QCOMPARE(foco(), login->EditUsuario);
    QTest::keyClicks(login->EditUsuario, "ANA");
    QCOMPARE(login->EditUsuario->text(), QStringLiteral("ANA"));
}

void TesteLogin::caminhosLongosGravadosInteiros()
{
    // Values longer than the boxes of the connection panel come back whole when written.
    const QString nome = QStringLiteral("SERVIDOR-DO-ESCRITORIO-CENTRAL-02");
    const QString caminho = QStringLiteral("/srv/dados/empresas/filial-centro/prontanota/bancos-de-dados/"
                                           "instalacao-principal-do-escritorio/BD.FDB");
    QVERIFY(nome.size() > 30 && caminho.size() > 100);
    Registro::escreveTexto("NomeServidor", nome);
    Registro::escreveTexto("PathBancoDados", caminho);
    abreLogin();
    clica(login->LabelAlterarCaminho);
    QCOMPARE(login->painelConexao->EditNomeServidor->text(), nome);
    QCOMPARE(login->painelConexao->EditCaminhoBD->text(), caminho);
    msgs->espera("Conectado com sucesso!");
    clica(login->painelConexao->ButAlterarCaminho);
    QCOMPARE(Registro::leTexto("NomeServidor"), nome);
    QCOMPARE(Registro::leTexto("PathBancoDados"), caminho);
}
