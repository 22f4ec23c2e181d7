#include "CamposFormulario.h"

#include "CaixaTexto.h"
#include "DataEdit.h"
#include "MaskEdit.h"
#include "TeclasNavegacao.h"

#include <QLabel>
#include <QLineEdit>
#include <QHeaderView>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>

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

QPushButton *botaoBarra(QWidget *pai, const char *nome, const QString &texto, const QString &dica)
{
    auto *b = new QPushButton(texto, pai);
    b->setObjectName(QLatin1String(nome));
    if (!dica.isEmpty()) b->setToolTip(dica);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

QLabel *valorPainel(QWidget *pai, const char *nome)
{
    auto *l = new QLabel(pai);
    l->setObjectName(QLatin1String(nome));
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    l->setWordWrap(true);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    return l;
}

ControlesEscolha controlesEscolha(QWidget *pai, const QString &nome, QAbstractItemModel *modelo, QObject *filtro)
{
    ControlesEscolha c;
    c.edit = new QLineEdit(pai);
    c.edit->setObjectName(QStringLiteral("EditEscolhe") + nome);
    c.edit->setMaxLength(50);
    maiusculas(c.edit);
    // ENTER hides the list before moving on; ESC first empties an unchosen text.
    c.edit->setProperty(TeclasNavegacao::PropriedadeTeclasProprias, int(TeclasNavegacao::Enter | TeclasNavegacao::Esc));
    c.edit->installEventFilter(filtro);

    c.botao = new QToolButton(pai);
    c.botao->setObjectName(QStringLiteral("ButEscolhe") + nome);
    c.botao->setText(QStringLiteral("▼"));
    c.botao->setFocusPolicy(Qt::NoFocus);

    c.grade = new QTableView(pai);
    c.grade->setObjectName(QStringLiteral("GridEscolhe") + nome);
    c.grade->setModel(modelo);
    c.grade->setFocusPolicy(Qt::NoFocus);
    c.grade->setSelectionBehavior(QAbstractItemView::SelectRows);
    c.grade->setSelectionMode(QAbstractItemView::SingleSelection);
    c.grade->setEditTriggers(QAbstractItemView::NoEditTriggers);
    c.grade->horizontalHeader()->hide();
    c.grade->verticalHeader()->hide();
    c.grade->horizontalHeader()->setStretchLastSection(true);
    c.grade->hide();
    return c;
}

void somenteLeitura(QWidget *campo)
{
    if (auto *e = qobject_cast<QLineEdit *>(campo)) e->setReadOnly(true);
    campo->setFocusPolicy(Qt::NoFocus);
    campo->setStyleSheet(QStringLiteral("color: gray;"));
}

} // namespace CamposFormulario
