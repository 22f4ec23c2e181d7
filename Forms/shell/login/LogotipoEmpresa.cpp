#include "LogotipoEmpresa.h"

#include "uFuncoes.h"

#include <QDir>
#include <QFile>
#include <QImage>
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

    try {
        // The small picture first: a source that is no JPEG fails here, before the company's
        // own files are touched.
        AjustaImagemArquivo(origem, tmp, 100, 100, Branco);
        const QImage pequena(tmp, "JPG");
        if (pequena.isNull())
            throw ErroImagem(QStringLiteral("Não foi possível ler o arquivo \"%1\".").arg(tmp));
        AjustaImagemArquivo(origem, r.arquivoImagem, 190, 190, Branco);
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
