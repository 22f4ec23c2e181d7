// Logo fitting: geometry, background colour, errors, and the file variant.
#include "test_util.h"

#include "uFuncoes.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr uint Branco = 16777215;

QByteArray codifica(const QImage &imagem, const char *formato)
{
    QByteArray dados;
    QBuffer buffer(&dados);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter gravador(&buffer, formato);
    gravador.setQuality(100);
    if (!gravador.write(imagem)) qFatal("could not encode the test picture");
    return dados;
}

QByteArray imagemSolida(QSize tamanho, Qt::GlobalColor cor, const char *formato = "jpeg")
{
    QImage imagem(tamanho, QImage::Format_RGB32);
    imagem.fill(cor);
    return codifica(imagem, formato);
}

// Runs AjustaImagem on in-memory streams and decodes what it wrote.
QImage ajusta(const QByteArray &fonte, int largura, int altura, uint cor)
{
    QBuffer origem;
    origem.setData(fonte);
    origem.open(QIODevice::ReadOnly);
    QByteArray saida;
    QBuffer destino(&saida);
    destino.open(QIODevice::WriteOnly);
    AjustaImagem(origem, destino, largura, altura, cor);
    if (!saida.startsWith("\xFF\xD8\xFF")) return QImage();
    return QImage::fromData(saida, "JPEG");
}

bool escuro(const QImage &imagem, int x, int y) { return qGray(imagem.pixel(x, y)) < 128; }

// Bounding box of the dark pixels along the middle row and column.
QRect areaEscura(const QImage &imagem)
{
    const int meioX = imagem.width() / 2, meioY = imagem.height() / 2;
    int topo = -1, baixo = -1, esquerda = -1, direita = -1;
    for (int y = 0; y < imagem.height(); ++y)
        if (escuro(imagem, meioX, y)) { if (topo < 0) topo = y; baixo = y; }
    for (int x = 0; x < imagem.width(); ++x)
        if (escuro(imagem, x, meioY)) { if (esquerda < 0) esquerda = x; direita = x; }
    return QRect(QPoint(esquerda, topo), QPoint(direita, baixo));
}

bool corProxima(QRgb pixel, QColor esperada)
{
    return qAbs(qRed(pixel) - esperada.red()) <= 12 && qAbs(qGreen(pixel) - esperada.green()) <= 12
        && qAbs(qBlue(pixel) - esperada.blue()) <= 12;
}

QString texto(QRgb p) { return QStringLiteral("(%1,%2,%3)").arg(qRed(p)).arg(qGreen(p)).arg(qBlue(p)); }

} // namespace

void TesteUtil::ajustaImagemGeometria_data()
{
    QTest::addColumn<QSize>("fonte");
    QTest::addColumn<QSize>("caixa");
    QTest::addColumn<QRect>("desenho");
    QTest::newRow("paisagem 400x200 em 190x190") << QSize(400, 200) << QSize(190, 190) << QRect(0, 47, 190, 95);
    QTest::newRow("retrato 200x400 em 190x190") << QSize(200, 400) << QSize(190, 190) << QRect(47, 0, 95, 190);
    QTest::newRow("quadrada ocupa a altura") << QSize(200, 200) << QSize(100, 60) << QRect(20, 0, 60, 60);
    QTest::newRow("paisagem em caixa alta") << QSize(300, 100) << QSize(90, 120) << QRect(0, 45, 90, 30);
    // 194 / 4 = 48.5: the tie goes to the even 48, so the top is (194 - 48) div 2 = 73.
    QTest::newRow("empate vai para o par") << QSize(800, 200) << QSize(194, 194) << QRect(0, 73, 194, 48);
}

void TesteUtil::ajustaImagemGeometria()
{
    QFETCH(QSize, fonte);
    QFETCH(QSize, caixa);
    QFETCH(QRect, desenho);
    const QImage saida = ajusta(imagemSolida(fonte, Qt::black), caixa.width(), caixa.height(), Branco);
    QCOMPARE(saida.size(), caixa);
    QCOMPARE(areaEscura(saida), desenho);
}

void TesteUtil::ajustaImagemCorDeFundo_data()
{
    // The colour is a TColor: 0x00BBGGRR, red in the low byte.
    QTest::addColumn<uint>("cor");
    QTest::addColumn<QColor>("esperada");
    QTest::newRow("branco") << uint(16777215) << QColor(255, 255, 255);
    QTest::newRow("vermelho") << uint(0x0000FF) << QColor(255, 0, 0);
    QTest::newRow("azul") << uint(0xFF0000) << QColor(0, 0, 255);
    QTest::newRow("verde") << uint(0x00FF00) << QColor(0, 255, 0);
    QTest::newRow("laranja") << uint(0x0080FF) << QColor(255, 128, 0);
}

void TesteUtil::ajustaImagemCorDeFundo()
{
    QFETCH(uint, cor);
    QFETCH(QColor, esperada);
    // A red picture on the background: the strips above and below keep the background colour.
    const QImage saida = ajusta(imagemSolida(QSize(400, 200), Qt::red), 190, 190, cor);
    QCOMPARE(saida.size(), QSize(190, 190));
    for (QPoint p : {QPoint(95, 15), QPoint(5, 180)})
        QVERIFY2(corProxima(saida.pixel(p), esperada), qPrintable(texto(saida.pixel(p))));
    QVERIFY2(corProxima(saida.pixel(95, 95), Qt::red), qPrintable(texto(saida.pixel(95, 95))));
}

void TesteUtil::ajustaImagemTamanhoMinimo()
{
    const QByteArray fonte = imagemSolida(QSize(40, 20), Qt::black);
    QCOMPARE(ajusta(fonte, 1, 50, Branco).size(), QSize(1, 50));
    QCOMPARE(ajusta(fonte, 50, 1, Branco).size(), QSize(50, 1));
}

