// The platform services on this system: real files in a temporary folder, the desktop shortcut,
// the process list, scripts, ping, and the recording double the window tests use.

#include "ArquivosSistema.h"
#include "AtalhoDesktop.h"
#include "DialogosArquivo.h"
#include "FirebirdSistema.h"
#include "PlataformaGravadora.h"
#include "PlataformaSistema.h"
#include "ProcessosSistema.h"
#include "TeclasAlternadas.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

using SeExistir = Plataforma::SeExistir;

void escreve(const QString &caminho, const QByteArray &conteudo)
{
    QDir().mkpath(QFileInfo(caminho).path());
    QFile f(caminho);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(conteudo);
}

QByteArray le(const QString &caminho)
{
    QFile f(caminho);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<ausente>");
}

// "rel=content" for files, "rel/" for folders, "rel->target" for links; sorted.
QStringList arvore(const QString &pasta)
{
    QStringList r;
    const QDir raiz(pasta);
    QDirIterator it(pasta, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        const QFileInfo fi = it.fileInfo();
        const QString rel = raiz.relativeFilePath(fi.filePath());
        if (fi.isSymLink()) r.append(rel + QStringLiteral("->") + QFile::symLinkTarget(fi.filePath()).section(QLatin1Char('/'), -1));
        else if (fi.isDir()) r.append(rel + QLatin1Char('/'));
        else r.append(rel + QLatin1Char('=') + QString::fromUtf8(le(fi.filePath())));
    }
    r.sort();
    return r;
}

// Files "path=content" (a path ending in '/' is a folder, "path->target" a link) under `raiz`.
void prepara(const QString &raiz, const QStringList &itens)
{
    for (const QString &item : itens) {
        const QString caminho = raiz + QLatin1Char('/') + item.section(QLatin1Char('='), 0, 0).section(QStringLiteral("->"), 0, 0);
        if (item.contains(QStringLiteral("->"))) {
            QDir().mkpath(QFileInfo(caminho).path());
            QVERIFY(QFile::link(item.section(QStringLiteral("->"), 1), caminho));
        } else if (item.endsWith(QLatin1Char('/'))) {
            QVERIFY(QDir().mkpath(caminho));
        } else {
            escreve(caminho, item.section(QLatin1Char('='), 1).toUtf8());
        }
    }
}

} // namespace

class TestPlataforma : public QObject {
    Q_OBJECT

    PlataformaSistema sistema_;
    QTemporaryDir casa_; // HOME, XDG_CONFIG_HOME and TMPDIR of the whole run

private slots:
    void initTestCase();

    void copiaArquivo_data();
    void copiaArquivo();
    void nomeLivre_data();
    void nomeLivre();
    void copiaPasta_data();
    void copiaPasta();
    void moveRenomeiaApaga_data();
    void moveRenomeiaApaga();

    void atalhoNaAreaDeTrabalho();
    void atalhoExec_data();
    void atalhoExec();
    void atalhoNomeArquivo_data();
    void atalhoNomeArquivo();

    void processosIncluemEsteTeste();
    void processosNomesCompletadosDaLinhaDeComando();
    void scriptOculto_data();
    void scriptOculto();
    void pingLocal();
    void pingRecusaHostInvalido_data();
    void pingRecusaHostInvalido();
    void teclasPelosLeds_data();
    void teclasPelosLeds();
    void filtroDialogo_data();
    void filtroDialogo();
    void firebirdLocalizado_data();
    void firebirdLocalizado();
    void versaoDoTexto_data();
    void versaoDoTexto();

    void gravadoraRegistraEResponde();
    void gravadoraRepassaArquivosSoQuandoPedido();
};

