#include "TfPrincipal.h"
#include "TfManual.h"

#include "AreaLogotipo.h"
#include "CalculoLembretes.h"
#include "Dados.h"
#include "ErroBD.h"
#include "Mensagens.h"
#include "DataEdit.h"
#include "Enderecos.h"
#include "LabelClicavel.h"
#include "MenuPrincipal.h"
#include "Plataforma.h"
#include "Registro.h"
#include "Relogio.h"
#include "TeclasNavegacao.h"

#include <QFocusEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>

namespace {
QPushButton *botao(QWidget *pai, const char *nome, const QString &texto)
{
    auto *b = new QPushButton(texto, pai);
    b->setObjectName(QString::fromLatin1(nome));
    b->setMinimumHeight(34);
    return b;
}

QLabel *rotulo(QWidget *pai, const char *nome, const QString &texto)
{
    auto *l = new QLabel(texto, pai);
    l->setObjectName(QString::fromLatin1(nome));
    return l;
}
} // namespace

TfPrincipal::TfPrincipal(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("TfPrincipal"));
    Registro::carregaSubstituicao();
    setWindowTitle(QStringLiteral(" Prontanota - Sistema de Controle e Emissão de Notas Promissórias"));
    setWindowState(Qt::WindowMaximized);
    montaTela();
    conecta();
    TeclasNavegacao::instala(this);
    atualizaDisponiveis();
    JanelaPrincipal::define(this);

    TimerHora->start();
    TimerLembretes->start();
}

TfPrincipal::~TfPrincipal()
{
    if (JanelaPrincipal::atual() == this) JanelaPrincipal::define(nullptr);
}

void TfPrincipal::montaTela()
{
    auto *centro = new QWidget(this);
    centro->setObjectName(QStringLiteral("PainelCentral"));
    centro->setAutoFillBackground(true);
    QPalette branco = centro->palette();
    branco.setColor(QPalette::Window, Qt::white);
    centro->setPalette(branco);
    setPalette(branco);
    setCentralWidget(centro);

    // Top strip.
    ButMenuPromissoria = botao(centro, "ButMenuPromissoria", QStringLiteral(" Nota Promissória"));
    ButMenuClientes = botao(centro, "ButMenuClientes", QStringLiteral(" Clientes"));
    ButMenuEmpresa = botao(centro, "ButMenuEmpresa", QStringLiteral(" Empresa"));
    LabelAtualizacao = rotulo(centro, "LabelAtualizacao", QStringLiteral("Atualização 2023"));
    auto *topo = new QHBoxLayout;
    for (QPushButton *b : {ButMenuPromissoria, ButMenuClientes, ButMenuEmpresa}) {
        b->setMinimumWidth(150);
        topo->addWidget(b);
    }
    topo->addStretch();
    topo->addWidget(LabelAtualizacao);

    // Left column.
    LabelCriarNovo = rotulo(centro, "LabelCriarNovo", QStringLiteral("Criar novo cadastro"));
    QFont negrito = LabelCriarNovo->font();
    negrito.setBold(true);
    LabelCriarNovo->setFont(negrito);
    ButNovaNP = botao(centro, "ButNovaNP", QStringLiteral(" Nota Promissória"));
    ButNovoCliente = botao(centro, "ButNovoCliente", QStringLiteral(" Cliente"));
    ButNovaEmpresa = botao(centro, "ButNovaEmpresa", QStringLiteral("Empresa"));
    ButAjuda = botao(centro, "ButAjuda", QStringLiteral("?"));
    ButAjuda->setToolTip(QStringLiteral("Clique aqui para obter ajuda"));
    auto *esquerda = new QVBoxLayout;
    esquerda->addWidget(LabelCriarNovo);
    for (QPushButton *b : {ButNovaNP, ButNovoCliente, ButNovaEmpresa}) {
        b->setFixedWidth(170);
        esquerda->addWidget(b);
    }
    esquerda->addStretch();
    esquerda->addWidget(ButAjuda, 0, Qt::AlignLeft);

    // Centre and right.
    PainelQuadroAvisos = new QuadroAvisos(centro);
    PainelLogotipo = new AreaLogotipo(centro);
    auto *meio = new QHBoxLayout;
    meio->addLayout(esquerda);
    meio->addWidget(PainelQuadroAvisos, 1);
    meio->addWidget(PainelLogotipo);

    // Foot.
    LabelNomeComputador = rotulo(centro, "LabelNomeComputador", QString());
    LabelNomeComputador->setToolTip(QStringLiteral("Nome do Computador"));
    LabelIPComputador = rotulo(centro, "LabelIPComputador", QString());
    LabelIPComputador->setToolTip(QStringLiteral("IP do Computador"));
    LabelSlogan = rotulo(centro, "LabelSlogan",
                         QStringLiteral("Prontanota: mais que emissão de promissórias. Controle completo de suas cobranças."));
    LabelOutrosProgramas = new LabelClicavel(QStringLiteral("Conheça nossos outros programas"), centro);
    LabelOutrosProgramas->setObjectName(QStringLiteral("LabelOutrosProgramas"));
    QFont link = LabelOutrosProgramas->font();
    link.setUnderline(true);
    LabelOutrosProgramas->setFont(link);
    auto *pe = new QHBoxLayout;
    pe->addWidget(LabelNomeComputador);
    pe->addSpacing(12);
    pe->addWidget(LabelIPComputador);
    pe->addStretch();
    pe->addWidget(LabelSlogan);
    pe->addStretch();
    pe->addWidget(LabelOutrosProgramas);

    auto *layout = new QVBoxLayout(centro);
    layout->addLayout(topo);
    layout->addLayout(meio, 1);
    layout->addLayout(pe);

    MainMenu1 = new MenuPrincipal(this);
    setMenuBar(MainMenu1);

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    // The panels keep these widths where the screen has room (1,350 pixels in all); on a
    // smaller screen they share the width in the same proportions, so the clock stays visible.
    const int larguras[4] = {400, 210, 340, 400};
    for (int i = 0; i < 4; ++i) {
        PainelStatus[i] = rotulo(StatusBar1, "", QString());
        PainelStatus[i]->setObjectName(QStringLiteral("PainelStatus%1").arg(i));
        PainelStatus[i]->setMinimumWidth(larguras[i] / 2);
        PainelStatus[i]->setMaximumWidth(larguras[i]);
        StatusBar1->addWidget(PainelStatus[i], larguras[i]);
    }
    PainelStatus[3]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setStatusBar(StatusBar1);

    TimerHora = new QTimer(this);
    TimerHora->setObjectName(QStringLiteral("TimerHora"));
    TimerHora->setInterval(1000);
    TimerLembretes = new QTimer(this);
    TimerLembretes->setObjectName(QStringLiteral("TimerLembretes"));
    TimerLembretes->setInterval(60000);
    CalculoQuadro = new CalculoLembretes(this);
}

