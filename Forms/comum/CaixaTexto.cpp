#include "CaixaTexto.h"

#include <QLineEdit>
#include <QPointer>
#include <QValidator>

namespace {

class ValidadorCaixa final : public QValidator {
public:
    ValidadorCaixa(bool maiuscula, const QValidator *anterior, QObject *pai)
        : QValidator(pai), maiuscula_(maiuscula), anterior_(anterior) {}

    State validate(QString &entrada, int &posicao) const override
    {
        // One character for one character (QString::toUpper turns "ß" into "SS").
        for (QChar &c : entrada) c = maiuscula_ ? c.toUpper() : c.toLower();
        return anterior_ ? anterior_->validate(entrada, posicao) : Acceptable;
    }

    void fixup(QString &entrada) const override
    {
        if (anterior_) anterior_->fixup(entrada);
    }

    const QValidator *anterior() const { return anterior_; }

private:
    bool maiuscula_;
    QPointer<const QValidator> anterior_;
};

void aplica(QLineEdit *edit, bool maiuscula)
{
    // Applied twice, the new case replaces the old one.
    const QValidator *anterior = edit->validator();
    const auto *trocado = dynamic_cast<const ValidadorCaixa *>(anterior);
    if (trocado) anterior = trocado->anterior();
    edit->setValidator(new ValidadorCaixa(maiuscula, anterior, edit));
    delete trocado;

    QString texto = edit->text();
    int posicao = edit->cursorPosition();
    edit->validator()->validate(texto, posicao);
    if (texto != edit->text()) edit->setText(texto);
}

} // namespace

void maiusculas(QLineEdit *edit)
{
    aplica(edit, true);
}

void minusculas(QLineEdit *edit)
{
    aplica(edit, false);
}
