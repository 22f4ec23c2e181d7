#include "TfCadastrosGerais.h"

#include "AjusteTela.h"
#include "ContatosCliente.h"
#include "Dados.h"
#include "DataEdit.h"
#include "DocumentoPessoa.h"
#include "EnderecoCompleto.h"
#include "Enderecos.h"
#include "ErroBD.h"
#include "JanelaPrincipal.h"
#include "MaskEdit.h"
#include "MenuLocalidades.h"
#include "Mensagens.h"
#include "OpcoesClientes.h"
#include "PainelDetalhesCliente.h"
#include "PainelEdicaoCliente.h"
#include "PainelPesquisaClientes.h"
#include "Permissoes.h"
#include "RelatoriosClientes.h"
#include "Relogio.h"
#include "SeletoresEndereco.h"
#include "TeclasNavegacao.h"
#include "TotaisNotasCliente.h"
#include "uFuncoes.h"

#include <QApplication>
#include <QBoxLayout>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableView>

namespace {

JanelaCadastro::Definicao definicao()
{
    JanelaCadastro::Definicao d;
    d.titulo = QStringLiteral(" Cadastro de Clientes");
    d.tituloDetalhes = QStringLiteral("Detalhes do Cliente selecionado");
    d.secaoLayout = QStringLiteral("CADASTROS");
    d.campoChave = QStringLiteral("CG_CODIGO");
    d.campoNome = QStringLiteral("CG.CG_NOME");
    d.direito = QStringLiteral("CLIENTES");
    d.sqlPrincipal = {
        QStringLiteral("select CG.CG_CODIGO, CG.CG_REFERENCIA, CG.CG_TIPO_PESSOA, CG.CG_NOME, CG.CG_NOME2, CG.CG_CPF_CNPJ, "
                       "CG.CG_RG_IE, CG.CG_IM, CG.CG_COD_CIDADE, CG.CG_COD_BAIRRO, CG.CG_COD_LOGRADOURO, CG.CG_NUMERO, "
                       "CG.CG_COMPLEMENTO, CG.CG_CEP, CG.CG_PTREF, CG.CG_DT_NASC, CG.CG_DT_CAD, CG.CG_DT_ATUAL, CG.CG_OBS, "
                       "CG.CG_CONTATOS, CG.CG_EXIBIR, CG.CG_DESCRICAO, CG.CG_ESPECIE, CG.CG_LIMITE_TOTAL, "
                       "CG.CG_ENDERECO_COMPLETO2 from CADASTROS CG"),
        QStringLiteral("WHERE CG.CG_CODIGO=:CODIGO")};
    d.sqlContagem = QStringLiteral("SELECT COUNT(CG_CODIGO) AS REGISTROS FROM CADASTROS\nWHERE CG_ESPECIE=:ESPECIE AND CG_NOME<>''");
    d.colunas = {{QStringLiteral("CG_NOME"), QStringLiteral("Nome do Cliente")},
                 {QStringLiteral("CD_NOME"), QStringLiteral("Cidade")},
                 {QStringLiteral("CG_DT_CAD"), QStringLiteral("Data Cad.")},
                 {QStringLiteral("CG_DT_NASC"), QStringLiteral("Nascimento")},
                 {QStringLiteral("CG_CODIGO"), QStringLiteral("Código"), Qt::AlignCenter}};
    return d;
}

QStringList linhasPesquisa()
{
    QStringList l(20);
    l[0] = QStringLiteral("select ") + TfCadastrosGerais::ColunasLista.join(QStringLiteral(", ")) + QStringLiteral(" from CADASTROS CG");
    l[2] = QStringLiteral("LEFT JOIN CIDADES CD ON CD.CD_CODIGO=CG.CG_COD_CIDADE");
    l[3] = QStringLiteral("LEFT JOIN BAIRROS BR ON BR.BR_CODIGO=CG.CG_COD_BAIRRO");
    l[4] = QStringLiteral("LEFT JOIN LOGRADOUROS LG ON LG.LG_CODIGO=CG.CG_COD_LOGRADOURO");
    l[8] = QStringLiteral("WHERE CG.CG_ESPECIE=:ESPECIE AND CG.CG_NOME<>''");
    l[19] = QStringLiteral("ORDER BY CG.CG_NOME");
    return l;
}

bool semTexto(const QString &t) { return t.isEmpty() || t == QLatin1String(" "); }

// The number of listed persons. The locality joins (lines 2 to 4) meet one row by its key and
// cannot add rows, so they are left out unless a filter or grouping line refers to them.
QString contagemLista(const SQLTexto &sql)
{
    QStringList linhas = sql.linhas();
    static const QRegularExpression localidade(QStringLiteral("\\b(CD|BR|LG)\\."));
    for (int i = 5; i < linhas.size() - 1; ++i)
        if (linhas.at(i).contains(localidade)) return {};
    if (linhas.size() < 6) return {};
    linhas[0] = QStringLiteral("select COUNT(*) from CADASTROS CG");
    for (int i = 1; i <= 4; ++i) linhas[i] = QString();
    linhas.removeLast(); // the order line
    return linhas.join(QLatin1Char('\n'));
}

} // namespace

