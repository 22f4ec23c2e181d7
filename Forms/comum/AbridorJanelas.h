#pragma once
// Registry of the windows the main window opens: each piece that builds a window registers
// a factory for its kind at program start; the main window asks for a new window by kind.
// A kind without a factory cannot be opened (its menu items and buttons stay disabled).
//
//     AbridorJanelas::registra(TipoJanela::Cidades, [](QWidget *pai) { return new TfCidades(pai); });

#include <QWidget>
#include <functional>

enum class TipoJanela {
    NotaPromissoria,     // TfNotaPromissoria
    NotaPromissoriaLite, // TfNotaPromissoriaLite, the simplified notes
    CadastrosGerais,     // TfCadastrosGerais, the persons register
    Empresas,            // TfEmpresas
    Cidades,             // TfCidades
    Bairros,             // TfBairros
    Logradouros,         // TfLogradouros
    Usuarios,            // TfUsuarios
    ConfiguracoesGerais, // TfConfiguracoesGerais
    ComandosSQL,         // TfComandosSQL (modal)
    Migrar,              // TfMigrar
    Rede,                // TfRede (modal)
    Backup,              // TfBackup (modal; see JanelaBackup)
};

namespace AbridorJanelas {
// Builds a window of the kind; `pai` is the main window. It may return nullptr.
using Fabrica = std::function<QWidget *(QWidget *pai)>;

void registra(TipoJanela tipo, Fabrica fabrica);
void remove(TipoJanela tipo);
bool registrada(TipoJanela tipo);
// A new window of the kind, or nullptr when none is registered.
QWidget *cria(TipoJanela tipo, QWidget *pai);
} // namespace AbridorJanelas
