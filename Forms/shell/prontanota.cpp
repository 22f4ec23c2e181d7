// prontanota: reads the installation settings, opens the database and shows the main window.

#include "Dados.h"
#include "ErroBD.h"
#include "Mensagens.h"
#include "Registro.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Prontanota"));
    Mensagens::defineTituloAplicacao(QStringLiteral("Prontanota - Brelo"));
    Registro::carregaSubstituicao();

    QMainWindow principal;
    principal.setWindowTitle(QStringLiteral("Prontanota - Brelo"));
    principal.resize(1024, 700);

    Dados modulo;
    modulo.carregaRegistro();
    if (modulo.VersaoEmbarcada && !modulo.PathPrograma.isEmpty()) QDir::setCurrent(modulo.PathPrograma);
    try {
        modulo.conecta();
        Dados::abre(modulo.QryConfigs);
        modulo.CF_MODELO_PROMIS = modulo.QryConfigs[QStringLiteral("CF_MODELO_PROMIS")].asString();
    } catch (const ErroBD &e) {
        mensagemErro(e.mensagem());
        return 1;
    }

    auto *rotulo = new QLabel(QStringLiteral("Banco de dados: %1").arg(modulo.DataBase.nome), &principal);
    rotulo->setAlignment(Qt::AlignCenter);
    principal.setCentralWidget(rotulo);
    principal.statusBar()->showMessage(modulo.VersaoEmbarcada ? QStringLiteral("Modo local")
                                                              : QStringLiteral("Modo rede: ") + modulo.NomeServidor);
    principal.show();
    return app.exec();
}
