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

// The confirmation dialog TfAviso: a request code, an optional text of the caller and
// optional changes of its buttons. The text actually shown follows the dialog's rules
// (EstadoAviso) before the service shows it.
struct PedidoAviso {
    int codigo = 0;       // request code; 91 shows only OK
    QString texto;        // empty: keep the dialog's current text
    QString legendaSim;   // empty: "SIM"
    bool naoHabilitado = true;
};

enum class RespostaAviso { Nenhuma, Sim, Nao, Ok };

// The three-way dialog TfAviso9 for a name that is not registered.
enum class RespostaAviso9 { Nenhuma, Cadastrar, Utilizar, Voltar };

class Mensagens {
public:
    virtual ~Mensagens() = default;
    virtual int mostra(const Mensagem &m) = 0;

    // TfAviso with its final text and buttons (`somenteOk` for code 91).
    virtual RespostaAviso mostraAviso(const QString &texto, int codigo, bool somenteOk, const QString &legendaSim,
                                      bool naoHabilitado) = 0;
    // TfAviso9: `cadastrar` and `utilizar` as the caller puts them in the labels (already
    // quoted); an empty `utilizar` disables " &Utilizar".
    virtual RespostaAviso9 mostraAviso9(const QString &cadastrar, const QString &utilizar) = 0;
    // TfSair: 0 none, 1 "Backup e Sair", 2 "Sair do programa", 3 "Trocar Usuário", 4 "Retornar ao programa".
    virtual int mostraSair() = 0;

    // The service in use; a Qt message box implementation unless a test installed another.
    static Mensagens &atual();
    // Installs `m` (not owned); nullptr restores the Qt implementation.
    static void instala(Mensagens *m);

    // Caption of plain boxes and of the standard error message.
    static QString tituloAplicacao();
    static void defineTituloAplicacao(const QString &titulo);
};

// The Qt message box every service shows for a Mensagem; returns the button pressed.
int mostraCaixaQt(const Mensagem &m);

// Information box: caption "Informação!", information icon, OK.
void informacao(const QString &texto, const QString &titulo = QStringLiteral("Informação!"));
// Plain box with the application title as caption and no icon (ShowMessage).
void mensagemSimples(const QString &texto);
// The application's standard error message: application title, error icon, OK.
void mensagemErro(const QString &texto);
// Yes/no question; true when the answer is SIM.
bool perguntaSimNao(const QString &texto, const QString &titulo, Icone icone = Icone::Pergunta,
                    int botaoPadrao = BotaoSim);

// TfAviso's text rules for the whole run: the preset text of a code replaces the caller's;
// before the first close the current text is "EXCLUIR este registro ?", afterwards "CONFIRMAR ?".
class EstadoAviso {
public:
    static QString textoPredefinido(int codigo); // empty when the code has none
    static QString textoAtual();
    // Text the dialog shows for this request (does not change the state).
    static QString textoExibido(const PedidoAviso &p);
    // The dialog closed: back to code 0 and "CONFIRMAR ?".
    static void fechou();
    static void reinicia(); // a new run (tests)
};

// Shows TfAviso through the service, applying the text rules.
RespostaAviso aviso(const PedidoAviso &pedido = {});
inline RespostaAviso aviso(int codigo, const QString &texto = {})
{
    PedidoAviso p;
    p.codigo = codigo;
    p.texto = texto;
    return aviso(p);
}
// The OK notice: TfAviso with code 91.
inline void avisoOk(const QString &texto) { aviso(91, texto); }
RespostaAviso9 aviso9(const QString &cadastrar, const QString &utilizar);
int perguntaSair();
