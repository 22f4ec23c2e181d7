#include "MenuLocalidades.h"

#include "JanelaPrincipal.h"
#include "Permissoes.h"

#include <QMenu>

void MenuLocalidades::adiciona(QMenu *menu)
{
    const QList<std::pair<QString, QString>> localidades{{QStringLiteral("Cidades"), QStringLiteral("CIDADES")},
                                                         {QStringLiteral("Bairros"), QStringLiteral("BAIRROS")},
                                                         {QStringLiteral("Logradouros"), QStringLiteral("LOGRADOUROS")}};
    for (const auto &[item, tipo] : localidades)
        menu->addAction(item, menu, [tipo] { // a click check: refused for MASTER, who has no permission record
            if (auto *principal = JanelaPrincipal::atual(); principal && Permissoes::concede(QStringLiteral("PUS_LOCALIDADES_V")))
                principal->abreJanela(tipo);
        });
}
