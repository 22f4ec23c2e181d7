#include "PainelPrimeirosDados.h"

#include "CaixaTexto.h"
#include "Dados.h"
#include "LogotipoEmpresa.h"
#include "MaskEdit.h"
#include "Mensagens.h"
#include "Plataforma.h"
#include "Relogio.h"
#include "LabelClicavel.h"
#include "uFuncoes.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

const QString MascaraCNPJ = QStringLiteral("99.999.999/9999-99;0;_");
const QString MascaraCPF = QStringLiteral("999.999.999-99;0;_");

bool semTexto(const QString &t) { return t.isEmpty() || t == QLatin1String(" "); }

void focaSelecionando(QLineEdit *e)
{
    e->setFocus();
    e->selectAll();
}

QLabel *rotulo(const QString &texto, QWidget *pai, const char *nome = nullptr)
{
    auto *l = new QLabel(texto, pai);
    if (nome) l->setObjectName(QLatin1String(nome));
    return l;
}

} // namespace

PainelPrimeirosDados::PainelPrimeirosDados(QWidget *parent)
    : QFrame(parent),
      TransLocalizaCidades(dados().DataBase, QStringLiteral("TransLocalizaCidades")),
      QryLocalizaCidades(dados().DataBase, TransLocalizaCidades, this)
{
    setObjectName(QStringLiteral("PainelPrimeirosDados"));
    QryLocalizaCidades.sql.defineLinhas({QStringLiteral("select CD_CODIGO, CD_NOME, CD_UF from  CIDADES"),
                                         QStringLiteral("WHERE CD_UF=:UF"), QStringLiteral("AND CD_EXIBIR='T'"),
                                         QStringLiteral("order by CD_NOME")});

    LabelOla = rotulo(QString(), this, "LabelOla");
    LabelOla->setStyleSheet(QStringLiteral("font-size: 16pt; font-weight: bold;"));

    RadioPessoaFisica = new QRadioButton(QStringLiteral("Pessoa Física"), this);
    RadioPessoaFisica->setObjectName(QStringLiteral("RadioPessoaFisica"));
    RadioEmpresa = new QRadioButton(QStringLiteral("Empresa"), this);
    RadioEmpresa->setObjectName(QStringLiteral("RadioEmpresa"));
    auto *tipos = new QButtonGroup(this);
    tipos->addButton(RadioPessoaFisica);
    tipos->addButton(RadioEmpresa);

    LabelNome1 = rotulo(QStringLiteral("Razão Social"), this, "LabelNome1");
    EditNome1 = new QLineEdit(this);
    EditNome1->setObjectName(QStringLiteral("EditNome1"));
    EditNome1->setMaxLength(50);
    EditNome1->setPlaceholderText(QStringLiteral("MINHA EMPRESA"));
    maiusculas(EditNome1);
    LabelNome2 = rotulo(QStringLiteral("Nome Fantasia"), this, "LabelNome2");
    EditNome2 = new QLineEdit(this);
    EditNome2->setObjectName(QStringLiteral("EditNome2"));
    EditNome2->setMaxLength(50);
    EditNome2->setPlaceholderText(QStringLiteral("MINHA EMPRESA FANTASIA"));
    maiusculas(EditNome2);
    LabelCPFCNPJ = rotulo(QStringLiteral("CNPJ"), this, "LabelCPFCNPJ");
    EditCPFCNPJ = new MaskEdit(MascaraCNPJ, this);
    EditCPFCNPJ->setObjectName(QStringLiteral("EditCPFCNPJ"));
    EditCPFCNPJ->installEventFilter(this);

    ComboEstado = new QComboBox(this);
    ComboEstado->setObjectName(QStringLiteral("ComboEstado"));
    ComboEstado->setEditable(true);
    ComboEstado->setInsertPolicy(QComboBox::NoInsert);
    ComboEstado->addItems(Estados);
    ComboEstado->lineEdit()->setMaxLength(2);
    maiusculas(ComboEstado->lineEdit());
    ComboEstado->setEditText(QString());
    EditCidade = new QLineEdit(this);
    EditCidade->setObjectName(QStringLiteral("EditCidade"));
    EditCidade->setMaxLength(50);
    maiusculas(EditCidade);

    ImagemLogotipo = new LabelClicavel(QString(), this);
    ImagemLogotipo->setObjectName(QStringLiteral("ImagemLogotipo"));
    ImagemLogotipo->setFixedSize(190, 190);
    ImagemLogotipo->setAlignment(Qt::AlignCenter);
    ImagemLogotipo->setFrameShape(QFrame::Box);
    ImagemLogotipo->setText(QStringLiteral("Seu logotipo"));

    ButComecar = new QPushButton(QStringLiteral("  Começar a usar Prontanota"), this);
    ButComecar->setObjectName(QStringLiteral("ButComecar"));
    ButComecar->setAutoDefault(false);
    LabelSairDados = new LabelClicavel(QStringLiteral("Sair"), this);
    LabelSairDados->setObjectName(QStringLiteral("LabelSairDados"));

    auto *tipo = new QHBoxLayout;
    tipo->addWidget(rotulo(QStringLiteral("Você é uma..."), this));
    tipo->addWidget(RadioPessoaFisica);
    tipo->addWidget(RadioEmpresa);
    tipo->addStretch();

    auto *documento = new QHBoxLayout;
    documento->addWidget(EditCPFCNPJ);
    documento->addWidget(rotulo(QStringLiteral("(digite apenas os números)"), this));

    auto *campos = new QGridLayout;
    campos->addWidget(LabelNome1, 0, 0);
    campos->addWidget(EditNome1, 0, 1);
    campos->addWidget(LabelNome2, 1, 0);
    campos->addWidget(EditNome2, 1, 1);
    campos->addWidget(LabelCPFCNPJ, 2, 0);
    campos->addLayout(documento, 2, 1);
    campos->addWidget(rotulo(QStringLiteral("Onde você está..."), this), 3, 0, 1, 2);
    campos->addWidget(rotulo(QStringLiteral("Estado"), this), 4, 0);
    campos->addWidget(ComboEstado, 4, 1, Qt::AlignLeft);
    campos->addWidget(rotulo(QStringLiteral("Cidade"), this), 5, 0);
    campos->addWidget(EditCidade, 5, 1);

    auto *logo = new QHBoxLayout;
    auto *textoLogo = new QVBoxLayout;
    textoLogo->addWidget(rotulo(QStringLiteral("Você tem Logotipo?"), this));
    auto *dica = rotulo(QStringLiteral("Clique na imagem à direita para escolher seu logotipo"), this);
    dica->setWordWrap(true);
    textoLogo->addWidget(dica);
    textoLogo->addStretch();
    logo->addLayout(textoLogo, 1);
    logo->addWidget(ImagemLogotipo);

    auto *fim = new QHBoxLayout;
    fim->addWidget(ButComecar);
    fim->addStretch();
    fim->addWidget(LabelSairDados);

    auto *l = new QVBoxLayout(this);
    l->setContentsMargins(30, 20, 30, 20);
    l->addWidget(LabelOla);
    l->addLayout(tipo);
    l->addLayout(campos);
    l->addLayout(logo);
    l->addWidget(rotulo(QStringLiteral("Obs.: você pode informar mais dados depois no cadastro de Empresa"), this));
    l->addStretch();
    l->addLayout(fim);

    connect(RadioPessoaFisica, &QRadioButton::clicked, this, &PainelPrimeirosDados::TipoPessoaClick);
    connect(RadioEmpresa, &QRadioButton::clicked, this, &PainelPrimeirosDados::TipoPessoaClick);
    connect(EditCPFCNPJ, &QLineEdit::textChanged, this, [this] { documento_ = Documento::NaoConferido; });
    connect(ImagemLogotipo, &LabelClicavel::clicado, this, &PainelPrimeirosDados::ImagemLogotipoClick);
    connect(ButComecar, &QPushButton::clicked, this, &PainelPrimeirosDados::ButComecarClick);
    connect(LabelSairDados, &LabelClicavel::clicado, this, &PainelPrimeirosDados::sair);
}

