// The network window with the platform's recording double: its opening, its boxes' filters,
// the help panel, the refusals of CONCLUIR, the firewall step and a network mode refused.

#include "test_rede.h"

#include "Aplicacao.h"
#include "Digitacao.h"
#include "Enderecos.h"
#include "LabelClicavel.h"
#include "Registro.h"
#include "TesteJanelas.h"

#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

class TstRede : public BaseRede {
    Q_OBJECT

    // Client role chosen, its three notices answered.
    void escolheCliente(TfRede &j)
    {
        msg->espera(QStringLiteral("IMPORTANTE!")).espera(QStringLiteral("COMO ATIVA O MODO REDE?")).espera(QStringLiteral("Se o Modo Rede NÃO estiver ativo"));
        clica(j.RadioCliente);
    }

private Q_SLOTS:
    void init()
    {
        preparaBase();
        dm = inst->conectaDados();
    }
    void cleanup() { limpaBase(); }

    // Opening: quiet checks (a stopped service is started without a word), the server role,
    // the port, the foot labels and the help panel.
    void abertura()
    {
        firebirdInstalado();
        plataforma->processosAtivos.clear();
        auto j = abre();
        QVERIFY(msg->registradas.isEmpty());
        QCOMPARE(plataforma->chamadasDe(QStringLiteral("iniciaServicoBanco")).size(), 1);
        QVERIFY(plataforma->chamadasDe(QStringLiteral("abreEndereco")).isEmpty());
        QVERIFY(j->ativo());
        QCOMPARE(j->LabelFirebird->text(), QStringLiteral("Firebird já instalado. Versão 3.0.11.33637"));
        QVERIFY(j->LabelDicaInstalar->isHidden());
        QVERIFY(j->RadioServidor->isChecked());
        QVERIFY(j->EditNomeServidor->isHidden());
        QVERIFY(j->EditIPServidor->isHidden());
        QCOMPARE(j->EditPortaServidor->text(), QStringLiteral("3050"));
        QCOMPARE(j->LabelNomeComputador->text(), QStringLiteral("Nome deste computador: ESTACAO01"));
        QCOMPARE(j->LabelIPComputador->text(), QStringLiteral("IP deste computador: 192.168.0.10"));
        QVERIFY(j->TabPassoaPasso->isVisible());
        QCOMPARE(j->LabelTextoAjuda->text(), QString(TfRede::TextoAjuda).replace(u'\r', u'\n'));
        QCOMPARE(j->windowTitle(), QStringLiteral(" Ativar Modo Rede"));
        QCOMPARE(j->size(), QSize(660, 545));

        // The first CONCLUIR only hides the help panel.
        clica(j->ButConcluir);
        QVERIFY(!j->TabPassoaPasso->isVisible());
        QVERIFY(dm->DataBase.conectado());
        QVERIFY(!Aplicacao::programaEncerrado());
    }

    void versao_data()
    {
        QTest::addColumn<QString>("versao");
        QTest::addColumn<bool>("valida");
        QTest::addColumn<QString>("rotulo");
        QTest::newRow("3.0") << QStringLiteral("3.0.10.33601") << true << QStringLiteral("Firebird já instalado. Versão 3.0.10.33601");
        QTest::newRow("2.5") << QStringLiteral("2.5.9.27139") << true << QStringLiteral("Firebird já instalado. Versão 2.5.9.27139");
        QTest::newRow("2.1") << QStringLiteral("2.1.7.18553") << false
                             << QStringLiteral("OPS!!! A versão do Firebird instalado é 2.1.7.18553 . Deve ser a versão 2.5. "
                                               "Desinstale esta versão e instale a 2.5.");
        QTest::newRow("sem versão") << QString() << false
                                    << QStringLiteral("Firebird não instalado. Você deve instalar a versão 2.5 do Firebird "
                                                      "para o Modo Rede funcionar.");
    }
    void versao()
    {
        QFETCH(QString, versao);
        QFETCH(bool, valida);
        QFETCH(QString, rotulo);
        firebirdInstalado(versao);
        auto j = abre();
        QCOMPARE(j->versaoValida(), valida);
        QCOMPARE(j->LabelFirebird->text(), rotulo);
        QCOMPARE(j->LabelLinkFirebird->isHidden(), valida);
        QVERIFY(msg->registradas.isEmpty());
    }

