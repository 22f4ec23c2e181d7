// The flows of TfInstalora: the nickname setup, the save step, the upgrade, the end and the
// silent update.

#include "TfInstalora.h"

#include "Atualizacao.h"
#include "BancoDados.h"
#include "Caminhos.h"
#include "LabelClicavel.h"
#include "ErroBD.h"
#include "Mensagens.h"
#include "Plataforma.h"
#include "Registro.h"
#include "Relogio.h"
#include "uFuncoes.h"

#include <QApplication>
#include <QEventLoop>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QStackedWidget>
#include <QThread>

namespace {

bool vazio(const QString &t) { return t.isEmpty() || t == QLatin1String(" "); }

// The main program's file in a folder: "PRONTANOTA.exe", or the executable "prontanota"
// where programs carry no extension.
QString programaPrincipal(const QString &pasta)
{
    const QString exe = QDir(pasta).filePath(QStringLiteral("PRONTANOTA.exe"));
    if (QFileInfo::exists(exe)) return exe;
    const QString semExtensao = QDir(pasta).filePath(QStringLiteral("prontanota"));
    return QFileInfo::exists(semExtensao) ? semExtensao : exe;
}

QString local(const QString &caminho) { return QDir::cleanPath(Caminhos::deWindows(caminho)); }

} // namespace

void TfInstalora::ButGravaApelidoClick()
{
    const QString apelido = EditApelido->text();
    if (vazio(apelido)) {
        informacao(QStringLiteral("É necessário informar um apelido !"));
        EditApelido->setFocus();
        return;
    }
    LabelConcluindo->setVisible(true);
    ButGravaApelido->setEnabled(false);
    repaint();

    caminhoChave = QStringLiteral("Software\\Brelo\\") + apelido;
    const QString pastaWin = QStringLiteral("C:\\Brelo\\") + apelido;
    const QString pasta = local(pastaWin);
    for (const char *sub : {"", "Dados", "Relatorios", "BKP"}) QDir().mkpath(QDir(pasta).filePath(QLatin1String(sub)));
    {
        QSettings ini(QDir(pasta).filePath(QStringLiteral("Registro.ini")), QSettings::IniFormat);
        ini.setValue(QStringLiteral("REGISTRO/Registro1"), caminhoChave);
    }
    Registro::defineChave(caminhoChave);
    Registro::escreveTexto(QStringLiteral("Server"), QStringLiteral("S"));
    Registro::escreveTexto(QStringLiteral("NomeServidor"), QStringLiteral("127.0.0.1"));
    Registro::escreveTexto(QStringLiteral("IPServidor"), QStringLiteral("127.0.0.1"));
    Registro::escreveInteiro(QStringLiteral("CodUsuarioLogado"), 1);
    Registro::escreveTexto(QStringLiteral("NomeUsuarioLogado"), QString());
    Registro::escreveInteiro(QStringLiteral("CodEmpresaLogada"), 1);
    Registro::escreveTexto(QStringLiteral("NomeEmpresaLogada"), QString());
    Registro::escreveTexto(QStringLiteral("PathPrograma"), pastaWin + QLatin1Char('\\'));
    Registro::escreveTexto(QStringLiteral("PathBancoDados"), pastaWin + QStringLiteral("\\Dados\\BD.FDB"));
    Registro::escreveTexto(QStringLiteral("PathBackup"), pastaWin + QStringLiteral("\\BKP\\"));
    Registro::escreveTexto(QStringLiteral("PathRelatorios"), pastaWin + QStringLiteral("\\Relatorios\\"));
    Registro::escreveTexto(QStringLiteral("MsgRodapeRelatorio"), QStringLiteral("Brelo"));
    Registro::escreveInteiro(QStringLiteral("Versao"), 20160419);
    leRegistro();

    Plataforma &p = Plataforma::atual();
    const QString padrao = local(QStringLiteral("C:\\Brelo\\Prontanota"));
    if (!QFileInfo::exists(local(PathBancoDados)))
        p.copiaArquivo(padrao + QStringLiteral("/Dados/BD.FDB"), local(PathPrograma) + QStringLiteral("/Dados/"),
                       Plataforma::SeExistir::NovoNome);
    p.copiaArquivo(programaPrincipal(padrao), local(PathPrograma) + QLatin1Char('/'), Plataforma::SeExistir::Substitui);
    p.copiaArquivo(padrao + QStringLiteral("/Relatorios/Relatorios.rav"), local(PathRelatorios) + QLatin1Char('/'),
                   Plataforma::SeExistir::Substitui);
    const QString atalho = QStringLiteral("Atalho ") + apelido;
    p.criaAtalho(QFileInfo(atalho).completeBaseName(), programaPrincipal(local(PathPrograma)), local(PathPrograma), atalho);

    if (Server == QLatin1String("S")) escolheServidor();
    else escolheTerminal();
    Paineis->setCurrentWidget(VisaoPrincipal);
    LabelSair->setVisible(true);
    ButGravarClick();
}

