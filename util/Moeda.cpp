#include "Moeda.h"

#include <QRegularExpression>
#include <cmath>

namespace {

int64_t potencia10(int n)
{
    int64_t p = 1;
    while (n-- > 0) p *= 10;
    return p;
}

// Divides rounding halves away from zero.
int64_t divideArredondando(int64_t a, int64_t b)
{
    int64_t q = a / b, r = a % b;
    if (2 * (r < 0 ? -r : r) >= b) q += (a < 0 ? -1 : 1);
    return q;
}

QString agrupaMilhares(int64_t inteiro)
{
    QString s = QString::number(inteiro);
    for (int i = s.size() - 3; i > 0; i -= 3) s.insert(i, QLatin1Char('.'));
    return s;
}

} // namespace

Moeda Moeda::deEscalado(int64_t valor, int decimais)
{
    if (decimais <= 4) return deUnidades(valor * potencia10(4 - decimais));
    return deUnidades(divideArredondando(valor, potencia10(decimais - 4)));
}

Moeda Moeda::deDouble(double v)
{
    return deUnidades(static_cast<int64_t>(std::llround(v * Escala)));
}

int64_t Moeda::escalado(int decimais) const
{
    if (decimais >= 4) return v_ * potencia10(decimais - 4);
    return divideArredondando(v_, potencia10(4 - decimais));
}

QString Moeda::formatadoSemSimbolo() const
{
    int64_t centavos = escalado(2);
    const bool negativo = centavos < 0;
    if (negativo) centavos = -centavos;
    QString s = agrupaMilhares(centavos / 100) + QLatin1Char(',')
              + QStringLiteral("%1").arg(centavos % 100, 2, 10, QLatin1Char('0'));
    return negativo ? QLatin1Char('-') + s : s;
}

QString Moeda::formatado() const
{
    const QString s = formatadoSemSimbolo();
    if (s.startsWith(QLatin1Char('-'))) return QStringLiteral("-R$ ") + s.mid(1);
    return QStringLiteral("R$ ") + s;
}

std::optional<Moeda> Moeda::deTexto(const QString &texto)
{
    QString t = texto.trimmed();
    bool negativo = false;
    if (t.startsWith(QLatin1Char('-'))) { negativo = true; t = t.mid(1).trimmed(); }
    if (t.startsWith(QStringLiteral("R$"))) t = t.mid(2).trimmed();
    if (!negativo && t.startsWith(QLatin1Char('-'))) { negativo = true; t = t.mid(1).trimmed(); }
    static const QRegularExpression re(
        QStringLiteral("^(\\d{1,3}(?:\\.\\d{3})+|\\d+)?(?:,(\\d{0,4}))?$"));
    const auto m = re.match(t);
    if (t.isEmpty() || !m.hasMatch() || (m.captured(1).isEmpty() && m.captured(2).isEmpty()))
        return std::nullopt;
    QString inteiro = m.captured(1);
    inteiro.remove(QLatin1Char('.'));
    if (inteiro.size() > 14) return std::nullopt;
    const QString fracao = m.captured(2).leftJustified(4, QLatin1Char('0'));
    const int64_t v = inteiro.toLongLong() * Escala + fracao.toLongLong();
    return deUnidades(negativo ? -v : v);
}
