#include "DiagnosticoConexao.h"

#include "Caminhos.h"
#include "ServidorFirebird.h"
#include "uFuncoes.h"

#include <QDir>
#include <QFileInfo>

namespace {
QString q(const char *texto) { return QString::fromUtf8(texto); }
} // namespace

void DiagnosticoConexao::registra(Verificacao v, bool passou, const QStringList &texto)
{
    resultados_[v] = {true, passou, texto};
}

void DiagnosticoConexao::verificaRegistro(bool preenchido)
{
    for (Resultado &r : resultados_) r = {};
    embarcada_ = false;
    registra(Registro, preenchido,
             {preenchido ? q(" - Informações de registro preenchidas.")
                         : q(" - Registro com problema. É necessário REINSTALAR o programa. Clique abaixo REINSTALAR PROGRAMA")});
}

void DiagnosticoConexao::verifica(const Valores &v, ServidorFirebird &servidor)
{
    for (int i = Pasta; i < Total; ++i) resultados_[i] = {};
    embarcada_ = v.VersaoEmbarcada;

    const bool informado = !v.NomeServidor.isEmpty() && !v.PathBancoDados.isEmpty();
    registra(Caminho, informado,
             {informado ? q(" - Caminho do banco de dados informado.")
                        : q(" - Caminho do banco de dados não informado. Tente \"Reinstalar programa\".")});

    const QString pasta = Caminhos::deWindows(v.PathPrograma);
    const bool temPasta = !pasta.isEmpty() && QDir(pasta).exists();
    registra(Pasta, temPasta,
             {temPasta ? q(" - Pasta do programa encontrada.")
                       : q(" - Pasta do programa não encontrada ou não definida. Tente REINSTALAR PROGRAMA (clique abaixo).")});

    const QString arquivo = Caminhos::deWindows(v.PathBancoDados);
    const bool temArquivo = !arquivo.isEmpty() && QFileInfo(arquivo).isFile();
    registra(Arquivo, temArquivo,
             {temArquivo ? q(" - Arquivo do banco de dados encontrado.")
                         : q(" - Arquivo do banco de dados não encontrado. Pode ter sido movido, informado incorretamente ou "
                             "não estar neste computador. Tente \"Reinstalar Programa\" (veja a conexão de rede, caso seja "
                             "um terminal-estação).")});

    const bool semAcento = RemoveAcentos(v.NomeServidor) == v.NomeServidor;
    registra(NomeServidor, semAcento,
             {semAcento ? q(" - Sem problemas com acentos ou sinais no nome do computador.")
                        : q(" - Nome do servidor inválido: possui acento ou algum sinal estranho. Mude o nome do computador "
                            "(vá ao Painel de Controle do Windows, Sistema). Nome está: ")
                              + v.NomeServidor
                              + q(". Mude também abaixo no campo \"Nome do Servidor\" e clique \"Alterar Caminho\".")});

    registra(PorNome, true,
             {v.NomeServidor == QLatin1String("127.0.0.1") ? q(" - Conexão local.")
                                                          : q(" - Conexão com o servidor (pelo nome do computador) OK.")});

    if (v.VersaoEmbarcada) return;
    const bool instalado = !servidor.instalado().isEmpty();
    registra(Instalado, instalado,
             {instalado ? q(" - Firebird instalado.")
                        : q(" - Firebird não está instalado. Clique abaixo \"INSTALAR FIREBIRD\" ou \"ATIVAR MODO LOCAL\".")});
    if (!instalado) return;
    const bool ativo = servidor.ativoComPartida();
    registra(Ativo, ativo,
             {ativo ? q(" - Firebird está ativo.")
                    : q(" - Firebird não está ativo (está parado ou inativo). Clique abaixo \"ATIVAR FIREBIRD\" ou "
                        "\"ATIVAR MODO REDE\".")});
    const QString versao = servidor.versao();
    const QString mostrada = versao.isEmpty() ? q("não instalado") : versao;
    if (ServidorFirebird::versaoValida(versao))
        registra(Versao, true, {q(" - Versão do Firebird ") + mostrada});
    else
        registra(Versao, false,
                 {q(" - Versão do Firebird Inválida: ") + mostrada
                      + q(". Clique \"Ativar Modo Embarcado\" para usar o programa em qualquer versão (desde que não "
                          "precise usar em rede)."),
                  q("Ou desinstale o Firebird existente e clique em \"Instalar Firebird\". Dúvidas? Fale com nosso suporte.")});
}

QStringList DiagnosticoConexao::mensagens() const
{
    QStringList l{q("VERIFICAR: O Que NÃO Está Bem"), QStringLiteral(" ")};
    const Resultado &registro = resultados_[Registro];
    if (embarcada_)
        l << q("Talvez o programa JÁ ESTEJA ABERTO! Feche esta janela e abra o programa que está minimizado ou então "
               "REINICIE SEU COMPUTADOR!");
    if (!registro.passou) return l << registro.texto;
    if (resultados_[Pasta].feito && !resultados_[Pasta].passou) return l << resultados_[Pasta].texto;

    for (Verificacao v : {Arquivo, NomeServidor, Instalado, Ativo, Versao, Caminho})
        if (resultados_[v].feito && !resultados_[v].passou) l << resultados_[v].texto;
    l << QStringLiteral(" ") << q("O QUE ESTÁ OK!") << QStringLiteral(" ");
    for (Verificacao v : {Registro, Pasta, Arquivo, NomeServidor, PorNome, Instalado, Ativo, Versao})
        if (resultados_[v].feito && resultados_[v].passou) l << resultados_[v].texto;
    return l;
}
