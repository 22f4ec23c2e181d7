// TfBackup: the choices and refusals of both pages, trusted backups and the restore.

#include "BancoDados.h"
#include "CopiaBanco.h"
#include "Dados.h"
#include "InstalacaoTeste.h"
#include "MensagensRoteiro.h"
#include "PlataformaGravadora.h"
#include "Query.h"
#include "Registro.h"
#include "RelogioFixo.h"
#include "TfBackup.h"
#include "Transacao.h"

#include <QCryptographicHash>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QListWidget>
#include <QPushButton>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <atomic>

namespace {

QVariant um(BancoDados &b, const QString &sql)
{
    Transacao tr(b);
    Query q(b, tr);
    q.sql.defineTexto(sql);
    q.open();
    const QVariant v = q.isEmpty() ? QVariant() : q.field(0).valor();
    q.close();
    tr.commit();
    return v;
}

QByteArray resumo(const QString &arquivo)
{
    QFile f(arquivo);
    f.open(QIODevice::ReadOnly);
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha1);
}

// The open database as its content shows it: which file it is (its creation time) and the rows
// of every table. The engine itself may rewrite pages of a live file at any moment, so its
// bytes say nothing about whether the program touched it.
QString estadoBanco(BancoDados &b)
{
    Transacao tr(b);
    Query tabelas(b, tr);
    tabelas.sql.defineTexto(QStringLiteral("SELECT TRIM(RDB$RELATION_NAME) AS NOME FROM RDB$RELATIONS "
                                           "WHERE RDB$SYSTEM_FLAG = 0 AND RDB$VIEW_BLR IS NULL ORDER BY 1"));
    tabelas.open();
    QStringList partes;
    Query q(b, tr);
    q.sql.defineTexto(QStringLiteral("SELECT MON$CREATION_DATE AS CRIADO FROM MON$DATABASE"));
    q.open();
    partes << q[QStringLiteral("CRIADO")].asString();
    for (; !tabelas.eof(); tabelas.next()) {
        const QString nome = tabelas[QStringLiteral("NOME")].asString();
        q.close();
        q.sql.defineTexto(QStringLiteral("SELECT COUNT(*) AS N FROM ") + nome);
        q.open();
        partes << nome + QLatin1Char('=') + q[QStringLiteral("N")].asString();
    }
    return partes.join(u' ');
}

QStringList linhas(QListWidget *l)
{
    QStringList r;
    for (int i = 0; i < l->count(); ++i) r.append(l->item(i)->text());
    return r;
}

// One installation, its data module as an ordinary user, a scripted message service and clock.
struct Cenario {
    InstalacaoTeste inst;
    std::unique_ptr<Dados> dm = inst.conectaDados();
    MensagensRoteiro msg;
    RelogioFixo relogio{QDate(2026, 12, 10)};
    QTemporaryDir destino;
    Cenario()
    {
        dm->CodUsuarioLogado = 1;
        Dados::reabre(dm->QryConfigs);
        ResultadoBackup::concluido = false;
    }
    QString pastaDestino() const { return destino.path() + QLatin1Char('/'); }
    void insereNota(BancoDados &b, int codigo)
    {
        b.executa(QStringLiteral("INSERT INTO NOTAPROMISSORIA (NP_CODIGO, NP_VALOR, NP_VALOR_PGTO, NP_STATUS) VALUES (%1, 10, 0, 'N')").arg(codigo));
    }
    // A backup through the window into the destination folder, answering every dialog.
    void fazBackup(const QString &pasta)
    {
        TfBackup w;
        w.preparaPagina(PaginaBackup::Backup, false);
        w.EditDestino->setText(pasta);
        msg.aceitaTudo();
        w.ButGeraBackup->click();
        QVERIFY(ResultadoBackup::concluido);
        ResultadoBackup::concluido = false;
        msg.limpa();
        msg.aceitaTudo(false);
    }
};

} // namespace

