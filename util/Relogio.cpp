#include "Relogio.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

namespace {

class RelogioSistema final : public Relogio {
public:
    QDate hoje() const override { return QDate::currentDate(); }
    QDateTime agora() const override { return QDateTime::currentDateTime(); }
    void espera(int ms) override
    {
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < ms) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
            QThread::msleep(10);
        }
    }
};

RelogioSistema g_sistema;
Relogio *g_atual = nullptr;

} // namespace

Relogio &Relogio::atual() { return g_atual ? *g_atual : g_sistema; }
void Relogio::instala(Relogio *r) { g_atual = r; }
