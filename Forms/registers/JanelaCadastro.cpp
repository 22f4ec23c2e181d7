#include "JanelaCadastro.h"

#include "AjusteTela.h"
#include "Aplicacao.h"
#include "CaixaTexto.h"
#include "ConexaoRelatorio.h"
#include "Dados.h"
#include "Enderecos.h"
#include "ErroBD.h"
#include "JanelaPrincipal.h"
#include "LayoutIni.h"
#include "Mensagens.h"
#include "Permissoes.h"
#include "Plataforma.h"
#include "RelatorioLista.h"
#include "TeclasNavegacao.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace {

QPushButton *botao(QWidget *pai, const char *nome, const QString &texto, const QString &dica)
{
    auto *b = new QPushButton(texto, pai);
    b->setObjectName(QLatin1String(nome));
    b->setToolTip(dica);
    b->setAutoDefault(false);
    return b;
}

} // namespace

JanelaCadastro::JanelaCadastro(const Definicao &d, QWidget *parent)
    : QWidget(parent, Qt::Window), def_(d), TransQryPrincipal(dados().DataBase, QStringLiteral("TransQryPrincipal")),
      QryPrincipal(dados().DataBase, TransQryPrincipal, this), CountQryPrincipal(dados().DataBase, TransQryPrincipal, this)
{
    setAttribute(Qt::WA_DeleteOnClose);
    QryPrincipal.sql.defineLinhas(def_.sqlPrincipal);
    if (!def_.conexaoRelatorio.isEmpty()) RVPrincipal = new ConexaoRelatorio(def_.conexaoRelatorio, QryPrincipal, this);
    CountQryPrincipal.sql.defineTexto(def_.sqlContagem);
}

JanelaCadastro::~JanelaCadastro()
{
    // The subclass is gone: the row shown no longer has a panel to go to.
    disconnect(&QryPrincipal, nullptr, this, nullptr);
    try {
        if (QryPrincipal.editando()) QryPrincipal.cancel();
        QryPrincipal.close();
        CountQryPrincipal.close();
        TransQryPrincipal.commit();
    } catch (const ErroBD &) {
    }
}

