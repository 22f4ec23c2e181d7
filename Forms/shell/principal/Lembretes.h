#pragma once
// The figures of the notice board and the counting queries that read them.

#include "Moeda.h"

#include <QDate>
#include <QString>

class Dados;
class Query;

struct ContagemLinha {
    int registros = 0;
    Moeda valor; // sum of NP_SALDO_DEVEDOR; 0 when none
};

struct ContagemLembretes {
    ContagemLinha hoje;     // due on `dia`, not paid
    ContagemLinha semana;   // due from `dia` + 1 to `dia` + 7, not paid
    ContagemLinha vencidas; // due from 01/01/1900 up to the day before `dia`, not paid
    ContagemLinha emitidas; // due from `de` (included) up to `ate` (excluded), any status
    int aniversariantesHoje = 0;
    int aniversariantesMes = 0;
    QDate ultimoBackup; // CF_BACKUP; invalid when no backup was ever made
};

// The six counting queries, on whatever connection they were made.
struct ConsultasLembretes {
    Query &hoje, &semana, &vencidas, &emitidas, &aniversariantesHoje, &aniversariantesMes;
};

// The module's own counting queries.
ConsultasLembretes consultasLembretes(Dados &d);

// The overdue count in a form the status-and-due-date index serves; it counts what
// QryPromissoriasVencidas counts on every stored status (a null status counts in neither).
QString sqlVencidasIndexada();

// Runs the queries (ultimoBackup is left invalid); a database error (ErroBD) propagates.
ContagemLembretes leLembretes(const ConsultasLembretes &q, QDate dia, QDate de, QDate ate);

// The zero of the date arithmetic: an empty date counts as this day.
inline QDate dataZero() { return QDate(1899, 12, 30); }