    // Each refused character of the name box shows its message and is dropped; the port box
    // takes the slash; the address box drops everything but digits and dots silently; an
    // apostrophe never reaches any box.
    void filtros()
    {
        firebirdInstalado();
        auto j = abre();
        clica(j->ButConcluir);
        escolheCliente(*j);
        QString recusados;
        for (int c : {33, 34, 35, 36, 37, 38, 40, 41, 42, 43, 44, 47, 58, 59, 60, 61, 62, 63, 64, 91, 92, 93, 123, 124, 125})
            recusados += QChar(c);
        QCOMPARE(recusados.size(), 25);
        const auto mensagem = [](QChar c) -> QString {
            const QString nome = c == QLatin1Char('"') ? QStringLiteral("aspas duplas")
                                 : c == QLatin1Char('&') ? QStringLiteral("E comercial")
                                                         : QString(c);
            return QStringLiteral("Caracter não aceito \"") + nome + QLatin1Char('"');
        };
        for (QChar c : recusados) msg->espera(mensagem(c));
        for (QChar c : recusados)
            if (c != QLatin1Char('/')) msg->espera(mensagem(c));
        j->EditNomeServidor->setFocus();
        for (QChar c : recusados) digita(j->EditNomeServidor, QString(c));
        for (QChar c : recusados) digita(j->EditPortaServidor, QString(c));
        QString porque;
        QVERIFY2(msg->verificaFim(&porque), qPrintable(porque));
        for (const Mensagem &m : msg->registradas.mid(3)) QCOMPARE(m.titulo, Mensagens::tituloAplicacao());
        QCOMPARE(j->EditNomeServidor->text(), QString());
        QCOMPARE(j->EditPortaServidor->text(), QStringLiteral("3050/"));

        msg->limpa();
        digita(j->EditNomeServidor, QStringLiteral("SERV-01_'Á.x"));
        QCOMPARE(j->EditNomeServidor->text(), QStringLiteral("SERV-01_Á.x"));
        digita(j->EditIPServidor, QStringLiteral("192.a168'.0-.2 "));
        QCOMPARE(j->EditIPServidor->text(), QStringLiteral("192.168.0.2"));
        QVERIFY(msg->registradas.isEmpty());
        // Pasted text obeys the same rule.
        j->EditNomeServidor->clear();
        j->EditNomeServidor->insert(QStringLiteral("A/B:C"));
        QVERIFY(!j->EditNomeServidor->text().contains(QLatin1Char('/')));
    }

