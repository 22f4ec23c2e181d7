// Backup reminder, backup and restore entry points, the hand-over to Instalora, the change of
// user and the orderly end of the program.

#include "TfPrincipal.h"

#include "Aplicacao.h"
#include "Caminhos.h"
#include "Dados.h"
#include "ErroBD.h"
#include "ExibeModal.h"
#include "GanchosJanelas.h"
#include "Lembretes.h"
#include "Mensagens.h"
#include "Plataforma.h"
#include "Registro.h"
#include "Relogio.h"
#include "TerminoPorSinal.h"
#include "TfLogin.h"

#include <QCloseEvent>
#include <QDialog>
#include <QTimer>

#include <memory>

namespace {
TfPrincipal::FabricaLogin &fabricaLogin()
{
    static TfPrincipal::FabricaLogin f;
    return f;
}
} // namespace

void TfPrincipal::defineFabricaLogin(FabricaLogin fabrica) { fabricaLogin() = std::move(fabrica); }

QDialog *TfPrincipal::criaLogin()
{
    if (!login_) {
        if (fabricaLogin()) {
            login_ = fabricaLogin()(this);
        } else {
            auto *login = new TfLogin(this);
            // The connection panel's "Comandos": the SQL console, before anyone logs in.
            connect(login, &TfLogin::comandosSQL, this, [this] { abre(TipoJanela::ComandosSQL); });
            connect(login, &TfLogin::conectou, this, [] { TerminoPorSinal::reafirma(); });
            login_ = login;
        }
    }
    return login_;
}

void TfPrincipal::mostraLogin()
{
    // Each login is a new window: nothing of the one before (password, account, panels) is
    // there to be reused.
    std::unique_ptr<QDialog> login(criaLogin());
    if (login) login->exec();
}

bool TfPrincipal::abreBackup(bool restauracao, bool fechamento)
{
    QWidget *w = criaJanela(TipoJanela::Backup);
    if (!w) return false;
    if (auto *b = dynamic_cast<JanelaBackup *>(w))
        b->preparaPagina(restauracao ? PaginaBackup::Restauracao : PaginaBackup::Backup, fechamento);
    exibeModal(w);
    return true;
}

void TfPrincipal::PerguntaBackup()
{
    if (!permissao("PUS_BACKUP")) return;
    Dados &d = dados();
    if (d.Server != QLatin1String("S")) return;
    QDate ultimo;
    try {
        Dados::reabre(d.QryConfigs);
        ultimo = d.QryConfigs[QStringLiteral("CF_BACKUP")].asDate();
    } catch (const ErroBD &e) {
        mensagemErro(e.mensagem());
        return;
    }
    const qint64 dias = (ultimo.isValid() ? ultimo : dataZero()).daysTo(hoje());
    if (dias > 15) {
        Backup1Click();
    } else if (dias > 5) {
        const QString texto = QStringLiteral("Você não efetua BACKUP há %1 dia(s).\n").arg(dias)
                              + QStringLiteral("       Deseja efetuar agora ?       ");
        if (aviso(8, texto) == RespostaAviso::Sim) Backup1Click();
    }
}

void TfPrincipal::Backup1Click()
{
    informacao(QStringLiteral("Feche todas as telas para efetuar o Backup!"));
    ResultadoBackup::concluido = false;
    if (janelaAberta(TipoJanela::Backup)) return;
    if (!abreBackup(false, false)) return;
    if (ResultadoBackup::concluido) {
        TimerHora->stop();
        ParaLembretes();
        mostraLogin();
    }
}

void TfPrincipal::RestaurarBD()
{
    Dados &d = dados();
    if (d.Server == QLatin1String("N") && !d.VersaoEmbarcada) {
        avisoOk(QStringLiteral("Este não é o Servidor! Não é possível restaurar!"));
        return;
    }
    if (telasAbertas()) {
        avisoOk(QStringLiteral("FECHE as telas abertas primeiro!"));
        return;
    }
    avisoOk(QStringLiteral("ATENÇÃO! Se você tiver o programa aberto\rem outro computador, feche-o agora!"));
    ResultadoBackup::concluido = false;
    if (!abreBackup(true, false) || !ResultadoBackup::concluido) return;
    avisoOk(QStringLiteral("Programa será fechado agora\re abrirá novamente em seguida!\r\rClique OK e aguarde!"));
    RodaAtualizadorSilencioso();
    Tag = 0;
    // Not close(): from the login of a change of user this window is already closing, and a
    // second close would do nothing, leaving the program open beside Instalora.
    FechamentoPrograma();
}

void TfPrincipal::RodaAtualizadorSilencioso()
{
    Dados &d = dados();
    Registro::escreveTexto(QStringLiteral("ModoAtualizSilencioso"), QStringLiteral("S"));
    ParaLembretes();
#ifdef Q_OS_WIN
    const QString programa = QStringLiteral("Instalora.exe");
#else
    const QString programa = QStringLiteral("Instalora");
#endif
    const QString pasta = Caminhos::deWindows(d.PathPrograma);
    if (!Plataforma::atual().iniciaPrograma(pasta + programa, {}, pasta))
        informacao(QStringLiteral("Não foi possível iniciar o Instalora. Abra-o na pasta do programa para concluir "
                                  "a atualização."));
    atualizacaoSilenciosa_ = true;
}

bool TfPrincipal::FechamentoPrograma()
{
    if (Tag != 0) {
        switch (perguntaSair()) {
        case 1:
            if (dados().Server != QLatin1String("S")) {
                informacao(QStringLiteral("Você precisa efetuar o Backup no Servidor!"));
            } else {
                informacao(QStringLiteral("Feche todas as telas para efetuar o Backup!"));
                ResultadoBackup::concluido = false;
                // No "Backup e Sair" that ends the program without a backup window.
                if (!janelaAberta(TipoJanela::Backup) && !abreBackup(false, true)) {
                    informacao(QStringLiteral("Não foi possível abrir a tela de Backup. O programa continua aberto."));
                    return false;
                }
            }
            break;
        case 3:
            TimerHora->stop();
            ParaLembretes();
            mostraLogin();
            // The login may have ended the program (Sair, an old database).
            return Aplicacao::programaEncerrado();
        case 4:
            return false;
        default: // 2, or the dialog closed without an answer
            break;
        }
    }
    Aplicacao::encerraPrograma();
    return true;
}

void TfPrincipal::closeEvent(QCloseEvent *e)
{
    if (FechamentoPrograma()) e->accept();
    else e->ignore();
}
