// The login window: showing it, loading the installation settings, connecting, and the
// connection panel's actions.
#include "TfLogin.h"

#include "Aplicacao.h"
#include "Caminhos.h"
#include "Dados.h"
#include "DadosImpressao.h"
#include "Enderecos.h"
#include "ErroBD.h"
#include "FormatoData.h"
#include "JanelaPrincipal.h"
#include "Mensagens.h"
#include "PainelConexao.h"
#include "PainelDicaSenha.h"
#include "Plataforma.h"
#include "Registro.h"
#include "Relogio.h"
#include "LabelClicavel.h"
#include "uFuncoes.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>

namespace {

const QString Sim = QStringLiteral("S");

bool semNome(const QString &t) { return t.isEmpty() || t == QLatin1String(" ") || t == TfLogin::TextoNomeVazio; }

} // namespace

void TfLogin::FormShow()
{
    loginConcluido_ = false;
    contaSelecionada_ = 0;
    {
        // The window takes input again once the settings are loaded, or the connection panel
        // says why they are not, whatever happened on the way.
        const auto habilita = qScopeGuard([this] { paginaLogin_->setEnabled(true); });
        CarregaConfiguracoes();
    }
    if (encerrado_) return;
    PosicionaFoco();
    if (recenteInstal_ == Sim) Registro::escreveTexto(QStringLiteral("RecenteInstal"), QStringLiteral("N"));
    if (JanelaPrincipal *principal = JanelaPrincipal::atual(); principal && principal->atualizacaoSilenciosaIniciada())
        EncerraPrograma();
}

void TfLogin::PosicionaFoco()
{
    if (conectado_) {
        EditUsuario->setFocus();
    } else {
        painelConexao->mostraCompleto();
        painelConexao->show();
        ButGravar->setEnabled(false);
    }
    if (!semNome(EditUsuario->text())) {
        // A name already there is looked up as leaving the box always does.
        EditUsuarioExit();
        EditSenha->setFocus();
    } else {
        EditUsuario->clear();
        EditUsuario->setFocus();
        EditUsuario->end(false);
    }
}

void TfLogin::CarregaConfiguracoes()
{
    painelConexao->hide();
    painelConexao->limpaMensagens();
    contasLidas_ = false;

    if (!Registro::existe(QStringLiteral("NomeServidor")) && !Registro::existe(QStringLiteral("IPServidor"))
        && !Registro::existe(QStringLiteral("PathBancoDados"))) {
        conectado_ = false;
        ButGravar->setEnabled(false);
        diagnostico_.verificaRegistro(false);
        painelConexao->defineMensagens(MensagensConexao(QString()));
        return;
    }
    diagnostico_.verificaRegistro(true);

    auto &d = dados();
    d.carregaRegistro();
    EditUsuario->setText(Registro::leTexto(QStringLiteral("NomeUsuarioLogado")));
    ComboEmpresas->setEditText(Registro::leTexto(QStringLiteral("NomeEmpresaLogada")));
    recenteInstal_ = Registro::leTexto(QStringLiteral("RecenteInstal"));
    painelConexao->defineCaminhos(d.NomeServidor, d.IPServidor, d.PathBancoDados);
    painelConexao->defineModo(d.VersaoEmbarcada);
    MostraComputador();

    Conecta();
    if (!conectado_) return;

    try {
        Dados::reabre(d.QryConfigs);
    } catch (const ErroBD &) {
        BancoAntigo();
        return;
    }
    if (EditUsuario->text().isEmpty())
        EditUsuario->setText(d.QryConfigs[QStringLiteral("CF_ULT_USUARIO")].asString());
    d.CF_MODELO_PROMIS = d.QryConfigs[QStringLiteral("CF_MODELO_PROMIS")].asString();

    try {
        CarregaContas();
        CarregaEmpresas();
    } catch (const ErroBD &e) {
        // Unknown is not empty: ENTRAR stays off until the settings load again.
        ButGravar->setEnabled(false);
        mensagemErro(e.mensagem());
        return;
    }
    contasLidas_ = true;
    AbreEmpresaLogada();
    DefineProjetoRelatorios();
    LabelRestore->setVisible(d.Server == Sim);
}

void TfLogin::MostraComputador()
{
    QString nome, ip, erro;
    if (!NomeEnderecoComputador(nome, ip, erro)) return;
    if (JanelaPrincipal *principal = JanelaPrincipal::atual()) principal->mostraComputador(nome, ip);
}

void TfLogin::Conecta()
{
    AjustaFormatoDataCurta();

    // The connection diagnosis runs its checks here, while the old connection is still open.
    {
        const auto &d = dados();
        diagnostico_.verifica({d.PathPrograma, d.PathBancoDados, d.NomeServidor, d.VersaoEmbarcada}, servidor_);
    }

    conectado_ = false;
    ButGravar->setEnabled(false);
    QryVerificaUsuario.close();
    auto &d = dados();
    try {
        d.FechaTabelas();
    } catch (const ErroBD &) {
        // a connection that was already broken
    }
    // Instalora may still be releasing the database.
    if (recenteInstal_ == Sim) Relogio::atual().espera(2000);

    // In embedded mode the name "Dados/BD.FDB" is relative: it is the program folder's database,
    // whatever folder the program was started from.
    if (d.VersaoEmbarcada) {
        const QString pasta = Caminhos::deWindows(d.PathPrograma);
        if (!pasta.isEmpty() && QDir(pasta).exists()) QDir::setCurrent(pasta);
    }
    try {
        d.conecta();
    } catch (const ErroBD &e) {
        informacao(QStringLiteral("Não foi Possível Conectar ao Servidor da Base de Dados !"));
        painelConexao->defineMensagens(MensagensConexao(e.mensagem()));
        return;
    }
    ButGravar->setEnabled(true);
    painelConexao->hide();
    conectado_ = true;
    Q_EMIT conectou();
}

