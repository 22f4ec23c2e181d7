#include "PainelConexao.h"

#include "CaixaTexto.h"
#include "Enderecos.h"
#include "LabelClicavel.h"
#include "Plataforma.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace {

QPushButton *botao(const QString &texto, const char *nome, QWidget *pai)
{
    auto *b = new QPushButton(texto, pai);
    b->setObjectName(QLatin1String(nome));
    b->setAutoDefault(false);
    return b;
}

QLineEdit *caixa(const char *nome, int tamanho, QWidget *pai)
{
    auto *e = new QLineEdit(pai);
    e->setObjectName(QLatin1String(nome));
    e->setMaxLength(tamanho);
    return e;
}

// What the user may type into each box.
constexpr int TamanhoNomeServidor = 30, TamanhoIPServidor = 30, TamanhoCaminhoBD = 100;

// A stored value longer than the box is shown whole, so that writing the box back keeps it.
void mostraInteiro(QLineEdit *e, int tamanho, const QString &texto)
{
    e->setMaxLength(qMax(tamanho, int(texto.size())));
    e->setText(texto);
}

} // namespace

PainelConexao::PainelConexao(QWidget *parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("PainelConexao"));
    setFrameShape(QFrame::StyledPanel);

    LabelTituloConexao = new QLabel(QStringLiteral("Não foi possível conectar a base de dados!!!"), this);
    LabelTituloConexao->setObjectName(QStringLiteral("LabelTituloConexao"));
    LabelTituloConexao->setStyleSheet(QStringLiteral("color: #c00000; font-weight: bold;"));
    ListaMensagens = new QListWidget(this);
    ListaMensagens->setObjectName(QStringLiteral("ListaMensagens"));
    ListaMensagens->setWordWrap(true);
    ListaMensagens->setFocusPolicy(Qt::NoFocus);
    LabelComandos = new LabelClicavel(QStringLiteral("Comandos"), this);
    LabelComandos->setObjectName(QStringLiteral("LabelComandos"));

    LabelInstalarFirebird = new LabelClicavel(QStringLiteral("Instalar Firebird"), this);
    LabelInstalarFirebird->setObjectName(QStringLiteral("LabelInstalarFirebird"));
    LabelAtivarFirebird = new LabelClicavel(QStringLiteral("Ativar Firebird"), this);
    LabelAtivarFirebird->setObjectName(QStringLiteral("LabelAtivarFirebird"));
    LabelReinstalarPrograma = new LabelClicavel(QStringLiteral("Reinstalar Programa"), this);
    LabelReinstalarPrograma->setObjectName(QStringLiteral("LabelReinstalarPrograma"));
    for (LabelClicavel *link : {LabelInstalarFirebird, LabelAtivarFirebird, LabelReinstalarPrograma})
        link->setStyleSheet(QStringLiteral("color: #0000c0; text-decoration: underline;"));

    EditNomeServidor = caixa("EditNomeServidor", TamanhoNomeServidor, this);
    maiusculas(EditNomeServidor);
    EditIPServidor = caixa("EditIPServidor", TamanhoIPServidor, this);
    EditIPServidor->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9.]*")), EditIPServidor));
    EditCaminhoBD = caixa("EditCaminhoBD", TamanhoCaminhoBD, this);
#ifdef Q_OS_WIN
    // Windows paths ignore letter case; elsewhere the case of a path must be kept.
    maiusculas(EditCaminhoBD);
