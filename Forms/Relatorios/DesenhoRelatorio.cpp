#include "DesenhoRelatorio.h"

#include <QDir>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrinter>

DesenhoRelatorio::DesenhoRelatorio(const LayoutRelatorio &layout, DadosRelatorio dados)
    : layout_(layout), dados_(std::move(dados))
{
    prepara();
}

bool DesenhoRelatorio::prepara()
{
    principal_ = nullptr;
    plano_.clear();
    erro_.clear();
    if (!layout_.conexao.isEmpty()) {
        principal_ = dados_.conexao ? dados_.conexao(layout_.conexao) : nullptr;
        if (!principal_) {
            erro_ = QStringLiteral("A conexão de dados \"%1\" não está registrada.").arg(layout_.conexao);
            return false;
        }
    }
    plano_ = Paginacao::planeja(layout_, principal_);
    return true;
}

QPageLayout DesenhoRelatorio::layoutPagina(const PaginaRelatorio &pagina)
{
    const QPageSize tamanho(pagina.papel, QPageSize::Millimeter, QString(), QPageSize::ExactMatch);
    return QPageLayout(tamanho, pagina.paisagem ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF(),
                       QPageLayout::Millimeter);
}

QRectF DesenhoRelatorio::px(const QRectF &mm) const
{
    return QRectF(mm.x() * kx_, mm.y() * ky_, mm.width() * kx_, mm.height() * ky_);
}

QPointF DesenhoRelatorio::px(const QPointF &mm) const { return QPointF(mm.x() * kx_, mm.y() * ky_); }

bool DesenhoRelatorio::desenha(QPagedPaintDevice &dispositivo, int de, int ate,
                               const std::function<void(int)> &aoDesenhar)
{
    // The rows are read again: a preview draws more than once, and its window may outlive them.
    if (!prepara()) return false;
    if (auto *impressora = dynamic_cast<QPrinter *>(&dispositivo)) impressora->setFullPage(true);
    dispositivo.setPageLayout(layoutPagina(layout_.pagina));
    const int primeira = de > 0 ? qMin(de, paginas()) : 1;
    const int ultima = ate > 0 ? qMin(ate, paginas()) : paginas();

    QPainter p;
    if (!p.begin(&dispositivo)) return false;
    kx_ = dispositivo.logicalDpiX() / 25.4;
    ky_ = dispositivo.logicalDpiY() / 25.4;
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    for (int n = primeira; n <= ultima; ++n) {
        if (n > primeira && !dispositivo.newPage()) {
            p.end();
            return false;
        }
        if (aoDesenhar) aoDesenhar(n);
        for (const BandaColocada &b : std::as_const(plano_.at(n - 1).bandas)) desenhaBanda(p, b, n);
    }
    return p.end();
}

void DesenhoRelatorio::desenhaBanda(QPainter &p, const BandaColocada &b, int pagina)
{
    ContextoMarcadores c;
    c.parametros = &dados_.parametros;
    c.principal = principal_;
    c.nomePrincipal = layout_.conexao;
    c.conexao = dados_.conexao;
    c.linha = b.linha;
    c.inicio = b.inicio;
    c.fim = b.fim;
    c.pagina = pagina;
    c.paginas = paginas();
    c.agora = dados_.agora;
    const QPointF origem(layout_.pagina.margens.left(), b.y);
    for (const ItemRelatorio &it : b.banda->itens) desenhaItem(p, it, origem, c);
}

