#include "LeitorRav.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>

namespace {

constexpr double kMaiorMedida = 5000; // mm

struct ErroLeitura {
    QString texto;
};

// Reads values of one JSON object, naming the place of the object in every error.
class Objeto {
public:
    Objeto(const QJsonValue &v, QString lugar) : lugar_(std::move(lugar))
    {
        if (!v.isObject()) falha(QStringLiteral("deveria ser um objeto"));
        o_ = v.toObject();
    }
    const QString &lugar() const { return lugar_; }
    bool tem(const char *chave) const { return o_.contains(QLatin1String(chave)); }
    QJsonValue bruto(const char *chave) const { return o_.value(QLatin1String(chave)); }

    [[noreturn]] void falha(const QString &motivo, const char *chave = nullptr) const
    {
        throw ErroLeitura{lugar_ + (chave ? QStringLiteral(".") + QLatin1String(chave) : QString()) + QStringLiteral(": ")
                          + motivo};
    }
    QString texto(const char *chave, const QString &padrao = {}) const
    {
        if (!tem(chave)) return padrao;
        const QJsonValue v = bruto(chave);
        if (!v.isString()) falha(QStringLiteral("deveria ser um texto"), chave);
        return v.toString();
    }
    bool logico(const char *chave, bool padrao) const
    {
        if (!tem(chave)) return padrao;
        const QJsonValue v = bruto(chave);
        if (!v.isBool()) falha(QStringLiteral("deveria ser true ou false"), chave);
        return v.toBool();
    }
    double numero(const char *chave, double padrao, double minimo = 0, double maximo = kMaiorMedida) const
    {
        if (!tem(chave)) return padrao;
        const QJsonValue v = bruto(chave);
        if (!v.isDouble() || !std::isfinite(v.toDouble())) falha(QStringLiteral("deveria ser um número"), chave);
        const double d = v.toDouble();
        if (d < minimo || d > maximo)
            falha(QStringLiteral("fora do intervalo de %1 a %2").arg(minimo).arg(maximo), chave);
        return d;
    }
    QColor cor(const char *chave, const QColor &padrao) const
    {
        if (!tem(chave)) return padrao;
        const QColor c = QColor::fromString(texto(chave));
        if (!c.isValid()) falha(QStringLiteral("cor inválida"), chave);
        return c;
    }
    template <typename T>
    T escolha(const char *chave, std::initializer_list<std::pair<const char *, T>> opcoes, T padrao) const
    {
        if (!tem(chave)) return padrao;
        const QString t = texto(chave);
        for (const auto &[nome, valor] : opcoes)
            if (t == QLatin1String(nome)) return valor;
        falha(QStringLiteral("valor desconhecido \"%1\"").arg(t), chave);
    }
    QJsonArray lista(const char *chave) const
    {
        if (!tem(chave)) return {};
        const QJsonValue v = bruto(chave);
        if (!v.isArray()) falha(QStringLiteral("deveria ser uma lista"), chave);
        return v.toArray();
    }

private:
    QJsonObject o_;
    QString lugar_;
};

FonteItem leFonte(const Objeto &dono, const FonteItem &base)
{
    if (!dono.tem("fonte")) return base;
    const Objeto o(dono.bruto("fonte"), dono.lugar() + QStringLiteral(".fonte"));
    FonteItem f;
    f.familia = o.texto("familia", base.familia);
    f.tamanho = o.numero("tamanho", base.tamanho, 1, 200);
    f.negrito = o.logico("negrito", base.negrito);
    f.italico = o.logico("italico", base.italico);
    f.sublinhado = o.logico("sublinhado", base.sublinhado);
    return f;
}

ItemRelatorio leItem(const Objeto &o, const FonteItem &fontePadrao)
{
    ItemRelatorio it;
    if (!o.tem("tipo")) o.falha(QStringLiteral("falta o tipo"));
    it.tipo = o.escolha<TipoItem>("tipo", {{"texto", TipoItem::Texto}, {"linha", TipoItem::Linha},
                                           {"retangulo", TipoItem::Retangulo}, {"imagem", TipoItem::Imagem}},
                                  TipoItem::Texto);
    const double x = o.numero("x", 0), y = o.numero("y", 0);
    it.area = QRectF(x, y, o.numero("largura", 0), o.numero("altura", 0));
    it.linha = QLineF(x, y, o.numero("x2", x), o.numero("y2", y));
    it.espessura = o.numero("espessura", it.espessura, 0, 20);
    it.cor = o.cor("cor", it.cor);
    it.preenchimento = o.cor("preenchimento", QColor());

    it.texto = o.texto("texto");
    it.fonte = leFonte(o, fontePadrao);
    const Qt::Alignment h = o.escolha<Qt::Alignment>(
        "alinhamento", {{"esquerda", Qt::AlignLeft}, {"centro", Qt::AlignHCenter}, {"direita", Qt::AlignRight},
                        {"justificado", Qt::AlignJustify}}, Qt::AlignLeft);
    const Qt::Alignment v = o.escolha<Qt::Alignment>(
        "alinhamentoVertical", {{"topo", Qt::AlignTop}, {"meio", Qt::AlignVCenter}, {"base", Qt::AlignBottom}},
        Qt::AlignVCenter);
    it.alinhamento = h | v;
    it.quebraLinha = o.logico("quebraLinha", false);
    it.reduzir = o.logico("reduzir", false);
    it.tamanhoMinimo = o.numero("tamanhoMinimo", it.tamanhoMinimo, 1, 200);
    it.moldura = o.logico("moldura", false);
    it.formato = o.texto("formato");

    it.campo = o.texto("campo");
    it.arquivo = o.texto("arquivo");
    it.proporcional = o.logico("proporcional", true);
    if (it.tipo == TipoItem::Imagem && it.campo.isEmpty() && it.arquivo.isEmpty())
        o.falha(QStringLiteral("uma imagem precisa de \"campo\" ou \"arquivo\""));
    return it;
}

BandaRelatorio leBanda(const Objeto &o, const FonteItem &fontePadrao)
{
    BandaRelatorio b;
    if (!o.tem("tipo")) o.falha(QStringLiteral("falta o tipo"));
    b.tipo = o.escolha<TipoBanda>("tipo",
                                  {{"cabecalhoPagina", TipoBanda::CabecalhoPagina}, {"titulo", TipoBanda::Titulo},
                                   {"cabecalhoColunas", TipoBanda::CabecalhoColunas},
                                   {"cabecalhoGrupo", TipoBanda::CabecalhoGrupo}, {"detalhe", TipoBanda::Detalhe},
                                   {"rodapeGrupo", TipoBanda::RodapeGrupo}, {"resumo", TipoBanda::Resumo},
                                   {"rodapePagina", TipoBanda::RodapePagina}},
                                  TipoBanda::Detalhe);
    b.altura = o.numero("altura", 0);
    b.campo = o.texto("campo");
    b.repetir = o.logico("repetir", false);
    const bool grupo = b.tipo == TipoBanda::CabecalhoGrupo || b.tipo == TipoBanda::RodapeGrupo;
    if (grupo && b.campo.isEmpty()) o.falha(QStringLiteral("uma banda de grupo precisa de \"campo\""));
    const QJsonArray itens = o.lista("itens");
    for (qsizetype i = 0; i < itens.size(); ++i)
        b.itens.append(leItem(Objeto(itens.at(i), o.lugar() + QStringLiteral(".itens[%1]").arg(i)), fontePadrao));
    return b;
}

LayoutRelatorio leRelatorio(const Objeto &o)
{
    LayoutRelatorio r;
    r.nome = o.texto("nome").trimmed();
    if (r.nome.isEmpty()) o.falha(QStringLiteral("falta o nome"));
    r.conexao = o.texto("conexao").trimmed();
    if (o.tem("pagina")) {
        const Objeto p(o.bruto("pagina"), o.lugar() + QStringLiteral(".pagina"));
        const double l = p.numero("largura", 210, 10), a = p.numero("altura", 297, 10);
        r.pagina.papel = QSizeF(qMin(l, a), qMax(l, a));
        r.pagina.paisagem = l > a || p.escolha<bool>("orientacao", {{"retrato", false}, {"paisagem", true}}, false);
        if (p.tem("margens")) {
            const Objeto m(p.bruto("margens"), p.lugar() + QStringLiteral(".margens"));
            r.pagina.margens = QMarginsF(m.numero("esquerda", 10), m.numero("superior", 10), m.numero("direita", 10),
                                         m.numero("inferior", 10));
        }
        const QSizeF folha = r.pagina.folha();
        const QMarginsF &mg = r.pagina.margens;
        if (mg.left() + mg.right() >= folha.width() || mg.top() + mg.bottom() >= folha.height())
            p.falha(QStringLiteral("as margens não deixam espaço na página"));
    }
    const FonteItem fonte = leFonte(o, FonteItem());
    const QJsonArray bandas = o.lista("bandas");
    for (qsizetype i = 0; i < bandas.size(); ++i)
        r.bandas.append(leBanda(Objeto(bandas.at(i), o.lugar() + QStringLiteral(".bandas[%1]").arg(i)), fonte));
    return r;
}

} // namespace