void JanelaCadastro::monta()
{
    setWindowTitle(def_.titulo);
    setStyleSheet(QStringLiteral("JanelaCadastro { background: white; }"));

    ButNovo = botao(this, "ButNovo", QStringLiteral(" &Novo"), QStringLiteral("Insere novo registro"));
    ButAltera = botao(this, "ButAltera", QStringLiteral(" &Alterar"), QStringLiteral("Altera um registro existente"));
    ButExclui = botao(this, "ButExclui", QStringLiteral(" &Excluir"), QStringLiteral("Exclui um registro"));
    ButRelatorios = botao(this, "ButRelatorios", QStringLiteral(" &Imprimir "),
                          QStringLiteral("Visualiza ou imprime relatórios ou comprovantes"));
    ButOpcoes = botao(this, "ButOpcoes", QStringLiteral(" &Opções"), QStringLiteral("Opções diversas"));
    ButGravar = botao(this, "ButGravar", QStringLiteral(" &Gravar"), QStringLiteral("Grava este registro"));
    ButCancelar = botao(this, "ButCancelar", QStringLiteral("&Cancelar"), QStringLiteral("Cancela este registro"));
    ButExibir = botao(this, "ButExibir", QStringLiteral(" &Exibir/ Ocultar"), QStringLiteral("Exibe ou oculta um registro"));
    ButAjuda = botao(this, "ButAjuda", QStringLiteral("   Ajuda   "), QStringLiteral("Clique aqui para obter ajuda"));
    ButBuscar = botao(this, "ButBuscar", QStringLiteral(" Buscar"), QStringLiteral("Realiza a busca da expressão digitada"));

    MenuRelatorios = new QMenu(this);
    MenuRelatorios->setObjectName(QStringLiteral("MenuRelatorios"));
    MenuRelatorios->addAction(def_.itemRelatorio, this, [this] { imprimeLista(); });
    MenuOpcoes = new QMenu(this);
    MenuOpcoes->setObjectName(QStringLiteral("MenuOpcoes"));
    MenuAjuda = new QMenu(this);
    MenuAjuda->setObjectName(QStringLiteral("MenuAjuda"));
    MenuAjuda->addAction(QStringLiteral(" Ajuda Online  "), this, [] { Plataforma::atual().abreEndereco(Enderecos::Suporte); });
    MenuAjuda->addAction(QStringLiteral(" Fale Conosco  "), this, [] {
        if (auto *p = JanelaPrincipal::atual()) p->FaleConosco();
    });
    for (auto [b, m] : {std::pair{ButRelatorios, MenuRelatorios}, std::pair{ButOpcoes, MenuOpcoes}, std::pair{ButAjuda, MenuAjuda}})
        connect(b, &QPushButton::clicked, this, [b, m] { m->popup(b->mapToGlobal(QPoint(0, b->height()))); });

    EditLocaliza = new QLineEdit(this);
    EditLocaliza->setObjectName(QStringLiteral("EditLocaliza"));
    maiusculas(EditLocaliza);
    LabelLimpar = new QLabel(QStringLiteral("<a href=\"#\">Limpar busca</a>"), this);
    LabelLimpar->setObjectName(QStringLiteral("LabelLimpar"));
    LabelLimpar->setVisible(false);
    LabelRegistros = new QLabel(this);
    LabelRegistros->setObjectName(QStringLiteral("LabelRegistros"));

    modelo_ = new ModeloTabela(lista(), this);
    modelo_->defineColunas(def_.colunas);
    modelo_->estilo = [this](int linha, int role) -> QVariant {
        if (role == Qt::ForegroundRole && !def_.campoExibir.isEmpty()
            && lista().valor(linha, def_.campoExibir).toString() != QLatin1String("T"))
            return QColor(192, 192, 192);
        return {};
    };
    modelo_->textoCelula = [this](int linha, const QString &campo) { return textoCelula(linha, campo); };
    Grid1 = new QTableView(this);
    Grid1->setObjectName(QStringLiteral("Grid1"));
    Grid1->setModel(modelo_);
    Grid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    Grid1->setSelectionMode(QAbstractItemView::SingleSelection);
    Grid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Grid1->verticalHeader()->hide();
    Grid1->horizontalHeader()->setSectionsClickable(true);
    AjusteTela::grade(Grid1, modelo_->colunaDoCampo(def_.campoNome.section(QLatin1Char('.'), -1)));
    Grid1->installEventFilter(this);

    auto *topo = new QHBoxLayout;
    for (QPushButton *b : {ButNovo, ButAltera, ButExclui, ButRelatorios, ButOpcoes}) topo->addWidget(b);
    topo->addStretch();
    for (QPushButton *b : {ButGravar, ButCancelar, ButExibir, ButAjuda}) topo->addWidget(b);

    auto *busca = new QHBoxLayout;
    busca->addWidget(EditLocaliza, 1);
    busca->addWidget(ButBuscar);
    auto *esquerda = new QVBoxLayout;
    esquerda->addLayout(busca);
    esquerda->addWidget(LabelLimpar);
    esquerda->addWidget(Grid1, 1);
    esquerda->addWidget(LabelRegistros);

    auto *grupo = new QGroupBox(def_.tituloDetalhes, this);
    painelDetalhes_ = grupo;
    montaDetalhes(grupo);
    AjusteTela::caixas(grupo);

    // The details keep the width their boxes need; the list takes the rest.
    auto *meio = new QHBoxLayout;
    meio->addLayout(esquerda, 1);
    meio->addWidget(grupo, 0);

    auto *geral = new QVBoxLayout(this);
    geral->addLayout(topo);
    geral->addLayout(meio, 1);
    geral->addWidget(new QLabel(QStringLiteral(
        "F1 Ajuda - F2 Novo - F3 Altera - F4 Relatórios - F5 Pesquisa - F6 Grava - F7 Cancela - F11 Sair "), this));
    geral->addWidget(new QLabel(QStringLiteral(
        "ENTER Avançar campos - ESC Voltar  |  Na tabela: Duplo clique: Alterar  -  DEL Excluir  |  Clique nas colunas para ordená-las"), this));
    AjusteTela::dimensiona(this, QSize(1280, 620));

    connect(ButNovo, &QPushButton::clicked, this, &JanelaCadastro::ButNovoClick);
    connect(ButAltera, &QPushButton::clicked, this, &JanelaCadastro::ButAlteraClick);
    connect(ButExclui, &QPushButton::clicked, this, &JanelaCadastro::Delecao);
    connect(ButGravar, &QPushButton::clicked, this, &JanelaCadastro::ButGravarClick);
    connect(ButCancelar, &QPushButton::clicked, this, &JanelaCadastro::ButCancelarClick);
    connect(ButExibir, &QPushButton::clicked, this, &JanelaCadastro::ButExibirClick);
    connect(ButBuscar, &QPushButton::clicked, this, &JanelaCadastro::ButBuscarClick);
    connect(LabelLimpar, &QLabel::linkActivated, this, &JanelaCadastro::LabelLimparClick);
    connect(EditLocaliza, &QLineEdit::textChanged, this, [this](const QString &t) { LabelLimpar->setVisible(!t.isEmpty()); });
    connect(Grid1, &QTableView::doubleClicked, this, [this] { if (ButAltera->isEnabled()) ButAlteraClick(); });
    connect(Grid1->horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this](int coluna) { ordenaPor(modelo_->campoDaColuna(coluna)); });
    connect(Grid1->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this](const QModelIndex &i) {
        if (i.isValid() && !lista().editando() && i.row() != lista().recNo()) lista().setRecNo(i.row());
    });
    connect(&lista(), &Query::posicaoMudou, this, [this](int linha) {
        if (linha >= 0 && Grid1->currentIndex().row() != linha) Grid1->selectRow(linha);
        mostraRegistro();
    });
    connect(&lista(), &Query::aberta, this, [this] {
        if (!lista().isEmpty()) Grid1->selectRow(lista().recNo());
        mostraRegistro();
    });

    teclas_ = TeclasNavegacao::instala(this);
    teclas_->associa(Qt::Key_F1, [] { if (auto *p = JanelaPrincipal::atual()) p->AjudaSistema(); });
    teclas_->associa(Qt::Key_F2, ButNovo);
    teclas_->associa(Qt::Key_F3, ButAltera);
    teclas_->associa(Qt::Key_F4, ButRelatorios);
    teclas_->associa(Qt::Key_F5, ButBuscar);
    teclas_->associa(Qt::Key_F6, ButGravar);
    teclas_->associa(Qt::Key_F7, ButCancelar);
    teclas_->associa(Qt::Key_F10, ButOpcoes);
    teclas_->associa(Qt::Key_F11, [this] { if (modo_ == Normal) close(); });
}

