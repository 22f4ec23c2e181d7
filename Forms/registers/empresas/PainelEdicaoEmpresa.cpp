#include "PainelEdicaoEmpresa.h"

#include "CaixaTexto.h"
#include "CamposFormulario.h"
#include "DataEdit.h"
#include "DocumentoPessoa.h"
#include "ImagemLogotipo.h"
#include "MaskEdit.h"
#include "Query.h"
#include "SeletoresEndereco.h"
#include "uFuncoes.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

using namespace CamposFormulario;


PainelEdicaoEmpresa::PainelEdicaoEmpresa(QWidget *pai) : QTabWidget(pai)
{
    setObjectName(QStringLiteral("PainelEdicao"));
    auto *aba = new QWidget(this);
    aba_ = aba;
    aba->setObjectName(QStringLiteral("AbaDadosEmpresa"));
    aba->installEventFilter(this);
    addTab(aba, QStringLiteral("Informe os dados da empresa"));

    EditCodigo = caixa(aba, "EditCodigo", 10);
    somenteLeitura(EditCodigo);
    RadioFisica = new QRadioButton(QStringLiteral("Física"), aba);
    RadioFisica->setObjectName(QStringLiteral("RadioFisica"));
    RadioJuridica = new QRadioButton(QStringLiteral("Jurídica"), aba);
    RadioJuridica->setObjectName(QStringLiteral("RadioJuridica"));
    LabelNome = rotulo(aba, QStringLiteral("Razão Social"), "LabelNome");
    EditNome = caixa(aba, "EditNome", 50);
    LabelFantasia = rotulo(aba, QStringLiteral("Nome Fantasia"), "LabelFantasia");
    EditFantasia = caixa(aba, "EditFantasia", 50);
    LabelCPF = rotulo(aba, QStringLiteral("CNPJ"), "LabelCPF");
    EditCPF = mascarada(aba, "EditCPF", DocumentoPessoa::MascaraCNPJ);
    LabelRG = rotulo(aba, QStringLiteral("IE"), "LabelRG");
    EditRG = caixa(aba, "EditRG", 15);
    LabelIM = rotulo(aba, QStringLiteral("IM "), "LabelIM");
    EditIM = caixa(aba, "EditIM", 15);

    Endereco = new SeletoresEndereco(aba);
    EditNumero = caixa(aba, "EditNumero", 6);
    EditComplemento = caixa(aba, "EditComplemento", 15);
    EditCEP = mascarada(aba, "EditCEP", QStringLiteral("99999\\-999;0;_"));
    Endereco->defineProximoLogradouro(EditNumero);
    EditFone1 = mascarada(aba, "EditFone1", MascaraFone);
    EditFone2 = mascarada(aba, "EditFone2", MascaraFone);
    EditEmail = caixa(aba, "EditEmail", 50, false);
    minusculas(EditEmail);
    EditSite = caixa(aba, "EditSite", 50, false);
    minusculas(EditSite);

    LabelDataNasc = rotulo(aba, QStringLiteral("Fundação"), "LabelDataNasc");
    EditDataNasc = caixaData(aba, "EditDataNasc", false);
    EditDataCad = caixaData(aba, "EditDataCad", true);
    EditDataAtual = caixaData(aba, "EditDataAtual", true);
    MemoObs = new QPlainTextEdit(aba);
    MemoObs->setObjectName(QStringLiteral("MemoObs"));
    MemoObs->setTabChangesFocus(true);
    MemoObs->setMaximumHeight(60);
    LabelPesquisarCEP = link(aba, QStringLiteral("Pesquisar CEP"), "LabelPesquisarCEP");
    LabelPesquisarCNPJ = link(aba, QStringLiteral("Pesquisar CNPJ"), "LabelPesquisarCNPJ");

    ButLogotipo = new QPushButton(QStringLiteral(" Selecione o logotipo ou imagem >"), aba);
    ButLogotipo->setObjectName(QStringLiteral("ButLogotipo"));
    ButLogotipo->setToolTip(QStringLiteral("Adiciona Imagem de Logotipo"));
    ButLogotipo->setAutoDefault(false);
    ImagemLogo = new ImagemLogotipo("ImagemLogo", 190, aba);
    LabelExcluirLogotipo = link(aba, QStringLiteral("Excluir Logotipo"), "LabelExcluirLogotipo");
    ButAjuda2 = new QPushButton(QStringLiteral("   Ajuda   "), aba);
    ButAjuda2->setObjectName(QStringLiteral("ButAjuda2"));
    ButAjuda2->setToolTip(QStringLiteral("Clique aqui para obter ajuda"));
    ButAjuda2->setAutoDefault(false);

    auto *g = new QGridLayout;
    int l = 0;
    g->addWidget(rotulo(aba, QStringLiteral("Código")), l, 0);
    g->addWidget(EditCodigo, l, 1);
    auto *tipo = new QHBoxLayout;
    tipo->addWidget(rotulo(aba, QStringLiteral("Tipo Pessoa")));
    tipo->addWidget(RadioFisica);
    tipo->addWidget(RadioJuridica);
    tipo->addStretch();
    g->addLayout(tipo, l++, 2, 1, 4);
    g->addWidget(LabelNome, l, 0);
    g->addWidget(EditNome, l++, 1, 1, 5);
    g->addWidget(LabelFantasia, l, 0);
    g->addWidget(EditFantasia, l++, 1, 1, 5);
    g->addWidget(LabelCPF, l, 0);
    g->addWidget(EditCPF, l, 1);
    g->addWidget(LabelRG, l, 2);
    g->addWidget(EditRG, l, 3);
    g->addWidget(LabelIM, l, 4);
    g->addWidget(EditIM, l++, 5);
    g->addWidget(rotulo(aba, QStringLiteral("Estado")), l, 0);
    g->addWidget(Endereco->ComboEstado, l, 1);
    g->addWidget(rotulo(aba, QStringLiteral("Cidade")), l, 2);
    g->addWidget(Endereco->Cidade->linha(aba), l++, 3, 1, 3);
    g->addWidget(rotulo(aba, QStringLiteral("Bairro ")), l, 0);
    g->addWidget(Endereco->Bairro->linha(aba), l, 1, 1, 2);
    g->addWidget(rotulo(aba, QStringLiteral("Endereço ")), l, 3);
    g->addWidget(Endereco->Logradouro->linha(aba), l++, 4, 1, 2);
    g->addWidget(rotulo(aba, QStringLiteral("Número")), l, 0);
    g->addWidget(EditNumero, l, 1);
    g->addWidget(rotulo(aba, QStringLiteral("Complemento")), l, 2);
    g->addWidget(EditComplemento, l, 3);
    g->addWidget(rotulo(aba, QStringLiteral("CEP ")), l, 4);
    g->addWidget(EditCEP, l++, 5);
    g->addWidget(rotulo(aba, QStringLiteral("Telefone 1")), l, 0);
    g->addWidget(EditFone1, l, 1);
    g->addWidget(rotulo(aba, QStringLiteral("Telefone 2")), l, 2);
    g->addWidget(EditFone2, l, 3);
    g->addWidget(LabelPesquisarCEP, l++, 5);
    g->addWidget(rotulo(aba, QStringLiteral("E-mail")), l, 0);
    g->addWidget(EditEmail, l, 1, 1, 2);
    g->addWidget(rotulo(aba, QStringLiteral("HomePage")), l, 3);
    g->addWidget(EditSite, l++, 4, 1, 2);
    g->addWidget(LabelDataNasc, l, 0);
    g->addWidget(EditDataNasc, l, 1);
    g->addWidget(rotulo(aba, QStringLiteral("Data Cadastro")), l, 2);
    g->addWidget(EditDataCad, l, 3);
    g->addWidget(rotulo(aba, QStringLiteral("Última Atualização")), l, 4);
    g->addWidget(EditDataAtual, l++, 5);
    g->addWidget(rotulo(aba, QStringLiteral("Observações")), l, 0);
    g->addWidget(MemoObs, l++, 1, 1, 5);
    g->addWidget(LabelPesquisarCNPJ, l++, 1);
    for (int c : {1, 3, 5}) g->setColumnStretch(c, 1);
    for (QWidget *w : std::initializer_list<QWidget *>{EditCPF, EditFone1, EditFone2}) w->setMinimumWidth(140);
    for (QWidget *w : std::initializer_list<QWidget *>{EditDataNasc, EditDataCad, EditDataAtual, EditCEP}) w->setMinimumWidth(95);

    auto *logo = new QVBoxLayout;
    logo->addWidget(ButLogotipo);
    auto *nota = rotulo(aba, QStringLiteral("Resolução: 190x190 pixels  -  Redimensionado automaticamente"));
    nota->setWordWrap(true);
    nota->setMaximumWidth(200);
    logo->addWidget(nota);
    logo->addWidget(ImagemLogo, 0, Qt::AlignHCenter);
    logo->addWidget(LabelExcluirLogotipo, 0, Qt::AlignHCenter);
    logo->addStretch();

    auto *corpo = new QHBoxLayout;
    corpo->addLayout(g, 1);
    corpo->addLayout(logo);
    botoes_ = new QHBoxLayout;
    botoes_->addWidget(ButAjuda2);
    botoes_->addStretch();
    auto *v = new QVBoxLayout(aba);
    v->addLayout(corpo);
    v->addStretch();
    v->addLayout(botoes_);

    // Focus order: identity, address, telephones, e-mail and site, date, remarks.
    const QList<QWidget *> ordem{RadioFisica, RadioJuridica, EditNome, EditFantasia, EditCPF, EditRG, EditIM,
                                 Endereco->ComboEstado, Endereco->Cidade->Edit, Endereco->Bairro->Edit,
                                 Endereco->Logradouro->Edit, EditNumero, EditComplemento, EditCEP, EditFone1, EditFone2,
                                 EditEmail, EditSite, EditDataNasc, MemoObs};
    for (int i = 1; i < ordem.size(); ++i) QWidget::setTabOrder(ordem.at(i - 1), ordem.at(i));

    for (QWidget *w : std::initializer_list<QWidget *>{EditCPF, EditRG, EditIM, EditNumero}) w->installEventFilter(this);
    connect(RadioFisica, &QRadioButton::clicked, this, [this] { Q_EMIT tipoEscolhido(false); });
    connect(RadioJuridica, &QRadioButton::clicked, this, [this] { Q_EMIT tipoEscolhido(true); });
    defineTipoPessoa(true);
}

