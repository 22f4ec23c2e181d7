// Opening the other windows: one per kind, from the menus, the buttons, the notice board and
// the logo.

#include "TfPrincipal.h"

#include "Dados.h"
#include "ExibeModal.h"
#include "GanchosJanelas.h"
#include "Mensagens.h"
#include "Relogio.h"

#include <QAbstractButton>

namespace {
bool modal(TipoJanela t)
{
    return t == TipoJanela::ComandosSQL || t == TipoJanela::Rede || t == TipoJanela::Backup;
}

const QString &nomeMes(int mes)
{
    static const QString nomes[12] = {
        QStringLiteral("JANEIRO"), QStringLiteral("FEVEREIRO"), QStringLiteral("MARÇO"),    QStringLiteral("ABRIL"),
        QStringLiteral("MAIO"),    QStringLiteral("JUNHO"),     QStringLiteral("JULHO"),    QStringLiteral("AGOSTO"),
        QStringLiteral("SETEMBRO"), QStringLiteral("OUTUBRO"),  QStringLiteral("NOVEMBRO"), QStringLiteral("DEZEMBRO")};
    return nomes[qBound(1, mes, 12) - 1];
}
} // namespace

QWidget *TfPrincipal::janelaAberta(TipoJanela tipo) const { return abertas_.value(tipo).data(); }

QWidget *TfPrincipal::criaJanela(TipoJanela tipo)
{
    if (janelaAberta(tipo)) return nullptr;
    QWidget *w = AbridorJanelas::cria(tipo, this);
    if (!w) return nullptr;
    if (w->parentWidget() != this || !w->isWindow()) w->setParent(this, w->windowFlags() | Qt::Window);
    // Freed when closed, which clears its reference here.
    w->setAttribute(Qt::WA_DeleteOnClose);
    if (tipo == TipoJanela::Usuarios) w->setWindowTitle(QStringLiteral(" Cadastro de Usuários"));
    abertas_.insert(tipo, w);
    return w;
}

QWidget *TfPrincipal::abre(TipoJanela tipo)
{
    QWidget *w = criaJanela(tipo);
    if (!w) return nullptr;
    if (modal(tipo)) {
        QPointer<QWidget> vigia(w);
        exibeModal(w);
        return vigia.data();
    }
    w->show();
    w->raise();
    w->activateWindow();
    return w;
}

QWidget *TfPrincipal::abreJanela(const QString &tipo)
{
    static const QHash<QString, TipoJanela> tipos = {
        {QStringLiteral("NOTAPROMISSORIA"), TipoJanela::NotaPromissoria},
        {QStringLiteral("CADASTROS"), TipoJanela::CadastrosGerais},
        {QStringLiteral("EMPRESAS"), TipoJanela::Empresas},
        {QStringLiteral("CIDADES"), TipoJanela::Cidades},
        {QStringLiteral("BAIRROS"), TipoJanela::Bairros},
        {QStringLiteral("LOGRADOUROS"), TipoJanela::Logradouros},
        {QStringLiteral("USUARIOS"), TipoJanela::Usuarios},
        {QStringLiteral("CONFIGURACOES"), TipoJanela::ConfiguracoesGerais},
        {QStringLiteral("COMANDOSSQL"), TipoJanela::ComandosSQL},
        {QStringLiteral("MIGRAR"), TipoJanela::Migrar},
    };
    const auto it = tipos.constFind(tipo.toUpper());
    return it == tipos.constEnd() ? nullptr : abre(*it);
}

bool TfPrincipal::telasAbertas() const
{
    for (TipoJanela t : {TipoJanela::NotaPromissoria, TipoJanela::CadastrosGerais, TipoJanela::Usuarios,
                         TipoJanela::Empresas, TipoJanela::ConfiguracoesGerais})
        if (janelaAberta(t)) return true;
    return false;
}

void TfPrincipal::abreNovoRegistro(TipoJanela tipo)
{
    QWidget *w = janelaAberta(tipo);
    if (!w) w = abre(tipo);
    if (!w) return;
    // Pressed as F2 presses it: only while the window's ButNovo is enabled, so the user's edit
    // right holds and a record being typed is never posted by it.
    auto *novo = w->findChild<QAbstractButton *>(QStringLiteral("ButNovo"));
    if (!novo || !novo->isEnabled() || !novo->isVisible()) return;
    if (auto *j = dynamic_cast<JanelaNovoRegistro *>(w)) j->novoRegistro();
}

void TfPrincipal::ButNovaNPClick() { abreNovoRegistro(TipoJanela::NotaPromissoria); }
void TfPrincipal::ButNovoClienteClick() { abreNovoRegistro(TipoJanela::CadastrosGerais); }
void TfPrincipal::ButNovaEmpresaClick() { abreNovoRegistro(TipoJanela::Empresas); }
void TfPrincipal::ItemUsuariosClick() { abre(TipoJanela::Usuarios); }

void TfPrincipal::Emredeconfigurar1Click()
{
    if (telasAbertas()) {
        avisoOk(QStringLiteral("FECHE as telas abertas primeiro!"));
        return;
    }
    abre(TipoJanela::Rede);
}

void TfPrincipal::LembreteClick(QuadroAvisos::Lembrete lembrete)
{
    const QDate dia = hoje();
    const auto notas = [this](auto acao) {
        if (auto *j = dynamic_cast<JanelaPesquisaNotas *>(abre(TipoJanela::NotaPromissoria))) acao(j);
    };
    switch (lembrete) {
    case QuadroAvisos::Lembrete::Hoje:
        notas([&](JanelaPesquisaNotas *j) { j->pesquisaVencimento(dia, dia); });
        break;
    case QuadroAvisos::Lembrete::Semana:
        notas([&](JanelaPesquisaNotas *j) { j->pesquisaVencimento(dia.addDays(1), dia.addDays(7)); });
        break;
    case QuadroAvisos::Lembrete::Vencidas:
        notas([&](JanelaPesquisaNotas *j) { j->pesquisaVencimento(QDate(2000, 1, 1), dia.addDays(-1)); });
        break;
    case QuadroAvisos::Lembrete::Emitidas:
        notas([](JanelaPesquisaNotas *j) { j->pesquisaComoAbertura(); });
        break;
    case QuadroAvisos::Lembrete::Aniversario:
        if (auto *j = dynamic_cast<JanelaPesquisaAniversario *>(abre(TipoJanela::CadastrosGerais)))
            j->pesquisaAniversario(nomeMes(dia.month()));
        break;
    case QuadroAvisos::Lembrete::Backup:
        Backup1Click();
        break;
    }
}

void TfPrincipal::ImagemLogotipoClick()
{
    if (!permissao("PUS_EMPRESAS_V") || !permissao("PUS_EMPRESAS_E")) return;
    if (auto *j = dynamic_cast<JanelaAlteraRegistro *>(abre(TipoJanela::Empresas)))
        j->alteraRegistro(dados().CodEmpresaLogada);
}
