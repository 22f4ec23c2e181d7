#pragma once
// A label that acts as a link: a left click on it emits `clicado`.

#include <QLabel>

class RotuloLink : public QLabel {
    Q_OBJECT
public:
    explicit RotuloLink(const QString &texto = {}, QWidget *parent = nullptr);

Q_SIGNALS:
    void clicado();

protected:
    void mouseReleaseEvent(QMouseEvent *e) override;
};
