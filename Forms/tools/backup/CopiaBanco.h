#pragma once
// Copies of the database file that can be trusted.
//
// A backup freezes the database file with the engine's backup lock (ALTER DATABASE BEGIN
// BACKUP: while it holds, every change goes to a separate delta file and the main file stays
// as it was at that moment, committed data only), copies it byte for byte, ends the lock
// (the engine merges the delta back) and marks the copy as an ordinary database again. The
// copy is written under a temporary name, attached and checked (the settings row, the row
// count of each table against the source) and only then replaces the destination file, so a
// failed copy never overwrites an earlier good one.

#include <QHash>
#include <QString>
#include <functional>

class BancoDados;

namespace CopiaBanco {

// Row count of every table of the database.
QHash<QString, qint64> contagens(BancoDados &banco);

// Empty when `arquivo` is a readable database of this system (the settings row and the tables
// of persons, notes and users can be read; with `esperado`, every table has those row counts);
// otherwise why not, in Portuguese.
QString confere(const QString &arquivo, const QHash<QString, qint64> *esperado = nullptr);

// A checked copy of the database `banco` (connected to the file `arquivoBanco`) as the file
// `destino`. Empty on success; otherwise why it failed (the destination is then untouched).
// `etapa` receives the texts of the steps.
QString gera(BancoDados &banco, const QString &arquivoBanco, const QString &destino,
             const std::function<void(const QString &)> &etapa = {});

// Clears the backup-lock mark that a file copied under the lock carries. False when the file
// cannot be read or written, or is not a database copied that way.
bool marcaComoNormal(const QString &arquivo);

} // namespace CopiaBanco
