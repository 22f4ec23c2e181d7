#include "TfCarregando.h"

#include "EstiloDialogo.h"

#include <QCoreApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QVBoxLayout>

Ampulheta::Ampulheta(QWidget *parent) : QWidget(parent)
{
    setFixedSize(sizeHint());
    setCursor(Qt::PointingHandCursor);
}

void Ampulheta::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = width(), h = height();
    const qreal m = 6, tampa = 7;
    const QColor madeira(120, 78, 40), vidro(90, 110, 140), areia(222, 178, 92);

    // Glass: two bulbs meeting at the neck.
    const qreal topo = m + tampa, base = h - m - tampa, meio = h / 2;
    const qreal esq = m + 6, dir = w - m - 6, pescoco = 4;
    QPainterPath copo;
    copo.moveTo(esq, topo);
    copo.lineTo(dir, topo);
    copo.cubicTo(dir, meio - 10, w / 2 + pescoco, meio - 4, w / 2 + pescoco, meio);
    copo.cubicTo(w / 2 + pescoco, meio + 4, dir, meio + 10, dir, base);
    copo.lineTo(esq, base);
    copo.cubicTo(esq, meio + 10, w / 2 - pescoco, meio + 4, w / 2 - pescoco, meio);
    copo.cubicTo(w / 2 - pescoco, meio - 4, esq, meio - 10, esq, topo);
    p.fillPath(copo, QColor(235, 242, 250));

    // Sand: what is left above, the heap below and the falling thread.
    p.save();
    p.setClipPath(copo);
    QPainterPath cima;
    cima.moveTo(esq, meio - 14);
    cima.lineTo(dir, meio - 14);
    cima.lineTo(w / 2, meio + 2);
    cima.closeSubpath();
    p.fillPath(cima, areia);
    QPainterPath monte;
    monte.moveTo(esq, base);
    monte.lineTo(w / 2, base - 16);
    monte.lineTo(dir, base);
    monte.closeSubpath();
    p.fillPath(monte, areia);
    p.fillRect(QRectF(w / 2 - 1, meio, 2, base - meio - 14), areia);
    p.restore();

    p.setPen(QPen(vidro, 1.5));
    p.drawPath(copo);

    // Wooden caps.
    p.setPen(Qt::NoPen);
    p.setBrush(madeira);
    p.drawRoundedRect(QRectF(m, m, w - 2 * m, tampa), 2, 2);
    p.drawRoundedRect(QRectF(m, h - m - tampa, w - 2 * m, tampa), 2, 2);
}

void Ampulheta::mousePressEvent(QMouseEvent *e)
{
    if (e->button() == Qt::LeftButton) emit clicada();
    QWidget::mousePressEvent(e);
}

TfCarregando::TfCarregando(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("TfCarregando"));
    EstiloDialogo::fundoBranco(this);

    ImagemCarregando = new Ampulheta(this);
    ImagemCarregando->setObjectName(QStringLiteral("ImagemCarregando"));
    connect(ImagemCarregando, &Ampulheta::clicada, this, &TfCarregando::ImagemCarregandoClick);

    LabelCarregando = new QLabel(QStringLiteral("Carregando..."), this);
    LabelCarregando->setObjectName(QStringLiteral("LabelCarregando"));
    LabelCarregando->setTextFormat(Qt::PlainText);
    LabelCarregando->setAlignment(Qt::AlignCenter);
    LabelCarregando->setMinimumWidth(220);
    QFont f = LabelCarregando->font();
    f.setPointSize(14);
    f.setBold(true);
    LabelCarregando->setFont(f);

    auto *moldura = new QFrame(this);
    moldura->setFrameShape(QFrame::Box);
    auto *dentro = new QHBoxLayout(moldura);
    dentro->setContentsMargins(20, 14, 24, 14);
    dentro->setSpacing(16);
    dentro->addWidget(ImagemCarregando);
    dentro->addWidget(LabelCarregando, 1);

    auto *l = new QVBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    l->addWidget(moldura);
    l->setSizeConstraint(QLayout::SetFixedSize);
}

TfCarregando &TfCarregando::instancia()
{
    // Lives until the end of the program; made again if a window deleted it.
    static QPointer<TfCarregando> splash;
    if (!splash) splash = new TfCarregando;
    return *splash;
}

void TfCarregando::mostra(const QString &texto)
{
    LabelCarregando->setText(texto);
    layout()->activate();
    EstiloDialogo::centraNaTela(this);
    show();
    raise();
    repaint();
    // The caller's work starts right after this: paint now, but take no user input.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TfCarregando::fecha() { hide(); }

void TfCarregando::ImagemCarregandoClick() { fecha(); }
