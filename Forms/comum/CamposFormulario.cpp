#include "CamposFormulario.h"

#include "CaixaTexto.h"
#include "DataEdit.h"
#include "MaskEdit.h"

#include <QLabel>
#include <QLineEdit>

namespace CamposFormulario {

QLineEdit *caixa(QWidget *pai, const char *nome, int tamanho, bool maiuscula)
{
    auto *e = new QLineEdit(pai);
    e->setObjectName(QLatin1String(nome));
    e->setMaxLength(tamanho);
    if (maiuscula) maiusculas(e);
    return e;
}

MaskEdit *mascarada(QWidget *pai, const char *nome, const QString &mascara)
{
    auto *e = new MaskEdit(mascara, pai);
    e->setObjectName(QLatin1String(nome));
    return e;
}

DataEdit *caixaData(QWidget *pai, const char *nome, bool apenasLeitura)
{
    auto *e = new DataEdit(pai);
    e->setObjectName(QLatin1String(nome));
    if (apenasLeitura) {
        e->setReadOnly(true);
        somenteLeitura(e);
    }
    return e;
}

QLabel *rotulo(QWidget *pai, const QString &texto, const char *nome)
{
    auto *l = new QLabel(texto, pai);
    if (nome) l->setObjectName(QLatin1String(nome));
    return l;
}

QLabel *link(QWidget *pai, const QString &texto, const char *nome)
{
    return rotulo(pai, QStringLiteral("<a href=\"#\">") + texto + QStringLiteral("</a>"), nome);
}

void somenteLeitura(QWidget *campo)
{
    if (auto *e = qobject_cast<QLineEdit *>(campo)) e->setReadOnly(true);
    campo->setFocusPolicy(Qt::NoFocus);
    campo->setStyleSheet(QStringLiteral("color: gray;"));
}

} // namespace CamposFormulario
