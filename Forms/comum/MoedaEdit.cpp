#include "MoedaEdit.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QRegularExpression>
#include <QValidator>

namespace {

// While typing: "-1234,56" and its beginnings. A complete formatted amount ("1.234,56")
// is accepted as well, so that it can be shown and pasted.
class ValidadorMoeda final : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString &entrada, int &) const override
    {
        static const QRegularExpression digitando(QStringLiteral("^-?\\d{0,14}(,\\d{0,2})?$"));
        static const QRegularExpression formatado(
            QStringLiteral("^-?\\d{1,3}(\\.\\d{3}){1,4},\\d{2}$"));
        if (digitando.match(entrada).hasMatch() || formatado.match(entrada).hasMatch())
            return Acceptable;
        return Invalid;
    }
};

} // namespace

MoedaEdit::MoedaEdit(QWidget *parent) : QLineEdit(parent)
{
    setValidator(new ValidadorMoeda(this));
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

Moeda MoedaEdit::valor() const
{
    return Moeda::deTexto(text()).value_or(Moeda());
}

void MoedaEdit::setValor(Moeda valor)
{
    const QString formatado = valor.formatadoSemSimbolo();
    setText(hasFocus() ? QString(formatado).remove(u'.') : formatado);
}

void MoedaEdit::formata()
{
    const auto v = Moeda::deTexto(text());
    if (v) setText(v->formatadoSemSimbolo());
    else clear();
}

void MoedaEdit::focusInEvent(QFocusEvent *e)
{
    if (text().contains(u'.')) setText(text().remove(u'.'));
    QLineEdit::focusInEvent(e);
}

void MoedaEdit::focusOutEvent(QFocusEvent *e)
{
    // A focus lost to a menu or a popup of this window keeps the text being typed.
    if (e->reason() != Qt::PopupFocusReason && e->reason() != Qt::ActiveWindowFocusReason) formata();
    QLineEdit::focusOutEvent(e);
}

void MoedaEdit::keyPressEvent(QKeyEvent *e)
{
    // The decimal key of the numeric keypad types the comma.
    if (e->key() == Qt::Key_Period && (e->modifiers() & Qt::KeypadModifier)) {
        insert(QStringLiteral(","));
        return;
    }
    QLineEdit::keyPressEvent(e);
}
