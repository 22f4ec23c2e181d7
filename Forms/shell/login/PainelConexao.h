#pragma once
// The connection panel of the login window: what went wrong while opening the database, the
// three connection values to correct, and the actions that try again or switch the mode.
// The actions themselves belong to the login window; the panel only reports them.

#include <QFrame>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class LabelClicavel;

class PainelConexao : public QFrame {
    Q_OBJECT
public:
    explicit PainelConexao(QWidget *parent = nullptr);

    QLabel *LabelTituloConexao;
    QListWidget *ListaMensagens;
    LabelClicavel *LabelComandos;
    // Repair links of the diagnosis.
    LabelClicavel *LabelInstalarFirebird;
    LabelClicavel *LabelAtivarFirebird;
    LabelClicavel *LabelReinstalarPrograma;
    QLineEdit *EditNomeServidor;
    QLineEdit *EditIPServidor;
    QLineEdit *EditCaminhoBD;
    QPushButton *ButAlterarCaminho;
    QPushButton *ButTentarNovamente;
    QPushButton *ButModoLocal;
    QPushButton *ButModoRede;

    void defineCaminhos(const QString &nomeServidor, const QString &ipServidor, const QString &caminhoBD);
    // Embedded mode offers "ATIVAR MODO REDE"; server mode "ATIVAR MODO LOCAL".
    void defineModo(bool embarcada);
    void limpaMensagens();
    // The message list, one line per item (the connection diagnosis fills it).
    void defineMensagens(const QStringList &linhas);
    QStringList mensagens() const;

    // After a failed connection: everything.
    void mostraCompleto();
    // "Alterar Caminho (modo rede)": the three boxes and "Alterar Caminho"; with the database
    // open, nothing of the failure (title, list, "Comandos", the other actions).
    void mostraAlteracaoCaminho(bool bancoAberto);

Q_SIGNALS:
    void alterarCaminho(); // "Alterar Caminho" and "TENTAR NOVAMENTE"
    void ativarModoLocal();
    void ativarModoRede();
    void comandos();
    void reinstalarPrograma();

private:
    void mostraFalha(bool visivel);
    bool embarcada_ = false;
};
