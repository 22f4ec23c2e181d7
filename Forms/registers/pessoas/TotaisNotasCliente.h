#pragma once
// The four note totals of the selected person, as first emitter: generated, overdue, open and
// paid, each a count (`REGISTROS`) and an amount (`VALOR`).

#include "Moeda.h"
#include "Query.h"
#include "Transacao.h"

#include <QObject>

class TotaisNotasCliente : public QObject {
    Q_OBJECT
public:
    explicit TotaisNotasCliente(QObject *pai = nullptr);
    ~TotaisNotasCliente() override;

    Transacao TransPromis;
    Query QryNotasGeradas, QryNotasAtraso, QryNotasAberto, QryNotasPago;

    // Reopens the four totals for a person, with today as the due-date limit; an invalid code
    // gives empty totals.
    void carrega(const QVariant &cliente, const QDate &hoje);

    static Moeda valor(const Query &q);
};
