// The connection diagnosis: the message list of the connection panel after a failed
// connection, for each state of the installation and of the Firebird server, and the repair
// links.
#include "test_login.h"

#include "Aplicacao.h"
#include "Enderecos.h"
#include "LabelClicavel.h"
#include "PainelConexao.h"
#include "Registro.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace {

const QString Cabecalho = QStringLiteral("VERIFICAR: O Que NÃO Está Bem");
const QString Branco = QStringLiteral(" ");
const QString Ok = QStringLiteral("O QUE ESTÁ OK!");
const QString Aberto = QStringLiteral("Talvez o programa JÁ ESTEJA ABERTO! Feche esta janela e abra o programa que está "
                                      "minimizado ou então REINICIE SEU COMPUTADOR!");
const QString RegistroOk = QStringLiteral(" - Informações de registro preenchidas.");
const QString PastaOk = QStringLiteral(" - Pasta do programa encontrada.");
const QString PastaFalta = QStringLiteral(" - Pasta do programa não encontrada ou não definida. Tente REINSTALAR PROGRAMA (clique abaixo).");
const QString ArquivoOk = QStringLiteral(" - Arquivo do banco de dados encontrado.");
const QString ArquivoFalta = QStringLiteral(
    " - Arquivo do banco de dados não encontrado. Pode ter sido movido, informado incorretamente ou não estar neste "
    "computador. Tente \"Reinstalar Programa\" (veja a conexão de rede, caso seja um terminal-estação).");
const QString NomeOk = QStringLiteral(" - Sem problemas com acentos ou sinais no nome do computador.");
const QString Local = QStringLiteral(" - Conexão local.");
const QString PorNome = QStringLiteral(" - Conexão com o servidor (pelo nome do computador) OK.");
const QString Instalado = QStringLiteral(" - Firebird instalado.");
const QString NaoInstalado =
    QStringLiteral(" - Firebird não está instalado. Clique abaixo \"INSTALAR FIREBIRD\" ou \"ATIVAR MODO LOCAL\".");
const QString Ativo = QStringLiteral(" - Firebird está ativo.");
const QString Parado = QStringLiteral(
    " - Firebird não está ativo (está parado ou inativo). Clique abaixo \"ATIVAR FIREBIRD\" ou \"ATIVAR MODO REDE\".");

QString versaoInvalida(const QString &v)
{
    return QStringLiteral(" - Versão do Firebird Inválida: ") + v
           + QStringLiteral(". Clique \"Ativar Modo Embarcado\" para usar o programa em qualquer versão (desde que não "
                            "precise usar em rede).");
}
const QString VersaoInvalida2 =
    QStringLiteral("Ou desinstale o Firebird existente e clique em \"Instalar Firebird\". Dúvidas? Fale com nosso suporte.");

// What the test changes before the login loads.
enum class Caso { ArquivoAusente, PastaAusente, NomeAcentuado, ServidorParado, ServidorIniciado, NaoInstalado, VersaoAntiga };

} // namespace

Q_DECLARE_METATYPE(Caso)

void TesteLogin::diagnostico_data()
{
    QTest::addColumn<Caso>("caso");
    QTest::addColumn<QStringList>("lista");
    const QString nomeAcentuado = QStringLiteral(
        " - Nome do servidor inválido: possui acento ou algum sinal estranho. Mude o nome do computador (vá ao Painel de "
        "Controle do Windows, Sistema). Nome está: SERVIDÃO. Mude também abaixo no campo \"Nome do Servidor\" e clique "
        "\"Alterar Caminho\".");
    const QString v3 = QStringLiteral(" - Versão do Firebird 3.0.11.33637");

    QTest::newRow("arquivo ausente (local)")
        << Caso::ArquivoAusente
        << QStringList{Cabecalho, Branco, Aberto, ArquivoFalta, Branco, Ok, Branco, RegistroOk, PastaOk, NomeOk, Local};
    QTest::newRow("pasta ausente") << Caso::PastaAusente << QStringList{Cabecalho, Branco, PastaFalta};
    QTest::newRow("nome acentuado")
        << Caso::NomeAcentuado
        << QStringList{Cabecalho, Branco, nomeAcentuado, Branco, Ok, Branco, RegistroOk, PastaOk, ArquivoOk, PorNome, Instalado, Ativo, v3};
    QTest::newRow("servidor parado")
        << Caso::ServidorParado
        << QStringList{Cabecalho, Branco, Parado, Branco, Ok, Branco, RegistroOk, PastaOk, ArquivoOk, NomeOk, Local, Instalado, v3};
    QTest::newRow("servidor iniciado")
        << Caso::ServidorIniciado
        << QStringList{Cabecalho, Branco, Branco, Ok, Branco, RegistroOk, PastaOk, ArquivoOk, NomeOk, Local, Instalado, Ativo, v3};
    QTest::newRow("não instalado")
        << Caso::NaoInstalado
        << QStringList{Cabecalho, Branco, NaoInstalado, Branco, Ok, Branco, RegistroOk, PastaOk, ArquivoOk, NomeOk, Local};
    QTest::newRow("versão antiga")
        << Caso::VersaoAntiga
        << QStringList{Cabecalho, Branco, versaoInvalida(QStringLiteral("2.1.7.18553")), VersaoInvalida2, Branco, Ok, Branco,
                       RegistroOk, PastaOk, ArquivoOk, NomeOk, Local, Instalado, Ativo};
}

