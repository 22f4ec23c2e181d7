// The login window: choosing the account and the company, the first account, entering.
#include "TfLogin.h"

#include "Dados.h"
#include "JanelaPrincipal.h"
#include "Mensagens.h"
#include "PainelDicaSenha.h"
#include "PainelPrimeirosDados.h"
#include "Registro.h"
#include "TfCarregando.h"
#include "uFuncoes.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>

namespace {

bool semNome(const QString &t) { return t.isEmpty() || t == QLatin1String(" ") || t == TfLogin::TextoNomeVazio; }

void focaSelecionando(QLineEdit *e)
{
    e->setFocus();
    e->selectAll();
}

} // namespace

void TfLogin::EditUsuarioExit()
{
    if (!conectado_) return;
    const QString nome = EditUsuario->text();
    contaSelecionada_ = 0;
    if (nome.isEmpty() || nome == QLatin1String(" ")) {
        EditUsuario->clear(); // the placeholder shows again
        return;
    }
    if (QryVerificaUsuario.isEmpty()) return;

    // A whole number is an account code; any other text a login name, letter case ignored.
    ValidaInteiro(nome);
    const bool achou = NumeroValido ? QryVerificaUsuario.locate(QStringLiteral("PUS_CODIGO"), nome.trimmed().toInt())
                                    : QryVerificaUsuario.locate(QStringLiteral("PUS_LOGIN"), nome);
    if (!achou) return;
    contaSelecionada_ = QryVerificaUsuario[QStringLiteral("PUS_CODIGO")].asInteger();
    EditUsuario->setText(QryVerificaUsuario[QStringLiteral("PUS_LOGIN")].asString());
}

void TfLogin::ButGravarClick()
{
    // Without the accounts and companies read, an empty list would not mean a new database.
    if (!conectado_ || !contasLidas_) return;
    auto &d = dados();
    const QString nome = EditUsuario->text();
    const QString senha = EditSenha->text();
    if (semNome(nome)) {
        informacao(QStringLiteral("É necessário informar um Nome para entrar no programa!"));
        focaSelecionando(EditUsuario);
        return;
    }

    if (QryVerificaUsuario.isEmpty()) {
        if (!PrimeiroUsuario()) return;
    } else if (nome == LoginMaster && senha == SenhaMaster) {
        d.CodUsuarioLogado = Dados::CodigoMaster;
        d.NomeUsuarioLogado = LoginMaster;
    } else {
        // The account is the one the box names now, whatever was selected before.
        EditUsuarioExit();
        if (contaSelecionada_ == 0) {
            informacao(QStringLiteral("Usuário não localizado ou inexistente !"));
            focaSelecionando(EditUsuario);
            return;
        }
        QryVerificaUsuario.locate(QStringLiteral("PUS_CODIGO"), contaSelecionada_);
        if (senha != QryVerificaUsuario[QStringLiteral("PUS_SENHA")].asString()) {
            informacao(QStringLiteral("Senha incorreta !"));
            focaSelecionando(EditSenha);
            return;
        }
        d.CodUsuarioLogado = contaSelecionada_;
        d.NomeUsuarioLogado = QryVerificaUsuario[QStringLiteral("PUS_LOGIN")].asString();
    }

    if (d.QryVerificaEmpresas.isEmpty()) {
        PrimeirosDados();
        return;
    }
    if (!EscolheEmpresa()) return;
    Dados::reabre(d.QryConfigs);
    ConcluiLogin();
}

bool TfLogin::PrimeiroUsuario()
{
    auto &d = dados();
    const QString nome = EditUsuario->text();
    const QString senha = EditSenha->text();
    if (nome == LoginMaster && senha == SenhaMaster) {
        d.CodUsuarioLogado = Dados::CodigoMaster;
        d.NomeUsuarioLogado = LoginMaster;
        return true;
    }

    const int codigo = GravaPrimeiraConta(nome, senha);

    PedidoAviso pedido;
    pedido.texto = (senha.isEmpty() ? QStringLiteral("Você cadastrou o usuário \"%1\", sem senha!\r"
                                                     "Use \"%1\" para entrar no programa.")
                                    : QStringLiteral("Você cadastrou o usuário \"%1\", e uma senha!\r"
                                                     "Use \"%1\" para entrar no programa e a senha definida."))
                       .arg(nome);
    pedido.legendaSim = QStringLiteral("Continuar");
    pedido.naoHabilitado = false;
    aviso(pedido);
    informacao(
        QStringLiteral("Depois, acesse o menu Cadastros, Usuários, para completar o cadastro deste usuário !"));

    contaSelecionada_ = codigo;
    d.CodUsuarioLogado = codigo;
    d.NomeUsuarioLogado = nome;
    Registro::escreveInteiro(QStringLiteral("CodUsuarioLogado"), codigo);
    Registro::escreveTexto(QStringLiteral("NomeUsuarioLogado"), nome);
    CarregaContas();
    return true;
}