bool JanelaCadastro::eventFilter(QObject *o, QEvent *e)
{
    if (o == Grid1 && e->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(e)->key() == Qt::Key_Delete) {
        if (ButExclui->isEnabled()) Delecao();
        return true;
    }
    return QWidget::eventFilter(o, e);
}

void JanelaCadastro::showEvent(QShowEvent *e)
{
    QWidget::showEvent(e);
    if (aberta_) return;
    aberta_ = true;
    ModoNormal();
    carregaTodos_ = true;
    CarregaTabelas();
    EditLocaliza->clear();
    EditLocaliza->setFocus();
    PermissoesUsuario();
}

void JanelaCadastro::closeEvent(QCloseEvent *e)
{
    LayoutIni::escreveExibeTodosAbrir(def_.secaoLayout, exibeTodosAbrir_);
    if (modo_ != Normal) {
        QryPrincipal.cancel();
        try { TransQryPrincipal.rollbackRetaining(); } catch (const ErroBD &) {}
    }
    e->accept();
}

void JanelaCadastro::ModoNormal()
{
    modo_ = Normal;
    for (QPushButton *b : {ButBuscar, ButNovo, ButAltera, ButExclui, ButRelatorios, ButOpcoes, ButExibir}) b->setEnabled(true);
    PermissoesUsuario();
    EditLocaliza->setReadOnly(false);
    EditLocaliza->setEnabled(true);
    Grid1->setEnabled(true);
    ButGravar->setEnabled(false);
    ButCancelar->setEnabled(false);
    habilitaDetalhes(false);
    setWindowTitle(def_.titulo);
    const QSignalBlocker bloqueio(EditLocaliza);
    EditLocaliza->clear();
    LabelLimpar->setVisible(false);
    EditLocaliza->setFocus();
}

