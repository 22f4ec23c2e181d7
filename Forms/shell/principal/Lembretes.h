#pragma once
// The figures of the notice board, read through the counting queries of the shared data module.

#include "Moeda.h"

#include <QDate>

class Dados;

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

// Runs the queries; a database error (ErroBD) propagates.
ContagemLembretes leLembretes(Dados &d, QDate dia, QDate de, QDate ate);

// The zero of the date arithmetic: an empty date counts as this day.
inline QDate dataZero() { return QDate(1899, 12, 30); }
