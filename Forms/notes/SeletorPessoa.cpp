#include "SeletorPessoa.h"

#include "CaixaTexto.h"
#include "CamposFormulario.h"
#include "Dados.h"
#include "Mensagens.h"
#include "ModeloTabela.h"
#include "TeclasNavegacao.h"
#include "uFuncoes.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTableView>
#include <QToolButton>

namespace {
QString entreAspas(const QString &t) { return QLatin1Char('"') + t + QLatin1Char('"'); }
}

CandidatosPessoas::CandidatosPessoas(Transacao &tr, QObject *pai)
    : QObject(pai), Qry(dados().DataBase, tr, this)
{
    Qry.sql.defineLinhas({QStringLiteral("select CG_CODIGO, CG_NOME, CG_LIMITE_TOTAL, CG_LIMITE_PARCELA from  CADASTROS"),
                          QStringLiteral("WHERE CG_EXIBIR='T'"), QStringLiteral("order by CG_NOME")});
    modelo = new ModeloTabela(Qry, this);
    modelo->defineColunas({{QStringLiteral("CG_CODIGO"), QString(), Qt::AlignRight | Qt::AlignVCenter},
                           {QStringLiteral("CG_NOME"), QString()}});
}

void CandidatosPessoas::reabre()
{
    Qry.close();
    Qry.open();
    // Typing searches the whole list at every key: read it whole now, not at the first key.
    Qry.recordCount();
    colCodigo_ = Qry.indiceCampo(QStringLiteral("CG_CODIGO"));
    colNome_ = Qry.indiceCampo(QStringLiteral("CG_NOME"));
    porCodigo_.clear();
    Q_EMIT reaberta();
}

int CandidatosPessoas::linhaDoCodigo(int cod)
{
    if (porCodigo_.isEmpty()) {
        const int n = linhas();
        porCodigo_.reserve(n);
        for (int i = 0; i < n; ++i) porCodigo_.insert(codigo(i), i);
    }
    return porCodigo_.value(cod, -1);
}

int CandidatosPessoas::linhaDoNome(const QString &texto) const
{
    const int n = linhas();
    for (int i = 0; i < n; ++i)
        if (nome(i).compare(texto, Qt::CaseInsensitive) == 0) return i;
    return -1;
}

int CandidatosPessoas::linhaDoPrefixo(const QString &texto) const
{
    const int n = linhas();
    for (int i = 0; i < n; ++i)
        if (nome(i).startsWith(texto)) return i;
    return -1;
}

SeletorPessoa::SeletorPessoa(CandidatosPessoas &candidatos, const QString &nome, QWidget *pai)
    : QObject(pai), c_(candidatos)
{
    const auto controles = CamposFormulario::controlesEscolha(pai, nome, c_.modelo, this);
    Edit = controles.edit;
    But = controles.botao;
    Grid = controles.grade;
    Grid->verticalHeader()->setDefaultSectionSize(20);
    Grid->setColumnWidth(0, 60);

    connect(But, &QToolButton::clicked, this, &SeletorPessoa::alternaLista);
    connect(Edit, &QLineEdit::textEdited, this, &SeletorPessoa::digitou);
    connect(Grid, &QTableView::clicked, this, [this](const QModelIndex &i) {
        if (!editando_ || !i.isValid()) return;
        toma(i.row());
        escondeLista();
        focaProximo();
    });
    connect(&c_, &CandidatosPessoas::reaberta, this, [this] { cursor_ = -1; });
}

void SeletorPessoa::mostra(int codigo, const QString &nome)
{
    codigo_ = codigo > 0 ? codigo : 0;
    Edit->setText(codigo_ ? nome : QString());
}

void SeletorPessoa::limpa()
{
    codigo_ = 0;
    Edit->clear();
    escondeLista();
}

void SeletorPessoa::setEditando(bool editando)
{
    editando_ = editando;
    Edit->setReadOnly(!editando);
    But->setEnabled(editando);
    if (!editando) escondeLista();
}

bool SeletorPessoa::listaVisivel() const { return Grid->isVisible(); }

void SeletorPessoa::mostraLista()
{
    QWidget *janela = Edit->window();
    if (Grid->parentWidget() != janela) Grid->setParent(janela);
    const QPoint canto = Edit->mapTo(janela, QPoint(0, Edit->height()));
    Grid->setGeometry(canto.x(), canto.y(), qMax(Edit->width() + But->width(), 320), 180);
    Grid->raise();
    Grid->show();
    if (cursor_ >= 0) Grid->scrollTo(c_.modelo->index(cursor_, 0), QAbstractItemView::PositionAtCenter);
}

