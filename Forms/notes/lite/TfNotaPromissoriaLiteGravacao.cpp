// Issuing and changing simplified notes: the edit panel, save with its checks, generation of the
// installments, their review, altering one installment, cancelling and deleting.

#include "TfNotaPromissoriaLite.h"

#include "CamposNotaLite.h"
#include "Dados.h"
#include "DataEdit.h"
#include "ErroBD.h"
#include "Mensagens.h"
#include "MoedaEdit.h"
#include "Plataforma.h"
#include "RegrasNota.h"
#include "Relogio.h"
#include "uFuncoes.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
const QString MsgVinculos = QStringLiteral("Não é possível excluir. Existem vínculos para esta tabela !");
bool vazio(const QString &t) { return t.isEmpty() || t == QLatin1String(" "); }
QVariant textoOuNulo(const QString &t) { return t.isEmpty() ? QVariant() : QVariant(t); }
const QString Dma = QStringLiteral("dd/MM/yyyy");
} // namespace

void TfNotaPromissoriaLite::montaEdicao()
{
    TabEdicao = new QGroupBox(QStringLiteral("Informe os dados da nota promissória"), this);
    TabEdicao->setObjectName(QStringLiteral("TabEdicao"));
    auto *g = new QGridLayout(TabEdicao);
    const auto texto = [this](const char *nome, int maximo, bool maiusculas) {
        auto *e = new QLineEdit(TabEdicao);
        e->setObjectName(QLatin1String(nome));
        if (maximo > 0) e->setMaxLength(maximo);
        if (maiusculas)
            connect(e, &QLineEdit::textEdited, e, [e](const QString &t) {
                const int c = e->cursorPosition();
                e->setText(t.toUpper());
                e->setCursorPosition(c);
            });
        return e;
    };
    const auto digitos = [](QLineEdit *e) {
        e->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), e));
    };
    EditTotalParcelas = texto("EditTotalParcelas", 3, false);
    digitos(EditTotalParcelas);
    EditVencimento = new DataEdit(TabEdicao);
    EditVencimento->setObjectName(QStringLiteral("EditVencimento"));
    EditValor = new MoedaEdit(TabEdicao);
    EditValor->setObjectName(QStringLiteral("EditValor"));
    EditEmissao = new DataEdit(TabEdicao);
    EditEmissao->setObjectName(QStringLiteral("EditEmissao"));
    EditCredor = texto("EditCredor", 50, true);
    EditCredorDoc = texto("EditCredorDoc", 14, false);
    digitos(EditCredorDoc);
    EditCidade = texto("EditCidade", 60, true);
    EditEmitente = texto("EditEmitente", 50, true);
    EditEmitenteDoc = texto("EditEmitenteDoc", 14, false);
    digitos(EditEmitenteDoc);
    EditEndereco = texto("EditEndereco", 100, true);
    EditPraca = texto("EditPraca", 60, true);
    EditIntervalo = texto("EditIntervalo", 4, false);
    digitos(EditIntervalo);
    EditIntervalo->setText(QStringLiteral("30"));
    EditIntervalo->setMaximumWidth(60);
    EditIntervalo->installEventFilter(this);
    MemoObs = new QPlainTextEdit(TabEdicao);
    MemoObs->setObjectName(QStringLiteral("MemoObs"));
    MemoObs->setMaximumHeight(60);
    ButGravar = new QPushButton(QStringLiteral(" &Gravar"), TabEdicao);
    ButGravar->setObjectName(QStringLiteral("ButGravar"));
    ButCancelar = new QPushButton(QStringLiteral("&Cancelar"), TabEdicao);
    ButCancelar->setObjectName(QStringLiteral("ButCancelar"));
    ButCalculadora = new QPushButton(QStringLiteral("Calculadora"), TabEdicao);
    ButCalculadora->setObjectName(QStringLiteral("ButCalculadora"));
    ButCalculadora->setFocusPolicy(Qt::NoFocus);
    for (QPushButton *b : {ButGravar, ButCancelar, ButCalculadora}) b->setAutoDefault(false);

    const QList<QPair<QString, QWidget *>> campos{
        {QStringLiteral("Nº de Parcelas"), EditTotalParcelas}, {QStringLiteral("Dt. 1º Vencimento"), EditVencimento},
        {QStringLiteral("Valor Parcela"), EditValor},          {QStringLiteral("Dt. Emissão"), EditEmissao},
        {QStringLiteral("Credor/ Empresa"), EditCredor},       {QStringLiteral("Credor CNPJ ou CPF"), EditCredorDoc},
        {QStringLiteral("Cidade da emissão"), EditCidade},     {QStringLiteral("Emitente/ Cliente"), EditEmitente},
        {QStringLiteral("Emitente CNPJ ou CPF"), EditEmitenteDoc}, {QStringLiteral("Endereço Emitente"), EditEndereco},
        {QStringLiteral("Pagável em (praça)"), EditPraca}};
    for (int i = 0; i < campos.size(); ++i) {
        g->addWidget(new QLabel(campos[i].first, TabEdicao), (i / 4) * 2, i % 4);
        g->addWidget(campos[i].second, (i / 4) * 2 + 1, i % 4);
    }
    g->addWidget(new QLabel(QStringLiteral("Observações"), TabEdicao), 6, 0);
    g->addWidget(MemoObs, 7, 0, 1, 3);
    auto *intervalo = new QHBoxLayout;
    intervalo->addWidget(new QLabel(QStringLiteral("Intervalo entre as parcelas"), TabEdicao));
    intervalo->addWidget(EditIntervalo);
    intervalo->addWidget(new QLabel(QStringLiteral("Dias"), TabEdicao));
    g->addLayout(intervalo, 5, 3);
    auto *botoes = new QVBoxLayout;
    for (QPushButton *b : {ButGravar, ButCancelar, ButCalculadora}) botoes->addWidget(b);
    g->addLayout(botoes, 7, 3);
    TabEdicao->hide();
    connect(ButGravar, &QPushButton::clicked, this, &TfNotaPromissoriaLite::ButGravarClick);
    connect(ButCancelar, &QPushButton::clicked, this, &TfNotaPromissoriaLite::ButCancelarClick);
    connect(ButCalculadora, &QPushButton::clicked, this, [] { Plataforma::atual().abreCalculadora(); });
}