bool PainelPrimeirosDados::empresa() const { return RadioEmpresa->isChecked(); }

void PainelPrimeirosDados::inicia(const QString &nome)
{
    LabelOla->setText(QStringLiteral("Olá, %1! Agora, informe seus dados para começarmos.").arg(nome));
    Query &q = dados().QryGravaEmpresa;
    if (q.editando()) q.cancel();
    Dados::abre(q);
    q.append();
    RadioEmpresa->setChecked(true);
    TipoPessoaClick();
}

void PainelPrimeirosDados::TipoPessoaClick()
{
    const bool e = empresa();
    LabelNome1->setText(e ? QStringLiteral("Razão Social") : QStringLiteral("Nome Completo"));
    LabelNome2->setVisible(e);
    EditNome2->setVisible(e);
    LabelCPFCNPJ->setText(e ? QStringLiteral("CNPJ") : QStringLiteral("CPF"));
    EditCPFCNPJ->setMascara(e ? MascaraCNPJ : MascaraCPF);
    documento_ = Documento::NaoConferido;
    EditNome1->setFocus();
}

bool PainelPrimeirosDados::eventFilter(QObject *objeto, QEvent *evento)
{
    // Leaving the box inside the window; a dialog or another window taking the focus is no exit.
    if (objeto == EditCPFCNPJ && evento->type() == QEvent::FocusOut && isVisible()) {
        const Qt::FocusReason r = static_cast<QFocusEvent *>(evento)->reason();
        if (r != Qt::ActiveWindowFocusReason && r != Qt::PopupFocusReason) EditCPFCNPJExit();
    }
    return QFrame::eventFilter(objeto, evento);
}

