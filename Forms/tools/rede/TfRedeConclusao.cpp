// The network window: the checks with their messages, CONCLUIR, the firewall rules and the
// settings written for the new mode.
#include "TfRede.h"

#include "Aplicacao.h"
#include "BancoDados.h"
#include "Caminhos.h"
#include "Dados.h"
#include "Enderecos.h"
#include "ErroBD.h"
#include "LabelClicavel.h"
#include "Mensagens.h"
#include "Plataforma.h"
#include "Registro.h"
#include "Relogio.h"
#include "Transacao.h"

#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {
const QString Local = QStringLiteral("127.0.0.1");

bool vazio(const QString &t) { return t.isEmpty() || t == QLatin1String(" "); }

// The computer's name or address as the foot label shows it, without its caption.
QString valorDoRotulo(const QLabel *l)
{
    return l->text().section(QStringLiteral(": "), 1);
}
} // namespace

void TfRede::informa(const QString &texto)
{
    if (!silencioso_) informacao(texto);
}

void TfRede::abrePagina(const QString &endereco)
{
    if (!silencioso_) Plataforma::atual().abreEndereco(endereco);
}

void TfRede::VerificaInstalado()
{
    instalado_ = !servidor_.instalado().isEmpty();
    if (instalado_) return;
    informa(QStringLiteral("Ops, Firebird não instalado !"));
    informa(QStringLiteral("Uma página do nosso site vai abrir para você INSTALAR o Firebird !"));
    abrePagina(Enderecos::Firebird);
}

void TfRede::VerificaAtivo()
{
    ativo_ = servidor_.ativoComPartida();
    if (ativo_) return;
    informa(QStringLiteral("Ops, Firebird não está ativo !"));
    informa(QStringLiteral("Uma página do nosso site vai abrir para você ver como ATIVAR o Firebird !"));
    abrePagina(Enderecos::Firebird);
}

void TfRede::VerificaVersao()
{
    LabelFirebird->setText(QStringLiteral("Você deve ter instalado no seu computador a versão 2.5 do Firebird para o "
                                          "Modo Rede funcionar."));
    QString versao = servidor_.versao();
    if (versao.isEmpty()) {
        versaoValida_ = false;
        LabelFirebird->setText(QStringLiteral("Firebird não instalado. Você deve instalar a versão 2.5 do Firebird para "
                                              "o Modo Rede funcionar."));
        versao = QStringLiteral(" Firebird não instalado");
    } else if (ServidorFirebird::versaoValida(versao)) {
        versaoValida_ = true;
        LabelFirebird->setText(QStringLiteral("Firebird já instalado. Versão ") + versao);
        LabelDicaInstalar->hide();
        LabelLinkFirebird->hide();
    } else {
        versaoValida_ = false;
        LabelFirebird->setText(QStringLiteral("OPS!!! A versão do Firebird instalado é ") + versao
                               + QStringLiteral(" . Deve ser a versão 2.5. Desinstale esta versão e instale a 2.5."));
    }
    if (!versaoValida_) {
        informa(QStringLiteral("Ops! Versão do Firebird é: ") + versao);
        informa(QStringLiteral("Uma página do nosso site vai abrir para você ver como desinstalar o Firebird e instalar "
                               "a versão correta!"));
        abrePagina(Enderecos::Firebird);
    }
    LabelFirebird->setFixedWidth(360);
}

bool TfRede::ConexaoTeste(const QString &host)
{
    BancoDados DataBaseTeste;
    DataBaseTeste.parametros = BancoDados::parametrosPadrao();
    DataBaseTeste.nome = host + QLatin1Char('/') + portaTexto() + QLatin1Char(':') + dados().PathBancoDados;
    try {
        DataBaseTeste.conecta();
        Transacao TransacaoTeste(DataBaseTeste, QStringLiteral("TransacaoTeste"));
        TransacaoTeste.inicia();
        TransacaoTeste.commit();
        DataBaseTeste.desconecta();
        return true;
    } catch (const ErroBD &) {
        return false;
    }
}

