#pragma once
// The notice-board figures computed off the user-interface thread, on a connection of their own
// to the same database. One computation runs at a time; a request made meanwhile waits, and
// only the newest waiting request runs.

#include "Lembretes.h"

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QThread>
#include <optional>

class Dados;
class TrabalhoLembretes;

class CalculoLembretes : public QObject {
    Q_OBJECT
public:
    struct Pedido {
        QString banco;          // database name, as the main connection has it
        QStringList parametros; // connection parameters
        QDate dia, de, ate;     // today and the period of "Emitidas:"
        // Statements: hoje, semana, vencidas, emitidas, aniversariantes hoje, do mês.
        QStringList sql;
    };
    // A request on the module's connection and statements (the overdue count indexed).
    static Pedido pedido(Dados &d, QDate dia, QDate de, QDate ate);

    explicit CalculoLembretes(QObject *parent = nullptr);
    ~CalculoLembretes() override;

    void solicita(const Pedido &p);
    bool ocupado() const { return ocupado_; }
    // Drops a waiting request, waits for a running one and detaches (before the main connection
    // closes, a restore or the end of the program). The next request attaches again.
    void encerra();

Q_SIGNALS:
    void calculado(const ContagemLembretes &c, QDate dia);
    void falhou(const QString &mensagem);

private:
    void inicia(const Pedido &p);
    void concluido();
    QThread thread_;
    TrabalhoLembretes *trabalho_;
    bool ocupado_ = false;
    int geracao_ = 0; // answers of an earlier connection are dropped
    std::optional<Pedido> pendente_;
};