void TfNotaPromissoriaLite::montaParcelas()
{
    TabParcelas = new QGroupBox(QStringLiteral("Confirme ou altere os valores"), this);
    TabParcelas->setObjectName(QStringLiteral("TabParcelas"));
    auto *v = new QVBoxLayout(TabParcelas);
    v->addWidget(new QLabel(QStringLiteral("Ajuda: Clique e digite o que deseja alterar. NÃO utilize Copiar e Colar."), TabParcelas));
    GridParcelas = new QTableWidget(0, 3, TabParcelas);
    GridParcelas->setObjectName(QStringLiteral("GridParcelas"));
    GridParcelas->setHorizontalHeaderLabels({QStringLiteral("Nº Parcela"), QStringLiteral("Valor"), QStringLiteral("Dt Vencimento")});
    GridParcelas->verticalHeader()->hide();
    GridParcelas->horizontalHeader()->setStretchLastSection(true);
    v->addWidget(GridParcelas, 1);
    auto *botoes = new QHBoxLayout;
    ButConfirmaParcelas = new QPushButton(QStringLiteral(" &Confirmar"), TabParcelas);
    ButConfirmaParcelas->setObjectName(QStringLiteral("ButConfirmaParcelas"));
    ButVoltarParcelas = new QPushButton(QStringLiteral("&Voltar"), TabParcelas);
    ButVoltarParcelas->setObjectName(QStringLiteral("ButVoltarParcelas"));
    botoes->addStretch();
    botoes->addWidget(ButConfirmaParcelas);
    botoes->addWidget(ButVoltarParcelas);
    v->addLayout(botoes);
    TabParcelas->setMinimumHeight(240);
    TabParcelas->hide();
    connect(ButConfirmaParcelas, &QPushButton::clicked, this, &TfNotaPromissoriaLite::ButConfirmaParcelasClick);
    connect(ButVoltarParcelas, &QPushButton::clicked, this, &TfNotaPromissoriaLite::ButVoltarParcelasClick);
    connect(GridParcelas, &QTableWidget::cellChanged, this, &TfNotaPromissoriaLite::editouParcela);
}

// ---- new note, altering ----

