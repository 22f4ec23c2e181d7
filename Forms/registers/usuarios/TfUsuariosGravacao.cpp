// The users register: save, cancel, delete, the report and closing.

#include "TfUsuarios.h"

#include "ContatosUsuario.h"
#include "Dados.h"
#include "ErroBD.h"
#include "MaskEdit.h"
#include "Mensagens.h"
#include "PaginasUsuario.h"
#include "RelatorioLista.h"
#include "Relogio.h"
#include "SeletoresEndereco.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace {

bool semTexto(const QString &t) { return t.isEmpty() || t == QLatin1String(" "); }

void recusa(const QString &texto, PaginasUsuario *paginas, QWidget *campo, bool seleciona)
{
    informacao(texto);
    paginas->mostraPagina(PaginasUsuario::DadosPrincipais);
    campo->setFocus();
    if (auto *e = qobject_cast<QLineEdit *>(campo); e && seleciona) e->selectAll();
}

} // namespace

bool TfUsuarios::verificaGravacao()
{
    PaginasUsuario *p = Paginas;
    const QString nome = p->EditNome->text();
    if (nome == QLatin1String("MASTER")) {
        recusa(QStringLiteral("Este nome é inválido !"), p, p->EditNome, true);
        return false;
    }
    if (semTexto(nome)) {
        recusa(QStringLiteral("É necessário informar o nome !"), p, p->EditNome, false);
        return false;
    }
    if (semTexto(p->EditLogin->text())) {
        recusa(QStringLiteral("É necessário informar o nome de login !"), p, p->EditLogin, true);
        return false;
    }
    const QString senha = p->EditSenha->text();
    if (senha != p->EditConfirmaSenha->text()) {
        recusa(QStringLiteral("A confirmação da senha está incorreta. Digite novamente!"), p, p->EditSenha, true);
        return false;
    }
    const QString dica = p->EditDicaSenha->text();
    if (!senha.isEmpty() && dica.isEmpty()
        && perguntaSimNao(QStringLiteral("Você cadastrou uma senha. Deseja informar uma dica de senha?"), Mensagens::tituloAplicacao())) {
        p->mostraPagina(PaginasUsuario::DadosPrincipais);
        p->EditDicaSenha->setFocus();
        return false;
    }
    if (!dica.isEmpty() && (p->EditCPF->vazio() || p->EditCPF->texto().trimmed().isEmpty())) {
        recusa(QStringLiteral("Você informou uma Dica de Senha. Precisa informar um CPF!"), p, p->EditCPF, false);
        return false;
    }
    if (modo_ == Inserindo
        && !perguntaSimNao(QStringLiteral("Você verificou as Permissões para este Usuário?"), Mensagens::tituloAplicacao())) {
        // Only an administrator's window has the page to bring forward.
        if (p->permissoesVisiveis()) {
            p->mostraPagina(PaginasUsuario::Permissoes);
            p->CheckAdmin->setFocus();
        }
        return false;
    }
    if (nomeRepetido(nome)) {
        recusa(QStringLiteral("Já existe um usuário com este nome !"), p, p->EditNome, true);
        return false;
    }
    return true;
}

bool TfUsuarios::nomeRepetido(const QString &nome)
{
    ConfQryPrincipal.defineParametro(QStringLiteral("NOME"), nome);
    if (gravado_) {
        ConfQryPrincipal.sql[2] = QStringLiteral("AND US_CODIGO<>:CODIGO");
        ConfQryPrincipal.defineParametro(QStringLiteral("CODIGO"), QryPrincipal[QStringLiteral("US_CODIGO")].valor());
    } else {
        ConfQryPrincipal.sql[2] = QString();
    }
    return existeDuplicado(ConfQryPrincipal);
}

bool TfUsuarios::gravaCampos()
{
    if (!Paginas->grava(QryPrincipal, QryPermissoes)) return false;
    const SeletoresEndereco *e = Paginas->Endereco;
    const QList<std::pair<const char *, int>> codigos{{"US_COD_CIDADE", e->Cidade->codigo()},
                                                      {"US_COD_BAIRRO", e->Bairro->codigo()},
                                                      {"US_COD_LOGRADOURO", e->Logradouro->codigo()}};
    for (const auto &[campo, codigo] : codigos) QryPrincipal[QLatin1String(campo)] = codigo > 0 ? QVariant(codigo) : QVariant();
    return true;
}

bool TfUsuarios::defineEstadoPadrao()
{
    Dados &d = dados();
    Dados::abre(d.QryConfigs);
    if (!d.QryConfigs.isEmpty() && d.QryConfigs.valor(0, QStringLiteral("CF_UF_PADRAO")).toInt() != 0) return true;
    const QString uf = Paginas->Endereco->uf();
    QVariant estado;
    Dados::abre(d.LookupEstados);
    for (int i = 0; i < d.LookupEstados.recordCount() && !uf.isEmpty(); ++i)
        if (d.LookupEstados.valor(i, QStringLiteral("ES_SIGLA")).toString() == uf) estado = d.LookupEstados.valor(i, QStringLiteral("ES_CODIGO"));
    if (!estado.isValid()) {
        informacao(QStringLiteral("É necessário informar o seu estado (UF)!"));
        Paginas->mostraPagina(PaginasUsuario::ContatoEndereco);
        Paginas->Endereco->ComboEstado->setFocus();
        return false;
    }
    Query &g = d.QryGravaConfigs;
    g.close();
    g.open();
    g.edit();
    g[QStringLiteral("CF_UF_PADRAO")] = estado;
    g.post(); // committed by the module
    g.close();
    Dados::reabre(d.QryConfigs);
    return true;
}

