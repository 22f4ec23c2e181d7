// Prepares an installation: prontanota-setup --instalacao <program folder> [--menu]
//                            (--menu: also the desktop menu entries of the user)
//                          prontanota-setup --modelo <file>   (an empty database from the schema)

#include "ErroBD.h"
#include "Esquema.h"
#include "Instalacao.h"

#include <QCoreApplication>
#include <QDate>
#include <QFile>
#include <QStandardPaths>
#include <QTextStream>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    QTextStream saida(stdout), erro(stderr);
    try {
        if (args.size() == 3 && args.at(1) == QLatin1String("--modelo")) {
            QFile::remove(args.at(2));
            Instalacao::criaBanco(args.at(2), QDate::currentDate());
            return 0;
        }
        const bool menu = args.size() == 4 && args.at(3) == QLatin1String("--menu");
        if ((args.size() == 3 || menu) && args.at(1) == QLatin1String("--instalacao")) {
            const auto r = Instalacao::prepara(args.at(2), QDate::currentDate(), {}, [&](int feito, int total) {
                if (feito == total || feito % 20 == 0)
                    saida << "Preparando o banco de dados: " << feito << '/' << total << '\n' << Qt::flush;
            });
            if (r.bancoCriado) saida << "Banco de dados criado em " << args.at(2) << "/Dados/BD.FDB\n";
            if (r.registroEscrito) saida << "Configuração da instalação gravada.\n";
            if (menu) {
                const QString aplicacoes = QStandardPaths::writableLocation(QStandardPaths::ApplicationsLocation);
                if (!Instalacao::criaEntradasMenu(args.at(2), aplicacoes)) {
                    erro << "Não foi possível gravar as entradas do menu em " << aplicacoes << '\n';
                    return 1;
                }
                saida << "Entradas do menu gravadas em " << aplicacoes << '\n';
            }
            return 0;
        }
    } catch (const ErroBD &e) {
        erro << e.mensagem() << '\n';
        return 1;
    }
    erro << "uso: prontanota-setup --instalacao <pasta do programa> [--menu] | --modelo <arquivo>\n";
    return 2;
}
