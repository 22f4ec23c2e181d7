#pragma once
// The upgrade list of Instalora: line i of `memoVerifica()` and line i of `memoExecuta()`
// form pair i. A verification returns a row when its column exists; the statement runs only
// when it returns none. Pairs that verify the column TESTANDO.TESTANDO run at every upgrade.

#include <QList>
#include <QString>
#include <QStringList>

namespace ListaAtualizacao {

QStringList memoVerifica();
QStringList memoExecuta();

// The verification line of a column.
QString verificacao(const QString &tabela, const QString &coluna);

// What a pair checks, read back from its verification line.
struct Verificacao {
    QString tabela;
    QString coluna;
    bool sempre() const { return tabela == QLatin1String("TESTANDO"); }
};
Verificacao le(const QString &linhaVerifica);

// The three statements run before the list, each may fail (the object already exists).
QStringList criacaoTabelas();

} // namespace ListaAtualizacao
