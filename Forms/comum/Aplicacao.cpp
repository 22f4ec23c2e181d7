#include "Aplicacao.h"

#include <QCoreApplication>

namespace {
bool g_encerrado = false;
}

void Aplicacao::encerraPrograma()
{
    g_encerrado = true;
    QCoreApplication::exit(0);
}

bool Aplicacao::programaEncerrado() { return g_encerrado; }
void Aplicacao::reinicia() { g_encerrado = false; }
