#include "SeletorLocalidade.h"

#include "CaixaTexto.h"
#include "CamposFormulario.h"
#include "Dados.h"
#include "ErroBD.h"
#include "Mensagens.h"
#include "ModeloTabela.h"
#include "TeclasNavegacao.h"
#include "uFuncoes.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTableView>
#include <QToolButton>

namespace {

struct DadosTipo {
    const char *prefixo;
    QStringList sql;
    const char *faltaPai;
};

DadosTipo dadosTipo(SeletorLocalidade::Tipo t)
{
    switch (t) {
    case SeletorLocalidade::Tipo::Cidade:
        return {"CD",
                {QStringLiteral("select CD_CODIGO, CD_NOME, CD_UF from  CIDADES"), QStringLiteral("WHERE CD_UF=:UF"),
                 QStringLiteral("AND CD_EXIBIR='T'"), QStringLiteral("order by CD_NOME")},
                "É necessário informar o estado!"};
    case SeletorLocalidade::Tipo::Bairro:
        return {"BR",
                {QStringLiteral("select BR_CODIGO, BR_NOME from BAIRROS"), QStringLiteral("WHERE BR_COD_CIDADE=:CIDADE"),
                 QStringLiteral("AND BR_EXIBIR='T'"), QStringLiteral("order by BR_NOME")},
                "É necessário informar a cidade!"};
    case SeletorLocalidade::Tipo::Logradouro:
        break;
    }
    return {"LG",
            {QStringLiteral("select LG_CODIGO, LG_NOME, LG_CEP from LOGRADOUROS"), QStringLiteral("WHERE LG_COD_CIDADE=:CIDADE"),
             QStringLiteral("AND LG_EXIBIR='T'"), QStringLiteral("order by LG_NOME")},
            "É necessário informar a cidade!"};
}

QString entreAspas(const QString &t) { return QLatin1Char('"') + t + QLatin1Char('"'); }

} // namespace

QWidget *SeletorLocalidade::linha(QWidget *pai) const
{
    auto *w = new QWidget(pai);
    auto *h = new QHBoxLayout(w);
    h->setContentsMargins(0, 0, 0, 0);
    h->setSpacing(0);
    h->addWidget(Edit, 1);
    h->addWidget(But);
    return w;
}

SeletorLocalidade::SeletorLocalidade(Tipo tipo, const QString &nome, Transacao &tr, QWidget *pai)
    : QObject(pai), Qry(dados().DataBase, tr, this), tipo_(tipo)
{
    Qry.sql.defineLinhas(dadosTipo(tipo).sql);

    modelo_ = new ModeloTabela(Qry, this);
    const auto controles = CamposFormulario::controlesEscolha(pai, nome, modelo_, this);
    Edit = controles.edit;
    But = controles.botao;
    Grid = controles.grade;

    connect(Edit, &QLineEdit::textEdited, this, &SeletorLocalidade::digitou);
    connect(But, &QToolButton::clicked, this, [this] {
        reabreLista();
        alternaLista();
    });
    connect(Grid, &QTableView::clicked, this, [this](const QModelIndex &i) {
        if (!editando_ || !i.isValid()) return;
        toma(i.row());
        escondeLista();
        focaProximo();
    });
    connect(&Qry, &Query::posicaoMudou, this, [this](int linha) {
        if (linha >= 0) Grid->selectRow(linha);
    });
}

QString SeletorLocalidade::campo(const char *sufixo) const
{
    return QLatin1String(dadosTipo(tipo_).prefixo) + QLatin1String(sufixo);
}

void SeletorLocalidade::mostra(int codigo, const QString &nome)
{
    codigo_ = codigo > 0 ? codigo : 0;
    Edit->setText(codigo_ ? nome : QString());
}

void SeletorLocalidade::limpa()
{
    codigo_ = 0;
    Edit->clear();
    escondeLista();
}

void SeletorLocalidade::setEditando(bool editando)
{
    editando_ = editando;
    Edit->setReadOnly(!editando);
    But->setEnabled(editando);
    if (!editando) escondeLista();
}

void SeletorLocalidade::reabreLista()
{
    const QVariant p = parametro ? parametro() : QVariant();
    Qry.close();
    Qry.defineParametro(tipo_ == Tipo::Cidade ? QStringLiteral("UF") : QStringLiteral("CIDADE"),
                        temParametro(p) ? p : QVariant());
    Qry.open();
}

bool SeletorLocalidade::listaVisivel() const { return Grid->isVisible(); }

void SeletorLocalidade::mostraLista()
{
    QWidget *janela = Edit->window();
    if (Grid->parentWidget() != janela) Grid->setParent(janela);
    const QPoint canto = Edit->mapTo(janela, QPoint(0, Edit->height()));
    Grid->setGeometry(canto.x(), canto.y(), qMax(Edit->width() + But->width(), 260), 160);
    Grid->raise();
    Grid->show();
}

void SeletorLocalidade::escondeLista() { Grid->hide(); }

void SeletorLocalidade::alternaLista()
{
    if (listaVisivel()) escondeLista();
    else mostraLista();
}

bool SeletorLocalidade::temParametro(const QVariant &p) const
{
    if (tipo_ == Tipo::Cidade) {
        const QString uf = p.toString();
        return !uf.isEmpty() && uf != QLatin1String(" ");
    }
    return p.toInt() > 0;
}

