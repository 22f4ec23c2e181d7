#include "ArquivosSistema.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <filesystem>
#include <system_error>

namespace {

using SeExistir = Plataforma::SeExistir;

QString limpo(const QString &caminho) { return QDir::cleanPath(Arquivos::caminhoLocal(caminho)); }

// Something (even a dangling link) stands at `caminho`.
bool ocupado(const QString &caminho)
{
    const QFileInfo fi(caminho);
    return fi.exists() || fi.isSymLink();
}

bool ehPastaReal(const QString &caminho)
{
    const QFileInfo fi(caminho);
    return fi.isDir() && !fi.isSymLink();
}

// Where `origem` lands when copied or moved to `destino`.
QString alvoDe(const QString &origem, const QString &destino)
{
    const QString d = Arquivos::caminhoLocal(destino);
    if (d.endsWith(QLatin1Char('/')) || QFileInfo(d).isDir())
        return QDir::cleanPath(d + QLatin1Char('/') + QFileInfo(origem).fileName());
    return QDir::cleanPath(d);
}

// Absolute path with links resolved, also for a path that does not exist yet.
QString caminhoReal(const QString &caminho)
{
    QString resto;
    QFileInfo fi(QFileInfo(caminho).absoluteFilePath());
    while (!fi.exists() && !fi.isRoot()) {
        resto = QLatin1Char('/') + fi.fileName() + resto;
        fi.setFile(fi.path());
    }
    return QDir::cleanPath(fi.canonicalFilePath() + resto);
}

bool dentroDe(const QString &caminho, const QString &pasta)
{
    const QString c = caminhoReal(caminho), p = caminhoReal(pasta);
    return c == p || c.startsWith(p + QLatin1Char('/'));
}

bool mesmoArquivo(const QString &a, const QString &b)
{
    std::error_code erro;
    return std::filesystem::equivalent(a.toStdString(), b.toStdString(), erro) && !erro;
}

// Writes a copy of `origem` over `alvo`; the old file stays until the copy is complete.
bool substituiArquivo(const QString &origem, const QString &alvo)
{
    QFile entrada(origem);
    if (!entrada.open(QIODevice::ReadOnly)) return false;
    QSaveFile saida(alvo);
    if (!saida.open(QIODevice::WriteOnly)) return false;
    while (!entrada.atEnd()) {
        const QByteArray bloco = entrada.read(1 << 20);
        if (bloco.isEmpty() || saida.write(bloco) != bloco.size()) {
            saida.cancelWriting(); // the old file stays as it was
            return false;
        }
    }
    if (!saida.commit()) return false;
    QFile::setPermissions(alvo, entrada.permissions());
    return true;
}

bool copiaLink(const QString &origem, const QString &alvo)
{
    std::error_code erro;
    std::filesystem::copy_symlink(origem.toStdString(), alvo.toStdString(), erro);
    return !erro;
}

// Copies the contents of folder `origem` into the existing folder `alvo`.
bool copiaConteudo(const QString &origem, const QString &alvo, bool substitui)
{
    const QDir raiz(origem);
    QDirIterator it(origem, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        const QFileInfo fi = it.fileInfo();
        const QString destino = alvo + QLatin1Char('/') + raiz.relativeFilePath(fi.filePath());
        if (!QDir().mkpath(QFileInfo(destino).path())) return false;
        if (ehPastaReal(fi.filePath())) {
            if (!QDir().mkpath(destino)) return false;
            continue;
        }
        if (!fi.isSymLink() && !fi.isFile()) continue; // sockets, pipes, devices
        if (ocupado(destino)) {
            if (!substitui || ehPastaReal(destino)) return false;
            if (fi.isSymLink() || QFileInfo(destino).isSymLink()) {
                if (!QFile::remove(destino)) return false;
            } else {
                if (!substituiArquivo(fi.filePath(), destino)) return false;
                continue;
            }
        }
        if (!(fi.isSymLink() ? copiaLink(fi.filePath(), destino) : QFile::copy(fi.filePath(), destino)))
            return false;
    }
    return true;
}

} // namespace

