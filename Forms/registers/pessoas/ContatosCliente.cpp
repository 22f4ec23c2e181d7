#include "ContatosCliente.h"

#include "AjusteTela.h"
#include "CaixaTexto.h"
#include "Dados.h"
#include "ErroBD.h"
#include "JanelaCadastro.h"
#include "MaskEdit.h"
#include "Mensagens.h"
#include "ModeloTabela.h"
#include "TeclasNavegacao.h"

#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

namespace {

constexpr int UltimaLinha = 4; // the order line of QryContatos

const QString TelefoneVazio = QStringLiteral("(  )    -    ");

bool semTexto(const QString &t) { return t.isEmpty() || t == QLatin1String(" "); }

} // namespace

ContatosCliente::ContatosCliente(QWidget *pai)
    : QObject(pai), TransQryContatos(dados().DataBase, QStringLiteral("TransQryContatos")),
      QryContatos(dados().DataBase, TransQryContatos, this), QryCarregaTipoContatos(dados().DataBase, TransQryContatos, this)
{
    QryContatos.sql.defineLinhas({QStringLiteral("select CGC_COD_CAD, CGC_CODIGO, CGC_CONTATO, CGC_DETALHES, CGC_TIPO, CGC_TIPO2  from CADASTROSCONTATOS"),
                                  QString(), QStringLiteral("WHERE CGC_COD_CAD=:COD"), QString(), QStringLiteral("ORDER BY CGC_CODIGO")});
    // The generator fills the first key column.
    QryContatos.defineTabela(QStringLiteral("CADASTROSCONTATOS"), {QStringLiteral("CGC_CODIGO"), QStringLiteral("CGC_COD_CAD")},
                             QStringLiteral("COD_CADASTROSCONTATOS"));
    QryCarregaTipoContatos.sql.defineLinhas(
        {QStringLiteral("select TC_CODIGO, TC_NOME, TC_TIPO from TIPOCONTATO"), QStringLiteral("ORDER BY TC_NOME")});

    ComboTipoContato = new QComboBox(pai);
    ComboTipoContato->setObjectName(QStringLiteral("ComboTipoContato"));
    ComboTipoContato->setEditable(true);
    ComboTipoContato->setInsertPolicy(QComboBox::NoInsert);
    ComboTipoContato->setMaxVisibleItems(12);
    ComboTipoContato->lineEdit()->setMaxLength(30);
    maiusculas(ComboTipoContato->lineEdit());
    ComboTipoContato->installEventFilter(this);

    LabelContato = new QLabel(pai);
    LabelContato->setObjectName(QStringLiteral("LabelContato"));
    EditContato = new MaskEdit(pai);
    EditContato->setObjectName(QStringLiteral("EditContato"));
    EditContato->setMaxLength(50);
    minusculas(EditContato);
    EditObsContato = new QLineEdit(pai);
    EditObsContato->setObjectName(QStringLiteral("EditObsContato"));
    EditObsContato->setMaxLength(50);
    maiusculas(EditObsContato);

    ButAdicionarContato = new QPushButton(QStringLiteral(" Adicionar "), pai);
    ButAdicionarContato->setObjectName(QStringLiteral("ButAdicionarContato"));
    ButAdicionarContato->setToolTip(QStringLiteral("Adiciona contato"));
    ButAdicionarContato->setAutoDefault(false);
    ButAdicionarContato->installEventFilter(this);
    ButExcluirContato = new QPushButton(QStringLiteral(" Excluir"), pai);
    ButExcluirContato->setObjectName(QStringLiteral("ButExcluirContato"));
    ButExcluirContato->setToolTip(QStringLiteral("Exclui contato"));
    ButExcluirContato->setAutoDefault(false);

    modelo_ = new ModeloTabela(QryContatos, this);
    modelo_->defineColunas({{QStringLiteral("CGC_TIPO"), QStringLiteral("Tipo de Contato")},
                            {QStringLiteral("CGC_CONTATO"), QStringLiteral("Telefone, E-mail, Contato...")},
                            {QStringLiteral("CGC_DETALHES"), QStringLiteral("Obs., Responsável, Ramal...")}});
    GridContatos = criaGrade(pai, "GridContatos");
    GridContatosDetalhe = criaGrade(pai, "GridContatosDetalhe");

    connect(ComboTipoContato, &QComboBox::currentTextChanged, this, &ContatosCliente::aplicaTipo);
    connect(ButAdicionarContato, &QPushButton::clicked, this, &ContatosCliente::ButAdicionarContatoClick);
    connect(ButExcluirContato, &QPushButton::clicked, this, [this] {
        if (editando_) excluiSelecionado();
    });
}

