#include "TfBackup.h"

#include "Caminhos.h"
#include "Dados.h"
#include "Enderecos.h"
#include "Mensagens.h"
#include "Plataforma.h"
#include "Query.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStorageInfo>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

const QString FiltroFdb = QStringLiteral("Cópia do Banco de Dados(*.fdb)|*.fdb");
const QString MsgPastaBanco = QStringLiteral("O local do Backup não pode ser\ra pasta do banco de dados.");
const QString MsgArquivoAtual = QStringLiteral("Este é o arquivo atual do Banco de Dados.\rNão é um backup!\r"
                                               "Você deve escolher o arquivo do seu backup\rno local onde você o salvou!");
const QString MsgExtensao = QStringLiteral("A extensão do arquivo deve ser \"FDB\"!");

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

} // namespace

TfBackup::TfBackup(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("fBackup"));
    setWindowTitle(QStringLiteral(" Backup e Restauração"));
    auto *layout = new QVBoxLayout(this);
    PageControl1 = nomeado(new QTabWidget(this), "PageControl1");
    TabBackup = montaPaginaBackup();
    TabRestaurar = montaPaginaRestauracao();
    PageControl1->addTab(TabBackup, QStringLiteral(" Backup (cópia de segurança) "));
    PageControl1->addTab(TabRestaurar, QStringLiteral(" Restaurar Backup (voltar dados) "));
    layout->addWidget(PageControl1);
    ButAjuda = nomeado(new QPushButton(QStringLiteral("Ajuda"), this), "ButAjuda");
    layout->addWidget(ButAjuda, 0, Qt::AlignRight);
    connect(ButAjuda, &QPushButton::clicked, this, &TfBackup::ButAjudaClick);

    Dados &d = dados();
    const QString banco = QStringLiteral(" Seu banco de dados é o arquivo  ") + d.PathBancoDados;
    LabelBanco->setText(banco);
    LabelBanco2->setText(banco);
    EditDestino->setText(d.PathBackup);
    QDate ultimo;
    if (d.QryConfigs.ativa() && !d.QryConfigs.isEmpty())
        ultimo = d.QryConfigs[QStringLiteral("CF_BACKUP")].asDate();
    LabelUltimoBackup->setText(QStringLiteral("Último backup: ") + (ultimo.isValid() ? ultimo.toString(QStringLiteral("dd/MM/yyyy")) : QString()));
    for (QLineEdit *e : {EditDestino, EditArquivoBkp}) e->installEventFilter(this);
    resize(640, 460);
}

QWidget *TfBackup::montaPaginaBackup()
{
    auto *p = nomeado(new QWidget(this), "TabBackup");
    auto *g = new QGridLayout(p);
    LabelBanco = nomeado(texto({}, p), "LabelBanco");
    EditDestino = nomeado(new QLineEdit(p), "EditDestino");
    ButEscolheLocalBkp = nomeado(new QPushButton(QStringLiteral(" Escolher Local Bkp"), p), "ButEscolheLocalBkp");
    ButGeraBackup = nomeado(new QPushButton(QStringLiteral("EFETUAR BACKUP"), p), "ButGeraBackup");
    LabelStatus = nomeado(texto(QStringLiteral("Aguardando Backup"), p), "LabelStatus");
    ListaProgresso = nomeado(new QListWidget(p), "ListaProgresso");
    LabelUltimoBackup = nomeado(texto(QStringLiteral("Último backup:"), p), "LabelUltimoBackup");
    g->addWidget(LabelBanco, 0, 0, 1, 2);
    g->addWidget(texto(QStringLiteral("Recomendamos fazer backup em dispositivo externo (PenDrive, HD Externo) diariamente!"), p), 1, 0, 1, 2);
    g->addWidget(texto(QStringLiteral("Clique Escolher para definir o local onde será salvo o Backup"), p), 2, 0, 1, 2);
    g->addWidget(EditDestino, 3, 0);
    g->addWidget(ButEscolheLocalBkp, 3, 1);
    g->addWidget(texto(QStringLiteral("Clique em EFETUAR BACKUP e aguarde"), p), 4, 0);
    g->addWidget(ButGeraBackup, 4, 1);
    g->addWidget(LabelStatus, 5, 0, 1, 2);
    g->addWidget(ListaProgresso, 6, 0, 1, 2);
    g->addWidget(LabelUltimoBackup, 7, 0, 1, 2);
    connect(ButEscolheLocalBkp, &QPushButton::clicked, this, &TfBackup::ButEscolheLocalBkpClick);
    connect(ButGeraBackup, &QPushButton::clicked, this, &TfBackup::ButGeraBackupClick);
    return p;
}

QWidget *TfBackup::montaPaginaRestauracao()
{
    auto *p = nomeado(new QWidget(this), "TabRestaurar");
    auto *g = new QGridLayout(p);
    LabelBanco2 = nomeado(texto({}, p), "LabelBanco2");
    EditArquivoBkp = nomeado(new QLineEdit(p), "EditArquivoBkp");
    ButLocal = nomeado(new QPushButton(QStringLiteral("Procurar Arquivo Bkp"), p), "ButLocal");
    ButRestaura = nomeado(new QPushButton(QStringLiteral("RESTAURAR BACKUP"), p), "ButRestaura");
    LabelStatusRest = nomeado(texto(QStringLiteral("Aguardando Restauração"), p), "LabelStatusRest");
    ListaProgressoRest = nomeado(new QListWidget(p), "ListaProgressoRest");
    g->addWidget(LabelBanco2, 0, 0, 1, 2);
    g->addWidget(texto(QStringLiteral("ATENÇÃO: os dados voltarão exatamente como estavam na data do backup. "
                                      "Informações lançadas depois deste backup serão perdidas."), p), 1, 0, 1, 2);
    g->addWidget(texto(QStringLiteral("O arquivo de backup normalmente se chama BD.FDB"), p), 2, 0, 1, 2);
    g->addWidget(EditArquivoBkp, 3, 0);
    g->addWidget(ButLocal, 3, 1);
    g->addWidget(ButRestaura, 4, 1);
    g->addWidget(LabelStatusRest, 5, 0, 1, 2);
    g->addWidget(ListaProgressoRest, 6, 0, 1, 2);
    connect(ButLocal, &QPushButton::clicked, this, &TfBackup::ButLocalClick);
    connect(ButRestaura, &QPushButton::clicked, this, &TfBackup::ButRestauraClick);
    return p;
}

