#include "TfUsuarios.h"

#include "AjusteTela.h"
#include "ConexaoRelatorio.h"
#include "ContatosUsuario.h"
#include "Dados.h"
#include "DataEdit.h"
#include "ErroBD.h"
#include "JanelaPrincipal.h"
#include "MaskEdit.h"
#include "Mensagens.h"
#include "PaginasUsuario.h"
#include "Permissoes.h"
#include "RelatorioLista.h"
#include "Relogio.h"
#include "SeletoresEndereco.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace {

constexpr int LinhaFiltro = 4; // of QryPesquisa; the order line follows it

JanelaCadastro::Definicao definicao()
{
    JanelaCadastro::Definicao d;
    d.titulo = QStringLiteral(" Cadastro de Usuários");
    d.secaoLayout = QStringLiteral("USUARIOS");
    d.campoChave = QStringLiteral("US_CODIGO");
    d.campoNome = QStringLiteral("US.US_NOME");
    // No right is asked: the window opens for everyone and no part reads PUS_USUARIOS_*.
    d.sqlPrincipal = {QStringLiteral("select US_CODIGO, US_NOME, US_CPF_CNPJ, US_RG_IE, US_COD_CIDADE, US_COD_BAIRRO, "
                                     "US_COD_LOGRADOURO, US_NUMERO, US_COMPLEMENTO, US_CEP, US_PTREF, US_OBS, US_DT_NASC, "
                                     "US_DT_CAD, US_DT_ATUAL, US_CONTATOS from USUARIOS"),
                      QStringLiteral("WHERE US_CODIGO=:CODIGO")};
    d.sqlContagem = QStringLiteral("SELECT COUNT(US_CODIGO) AS REGISTROS FROM USUARIOS");
    d.colunas = {{QStringLiteral("US_NOME"), QStringLiteral("Nome do Usuário")}};
    return d;
}

QStringList linhasPesquisa()
{
    return {QStringLiteral("select US.US_CODIGO, US.US_NOME, US.US_CPF_CNPJ, US.US_RG_IE, US.US_DT_CAD, US.US_DT_NASC, "
                           "US.US_NUMERO, US.US_COMPLEMENTO, US.US_CEP, US.US_CONTATOS, CD.CD_NOME, CD.CD_UF, BR.BR_NOME, "
                           "LG.LG_NOME from USUARIOS US"),
            QStringLiteral("LEFT JOIN CIDADES CD ON CD.CD_CODIGO=US.US_COD_CIDADE"),
            QStringLiteral("LEFT JOIN BAIRROS BR ON BR.BR_CODIGO=US.US_COD_BAIRRO"),
            QStringLiteral("LEFT JOIN LOGRADOUROS LG ON LG.LG_CODIGO=US.US_COD_LOGRADOURO"),
            QStringLiteral("WHERE US.US_CODIGO>0"),
            QStringLiteral("ORDER BY US.US_NOME")};
}

bool semTexto(const QString &t) { return t.isEmpty() || t == QLatin1String(" "); }

} // namespace

