#pragma once
// The general settings window: the installation-wide settings of the CONFIGS row, how this
// computer sits in the network, and the compatibility layer of the program. It opens in edit
// mode; " &Grava" stores the row, "&Cancela" drops what was typed.

#include <QByteArray>
#include <QWidget>

#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;

class TfConfiguracoesGerais : public QWidget {
    Q_OBJECT
public:
    explicit TfConfiguracoesGerais(QWidget *parent = nullptr);
    ~TfConfiguracoesGerais() override;

    // The stored model name of older installations turned into its size; others unchanged.
    static QString modeloPorTamanho(const QString &modelo);
    static const QStringList &modelos();

    QTabWidget *Paginas;
    QComboBox *ComboModeloPromis;
    QCheckBox *CheckImpReciboNoAto;
    QCheckBox *CheckNaoImprimeDtEmiss;
    QPlainTextEdit *MemoObsPromis;
    QPushButton *ButBrasao;
    QPushButton *ButDownloadBrasao;
    QLabel *ImagemBrasao;
    QCheckBox *CheckBloqueiaLocalidades;
    QCheckBox *CheckExibeConfAltCadastro;
    QCheckBox *CheckCompatibilidade;
    QCheckBox *CheckServidor;
    QLineEdit *EditNomeServidor;
    QLineEdit *EditIPServidor;
    QLineEdit *EditNomeComputador;
    QLineEdit *EditIPComputador;
    QPushButton *ButAltera;
    QPushButton *ButGrava;
    QPushButton *ButCancela;
    QPushButton *ButSair;
    QPushButton *ButAjuda;

    void ButAlteraClick();
    void ButGravaClick();
    void ButCancelaClick();
    void ButBrasaoClick();
    void ButDownloadBrasaoClick();
    void ButAjudaClick();

protected:
    void showEvent(QShowEvent *e) override;
    void closeEvent(QCloseEvent *e) override;

private:
    void montaTela();
    void FormShow();
    void LeRegistro();
    void ModoEdicao();
    void ModoNormal();
    void MostraRegistro();
    void MostraBrasao(const QByteArray &imagem);

    bool editando_ = false;
    bool compatibilidadeLigada_ = false; // the stored value was "WINXPSP3"
    std::optional<QByteArray> brasaoNovo_; // a coat of arms chosen since the edit began
};
