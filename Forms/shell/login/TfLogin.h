#pragma once
// The login window: reads the installation settings, opens the database, lets the user choose
// an account, a password and a company, and hands over to the main window. On a new database
// it creates the first account and, through the first-data panel, the first company.
//
// Shown modally at program start, after a change of user and after a backup; it cannot be
// closed by the window manager and closes only after a successful login or when the program ends.
// Its settings load when it is shown. Create it after the shared data module Dados and destroy it
// before that module: its queries use the module's connection.

#include "DiagnosticoConexao.h"
#include "Query.h"
#include "ServidorFirebird.h"
#include "Transacao.h"

#include <QDialog>

class PainelConexao;
class PainelDicaSenha;
class PainelPrimeirosDados;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;
class LabelClicavel;
class TeclasNavegacao;

class TfLogin : public QDialog {
    Q_OBJECT
public:
    explicit TfLogin(QWidget *parent = nullptr);
    ~TfLogin() override;

    // The reserved maintenance login: "MASTER" with this password runs as user 9999 without an account.
    static inline const QString LoginMaster = QStringLiteral("MASTER");
    static inline const QString SenhaMaster = QStringLiteral("§");
    static inline const QString TextoNomeVazio = QStringLiteral("< DIGITE UM NOME AQUI >");

    // The settings are read and the database is open.
    bool conectado() const { return conectado_; }
    // PUS_CODIGO of the account found for the typed name; 0 when none.
    int contaSelecionada() const { return contaSelecionada_; }

    Transacao TransVerificaUsuario;
    Query QryVerificaUsuario;

    QLabel *LabelTitulo;
    QLabel *LabelLogin;
    QLabel *LabelEmpresa;
    QComboBox *ComboEmpresas;
    QLineEdit *EditUsuario;
    QLineEdit *EditSenha;
    LabelClicavel *LabelOpcional;
    QPushButton *ButGravar;
    LabelClicavel *LabelRestore;
    LabelClicavel *LabelAlterarCaminho;
    LabelClicavel *LabelSair;

    PainelConexao *painelConexao;
    PainelDicaSenha *painelDicaSenha;
    PainelPrimeirosDados *painelPrimeirosDados;

public Q_SLOTS:
    void reject() override;

Q_SIGNALS:
    // "Comandos" of the connection panel: the SQL console, so the database can be repaired
    // before anyone logs in.
    void comandosSQL();
    // The database was opened (start, TENTAR NOVAMENTE, a change of mode).
    void conectou();

protected:
    void showEvent(QShowEvent *e) override;
    void hideEvent(QHideEvent *e) override;
    void closeEvent(QCloseEvent *e) override;
    bool eventFilter(QObject *objeto, QEvent *evento) override;

private:
    void montaTela();
    void montaTeclas();
    bool FormKeyDown(QKeyEvent *e);

    // Showing the window, loading the settings, connecting (TfLoginCarga.cpp).
    void FormShow();
    void CarregaConfiguracoes();
    void Conecta();
    void PosicionaFoco();
    void MostraComputador();
    void CarregaContas();
    void CarregaEmpresas();
    void AbreEmpresaLogada();
    void DefineProjetoRelatorios();
    void BancoAntigo();
    QStringList MensagensConexao(const QString &erro) const;
    void ButAlterarCaminhoClick();
    void ButModoLocalClick();
    void ButModoRedeClick();
    void LabelAlterarCaminhoClick();

    // Choosing the account and entering (TfLoginEntrada.cpp).
    void EditUsuarioExit();
    void ButGravarClick();
    bool PrimeiroUsuario();
    int GravaPrimeiraConta(const QString &nome, const QString &senha);
    bool EscolheEmpresa();
    void LabelOpcionalClick();
    void ContaDaDica(int codigo, const QString &login);
    void PrimeirosDados();
    void PrimeirosDadosConcluidos();
    void ConcluiLogin();
    void LabelRestoreClick();
    void EncerraPrograma();

    void LabelReinstalarProgramaClick();

    DiagnosticoConexao diagnostico_;
    ServidorFirebird servidor_;
    QStackedWidget *paginas_;
    QWidget *paginaLogin_;
    TeclasNavegacao *teclas_ = nullptr;
    bool conectado_ = false;
    bool contasLidas_ = false; // QryVerificaUsuario and QryVerificaEmpresas were read
    int contaSelecionada_ = 0;
    QString recenteInstal_;
    bool exibindo_ = false;
    bool loginConcluido_ = false;
    bool encerrado_ = false;
};