void SeletorPessoa::escondeLista() { Grid->hide(); }

void SeletorPessoa::alternaLista()
{
    if (listaVisivel()) escondeLista();
    else mostraLista();
}

void SeletorPessoa::defineCursor(int linha)
{
    cursor_ = linha;
    if (linha < 0) {
        Grid->clearSelection();
        return;
    }
    Grid->selectRow(linha);
    Grid->scrollTo(c_.modelo->index(linha, 0), QAbstractItemView::PositionAtCenter);
}

void SeletorPessoa::defineCodigo(int codigo)
{
    codigo_ = codigo;
    Q_EMIT escolhido(codigo);
}

void SeletorPessoa::toma(int linha)
{
    if (linha < 0 || linha >= c_.linhas()) return;
    defineCursor(linha);
    Edit->setText(c_.nome(linha));
    defineCodigo(c_.codigo(linha));
}

void SeletorPessoa::focaProximo()
{
    if (proximo) proximo->setFocus(Qt::OtherFocusReason);
}

void SeletorPessoa::digitou(const QString &texto)
{
    if (!editando_) return;
    if (texto.isEmpty()) {
        escondeLista();
        return;
    }
    ValidaInteiro(texto);
    const int linha = NumeroValido ? c_.linhaDoCodigo(texto.trimmed().toInt()) : c_.linhaDoPrefixo(texto);
    if (linha >= 0) defineCursor(linha);
    mostraLista();
}

void SeletorPessoa::seta(int passo)
{
    if (c_.linhas() == 0) return;
    int linha = cursor_;
    const int exata = c_.linhaDoNome(Edit->text());
    if (exata >= 0) linha = qBound(0, exata + passo, c_.linhas() - 1);
    toma(qMax(linha, 0));
    mostraLista();
    Edit->selectAll();
}

void SeletorPessoa::saiu()
{
    QWidget *foco = QApplication::focusWidget();
    const QString texto = Edit->text();
    if (texto.isEmpty() || texto == QLatin1String(" ")) {
        codigo_ = 0;
        Q_EMIT escolhido(0);
        return;
    }
    if (foco == But || foco == Grid || texto == textoEntrada_) return;
    if (const int linha = c_.linhaDoNome(texto); linha >= 0) {
        toma(linha);
        focaProximo();
        return;
    }
    const QString usar = cursor_ >= 0 ? c_.nome(cursor_) : QString();
    switch (aviso9(entreAspas(texto), usar.isEmpty() ? QString() : entreAspas(usar))) {
    case RespostaAviso9::Cadastrar:
        escondeLista();
        Q_EMIT cadastrar(texto);
        return;
    case RespostaAviso9::Utilizar:
        toma(cursor_);
        textoEntrada_ = Edit->text();
        escondeLista();
        focaProximo();
        return;
    default:
        Edit->clear();
        codigo_ = 0;
        Q_EMIT escolhido(0);
        Q_EMIT voltou();
        mostraLista();
        Edit->setFocus(Qt::OtherFocusReason);
        return;
    }
}

bool SeletorPessoa::eventFilter(QObject *o, QEvent *e)
{
    if (o != Edit) return QObject::eventFilter(o, e);
    switch (e->type()) {
    case QEvent::FocusIn:
        textoEntrada_ = Edit->text();
        Q_EMIT entrou();
        break;
    case QEvent::FocusOut:
        // The check may show a dialog and move the focus itself: once at a time.
        if (editando_ && !verificando_) {
            verificando_ = true;
            saiu();
            verificando_ = false;
        }
        break;
    case QEvent::MouseButtonDblClick:
        if (editando_) alternaLista();
        break;
    case QEvent::KeyPress: {
        auto *k = static_cast<QKeyEvent *>(e);
        if (k->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) break;
        switch (k->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            escondeLista();
            TeclasNavegacao::focaProximo(Edit);
            return true;
        case Qt::Key_Escape:
            if (editando_ && codigo_ == 0 && !Edit->text().isEmpty()) {
                Edit->clear();
                Q_EMIT escolhido(0);
            } else {
                TeclasNavegacao::focaAnterior(Edit);
            }
            return true;
        case Qt::Key_Down:
        case Qt::Key_Up:
            if (!editando_) break;
            seta(k->key() == Qt::Key_Down ? 1 : -1);
            return true;
        default: break;
        }
        break;
    }
    default: break;
    }
    return QObject::eventFilter(o, e);
}
