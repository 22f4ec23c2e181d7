#include "Marcadores.h"

#include "Moeda.h"
#include "uFuncoes.h"

#include <QLocale>
#include <optional>

namespace {

const QLocale &localeBrasil()
{
    static const QLocale l(QLocale::Portuguese, QLocale::Brazil);
    return l;
}

bool ehMoeda(const QVariant &v) { return v.metaType() == QMetaType::fromType<Moeda>(); }

bool ehInteiro(const QVariant &v)
{
    switch (v.metaType().id()) {
    case QMetaType::Int: case QMetaType::UInt: case QMetaType::LongLong: case QMetaType::ULongLong:
    case QMetaType::Short: case QMetaType::UShort:
        return true;
    default:
        return false;
    }
}

std::optional<Moeda> paraMoeda(const QVariant &v)
{
    if (ehMoeda(v)) return v.value<Moeda>();
    if (ehInteiro(v)) return Moeda::deReais(v.toLongLong());
    if (v.metaType().id() == QMetaType::Double) return Moeda::deDouble(v.toDouble());
    if (v.metaType().id() == QMetaType::QString) return Moeda::deTexto(v.toString().trimmed());
    return std::nullopt;
}

std::optional<QDateTime> paraDataHora(const QVariant &v)
{
    switch (v.metaType().id()) {
    case QMetaType::QDate: return QDateTime(v.toDate(), QTime(0, 0));
    case QMetaType::QDateTime: return v.toDateTime();
    case QMetaType::QString: {
        const QDate d = QDate::fromString(v.toString().trimmed(), QStringLiteral("dd/MM/yyyy"));
        if (d.isValid()) return QDateTime(d, QTime(0, 0));
        return std::nullopt;
    }
    default: return std::nullopt;
    }
}

// "#####-###": each '#' takes the next character of the text. Several masks separated by ';'
// ("###.###.###-##;##.###.###/####-##") choose by the length of the text; a text of another
// length is kept.
QString aplicaMascara(const QString &texto, const QString &mascaras)
{
    for (const QString &mascara : mascaras.split(QLatin1Char(';'))) {
        if (texto.size() != mascara.count(QLatin1Char('#'))) continue;
        QString r;
        qsizetype i = 0;
        for (const QChar ch : mascara) r.append(ch == QLatin1Char('#') ? texto.at(i++) : ch);
        return r;
    }
    return texto;
}

bool soZeros(const QString &f)
{
    for (const QChar ch : f)
        if (ch != QLatin1Char('0')) return false;
    return !f.isEmpty();
}

QString padrao(const QVariant &v)
{
    if (ehMoeda(v)) return v.value<Moeda>().formatado();
    switch (v.metaType().id()) {
    case QMetaType::QDate: return v.toDate().toString(QStringLiteral("dd/MM/yyyy"));
    case QMetaType::QDateTime: return v.toDateTime().toString(QStringLiteral("dd/MM/yyyy hh:mm"));
    case QMetaType::QTime: return v.toTime().toString(QStringLiteral("hh:mm"));
    case QMetaType::Double: return Moeda::deDouble(v.toDouble()).formatadoSemSimbolo();
    case QMetaType::QByteArray: return QString();
    default: return v.toString();
    }
}

QVariant soma(const FonteDados &f, const QString &campo, int inicio, int fim)
{
    const int col = f.coluna(campo);
    if (col < 0) return {};
    Moeda total;
    bool soInteiros = true;
    for (int i = inicio; i < fim; ++i) {
        const QVariant v = f.valor(i, col);
        if (v.isNull() || !v.isValid()) continue;
        soInteiros = soInteiros && ehInteiro(v);
        if (const auto m = paraMoeda(v)) total += *m;
    }
    if (soInteiros) return QVariant::fromValue(qlonglong(total.unidades() / Moeda::Escala));
    return QVariant::fromValue(total);
}

} // namespace

