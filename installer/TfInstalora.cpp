#include "TfInstalora.h"

#include "BancoDados.h"
#include "Caminhos.h"
#include "Enderecos.h"
#include "ErroBD.h"
#include "LabelClicavel.h"
#include "Mensagens.h"
#include "Plataforma.h"
#include "Registro.h"
#include "uFuncoes.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QScreen>
#include <QStackedWidget>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

namespace {

template <class W> W *nomeado(W *w, const char *nome)
{
    w->setObjectName(QLatin1String(nome));
    return w;
}

QLabel *texto(const QString &t, QWidget *pai)
{
    auto *l = new QLabel(t, pai);
    l->setWordWrap(true);
    return l;
}

QLineEdit *caixaIP(QWidget *pai, const char *nome)
{
    auto *e = nomeado(new QLineEdit(pai), nome);
    // Digits and points only; any other key is swallowed.
    e->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9.]*")), e));
    return e;
}

} // namespace

TfInstalora::TfInstalora(QWidget *parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), banco_(new BancoDados)
{
    setObjectName(QStringLiteral("fInstalora"));
    setWindowTitle(QStringLiteral(" Programa de Instalação - Configuração do Servidor/ Terminal"));
    auto *layout = new QVBoxLayout(this);
    LabelSair = nomeado(new LabelClicavel(QStringLiteral("SAIR"), this), "LabelSair");
    layout->addWidget(LabelSair, 0, Qt::AlignRight);
    Paineis = nomeado(new QStackedWidget(this), "Paineis");
    VisaoPrincipal = montaVisaoPrincipal();
    PainelApelido = montaPainelApelido();
    TabLocalRede = montaLocalRede();
    PainelCarregando = montaCarregando();
    for (QWidget *p : {VisaoPrincipal, PainelApelido, TabLocalRede, PainelCarregando}) Paineis->addWidget(p);
    layout->addWidget(Paineis);
    BarraProgresso = nomeado(new QProgressBar(this), "BarraProgresso");
    BarraProgresso->setVisible(false);
    layout->addWidget(BarraProgresso);
    connect(LabelSair, &LabelClicavel::clicado, this, &TfInstalora::Sair);
    resize(620, 460);
    if (QScreen *tela = QGuiApplication::primaryScreen())
        move(tela->availableGeometry().center() - rect().center());
}

TfInstalora::~TfInstalora() { delete banco_; }

QString TfInstalora::arquivoPersonalizacao()
{
    return Caminhos::base() + QStringLiteral("/PersonalizaProntanota.exe");
}

