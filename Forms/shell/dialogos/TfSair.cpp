#include "TfSair.h"

#include "EstiloDialogo.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString titulo = QStringLiteral(" O que você deseja fazer?");

QPushButton *botao(const QString &nome, const QString &legenda, QWidget *pai)
{
    auto *b = new QPushButton(legenda, pai);
    b->setObjectName(nome);
    b->setMinimumSize(260, 36);
    return b;
}

} // namespace

TfSair::TfSair(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("TfSair"));
    setWindowTitle(titulo);
    EstiloDialogo::fundoBranco(this);

    auto *cabecalho = new QLabel(titulo, this);
    cabecalho->setObjectName(QStringLiteral("LabelTitulo"));
    cabecalho->setAlignment(Qt::AlignCenter);
    QFont f = cabecalho->font();
    f.setPointSize(13);
    f.setBold(true);
    cabecalho->setFont(f);

    ButTrocarUsuario = botao(QStringLiteral("ButTrocarUsuario"), QStringLiteral("Trocar Usuário"), this);
    ButSair = botao(QStringLiteral("ButSair"), QStringLiteral("Sair do programa"), this);
    ButBackupSair = botao(QStringLiteral("ButBackupSair"), QStringLiteral("Backup e Sair"), this);
    ButRetornar = botao(QStringLiteral("ButRetornar"), QStringLiteral("&Retornar ao programa"), this);
    ButRetornar->setToolTip(QStringLiteral("Cancela fechamento"));
    ButSair->setDefault(true);
    connect(ButTrocarUsuario, &QPushButton::clicked, this, &TfSair::ButTrocarUsuarioClick);
    connect(ButSair, &QPushButton::clicked, this, &TfSair::ButSairClick);
    connect(ButBackupSair, &QPushButton::clicked, this, &TfSair::ButBackupSairClick);
    connect(ButRetornar, &QPushButton::clicked, this, &TfSair::ButRetornarClick);

    auto *moldura = new QFrame(this);
    moldura->setFrameShape(QFrame::Box);
    auto *dentro = new QVBoxLayout(moldura);
    dentro->setContentsMargins(24, 16, 24, 20);
    dentro->setSpacing(10);
    dentro->addWidget(cabecalho);
    dentro->addSpacing(6);
    for (QPushButton *b : {ButTrocarUsuario, ButSair, ButBackupSair, ButRetornar})
        dentro->addWidget(b, 0, Qt::AlignHCenter);

    auto *l = new QVBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    l->addWidget(moldura);
    l->setSizeConstraint(QLayout::SetFixedSize);
}

int TfSair::pergunta()
{
    Resposta = Nenhuma;
    exec();
    return Resposta;
}

void TfSair::showEvent(QShowEvent *e)
{
    layout()->activate();
    EstiloDialogo::centraNaTela(this);
    QDialog::showEvent(e);
    // ENTER answers "Sair do programa" until the user moves to another button.
    ButSair->setFocus();
}

void TfSair::responde(int resposta)
{
    Resposta = resposta;
    accept();
}

void TfSair::ButTrocarUsuarioClick() { responde(TrocarUsuario); }
void TfSair::ButSairClick() { responde(SairDoPrograma); }
void TfSair::ButBackupSairClick() { responde(BackupESair); }
void TfSair::ButRetornarClick() { responde(Retornar); }
