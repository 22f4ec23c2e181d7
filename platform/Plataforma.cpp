#include "Plataforma.h"
#include "PlataformaSistema.h"

namespace {
Plataforma *g_atual = nullptr;

// "C:\...\bin\FBGuard.exe" -> "fbguard"
QString nomeDoExecutavel(const QString &caminho)
{
    QString nome = caminho.mid(qMax(caminho.lastIndexOf(QLatin1Char('/')), caminho.lastIndexOf(QLatin1Char('\\'))) + 1);
    if (nome.endsWith(QStringLiteral(".exe"), Qt::CaseInsensitive)) nome.chop(4);
    return nome.toLower();
}
} // namespace

Plataforma &Plataforma::atual()
{
    static PlataformaSistema sistema;
    return g_atual ? *g_atual : sistema;
}

void Plataforma::instala(Plataforma *p) { g_atual = p; }

bool Plataforma::processoAtivo(const QString &nome)
{
    const QString procurado = nomeDoExecutavel(nome);
    if (procurado.isEmpty()) return false;
    const QStringList lista = processos();
    for (const QString &p : lista)
        if (nomeDoExecutavel(p) == procurado) return true;
    return false;
}
