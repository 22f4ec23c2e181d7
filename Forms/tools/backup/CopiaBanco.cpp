#include "CopiaBanco.h"

#include "BancoDados.h"
#include "ErroBD.h"
#include "Query.h"
#include "Transacao.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>

namespace {

// Header page of the database file (on-disk structure 12): the flags word and its backup state.
constexpr qint64 PosicaoFlags = 42;
constexpr quint16 MascaraBackup = 0x0C00;
constexpr quint16 BackupTravado = 0x0400;
constexpr int Tentativas = 5;

bool copiaBytes(const QString &origem, const QString &destino)
{
    QFile de(origem), para(destino);
    if (!de.open(QIODevice::ReadOnly) || !para.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    QByteArray bloco;
    while (!(bloco = de.read(1 << 20)).isEmpty())
        if (para.write(bloco) != bloco.size()) return false;
    if (de.error() != QFileDevice::NoError) return false;
    return para.flush();
}

int estadoBackup(BancoDados &b)
{
    Transacao tr(b);
    Query q(b, tr);
    q.sql.defineTexto(QStringLiteral("SELECT MON$BACKUP_STATE FROM MON$DATABASE"));
    q.open();
    const int estado = q.field(0).asInteger();
    q.close();
    tr.commit();
    return estado;
}

// The frozen file copied to `temp`; the lock is always ended. `esperado` gets the row counts
// read right after the lock began: what the frozen file holds, unless a write committed in
// between (the copy then shows a difference and is taken again).
void copiaCongelado(BancoDados &banco, const QString &arquivoBanco, const QString &temp, QHash<QString, qint64> &esperado)
{
    if (estadoBackup(banco) != 0) banco.executa(QStringLiteral("ALTER DATABASE END BACKUP"));
    banco.executa(QStringLiteral("ALTER DATABASE BEGIN BACKUP"));
    bool copiou = false;
    try {
        esperado = CopiaBanco::contagens(banco);
        copiou = copiaBytes(arquivoBanco, temp);
    } catch (...) {
        banco.executa(QStringLiteral("ALTER DATABASE END BACKUP"));
        throw;
    }
    banco.executa(QStringLiteral("ALTER DATABASE END BACKUP"));
    if (!copiou) throw ErroBD(QStringLiteral("Não foi possível gravar a cópia em ") + QDir::toNativeSeparators(temp));
}

} // namespace

bool CopiaBanco::marcaComoNormal(const QString &arquivo)
{
    QFile f(arquivo);
    if (!f.open(QIODevice::ReadWrite) || !f.seek(PosicaoFlags)) return false;
    const QByteArray lido = f.read(2);
    if (lido.size() != 2) return false;
    const quint16 flags = qFromLittleEndian<quint16>(lido.constData());
    if ((flags & MascaraBackup) != BackupTravado) return false;
    char novo[2];
    qToLittleEndian<quint16>(quint16(flags & ~MascaraBackup), novo);
    return f.seek(PosicaoFlags) && f.write(novo, 2) == 2 && f.flush();
}

QHash<QString, qint64> CopiaBanco::contagens(BancoDados &b)
{
    Transacao tr(b);
    Query tabelas(b, tr);
    tabelas.sql.defineTexto(QStringLiteral("SELECT TRIM(RDB$RELATION_NAME) FROM RDB$RELATIONS "
                                           "WHERE COALESCE(RDB$SYSTEM_FLAG, 0) = 0 AND RDB$VIEW_BLR IS NULL"));
    tabelas.open();
    QStringList nomes;
    for (tabelas.first(); !tabelas.eof(); tabelas.next()) nomes.append(tabelas.field(0).asString());
    tabelas.close();
    QHash<QString, qint64> r;
    Query conta(b, tr);
    for (const QString &t : nomes) {
        conta.sql.defineTexto(QStringLiteral("SELECT COUNT(*) FROM \"%1\"").arg(t));
        conta.open();
        r.insert(t, conta.field(0).asLargeInt());
        conta.close();
    }
    tr.commit();
    return r;
}

QString CopiaBanco::confere(const QString &arquivo, const QHash<QString, qint64> *esperado)
{
    if (!QFileInfo(arquivo).isFile()) return QStringLiteral("O arquivo não existe.");
    BancoDados b;
    b.nome = arquivo;
    try {
        b.conecta();
    } catch (const ErroBD &e) {
        return QStringLiteral("O arquivo não é um banco de dados que possa ser aberto.\r") + e.mensagem();
    }
    QString problema;
    try {
        const QHash<QString, qint64> achadas = contagens(b);
        for (const char *t : {"CONFIGS", "CADASTROS", "NOTAPROMISSORIA", "USUARIOSPERMISSOES"})
            if (!achadas.contains(QLatin1String(t))) problema = QStringLiteral("O arquivo não é um banco de dados do Prontanota.");
        if (problema.isEmpty() && achadas.value(QStringLiteral("CONFIGS")) == 0)
            problema = QStringLiteral("O banco de dados não tem a linha de configurações.");
        if (problema.isEmpty()) {
            Transacao tr(b);
            Query cfg(b, tr);
            cfg.sql.defineTexto(QStringLiteral("SELECT * FROM CONFIGS"));
            cfg.open();
            cfg.close();
            tr.commit();
        }
        if (problema.isEmpty() && esperado) {
            for (auto it = esperado->constBegin(); it != esperado->constEnd(); ++it)
                if (achadas.value(it.key(), -1) != it.value())
                    problema = QStringLiteral("A tabela %1 tem %2 linha(s) na cópia e %3 no banco de dados.")
                                   .arg(it.key()).arg(achadas.value(it.key(), 0)).arg(it.value());
        }
    } catch (const ErroBD &e) {
        problema = QStringLiteral("O banco de dados não pôde ser lido.\r") + e.mensagem();
    }
    try { b.desconecta(); } catch (const ErroBD &) {}
    return problema;
}

QString CopiaBanco::gera(BancoDados &banco, const QString &arquivoBanco, const QString &destino,
                         const std::function<void(const QString &)> &etapa)
{
    const QString temp = destino + QStringLiteral(".copiando");
    QString problema;
    for (int tentativa = 0; tentativa < Tentativas; ++tentativa) {
        QFile::remove(temp);
        try {
            if (etapa) etapa(QStringLiteral("Copiando o banco de dados..."));
            QHash<QString, qint64> esperado;
            copiaCongelado(banco, arquivoBanco, temp, esperado);
            if (!marcaComoNormal(temp)) {
                problema = QStringLiteral("A cópia não pôde ser preparada.");
                continue;
            }
            if (etapa) etapa(QStringLiteral("Conferindo a cópia..."));
            problema = confere(temp, &esperado);
        } catch (const ErroBD &e) {
            problema = e.mensagem();
        }
        if (problema.isEmpty()) break;
    }
    if (problema.isEmpty()) {
        QFile::remove(destino + QStringLiteral(".anterior"));
        const bool havia = QFile::exists(destino);
        if (havia && !QFile::rename(destino, destino + QStringLiteral(".anterior")))
            problema = QStringLiteral("O backup anterior não pôde ser substituído.");
        else if (!QFile::rename(temp, destino)) {
            if (havia) QFile::rename(destino + QStringLiteral(".anterior"), destino);
            problema = QStringLiteral("A cópia não pôde ser gravada com o nome ") + QDir::toNativeSeparators(destino);
        } else {
            QFile::remove(destino + QStringLiteral(".anterior"));
        }
    }
    QFile::remove(temp);
    return problema;
}
