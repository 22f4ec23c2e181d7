#pragma once
// The loading splash: borderless, always on top, shown without blocking while a window
// does a long piece of work ("Carregando...", "Processando Backup!").
//
//     TfCarregando::instancia().mostra(QStringLiteral("Processando Backup!"));
//     ... work ...
//     TfCarregando::instancia().fecha();

#include <QWidget>

class QLabel;

// The splash picture: an hourglass drawn in code. A click on it closes the splash.
class Ampulheta : public QWidget {
    Q_OBJECT
public:
    explicit Ampulheta(QWidget *parent = nullptr);
    QSize sizeHint() const override { return {64, 84}; }

signals:
    void clicada();

protected:
    void paintEvent(QPaintEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
};

class TfCarregando : public QWidget {
    Q_OBJECT
public:
    explicit TfCarregando(QWidget *parent = nullptr);

    // The splash every window uses, created on first use.
    static TfCarregando &instancia();

    // Shows the splash with `texto` and paints it at once, before the caller's work starts.
    void mostra(const QString &texto = QStringLiteral("Carregando..."));
    void fecha();

    Ampulheta *ImagemCarregando;
    QLabel *LabelCarregando;

private slots:
    void ImagemCarregandoClick();
};
