#pragma once
// "Today" and waits come from here, so that tests can fix the date and make waits instant.

#include <QDate>
#include <QDateTime>

class Relogio {
public:
    virtual ~Relogio() = default;
    virtual QDate hoje() const = 0;
    virtual QDateTime agora() const = 0;
    // Waits `ms` milliseconds keeping the windows painted.
    virtual void espera(int ms) = 0;

    static Relogio &atual();
    static void instala(Relogio *r); // not owned; nullptr restores the system clock
};

inline QDate hoje() { return Relogio::atual().hoje(); }