void TestPlataforma::initTestCase()
{
    QVERIFY(casa_.isValid());
    qputenv("HOME", casa_.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", (casa_.path() + QStringLiteral("/config")).toUtf8());
    QDir().mkpath(casa_.path() + QStringLiteral("/tmp"));
    qputenv("TMPDIR", (casa_.path() + QStringLiteral("/tmp")).toUtf8());
    escreve(casa_.path() + QStringLiteral("/config/user-dirs.dirs"), "XDG_DESKTOP_DIR=\"$HOME/Área de Trabalho\"\n");
}

// --- files ----------------------------------------------------------------------------------

void TestPlataforma::copiaArquivo_data()
{
    QTest::addColumn<QStringList>("existentes");
    QTest::addColumn<QString>("destino");
    QTest::addColumn<int>("seExistir");
    QTest::addColumn<bool>("esperado");
    QTest::addColumn<QStringList>("depois"); // "path=content" that must hold afterwards

    const int falha = int(SeExistir::Falha), novo = int(SeExistir::NovoNome), subst = int(SeExistir::Substitui);
    QTest::newRow("caminho completo, pastas criadas") << QStringList{} << "nova/funda/Copia.FDB" << falha << true
                                                      << QStringList{"nova/funda/Copia.FDB=novo"};
    QTest::newRow("pasta existente recebe com o mesmo nome") << QStringList{"Dados/"} << "Dados" << falha << true
                                                             << QStringList{"Dados/BD.FDB=novo"};
    QTest::newRow("separador final cria a pasta") << QStringList{} << "BKP/" << falha << true << QStringList{"BKP/BD.FDB=novo"};
    QTest::newRow("barras invertidas") << QStringList{} << "BKP\\Sub\\" << falha << true << QStringList{"BKP/Sub/BD.FDB=novo"};
    QTest::newRow("existe: falha sem tocar") << QStringList{"Dados/BD.FDB=antigo"} << "Dados" << falha << false
                                             << QStringList{"Dados/BD.FDB=antigo"};
    QTest::newRow("existe: novo nome livre")
        << QStringList{"Dados/BD.FDB=antigo", "Dados/BD (2).FDB=segundo"} << "Dados/" << novo << true
        << QStringList{"Dados/BD.FDB=antigo", "Dados/BD (2).FDB=segundo", "Dados/BD (3).FDB=novo"};
    QTest::newRow("existe: substitui") << QStringList{"Dados/BD.FDB=antigo"} << "Dados/BD.FDB" << subst << true
                                       << QStringList{"Dados/BD.FDB=novo"};
    QTest::newRow("sobre si mesmo: substitui recusa") << QStringList{} << "origem/BD.FDB" << subst << false
                                                      << QStringList{"origem/BD.FDB=novo"};
    QTest::newRow("sobre si mesmo: novo nome") << QStringList{} << "origem" << novo << true
                                               << QStringList{"origem/BD.FDB=novo", "origem/BD (2).FDB=novo"};
}

void TestPlataforma::copiaArquivo()
{
    QFETCH(QStringList, existentes);
    QFETCH(QString, destino);
    QFETCH(int, seExistir);
    QFETCH(bool, esperado);
    QFETCH(QStringList, depois);

    QTemporaryDir dir;
    prepara(dir.path(), existentes);
    prepara(dir.path(), {QStringLiteral("origem/BD.FDB=novo")});
    const QStringList antes = arvore(dir.path());
    Plataforma &p = sistema_;
    QCOMPARE(p.copiaArquivo(dir.filePath("origem/BD.FDB"), dir.filePath(destino), SeExistir(seExistir)), esperado);
    for (const QString &d : depois)
        QCOMPARE(QString::fromUtf8(le(dir.filePath(d.section('=', 0, 0)))), d.section('=', 1));
    if (!esperado) QCOMPARE(arvore(dir.path()), antes);
}

void TestPlataforma::nomeLivre_data()
{
    QTest::addColumn<QString>("nome");
    QTest::addColumn<bool>("pasta");
    QTest::addColumn<QString>("esperado");
    QTest::newRow("extensão") << "BD.FDB" << false << "BD (2).FDB";
    QTest::newRow("só a última extensão") << "copia.tar.gz" << false << "copia.tar (2).gz";
    QTest::newRow("arquivo oculto") << ".config" << false << ".config (2)";
    QTest::newRow("pasta com ponto") << "Dados.v1" << true << "Dados.v1 (2)";
}

void TestPlataforma::nomeLivre()
{
    QFETCH(QString, nome);
    QFETCH(bool, pasta);
    QFETCH(QString, esperado);
    QTemporaryDir dir;
    QCOMPARE(Arquivos::nomeLivre(dir.filePath(nome), pasta), dir.filePath(esperado));
}

void TestPlataforma::copiaPasta_data()
{
    QTest::addColumn<QString>("destino");
    QTest::addColumn<int>("seExistir");
    QTest::addColumn<bool>("backupAnterior"); // BKP/Dados already holds an older copy
    QTest::addColumn<bool>("esperado");
    QTest::addColumn<QString>("copia");        // where the whole tree must be found
    QTest::addColumn<QStringList>("tambem");   // further items that must hold afterwards

    const int falha = int(SeExistir::Falha), novo = int(SeExistir::NovoNome), subst = int(SeExistir::Substitui);
    QTest::newRow("pasta nova") << "Copia" << falha << false << true << "Copia" << QStringList{};
    QTest::newRow("dentro de pasta existente") << "BKP" << falha << false << true << "BKP/Dados" << QStringList{};
    QTest::newRow("existe: falha") << "BKP" << falha << true << false << "" << QStringList{"BKP/Dados/a.txt=velho"};
    QTest::newRow("existe: novo nome") << "BKP" << novo << true << true << "BKP/Dados (2)"
                                       << QStringList{"BKP/Dados/a.txt=velho"};
    QTest::newRow("existe: substitui mescla") << "BKP" << subst << true << true << "BKP/Dados"
                                              << QStringList{"BKP/Dados/extra.txt=fica"};
    QTest::newRow("para dentro de si mesma") << "Dados/sub/" << falha << false << false << ""
                                             << QStringList{"Dados/sub/b.txt=b"};
}

void TestPlataforma::copiaPasta()
{
    QFETCH(QString, destino);
    QFETCH(int, seExistir);
    QFETCH(bool, backupAnterior);
    QFETCH(bool, esperado);
    QFETCH(QString, copia);
    QFETCH(QStringList, tambem);

    QTemporaryDir dir;
    prepara(dir.path(), {"Dados/a.txt=a", "Dados/sub/b.txt=b", "Dados/.oculto=o", "Dados/vazia/", "Dados/link->a.txt", "BKP/"});
    if (backupAnterior) prepara(dir.path(), {"BKP/Dados/a.txt=velho", "BKP/Dados/extra.txt=fica"});
    const QStringList original = arvore(dir.filePath("Dados"));

    Plataforma &p = sistema_;
    QCOMPARE(p.copiaPasta(dir.filePath("Dados"), dir.filePath(destino), SeExistir(seExistir)), esperado);
    QCOMPARE(arvore(dir.filePath("Dados")), original);
    if (!copia.isEmpty()) {
        const QStringList copiada = arvore(dir.filePath(copia));
        for (const QString &item : original) QVERIFY2(copiada.contains(item), qPrintable(item));
    }
    for (const QString &t : tambem) QCOMPARE(QString::fromUtf8(le(dir.filePath(t.section('=', 0, 0)))), t.section('=', 1));
    if (!esperado && !backupAnterior) QVERIFY(!QFileInfo::exists(dir.filePath("Dados/sub/Dados")));
}

void TestPlataforma::moveRenomeiaApaga_data()
{
    QTest::addColumn<QString>("operacao");
    QTest::addColumn<QString>("origem");
    QTest::addColumn<QString>("destino");
    QTest::addColumn<bool>("esperado");
    QTest::addColumn<QStringList>("depois"); // the whole tree afterwards

    QTest::newRow("move para outra pasta, criada") << "move" << "Dados/BD.FDB" << "Seg/BDANTESREST.FDB" << true
                                                   << QStringList{"Dados/", "Seg/", "Seg/BDANTESREST.FDB=x", "b/", "b/BD.FDB=y"};
    QTest::newRow("move para dentro de pasta") << "move" << "Dados/BD.FDB" << "Dados/../Seg/" << true
                                               << QStringList{"Dados/", "Seg/", "Seg/BD.FDB=x", "b/", "b/BD.FDB=y"};
    QTest::newRow("move não sobrescreve") << "move" << "Dados/BD.FDB" << "b/BD.FDB" << false
                                          << QStringList{"Dados/", "Dados/BD.FDB=x", "b/", "b/BD.FDB=y"};
    QTest::newRow("move pasta") << "move" << "Dados" << "Novo/Dados" << true
                                << QStringList{"Novo/", "Novo/Dados/", "Novo/Dados/BD.FDB=x", "b/", "b/BD.FDB=y"};
    QTest::newRow("move pasta para dentro de si") << "move" << "Dados" << "Dados/sub/" << false
                                                  << QStringList{"Dados/", "Dados/BD.FDB=x", "b/", "b/BD.FDB=y"};
    QTest::newRow("renomeia pasta pelo nome") << "renomeia" << "Dados" << "Dados01" << true
                                              << QStringList{"Dados01/", "Dados01/BD.FDB=x", "b/", "b/BD.FDB=y"};
    QTest::newRow("renomeia pelo caminho") << "renomeia" << "Dados/BD.FDB" << "Dados\\BD1.FDB" << true
                                           << QStringList{"Dados/", "Dados/BD1.FDB=x", "b/", "b/BD.FDB=y"};
    QTest::newRow("renomeia não sobrescreve") << "renomeia" << "Dados" << "b" << false
                                              << QStringList{"Dados/", "Dados/BD.FDB=x", "b/", "b/BD.FDB=y"};
    QTest::newRow("renomeia ausente") << "renomeia" << "Nada" << "Algo" << false
                                      << QStringList{"Dados/", "Dados/BD.FDB=x", "b/", "b/BD.FDB=y"};
    QTest::newRow("apaga arquivo") << "apaga" << "Dados/BD.FDB" << "" << true << QStringList{"Dados/", "b/", "b/BD.FDB=y"};
    QTest::newRow("apaga nunca leva pasta") << "apaga" << "Dados" << "" << false
                                            << QStringList{"Dados/", "Dados/BD.FDB=x", "b/", "b/BD.FDB=y"};
    QTest::newRow("apaga ausente") << "apaga" << "Dados/X.FDB" << "" << false
                                   << QStringList{"Dados/", "Dados/BD.FDB=x", "b/", "b/BD.FDB=y"};
}

void TestPlataforma::moveRenomeiaApaga()
{
    QFETCH(QString, operacao);
    QFETCH(QString, origem);
    QFETCH(QString, destino);
    QFETCH(bool, esperado);
    QFETCH(QStringList, depois);

    QTemporaryDir dir;
    prepara(dir.path(), {"Dados/BD.FDB=x", "b/BD.FDB=y"});
    Plataforma &p = sistema_;
    const QString o = dir.filePath(origem), d = destino.contains('/') || destino.contains('\\') ? dir.filePath(destino) : destino;
    const bool r = operacao == "move" ? p.moveArquivo(o, d) : operacao == "renomeia" ? p.renomeia(o, d) : p.apagaArquivo(o);
    QCOMPARE(r, esperado);
    QCOMPARE(arvore(dir.path()), depois);
}

// --- desktop shortcut -----------------------------------------------------------------------

void TestPlataforma::atalhoNaAreaDeTrabalho()
{
    const QString area = casa_.path() + QStringLiteral("/Área de Trabalho");
    QDir(area).removeRecursively();
    Plataforma &p = sistema_;
    QCOMPARE(p.pastaDesktop(), area);

    // Installed the Windows way: the shortcut names "PRONTANOTA.exe", the file is "prontanota".
    const QString pasta = casa_.path() + QStringLiteral("/Brelo/Minha Loja");
    escreve(pasta + QStringLiteral("/prontanota"), "#!/bin/sh\n");
    QFile::setPermissions(pasta + QStringLiteral("/prontanota"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    QVERIFY(p.criaAtalho(QStringLiteral("Atalho Loja/Centro"), pasta + QStringLiteral("\\PRONTANOTA.exe"), QString(),
                         QStringLiteral("Atalho Loja/Centro.2")));
    const QString arquivo = area + QStringLiteral("/Atalho Loja_Centro.desktop");
    QVERIFY(QFileInfo(arquivo).isExecutable());
    const QStringList linhas = QString::fromUtf8(le(arquivo)).split('\n');
    QCOMPARE(linhas.first(), QStringLiteral("[Desktop Entry]"));
    for (const QString &l : QStringList{QStringLiteral("Type=Application"), QStringLiteral("Name=Atalho Loja/Centro"),
                             QStringLiteral("Comment=Atalho Loja/Centro.2"),
                             QStringLiteral("Exec=\"") + pasta + QStringLiteral("/prontanota\""), QStringLiteral("Path=") + pasta})
        QVERIFY2(linhas.contains(l), qPrintable(l));

    // A second setup with the same name replaces it.
    QVERIFY(p.criaAtalho(QStringLiteral("Atalho Loja/Centro"), pasta + QStringLiteral("/prontanota"), QStringLiteral("/outra")));
    QVERIFY(le(arquivo).contains("Path=/outra\n"));
    QCOMPARE(QDir(area).entryList(QDir::Files).size(), 1);
}

void TestPlataforma::atalhoExec_data()
{
    QTest::addColumn<QString>("programa");
    QTest::addColumn<QString>("linha");
    QTest::newRow("simples") << "/opt/pn/prontanota" << "Exec=/opt/pn/prontanota";
    QTest::newRow("espaço") << "/opt/Minha Loja/prontanota" << "Exec=\"/opt/Minha Loja/prontanota\"";
    QTest::newRow("cifrão e aspas") << "/opt/a$b\"c/pn" << "Exec=\"/opt/a\\\\$b\\\\\"c/pn\"";
    QTest::newRow("barra invertida") << "/opt/a\\b/pn" << "Exec=\"/opt/a\\\\\\\\b/pn\"";
    QTest::newRow("por cento") << "/opt/100%/pn" << "Exec=/opt/100%%/pn";
}

void TestPlataforma::atalhoExec()
{
    QFETCH(QString, programa);
    QFETCH(QString, linha);
    QVERIFY(Atalhos::conteudo("X", programa, "/opt", "").split('\n').contains(linha));
}

void TestPlataforma::atalhoNomeArquivo_data()
{
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QString>("arquivo");
    QTest::newRow("ponto mantido") << "Atalho Loja.2" << "Atalho Loja.2.desktop";
    QTest::newRow("proibidos") << "a/b:c*d?\"e<f>g|h\\i" << "a_b_c_d__e_f_g_h_i.desktop";
    QTest::newRow("oculto não") << "..x" << "x.desktop";
    QTest::newRow("vazio") << " " << "Atalho.desktop";
}

void TestPlataforma::atalhoNomeArquivo()
{
    QFETCH(QString, nome);
    QFETCH(QString, arquivo);
    QCOMPARE(Atalhos::nomeArquivo(nome), arquivo);
}

// --- processes, scripts, ping ---------------------------------------------------------------

void TestPlataforma::processosIncluemEsteTeste()
{
    Plataforma &p = sistema_;
    const QString eu = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    QVERIFY2(p.processos().contains(eu), qPrintable(eu));
    QVERIFY(p.processoAtivo(eu.toUpper() + QStringLiteral(".EXE")));
    QVERIFY(p.processoAtivo(QStringLiteral("C:\\Programas\\bin\\") + eu + QStringLiteral(".exe")));
    QVERIFY(!p.processoAtivo(QStringLiteral("FBGuard-que-nao-existe.exe")));
    QVERIFY(!p.processoAtivo(QString()));
}

void TestPlataforma::processosNomesCompletadosDaLinhaDeComando()
{
    QTemporaryDir proc;
    prepara(proc.path(), {
        "10/comm=nome-muito-long\n",
        "11/comm=sshd\n", "11/cmdline=sshd: usuario@pts/0",
        "12/comm=kworker/0:1\n", "12/cmdline=",
        "13/comm=fbguard\n", "13/cmdline=/usr/sbin/fbguard",
        "14/comm=fbguard\n",
        "self/comm=ignorado\n",
    });
    QFile f(proc.filePath("10/cmdline"));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(QByteArray("/usr/bin/nome-muito-longo-mesmo\0--x", 35));
    f.close();
    QStringList nomes = Processos::lista(proc.path());
    nomes.sort();
    QCOMPARE(nomes, (QStringList{"fbguard", "kworker/0:1", "nome-muito-longo-mesmo", "sshd"}));
}

void TestPlataforma::scriptOculto_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<int>("limite");
    QTest::addColumn<int>("codigo");
    QTest::addColumn<QByteArray>("saida"); // content of SAIDA afterwards
    QTest::newRow("efeito e código") << "echo \"ECHO OFF\" > \"$SAIDA\"\nexit 3\n" << 10000 << 3 << QByteArray("ECHO OFF\n");
    QTest::newRow("texto acentuado") << "printf 'Área' > \"$SAIDA\"\n" << 10000 << 0 << QByteArray("Área");
    QTest::newRow("passa do limite") << "sleep 20\necho tarde > \"$SAIDA\"\n" << 300 << -1 << QByteArray("<ausente>");
}

void TestPlataforma::scriptOculto()
{
    QFETCH(QString, script);
    QFETCH(int, limite);
    QFETCH(int, codigo);
    QFETCH(QByteArray, saida);

    QTemporaryDir dir;
    const QString arquivo = dir.filePath("saida.txt");
    qputenv("SAIDA", arquivo.toUtf8());
    Plataforma &p = sistema_;
    QElapsedTimer relogio;
    relogio.start();
    QCOMPARE(p.executaScriptOculto(script, limite), codigo);
    QVERIFY(relogio.elapsed() < limite + 5000);
    QCOMPARE(le(arquivo), saida);
    QCOMPARE(QDir(QDir::tempPath()).entryList(QDir::Files), QStringList()); // the script file went
}

void TestPlataforma::pingLocal()
{
    Plataforma &p = sistema_;
    const ResultadoPing r = p.ping(QStringLiteral("127.0.0.1"), 1000);
    if (QStandardPaths::findExecutable("ping").isEmpty()
        && QStandardPaths::findExecutable("ping", {"/usr/bin", "/bin", "/usr/sbin", "/sbin"}).isEmpty()) {
        QVERIFY(!r.respondeu);
        QCOMPARE(r.saida, QStringLiteral("O programa \"ping\" não está instalado neste computador."));
        QSKIP("no ping tool on this computer");
    }
    if (!r.respondeu && r.saida.contains("permit", Qt::CaseInsensitive)) QSKIP("ping not permitted here");
    QVERIFY2(r.respondeu, qPrintable(r.saida));
    QVERIFY(r.saida.contains("127.0.0.1"));
}

void TestPlataforma::pingRecusaHostInvalido_data()
{
    QTest::addColumn<QString>("host");
    QTest::newRow("vazio") << "";
    QTest::newRow("opção") << "-f";
    QTest::newRow("espaço") << "127.0.0.1 -c 100";
}

void TestPlataforma::pingRecusaHostInvalido()
{
    QFETCH(QString, host);
    Plataforma &p = sistema_;
    const ResultadoPing r = p.ping(host, 500);
    QVERIFY(!r.respondeu);
    QVERIFY2(r.saida.startsWith("Nome ou IP inválido"), qPrintable(r.saida));
}

// --- keys, dialogs, Firebird ----------------------------------------------------------------

void TestPlataforma::teclasPelosLeds_data()
{
    QTest::addColumn<int>("codigo");
    QTest::addColumn<bool>("ligada");
    QTest::newRow("caps ligado") << Teclas::CapsLock << true;
    QTest::newRow("num: ligado no segundo teclado") << Teclas::NumLock << true;
    QTest::newRow("scroll sem led") << Teclas::ScrollLock << false;
    QTest::newRow("outra tecla") << 0x41 << false;
}

void TestPlataforma::teclasPelosLeds()
{
    QFETCH(int, codigo);
    QFETCH(bool, ligada);
    QTemporaryDir leds;
    prepara(leds.path(), {"input3::capslock/brightness=1\n", "input3::numlock/brightness=0\n",
                          "input7::numlock/brightness=1\n", "input3::scrolllock/max_brightness=1\n",
                          "phy0-led/brightness=1\n"});
    QCOMPARE(Teclas::alternada(codigo, leds.path()), ligada);
}

void TestPlataforma::filtroDialogo_data()
{
    QTest::addColumn<QString>("filtro");
    QTest::addColumn<QString>("esperado");
    QTest::newRow("descrição com padrão") << "Cópia do Banco de Dados(*.fdb)|*.fdb" << "Cópia do Banco de Dados (*.fdb *.FDB)";
    QTest::newRow("vários") << "Imagens|*.jpg;*.BMP|Todos|*" << "Imagens (*.jpg *.BMP *.JPG *.bmp);;Todos (*)";
    QTest::newRow("forma do Qt intacta") << "Banco (*.fdb);;Todos (*)" << "Banco (*.fdb);;Todos (*)";
}

void TestPlataforma::filtroDialogo()
{
    QFETCH(QString, filtro);
    QFETCH(QString, esperado);
    QCOMPARE(Dialogos::filtro(filtro), esperado);
}

void TestPlataforma::firebirdLocalizado_data()
{
    QTest::addColumn<QStringList>("arquivos");
    QTest::addColumn<QString>("pasta"); // "" when not installed
    QTest::addColumn<QString>("versao");
    QTest::addColumn<QString>("guardiao");
    QTest::addColumn<QString>("versaoBiblioteca");

    const QStringList debian{"usr/lib/x86_64-linux-gnu/libfbclient.so.3.0.11=", "usr/sbin/fbguard=", "usr/sbin/firebird=",
                             "usr/lib/x86_64-linux-gnu/firebird/3.0/firebird.conf=",
                             "usr/lib/x86_64-linux-gnu/firebird/3.0/lib/libfbclient.so.2->../../../libfbclient.so.3.0.11"};
    QTest::newRow("nada") << QStringList{"usr/lib/x86_64-linux-gnu/"} << "" << "" << "" << "";
    QTest::newRow("só o cliente") << QStringList{"usr/lib/x86_64-linux-gnu/firebird/3.0/lib/libfbclient.so.2="}
                                  << "" << "" << "" << "";
    QTest::newRow("debian") << debian << "usr/lib/x86_64-linux-gnu/firebird/3.0" << "3.0" << "usr/sbin/fbguard" << "3.0.11";
    QTest::newRow("a mais nova primeiro")
        << (QStringList(debian) << "usr/lib/aarch64-linux-gnu/firebird/4.0/plugins/libEngine13.so=")
        << "usr/lib/aarch64-linux-gnu/firebird/4.0" << "4.0" << "usr/sbin/fbguard" << "";
    QTest::newRow("opt") << QStringList{"opt/firebird/bin/fbguard=", "opt/firebird/bin/fbserver=", "opt/firebird/firebird.conf="}
                         << "opt/firebird" << "" << "opt/firebird/bin/fbguard" << "";
}

void TestPlataforma::firebirdLocalizado()
{
    QFETCH(QStringList, arquivos);
    QFETCH(QString, pasta);
    QFETCH(QString, versao);
    QFETCH(QString, guardiao);
    QFETCH(QString, versaoBiblioteca);

    QTemporaryDir raiz;
    prepara(raiz.path(), arquivos);
    const std::optional<InstalacaoFirebird> i = Firebird::localiza(raiz.path());
    QCOMPARE(i.has_value(), !pasta.isEmpty());
    if (!i) return;
    QCOMPARE(i->pasta, raiz.filePath(pasta));
    QCOMPARE(i->versao, versao);
    QCOMPARE(i->guardiao, raiz.filePath(guardiao));
    QVERIFY(!i->servidor.isEmpty());
    QCOMPARE(Firebird::versaoPelaBiblioteca(i->pasta), versaoBiblioteca);
}

void TestPlataforma::versaoDoTexto_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QString>("versao");
    QTest::newRow("fb_config") << "3.0.11.33637-0.amd64\n" << "3.0.11.33637";
    QTest::newRow("com prefixo") << "LI-V2.5.9.27139 Firebird 2.5" << "2.5.9.27139";
    QTest::newRow("sem número") << "desconhecida" << "";
}

void TestPlataforma::versaoDoTexto()
{
    QFETCH(QString, texto);
    QFETCH(QString, versao);
    QCOMPARE(Firebird::versaoDoTexto(texto), versao);
}

// --- the recording double -------------------------------------------------------------------

void TestPlataforma::gravadoraRegistraEResponde()
{
    {
        PlataformaGravadora g;
        Plataforma &p = Plataforma::atual();
        QCOMPARE(&p, &g);

        g.respostasDialogos = {"/b/BD.FDB", ""};
        g.respostasPing.insert("SERVIDOR", {false, "sem resposta"});
        g.teclasLigadas.insert(Teclas::CapsLock);

        QVERIFY(p.abreEndereco("https://www.brelo.com.br/suporte/"));
        QVERIFY(p.iniciaPrograma("/p/Instalora.exe"));
        QVERIFY(p.copiaArquivo("/a/BD.FDB", "/b/", true));
        QCOMPARE(p.escolheArquivoSalvar("Salvar", "/b/BD.FDB", "Cópia(*.fdb)|*.fdb", "FDB"), QString("/b/BD.FDB"));
        QCOMPARE(p.escolheArquivoAbrir("Abrir", "/b", "*"), QString()); // scripted cancel
        QCOMPARE(p.escolhePasta("Pasta", "/b"), QString());            // nothing left: cancel
        QVERIFY(!p.ping("SERVIDOR", 500).respondeu);
        QVERIFY(p.ping("192.168.0.1", 500).respondeu);
        QVERIFY(p.teclaAlternada(Teclas::CapsLock));
        QVERIFY(!p.teclaAlternada(Teclas::NumLock));

        QVERIFY(!p.processoAtivo("FBGuard.exe"));
        QVERIFY(p.iniciaServicoBanco());
        QVERIFY(p.processoAtivo("FBGuard.exe"));

        g.codigoSaidaScript = 1;
        QCOMPARE(p.executaScriptOculto("ECHO OFF\r\nnetsh ..."), 1);
        QCOMPARE(g.scripts, QStringList{"ECHO OFF\r\nnetsh ..."});

        QCOMPARE(g.chamadasDe("abreEndereco"), QStringList{"abreEndereco https://www.brelo.com.br/suporte/"});
        QCOMPARE(g.chamadasDe("iniciaPrograma"), QStringList{"iniciaPrograma /p/Instalora.exe"});
        QCOMPARE(g.chamadasDe("copiaArquivo"), QStringList{"copiaArquivo /a/BD.FDB | /b/ | NovoNome"});
        QCOMPARE(g.chamadasDe("escolheArquivoSalvar"),
                 QStringList{"escolheArquivoSalvar Salvar | /b/BD.FDB | Cópia(*.fdb)|*.fdb | FDB"});
        QCOMPARE(g.chamadasDe("ping"), (QStringList{"ping SERVIDOR | 500", "ping 192.168.0.1 | 500"}));
        QCOMPARE(g.chamadasDe("processos").size(), 2);
        QVERIFY(g.chamou("iniciaServicoBanco"));
        QVERIFY(!g.chamou("abreCalculadora"));
    }
    QVERIFY(dynamic_cast<PlataformaSistema *>(&Plataforma::atual()));
}

void TestPlataforma::gravadoraRepassaArquivosSoQuandoPedido()
{
    QTemporaryDir dir;
    prepara(dir.path(), {"a/BD.FDB=x"});
    PlataformaGravadora g;
    Plataforma &p = Plataforma::atual();

    QVERIFY(p.copiaArquivo(dir.filePath("a/BD.FDB"), dir.filePath("b/")));
    QVERIFY(!QFileInfo::exists(dir.filePath("b")));
    g.resultadoArquivos = false;
    QVERIFY(!p.moveArquivo(dir.filePath("a/BD.FDB"), dir.filePath("c.FDB")));

    g.repassaArquivos = true;
    QVERIFY(p.copiaArquivo(dir.filePath("a/BD.FDB"), dir.filePath("b/")));
    QVERIFY(!p.copiaArquivo(dir.filePath("a/BD.FDB"), dir.filePath("b/")));
    QVERIFY(p.renomeia(dir.filePath("b/BD.FDB"), "BD1.FDB"));
    QCOMPARE(arvore(dir.path()), (QStringList{"a/", "a/BD.FDB=x", "b/", "b/BD1.FDB=x"}));
    QCOMPARE(g.chamadasDe("copiaArquivo").size(), 3);
}

QTEST_MAIN(TestPlataforma)
#include "test_plataforma.moc"