void TesteLogin::diagnostico()
{
    QFETCH(Caso, caso);
    QFETCH(QStringList, lista);

    // A server installation as the platform reports it: its folder with firebird.conf.
    const QString pastaFb = inst->raiz() + QStringLiteral("/firebird");
    QVERIFY(QDir().mkpath(pastaFb));
    QFile conf(pastaFb + QStringLiteral("/firebird.conf"));
    QVERIFY(conf.open(QIODevice::WriteOnly));
    conf.close();
    plataforma->instalacao = InstalacaoFirebird{pastaFb, QStringLiteral("3.0.11.33637"), pastaFb + QStringLiteral("/bin/fbguard"),
                                                pastaFb + QStringLiteral("/bin/firebird")};
    plataforma->processosAtivos = {QStringLiteral("fbguard")};

    if (caso == Caso::ArquivoAusente) {
        QVERIFY(QFile::remove(inst->banco()));
    } else {
        // Server mode towards a port where no server listens: the connection fails.
        Registro::escreveBooleano("VersaoEmbarcada", false);
        Registro::escreveTexto("Porta", "1");
        switch (caso) {
        case Caso::PastaAusente: Registro::escreveTexto("PathPrograma", inst->raiz() + QStringLiteral("/nao/existe/")); break;
        case Caso::NomeAcentuado: Registro::escreveTexto("NomeServidor", QStringLiteral("SERVIDÃO")); break;
        case Caso::ServidorParado:
            plataforma->processosAtivos.clear();
            plataforma->resultadoServicoBanco = false;
            plataforma->processosAoIniciarServico.clear();
            break;
        case Caso::ServidorIniciado: plataforma->processosAtivos.clear(); break;
        case Caso::NaoInstalado: plataforma->instalacao.reset(); break;
        case Caso::VersaoAntiga: plataforma->instalacao->versao = QStringLiteral("2.1.7.18553"); break;
        default: break;
        }
    }
    msgs->espera("Não foi Possível Conectar ao Servidor da Base de Dados !");
    abreLogin();
    QVERIFY(!login->conectado());
    QStringList mostradas = login->painelConexao->mensagens();
    // The database's own reason closes the list.
    QVERIFY2(mostradas.last().startsWith(QStringLiteral("Erro ao conectar: ")), qPrintable(mostradas.last()));
    QCOMPARE(mostradas.at(mostradas.size() - 2), Branco);
    mostradas = mostradas.mid(0, mostradas.size() - 2);
    QCOMPARE(mostradas, lista);

    // One start attempt, only when the server was found stopped.
    const bool parado = caso == Caso::ServidorParado || caso == Caso::ServidorIniciado;
    QCOMPARE(plataforma->chamadasDe(QStringLiteral("iniciaServicoBanco")).size(), parado ? 1 : 0);
}

void TesteLogin::semRegistroSoORegistro()
{
    for (const char *v : {"NomeServidor", "IPServidor", "PathBancoDados"}) Registro::apaga(QLatin1String(v));
    abreLogin();
    QCOMPARE(login->painelConexao->mensagens(),
             (QStringList{Cabecalho, Branco,
                          QStringLiteral(" - Registro com problema. É necessário REINSTALAR o programa. Clique abaixo REINSTALAR PROGRAMA")}));
    QVERIFY(plataforma->chamadasDe(QStringLiteral("instalacaoFirebird")).isEmpty());
}

void TesteLogin::linksDeReparo()
{
    for (const char *v : {"NomeServidor", "IPServidor", "PathBancoDados"}) Registro::apaga(QLatin1String(v));
    abreLogin();
    PainelConexao *painel = login->painelConexao;
    for (LabelClicavel *link : {painel->LabelInstalarFirebird, painel->LabelAtivarFirebird, painel->LabelReinstalarPrograma})
        QVERIFY(link->isVisible());
    clica(painel->LabelInstalarFirebird);
    clica(painel->LabelAtivarFirebird);
    QVERIFY(!Aplicacao::programaEncerrado());
    clica(painel->LabelReinstalarPrograma);
    QCOMPARE(plataforma->chamadasDe(QStringLiteral("abreEndereco")),
             (QStringList{QStringLiteral("abreEndereco ") + Enderecos::Firebird,
                          QStringLiteral("abreEndereco ") + Enderecos::FirebirdAtivacao,
                          QStringLiteral("abreEndereco ") + Enderecos::Instalacao}));
    QVERIFY(Aplicacao::programaEncerrado());
}
