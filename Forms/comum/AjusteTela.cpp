#include "AjusteTela.h"

#include "MaskEdit.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTableView>

namespace {

constexpr int CaixaCurta = 20; // characters

// Keeps the columns of one grid fitted while its rows come and go.
class AjusteGrade final : public QObject {
public:
    AjusteGrade(QTableView *g, int colunaNome, int caracteresMaximo)
        : QObject(g), g_(g), nome_(colunaNome), caracteresMaximo_(caracteresMaximo)
    {
        QAbstractItemModel *m = g->model();
        connect(m, &QAbstractItemModel::modelReset, this, &AjusteGrade::pede);
        connect(m, &QAbstractItemModel::layoutChanged, this, &AjusteGrade::pede);
        connect(m, &QAbstractItemModel::rowsInserted, this, &AjusteGrade::pede);
        connect(m, &QAbstractItemModel::columnsInserted, this, &AjusteGrade::pede);
        connect(m, &QAbstractItemModel::dataChanged, this, &AjusteGrade::pede);
        ajusta();
    }

    // Once the event that changed the rows is over: the window may still be filling the lists
    // that a column shows (looked-up names).
    void pede()
    {
        if (pedido_) return;
        pedido_ = true;
        QMetaObject::invokeMethod(this, [this] {
            pedido_ = false;
            ajusta();
        }, Qt::QueuedConnection);
    }

    void ajusta()
    {
        QHeaderView *h = g_->horizontalHeader();
        const int colunas = g_->model()->columnCount();
        // The side margins of a cell's text, as the style draws them, and a little air.
        const int margem = 2 * (g_->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, g_) + 1) + 4;
        const int limite = qRound(AjusteTela::larguraMediaMaiuscula(g_) * caracteresMaximo_) + margem;
        const QAbstractItemView *v = g_;
        for (int c = 0; c < colunas; ++c) {
            if (c == nome_) {
                h->setSectionResizeMode(c, QHeaderView::Stretch);
                continue;
            }
            h->setSectionResizeMode(c, QHeaderView::Interactive);
            const int conteudo = qMin(v->sizeHintForColumn(c), limite);
            h->resizeSection(c, qMax(h->sectionSizeHint(c), conteudo));
        }
    }

private:
    QTableView *g_;
    int nome_, caracteresMaximo_;
    bool pedido_ = false;
};

QStyleOptionFrame opcaoCaixa(const QLineEdit *e)
{
    QStyleOptionFrame o;
    o.initFrom(e);
    o.rect = e->rect();
    o.lineWidth = e->hasFrame() ? e->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &o, e) : 0;
    o.midLineWidth = 0;
    o.state |= QStyle::State_Sunken;
    return o;
}

} // namespace

double AjusteTela::larguraMediaMaiuscula(const QWidget *w)
{
    static const QString letras = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    return w->fontMetrics().horizontalAdvance(letras) / double(letras.size());
}

void AjusteTela::grade(QTableView *g, int colunaNome, int caracteresMaximo)
{
    g->setWordWrap(false);
    g->setTextElideMode(Qt::ElideRight);
    QHeaderView *linhas = g->verticalHeader();
    const int altura = g->fontMetrics().height() + 6;
    linhas->setMinimumSectionSize(altura);
    linhas->setDefaultSectionSize(altura);
    linhas->setSectionResizeMode(QHeaderView::Fixed);
    linhas->setResizeContentsPrecision(200); // rows measured for a column: the visible ones and a few more
    g->horizontalHeader()->setStretchLastSection(false);
    new AjusteGrade(g, colunaNome, caracteresMaximo);
}

int AjusteTela::larguraTexto(const QWidget *w, int caracteres, bool mascarado)
{
    const QFontMetrics fm = w->fontMetrics();
    if (caracteres <= CaixaCurta)
        return fm.horizontalAdvance(QString(caracteres, mascarado ? QLatin1Char('0') : QLatin1Char('W')));
    return qRound(larguraMediaMaiuscula(w) * caracteres);
}

void AjusteTela::caixa(QLineEdit *e, int maximo)
{
    if (e->minimumWidth() > 0) return; // sized by its window
    const bool mascarado = !e->inputMask().isEmpty();
    int caracteres = mascarado ? int(e->displayText().size()) : e->maxLength();
    if (caracteres <= 0 || caracteres >= 32767) return;
    caracteres = qMin(caracteres, qMax(maximo, CaixaCurta));
    // As QLineEdit measures itself: text, its side margins and the cursor, then the frame.
    const QMargins m = e->textMargins();
    const int texto = larguraTexto(e, caracteres, mascarado) + 2 * 2 + m.left() + m.right() + 1;
    const QStyleOptionFrame o = opcaoCaixa(e);
    const QSize s = e->style()->sizeFromContents(QStyle::CT_LineEdit, &o, QSize(texto, e->fontMetrics().height()), e);
    e->setMinimumWidth(s.width());
}

void AjusteTela::caixaMascaras(MaskEdit *e, const QStringList &mascaras)
{
    const QString atual = e->mascara();
    int largura = 0;
    for (const QString &m : mascaras) {
        e->setMinimumWidth(0);
        e->setMascara(m);
        caixa(e);
        largura = qMax(largura, e->minimumWidth());
    }
    e->setMascara(atual);
    e->setMinimumWidth(largura);
}

void AjusteTela::caixa(QComboBox *c, int caracteres)
{
    c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    c->setMinimumContentsLength(caracteres);
}

void AjusteTela::caixas(QWidget *painel, int maximo)
{
    for (QLineEdit *e : painel->findChildren<QLineEdit *>())
        if (!qobject_cast<QComboBox *>(e->parentWidget())) caixa(e, maximo);
}

void AjusteTela::dimensiona(QWidget *janela, QSize preferido)
{
    const QScreen *tela = janela->screen() ? janela->screen() : QGuiApplication::primaryScreen();
    const QRect livre = tela ? tela->availableGeometry() : QRect(QPoint(), preferido);
    const QSize tamanho = preferido.boundedTo(livre.size());
    janela->resize(tamanho);
    janela->move(livre.center() - QPoint(tamanho.width() / 2, tamanho.height() / 2));
}
