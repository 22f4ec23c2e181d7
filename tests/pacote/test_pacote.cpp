// The Debian package as `make deb` builds it: its files and dependencies, the menu entries of
// the package and of the setup (desktop-file-validate), and the first start of the unpacked
// package on a new user's home, up to the login window with the program's icon.

#include <QDir>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Saida {
    int codigo = -1;
    QString texto;
};

Saida executa(const QString &programa, const QStringList &argumentos,
              const QProcessEnvironment &ambiente = QProcessEnvironment::systemEnvironment(), int msLimite = 90000)
{
    QProcess p;
    p.setProcessEnvironment(ambiente);
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(programa, argumentos);
    if (!p.waitForFinished(msLimite)) {
        p.kill();
        p.waitForFinished();
        return {-1, QString::fromUtf8(p.readAll())};
    }
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAll())};
}

// A new user: home, settings and base folder inside `pasta`.
QProcessEnvironment usuarioNovo(const QString &pasta)
{
    QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
    e.insert(QStringLiteral("HOME"), pasta + QStringLiteral("/home"));
    e.insert(QStringLiteral("XDG_CONFIG_HOME"), pasta + QStringLiteral("/home/.config"));
    e.insert(QStringLiteral("XDG_DATA_HOME"), pasta + QStringLiteral("/home/.local/share"));
    e.remove(QStringLiteral("PRONTANOTA_BASE"));
    e.remove(QStringLiteral("QT_QPA_PLATFORM"));
    return e;
}

} // namespace

class TestePacote : public QObject {
    Q_OBJECT
    QTemporaryDir temp;
    QString deb, raiz;

private slots:
    void initTestCase()
    {
        QVERIFY(temp.isValid());
        const Saida s = executa(QStringLiteral(PN_FONTE "/pacote/constroi-deb.sh"),
                                {QStringLiteral(PN_BUILD), temp.filePath(QStringLiteral("saida"))});
        QVERIFY2(s.codigo == 0, qPrintable(s.texto));
        deb = s.texto.trimmed();
        QVERIFY2(QFile::exists(deb), qPrintable(deb));
        raiz = temp.filePath(QStringLiteral("raiz"));
        QCOMPARE(executa(QStringLiteral("dpkg-deb"), {QStringLiteral("-x"), deb, raiz}).codigo, 0);
    }

    // Exactly the programs, the report project, the starter, the menu entries and the icon.
    void arquivosDoPacote()
    {
        const Saida s = executa(QStringLiteral("dpkg-deb"), {QStringLiteral("-c"), deb});
        QCOMPARE(s.codigo, 0);
        QStringList arquivos;
        static const QRegularExpression linha(QStringLiteral("^(\\S)\\S+\\s+\\S+\\s+\\d+\\s+\\S+\\s+\\S+\\s+\\./(\\S*)"));
        for (const QString &l : s.texto.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
            const auto m = linha.match(l);
            QVERIFY2(m.hasMatch(), qPrintable(l));
            if (m.captured(1) != QLatin1String("d") && !m.captured(2).isEmpty()) arquivos << m.captured(2);
        }
        arquivos.sort();
        // The user guide and its pictures, beside the programs.
        const QString manual = QStringLiteral("usr/lib/prontanota/Manual/");
        const QStringList guia = arquivos.filter(QRegularExpression(QLatin1Char('^') + manual));
        for (const char *f : {"manual/README.md", "manual/emissao-de-notas.md", "manual/recebimento.md", "screenshots/notas.png"})
            QVERIFY2(guia.contains(manual + QLatin1String(f)), f);
        arquivos.removeIf([&](const QString &a) { return a.startsWith(manual); });
        const QStringList esperados = {
            QStringLiteral("usr/bin/instalora"),
            QStringLiteral("usr/bin/prontanota"),
            QStringLiteral("usr/lib/prontanota/Instalora"),
            QStringLiteral("usr/lib/prontanota/Relatorios/Relatorios.rav"),
            QStringLiteral("usr/lib/prontanota/prontanota"),
            QStringLiteral("usr/lib/prontanota/prontanota-setup"),
            QStringLiteral("usr/lib/prontanota/prontanota.png"),
            QStringLiteral("usr/share/applications/instalora.desktop"),
            QStringLiteral("usr/share/applications/prontanota.desktop"),
            QStringLiteral("usr/share/icons/hicolor/256x256/apps/prontanota.png"),
            QStringLiteral("usr/share/icons/hicolor/scalable/apps/prontanota.svg"),
        };
        QCOMPARE(arquivos, esperados);
        QVERIFY(s.texto.contains(QStringLiteral("./usr/bin/instalora -> prontanota")));
        QVERIFY(s.texto.contains(QRegularExpression(QStringLiteral("-rwxr-xr-x root/root .* \\./usr/lib/prontanota/prontanota\n"))));
    }

