#pragma once
// A label that acts on a left click (hand cursor).

#include <QLabel>

class LabelClicavel : public QLabel {
    Q_OBJECT
public:
    explicit LabelClicavel(const QString &texto = {}, QWidget *parent = nullptr);

Q_SIGNALS:
    void clicado();

protected:
    void mouseReleaseEvent(QMouseEvent *e) override;
};
