#include "Mensagens.h"

#include <QApplication>
#include <QMessageBox>

int mostraCaixaQt(const Mensagem &m)
{
    QMessageBox caixa(QApplication::activeWindow());
    caixa.setWindowTitle(m.titulo);
    caixa.setText(m.texto);
    switch (m.icone) {
    case Icone::Nenhum: caixa.setIcon(QMessageBox::NoIcon); break;
    case Icone::Informacao: caixa.setIcon(QMessageBox::Information); break;
    case Icone::Aviso: caixa.setIcon(QMessageBox::Warning); break;
    case Icone::Erro: caixa.setIcon(QMessageBox::Critical); break;
    case Icone::Pergunta: caixa.setIcon(QMessageBox::Question); break;
    }
    struct Par { Botao botao; QMessageBox::StandardButton qt; };
    const Par pares[] = {{BotaoOk, QMessageBox::Ok}, {BotaoSim, QMessageBox::Yes},
                         {BotaoNao, QMessageBox::No}, {BotaoCancelar, QMessageBox::Cancel}};
    for (const Par &p : pares) {
        if (m.botoes & p.botao) {
            QAbstractButton *b = caixa.addButton(p.qt);
            if (p.botao == BotaoSim) b->setText(QStringLiteral("Sim"));
            if (p.botao == BotaoNao) b->setText(QStringLiteral("Não"));
            if (p.botao == BotaoCancelar) b->setText(QStringLiteral("Cancelar"));
            if (p.botao == m.botaoPadrao) caixa.setDefaultButton(p.qt);
        }
    }
    caixa.exec();
    for (const Par &p : pares)
        if (caixa.clickedButton() == caixa.button(p.qt)) return p.botao;
    return (m.botoes & BotaoCancelar) ? BotaoCancelar : (m.botoes & BotaoNao) ? BotaoNao : BotaoOk;
}


namespace {
QString g_titulo = QStringLiteral("Prontanota - Brelo");

class MensagensQt final : public Mensagens {
public:
    int mostra(const Mensagem &m) override { return mostraCaixaQt(m); }

    // Plain stand-ins until the program installs the real dialogs.
    RespostaAviso mostraAviso(const QString &texto, int, bool somenteOk, const QString &, bool) override
    {
        if (somenteOk) return mostra({Icone::Nenhum, QStringLiteral(" Aviso!"), texto, BotaoOk, BotaoOk}) == BotaoOk
                                  ? RespostaAviso::Ok : RespostaAviso::Nao;
        return mostra({Icone::Pergunta, QStringLiteral(" Aviso!"), texto, BotaoSim | BotaoNao, BotaoSim}) == BotaoSim
                   ? RespostaAviso::Sim : RespostaAviso::Nao;
    }
    RespostaAviso9 mostraAviso9(const QString &cadastrar, const QString &) override
    {
        return mostra({Icone::Pergunta, QStringLiteral(" O que deseja fazer...?"), QStringLiteral("Cadastrar ") + cadastrar + QStringLiteral(" ?"),
                       BotaoSim | BotaoNao, BotaoSim}) == BotaoSim ? RespostaAviso9::Cadastrar : RespostaAviso9::Voltar;
    }
    int mostraSair() override
    {
        return mostra({Icone::Pergunta, QStringLiteral(" O que você deseja fazer?"), QStringLiteral("Sair do programa?"),
                       BotaoSim | BotaoNao, BotaoSim}) == BotaoSim ? 2 : 4;
    }
};

MensagensQt g_qt;
Mensagens *g_atual = nullptr;

} // namespace

Mensagens &Mensagens::atual() { return g_atual ? *g_atual : g_qt; }
void Mensagens::instala(Mensagens *m) { g_atual = m; }
QString Mensagens::tituloAplicacao() { return g_titulo; }
void Mensagens::defineTituloAplicacao(const QString &titulo) { g_titulo = titulo; }

void informacao(const QString &texto, const QString &titulo)
{
    Mensagens::atual().mostra({Icone::Informacao, titulo, texto, BotaoOk, BotaoOk});
}

void mensagemSimples(const QString &texto)
{
    Mensagens::atual().mostra({Icone::Nenhum, Mensagens::tituloAplicacao(), texto, BotaoOk, BotaoOk});
}

void mensagemErro(const QString &texto)
{
    Mensagens::atual().mostra({Icone::Erro, Mensagens::tituloAplicacao(), texto, BotaoOk, BotaoOk});
}

bool perguntaSimNao(const QString &texto, const QString &titulo, Icone icone, int botaoPadrao)
{
    return Mensagens::atual().mostra({icone, titulo, texto, BotaoSim | BotaoNao, botaoPadrao}) == BotaoSim;
}

// ---- TfAviso text rules ----------------------------------------------------

namespace {
QString g_textoAviso = QStringLiteral("EXCLUIR este registro ?");
} // namespace

QString EstadoAviso::textoPredefinido(int codigo)
{
    switch (codigo) {
    case 1: return QStringLiteral("Deseja EXCLUIR este registro ?");
    case 2: return QStringLiteral("Deseja efetuar OUTRO lançamento agora ?");
    case 3: return QStringLiteral("Este registro não está cadastrado.\n       Deseja CADASTRÁ-LO ?       ");
    case 4: return QStringLiteral("Tem certeza que deseja EXCLUIR\n     o último lançamento ?    ");
    case 5: return QStringLiteral("Deseja OCULTAR também cidades, bairros\n     e logradouros deste estado ?     ");
    case 6: return QStringLiteral("Deseja EXIBIR também cidades, bairros\n     e logradouros deste estado ?     ");
    case 7: return QStringLiteral("Deseja EXCLUIR \"TODOS\" os registros exibidos ?");
    case 10: return QStringLiteral("Deseja realmente cancelar este registro ?");
    case 99: return QStringLiteral("Deseja realmente sair do Programa ?");
    default: return {};
    }
}

QString EstadoAviso::textoAtual() { return g_textoAviso; }

QString EstadoAviso::textoExibido(const PedidoAviso &p)
{
    const QString predefinido = textoPredefinido(p.codigo);
    if (!predefinido.isEmpty()) return predefinido;
    return p.texto.isEmpty() ? g_textoAviso : p.texto;
}

void EstadoAviso::fechou() { g_textoAviso = QStringLiteral("CONFIRMAR ?"); }
void EstadoAviso::reinicia() { g_textoAviso = QStringLiteral("EXCLUIR este registro ?"); }

RespostaAviso aviso(const PedidoAviso &pedido)
{
    const QString texto = EstadoAviso::textoExibido(pedido);
    const RespostaAviso r = Mensagens::atual().mostraAviso(texto, pedido.codigo, pedido.codigo == 91,
                                                           pedido.legendaSim, pedido.naoHabilitado);
    EstadoAviso::fechou();
    return r;
}

RespostaAviso9 aviso9(const QString &cadastrar, const QString &utilizar)
{
    return Mensagens::atual().mostraAviso9(cadastrar, utilizar);
}

int perguntaSair() { return Mensagens::atual().mostraSair(); }