    // The Qt libraries the programs link (with their X11 and JPEG plugins), the Firebird client and engine;
    // each of them a package this machine has installed (the programs were built against them).
    void dependencias()
    {
        const Saida s = executa(QStringLiteral("dpkg-deb"), {QStringLiteral("-f"), deb, QStringLiteral("Depends")});
        QCOMPARE(s.codigo, 0);
        QStringList pacotes;
        for (const QString &d : s.texto.trimmed().split(QLatin1Char(','), Qt::SkipEmptyParts))
            pacotes << d.trimmed().section(QLatin1Char(' '), 0, 0);
        for (const char *p : {"libqt6core6", "libqt6gui6", "libqt6widgets6", "libqt6printsupport6", "libqt6network6",
                              "libfbclient2", "firebird3.0-server-core", "libc6", "libstdc++6"})
            QVERIFY2(pacotes.contains(QLatin1String(p)), qPrintable(s.texto));
        for (const QString &p : pacotes) {
            const Saida q = executa(QStringLiteral("dpkg-query"), {QStringLiteral("-W"), QStringLiteral("-f=${Status}"), p});
            QVERIFY2(q.texto.contains(QStringLiteral("install ok installed")), qPrintable(p));
        }
        QCOMPARE(executa(QStringLiteral("dpkg-deb"), {QStringLiteral("-f"), deb, QStringLiteral("Package")}).texto.trimmed(),
                 QStringLiteral("prontanota"));
    }

    // The package's entries and those the setup writes for an installation, also in a folder
    // whose name holds blanks and an accent.
    void entradasDoMenu()
    {
        const QString aplicacoes = raiz + QStringLiteral("/usr/share/applications/");
        for (const char *e : {"prontanota.desktop", "instalora.desktop"}) {
            const Saida s = executa(QStringLiteral("desktop-file-validate"), {aplicacoes + QLatin1String(e)});
            QVERIFY2(s.codigo == 0 && s.texto.isEmpty(), qPrintable(QLatin1String(e) + QLatin1Char(' ') + s.texto));
        }

        const QString pasta = temp.filePath(QStringLiteral("menu/Loja São João/Prontanota"));
        const QProcessEnvironment ambiente = usuarioNovo(temp.filePath(QStringLiteral("menu")));
        const Saida s = executa(QStringLiteral(PN_BUILD "/installer/prontanota-setup"),
                                {QStringLiteral("--instalacao"), pasta, QStringLiteral("--menu")}, ambiente);
        QVERIFY2(s.codigo == 0, qPrintable(s.texto));
        const QString menu = ambiente.value(QStringLiteral("XDG_DATA_HOME")) + QStringLiteral("/applications/");
        const struct { const char *arquivo, *exec; } casos[] = {
            {"prontanota.desktop", "/prontanota\"\n"}, {"instalora.desktop", "/Instalora\"\n"}};
        for (const auto &c : casos) {
            const QString arquivo = menu + QLatin1String(c.arquivo);
            const Saida v = executa(QStringLiteral("desktop-file-validate"), {arquivo});
            QVERIFY2(v.codigo == 0 && v.texto.isEmpty(), qPrintable(QLatin1String(c.arquivo) + QLatin1Char(' ') + v.texto));
            QFile f(arquivo);
            QVERIFY(f.open(QIODevice::ReadOnly));
            const QString texto = QString::fromUtf8(f.readAll());
            QVERIFY2(texto.contains(QStringLiteral("Exec=\"") + pasta + QLatin1String(c.exec)), qPrintable(texto));
            QVERIFY2(texto.contains(QStringLiteral("Icon=") + pasta + QStringLiteral("/prontanota.png\n")), qPrintable(texto));
        }
    }

