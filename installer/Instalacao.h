#pragma once
// Builds an installation the way the setup program does: the program folder with its
// Dados, Relatorios, Backup and BKP (Instalora's safety copies) folders, the database file
// made from the schema and brought through the upgrade as Instalora runs it, and the
// registry values of a stand-alone (embedded) installation.

#include <QDate>
#include <QString>
#include <functional>

namespace Instalacao {

struct Resultado {
    bool bancoCriado = false;
    bool registroEscrito = false;
};

// Creates `arquivo` from the schema with the delivered rows, then runs the upgrade on it, so
// that a new database ends in the schema of an upgraded one. Throws ErroBD; a half-made file
// is removed. `progresso` receives (done, total) of each of the two stages.
void criaBanco(const QString &arquivo, QDate hoje, const std::function<void(int, int)> &progresso = {});

// Runs the upgrade on the database file `arquivo` (embedded). Throws ErroBD.
void atualiza(const QString &arquivo, QDate hoje, int versao, const std::function<void(int, int)> &progresso = {});

// `pasta` is the program folder (…/Prontanota). Existing files and values are kept.
// `modelo`, when given and present, is copied instead of creating the database from the schema.
Resultado prepara(const QString &pasta, QDate hoje, const QString &modelo = {},
                  const std::function<void(int, int)> &progresso = {});

// Writes the registry values of an embedded installation in `pasta` (all of them, overwriting).
void escreveRegistro(const QString &pasta);

// Writes the desktop menu entries "prontanota.desktop" and "instalora.desktop" into
// `pastaAplicacoes` (e.g. ~/.local/share/applications), starting the programs of the program
// folder `pasta` with the icon beside them. False when a file cannot be written.
bool criaEntradasMenu(const QString &pasta, const QString &pastaAplicacoes);

} // namespace Instalacao