void TfPrincipal::conecta()
{
    MenuPrincipal *m = MainMenu1;
    const auto abreTipo = [this](TipoJanela t) { return [this, t] { abre(t); }; };
    connect(m->NotaPromissria1, &QAction::triggered, this, abreTipo(TipoJanela::NotaPromissoria));
    connect(m->ItemNotaLite, &QAction::triggered, this, abreTipo(TipoJanela::NotaPromissoriaLite));
    connect(m->CadastrodeClientes1, &QAction::triggered, this, abreTipo(TipoJanela::CadastrosGerais));
    connect(m->CadastrodeEmpresas1, &QAction::triggered, this, abreTipo(TipoJanela::Empresas));
    connect(m->Cidades1, &QAction::triggered, this, abreTipo(TipoJanela::Cidades));
    connect(m->Bairros1, &QAction::triggered, this, abreTipo(TipoJanela::Bairros));
    connect(m->Logradouros1, &QAction::triggered, this, abreTipo(TipoJanela::Logradouros));
    connect(m->ItemUsuarios, &QAction::triggered, this, &TfPrincipal::ItemUsuariosClick);
    connect(m->ItemConfiguracoes, &QAction::triggered, this, abreTipo(TipoJanela::ConfiguracoesGerais));
    connect(m->Backup1, &QAction::triggered, this, &TfPrincipal::Backup1Click);
    connect(m->RestaurarBackup1, &QAction::triggered, this, &TfPrincipal::RestaurarBD);
    connect(m->Emredeconfigurar1, &QAction::triggered, this, &TfPrincipal::Emredeconfigurar1Click);
    connect(m->ItemMigrar, &QAction::triggered, this, abreTipo(TipoJanela::Migrar));
    connect(m->CorrigirBancodeDados1, &QAction::triggered, this, abreTipo(TipoJanela::ComandosSQL));
    connect(m->ItemAjudaOnline, &QAction::triggered, this, &TfPrincipal::AjudaSistema);
    connect(m->ItemManual, &QAction::triggered, this, [this] { TfManual::abre(dados().PathPrograma, this); });
    connect(m->ItemFaleConosco, &QAction::triggered, this, &TfPrincipal::FaleConosco);
    connect(m->ItemLicenca, &QAction::triggered, this, &TfPrincipal::ItemLicencaClick);
    connect(m->ItemBlog, &QAction::triggered, this, [] { Plataforma::atual().abreEndereco(Enderecos::Blog); });
    connect(m->ItemSite, &QAction::triggered, this, [] { Plataforma::atual().abreEndereco(Enderecos::Site); });
    connect(m->PopupAjudaOnline, &QAction::triggered, this, &TfPrincipal::AjudaSistema);
    connect(m->PopupVideoAula, &QAction::triggered, this,
            [] { Plataforma::atual().abreEndereco(Enderecos::VideoAulas); });
    connect(m->PopupFaleConosco, &QAction::triggered, this, &TfPrincipal::FaleConosco);

    connect(ButMenuPromissoria, &QPushButton::clicked, m->NotaPromissria1, &QAction::trigger);
    connect(ButMenuClientes, &QPushButton::clicked, m->CadastrodeClientes1, &QAction::trigger);
    connect(ButMenuEmpresa, &QPushButton::clicked, m->CadastrodeEmpresas1, &QAction::trigger);
    connect(ButNovaNP, &QPushButton::clicked, this, &TfPrincipal::ButNovaNPClick);
    connect(ButNovoCliente, &QPushButton::clicked, this, &TfPrincipal::ButNovoClienteClick);
    connect(ButNovaEmpresa, &QPushButton::clicked, this, &TfPrincipal::ButNovaEmpresaClick);
    connect(ButAjuda, &QPushButton::clicked, this, &TfPrincipal::ButAjudaClick);
    connect(LabelOutrosProgramas, &LabelClicavel::clicado, this,
            [] { Plataforma::atual().abreEndereco(Enderecos::OutrosProgramas); });

    connect(PainelQuadroAvisos, &QuadroAvisos::lembreteClicado, this, &TfPrincipal::LembreteClick);
    connect(PainelLogotipo, &AreaLogotipo::clicado, this, &TfPrincipal::ImagemLogotipoClick);
    PainelQuadroAvisos->PesqEditDataEntre1->installEventFilter(this);
    PainelQuadroAvisos->PesqEditDataEntre2->installEventFilter(this);

    connect(TimerHora, &QTimer::timeout, this, &TfPrincipal::TimerHoraTimer);
    connect(TimerLembretes, &QTimer::timeout, this, &TfPrincipal::AbreTabelasLembretes);
    connect(CalculoQuadro, &CalculoLembretes::calculado, this, [this](ContagemLembretes c, QDate dia) {
        // The settings row is the module's own, read here as it always was.
        try {
            Dados::reabre(dados().QryConfigs);
            c.ultimoBackup = dados().QryConfigs[QStringLiteral("CF_BACKUP")].asDate();
        } catch (const ErroBD &e) {
            mensagemErro(e.mensagem());
        }
        PainelQuadroAvisos->mostra(c, dia);
    });
    connect(CalculoQuadro, &CalculoLembretes::falhou, this, [](const QString &m) { mensagemErro(m); });
}