const QStringList TfCadastrosGerais::ColunasLista = {
    QStringLiteral("CG.CG_CODIGO"), QStringLiteral("CG.CG_NOME"), QStringLiteral("CG.CG_NOME2"),
    QStringLiteral("CG.CG_REFERENCIA"), QStringLiteral("CG.CG_TIPO_PESSOA"), QStringLiteral("CG.CG_CPF_CNPJ"),
    QStringLiteral("CG.CG_RG_IE"), QStringLiteral("CG.CG_IM"), QStringLiteral("CG.CG_COD_CIDADE"),
    QStringLiteral("CG.CG_COD_BAIRRO"), QStringLiteral("CG.CG_COD_LOGRADOURO"), QStringLiteral("CG.CG_NUMERO"),
    QStringLiteral("CG.CG_COMPLEMENTO"), QStringLiteral("CG.CG_CEP"), QStringLiteral("CG.CG_DT_NASC"),
    QStringLiteral("CG.CG_DT_CAD"), QStringLiteral("CG.CG_DT_ATUAL"), QStringLiteral("CG.CG_LIMITE_TOTAL"),
    QStringLiteral("CG.CG_CONTATOS"), QStringLiteral("CG.CG_ENDERECO_COMPLETO2"), QStringLiteral("CD.CD_NOME"),
    QStringLiteral("CD.CD_UF"), QStringLiteral("BR.BR_NOME"), QStringLiteral("LG.LG_NOME")};

TfCadastrosGerais::TfCadastrosGerais(QWidget *parent)
    : JanelaCadastro(definicao(), parent), TransQryPesquisa(dados().DataBase, QStringLiteral("TransQryPesquisa")),
      QryPesquisa(dados().DataBase, TransQryPesquisa, this), ConfQryPrincipal(dados().DataBase, TransQryPrincipal, this)
{
    setObjectName(QStringLiteral("TfCadastrosGerais"));
    QryPesquisa.sql.defineLinhas(linhasPesquisa());
    QryPesquisa.textoContagem = contagemLista;
    QryPrincipal.defineTabela(QStringLiteral("CADASTROS"), {QStringLiteral("CG_CODIGO")}, QStringLiteral("COD_CADASTROS"));
    ConfQryPrincipal.sql.defineLinhas({QStringLiteral("select CG_CODIGO, CG_NOME from  CADASTROS"), QStringLiteral("WHERE CG_NOME=:NOME"),
                                       QString(), QStringLiteral("AND CG_ESPECIE=:ESPECIE"), QStringLiteral("ORDER BY CG_CODIGO")});
    Totais = new TotaisNotasCliente(this);
    Contatos = new ContatosCliente(this);
    Contatos->gravaPessoa = [this] { return gravaParaContato(); };
    monta();

    // No search box and no show/hide button; the grid greys no row.
    for (QWidget *w : std::initializer_list<QWidget *>{EditLocaliza, ButBuscar, LabelLimpar, ButExibir}) w->hide();
    modelo_->estilo = nullptr;
    ButNovo->setText(QStringLiteral(" &Novo Cliente"));
    ButRelatorios->setText(QStringLiteral(" Imprimi&r"));
    ButPesquisar = new QPushButton(QStringLiteral(" &Pesquisar"), this);
    ButPesquisar->setObjectName(QStringLiteral("ButPesquisar"));
    ButPesquisar->setToolTip(QStringLiteral("Habilita/ desabilita área para realizar pesquisa"));
    ButPesquisar->setAutoDefault(false);
    if (auto *topo = qobject_cast<QBoxLayout *>(ButExclui->parentWidget()->layout()->itemAt(0)->layout()))
        topo->insertWidget(topo->indexOf(ButRelatorios), ButPesquisar);

    Pesquisa = new PainelPesquisaClientes(this);
    Pesquisa->hide();
    for (QBoxLayout *l : findChildren<QBoxLayout *>())
        if (const int i = l->indexOf(Grid1); i >= 0) {
            l->insertWidget(i, Pesquisa);
            break;
        }
    Relatorios = new RelatoriosClientes(QryPesquisa, QryPrincipal, Contatos->QryContatos, this);
    montaMenus();
    ligaEventos();
    AjusteTela::dimensiona(this, QSize(1366, 740));
}

