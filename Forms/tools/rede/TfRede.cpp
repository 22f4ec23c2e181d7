// The network window: its layout, the character filters of its boxes, the help panel and the
// choice of role. The checks and CONCLUIR are in TfRedeConclusao.cpp.
#include "TfRede.h"

#include "Enderecos.h"
#include "EstiloDialogo.h"
#include "JanelaPrincipal.h"
#include "LabelClicavel.h"
#include "Mensagens.h"
#include "Plataforma.h"
#include "TeclasNavegacao.h"
#include "TfCarregando.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QShowEvent>

namespace {

QLabel *rotulo(const QString &texto, QWidget *pai, int x, int y, int w, int h = 20, const char *nome = nullptr)
{
    auto *l = new QLabel(texto, pai);
    if (nome) l->setObjectName(QLatin1String(nome));
    l->setGeometry(x, y, w, h);
    l->setWordWrap(true);
    return l;
}

LabelClicavel *link(const QString &texto, const char *nome, QWidget *pai)
{
    auto *l = new LabelClicavel(texto, pai);
    l->setObjectName(QLatin1String(nome));
    l->setStyleSheet(QStringLiteral("color: #0000c0; text-decoration: underline;"));
    return l;
}

QPushButton *botao(const QString &texto, const char *nome, const QString &dica, QWidget *pai)
{
    auto *b = new QPushButton(texto, pai);
    b->setObjectName(QLatin1String(nome));
    b->setToolTip(dica);
    b->setAutoDefault(false);
    return b;
}

// The characters the server-name box refuses (Windows-1252 codes); the port box takes the slash.
bool recusado(QChar c, bool aceitaBarra)
{
    const ushort u = c.unicode();
    if (u == 47) return !aceitaBarra;
    return (u >= 33 && u <= 38) || (u >= 40 && u <= 44) || (u >= 58 && u <= 64) || (u >= 91 && u <= 93)
           || (u >= 123 && u <= 125);
}

QString nomeDoCaractere(QChar c)
{
    if (c == QLatin1Char('"')) return QStringLiteral("aspas duplas");
    if (c == QLatin1Char('&')) return QStringLiteral("E comercial");
    return QString(c);
}

// The same rule for text that arrives without keys (pasting).
QRegularExpressionValidator *validador(bool aceitaBarra, QObject *pai)
{
    const QString barra = aceitaBarra ? QString() : QStringLiteral("/");
    return new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[^!\"#$%&()*+,:;<=>?@\\[\\\\\\]{|}") + barra + QStringLiteral("]*")), pai);
}

} // namespace

const QString TfRede::TextoAjuda = QStringLiteral(
    "COMO CONFIGURAR O PROGRAMA EM REDE:\r\r- Sua rede deve estar configurada para que possa trocar arquivos entre os "
    "computadores;\r- Funciona em REDES LOCAIS. Não usa Internet. Não é possível conectar de locais distintos - só rede "
    "local;\r- PRIMEIRO habilite o modo rede no SERVIDOR;\r- SÓ DEPOIS habilite o modo rede nos CLIENTES;\r- Você "
    "precisa ter o Firebird 2.5 instalado (e somente esta versão) em TODOS os computadores;\r- Se tiver qualquer outra "
    "versão do Firebird, precisa desinstalar.\r\rDúvidas? Assista o vídeo (clique Ajuda abaixo).");

QString &TfRede::portaTexto()
{
    static QString porta = QStringLiteral("3050");
    return porta;
}

TfRede::TfRede(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("TfRede"));
    setWindowTitle(QStringLiteral(" Ativar Modo Rede"));
    setFixedSize(660, 545);
    EstiloDialogo::fundoBranco(this);
    montaTela();
    montaAjuda();
}

TfRede::~TfRede() = default;

