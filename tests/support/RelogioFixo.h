#pragma once
// Test clock: a fixed date, and waits that return at once but are recorded.

#include "Relogio.h"

#include <QList>
#include <functional>

class RelogioFixo final : public Relogio {
public:
    explicit RelogioFixo(QDate dia = QDate(2026, 3, 15)) : dia_(dia) { Relogio::instala(this); }
    ~RelogioFixo() override { Relogio::instala(nullptr); }

    void defineHoje(QDate d) { dia_ = d; }
    QDate hoje() const override { return dia_; }
    QDateTime agora() const override { return QDateTime(dia_, QTime(10, 0)); }
    void espera(int ms) override
    {
        esperas.append(ms);
        if (aoEsperar) aoEsperar(ms);
    }

    QList<int> esperas;
    std::function<void(int)> aoEsperar; // runs during each wait (what a user does meanwhile)

private:
    QDate dia_;
};
