// The login window: its controls, its keys and how it may close.
#include "TfLogin.h"

#include "Aplicacao.h"
#include "CaixaTexto.h"
#include "Dados.h"
#include "EstiloDialogo.h"
#include "PainelConexao.h"
#include "PainelDicaSenha.h"
#include "PainelPrimeirosDados.h"
#include "LabelClicavel.h"
#include "TeclasNavegacao.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

template <class W>
W *nomeado(W *w, const char *nome)
{
    w->setObjectName(QLatin1String(nome));
    return w;
}

QLabel *rotulo(const QString &texto, QWidget *pai, const QRect &onde)
{
    auto *l = new QLabel(texto, pai);
    l->setGeometry(onde);
    return l;
}

} // namespace

TfLogin::TfLogin(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint),
      TransVerificaUsuario(dados().DataBase, QStringLiteral("TransVerificaUsuario")),
      QryVerificaUsuario(dados().DataBase, TransVerificaUsuario, this)
{
    setObjectName(QStringLiteral("TfLogin"));
    setWindowTitle(QStringLiteral(" Seja Bem Vindo ao Prontanota!"));
    setFixedSize(780, 590);
    setModal(true);
    EstiloDialogo::fundoBranco(this);

    QryVerificaUsuario.sql.defineLinhas(
        {QStringLiteral("select PUS_CODIGO, PUS_LOGIN, PUS_SENHA, PUS_CPF_CNPJ, PUS_DICA_SENHA from USUARIOSPERMISSOES"),
         QStringLiteral("WHERE PUS_USUARIO='T'"), QStringLiteral("ORDER BY PUS_CODIGO")});

    montaTela();
    montaTeclas();
}

TfLogin::~TfLogin() = default;

void TfLogin::montaTela()
{
    paginas_ = new QStackedWidget(this);
    auto *l = new QVBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    l->addWidget(paginas_);

    // Controls are created in focus order: company, name, password, ENTRAR, then the panels.
    QWidget *p = paginaLogin_ = new QWidget;
    LabelTitulo =
        nomeado(rotulo(QStringLiteral("Seja Bem-vindo ao Prontanota"), p, {30, 20, 640, 40}), "LabelTitulo");
    LabelTitulo->setStyleSheet(QStringLiteral("font-size: 20pt; font-weight: bold; color: #1f4e79;"));
    LabelSair = nomeado(new LabelClicavel(QStringLiteral("Sair [x]"), p), "LabelSair");
    LabelSair->setGeometry(690, 10, 80, 24);
    LabelSair->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    LabelLogin = nomeado(rotulo(QString(), p, {30, 65, 720, 44}), "LabelLogin");
    LabelLogin->setWordWrap(true);

    LabelEmpresa = nomeado(rotulo(QStringLiteral("Empresa"), p, {420, 122, 330, 20}), "LabelEmpresa");
    ComboEmpresas = nomeado(new QComboBox(p), "ComboEmpresas");
    ComboEmpresas->setGeometry(420, 142, 330, 28);
    ComboEmpresas->setEditable(true);
    ComboEmpresas->setInsertPolicy(QComboBox::NoInsert);
    maiusculas(ComboEmpresas->lineEdit());
    LabelEmpresa->hide(); // shown when more than one company exists
    ComboEmpresas->hide();

    rotulo(QStringLiteral("Seu Nome"), p, {420, 180, 330, 20});
    EditUsuario = nomeado(new QLineEdit(p), "EditUsuario");
    EditUsuario->setGeometry(420, 200, 330, 30);
    EditUsuario->setMaxLength(30);
    EditUsuario->setPlaceholderText(TextoNomeVazio); // shown in grey; typing replaces it
    maiusculas(EditUsuario);
    EditUsuario->installEventFilter(this);

    rotulo(QStringLiteral("Sua Senha"), p, {420, 240, 330, 20});
    EditSenha = nomeado(new QLineEdit(p), "EditSenha");
    EditSenha->setGeometry(420, 260, 220, 30);
    EditSenha->setMaxLength(20);
    EditSenha->setEchoMode(QLineEdit::Password);
    EditSenha->setStyleSheet(QStringLiteral("lineedit-password-character: 42;")); // "*"
    LabelOpcional = nomeado(new LabelClicavel(QStringLiteral("Opcional"), p), "LabelOpcional");
    LabelOpcional->setGeometry(650, 265, 100, 20);

    ButGravar = nomeado(new QPushButton(QStringLiteral("ENTRAR"), p), "ButGravar");
    ButGravar->setGeometry(420, 305, 330, 40);
    ButGravar->setAutoDefault(false);
    ButGravar->setEnabled(false);

    LabelRestore = nomeado(new LabelClicavel(QStringLiteral("Reinstalando (ou restaurar backup)"), p), "LabelRestore");
    LabelRestore->setGeometry(420, 355, 330, 20);
    LabelRestore->hide();
    LabelAlterarCaminho =
        nomeado(new LabelClicavel(QStringLiteral("Alterar Caminho (modo rede)"), p), "LabelAlterarCaminho");
    LabelAlterarCaminho->setGeometry(420, 378, 330, 20);

    painelDicaSenha = new PainelDicaSenha(QryVerificaUsuario, p);
    painelDicaSenha->setGeometry(420, 405, 340, 170);
    painelDicaSenha->hide();
    painelConexao = new PainelConexao(p);
    painelConexao->setGeometry(20, 115, 385, 465);
    painelConexao->hide();

    painelPrimeirosDados = new PainelPrimeirosDados;
    paginas_->addWidget(paginaLogin_);
    paginas_->addWidget(painelPrimeirosDados);

    connect(ButGravar, &QPushButton::clicked, this, &TfLogin::ButGravarClick);
    connect(LabelOpcional, &LabelClicavel::clicado, this, &TfLogin::LabelOpcionalClick);
    connect(LabelSair, &LabelClicavel::clicado, this, &TfLogin::EncerraPrograma);
    connect(LabelRestore, &LabelClicavel::clicado, this, &TfLogin::LabelRestoreClick);
    connect(LabelAlterarCaminho, &LabelClicavel::clicado, this, &TfLogin::LabelAlterarCaminhoClick);
    connect(painelDicaSenha, &PainelDicaSenha::contaEncontrada, this, &TfLogin::ContaDaDica);
    connect(painelDicaSenha, &PainelDicaSenha::fechado, this, [this] { EditUsuario->setFocus(); });
    connect(painelConexao, &PainelConexao::alterarCaminho, this, &TfLogin::ButAlterarCaminhoClick);
    connect(painelConexao, &PainelConexao::ativarModoLocal, this, &TfLogin::ButModoLocalClick);
    connect(painelConexao, &PainelConexao::ativarModoRede, this, &TfLogin::ButModoRedeClick);
    connect(painelConexao, &PainelConexao::comandos, this, &TfLogin::comandosSQL);
    connect(painelConexao, &PainelConexao::reinstalarPrograma, this, &TfLogin::LabelReinstalarProgramaClick);
    connect(painelPrimeirosDados, &PainelPrimeirosDados::concluido, this, &TfLogin::PrimeirosDadosConcluidos);
    connect(painelPrimeirosDados, &PainelPrimeirosDados::sair, this, &TfLogin::EncerraPrograma);
}

