#pragma once
// The database schema (esquema.sql) and the rows a new database is delivered with.

#include <QDate>
#include <QString>
#include <QStringList>
#include <functional>

class BancoDados;

namespace Esquema {

// Release number the schema corresponds to (yyyymmdd), written to CF_VERSAO.
constexpr int Versao = 20261210;

// The statements of a script, split on ';' outside literals and comments; comment-only pieces dropped.
QStringList divideScript(const QString &script);
QStringList comandosEsquema();
QStringList comandosDadosIniciais();

// Creates `arquivo` with the whole schema, the delivered rows and the CONFIGS row of a fresh
// installation (CF_BACKUP = `hoje`). Throws ErroBD; a half-made file is removed.
// `progresso` (optional) receives (done, total).
void criaBanco(const QString &arquivo, QDate hoje, const std::function<void(int, int)> &progresso = {});

// Inserts the CONFIGS row of a fresh installation into an open database.
void insereConfiguracaoInicial(BancoDados &banco, QDate hoje);

} // namespace Esquema
