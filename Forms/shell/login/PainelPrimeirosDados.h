#pragma once
// The first-data panel of the login window: on a database without companies it registers the
// first company (the creditor of the notes) with its city, state and logo, then hands the login
// back to the window.

#include "Query.h"
#include "Transacao.h"

#include <QFrame>

class MaskEdit;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class LabelClicavel;

class PainelPrimeirosDados : public QFrame {
    Q_OBJECT
public:
    explicit PainelPrimeirosDados(QWidget *parent = nullptr);

    static inline const QStringList Estados = {
        QStringLiteral("AC"), QStringLiteral("AL"), QStringLiteral("AM"), QStringLiteral("AP"), QStringLiteral("BA"),
        QStringLiteral("CE"), QStringLiteral("DF"), QStringLiteral("ES"), QStringLiteral("GO"), QStringLiteral("MA"),
        QStringLiteral("MG"), QStringLiteral("MS"), QStringLiteral("MT"), QStringLiteral("PA"), QStringLiteral("PB"),
        QStringLiteral("PE"), QStringLiteral("PI"), QStringLiteral("PR"), QStringLiteral("RJ"), QStringLiteral("RN"),
        QStringLiteral("RO"), QStringLiteral("RR"), QStringLiteral("RS"), QStringLiteral("SC"), QStringLiteral("SE"),
        QStringLiteral("SP"), QStringLiteral("TO")};

    Transacao TransLocalizaCidades;
    Query QryLocalizaCidades;

    QLabel *LabelOla;
    QRadioButton *RadioPessoaFisica;
    QRadioButton *RadioEmpresa;
    QLabel *LabelNome1;
    QLineEdit *EditNome1;
    QLabel *LabelNome2;
    QLineEdit *EditNome2;
    QLabel *LabelCPFCNPJ;
    MaskEdit *EditCPFCNPJ;
    QComboBox *ComboEstado;
    QLineEdit *EditCidade;
    LabelClicavel *ImagemLogotipo;
    QPushButton *ButComecar;
    LabelClicavel *LabelSairDados;

    // Starts a new company record in QryGravaEmpresa, kind "Empresa", and greets `nome`.
    void inicia(const QString &nome);

Q_SIGNALS:
    // The company is saved and the default state recorded: the login can be completed.
    void concluido();
    void sair();

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override;

private:
    bool empresa() const;
    void TipoPessoaClick();
    void EditCPFCNPJExit();
    void ImagemLogotipoClick();
    void ButComecarClick();
    bool validaCampos();
    int localizaCidade(const QString &uf, const QString &nome);
    void gravaEmpresa(int codCidade);
    bool gravaEstadoPadrao();

    // The typed document: not looked at yet, or its check digits passed or failed.
    enum class Documento { NaoConferido, Valido, Invalido };
    Documento documento_ = Documento::NaoConferido;
};
