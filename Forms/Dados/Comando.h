#pragma once
// One prepared statement: binds named parameters, runs, and reads every row into memory.

#include <QHash>
#include <QList>
#include <QString>
#include <QVariant>
#include <QVector>

namespace Firebird { class IStatement; class IMessageMetadata; }
class BancoDados;
class Transacao;

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

class Comando {
public:
    Comando(BancoDados &banco, const QString &sql);
    ~Comando();
    Comando(const Comando &) = delete;
    Comando &operator=(const Comando &) = delete;

    const QString &sql() const { return sql_; }
    const QStringList &nomesParametros() const { return nomes_; }
    // Output columns (prepares on first use).
    const QList<Coluna> &colunas(Transacao &tr);

    // Runs with the named values (missing names bind null). A SELECT appends its rows to `linhas`.
    void executa(Transacao &tr, const QHash<QString, QVariant> &valores, QList<Linha> *linhas = nullptr);
    qint64 linhasAfetadas() const { return afetadas_; }

    // Drops the prepared statement (its attachment went away).
    void solta();

    // Converts `v` to the in-memory type of column `c` (int, Moeda, QDate, QString, QByteArray).
    static QVariant normaliza(const Coluna &c, const QVariant &v);

private:
    void prepara(Transacao &tr);
    QByteArray montaEntrada(Transacao &tr, const QHash<QString, QVariant> &valores,
                            Firebird::IMessageMetadata *&meta);
    Linha leLinha(Transacao &tr, const unsigned char *buf);

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
