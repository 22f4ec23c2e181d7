#include "TfEmpresas.h"

#include "Dados.h"
#include "DocumentoPessoa.h"
#include "EnderecoCompleto.h"
#include "Enderecos.h"
#include "ErroBD.h"
#include "ImagemLogotipo.h"
#include "JanelaPrincipal.h"
#include "LogotipoEmpresa.h"
#include "Caminhos.h"
#include "MaskEdit.h"
#include "Mensagens.h"
#include "MenuLocalidades.h"
#include "PainelDetalhesEmpresa.h"
#include "PainelEdicaoEmpresa.h"
#include "PainelPesquisaEmpresas.h"
#include "Plataforma.h"
#include "Relogio.h"
#include "RetornoCredor.h"
#include "SeletoresEndereco.h"
#include "TeclasNavegacao.h"
#include "uFuncoes.h"

#include <QBoxLayout>
#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableView>

namespace {

const QString Titulo = QStringLiteral(" Cadastro de Empresas (Credores)");

JanelaCadastro::Definicao definicao()
{
    JanelaCadastro::Definicao d;
    d.titulo = Titulo;
    d.tituloDetalhes = QStringLiteral("Detalhes do Cliente selecionado");
    d.secaoLayout = QStringLiteral("EMPRESAS");
    d.campoChave = QStringLiteral("EM_CODIGO");
    d.campoNome = QStringLiteral("EM.EM_NOME");
    d.direito = QStringLiteral("EMPRESAS");
    d.linhaFiltro = 6;
    QStringList l(15);
    l[0] = QStringLiteral(
        "select EM.EM_CODIGO, EM.EM_TIPO_PESSOA, EM.EM_NOME, EM.EM_FANTASIA, EM.EM_CPF_CNPJ, EM.EM_RG_IE, EM.EM_IM, "
        "EM.EM_COD_CIDADE, EM.EM_COD_BAIRRO, EM.EM_COD_LOGRADOURO, EM.EM_NUMERO, EM.EM_COMPLEMENTO, EM.EM_CEP, EM.EM_OBS, "
        "EM.EM_DT_NASC, EM.EM_DT_ATUAL, EM.EM_DT_CAD, EM.EM_FONE1, EM.EM_FONE2, EM.EM_EMAIL, EM.EM_SITE, EM.EM_NOME_IMAGEM, "
        "EM.EM_LOGO, EM.EM_ENDERECO_COMPLETO2, CD.CD_NOME, CD.CD_UF, BR.BR_NOME, LG.LG_NOME from EMPRESAS EM");
    l[2] = QStringLiteral("LEFT JOIN CIDADES CD ON CD.CD_CODIGO=EM.EM_COD_CIDADE");
    l[3] = QStringLiteral("LEFT JOIN BAIRROS BR ON BR.BR_CODIGO=EM.EM_COD_BAIRRO");
    l[4] = QStringLiteral("LEFT JOIN LOGRADOUROS LG ON LG.LG_CODIGO=EM.EM_COD_LOGRADOURO");
    l[6] = QStringLiteral("WHERE EM.EM_NOME=:NOME");
    l[14] = QStringLiteral("ORDER BY EM.EM_NOME");
    d.sqlPrincipal = l;
    d.sqlContagem = QStringLiteral("SELECT COUNT(EM_CODIGO) AS REGISTROS FROM EMPRESAS");
    d.colunas = {{QStringLiteral("EM_NOME"), QStringLiteral("Empresa (Razão Social)")},
                 {QStringLiteral("EM_FANTASIA"), QStringLiteral("Nome Fantasia")},
                 {QStringLiteral("EM_FONE1"), QStringLiteral("Telefone 1")},
                 {QStringLiteral("EM_CPF_CNPJ"), QStringLiteral("CPF/ CNPJ")}};
    d.itemRelatorio = QStringLiteral("Relação de Empresas");
    d.relatorio = QStringLiteral("RelacaoEmpresas");
    d.conexaoRelatorio = QStringLiteral("RVEmpresas");
    d.tituloRelatorio = QStringLiteral("Relação de Empresas (Credores)");
    return d;
}

bool semTexto(const QString &t) { return t.isEmpty() || t == QLatin1String(" "); }

} // namespace

