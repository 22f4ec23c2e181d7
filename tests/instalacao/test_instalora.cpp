// TfInstalora: the silent update, the server, terminal and nickname paths, and the whole road
// of a restore (backup, changes, restore, silent upgrade, restart).

#include "BancoDados.h"
#include "BaseAnterior.h"
#include "Dados.h"
#include "InstalacaoTeste.h"
#include "LabelClicavel.h"
#include "MensagensRoteiro.h"
#include "PlataformaGravadora.h"
#include "Query.h"
#include "Registro.h"
#include "RelogioFixo.h"
#include "TfBackup.h"
#include "TfInstalora.h"
#include "Transacao.h"

#include <QCryptographicHash>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>

namespace {

QVariant um(const QString &arquivo, const QString &sql)
{
    BancoDados b;
    b.nome = arquivo;
    b.conecta();
    Transacao tr(b);
    Query q(b, tr);
    q.sql.defineTexto(sql);
    q.open();
    const QVariant v = q.isEmpty() ? QVariant() : q.field(0).valor();
    q.close();
    tr.commit();
    b.desconecta();
    return v;
}

QByteArray resumo(const QString &arquivo)
{
    QFile f(arquivo);
    f.open(QIODevice::ReadOnly);
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha1);
}

bool temColuna(const QString &arquivo, const char *tabela, const char *coluna)
{
    return um(arquivo, QStringLiteral("SELECT COUNT(*) FROM RDB$RELATION_FIELDS WHERE RDB$RELATION_NAME = '%1' AND RDB$FIELD_NAME = '%2'")
                           .arg(QLatin1String(tabela), QLatin1String(coluna))).toInt() == 1;
}

struct Cenario {
    InstalacaoTeste inst;
    MensagensRoteiro msg;
    RelogioFixo relogio{QDate(2026, 12, 10)};
    PlataformaGravadora plataforma;
    explicit Cenario(bool anterior = true)
    {
        if (anterior) BaseAnterior::cria(inst.banco());
        Registro::escreveInteiro(QStringLiteral("Versao"), 20261210);
    }
    QString programa() const { return inst.pasta() + QStringLiteral("/PRONTANOTA.exe"); }
};

} // namespace

