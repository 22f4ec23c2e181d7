#pragma once
// A query of the system (`Qry...`): numbered SQL lines with named parameters. Open keeps the
// cursor and fetches the first rows (about one screen); the rest come as a grid scrolls
// (`buscaMais`) or as code walks, locates or counts (`next`, `last`, `setRecNo`, `locate`,
// `recordCount`). Text blobs of the rows are read when a value is used. With a table and key set
// it also edits: append/edit, post, cancel, delete, taking a new key from the table's generator
// at the moment of the post.

#include "Comando.h"
#include "SQLTexto.h"

#include "Moeda.h"

#include <QDate>
#include <QHash>
#include <QObject>
#include <QSet>
#include <QVariant>
#include <functional>
#include <memory>

namespace Firebird { class ITransaction; }
class BancoDados;
class Query;
class Transacao;

// Access to one field of the current row.
class Campo {
public:
    Campo(Query &q, int coluna) : q_(&q), coluna_(coluna) {}
    QString nome() const;
    QVariant valor() const;
    bool isNull() const { return valor().isNull(); }
    QString asString() const;
    int asInteger() const;
    qlonglong asLargeInt() const;
    double asFloat() const;
    Moeda asMoeda() const;
    QDate asDate() const;
    QByteArray asBytes() const;
    void setValor(const QVariant &v);
    Campo &operator=(const QVariant &v) { setValor(v); return *this; }
    void clear() { setValor(QVariant()); }

private:
    Query *q_;
    int coluna_;
};

class Query : public QObject {
    Q_OBJECT
public:
    enum class Estado { Inativo, Navegando, Inserindo, Editando };

    Query(BancoDados &banco, Transacao &transacao, QObject *parent = nullptr);
    ~Query() override;

    SQLTexto sql;
    BancoDados &banco() const { return banco_; }
    Transacao &transacao() const { return tr_; }

    // Parameters by name (":CODIGO" -> "CODIGO"), kept across opens.
    void defineParametro(const QString &nome, const QVariant &valor);
    QVariant parametro(const QString &nome) const { return params_.value(nome.toUpper()); }
    void limpaParametros() { params_.clear(); }

    void open();
    void close();
    // Closes and opens again, keeping the current row when its key is still there.
    void reabre();
    bool ativa() const { return estado_ != Estado::Inativo; }
    Estado estado() const { return estado_; }
    bool editando() const { return estado_ == Estado::Inserindo || estado_ == Estado::Editando; }
    // Runs an INSERT/UPDATE/DELETE/DDL in the write transaction; returns the rows affected.
    qint64 execSQL();

    // Rows fetched in one go at open and at each `buscaMais`.
    static constexpr int LinhasPorBusca = 60;

    // Rows and columns. `recordCount` fetches every row first; `isEmpty` at most one.
    int recordCount() const;
    bool isEmpty() const { return !temLinha(0); }
    // Rows fetched so far, and whether the cursor has more.
    int linhasCarregadas() const { return int(linhas_.size()); }
    bool podeBuscarMais() const { return cursor_ != nullptr; }
    // Fetches the next rows (a grid scrolling). A failure ends the fetching with the rows
    // already there and is reported once through `falhaBusca`; it is not thrown.
    void buscaMais(int linhas = LinhasPorBusca);
    // Every remaining row.
    void buscaTodas() const;
    // Number of rows of the result counted by the database ("SELECT COUNT(*) FROM (...)" of the
    // statement without its ORDER BY line), without fetching them; the rows in memory when
    // every row is fetched.
    qint64 contaLinhas();
    // Optional: a cheaper statement that counts the rows of the given statement (field 0), used
    // by `contaLinhas` instead of the derived count (e.g. without joins that cannot add rows).
    std::function<QString(const SQLTexto &)> textoContagem;
    int columnCount() const { return int(colunas_.size()); }
    const QList<Coluna> &colunas() const { return colunas_; }
    int indiceCampo(const QString &nome) const; // -1 when absent
    QVariant valor(int linha, int coluna) const;
    QVariant valor(int linha, const QString &campo) const;
    // False while a blob of a fetched row waits to be read (it is read on first use).
    bool valorLido(int linha, int coluna) const;

