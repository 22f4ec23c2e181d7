#pragma once
// A connection to one Firebird database (the system's `DataBase` object).

#include <QList>
#include <QString>
#include <QStringList>

namespace Firebird { class IAttachment; }
class Transacao;
class Query;

class BancoDados {
public:
    BancoDados();
    ~BancoDados();
    BancoDados(const BancoDados &) = delete;
    BancoDados &operator=(const BancoDados &) = delete;

    // The four connection parameters, in the order the system sends them.
    static QStringList parametrosPadrao();
    // Database name by mode: server "{servidor}/3050:{caminho}", embedded "Dados/BD.FDB".
    static QString nomeServidor(const QString &servidor, const QString &caminho, int porta = 3050);
    static QString nomeEmbarcado();

    QString nome;           // database name as given to the client library
    QStringList parametros; // "name=value" lines; besides the four, "force_write=0|1" and "num_buffers=N"

    // Attaches with `nome` and `parametros` (dialect 3). Throws ErroBD; stays closed on failure.
    void conecta();
    // Ends every transaction (commit) and detaches.
    void desconecta();
    bool conectado() const { return att_ != nullptr; }

    // Creates a new database file (page size 8192, default character set WIN1252) and stays attached.
    void cria(const QString &arquivo);

    Firebird::IAttachment *attachment() const { return att_; }
    // Incremented at every connection; prepared statements of an older one are dropped.
    int geracao() const { return geracao_; }

    // Runs one statement outside any query (own transaction, committed).
    void executa(const QString &sql);
    // Value of "SELECT GEN_ID({gerador}, {incremento}) FROM RDB$DATABASE" in transaction `tr`.
    qint64 geraValor(const QString &gerador, int incremento, Transacao &tr);

private:
    friend class Transacao;
    friend class Query;
    QByteArray dpb(bool criar) const;
    QList<Transacao *> transacoes_;
    QList<Query *> queries_;
    Firebird::IAttachment *att_ = nullptr;
    int geracao_ = 0;
};