void TfPrincipal::atualizaDisponiveis()
{
    const auto habilita = [](TipoJanela t, std::initializer_list<QObject *> itens) {
        const bool ok = AbridorJanelas::registrada(t);
        for (QObject *o : itens) {
            if (auto *a = qobject_cast<QAction *>(o)) a->setEnabled(ok);
            else if (auto *w = qobject_cast<QWidget *>(o)) w->setEnabled(ok);
        }
    };
    MenuPrincipal *m = MainMenu1;
    habilita(TipoJanela::NotaPromissoria, {m->NotaPromissria1, ButMenuPromissoria, ButNovaNP});
    habilita(TipoJanela::NotaPromissoriaLite, {m->ItemNotaLite});
    habilita(TipoJanela::CadastrosGerais, {m->CadastrodeClientes1, ButMenuClientes, ButNovoCliente});
    habilita(TipoJanela::Empresas, {m->CadastrodeEmpresas1, ButMenuEmpresa, ButNovaEmpresa});
    habilita(TipoJanela::Cidades, {m->Cidades1});
    habilita(TipoJanela::Bairros, {m->Bairros1});
    habilita(TipoJanela::Logradouros, {m->Logradouros1});
    habilita(TipoJanela::Usuarios, {m->ItemUsuarios});
    habilita(TipoJanela::ConfiguracoesGerais, {m->ItemConfiguracoes});
    habilita(TipoJanela::Rede, {m->Emredeconfigurar1});
    habilita(TipoJanela::Migrar, {m->ItemMigrar});
    habilita(TipoJanela::ComandosSQL, {m->CorrigirBancodeDados1});
}

void TfPrincipal::TimerHoraTimer()
{
    const QDateTime agora = Relogio::atual().agora();
    PainelStatus[3]->setText(agora.toString(QStringLiteral("dd/MM/yyyy")) + QStringLiteral("   ")
                             + agora.toString(QStringLiteral("hh:mm:ss")) + QStringLiteral("    "));
}

void TfPrincipal::mostraComputador(const QString &nome, const QString &ip)
{
    LabelNomeComputador->setText(nome);
    LabelIPComputador->setText(ip);
}

void TfPrincipal::ButAjudaClick()
{
    MainMenu1->PopupAjuda->popup(ButAjuda->mapToGlobal(QPoint(0, ButAjuda->height())));
}

bool TfPrincipal::eventFilter(QObject *objeto, QEvent *evento)
{
    if (evento->type() == QEvent::FocusOut
        && (objeto == PainelQuadroAvisos->PesqEditDataEntre1 || objeto == PainelQuadroAvisos->PesqEditDataEntre2)) {
        // Only a real move to another control of this window; not a dialog or menu taking over.
        const auto motivo = static_cast<QFocusEvent *>(evento)->reason();
        if (motivo != Qt::ActiveWindowFocusReason && motivo != Qt::PopupFocusReason && !validandoData_ && isVisible())
            PesqEditDataEntreExit(static_cast<DataEdit *>(objeto));
    }
    return QMainWindow::eventFilter(objeto, evento);
}
