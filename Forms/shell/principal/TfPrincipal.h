#pragma once
// The main window: the menus and buttons that open every other window, the notice board, the
// company's logo, the permissions of the logged-in user, the login record, the backup reminder
// and the orderly end of the program.

#include "AbridorJanelas.h"
#include "JanelaPrincipal.h"
#include "QuadroAvisos.h"

#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <functional>

class AreaLogotipo;
class CalculoLembretes;
class DataEdit;
class LabelClicavel;
class MenuPrincipal;
class QDialog;
class QLabel;
class QPushButton;
class QStatusBar;
class QTimer;

class TfPrincipal : public QMainWindow, public JanelaPrincipal {
    Q_OBJECT
public:
    explicit TfPrincipal(QWidget *parent = nullptr);
    ~TfPrincipal() override;

    // The login window, shown modally (program start, change of user, after a backup) and
    // destroyed once closed: every showing is a new window. Tests put a stand-in here.
    using FabricaLogin = std::function<QDialog *(QWidget *pai)>;
    static void defineFabricaLogin(FabricaLogin fabrica); // empty: the real TfLogin
    QDialog *criaLogin();
    void mostraLogin();

    // The logged-in mark (the window's tag): 0 until the first login; 0 again ends the
    // program without the exit dialog.
    int Tag = 0;

    // --- routines offered to the rest of the system
    void LiberaPermissoes();
    void AbreTabelasLembretes() override;
    void Logotipo() override;
    void GravaRegistroLogin();
    void PerguntaBackup();
    void RestaurarBD() override;
    void RodaAtualizadorSilencioso();
    // Stops the notice board (its timer and its own connection) before the main connection
    // closes or the database is replaced.
    void ParaLembretes() override;
    // The orderly end; true when the program ends (the main window may close).
    bool FechamentoPrograma();
    void AjudaSistema() override;
    void FaleConosco() override;

    // JanelaPrincipal
    void concluiLogin() override;
    void mostraComputador(const QString &nome, const QString &ip) override;
    bool atualizacaoSilenciosaIniciada() const override { return atualizacaoSilenciosa_; }
    QWidget *janela() override { return this; }
    QWidget *abreJanela(const QString &tipo) override;

    // The window of a kind while it is open; nullptr otherwise.
    QWidget *janelaAberta(TipoJanela tipo) const;
    // Opens a window of the kind unless it is open (modal kinds are shown modally and return
    // once closed). Returns the new window, or nullptr when it was open or cannot be built.
    QWidget *abre(TipoJanela tipo);
    // Enables the items and buttons whose window can be built.
    void atualizaDisponiveis();

    // --- controls
    QPushButton *ButMenuPromissoria, *ButMenuClientes, *ButMenuEmpresa;
    QLabel *LabelAtualizacao;
    QLabel *LabelCriarNovo;
    QPushButton *ButNovaNP, *ButNovoCliente, *ButNovaEmpresa, *ButAjuda;
    QuadroAvisos *PainelQuadroAvisos;
    AreaLogotipo *PainelLogotipo;
    QLabel *LabelNomeComputador, *LabelIPComputador, *LabelSlogan;
    LabelClicavel *LabelOutrosProgramas;
    MenuPrincipal *MainMenu1;
    QStatusBar *StatusBar1;
    QLabel *PainelStatus[4];
    QTimer *TimerHora, *TimerLembretes;
    // Computes the notice board off the user-interface thread.
    CalculoLembretes *CalculoQuadro;

    // --- handlers
    void ButNovaNPClick();
    void ButNovoClienteClick();
    void ButNovaEmpresaClick();
    void ButAjudaClick();
    void Backup1Click();
    void Emredeconfigurar1Click();
    void ItemUsuariosClick();
    void ItemLicencaClick();
    void ImagemLogotipoClick();
    void LembreteClick(QuadroAvisos::Lembrete lembrete);
    // Leaving a date box of the notice board.
    void PesqEditDataEntreExit(DataEdit *edit);
    void TimerHoraTimer();

protected:
    void closeEvent(QCloseEvent *e) override;
    bool eventFilter(QObject *objeto, QEvent *evento) override;

private:
    void montaTela();
    void conecta();
    // A flag of the logged-in user's permission record; false without a record.
    static bool permissao(const char *campo);
    // A new window of the kind, not shown yet; nullptr when it is open or cannot be built.
    QWidget *criaJanela(TipoJanela tipo);
    // Opens the window (unless open) and presses its new-record button.
    void abreNovoRegistro(TipoJanela tipo);
    // Opens the backup window on a page and shows it modally; false when there is none.
    bool abreBackup(bool restauracao, bool fechamento);
    // Whether one of the windows that edit records is open.
    bool telasAbertas() const;

    QHash<TipoJanela, QPointer<QWidget>> abertas_;
    QPointer<QDialog> login_;
    bool atualizacaoSilenciosa_ = false;
    bool validandoData_ = false;
};