void TfRede::montaTela()
{
    auto *titulo = rotulo(QStringLiteral("CONFIGURAR MODO REDE: 3 passos"), this, 20, 10, 620, 28, "LabelTitulo");
    QFont f = titulo->font();
    f.setPointSize(14);
    f.setBold(true);
    titulo->setFont(f);

    rotulo(QStringLiteral("1."), this, 20, 50, 20);
    rotulo(QStringLiteral("Este computador é:"), this, 40, 50, 200);
    RadioServidor = new QRadioButton(QStringLiteral("Servidor - onde ficarão os dados"), this);
    RadioServidor->setObjectName(QStringLiteral("RadioServidor"));
    RadioServidor->setGeometry(40, 72, 330, 22);
    RadioCliente = new QRadioButton(QStringLiteral("Cliente (estação) - vai ligar a um servidor"), this);
    RadioCliente->setObjectName(QStringLiteral("RadioCliente"));
    RadioCliente->setGeometry(40, 96, 330, 22);
    rotulo(QStringLiteral("Porta"), this, 470, 50, 60);
    EditPortaServidor = new QLineEdit(this);
    EditPortaServidor->setObjectName(QStringLiteral("EditPortaServidor"));
    EditPortaServidor->setGeometry(530, 48, 100, 24);
    EditPortaServidor->setValidator(validador(true, EditPortaServidor));
    LabelNomeServidor = rotulo(QStringLiteral("Nome Servidor"), this, 60, 126, 110, 20, "LabelNomeServidor");
    EditNomeServidor = new QLineEdit(this);
    EditNomeServidor->setObjectName(QStringLiteral("EditNomeServidor"));
    EditNomeServidor->setGeometry(170, 124, 200, 24);
    EditNomeServidor->setValidator(validador(false, EditNomeServidor));
    LabelIPServidor = rotulo(QStringLiteral("IP Servidor"), this, 390, 126, 90, 20, "LabelIPServidor");
    EditIPServidor = new QLineEdit(this);
    EditIPServidor->setObjectName(QStringLiteral("EditIPServidor"));
    EditIPServidor->setGeometry(480, 124, 150, 24);
    EditIPServidor->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9.]*")), EditIPServidor));
    LabelNotaCliente = rotulo(QStringLiteral("Veja esses dados no programa já instalado. Clique em Config, Configurações e "
                                             "Padrões, Servidor e Dados."),
                              this, 60, 152, 570, 34, "LabelNotaCliente");

    rotulo(QStringLiteral("2."), this, 20, 200, 20);
    rotulo(QStringLiteral("Instalar Firebird 2.5 ou superior"), this, 40, 200, 300);
    LabelFirebird = rotulo(QStringLiteral("Você deve ter instalado no seu computador a versão 2.5 do Firebird para o Modo "
                                          "Rede funcionar"),
                           this, 40, 224, 360, 40, "LabelFirebird");
    LabelDicaInstalar = rotulo(QStringLiteral("Para instalar clique INSTALAR ou acesse:"), this, 40, 270, 300, 20,
                               "LabelDicaInstalar");
    LabelLinkFirebird = link(Enderecos::Firebird, "LabelLinkFirebird", this);
    LabelLinkFirebird->setGeometry(40, 292, 400, 20);
    ButInstalarFirebird =
        botao(QStringLiteral("Instalar Firebird"), "ButInstalarFirebird", QStringLiteral("Clique aqui para baixar instalador do Firebird"), this);
    ButInstalarFirebird->setGeometry(470, 230, 160, 36);

    rotulo(QStringLiteral("3."), this, 20, 340, 20);
    rotulo(QStringLiteral("Quando Firebird instalado, clique Concluir"), this, 40, 340, 330);
    ButConcluir = botao(QStringLiteral("CONCLUIR"), "ButConcluir", QStringLiteral("Clique aqui para Concluir configuração"), this);
    ButConcluir->setGeometry(470, 330, 160, 40);

    LabelFechar = link(QStringLiteral("Fechar [x]"), "LabelFechar", this);
    LabelFechar->setToolTip(QStringLiteral("Fechar tela"));
    LabelFechar->setGeometry(570, 12, 80, 20);
    ButAjuda = botao(QStringLiteral("Ajuda"), "ButAjuda", QStringLiteral("Clique aqui para obter ajuda"), this);
    ButAjuda->setGeometry(40, 400, 120, 32);
    LabelNomeComputador = rotulo(QString(), this, 20, 490, 400, 20, "LabelNomeComputador");
    LabelIPComputador = rotulo(QString(), this, 20, 512, 400, 20, "LabelIPComputador");

    PainelCarregando = new QFrame(this);
    PainelCarregando->setObjectName(QStringLiteral("PainelCarregando"));
    PainelCarregando->setGeometry(230, 200, 200, 120);
    PainelCarregando->setFrameShape(QFrame::Box);
    auto *ampulheta = new Ampulheta(PainelCarregando);
    ampulheta->setGeometry(68, 10, 64, 84);
    rotulo(QStringLiteral("Aguarde..."), PainelCarregando, 10, 96, 180)->setAlignment(Qt::AlignCenter);
    PainelCarregando->hide();

    teclas_ = TeclasNavegacao::instala(this);
    // An apostrophe typed anywhere in the window is dropped.
    teclas_->setAntes([](QKeyEvent *e) { return e->text() == QLatin1String("'"); });
    for (QLineEdit *e : {EditPortaServidor, EditNomeServidor, EditIPServidor}) e->installEventFilter(this);

    connect(RadioServidor, &QRadioButton::clicked, this, &TfRede::RadioServidorClick);
    connect(RadioCliente, &QRadioButton::clicked, this, &TfRede::RadioClienteClick);
    connect(ButConcluir, &QPushButton::clicked, this, &TfRede::ButConcluirClick);
    connect(ButInstalarFirebird, &QPushButton::clicked, this, &TfRede::ButInstalarFirebirdClick);
    connect(LabelLinkFirebird, &LabelClicavel::clicado, this, &TfRede::ButInstalarFirebirdClick);
    connect(ButAjuda, &QPushButton::clicked, this, &TfRede::ButAjudaClick);
    // Closing changes no setting.
    connect(LabelFechar, &LabelClicavel::clicado, this, &QDialog::reject);
}