    // A client's refusals, before anything is disconnected; each puts the focus on its box.
    void recusasDoCliente_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("ip");
        QTest::addColumn<QStringList>("mensagens");
        QTest::addColumn<QString>("foco");
        const QStringList local{QStringLiteral("Nome ou IP do servidor não pode ser 127.0.0.1 (esse IP significa conexão local)"),
                                QStringLiteral("No programa já instalado, acesse menu Configurações, Configurações e Padrões, aba Servidor e Dados.")};
        QTest::newRow("nome 127.0.0.1") << QStringLiteral("127.0.0.1") << QStringLiteral("192.168.0.2") << local << QStringLiteral("EditNomeServidor");
        QTest::newRow("ip 127.0.0.1") << QStringLiteral("SERVIDOR") << QStringLiteral("127.0.0.1") << local << QStringLiteral("EditNomeServidor");
        QTest::newRow("nome vazio") << QString() << QStringLiteral("192.168.0.2") << QStringList{QStringLiteral("Informe o Nome do Servidor !")}
                                    << QStringLiteral("EditNomeServidor");
        QTest::newRow("nome branco") << QStringLiteral(" ") << QStringLiteral("192.168.0.2")
                                     << QStringList{QStringLiteral("Informe o Nome do Servidor !")} << QStringLiteral("EditNomeServidor");
        QTest::newRow("este computador") << QStringLiteral("ESTACAO01") << QStringLiteral("192.168.0.2")
                                         << QStringList{QStringLiteral("Você colocou o nome deste computador. Deve ser o nome do servidor!")}
                                         << QStringLiteral("EditNomeServidor");
        QTest::newRow("ip vazio") << QStringLiteral("SERVIDOR") << QString() << QStringList{QStringLiteral("Informe o IP do Servidor !")}
                                  << QStringLiteral("EditIPServidor");
        QTest::newRow("ip deste computador") << QStringLiteral("SERVIDOR") << QStringLiteral("192.168.0.10")
                                             << QStringList{QStringLiteral("Você colocou o IP deste computador. Deve ser o IP do servidor!")}
                                             << QStringLiteral("EditIPServidor");
    }
    void recusasDoCliente()
    {
        QFETCH(QString, nome);
        QFETCH(QString, ip);
        QFETCH(QStringList, mensagens);
        QFETCH(QString, foco);
        firebirdInstalado();
        auto j = abre();
        clica(j->ButConcluir);
        escolheCliente(*j);
        j->EditNomeServidor->setText(nome);
        j->EditIPServidor->setText(ip);
        const QString registro = QFile(Registro::local(Registro::chave())).exists() ? Registro::leTexto(QStringLiteral("NomeServidor")) : QString();
        for (const QString &m : mensagens) msg->espera(m);
        clica(j->ButConcluir);
        for (int i = 0; i < mensagens.size(); ++i) QCOMPARE(msg->registradas.at(3 + i).titulo, QStringLiteral("Informação!"));
        QCOMPARE(QApplication::focusWidget()->objectName(), foco);
        QVERIFY(dm->DataBase.conectado());
        QVERIFY(j->ButConcluir->isEnabled());
        QCOMPARE(Registro::leTexto(QStringLiteral("NomeServidor")), registro);
        QVERIFY(!Aplicacao::programaEncerrado());
    }

    // No server answers: the checks' and the connections' messages, nothing written, the help
    // page, and the program ends. Failed pings decide nothing on their own.
    void modoRedeNaoAtivado()
    {
        firebirdInstalado();
        Registro::escreveTexto(QStringLiteral("Porta"), QStringLiteral("9"));
        auto j = abre();
        clica(j->ButConcluir);
        escolheCliente(*j);
        j->EditNomeServidor->setText(QStringLiteral("localhost"));
        j->EditIPServidor->setText(QStringLiteral("127.0.0.2"));
        j->EditPortaServidor->setText(QStringLiteral("1"));
        plataforma->respostasPing.insert(QStringLiteral("localhost"), {false, QString()});
        msg->espera(QStringLiteral("Conexão de rede pelo Nome FALHOU! Talvez sua rede não esteja configurada ou você digitou o Nome do Servidor errado! VERIFIQUE SUA REDE!"))
            .espera(QStringLiteral("Conexão de rede pelo IP OK !"))
            .espera(QStringLiteral("Ops, Conexão com o banco de dados pelo Nome FALHOU !"))
            .espera(QStringLiteral("Ops, Conexão com o banco de dados pelo IP FALHOU !"))
            .espera(QStringLiteral("Modo Rede Não Foi Ativado!\rNão foi possível configurar o Modo Rede!\rTente configurar novamente."))
            .espera(QStringLiteral("Uma página com dicas irá abrir!\rVeja a explicação com atenção."))
            .espera(QStringLiteral("O programa será fechado.\rAbra-o novamente em seguida!"));
        clica(j->ButConcluir);
        QCOMPARE(plataforma->chamadasDe(QStringLiteral("ping")),
                 (QStringList{QStringLiteral("ping localhost | 500"), QStringLiteral("ping 127.0.0.2 | 500")}));
        QVERIFY(!j->acessivelPorNome());
        QVERIFY(!j->pingNome());
        QVERIFY(j->pingIP());
        QCOMPARE(Registro::leTexto(QStringLiteral("Porta")), QStringLiteral("9"));
        QVERIFY(Registro::leBooleano(QStringLiteral("VersaoEmbarcada")));
        QCOMPARE(Registro::leTexto(QStringLiteral("Server")), QStringLiteral("S"));
        QVERIFY(plataforma->chamou(QStringLiteral("abreEndereco ") + Enderecos::AjudaRede));
        QVERIFY(!dm->DataBase.conectado());
        QVERIFY(Aplicacao::programaEncerrado());
        QVERIFY(!j->isVisible());
        // The port typed stays for the rest of the run.
        QCOMPARE(TfRede::portaTexto(), QStringLiteral("1"));
    }

    // Not installed, stopped, an old version: each check's messages and page, and no network mode.
    void verificacoesComMensagens_data()
    {
        QTest::addColumn<int>("caso");
        QTest::addColumn<QStringList>("mensagens");
        QTest::newRow("não instalado") << 0
                                       << QStringList{QStringLiteral("Ops, Firebird não instalado !"),
                                                      QStringLiteral("Uma página do nosso site vai abrir para você INSTALAR o Firebird !"),
                                                      QStringLiteral("Ops, Firebird não está ativo !"),
                                                      QStringLiteral("Uma página do nosso site vai abrir para você ver como ATIVAR o Firebird !"),
                                                      QStringLiteral("Ops! Versão do Firebird é:  Firebird não instalado"),
                                                      QStringLiteral("Uma página do nosso site vai abrir para você ver como desinstalar")};
        QTest::newRow("parado") << 1
                                << QStringList{QStringLiteral("Ops, Firebird não está ativo !"),
                                               QStringLiteral("Uma página do nosso site vai abrir para você ver como ATIVAR o Firebird !")};
        QTest::newRow("versão antiga") << 2
                                       << QStringList{QStringLiteral("Ops! Versão do Firebird é: 2.1.7.18553"),
                                                      QStringLiteral("Uma página do nosso site vai abrir para você ver como desinstalar")};
    }
    void verificacoesComMensagens()
    {
        QFETCH(int, caso);
        QFETCH(QStringList, mensagens);
        firebirdInstalado(caso == 2 ? QStringLiteral("2.1.7.18553") : QStringLiteral("3.0.11.33637"));
        if (caso == 0) plataforma->instalacao.reset();
        if (caso <= 1) {
            plataforma->processosAtivos.clear();
            plataforma->resultadoServicoBanco = false;
            plataforma->processosAoIniciarServico.clear();
        }
        auto j = abre();
        QVERIFY(msg->registradas.isEmpty());
        clica(j->ButConcluir);
        for (const QString &m : mensagens) msg->espera(m);
        msg->espera(QStringLiteral("Conexão com o banco de dados pelo Nome")).espera(QStringLiteral("Conexão com o banco de dados pelo IP"));
        msg->espera(QStringLiteral("Modo Rede Não Foi Ativado!")).espera(QStringLiteral("Uma página com dicas")).espera(QStringLiteral("O programa será fechado."));
        plataforma->limpa();
        clica(j->ButConcluir);
        QCOMPARE(plataforma->chamadasDe(QStringLiteral("abreEndereco")).filter(Enderecos::Firebird).size(), caso == 0 ? 3 : 1);
        QVERIFY(Registro::leBooleano(QStringLiteral("VersaoEmbarcada")));
        QVERIFY(Aplicacao::programaEncerrado());
    }

    // The server role's firewall step: one script through the platform (recorded here, never
    // run), none where the maker's base folder is missing.
    void firewall_data()
    {
        QTest::addColumn<bool>("comBase");
        QTest::newRow("com pasta base") << true;
        QTest::newRow("sem pasta base") << false;
    }
    void firewall()
    {
        QFETCH(bool, comBase);
        firebirdInstalado();
        if (!comBase) qputenv("PRONTANOTA_BASE", QFile::encodeName(inst->raiz() + QStringLiteral("/nao-existe")));
        auto j = abre();
        clica(j->ButConcluir);
        msg->aceitaTudo();
        clica(j->ButConcluir);
        if (comBase) {
            QCOMPARE(plataforma->scripts.size(), 1);
            QVERIFY(plataforma->scripts.first().contains(QStringLiteral("ufw allow 3050/tcp")));
        } else {
            QVERIFY(plataforma->scripts.isEmpty());
        }
        QVERIFY(relogio->esperas.contains(500));
        qputenv("PRONTANOTA_BASE", QFile::encodeName(inst->raiz()));
    }

    void ajuda()
    {
        firebirdInstalado();
        auto j = abre();
        msg->espera(QStringLiteral("Assistir VÍDEO que explica\rcomo configurar em rede ?"), BotaoSim);
        clica(j->LabelFecharAjuda);
        QVERIFY(!j->TabPassoaPasso->isVisible());
        QVERIFY(j->ButConcluir->isEnabled());
        msg->espera(QStringLiteral("Acessando a página de Suporte da Brelo.\rVocê deve estar conectado à Intermet."));
        clica(j->ButAjuda);
        QVERIFY(j->TabPassoaPasso->isVisible());
        msg->espera(QStringLiteral("Assistir VÍDEO"), BotaoNao);
        clica(j->ButOK);
        msg->espera(QStringLiteral("Você está indo para a página da Brelo\rpara baixar o instalador do Firebird 2.5\r") + Enderecos::Firebird)
            .espera(QStringLiteral("Depois de instalado, volte nesta tela e clique \"Concluir\""));
        clica(j->ButInstalarFirebird);
        QCOMPARE(plataforma->chamadasDe(QStringLiteral("abreEndereco")),
                 (QStringList{QStringLiteral("abreEndereco ") + Enderecos::AjudaRede, QStringLiteral("abreEndereco ") + Enderecos::AjudaRede,
                              QStringLiteral("abreEndereco ") + Enderecos::Firebird}));
        // "Fechar [x]" changes nothing.
        clica(j->LabelFechar);
        QVERIFY(!j->isVisible());
        QVERIFY(dm->DataBase.conectado());
        QVERIFY(!Aplicacao::programaEncerrado());
    }
};

PN_TESTE_JANELAS(TstRede)
#include "test_rede.moc"
