#include "uFuncoes.h"

#include "Mensagens.h"
#include "Plataforma.h"

#include <QDate>
#include <QRegularExpression>
#include <optional>

bool CPFValido = false;
bool CNPJValido = false;
bool NumeroValido = false;
bool TinhaAcento = false;

namespace {

// Optional leading blanks, optional sign, then decimal digits up to the end, within 32 bits.
std::optional<int> converteInteiro(QStringView texto)
{
    qsizetype i = 0;
    while (i < texto.size() && texto[i] == QLatin1Char(' ')) ++i;
    bool negativo = false;
    if (i < texto.size() && (texto[i] == QLatin1Char('-') || texto[i] == QLatin1Char('+'))) {
        negativo = texto[i] == QLatin1Char('-');
        ++i;
    }
    if (i == texto.size()) return std::nullopt;
    const qint64 limite = negativo ? qint64(2147483648) : qint64(2147483647);
    qint64 valor = 0;
    for (; i < texto.size(); ++i) {
        const QChar c = texto[i];
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return std::nullopt;
        valor = valor * 10 + (c.unicode() - '0');
        if (valor > limite) return std::nullopt;
    }
    return int(negativo ? -valor : valor);
}

QString somenteDigitos(const QString &texto)
{
    QString r;
    for (QChar c : texto)
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) r.append(c);
    return r;
}

bool todosDigitos(QStringView s)
{
    for (QChar c : s)
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return false;
    return true;
}

int digito(QStringView s, int i) { return s[i].unicode() - '0'; }

// Check digit from a weighted sum, as CNPJ numbers use it.
int digitoCNPJ(int soma)
{
    const int resto = soma % 11;
    return resto < 2 ? 0 : 11 - resto;
}

} // namespace

ErroConversao::ErroConversao(const QString &texto)
    : ErroFuncoes(QStringLiteral("'%1' não é um valor inteiro válido").arg(texto))
{
}

int ExtraiNumero(const QString &texto)
{
    QString numero;
    for (QChar c : texto)
        if ((c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char(',')) numero.append(c);
    const std::optional<int> valor = converteInteiro(numero);
    if (!valor) throw ErroConversao(numero);
    return *valor;
}

QString RemoveAcentos(const QString &texto)
{
    static const QString acentuados = QStringLiteral("áàâäãéèêëíìîïóòôöõúùûüçÁÀÂÄÃÉÈÊËÍÌÎÏÓÒÔÖÕÚÙÛÜÇªº");
    static const QString simples = QStringLiteral("aaaaaeeeeiiiiooooouuuucAAAAAEEEEIIIIOOOOOUUUUC--");
    TinhaAcento = false;
    QString r = texto;
    for (QChar &c : r) {
        const qsizetype p = acentuados.indexOf(c);
        if (p >= 0) {
            c = simples[p];
            TinhaAcento = true;
        }
    }
    return r;
}

void ValidaInteiro(const QString &texto)
{
    NumeroValido = converteInteiro(texto).has_value();
}

bool TeclaAlternada(int codigoVirtual)
{
    return Plataforma::atual().teclaAlternada(codigoVirtual);
}

void ValidaCPF(const QString &texto)
{
    ConfereCPF(somenteDigitos(texto));
}

bool ConfereCPF(const QString &digitos)
{
    // Only the first eleven characters are read; a non-digit among them makes the number invalid.
    const QStringView d = QStringView(digitos).left(11);
    bool valido = d.size() == 11 && todosDigitos(d);
    if (valido) {
        int s1 = 0, s2 = 0;
        for (int i = 0; i < 9; ++i) {
            s1 += (10 - i) * digito(d, i);
            s2 += (11 - i) * digito(d, i);
        }
        int dv1 = 11 - s1 % 11;
        if (dv1 >= 10) dv1 = 0;
        s2 += 2 * dv1;
        int dv2 = 11 - s2 % 11;
        if (dv2 >= 10) dv2 = 0;
        valido = QString(QString::number(dv1) + QString::number(dv2)) == d.mid(9, 2);
    }
    CPFValido = valido;
    if (!valido) informacao(QStringLiteral("O CPF digitado é inválido!"));
    return valido;
}

void ValidaCNPJ(const QString &texto)
{
    ConfereCNPJ(somenteDigitos(texto));
}

bool ConfereCNPJ(const QString &digitos)
{
    QString d = digitos;
    d.remove(QLatin1Char('/')).remove(QLatin1Char('-')).remove(QLatin1Char('.'));
    bool valido = d.size() == 14 && todosDigitos(d);
    if (valido) {
        int s1 = 0, s2 = 0;
        for (int i = 1; i <= 12; ++i) {
            const int b = digito(d, i - 1);
            s1 += b * (i <= 4 ? 6 - i : 14 - i);
            s2 += b * (i <= 5 ? 7 - i : 15 - i);
        }
        const int dv1 = digitoCNPJ(s1);
        const int dv2 = digitoCNPJ(s2 + 2 * dv1);
        valido = QString(QString::number(dv1) + QString::number(dv2)) == QStringView(d).mid(12, 2);
    }
    CNPJValido = valido;
    if (!valido) informacao(QStringLiteral("O CNPJ digitado é inválido!"));
    return valido;
}

bool ValidaData(QVariant &campo, const QString &texto)
{
    campo = QVariant();
    if (texto == QLatin1String("  /  /  ") || texto == QLatin1String("  /  /    ")) return true;

    // Day/month/year, each number possibly padded with blanks by the mask. A two-digit year
    // is read in the window 1950-2049 (00-49 -> 20xx, 50-99 -> 19xx); a year of one or three
    // digits is a year still being typed and is refused.
    static const QRegularExpression re(
        QStringLiteral("^ *([0-9]{1,2}) */ *([0-9]{1,2}) */ *([0-9]{2}|[0-9]{4}) *$"));
    const QRegularExpressionMatch m = re.match(texto);
    QDate data;
    if (m.hasMatch()) {
        int ano = m.captured(3).toInt();
        if (m.capturedLength(3) == 2) ano += ano < 50 ? 2000 : 1900;
        data = QDate(ano, m.captured(2).toInt(), m.captured(1).toInt());
    }
    if (!data.isValid()) {
        informacao(QStringLiteral("Não é uma data válida!"));
        return false;
    }
    campo = data;
    return true;
}
