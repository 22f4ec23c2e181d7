#pragma once
// The edit tab of the companies register ("Informe os dados da empresa"): identity, address
// pickers, telephones, e-mail and site, dates, remarks, the lookup links and the logo area. It
// moves the values between its boxes and the row being edited; the window decides when.

#include <QTabWidget>

class DataEdit;
class ImagemLogotipo;
class MaskEdit;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class Query;
class SeletoresEndereco;

class PainelEdicaoEmpresa : public QTabWidget {
    Q_OBJECT
public:
    static inline const QString MascaraFone = QStringLiteral("!\\(99)9999-99999;0;_");

    explicit PainelEdicaoEmpresa(QWidget *pai);

    QLineEdit *EditCodigo;
    QRadioButton *RadioFisica, *RadioJuridica;
    QLabel *LabelNome, *LabelFantasia, *LabelCPF, *LabelRG, *LabelIM, *LabelDataNasc;
    QLineEdit *EditNome, *EditFantasia, *EditRG, *EditIM;
    MaskEdit *EditCPF;
    SeletoresEndereco *Endereco;
    QLineEdit *EditNumero, *EditComplemento, *EditEmail, *EditSite;
    MaskEdit *EditCEP, *EditFone1, *EditFone2;
    DataEdit *EditDataNasc, *EditDataCad, *EditDataAtual;
    QPlainTextEdit *MemoObs;
    QLabel *LabelPesquisarCEP, *LabelPesquisarCNPJ, *LabelExcluirLogotipo;
    QPushButton *ButLogotipo, *ButAjuda2;
    ImagemLogotipo *ImagemLogo;

    bool juridica() const;
    // Labels, masks and the boxes of a natural or legal person.
    void defineTipoPessoa(bool juridica);
    // The boxes from the current row of `empresa` (the address pickers are set by the window).
    void mostra(Query &empresa);
    // The boxes into the row being edited. False, after "Não é uma data válida!" and with the
    // focus on the box, when the date box holds no real date.
    bool grava(Query &empresa);
    void setEditando(bool editando);
    // The window's save and cancel buttons, laid out at the foot of the tab.
    void poeBotoes(QPushButton *gravar, QPushButton *cancelar);

Q_SIGNALS:
    // A click on the background of the tab.
    void cliqueFundo();
    void tipoEscolhido(bool juridica);
    // The CPF/CNPJ box was left.
    void saiuCPF();
    // The state, IM or RG/IE box received the focus (the city list hides), the number box (the
    // street list hides).
    void entrouSemCidade();
    void entrouNumero();

protected:
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    QWidget *aba_;
    class QHBoxLayout *botoes_;
};