void JanelaCadastro::ModoEdicao()
{
    for (QPushButton *b : {ButBuscar, ButNovo, ButAltera, ButExclui, ButRelatorios, ButOpcoes, ButExibir}) b->setEnabled(false);
    EditLocaliza->setReadOnly(true);
    EditLocaliza->setEnabled(def_.buscaHabilitadaEditando);
    Grid1->setEnabled(false);
    ButGravar->setEnabled(true);
    ButCancelar->setEnabled(true);
    habilitaDetalhes(true);
    if (QWidget *w = primeiroCampo()) w->setFocus();
}

bool JanelaCadastro::direito(char acao) const
{
    return def_.direito.isEmpty() || Permissoes::janela(Permissoes::flag(def_.direito, acao));
}

void JanelaCadastro::PermissoesUsuario()
{
    if (!direito('E')) { ButNovo->setEnabled(false); ButAltera->setEnabled(false); }
    if (!direito('X')) ButExclui->setEnabled(false);
    if (!direito('R')) ButRelatorios->setEnabled(false);
}

void JanelaCadastro::CarregaTabelas()
{
    QryPrincipal.close();
    QryPrincipal.sql[def_.linhaFiltro] = QString();
    carregaTodos_ = false;
    QryPrincipal.open();
    CountQryPrincipal.close();
    CountQryPrincipal.open();
    carregaListas();
    escreveContador();
}

void JanelaCadastro::LocalizaTabelas()
{
    QString texto = EditLocaliza->text();
    texto.replace(QLatin1Char('\''), QStringLiteral("''")); // a quote is text, never the end of the literal
    QryPrincipal.close();
    QryPrincipal.sql[def_.linhaFiltro] = QStringLiteral("WHERE ") + def_.campoNome + QStringLiteral(" LIKE('%") + texto + QStringLiteral("%')");
    QryPrincipal.open();
    CountQryPrincipal.close();
    CountQryPrincipal.open();
    escreveContador();
}

void JanelaCadastro::escreveContador()
{
    // Both figures are counts of the database: the list may not have fetched every row yet.
    LabelRegistros->setText(QStringLiteral("Exibindo %1 de %2 registros")
                                .arg(lista().contaLinhas())
                                .arg(CountQryPrincipal.valor(0, QStringLiteral("REGISTROS")).toLongLong()));
}

void JanelaCadastro::ordenaPor(const QString &campo)
{
    if (campo.isEmpty()) return;
    Query &q = lista();
    q.sql[q.sql.count() - 1] = QStringLiteral("ORDER BY ") + campo;
    q.close();
    q.open();
}

void JanelaCadastro::ButBuscarClick()
{
    LocalizaTabelas();
    Grid1->setFocus();
}

void JanelaCadastro::LabelLimparClick()
{
    EditLocaliza->clear();
    LocalizaTabelas();
    EditLocaliza->setFocus();
}

void JanelaCadastro::ButNovoClick()
{
    if (!direito('E')) return; // also when a caller presses it without the button
    modo_ = Inserindo;
    QryPrincipal.append();
    QryPrincipal[def_.campoExibir] = QStringLiteral("T");
    mostraRegistro();
    ModoEdicao();
    setWindowTitle(def_.titulo + QStringLiteral(" (Incluindo...)"));
}

void JanelaCadastro::ButAlteraClick()
{
    if (!direito('E')) return;
    if (QryPrincipal.isEmpty()) {
        if (!def_.msgSemAlterar.isEmpty()) informacao(def_.msgSemAlterar);
        return;
    }
    modo_ = Alterando;
    QryPrincipal.edit();
    ModoEdicao();
    setWindowTitle(def_.titulo + QStringLiteral(" (Alterando...)"));
}