void TfRede::ButConcluirClick()
{
    if (TabPassoaPasso->isVisible()) {
        TabPassoaPasso->hide();
        return;
    }
    silencioso_ = false;
    portaTexto() = EditPortaServidor->text();
    const bool servidor = RadioServidor->isChecked();
    QString nome = Local, ip = Local;
    if (!servidor) {
        const QString n = EditNomeServidor->text(), i = EditIPServidor->text();
        if (n == Local || i == Local) {
            informacao(QStringLiteral("Nome ou IP do servidor não pode ser 127.0.0.1 (esse IP significa conexão local)"));
            informacao(QStringLiteral("No programa já instalado, acesse menu Configurações, Configurações e Padrões, aba "
                                      "Servidor e Dados."));
            EditNomeServidor->setFocus();
            return;
        }
        if (vazio(n)) {
            informacao(QStringLiteral("Informe o Nome do Servidor !"));
            EditNomeServidor->setFocus();
            return;
        }
        if (n == valorDoRotulo(LabelNomeComputador)) {
            informacao(QStringLiteral("Você colocou o nome deste computador. Deve ser o nome do servidor!"));
            EditNomeServidor->setFocus();
            return;
        }
        if (vazio(i)) {
            informacao(QStringLiteral("Informe o IP do Servidor !"));
            EditIPServidor->setFocus();
            return;
        }
        if (i == valorDoRotulo(LabelIPComputador)) {
            informacao(QStringLiteral("Você colocou o IP deste computador. Deve ser o IP do servidor!"));
            EditIPServidor->setFocus();
            return;
        }
        nome = n;
        ip = i;
    }

    // From here on the program ends, whatever the outcome.
    Dados &d = dados();
    try {
        d.FechaTabelas();
    } catch (const ErroBD &) {
        // a connection that was already broken
    }
    PainelCarregando->show();
    PainelCarregando->raise();
    ButConcluir->setEnabled(false);

    VerificaInstalado();
    VerificaAtivo();
    VerificaVersao();

    if (servidor) {
        RegrasFirewall();
        Relogio::atual().espera(500);
    } else {
        pingNome_ = ServidorFirebird::ping(nome);
        informacao(pingNome_ ? QStringLiteral("Conexão de rede pelo Nome OK !")
                             : QStringLiteral("Conexão de rede pelo Nome FALHOU! Talvez sua rede não esteja configurada ou "
                                              "você digitou o Nome do Servidor errado! VERIFIQUE SUA REDE!"));
        pingIP_ = ServidorFirebird::ping(ip);
        informacao(pingIP_ ? QStringLiteral("Conexão de rede pelo IP OK !")
                           : QStringLiteral("Conexão de rede pelo IP FALHOU! Talvez sua rede não esteja configurada ou "
                                            "você digitou o IP do Servidor errado! VERIFIQUE SUA REDE!"));
    }

    acessivelPorNome_ = ConexaoTeste(nome);
    informacao(acessivelPorNome_ ? QStringLiteral("Conexão com o banco de dados pelo Nome OK !")
                                 : QStringLiteral("Ops, Conexão com o banco de dados pelo Nome FALHOU !"));
    informacao(ConexaoTeste(ip) ? QStringLiteral("Conexão com o banco de dados pelo IP OK !")
                                : QStringLiteral("Ops, Conexão com o banco de dados pelo IP FALHOU !"));

    const QString fecha = QStringLiteral("O programa será fechado.\rAbra-o novamente em seguida!");
    if (instalado_ && ativo_ && versaoValida_ && acessivelPorNome_) {
        GravaRegistro(servidor, nome, ip, portaTexto());
        ButConcluir->setEnabled(true);
        PainelCarregando->hide();
        avisoOk(QStringLiteral("Modo Rede Ativado.\rFeche o programa e abra-o novamente."));
        if (servidor) {
            avisoOk(QStringLiteral("ANOTE estas informações:\r(você vai usá-las nos outros computadores)\rNome do Servidor:  ")
                    + valorDoRotulo(LabelNomeComputador) + QStringLiteral("\rIP do Servidor:  ") + valorDoRotulo(LabelIPComputador));
            if (aviso(0, QStringLiteral("Como este é o Servidor, recomendamos\radicionar uma permissão para o Firebird\rno "
                                        "Firewall do Windows. Quer ver como?"))
                == RespostaAviso::Sim)
                Plataforma::atual().abreEndereco(Enderecos::FirebirdFirewall);
        }
        avisoOk(fecha);
    } else {
        PainelCarregando->hide();
        ButConcluir->setEnabled(true);
        avisoOk(QStringLiteral("Modo Rede Não Foi Ativado!\rNão foi possível configurar o Modo Rede!\rTente configurar novamente."));
        avisoOk(QStringLiteral("Uma página com dicas irá abrir!\rVeja a explicação com atenção."));
        Plataforma::atual().abreEndereco(Enderecos::AjudaRede);
        avisoOk(fecha);
    }
    Encerra();
}