TfUsuarios::TfUsuarios(QWidget *parent)
    : JanelaCadastro(definicao(), parent), TransQryPesquisa(dados().DataBase, QStringLiteral("TransQryPesquisa")),
      TransPermissoes(dados().DataBase, QStringLiteral("TransPermissoes")),
      QryPesquisa(dados().DataBase, TransQryPesquisa, this), QryPermissoes(dados().DataBase, TransPermissoes, this),
      ConfQryPrincipal(dados().DataBase, TransQryPrincipal, this)
{
    setObjectName(QStringLiteral("TfUsuarios"));
    QryPesquisa.sql.defineLinhas(linhasPesquisa());
    QryPrincipal.defineTabela(QStringLiteral("USUARIOS"), {QStringLiteral("US_CODIGO")}, QStringLiteral("COD_USUARIOS"));
    QryPermissoes.sql.defineLinhas({QStringLiteral("select * from USUARIOSPERMISSOES"), QStringLiteral("WHERE PUS_CODIGO=:CODIGO")});
    QryPermissoes.defineTabela(QStringLiteral("USUARIOSPERMISSOES"), {QStringLiteral("PUS_CODIGO")});
    ConfQryPrincipal.sql.defineLinhas({QStringLiteral("select US_CODIGO, US_NOME from  USUARIOS"), QStringLiteral("WHERE US_NOME=:NOME"),
                                       QString(), QStringLiteral("ORDER BY US_CODIGO")});
    RVUsuarios = new ConexaoRelatorio(QStringLiteral("RVUsuarios"), QryPesquisa, this);
    monta();

    ButExibir->hide();
    for (QLabel *l : findChildren<QLabel *>()) {
        if (l->text().startsWith(u"F1 Ajuda"))
            l->setText(QStringLiteral("F1 Ajuda - F2 Novo - F3 Altera - F4 Relatórios - F5 Pesquisa - F6 Grava - F7 Cancela - "
                                      "F11 Sair  |  ENTER Avançar campos - ESC Voltar "));
        else if (l->text().startsWith(u"ENTER Avançar"))
            l->setText(QStringLiteral("Na tabela:  Clique nas colunas para ordená-las  -  DEL Excluir  -  Duplo clique: Alterar"));
    }
    // "Limpar busca" only for a text other than one blank.
    connect(EditLocaliza, &QLineEdit::textChanged, this, [this](const QString &t) { LabelLimpar->setVisible(!semTexto(t)); });
    Contatos->gravaUsuario = [this] { return gravaParaContato(); };
    connect(Contatos, &ContatosUsuario::adicionado, this, [this] {
        if (Paginas->Endereco->uf().isEmpty()) Paginas->Endereco->defineUf(SeletoresEndereco::ufPadrao());
        Paginas->EditCodigo->setText(QryPrincipal[QStringLiteral("US_CODIGO")].asString());
    });
    connect(Paginas, &PaginasUsuario::flagMudou, this, [this](const QString &flag, const QString &valor) {
        if (QryPermissoes.editando()) QryPermissoes[flag] = valor;
    });
    montaMenus();
    AjusteTela::dimensiona(this, QSize(1200, 640));
}

TfUsuarios::~TfUsuarios()
{
    try {
        if (QryPermissoes.editando()) QryPermissoes.cancel();
        QryPermissoes.close();
        QryPesquisa.close();
        TransPermissoes.commit();
        TransQryPesquisa.commit();
    } catch (const ErroBD &) {
    }
}

void TfUsuarios::montaDetalhes(QWidget *painel)
{
    Paginas = new PaginasUsuario(painel);
    Contatos = Paginas->Contatos;
    auto *l = new QVBoxLayout(painel);
    l->setContentsMargins(2, 2, 2, 2);
    l->addWidget(Paginas);
}

void TfUsuarios::montaMenus()
{
    MenuRelatorios->clear();
    MenuRelatorios->addAction(QStringLiteral("Relação de Usuários"), this, &TfUsuarios::imprimeRelacao);
    MenuOpcoes->clear();
    for (const auto &[item, tipo] : {std::pair{"Cidades", "CIDADES"}, std::pair{"Bairros", "BAIRROS"},
                                     std::pair{"Logradouros", "LOGRADOUROS"}}) {
        const QString janela = QLatin1String(tipo);
        MenuOpcoes->addAction(QLatin1String(item), this, [janela] {
            if (auto *p = JanelaPrincipal::atual(); p && Permissoes::concede(QStringLiteral("PUS_LOCALIDADES_V")))
                p->abreJanela(janela);
        });
    }
}

// ---- list ---------------------------------------------------------------------

void TfUsuarios::CarregaTabelas()
{
    QryPesquisa.sql[LinhaFiltro] = QStringLiteral("WHERE US.US_CODIGO>0");
    carregaTodos_ = false;
    QryPesquisa.close();
    QryPesquisa.open();
    CountQryPrincipal.close();
    CountQryPrincipal.open();
    preencheEstados();
    Contatos->carregaTipos();
    Dados &d = dados();
    for (Query *q : {&d.LookupCidades, &d.LookupBairros, &d.LookupLogradouros, &d.LookupUsuarios}) Dados::abre(*q);
    Paginas->setCurrentIndex(PaginasUsuario::DadosPrincipais);
    // Decided once: an administrator's window; MASTER always sees it.
    Paginas->definePermissoesVisiveis(Permissoes::janela(QStringLiteral("PUS_ADMIN")));
    escreveContador();
}

void TfUsuarios::preencheEstados()
{
    Query &estados = dados().LookupEstados;
    Dados::abre(estados);
    QComboBox *c = Paginas->Endereco->ComboEstado;
    {
        const QSignalBlocker bloqueio(c);
        c->clear();
        for (int i = 0; i < estados.recordCount(); ++i) c->addItem(estados.valor(i, QStringLiteral("ES_SIGLA")).toString());
    }
    Paginas->Endereco->defineUf(SeletoresEndereco::ufPadrao());
}

