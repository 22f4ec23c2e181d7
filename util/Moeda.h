#pragma once
// Money: signed fixed point with four decimals, exact to and from NUMERIC(18,3).

#include <QMetaType>
#include <QString>
#include <compare>
#include <cstdint>
#include <optional>

class Moeda {
public:
    static constexpr int64_t Escala = 10000;

    constexpr Moeda() = default;
    static constexpr Moeda deUnidades(int64_t unidades) { Moeda m; m.v_ = unidades; return m; }
    static Moeda deReais(int64_t reais) { return deUnidades(reais * Escala); }
    // A scaled integer as the database stores it: valor * 10^-escala (escala 0..4 decimals).
    static Moeda deEscalado(int64_t valor, int decimais);
    static Moeda deDouble(double v); // rounded to the nearest unit, halves away from zero
    // Parses "1.234,56", "1234,56", "-12,5", "R$ 1.234,56"; nullopt for anything else.
    static std::optional<Moeda> deTexto(const QString &texto);

    constexpr int64_t unidades() const { return v_; }
    // Value scaled to `decimais` decimals, rounded halves away from zero.
    int64_t escalado(int decimais) const;
    double paraDouble() const { return double(v_) / Escala; }

    // "R$ 1.234,56", negative "-R$ 1.234,56"; rounded to cents.
    QString formatado() const;
    // "1.234,56" (no symbol), for edit boxes.
    QString formatadoSemSimbolo() const;

    constexpr Moeda operator+(Moeda o) const { return deUnidades(v_ + o.v_); }
    constexpr Moeda operator-(Moeda o) const { return deUnidades(v_ - o.v_); }
    constexpr Moeda operator-() const { return deUnidades(-v_); }
    Moeda &operator+=(Moeda o) { v_ += o.v_; return *this; }
    Moeda &operator-=(Moeda o) { v_ -= o.v_; return *this; }
    Moeda operator*(int64_t n) const { return deUnidades(v_ * n); }
    constexpr auto operator<=>(const Moeda &) const = default;
    constexpr bool ehZero() const { return v_ == 0; }

private:
    int64_t v_ = 0;
};

Q_DECLARE_METATYPE(Moeda)