    // The menu's commands on a new user's home: the starter copies the programs into
    // ~/Brelo/Prontanota, the setup creates the database, and the login window shows with the
    // program's icon; then Instalora's window, with it too (a headless X server, so that the
    // windows can be found from outside).
    void primeiroInicio()
    {
        const QString casa = temp.filePath(QStringLiteral("inicio"));
        const QProcessEnvironment ambiente = usuarioNovo(casa);
        QDir().mkpath(casa + QStringLiteral("/home"));
        const QString roteiro = QStringLiteral(
            "mostra() {\n"
            "  \"$1\" & p=$!\n"
            "  w=$(timeout 60 xdotool search --sync --onlyvisible --name \"$2\" | head -1)\n"
            "  echo \"$(basename \"$1\"): $(xprop -id \"$w\" -f _NET_WM_ICON 32c _NET_WM_ICON | head -c 40)\"\n"
            "  kill $p; wait $p\n"
            "}\n"
            "mostra \"$1/prontanota\" 'Seja Bem Vindo ao Prontanota'\n"
            "mostra \"$1/instalora\" 'Programa de Instala'\n");
        const Saida s = executa(QStringLiteral("xvfb-run"),
                                {QStringLiteral("-a"), QStringLiteral("-s"), QStringLiteral("-screen 0 1366x768x24"),
                                 QStringLiteral("sh"), QStringLiteral("-c"), roteiro, QStringLiteral("sh"),
                                 raiz + QStringLiteral("/usr/bin")},
                                ambiente);
        for (const char *programa : {"prontanota", "instalora"})
            QVERIFY2(s.texto.contains(QLatin1String(programa) + QStringLiteral(": _NET_WM_ICON(CARDINAL) = 256, 256,")),
                     qPrintable(s.texto));
        const QString pasta = casa + QStringLiteral("/home/Brelo/Prontanota/");
        for (const char *f : {"prontanota", "Instalora", "prontanota-setup", "Dados/BD.FDB", "Relatorios/Relatorios.rav",
                              "Manual/manual/README.md", "Manual/screenshots/notas.png"})
            QVERIFY2(QFile::exists(pasta + QLatin1String(f)), f);
        QVERIFY(QFile::exists(casa + QStringLiteral("/home/.config/Brelo/Prontanota.ini")));

        // After a package update the next start brings the new files in and keeps the data.
        QFile rav(pasta + QStringLiteral("Relatorios/Relatorios.rav"));
        QVERIFY(rav.open(QIODevice::WriteOnly));
        rav.write("de outra versão\n");
        rav.close();
        // The file's creation time shows it was not made again (where the file system keeps it).
        const QDateTime banco = QFileInfo(pasta + QStringLiteral("Dados/BD.FDB")).birthTime();
        QProcessEnvironment semTela = ambiente;
        semTela.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        executa(QStringLiteral("timeout"), {QStringLiteral("3"), raiz + QStringLiteral("/usr/bin/prontanota")}, semTela);
        QFile novo(pasta + QStringLiteral("Relatorios/Relatorios.rav")), original(raiz + QStringLiteral("/usr/lib/prontanota/Relatorios/Relatorios.rav"));
        QVERIFY(novo.open(QIODevice::ReadOnly) && original.open(QIODevice::ReadOnly));
        QVERIFY(novo.readAll() == original.readAll());
        if (banco.isValid()) QCOMPARE(QFileInfo(pasta + QStringLiteral("Dados/BD.FDB")).birthTime(), banco);
    }
};

QTEST_GUILESS_MAIN(TestePacote)
#include "test_pacote.moc"
