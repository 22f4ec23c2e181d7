#pragma once
// One prepared statement: binds named parameters, runs, and reads rows through a cursor.

#include <QHash>
#include <QList>
#include <QString>
#include <QVariant>
#include <QVector>

#include <memory>

namespace Firebird { class IStatement; class IMessageMetadata; class IResultSet; class ITransaction; }
class BancoDados;
class Comando;

struct Coluna {
    QString nome;   // alias as the SELECT names it
    QString tabela; // relation of the column, empty for expressions
    QString campo;  // column name in that relation
    unsigned tipo = 0;
    int subtipo = 0;
    int escala = 0;
    unsigned tamanho = 0;
    unsigned charset = 0;
    unsigned offset = 0;
    unsigned offsetNulo = 0;

    bool ehTexto() const;
    bool ehData() const;
    bool ehMoeda() const; // exact numeric with decimals
    bool ehInteiro() const;
    bool ehBlobTexto() const;
    bool ehBlobBinario() const;
};

using Linha = QVector<QVariant>;

// A text or binary blob of a fetched row not read yet: its id, read on first use.
struct BlobAdiado {
    quint32 alto = 0, baixo = 0;
    bool operator==(const BlobAdiado &o) const { return alto == o.alto && baixo == o.baixo; }
};
Q_DECLARE_METATYPE(BlobAdiado)

// The open cursor of a SELECT. Rows are read one at a time; closing it (or destroying it)
// ends the statement's result set.
class Cursor {
public:
    ~Cursor();
    Cursor(const Cursor &) = delete;
    Cursor &operator=(const Cursor &) = delete;
    // The next row into `linha`; false at the end (the cursor is then closed). Throws ErroBD.
    bool proxima(Linha &linha);
    bool aberto() const { return rs_ != nullptr; }
    Firebird::ITransaction *transacao() const { return tr_; }
    void fecha();   // closes the result set
    void solta();   // the attachment is gone: drops it without a call to the database

private:
    friend class Comando;
    Cursor(Comando &c, Firebird::ITransaction *tr, Firebird::IResultSet *rs, bool adiaBlobs);
    Comando &c_;
    Firebird::ITransaction *tr_;
    Firebird::IResultSet *rs_;
    bool adiaBlobs_;
    QByteArray buffer_;
};

class Comando {
public:
    Comando(BancoDados &banco, const QString &sql);
    ~Comando();
    Comando(const Comando &) = delete;
    Comando &operator=(const Comando &) = delete;

    const QString &sql() const { return sql_; }
    const QStringList &nomesParametros() const { return nomes_; }
    // Output columns (prepares on first use).
    const QList<Coluna> &colunas(Firebird::ITransaction *tr);
    bool ehSelecao(Firebird::ITransaction *tr);

    // Runs with the named values (missing names bind null). A SELECT appends its rows to `linhas`.
    void executa(Firebird::ITransaction *tr, const QHash<QString, QVariant> &valores, QList<Linha> *linhas = nullptr);
    qint64 linhasAfetadas() const { return afetadas_; }
    // Opens a cursor of a SELECT. With `adiaBlobs` a blob column holds a BlobAdiado to read
    // with `leBlob` when it is used.
    std::unique_ptr<Cursor> abreCursor(Firebird::ITransaction *tr, const QHash<QString, QVariant> &valores,
                                       bool adiaBlobs);
    // The value of blob `id` of column `c`, read in `tr`.
    QVariant leBlob(Firebird::ITransaction *tr, const Coluna &c, const BlobAdiado &id);

    // Drops the prepared statement (its attachment went away).
    void solta();

    // Converts `v` to the in-memory type of column `c` (int, Moeda, QDate, QString, QByteArray).
    static QVariant normaliza(const Coluna &c, const QVariant &v);

private:
    friend class Cursor;
    void prepara(Firebird::ITransaction *tr);
    QByteArray montaEntrada(Firebird::ITransaction *tr, const QHash<QString, QVariant> &valores,
                            Firebird::IMessageMetadata *&meta);
    Linha leLinha(Firebird::ITransaction *tr, const unsigned char *buf, bool adiaBlobs);

    BancoDados &banco_;
    QString sql_;
    QString sqlPosicional_;
    QStringList nomes_;
    Firebird::IStatement *stmt_ = nullptr;
    Firebird::IMessageMetadata *entrada_ = nullptr;
    Firebird::IMessageMetadata *saida_ = nullptr;
    QList<Coluna> colunas_;
    unsigned tamanhoSaida_ = 0;
    unsigned tipoComando_ = 0;
    int geracao_ = -1;
    qint64 afetadas_ = 0;
};
