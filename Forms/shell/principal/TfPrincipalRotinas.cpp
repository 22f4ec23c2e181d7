// The routines the login runs after each successful login: permissions, notice board, logo
// and the login record; the help action and the documents of the Ajuda menu.

#include "TfPrincipal.h"

#include "AreaLogotipo.h"
#include "Caminhos.h"
#include "Dados.h"
#include "DataEdit.h"
#include "Enderecos.h"
#include "ErroBD.h"
#include "LabelClicavel.h"
#include "CalculoLembretes.h"
#include "MenuPrincipal.h"
#include "Mensagens.h"
#include "Permissoes.h"
#include "Plataforma.h"
#include "Registro.h"
#include "Relogio.h"
#include "TfCarregando.h"
#include "TfManual.h"

#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>
#include <QTimer>

namespace {
// A database of an older release: the permission record cannot be read.
void avisaBancoAntigo()
{
    informacao(QStringLiteral("Ops! Parece que você está com um banco de dados antigo. Que tal atualizar?"),
               QStringLiteral("Ops..."));
    informacao(QStringLiteral("Baixe novamente o instalador e reinstale o programa. Vai dar tudo certo!"),
               QStringLiteral("Seus dados estarão salvos!"));
    informacao(QStringLiteral("Faça isso no servidor, OK?"), QStringLiteral("No servidor..."));
    if (dados().Server == QLatin1String("S")) Plataforma::atual().abreEndereco(Enderecos::Instalacao);
}

// Every flag of the permission record this window reads.
const char *const FlagsLidas[] = {"PUS_QUADRO_AVISOS", "PUS_LOCALIDADES_V", "PUS_CLIENTES_V", "PUS_EMPRESAS_V",
                                  "PUS_EMPRESAS_E",    "PUS_NOTASPROMIS_V", "PUS_BACKUP",     "PUS_RESTORE"};

void visivel(bool sim, std::initializer_list<QObject *> elementos)
{
    for (QObject *o : elementos) {
        if (auto *a = qobject_cast<QAction *>(o)) a->setVisible(sim);
        else if (auto *w = qobject_cast<QWidget *>(o)) w->setVisible(sim);
    }
}
} // namespace

bool TfPrincipal::permissao(const char *campo)
{
    // A flag the database lacks (an older release) is not set; LiberaPermissoes has told the user.
    return Permissoes::concede(QLatin1String(campo));
}

void TfPrincipal::concluiLogin()
{
    LiberaPermissoes();
    AbreTabelasLembretes();
    Logotipo();
    GravaRegistroLogin();
    atualizaDisponiveis();
    TimerHoraTimer();
    TimerHora->start();
    Tag = 1;
}

void TfPrincipal::LiberaPermissoes()
{
    Dados &d = dados();
    Query &q = d.QryLiberaPermissoes;
    if (d.loginMaster()) {
        // No record: every check of the windows lets MASTER through; nothing changes here.
        q.close();
        q.defineParametro(QStringLiteral("CODIGO"), QVariant());
        try {
            q.open();
        } catch (const ErroBD &) {
        }
        return;
    }
    bool antigo = false;
    try {
        q.close();
        q.defineParametro(QStringLiteral("CODIGO"), d.CodUsuarioLogado);
        q.open();
        // A record without one of the flags this window reads is of an older release too.
        for (const char *f : FlagsLidas) antigo = antigo || q.indiceCampo(QLatin1String(f)) < 0;
    } catch (const ErroBD &) {
        antigo = true;
    }
    if (antigo) {
        TfCarregando::instancia().fecha();
        avisaBancoAntigo();
        return;
    }

    MenuPrincipal *m = MainMenu1;
    QuadroAvisos *qa = PainelQuadroAvisos;
    visivel(permissao("PUS_QUADRO_AVISOS"), {qa});
    visivel(permissao("PUS_LOCALIDADES_V"), {m->Estados1, m->Cidades1, m->Bairros1, m->Logradouros1});
    visivel(permissao("PUS_CLIENTES_V"), {m->CadastrodeClientes1, ButMenuClientes, qa->LembreteAniverHoje,
                                          qa->LembreteAniverMes, ButNovoCliente});
    visivel(permissao("PUS_EMPRESAS_V"), {m->CadastrodeEmpresas1, ButMenuEmpresa, ButNovaEmpresa});
    visivel(permissao("PUS_NOTASPROMIS_V"),
            {m->NotaPromissria1, qa->LembretePromissoriasHoje, qa->LembretePromissoriasHoje2,
             qa->LembretePromissoriasHoje3, qa->LembretePromissoriasSemana, qa->LembretePromissoriasSemana2,
             qa->LembretePromissoriasSemana3, qa->LembretePromissoriasVencidas, qa->LembretePromissoriasVencidas2,
             qa->LembretePromissoriasVencidas3, qa->LembretePromissoriasEmitidas, qa->LembretePromissoriasEmitidas2,
             ButNovaNP, ButMenuPromissoria});
    visivel(permissao("PUS_BACKUP"), {m->Backup1});
    visivel(permissao("PUS_RESTORE"), {m->RestaurarBackup1});
}