void TfUsuarios::LocalizaTabelas()
{
    QString texto = EditLocaliza->text();
    texto.replace(QLatin1Char('\''), QStringLiteral("''")); // a quote is text, never the end of the literal
    QryPesquisa.sql[LinhaFiltro] = QStringLiteral("WHERE US.US_NOME LIKE('%") + texto + QStringLiteral("%')");
    QryPesquisa.close();
    QryPesquisa.open();
    CountQryPrincipal.close();
    CountQryPrincipal.open();
    escreveContador();
}

void TfUsuarios::reabreLista(const QVariant &codigo)
{
    recarregando_ = true;
    QryPesquisa.close();
    QryPesquisa.open();
    if (codigo.isValid()) QryPesquisa.locate(QStringLiteral("US_CODIGO"), codigo);
    recarregando_ = false;
}

int TfUsuarios::codigoSelecionado() const
{
    return QryPesquisa.recNo() >= 0 ? QryPesquisa.valor(QryPesquisa.recNo(), QStringLiteral("US_CODIGO")).toInt() : 0;
}

void TfUsuarios::mostraRegistro()
{
    if (!Paginas || recarregando_ || QryPrincipal.editando()) return;
    const int codigo = codigoSelecionado();
    const QVariant chave = codigo > 0 ? QVariant(codigo) : QVariant();
    QryPrincipal.close();
    QryPrincipal.defineParametro(QStringLiteral("CODIGO"), chave);
    QryPrincipal.open();
    QryPermissoes.close();
    QryPermissoes.defineParametro(QStringLiteral("CODIGO"), chave);
    QryPermissoes.open();
    Contatos->carrega(chave);
    Paginas->mostra(QryPrincipal, QryPermissoes);
}

// ---- modes --------------------------------------------------------------------

void TfUsuarios::ModoNormal()
{
    JanelaCadastro::ModoNormal();
    Contatos->LimpaCamposContato();
    Paginas->Endereco->escondeListas();
}

void TfUsuarios::habilitaDetalhes(bool editando)
{
    Paginas->setEditando(editando);
    Contatos->setEditando(editando);
}

QWidget *TfUsuarios::primeiroCampo() { return Paginas->EditNome; }

void TfUsuarios::ButNovoClick()
{
    modo_ = Inserindo;
    gravado_ = false;
    Contatos->carrega(QVariant());
    Paginas->setCurrentIndex(PaginasUsuario::DadosPrincipais);
    ModoEdicao();
    setWindowTitle(def_.titulo + QStringLiteral(" (Incluindo...)"));
    QryPrincipal.append();
    QryPrincipal[QStringLiteral("US_DT_CAD")] = hoje();
    QryPermissoes.append();
    // An administrator's new users start with every right; anyone else's with none (null).
    if (Permissoes::concede(QStringLiteral("PUS_ADMIN")))
        for (const QString &f : PaginasUsuario::flags()) QryPermissoes[f] = QStringLiteral("T");
    Paginas->mostra(QryPrincipal, QryPermissoes);
    SeletoresEndereco *e = Paginas->Endereco;
    e->limpa();
    e->defineUf(SeletoresEndereco::ufPadrao());
    Paginas->EditNome->setFocus();
}

void TfUsuarios::ButAlteraClick()
{
    if (QryPrincipal.isEmpty() || QryPrincipal.recNo() < 0) return;
    modo_ = Alterando;
    gravado_ = true;
    const int pagina = Paginas->currentIndex();
    ModoEdicao();
    Paginas->setCurrentIndex(pagina);
    setWindowTitle(def_.titulo + QStringLiteral(" (Alterando...)"));
    Paginas->Endereco->mostra(QryPrincipal[QStringLiteral("US_COD_CIDADE")].asInteger(),
                              QryPrincipal[QStringLiteral("US_COD_BAIRRO")].asInteger(),
                              QryPrincipal[QStringLiteral("US_COD_LOGRADOURO")].asInteger());
    QryPrincipal.edit();
    // A user stored without its permission record (by another program) gets one now.
    if (QryPermissoes.isEmpty()) QryPermissoes.append();
    else QryPermissoes.edit();
    switch (pagina) {
    case PaginasUsuario::Permissoes: Paginas->CheckAdmin->setFocus(); break;
    case PaginasUsuario::ContatoEndereco: Contatos->ComboTipoContato->setFocus(); break;
    default: Paginas->EditNome->setFocus(); break;
    }
}
