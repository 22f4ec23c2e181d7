#pragma once
// The real services of the running operating system (Linux and other freedesktop systems).
// docs/plataforma.md lists what each service maps to.

#include "Plataforma.h"

class PlataformaSistema final : public Plataforma {
public:
    using Plataforma::copiaArquivo;

    bool abreEndereco(const QString &url) override;
    bool abreDocumento(const QString &caminho) override;
    bool iniciaPrograma(const QString &programa, const QStringList &argumentos = {},
                        const QString &pastaTrabalho = {}) override;
    bool copiaArquivo(const QString &origem, const QString &destino, SeExistir seExistir = SeExistir::Falha) override;
    bool copiaPasta(const QString &origem, const QString &destino, SeExistir seExistir = SeExistir::Falha) override;
    bool moveArquivo(const QString &origem, const QString &destino) override;
    bool renomeia(const QString &origem, const QString &destino) override;
    bool apagaArquivo(const QString &caminho) override;
    // QStandardPaths' desktop folder (XDG_DESKTOP_DIR of user-dirs.dirs, else ~/Desktop).
    QString pastaDesktop() override;
    bool criaAtalho(const QString &nome, const QString &programa, const QString &pastaTrabalho,
                    const QString &descricao = {}) override;
    // From /proc: each process's program file name.
    QStringList processos() override;
    // systemctl, then service, then the guardian itself; true once "fbguard" or "firebird" runs.
    bool iniciaServicoBanco() override;
    std::optional<InstalacaoFirebird> instalacaoFirebird() override;
    // `ping -n -c 1 -W <seconds> host`; a host that is empty, holds blanks or starts with '-' is
    // refused without running anything.
    ResultadoPing ping(const QString &host, int tempoLimiteMs = 2000) override;
    // Runs the text with /bin/sh.
    int executaScriptOculto(const QString &conteudo, int tempoLimiteMs = 30000) override;
    QString nomeComputador() override;
    QString enderecoIPv4() override;
    // The first of gnome-calculator, kcalc, galculator, mate-calc, xcalc found on PATH.
    bool abreCalculadora() override;
    // From the keyboard LEDs in /sys/class/leds.
    bool teclaAlternada(int codigoVirtual) override;
    QString escolheArquivoAbrir(const QString &titulo, const QString &pasta, const QString &filtro) override;
    QString escolheArquivoSalvar(const QString &titulo, const QString &pasta, const QString &filtro,
                                 const QString &sufixoPadrao = {}) override;
    QString escolhePasta(const QString &titulo, const QString &pasta) override;
};