void TfNotaPromissoriaLite::ButNovoClick()
{
    if (!ButNovo->isEnabled()) return;
    QryPrincipal.close();
    QryPrincipal.defineParametro(QStringLiteral("CODIGO"), -1);
    QryPrincipal.open();
    Query &q = QryPrincipal;
    q.append();
    q[QStringLiteral("NPL_STATUS")] = QStringLiteral("N");
    q[QStringLiteral("NPL_DT_EMISSAO")] = hoje();
    q[QStringLiteral("NPL_PARCELA")] = 1;
    q[QStringLiteral("NPL_TOTAL_PARCELAS")] = 1;
    for (const char *c : {"NPL_VALOR", "NPL_VALOR_PGTO", "NPL_VALOR_TEMP"}) q[QLatin1String(c)] = QVariant::fromValue(Moeda());
    modo_ = Inserindo;
    ModoEdicao();
    setWindowTitle(QStringLiteral(" Nota Promissória (Incluindo...)"));
    mostraNaEdicao();
    EditTotalParcelas->setText(QStringLiteral("1"));
    EditIntervalo->setText(QStringLiteral("30"));
    EditValor->setFocus();
    EditValor->selectAll();
}

void TfNotaPromissoriaLite::ButAlteraClick()
{
    if (!ButAltera->isEnabled()) return;
    if (QryPesquisa.isEmpty() || QryPrincipal.isEmpty()) {
        informacao(QStringLiteral("Não há registros a serem alterados !"));
        return;
    }
    modo_ = Alterando;
    ModoEdicao();
    setWindowTitle(QStringLiteral(" Nota Promissória (Alterando...)"));
    mostraNaEdicao();
    QryPrincipal.edit();
    EditVencimento->setFocus();
}

// The row of QryPrincipal into the edit boxes.
void TfNotaPromissoriaLite::mostraNaEdicao()
{
    Query &q = QryPrincipal;
    EditTotalParcelas->setText(QString::number(q[QStringLiteral("NPL_TOTAL_PARCELAS")].asInteger()));
    EditVencimento->setData(q[QStringLiteral("NPL_DT_VENCIMENTO")].asDate());
    EditValor->setValor(q[QStringLiteral("NPL_VALOR")].asMoeda());
    EditEmissao->setData(q[QStringLiteral("NPL_DT_EMISSAO")].asDate());
    const QList<QPair<QLineEdit *, const char *>> textos{
        {EditCredor, "NPL_CREDOR"},           {EditCredorDoc, "NPL_CREDOR_DOC"},         {EditCidade, "NPL_CIDADE"},
        {EditEmitente, "NPL_EMITENTE"},       {EditEmitenteDoc, "NPL_EMITENTE_DOC"},     {EditEndereco, "NPL_EMITENTE_ENDERECO"},
        {EditPraca, "NPL_PRACA"}};
    for (const auto &[e, c] : textos) e->setText(q[QLatin1String(c)].asString());
    MemoObs->setPlainText(q[QStringLiteral("NPL_OBS")].asString());
}

// ---- save ----

void TfNotaPromissoriaLite::focaInformando(const QString &texto, QWidget *campo)
{
    informacao(texto);
    if (campo) campo->setFocus();
}

bool TfNotaPromissoriaLite::gravaCamposNoRegistro()
{
    Query &q = QryPrincipal;
    QVariant vencimento, emissao;
    if (!ValidaData(vencimento, EditVencimento->textoVisivel())) return EditVencimento->setFocus(), false;
    if (!ValidaData(emissao, EditEmissao->textoVisivel())) return EditEmissao->setFocus(), false;
    q[QStringLiteral("NPL_DT_VENCIMENTO")] = vencimento;
    q[QStringLiteral("NPL_DT_EMISSAO")] = emissao;
    q[QStringLiteral("NPL_VALOR")] = QVariant::fromValue(EditValor->valor());
    const QList<QPair<QLineEdit *, const char *>> textos{
        {EditCredor, "NPL_CREDOR"},           {EditCredorDoc, "NPL_CREDOR_DOC"},         {EditCidade, "NPL_CIDADE"},
        {EditEmitente, "NPL_EMITENTE"},       {EditEmitenteDoc, "NPL_EMITENTE_DOC"},     {EditEndereco, "NPL_EMITENTE_ENDERECO"},
        {EditPraca, "NPL_PRACA"}};
    for (const auto &[e, c] : textos) q[QLatin1String(c)] = textoOuNulo(e->text().toUpper());
    q[QStringLiteral("NPL_OBS")] = textoOuNulo(MemoObs->toPlainText());
    return true;
}

