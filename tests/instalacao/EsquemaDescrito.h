#pragma once
// A database's schema as sorted text lines, one per object (tables, columns with their types
// and domains, domains, indexes, constraints, generators), to compare two databases. Column
// positions are left out: the upgrade appends what it adds.

#include <QStringList>

class BancoDados;

QStringList descreveEsquema(BancoDados &banco);
