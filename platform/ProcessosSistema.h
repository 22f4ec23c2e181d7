#pragma once
// Running programs: the process list, bounded runs of command-line tools, executable lookup.

#include <QString>
#include <QStringList>

namespace Processos {

struct Execucao {
    bool iniciou = false;
    bool terminou = false; // ended by itself within the time limit
    int codigo = -1;       // exit code; -1 when it did not end normally
    QString saida;         // standard output and error, merged
};

// Names of the running executables found under `pastaProc` (/proc): the name of the program
// file of each process (its short name, "comm", completed from the command line when the
// kernel cut it), each once.
QStringList lista(const QString &pastaProc = QStringLiteral("/proc"));

// Runs `programa` and waits at most `tempoLimiteMs`; past that it is killed.
Execucao executa(const QString &programa, const QStringList &argumentos, int tempoLimiteMs,
                 const QString &pastaTrabalho = {});

// The executable `programa` stands for: itself when it exists; a "name.exe" that does not exist
// gives the executable "name" of the same folder (letter case ignored); a bare name is looked
// up on PATH. Empty when nothing matches.
QString localizaExecutavel(const QString &programa);

} // namespace Processos