bool TfNotaPromissoriaLite::confereGravacao()
{
    Query &q = QryPrincipal;
    const int parcelas = EditTotalParcelas->text().trimmed().toInt();
    if (parcelas < 1) return focaInformando(QStringLiteral("É necessário informar o total de parcelas !"), EditTotalParcelas), false;
    if (parcelas > RegrasNota::MaxParcelas)
        return focaInformando(QStringLiteral("O número de parcelas deve ser de 1 a 500 !"), EditTotalParcelas), false;
    if (q[QStringLiteral("NPL_DT_VENCIMENTO")].isNull())
        return focaInformando(QStringLiteral("É necessário informar o vencimento !"), EditVencimento), false;
    if (EditValor->valor() <= Moeda()) return focaInformando(QStringLiteral("É necessário informar o valor !"), EditValor), false;
    if (vazio(EditCredor->text())) return focaInformando(QStringLiteral("É necessário informar o credor !"), EditCredor), false;
    if (vazio(EditPraca->text()))
        return focaInformando(QStringLiteral("É necessário informar a cidade (praça) !"), EditPraca), false;
    if (q[QStringLiteral("NPL_DT_EMISSAO")].isNull())
        return focaInformando(QStringLiteral("É necessário informar a data de emissão !"), EditEmissao), false;
    if (vazio(EditEmitente->text()))
        return focaInformando(QStringLiteral("É necessário informar o emitente (cliente) !"), EditEmitente), false;
    if (q[QStringLiteral("NPL_DT_VENCIMENTO")].asDate() < q[QStringLiteral("NPL_DT_EMISSAO")].asDate() &&
        !perguntaSimNao(QStringLiteral("Data de vencimento inferior a emissão. Deseja continuar?"), QStringLiteral("Informação!"))) {
        EditVencimento->setFocus();
        EditVencimento->selectAll();
        return false;
    }
    return true;
}

void TfNotaPromissoriaLite::ButGravarClick()
{
    if (!ButGravar->isEnabled() || !QryPrincipal.editando()) return;
    if (!gravaCamposNoRegistro() || !confereGravacao()) return;
    Query &q = QryPrincipal;
    if (modo_ == Inserindo) {
        geraParcelas();
        return;
    }
    const int codigo = q[QStringLiteral("NPL_CODIGO")].asInteger();
    q[QStringLiteral("NPL_SALDO_DEVEDOR")] =
        QVariant::fromValue(q[QStringLiteral("NPL_VALOR")].asMoeda() - q[QStringLiteral("NPL_VALOR_PGTO")].asMoeda());
    q.postEConfirma();
    modo_ = Normal;
    ModoNormal();
    reabreLista(codigo);
    CalculaContadores();
}

// ---- generation and review ----

// Installment 1 is stored (again, after "Voltar"), then 2..n copying it, each at once.
void TfNotaPromissoriaLite::geraParcelas()
{
    Query &q = QryPrincipal;
    const int n = EditTotalParcelas->text().trimmed().toInt();
    const QDate d1 = q[QStringLiteral("NPL_DT_VENCIMENTO")].asDate();
    const int intervalo = RegrasNota::intervalo(EditIntervalo->text()).value_or(30);
    const Moeda v = q[QStringLiteral("NPL_VALOR")].asMoeda();
    q[QStringLiteral("NPL_PARCELA")] = 1;
    q[QStringLiteral("NPL_TOTAL_PARCELAS")] = n;
    q[QStringLiteral("NPL_SALDO_DEVEDOR")] = QVariant::fromValue(v - q[QStringLiteral("NPL_VALOR_PGTO")].asMoeda());
    q.postEConfirma();
    primeira_ = q[QStringLiteral("NPL_CODIGO")].asInteger();

    const QStringList copiados{QStringLiteral("NPL_DT_EMISSAO"),   QStringLiteral("NPL_CREDOR"),
                               QStringLiteral("NPL_CREDOR_DOC"),   QStringLiteral("NPL_EMITENTE"),
                               QStringLiteral("NPL_EMITENTE_DOC"), QStringLiteral("NPL_EMITENTE_ENDERECO"),
                               QStringLiteral("NPL_PRACA"),        QStringLiteral("NPL_CIDADE"),
                               QStringLiteral("NPL_OBS")};
    QryParcelas.close();
    QryParcelas.sql[1] = QStringLiteral("WHERE NPL_CODIGO=0");
    QryParcelas.open();
    geradas_.clear();
    for (int k = 2; k <= n; ++k) {
        Query &p = QryParcelas;
        p.append();
        for (const QString &c : copiados) p[c] = q[c].valor();
        p[QStringLiteral("NPL_PARCELA")] = k;
        p[QStringLiteral("NPL_TOTAL_PARCELAS")] = n;
        p[QStringLiteral("NPL_VALOR")] = QVariant::fromValue(v);
        p[QStringLiteral("NPL_SALDO_DEVEDOR")] = QVariant::fromValue(v);
        p[QStringLiteral("NPL_VALOR_PGTO")] = QVariant::fromValue(Moeda());
        p[QStringLiteral("NPL_VALOR_TEMP")] = QVariant::fromValue(Moeda());
        p[QStringLiteral("NPL_STATUS")] = QStringLiteral("N");
        p[QStringLiteral("NPL_DT_VENCIMENTO")] = RegrasNota::vencimento(d1, k, intervalo);
        p.postEConfirma();
        geradas_.append(p[QStringLiteral("NPL_CODIGO")].asInteger());
    }
    abreRevisao();
}

