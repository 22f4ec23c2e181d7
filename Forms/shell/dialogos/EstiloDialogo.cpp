#include "EstiloDialogo.h"

#include <QApplication>
#include <QPalette>
#include <QScreen>
#include <QWidget>

namespace EstiloDialogo {

void fundoBranco(QWidget *janela)
{
    QPalette p = janela->palette();
    p.setColor(QPalette::Window, Qt::white);
    janela->setPalette(p);
    janela->setAutoFillBackground(true);
}

void centraNaTela(QWidget *janela)
{
    QScreen *tela = nullptr;
    if (QWidget *ativa = QApplication::activeWindow(); ativa && ativa != janela) tela = ativa->screen();
    if (!tela) tela = QGuiApplication::primaryScreen();
    if (!tela) return;
    const QRect area = tela->availableGeometry();
    QRect r = janela->frameGeometry();
    r.moveCenter(area.center());
    janela->move(r.topLeft());
}

} // namespace EstiloDialogo