void TfLogin::montaTeclas()
{
    teclas_ = TeclasNavegacao::instala(this);
    teclas_->associa(Qt::Key_F6, [this] {
        if (!ButGravar->isEnabled() || !ButGravar->isVisible()) return;
        ButGravar->setFocus();
        ButGravar->click();
    });
    teclas_->associa(Qt::Key_F7, [this] { EncerraPrograma(); });
    teclas_->setAntes([this](QKeyEvent *e) { return FormKeyDown(e); });
}

bool TfLogin::FormKeyDown(QKeyEvent *e)
{
    // ENTER in the password box enters; everywhere else it moves to the next control.
    const bool enter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
    if (enter && QApplication::focusWidget() == EditSenha && ButGravar->isEnabled()) {
        ButGravarClick();
        return true;
    }
    return false;
}

bool TfLogin::eventFilter(QObject *objeto, QEvent *evento)
{
    // Leaving the name box inside the window; a dialog or another window taking the focus is no exit.
    if (objeto == EditUsuario && evento->type() == QEvent::FocusOut) {
        const Qt::FocusReason r = static_cast<QFocusEvent *>(evento)->reason();
        if (r != Qt::ActiveWindowFocusReason && r != Qt::PopupFocusReason) EditUsuarioExit();
    }
    return QDialog::eventFilter(objeto, evento);
}

void TfLogin::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (exibindo_) return;
    exibindo_ = true;
    EstiloDialogo::centraNaTela(this);
    // The settings are loaded once the window is on screen, so that the messages they may show
    // come above it and ending the program can close it. Until then the window takes no input.
    paginaLogin_->setEnabled(false);
    QMetaObject::invokeMethod(this, &TfLogin::FormShow, Qt::QueuedConnection);
}

void TfLogin::hideEvent(QHideEvent *e)
{
    QDialog::hideEvent(e);
    if (!e->spontaneous()) exibindo_ = false;
}

void TfLogin::closeEvent(QCloseEvent *e)
{
    // The window manager cannot close the login (Alt+F4 included).
    if (loginConcluido_ || encerrado_) QDialog::closeEvent(e);
    else e->ignore();
}

void TfLogin::reject()
{
    if (loginConcluido_ || encerrado_) QDialog::reject();
}

void TfLogin::EncerraPrograma()
{
    encerrado_ = true;
    Aplicacao::encerraPrograma();
    done(QDialog::Rejected);
}