class TstBackup : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void paginaUnica()
    {
        Cenario c;
        TfBackup w;
        w.preparaPagina(PaginaBackup::Restauracao, false);
        QVERIFY(!w.PageControl1->isTabVisible(0));
        QVERIFY(w.PageControl1->isTabVisible(1));
        QCOMPARE(w.LabelBanco2->text(), QStringLiteral(" Seu banco de dados é o arquivo  ") + c.dm->PathBancoDados);
        QCOMPARE(w.EditDestino->text(), c.dm->PathBackup);
        QTest::keyClicks(w.EditArquivoBkp, QStringLiteral("a'b.FDB"));
        QCOMPARE(w.EditArquivoBkp->text(), QStringLiteral("ab.FDB"));
    }

    void escolhaDoDestino()
    {
        Cenario c;
        PlataformaGravadora p;
        TfBackup w;
        p.respostasDialogos = {c.inst.banco(), c.destino.filePath(QStringLiteral("BD.FDB"))};
        c.msg.espera(QStringLiteral("O local do Backup não pode ser\ra pasta do banco de dados."));
        w.ButEscolheLocalBkpClick();
        QCOMPARE(w.EditDestino->text(), QString());
        w.ButEscolheLocalBkpClick();
        QCOMPARE(w.EditDestino->text(), c.pastaDestino());
        QVERIFY(c.msg.verificaFim());
    }

    void recusasDoBackup_data()
    {
        QTest::addColumn<QString>("destino");
        QTest::addColumn<QString>("mensagem");
        QTest::newRow("vazio") << "" << "Informe o destino do backup!";
        QTest::newRow("um espaço") << " " << "Informe o destino do backup!";
        QTest::newRow("pasta inexistente") << "@/nao/existe/" << "Este caminho ou pasta não existe.";
        QTest::newRow("pasta do banco") << "@banco" << "O local do Backup não pode ser";
    }
    void recusasDoBackup()
    {
        QFETCH(QString, destino);
        QFETCH(QString, mensagem);
        Cenario c;
        if (destino == QLatin1String("@banco")) destino = c.inst.pasta() + QStringLiteral("/Dados/");
        else destino.replace(QLatin1Char('@'), c.destino.path());
        const QString antes = estadoBanco(c.dm->DataBase);
        TfBackup w;
        w.EditDestino->setText(destino);
        c.msg.espera(mensagem);
        w.ButGeraBackup->click();
        QVERIFY(c.msg.verificaFim());
        QVERIFY(!ResultadoBackup::concluido);
        QCOMPARE(linhas(w.ListaProgresso), QStringList());
        QCOMPARE(estadoBanco(c.dm->DataBase), antes);
    }

    // Windows asks about drive C:; on Linux the question is asked for a folder on the file
    // system of the root folder, not for one on a drive of its own.
    void perguntaDoDiscoDoSistema()
    {
        QVERIFY(TfBackup::discoDoSistema(QDir::tempPath()));
        const QString shm = QStringLiteral("/dev/shm");
        if (!QFileInfo(shm).isDir() || QStorageInfo(shm).device() == QStorageInfo::root().device())
            QSKIP("no second file system here");
        QVERIFY(!TfBackup::discoDoSistema(shm + QStringLiteral("/")));
    }

    void extensaoDoArquivo_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<bool>("aceito");
        QTest::newRow("FDB") << "BD.FDB" << true;
        QTest::newRow("fdb") << "copia.fdb" << true;
        QTest::newRow("zip") << "BD.zip" << false;
    }
    void extensaoDoArquivo()
    {
        QFETCH(QString, nome);
        QFETCH(bool, aceito);
        Cenario c;
        PlataformaGravadora p;
        const QString arquivo = c.destino.filePath(nome);
        p.respostasDialogos = {arquivo};
        if (!aceito) c.msg.espera(QStringLiteral("A extensão do arquivo deve ser \"FDB\"!"));
        TfBackup w;
        w.preparaPagina(PaginaBackup::Restauracao, false);
        w.ButLocalClick();
        QCOMPARE(w.EditArquivoBkp->text(), aceito ? QDir::toNativeSeparators(arquivo) : QString());
        QVERIFY(c.msg.verificaFim());

        p.respostasDialogos = {c.inst.banco()};
        c.msg.espera(QStringLiteral("Este é o arquivo atual do Banco de Dados."));
        w.ButLocalClick();
        QCOMPARE(w.EditArquivoBkp->text(), QString());
        QVERIFY(c.msg.verificaFim());
    }

    void backupConferido()
    {
        Cenario c;
        c.insereNota(c.dm->DataBase, 1);
        c.dm->DataBase.executa(QStringLiteral("UPDATE CONFIGS SET CF_BACKUP = '2026-01-01'"));
        TfBackup w;
        w.EditDestino->setText(c.pastaDestino());
        c.msg.espera(QStringLiteral("Atenção, se você tiver o programa aberto"))
            .espera(QStringLiteral("Quer mesmo fazer em C: ?"), BotaoSim)
            .espera(QStringLiteral("Backup concluído com sucesso!"));
        if (!TfBackup::discoDoSistema(c.pastaDestino())) QSKIP("temporary folder on a drive of its own");
        w.ButGeraBackup->click();
        QVERIFY(c.msg.verificaFim());
        QVERIFY(ResultadoBackup::concluido);
        const QString copia = c.destino.filePath(QStringLiteral("BD.FDB"));
        QCOMPARE(CopiaBanco::confere(copia), QString());
        QCOMPARE(QDir(c.destino.path()).entryList(QDir::Files), QStringList{QStringLiteral("BD.FDB")});
        QCOMPARE(um(c.dm->DataBase, QStringLiteral("SELECT CF_BACKUP FROM CONFIGS")).toDate(), QDate::currentDate());
        QCOMPARE(Registro::leTexto(QStringLiteral("PathBackup")), c.pastaDestino());
        QVERIFY(linhas(w.ListaProgresso).contains(QStringLiteral(">>>>>>>>>> FIM <<<<<<<<<<")));
        QVERIFY(!QFile::exists(c.inst.banco() + QStringLiteral(".delta")));
        BancoDados b;
        b.nome = copia;
        b.conecta();
        QCOMPARE(um(b, QStringLiteral("SELECT COUNT(*) FROM NOTAPROMISSORIA")).toInt(), 1);
        QCOMPARE(um(b, QStringLiteral("SELECT MON$BACKUP_STATE FROM MON$DATABASE")).toInt(), 0);
    }

    // A copy that cannot be written is a failure: the earlier backup stays as it was and the
    // date of the last backup is not moved.
    void backupFalhoMantemOAnterior()
    {
        Cenario c;
        c.fazBackup(c.pastaDestino());
        const QString anterior = c.destino.filePath(QStringLiteral("BD.FDB"));
        QVERIFY(QFile::exists(anterior));
        const QByteArray bom = resumo(anterior);
        c.dm->DataBase.executa(QStringLiteral("UPDATE CONFIGS SET CF_BACKUP = '2026-01-01'"));
        c.insereNota(c.dm->DataBase, 7);
        // The temporary name taken by a folder: the copy cannot be written.
        QVERIFY(QDir(c.destino.path()).mkdir(QStringLiteral("BD.FDB.copiando")));
        ResultadoBackup::concluido = false;
        TfBackup w;
        w.EditDestino->setText(c.pastaDestino());
        c.msg.aceitaTudo();
        w.ButGeraBackup->click();
        QVERIFY(!ResultadoBackup::concluido);
        QVERIFY(c.msg.textos().join('\n').contains(QStringLiteral("NÃO foi possível fazer o backup!")));
        QVERIFY(!c.msg.textos().join('\n').contains(QStringLiteral("Backup concluído com sucesso!")));
        QCOMPARE(resumo(anterior), bom);
        QCOMPARE(um(c.dm->DataBase, QStringLiteral("SELECT CF_BACKUP FROM CONFIGS")).toDate(), QDate(2026, 1, 1));
        QVERIFY(w.ButGeraBackup->isEnabled());
    }

    // Another connection writes notes of four installments, each note in one transaction,
    // while the backup runs: the copy holds whole notes only and opens as a clean database.
    void backupComOutraConexaoGravando()
    {
        Cenario c;
        std::atomic<bool> parar{false};
        std::atomic<int> gravadas{0};
        const QString arquivo = c.inst.banco();
        QThread *escritor = QThread::create([&] {
            BancoDados b;
            b.nome = arquivo;
            b.conecta();
            for (int nota = 0; !parar; ++nota) {
                Transacao tr(b);
                Query q(b, tr);
                q.sql.defineTexto(QStringLiteral("INSERT INTO NOTAPROMISSORIA (NP_CODIGO, NP_SEQ, NP_PARCELA, NP_VALOR, NP_VALOR_PGTO) "
                                                 "VALUES (:C, :S, :P, 10, 0)"));
                for (int p = 1; p <= 4; ++p) {
                    q.defineParametro(QStringLiteral("C"), nota * 4 + p);
                    q.defineParametro(QStringLiteral("S"), nota);
                    q.defineParametro(QStringLiteral("P"), p);
                    q.execSQL();
                }
                tr.commit();
                ++gravadas;
                QThread::msleep(5);
            }
            b.desconecta();
        });
        escritor->start();
        while (gravadas < 20) QThread::msleep(5);
        const QString copia = c.destino.filePath(QStringLiteral("BD.FDB"));
        const QString problema = CopiaBanco::gera(c.dm->DataBase, arquivo, copia);
        const int antesDoFim = gravadas;
        parar = true;
        escritor->wait();
        delete escritor;
        QCOMPARE(problema, QString());
        BancoDados b;
        b.nome = copia;
        b.conecta();
        const int parcelas = um(b, QStringLiteral("SELECT COUNT(*) FROM NOTAPROMISSORIA")).toInt();
        QVERIFY(parcelas >= 80);
        QVERIFY(parcelas <= antesDoFim * 4 + 4);
        QCOMPARE(um(b, QStringLiteral("SELECT COUNT(*) FROM (SELECT NP_SEQ FROM NOTAPROMISSORIA GROUP BY NP_SEQ HAVING COUNT(*) <> 4)")).toInt(), 0);
        QCOMPARE(um(b, QStringLiteral("SELECT MAX(NP_SEQ) + 1 FROM NOTAPROMISSORIA")).toInt() * 4, parcelas);
    }

    void recusasDaRestauracao_data()
    {
        QTest::addColumn<QString>("arquivo");
        QTest::addColumn<QString>("mensagem");
        QTest::newRow("vazio") << "" << "Informe o local onde está o arquivo de backup que deseja restaurar!";
        QTest::newRow("pasta inexistente") << "@/nao/existe/BD.FDB" << "Este caminho ou pasta não existe.";
        QTest::newRow("o próprio banco") << "@banco" << "Este é o arquivo atual do Banco de Dados.";
        QTest::newRow("extensão zip") << "@/BD.zip" << "A extensão do arquivo deve ser \"FDB\"!";
    }
    void recusasDaRestauracao()
    {
        QFETCH(QString, arquivo);
        QFETCH(QString, mensagem);
        Cenario c;
        if (arquivo == QLatin1String("@banco")) arquivo = c.inst.banco();
        else arquivo.replace(QLatin1Char('@'), c.destino.path());
        const QString antes = estadoBanco(c.dm->DataBase);
        TfBackup w;
        w.preparaPagina(PaginaBackup::Restauracao, false);
        w.EditArquivoBkp->setText(arquivo);
        c.msg.espera(mensagem);
        w.ButRestauraClick();
        QVERIFY(c.msg.verificaFim());
        QVERIFY(!ResultadoBackup::concluido);
        QVERIFY(c.dm->DataBase.conectado());
        QCOMPARE(estadoBanco(c.dm->DataBase), antes);
    }

    // A file that is not a readable database of this system is refused before the database is touched.
    void restauracaoRecusaArquivoInvalido_data()
    {
        QTest::addColumn<QString>("tipo");
        QTest::newRow("backup truncado") << "truncado";
        QTest::newRow("texto com nome de banco") << "texto";
        QTest::newRow("banco de outro sistema") << "outro";
    }
    void restauracaoRecusaArquivoInvalido()
    {
        QFETCH(QString, tipo);
        Cenario c;
        const QString copia = c.destino.filePath(QStringLiteral("BD.FDB"));
        if (tipo == QLatin1String("truncado")) {
            c.fazBackup(c.pastaDestino());
            QFile f(copia);
            QVERIFY(f.open(QIODevice::ReadWrite));
            QVERIFY(f.resize(f.size() / 2));
        } else if (tipo == QLatin1String("texto")) {
            QFile f(copia);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("isto não é um banco de dados\n");
        } else {
            BancoDados b;
            b.cria(copia);
            b.executa(QStringLiteral("CREATE TABLE CLIENTES (ID INTEGER)"));
            b.desconecta();
        }
        const QString antes = estadoBanco(c.dm->DataBase);
        TfBackup w;
        w.preparaPagina(PaginaBackup::Restauracao, false);
        w.EditArquivoBkp->setText(copia);
        c.msg.espera(QStringLiteral("feche-o agora!"))
            .espera(QStringLiteral("Tem CERTEZA que quer VOLTAR este BACKUP?"), BotaoSim)
            .espera(QStringLiteral("Este arquivo não é um backup que possa ser restaurado."));
        w.ButRestauraClick();
        QVERIFY(c.msg.verificaFim());
        QVERIFY(!ResultadoBackup::concluido);
        QVERIFY(c.dm->DataBase.conectado());
        QCOMPARE(estadoBanco(c.dm->DataBase), antes);
        QCOMPARE(QDir(c.inst.pasta() + QStringLiteral("/Dados")).entryList(QDir::Files), QStringList{QStringLiteral("BD.FDB")});
    }

    // The database file cannot be moved aside: the copy fails too, the file stays where it
    // was with its data (a row written after the backup) and the program goes on connected to it.
    void restauracaoComMovimentoFalho()
    {
        Cenario c;
        c.fazBackup(c.pastaDestino());
        c.insereNota(c.dm->DataBase, 9);
        PlataformaGravadora p;
        p.resultadoArquivos = false;
        TfBackup w;
        w.preparaPagina(PaginaBackup::Restauracao, false);
        w.EditArquivoBkp->setText(c.destino.filePath(QStringLiteral("BD.FDB")));
        c.msg.espera(QStringLiteral("feche-o agora!"))
            .espera(QStringLiteral("Tem CERTEZA"), BotaoSim)
            .espera(QStringLiteral("NÃO foi possível fazer a restauração!"));
        w.ButRestauraClick();
        QVERIFY(c.msg.verificaFim());
        QVERIFY(!ResultadoBackup::concluido);
        const QStringList progresso = linhas(w.ListaProgressoRest);
        QVERIFY(progresso.contains(QStringLiteral("Não foi possível realizar uma cópia interna de segurança da base atual!")));
        QVERIFY(progresso.contains(QStringLiteral("Não foi possível copiar o arquivo!")));
        QVERIFY(c.dm->DataBase.conectado());
        QCOMPARE(um(c.dm->DataBase, QStringLiteral("SELECT COUNT(*) FROM NOTAPROMISSORIA WHERE NP_CODIGO = 9")).toInt(), 1);
        QCOMPARE(QDir(c.inst.pasta() + QStringLiteral("/Dados")).entryList(QDir::Files), QStringList{QStringLiteral("BD.FDB")});
    }

    void restauracao()
    {
        Cenario c;
        c.insereNota(c.dm->DataBase, 1);
        c.fazBackup(c.pastaDestino());
        c.insereNota(c.dm->DataBase, 2);
        TfBackup w;
        w.preparaPagina(PaginaBackup::Restauracao, false);
        w.EditArquivoBkp->setText(c.destino.filePath(QStringLiteral("BD.FDB")));
        c.msg.espera(QStringLiteral("feche-o agora!"))
            .espera(QStringLiteral("Tem CERTEZA"), BotaoSim)
            .espera(QStringLiteral("Restauração concluída com sucesso!"));
        w.ButRestauraClick();
        QVERIFY(c.msg.verificaFim());
        QVERIFY(ResultadoBackup::concluido);
        QVERIFY(!c.dm->DataBase.conectado());
        QVERIFY(QFile::exists(c.inst.pasta() + QStringLiteral("/Dados/BDANTESREST.FDB")));
        c.dm->conecta();
        QCOMPARE(um(c.dm->DataBase, QStringLiteral("SELECT LIST(NP_CODIGO) FROM NOTAPROMISSORIA")).toString(), QStringLiteral("1"));
    }
};

QTEST_MAIN(TstBackup)
#include "test_backup.moc"