QWidget *TfInstalora::montaVisaoPrincipal()
{
    auto *p = nomeado(new QWidget(this), "VisaoPrincipal");
    auto *g = new QVBoxLayout(p);
    g->addWidget(texto(QStringLiteral("Configuração do Servidor/ Terminal"), p));
    g->addWidget(texto(QStringLiteral("Defina se este computador é o servidor do sistema ou um terminal de acesso "), p));
    g->addWidget(texto(QStringLiteral("Informações:"), p));
    g->addWidget(texto(QStringLiteral("- Servidor é o computador principal, aquele onde estará localizado o Banco de Dados do "
                                      "sistema, local onde serão armazenados todos os dados."), p));
    g->addWidget(texto(QStringLiteral("- Terminal é todo computador que irá se conectar com o servidor. Uma estação de trabalho "
                                      "que acessa pela rede o Banco de Dados."), p));

    CheckServidor = nomeado(new QRadioButton(QStringLiteral("Este computador é o SERVIDOR"), p), "CheckServidor");
    g->addWidget(CheckServidor);
    GrupoServidor = nomeado(new QWidget(p), "GrupoServidor");
    auto *gs = new QGridLayout(GrupoServidor);
    EditNome1 = nomeado(new QLineEdit(GrupoServidor), "EditNome1");
    EditIP1 = caixaIP(GrupoServidor, "EditIP1");
    gs->addWidget(texto(QStringLiteral("Nome deste computador:"), GrupoServidor), 0, 0);
    gs->addWidget(EditNome1, 0, 1);
    gs->addWidget(texto(QStringLiteral("IP deste computador:"), GrupoServidor), 1, 0);
    gs->addWidget(EditIP1, 1, 1);
    gs->addWidget(texto(QStringLiteral("ATENÇÃO!!"), GrupoServidor), 2, 0, 1, 2);
    gs->addWidget(texto(QStringLiteral("- Anote o Nome e o IP deste computador, que será o servidor, e informe estes dados nos "
                                       "outros computadores, os terminais."), GrupoServidor), 3, 0, 1, 2);
    g->addWidget(GrupoServidor);

    CheckTerminal = nomeado(new QRadioButton(QStringLiteral("Este computador é um TERMINAL"), p), "CheckTerminal");
    g->addWidget(CheckTerminal);
    GrupoTerminal = nomeado(new QWidget(p), "GrupoTerminal");
    auto *gt = new QGridLayout(GrupoTerminal);
    EditNome2 = nomeado(new QLineEdit(GrupoTerminal), "EditNome2");
    EditIP2 = caixaIP(GrupoTerminal, "EditIP2");
    gt->addWidget(texto(QStringLiteral("- Informe o Nome do Servidor e o seu IP."), GrupoTerminal), 0, 0, 1, 2);
    gt->addWidget(texto(QStringLiteral("Nome do Servidor:"), GrupoTerminal), 1, 0);
    gt->addWidget(EditNome2, 1, 1);
    gt->addWidget(texto(QStringLiteral("IP do Servidor:"), GrupoTerminal), 2, 0);
    gt->addWidget(EditIP2, 2, 1);
    g->addWidget(GrupoTerminal);

    ButGravar = nomeado(new QPushButton(p), "ButGravar");
    ButGravar->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    ButGravar->setToolTip(QStringLiteral("Grava este registro"));
    g->addWidget(ButGravar, 0, Qt::AlignRight);

    connect(CheckServidor, &QRadioButton::clicked, this, &TfInstalora::escolheServidor);
    connect(CheckTerminal, &QRadioButton::clicked, this, &TfInstalora::escolheTerminal);
    connect(ButGravar, &QPushButton::clicked, this, &TfInstalora::ButGravarClick);
    return p;
}

QWidget *TfInstalora::montaPainelApelido()
{
    auto *p = nomeado(new QWidget(this), "PainelApelido");
    auto *g = new QVBoxLayout(p);
    g->addWidget(texto(QStringLiteral("Informe apelido do programa"), p));
    g->addWidget(texto(QStringLiteral("Informa aqui o apelido do programa"), p));
    EditApelido = nomeado(new QLineEdit(p), "EditApelido");
    connect(EditApelido, &QLineEdit::textEdited, this, [this](const QString &t) {
        const int pos = EditApelido->cursorPosition();
        EditApelido->setText(t.toUpper());
        EditApelido->setCursorPosition(pos);
    });
    ButGravaApelido = nomeado(new QPushButton(QStringLiteral(" &Continuar "), p), "ButGravaApelido");
    ButGravaApelido->setToolTip(QStringLiteral("Grava este apelido"));
    LabelConcluindo = nomeado(texto(QStringLiteral("Concluindo. Aguarde..."), p), "LabelConcluindo");
    LabelConcluindo->setVisible(false);
    g->addWidget(EditApelido);
    g->addWidget(ButGravaApelido);
    g->addWidget(LabelConcluindo);
    g->addStretch();
    connect(ButGravaApelido, &QPushButton::clicked, this, &TfInstalora::ButGravaApelidoClick);
    return p;
}

QWidget *TfInstalora::montaLocalRede()
{
    auto *p = nomeado(new QWidget(this), "TabLocalRede");
    auto *g = new QVBoxLayout(p);
    g->addWidget(texto(QStringLiteral("Você utiliza este programa apenas neste computador?"), p));
    RadioModoLocal = nomeado(new QRadioButton(QStringLiteral("Sim, apenas neste computador"), p), "RadioModoLocal");
    RadioModoRede = nomeado(new QRadioButton(QStringLiteral("Não, eu uso em rede com outros computadores ligados neste computador"), p),
                            "RadioModoRede");
    BitBtn1 = nomeado(new QPushButton(p), "BitBtn1");
    BitBtn1->setIcon(style()->standardIcon(QStyle::SP_ArrowForward));
    LabelSair2 = nomeado(new LabelClicavel(QStringLiteral("SAIR"), p), "LabelSair2");
    LabelFirebird = nomeado(new LabelClicavel(QStringLiteral("Firebird"), p), "LabelFirebird");
    for (QWidget *w : {static_cast<QWidget *>(RadioModoLocal), static_cast<QWidget *>(RadioModoRede),
                       static_cast<QWidget *>(BitBtn1), static_cast<QWidget *>(LabelSair2), static_cast<QWidget *>(LabelFirebird)})
        g->addWidget(w);
    g->addStretch();
    connect(BitBtn1, &QPushButton::clicked, this, &TfInstalora::BitBtn1Click);
    connect(LabelSair2, &LabelClicavel::clicado, this, &TfInstalora::Sair);
    connect(LabelFirebird, &LabelClicavel::clicado, this, [] { Plataforma::atual().abreEndereco(Enderecos::Firebird); });
    return p;
}

