#include "PlataformaSistema.h"

#include "ArquivosSistema.h"
#include "AtalhoDesktop.h"
#include "DialogosArquivo.h"
#include "FirebirdSistema.h"
#include "ProcessosSistema.h"
#include "TeclasAlternadas.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QNetworkInterface>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QSysInfo>
#include <QTemporaryFile>
#include <QUrl>

namespace {

bool abre(const QUrl &url)
{
    if (!url.isValid() || url.isEmpty()) return false;
    if (qobject_cast<QGuiApplication *>(QCoreApplication::instance())) return QDesktopServices::openUrl(url);
    return QProcess::startDetached(QStringLiteral("xdg-open"), {url.toString(QUrl::FullyEncoded)});
}

QString localizaPing()
{
    const QString noPath = QStandardPaths::findExecutable(QStringLiteral("ping"));
    if (!noPath.isEmpty()) return noPath;
    return QStandardPaths::findExecutable(QStringLiteral("ping"), {QStringLiteral("/usr/bin"), QStringLiteral("/bin"),
                                                                  QStringLiteral("/usr/sbin"), QStringLiteral("/sbin")});
}

} // namespace

bool PlataformaSistema::abreEndereco(const QString &url)
{
    return abre(QUrl::fromUserInput(url.trimmed()));
}

bool PlataformaSistema::abreDocumento(const QString &caminho)
{
    const QFileInfo fi(Arquivos::caminhoLocal(caminho));
    return fi.exists() && abre(QUrl::fromLocalFile(fi.absoluteFilePath()));
}

bool PlataformaSistema::iniciaPrograma(const QString &programa, const QStringList &argumentos, const QString &pastaTrabalho)
{
    const QString executavel = Processos::localizaExecutavel(programa);
    if (executavel.isEmpty()) return false;
    QString pasta = Arquivos::caminhoLocal(pastaTrabalho);
    // The system's programs find their data relative to the folder they run in.
    if (pasta.isEmpty() && Arquivos::caminhoLocal(programa).contains(QLatin1Char('/')))
        pasta = QFileInfo(executavel).path();
    return QProcess::startDetached(executavel, argumentos, pasta);
}

bool PlataformaSistema::copiaArquivo(const QString &origem, const QString &destino, SeExistir seExistir)
{
    return Arquivos::copia(origem, destino, seExistir);
}

bool PlataformaSistema::copiaPasta(const QString &origem, const QString &destino, SeExistir seExistir)
{
    return Arquivos::copiaPasta(origem, destino, seExistir);
}

bool PlataformaSistema::moveArquivo(const QString &origem, const QString &destino)
{
    return Arquivos::move(origem, destino);
}

bool PlataformaSistema::renomeia(const QString &origem, const QString &destino)
{
    return Arquivos::renomeia(origem, destino);
}

bool PlataformaSistema::apagaArquivo(const QString &caminho)
{
    return Arquivos::apaga(caminho);
}

QString PlataformaSistema::pastaDesktop()
{
    const QString pasta = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    return pasta.isEmpty() ? QDir::homePath() + QStringLiteral("/Desktop") : pasta;
}

bool PlataformaSistema::criaAtalho(const QString &nome, const QString &programa, const QString &pastaTrabalho,
                                   const QString &descricao)
{
    QString alvo = Processos::localizaExecutavel(programa);
    if (alvo.isEmpty()) alvo = QFileInfo(Arquivos::caminhoLocal(programa)).absoluteFilePath();
    QString pasta = Arquivos::caminhoLocal(pastaTrabalho);
    if (pasta.isEmpty()) pasta = QFileInfo(alvo).path();
    return Atalhos::cria(pastaDesktop(), nome, alvo, pasta, descricao);
}

QStringList PlataformaSistema::processos()
{
    return Processos::lista();
}

bool PlataformaSistema::iniciaServicoBanco()
{
    return Firebird::iniciaServico(instalacaoFirebird(), [this] {
        return processoAtivo(QStringLiteral("fbguard")) || processoAtivo(QStringLiteral("firebird"));
    });
}