TfEmpresas::TfEmpresas(QWidget *parent)
    : JanelaCadastro(definicao(), parent), ConfQryPrincipal(dados().DataBase, TransQryPrincipal, this)
{
    setObjectName(QStringLiteral("TfEmpresas"));
    QryPrincipal.defineTabela(QStringLiteral("EMPRESAS"), {QStringLiteral("EM_CODIGO")}, QStringLiteral("COD_EMPRESAS"));
    ConfQryPrincipal.sql.defineLinhas({QStringLiteral("select EM_CODIGO, EM_NOME from  EMPRESAS"), QStringLiteral("WHERE EM_NOME=:NOME"),
                                       QString(), QStringLiteral("ORDER BY EM_CODIGO")});
    monta();

    // No search box and no show/hide button; the grid greys no row.
    for (QWidget *w : std::initializer_list<QWidget *>{EditLocaliza, ButBuscar, LabelLimpar, ButExibir}) w->hide();
    modelo_->estilo = nullptr;
    ButNovo->setText(QStringLiteral(" &Nova Empresa"));
    ButPesquisar = new QPushButton(QStringLiteral(" &Pesquisar"), this);
    ButPesquisar->setObjectName(QStringLiteral("ButPesquisar"));
    ButPesquisar->setToolTip(QStringLiteral("Habilita/ desabilita área para realizar pesquisa"));
    ButPesquisar->setAutoDefault(false);
    if (auto *topo = qobject_cast<QBoxLayout *>(ButExclui->parentWidget()->layout()->itemAt(0)->layout()))
        topo->insertWidget(topo->indexOf(ButRelatorios), ButPesquisar);
    Edicao->poeBotoes(ButGravar, ButCancelar);

    Pesquisa = new PainelPesquisaEmpresas(this);
    Pesquisa->hide();
    for (QBoxLayout *l : findChildren<QBoxLayout *>())
        if (const int i = l->indexOf(Grid1); i >= 0) {
            l->insertWidget(i, Pesquisa);
            break;
        }
    montaMenus();
    ligaEventos();
    resize(1100, 700);
}

void TfEmpresas::montaDetalhes(QWidget *painel)
{
    Detalhes = new PainelDetalhesEmpresa(painel);
    Edicao = new PainelEdicaoEmpresa(painel);
    Edicao->hide();
    auto *l = new QVBoxLayout(painel);
    l->setContentsMargins(2, 2, 2, 2);
    l->addWidget(Detalhes);
    l->addWidget(Edicao);
}

void TfEmpresas::montaMenus()
{
    MenuOpcoes->clear();
    MenuLocalidades::adiciona(MenuOpcoes);
}

