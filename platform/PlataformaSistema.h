#pragma once
// The real services of the running operating system.

#include "Plataforma.h"

class PlataformaSistema final : public Plataforma {
public:
    bool abreEndereco(const QString &url) override;
    bool abreDocumento(const QString &caminho) override;
    bool iniciaPrograma(const QString &programa, const QStringList &argumentos, const QString &pastaTrabalho) override;
    bool copiaArquivo(const QString &origem, const QString &destino, bool novoNomeSeExistir) override;
    bool moveArquivo(const QString &origem, const QString &destino) override;
    bool renomeia(const QString &origem, const QString &destino) override;
    bool copiaPasta(const QString &origem, const QString &destino) override;
    bool criaAtalho(const QString &nome, const QString &programa, const QString &pastaTrabalho) override;
    QStringList processos() override;
    bool iniciaServicoBanco() override;
    std::optional<InstalacaoFirebird> instalacaoFirebird() override;
    ResultadoPing ping(const QString &host, int tempoLimiteMs) override;
    int executaScriptOculto(const QString &conteudo) override;
    QString nomeComputador() override;
    QString enderecoIPv4() override;
    bool abreCalculadora() override;
    bool teclaAlternada(int codigoVirtual) override;
    QString escolheArquivoAbrir(const QString &titulo, const QString &pasta, const QString &filtro) override;
    QString escolheArquivoSalvar(const QString &titulo, const QString &pasta, const QString &filtro) override;
    QString escolhePasta(const QString &titulo, const QString &pasta) override;
};