int TfLogin::GravaPrimeiraConta(const QString &nome, const QString &senha)
{
    // The user, the permission row and CF_ULT_USUARIO are stored together or not at all, so
    // that ENTRAR again after a refusal cannot make a second account with the same login.
    auto &d = dados();
    Transacao tr(d.DataBase, QStringLiteral("TransPrimeiraConta"));
    try {
        Query usuario(d.DataBase, tr);
        usuario.sql = d.QryUsuariosPrincipal.sql;
        usuario.defineTabela(QStringLiteral("USUARIOS"), {QStringLiteral("US_CODIGO")}, QStringLiteral("COD_USUARIOS"));
        usuario.aoNovoRegistro = d.QryUsuariosPrincipal.aoNovoRegistro;
        usuario.append();
        usuario[QStringLiteral("US_NOME")] = nome;
        usuario.post();
        const int codigo = usuario[QStringLiteral("US_CODIGO")].asInteger();
        usuario.close();

        Query permissoes(d.DataBase, tr);
        permissoes.sql = d.QryUsuariosSecundaria.sql;
        permissoes.defineTabela(QStringLiteral("USUARIOSPERMISSOES"), {QStringLiteral("PUS_CODIGO")});
        permissoes.aoNovoRegistro = d.QryUsuariosSecundaria.aoNovoRegistro; // every flag "T"
        permissoes.append();
        permissoes[QStringLiteral("PUS_CODIGO")] = codigo;
        permissoes[QStringLiteral("PUS_LOGIN")] = nome;
        permissoes[QStringLiteral("PUS_SENHA")] = senha;
        permissoes[QStringLiteral("PUS_RESENHA")] = senha;
        permissoes[QStringLiteral("PUS_USUARIO")] = QStringLiteral("T");
        permissoes.post();
        permissoes.close();

        Query configs(d.DataBase, tr);
        configs.sql.defineLinhas({QStringLiteral("UPDATE CONFIGS SET CF_ULT_USUARIO=:NOME")});
        configs.defineParametro(QStringLiteral("NOME"), nome);
        configs.execSQL();

        tr.commit();
        return codigo;
    } catch (...) {
        if (tr.ativa()) tr.rollback();
        throw;
    }
}

bool TfLogin::EscolheEmpresa()
{
    if (!ComboEmpresas->isVisible()) return true;
    auto &d = dados();
    const QString nome = ComboEmpresas->currentText();
    if (nome.isEmpty() || nome == QLatin1String(" ")) {
        informacao(QStringLiteral("É necessário informar a empresa!"));
        ComboEmpresas->setFocus();
        return false;
    }
    Query &q = d.QryVerificaEmpresas;
    if (!q.locate(QStringLiteral("EM_NOME"), nome)) {
        informacao(QStringLiteral("Empresa não localizada!"));
        ComboEmpresas->setFocus();
        return false;
    }
    d.CodEmpresaLogada = q[QStringLiteral("EM_CODIGO")].asInteger();
    d.NomeEmpresaLogada = q[QStringLiteral("EM_NOME")].asString();
    AbreEmpresaLogada();
    return true;
}

void TfLogin::LabelOpcionalClick()
{
    if (!conectado_ || QryVerificaUsuario.isEmpty()) return;
    painelDicaSenha->abre();
}

void TfLogin::ContaDaDica(int codigo, const QString &login)
{
    EditUsuario->setText(login);
    contaSelecionada_ = codigo;
    EditSenha->setFocus();
}

void TfLogin::PrimeirosDados()
{
    painelPrimeirosDados->inicia(dados().NomeUsuarioLogado);
    paginas_->setCurrentWidget(painelPrimeirosDados);
    painelPrimeirosDados->EditNome1->setFocus();
}

void TfLogin::PrimeirosDadosConcluidos()
{
    paginas_->setCurrentWidget(paginaLogin_);
    ConcluiLogin();
}

void TfLogin::ConcluiLogin()
{
    TfCarregando &carregando = TfCarregando::instancia();
    carregando.mostra();
    try {
        if (JanelaPrincipal *principal = JanelaPrincipal::atual()) principal->concluiLogin();
    } catch (...) {
        carregando.fecha();
        throw;
    }
    carregando.fecha();
    loginConcluido_ = true;
    accept();
}

void TfLogin::LabelRestoreClick()
{
    if (JanelaPrincipal *principal = JanelaPrincipal::atual()) principal->RestaurarBD();
}