void TfEmpresas::ligaEventos()
{
    connect(ButPesquisar, &QPushButton::clicked, this, &TfEmpresas::ButPesquisarClick);
    connect(Pesquisa, &PainelPesquisaEmpresas::buscar, this, &TfEmpresas::ButBuscarPesquisaClick);
    connect(Pesquisa, &PainelPesquisaEmpresas::limpar, this, &TfEmpresas::LimpaPesquisa);
    teclas_->associa(Qt::Key_F5, [this] {
        if (ButBuscar->isEnabled()) ButPesquisarClick();
    });
    Detalhes->installEventFilter(this); // a double-click on the view panel alters, as on the grid

    connect(Edicao, &PainelEdicaoEmpresa::tipoEscolhido, this, [this](bool juridica) {
        if (modo_ == Normal) return;
        juridica ? PessoaJuridica() : PessoaFisica();
        Edicao->EditNome->setFocus();
    });
    connect(Edicao, &PainelEdicaoEmpresa::saiuCPF, this, &TfEmpresas::saiuCPF);
    SeletoresEndereco *e = Edicao->Endereco;
    connect(Edicao, &PainelEdicaoEmpresa::cliqueFundo, e, &SeletoresEndereco::escondeListas);
    connect(Edicao, &PainelEdicaoEmpresa::entrouSemCidade, e->Cidade, &SeletorLocalidade::escondeLista);
    connect(Edicao, &PainelEdicaoEmpresa::entrouNumero, e->Logradouro, &SeletorLocalidade::escondeLista);
    connect(Edicao->LabelPesquisarCEP, &QLabel::linkActivated, this,
            [] { Plataforma::atual().abreEndereco(Enderecos::ConsultaCEP); });
    connect(Edicao->LabelPesquisarCNPJ, &QLabel::linkActivated, this,
            [] { Plataforma::atual().abreEndereco(Enderecos::ConsultaCNPJ); });
    connect(Edicao->ButLogotipo, &QPushButton::clicked, this, &TfEmpresas::ButLogotipoClick);
    connect(Edicao->LabelExcluirLogotipo, &QLabel::linkActivated, this, &TfEmpresas::ExcluirLogotipoClick);
    connect(Edicao->ButAjuda2, &QPushButton::clicked, this,
            [this] { MenuAjuda->popup(Edicao->ButAjuda2->mapToGlobal(QPoint(0, Edicao->ButAjuda2->height()))); });
    const QList<std::pair<SeletorLocalidade *, const char *>> colunas{
        {e->Cidade, "EM_COD_CIDADE"}, {e->Bairro, "EM_COD_BAIRRO"}, {e->Logradouro, "EM_COD_LOGRADOURO"}};
    for (const auto &[seletor, coluna] : colunas) {
        const QString campo = QLatin1String(coluna);
        connect(seletor, &SeletorLocalidade::escolhido, this, [this, campo](int codigo) {
            if (QryPrincipal.editando()) QryPrincipal[campo] = codigo > 0 ? QVariant(codigo) : QVariant();
        });
        connect(seletor, &SeletorLocalidade::voltou, this, [this, campo] {
            if (QryPrincipal.editando()) QryPrincipal[campo] = QVariant();
        });
    }
}

void TfEmpresas::showEvent(QShowEvent *e)
{
    const bool primeira = !aberta_;
    JanelaCadastro::showEvent(e);
    if (primeira) Grid1->setFocus();
}

void TfEmpresas::closeEvent(QCloseEvent *e)
{
    if (CountQryPrincipal.ativa() && CountQryPrincipal.valor(0, QStringLiteral("REGISTROS")).toLongLong() == 0
        && !perguntaSimNao(QStringLiteral("Não há credores cadastrados. Deseja realmente sair?"), Mensagens::tituloAplicacao())) {
        e->ignore();
        return;
    }
    JanelaCadastro::closeEvent(e);
}

bool TfEmpresas::eventFilter(QObject *o, QEvent *e)
{
    if (o == Detalhes && e->type() == QEvent::MouseButtonDblClick && ButAltera->isEnabled()) {
        ButAlteraClick();
        return true;
    }
    return JanelaCadastro::eventFilter(o, e);
}

// ---- modes -----------------------------------------------------------------

void TfEmpresas::ModoNormal()
{
    JanelaCadastro::ModoNormal();
    ModoPesquisarOff();
    ButPesquisar->setEnabled(true);
    Edicao->Endereco->escondeListas();
    Grid1->setFocus();
}

void TfEmpresas::ModoEdicao()
{
    ModoPesquisarOff();
    ButPesquisar->setEnabled(false);
    Edicao->Endereco->limpa();
    JanelaCadastro::ModoEdicao();
}

void TfEmpresas::habilitaDetalhes(bool editando)
{
    Edicao->setVisible(editando);
    Detalhes->setVisible(!editando);
    Detalhes->setEnabled(!editando);
    Edicao->setEditando(editando);
}

QWidget *TfEmpresas::primeiroCampo() { return Edicao->EditNome; }

void TfEmpresas::ModoPesquisarOn()
{
    pesquisaVisivel_ = true;
    Pesquisa->show();
    ButPesquisar->setText(QStringLiteral(" Oculta &Pesq."));
    LimpaPesquisa();
}

