#include "MascaraDelphi.h"

#include <algorithm>

namespace {

// A step of the mask: a character position or a case change ('>', '<', '!' as in Qt).
struct Passo {
    bool ehCaixa = false;
    QChar caixa;
    PosicaoMascara posicao;
};

PosicaoMascara entrada(PosicaoMascara::Tipo tipo, bool obrigatoria)
{
    PosicaoMascara p;
    p.tipo = tipo;
    p.obrigatoria = obrigatoria;
    return p;
}

PosicaoMascara literal(QChar c)
{
    PosicaoMascara p;
    p.literal = c;
    return p;
}

QList<Passo> passos(const QString &mascara)
{
    QList<Passo> r;
    auto posicao = [&r](PosicaoMascara p) { r.append(Passo{false, QChar(), p}); };
    auto caixa = [&r](QChar c) { r.append(Passo{true, c, {}}); };
    for (qsizetype i = 0; i < mascara.size(); ++i) {
        const QChar c = mascara.at(i);
        switch (c.unicode()) {
        case '\\':
            if (i + 1 < mascara.size()) posicao(literal(mascara.at(++i)));
            break;
        case '!': break; // fill direction, not a position
        case '>': caixa(u'>'); break;
        case '<':
            if (i + 1 < mascara.size() && mascara.at(i + 1) == u'>') {
                caixa(u'!');
                ++i;
            } else {
                caixa(u'<');
            }
            break;
        case '0': posicao(entrada(PosicaoMascara::Digito, true)); break;
        case '9': posicao(entrada(PosicaoMascara::Digito, false)); break;
        case '#': posicao(entrada(PosicaoMascara::DigitoOuSinal, false)); break;
        case 'L': posicao(entrada(PosicaoMascara::Letra, true)); break;
        case 'l': posicao(entrada(PosicaoMascara::Letra, false)); break;
        case 'A': posicao(entrada(PosicaoMascara::Alfanumerico, true)); break;
        case 'a': posicao(entrada(PosicaoMascara::Alfanumerico, false)); break;
        case 'C': posicao(entrada(PosicaoMascara::Qualquer, true)); break;
        case 'c': posicao(entrada(PosicaoMascara::Qualquer, false)); break;
        case '_': posicao(literal(u' ')); break;
        default: posicao(literal(c)); break;
        }
    }
    // A Qt mask ends at its first ';', so a literal ';' cannot be shown: it is left out.
    r.removeIf([](const Passo &p) {
        return !p.ehCaixa && p.posicao.ehLiteral() && p.posicao.literal == u';';
    });
    return r;
}

QChar caractereQt(const PosicaoMascara &p)
{
    switch (p.tipo) {
    case PosicaoMascara::Digito: return p.obrigatoria ? u'9' : u'0';
    case PosicaoMascara::DigitoOuSinal: return u'#';
    case PosicaoMascara::Letra: return p.obrigatoria ? u'A' : u'a';
    case PosicaoMascara::Alfanumerico: return p.obrigatoria ? u'N' : u'n';
    case PosicaoMascara::Qualquer: return p.obrigatoria ? u'X' : u'x';
    case PosicaoMascara::Literal: break;
    }
    return p.literal;
}

bool ehMetaQt(QChar c)
{
    static const QString meta = QStringLiteral("AaNnXx90Dd#HhBb><!\\[]{}");
    return meta.contains(c);
}

} // namespace

bool PosicaoMascara::aceita(QChar c) const
{
    switch (tipo) {
    case Digito: return c.isNumber();
    case DigitoOuSinal: return c.isNumber() || c == u'+' || c == u'-';
    case Letra: return c.isLetter();
    case Alfanumerico: return c.isLetterOrNumber();
    case Qualquer: return c.isPrint();
    case Literal: break;
    }
    return false;
}

MascaraDelphi MascaraDelphi::interpreta(const QString &delphi)
{
    MascaraDelphi m;
    qsizetype i = 0;
    for (; i < delphi.size(); ++i) {
        if (delphi.at(i) == u'\\') {
            ++i;
            continue;
        }
        if (delphi.at(i) == u';') break;
    }
    m.mascara = delphi.left(i);
    if (i >= delphi.size()) return m;

    const qsizetype fimFlag = delphi.indexOf(u';', i + 1);
    const QString flag = delphi.mid(i + 1, fimFlag < 0 ? -1 : fimFlag - i - 1);
    m.salvaLiterais = !flag.startsWith(u'0');
    if (fimFlag >= 0 && fimFlag + 1 < delphi.size()) m.branco = delphi.at(fimFlag + 1);
    return m;
}

bool MascaraDelphi::preencheDaDireita() const
{
    for (qsizetype i = 0; i < mascara.size(); ++i) {
        if (mascara.at(i) == u'\\') ++i;
        else if (mascara.at(i) == u'!') return true;
    }
    return false;
}

QList<PosicaoMascara> MascaraDelphi::posicoes() const
{
    QList<PosicaoMascara> r;
    for (const Passo &p : passos(mascara))
        if (!p.ehCaixa) r.append(p.posicao);
    return r;
}

QString MascaraDelphi::paraQt() const
{
    const QList<Passo> lista = passos(mascara);
    if (std::none_of(lista.begin(), lista.end(), [](const Passo &p) { return !p.ehCaixa; }))
        return QString(); // no character position: a plain box
    QString qt;
    for (const Passo &p : lista) {
        if (p.ehCaixa) {
            qt += p.caixa;
        } else if (p.posicao.ehLiteral()) {
            if (ehMetaQt(p.posicao.literal)) qt += u'\\';
            qt += p.posicao.literal;
        } else {
            qt += caractereQt(p.posicao);
        }
    }
    return qt + u';' + branco;
}

QString mascaraQt(const QString &delphi)
{
    return MascaraDelphi::interpreta(delphi).paraQt();
}