QVariant Marcadores::valor(const QString &nome, const ContextoMarcadores &c)
{
    if (nome == QLatin1String("pagina")) return c.pagina;
    if (nome == QLatin1String("paginas")) return c.paginas;
    if (nome == QLatin1String("data")) return c.agora.date();
    if (nome == QLatin1String("hora")) return c.agora.time();
    if (nome == QLatin1String("linha")) return c.linha >= 0 ? QVariant(c.linha + 1) : QVariant();
    if (nome == QLatin1String("contagem")) return qMax(0, c.fim - c.inicio);
    if (nome.startsWith(QLatin1String("soma:")))
        return c.principal ? soma(*c.principal, nome.mid(5).trimmed(), c.inicio, c.fim) : QVariant();

    const qsizetype ponto = nome.indexOf(QLatin1Char('.'));
    if (ponto > 0) {
        const QString conexao = nome.left(ponto), campo = nome.mid(ponto + 1);
        if (c.principal && conexao.compare(c.nomePrincipal, Qt::CaseInsensitive) == 0)
            return c.principal->valor(c.linha, campo);
        const FonteDados *f = c.conexao ? c.conexao(conexao) : nullptr;
        return f ? f->valor(f->linhaAtual(), campo) : QVariant();
    }
    if (c.parametros) {
        const auto it = c.parametros->constFind(nome.toLower());
        if (it != c.parametros->constEnd()) return *it;
    }
    return c.principal ? c.principal->valor(c.linha, nome) : QVariant();
}

QString Marcadores::formata(const QVariant &v, const QString &formato)
{
    if (!v.isValid() || v.isNull()) return QString();
    const QString f = formato.trimmed();
    if (f.isEmpty()) return padrao(v);
    if (f == QLatin1String("moeda") || f == QLatin1String("valor") || f == QLatin1String("extenso")) {
        const auto m = paraMoeda(v);
        if (!m) return padrao(v);
        if (f == QLatin1String("moeda")) return m->formatado();
        if (f == QLatin1String("valor")) return m->formatadoSemSimbolo();
        return ValorPorExtenso(m->paraDouble());
    }
    if (f == QLatin1String("simnao")) return v.toString() == QLatin1String("T") ? QStringLiteral("Sim") : QStringLiteral("Não");
    if (f == QLatin1String("maiusculas")) return padrao(v).toUpper();
    if (f.startsWith(QLatin1String("mascara:"))) return aplicaMascara(padrao(v), f.mid(8));
    if (soZeros(f)) {
        bool ok = false;
        const qlonglong n = v.toLongLong(&ok);
        return ok ? QStringLiteral("%1").arg(n, int(f.size()), 10, QLatin1Char('0')) : padrao(v);
    }
    if (v.metaType().id() == QMetaType::QTime) return localeBrasil().toString(v.toTime(), f);
    if (const auto dh = paraDataHora(v)) return localeBrasil().toString(*dh, f);
    return padrao(v);
}

QString Marcadores::expande(const QString &modelo, const ContextoMarcadores &c, const QString &formatoPadrao)
{
    if (!modelo.contains(QLatin1Char('{')) && !modelo.contains(QLatin1Char('}'))) return modelo;
    QString r;
    r.reserve(modelo.size() + 16);
    const qsizetype n = modelo.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar ch = modelo.at(i);
        const bool dobrado = i + 1 < n && modelo.at(i + 1) == ch;
        if (ch == QLatin1Char('}') && dobrado) { r.append(ch); ++i; continue; }
        if (ch != QLatin1Char('{')) { r.append(ch); continue; }
        if (dobrado) { r.append(ch); ++i; continue; }
        const qsizetype fim = modelo.indexOf(QLatin1Char('}'), i + 1);
        if (fim < 0) { r.append(modelo.mid(i)); break; }
        const QString marca = modelo.mid(i + 1, fim - i - 1);
        const qsizetype barra = marca.indexOf(QLatin1Char('|'));
        const QString nome = (barra < 0 ? marca : marca.left(barra)).trimmed();
        const QString formato = barra < 0 ? formatoPadrao : marca.mid(barra + 1);
        r.append(formata(valor(nome, c), formato));
        i = fim;
    }
    return r;
}