void TfInstalora::ButGravarClick()
{
    if (CheckServidor->isChecked()) {
        if (vazio(EditNome1->text())) {
            informacao(QStringLiteral("É necessário informar o Nome deste Computador !"));
            return;
        }
        if (vazio(EditIP1->text())) {
            informacao(QStringLiteral("É necessário informar o IP deste Computador !"));
            return;
        }
        RemoveAcentos(EditNome1->text());
        acento = acento || TinhaAcento;
        hostConexao = acento ? QStringLiteral("127.0.0.1") : EditNome1->text();
    } else if (CheckTerminal->isChecked()) {
        if (vazio(EditNome2->text())) {
            informacao(QStringLiteral("É necessário informar o Nome do Servidor !"));
            return;
        }
        if (vazio(EditIP2->text())) {
            informacao(QStringLiteral("É necessário informar o IP do Servidor !"));
            return;
        }
        RemoveAcentos(EditNome2->text());
        acento = acento || TinhaAcento;
        hostConexao = EditNome2->text();
        const QString programa = local(PathPrograma);
        Plataforma::atual().renomeia(programa + QStringLiteral("/Dados"), programa + QStringLiteral("/Dados01"));
    } else {
        return;
    }
    ButGravar->setText(QStringLiteral("Concluíndo...!"));
    ButGravar->setEnabled(false);
    if (CheckServidor->isChecked()) Paineis->setCurrentWidget(TabLocalRede);
    else Finaliza();
}

void TfInstalora::BitBtn1Click()
{
    if (!RadioModoLocal->isChecked() && !RadioModoRede->isChecked()) {
        informacao(QStringLiteral("Marque uma das opções !"));
        return;
    }
    if (ConfiguracoesGerais()) Finaliza();
}

void TfInstalora::progresso(int feito, int total)
{
    BarraProgresso->setMaximum(total);
    BarraProgresso->setValue(feito);
}

bool TfInstalora::ConfiguracoesGerais()
{
    banco_->desconecta();
    banco_->parametros = BancoDados::parametrosPadrao();
    const bool silencioso = ModoAtualizSilencioso == QLatin1String("S");
    if (silencioso) {
        if (Server != QLatin1String("S")) return true;
        banco_->nome = VersaoEmbarcada ? BancoDados::nomeEmbarcado() : BancoDados::nomeServidor(NomeServidor, PathBancoDados);
    } else {
        banco_->nome = RadioModoRede->isChecked() ? BancoDados::nomeServidor(hostConexao, PathBancoDados)
                                                  : BancoDados::nomeEmbarcado();
    }
    try {
        banco_->conecta();
    } catch (const ErroBD &) {
        informacao(QStringLiteral("Não foi possível conectar ao banco de dados!"));
        return true;
    }
    CopiaSeguranca();
    BarraProgresso->setVisible(true);

    // The upgrade runs on a connection of its own in a worker thread (it takes tens of seconds
    // on a large database); the window is painted and the bar moves meanwhile.
    const QString nome = banco_->nome;
    const QDate dia = hoje();
    const int versao = Versao;
    banco_->desconecta();
    QString erro;
    QThread *trabalho = QThread::create([&] {
        BancoDados b;
        b.nome = nome;
        b.parametros = Atualizacao::parametrosAtualizacao();
        try {
            b.conecta();
            Atualizacao a(b);
            a.aviso = [this](const QString &t) {
                QMetaObject::invokeMethod(this, [t] { informacao(t); }, Qt::BlockingQueuedConnection);
            };
            a.progresso = [this](int feito, int total) {
                QMetaObject::invokeMethod(this, [this, feito, total] { progresso(feito, total); }, Qt::QueuedConnection);
            };
            a.executa(versao, dia);
        } catch (const ErroBD &e) {
            // What was committed before the error stays; the next try starts over.
            erro = e.mensagem();
        }
        try {
            if (b.conectado()) Atualizacao::restauraEscritaForcada(b);
            b.desconecta();
        } catch (const ErroBD &) {
        }
    });
    QEventLoop espera;
    connect(trabalho, &QThread::finished, &espera, &QEventLoop::quit);
    trabalho->start();
    espera.exec(QEventLoop::ExcludeUserInputEvents);
    trabalho->wait();
    delete trabalho;
    QCoreApplication::sendPostedEvents(this);
    if (!erro.isEmpty()) {
        mensagemErro(erro);
        return false;
    }
    return true;
}

