#pragma once
// The keyboard rule of every window: the window sees each key before the focused control;
// ENTER (main or keypad) moves the focus to the next control of the window's focus chain,
// ESC to the previous one (so ESC never closes a dialog), and function keys press their
// buttons, but only while the button is enabled and visible; an associated key is consumed
// either way. A control may keep ENTER (a memo where it makes a new line) or ESC for itself.
//
//     auto *teclas = TeclasNavegacao::instala(this);
//     teclas->associa(Qt::Key_F6, ButGravar);
//     teclas->exclui(MemoObs);

#include <QHash>
#include <QObject>
#include <QPointer>
#include <functional>

class QAbstractButton;
class QKeyEvent;
class QWidget;

class TeclasNavegacao : public QObject {
    Q_OBJECT
public:
    enum Tecla { Enter = 0x1, Esc = 0x2 };
    Q_DECLARE_FLAGS(Teclas, Tecla)

    // Dynamic property of a control: the keys (Teclas as int) it keeps for itself.
    static constexpr const char *PropriedadeTeclasProprias = "pnTeclasProprias";

    // Installs the rule on `janela` (owned by it); one per window.
    static TeclasNavegacao *instala(QWidget *janela);

    // The key presses `botao` (enabled and visible) instead of reaching the focused control.
    // An associated ESC or ENTER (Key_Return, for both ENTER keys) acts instead of moving.
    TeclasNavegacao &associa(Qt::Key tecla, QAbstractButton *botao);
    // The key runs `acao` (for keys with a rule of their own, such as closing the window).
    TeclasNavegacao &associa(Qt::Key tecla, std::function<void()> acao);
    // ENTER and/or ESC pressed in `controle` (or inside it, as in a grid's editor) go to it.
    TeclasNavegacao &exclui(QWidget *controle, Teclas teclas = Enter);
    // Sees every key typed in the window, once, before the rule; true consumes the key.
    void setAntes(std::function<bool(QKeyEvent *)> antes) { antes_ = std::move(antes); }

    // Moves the focus along the focus chain of `janela`, as TAB and SHIFT+TAB do.
    static bool focaProximo(QWidget *janela);
    static bool focaAnterior(QWidget *janela);

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override;

private:
    explicit TeclasNavegacao(QWidget *janela);
    bool daJanela(QWidget *w) const;
    // The control the key was typed into: the focused control when the key was passed on
    // to one of its parents.
    QWidget *controleDaTecla(QWidget *receptor) const;
    bool trata(QKeyEvent *e, QWidget *controle);

    QWidget *janela_;
    QHash<int, QPointer<QAbstractButton>> botoes_;
    QHash<int, std::function<void()>> acoes_;
    std::function<bool(QKeyEvent *)> antes_;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(TeclasNavegacao::Teclas)