TfCadastrosGerais::~TfCadastrosGerais()
{
    try {
        QryPesquisa.close();
        TransQryPesquisa.commit();
    } catch (const ErroBD &) {
    }
}

void TfCadastrosGerais::montaDetalhes(QWidget *painel)
{
    Detalhes = new PainelDetalhesCliente(Contatos->GridContatosDetalhe, painel);
    Edicao = new PainelEdicaoCliente(Contatos, painel);
    Edicao->hide();
    auto *l = new QVBoxLayout(painel);
    l->setContentsMargins(2, 2, 2, 2);
    l->addWidget(Detalhes);
    l->addWidget(Edicao);
}

void TfCadastrosGerais::montaMenus()
{
    MenuRelatorios->clear();
    MenuRelatorios->addAction(QStringLiteral("Ficha deste Cliente"), this, &TfCadastrosGerais::imprimeFicha);
    MenuRelatorios->addSeparator();
    const QList<std::pair<QString, std::pair<QString, QString>>> listas{
        {QStringLiteral("Clientes com Nºs Documentos"), {QStringLiteral("Relação de Clientes"), QStringLiteral("RelacaoClientes")}},
        {QStringLiteral("Clientes com Endereço"),
         {QStringLiteral("Relação de Clientes e Endereços"), QStringLiteral("RelacaoClientesEndereco")}},
        {QStringLiteral("Clientes com Contatos"),
         {QStringLiteral("Relação de Clientes e seus Contatos"), QStringLiteral("RelacaoClientesContatos")}}};
    for (const auto &[item, relatorio] : listas) {
        const auto [titulo, nome] = relatorio;
        MenuRelatorios->addAction(item, this, [this, titulo, nome] { imprimeRelacao(titulo, nome); });
    }
    MenuRelatorios->addAction(QStringLiteral("Aniversariantes"), this, [this] { imprimeAgrupado(Agrupamento::Aniversario); });
    MenuRelatorios->addSeparator();
    MenuRelatorios->addAction(QStringLiteral("Clientes por Bairro"), this, [this] { imprimeAgrupado(Agrupamento::Bairro); });
    MenuRelatorios->addAction(QStringLiteral("Clientes por Cidade"), this, [this] { imprimeAgrupado(Agrupamento::Cidade); });
    MenuRelatorios->addSeparator();
    MenuRelatorios->addAction(QStringLiteral("Sugira um novo relatório para o seu negócio"));
    MenuRelatorios->addAction(QStringLiteral("Envie sua sugestão para ") + Enderecos::EmailContato);

    MenuOpcoes->clear();
    MenuOpcoes->addAction(QStringLiteral("Exportar lista de EMAILs destes clientes"), this, &TfCadastrosGerais::exportaEmails);
    MenuOpcoes->addSeparator();
    MenuLocalidades::adiciona(MenuOpcoes);
    MenuOpcoes->addSeparator();
    MenuOpcoes->addAction(QStringLiteral("Atualizar endereços"), this, &TfCadastrosGerais::atualizaEnderecos);
}

