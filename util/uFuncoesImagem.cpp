// Fitting of a logo picture into a fixed box.
#include "uFuncoes.h"

#include <QBuffer>
#include <QColor>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QSaveFile>
#include <cmath>

namespace {

// Nearest integer, a tie going to the even one.
int arredondaBancario(double x)
{
    const double base = std::floor(x);
    const double diferenca = x - base;
    if (diferenca > 0.5) return int(base) + 1;
    if (diferenca < 0.5) return int(base);
    return std::fmod(base, 2.0) == 0 ? int(base) : int(base) + 1;
}

// A TColor holds red in the low byte: 0x00BBGGRR. The high byte (system colours) is ignored.
QColor corDeTColor(uint cor)
{
    return QColor(int(cor & 0xFF), int((cor >> 8) & 0xFF), int((cor >> 16) & 0xFF));
}

QImage leJpeg(QIODevice &origem)
{
    // Every JPEG stream starts with the SOI marker followed by another marker.
    if (!origem.peek(3).startsWith("\xFF\xD8\xFF"))
        throw ErroImagem(QStringLiteral("Arquivo de imagem inválido: a imagem não está no formato JPEG."));
    QImageReader leitor(&origem, "jpeg");
    QImage imagem = leitor.read();
    if (imagem.isNull() || imagem.width() < 1 || imagem.height() < 1)
        throw ErroImagem(QStringLiteral("Arquivo de imagem inválido: não foi possível ler a imagem JPEG."));
    return imagem;
}

} // namespace

void AjustaImagem(QIODevice &origem, QIODevice &destino, int largura, int altura, uint cor)
{
    if (largura < 1)
        throw ErroImagem(QStringLiteral("Comprimento informado para a imagen deve ser maior que 1 (um)"));
    if (altura < 1)
        throw ErroImagem(QStringLiteral("Altura informada para a imagen deve ser maior que 1 (um)"));

    const QImage imagem = leJpeg(origem);
    const double proporcao = double(imagem.width()) / double(imagem.height());
    int esquerda = 0, topo = 0, larguraDesenho = 0, alturaDesenho = 0;
    if (proporcao > 1) {
        larguraDesenho = largura;
        alturaDesenho = arredondaBancario(largura / proporcao);
        topo = (altura - alturaDesenho) / 2;
    } else {
        alturaDesenho = altura;
        larguraDesenho = arredondaBancario(altura * proporcao);
        esquerda = (largura - larguraDesenho) / 2;
    }

    QImage quadro(largura, altura, QImage::Format_RGB32);
    if (quadro.isNull())
        throw ErroImagem(QStringLiteral("Não foi possível criar uma imagem de %1 x %2 pixels.")
                             .arg(largura).arg(altura));
    quadro.fill(corDeTColor(cor));
    {
        QPainter pintor(&quadro);
        pintor.setRenderHint(QPainter::SmoothPixmapTransform);
        pintor.drawImage(QRect(esquerda, topo, larguraDesenho, alturaDesenho), imagem);
    }

    QImageWriter gravador(&destino, "jpeg");
    if (!gravador.write(quadro))
        throw ErroImagem(QStringLiteral("Não foi possível gravar a imagem JPEG."));
}

void AjustaImagemArquivo(const QString &origem, const QString &destino, int largura, int altura, uint cor)
{
    QFile arquivoOrigem(origem);
    if (!arquivoOrigem.open(QIODevice::ReadOnly))
        throw ErroImagem(QStringLiteral("Não foi possível abrir o arquivo \"%1\".").arg(origem));

    // The picture is made in memory first, so a failure leaves the target untouched.
    QBuffer memoria;
    memoria.open(QIODevice::WriteOnly);
    AjustaImagem(arquivoOrigem, memoria, largura, altura, cor);
    arquivoOrigem.close();

    QSaveFile arquivoDestino(destino);
    if (!arquivoDestino.open(QIODevice::WriteOnly)
        || arquivoDestino.write(memoria.data()) != memoria.data().size()
        || !arquivoDestino.commit())
        throw ErroImagem(QStringLiteral("Não foi possível gravar o arquivo \"%1\".").arg(destino));
}