void PainelEdicaoEmpresa::poeBotoes(QPushButton *gravar, QPushButton *cancelar)
{
    for (QPushButton *b : {gravar, cancelar}) {
        if (QWidget *pai = b->parentWidget(); pai && pai->layout())
            for (QLayout *l : pai->findChildren<QLayout *>()) l->removeWidget(b);
        b->setParent(aba_);
        botoes_->addWidget(b);
    }
}

bool PainelEdicaoEmpresa::eventFilter(QObject *o, QEvent *e)
{
    if (e->type() == QEvent::MouseButtonPress && o == aba_) Q_EMIT cliqueFundo();
    if (e->type() == QEvent::FocusOut && o == EditCPF) Q_EMIT saiuCPF();
    if (e->type() == QEvent::FocusIn && (o == EditRG || o == EditIM)) Q_EMIT entrouSemCidade();
    if (e->type() == QEvent::FocusIn && o == EditNumero) Q_EMIT entrouNumero();
    return QTabWidget::eventFilter(o, e);
}

bool PainelEdicaoEmpresa::juridica() const { return RadioJuridica->isChecked(); }

void PainelEdicaoEmpresa::defineTipoPessoa(bool juridica)
{
    DocumentoPessoa::aplicaTipoPessoa({RadioFisica, RadioJuridica, LabelNome, LabelFantasia, EditFantasia, LabelCPF, EditCPF,
                                       LabelRG, LabelIM, EditIM, LabelDataNasc, LabelPesquisarCNPJ},
                                      juridica);
}

