#pragma once
// TfInstalora: prepares this computer as the database server or a terminal, sets up a named
// installation, upgrades the database (ConfiguracoesGerais) and starts the main program. It
// runs silently when the main program asked for it (ModoAtualizSilencioso = "S").

#include <QString>
#include <QWidget>

class LabelClicavel;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class BancoDados;

class TfInstalora : public QWidget {
    Q_OBJECT
public:
    explicit TfInstalora(QWidget *parent = nullptr);
    ~TfInstalora() override;

    // The file whose presence in the maker's base folder selects the nickname panel.
    static QString arquivoPersonalizacao();

    // Main view.
    QStackedWidget *Paineis;
    QWidget *VisaoPrincipal, *PainelApelido, *TabLocalRede, *PainelCarregando;
    QRadioButton *CheckServidor, *CheckTerminal;
    QWidget *GrupoServidor, *GrupoTerminal;
    QLineEdit *EditNome1, *EditIP1, *EditNome2, *EditIP2;
    QPushButton *ButGravar;
    LabelClicavel *LabelSair;
    // Nickname panel.
    QLineEdit *EditApelido;
    QPushButton *ButGravaApelido;
    QLabel *LabelConcluindo;
    // Local/network panel.
    QRadioButton *RadioModoLocal, *RadioModoRede;
    QPushButton *BitBtn1;
    LabelClicavel *LabelSair2, *LabelFirebird;
    // Progress panel and the progress of the upgrade.
    QLabel *LabelCarregando;
    QProgressBar *BarraProgresso;

    // Values of the registry kept for the run.
    QString Server, PathRelatorios, NomeServidor, PathBancoDados, PathPrograma, ModoAtualizSilencioso;
    int Versao = 0;
    bool VersaoEmbarcada = false;
    QString caminhoChave;   // the settings key in use
    QString hostConexao;    // host of the upgrade's connection in interactive network mode
    bool acento = false;    // a computer name examined by the save step had an accented letter
    bool iniciado = false;  // the start ran (it runs once, after the window is first shown)

    // The start of the window (run once the window is first shown, unless it ran before).
    void inicia();
    void ButGravaApelidoClick();
    void ButGravarClick();
    void BitBtn1Click();
    // The upgrade; false when it stopped on an error (the error was shown).
    bool ConfiguracoesGerais();
    void CopiaSeguranca();
    void Finaliza();
    void FechaTabelas();
    void AtualizacaoSilenciosa();
    void Sair();

protected:
    void showEvent(QShowEvent *e) override;
    void closeEvent(QCloseEvent *e) override;

private:
    QWidget *montaVisaoPrincipal();
    QWidget *montaPainelApelido();
    QWidget *montaLocalRede();
    QWidget *montaCarregando();
    void escolheServidor();
    void escolheTerminal();
    void leRegistro();
    void iniciaPrograma();
    void fecha();
    void progresso(int feito, int total);

    BancoDados *banco_;
    bool fechando_ = false;
};
