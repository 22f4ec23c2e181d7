#include "LabelClicavel.h"

#include <QMouseEvent>

LabelClicavel::LabelClicavel(const QString &texto, QWidget *parent) : QLabel(texto, parent)
{
    setCursor(Qt::PointingHandCursor);
}

void LabelClicavel::mouseReleaseEvent(QMouseEvent *e)
{
    QLabel::mouseReleaseEvent(e);
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) Q_EMIT clicado();
}