bool JanelaCadastro::gravaLinha()
{
    try {
        QryPrincipal.postEConfirma();
    } catch (const ErroBD &e) {
        mensagemErro(e.mensagem()); // nothing stored: the row stays in editing as typed
        return false;
    }
    atualizaContador();
    return true;
}

void JanelaCadastro::atualizaContador()
{
    try {
        CountQryPrincipal.close();
        CountQryPrincipal.open();
        escreveContador();
    } catch (const ErroBD &e) {
        mensagemErro(e.mensagem());
    }
}

void JanelaCadastro::avisaExclusaoRecusada(const ErroBD &e)
{
    if (e.violacaoChaveEstrangeira()) informacao(QStringLiteral("Não é possível excluir. Existem vínculos para esta tabela !"));
    else mensagemErro(e.mensagem());
}

void JanelaCadastro::ButGravarClick()
{
    if (!QryPrincipal.editando() || !preparaGravacao() || !gravaLinha()) return;
    recarregaListasCompartilhadas();
    if (modo_ == Inserindo && aviso(2) == RespostaAviso::Sim) {
        ButNovoClick();
        return;
    }
    ModoNormal();
    mostraRegistro();
}

void JanelaCadastro::ButCancelarClick()
{
    QryPrincipal.cancel();
    try { TransQryPrincipal.rollbackRetaining(); } catch (const ErroBD &e) { mensagemErro(e.mensagem()); }
    ModoNormal();
    mostraRegistro();
}

void JanelaCadastro::Delecao()
{
    if (QryPrincipal.isEmpty()) {
        if (!def_.msgSemExcluir.isEmpty()) informacao(def_.msgSemExcluir);
        return;
    }
    if (aviso() != RespostaAviso::Sim) return;
    try {
        QryPrincipal.removeEConfirma(); // the row leaves the grid only once the delete is durable
    } catch (const ErroBD &e) {
        avisaExclusaoRecusada(e);
        return;
    }
    atualizaContador();
    recarregaListasCompartilhadas();
}

void JanelaCadastro::ButExibirClick()
{
    if (QryPrincipal.isEmpty()) return;
    if (CountQryPrincipal.valor(0, QStringLiteral("REGISTROS")).toLongLong() == 1) {
        informacao(QStringLiteral("Não é possível ocultar/exibir registro único !"));
        return;
    }
    QryPrincipal.edit();
    const bool exibido = QryPrincipal[def_.campoExibir].asString() == QLatin1String("T");
    QryPrincipal[def_.campoExibir] = exibido ? QStringLiteral("F") : QStringLiteral("T");
    if (!gravaLinha()) QryPrincipal.cancel();
}

bool JanelaCadastro::existeDuplicado(Query &q)
{
    q.close();
    q.open();
    return !q.isEmpty();
}

void JanelaCadastro::focaSelecionando(QWidget *campo)
{
    campo->setFocus();
    if (auto *e = qobject_cast<QLineEdit *>(campo)) e->selectAll();
}

QLineEdit *JanelaCadastro::criaCampoCodigo(QWidget *painel)
{
    auto *e = new QLineEdit(painel);
    e->setObjectName(QStringLiteral("EditCodigo"));
    e->setReadOnly(true);
    e->setStyleSheet(QStringLiteral("color: gray;"));
    e->setFocusPolicy(Qt::NoFocus);
    return e;
}

QComboBox *JanelaCadastro::criaSeletor(QWidget *painel, const char *nome)
{
    auto *c = new QComboBox(painel);
    c->setObjectName(QLatin1String(nome));
    c->setMaxVisibleItems(10);
    AjusteTela::caixa(c, 50); // as wide as the name box, whatever names the list holds
    return c;
}

QLineEdit *JanelaCadastro::criaCampoNome(QWidget *painel)
{
    auto *e = new QLineEdit(painel);
    e->setObjectName(QStringLiteral("EditNome"));
    e->setMaxLength(50);
    maiusculas(e);
    return e;
}

void JanelaCadastro::imprimeLista()
{
    if (QryPrincipal.isEmpty()) return;
    RelatorioLista::imprime(QryPrincipal, def_.relatorio, def_.tituloRelatorio,
                            QStringLiteral("Exibindo  registros  pesquisados"));
}
