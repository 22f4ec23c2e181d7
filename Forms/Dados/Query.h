#pragma once
// A query of the system (`Qry...`): numbered SQL lines with named parameters; open reads every
// row into memory. With a table and key set it also edits: append/edit, post, cancel, delete,
// taking a new key from the table's generator at the moment of the post.

#include "Comando.h"
#include "SQLTexto.h"

#include "Moeda.h"

#include <QDate>
#include <QHash>
#include <QObject>
#include <QVariant>
#include <functional>
#include <memory>

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
    // Runs an INSERT/UPDATE/DELETE/DDL; returns the rows affected.
    qint64 execSQL();

    // Rows and columns.
    int recordCount() const { return int(linhas_.size()); }
    bool isEmpty() const { return linhas_.isEmpty(); }
    int columnCount() const { return int(colunas_.size()); }
    const QList<Coluna> &colunas() const { return colunas_; }
    int indiceCampo(const QString &nome) const; // -1 when absent
    QVariant valor(int linha, int coluna) const;
    QVariant valor(int linha, const QString &campo) const;

    // Navigation; recNo is 0-based, -1 on an empty query.
    int recNo() const { return atual_; }
    void setRecNo(int linha);
    void first() { setRecNo(0); }
    void last() { setRecNo(recordCount() - 1); }
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

private:
    friend class Campo;
    friend class BancoDados;
    void soltaComando();
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
    std::unique_ptr<Comando> selecao_, insercao_, alteracao_, exclusao_;
    QList<Coluna> colunas_;
    QHash<QString, int> indices_;
    QList<Linha> linhas_;
    int atual_ = -1;
    bool eof_ = true;
    Estado estado_ = Estado::Inativo;
    Linha original_;
    QString tabela_;
    QStringList chave_;
    QString gerador_;
};
