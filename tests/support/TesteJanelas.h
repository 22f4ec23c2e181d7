#pragma once
// main() of a window suite: QTEST_MAIN, but with the programs' own application object, so
// that a database error no window handles reaches the test as it reaches a user (the
// database's message through the message service) instead of ending the run.
// The suite links pn_comum.

#include "AplicacaoProntanota.h"

#include <QTest>
#include <QTimer>

#define PN_TESTE_JANELAS(Classe) QTEST_MAIN_WRAPPER(Classe, QTEST_QAPP_SETUP(AplicacaoProntanota))

// A program end asked by an earlier test (Aplicacao::encerraPrograma) leaves every later modal
// exec() returning at once; one turn of the application loop clears that for the next test.
inline void esqueceFimDoPrograma()
{
    QTimer::singleShot(0, QCoreApplication::instance(), [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
}
