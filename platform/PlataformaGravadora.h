#pragma once
// Recording double of the platform for tests. Installs itself while it lives; every call is
// recorded as one line, "<method> <arguments separated by " | ">" (e.g.
// "abreEndereco https://www.brelo.com.br/suporte/", "copiaArquivo /a/BD.FDB | /b/ | NovoNome"),
// and answered from the public fields below. Nothing reaches the system, except the file
// operations when `repassaArquivos` is set.

#include "Plataforma.h"
#include "PlataformaSistema.h"

#include <QHash>
#include <QSet>

class PlataformaGravadora final : public Plataforma {
public:
    PlataformaGravadora();
    ~PlataformaGravadora() override;

    // --- record
    QStringList chamadas;
    // True when a recorded line contains `trecho`.
    bool chamou(const QString &trecho) const;
    // The recorded lines of one method.
    QStringList chamadasDe(const QString &metodo) const;
    void limpa() { chamadas.clear(); }

    // --- answers
    bool resultadoAbertura = true; // abreEndereco, abreDocumento, iniciaPrograma
    bool repassaArquivos = false;  // file operations run for real
    bool resultadoArquivos = true; // file operations otherwise
    QString desktop = QStringLiteral("/home/usuario/Desktop");
    bool resultadoAtalho = true;
    QStringList processosAtivos;
    // iniciaServicoBanco: answers `resultadoServicoBanco` and adds these to `processosAtivos`.
    bool resultadoServicoBanco = true;
    QStringList processosAoIniciarServico{QStringLiteral("fbguard")};
    std::optional<InstalacaoFirebird> instalacao;
    QHash<QString, ResultadoPing> respostasPing; // by host; others get `pingPadrao`
    ResultadoPing pingPadrao{true, QStringLiteral("1 packets transmitted, 1 received")};
    int codigoSaidaScript = 0;
    QStringList scripts; // texts given to executaScriptOculto
    QString nome = QStringLiteral("ESTACAO01");
    QString ipv4 = QStringLiteral("192.168.0.10");
    bool calculadoraPresente = true;
    QSet<int> teclasLigadas; // virtual-key codes whose toggle is on
    // Answers of the file dialogs, in order; an empty text, or none left, is a cancel.
    QStringList respostasDialogos;

    bool abreEndereco(const QString &url) override;
    bool abreDocumento(const QString &caminho) override;
    bool iniciaPrograma(const QString &programa, const QStringList &argumentos, const QString &pastaTrabalho) override;
    using Plataforma::copiaArquivo;
    bool copiaArquivo(const QString &origem, const QString &destino, SeExistir seExistir) override;
    bool copiaPasta(const QString &origem, const QString &destino, SeExistir seExistir) override;
    bool moveArquivo(const QString &origem, const QString &destino) override;
    bool renomeia(const QString &origem, const QString &destino) override;
    bool apagaArquivo(const QString &caminho) override;
    QString pastaDesktop() override;
    bool criaAtalho(const QString &nome, const QString &programa, const QString &pastaTrabalho,
                    const QString &descricao) override;
    QStringList processos() override;
    bool iniciaServicoBanco() override;
    std::optional<InstalacaoFirebird> instalacaoFirebird() override;
    ResultadoPing ping(const QString &host, int tempoLimiteMs) override;
    int executaScriptOculto(const QString &conteudo, int tempoLimiteMs) override;
    QString nomeComputador() override;
    QString enderecoIPv4() override;
    bool abreCalculadora() override;
    bool teclaAlternada(int codigoVirtual) override;
    QString escolheArquivoAbrir(const QString &titulo, const QString &pasta, const QString &filtro) override;
    QString escolheArquivoSalvar(const QString &titulo, const QString &pasta, const QString &filtro,
                                 const QString &sufixoPadrao) override;
    QString escolhePasta(const QString &titulo, const QString &pasta) override;

private:
    void grava(const QString &metodo, const QStringList &argumentos = {});
    QString proximaResposta();
    PlataformaSistema sistema_;
};
