#pragma once
// A database of an earlier release, for the upgrade: the schema without what the upgrade
// adds (the columns of the upgrade list, the table it creates, the generator and foreign keys
// of its creation statements, the indexes on any of them) and the phone domain one character
// shorter; then the delivered rows and a few rows of a shop that has been working.

#include <QString>
#include <QStringList>

namespace BaseAnterior {

// The statements of the earlier schema, derived from the current one.
QStringList comandosEsquema();

// Creates `arquivo` (replacing it) with the earlier schema and the delivered rows. Throws ErroBD.
void criaVazia(const QString &arquivo);

// criaVazia plus the example rows:
//  CIDADES 1 SAO PAULO/SP visible, 2 OCULTA/MG hidden; BAIRROS 1 CENTRO; LOGRADOUROS 1 RUA DAS FLORES;
//  CADASTROS 1 full address in city 1, 2 with no address at all, 3 in the hidden city 2;
//  EMPRESAS 1; USUARIOS/USUARIOSPERMISSOES 1 and 2 (old flags only);
//  NOTAPROMISSORIA 1 (100, unpaid, NP_VALOR_PGTO null), 2 (200, 50 paid), 3 (300, paid in full);
//  CONFIGS 1 with CF_UF_PADRAO 5, 'T' flags, CF_PATH_ATUALIZADOR 'ATUALIZADOR', CF_VERSAO 20150101.
void cria(const QString &arquivo);

} // namespace BaseAnterior