void TesteUtil::ajustaImagemRecusa_data()
{
    const QString largura = QStringLiteral("Comprimento informado para a imagen deve ser maior que 1 (um)");
    const QString altura = QStringLiteral("Altura informada para a imagen deve ser maior que 1 (um)");
    const QByteArray jpeg = imagemSolida(QSize(40, 20), Qt::black);
    QTest::addColumn<QByteArray>("fonte");
    QTest::addColumn<QSize>("caixa");
    QTest::addColumn<QString>("mensagem");
    QTest::newRow("largura 0") << jpeg << QSize(0, 100) << largura;
    QTest::newRow("largura negativa") << jpeg << QSize(-5, 100) << largura;
    QTest::newRow("altura 0") << jpeg << QSize(100, 0) << altura;
    QTest::newRow("as duas 0: largura primeiro") << jpeg << QSize(0, 0) << largura;
    QTest::newRow("tamanho antes do formato") << QByteArray("texto") << QSize(0, 10) << largura;
    QTest::newRow("PNG") << imagemSolida(QSize(40, 20), Qt::black, "png") << QSize(190, 190)
                         << QStringLiteral("Arquivo de imagem inválido: a imagem não está no formato JPEG.");
    QTest::newRow("vazio") << QByteArray() << QSize(190, 190)
                           << QStringLiteral("Arquivo de imagem inválido: a imagem não está no formato JPEG.");
    QTest::newRow("JPEG corrompido") << QByteArray("\xFF\xD8\xFF\xE0 lixo", 10) << QSize(190, 190)
                                     << QStringLiteral("Arquivo de imagem inválido: não foi possível ler a imagem JPEG.");
}

void TesteUtil::ajustaImagemRecusa()
{
    QFETCH(QByteArray, fonte);
    QFETCH(QSize, caixa);
    QFETCH(QString, mensagem);
    QBuffer origem;
    origem.setData(fonte);
    origem.open(QIODevice::ReadOnly);
    QByteArray saida;
    QBuffer destino(&saida);
    destino.open(QIODevice::WriteOnly);
    try {
        AjustaImagem(origem, destino, caixa.width(), caixa.height(), Branco);
        QFAIL("deveria recusar");
    } catch (const ErroImagem &e) {
        QCOMPARE(e.texto(), mensagem);
    }
    QVERIFY(saida.isEmpty());
}

void TesteUtil::ajustaImagemArquivoGrava()
{
    QTemporaryDir pasta;
    QVERIFY(pasta.isValid());
    const QString origem = pasta.filePath(QStringLiteral("logo.jpg"));
    const QString destino = pasta.filePath(QStringLiteral("E1.JPG"));
    QFile arquivo(origem);
    QVERIFY(arquivo.open(QIODevice::WriteOnly));
    arquivo.write(imagemSolida(QSize(200, 400), Qt::black));
    arquivo.close();

    AjustaImagemArquivo(origem, destino, 190, 190, Branco);
    QImage saida(destino, "JPEG");
    QCOMPARE(saida.size(), QSize(190, 190));
    QCOMPARE(areaEscura(saida), QRect(47, 0, 95, 190));

    // Fitting a file onto itself works too: the source is read before the target is replaced.
    AjustaImagemArquivo(destino, destino, 100, 50, Branco);
    QCOMPARE(QImage(destino, "JPEG").size(), QSize(100, 50));
}

void TesteUtil::ajustaImagemArquivoNaoGravaEmFalha_data()
{
    QTest::addColumn<QByteArray>("fonte"); // empty: no source file
    QTest::addColumn<int>("largura");
    QTest::addColumn<bool>("destinoExiste");
    const QByteArray png = imagemSolida(QSize(40, 20), Qt::black, "png");
    const QByteArray jpeg = imagemSolida(QSize(40, 20), Qt::black);
    QTest::newRow("PNG, sem destino") << png << 190 << false;
    QTest::newRow("PNG, destino existente") << png << 190 << true;
    QTest::newRow("largura 0, destino existente") << jpeg << 0 << true;
    QTest::newRow("origem inexistente") << QByteArray() << 190 << false;
}

void TesteUtil::ajustaImagemArquivoNaoGravaEmFalha()
{
    QFETCH(QByteArray, fonte);
    QFETCH(int, largura);
    QFETCH(bool, destinoExiste);
    QTemporaryDir pasta;
    QVERIFY(pasta.isValid());
    const QString origem = pasta.filePath(QStringLiteral("logo.jpg"));
    const QString destino = pasta.filePath(QStringLiteral("E1.JPG"));
    if (!fonte.isEmpty()) {
        QFile arquivo(origem);
        QVERIFY(arquivo.open(QIODevice::WriteOnly));
        arquivo.write(fonte);
    }
    const QByteArray anterior("logo anterior");
    if (destinoExiste) {
        QFile arquivo(destino);
        QVERIFY(arquivo.open(QIODevice::WriteOnly));
        arquivo.write(anterior);
    }

    QVERIFY_THROWS_EXCEPTION(ErroImagem, AjustaImagemArquivo(origem, destino, largura, 190, Branco));

    QFile arquivo(destino);
    QCOMPARE(arquivo.exists(), destinoExiste);
    if (destinoExiste) {
        QVERIFY(arquivo.open(QIODevice::ReadOnly));
        QCOMPARE(arquivo.readAll(), anterior);
    }
    QCOMPARE(QDir(pasta.path()).entryList(QDir::Files | QDir::Hidden).size(),
             (fonte.isEmpty() ? 0 : 1) + (destinoExiste ? 1 : 0));
}