void PainelPrimeirosDados::EditCPFCNPJExit()
{
    if (EditCPFCNPJ->vazio()) return;
    bool valido = false;
    if (empresa()) {
        ValidaCNPJ(EditCPFCNPJ->texto());
        valido = CNPJValido;
    } else {
        ValidaCPF(EditCPFCNPJ->texto());
        valido = CPFValido;
    }
    documento_ = valido ? Documento::Valido : Documento::Invalido;
    if (!valido) focaSelecionando(EditCPFCNPJ);
}

void PainelPrimeirosDados::ImagemLogotipoClick()
{
    const QString origem = Plataforma::atual().escolheArquivoAbrir(
        QString(), QString(), QStringLiteral("Arquivos JPG|*.jpg|Arquivos BMP|*.bmp"));
    if (origem.isEmpty()) return;
    Query &q = dados().QryGravaEmpresa;
    LogotipoEmpresa logo;
    try {
        logo = GravaLogotipoEmpresa(origem, dados().PathPrograma, q[QStringLiteral("EM_CODIGO")].asInteger());
    } catch (const ErroFuncoes &e) {
        mensagemErro(e.texto());
        return;
    }
    if (!q.editando()) q.edit();
    q[QStringLiteral("EM_NOME_IMAGEM")] = logo.nomeImagem;
    q[QStringLiteral("EM_LOGO")] = logo.bitmap;
    ImagemLogotipo->setPixmap(QPixmap(logo.arquivoImagem));
}

bool PainelPrimeirosDados::validaCampos()
{
    const bool e = empresa();
    const QString nome = EditNome1->text();
    if (semTexto(nome) || nome == QLatin1String("MINHA EMPRESA")) {
        informacao(e ? QStringLiteral("É necessário informar a Razão Social !")
                     : QStringLiteral("É necessário informar o Nome Completo !"));
        focaSelecionando(EditNome1);
        return false;
    }
    const QString fantasia = EditNome2->text();
    if (e && (semTexto(fantasia) || fantasia == QLatin1String("MINHA EMPRESA FANTASIA"))) {
        informacao(QStringLiteral("É necessário informar o Nome Fantasia !"));
        focaSelecionando(EditNome2);
        return false;
    }
    if (semTexto(EditCPFCNPJ->texto())) {
        informacao(e ? QStringLiteral("É necessário informar a CNPJ !")
                     : QStringLiteral("É necessário informar o CPF !"));
        focaSelecionando(EditCPFCNPJ);
        return false;
    }
    // A number whose check digits fail is not stored; its message was given on leaving the box.
    if (documento_ == Documento::NaoConferido) EditCPFCNPJExit();
    if (documento_ == Documento::Invalido) {
        focaSelecionando(EditCPFCNPJ);
        return false;
    }
    if (ComboEstado->currentText().isEmpty()) {
        informacao(QStringLiteral("É necessário informar o Estado !"));
        ComboEstado->setFocus();
        return false;
    }
    if (semTexto(EditCidade->text())) {
        informacao(QStringLiteral("É necessário informar a Cidade !"));
        EditCidade->setFocus();
        return false;
    }
    return true;
}