void TfEmpresas::ModoPesquisarOff()
{
    pesquisaVisivel_ = false;
    Pesquisa->hide();
    ButPesquisar->setText(QStringLiteral(" &Pesquisar"));
    if (Grid1->isEnabled()) Grid1->setFocus();
}

void TfEmpresas::ButPesquisarClick()
{
    if (pesquisaVisivel_) ModoPesquisarOff();
    else ModoPesquisarOn();
}

// ---- the selected company ------------------------------------------------------

void TfEmpresas::mostraRegistro()
{
    if (!Detalhes) return;
    const bool ha = QryPrincipal.ativa() && !QryPrincipal.isEmpty() && QryPrincipal.recNo() >= 0;
    if (!QryPrincipal.editando()) {
        Detalhes->mostra(QryPrincipal);
        Edicao->mostra(QryPrincipal);
    }
    mostraLogotipo();
    aplicaTipoPessoa(!ha || QryPrincipal[QStringLiteral("EM_TIPO_PESSOA")].asString() != QLatin1String("F"));
}

void TfEmpresas::mostraLogotipo()
{
    const bool ha = QryPrincipal.ativa() && !QryPrincipal.isEmpty() && QryPrincipal.recNo() >= 0;
    const QString nome = ha ? QryPrincipal[QStringLiteral("EM_NOME_IMAGEM")].asString().trimmed() : QString();
    const QString arquivo = nome.isEmpty() ? QString() : ArquivoPrograma(nome);
    Detalhes->ImagemLogoDet->mostra(arquivo);
    Edicao->ImagemLogo->mostra(arquivo);
}

void TfEmpresas::aplicaTipoPessoa(bool juridica)
{
    Detalhes->defineTipoPessoa(juridica);
    Edicao->defineTipoPessoa(juridica);
    if (modo_ != Normal && QryPrincipal.editando())
        QryPrincipal[QStringLiteral("EM_TIPO_PESSOA")] = juridica ? QStringLiteral("J") : QStringLiteral("F");
}

void TfEmpresas::PessoaFisica() { aplicaTipoPessoa(false); }
void TfEmpresas::PessoaJuridica() { aplicaTipoPessoa(true); }

void TfEmpresas::saiuCPF()
{
    if (modo_ != Normal) DocumentoPessoa::confere(Edicao->EditCPF, Edicao->juridica());
}

// ---- new, alter, save ----------------------------------------------------------

QString TfEmpresas::ufInicial()
{
    const QString uf = SeletoresEndereco::ufPadrao();
    if (!uf.isEmpty()) return uf;
    Query &estados = dados().LookupEstados;
    Dados::abre(estados);
    if (estados.isEmpty()) return {};
    return estados.valor(qMax(estados.recNo(), 0), QStringLiteral("ES_SIGLA")).toString();
}

void TfEmpresas::ButNovoClick()
{
    modo_ = Inserindo;
    ModoEdicao();
    setWindowTitle(QStringLiteral(" Cadastro de Empresas (Incluindo...)"));
    QryPrincipal.append();
    QryPrincipal[QStringLiteral("EM_TIPO_PESSOA")] = QStringLiteral("J");
    QryPrincipal[QStringLiteral("EM_DT_CAD")] = hoje();
    // The default logo of the program folder, when it can be read; no message otherwise.
    QFile padrao(ArquivoPrograma(QStringLiteral("BRELO.BMP")));
    if (padrao.open(QIODevice::ReadOnly)) QryPrincipal[QStringLiteral("EM_LOGO")] = padrao.readAll();
    Edicao->mostra(QryPrincipal);
    mostraLogotipo();
    Edicao->Endereco->limpa();
    Edicao->Endereco->defineUf(ufInicial());
    PessoaJuridica();
    Edicao->EditNome->setFocus();
}

