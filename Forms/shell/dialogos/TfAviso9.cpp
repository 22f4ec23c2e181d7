#include "TfAviso9.h"

#include "EstiloDialogo.h"

#include <QFrame>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QPushButton *botao(const QString &nome, const QString &legenda, QWidget *pai)
{
    auto *b = new QPushButton(legenda, pai);
    b->setObjectName(nome);
    b->setMinimumSize(120, 32);
    return b;
}

QLabel *rotulo(const QString &texto, QWidget *pai, bool negrito = false)
{
    auto *l = new QLabel(texto, pai);
    l->setTextFormat(Qt::PlainText);
    if (negrito) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
    }
    return l;
}

} // namespace

TfAviso9::TfAviso9(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("TfAviso9"));
    setWindowTitle(QStringLiteral(" O que deseja fazer...?"));
    EstiloDialogo::fundoBranco(this);

    auto *titulo = rotulo(QStringLiteral("O que deseja fazer...?"), this, true);
    QFont grande = titulo->font();
    grande.setPointSize(13);
    titulo->setFont(grande);

    LblCadastrar = rotulo(QString(), this, true);
    LblCadastrar->setObjectName(QStringLiteral("LblCadastrar"));
    LblUtilizar = rotulo(QString(), this, true);
    LblUtilizar->setObjectName(QStringLiteral("LblUtilizar"));

    ButCadastrar = botao(QStringLiteral("ButCadastrar"), QStringLiteral(" &Cadastrar"), this);
    ButUtilizar = botao(QStringLiteral("ButUtilizar"), QStringLiteral(" &Utilizar"), this);
    ButVoltar = botao(QStringLiteral("ButVoltar"), QStringLiteral(" &Voltar"), this);
    connect(ButCadastrar, &QPushButton::clicked, this, &TfAviso9::ButCadastrarClick);
    connect(ButUtilizar, &QPushButton::clicked, this, &TfAviso9::ButUtilizarClick);
    connect(ButVoltar, &QPushButton::clicked, this, &TfAviso9::ButVoltarClick);

    auto *grade = new QGridLayout;
    grade->setHorizontalSpacing(12);
    grade->setVerticalSpacing(10);
    grade->addWidget(ButCadastrar, 0, 0);
    grade->addWidget(rotulo(QStringLiteral("Cadastrar"), this), 0, 1);
    grade->addWidget(LblCadastrar, 0, 2);
    grade->addWidget(ButUtilizar, 1, 0);
    grade->addWidget(rotulo(QStringLiteral("Ou Utilizar"), this), 1, 1);
    grade->addWidget(LblUtilizar, 1, 2);
    grade->addWidget(ButVoltar, 2, 0);
    grade->addWidget(rotulo(QStringLiteral("Voltar ao campo sem fazer nada"), this), 2, 1, 1, 2);
    grade->setColumnStretch(2, 1);

    // Borderless: a thin frame keeps the dialog apart from the window behind it.
    auto *moldura = new QFrame(this);
    moldura->setFrameShape(QFrame::Box);
    auto *dentro = new QVBoxLayout(moldura);
    dentro->setContentsMargins(20, 16, 20, 16);
    dentro->setSpacing(14);
    dentro->addWidget(titulo);
    dentro->addLayout(grade);

    auto *l = new QVBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    l->addWidget(moldura);
    l->setSizeConstraint(QLayout::SetFixedSize);
    setMinimumWidth(460);
}

RespostaAviso9 TfAviso9::pergunta(const QString &cadastrar, const QString &utilizar)
{
    LblCadastrar->setText(cadastrar);
    LblUtilizar->setText(utilizar);
    ButUtilizar->setEnabled(!utilizar.isEmpty());
    exec();
    return resposta();
}

RespostaAviso9 TfAviso9::resposta() const
{
    if (CadastrarPressionado) return RespostaAviso9::Cadastrar;
    if (UtilizarPressionado) return RespostaAviso9::Utilizar;
    if (VoltarPressionado) return RespostaAviso9::Voltar;
    return RespostaAviso9::Nenhuma;
}

void TfAviso9::showEvent(QShowEvent *e)
{
    CadastrarPressionado = UtilizarPressionado = VoltarPressionado = false;
    layout()->activate();
    EstiloDialogo::centraNaTela(this);
    QDialog::showEvent(e);
    ButCadastrar->setFocus();
}

void TfAviso9::keyPressEvent(QKeyEvent *e)
{
    if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier) {
        ButVoltarClick();
        return;
    }
    QDialog::keyPressEvent(e);
}

void TfAviso9::done(int r)
{
    ButUtilizar->setEnabled(true);
    QDialog::done(r);
}

void TfAviso9::ButCadastrarClick()
{
    CadastrarPressionado = true;
    accept();
}

void TfAviso9::ButUtilizarClick()
{
    UtilizarPressionado = true;
    accept();
}

void TfAviso9::ButVoltarClick()
{
    VoltarPressionado = true;
    reject();
}