void TfCadastrosGerais::ligaEventos()
{
    connect(ButPesquisar, &QPushButton::clicked, this, &TfCadastrosGerais::ButPesquisarClick);
    connect(Pesquisa, &PainelPesquisaClientes::buscar, this, &TfCadastrosGerais::ButBuscarPesquisaClick);
    connect(Pesquisa, &PainelPesquisaClientes::limpar, this, &TfCadastrosGerais::LimpaPesquisa);
    teclas_->associa(Qt::Key_F5, [this] {
        if (!ButGravar->isEnabled()) ButPesquisarClick();
    });
    teclas_->setAntes([this](QKeyEvent *e) { return teclaAntes(e); });

    connect(Edicao, &PainelEdicaoCliente::tipoEscolhido, this, [this](bool juridica) {
        if (modo_ == Normal) return;
        juridica ? PessoaJuridica() : PessoaFisica();
        Edicao->EditNome->setFocus();
    });
    connect(Edicao, &PainelEdicaoCliente::saiuCPF, this, &TfCadastrosGerais::saiuCPF);
    connect(Edicao, &PainelEdicaoCliente::cliqueFundo, this, [this] { Edicao->Endereco->escondeListas(); });
    connect(Edicao, &PainelEdicaoCliente::pesquisarCEP, this, &OpcoesClientes::pesquisaCEP);
    connect(Edicao, &PainelEdicaoCliente::pesquisarCNPJ, this, &OpcoesClientes::pesquisaCNPJ);
    connect(Edicao, &PainelEdicaoCliente::verMapa, this, [this] {
        SeletoresEndereco *e = Edicao->Endereco;
        OpcoesClientes::abreMapa(e->Cidade->Edit->text(), e->uf(), e->Logradouro->Edit->text(), Edicao->EditNumero->text());
    });
    connect(Detalhes, &PainelDetalhesCliente::verMapa, this, [this] {
        OpcoesClientes::abreMapa(Detalhes->DetCidade->text(), Detalhes->DetEstado->text(), Detalhes->DetLogradouro->text(),
                                 Detalhes->DetNumero->text());
    });
    connect(Edicao->ButAjuda2, &QPushButton::clicked, this,
            [this] { MenuAjuda->popup(Edicao->ButAjuda2->mapToGlobal(QPoint(0, Edicao->ButAjuda2->height()))); });
    connect(Contatos, &ContatosCliente::entrouContatos, this, [this] { Edicao->Endereco->Cidade->escondeLista(); });
    connect(Contatos, &ContatosCliente::adicionado, this, [this] {
        if (Edicao->Endereco->uf().isEmpty()) Edicao->Endereco->defineUf(SeletoresEndereco::ufPadrao());
    });
    SeletoresEndereco *e = Edicao->Endereco;
    const QList<std::pair<SeletorLocalidade *, const char *>> colunas{
        {e->Cidade, "CG_COD_CIDADE"}, {e->Bairro, "CG_COD_BAIRRO"}, {e->Logradouro, "CG_COD_LOGRADOURO"}};
    for (const auto &[seletor, coluna] : colunas) {
        const QString campo = QLatin1String(coluna);
        connect(seletor, &SeletorLocalidade::escolhido, this, [this, campo](int codigo) {
            if (QryPrincipal.editando()) QryPrincipal[campo] = codigo > 0 ? QVariant(codigo) : QVariant();
        });
        connect(seletor, &SeletorLocalidade::voltou, this, [this, campo] {
            if (QryPrincipal.editando()) QryPrincipal[campo] = QVariant();
        });
    }
    Edicao->EditNumero->installEventFilter(this);
}

bool TfCadastrosGerais::teclaAntes(QKeyEvent *e)
{
    if (e->type() != QEvent::KeyPress || (e->key() != Qt::Key_Return && e->key() != Qt::Key_Enter)) return false;
    QWidget *foco = QApplication::focusWidget();
    if (modo_ == Normal || !(foco == Edicao->EditIM || (foco == Edicao->EditRG && !Edicao->juridica()))) return false;
    Contatos->ComboTipoContato->setFocus();
    Contatos->ComboTipoContato->showPopup();
    return true;
}

void TfCadastrosGerais::showEvent(QShowEvent *e)
{
    const bool primeira = !aberta_;
    JanelaCadastro::showEvent(e);
    if (primeira) Grid1->setFocus();
}

void TfCadastrosGerais::closeEvent(QCloseEvent *e)
{
    if (CountQryPrincipal.ativa() && CountQryPrincipal.valor(0, QStringLiteral("REGISTROS")).toLongLong() == 0
        && !perguntaSimNao(QStringLiteral("Não há clientes cadastrados. Deseja realmente sair?"), Mensagens::tituloAplicacao())) {
        e->ignore();
        return;
    }
    JanelaCadastro::closeEvent(e);
    if (auto *p = JanelaPrincipal::atual()) p->AbreTabelasLembretes();
}

// ---- modes -----------------------------------------------------------------

void TfCadastrosGerais::ModoNormal()
{
    JanelaCadastro::ModoNormal();
    ModoPesquisarOff();
    ButPesquisar->setEnabled(true);
    Edicao->Endereco->escondeListas();
    Contatos->LimpaCamposContato();
    Grid1->setFocus();
}