std::optional<QList<LayoutRelatorio>> LeitorRav::le(const QByteArray &texto, QString *erro)
{
    QJsonParseError pe;
    const QJsonDocument doc = QJsonDocument::fromJson(texto, &pe);
    try {
        if (pe.error != QJsonParseError::NoError)
            throw ErroLeitura{QStringLiteral("JSON inválido na posição %1: %2").arg(pe.offset).arg(pe.errorString())};
        const Objeto raiz(doc.isObject() ? QJsonValue(doc.object()) : QJsonValue(), QStringLiteral("projeto"));
        if (!raiz.tem("relatorios")) raiz.falha(QStringLiteral("falta a lista \"relatorios\""));
        const QJsonArray lista = raiz.lista("relatorios");
        QList<LayoutRelatorio> r;
        for (qsizetype i = 0; i < lista.size(); ++i) {
            LayoutRelatorio rel = leRelatorio(Objeto(lista.at(i), QStringLiteral("relatorios[%1]").arg(i)));
            for (const LayoutRelatorio &outro : r)
                if (outro.nome.compare(rel.nome, Qt::CaseInsensitive) == 0)
                    throw ErroLeitura{QStringLiteral("relatorios[%1]: nome repetido \"%2\"").arg(i).arg(rel.nome)};
            r.append(std::move(rel));
        }
        return r;
    } catch (const ErroLeitura &e) {
        if (erro) *erro = e.texto;
        return std::nullopt;
    }
}