int SeletorLocalidade::linhaDoNome(const QString &nome) const
{
    for (int i = 0; i < Qry.recordCount(); ++i)
        if (Qry.valor(i, campo("_NOME")).toString().compare(nome, Qt::CaseInsensitive) == 0) return i;
    return -1;
}

void SeletorLocalidade::defineCodigo(int codigo)
{
    codigo_ = codigo;
    Q_EMIT escolhido(codigo);
}

void SeletorLocalidade::toma(int linha)
{
    if (linha < 0 || linha >= Qry.recordCount()) return;
    Qry.setRecNo(linha);
    Edit->setText(Qry.valor(linha, campo("_NOME")).toString());
    defineCodigo(Qry.valor(linha, campo("_CODIGO")).toInt());
}

void SeletorLocalidade::focaProximo()
{
    if (proximo) proximo->setFocus(Qt::OtherFocusReason);
}

void SeletorLocalidade::digitou(const QString &texto)
{
    if (!editando_) return;
    if (texto.isEmpty()) {
        escondeLista();
        return;
    }
    mostraLista();
    ValidaInteiro(texto);
    if (NumeroValido) {
        const int codigo = texto.trimmed().toInt();
        for (int i = 0; i < Qry.recordCount(); ++i)
            if (Qry.valor(i, campo("_CODIGO")).toInt() == codigo) { Qry.setRecNo(i); return; }
        return;
    }
    for (int i = 0; i < Qry.recordCount(); ++i)
        if (Qry.valor(i, campo("_NOME")).toString().startsWith(texto)) { Qry.setRecNo(i); return; }
}

void SeletorLocalidade::seta(int passo)
{
    if (Qry.isEmpty()) return;
    int linha = Qry.recNo();
    const int exata = linhaDoNome(Edit->text());
    if (exata >= 0) linha = qBound(0, exata + passo, Qry.recordCount() - 1);
    toma(qMax(linha, 0));
    mostraLista();
    Edit->selectAll();
}

int SeletorLocalidade::cadastra(const QString &nome, const QVariant &p)
{
    Query *g = nullptr;
    switch (tipo_) {
    case Tipo::Cidade: g = &dados().QryGravaCidade; break;
    case Tipo::Bairro: g = &dados().QryGravaBairro; break;
    case Tipo::Logradouro: g = &dados().QryGravaLogradouro; break;
    }
    Dados::abre(*g);
    g->append();
    (*g)[campo("_NOME")] = nome;
    (*g)[campo("_EXIBIR")] = QStringLiteral("T");
    if (tipo_ == Tipo::Cidade) (*g)[QStringLiteral("CD_UF")] = p.toString();
    else (*g)[campo("_COD_CIDADE")] = p.toInt();
    try {
        g->post(); // commits keeping the context
    } catch (const ErroBD &) {
        g->cancel();
        throw;
    }
    const int codigo = (*g)[campo("_CODIGO")].asInteger();
    switch (tipo_) {
    case Tipo::Cidade: Dados::reabre(dados().LookupCidades); break;
    case Tipo::Bairro: Dados::reabre(dados().LookupBairros); break;
    case Tipo::Logradouro: Dados::reabre(dados().LookupLogradouros); break;
    }
    return codigo;
}

void SeletorLocalidade::saiu()
{
    QWidget *foco = QApplication::focusWidget();
    if (foco == But || foco == Grid) return;
    const QString texto = Edit->text();
    if (texto.isEmpty() || texto == QLatin1String(" ")) {
        defineCodigo(0);
        return;
    }
    if (texto == textoEntrada_) return;
    if (const int linha = linhaDoNome(texto); linha >= 0) {
        toma(linha);
        focaProximo();
        return;
    }
    const QVariant p = parametro ? parametro() : QVariant();
    if (!temParametro(p)) {
        informacao(QString::fromUtf8(dadosTipo(tipo_).faltaPai));
        escondeLista();
        Edit->clear();
        defineCodigo(0);
        if (campoPai) campoPai->setFocus(Qt::OtherFocusReason);
        return;
    }
    const int cursor = Qry.recNo();
    const QString usar = cursor >= 0 ? Qry.valor(cursor, campo("_NOME")).toString() : QString();
    switch (aviso9(entreAspas(texto), usar.isEmpty() ? QString() : entreAspas(usar))) {
    case RespostaAviso9::Cadastrar:
        try {
            const int codigo = cadastra(texto, p);
            reabreLista();
            Qry.locate(campo("_CODIGO"), codigo);
            defineCodigo(codigo);
        } catch (const ErroBD &e) {
            mensagemErro(e.mensagem());
            Edit->clear();
            defineCodigo(0);
            return;
        }
        escondeLista();
        focaProximo();
        return;
    case RespostaAviso9::Utilizar:
        toma(cursor);
        escondeLista();
        focaProximo();
        return;
    default:
        Edit->clear();
        defineCodigo(0);
        Q_EMIT voltou();
        mostraLista();
        Edit->setFocus(Qt::OtherFocusReason);
        return;
    }
}

bool SeletorLocalidade::eventFilter(QObject *o, QEvent *e)
{
    if (o != Edit) return QObject::eventFilter(o, e);
    switch (e->type()) {
    case QEvent::FocusIn:
        textoEntrada_ = Edit->text();
        reabreLista();
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
        if (editando_) {
            reabreLista();
            alternaLista();
        }
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
            if (editando_ && codigo_ == 0 && !Edit->text().isEmpty()) Edit->clear();
            else TeclasNavegacao::focaAnterior(Edit);
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
