#include "TfConfiguracoesGerais.h"

#include "CompatibilidadeXP.h"
#include "Dados.h"
#include "Enderecos.h"
#include "Mensagens.h"
#include "Plataforma.h"
#include "Registro.h"
#include "TeclasNavegacao.h"
#include "uFuncoes.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

const QString Sim = QStringLiteral("T");
const QString Nao = QStringLiteral("F");

QPushButton *botao(const QString &texto, const char *nome, QWidget *pai)
{
    auto *b = new QPushButton(texto, pai);
    b->setObjectName(QLatin1String(nome));
    b->setAutoDefault(false);
    return b;
}

QCheckBox *escolha(const QString &texto, const char *nome, QWidget *pai)
{
    auto *c = new QCheckBox(texto, pai);
    c->setObjectName(QLatin1String(nome));
    return c;
}

QLineEdit *somenteLeitura(const char *nome, QWidget *pai)
{
    auto *e = new QLineEdit(pai);
    e->setObjectName(QLatin1String(nome));
    e->setReadOnly(true);
    return e;
}

} // namespace

const QStringList &TfConfiguracoesGerais::modelos()
{
    static const QStringList m{QStringLiteral("21cm x 10cm"), QStringLiteral("21cm x 15cm (4 AVALISTAS)"),
                               QStringLiteral("15cm x 7cm"), QStringLiteral("21cm x 10cm (SEM AVALISTA)")};
    return m;
}

QString TfConfiguracoesGerais::modeloPorTamanho(const QString &modelo)
{
    static const QHash<QString, QString> nomes{
        {QStringLiteral("MODELO PADRÃO"), modelos().at(0)},
        {QStringLiteral("MODELO 4 AVALISTAS"), modelos().at(1)},
        {QStringLiteral("MODELO REDUZIDO"), modelos().at(2)},
        {QStringLiteral("MODELO 2 EMITENTES - SEM AVAL"), modelos().at(3)},
        {QString(), modelos().at(0)},
    };
    return nomes.value(modelo, modelo);
}

TfConfiguracoesGerais::TfConfiguracoesGerais(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("TfConfiguracoesGerais"));
    setWindowTitle(QStringLiteral("Configurações Gerais"));
    montaTela();
}

TfConfiguracoesGerais::~TfConfiguracoesGerais()
{
    // Closed while editing: what was typed is dropped.
    auto &q = dados().QryGravaConfigs;
    if (editando_ && q.editando()) q.cancel();
}

