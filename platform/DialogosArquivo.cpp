#include "DialogosArquivo.h"

#include "ArquivosSistema.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>

namespace {

QString comGemeos(const QString &padroes)
{
    QStringList lista = padroes.split(QRegularExpression(QStringLiteral("[;\\s]+")), Qt::SkipEmptyParts);
    const QStringList originais = lista;
    for (const QString &p : originais) {
        if (!p.startsWith(QStringLiteral("*."))) continue;
        for (const QString &gemeo : {p.toLower(), p.toUpper()})
            if (!lista.contains(gemeo)) lista.append(gemeo);
    }
    return lista.join(QLatin1Char(' '));
}

QWidget *janelaAtiva() { return qobject_cast<QApplication *>(QCoreApplication::instance()) ? QApplication::activeWindow() : nullptr; }

} // namespace

namespace Dialogos {

QString filtro(const QString &filtro)
{
    if (!filtro.contains(QLatin1Char('|'))) return filtro;
    static const QRegularExpression padroesNoFim(QStringLiteral("\\s*\\([^()]*\\)\\s*$"));
    const QStringList partes = filtro.split(QLatin1Char('|'));
    QStringList itens;
    for (qsizetype i = 0; i < partes.size(); i += 2) {
        QString descricao = partes[i];
        descricao = descricao.remove(padroesNoFim).trimmed();
        const QString padroes = i + 1 < partes.size() ? partes[i + 1] : QStringLiteral("*");
        if (!descricao.isEmpty()) descricao += QLatin1Char(' ');
        itens.append(descricao + QLatin1Char('(') + comGemeos(padroes) + QLatin1Char(')'));
    }
    return itens.join(QStringLiteral(";;"));
}

QString abrir(const QString &titulo, const QString &pasta, const QString &f)
{
    return QFileDialog::getOpenFileName(janelaAtiva(), titulo, Arquivos::caminhoLocal(pasta), filtro(f));
}

QString salvar(const QString &titulo, const QString &pasta, const QString &f, const QString &sufixoPadrao)
{
    QFileDialog dialogo(janelaAtiva(), titulo);
    dialogo.setAcceptMode(QFileDialog::AcceptSave);
    dialogo.setFileMode(QFileDialog::AnyFile);
    dialogo.setNameFilter(filtro(f));
    dialogo.setDefaultSuffix(sufixoPadrao);
    const QString inicio = Arquivos::caminhoLocal(pasta);
    if (QFileInfo(inicio).isDir()) dialogo.setDirectory(inicio);
    else if (!inicio.isEmpty()) dialogo.selectFile(inicio);
    if (dialogo.exec() != QDialog::Accepted || dialogo.selectedFiles().isEmpty()) return {};
    return dialogo.selectedFiles().constFirst();
}

QString pasta(const QString &titulo, const QString &pasta)
{
    return QFileDialog::getExistingDirectory(janelaAtiva(), titulo, Arquivos::caminhoLocal(pasta));
}

} // namespace Dialogos