void TfBackup::preparaPagina(PaginaBackup pagina, bool modoFechamento)
{
    modoFechamento_ = modoFechamento;
    const bool backup = pagina == PaginaBackup::Backup;
    PageControl1->setTabVisible(0, backup);
    PageControl1->setTabVisible(1, !backup);
    PageControl1->setCurrentIndex(backup ? 0 : 1);
}

QString TfBackup::arquivoBanco() const { return QDir::cleanPath(Caminhos::deWindows(dados().PathBancoDados)); }

bool TfBackup::ehArquivoBanco(const QString &caminho) const
{
    if (caminho.trimmed().isEmpty()) return false;
    return QDir::cleanPath(Caminhos::deWindows(caminho)).toUpper() == arquivoBanco().toUpper();
}

bool TfBackup::discoDoSistema(const QString &destino)
{
#ifdef Q_OS_WIN
    return destino.startsWith(QLatin1Char('C'));
#else
    QString pasta = QDir::cleanPath(Caminhos::deWindows(destino));
    while (!pasta.isEmpty() && !QFileInfo(pasta).exists()) pasta = QFileInfo(pasta).path();
    return QStorageInfo(pasta).device() == QStorageInfo::root().device();
#endif
}

void TfBackup::ButEscolheLocalBkpClick()
{
    const QString proposto = Caminhos::comSeparador(Caminhos::deWindows(EditDestino->text())) + QStringLiteral("BD.FDB");
    arquivoDialogoBkp_ = Plataforma::atual().escolheArquivoSalvar(QStringLiteral("Escolher Local Bkp"), proposto, FiltroFdb,
                                                                 QStringLiteral("FDB"));
    if (!arquivoDialogoBkp_.isEmpty())
        EditDestino->setText(Caminhos::comSeparador(QDir::toNativeSeparators(QFileInfo(arquivoDialogoBkp_).path())));
    if (ehArquivoBanco(arquivoDialogoBkp_)) {
        avisoOk(MsgPastaBanco);
        EditDestino->clear();
        EditDestino->setFocus();
    }
}

void TfBackup::ButLocalClick()
{
    const QString pasta = Caminhos::comSeparador(Caminhos::deWindows(EditDestino->text())) + QStringLiteral("BD.FDB");
    const QString arquivo = Plataforma::atual().escolheArquivoAbrir(QStringLiteral("Procurar Arquivo Bkp"), pasta, FiltroFdb);
    if (!arquivo.isEmpty()) {
        EditArquivoBkp->setText(QDir::toNativeSeparators(arquivo));
        pastaArquivoBkp_ = QFileInfo(arquivo).path();
    }
    if (ehArquivoBanco(EditArquivoBkp->text())) {
        avisoOk(MsgArquivoAtual);
        EditArquivoBkp->clear();
    } else if (!EditArquivoBkp->text().isEmpty() && !EditArquivoBkp->text().right(3).toUpper().endsWith(QStringLiteral("FDB"))) {
        avisoOk(MsgExtensao);
        EditArquivoBkp->clear();
    }
}

void TfBackup::ButAjudaClick()
{
    avisoOk(QStringLiteral("Acessando a página de Suporte da Brelo.\rVocê deve estar conectado à Intermet."));
    Plataforma::atual().abreEndereco(Enderecos::Suporte + QStringLiteral("backup/"));
}

void TfBackup::progresso(QListWidget *lista, const QString &t, bool erro)
{
    auto *item = new QListWidgetItem(t, lista);
    if (erro) item->setForeground(Qt::red);
    lista->scrollToBottom();
}

void TfBackup::habilita(bool sim)
{
    for (QWidget *w : {static_cast<QWidget *>(ButGeraBackup), static_cast<QWidget *>(ButEscolheLocalBkp),
                       static_cast<QWidget *>(ButRestaura), static_cast<QWidget *>(ButLocal),
                       static_cast<QWidget *>(PageControl1->tabBar()), static_cast<QWidget *>(ButAjuda)})
        w->setEnabled(sim);
}

void TfBackup::avisaMaster()
{
    if (dados().loginMaster())
        informacao(QStringLiteral("Usuário exclusivo para manutenção e suporte!"), QStringLiteral("Faça login com outro usuário!"));
}

bool TfBackup::eventFilter(QObject *o, QEvent *e)
{
    if (e->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(e)->text() == QStringLiteral("'")) return true;
    return QWidget::eventFilter(o, e);
}

void TfBackup::keyPressEvent(QKeyEvent *e)
{
    if (e->key() == Qt::Key_F1) {
        ButAjudaClick();
        return;
    }
    QWidget::keyPressEvent(e);
}

void TfBackup::closeEvent(QCloseEvent *e)
{
    // Not while a backup or a restore runs.
    if (ocupado_) {
        e->ignore();
        return;
    }
    QWidget::closeEvent(e);
}