void TfConfiguracoesGerais::montaTela()
{
    Paginas = new QTabWidget(this);
    Paginas->setObjectName(QStringLiteral("Paginas"));

    auto *padroes = new QWidget(Paginas);
    ComboModeloPromis = new QComboBox(padroes);
    ComboModeloPromis->setObjectName(QStringLiteral("ComboModeloPromis"));
    ComboModeloPromis->setEditable(true);
    ComboModeloPromis->addItems(modelos());
    CheckImpReciboNoAto = escolha(QStringLiteral("Imprimir recibo junto à nota promissória"), "CheckImpReciboNoAto", padroes);
    CheckNaoImprimeDtEmiss =
        escolha(QStringLiteral("Não imprimir \"Data de Emissão\" no Recibo"), "CheckNaoImprimeDtEmiss", padroes);
    MemoObsPromis = new QPlainTextEdit(padroes);
    MemoObsPromis->setObjectName(QStringLiteral("MemoObsPromis"));
    ButBrasao = botao(QStringLiteral("Brasão"), "ButBrasao", padroes);
    ButDownloadBrasao = botao(QStringLiteral("Download Brasão"), "ButDownloadBrasao", padroes);
    ImagemBrasao = new QLabel(padroes);
    ImagemBrasao->setObjectName(QStringLiteral("ImagemBrasao"));
    ImagemBrasao->setFixedSize(80, 80);
    ImagemBrasao->setFrameShape(QFrame::Box);
    ImagemBrasao->setAlignment(Qt::AlignCenter);
    CheckBloqueiaLocalidades = escolha(QStringLiteral("Não poder Incluir, Alterar e Excluir Estados, Cidades e Bairros"),
                                       "CheckBloqueiaLocalidades", padroes);
    CheckExibeConfAltCadastro =
        escolha(QStringLiteral("Obriga informar o que foi atualizado em Clientes"), "CheckExibeConfAltCadastro", padroes);
    // Shown as stored, not edited here.
    CheckBloqueiaLocalidades->setEnabled(false);
    CheckExibeConfAltCadastro->setEnabled(false);
    CheckCompatibilidade = escolha(QStringLiteral("Modo de compatibilidade com Windows XP Service Pack 3"),
                                   "CheckCompatibilidade", padroes);

    auto *brasao = new QHBoxLayout;
    brasao->addWidget(ImagemBrasao);
    brasao->addWidget(ButBrasao);
    brasao->addWidget(ButDownloadBrasao);
    brasao->addStretch();
    auto *lp = new QFormLayout(padroes);
    lp->addRow(QStringLiteral("Modelo Impresso Nota Promissória"), ComboModeloPromis);
    lp->addRow(CheckImpReciboNoAto);
    lp->addRow(CheckNaoImprimeDtEmiss);
    lp->addRow(QStringLiteral("Observações Promissória"), MemoObsPromis);
    lp->addRow(brasao);
    lp->addRow(CheckBloqueiaLocalidades);
    lp->addRow(CheckExibeConfAltCadastro);
    lp->addRow(CheckCompatibilidade);
    Paginas->addTab(padroes, QStringLiteral("Padrões"));

    auto *servidor = new QWidget(Paginas);
    CheckServidor = escolha(QStringLiteral("Servidor"), "CheckServidor", servidor);
    // The registry's Server value is only shown: nothing here stores it.
    CheckServidor->setEnabled(false);
    EditNomeServidor = somenteLeitura("EditNomeServidor", servidor);
    EditIPServidor = somenteLeitura("EditIPServidor", servidor);
    EditNomeComputador = somenteLeitura("EditNomeComputador", servidor);
    EditIPComputador = somenteLeitura("EditIPComputador", servidor);
    auto *ls = new QFormLayout(servidor);
    ls->addRow(CheckServidor);
    ls->addRow(QStringLiteral("Nome Servidor"), EditNomeServidor);
    ls->addRow(QStringLiteral("IP Servidor"), EditIPServidor);
    ls->addRow(QStringLiteral("Nome deste comp"), EditNomeComputador);
    ls->addRow(QStringLiteral("IP deste comp"), EditIPComputador);
    Paginas->addTab(servidor, QStringLiteral("Servidor e Dados"));

    ButAltera = botao(QStringLiteral("&Altera"), "ButAltera", this);
    ButGrava = botao(QStringLiteral(" &Grava"), "ButGrava", this);
    ButCancela = botao(QStringLiteral("&Cancela"), "ButCancela", this);
    ButSair = botao(QStringLiteral("&Sair"), "ButSair", this);
    ButAjuda = botao(QStringLiteral("   Ajuda   "), "ButAjuda", this);
    auto *botoes = new QHBoxLayout;
    for (QPushButton *b : {ButAltera, ButGrava, ButCancela, ButSair}) botoes->addWidget(b);
    botoes->addStretch();
    botoes->addWidget(ButAjuda);

    auto *l = new QVBoxLayout(this);
    l->addWidget(Paginas);
    l->addLayout(botoes);

    auto *teclas = TeclasNavegacao::instala(this);
    teclas->associa(Qt::Key_F6, ButGrava).associa(Qt::Key_F7, ButCancela).exclui(MemoObsPromis);
    connect(ButAltera, &QPushButton::clicked, this, &TfConfiguracoesGerais::ButAlteraClick);
    connect(ButGrava, &QPushButton::clicked, this, &TfConfiguracoesGerais::ButGravaClick);
    connect(ButCancela, &QPushButton::clicked, this, &TfConfiguracoesGerais::ButCancelaClick);
    connect(ButSair, &QPushButton::clicked, this, &QWidget::close);
    connect(ButBrasao, &QPushButton::clicked, this, &TfConfiguracoesGerais::ButBrasaoClick);
    connect(ButDownloadBrasao, &QPushButton::clicked, this, &TfConfiguracoesGerais::ButDownloadBrasaoClick);
    connect(ButAjuda, &QPushButton::clicked, this, &TfConfiguracoesGerais::ButAjudaClick);
    resize(620, 480);
}