void TfPrincipal::AbreTabelasLembretes()
{
    if (!dados().DataBase.conectado()) return;
    DataEdit *de = PainelQuadroAvisos->PesqEditDataEntre1;
    DataEdit *ate = PainelQuadroAvisos->PesqEditDataEntre2;
    if (de->vazio()) de->setData(QDate(1900, 1, 1));
    if (ate->vazio()) ate->setData(QDate(2090, 12, 31));
    CalculoQuadro->solicita(CalculoLembretes::pedido(dados(), hoje(), de->data(), ate->data()));
}

void TfPrincipal::ParaLembretes()
{
    TimerLembretes->stop();
    CalculoQuadro->encerra();
}

void TfPrincipal::PesqEditDataEntreExit(DataEdit *edit)
{
    validandoData_ = true;
    const auto fim = qScopeGuard([this] { validandoData_ = false; });
    if (!DataEdit::interpreta(edit->textoVisivel()).isValid()) {
        informacao(QStringLiteral("Formato de Data Inválida !"));
        edit->setTexto(QString());
        edit->setFocus();
        return;
    }
    AbreTabelasLembretes();
}

void TfPrincipal::Logotipo()
{
    Dados &d = dados();
    QPixmap imagem;
    try {
        Query &q = d.QryEmpresa;
        q.close();
        q.defineParametro(QStringLiteral("CODIGO"), d.CodEmpresaLogada);
        q.open();
        const QString nome = q.isEmpty() ? QString() : q[QStringLiteral("EM_NOME_IMAGEM")].asString().trimmed();
        if (!nome.isEmpty()) imagem.load(Caminhos::deWindows(d.PathPrograma + nome));
    } catch (const ErroBD &) {
        imagem = QPixmap();
    }
    PainelLogotipo->mostraImagem(imagem);
}

void TfPrincipal::GravaRegistroLogin()
{
    Dados &d = dados();
    if (d.NomeUsuarioLogado != QLatin1String("MASTER")) {
        Registro::escreveInteiro(QStringLiteral("CodUsuarioLogado"), d.CodUsuarioLogado);
        Registro::escreveTexto(QStringLiteral("NomeUsuarioLogado"), d.NomeUsuarioLogado);
        Registro::escreveInteiro(QStringLiteral("CodEmpresaLogada"), d.CodEmpresaLogada);
        Registro::escreveTexto(QStringLiteral("NomeEmpresaLogada"), d.NomeEmpresaLogada);
        Query &q = d.QryGravaConfigs;
        try {
            q.close();
            q.open();
            if (!q.isEmpty()) {
                q.edit();
                q[QStringLiteral("CF_ULT_USUARIO")] = d.NomeUsuarioLogado;
                q.post();
            }
            q.close();
        } catch (const ErroBD &e) {
            if (q.editando()) q.cancel();
            q.close();
            mensagemErro(e.mensagem());
        }
    }
    PainelStatus[0]->setText(QStringLiteral("Empresa: ") + d.NomeEmpresaLogada);
    PainelStatus[1]->setText(QStringLiteral("Usuário: ") + d.NomeUsuarioLogado);
    PainelStatus[2]->clear();
}

void TfPrincipal::AjudaSistema()
{
    informacao(QStringLiteral("Você será direcionado para a página \"Suporte\". Se não estiver conectado agora, "
                              "envie seu questionamento para ")
                   + Enderecos::EmailContato,
               QStringLiteral("Suporte!"));
    // Without a network (only the loopback address) or a browser, the guide installed beside
    // the program stands in for the support page.
    Plataforma &p = Plataforma::atual();
    if (p.enderecoIPv4() == QLatin1String("127.0.0.1") || !p.abreEndereco(Enderecos::Suporte))
        TfManual::abre(dados().PathPrograma, this);
}

void TfPrincipal::FaleConosco() { Plataforma::atual().abreEndereco(Enderecos::Contato); }

void TfPrincipal::ItemLicencaClick()
{
    Plataforma::atual().abreDocumento(Caminhos::deWindows(dados().PathPrograma + QStringLiteral("licença.txt")));
}
