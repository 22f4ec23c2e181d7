#pragma once
// Operating-system services the windows use. One real implementation per system
// (PlataformaSistema) and a recording double for tests (PlataformaGravadora).
//
// Paths are local file paths; a backslash is read as a folder separator, so paths built the
// Windows way ("Dados\BD.FDB") work on every system.

#include <QString>
#include <QStringList>
#include <optional>

struct ResultadoPing {
    bool respondeu = false;
    QString saida; // what the ping tool printed, or why it could not run
};

struct InstalacaoFirebird {
    QString pasta;    // installation folder (root of the server files)
    QString versao;   // "{major}.{minor}.{release}[.{build}]", e.g. "3.0.11.33637"
    QString guardiao; // guardian executable (fbguard); empty when not installed
    QString servidor; // server executable (firebird / fbserver); empty when not installed
};

class Plataforma {
public:
    virtual ~Plataforma() = default;

    // Open a web address (a bare "www..." gets http://) or a document with the program
    // associated to it; false when nothing could be started.
    virtual bool abreEndereco(const QString &url) = 0;
    virtual bool abreDocumento(const QString &caminho) = 0;
    // Start a program detached, with its working folder; false when it could not start.
    // A "name.exe" that does not exist stands for the executable "name" of the same folder
    // (letter case ignored), so "PRONTANOTA.exe" starts "prontanota".
    virtual bool iniciaPrograma(const QString &programa, const QStringList &argumentos = {},
                                const QString &pastaTrabalho = {}) = 0;

    // What a copy does when its target already exists.
    enum class SeExistir {
        Falha,     // nothing is copied and the copy fails
        NovoNome,  // the copy gets the first free name "name (2).ext", "name (3).ext", ...
        Substitui, // files of the same name are replaced (a folder copy merges into the target)
    };

    // Files and folders. A destination that is an existing folder, or that ends in a separator,
    // receives the item under its own name (the folder is created when missing); any other
    // destination is the full path of the result, whose missing parent folders are created.
    // Nothing is ever overwritten unless SeExistir::Substitui is asked; a replaced file is
    // swapped in only once its copy is complete, and a file is never copied onto itself.
    // Each returns false on failure. A folder given to copiaArquivo is copied as by copiaPasta.
    virtual bool copiaArquivo(const QString &origem, const QString &destino,
                              SeExistir seExistir = SeExistir::Falha) = 0;
    bool copiaArquivo(const QString &origem, const QString &destino, bool novoNomeSeExistir)
    {
        return copiaArquivo(origem, destino, novoNomeSeExistir ? SeExistir::NovoNome : SeExistir::Falha);
    }
    // Recursive; a folder is never copied into itself. A failed copy into a new folder
    // leaves nothing behind.
    virtual bool copiaPasta(const QString &origem, const QString &destino,
                            SeExistir seExistir = SeExistir::Falha) = 0;
    // Moves a file or a folder (also across file systems); fails when the target exists.
    virtual bool moveArquivo(const QString &origem, const QString &destino) = 0;
    // Renames a file or a folder; `destino` is the new path, or only the new name when it has
    // no separator. Fails when the target exists.
    virtual bool renomeia(const QString &origem, const QString &destino) = 0;
    // Deletes one file (never a folder); true when the file was removed.
    virtual bool apagaArquivo(const QString &caminho) = 0;

    // The current user's desktop folder.
    virtual QString pastaDesktop() = 0;
    // Desktop shortcut to `programa` (.desktop file on Linux, .lnk on Windows). `nome` gives the
    // shortcut's file name (characters a file name cannot hold become "_") and its title;
    // `descricao` its tooltip. A shortcut of the same name is replaced.
    virtual bool criaAtalho(const QString &nome, const QString &programa, const QString &pastaTrabalho,
                            const QString &descricao = {}) = 0;

    // Names of the running executables (e.g. "fbguard"), each once.
    virtual QStringList processos() = 0;
    // True when a running executable is called `nome`, letter case and a ".exe" ending
    // ignored; `nome` may be a full path ("...\bin\FBGuard.exe" finds "fbguard").
    bool processoAtivo(const QString &nome);
    // Start the database service; true when it was started or already running.
    virtual bool iniciaServicoBanco() = 0;
    // The Firebird installation of this computer, if any.
    virtual std::optional<InstalacaoFirebird> instalacaoFirebird() = 0;

    // One echo request through the system's ping tool; never waits much longer than the limit.
    virtual ResultadoPing ping(const QString &host, int tempoLimiteMs = 2000) = 0;
    // Runs a shell (batch on Windows) script without a window and waits for it, at most
    // `tempoLimiteMs` (then it is killed). Returns its exit code, -1 when it could not run,
    // crashed or was killed. The temporary script file is removed afterwards.
    virtual int executaScriptOculto(const QString &conteudo, int tempoLimiteMs = 30000) = 0;

    // This computer's name, and its first IPv4 address on a working network interface
    // ("127.0.0.1" when there is none).
    virtual QString nomeComputador() = 0;
    virtual QString enderecoIPv4() = 0;

    // The desktop calculator; false when none is installed.
    virtual bool abreCalculadora() = 0;

    // Toggle state (Caps Lock 0x14, Num Lock 0x90, Scroll Lock 0x91) of a key, by Windows
    // virtual-key code; false when the state cannot be read.
    virtual bool teclaAlternada(int codigoVirtual) = 0;

    // File dialogs; empty when cancelled. `pasta` is the starting folder or a proposed file.
    // `filtro` takes either form: "Banco (*.fdb);;Todos (*)" or "Banco(*.fdb)|*.fdb|Todos|*".
    // The save dialog asks before overwriting and appends `sufixoPadrao` to a name without one.
    virtual QString escolheArquivoAbrir(const QString &titulo, const QString &pasta, const QString &filtro) = 0;
    virtual QString escolheArquivoSalvar(const QString &titulo, const QString &pasta, const QString &filtro,
                                         const QString &sufixoPadrao = {}) = 0;
    virtual QString escolhePasta(const QString &titulo, const QString &pasta) = 0;

    static Plataforma &atual();
    static void instala(Plataforma *p); // not owned; nullptr restores the real one
};