ContatosCliente::~ContatosCliente()
{
    try {
        if (QryContatos.editando()) QryContatos.cancel();
        TransQryContatos.commit();
    } catch (const ErroBD &) {
    }
}

QTableView *ContatosCliente::criaGrade(QWidget *pai, const char *nome)
{
    auto *g = new QTableView(pai);
    g->setObjectName(QLatin1String(nome));
    g->setModel(modelo_);
    g->setSelectionBehavior(QAbstractItemView::SelectRows);
    g->setSelectionMode(QAbstractItemView::SingleSelection);
    g->setEditTriggers(QAbstractItemView::NoEditTriggers);
    g->verticalHeader()->hide();
    g->horizontalHeader()->setSectionsClickable(true);
    AjusteTela::grade(g, modelo_->colunaDoCampo(QStringLiteral("CGC_CONTATO")));
    g->installEventFilter(this);
    connect(g->horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this](int coluna) { ordenaPor(modelo_->campoDaColuna(coluna)); });
    connect(g->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this](const QModelIndex &i) {
        if (i.isValid() && i.row() != QryContatos.recNo()) QryContatos.setRecNo(i.row());
    });
    connect(&QryContatos, &Query::posicaoMudou, g, [g](int linha) {
        if (linha >= 0 && g->currentIndex().row() != linha) g->selectRow(linha);
    });
    return g;
}

bool ContatosCliente::eventFilter(QObject *o, QEvent *e)
{
    if (e->type() == QEvent::FocusIn && (o == ButAdicionarContato || o == GridContatos)) Q_EMIT entrouContatos();
    if (e->type() == QEvent::FocusOut && o == ComboTipoContato) aplicaTipo(ComboTipoContato->currentText());
    if (e->type() == QEvent::KeyPress && (o == GridContatos || o == GridContatosDetalhe)
        && static_cast<QKeyEvent *>(e)->key() == Qt::Key_Delete) {
        excluiSelecionado();
        return true;
    }
    return QObject::eventFilter(o, e);
}

void ContatosCliente::carregaTipos()
{
    QryCarregaTipoContatos.close();
    QryCarregaTipoContatos.open();
    const QSignalBlocker bloqueio(ComboTipoContato);
    ComboTipoContato->clear();
    for (int i = 0; i < QryCarregaTipoContatos.recordCount(); ++i)
        ComboTipoContato->addItem(QryCarregaTipoContatos.valor(i, QStringLiteral("TC_NOME")).toString());
    ComboTipoContato->setCurrentIndex(-1);
    ComboTipoContato->setEditText(QString());
}

int ContatosCliente::linhaDoTipo(const QString &tipo) const
{
    for (int i = 0; i < QryCarregaTipoContatos.recordCount(); ++i)
        if (QryCarregaTipoContatos.valor(i, QStringLiteral("TC_NOME")).toString() == tipo) return i;
    return -1;
}

void ContatosCliente::aplicaTipo(const QString &tipo)
{
    if (tipo.isEmpty()) {
        LabelContato->clear();
        return;
    }
    const int linha = linhaDoTipo(tipo);
    QString mascara;
    QString rotulo = QStringLiteral("Contato");
    if (linha >= 0) {
        switch (QryCarregaTipoContatos.valor(linha, QStringLiteral("TC_TIPO")).toInt()) {
        case 1: mascara = QStringLiteral("(##)#########"); rotulo = QStringLiteral("Nº telefone"); break;
        case 2: rotulo = QStringLiteral("E-mail"); break;
        case 3: mascara = QStringLiteral("(##)##########"); rotulo = QStringLiteral("Nº telefone"); break;
        default: break;
        }
        if (tipo == QLatin1String("FONE 0800")) {
            mascara = QStringLiteral("####-#######");
            rotulo = QStringLiteral("Nº telefone");
        }
    }
    if (EditContato->mascara() != mascara) EditContato->setMascara(mascara);
    LabelContato->setText(rotulo);
}