void TfInstalora::CopiaSeguranca()
{
    Plataforma &p = Plataforma::atual();
    const QString bkp = local(PathPrograma) + QStringLiteral("/BKP/");
    p.copiaArquivo(local(PathBancoDados), bkp, Plataforma::SeExistir::NovoNome);
    p.copiaArquivo(programaPrincipal(local(PathPrograma)), bkp, Plataforma::SeExistir::NovoNome);
    p.copiaArquivo(local(PathRelatorios) + QStringLiteral("/Relatorios.rav"), bkp, Plataforma::SeExistir::NovoNome);
}

void TfInstalora::FechaTabelas()
{
    try {
        banco_->desconecta();
    } catch (const ErroBD &) {
    }
}

void TfInstalora::iniciaPrograma()
{
    FechaTabelas();
    Relogio::atual().espera(1000);
    const QString pasta = local(PathPrograma);
    Plataforma::atual().iniciaPrograma(programaPrincipal(pasta), {}, pasta);
    fecha();
}

void TfInstalora::Finaliza()
{
    if (CheckServidor->isChecked()) {
        Registro::escreveTexto(QStringLiteral("Server"), QStringLiteral("S"));
        Registro::escreveTexto(QStringLiteral("NomeServidor"), QStringLiteral("127.0.0.1"));
        Registro::escreveTexto(QStringLiteral("IPServidor"), QStringLiteral("127.0.0.1"));
        if (RadioModoLocal->isChecked()) Registro::escreveBooleano(QStringLiteral("VersaoEmbarcada"), true);
        else if (RadioModoRede->isChecked()) Registro::escreveBooleano(QStringLiteral("VersaoEmbarcada"), false);
    } else {
        Registro::escreveTexto(QStringLiteral("Server"), QStringLiteral("N"));
        Registro::escreveTexto(QStringLiteral("NomeServidor"), acento ? EditIP2->text() : EditNome2->text());
        Registro::escreveTexto(QStringLiteral("IPServidor"), EditIP2->text());
        Registro::escreveBooleano(QStringLiteral("VersaoEmbarcada"), false);
    }
    iniciaPrograma();
}

void TfInstalora::AtualizacaoSilenciosa()
{
    Paineis->setCurrentWidget(PainelCarregando);
    LabelCarregando->setText(QStringLiteral("Preparando... aguarde"));
    repaint();
    Relogio::atual().espera(2000);
    LabelCarregando->setText(QStringLiteral("Começando a atualizar"));
    // On an error the request stays, the main program is not started and the window waits
    // for SAIR; the next start tries again.
    if (!ConfiguracoesGerais()) return;
    Registro::escreveTexto(QStringLiteral("ModoAtualizSilencioso"), QString());
    Registro::escreveTexto(QStringLiteral("RecenteInstal"), QStringLiteral("S"));
    iniciaPrograma();
}
