#pragma once
// Operating-system services the windows use. One real implementation per system and a
// recording double for tests (PlataformaGravadora). Paths are local file paths.

#include <QString>
#include <QStringList>
#include <optional>

struct ResultadoPing {
    bool respondeu = false;
    QString saida; // what the ping tool printed
};

struct InstalacaoFirebird {
    QString pasta;  // installation folder (root of the server files)
    QString versao; // e.g. "3.0.11"
};

class Plataforma {
public:
    virtual ~Plataforma() = default;

    // Open a web address or a document with the program associated to it.
    virtual bool abreEndereco(const QString &url) = 0;
    virtual bool abreDocumento(const QString &caminho) = 0;
    // Start a program detached, with its working folder; false when it could not start.
    virtual bool iniciaPrograma(const QString &programa, const QStringList &argumentos = {},
                                const QString &pastaTrabalho = {}) = 0;

    // Files and folders. `novoNomeSeExistir` picks "name (2).ext" style names when the
    // target exists instead of overwriting it. Each returns false on failure.
    virtual bool copiaArquivo(const QString &origem, const QString &destino, bool novoNomeSeExistir = false) = 0;
    virtual bool moveArquivo(const QString &origem, const QString &destino) = 0;
    virtual bool renomeia(const QString &origem, const QString &destino) = 0;
    virtual bool copiaPasta(const QString &origem, const QString &destino) = 0;

    // Desktop shortcut to `programa` named `nome` (.desktop file on Linux, .lnk on Windows).
    virtual bool criaAtalho(const QString &nome, const QString &programa, const QString &pastaTrabalho) = 0;

    // Names of the running processes (executable names, e.g. "fbguard").
    virtual QStringList processos() = 0;
    // Start the database service; true when it was started or already running.
    virtual bool iniciaServicoBanco() = 0;
    // The Firebird installation of this computer, if any.
    virtual std::optional<InstalacaoFirebird> instalacaoFirebird() = 0;

    // One echo request through the system's ping tool.
    virtual ResultadoPing ping(const QString &host, int tempoLimiteMs = 2000) = 0;
    // Runs a shell (batch on Windows) script without a window and waits; returns its exit code.
    virtual int executaScriptOculto(const QString &conteudo) = 0;

    // This computer's name and first IPv4 address ("" when none).
    virtual QString nomeComputador() = 0;
    virtual QString enderecoIPv4() = 0;

    // The desktop calculator; false when none is installed.
    virtual bool abreCalculadora() = 0;

    // Toggle state (Caps Lock, Num Lock, Scroll Lock) of a key, by Windows virtual-key code.
    virtual bool teclaAlternada(int codigoVirtual) = 0;

    // File dialogs; empty when cancelled.
    virtual QString escolheArquivoAbrir(const QString &titulo, const QString &pasta, const QString &filtro) = 0;
    virtual QString escolheArquivoSalvar(const QString &titulo, const QString &pasta, const QString &filtro) = 0;
    virtual QString escolhePasta(const QString &titulo, const QString &pasta) = 0;

    static Plataforma &atual();
    static void instala(Plataforma *p); // not owned; nullptr restores the real one
};