void TfRede::montaAjuda()
{
    TabPassoaPasso = new QFrame(this);
    TabPassoaPasso->setObjectName(QStringLiteral("TabPassoaPasso"));
    TabPassoaPasso->setGeometry(20, 40, 620, 440);
    TabPassoaPasso->setFrameShape(QFrame::Box);
    TabPassoaPasso->setAutoFillBackground(true);
    auto *titulo = rotulo(QStringLiteral("Precisa de Ajuda?  Veja algumas dicas abaixo..."), TabPassoaPasso, 16, 10, 480, 24);
    QFont f = titulo->font();
    f.setBold(true);
    titulo->setFont(f);
    LabelFecharAjuda = link(QStringLiteral("Fechar Ajuda [x]"), "LabelFecharAjuda", TabPassoaPasso);
    LabelFecharAjuda->setGeometry(500, 10, 110, 20);
    rotulo(QStringLiteral("Servidor? Escolha um computador para ser o principal. Aquele onde ficarão os dados e ficará "
                          "sempre ligado."),
           TabPassoaPasso, 16, 40, 590, 36);
    rotulo(QStringLiteral("Clientes? São os outros computadores que, pela sua rede, irão buscar os dados no Servidor. "
                          "Assim, todos verão os mesmos dados."),
           TabPassoaPasso, 16, 80, 590, 36);
    LabelTextoAjuda = rotulo(QString(), TabPassoaPasso, 16, 124, 590, 250, "LabelTextoAjuda");
    LabelTextoAjuda->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    LabelAjudaOnline = link(QStringLiteral("Ajuda Online (com vídeo)"), "LabelAjudaOnline", TabPassoaPasso);
    LabelAjudaOnline->setGeometry(16, 396, 200, 20);
    ButOK = botao(QStringLiteral("OK"), "ButOK", QStringLiteral("Próxima Dica"), TabPassoaPasso);
    ButOK->setGeometry(500, 390, 100, 32);

    connect(LabelFecharAjuda, &LabelClicavel::clicado, this, &TfRede::FecharAjudaClick);
    connect(ButOK, &QPushButton::clicked, this, &TfRede::FecharAjudaClick);
    connect(LabelAjudaOnline, &LabelClicavel::clicado, this, &TfRede::ButAjudaClick);
}

void TfRede::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (!e->spontaneous()) FormShow();
}