void TfRede::GravaRegistro(bool servidor, const QString &nome, const QString &ip, const QString &porta)
{
    Registro::escreveBooleano(QStringLiteral("VersaoEmbarcada"), false);
    Registro::escreveTexto(QStringLiteral("NomeServidor"), nome);
    Registro::escreveTexto(QStringLiteral("IPServidor"), ip);
    Registro::escreveTexto(QStringLiteral("Porta"), porta);
    const QString s = servidor ? QStringLiteral("S") : QStringLiteral("N");
    Registro::escreveTexto(QStringLiteral("Server"), s);
    dados().Server = s;
}

// Lets other computers reach the server. Windows: one netsh rule per guardian and server
// executable (the installation found and the two default folders). Linux: the port opened in
// ufw when it is installed. Both run as hidden scripts through the platform; a failure (no such
// tool, no rights) is ignored, and nothing is added where the maker's base folder is missing.
void TfRede::RegrasFirewall()
{
    if (!QDir(Caminhos::base()).exists()) return;
    Plataforma &p = Plataforma::atual();
#ifdef Q_OS_WIN
    const QString encontrada = QFileInfo(servidor_.guardiao()).absolutePath() + QLatin1Char('/');
    const QString padroes[] = {QStringLiteral("C:/Arquivos de Programas (x86)/Firebird/Firebird_2_5/bin/"),
                               QStringLiteral("C:/Arquivos de Programas/Firebird/Firebird_2_5/bin/")};
    QStringList programas;
    for (const char *exe : {"fbguard.exe", "fbserver.exe"}) {
        programas << QDir::toNativeSeparators(encontrada + QLatin1String(exe));
        for (const QString &pasta : padroes)
            if (pasta.compare(encontrada, Qt::CaseInsensitive) != 0)
                programas << QDir::toNativeSeparators(pasta + QLatin1String(exe));
    }
    for (const QString &programa : programas) {
        p.executaScriptOculto(QStringLiteral("ECHO OFF\r\nnetsh advfirewall firewall add rule name=\"Firebird SQL "
                                             "Server\" dir=in action=allow program=\"")
                              + programa + QStringLiteral("\" enable=yes\r\n"));
        Relogio::atual().espera(1000);
    }
#else
    const QString porta = portaTexto().isEmpty() ? QStringLiteral("3050") : portaTexto().section(QLatin1Char('/'), 0, 0);
    bool ok = false;
    const int numero = porta.toInt(&ok);
    if (!ok || numero <= 0 || numero > 65535) return;
    p.executaScriptOculto(QStringLiteral("command -v ufw >/dev/null 2>&1 || exit 0\nufw allow %1/tcp\n").arg(numero));
    Relogio::atual().espera(1000);
#endif
}

void TfRede::Encerra()
{
    // The main window's orderly end without its exit dialog.
    close();
    Aplicacao::encerraPrograma();
}
