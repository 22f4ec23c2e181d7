#include "LogotipoEmpresa.h"

#include "uFuncoes.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QSaveFile>

namespace {

constexpr uint Branco = 16777215;

// A registry folder may be written the Windows way ("C:\Brelo\Prontanota\").
QString arquivo(const QString &pasta, const QString &nome)
{
    QString p = pasta;
    p.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return p.isEmpty() ? nome : QDir(p).filePath(nome);
}

// The picture as a JPEG stream for the fitting routine. A JPEG goes as it is; another format
// that Qt reads is converted; what Qt cannot read goes as it is, so that the fitting routine
// reports it.
QByteArray comoJpeg(const QString &origem)
{
    QFile f(origem);
    if (!f.open(QIODevice::ReadOnly))
        throw ErroImagem(QStringLiteral("Não foi possível abrir o arquivo \"%1\".").arg(origem));
    const QByteArray dados = f.readAll();
    if (dados.startsWith("\xFF\xD8\xFF")) return dados;
    QBuffer entrada;
    entrada.setData(dados);
    entrada.open(QIODevice::ReadOnly);
    QImageReader leitor(&entrada);
    const QImage imagem = leitor.read();
    if (imagem.isNull()) return dados;
    QByteArray jpeg;
    QBuffer saida(&jpeg);
    saida.open(QIODevice::WriteOnly);
    if (!imagem.convertToFormat(QImage::Format_RGB32).save(&saida, "JPG", 100)) return dados;
    return jpeg;
}

// Fits the JPEG `jpeg` into a box and writes it to `destino`; the target is untouched on failure.
void ajusta(const QByteArray &jpeg, const QString &destino, int lado)
{
    QBuffer origem;
    origem.setData(jpeg);
    origem.open(QIODevice::ReadOnly);
    QBuffer memoria;
    memoria.open(QIODevice::WriteOnly);
    AjustaImagem(origem, memoria, lado, lado, Branco);
    QSaveFile f(destino);
    if (!f.open(QIODevice::WriteOnly) || f.write(memoria.data()) != memoria.data().size() || !f.commit())
        throw ErroImagem(QStringLiteral("Não foi possível gravar o arquivo \"%1\".").arg(destino));
}

} // namespace

QString NomeImagemEmpresa(int codigo)
{
    return QStringLiteral("E%1.JPG").arg(codigo, 6, 10, QLatin1Char('0'));
}

LogotipoEmpresa GravaLogotipoEmpresa(const QString &origem, const QString &pasta, int codigo)
{
    LogotipoEmpresa r;
    r.nomeImagem = NomeImagemEmpresa(codigo);
    r.arquivoImagem = arquivo(pasta, r.nomeImagem);
    const QString bmp = arquivo(pasta, r.nomeImagem.chopped(4) + QStringLiteral(".BMP"));
    const QString tmp = arquivo(pasta, QStringLiteral("Tmp.JPG"));

    const QByteArray jpeg = comoJpeg(origem);
    try {
        // The small picture first: a source that cannot be read fails here, before the
        // company's own files are touched.
        ajusta(jpeg, tmp, 100);
        const QImage pequena(tmp, "JPG");
        if (pequena.isNull())
            throw ErroImagem(QStringLiteral("Não foi possível ler o arquivo \"%1\".").arg(tmp));
        ajusta(jpeg, r.arquivoImagem, 190);
        QSaveFile f(bmp);
        if (!f.open(QIODevice::WriteOnly) || !pequena.save(&f, "BMP") || !f.commit())
            throw ErroImagem(QStringLiteral("Não foi possível gravar o arquivo \"%1\".").arg(bmp));
    } catch (...) {
        QFile::remove(tmp);
        throw;
    }
    QFile::remove(tmp);

    QFile lido(bmp);
    if (!lido.open(QIODevice::ReadOnly))
        throw ErroImagem(QStringLiteral("Não foi possível abrir o arquivo \"%1\".").arg(bmp));
    r.bitmap = lido.readAll();
    return r;
}