void TfNotaPromissoriaLite::abreRevisao()
{
    QStringList codigos{QString::number(primeira_)};
    for (int c : geradas_) codigos.append(QString::number(c));
    QryParcelas.close();
    QryParcelas.sql[1] = QStringLiteral("WHERE NPL_CODIGO IN (") + codigos.join(QLatin1Char(',')) + QLatin1Char(')');
    QryParcelas.open();
    QryParcelas.buscaTodas();
    const QSignalBlocker bloqueio(GridParcelas);
    GridParcelas->setRowCount(QryParcelas.recordCount());
    for (int i = 0; i < QryParcelas.recordCount(); ++i) {
        GridParcelas->setItem(i, 0, new QTableWidgetItem(QString::number(QryParcelas.valor(i, QStringLiteral("NPL_PARCELA")).toInt())));
        auto *valor = new QTableWidgetItem(QryParcelas.valor(i, QStringLiteral("NPL_VALOR")).value<Moeda>().formatadoSemSimbolo());
        valor->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        GridParcelas->setItem(i, 1, valor);
        GridParcelas->setItem(i, 2, new QTableWidgetItem(QryParcelas.valor(i, QStringLiteral("NPL_DT_VENCIMENTO")).toDate().toString(Dma)));
    }
    revisando_ = true;
    TabEdicao->hide();
    TabParcelas->show();
    ButGravar->setEnabled(false);
    ButCancelar->setEnabled(false);
    ButConfirmaParcelas->setFocus();
}

// An edited cell is written to its installment at once; a value that does not convert is put back.
void TfNotaPromissoriaLite::editouParcela(int linha, int coluna)
{
    if (linha < 0 || linha >= QryParcelas.recordCount()) return;
    QTableWidgetItem *item = GridParcelas->item(linha, coluna);
    QryParcelas.setRecNo(linha);
    const QSignalBlocker bloqueio(GridParcelas);
    QVariant novo;
    QString campo;
    if (coluna == 0) {
        bool ok = false;
        const int k = item->text().trimmed().toInt(&ok);
        if (!ok || k < 1) {
            informacao(QStringLiteral("Informe um número de parcela maior que zero!"));
            item->setText(QString::number(QryParcelas[QStringLiteral("NPL_PARCELA")].asInteger()));
            return;
        }
        novo = k;
        campo = QStringLiteral("NPL_PARCELA");
    } else if (coluna == 1) {
        const auto v = Moeda::deTexto(item->text());
        if (!v || *v <= Moeda()) {
            informacao(QStringLiteral("Informe um valor maior que zero!"));
            item->setText(QryParcelas[QStringLiteral("NPL_VALOR")].asMoeda().formatadoSemSimbolo());
            return;
        }
        novo = QVariant::fromValue(*v);
        item->setText(v->formatadoSemSimbolo());
        campo = QStringLiteral("NPL_VALOR");
    } else {
        QVariant d;
        if (!ValidaData(d, item->text()) || d.isNull()) {
            if (d.isNull()) informacao(QStringLiteral("Não é uma data válida!"));
            item->setText(QryParcelas[QStringLiteral("NPL_DT_VENCIMENTO")].asDate().toString(Dma));
            return;
        }
        novo = d;
        campo = QStringLiteral("NPL_DT_VENCIMENTO");
    }
    QryParcelas.edit();
    QryParcelas[campo] = novo;
    QryParcelas.postEConfirma();
}