void TfCadastrosGerais::ModoEdicao()
{
    ModoPesquisarOff();
    ButPesquisar->setEnabled(false);
    Edicao->Endereco->limpa();
    JanelaCadastro::ModoEdicao();
}

void TfCadastrosGerais::habilitaDetalhes(bool editando)
{
    // Hidden first: showing a panel lays the window out at once, and both panels together
    // would make it grow.
    (editando ? static_cast<QWidget *>(Detalhes) : Edicao)->hide();
    (editando ? static_cast<QWidget *>(Edicao) : Detalhes)->show();
    Detalhes->setEnabled(!editando);
    Edicao->setEditando(editando);
    Contatos->setEditando(editando);
}

QWidget *TfCadastrosGerais::primeiroCampo() { return Edicao->EditNome; }

void TfCadastrosGerais::ModoPesquisarOn()
{
    pesquisaVisivel_ = true;
    Pesquisa->show();
    ButPesquisar->setText(QStringLiteral(" Oculta &Pesq."));
    LimpaPesquisa();
}

void TfCadastrosGerais::ModoPesquisarOff()
{
    pesquisaVisivel_ = false;
    Pesquisa->hide();
    ButPesquisar->setText(QStringLiteral(" &Pesquisar"));
}

void TfCadastrosGerais::ButPesquisarClick()
{
    if (pesquisaVisivel_) ModoPesquisarOff();
    else ModoPesquisarOn();
}

// ---- the selected person ---------------------------------------------------------

int TfCadastrosGerais::codigoSelecionado() const
{
    return QryPesquisa.recNo() >= 0 ? QryPesquisa.valor(QryPesquisa.recNo(), QStringLiteral("CG_CODIGO")).toInt() : 0;
}

void TfCadastrosGerais::mostraRegistro()
{
    if (!Detalhes || recarregando_ || QryPrincipal.editando()) return;
    const int codigo = codigoSelecionado();
    const QVariant chave = codigo > 0 ? QVariant(codigo) : QVariant();
    QryPrincipal.close();
    QryPrincipal.defineParametro(QStringLiteral("CODIGO"), chave);
    QryPrincipal.open();
    Totais->carrega(chave, hoje());
    Detalhes->mostraTotais(*Totais);
    aplicaTipoPessoa(!QryPrincipal.isEmpty() && QryPrincipal[QStringLiteral("CG_TIPO_PESSOA")].asString() == QLatin1String("J"));
    Detalhes->mostra(QryPrincipal);
    Edicao->mostra(QryPrincipal);
    Contatos->carrega(chave);
}

void TfCadastrosGerais::aplicaTipoPessoa(bool juridica)
{
    Detalhes->defineTipoPessoa(juridica);
    Edicao->defineTipoPessoa(juridica);
    if (modo_ != Normal && QryPrincipal.editando())
        QryPrincipal[QStringLiteral("CG_TIPO_PESSOA")] = juridica ? QStringLiteral("J") : QStringLiteral("F");
}

void TfCadastrosGerais::PessoaFisica() { aplicaTipoPessoa(false); }
void TfCadastrosGerais::PessoaJuridica() { aplicaTipoPessoa(true); }

void TfCadastrosGerais::saiuCPF()
{
    if (modo_ != Normal) DocumentoPessoa::confere(Edicao->EditCPF, Edicao->juridica());
}

bool TfCadastrosGerais::eventFilter(QObject *o, QEvent *e)
{
    if (o == Edicao->EditNumero && e->type() == QEvent::FocusIn) Edicao->Endereco->Logradouro->escondeLista();
    return JanelaCadastro::eventFilter(o, e);
}

// ---- new, alter, save, cancel, delete -----------------------------------------

void TfCadastrosGerais::ButNovoClick()
{
    if (!direito('E')) return; // the notes window and the main window press it too
    modo_ = Inserindo;
    gravado_ = false;
    Contatos->carrega(QVariant());
    ModoEdicao();
    setWindowTitle(def_.titulo + QStringLiteral(" (Incluindo...)"));
    QryPrincipal.append();
    QryPrincipal[QStringLiteral("CG_ESPECIE")] = especie_;
    QryPrincipal[QStringLiteral("CG_TIPO_PESSOA")] = QStringLiteral("F");
    QryPrincipal[QStringLiteral("CG_DT_CAD")] = hoje();
    QryPrincipal[QStringLiteral("CG_EXIBIR")] = QStringLiteral("T");
    Edicao->mostra(QryPrincipal);
    Edicao->Endereco->limpa();
    Edicao->Endereco->defineUf(SeletoresEndereco::ufPadrao());
    PessoaFisica();
    Edicao->EditNome->setFocus();
}