void TfConfiguracoesGerais::showEvent(QShowEvent *e)
{
    QWidget::showEvent(e);
    if (!e->spontaneous()) FormShow();
}

void TfConfiguracoesGerais::closeEvent(QCloseEvent *e)
{
    auto &q = dados().QryGravaConfigs;
    if (editando_ && q.editando()) q.cancel();
    editando_ = false;
    QWidget::closeEvent(e);
}

void TfConfiguracoesGerais::FormShow()
{
    LeRegistro();
    Dados::reabre(dados().QryGravaConfigs);
    ModoEdicao();
}

void TfConfiguracoesGerais::LeRegistro()
{
    CheckServidor->setChecked(Registro::leTexto(QStringLiteral("Server")) == QLatin1String("S"));
    EditNomeServidor->setText(Registro::leTexto(QStringLiteral("NomeServidor")));
    EditIPServidor->setText(Registro::leTexto(QStringLiteral("IPServidor")));
    QString nome, ip, erro;
    if (NomeEnderecoComputador(nome, ip, erro)) {
        EditNomeComputador->setText(nome);
        EditIPComputador->setText(ip);
    } else {
        EditNomeComputador->clear();
        EditIPComputador->clear();
    }
    compatibilidadeLigada_ = CompatibilidadeXP::le() == CompatibilidadeXP::Ligado;
    CheckCompatibilidade->setChecked(compatibilidadeLigada_);
}

void TfConfiguracoesGerais::ModoEdicao()
{
    auto &q = dados().QryGravaConfigs;
    if (!q.ativa()) q.open();
    if (q.isEmpty()) {
        q.append();
        q[QStringLiteral("CF_CODIGO")] = 1;
    } else {
        q.first();
        q.edit();
    }
    q[QStringLiteral("CF_MODELO_PROMIS")] = modeloPorTamanho(q[QStringLiteral("CF_MODELO_PROMIS")].asString());
    brasaoNovo_.reset();
    editando_ = true;
    MostraRegistro();
    ButGrava->setEnabled(true);
    ButCancela->setEnabled(true);
    ButAltera->setEnabled(false);
    ButSair->setEnabled(false);
    ComboModeloPromis->setFocus();
}

void TfConfiguracoesGerais::ModoNormal()
{
    editando_ = false;
    ButGrava->setEnabled(false);
    ButCancela->setEnabled(false);
    ButAltera->setEnabled(true);
    ButSair->setEnabled(true);
}

void TfConfiguracoesGerais::MostraRegistro()
{
    auto &q = dados().QryGravaConfigs;
    const auto flag = [&q](const char *campo) { return q[QLatin1String(campo)].asString() == Sim; };
    ComboModeloPromis->setEditText(q[QStringLiteral("CF_MODELO_PROMIS")].asString());
    CheckImpReciboNoAto->setChecked(flag("CF_IMP_RECIBO_NO_ATO"));
    CheckNaoImprimeDtEmiss->setChecked(flag("CF_NAOIMPRIME_DTEMISS"));
    MemoObsPromis->setPlainText(q[QStringLiteral("CF_OBS_PROMIS")].asString());
    CheckBloqueiaLocalidades->setChecked(flag("CF_BLOQUEIA_LOCALIDADES"));
    CheckExibeConfAltCadastro->setChecked(flag("CF_EXIBE_CONF_ALT_CADASTRO"));
    MostraBrasao(q.isEmpty() ? QByteArray() : q[QStringLiteral("CF_BRASAO")].asBytes());
}

