#include "ExibeModal.h"

#include <QDialog>
#include <QEvent>
#include <QEventLoop>
#include <QPointer>
#include <QWidget>

namespace {
// Ends the loop when the watched window is hidden.
class FimAoOcultar : public QObject {
public:
    FimAoOcultar(QEventLoop &laco) : laco_(laco) {}
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::Hide) laco_.quit();
        return false;
    }

private:
    QEventLoop &laco_;
};
} // namespace

void exibeModal(QWidget *janela)
{
    if (!janela) return;
    if (auto *dialogo = qobject_cast<QDialog *>(janela)) {
        dialogo->exec();
        return;
    }
    QPointer<QWidget> vigia(janela);
    QEventLoop laco;
    FimAoOcultar filtro(laco);
    QObject::connect(janela, &QObject::destroyed, &laco, &QEventLoop::quit);
    janela->installEventFilter(&filtro);
    janela->setWindowModality(Qt::ApplicationModal);
    janela->show();
    if (vigia && vigia->isVisible()) laco.exec(QEventLoop::DialogExec);
    if (vigia) vigia->removeEventFilter(&filtro);
}