// The message list of the connection panel: the diagnosis, then the database's own reason for
// the failure.
QStringList TfLogin::MensagensConexao(const QString &erro) const
{
    QStringList l = diagnostico_.mensagens();
    if (!erro.isEmpty()) l << QStringLiteral(" ") << QStringLiteral("Erro ao conectar: ") + erro.simplified();
    return l;
}

void TfLogin::CarregaContas()
{
    QryVerificaUsuario.close();
    QryVerificaUsuario.open();
    if (QryVerificaUsuario.isEmpty()) {
        LabelLogin->setText(QStringLiteral("Este é seu primeiro acesso. Para começar, informe um Nome.\n"
                                           " A senha é opcional. Depois clique em ENTRAR."));
        EditUsuario->clear();
        LabelOpcional->setText(QStringLiteral("Opcional"));
        LabelOpcional->setCursor(Qt::ArrowCursor);
    } else {
        LabelLogin->setText(QStringLiteral("Informe o seu Nome de Usuário e Senha e clique em ENTRAR."));
        LabelOpcional->setText(QStringLiteral("Esqueceu?"));
        LabelOpcional->setCursor(Qt::PointingHandCursor);
    }
}

void TfLogin::CarregaEmpresas()
{
    auto &d = dados();
    Query &q = d.QryVerificaEmpresas;
    Dados::reabre(q);
    const QString escolhida = ComboEmpresas->currentText();
    ComboEmpresas->clear();
    for (int i = 0; i < q.recordCount(); ++i) ComboEmpresas->addItem(q.valor(i, QStringLiteral("EM_NOME")).toString());
    ComboEmpresas->setEditText(escolhida);

    const bool varias = q.recordCount() > 1;
    LabelEmpresa->setVisible(varias);
    ComboEmpresas->setVisible(varias);
    if (varias) return;
    if (q.isEmpty()) {
        d.CodEmpresaLogada = 0;
        d.NomeEmpresaLogada.clear();
    } else {
        q.first();
        d.CodEmpresaLogada = q[QStringLiteral("EM_CODIGO")].asInteger();
        d.NomeEmpresaLogada = q[QStringLiteral("EM_NOME")].asString();
    }
}

void TfLogin::AbreEmpresaLogada()
{
    auto &d = dados();
    d.QryEmpresa.close();
    d.QryEmpresa.defineParametro(QStringLiteral("CODIGO"), d.CodEmpresaLogada);
    d.QryEmpresa.open();
}

// Points the report engine at the project file PathRelatorios + "Relatorios.rav".
void TfLogin::DefineProjetoRelatorios()
{
    if (DadosImpressao::existe()) DadosImpressao::instancia().defineProjeto();
}

void TfLogin::BancoAntigo()
{
    informacao(QStringLiteral("Ops! Parece que você está com um banco de dados antigo. Que tal atualizar?"),
               QStringLiteral("Ops..."));
    informacao(QStringLiteral("Baixe novamente o instalador e reinstale o programa. Vai dar tudo certo!"),
               QStringLiteral("Seus dados estarão salvos!"));
    informacao(QStringLiteral("Faça isso no servidor, OK?"), QStringLiteral("No servidor..."));
    if (dados().Server == Sim) Plataforma::atual().abreEndereco(Enderecos::Instalacao);
    EncerraPrograma();
}

void TfLogin::ButAlterarCaminhoClick()
{
    auto &d = dados();
    const struct { QLineEdit *caixa; const char *valor; QString *memoria; } caminhos[] = {
        {painelConexao->EditNomeServidor, "NomeServidor", &d.NomeServidor},
        {painelConexao->EditIPServidor, "IPServidor", &d.IPServidor},
        {painelConexao->EditCaminhoBD, "PathBancoDados", &d.PathBancoDados},
    };
    for (const auto &c : caminhos) {
        if (c.caixa->text().isEmpty()) continue;
        Registro::escreveTexto(QLatin1String(c.valor), c.caixa->text());
        *c.memoria = c.caixa->text();
    }
    CarregaConfiguracoes();
    if (encerrado_) return;
    PosicionaFoco();
    informacao(conectado_ ? QStringLiteral("Conectado com sucesso!")
                          : QStringLiteral("A tentativa de conexão não deu certo. Tente novamente!"));
}

void TfLogin::ButModoLocalClick()
{
    Registro::escreveBooleano(QStringLiteral("VersaoEmbarcada"), true);
    painelConexao->defineModo(true);
    informacao(QStringLiteral("Modo Local (Embarcado) Ativado! Agora você não precisa do Firebird instalado."));
    painelConexao->hide();
    CarregaConfiguracoes();
    if (encerrado_) return;
    // Still no database: the panel comes back, so that the user can go on correcting.
    PosicionaFoco();
}

void TfLogin::ButModoRedeClick()
{
    Registro::escreveBooleano(QStringLiteral("VersaoEmbarcada"), false);
    painelConexao->defineModo(false);
    informacao(QStringLiteral("Habilitado, agora informe Nome do Computador Servidor e IP do Servidor. "
                              "E clique ALTERAR CAMINHO!"));
}

// "Reinstalar Programa" of the connection panel.
void TfLogin::LabelReinstalarProgramaClick()
{
    Plataforma::atual().abreEndereco(Enderecos::Instalacao);
    EncerraPrograma();
}

void TfLogin::LabelAlterarCaminhoClick()
{
    painelConexao->mostraAlteracaoCaminho(conectado_);
    painelConexao->show();
    painelConexao->raise();
    painelConexao->EditNomeServidor->setFocus();
}
