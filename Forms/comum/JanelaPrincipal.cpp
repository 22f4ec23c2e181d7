#include "JanelaPrincipal.h"

namespace {
JanelaPrincipal *g_principal = nullptr;
}

JanelaPrincipal *JanelaPrincipal::atual() { return g_principal; }
void JanelaPrincipal::define(JanelaPrincipal *j) { g_principal = j; }