void TfCadastrosGerais::novoClienteComNome(const QString &nome)
{
    ButNovoClick();
    if (modo_ == Inserindo) Edicao->EditNome->setText(nome);
}

void TfCadastrosGerais::ButAlteraClick()
{
    if (!direito('E')) return;
    if (QryPrincipal.isEmpty() || QryPrincipal.recNo() < 0) return;
    modo_ = Alterando;
    gravado_ = true;
    ModoEdicao();
    const int cidade = QryPrincipal[QStringLiteral("CG_COD_CIDADE")].asInteger();
    const int bairro = QryPrincipal[QStringLiteral("CG_COD_BAIRRO")].asInteger();
    const int logradouro = QryPrincipal[QStringLiteral("CG_COD_LOGRADOURO")].asInteger();
    Edicao->Endereco->mostra(cidade, bairro, logradouro);
    setWindowTitle(def_.titulo + QStringLiteral(" (Alterando...)"));
    QryPrincipal.edit();
    Edicao->mostra(QryPrincipal);
    aplicaTipoPessoa(QryPrincipal[QStringLiteral("CG_TIPO_PESSOA")].asString() == QLatin1String("J"));
    Edicao->EditNome->setFocus();
}

bool TfCadastrosGerais::gravaCampos()
{
    if (!Edicao->grava(QryPrincipal)) return false;
    SeletoresEndereco *e = Edicao->Endereco;
    const QList<std::pair<const char *, int>> codigos{{"CG_COD_CIDADE", e->Cidade->codigo()},
                                                      {"CG_COD_BAIRRO", e->Bairro->codigo()},
                                                      {"CG_COD_LOGRADOURO", e->Logradouro->codigo()}};
    for (const auto &[campo, codigo] : codigos) QryPrincipal[QLatin1String(campo)] = codigo >= 1 ? QVariant(codigo) : QVariant();
    QryPrincipal[QStringLiteral("CG_TIPO_PESSOA")] = Edicao->juridica() ? QStringLiteral("J") : QStringLiteral("F");
    return true;
}

bool TfCadastrosGerais::preparaGravacao()
{
    const QString nome = Edicao->EditNome->text();
    if (semTexto(nome)) {
        informacao(QStringLiteral("É necessário informar o nome / razão social !"));
        Edicao->EditNome->setFocus();
        return false;
    }
    ConfQryPrincipal.defineParametro(QStringLiteral("NOME"), nome);
    ConfQryPrincipal.defineParametro(QStringLiteral("ESPECIE"), especie_);
    if (gravado_) {
        ConfQryPrincipal.sql[2] = QStringLiteral("AND CG_CODIGO<>:CODIGO");
        ConfQryPrincipal.defineParametro(QStringLiteral("CODIGO"), QryPrincipal[QStringLiteral("CG_CODIGO")].valor());
    } else {
        ConfQryPrincipal.sql[2] = QString();
    }
    if (existeDuplicado(ConfQryPrincipal)) {
        informacao(QStringLiteral("Já existe um contato com este nome !"));
        Edicao->EditNome->setFocus();
        return false;
    }
    if (!gravaCampos()) return false;
    QryPrincipal[QStringLiteral("CG_DT_ATUAL")] = hoje();
    QryPrincipal[QStringLiteral("CG_CONTATOS")] = Contatos->textoPesquisa();
    const SeletoresEndereco *e = Edicao->Endereco;
    QryPrincipal[QStringLiteral("CG_ENDERECO_COMPLETO2")] = EnderecoCompleto::monta(EnderecoCompleto::partes(
        e->Cidade->codigo(), e->Bairro->codigo(), e->Logradouro->codigo(), Edicao->EditNumero->text(),
        Edicao->EditComplemento->text(), Edicao->EditCEP->texto()));
    QryPrincipal[QStringLiteral("CG_DESCRICAO")] = nome.left(100);
    return true;
}