std::optional<InstalacaoFirebird> PlataformaSistema::instalacaoFirebird()
{
    std::optional<InstalacaoFirebird> instalacao = Firebird::localiza();
    if (instalacao) instalacao->versao = Firebird::versao(*instalacao);
    return instalacao;
}

ResultadoPing PlataformaSistema::ping(const QString &host, int tempoLimiteMs)
{
    ResultadoPing r;
    const QString alvo = host.trimmed();
    static const QRegularExpression branco(QStringLiteral("\\s"));
    if (alvo.isEmpty() || alvo.startsWith(QLatin1Char('-')) || alvo.contains(branco)) {
        r.saida = QStringLiteral("Nome ou IP inválido: \"") + host + QLatin1Char('"');
        return r;
    }
    const QString programa = localizaPing();
    if (programa.isEmpty()) {
        r.saida = QStringLiteral("O programa \"ping\" não está instalado neste computador.");
        return r;
    }
    const int limite = qMax(1, tempoLimiteMs);
    const QString segundos = limite % 1000 == 0 ? QString::number(limite / 1000) : QString::number(limite / 1000.0, 'f', 3);
    // Extra time for the name lookup; past that the tool is killed.
    const Processos::Execucao e = Processos::executa(
        programa, {QStringLiteral("-n"), QStringLiteral("-c"), QStringLiteral("1"), QStringLiteral("-W"), segundos, alvo},
        limite + 3000);
    r.respondeu = e.terminou && e.codigo == 0;
    r.saida = e.saida;
    if (!e.iniciou) r.saida = QStringLiteral("Não foi possível executar o ping: ") + e.saida;
    else if (!e.terminou) r.saida += QStringLiteral("\nO ping não terminou no tempo limite.");
    return r;
}

int PlataformaSistema::executaScriptOculto(const QString &conteudo, int tempoLimiteMs)
{
    QTemporaryFile script(QDir::tempPath() + QStringLiteral("/prontanota-XXXXXX.sh"));
    if (!script.open() || script.write(conteudo.toUtf8()) < 0 || !script.flush()) return -1;
    script.close();
    const Processos::Execucao e = Processos::executa(QStringLiteral("/bin/sh"), {script.fileName()}, tempoLimiteMs);
    return e.terminou ? e.codigo : -1;
}

QString PlataformaSistema::nomeComputador()
{
    return QSysInfo::machineHostName();
}

QString PlataformaSistema::enderecoIPv4()
{
    const QList<QNetworkInterface> interfaces = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface &i : interfaces) {
        const auto f = i.flags();
        if (!f.testFlag(QNetworkInterface::IsUp) || !f.testFlag(QNetworkInterface::IsRunning)
            || f.testFlag(QNetworkInterface::IsLoopBack))
            continue;
        for (const QNetworkAddressEntry &e : i.addressEntries())
            if (e.ip().protocol() == QAbstractSocket::IPv4Protocol && !e.ip().isLoopback()) return e.ip().toString();
    }
    return QStringLiteral("127.0.0.1");
}

bool PlataformaSistema::abreCalculadora()
{
    for (const char *nome : {"gnome-calculator", "kcalc", "galculator", "mate-calc", "xcalc"}) {
        const QString programa = QStandardPaths::findExecutable(QString::fromLatin1(nome));
        if (!programa.isEmpty()) return QProcess::startDetached(programa, {});
    }
    return false;
}

bool PlataformaSistema::teclaAlternada(int codigoVirtual)
{
    return Teclas::alternada(codigoVirtual);
}

QString PlataformaSistema::escolheArquivoAbrir(const QString &titulo, const QString &pasta, const QString &filtro)
{
    return Dialogos::abrir(titulo, pasta, filtro);
}

QString PlataformaSistema::escolheArquivoSalvar(const QString &titulo, const QString &pasta, const QString &filtro,
                                                const QString &sufixoPadrao)
{
    return Dialogos::salvar(titulo, pasta, filtro, sufixoPadrao);
}

QString PlataformaSistema::escolhePasta(const QString &titulo, const QString &pasta)
{
    return Dialogos::pasta(titulo, pasta);
}
