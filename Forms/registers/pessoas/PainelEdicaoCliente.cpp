#include "PainelEdicaoCliente.h"

#include "AjusteTela.h"
#include "CaixaTexto.h"
#include "CamposFormulario.h"
#include "ContatosCliente.h"
#include "DataEdit.h"
#include "DocumentoPessoa.h"
#include "MaskEdit.h"
#include "MoedaEdit.h"
#include "Query.h"
#include "SeletoresEndereco.h"
#include "TeclasNavegacao.h"
#include "uFuncoes.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QTableView>

using namespace CamposFormulario;


PainelEdicaoCliente::PainelEdicaoCliente(ContatosCliente *contatos, QWidget *pai) : QTabWidget(pai)
{
    setObjectName(QStringLiteral("PainelEdicao"));
    auto *aba = new QWidget(this);
    aba->setObjectName(QStringLiteral("AbaDadosCliente"));
    aba->installEventFilter(this);
    addTab(aba, QStringLiteral("Informe os dados do cliente"));

    EditCodigo = caixa(aba, "EditCodigo", 10);
    somenteLeitura(EditCodigo);
    EditReferencia = caixa(aba, "EditReferencia", 15);
    RadioFisica = new QRadioButton(QStringLiteral("Física"), aba);
    RadioFisica->setObjectName(QStringLiteral("RadioFisica"));
    RadioJuridica = new QRadioButton(QStringLiteral("Jurídica"), aba);
    RadioJuridica->setObjectName(QStringLiteral("RadioJuridica"));
    LabelNome = rotulo(aba, QStringLiteral("Nome"), "LabelNome");
    EditNome = caixa(aba, "EditNome", 50);
    LabelFantasia = rotulo(aba, QStringLiteral("Nome Fantasia"), "LabelFantasia");
    EditFantasia = caixa(aba, "EditFantasia", 50);
    LabelCPF = rotulo(aba, QStringLiteral("CPF"), "LabelCPF");
    EditCPF = new MaskEdit(QStringLiteral("999.999.999-99;0;_"), aba);
    EditCPF->setObjectName(QStringLiteral("EditCPF"));
    LabelRG = rotulo(aba, QStringLiteral("RG"), "LabelRG");
    EditRG = caixa(aba, "EditRG", 15);
    LabelIM = rotulo(aba, QStringLiteral("IM"), "LabelIM");
    EditIM = caixa(aba, "EditIM", 15);

    Endereco = new SeletoresEndereco(aba);
    EditNumero = caixa(aba, "EditNumero", 8);
    EditComplemento = caixa(aba, "EditComplemento", 15);
    EditCEP = new MaskEdit(QStringLiteral("99999\\-999;0;_"), aba);
    EditCEP->setObjectName(QStringLiteral("EditCEP"));
    EditPtRef = caixa(aba, "EditPtRef", 100);
    Endereco->defineProximoLogradouro(EditNumero);

    LabelDataNasc = rotulo(aba, QStringLiteral("Data Nasc."), "LabelDataNasc");
    EditDataNasc = new DataEdit(aba);
    EditDataNasc->setObjectName(QStringLiteral("EditDataNasc"));
    EditDataCad = new DataEdit(aba);
    EditDataCad->setObjectName(QStringLiteral("EditDataCad"));
    EditDataAtual = new DataEdit(aba);
    EditDataAtual->setObjectName(QStringLiteral("EditDataAtual"));
    EditDataAtual->setReadOnly(true);
    EditDataAtual->setFocusPolicy(Qt::NoFocus);
    EditLimite = new MoedaEdit(aba);
    EditLimite->setObjectName(QStringLiteral("EditLimite"));
    MemoObs = new QPlainTextEdit(aba);
    MemoObs->setObjectName(QStringLiteral("MemoObs"));
    MemoObs->setTabChangesFocus(true);
    MemoObs->setMaximumHeight(60);
    LabelPesquisarCEP = link(aba, QStringLiteral("Pesquisar CEP"), "LabelPesquisarCEP");
    LabelPesquisarCNPJ = link(aba, QStringLiteral("Pesquisar CNPJ"), "LabelPesquisarCNPJ");
    LabelVerMapa = link(aba, QStringLiteral("Ver no Mapa"), "LabelVerMapa");
    ButAjuda2 = new QPushButton(QStringLiteral("   Ajuda   "), aba);
    ButAjuda2->setObjectName(QStringLiteral("ButAjuda2"));
    ButAjuda2->setToolTip(QStringLiteral("Clique aqui para obter ajuda"));
    ButAjuda2->setAutoDefault(false);

    auto *g = new QGridLayout(aba);
    int l = 0;
    g->addWidget(rotulo(aba, QStringLiteral("Código")), l, 0);
    g->addWidget(EditCodigo, l, 1);
    g->addWidget(rotulo(aba, QStringLiteral("Meu Cod. Cliente")), l, 2);
    g->addWidget(EditReferencia, l, 3);
    auto *tipo = new QHBoxLayout;
    tipo->addWidget(rotulo(aba, QStringLiteral("Tipo Pessoa")));
    tipo->addWidget(RadioFisica);
    tipo->addWidget(RadioJuridica);
    g->addLayout(tipo, l++, 4, 1, 2);
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
    g->addWidget(rotulo(aba, QStringLiteral("Tipo Contato")), l, 0);
    g->addWidget(contatos->ComboTipoContato, l, 1);
    g->addWidget(contatos->LabelContato, l, 2);
    g->addWidget(contatos->EditContato, l, 3);
    g->addWidget(rotulo(aba, QStringLiteral("Obs.")), l, 4);
    g->addWidget(contatos->EditObsContato, l++, 5);
    auto *botoesContato = new QHBoxLayout;
    botoesContato->addWidget(contatos->ButAdicionarContato);
    botoesContato->addWidget(contatos->ButExcluirContato);
    botoesContato->addStretch();
    g->addLayout(botoesContato, l++, 0, 1, 6);
    g->addWidget(contatos->GridContatos, l++, 0, 1, 6);
    g->addWidget(rotulo(aba, QStringLiteral("Estado")), l, 0);
    g->addWidget(Endereco->ComboEstado, l, 1);
    g->addWidget(rotulo(aba, QStringLiteral("Cidade")), l, 2);
    g->addWidget(Endereco->Cidade->linha(aba), l++, 3, 1, 3);
    g->addWidget(rotulo(aba, QStringLiteral("Bairro ")), l, 0);
    g->addWidget(Endereco->Bairro->linha(aba), l++, 1, 1, 5);
    g->addWidget(rotulo(aba, QStringLiteral("Endereço ")), l, 0);
    g->addWidget(Endereco->Logradouro->linha(aba), l++, 1, 1, 5);
    g->addWidget(rotulo(aba, QStringLiteral("Número")), l, 0);
    g->addWidget(EditNumero, l, 1);
    g->addWidget(rotulo(aba, QStringLiteral("Complemento")), l, 2);
    g->addWidget(EditComplemento, l, 3);
    g->addWidget(rotulo(aba, QStringLiteral("CEP ")), l, 4);
    g->addWidget(EditCEP, l++, 5);
    g->addWidget(rotulo(aba, QStringLiteral("Ponto Ref.")), l, 0);
    g->addWidget(EditPtRef, l++, 1, 1, 5);
    g->addWidget(LabelDataNasc, l, 0);
    g->addWidget(EditDataNasc, l, 1);
    g->addWidget(rotulo(aba, QStringLiteral("Data Cadastro")), l, 2);
    g->addWidget(EditDataCad, l, 3);
    g->addWidget(rotulo(aba, QStringLiteral("Última Atualização")), l, 4);
    g->addWidget(EditDataAtual, l++, 5);
    g->addWidget(rotulo(aba, QStringLiteral("Limite crédito")), l, 0);
    g->addWidget(EditLimite, l++, 1);
    g->addWidget(rotulo(aba, QStringLiteral("Observações")), l, 0);
    g->addWidget(MemoObs, l++, 1, 1, 5);
    auto *links = new QHBoxLayout;
    for (QWidget *w : std::initializer_list<QWidget *>{LabelPesquisarCEP, LabelPesquisarCNPJ, LabelVerMapa}) links->addWidget(w);
    links->addStretch();
    links->addWidget(ButAjuda2);
    g->addLayout(links, l++, 0, 1, 6);
    g->setRowStretch(l, 1);
    for (int c : {1, 3, 5}) g->setColumnStretch(c, 1);
    contatos->GridContatos->setMaximumHeight(110);
    AjusteTela::caixaMascaras(EditCPF, {QStringLiteral("999.999.999-99;0;_"), QStringLiteral("99.999.999/9999-99;0;_")});
    // Beside the list there is room for the short boxes whole; the long ones grow with the tab.
    AjusteTela::caixas(aba, 24);

    // Focus order: identity, contacts, address, dates, limit, remarks.
    QList<QWidget *> ordem{EditReferencia, RadioFisica, RadioJuridica, EditNome, EditFantasia, EditCPF, EditRG, EditIM,
                           contatos->ComboTipoContato, contatos->EditContato, contatos->EditObsContato,
                           contatos->ButAdicionarContato, contatos->GridContatos, contatos->ButExcluirContato,
                           Endereco->ComboEstado, Endereco->Cidade->Edit, Endereco->Bairro->Edit, Endereco->Logradouro->Edit,
                           EditNumero, EditComplemento, EditCEP, EditPtRef, EditDataNasc, EditDataCad, EditLimite, MemoObs};
    for (int i = 1; i < ordem.size(); ++i) QWidget::setTabOrder(ordem.at(i - 1), ordem.at(i));

    MemoObs->setProperty(TeclasNavegacao::PropriedadeTeclasProprias, int(TeclasNavegacao::Enter));
    EditCPF->installEventFilter(this);
    connect(RadioFisica, &QRadioButton::clicked, this, [this] { Q_EMIT tipoEscolhido(false); });
    connect(RadioJuridica, &QRadioButton::clicked, this, [this] { Q_EMIT tipoEscolhido(true); });
    connect(LabelPesquisarCEP, &QLabel::linkActivated, this, &PainelEdicaoCliente::pesquisarCEP);
    connect(LabelPesquisarCNPJ, &QLabel::linkActivated, this, &PainelEdicaoCliente::pesquisarCNPJ);
    connect(LabelVerMapa, &QLabel::linkActivated, this, &PainelEdicaoCliente::verMapa);
    defineTipoPessoa(false);
}