void TfEmpresas::ButAlteraClick()
{
    if (QryPrincipal.isEmpty() || QryPrincipal.recNo() < 0) return;
    modo_ = Alterando;
    ModoEdicao();
    Edicao->Endereco->mostra(QryPrincipal[QStringLiteral("EM_COD_CIDADE")].asInteger(),
                             QryPrincipal[QStringLiteral("EM_COD_BAIRRO")].asInteger(),
                             QryPrincipal[QStringLiteral("EM_COD_LOGRADOURO")].asInteger());
    setWindowTitle(QStringLiteral(" Cadastro de Empresas (Alterando...)"));
    QryPrincipal.edit();
    Edicao->mostra(QryPrincipal);
    aplicaTipoPessoa(QryPrincipal[QStringLiteral("EM_TIPO_PESSOA")].asString() != QLatin1String("F"));
    Edicao->EditNome->setFocus();
}

void TfEmpresas::alteraRegistro(int codigo)
{
    if (modo_ != Normal || !QryPrincipal.locate(QStringLiteral("EM_CODIGO"), codigo)) return;
    ButAlteraClick();
}

bool TfEmpresas::gravaEstadoPadrao()
{
    Dados &d = dados();
    Dados::abre(d.QryConfigs);
    if (!d.QryConfigs.isEmpty() && d.QryConfigs.valor(0, QStringLiteral("CF_UF_PADRAO")).toInt() != 0) return true;
    Query &estados = d.LookupEstados;
    Dados::abre(estados);
    const QString uf = Edicao->Endereco->uf();
    int codigo = 0;
    for (int i = 0; !uf.isEmpty() && i < estados.recordCount(); ++i)
        if (estados.valor(i, QStringLiteral("ES_SIGLA")).toString() == uf) codigo = estados.valor(i, QStringLiteral("ES_CODIGO")).toInt();
    if (codigo == 0) {
        informacao(QStringLiteral("É necessário informar o seu estado (UF)!"));
        Edicao->Endereco->ComboEstado->setFocus();
        return false;
    }
    Query &cf = d.QryGravaConfigs;
    Dados::reabre(cf);
    cf.edit();
    try {
        cf[QStringLiteral("CF_UF_PADRAO")] = codigo;
        cf.post();
    } catch (...) {
        cf.cancel();
        cf.close();
        throw;
    }
    cf.close();
    Dados::reabre(d.QryConfigs);
    return true;
}

bool TfEmpresas::preparaGravacao()
{
    const QString nome = Edicao->EditNome->text();
    if (semTexto(nome) || nome == QLatin1String("MINHA EMPRESA")) {
        informacao(QStringLiteral("É necessário informar o nome / razão social !"));
        focaSelecionando(Edicao->EditNome);
        return false;
    }
    if (Edicao->juridica() && Edicao->EditFantasia->text() == QLatin1String("MINHA EMPRESA FANTASIA")) {
        informacao(QStringLiteral("É necessário informar o nome fantasia correto !"));
        focaSelecionando(Edicao->EditFantasia);
        return false;
    }
    if (Edicao->EditCPF->texto().trimmed().isEmpty()) {
        informacao(QStringLiteral("É necessário informar o CPF / CNPJ !"));
        focaSelecionando(Edicao->EditCPF);
        return false;
    }
    ConfQryPrincipal.defineParametro(QStringLiteral("NOME"), nome);
    if (modo_ == Alterando) {
        ConfQryPrincipal.sql[2] = QStringLiteral("AND EM_CODIGO<>:CODIGO");
        ConfQryPrincipal.defineParametro(QStringLiteral("CODIGO"), QryPrincipal[QStringLiteral("EM_CODIGO")].valor());
    } else {
        ConfQryPrincipal.sql[2] = QString();
    }
    if (existeDuplicado(ConfQryPrincipal)) {
        informacao(QStringLiteral("Já existe uma empresa com este nome !"));
        focaSelecionando(Edicao->EditNome);
        return false;
    }
    if (!Edicao->grava(QryPrincipal) || !gravaEstadoPadrao()) return false;

    QryPrincipal[QStringLiteral("EM_DT_ATUAL")] = hoje();
    const SeletoresEndereco *e = Edicao->Endereco;
    const QList<std::pair<const char *, int>> codigos{{"EM_COD_CIDADE", e->Cidade->codigo()},
                                                      {"EM_COD_BAIRRO", e->Bairro->codigo()},
                                                      {"EM_COD_LOGRADOURO", e->Logradouro->codigo()}};
    for (const auto &[campo, codigo] : codigos) QryPrincipal[QLatin1String(campo)] = codigo >= 1 ? QVariant(codigo) : QVariant();
    const bool juridica = Edicao->juridica();
    QryPrincipal[QStringLiteral("EM_TIPO_PESSOA")] = juridica ? QStringLiteral("J") : QStringLiteral("F");
    if (!juridica) QryPrincipal[QStringLiteral("EM_FANTASIA")] = nome;
    QryPrincipal[QStringLiteral("EM_ENDERECO_COMPLETO2")] = EnderecoCompleto::montaComSeparadores(EnderecoCompleto::partes(
        e->Cidade->codigo(), e->Bairro->codigo(), e->Logradouro->codigo(), Edicao->EditNumero->text(),
        Edicao->EditComplemento->text(), QString()));
    return true;
}