    // Navigation; recNo is 0-based, -1 on an empty query.
    int recNo() const { return atual_; }
    void setRecNo(int linha);
    void first() { setRecNo(0); }
    void last();
    void next();
    void prior();
    bool eof() const { return eof_; }
    bool bof() const { return atual_ <= 0; }
    bool locate(const QString &campo, const QVariant &valor);

    Campo fieldByName(const QString &nome);
    Campo operator[](const QString &nome) { return fieldByName(nome); }
    Campo field(int coluna) { return Campo(*this, coluna); }

    // Editing.
    void defineTabela(const QString &tabela, const QStringList &chave, const QString &gerador = {});
    QString sqlInserir, sqlAlterar, sqlExcluir; // empty: composed from the SELECT's columns of the table
    void append();
    void edit();
    void post();
    void cancel();
    void remove();
    // Post / delete made durable at once (the transaction's pending write committed). When the
    // statement or the commit fails the pending write is undone and ErroBD is thrown: a row
    // being posted stays in editing as typed, a row being deleted stays in the list.
    void postEConfirma();
    void removeEConfirma();

    std::function<void(Query &)> aoNovoRegistro; // defaults of a new row
    std::function<void(Query &)> antesGravar;
    std::function<void(Query &)> aposGravar;
    std::function<void(Query &)> aposExcluir;
    std::function<void(Query &)> aposCancelar;

Q_SIGNALS:
    void aberta();
    void fechada();
    void posicaoMudou(int linha);
    void linhaAlterada(int linha);
    void linhaInserida(int linha);
    void linhaRemovida(int linha);
    // Rows `primeira` to `ultima` are about to be appended by a fetch / were appended.
    void linhasABuscar(int primeira, int ultima);
    void linhasBuscadas();
    // Fetching stopped on an error (a lost connection): the rows fetched so far stay.
    void falhaBusca(const QString &mensagem);

private:
    friend class Campo;
    friend class BancoDados;
    friend class Transacao;
    void soltaComando();
    // Cursor handling: fetches until row `linha` exists (throws ErroBD); false when there is none.
    bool temLinha(int linha) const;
    void busca(int quantas) const;
    bool cursorEm(Firebird::ITransaction *t) const;
    void terminaCursor(); // takes the remaining rows and closes the cursor
    void soltaCursor();   // the transaction or attachment is gone
    void fechaCursor() const;
    QVariant resolve(int linha, int coluna) const; // the value, a deferred blob read
    bool releBlob(int linha, int coluna) const;    // the current blob of the row, by its key
    QString chaveDe(const Linha &l) const;
    void tiraLinhaAtual(); // the current row leaves the list (it was deleted)
    Comando &comando(std::unique_ptr<Comando> &slot, const QString &texto);
    QVariant valorAtual(int coluna) const;
    void defineValor(int coluna, const QVariant &v);
    QString montaInsert() const;
    QString montaUpdate() const;
    QString montaDelete() const;
    QHash<QString, QVariant> valoresEdicao() const;

    BancoDados &banco_;
    Transacao &tr_;
    QHash<QString, QVariant> params_;
    std::unique_ptr<Comando> selecao_, insercao_, alteracao_, exclusao_, contagem_;
    SQLTexto sqlAberta_;                 // the statement and values of the open cursor
    QHash<QString, QVariant> paramsAbertos_;
    QList<Coluna> colunas_;
    QHash<QString, int> indices_;
    mutable QList<Linha> linhas_;
    mutable std::unique_ptr<Cursor> cursor_;
    QSet<QString> chavesLocais_; // rows posted while the cursor is open: not taken again
    int atual_ = -1;
    bool eof_ = true;
    Estado estado_ = Estado::Inativo;
    Linha original_;
    QString tabela_;
    QStringList chave_;
    QString gerador_;
};