int PainelPrimeirosDados::localizaCidade(const QString &uf, const QString &nome)
{
    QryLocalizaCidades.close();
    QryLocalizaCidades.defineParametro(QStringLiteral("UF"), uf);
    QryLocalizaCidades.open();
    if (QryLocalizaCidades.locate(QStringLiteral("CD_NOME"), nome))
        return QryLocalizaCidades[QStringLiteral("CD_CODIGO")].asInteger();

    Query &cidade = dados().QryGravaCidade;
    Dados::abre(cidade);
    cidade.append();
    try {
        cidade[QStringLiteral("CD_NOME")] = nome;
        cidade[QStringLiteral("CD_UF")] = uf;
        cidade[QStringLiteral("CD_EXIBIR")] = QStringLiteral("T");
        cidade.post();
    } catch (...) {
        cidade.cancel();
        throw;
    }
    if (dados().LookupCidades.ativa()) Dados::reabre(dados().LookupCidades);
    return cidade[QStringLiteral("CD_CODIGO")].asInteger();
}

void PainelPrimeirosDados::gravaEmpresa(int codCidade)
{
    auto &d = dados();
    Query &q = d.QryGravaEmpresa;
    // A second try after a refused state changes the company already saved.
    if (!q.editando()) q.edit();
    const bool e = empresa();
    q[QStringLiteral("EM_NOME")] = EditNome1->text();
    q[QStringLiteral("EM_FANTASIA")] = e ? QVariant(EditNome2->text()) : QVariant();
    q[QStringLiteral("EM_CPF_CNPJ")] = EditCPFCNPJ->texto();
    if (q[QStringLiteral("EM_DT_CAD")].isNull()) q[QStringLiteral("EM_DT_CAD")] = hoje();
    q[QStringLiteral("EM_COD_CIDADE")] = codCidade;
    q[QStringLiteral("EM_TIPO_PESSOA")] = e ? QStringLiteral("J") : QStringLiteral("F");
    q.post();

    d.CodEmpresaLogada = q[QStringLiteral("EM_CODIGO")].asInteger();
    d.NomeEmpresaLogada = q[QStringLiteral("EM_NOME")].asString();
    d.QryEmpresa.close();
    d.QryEmpresa.defineParametro(QStringLiteral("CODIGO"), d.CodEmpresaLogada);
    d.QryEmpresa.open();
}

bool PainelPrimeirosDados::gravaEstadoPadrao()
{
    auto &d = dados();
    Dados::abre(d.LookupEstados);
    if (!d.LookupEstados.locate(QStringLiteral("ES_SIGLA"), ComboEstado->currentText())) {
        informacao(QStringLiteral("É necessário informar o seu Estado!"));
        ComboEstado->setFocus();
        return false;
    }
    Query &cf = d.QryGravaConfigs;
    Dados::reabre(cf);
    cf.edit();
    try {
        cf[QStringLiteral("CF_UF_PADRAO")] = d.LookupEstados[QStringLiteral("ES_CODIGO")].asInteger();
        cf.post();
    } catch (...) {
        cf.cancel();
        throw;
    }
    Dados::reabre(d.QryConfigs);
    return true;
}

void PainelPrimeirosDados::ButComecarClick()
{
    if (!validaCampos()) return;
    const QString uf = ComboEstado->currentText();
    // A refused post leaves the record as it was typed, for the next try.
    gravaEmpresa(localizaCidade(uf, EditCidade->text()));
    if (!gravaEstadoPadrao()) return;
    Q_EMIT concluido();
}