void TfRede::FormShow()
{
    TfCarregando::instancia().mostra(QStringLiteral("Abrindo..."));
    silencioso_ = true;
    RadioServidor->setChecked(true);
    mostraCliente(false);
    PainelCarregando->hide();
    if (portaTexto().isEmpty()) portaTexto() = QStringLiteral("3050");
    EditPortaServidor->setText(portaTexto());
    QString nome, ip;
    if (JanelaPrincipal *p = JanelaPrincipal::atual(); p && p->janela()) {
        if (auto *l = p->janela()->findChild<QLabel *>(QStringLiteral("LabelNomeComputador"))) nome = l->text();
        if (auto *l = p->janela()->findChild<QLabel *>(QStringLiteral("LabelIPComputador"))) ip = l->text();
    }
    LabelNomeComputador->setText(QStringLiteral("Nome deste computador: ") + nome);
    LabelIPComputador->setText(QStringLiteral("IP deste computador: ") + ip);

    VerificaInstalado();
    VerificaAtivo();
    VerificaVersao();

    ButConcluir->setEnabled(true);
    silencioso_ = false;
    // "\r" is the system's line break.
    LabelTextoAjuda->setText(QString(TextoAjuda).replace(QLatin1Char('\r'), QLatin1Char('\n')));
    TabPassoaPasso->show();
    TabPassoaPasso->raise();
    TfCarregando::instancia().fecha();
}

void TfRede::mousePressEvent(QMouseEvent *e)
{
    // A click on the window's background hides the help panel.
    TabPassoaPasso->hide();
    QDialog::mousePressEvent(e);
}

void TfRede::mostraCliente(bool visivel)
{
    for (QWidget *w : std::initializer_list<QWidget *>{LabelNomeServidor, EditNomeServidor, LabelIPServidor,
                                                       EditIPServidor, LabelNotaCliente})
        w->setVisible(visivel);
}

void TfRede::RadioServidorClick() { mostraCliente(false); }

void TfRede::RadioClienteClick()
{
    mostraCliente(true);
    avisoOk(QStringLiteral("IMPORTANTE!\rNão esqueça de ativar o Modo Rede\rno Servidor PRIMEIRO, OK?"));
    avisoOk(QStringLiteral("COMO ATIVA O MODO REDE?\rNo nosso programa instalado (como principal), \racesse menu "
                           "Configurações, em Rede: Configurar\re marque a opção SERVIDOR. Instale o Firebird 2.5\re "
                           "clique CONCLUIR para ativar."));
    avisoOk(QStringLiteral("Se o Modo Rede NÃO estiver ativo\rno servidor, NÃO irá conectar!\rDúvidas? Assista vídeo abaixo."));
    EditNomeServidor->setFocus();
}

void TfRede::FecharAjudaClick()
{
    TabPassoaPasso->hide();
    const bool habilitado = ButConcluir->isEnabled();
    ButConcluir->setEnabled(false);
    const bool sim = aviso(0, QStringLiteral("Assistir VÍDEO que explica\rcomo configurar em rede ?")) == RespostaAviso::Sim;
    ButConcluir->setEnabled(habilitado);
    if (sim) Plataforma::atual().abreEndereco(Enderecos::AjudaRede);
}

void TfRede::ButAjudaClick()
{
    TabPassoaPasso->show();
    TabPassoaPasso->raise();
    avisoOk(QStringLiteral("Acessando a página de Suporte da Brelo.\rVocê deve estar conectado à Intermet."));
    Plataforma::atual().abreEndereco(Enderecos::AjudaRede);
}

void TfRede::ButInstalarFirebirdClick()
{
    TabPassoaPasso->hide();
    avisoOk(QStringLiteral("Você está indo para a página da Brelo\rpara baixar o instalador do Firebird 2.5\r") + Enderecos::Firebird);
    avisoOk(QStringLiteral("Depois de instalado, volte nesta tela e clique \"Concluir\""));
    Plataforma::atual().abreEndereco(Enderecos::Firebird);
}

bool TfRede::filtraCaractere(QObject *caixa, const QString &texto)
{
    if (texto.size() != 1) return false;
    const QChar c = texto.at(0);
    if (caixa == EditIPServidor) return !((c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('.') || c.unicode() == 8 || c.unicode() < 32);
    if (!recusado(c, caixa == EditPortaServidor)) return false;
    mensagemSimples(QStringLiteral("Caracter não aceito \"") + nomeDoCaractere(c) + QLatin1Char('"'));
    return true;
}

bool TfRede::eventFilter(QObject *objeto, QEvent *evento)
{
    if (evento->type() == QEvent::KeyPress
        && (objeto == EditPortaServidor || objeto == EditNomeServidor || objeto == EditIPServidor))
        return filtraCaractere(objeto, static_cast<QKeyEvent *>(evento)->text());
    return QDialog::eventFilter(objeto, evento);
}