void TfConfiguracoesGerais::MostraBrasao(const QByteArray &imagem)
{
    QPixmap p;
    if (!imagem.isEmpty() && p.loadFromData(imagem))
        ImagemBrasao->setPixmap(p.scaled(ImagemBrasao->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    else
        ImagemBrasao->clear();
}

void TfConfiguracoesGerais::ButAlteraClick()
{
    Dados::reabre(dados().QryGravaConfigs);
    ModoEdicao();
}

void TfConfiguracoesGerais::ButGravaClick()
{
    if (!editando_) return;
    auto &d = dados();
    auto &q = d.QryGravaConfigs;
    // The row as stored now: columns other windows and stations write (the last user, the
    // backup date, the version) keep their values; only what this window edits is replaced.
    q.cancel();
    Dados::reabre(q);
    if (q.isEmpty()) {
        q.append();
    } else {
        q.first();
        q.edit();
    }
    const QString modelo = ComboModeloPromis->currentText();
    q[QStringLiteral("CF_CODIGO")] = 1;
    q[QStringLiteral("CF_MODELO_PROMIS")] = modelo;
    q[QStringLiteral("CF_IMP_RECIBO_NO_ATO")] = CheckImpReciboNoAto->isChecked() ? Sim : Nao;
    q[QStringLiteral("CF_NAOIMPRIME_DTEMISS")] = CheckNaoImprimeDtEmiss->isChecked() ? Sim : Nao;
    q[QStringLiteral("CF_OBS_PROMIS")] = MemoObsPromis->toPlainText();
    if (brasaoNovo_) q[QStringLiteral("CF_BRASAO")] = *brasaoNovo_;
    // A refusal of the database leaves the window editing what was typed; its message is shown
    // by the program's general error report.
    q.postEConfirma();
    d.CF_MODELO_PROMIS = modelo;

    const bool marcado = CheckCompatibilidade->isChecked();
    if (marcado != compatibilidadeLigada_) {
        CompatibilidadeXP::escreve(marcado ? CompatibilidadeXP::Ligado : QString());
        compatibilidadeLigada_ = marcado;
        informacao(QStringLiteral("É necessário fechar o programa e abrir novamente para que as alterações surtam efeito !"));
    }
    ModoNormal();
    Dados::reabre(d.QryConfigs);
}

void TfConfiguracoesGerais::ButCancelaClick()
{
    if (!editando_) return;
    auto &q = dados().QryGravaConfigs;
    q.cancel();
    brasaoNovo_.reset();
    Dados::reabre(q);
    MostraRegistro();
    CheckCompatibilidade->setChecked(compatibilidadeLigada_);
    ModoNormal();
}

void TfConfiguracoesGerais::ButBrasaoClick()
{
    const QString arquivo =
        Plataforma::atual().escolheArquivoAbrir(QStringLiteral("Brasão"), QString(), QStringLiteral("Arquivos BMP|*.bmp"));
    if (arquivo.isEmpty()) return;
    QFile f(arquivo);
    if (!f.open(QIODevice::ReadOnly)) {
        informacao(QStringLiteral("Não foi possível ler o arquivo ") + arquivo);
        return;
    }
    const QByteArray imagem = f.readAll();
    QPixmap p;
    if (!p.loadFromData(imagem, "BMP")) {
        informacao(QStringLiteral("O arquivo escolhido não é uma imagem BMP: ") + arquivo);
        return;
    }
    brasaoNovo_ = imagem;
    MostraBrasao(imagem);
}

void TfConfiguracoesGerais::ButDownloadBrasaoClick() { Plataforma::atual().abreEndereco(Enderecos::Brasao); }
void TfConfiguracoesGerais::ButAjudaClick() { Plataforma::atual().abreEndereco(Enderecos::Suporte); }
