#include "PlataformaGravadora.h"

namespace {

QString textoDe(Plataforma::SeExistir s)
{
    switch (s) {
    case Plataforma::SeExistir::Falha: return QStringLiteral("Falha");
    case Plataforma::SeExistir::NovoNome: return QStringLiteral("NovoNome");
    case Plataforma::SeExistir::Substitui: return QStringLiteral("Substitui");
    }
    return {};
}

} // namespace

PlataformaGravadora::PlataformaGravadora() { Plataforma::instala(this); }

PlataformaGravadora::~PlataformaGravadora()
{
    if (&Plataforma::atual() == this) Plataforma::instala(nullptr);
}

bool PlataformaGravadora::chamou(const QString &trecho) const
{
    for (const QString &c : chamadas)
        if (c.contains(trecho)) return true;
    return false;
}

QStringList PlataformaGravadora::chamadasDe(const QString &metodo) const
{
    QStringList r;
    for (const QString &c : chamadas)
        if (c == metodo || c.startsWith(metodo + QLatin1Char(' '))) r.append(c);
    return r;
}

void PlataformaGravadora::grava(const QString &metodo, const QStringList &argumentos)
{
    QStringList a = argumentos;
    while (!a.isEmpty() && a.constLast().isEmpty()) a.removeLast();
    chamadas.append(a.isEmpty() ? metodo : metodo + QLatin1Char(' ') + a.join(QStringLiteral(" | ")));
}

QString PlataformaGravadora::proximaResposta()
{
    return respostasDialogos.isEmpty() ? QString() : respostasDialogos.takeFirst();
}

bool PlataformaGravadora::abreEndereco(const QString &url)
{
    grava(QStringLiteral("abreEndereco"), {url});
    return resultadoAbertura;
}

bool PlataformaGravadora::abreDocumento(const QString &caminho)
{
    grava(QStringLiteral("abreDocumento"), {caminho});
    return resultadoAbertura;
}

bool PlataformaGravadora::iniciaPrograma(const QString &programa, const QStringList &argumentos, const QString &pastaTrabalho)
{
    grava(QStringLiteral("iniciaPrograma"), {programa, argumentos.join(QLatin1Char(' ')), pastaTrabalho});
    return resultadoAbertura;
}

bool PlataformaGravadora::copiaArquivo(const QString &origem, const QString &destino, SeExistir seExistir)
{
    grava(QStringLiteral("copiaArquivo"), {origem, destino, textoDe(seExistir)});
    return repassaArquivos ? sistema_.copiaArquivo(origem, destino, seExistir) : resultadoArquivos;
}

bool PlataformaGravadora::copiaPasta(const QString &origem, const QString &destino, SeExistir seExistir)
{
    grava(QStringLiteral("copiaPasta"), {origem, destino, textoDe(seExistir)});
    return repassaArquivos ? sistema_.copiaPasta(origem, destino, seExistir) : resultadoArquivos;
}

bool PlataformaGravadora::moveArquivo(const QString &origem, const QString &destino)
{
    grava(QStringLiteral("moveArquivo"), {origem, destino});
    return repassaArquivos ? sistema_.moveArquivo(origem, destino) : resultadoArquivos;
}

bool PlataformaGravadora::renomeia(const QString &origem, const QString &destino)
{
    grava(QStringLiteral("renomeia"), {origem, destino});
    return repassaArquivos ? sistema_.renomeia(origem, destino) : resultadoArquivos;
}

bool PlataformaGravadora::apagaArquivo(const QString &caminho)
{
    grava(QStringLiteral("apagaArquivo"), {caminho});
    return repassaArquivos ? sistema_.apagaArquivo(caminho) : resultadoArquivos;
}

QString PlataformaGravadora::pastaDesktop()
{
    grava(QStringLiteral("pastaDesktop"));
    return desktop;
}

bool PlataformaGravadora::criaAtalho(const QString &nome, const QString &programa, const QString &pastaTrabalho,
                                     const QString &descricao)
{
    grava(QStringLiteral("criaAtalho"), {nome, programa, pastaTrabalho, descricao});
    return resultadoAtalho;
}

QStringList PlataformaGravadora::processos()
{
    grava(QStringLiteral("processos"));
    return processosAtivos;
}

bool PlataformaGravadora::iniciaServicoBanco()
{
    grava(QStringLiteral("iniciaServicoBanco"));
    processosAtivos += processosAoIniciarServico;
    return resultadoServicoBanco;
}

std::optional<InstalacaoFirebird> PlataformaGravadora::instalacaoFirebird()
{
    grava(QStringLiteral("instalacaoFirebird"));
    return instalacao;
}

ResultadoPing PlataformaGravadora::ping(const QString &host, int tempoLimiteMs)
{
    grava(QStringLiteral("ping"), {host, QString::number(tempoLimiteMs)});
    return respostasPing.value(host, pingPadrao);
}

int PlataformaGravadora::executaScriptOculto(const QString &conteudo, int tempoLimiteMs)
{
    grava(QStringLiteral("executaScriptOculto"), {conteudo});
    scripts.append(conteudo);
    return codigoSaidaScript;
}

QString PlataformaGravadora::nomeComputador()
{
    grava(QStringLiteral("nomeComputador"));
    return nome;
}

QString PlataformaGravadora::enderecoIPv4()
{
    grava(QStringLiteral("enderecoIPv4"));
    return ipv4;
}

bool PlataformaGravadora::abreCalculadora()
{
    grava(QStringLiteral("abreCalculadora"));
    return calculadoraPresente;
}

bool PlataformaGravadora::teclaAlternada(int codigoVirtual)
{
    grava(QStringLiteral("teclaAlternada"), {QString::number(codigoVirtual)});
    return teclasLigadas.contains(codigoVirtual);
}

QString PlataformaGravadora::escolheArquivoAbrir(const QString &titulo, const QString &pasta, const QString &filtro)
{
    grava(QStringLiteral("escolheArquivoAbrir"), {titulo, pasta, filtro});
    return proximaResposta();
}

QString PlataformaGravadora::escolheArquivoSalvar(const QString &titulo, const QString &pasta, const QString &filtro,
                                                  const QString &sufixoPadrao)
{
    grava(QStringLiteral("escolheArquivoSalvar"), {titulo, pasta, filtro, sufixoPadrao});
    return proximaResposta();
}

QString PlataformaGravadora::escolhePasta(const QString &titulo, const QString &pasta)
{
    grava(QStringLiteral("escolhePasta"), {titulo, pasta});
    return proximaResposta();
}
