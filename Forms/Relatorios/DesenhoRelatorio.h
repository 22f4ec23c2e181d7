#pragma once
// Draws one report run, page by page, with QPainter on any paged device (QPdfWriter, QPrinter).

#include "LayoutRelatorio.h"
#include "Marcadores.h"
#include "Paginacao.h"

#include <QDateTime>
#include <QHash>
#include <QImage>
#include <QPageLayout>
#include <functional>

class QPagedPaintDevice;
class QPainter;

// Everything a run reads besides its layout.
struct DadosRelatorio {
    QHash<QString, QString> parametros; // keys in lower case
    std::function<const FonteDados *(const QString &)> conexao;
    QString pastaProjeto; // relative image files are read from here
    QDateTime agora;
};

class DesenhoRelatorio {
public:
    // Plans the pages at once (and again at every drawing); a dataset connection the layout
    // names and nobody registered makes the run invalid.
    DesenhoRelatorio(const LayoutRelatorio &layout, DadosRelatorio dados);

    bool valido() const { return erro_.isEmpty(); }
    const QString &erro() const { return erro_; }
    int paginas() const { return int(plano_.size()); }
    const LayoutRelatorio &layout() const { return layout_; }

    static QPageLayout layoutPagina(const PaginaRelatorio &pagina);

    // Pages `de` to `ate` (1-based; 0 for the first or the last); `aoDesenhar` hears each page
    // number before it is drawn. False when the device cannot be painted on.
    bool desenha(QPagedPaintDevice &dispositivo, int de = 0, int ate = 0,
                 const std::function<void(int)> &aoDesenhar = {});

private:
    bool prepara();
    void desenhaBanda(QPainter &p, const BandaColocada &b, int pagina);
    void desenhaItem(QPainter &p, const ItemRelatorio &it, const QPointF &origem, const ContextoMarcadores &c);
    QImage imagem(const ItemRelatorio &it, const ContextoMarcadores &c);
    QRectF px(const QRectF &mm) const;
    QPointF px(const QPointF &mm) const;

    LayoutRelatorio layout_;
    DadosRelatorio dados_;
    const FonteDados *principal_ = nullptr;
    QList<PaginaPlanejada> plano_;
    QString erro_;
    double kx_ = 1, ky_ = 1; // device units per millimetre
    QHash<QByteArray, QImage> imagensCampo_;
    QHash<QString, QImage> imagensArquivo_;
};