namespace {
QPen caneta(const ItemRelatorio &it, double k)
{
    if (it.espessura <= 0) return Qt::NoPen;
    QPen pen(it.cor, it.espessura * k);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}
// The largest size, from the item's own down to its minimum, at which `texto` fits `area`. A text
// that does not fit even at the minimum is wrapped (at its blanks, or anywhere for a word longer
// than the box), smaller still when the box's height asks for it: no letter is ever cut.
// Sizes go in whole device pixels, as the text is drawn, so that what is measured is what prints.
// Gives the flags to draw with and leaves the size in `f`.
int ajustaTexto(QPainter &p, const ItemRelatorio &it, const QRectF &area, const QString &texto, QFont &f, int flags)
{
    auto cabe = [&](int tamanho, int comFlags) {
        f.setPixelSize(tamanho);
        const QRectF precisa = QFontMetricsF(f, p.device()).boundingRect(area, comFlags, texto);
        return precisa.width() <= area.width() && precisa.height() <= area.height();
    };
    const double pixelsPorPonto = p.device()->logicalDpiY() / 72.0;
    const int maior = qMax(1, qRound(it.fonte.tamanho * pixelsPorPonto));
    const int menor = qBound(1, qRound(it.tamanhoMinimo * pixelsPorPonto), maior);
    for (int tamanho = maior; tamanho >= menor; --tamanho)
        if (cabe(tamanho, flags)) return flags;
    const int palavras = flags | Qt::TextWordWrap;
    const int qualquer = (flags & ~Qt::TextWordWrap) | Qt::TextWrapAnywhere;
    for (int tamanho = menor; tamanho > 1; --tamanho) {
        if (cabe(tamanho, palavras)) return palavras;
        if (cabe(tamanho, qualquer)) return qualquer;
    }
    f.setPixelSize(1);
    return qualquer;
}

} // namespace

void DesenhoRelatorio::desenhaItem(QPainter &p, const ItemRelatorio &it, const QPointF &origem,
                                   const ContextoMarcadores &c)
{
    const QRectF area = px(it.area.translated(origem));
    switch (it.tipo) {
    case TipoItem::Texto: {
        if (it.preenchimento.isValid()) p.fillRect(area, it.preenchimento);
        const QString texto = Marcadores::expande(it.texto, c, it.formato);
        if (!texto.isEmpty()) {
            QFont f(it.fonte.familia);
            f.setPointSizeF(it.fonte.tamanho);
            f.setBold(it.fonte.negrito);
            f.setItalic(it.fonte.italico);
            f.setUnderline(it.fonte.sublinhado);
            int flags = int(it.alinhamento);
            if (it.quebraLinha) flags |= Qt::TextWordWrap;
            if (it.reduzir) flags = ajustaTexto(p, it, area, texto, f, flags);
            p.save();
            p.setFont(f);
            p.setPen(it.cor);
            p.setClipRect(area);
            p.drawText(area, flags, texto);
            p.restore();
        }
        if (it.moldura) {
            p.setPen(caneta(it, kx_));
            p.setBrush(Qt::NoBrush);
            p.drawRect(area);
        }
        break;
    }
    case TipoItem::Linha:
        p.setPen(caneta(it, kx_));
        p.drawLine(px(it.linha.p1() + origem), px(it.linha.p2() + origem));
        break;
    case TipoItem::Retangulo:
        p.setPen(caneta(it, kx_));
        p.setBrush(it.preenchimento.isValid() ? QBrush(it.preenchimento) : QBrush(Qt::NoBrush));
        p.drawRect(area);
        break;
    case TipoItem::Imagem: {
        const QImage img = imagem(it, c);
        if (img.isNull() || area.isEmpty()) break;
        QRectF alvo = area;
        if (it.proporcional) {
            const QSizeF s = QSizeF(img.size()).scaled(area.size(), Qt::KeepAspectRatio);
            alvo = QRectF(QPointF(), s);
            alvo.moveCenter(area.center());
        }
        p.drawImage(alvo, img);
        break;
    }
    }
}

QImage DesenhoRelatorio::imagem(const ItemRelatorio &it, const ContextoMarcadores &c)
{
    if (!it.campo.isEmpty()) {
        const QVariant v = Marcadores::valor(it.campo, c);
        if (v.metaType().id() != QMetaType::QByteArray) return {};
        const QByteArray bytes = v.toByteArray();
        if (bytes.isEmpty()) return {};
        auto pos = imagensCampo_.find(bytes);
        if (pos == imagensCampo_.end()) pos = imagensCampo_.insert(bytes, QImage::fromData(bytes));
        return *pos;
    }
    QString arquivo = Marcadores::expande(it.arquivo, c);
#ifndef Q_OS_WIN
    arquivo.replace(QLatin1Char('\\'), QLatin1Char('/'));
#endif
    if (arquivo.isEmpty()) return {};
    if (QDir::isRelativePath(arquivo)) arquivo = QDir(dados_.pastaProjeto).filePath(arquivo);
    auto pos = imagensArquivo_.find(arquivo);
    if (pos == imagensArquivo_.end()) pos = imagensArquivo_.insert(arquivo, QImage(arquivo));
    return *pos;
}
