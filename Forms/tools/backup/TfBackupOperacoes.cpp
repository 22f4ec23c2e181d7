// The backup and the restore sequences of TfBackup.

#include "TfBackup.h"

#include "Caminhos.h"
#include "BancoDados.h"
#include "CopiaBanco.h"
#include "Dados.h"
#include "ErroBD.h"
#include "JanelaPrincipal.h"
#include "Mensagens.h"
#include "Plataforma.h"
#include "Registro.h"
#include "Relogio.h"
#include "TfCarregando.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QCoreApplication>
#include <QEventLoop>
#include <QScopeGuard>
#include <QThread>

namespace {
const QString MsgFecheOutros = QStringLiteral("Atenção, se você tiver o programa aberto\rem outro computador, feche-o agora!");
const QString MsgPastaNaoExiste = QStringLiteral("Este caminho ou pasta não existe.\rRedefina o caminho do arquivo!");

bool vazio(const QString &t) { return t.isEmpty() || t == QLatin1String(" "); }
void espera(int ms) { Relogio::atual().espera(ms); }
} // namespace

bool TfBackup::confirmaSubstituicao(const QString &arquivo)
{
    // The save dialog already asked about the file it returned.
    if (!QFile::exists(arquivo) || QDir::cleanPath(arquivoDialogoBkp_) == QDir::cleanPath(arquivo)) return true;
    return perguntaSimNao(QStringLiteral("O arquivo %1 já existe.\rDeseja substituí-lo?").arg(QDir::toNativeSeparators(arquivo)),
                          QStringLiteral("Confirmar"));
}

// Long file work in a worker thread (a large database takes seconds); the window is painted and
// its progress list grows meanwhile. Keys and clicks wait until it ends.
void TfBackup::emSegundoPlano(const std::function<void()> &trabalho)
{
    QThread *t = QThread::create(trabalho);
    QEventLoop espera;
    connect(t, &QThread::finished, &espera, &QEventLoop::quit);
    t->start();
    espera.exec(QEventLoop::ExcludeUserInputEvents);
    t->wait();
    delete t;
    QCoreApplication::sendPostedEvents(this);
}

// The copy and its check, on a connection of their own.
QString TfBackup::copiaNoFundo(const QString &arquivo)
{
    const BancoDados &principal = dados().DataBase;
    const QString nome = principal.nome, banco = arquivoBanco();
    const QStringList parametros = principal.parametros;
    QString problema;
    emSegundoPlano([&] {
        BancoDados b;
        b.nome = nome;
        b.parametros = parametros;
        try {
            b.conecta();
            problema = CopiaBanco::gera(b, banco, arquivo, [this](const QString &t) {
                QMetaObject::invokeMethod(this, [this, t] { progresso(ListaProgresso, t); }, Qt::QueuedConnection);
            });
            b.desconecta();
        } catch (const ErroBD &e) {
            problema = e.mensagem();
        }
    });
    return problema;
}