void TfCadastrosGerais::ButGravarClick()
{
    // Written and durable, counter rewritten; a refusal leaves the row in editing as typed.
    if (!QryPrincipal.editando() || !preparaGravacao() || !gravaLinha()) return;
    gravado_ = true;
    const int codigo = QryPrincipal[QStringLiteral("CG_CODIGO")].asInteger();
    const QString nome = QryPrincipal[QStringLiteral("CG_NOME")].asString();
    recarregaListasCompartilhadas();
    reabreLista(codigo);
    escreveContador();
    if (auto *notas = JanelaNotasCadastro::aberta()) notas->recalculaLimite();
    entregaRetorno(codigo, nome);
}

void TfCadastrosGerais::entregaRetorno(int codigo, const QString &nome)
{
    if (retorno_ != 0 && JanelaNotasCadastro::aberta()) {
        const int r = retorno_;
        retorno_ = 0;
        modo_ = Normal;
        JanelaNotasCadastro::aberta()->recebePessoa(r, codigo, nome);
        close();
        return;
    }
    ModoNormal();
    mostraRegistro();
}

void TfCadastrosGerais::recarregaListasCompartilhadas()
{
    Dados::reabre(dados().LookupCadastros);
    Dados::reabre(dados().LookupClientesNP);
}

int TfCadastrosGerais::gravaParaContato()
{
    if (!QryPrincipal.editando()) return 0;
    if (!gravaCampos()) return 0;
    try {
        QryPrincipal.postEConfirma();
    } catch (const ErroBD &e) {
        mensagemErro(e.mensagem()); // not stored: still inserting as typed
        return 0;
    }
    gravado_ = true;
    QryPrincipal.edit();
    return QryPrincipal[QStringLiteral("CG_CODIGO")].asInteger();
}

void TfCadastrosGerais::excluiPessoa()
{
    const int codigo = QryPrincipal[QStringLiteral("CG_CODIGO")].asInteger();
    // The contacts and the person in one write, committed together or undone together (no
    // contact may be left pointing at a person that is gone); the row leaves QryPrincipal only
    // once the delete is durable.
    try {
        ContatosCliente::excluiDaPessoa(TransQryPrincipal, codigo);
    } catch (const ErroBD &) {
        try { TransQryPrincipal.rollbackRetaining(); } catch (const ErroBD &) {}
        throw;
    }
    QryPrincipal.removeEConfirma();
}

void TfCadastrosGerais::ButCancelarClick()
{
    if (modo_ == Inserindo) {
        if (gravado_) {
            QryPrincipal.cancel(); // back to the stored row, which goes away
            const int codigo = QryPrincipal[QStringLiteral("CG_CODIGO")].asInteger();
            try {
                excluiPessoa();
            } catch (const ErroBD &e) {
                mensagemErro(e.mensagem());
                try {
                    reabreLista(codigo); // still stored: the list shows it
                } catch (const ErroBD &) {
                    // the connection is gone; its message was just shown
                }
            }
            gravado_ = false;
            Contatos->carrega(QVariant());
            CountQryPrincipal.close();
            CountQryPrincipal.open();
            escreveContador();
        } else {
            QryPrincipal.cancel();
            try { TransQryPrincipal.rollbackRetaining(); } catch (const ErroBD &) {}
        }
        if (retorno_ != 0 && JanelaNotasCadastro::aberta()) {
            retorno_ = 0;
            modo_ = Normal;
            close();
            return;
        }
    } else {
        QryPrincipal.cancel();
        try { TransQryPrincipal.rollbackRetaining(); } catch (const ErroBD &e) { mensagemErro(e.mensagem()); }
    }
    ModoNormal();
    mostraRegistro();
}

void TfCadastrosGerais::Delecao()
{
    if (QryPesquisa.isEmpty() || QryPesquisa.recNo() < 0 || QryPrincipal.isEmpty()) return;
    const QString nome = QryPrincipal[QStringLiteral("CG_NOME")].asString();
    if (aviso(0, QStringLiteral("Deseja Excluir: \"") + nome + QStringLiteral("\" ?")) != RespostaAviso::Sim) return;
    try {
        excluiPessoa();
    } catch (const ErroBD &e) {
        avisaExclusaoRecusada(e); // nothing deleted: the person stays listed and shown
        return;
    }
    reabreLista(QVariant());
    mostraRegistro();
    Dados::reabre(dados().LookupCadastros);
    CountQryPrincipal.close();
    CountQryPrincipal.open();
    escreveContador();
}
