// The guide window over the guide as installed beside the program (Manual/manual and
// Manual/screenshots), and the main window's help action falling back to it.

#include "Aplicacao.h"
#include "Dados.h"
#include "InstalacaoTeste.h"
#include "MenuPrincipal.h"
#include "MensagensRoteiro.h"
#include "PlataformaGravadora.h"
#include "TesteJanelas.h"
#include "TfManual.h"
#include "TfPrincipal.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QPushButton>
#include <QTextBlock>
#include <QTextBrowser>

namespace {

// The guide's files in a program folder, laid out as the installation lays them.
void instalaGuia(const QString &pastaPrograma)
{
    const QDir fonte(QStringLiteral(PN_FONTE "/docs"));
    const struct { const char *origem, *destino, *filtro; } partes[] = {
        {"manual", "Manual/manual", "*.md"}, {"screenshots", "Manual/screenshots", "*.png"}};
    for (const auto &p : partes) {
        const QDir origem(fonte.filePath(QLatin1String(p.origem)));
        const QString destino = QDir(pastaPrograma).filePath(QLatin1String(p.destino));
        QDir().mkpath(destino);
        for (const QString &f : origem.entryList({QLatin1String(p.filtro)}, QDir::Files))
            QFile::copy(origem.filePath(f), QDir(destino).filePath(f));
    }
}

QString arquivoAtual(const TfManual &j) { return j.Texto->source().fileName(); }

// The links of the page shown, as written in it.
QStringList links(const TfManual &j, const QString &sufixo)
{
    QStringList r;
    const QTextDocument *d = j.Texto->document();
    for (QTextBlock b = d->begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat f = it.fragment().charFormat();
            const QString alvo = f.isImageFormat() ? f.toImageFormat().name() : f.anchorHref();
            if (alvo.endsWith(sufixo) && !r.contains(alvo)) r << alvo;
        }
    return r;
}

bool imagemCarrega(TfManual &j, const QString &ref)
{
    const QVariant v = j.Texto->loadResource(QTextDocument::ImageResource, QUrl(ref));
    const QImage imagem = v.typeId() == QMetaType::QImage ? v.value<QImage>() : QImage::fromData(v.toByteArray());
    return !imagem.isNull() && imagem.width() <= 900; // a whole window's picture fits the page
}

} // namespace

class TesteGuia : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Each case starts without a guide window of an earlier one.
    void cleanup()
    {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (qobject_cast<TfManual *>(w)) delete w;
    }

    // The index opens; every chapter it links opens in the window with its title, and every
    // picture of a chapter loads; "Voltar" and "Índice" come back to the index.
    void indiceCapitulosEImagens()
    {
        QTemporaryDir programa;
        instalaGuia(programa.path());
        TfManual *j = TfManual::abre(programa.path());
        QVERIFY(j);
        QVERIFY(j->isVisible());
        QCOMPARE(arquivoAtual(*j), QStringLiteral("README.md"));
        QVERIFY(j->Texto->toPlainText().startsWith(QStringLiteral("Manual do Prontanota")));
        QVERIFY(!j->ButVoltar->isEnabled());

        const QStringList capitulos = links(*j, QStringLiteral(".md"));
        QVERIFY(capitulos.contains(QStringLiteral("recebimento.md")));
        QVERIFY(capitulos.contains(QStringLiteral("pesquisa-e-listas.md")));
        int imagens = 0;
        for (const QString &c : capitulos) {
            j->ButIndice->click();
            emit j->Texto->anchorClicked(QUrl(c));
            QCOMPARE(arquivoAtual(*j), c);
            QVERIFY2(j->Texto->document()->firstBlock().blockFormat().headingLevel() == 1, qPrintable(c));
            for (const QString &img : links(*j, QStringLiteral(".png"))) {
                QVERIFY2(imagemCarrega(*j, img), qPrintable(c + QStringLiteral(": ") + img));
                ++imagens;
            }
        }
        QVERIFY(imagens > 0);
        QVERIFY(j->ButVoltar->isEnabled());
        j->ButVoltar->click();
        QCOMPARE(arquivoAtual(*j), QStringLiteral("README.md"));

        // A web address goes to the browser; the guide stays on its page.
        PlataformaGravadora plat;
        emit j->Texto->anchorClicked(QUrl(QStringLiteral("https://www.debian.org/")));
        QCOMPARE(plat.chamadasDe(QStringLiteral("abreEndereco")), QStringList{QStringLiteral("abreEndereco https://www.debian.org/")});
        QCOMPARE(arquivoAtual(*j), QStringLiteral("README.md"));

        QCOMPARE(TfManual::abre(programa.path()), j); // one window at a time
        j->ButFechar->click();
        QTRY_VERIFY(!j->isVisible());
    }

    void guiaAusente()
    {
        QTemporaryDir programa;
        MensagensRoteiro msg;
        msg.espera(QStringLiteral("O manual do usuário não foi encontrado na pasta do programa:"));
        QCOMPARE(TfManual::abre(programa.path()), nullptr);
        QVERIFY(msg.verificaFim());
    }

    // The support page when the network and the browser answer; the guide otherwise, also
    // from the help menu's own item.
    void ajudaSemRede_data()
    {
        QTest::addColumn<QString>("ip");
        QTest::addColumn<bool>("navegador");
        QTest::addColumn<bool>("guia");
        QTest::newRow("rede") << QStringLiteral("192.168.0.10") << true << false;
        QTest::newRow("sem rede") << QStringLiteral("127.0.0.1") << true << true;
        QTest::newRow("sem navegador") << QStringLiteral("192.168.0.10") << false << true;
    }
    void ajudaSemRede()
    {
        QFETCH(QString, ip);
        QFETCH(bool, navegador);
        QFETCH(bool, guia);
        InstalacaoTeste inst;
        MensagensRoteiro msg;
        PlataformaGravadora plat;
        plat.ipv4 = ip;
        plat.resultadoAbertura = navegador;
        Dados dm;
        dm.carregaRegistro();
        dm.conecta();
        Aplicacao::reinicia();
        instalaGuia(dm.PathPrograma);
        TfPrincipal fp;

        msg.espera(QStringLiteral("Você será direcionado para a página \"Suporte\""));
        fp.MainMenu1->ItemAjudaOnline->trigger();
        auto *j = fp.findChild<TfManual *>();
        QCOMPARE(j != nullptr && j->isVisible(), guia);
        QCOMPARE(plat.chamou(QStringLiteral("abreEndereco")), ip != QLatin1String("127.0.0.1"));
        if (j) {
            QCOMPARE(arquivoAtual(*j), QStringLiteral("README.md"));
            j->close();
        }

        QTRY_VERIFY(!fp.findChild<TfManual *>());
        plat.limpa();
        fp.MainMenu1->ItemManual->trigger();
        QVERIFY(fp.findChild<TfManual *>());
        QVERIFY(!plat.chamou(QStringLiteral("abreEndereco")));
        QVERIFY(msg.verificaFim());
    }
};

PN_TESTE_JANELAS(TesteGuia)
#include "test_guia.moc"
