#include "RotuloLink.h"

#include <QMouseEvent>

RotuloLink::RotuloLink(const QString &texto, QWidget *parent) : QLabel(texto, parent)
{
    setCursor(Qt::PointingHandCursor);
}

void RotuloLink::mouseReleaseEvent(QMouseEvent *e)
{
    QLabel::mouseReleaseEvent(e);
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) Q_EMIT clicado();
}