namespace Arquivos {

QString caminhoLocal(const QString &caminho)
{
    QString c = caminho;
    return c.replace(QLatin1Char('\\'), QLatin1Char('/'));
}

QString nomeLivre(const QString &alvo, bool pasta)
{
    const QFileInfo fi(alvo);
    const QString nome = fi.fileName();
    const qsizetype ponto = pasta ? -1 : nome.lastIndexOf(QLatin1Char('.'));
    const QString base = ponto > 0 ? nome.left(ponto) : nome;
    const QString extensao = ponto > 0 ? nome.mid(ponto) : QString();
    const QDir dir = fi.dir();
    for (int n = 2; n < 10000; ++n) {
        const QString candidato = dir.filePath(base + QStringLiteral(" (") + QString::number(n) + QLatin1Char(')') + extensao);
        if (!ocupado(candidato)) return candidato;
    }
    return {};
}

bool copia(const QString &origem, const QString &destino, SeExistir seExistir)
{
    const QString o = limpo(origem);
    if (ehPastaReal(o)) return copiaPasta(origem, destino, seExistir);
    if (!QFileInfo(o).isFile()) return false;
    QString alvo = alvoDe(o, destino);
    if (ocupado(alvo)) {
        switch (seExistir) {
        case SeExistir::Falha:
            return false;
        case SeExistir::NovoNome:
            alvo = nomeLivre(alvo);
            if (alvo.isEmpty()) return false;
            break;
        case SeExistir::Substitui:
            if (ehPastaReal(alvo) || mesmoArquivo(o, alvo)) return false;
            return substituiArquivo(o, alvo);
        }
    }
    return QDir().mkpath(QFileInfo(alvo).path()) && QFile::copy(o, alvo);
}

bool copiaPasta(const QString &origem, const QString &destino, SeExistir seExistir)
{
    const QString o = limpo(origem);
    if (!ehPastaReal(o)) return false;
    QString alvo = alvoDe(o, destino);
    bool mescla = false;
    if (ocupado(alvo)) {
        switch (seExistir) {
        case SeExistir::Falha:
            return false;
        case SeExistir::NovoNome:
            alvo = nomeLivre(alvo, true);
            if (alvo.isEmpty()) return false;
            break;
        case SeExistir::Substitui:
            if (!ehPastaReal(alvo)) return false;
            mescla = true;
            break;
        }
    }
    if (dentroDe(alvo, o)) return false;
    if (!QDir().mkpath(alvo)) return false;
    if (copiaConteudo(o, alvo, mescla)) return true;
    if (!mescla) QDir(alvo).removeRecursively();
    return false;
}

bool move(const QString &origem, const QString &destino)
{
    const QString o = limpo(origem);
    if (!ocupado(o)) return false;
    const QString alvo = alvoDe(o, destino);
    if (ocupado(alvo) || dentroDe(alvo, o)) return false;
    if (!QDir().mkpath(QFileInfo(alvo).path())) return false;
    if (!ehPastaReal(o)) return QFile::rename(o, alvo); // copies across file systems
    if (QDir().rename(o, alvo)) return true;
    // Another file system: copy, then remove the original only when the copy is whole.
    return copiaPasta(o, alvo, SeExistir::Falha) && QDir(o).removeRecursively();
}

bool renomeia(const QString &origem, const QString &destino)
{
    const QString o = limpo(origem);
    if (!ocupado(o)) return false;
    QString d = caminhoLocal(destino);
    if (!d.contains(QLatin1Char('/'))) d = QFileInfo(o).dir().filePath(d);
    d = QDir::cleanPath(d);
    if (ocupado(d)) return false;
    return ehPastaReal(o) ? QDir().rename(o, d) : QFile::rename(o, d);
}

bool apaga(const QString &caminho)
{
    const QString c = limpo(caminho);
    if (!ocupado(c) || ehPastaReal(c)) return false;
    return QFile::remove(c);
}

} // namespace Arquivos
