#include "MenuLocalidades.h"

#include "Dados.h"
#include "JanelaPrincipal.h"

#include <QMenu>

void MenuLocalidades::adiciona(QMenu *menu)
{
    const QList<std::pair<QString, QString>> localidades{{QStringLiteral("Cidades"), QStringLiteral("CIDADES")},
                                                         {QStringLiteral("Bairros"), QStringLiteral("BAIRROS")},
                                                         {QStringLiteral("Logradouros"), QStringLiteral("LOGRADOUROS")}};
    for (const auto &[item, tipo] : localidades)
        menu->addAction(item, menu, [tipo] {
            Query &p = dados().QryLiberaPermissoes;
            const bool livre = dados().NomeUsuarioLogado == QLatin1String("MASTER") || dados().loginMaster()
                               || (p.ativa() && !p.isEmpty() && p.valor(0, QStringLiteral("PUS_LOCALIDADES_V")).toString() == QLatin1String("T"));
            if (auto *principal = JanelaPrincipal::atual(); principal && livre) principal->abreJanela(tipo);
        });
}
