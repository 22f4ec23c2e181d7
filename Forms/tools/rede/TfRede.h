#pragma once
// The network window: makes this computer the database server of the office or a client
// (station) of it. It checks the Firebird server of this computer, tests the connection to the
// database through the server, writes the network settings and ends the program, which
// connects in network mode at its next start.

#include "ServidorFirebird.h"

#include <QDialog>

class LabelClicavel;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class TeclasNavegacao;

class TfRede : public QDialog {
    Q_OBJECT
public:
    explicit TfRede(QWidget *parent = nullptr);
    ~TfRede() override;

    // The help panel's text shown at every opening.
    static const QString TextoAjuda;
    // The port typed in this window, kept for the whole run ("3050" until changed).
    static QString &portaTexto();

    QRadioButton *RadioServidor;
    QRadioButton *RadioCliente;
    QLineEdit *EditPortaServidor;
    QLabel *LabelNomeServidor;
    QLineEdit *EditNomeServidor;
    QLabel *LabelIPServidor;
    QLineEdit *EditIPServidor;
    QLabel *LabelNotaCliente;
    QLabel *LabelFirebird;
    QLabel *LabelDicaInstalar;
    LabelClicavel *LabelLinkFirebird;
    QPushButton *ButInstalarFirebird;
    QPushButton *ButConcluir;
    LabelClicavel *LabelFechar;
    QPushButton *ButAjuda;
    QLabel *LabelNomeComputador;
    QLabel *LabelIPComputador;
    QFrame *PainelCarregando;
    QFrame *TabPassoaPasso;
    LabelClicavel *LabelFecharAjuda;
    QLabel *LabelTextoAjuda;
    LabelClicavel *LabelAjudaOnline;
    QPushButton *ButOK;

    // The four results that decide, and the two of the client's pings.
    bool instalado() const { return instalado_; }
    bool ativo() const { return ativo_; }
    bool versaoValida() const { return versaoValida_; }
    bool acessivelPorNome() const { return acessivelPorNome_; }
    bool pingNome() const { return pingNome_; }
    bool pingIP() const { return pingIP_; }

    void RadioServidorClick();
    void RadioClienteClick();
    void ButConcluirClick();
    void ButInstalarFirebirdClick();
    void ButAjudaClick();
    void FecharAjudaClick(); // "Fechar Ajuda [x]" and "OK"

protected:
    void showEvent(QShowEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    bool eventFilter(QObject *objeto, QEvent *evento) override;

private:
    void montaTela();
    void montaAjuda();
    void FormShow();
    void mostraCliente(bool visivel);
    // Character filters of the boxes; true drops the key.
    bool filtraCaractere(QObject *caixa, const QString &texto);

    // Checks with messages (quiet while the window opens). TfRedeConclusao.cpp.
    void VerificaInstalado();
    void VerificaAtivo();
    void VerificaVersao();
    bool ConexaoTeste(const QString &host);
    void RegrasFirewall();
    void GravaRegistro(bool servidor, const QString &nome, const QString &ip, const QString &porta);
    void Encerra();
    void informa(const QString &texto);
    void abrePagina(const QString &endereco);

    ServidorFirebird servidor_;
    TeclasNavegacao *teclas_ = nullptr;
    bool silencioso_ = false;
    bool instalado_ = false, ativo_ = false, versaoValida_ = false, acessivelPorNome_ = false;
    bool pingNome_ = false, pingIP_ = false;
};