void TfUsuarios::ButGravarClick()
{
    if (!QryPrincipal.editando() || !verificaGravacao() || !gravaCampos()) return;
    QryPrincipal[QStringLiteral("US_DT_ATUAL")] = hoje();
    QryPrincipal[QStringLiteral("US_CONTATOS")] = Contatos->resumo();
    if (!defineEstadoPadrao()) return;

    // A database error reaches the user through the application's guard; the window stays
    // in its mode with what was typed.
    QryPrincipal.post();
    TransQryPrincipal.commitRetaining();
    gravado_ = true;
    const QVariant codigo = QryPrincipal[QStringLiteral("US_CODIGO")].valor();
    QryPermissoes[QStringLiteral("PUS_CODIGO")] = codigo;
    QryPermissoes[QStringLiteral("PUS_USUARIO")] = QStringLiteral("T");
    QryPermissoes[QStringLiteral("PUS_CPF_CNPJ")] = QryPrincipal[QStringLiteral("US_CPF_CNPJ")].valor();
    try {
        QryPermissoes.post();
        TransPermissoes.commitRetaining();
    } catch (const ErroBD &) {
        QryPrincipal.edit(); // the user is stored: the next save alters it and stores the permissions
        throw;
    }

    Dados::reabre(dados().LookupUsuarios);
    if (modo_ == Alterando)
        informacao(QStringLiteral("Para que as permissões alteradas surtam efeito, o usuário deve sair e entrar novamente no programa!"),
                   QStringLiteral("ATENÇÃO!"));
    reabreLista(codigo);
    ModoNormal();
    CountQryPrincipal.close();
    CountQryPrincipal.open();
    LabelRegistros->setText(QStringLiteral("Listados %1 de %2 registros")
                                .arg(QryPesquisa.recordCount())
                                .arg(CountQryPrincipal.valor(0, QStringLiteral("REGISTROS")).toLongLong()));
}

int TfUsuarios::gravaParaContato()
{
    if (!QryPrincipal.editando() || !gravaCampos()) return 0;
    QryPrincipal.post(); // an error reaches the user through the application's guard
    TransQryPrincipal.commitRetaining();
    gravado_ = true;
    QryPrincipal.edit();
    return QryPrincipal[QStringLiteral("US_CODIGO")].asInteger();
}

void TfUsuarios::excluiUsuario()
{
    const int codigo = QryPrincipal[QStringLiteral("US_CODIGO")].asInteger();
    try {
        QryPrincipal.remove();
        // A permission row left behind would keep the login usable.
        Query permissoes(dados().DataBase, TransQryPrincipal);
        permissoes.sql.defineLinhas({QStringLiteral("DELETE FROM USUARIOSPERMISSOES"), QStringLiteral("WHERE PUS_CODIGO=:COD")});
        permissoes.defineParametro(QStringLiteral("COD"), codigo);
        permissoes.execSQL();
        ContatosUsuario::excluiDoUsuario(TransQryPrincipal, codigo);
        TransQryPrincipal.commitRetaining();
    } catch (const ErroBD &) {
        try { TransQryPrincipal.rollbackRetaining(); } catch (const ErroBD &) {}
        throw;
    }
}

void TfUsuarios::ButCancelarClick()
{
    if (modo_ == Inserindo) {
        if (aviso(10) != RespostaAviso::Sim) return;
        QryPermissoes.cancel();
        QryPrincipal.cancel();
        if (gravado_) {
            excluiUsuario(); // stored when a contact was added: it goes away with its contacts
            gravado_ = false;
            CountQryPrincipal.close();
            CountQryPrincipal.open();
            escreveContador();
        } else {
            try { TransQryPrincipal.rollbackRetaining(); } catch (const ErroBD &) {}
        }
    } else {
        QryPermissoes.cancel();
        QryPrincipal.cancel();
        try { TransPermissoes.rollbackRetaining(); } catch (const ErroBD &) {}
        try { TransQryPrincipal.rollbackRetaining(); } catch (const ErroBD &) {}
    }
    ModoNormal();
    mostraRegistro();
}

void TfUsuarios::Delecao()
{
    if (QryPesquisa.isEmpty() || QryPesquisa.recNo() < 0 || QryPrincipal.isEmpty()) return;
    if (aviso() != RespostaAviso::Sim) return;
    try {
        excluiUsuario();
    } catch (const ErroBD &) {
        informacao(QStringLiteral("Não é possível excluir. Existem vínculos para esta tabela !"));
        mostraRegistro();
        return;
    }
    reabreLista(QVariant());
    mostraRegistro();
    Dados::reabre(dados().LookupUsuarios);
    CountQryPrincipal.close();
    CountQryPrincipal.open();
    escreveContador();
}

void TfUsuarios::imprimeRelacao()
{
    if (QryPesquisa.isEmpty()) return;
    RelatorioLista::imprime(QryPesquisa, QStringLiteral("RelacaoUsuarios"), QStringLiteral("Relação de Usuários do Sistema"),
                            QStringLiteral("Exibindo  registros  pesquisados"));
}

void TfUsuarios::closeEvent(QCloseEvent *e)
{
    if (CountQryPrincipal.ativa() && CountQryPrincipal.valor(0, QStringLiteral("REGISTROS")).toLongLong() == 0
        && !perguntaSimNao(QStringLiteral("Não há usuários cadastrados. Deseja realmente sair?"), Mensagens::tituloAplicacao())) {
        e->ignore();
        return;
    }
    if (modo_ != Normal && QryPermissoes.editando()) {
        QryPermissoes.cancel();
        try { TransPermissoes.rollbackRetaining(); } catch (const ErroBD &) {}
    }
    JanelaCadastro::closeEvent(e);
}
