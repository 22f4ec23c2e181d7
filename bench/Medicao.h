#pragma once
// What the benchmarks share: the engine's own time for a statement (isql-fb with SET STATS on
// the same database file), the process's memory, and the printing of a figure beside it.

#include <QString>
#include <QStringList>

namespace Medicao {

// Elapsed times (ms) that isql-fb reports for each statement of `sql`, run over `arquivo`
// (fetching and discarding every row). The database must not be open in this process
// (embedded mode opens the file exclusively). Empty when isql-fb could not run.
QList<double> tempoMotor(const QString &arquivo, const QStringList &sql);

// Resident memory of this process, in MiB.
double memoriaMiB();

// Median of the values.
double mediana(QList<double> v);

// "nome: programa X ms, motor Y ms, razão Z"
QString linha(const QString &nome, double programa, double motor);

} // namespace Medicao
