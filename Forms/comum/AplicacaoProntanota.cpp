#include "AplicacaoProntanota.h"

#include "ErroBD.h"
#include "Mensagens.h"

#include <exception>

AplicacaoProntanota::AplicacaoProntanota(int &argc, char **argv) : QApplication(argc, argv) {}

bool AplicacaoProntanota::notify(QObject *receptor, QEvent *evento)
{
    try {
        return QApplication::notify(receptor, evento);
    } catch (const ErroBD &e) {
        mensagemErro(e.mensagem());
    } catch (const std::exception &e) {
        // Not a database error, but the work of the other windows is worth more than this event.
        mensagemErro(QString::fromLocal8Bit(e.what()));
    }
    return false;
}