void ContatosCliente::carrega(const QVariant &codigoPessoa)
{
    if (QryContatos.editando()) QryContatos.cancel();
    QryContatos.close();
    QryContatos.defineParametro(QStringLiteral("COD"), codigoPessoa);
    QryContatos.open();
}

void ContatosCliente::setEditando(bool editando)
{
    editando_ = editando;
    ComboTipoContato->setEnabled(editando);
    EditContato->setReadOnly(!editando);
    EditObsContato->setReadOnly(!editando);
    ButAdicionarContato->setEnabled(editando);
    ButExcluirContato->setEnabled(editando);
}

void ContatosCliente::LimpaCamposContato()
{
    EditContato->setMascara(QString());
    EditContato->clear();
    {
        const QSignalBlocker bloqueio(ComboTipoContato);
        ComboTipoContato->setCurrentIndex(-1);
        ComboTipoContato->setEditText(QString());
    }
    EditObsContato->clear();
    LabelContato->clear();
}

void ContatosCliente::ButAdicionarContatoClick()
{
    if (!editando_) return;
    const QString tipo = ComboTipoContato->currentText();
    const QString contato = EditContato->texto();
    if (semTexto(tipo) || semTexto(contato) || EditContato->vazio() || EditContato->textoVisivel() == TelefoneVazio) {
        TeclasNavegacao::focaProximo(ButAdicionarContato);
        return;
    }
    const int pessoa = gravaPessoa ? gravaPessoa() : 0;
    if (pessoa <= 0) return;
    // A person being inserted got its code just now: the list is that person's from here on,
    // so that reopening it (a sort) still lists what was added.
    QryContatos.defineParametro(QStringLiteral("COD"), pessoa);
    const int linhaTipo = linhaDoTipo(tipo);
    try {
        QryContatos.append();
        QryContatos[QStringLiteral("CGC_COD_CAD")] = pessoa;
        QryContatos[QStringLiteral("CGC_TIPO")] = tipo;
        QryContatos[QStringLiteral("CGC_CONTATO")] = contato;
        QryContatos[QStringLiteral("CGC_DETALHES")] = EditObsContato->text();
        QryContatos[QStringLiteral("CGC_TIPO2")] =
            linhaTipo >= 0 ? QryCarregaTipoContatos.valor(linhaTipo, QStringLiteral("TC_TIPO")) : QVariant();
        QryContatos.postEConfirma();
    } catch (const ErroBD &e) {
        if (QryContatos.editando()) QryContatos.cancel(); // not stored: the row leaves the grid
        mensagemErro(e.mensagem());
        return;
    }
    LimpaCamposContato();
    Q_EMIT adicionado();
    ComboTipoContato->setFocus();
}

void ContatosCliente::excluiSelecionado()
{
    if (QryContatos.isEmpty() || QryContatos.recNo() < 0) return;
    if (aviso() != RespostaAviso::Sim) return;
    try {
        QryContatos.removeEConfirma(); // the row leaves the grid only once the delete is durable
    } catch (const ErroBD &e) {
        JanelaCadastro::avisaExclusaoRecusada(e);
    }
}

void ContatosCliente::ordenaPor(const QString &campo)
{
    if (campo.isEmpty()) return;
    QryContatos.sql[UltimaLinha] = QStringLiteral("ORDER BY ") + campo;
    QryContatos.close();
    QryContatos.open();
}

QString ContatosCliente::textoPesquisa() const
{
    QString r;
    for (int i = 0; i < QryContatos.recordCount(); ++i) {
        QString contato = QryContatos.valor(i, QStringLiteral("CGC_CONTATO")).toString();
        if (QryContatos.valor(i, QStringLiteral("CGC_TIPO2")).toInt() == 1)
            contato.remove(QLatin1Char('(')).remove(QLatin1Char(')')).remove(QLatin1Char('-'));
        r += contato + QLatin1Char(' ') + QryContatos.valor(i, QStringLiteral("CGC_DETALHES")).toString() + QLatin1Char(' ');
    }
    return r;
}

void ContatosCliente::excluiDaPessoa(Transacao &tr, int codigoPessoa)
{
    Query q(dados().DataBase, tr);
    q.sql.defineLinhas({QStringLiteral("DELETE FROM CADASTROSCONTATOS"), QStringLiteral("WHERE CGC_COD_CAD=:COD")});
    q.defineParametro(QStringLiteral("COD"), codigoPessoa);
    q.execSQL();
}