void PainelEdicaoEmpresa::mostra(Query &q)
{
    const bool ha = q.ativa() && q.recNo() >= 0;
    auto texto = [&q, ha](const char *campo) { return ha ? q[QLatin1String(campo)].asString() : QString(); };
    EditCodigo->setText(texto("EM_CODIGO"));
    EditNome->setText(texto("EM_NOME"));
    EditFantasia->setText(texto("EM_FANTASIA"));
    EditCPF->setTexto(texto("EM_CPF_CNPJ"));
    EditRG->setText(texto("EM_RG_IE"));
    EditIM->setText(texto("EM_IM"));
    EditNumero->setText(texto("EM_NUMERO"));
    EditComplemento->setText(texto("EM_COMPLEMENTO"));
    EditCEP->setTexto(texto("EM_CEP").trimmed());
    EditFone1->setTexto(texto("EM_FONE1"));
    EditFone2->setTexto(texto("EM_FONE2"));
    EditEmail->setText(texto("EM_EMAIL"));
    EditSite->setText(texto("EM_SITE"));
    EditDataNasc->setData(ha ? q[QStringLiteral("EM_DT_NASC")].asDate() : QDate());
    EditDataCad->setData(ha ? q[QStringLiteral("EM_DT_CAD")].asDate() : QDate());
    EditDataAtual->setData(ha ? q[QStringLiteral("EM_DT_ATUAL")].asDate() : QDate());
    MemoObs->setPlainText(texto("EM_OBS"));
}

