#include "FirebirdSistema.h"

#include "ProcessosSistema.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QThread>
#include <QVersionNumber>

#include <algorithm>

namespace {

// A command that must not hang the window: killed after this long.
constexpr int LimiteComandoMs = 10000;
// How long a started service has to show up in the process list.
constexpr int LimiteSubidaMs = 3000;

bool temMotor(const QDir &pasta)
{
    if (pasta.exists(QStringLiteral("firebird.conf")) || pasta.exists(QStringLiteral("bin/fbguard")))
        return true;
    return !QDir(pasta.filePath(QStringLiteral("plugins")))
                .entryList({QStringLiteral("libEngine*.so")}, QDir::Files)
                .isEmpty();
}

QString primeiroExistente(const QStringList &caminhos)
{
    for (const QString &c : caminhos)
        if (QFileInfo(c).isFile()) return c;
    return {};
}

QString versaoDaPasta(const QString &pasta)
{
    const QString nome = QFileInfo(pasta).fileName();
    return Firebird::versaoDoTexto(nome) == nome ? nome : QString();
}

bool coerente(const QString &versao, const QString &daPasta)
{
    if (versao.isEmpty()) return false;
    return daPasta.isEmpty() || versao == daPasta || versao.startsWith(daPasta + QLatin1Char('.'));
}

bool aguarda(const std::function<bool()> &ativo, int limiteMs)
{
    const QDeadlineTimer prazo(limiteMs);
    for (;;) {
        if (ativo()) return true;
        if (prazo.hasExpired()) return false;
        QThread::msleep(100);
    }
}

} // namespace

namespace Firebird {

std::optional<InstalacaoFirebird> localiza(const QString &raiz)
{
    const QDir r(raiz);
    QStringList versionadas; // <parent>/<version>
    QDir lib(r.filePath(QStringLiteral("usr/lib")));
    QStringList pais{lib.filePath(QStringLiteral("firebird"))};
    for (const QString &multiarch : lib.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        pais.prepend(lib.filePath(multiarch + QStringLiteral("/firebird")));
    for (const QString &pai : pais)
        for (const QString &v : QDir(pai).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
            if (!versaoDaPasta(v).isEmpty()) versionadas.append(QDir(pai).filePath(v));
    std::stable_sort(versionadas.begin(), versionadas.end(), [](const QString &a, const QString &b) {
        return QVersionNumber::fromString(QFileInfo(a).fileName()) > QVersionNumber::fromString(QFileInfo(b).fileName());
    });
    versionadas.append(r.filePath(QStringLiteral("opt/firebird")));

    for (const QString &pasta : versionadas) {
        const QDir d(pasta);
        if (!d.exists() || !temMotor(d)) continue;
        InstalacaoFirebird i;
        i.pasta = QDir::cleanPath(pasta);
        i.versao = versaoDaPasta(pasta);
        i.guardiao = primeiroExistente({d.filePath(QStringLiteral("bin/fbguard")), r.filePath(QStringLiteral("usr/sbin/fbguard"))});
        i.servidor = primeiroExistente({d.filePath(QStringLiteral("bin/firebird")), d.filePath(QStringLiteral("bin/fbserver")),
                                        r.filePath(QStringLiteral("usr/sbin/firebird")), r.filePath(QStringLiteral("usr/sbin/fbserver"))});
        return i;
    }
    return std::nullopt;
}

QString versaoDoTexto(const QString &texto)
{
    static const QRegularExpression numero(QStringLiteral("\\d+(?:\\.\\d+)*"));
    return numero.match(texto).captured();
}

QString versaoPelaBiblioteca(const QString &pastaInstalacao)
{
    const QDir lib(pastaInstalacao + QStringLiteral("/lib"));
    QString melhor;
    for (const QFileInfo &f : lib.entryInfoList({QStringLiteral("libfbclient.so*")}, QDir::Files)) {
        const QString real = QFileInfo(f.canonicalFilePath()).fileName();
        const QString prefixo = QStringLiteral("libfbclient.so.");
        if (!real.startsWith(prefixo)) continue;
        const QString v = versaoDoTexto(real.mid(prefixo.size()));
        if (v.count(QLatin1Char('.')) > melhor.count(QLatin1Char('.'))) melhor = v;
    }
    return melhor;
}

QString versao(const InstalacaoFirebird &instalacao)
{
    const QString daPasta = versaoDaPasta(instalacao.pasta);
    QString fbConfig = instalacao.pasta + QStringLiteral("/bin/fb_config");
    if (!QFileInfo(fbConfig).isExecutable()) fbConfig = QStandardPaths::findExecutable(QStringLiteral("fb_config"));
    if (!fbConfig.isEmpty()) {
        const Processos::Execucao e = Processos::executa(fbConfig, {QStringLiteral("--version")}, 3000);
        const QString v = e.codigo == 0 ? versaoDoTexto(e.saida) : QString();
        if (coerente(v, daPasta)) return v;
    }
    const QString v = versaoPelaBiblioteca(instalacao.pasta);
    return coerente(v, daPasta) ? v : daPasta;
}

bool iniciaServico(const std::optional<InstalacaoFirebird> &instalacao, const std::function<bool()> &ativo)
{
    if (ativo()) return true;
    const QString daPasta = instalacao ? versaoDaPasta(instalacao->pasta) : QString();
    const QString servico = QStringLiteral("firebird") + (daPasta.isEmpty() ? QStringLiteral("3.0") : daPasta);

    struct Tentativa { QString programa; QStringList argumentos; };
    QList<Tentativa> tentativas;
    const QString systemctl = QStandardPaths::findExecutable(QStringLiteral("systemctl"));
    if (!systemctl.isEmpty() && QFileInfo::exists(QStringLiteral("/run/systemd/system")))
        tentativas.append({systemctl, {QStringLiteral("--no-ask-password"), QStringLiteral("start"), servico}});
    const QString service = QStandardPaths::findExecutable(QStringLiteral("service"));
    if (!service.isEmpty() && QFileInfo::exists(QStringLiteral("/etc/init.d/") + servico))
        tentativas.append({service, {servico, QStringLiteral("start")}});
    const QString guardiao = instalacao && !instalacao->guardiao.isEmpty() ? instalacao->guardiao
                                                                             : QStringLiteral("/usr/sbin/fbguard");
    if (QFileInfo(guardiao).isExecutable())
        tentativas.append({guardiao, {QStringLiteral("-daemon"), QStringLiteral("-forever")}});

    for (const Tentativa &t : tentativas) {
        const Processos::Execucao e = Processos::executa(t.programa, t.argumentos, LimiteComandoMs);
        if (e.codigo == 0 ? aguarda(ativo, LimiteSubidaMs) : ativo()) return true;
    }
    return false;
}

} // namespace Firebird