void TfEmpresas::ButGravarClick()
{
    // A refused write shows the database's message and stays in editing with the row as typed.
    if (!QryPrincipal.editando() || !preparaGravacao() || !gravaLinha()) return;
    concluiGravacao();
}

void TfEmpresas::concluiGravacao()
{
    Dados &d = dados();
    if (auto *p = JanelaPrincipal::atual()) p->Logotipo();
    // The receipt lookup is reopened once, below, whether or not it was open.
    Dados::reabre(d.LookupEmpresas);
    Dados::reabre(d.LookupEmpresasNP);
    d.LookupEmpresasNP.last();
    Dados::reabre(d.LookupEmpresasRecibo);
    d.QryEmpresa.close();
    d.QryEmpresa.defineParametro(QStringLiteral("CODIGO"), d.CodEmpresaLogada);
    d.QryEmpresa.open();

    JanelaNotasCredor *notas = JanelaNotasCredor::aberta();
    if (notas && notas->editandoNota()) {
        const int codigo = QryPrincipal[QStringLiteral("EM_CODIGO")].asInteger();
        modo_ = Normal;
        notas->recebeCredor(codigo);
        close();
        return;
    }
    ModoNormal();
    mostraRegistro();
}

void TfEmpresas::recarregaListasCompartilhadas() { Dados::reabre(dados().LookupEmpresas); }

// ---- logo ----------------------------------------------------------------------

void TfEmpresas::ButLogotipoClick()
{
    if (!QryPrincipal.editando()) return;
    const QString origem = Plataforma::atual().escolheArquivoAbrir(
        QString(), QString(), QStringLiteral("Arquivos JPG|*.jpg|Arquivos BMP|*.bmp"));
    if (origem.isEmpty()) return;
    LogotipoEmpresa logo;
    try {
        logo = GravaLogotipoEmpresa(origem, Caminhos::deWindows(dados().PathPrograma),
                                    QryPrincipal[QStringLiteral("EM_CODIGO")].asInteger());
    } catch (const ErroFuncoes &e) {
        mensagemErro(e.texto());
        return;
    }
    QryPrincipal[QStringLiteral("EM_NOME_IMAGEM")] = logo.nomeImagem;
    QryPrincipal[QStringLiteral("EM_LOGO")] = logo.bitmap;
    mostraLogotipo();
}

void TfEmpresas::ExcluirLogotipoClick()
{
    if (!QryPrincipal.editando()) return;
    QryPrincipal[QStringLiteral("EM_NOME_IMAGEM")] = QVariant();
    QryPrincipal[QStringLiteral("EM_LOGO")] = QVariant();
    Detalhes->ImagemLogoDet->esconde();
    Edicao->ImagemLogo->esconde();
    informacao(QStringLiteral("Logotipo excluído do cadastro!"));
}
