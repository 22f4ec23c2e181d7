#pragma once
// The user guide inside the program: the chapters of Manual/manual (Markdown) with the pictures
// of Manual/screenshots, both in the program folder. Links between chapters open in the window;
// web addresses go to the browser. One window at a time.

#include <QDialog>

class QTextBrowser;
class QPushButton;

class TfManual final : public QDialog {
    Q_OBJECT
public:
    // The guide's index file in a program folder.
    static QString indice(const QString &pastaPrograma);
    // Shows the guide of the program folder (raising the open window); nullptr, after a
    // message, when the guide is not there.
    static TfManual *abre(const QString &pastaPrograma, QWidget *pai = nullptr);

    explicit TfManual(const QString &arquivoIndice, QWidget *pai = nullptr);

    QTextBrowser *Texto;
    QPushButton *ButIndice, *ButVoltar, *ButFechar;

private:
    QString indice_;
};
