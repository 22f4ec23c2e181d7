#include "ServidorFirebird.h"

#include "Plataforma.h"
#include "Relogio.h"
#include "uFuncoes.h"

#include <QDir>
#include <QFileInfo>

QString ServidorFirebird::instalado()
{
    guardiao_.clear();
    versao_.clear();
    const std::optional<InstalacaoFirebird> i = Plataforma::atual().instalacaoFirebird();
    // The embedded engine alone is no server: the server executable and its configuration are.
    if (!i || i->servidor.isEmpty() || !QFileInfo::exists(QDir(i->pasta).filePath(QStringLiteral("firebird.conf"))))
        return {};
    guardiao_ = i->guardiao.isEmpty() ? i->servidor : i->guardiao;
    versao_ = i->versao;
    return i->pasta.endsWith(QLatin1Char('/')) ? i->pasta : i->pasta + QLatin1Char('/');
}

bool ServidorFirebird::ativo()
{
    Plataforma &p = Plataforma::atual();
    return p.processoAtivo(QStringLiteral("FBGuard.exe")) || p.processoAtivo(QStringLiteral("firebird"));
}

bool ServidorFirebird::ativoComPartida()
{
    if (ativo()) return true;
    Relogio::atual().espera(100);
    Plataforma::atual().iniciaServicoBanco();
    Relogio::atual().espera(2000);
    return ativo();
}

int ServidorFirebird::numeroVersao(const QString &versao)
{
    try {
        return ExtraiNumero(versao.left(3));
    } catch (const std::exception &) {
        return 0;
    }
}

bool ServidorFirebird::ping(const QString &host)
{
    try {
        return Plataforma::atual().ping(host, 500).respondeu;
    } catch (...) {
        return false;
    }
}
