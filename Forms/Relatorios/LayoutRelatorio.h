#pragma once
// One report of the project file: page, dataset connection and bands. Measures in millimetres,
// positions of items relative to the top-left corner of their band.

#include <QColor>
#include <QLineF>
#include <QList>
#include <QMarginsF>
#include <QRectF>
#include <QSizeF>
#include <QString>

struct FonteItem {
    QString familia = QStringLiteral("DejaVu Sans");
    double tamanho = 9; // points
    bool negrito = false;
    bool italico = false;
    bool sublinhado = false;
};

enum class TipoItem { Texto, Linha, Retangulo, Imagem };

struct ItemRelatorio {
    TipoItem tipo = TipoItem::Texto;
    QRectF area;         // texto, retangulo, imagem
    QLineF linha;        // linha
    double espessura = 0.2;
    QColor cor = Qt::black;
    QColor preenchimento; // invalid: none

    // texto
    QString texto;
    FonteItem fonte;
    Qt::Alignment alinhamento = Qt::AlignLeft | Qt::AlignVCenter;
    bool quebraLinha = false;
    // Shrinks the font, down to `tamanhoMinimo` points, until the text fits its box (on one
    // line, or wrapped when `quebraLinha`); what still does not fit is wrapped, smaller still if
    // the box's height asks for it, so no letter is ever cut.
    bool reduzir = false;
    double tamanhoMinimo = 5;
    bool moldura = false;
    QString formato; // for placeholders that carry none

    // imagem: a blob field ("CAMPO" or "CONEXAO.CAMPO") or a file (placeholders allowed)
    QString campo;
    QString arquivo;
    bool proporcional = true;
};

enum class TipoBanda { CabecalhoPagina, Titulo, CabecalhoColunas, CabecalhoGrupo, Detalhe, RodapeGrupo, Resumo, RodapePagina };

struct BandaRelatorio {
    TipoBanda tipo = TipoBanda::Detalhe;
    double altura = 0;
    QString campo;        // group bands: the field whose change starts a new group
    bool repetir = false; // group header: printed again on top of a page the group continues on
    QList<ItemRelatorio> itens;
};

struct PaginaRelatorio {
    QSizeF papel{210, 297}; // narrow side first
    bool paisagem = false;  // the longer side is horizontal
    QMarginsF margens{10, 10, 10, 10};

    QSizeF folha() const { return paisagem ? papel.transposed() : papel; } // as printed
};

struct LayoutRelatorio {
    QString nome;
    QString conexao; // dataset iterated by the detail band; empty: the detail prints once
    PaginaRelatorio pagina;
    QList<BandaRelatorio> bandas;

    const BandaRelatorio *banda(TipoBanda tipo) const
    {
        for (const BandaRelatorio &b : bandas)
            if (b.tipo == tipo) return &b;
        return nullptr;
    }
    // Group fields, outermost first: headers in the order they appear, then the fields that
    // have only a footer, in the reverse order of their footers.
    QStringList camposGrupo() const;
    const BandaRelatorio *bandaGrupo(TipoBanda tipo, const QString &campo) const
    {
        for (const BandaRelatorio &b : bandas)
            if (b.tipo == tipo && b.campo.compare(campo, Qt::CaseInsensitive) == 0) return &b;
        return nullptr;
    }
};