bool PainelEdicaoCliente::eventFilter(QObject *o, QEvent *e)
{
    if (e->type() == QEvent::MouseButtonPress && o->objectName() == QLatin1String("AbaDadosCliente")) Q_EMIT cliqueFundo();
    if (e->type() == QEvent::FocusOut && o == EditCPF) Q_EMIT saiuCPF();
    return QTabWidget::eventFilter(o, e);
}

bool PainelEdicaoCliente::juridica() const { return RadioJuridica->isChecked(); }

void PainelEdicaoCliente::defineTipoPessoa(bool juridica)
{
    DocumentoPessoa::aplicaTipoPessoa({RadioFisica, RadioJuridica, LabelNome, LabelFantasia, EditFantasia, LabelCPF, EditCPF,
                                       LabelRG, LabelIM, EditIM, LabelDataNasc, LabelPesquisarCNPJ},
                                      juridica);
}

void PainelEdicaoCliente::mostra(Query &p)
{
    const bool ha = p.ativa() && p.recNo() >= 0;
    auto texto = [&p, ha](const char *campo) { return ha ? p[QLatin1String(campo)].asString() : QString(); };
    EditCodigo->setText(texto("CG_CODIGO"));
    EditReferencia->setText(texto("CG_REFERENCIA"));
    EditNome->setText(texto("CG_NOME"));
    EditFantasia->setText(texto("CG_NOME2"));
    EditCPF->setTexto(texto("CG_CPF_CNPJ"));
    EditRG->setText(texto("CG_RG_IE"));
    EditIM->setText(texto("CG_IM"));
    EditNumero->setText(texto("CG_NUMERO"));
    EditComplemento->setText(texto("CG_COMPLEMENTO"));
    EditCEP->setTexto(texto("CG_CEP").trimmed());
    EditPtRef->setText(texto("CG_PTREF"));
    EditDataNasc->setData(ha ? p[QStringLiteral("CG_DT_NASC")].asDate() : QDate());
    EditDataCad->setData(ha ? p[QStringLiteral("CG_DT_CAD")].asDate() : QDate());
    EditDataAtual->setData(ha ? p[QStringLiteral("CG_DT_ATUAL")].asDate() : QDate());
    EditLimite->setValor(ha ? p[QStringLiteral("CG_LIMITE_TOTAL")].asMoeda() : Moeda());
    MemoObs->setPlainText(texto("CG_OBS"));
}

