#include "TfAviso.h"

#include "EstiloDialogo.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const QString legendaSimPadrao = QStringLiteral("SIM");

QPushButton *botao(const QString &nome, const QString &legenda, const QString &dica, QWidget *pai)
{
    auto *b = new QPushButton(legenda, pai);
    b->setObjectName(nome);
    b->setToolTip(dica);
    b->setMinimumSize(110, 36);
    return b;
}

} // namespace

TfAviso::TfAviso(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("TfAviso"));
    setWindowTitle(QStringLiteral(" Aviso!"));
    EstiloDialogo::fundoBranco(this);

    LblMensagem = new QLabel(QStringLiteral("EXCLUIR este registro ?"), this);
    LblMensagem->setObjectName(QStringLiteral("LblMensagem"));
    LblMensagem->setAlignment(Qt::AlignCenter);
    LblMensagem->setTextFormat(Qt::PlainText);
    LblMensagem->setMinimumHeight(70);
    QFont grande = LblMensagem->font();
    grande.setPointSize(14);
    grande.setBold(true);
    LblMensagem->setFont(grande);

    ButOK = botao(QStringLiteral("ButOK"), legendaSimPadrao, QStringLiteral("Clique SIM para confirmar"), this);
    ButNao = botao(QStringLiteral("ButNao"), QStringLiteral("NÃO"), QStringLiteral("Clique NÃO para não fazer esta ação"), this);
    ButOk2 = botao(QStringLiteral("ButOk2"), QStringLiteral("OK"), QStringLiteral("Clique OK para confirmar"), this);
    connect(ButOK, &QPushButton::clicked, this, &TfAviso::ButOKClick);
    connect(ButNao, &QPushButton::clicked, this, &TfAviso::ButNaoClick);
    connect(ButOk2, &QPushButton::clicked, this, &TfAviso::ButOk2Click);

    auto *botoes = new QHBoxLayout;
    botoes->addStretch();
    botoes->addWidget(ButOK);
    botoes->addWidget(ButNao);
    botoes->addWidget(ButOk2);
    botoes->addStretch();

    auto *l = new QVBoxLayout(this);
    l->setContentsMargins(24, 20, 24, 16);
    l->setSpacing(16);
    l->addWidget(LblMensagem, 1);
    l->addLayout(botoes);
    // The size follows the text; the user cannot resize the dialog.
    l->setSizeConstraint(QLayout::SetFixedSize);
}

RespostaAviso TfAviso::pergunta(const QString &texto, int codigo, bool somenteOk, const QString &legendaSim,
                                bool naoHabilitado)
{
    Codigo = codigo;
    somenteOk_ = somenteOk || codigo == 91;
    QString linhas = texto;
    linhas.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    LblMensagem->setText(linhas);
    ajustaLargura();
    ButOK->setText(legendaSim.isEmpty() ? legendaSimPadrao : legendaSim);
    ButNao->setEnabled(naoHabilitado);

    exec();

    ButOK->setText(legendaSimPadrao);
    ButNao->setEnabled(true);
    return resposta();
}

void TfAviso::ajustaLargura()
{
    // Lines wider than the limit wrap inside it instead of stretching the dialog off the screen.
    constexpr int larguraMaxima = 860;
    const QFontMetrics fm(LblMensagem->font());
    int maior = 0;
    for (const QString &linha : LblMensagem->text().split(QLatin1Char('\n')))
        maior = std::max(maior, fm.horizontalAdvance(linha));
    const bool quebra = maior > larguraMaxima;
    LblMensagem->setWordWrap(quebra);
    if (quebra) LblMensagem->setFixedWidth(larguraMaxima);
    else {
        LblMensagem->setMinimumWidth(420);
        LblMensagem->setMaximumWidth(QWIDGETSIZE_MAX);
    }
}

RespostaAviso TfAviso::resposta() const
{
    if (SimPressionado) return RespostaAviso::Sim;
    if (NaoPressionado) return RespostaAviso::Nao;
    if (OkPressionado) return RespostaAviso::Ok;
    return RespostaAviso::Nenhuma;
}

void TfAviso::showEvent(QShowEvent *e)
{
    SimPressionado = NaoPressionado = OkPressionado = false;
    ButOK->setVisible(!somenteOk_);
    ButNao->setVisible(!somenteOk_);
    ButOk2->setVisible(somenteOk_);
    layout()->activate();
    EstiloDialogo::centraNaTela(this);
    QDialog::showEvent(e);
    (somenteOk_ ? ButOk2 : ButOK)->setFocus();
}

void TfAviso::keyPressEvent(QKeyEvent *e)
{
    // ESC answers NÃO even while that button is hidden (OK-only notices).
    if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier) {
        ButNaoClick();
        return;
    }
    QDialog::keyPressEvent(e);
}

void TfAviso::done(int r)
{
    Codigo = 0;
    QDialog::done(r);
}

void TfAviso::ButOKClick()
{
    SimPressionado = true;
    accept();
}

void TfAviso::ButNaoClick()
{
    NaoPressionado = true;
    reject();
}

void TfAviso::ButOk2Click()
{
    OkPressionado = true;
    accept();
}
