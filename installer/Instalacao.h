#pragma once
// Builds an installation the way the setup program does: the program folder with its
// Dados, Relatorios and Backup folders, the database file made from the schema, and the
// registry values of a stand-alone (embedded) installation.

#include <QDate>
#include <QString>
#include <functional>

namespace Instalacao {

struct Resultado {
    bool bancoCriado = false;
    bool registroEscrito = false;
};

// `pasta` is the program folder (…/Prontanota). Existing files and values are kept.
// `modelo`, when given and present, is copied instead of creating the database from the schema.
Resultado prepara(const QString &pasta, QDate hoje, const QString &modelo = {},
                  const std::function<void(int, int)> &progresso = {});

// Writes the registry values of an embedded installation in `pasta` (all of them, overwriting).
void escreveRegistro(const QString &pasta);

} // namespace Instalacao
