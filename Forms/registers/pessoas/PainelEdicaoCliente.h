#pragma once
// The edit tab of the persons register ("Informe os dados do cliente"): identity, contacts entry,
// address pickers, dates, credit limit, remarks and the lookup links. It moves the values between
// its boxes and the row being edited; the window decides when.

#include <QTabWidget>

class ContatosCliente;
class DataEdit;
class MaskEdit;
class MoedaEdit;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class Query;
class SeletoresEndereco;

class PainelEdicaoCliente : public QTabWidget {
    Q_OBJECT
public:
    PainelEdicaoCliente(ContatosCliente *contatos, QWidget *pai);

    QLineEdit *EditCodigo, *EditReferencia;
    QRadioButton *RadioFisica, *RadioJuridica;
    QLabel *LabelNome, *LabelFantasia, *LabelCPF, *LabelRG, *LabelIM, *LabelDataNasc;
    QLineEdit *EditNome, *EditFantasia, *EditRG, *EditIM;
    MaskEdit *EditCPF;
    SeletoresEndereco *Endereco;
    QLineEdit *EditNumero, *EditComplemento, *EditPtRef;
    MaskEdit *EditCEP;
    DataEdit *EditDataNasc, *EditDataCad, *EditDataAtual;
    MoedaEdit *EditLimite;
    QPlainTextEdit *MemoObs;
    QLabel *LabelPesquisarCEP, *LabelPesquisarCNPJ, *LabelVerMapa;
    QPushButton *ButAjuda2;

    bool juridica() const;
    // Labels, masks and the boxes of a natural or legal person.
    void defineTipoPessoa(bool juridica);
    // The boxes from the current row of `pessoa` (the address pickers are set by the window).
    void mostra(Query &pessoa);
    // The boxes into the row being edited. False, after "Não é uma data válida!" and with the
    // focus on the box, when a date box holds no real date.
    bool grava(Query &pessoa);
    void setEditando(bool editando);

Q_SIGNALS:
    // A click on the background of the tab.
    void cliqueFundo();
    void tipoEscolhido(bool juridica);
    void pesquisarCEP();
    void pesquisarCNPJ();
    void verMapa();
    // The CPF/CNPJ box was left.
    void saiuCPF();

protected:
    bool eventFilter(QObject *o, QEvent *e) override;
};
