// The pictures of the user guide (docs/manual) and of the README: each one is a file of
// docs/screenshots that the screenshot program (tools/capturas) writes, so that
// `make screenshots` regenerates every picture a user reads.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTest>

namespace {

QString le(const QString &arquivo)
{
    QFile f(arquivo);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

// The names the screenshot program writes: "x.png" of a window, or the report "x" whose first
// page becomes "x.png".
bool geradaPelasCapturas(const QString &fonte, const QString &nome)
{
    return fonte.contains(QLatin1Char('"') + nome + QLatin1Char('"'))
           || fonte.contains(QLatin1Char('"') + QFileInfo(nome).completeBaseName() + QStringLiteral("\")"));
}

} // namespace

class TesteManual : public QObject {
    Q_OBJECT

private slots:
    void imagensDoManual()
    {
        const QDir fonte(QStringLiteral(PN_FONTE));
        const QString capturas = le(fonte.filePath(QStringLiteral("tools/capturas/capturas.cpp")));
        const QString telas = QFileInfo(fonte.filePath(QStringLiteral("docs/screenshots"))).canonicalFilePath();
        QVERIFY(!capturas.isEmpty());

        QStringList documentos = {fonte.filePath(QStringLiteral("README.md"))};
        const QDir manual(fonte.filePath(QStringLiteral("docs/manual")));
        for (const QString &f : manual.entryList({QStringLiteral("*.md")}, QDir::Files)) documentos << manual.filePath(f);
        QVERIFY(documentos.size() > 1);

        static const QRegularExpression imagem(QStringLiteral("!\\[[^\\]]*\\]\\(([^)\\s]+)\\)"));
        int imagens = 0;
        for (const QString &doc : documentos) {
            const QString texto = le(doc);
            for (auto it = imagem.globalMatch(texto); it.hasNext();) {
                const QString ref = it.next().captured(1);
                const QFileInfo arquivo(QFileInfo(doc).dir().filePath(ref));
                const QString onde = QFileInfo(doc).fileName() + QStringLiteral(": ") + ref;
                QVERIFY2(arquivo.exists(), qPrintable(onde + QStringLiteral(" não existe")));
                QVERIFY2(arquivo.canonicalPath() == telas, qPrintable(onde + QStringLiteral(" fora de docs/screenshots")));
                QVERIFY2(geradaPelasCapturas(capturas, arquivo.fileName()),
                         qPrintable(onde + QStringLiteral(" não é gerada por tools/capturas")));
                ++imagens;
            }
        }
        QVERIFY(imagens > 0);
    }
};

QTEST_GUILESS_MAIN(TesteManual)
#include "test_manual.moc"
