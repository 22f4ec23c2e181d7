// Instalora: the installer configuration of Prontanota (no command-line arguments).

#include "AplicacaoProntanota.h"
#include "Mensagens.h"
#include "MensagensJanelas.h"
#include "TfInstalora.h"

#include <QIcon>

int main(int argc, char **argv)
{
    AplicacaoProntanota app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Configura Servidor"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/prontanota.png")));
    Mensagens::defineTituloAplicacao(QStringLiteral("Configura Servidor"));
    MensagensJanelas mensagens;
    Mensagens::instala(&mensagens);
    int r = 0;
    {
        TfInstalora janela;
        janela.show();
        r = app.exec();
    }
    Mensagens::instala(nullptr);
    return r;
}
