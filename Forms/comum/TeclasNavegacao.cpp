#include "TeclasNavegacao.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace {

// Reaches QWidget::focusNextPrevChild, the focus step of TAB, for any widget.
struct Foco : QWidget {
    static bool move(QWidget *janela, bool proximo)
    {
        auto passo = &Foco::focusNextPrevChild; // bool (QWidget::*)(bool)
        return (janela->*passo)(proximo);
    }
};

constexpr Qt::KeyboardModifiers ModificadoresDeAtalho =
    Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;

} // namespace

TeclasNavegacao::TeclasNavegacao(QWidget *janela) : QObject(janela), janela_(janela)
{
    // Key events go to the focused control; the application's filter sees them first.
    qApp->installEventFilter(this);
}

TeclasNavegacao *TeclasNavegacao::instala(QWidget *janela)
{
    return new TeclasNavegacao(janela);
}

TeclasNavegacao &TeclasNavegacao::associa(Qt::Key tecla, QAbstractButton *botao)
{
    acoes_.remove(tecla);
    botoes_.insert(tecla, botao);
    return *this;
}

TeclasNavegacao &TeclasNavegacao::associa(Qt::Key tecla, std::function<void()> acao)
{
    botoes_.remove(tecla);
    acoes_.insert(tecla, std::move(acao));
    return *this;
}

TeclasNavegacao &TeclasNavegacao::exclui(QWidget *controle, Teclas teclas)
{
    controle->setProperty(PropriedadeTeclasProprias, int(teclas));
    return *this;
}

bool TeclasNavegacao::focaProximo(QWidget *janela)
{
    return Foco::move(janela->window(), true);
}

bool TeclasNavegacao::focaAnterior(QWidget *janela)
{
    return Foco::move(janela->window(), false);
}

bool TeclasNavegacao::daJanela(QWidget *w) const
{
    return w && (w == janela_ || janela_->isAncestorOf(w));
}

QWidget *TeclasNavegacao::controleDaTecla(QWidget *receptor) const
{
    QWidget *foco = QApplication::focusWidget();
    if (daJanela(foco) && (receptor == foco || receptor->isAncestorOf(foco))) return foco;
    return receptor;
}

bool TeclasNavegacao::eventFilter(QObject *objeto, QEvent *evento)
{
    if (evento->type() != QEvent::KeyPress || !objeto->isWidgetType()) return false;
    auto *receptor = static_cast<QWidget *>(objeto);
    if (!daJanela(receptor)) return false;
    QWidget *controle = controleDaTecla(receptor);
    auto *e = static_cast<QKeyEvent *>(evento);
    // A key the focused control left alone comes by again on its way up to the window;
    // the window's own look at it happens once.
    if (antes_ && receptor == controle && antes_(e)) return true;
    return trata(e, controle);
}

bool TeclasNavegacao::trata(QKeyEvent *e, QWidget *controle)
{
    if (e->modifiers() & ModificadoresDeAtalho) return false;

    // An association wins over the navigation (a dialog whose ESC presses a button).
    const int tecla = e->key() == Qt::Key_Enter ? Qt::Key_Return : e->key();
    if (const auto botao = botoes_.constFind(tecla); botao != botoes_.cend()) {
        QAbstractButton *b = botao->data();
        if (b && b->isEnabled() && b->isVisible()) b->click();
        return true;
    }
    if (const auto acao = acoes_.constFind(tecla); acao != acoes_.cend()) {
        if (*acao) (*acao)();
        return true;
    }

    if (tecla == Qt::Key_Return || tecla == Qt::Key_Escape) {
        const Tecla qual = tecla == Qt::Key_Escape ? Esc : Enter;
        for (QWidget *w = controle; w; w = w == janela_ ? nullptr : w->parentWidget())
            if (Teclas::fromInt(w->property(PropriedadeTeclasProprias).toInt()) & qual)
                return false;
        if (qual == Enter) focaProximo(janela_);
        else focaAnterior(janela_);
        return true;
    }
    return false;
}
