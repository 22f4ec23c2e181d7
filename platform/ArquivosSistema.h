#pragma once
// File and folder operations of PlataformaSistema (rules in Plataforma.h).

#include "Plataforma.h"

namespace Arquivos {

// The path with backslashes read as folder separators.
QString caminhoLocal(const QString &caminho);
// First free name for `alvo`: "name (2).ext", "name (3).ext", ...; a folder's name has no
// extension ("name.v1 (2)"). Empty when none is free.
QString nomeLivre(const QString &alvo, bool pasta = false);

bool copia(const QString &origem, const QString &destino, Plataforma::SeExistir seExistir);
bool copiaPasta(const QString &origem, const QString &destino, Plataforma::SeExistir seExistir);
bool move(const QString &origem, const QString &destino);
bool renomeia(const QString &origem, const QString &destino);
bool apaga(const QString &caminho);

} // namespace Arquivos