void TfNotaPromissoriaLite::ButConfirmaParcelasClick()
{
    QList<int> codigos;
    for (int i = 0; i < QryParcelas.recordCount(); ++i) {
        QryParcelas.setRecNo(i);
        codigos.append(QryParcelas[QStringLiteral("NPL_CODIGO")].asInteger());
        const Moeda valor = QryParcelas[QStringLiteral("NPL_VALOR")].asMoeda();
        if (QryParcelas[QStringLiteral("NPL_SALDO_DEVEDOR")].asMoeda() == valor) continue;
        QryParcelas.edit();
        QryParcelas[QStringLiteral("NPL_SALDO_DEVEDOR")] = QVariant::fromValue(valor);
        QryParcelas.postEConfirma();
    }
    TabParcelas->hide();
    revisando_ = false;
    primeira_ = 0;
    geradas_.clear();
    modo_ = Normal;
    imprimeParcelas(codigos);
    ModoNormal();
    reabreLista(codigos.isEmpty() ? 0 : codigos.first());
    refrescaLembretes();
    CalculaContadores();
    if (aviso(2) == RespostaAviso::Sim) ButNovoClick();
}

void TfNotaPromissoriaLite::ButVoltarParcelasClick()
{
    excluiCodigos(geradas_);
    geradas_.clear();
    QryParcelas.close();
    revisando_ = false;
    TabParcelas->hide();
    TabEdicao->show();
    ButGravar->setEnabled(true);
    ButCancelar->setEnabled(true);
    QryPrincipal.close();
    QryPrincipal.defineParametro(QStringLiteral("CODIGO"), primeira_);
    QryPrincipal.open();
    if (!QryPrincipal.isEmpty()) QryPrincipal.edit();
    mostraNaEdicao();
    EditValor->setFocus();
    EditValor->selectAll();
}

void TfNotaPromissoriaLite::excluiCodigos(const QList<int> &codigos)
{
    if (codigos.isEmpty()) return;
    Query del(dados().DataBase, TransQryPrincipal);
    del.sql.defineTexto(QStringLiteral("DELETE FROM NOTAPROMISSORIALITE WHERE NPL_CODIGO=:CODIGO"));
    for (int c : codigos) {
        del.defineParametro(QStringLiteral("CODIGO"), c);
        del.execSQL();
    }
    TransQryPrincipal.commitRetaining();
}

// ---- cancel, delete ----

void TfNotaPromissoriaLite::ButCancelarClick()
{
    if (!ButCancelar->isEnabled()) return;
    if (QryPrincipal.editando()) QryPrincipal.cancel();
    // A new note sent back with "Voltar" has its installment 1 stored: cancelling removes it, so
    // that no debt the user gave up stays open.
    const bool apagou = modo_ == Inserindo && primeira_ > 0;
    if (apagou) excluiCodigos({primeira_});
    modo_ = Normal;
    const int atual = codigoAtual();
    ModoNormal();
    reabreLista(atual);
    if (apagou) {
        CalculaContadores();
        refrescaLembretes();
    }
}

void TfNotaPromissoriaLite::ExcluirSelecionada()
{
    if (QryPesquisa.isEmpty() || codigoAtual() <= 0) {
        informacao(QStringLiteral("Não há registros a serem excluídos !"));
        return;
    }
    if (aviso() != RespostaAviso::Sim) return;
    try {
        excluiCodigos({codigoAtual()});
    } catch (const ErroBD &) {
        try { TransQryPrincipal.rollbackRetaining(); } catch (const ErroBD &) {}
        informacao(MsgVinculos);
        return;
    }
    reabreLista();
    CalculaContadores();
    refrescaLembretes();
}

void TfNotaPromissoriaLite::ExcluirTodas()
{
    if (QryPesquisa.isEmpty()) {
        informacao(QStringLiteral("Não há registros a serem excluídos !"));
        return;
    }
    if (aviso(7) != RespostaAviso::Sim) return;
    QryPesquisa.buscaTodas();
    Query del(dados().DataBase, TransQryPrincipal);
    del.sql.defineTexto(QStringLiteral("DELETE FROM NOTAPROMISSORIALITE WHERE NPL_CODIGO=:CODIGO"));
    try {
        for (int i = 0; i < QryPesquisa.recordCount(); ++i) {
            del.defineParametro(QStringLiteral("CODIGO"), QryPesquisa.valor(i, QStringLiteral("NPL_CODIGO")));
            del.execSQL();
        }
        TransQryPrincipal.commitRetaining();
    } catch (const ErroBD &) {
        try { TransQryPrincipal.rollbackRetaining(); } catch (const ErroBD &) {}
        informacao(MsgVinculos);
    }
    reabreLista();
    CalculaContadores();
    refrescaLembretes();
}