void TfBackup::ButGeraBackupClick()
{
    avisaMaster();
    const QString destinoTexto = EditDestino->text();
    if (vazio(destinoTexto)) {
        informacao(QStringLiteral("Informe o destino do backup!"));
        return;
    }
    const QString pasta = Caminhos::deWindows(destinoTexto);
    if (!QFileInfo(pasta).isDir()) {
        avisoOk(MsgPastaNaoExiste);
        EditDestino->setFocus();
        return;
    }
    const QString arquivo = QDir::cleanPath(pasta + QLatin1Char('/') + QFileInfo(arquivoBanco()).fileName());
    if (ehArquivoBanco(arquivoDialogoBkp_) || ehArquivoBanco(arquivo)) {
        avisoOk(QStringLiteral("O local do Backup não pode ser\ra pasta do banco de dados."));
        EditDestino->clear();
        EditDestino->setFocus();
        return;
    }
    avisoOk(MsgFecheOutros);
    if (discoDoSistema(destinoTexto)
        && !perguntaSimNao(QStringLiteral("Faça o backup preferencialmente numa unidade externa\r(Pen Drive, HD Externo)\r"
                                          "Quer mesmo fazer em C: ?"),
                           QStringLiteral("Confirmar"))) {
        EditDestino->setFocus();
        EditDestino->selectAll();
        return;
    }

    auto &splash = TfCarregando::instancia();
    ocupado_ = true;
    const auto fim = qScopeGuard([&] { ocupado_ = false; });
    splash.mostra(QStringLiteral("Processando Backup!"));
    if (JanelaPrincipal *j = JanelaPrincipal::atual()) j->ParaLembretes();
    LabelStatus->setText(QStringLiteral("Processando Backup!"));
    habilita(false);
    progresso(ListaProgresso, QStringLiteral("Preparando para gerar o backup..."));
    progresso(ListaProgresso, QStringLiteral("Aguarde. Processando..."));
    splash.fecha();

    QString problema;
    if (!confirmaSubstituicao(arquivo)) problema = QStringLiteral("Backup cancelado.");
    else problema = copiaNoFundo(arquivo);

    if (!problema.isEmpty()) {
        progresso(ListaProgresso, QStringLiteral("Não foi possível fazer o backup!"), true);
        progresso(ListaProgresso, problema, true);
        LabelStatus->setText(QStringLiteral("Backup não realizado"));
        habilita(true);
        avisoOk(QStringLiteral("NÃO foi possível fazer o backup!\r") + problema);
        return;
    }

    splash.mostra(QStringLiteral("Concluindo..."));
    espera(3000);
    progresso(ListaProgresso, QStringLiteral(">>>>>>>>>> FIM <<<<<<<<<<"));
    Dados &d = dados();
    d.PathBackup = destinoTexto;
    Registro::escreveTexto(QStringLiteral("PathBackup"), destinoTexto);
    try {
        d.DataBase.executa(QStringLiteral("UPDATE CONFIGS SET CF_BACKUP=CURRENT_DATE"));
        Dados::reabre(d.QryConfigs);
    } catch (const ErroBD &e) {
        splash.fecha();
        mensagemErro(e.mensagem());
    }
    progresso(ListaProgresso, QStringLiteral("Backup concluído com sucesso!"));
    ResultadoBackup::concluido = true;
    splash.fecha();
    informacao(QStringLiteral("Backup concluído com sucesso!"));
    espera(1000);
    if (modoFechamento_) LabelStatus->setText(QStringLiteral("Saindo do Programa..."));
    ocupado_ = false;
    close();
}

void TfBackup::ButRestauraClick()
{
    avisaMaster();
    const QString texto = EditArquivoBkp->text();
    if (vazio(texto)) {
        informacao(QStringLiteral("Informe o local onde está o arquivo de backup que deseja restaurar!"));
        EditArquivoBkp->setFocus();
        return;
    }
    const QString backup = QDir::cleanPath(Caminhos::deWindows(texto));
    const QString pasta = pastaArquivoBkp_.isEmpty() ? QFileInfo(backup).path() : pastaArquivoBkp_;
    if (!QFileInfo(pasta).isDir()) {
        avisoOk(MsgPastaNaoExiste);
        return;
    }
    if (ehArquivoBanco(backup)) {
        avisoOk(QStringLiteral("Este é o arquivo atual do Banco de Dados.\rNão é um backup!\r"
                               "Você deve escolher o arquivo do seu backup\rno local onde você o salvou!"));
        EditArquivoBkp->clear();
        return;
    }
    if (texto.right(3).toUpper() != QLatin1String("FDB")) {
        avisoOk(QStringLiteral("A extensão do arquivo deve ser \"FDB\"!"));
        EditArquivoBkp->selectAll();
        return;
    }
    avisoOk(MsgFecheOutros);
    if (aviso(8, QStringLiteral("ATENÇÃO: os dados voltarão exatamente\rcomo estavam na data deste Backup.\r"
                                "Informações lançadas DEPOIS serão PERDIDAS.\rTem CERTEZA que quer VOLTAR este BACKUP?"))
        != RespostaAviso::Sim)
        return;
    ocupado_ = true;
    const bool ok = restaura(backup);
    ocupado_ = false;
    if (ok) ResultadoBackup::concluido = true;
    espera(1000);
    TfCarregando::instancia().fecha();
    close();
}