QWidget *TfInstalora::montaCarregando()
{
    auto *p = nomeado(new QWidget(this), "PainelCarregando");
    auto *g = new QVBoxLayout(p);
    LabelCarregando = nomeado(new QLabel(p), "LabelCarregando");
    QFont fonte = LabelCarregando->font();
    fonte.setPointSize(fonte.pointSize() + 6);
    fonte.setBold(true);
    LabelCarregando->setFont(fonte);
    LabelCarregando->setAlignment(Qt::AlignCenter);
    g->addStretch();
    g->addWidget(LabelCarregando);
    g->addStretch();
    return p;
}

void TfInstalora::escolheServidor()
{
    CheckServidor->setChecked(true);
    GrupoServidor->setVisible(true);
    GrupoTerminal->setVisible(false);
    ButGravar->setFocus();
}

void TfInstalora::escolheTerminal()
{
    CheckTerminal->setChecked(true);
    GrupoTerminal->setVisible(true);
    EditNome2->clear();
    EditIP2->clear();
    GrupoServidor->setVisible(false);
    EditNome2->setFocus();
}

void TfInstalora::showEvent(QShowEvent *e)
{
    QWidget::showEvent(e);
    // Once the window is on screen: the silent update shows its panel while it works.
    if (!iniciado) QTimer::singleShot(0, this, [this] {
        if (!iniciado) inicia();
    });
}

void TfInstalora::closeEvent(QCloseEvent *e)
{
    // Only the tool itself closes the window, at the end of a flow or by SAIR.
    if (fechando_) e->accept();
    else e->ignore();
}

void TfInstalora::fecha()
{
    fechando_ = true;
    close();
}

void TfInstalora::Sair() { fecha(); }

void TfInstalora::leRegistro()
{
    Server = Registro::leTexto(QStringLiteral("Server"));
    PathRelatorios = Registro::leTexto(QStringLiteral("PathRelatorios"));
    NomeServidor = Registro::leTexto(QStringLiteral("NomeServidor"));
    PathBancoDados = Registro::leTexto(QStringLiteral("PathBancoDados"));
    PathPrograma = Registro::leTexto(QStringLiteral("PathPrograma"));
    Versao = Registro::leInteiro(QStringLiteral("Versao"));
}

void TfInstalora::inicia()
{
    iniciado = true;
    acento = false;
    ModoAtualizSilencioso.clear();
    Paineis->setCurrentWidget(VisaoPrincipal);
    GrupoServidor->setVisible(false);
    GrupoTerminal->setVisible(false);
    QString nome, ip, erro;
    if (NomeEnderecoComputador(nome, ip, erro)) {
        EditNome1->setText(nome);
        EditIP1->setText(ip);
    }
    if (QFileInfo::exists(arquivoPersonalizacao())) {
        LabelSair->setVisible(false);
        Paineis->setCurrentWidget(PainelApelido);
        EditApelido->setFocus();
        return;
    }
    caminhoChave = Registro::chavePadrao();
    Registro::defineChave(caminhoChave);
    if (!Registro::existe(QStringLiteral("Versao"))) {
        informacao(QStringLiteral("A configuração desta instalação não informa a versão do programa (valor Versao).\r"
                                  "Instale o programa novamente para corrigir."));
        fecha();
        return;
    }
    leRegistro();
    ModoAtualizSilencioso = Registro::leTexto(QStringLiteral("ModoAtualizSilencioso"));
    VersaoEmbarcada = Registro::leBooleano(QStringLiteral("VersaoEmbarcada"));
    if (Server == QLatin1String("S")) escolheServidor();
    else escolheTerminal();
    if (ModoAtualizSilencioso == QLatin1String("S")) AtualizacaoSilenciosa();
}
