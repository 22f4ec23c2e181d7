#include "AreaLogotipo.h"
#include "LabelClicavel.h"

#include <QEvent>
#include <QPainter>
#include <QVBoxLayout>

AreaLogotipo::AreaLogotipo(QWidget *parent)
    : QWidget(parent),
      LabelLogotipo(new LabelClicavel(QStringLiteral("Seu logotipo aqui"), this)),
      ImagemLogotipo(new LabelClicavel(QString(), this)),
      ImagemPadrao(new LabelClicavel(QString(), this)),
      LabelSeuLogotipo(new QLabel(QStringLiteral("Seu logotipo aqui. Clique para alterar."), this))
{
    setObjectName(QStringLiteral("AreaLogotipo"));
    LabelLogotipo->setObjectName(QStringLiteral("LabelLogotipo"));
    ImagemLogotipo->setObjectName(QStringLiteral("ImagemLogotipo"));
    ImagemPadrao->setObjectName(QStringLiteral("ImagemPadrao"));
    LabelSeuLogotipo->setObjectName(QStringLiteral("LabelSeuLogotipo"));

    LabelLogotipo->setAlignment(Qt::AlignCenter);
    LabelLogotipo->setStyleSheet(QStringLiteral("color: #808080;"));

    // Both pictures fill the same square; only one of them is visible.
    auto *quadro = new QWidget(this);
    quadro->setFixedSize(Lado, Lado);
    for (QLabel *imagem : {static_cast<QLabel *>(ImagemLogotipo), static_cast<QLabel *>(ImagemPadrao)}) {
        imagem->setParent(quadro);
        imagem->setGeometry(0, 0, Lado, Lado);
        imagem->setScaledContents(true);
    }
    ImagemPadrao->setPixmap(imagemPadrao());
    ImagemLogotipo->hide();

    LabelSeuLogotipo->setParent(quadro);
    LabelSeuLogotipo->setGeometry(0, Lado - 24, Lado, 24);
    LabelSeuLogotipo->setAlignment(Qt::AlignCenter);
    LabelSeuLogotipo->setAutoFillBackground(true);
    LabelSeuLogotipo->setStyleSheet(QStringLiteral("background-color: #FFFFE1; color: #000000;"));
    LabelSeuLogotipo->setAttribute(Qt::WA_TransparentForMouseEvents);
    LabelSeuLogotipo->hide();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(LabelLogotipo);
    layout->addWidget(quadro);
    layout->addStretch();

    for (LabelClicavel *l : {LabelLogotipo, ImagemLogotipo, ImagemPadrao}) {
        l->installEventFilter(this);
        connect(l, &LabelClicavel::clicado, this, &AreaLogotipo::clicado);
    }
}

void AreaLogotipo::mostraImagem(const QPixmap &imagem)
{
    const bool temImagem = !imagem.isNull();
    ImagemLogotipo->setPixmap(imagem);
    ImagemLogotipo->setVisible(temImagem);
    ImagemPadrao->setVisible(!temImagem);
    LabelSeuLogotipo->raise();
}

bool AreaLogotipo::mostraPadrao() const { return !ImagemPadrao->isHidden(); }

bool AreaLogotipo::eventFilter(QObject *objeto, QEvent *evento)
{
    if (evento->type() == QEvent::Enter) {
        LabelSeuLogotipo->raise();
        LabelSeuLogotipo->show();
    } else if (evento->type() == QEvent::Leave) {
        LabelSeuLogotipo->hide();
    }
    return QWidget::eventFilter(objeto, evento);
}

QPixmap AreaLogotipo::imagemPadrao()
{
    QPixmap p(Lado, Lado);
    p.fill(Qt::white);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);

    // A dashed frame around a promissory-note sheet with a currency mark.
    g.setPen(QPen(QColor(0xB0, 0xB0, 0xB0), 2, Qt::DashLine));
    g.drawRoundedRect(QRectF(4, 4, Lado - 8, Lado - 8), 12, 12);

    const QRectF folha(45, 35, 100, 120);
    g.setPen(QPen(QColor(0x00, 0x80, 0xC0), 3));
    g.setBrush(QColor(0xEA, 0xF4, 0xFB));
    g.drawRoundedRect(folha, 6, 6);
    g.setPen(QPen(QColor(0x00, 0x80, 0xC0), 2));
    for (int i = 0; i < 4; ++i) {
        const qreal y = folha.top() + 62 + i * 13;
        g.drawLine(QPointF(folha.left() + 14, y), QPointF(folha.right() - (i == 3 ? 46 : 14), y));
    }
    QFont fonte = g.font();
    fonte.setBold(true);
    fonte.setPixelSize(30);
    g.setFont(fonte);
    g.setPen(QColor(0x00, 0xA4, 0x00));
    g.drawText(QRectF(folha.left(), folha.top() + 8, folha.width(), 44), Qt::AlignCenter, QStringLiteral("R$"));
    return p;
}