// Steps after the confirmation; true when the backup took the database's place.
bool TfBackup::restaura(const QString &backup)
{
    Dados &d = dados();
    Plataforma &p = Plataforma::atual();
    auto &splash = TfCarregando::instancia();
    const QString banco = arquivoBanco();
    const QString seguranca = QDir::cleanPath(Caminhos::deWindows(d.PathPrograma) + QStringLiteral("/Dados/BDANTESREST.FDB"));
    const QString chegando = banco + QStringLiteral(".restaurando");

    splash.mostra(QStringLiteral("Processando Restauração!"));
    LabelStatusRest->setText(QStringLiteral("Processando Restauração!"));
    progresso(ListaProgressoRest, QStringLiteral("Preparando ambiente para restaurar o backup..."));
    habilita(false);

    // The backup is copied beside the database and opened before the database is touched.
    QFile::remove(chegando);
    QString problema;
    emSegundoPlano([&] {
        if (!QFile::copy(backup, chegando)) problema = QStringLiteral("O arquivo de backup não pôde ser lido.");
        else problema = CopiaBanco::confere(chegando);
    });
    if (!problema.isEmpty()) {
        QFile::remove(chegando);
        splash.fecha();
        progresso(ListaProgressoRest, QStringLiteral("O arquivo escolhido não é um backup que possa ser restaurado!"), true);
        progresso(ListaProgressoRest, problema, true);
        LabelStatusRest->setText(QStringLiteral("Aguardando Restauração"));
        habilita(true);
        avisoOk(QStringLiteral("Este arquivo não é um backup que possa ser restaurado.\r") + problema);
        return false;
    }

    progresso(ListaProgressoRest, QStringLiteral("Desconectando com a base de dados"));
    if (JanelaPrincipal *j = JanelaPrincipal::atual()) j->ParaLembretes();
    d.FechaTabelas();
    espera(3000);

    progresso(ListaProgressoRest, QStringLiteral("Fazendo uma cópia interna de segurança da base atual (BDANTESREST.FDB)"));
    splash.mostra(QStringLiteral("Fazendo uma cópia de segurança"));
    p.apagaArquivo(seguranca);
    espera(1000);
    const bool afastado = p.moveArquivo(banco, seguranca);
    progresso(ListaProgressoRest, afastado ? QStringLiteral("Cópia interna de segurança da base atual realizada com sucesso!")
                                           : QStringLiteral("Não foi possível realizar uma cópia interna de segurança da base atual!"));
    espera(1000);
    progresso(ListaProgressoRest, QStringLiteral("Preparando para copiar o arquivo"));
    if (p.moveArquivo(chegando, banco)) {
        espera(1000);
        progresso(ListaProgressoRest, QStringLiteral("Cópía realizada com sucesso!"));
        progresso(ListaProgressoRest, QStringLiteral("Restauração concluída com sucesso."));
        Registro::escreveTexto(QStringLiteral("PathBackup"), d.PathBackup);
        espera(500);
        splash.fecha();
        espera(500);
        avisoOk(QStringLiteral("Restauração concluída com sucesso!"));
        return true;
    }
    progresso(ListaProgressoRest, QStringLiteral("Não foi possível copiar o arquivo!"), true);
    progresso(ListaProgressoRest, QStringLiteral("Não foi possível fazer a restauração!"), true);
    progresso(ListaProgressoRest, QStringLiteral("Programa pode estar aberto em outro computador. Se for o caso, feche-o antes de Restaurar!"), true);
    espera(1000);
    if (afastado) p.moveArquivo(seguranca, banco);
    QFile::remove(chegando);
    // The database is back as it was: the program goes on with it.
    try {
        d.conecta();
        Dados::abre(d.QryConfigs);
    } catch (const ErroBD &e) {
        mensagemErro(e.mensagem());
    }
    espera(1000);
    splash.fecha();
    avisoOk(QStringLiteral("NÃO foi possível fazer a restauração!"));
    return false;
}
