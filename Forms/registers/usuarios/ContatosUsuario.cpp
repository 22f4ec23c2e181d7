#include "ContatosUsuario.h"

#include "AjusteTela.h"
#include "CaixaTexto.h"
#include "Dados.h"
#include "ErroBD.h"
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

#include <algorithm>

namespace {

const QString TelefoneVazio = QStringLiteral("(  )    -    ");

bool semTexto(const QString &t) { return t.isEmpty() || t == QLatin1String(" "); }

QPushButton *botao(QWidget *pai, const char *nome, const QString &texto, const QString &dica)
{
    auto *b = new QPushButton(texto, pai);
    b->setObjectName(QLatin1String(nome));
    b->setToolTip(dica);
    b->setAutoDefault(false);
    return b;
}

} // namespace

ContatosUsuario::ContatosUsuario(QWidget *pai)
    : QObject(pai), TransQryContatos(dados().DataBase, QStringLiteral("TransQryContatos")),
      QryContatos(dados().DataBase, TransQryContatos, this), QryCarregaTipoContatos(dados().DataBase, TransQryContatos, this)
{
    QryContatos.sql.defineLinhas({QStringLiteral("select USC_COD_CAD, USC_CODIGO, USC_CONTATO, USC_DETALHES, USC_TIPO, USC_TIPO2 from USUARIOSCONTATOS"),
                                  QStringLiteral("WHERE USC_COD_CAD=:COD"), QStringLiteral("ORDER BY USC_CODIGO")});
    QryContatos.defineTabela(QStringLiteral("USUARIOSCONTATOS"), {QStringLiteral("USC_CODIGO")},
                             QStringLiteral("COD_USUARIOSCONTATOS"));
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
    LabelDetalhes = new QLabel(pai);
    LabelDetalhes->setObjectName(QStringLiteral("LabelDetalhes"));
    EditDetalhes = new QLineEdit(pai);
    EditDetalhes->setObjectName(QStringLiteral("EditDetalhes"));
    EditDetalhes->setMaxLength(50);
    maiusculas(EditDetalhes);

    ButAdicionarContato = botao(pai, "ButAdicionarContato", QStringLiteral(" Adicionar "), QStringLiteral("Adiciona contato"));
    ButExcluirContato = botao(pai, "ButExcluirContato", QStringLiteral(" Excluir"), QStringLiteral("Exclui contato"));

    modelo_ = new ModeloTabela(QryContatos, this);
    modelo_->defineColunas({{QStringLiteral("USC_TIPO"), QStringLiteral("Tipo de Contato")},
                            {QStringLiteral("USC_CONTATO"), QStringLiteral("Descrição do Contato")},
                            {QStringLiteral("USC_DETALHES"), QStringLiteral("Responsável/ Ramal")}});
    GridContatos = new QTableView(pai);
    GridContatos->setObjectName(QStringLiteral("GridContatos"));
    GridContatos->setModel(modelo_);
    GridContatos->setSelectionBehavior(QAbstractItemView::SelectRows);
    GridContatos->setSelectionMode(QAbstractItemView::SingleSelection);
    GridContatos->setEditTriggers(QAbstractItemView::NoEditTriggers);
    GridContatos->verticalHeader()->hide();
    AjusteTela::grade(GridContatos, modelo_->colunaDoCampo(QStringLiteral("USC_CONTATO")));
    connect(GridContatos->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this](const QModelIndex &i) {
        if (i.isValid() && i.row() != QryContatos.recNo()) QryContatos.setRecNo(i.row());
    });
    connect(&QryContatos, &Query::posicaoMudou, GridContatos, [this](int linha) {
        if (linha >= 0 && GridContatos->currentIndex().row() != linha) GridContatos->selectRow(linha);
    });

    connect(ComboTipoContato, &QComboBox::activated, this, [this] { aplicaTipo(ComboTipoContato->currentText()); });
    connect(ButAdicionarContato, &QPushButton::clicked, this, &ContatosUsuario::ButAdicionarContatoClick);
    connect(ButExcluirContato, &QPushButton::clicked, this, [this] {
        if (editando_) excluiSelecionado();
    });
}

ContatosUsuario::~ContatosUsuario()
{
    try {
        if (QryContatos.editando()) QryContatos.cancel();
        QryContatos.close();
        QryCarregaTipoContatos.close();
        TransQryContatos.commit();
    } catch (const ErroBD &) {
    }
}

bool ContatosUsuario::eventFilter(QObject *o, QEvent *e)
{
    if (e->type() == QEvent::FocusOut && o == ComboTipoContato) aplicaTipo(ComboTipoContato->currentText());
    return QObject::eventFilter(o, e);
}

void ContatosUsuario::carregaTipos()
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

int ContatosUsuario::linhaDoTipo(const QString &tipo) const
{
    for (int i = 0; i < QryCarregaTipoContatos.recordCount(); ++i)
        if (QryCarregaTipoContatos.valor(i, QStringLiteral("TC_NOME")).toString() == tipo) return i;
    return -1;
}

void ContatosUsuario::aplicaTipo(const QString &tipo)
{
    if (tipo.isEmpty()) {
        LabelContato->clear();
        LabelDetalhes->clear();
        return;
    }
    const int linha = linhaDoTipo(tipo);
    QString mascara;
    if (linha < 0) {
        LabelContato->setText(QStringLiteral("Contato Livre"));
        LabelDetalhes->setText(QStringLiteral("Detalhes, Observações"));
    } else {
        switch (QryCarregaTipoContatos.valor(linha, QStringLiteral("TC_TIPO")).toInt()) {
        case 1:
            mascara = QStringLiteral("(##)####-#####");
            LabelContato->setText(QStringLiteral("Número do telefone"));
            LabelDetalhes->setText(QStringLiteral("Responsável, Ramal, Detalhes"));
            break;
        case 2:
            LabelContato->setText(QStringLiteral("Endereço Eletrônico"));
            LabelDetalhes->setText(QStringLiteral("Responsável, Detalhes"));
            break;
        case 3:
            mascara = QStringLiteral("(##)####-######");
            LabelContato->setText(QStringLiteral("Nº telefone"));
            break;
        default:
            break;
        }
    }
    if (EditContato->mascara() != mascara) EditContato->setMascara(mascara);
}

