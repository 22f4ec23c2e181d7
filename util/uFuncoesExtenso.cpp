// Amount in words, as printed on the promissory notes.
#include "uFuncoes.h"

#include "Mensagens.h"

#include <charconv>
#include <cmath>
#include <string>

namespace {

const char *const Unidades[] = {"Um", "Dois", "Tres", "Quatro", "Cinco", "Seis", "Sete", "Oito", "Nove"};
const char *const DezADezenove[] = {"Onze", "Doze", "Treze", "Quatorze", "Quinze",
                                    "Dezesseis", "Dezessete", "Dezoito", "Dezenove"};
const char *const Dezenas[] = {"Dez", "Vinte", "Trinta", "Quarenta", "Cinquenta",
                               "Sessenta", "Setenta", "Oitenta", "Noventa"};
const char *const Centenas[] = {"Cento", "Duzentos", "Trezentos", "Quatrocentos", "Quinhentos",
                                "Seiscentos", "Setecentos", "Oitocentos", "Novecentos"};

// Word of digit `c` in `tabela`; digit 0 has none.
QString palavra(const char *const tabela[], QChar c)
{
    return c == QLatin1Char('0') ? QString() : QString::fromLatin1(tabela[c.unicode() - '1']);
}

bool ehGrupo(const QString &g)
{
    if (g.size() != 3) return false;
    for (QChar c : g)
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return false;
    return true;
}

// The amount as "000000.00", rounded to the nearest cent (halves up). Rounding is done on the
// shortest decimal text that reads back as `valor`, so 1234.56 gives 56 cents and 1.005 gives
// 1 cent, as the amount was typed, whatever the binary value's last bits are.
QString formataSeisDigitos(double valor)
{
    char buf[512];
    const auto r = std::to_chars(buf, buf + sizeof buf, valor, std::chars_format::fixed);
    const std::string texto(buf, r.ptr);
    const auto ponto = texto.find('.');
    const std::string inteiro = texto.substr(0, ponto);
    std::string fracao = ponto == std::string::npos ? std::string() : texto.substr(ponto + 1);
    fracao.resize(3, '0');
    const qint64 centavos = std::stoll(inteiro) * 100 + std::stoi(fracao.substr(0, 2))
                          + (fracao[2] >= '5' ? 1 : 0);
    return QStringLiteral("%1,%2")
        .arg(centavos / 100, 6, 10, QLatin1Char('0'))
        .arg(centavos % 100, 2, 10, QLatin1Char('0'));
}

} // namespace

QString CentenaPorExtenso(const QString &grupo)
{
    if (!ehGrupo(grupo)) return QString();
    const QChar h = grupo[0], d = grupo[1], u = grupo[2];
    QString dezena, unidade;
    if (d == QLatin1Char('1') && u != QLatin1Char('0')) {
        unidade = palavra(DezADezenove, u);
    } else {
        dezena = palavra(Dezenas, d);
        unidade = palavra(Unidades, u);
    }
    QString centena;
    if (h == QLatin1Char('1') && dezena.isEmpty() && unidade.isEmpty())
        centena = QStringLiteral("Cem");
    else
        centena = palavra(Centenas, h);

    const QString e = QStringLiteral(" e ");
    return centena
         + SeTexto(!centena.isEmpty() && (!dezena.isEmpty() || !unidade.isEmpty()), e, QString())
         + dezena
         + SeTexto(!dezena.isEmpty() && !unidade.isEmpty(), e, QString())
         + unidade;
}

QString ValorPorExtenso(double valor)
{
    // The upper bound is compared in extended precision, so 999999.99 itself is accepted.
    if (std::isnan(valor) || static_cast<long double>(valor) > 999999.99L || valor < 0) {
        mensagemSimples(QStringLiteral("O valor está fora do intervalo permitido.")
                        + QStringLiteral("O número deve ser maior ou igual a zero e menor que 999.999,99.")
                        + QStringLiteral(" Se não for corrigido o número não será escrito por extenso."));
        return QString();
    }
    if (valor == 0) return QString();

    const QString s = formataSeisDigitos(valor);
    const QString milhar = CentenaPorExtenso(s.mid(0, 3));
    const QString real = CentenaPorExtenso(s.mid(3, 3));
    const QString centavos = CentenaPorExtenso(QLatin1Char('0') + s.mid(7, 2));

    QString r = milhar;
    if (!milhar.isEmpty())
        r += SeTexto(s.mid(3, 3) == QLatin1String("000"), QStringLiteral(" Mil Reais"), QStringLiteral(" Mil, "));
    if (!milhar.isEmpty() && s.mid(3, 2) == QLatin1String("00") && s[5] != QLatin1Char('0'))
        r += QStringLiteral(" e ");
    r += real;
    if (milhar.isEmpty() && s.mid(3, 3) == QLatin1String("001"))
        r += QStringLiteral(" Real");
    else if (s.mid(3, 3) != QLatin1String("000"))
        r += QStringLiteral(" Reais");

    if (centavos.isEmpty()) return r + QLatin1Char('.');
    if (milhar.isEmpty() && real.isEmpty())
        r = centavos;
    else
        r += QStringLiteral(", e ") + centavos;
    return r + SeTexto(s.mid(7, 2) == QLatin1String("01"), QStringLiteral(" Centavo."),
                       QStringLiteral(" Centavos."));
}
