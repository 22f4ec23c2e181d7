// The settings store, Registro.ini, Layout.ini and the base-folder mapping.

#include "Caminhos.h"
#include "LayoutIni.h"
#include "Registro.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TstRegistro : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

private Q_SLOTS:
    void init()
    {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.filePath(QStringLiteral("cfg"))));
        qputenv("PRONTANOTA_BASE", QFile::encodeName(dir.filePath(QStringLiteral("base"))));
        Registro::defineChave(Registro::chavePadrao());
    }

    void localDaChave_data()
    {
        QTest::addColumn<QString>("chave");
        QTest::addColumn<QString>("relativo");
        QTest::newRow("padrão") << "Software\\Brelo\\Prontanota" << "Brelo/Prontanota.ini";
        QTest::newRow("instalação nomeada") << "Software\\Brelo\\Loja2" << "Brelo/Loja2.ini";
        QTest::newRow("sem Software") << "Brelo\\Outra" << "Brelo/Outra.ini";
    }
    void localDaChave()
    {
        QFETCH(QString, chave);
        QFETCH(QString, relativo);
        QCOMPARE(Registro::local(chave), dir.filePath(QStringLiteral("cfg/") + relativo));
    }

    void valoresAusentes()
    {
        QCOMPARE(Registro::leTexto(QStringLiteral("NomeServidor")), QString());
        QCOMPARE(Registro::leInteiro(QStringLiteral("CodUsuarioLogado")), 0);
        QCOMPARE(Registro::leBooleano(QStringLiteral("VersaoEmbarcada")), false);
        QVERIFY(QFile::exists(Registro::local(Registro::chavePadrao()))); // opening creates the key
    }

    void idaEVolta()
    {
        Registro::escreveTexto(QStringLiteral("NomeServidor"), QStringLiteral("SERVIDOR-LOJA"));
        Registro::escreveInteiro(QStringLiteral("CodUsuarioLogado"), 42);
        Registro::escreveBooleano(QStringLiteral("VersaoEmbarcada"), true);
        QCOMPARE(Registro::leTexto(QStringLiteral("NomeServidor")), QStringLiteral("SERVIDOR-LOJA"));
        QCOMPARE(Registro::leInteiro(QStringLiteral("CodUsuarioLogado")), 42);
        QVERIFY(Registro::leBooleano(QStringLiteral("VersaoEmbarcada")));
        Registro::escreveTexto(QStringLiteral("VersaoEmbarcada"), QStringLiteral("talvez"));
        QVERIFY(!Registro::leBooleano(QStringLiteral("VersaoEmbarcada"))); // unreadable reads false
    }

    void substituicaoPorRegistroIni()
    {
        const QString pasta = dir.filePath(QStringLiteral("prog"));
        QDir().mkpath(pasta);
        QCOMPARE(Registro::chaveDoArquivo(pasta), Registro::chavePadrao());
        QFile f(pasta + QStringLiteral("/Registro.ini"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("[REGISTRO]\r\nRegistro1=Software\\Brelo\\Filial\r\n");
        f.close();
        QCOMPARE(Registro::chaveDoArquivo(pasta), QStringLiteral("Software\\Brelo\\Filial"));

        Registro::escreveTexto(QStringLiteral("Server"), QStringLiteral("N"));
        Registro::defineChave(Registro::chaveDoArquivo(pasta));
        QCOMPARE(Registro::leTexto(QStringLiteral("Server")), QString()); // another key
        Registro::escreveTexto(QStringLiteral("Server"), QStringLiteral("S"));
        QVERIFY(QFile::exists(dir.filePath(QStringLiteral("cfg/Brelo/Filial.ini"))));
        Registro::defineChave(Registro::chavePadrao());
        QCOMPARE(Registro::leTexto(QStringLiteral("Server")), QStringLiteral("N"));
    }

    void layoutIni()
    {
        LayoutIni::definePasta(dir.path());
        QCOMPARE(LayoutIni::leExibeTodosAbrir(QStringLiteral("CIDADES"), true), true);
        LayoutIni::escreveExibeTodosAbrir(QStringLiteral("CIDADES"), false);
        LayoutIni::escreveExibeTodosAbrir(QStringLiteral("NOTAPROMISSORIA"), true);
        LayoutIni::escreveExibeTodosAbrir(QStringLiteral("CIDADES"), true);
        QCOMPARE(LayoutIni::leExibeTodosAbrir(QStringLiteral("CIDADES"), false), true);
        QFile f(LayoutIni::arquivo());
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray texto = f.readAll();
        QCOMPARE(texto.count("[CIDADES]"), 1);
        QVERIFY(texto.contains("[NOTAPROMISSORIA]\nExibeTodosAbrir=1"));
    }

    void pastasDoWindows_data()
    {
        QTest::addColumn<QString>("windows");
        QTest::addColumn<QString>("local");
        QTest::newRow("banco") << "C:\\Brelo\\Prontanota\\Dados\\BD.FDB" << "/Prontanota/Dados/BD.FDB";
        QTest::newRow("maiúsculas") << "c:\\BRELO\\Prontanota\\" << "/Prontanota/";
        QTest::newRow("outra") << "/srv/dados/BD.FDB" << "";
    }
    void pastasDoWindows()
    {
        QFETCH(QString, windows);
        QFETCH(QString, local);
        const QString esperado = local.isEmpty() ? windows : dir.filePath(QStringLiteral("base")) + local;
        QCOMPARE(Caminhos::deWindows(windows), esperado);
    }
};

QTEST_MAIN(TstRegistro)
#include "test_registro.moc"
