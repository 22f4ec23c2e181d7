// Makes the large database of the benchmarks.
//   bench_base <arquivo.fdb> [pessoas] [notas]    default 100000 persons, 250000 notes of 4

#include "BaseGrande.h"
#include "ErroBD.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextStream>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        out << "uso: bench_base <arquivo.fdb> [pessoas] [notas]\n";
        return 2;
    }
    BaseGrande::Tamanho t;
    if (args.size() > 2) t.pessoas = args.at(2).toInt();
    if (args.size() > 3) t.notas = args.at(3).toInt();
    QElapsedTimer relogio;
    relogio.start();
    try {
        BaseGrande::gera(args.at(1), QDate::currentDate(), t, [&](const QString &etapa) {
            out << relogio.elapsed() / 1000 << " s  " << etapa << Qt::endl;
        });
    } catch (const ErroBD &e) {
        out << e.mensagem() << Qt::endl;
        return 1;
    }
    out << relogio.elapsed() / 1000 << " s  pronto: " << args.at(1) << Qt::endl;
    return 0;
}
