#pragma once
// Types any text, accents included, as key presses on `w` (QTest::keyClicks takes ASCII only).

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

inline void digita(QWidget *w, const QString &texto)
{
    for (QChar c : texto) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &release);
    }
}