#endif

    ButAlterarCaminho = botao(QStringLiteral("Alterar Caminho"), "ButAlterarCaminho", this);
    ButTentarNovamente = botao(QStringLiteral("TENTAR NOVAMENTE"), "ButTentarNovamente", this);
    ButModoLocal = botao(QStringLiteral("ATIVAR MODO LOCAL"), "ButModoLocal", this);
    ButModoRede = botao(QStringLiteral("ATIVAR MODO REDE"), "ButModoRede", this);

    auto *campos = new QFormLayout;
    campos->addRow(QStringLiteral("Nome do Servidor"), EditNomeServidor);
    campos->addRow(QStringLiteral("IP do Servidor"), EditIPServidor);
    campos->addRow(QStringLiteral("Caminho do Banco de Dados"), EditCaminhoBD);

    auto *acoes = new QHBoxLayout;
    acoes->addWidget(ButAlterarCaminho);
    acoes->addWidget(ButTentarNovamente);
    auto *modos = new QHBoxLayout;
    modos->addWidget(ButModoLocal);
    modos->addWidget(ButModoRede);
    modos->addStretch();
    modos->addWidget(LabelComandos);

    auto *reparos = new QHBoxLayout;
    reparos->addWidget(LabelInstalarFirebird);
    reparos->addWidget(LabelAtivarFirebird);
    reparos->addWidget(LabelReinstalarPrograma);
    reparos->addStretch();

    auto *l = new QVBoxLayout(this);
    l->addWidget(LabelTituloConexao);
    l->addWidget(ListaMensagens, 1);
    l->addLayout(reparos);
    l->addLayout(campos);
    l->addLayout(acoes);
    l->addLayout(modos);

    connect(ButAlterarCaminho, &QPushButton::clicked, this, &PainelConexao::alterarCaminho);
    connect(ButTentarNovamente, &QPushButton::clicked, this, &PainelConexao::alterarCaminho);
    connect(ButModoLocal, &QPushButton::clicked, this, &PainelConexao::ativarModoLocal);
    connect(ButModoRede, &QPushButton::clicked, this, &PainelConexao::ativarModoRede);
    connect(LabelComandos, &LabelClicavel::clicado, this, &PainelConexao::comandos);
    connect(LabelInstalarFirebird, &LabelClicavel::clicado, this,
            [] { Plataforma::atual().abreEndereco(Enderecos::Firebird); });
    connect(LabelAtivarFirebird, &LabelClicavel::clicado, this,
            [] { Plataforma::atual().abreEndereco(Enderecos::FirebirdAtivacao); });
    connect(LabelReinstalarPrograma, &LabelClicavel::clicado, this, &PainelConexao::reinstalarPrograma);
    defineModo(false);
}

void PainelConexao::defineCaminhos(const QString &nomeServidor, const QString &ipServidor, const QString &caminhoBD)
{
    mostraInteiro(EditNomeServidor, TamanhoNomeServidor, nomeServidor);
    mostraInteiro(EditIPServidor, TamanhoIPServidor, ipServidor);
    mostraInteiro(EditCaminhoBD, TamanhoCaminhoBD, caminhoBD);
}

void PainelConexao::defineModo(bool embarcada)
{
    embarcada_ = embarcada;
    ButModoRede->setVisible(embarcada);
    ButModoLocal->setVisible(!embarcada);
}

void PainelConexao::limpaMensagens() { ListaMensagens->clear(); }

void PainelConexao::defineMensagens(const QStringList &linhas)
{
    ListaMensagens->clear();
    ListaMensagens->addItems(linhas);
}

QStringList PainelConexao::mensagens() const
{
    QStringList r;
    for (int i = 0; i < ListaMensagens->count(); ++i) r.append(ListaMensagens->item(i)->text());
    return r;
}

void PainelConexao::mostraFalha(bool visivel)
{
    LabelTituloConexao->setVisible(visivel);
    ListaMensagens->setVisible(visivel);
    LabelComandos->setVisible(visivel);
    for (LabelClicavel *link : {LabelInstalarFirebird, LabelAtivarFirebird, LabelReinstalarPrograma})
        link->setVisible(visivel);
    ButTentarNovamente->setVisible(visivel);
    ButModoRede->setVisible(visivel && embarcada_);
    ButModoLocal->setVisible(visivel && !embarcada_);
}

void PainelConexao::mostraCompleto() { mostraFalha(true); }

void PainelConexao::mostraAlteracaoCaminho(bool bancoAberto) { mostraFalha(!bancoAberto); }
