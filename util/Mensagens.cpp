#include "Mensagens.h"

#include <QApplication>
#include <QMessageBox>

namespace {

QString g_titulo = QStringLiteral("Prontanota - Brelo");

class MensagensQt final : public Mensagens {
public:
    int mostra(const Mensagem &m) override
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
