#pragma once
// One door for every message box, question and standard dialog of the system.
// Windows never build a QMessageBox themselves: they call these functions, so that
// tests can install a scripted double that records each message and answers it.

#include <QString>

enum class Icone { Nenhum, Informacao, Aviso, Erro, Pergunta };

// Buttons of a message box; `mostra` returns the one that was pressed.
enum Botao : int {
    BotaoNenhum = 0,
    BotaoOk = 1,
    BotaoCancelar = 2,
    BotaoSim = 4,
    BotaoNao = 8,
};

struct Mensagem {
    Icone icone = Icone::Nenhum;
    QString titulo;
    QString texto;
    int botoes = BotaoOk;      // combination of Botao
    int botaoPadrao = BotaoOk; // answered by ENTER
};

class Mensagens {
public:
    virtual ~Mensagens() = default;
    virtual int mostra(const Mensagem &m) = 0;

    // The service in use; a Qt message box implementation unless a test installed another.
    static Mensagens &atual();
    // Installs `m` (not owned); nullptr restores the Qt implementation.
    static void instala(Mensagens *m);

    // Caption of plain boxes and of the standard error message.
    static QString tituloAplicacao();
    static void defineTituloAplicacao(const QString &titulo);
};

// Information box: caption "Informação!", information icon, OK.
void informacao(const QString &texto, const QString &titulo = QStringLiteral("Informação!"));
// Plain box with the application title as caption and no icon (ShowMessage).
void mensagemSimples(const QString &texto);
// The application's standard error message: application title, error icon, OK.
void mensagemErro(const QString &texto);
// Yes/no question; true when the answer is SIM.
bool perguntaSimNao(const QString &texto, const QString &titulo, Icone icone = Icone::Pergunta,
                    int botaoPadrao = BotaoSim);
