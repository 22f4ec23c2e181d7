#pragma once
// The one error type of the database layer: the database's own message and codes.

#include <QList>
#include <QString>
#include <exception>

class ErroBD : public std::exception {
public:
    explicit ErroBD(QString mensagem, int sqlcode = 0, QList<qint64> codigos = {});

    const QString &mensagem() const { return mensagem_; }
    int sqlcode() const { return sqlcode_; }
    // Firebird error codes (isc_*) of the status, in order.
    const QList<qint64> &codigos() const { return codigos_; }
    bool temCodigo(qint64 codigo) const { return codigos_.contains(codigo); }
    // Primary/unique key or foreign-key refusal.
    bool violacaoChave() const;
    bool violacaoChaveEstrangeira() const;
    // Row locked by another transaction's uncommitted change (nowait).
    bool conflitoBloqueio() const;

    const char *what() const noexcept override { return utf8_.constData(); }

private:
    QString mensagem_;
    int sqlcode_;
    QList<qint64> codigos_;
    QByteArray utf8_;
};