bool PainelEdicaoEmpresa::grava(Query &q)
{
    QVariant nascimento;
    if (!ValidaData(nascimento, EditDataNasc->textoVisivel())) {
        EditDataNasc->setFocus();
        EditDataNasc->selectAll();
        return false;
    }
    auto texto = [](const QString &t) { return t.isEmpty() ? QVariant() : QVariant(t); };
    q[QStringLiteral("EM_NOME")] = EditNome->text();
    q[QStringLiteral("EM_FANTASIA")] = texto(EditFantasia->text());
    q[QStringLiteral("EM_CPF_CNPJ")] = texto(EditCPF->texto());
    q[QStringLiteral("EM_RG_IE")] = texto(EditRG->text());
    q[QStringLiteral("EM_IM")] = texto(EditIM->text());
    q[QStringLiteral("EM_NUMERO")] = texto(EditNumero->text());
    q[QStringLiteral("EM_COMPLEMENTO")] = texto(EditComplemento->text());
    q[QStringLiteral("EM_CEP")] = texto(EditCEP->texto());
    q[QStringLiteral("EM_FONE1")] = texto(EditFone1->texto());
    q[QStringLiteral("EM_FONE2")] = texto(EditFone2->texto());
    q[QStringLiteral("EM_EMAIL")] = texto(EditEmail->text());
    q[QStringLiteral("EM_SITE")] = texto(EditSite->text());
    q[QStringLiteral("EM_DT_NASC")] = nascimento;
    q[QStringLiteral("EM_OBS")] = texto(MemoObs->toPlainText());
    return true;
}

void PainelEdicaoEmpresa::setEditando(bool editando)
{
    for (QLineEdit *e : {EditNome, EditFantasia, EditRG, EditIM, EditNumero, EditComplemento, EditEmail, EditSite,
                         static_cast<QLineEdit *>(EditCPF), static_cast<QLineEdit *>(EditCEP),
                         static_cast<QLineEdit *>(EditFone1), static_cast<QLineEdit *>(EditFone2),
                         static_cast<QLineEdit *>(EditDataNasc)})
        e->setReadOnly(!editando);
    MemoObs->setReadOnly(!editando);
    RadioFisica->setEnabled(editando);
    RadioJuridica->setEnabled(editando);
    ButLogotipo->setEnabled(editando);
    Endereco->setEditando(editando);
}