bool PainelEdicaoCliente::grava(Query &p)
{
    QVariant nascimento, cadastro;
    for (auto [caixa, campo] : {std::pair{EditDataNasc, &nascimento}, std::pair{EditDataCad, &cadastro}}) {
        if (!ValidaData(*campo, caixa->textoVisivel())) {
            caixa->setFocus();
            caixa->selectAll();
            return false;
        }
    }
    auto texto = [](const QString &t) { return t.isEmpty() ? QVariant() : QVariant(t); };
    p[QStringLiteral("CG_REFERENCIA")] = texto(EditReferencia->text());
    p[QStringLiteral("CG_NOME")] = EditNome->text();
    p[QStringLiteral("CG_NOME2")] = texto(EditFantasia->text());
    p[QStringLiteral("CG_CPF_CNPJ")] = texto(EditCPF->texto());
    p[QStringLiteral("CG_RG_IE")] = texto(EditRG->text());
    p[QStringLiteral("CG_IM")] = texto(EditIM->text());
    p[QStringLiteral("CG_NUMERO")] = texto(EditNumero->text());
    p[QStringLiteral("CG_COMPLEMENTO")] = texto(EditComplemento->text());
    p[QStringLiteral("CG_CEP")] = texto(EditCEP->texto());
    p[QStringLiteral("CG_PTREF")] = texto(EditPtRef->text());
    p[QStringLiteral("CG_DT_NASC")] = nascimento;
    p[QStringLiteral("CG_DT_CAD")] = cadastro;
    p[QStringLiteral("CG_LIMITE_TOTAL")] = QVariant::fromValue(EditLimite->valor());
    p[QStringLiteral("CG_OBS")] = texto(MemoObs->toPlainText());
    return true;
}

void PainelEdicaoCliente::setEditando(bool editando)
{
    for (QLineEdit *e : {EditReferencia, EditNome, EditFantasia, EditRG, EditIM, EditNumero, EditComplemento, EditPtRef,
                         static_cast<QLineEdit *>(EditCPF), static_cast<QLineEdit *>(EditCEP),
                         static_cast<QLineEdit *>(EditDataNasc), static_cast<QLineEdit *>(EditDataCad),
                         static_cast<QLineEdit *>(EditLimite)})
        e->setReadOnly(!editando);
    MemoObs->setReadOnly(!editando);
    RadioFisica->setEnabled(editando);
    RadioJuridica->setEnabled(editando);
    Endereco->setEditando(editando);
}
