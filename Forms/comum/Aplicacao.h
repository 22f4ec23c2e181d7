#pragma once
// Ending the program from any window (Sair, F7, an old database, the exit dialog).
// The request is remembered so that the start sequence and the tests can see it.

namespace Aplicacao {
void encerraPrograma();       // asks the event loop to end (QCoreApplication::exit)
bool programaEncerrado();
void reinicia();              // tests: a new run
} // namespace Aplicacao