class TstInstalora : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void atualizacaoSilenciosaNoServidor()
    {
        Cenario c;
        Registro::escreveTexto(QStringLiteral("ModoAtualizSilencioso"), QStringLiteral("S"));
        Registro::escreveTexto(QStringLiteral("RecenteInstal"), QString());
        TfInstalora w;
        w.inicia();
        QVERIFY(c.msg.verificaFim());
        QVERIFY(temColuna(c.inst.banco(), "CONFIGS", "CF_OBS_PROMIS"));
        QCOMPARE(um(c.inst.banco(), QStringLiteral("SELECT CF_VERSAO FROM CONFIGS")).toInt(), 20261210);
        QCOMPARE(um(c.inst.banco(), QStringLiteral("SELECT MON$FORCED_WRITES FROM MON$DATABASE")).toInt(), 1);
        QCOMPARE(Registro::leTexto(QStringLiteral("ModoAtualizSilencioso")), QString());
        QCOMPARE(Registro::leTexto(QStringLiteral("RecenteInstal")), QStringLiteral("S"));
        QCOMPARE(w.LabelCarregando->text(), QStringLiteral("Começando a atualizar"));
        QCOMPARE(w.Paineis->currentWidget(), w.PainelCarregando);
        QCOMPARE(w.BarraProgresso->value(), w.BarraProgresso->maximum());
        QCOMPARE(c.relogio.esperas, (QList<int>{2000, 1000}));
        // The three safety copies into BKP, each under a new name when taken, then the restart.
        const QStringList copias = c.plataforma.chamadasDe(QStringLiteral("copiaArquivo"));
        QCOMPARE(copias.size(), 3);
        for (const QString &l : copias) QVERIFY2(l.endsWith(QStringLiteral("/BKP/ | NovoNome")), qPrintable(l));
        QVERIFY(copias.at(0).contains(QStringLiteral("Dados/BD.FDB")));
        QVERIFY(copias.at(2).contains(QStringLiteral("Relatorios.rav")));
        QCOMPARE(c.plataforma.chamadasDe(QStringLiteral("iniciaPrograma")).size(), 1);
        QVERIFY(c.plataforma.chamou(QStringLiteral("iniciaPrograma ") + c.programa()));
    }

    void atualizacaoSilenciosaNoTerminal()
    {
        Cenario c;
        Registro::escreveTexto(QStringLiteral("Server"), QStringLiteral("N"));
        Registro::escreveTexto(QStringLiteral("ModoAtualizSilencioso"), QStringLiteral("S"));
        const QByteArray antes = resumo(c.inst.banco());
        TfInstalora w;
        w.inicia();
        QVERIFY(c.msg.verificaFim());
        QCOMPARE(resumo(c.inst.banco()), antes);
        QCOMPARE(Registro::leTexto(QStringLiteral("ModoAtualizSilencioso")), QString());
        QCOMPARE(Registro::leTexto(QStringLiteral("RecenteInstal")), QStringLiteral("S"));
        QVERIFY(c.plataforma.chamadasDe(QStringLiteral("copiaArquivo")).isEmpty());
        QVERIFY(c.plataforma.chamou(QStringLiteral("iniciaPrograma ") + c.programa()));
    }

    // A missing Versao stops the start with a message of its own, before the silent update.
    void semVersao()
    {
        Cenario c;
        Registro::apaga(QStringLiteral("Versao"));
        Registro::escreveTexto(QStringLiteral("ModoAtualizSilencioso"), QStringLiteral("S"));
        const QByteArray antes = resumo(c.inst.banco());
        c.msg.espera(QStringLiteral("(valor Versao)"));
        TfInstalora w;
        w.show();
        QTRY_VERIFY(w.iniciado);
        QVERIFY(c.msg.verificaFim());
        QVERIFY(!w.isVisible());
        QCOMPARE(Registro::leTexto(QStringLiteral("ModoAtualizSilencioso")), QStringLiteral("S"));
        QCOMPARE(resumo(c.inst.banco()), antes);
        QVERIFY(c.plataforma.chamadas.isEmpty() || !c.plataforma.chamou(QStringLiteral("iniciaPrograma")));
    }

    // An error of the list stops the silent update: the request stays and nothing restarts.
    void erroNaAtualizacaoSilenciosa()
    {
        Cenario c;
        BancoDados b;
        b.nome = c.inst.banco();
        b.conecta();
        // A column of the list's name but of another type makes a later statement fail.
        b.executa(QStringLiteral("ALTER TABLE NOTAPROMISSORIA ADD NP_SIM_NAO DATE"));
        b.desconecta();
        Registro::escreveTexto(QStringLiteral("ModoAtualizSilencioso"), QStringLiteral("S"));
        c.msg.espera(QString());
        TfInstalora w;
        w.inicia();
        QVERIFY(c.msg.verificaFim());
        QCOMPARE(Registro::leTexto(QStringLiteral("ModoAtualizSilencioso")), QStringLiteral("S"));
        QVERIFY(!c.plataforma.chamou(QStringLiteral("iniciaPrograma")));
        QVERIFY(temColuna(c.inst.banco(), "NOTAPROMISSORIA", "NP_SALDO_DEVEDOR"));
    }

    void recusasDoGravar_data()
    {
        QTest::addColumn<bool>("servidor");
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("ip");
        QTest::addColumn<QString>("mensagem");
        QTest::newRow("servidor sem nome") << true << " " << "10.0.0.1" << "É necessário informar o Nome deste Computador !";
        QTest::newRow("servidor sem IP") << true << "LOJA" << "" << "É necessário informar o IP deste Computador !";
        QTest::newRow("terminal sem nome") << false << "" << "10.0.0.1" << "É necessário informar o Nome do Servidor !";
        QTest::newRow("terminal sem IP") << false << "LOJA" << " " << "É necessário informar o IP do Servidor !";
    }
    void recusasDoGravar()
    {
        QFETCH(bool, servidor);
        QFETCH(QString, nome);
        QFETCH(QString, ip);
        QFETCH(QString, mensagem);
        Cenario c(false);
        TfInstalora w;
        w.inicia();
        (servidor ? w.CheckServidor : w.CheckTerminal)->click();
        (servidor ? w.EditNome1 : w.EditNome2)->setText(nome);
        (servidor ? w.EditIP1 : w.EditIP2)->setText(ip);
        c.msg.espera(mensagem);
        w.ButGravar->click();
        QVERIFY(c.msg.verificaFim());
        QVERIFY(w.ButGravar->isEnabled());
        QCOMPARE(w.Paineis->currentWidget(), w.VisaoPrincipal);
        QVERIFY(c.plataforma.chamadas.isEmpty() || !c.plataforma.chamou(QStringLiteral("renomeia")));
    }

    void caminhoDoServidorLocal()
    {
        Cenario c;
        TfInstalora w;
        w.show();
        QTRY_VERIFY(w.iniciado);
        QVERIFY(w.CheckServidor->isChecked());
        QVERIFY(w.GrupoServidor->isVisible() && !w.GrupoTerminal->isVisible());
        w.EditNome1->setText(QStringLiteral("LOJA"));
        w.EditIP1->setText(QStringLiteral("192.168.0.2"));
        w.ButGravar->click();
        QCOMPARE(w.Paineis->currentWidget(), w.TabLocalRede);
        QVERIFY(!w.ButGravar->isEnabled());
        c.msg.espera(QStringLiteral("Marque uma das opções !"));
        w.BitBtn1->click();
        QVERIFY(c.msg.verificaFim());
        QVERIFY(!temColuna(c.inst.banco(), "CONFIGS", "CF_OBS_PROMIS"));
        w.RadioModoLocal->click();
        w.BitBtn1->click();
        QVERIFY(c.msg.verificaFim());
        QVERIFY(temColuna(c.inst.banco(), "CONFIGS", "CF_OBS_PROMIS"));
        QVERIFY(Registro::leBooleano(QStringLiteral("VersaoEmbarcada")));
        QCOMPARE(Registro::leTexto(QStringLiteral("NomeServidor")), QStringLiteral("127.0.0.1"));
        QVERIFY(c.plataforma.chamou(QStringLiteral("iniciaPrograma ") + c.programa()));
        QVERIFY(!w.isVisible());
    }

    // The server's own name carries the upgrade's network connection, unless it has an accented letter.
    void hostDaConexaoDoServidor_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("host");
        QTest::newRow("sem acento") << "LOJA" << "LOJA";
        QTest::newRow("com acento") << "ESTAÇÃO" << "127.0.0.1";
    }
    void hostDaConexaoDoServidor()
    {
        QFETCH(QString, nome);
        QFETCH(QString, host);
        Cenario c(false);
        TfInstalora w;
        w.inicia();
        w.EditNome1->setText(nome);
        w.EditIP1->setText(QStringLiteral("192.168.0.2"));
        w.ButGravar->click();
        QCOMPARE(w.hostConexao, host);
        QCOMPARE(w.Paineis->currentWidget(), w.TabLocalRede);
    }

    // A server name with an accented letter: the terminal keeps the server's IP address as its name.
    void terminalComNomeAcentuado()
    {
        Cenario c;
        Registro::escreveTexto(QStringLiteral("Server"), QStringLiteral("N"));
        const QByteArray antes = resumo(c.inst.banco());
        TfInstalora w;
        w.inicia();
        QVERIFY(w.CheckTerminal->isChecked());
        QTest::keyClicks(w.EditIP2, QStringLiteral("192.16a8.0.5"));
        QCOMPARE(w.EditIP2->text(), QStringLiteral("192.168.0.5"));
        w.EditNome2->setText(QStringLiteral("SERVIDÔR"));
        w.ButGravar->click();
        QVERIFY(c.msg.verificaFim());
        QCOMPARE(Registro::leTexto(QStringLiteral("Server")), QStringLiteral("N"));
        QCOMPARE(Registro::leTexto(QStringLiteral("NomeServidor")), QStringLiteral("192.168.0.5"));
        QCOMPARE(Registro::leTexto(QStringLiteral("IPServidor")), QStringLiteral("192.168.0.5"));
        QVERIFY(c.plataforma.chamou(QStringLiteral("renomeia ") + c.inst.pasta() + QStringLiteral("/Dados | ")
                                    + c.inst.pasta() + QStringLiteral("/Dados01")));
        QCOMPARE(resumo(c.inst.banco()), antes);
    }

    void janelaNaoFecha()
    {
        Cenario c(false);
        TfInstalora w;
        w.show();
        QTRY_VERIFY(w.iniciado);
        QVERIFY(!w.close());
        QVERIFY(w.isVisible());
        w.LabelSair->clicado();
        QVERIFY(!w.isVisible());
    }

    void apelido_data()
    {
        QTest::addColumn<QString>("apelido");
        QTest::addColumn<QString>("atalho");
        QTest::newRow("vazio") << "" << "";
        QTest::newRow("um espaço") << " " << "";
        QTest::newRow("simples") << "LOJA2" << "Atalho LOJA2";
        QTest::newRow("com ponto") << "LOJA.CENTRO" << "Atalho LOJA";
    }
    void apelido()
    {
        QFETCH(QString, apelido);
        QFETCH(QString, atalho);
        Cenario c(false);
        QFile companheiro(TfInstalora::arquivoPersonalizacao());
        QVERIFY(companheiro.open(QIODevice::WriteOnly));
        companheiro.close();
        TfInstalora w;
        w.inicia();
        QCOMPARE(w.Paineis->currentWidget(), w.PainelApelido);
        QTest::keyClicks(w.EditApelido, apelido.toLower());
        QCOMPARE(w.EditApelido->text(), apelido);
        if (atalho.isEmpty()) {
            c.msg.espera(QStringLiteral("É necessário informar um apelido !"));
            w.ButGravaApelido->click();
            QVERIFY(c.msg.verificaFim());
            QVERIFY(w.ButGravaApelido->isEnabled());
            return;
        }
        w.EditNome1->setText(QStringLiteral("LOJA"));
        w.EditIP1->setText(QStringLiteral("10.0.0.1"));
        w.ButGravaApelido->click();
        QVERIFY(c.msg.verificaFim());
        const QString pasta = c.inst.raiz() + QLatin1Char('/') + apelido;
        QSettings ini(pasta + QStringLiteral("/Registro.ini"), QSettings::IniFormat);
        QCOMPARE(ini.value(QStringLiteral("REGISTRO/Registro1")).toString(), QStringLiteral("Software\\Brelo\\") + apelido);
        QCOMPARE(Registro::chave(), QStringLiteral("Software\\Brelo\\") + apelido);
        QCOMPARE(Registro::leTexto(QStringLiteral("PathPrograma")), QStringLiteral("C:\\Brelo\\%1\\").arg(apelido));
        QCOMPARE(Registro::leInteiro(QStringLiteral("Versao")), 20160419);
        for (const char *sub : {"Dados", "Relatorios", "BKP"}) QVERIFY(QFileInfo(pasta + QLatin1Char('/') + QLatin1String(sub)).isDir());
        const QStringList atalhos = c.plataforma.chamadasDe(QStringLiteral("criaAtalho"));
        QCOMPARE(atalhos.size(), 1);
        QVERIFY2(atalhos.first().startsWith(QStringLiteral("criaAtalho ") + atalho + QStringLiteral(" | ")), qPrintable(atalhos.first()));
        QVERIFY(atalhos.first().endsWith(QStringLiteral(" | Atalho ") + apelido));
        QVERIFY(c.plataforma.chamou(QStringLiteral("/Prontanota/Dados/BD.FDB | ") + pasta + QStringLiteral("/Dados/ | NovoNome")));
        QCOMPARE(w.Paineis->currentWidget(), w.TabLocalRede);
        Registro::defineChave(Registro::chavePadrao());
    }

    // Backup, changes, restore, the silent upgrade and the restart: the data of the backup is back.
    void cicloDaRestauracao()
    {
        Cenario c(false);
        c.plataforma.repassaArquivos = true;
        QTemporaryDir destino;
        {
            auto dm = c.inst.conectaDados();
            dm->CodUsuarioLogado = 1;
            dm->DataBase.executa(QStringLiteral("INSERT INTO NOTAPROMISSORIA (NP_CODIGO, NP_VALOR, NP_VALOR_PGTO, NP_SIM_NAO) VALUES (1, 10, 0, 'T')"));
            c.msg.aceitaTudo();
            TfBackup backup;
            backup.EditDestino->setText(destino.path() + QLatin1Char('/'));
            backup.ButGeraBackup->click();
            QVERIFY(ResultadoBackup::concluido);
            dm->DataBase.executa(QStringLiteral("INSERT INTO NOTAPROMISSORIA (NP_CODIGO, NP_VALOR, NP_VALOR_PGTO) VALUES (2, 20, 0)"));
            ResultadoBackup::concluido = false;
            TfBackup restauracao;
            restauracao.preparaPagina(PaginaBackup::Restauracao, false);
            restauracao.EditArquivoBkp->setText(destino.filePath(QStringLiteral("BD.FDB")));
            restauracao.ButRestauraClick();
            QVERIFY(ResultadoBackup::concluido);
            QVERIFY(!dm->DataBase.conectado());
        }
        // What the main program does after a completed restore.
        Registro::escreveTexto(QStringLiteral("ModoAtualizSilencioso"), QStringLiteral("S"));
        {
            TfInstalora w;
            w.inicia();
        }
        QVERIFY(c.plataforma.chamou(QStringLiteral("iniciaPrograma ") + c.programa()));
        QCOMPARE(Registro::leTexto(QStringLiteral("RecenteInstal")), QStringLiteral("S"));
        QVERIFY(QFileInfo(c.inst.pasta() + QStringLiteral("/Dados/BDANTESREST.FDB")).isFile());
        auto dm = c.inst.conectaDados();
        Transacao tr(dm->DataBase);
        Query q(dm->DataBase, tr);
        q.sql.defineTexto(QStringLiteral("SELECT LIST(NP_CODIGO || NP_SIM_NAO) FROM NOTAPROMISSORIA"));
        q.open();
        QCOMPARE(q.field(0).asString(), QStringLiteral("1F"));
        q.close();
        tr.commit();
    }
};

QTEST_MAIN(TstInstalora)
#include "test_instalora.moc"
