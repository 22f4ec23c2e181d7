#include "Permissoes.h"

#include "Dados.h"

bool Permissoes::master()
{
    const Dados &d = dados();
    return d.NomeUsuarioLogado == QLatin1String("MASTER") || d.loginMaster();
}

bool Permissoes::concede(const QString &flag)
{
    const Query &q = dados().QryLiberaPermissoes;
    return q.ativa() && !q.isEmpty() && q.indiceCampo(flag) >= 0 && q.valor(0, flag).toString() == QLatin1String("T");
}

bool Permissoes::janela(const QString &flag) { return master() || concede(flag); }

QString Permissoes::flag(const QString &area, char acao)
{
    return QStringLiteral("PUS_") + area + QLatin1Char('_') + QLatin1Char(acao);
}