void ContatosUsuario::carrega(const QVariant &codigoUsuario)
{
    if (QryContatos.editando()) QryContatos.cancel();
    QryContatos.close();
    QryContatos.defineParametro(QStringLiteral("COD"), codigoUsuario);
    QryContatos.open();
}

void ContatosUsuario::setEditando(bool editando)
{
    editando_ = editando;
    ComboTipoContato->setEnabled(editando);
    EditContato->setReadOnly(!editando);
    EditDetalhes->setReadOnly(!editando);
    ButAdicionarContato->setEnabled(editando);
    ButExcluirContato->setEnabled(editando);
}

void ContatosUsuario::LimpaCamposContato()
{
    EditContato->setMascara(QString());
    EditContato->clear();
    {
        const QSignalBlocker bloqueio(ComboTipoContato);
        ComboTipoContato->setCurrentIndex(-1);
        ComboTipoContato->setEditText(QString());
    }
    EditDetalhes->clear();
    LabelContato->clear();
    LabelDetalhes->clear();
}

void ContatosUsuario::ButAdicionarContatoClick()
{
    if (!editando_) return;
    const QString tipo = ComboTipoContato->currentText();
    const QString contato = EditContato->texto();
    if (semTexto(tipo) || semTexto(contato) || EditContato->vazio() || EditContato->textoVisivel() == TelefoneVazio) {
        LimpaCamposContato();
        TeclasNavegacao::focaProximo(ButAdicionarContato);
        return;
    }
    const int usuario = gravaUsuario ? gravaUsuario() : 0;
    if (usuario <= 0) return;
    // A user being inserted got its code just now: the list is that user's from here on.
    QryContatos.defineParametro(QStringLiteral("COD"), usuario);
    const int linhaTipo = linhaDoTipo(tipo);
    try {
        QryContatos.append();
        QryContatos[QStringLiteral("USC_COD_CAD")] = usuario;
        QryContatos[QStringLiteral("USC_TIPO")] = tipo;
        QryContatos[QStringLiteral("USC_CONTATO")] = contato;
        QryContatos[QStringLiteral("USC_DETALHES")] = EditDetalhes->text();
        QryContatos[QStringLiteral("USC_TIPO2")] =
            linhaTipo >= 0 ? QryCarregaTipoContatos.valor(linhaTipo, QStringLiteral("TC_TIPO")) : QVariant();
        QryContatos.post();
        TransQryContatos.commitRetaining();
    } catch (const ErroBD &) {
        if (QryContatos.editando()) QryContatos.cancel();
        try { TransQryContatos.rollbackRetaining(); } catch (const ErroBD &) {}
        throw; // the database's message, from the application's guard
    }
    LimpaCamposContato();
    Q_EMIT adicionado();
    ComboTipoContato->setFocus();
}

void ContatosUsuario::excluiSelecionado()
{
    if (QryContatos.isEmpty() || QryContatos.recNo() < 0) return;
    if (aviso() != RespostaAviso::Sim) return;
    try {
        QryContatos.remove();
        TransQryContatos.commitRetaining();
    } catch (const ErroBD &) {
        informacao(QStringLiteral("Não é possível excluir. Existem vínculos para esta tabela !"));
        try { TransQryContatos.rollbackRetaining(); } catch (const ErroBD &) {}
    }
}

QString ContatosUsuario::resumo() const
{
    QList<int> linhas;
    for (int i = 0; i < QryContatos.recordCount(); ++i) linhas.append(i);
    const auto codigo = [this](int linha) { return QryContatos.valor(linha, QStringLiteral("USC_CODIGO")).toLongLong(); };
    std::stable_sort(linhas.begin(), linhas.end(), [&](int a, int b) { return codigo(a) < codigo(b); });
    QString r;
    for (int i : linhas) {
        const QString tipo = QryContatos.valor(i, QStringLiteral("USC_TIPO")).toString();
        QString contato = QryContatos.valor(i, QStringLiteral("USC_CONTATO")).toString();
        const QString detalhes = QryContatos.valor(i, QStringLiteral("USC_DETALHES")).toString();
        if (QryContatos.valor(i, QStringLiteral("USC_TIPO2")).toInt() == 1) {
            contato.remove(QLatin1Char('(')).remove(QLatin1Char(')')).remove(QLatin1Char('-'));
            r += tipo + QStringLiteral(": ") + contato + QLatin1Char(' ') + detalhes + QStringLiteral(" - ");
        } else {
            r += tipo + QStringLiteral(": ") + contato + QLatin1Char(' ') + detalhes + QLatin1Char(' ');
        }
    }
    return r;
}

void ContatosUsuario::excluiDoUsuario(Transacao &tr, int codigoUsuario)
{
    Query q(dados().DataBase, tr);
    q.sql.defineLinhas({QStringLiteral("DELETE FROM USUARIOSCONTATOS"), QStringLiteral("WHERE USC_COD_CAD=:COD")});
    q.defineParametro(QStringLiteral("COD"), codigoUsuario);
    q.execSQL();
}
