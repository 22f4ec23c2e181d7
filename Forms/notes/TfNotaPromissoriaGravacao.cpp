// Issuing and changing installments: new note, save with its checks, generation of the
// installments, the review TabParcelas, altering one installment, cancelling and deleting.

#include "TfNotaPromissoria.h"

#include "Dados.h"
#include "DataEdit.h"
#include "ErroBD.h"
#include "Mensagens.h"
#include "MoedaEdit.h"
#include "RegrasNota.h"
#include "Relogio.h"
#include "SeletorLocalidade.h"
#include "SeletorPessoa.h"
#include "TfCarregando.h"
#include "uFuncoes.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
const QString MsgVinculos = QStringLiteral("Não é possível excluir. Existem vínculos para esta tabela !");
bool vazio(const QString &t) { return t.isEmpty() || t == QLatin1String(" "); }
QVariant codigoOuNulo(int c) { return c >= 1 ? QVariant(c) : QVariant(); }
} // namespace

void TfNotaPromissoria::montaParcelas()
{
    TabParcelas = new QGroupBox(QStringLiteral("Confirme ou altere os valores"), this);
    TabParcelas->setObjectName(QStringLiteral("TabParcelas"));
    TabParcelas->setToolTip(QStringLiteral("Ajuda: Clique e digite o que deseja alterar. NÃO utilize Copiar e Colar."));
    auto *v = new QVBoxLayout(TabParcelas);
    GridParcelas = new QTableWidget(0, 3, TabParcelas);
    GridParcelas->setObjectName(QStringLiteral("GridParcelas"));
    GridParcelas->setHorizontalHeaderLabels({QStringLiteral("Nº Parcela"), QStringLiteral("Valor"), QStringLiteral("Dt Vencimento")});
    GridParcelas->verticalHeader()->hide();
    GridParcelas->verticalHeader()->setDefaultSectionSize(20);
    GridParcelas->horizontalHeader()->setStretchLastSection(true);
    GridParcelas->setColumnWidth(1, 160);
    v->addWidget(GridParcelas, 1);
    auto *botoes = new QHBoxLayout;
    ButConfirmaParcelas = new QPushButton(QStringLiteral(" &Confirmar"), TabParcelas);
    ButConfirmaParcelas->setObjectName(QStringLiteral("ButConfirmaParcelas"));
    ButVoltarParcelas = new QPushButton(QStringLiteral("&Voltar"), TabParcelas);
    ButVoltarParcelas->setObjectName(QStringLiteral("ButVoltarParcelas"));
    ButVoltarParcelas->setToolTip(QStringLiteral("Cancela estes registros"));
    botoes->addStretch();
    botoes->addWidget(ButConfirmaParcelas);
    botoes->addWidget(ButVoltarParcelas);
    v->addLayout(botoes);
    TabParcelas->setMinimumHeight(280);
    TabParcelas->hide();
    connect(ButConfirmaParcelas, &QPushButton::clicked, this, &TfNotaPromissoria::ButConfirmaParcelasClick);
    connect(ButVoltarParcelas, &QPushButton::clicked, this, &TfNotaPromissoria::ButVoltarParcelasClick);
    connect(GridParcelas, &QTableWidget::cellChanged, this, &TfNotaPromissoria::editouParcela);
}

// ---- new note, altering ----

void TfNotaPromissoria::ButNovoClick()
{
    if (!ButNovo->isEnabled()) return;
    QryPrincipal.close();
    QryPrincipal.defineParametro(QStringLiteral("CODIGO"), -1);
    QryPrincipal.open();
    modo_ = Inserindo;
    ModoEdicao();
    setWindowTitle(QStringLiteral(" Nota Promissória (Incluindo...)"));

    const QString obs = novaLinha();

    EditValor->setValor(Moeda());
    EditTotalParcelas->setText(QStringLiteral("1"));
    EditVencimento->setData(hoje().addDays(30));
    EditEmissao->setData(hoje());
    EditCodVenda->clear();
    MemoDescricao->setPlainText(obs);
    MemoObsRecibo->clear();
    LkpCredor->setCurrentIndex(LkpCredor->findData(dados().CodEmpresaLogada));
    preencheCidadesDoCredor();
    CalculaLimite();
    EditValor->setFocus();
    EditValor->selectAll();
}

// Appends the new installment with its defaults; the default note observation.
QString TfNotaPromissoria::novaLinha()
{
    Dados::abre(dados().QryConfigs);
    const QString obs = dados().QryConfigs.isEmpty() ? QString() : dados().QryConfigs[QStringLiteral("CF_OBS_PROMIS")].asString();
    Query &q = QryPrincipal;
    q.append();
    q[QStringLiteral("NP_STATUS")] = QStringLiteral("N");
    q[QStringLiteral("NP_VALOR_PGTO")] = QVariant::fromValue(Moeda());
    q[QStringLiteral("NP_VALOR_TEMP")] = QVariant::fromValue(Moeda());
    q[QStringLiteral("NP_OBS")] = obs.isEmpty() ? QVariant() : QVariant(obs);
    q[QStringLiteral("NP_COD_CREDOR")] = dados().CodEmpresaLogada;
    q[QStringLiteral("NP_DT_EMISSAO")] = hoje();
    q[QStringLiteral("NP_DT_VENCIMENTO")] = hoje().addDays(30);
    q[QStringLiteral("NP_PARCELA")] = 1;
    q[QStringLiteral("NP_TOTAL_PARCELAS")] = 1;
    q[QStringLiteral("NP_VALOR")] = QVariant::fromValue(Moeda());
    return obs;
}

void TfNotaPromissoria::ButAlteraClick()
{
    if (!ButAltera->isEnabled()) return;
    if (QryPesquisa.isEmpty() || QryPrincipal.isEmpty()) {
        informacao(QStringLiteral("Não há registros a serem alterados !"));
        return;
    }
    modo_ = Alterando;
    ModoEdicao();
    setWindowTitle(QStringLiteral(" Nota Promissória (Alterando...)"));
    Query &q = QryPrincipal;
    LabelTotalParcelas->setText(QStringLiteral("Parcela ") + q[QStringLiteral("NP_PARCELA_EXT")].asString());
    LabelTotalParcelas->show();
    LabelVencimentoEd->setText(QStringLiteral("Data Vencimento"));
    mostraSeletores();
    EditValor->setValor(q[QStringLiteral("NP_VALOR")].asMoeda());
    EditVencimento->setData(q[QStringLiteral("NP_DT_VENCIMENTO")].asDate());
    EditEmissao->setData(q[QStringLiteral("NP_DT_EMISSAO")].asDate());
    EditCodVenda->setText(q[QStringLiteral("NP_COD_AUXILIAR2")].asString());
    MemoDescricao->setPlainText(q[QStringLiteral("NP_OBS")].asString());
    MemoObsRecibo->setPlainText(q[QStringLiteral("NP_OBS2")].asString());
    LkpCredor->setCurrentIndex(LkpCredor->findData(q[QStringLiteral("NP_COD_CREDOR")].asInteger()));
    CalculaLimite();
    q.edit();
    EditVencimento->setFocus();
}

// ---- save ----

void TfNotaPromissoria::focaInformando(const QString &texto, QWidget *campo)
{
    informacao(texto);
    if (campo) campo->setFocus();
}

bool TfNotaPromissoria::gravaCamposNoRegistro()
{
    Query &q = QryPrincipal;
    QVariant vencimento, emissao;
    if (!ValidaData(vencimento, EditVencimento->textoVisivel())) {
        EditVencimento->setFocus();
        return false;
    }
    if (!ValidaData(emissao, EditEmissao->textoVisivel())) {
        EditEmissao->setFocus();
        return false;
    }
    q[QStringLiteral("NP_COD_EMITENTE")] = codigoOuNulo(Emitente->codigo());
    q[QStringLiteral("NP_COD_PRACA")] = codigoOuNulo(Praca->codigo());
    q[QStringLiteral("NP_COD_CIDADE")] = codigoOuNulo(Cidade->codigo());
    q[QStringLiteral("NP_COD_AVALISTA1")] = codigoOuNulo(Avalista1->codigo());
    q[QStringLiteral("NP_COD_AVALISTA2")] = codigoOuNulo(Avalista2->codigo());
    q[QStringLiteral("NP_COD_AVALISTA3")] = codigoOuNulo(Avalista3->codigo());
    q[QStringLiteral("NP_COD_AVALISTA4")] = codigoOuNulo(Avalista4->codigo());
    q[QStringLiteral("NP_COD_EMITENTE2")] = codigoOuNulo(Emitente2->codigo());
    q[QStringLiteral("NP_DT_VENCIMENTO")] = vencimento;
    q[QStringLiteral("NP_DT_EMISSAO")] = emissao;
    q[QStringLiteral("NP_VALOR")] = QVariant::fromValue(EditValor->valor());
    q[QStringLiteral("NP_COD_CREDOR")] = LkpCredor->currentIndex() >= 0 ? LkpCredor->currentData() : QVariant();
    q[QStringLiteral("NP_COD_AUXILIAR2")] = EditCodVenda->text().isEmpty() ? QVariant() : QVariant(EditCodVenda->text());
    const QString obs = MemoDescricao->toPlainText(), obs2 = MemoObsRecibo->toPlainText();
    q[QStringLiteral("NP_OBS")] = obs.isEmpty() ? QVariant() : QVariant(obs);
    q[QStringLiteral("NP_OBS2")] = obs2.isEmpty() ? QVariant() : QVariant(obs2);
    return true;
}

bool TfNotaPromissoria::confereGravacao()
{
    Query &q = QryPrincipal;
    const int parcelas = modo_ == Inserindo ? EditTotalParcelas->text().trimmed().toInt() : q[QStringLiteral("NP_TOTAL_PARCELAS")].asInteger();
    if (parcelas < 1) return focaInformando(QStringLiteral("É necessário informar o total de parcelas !"), EditTotalParcelas), false;
    if (parcelas > RegrasNota::MaxParcelas)
        return focaInformando(QStringLiteral("O número de parcelas deve ser de 1 a 500 !"), EditTotalParcelas), false;
    if (q[QStringLiteral("NP_DT_VENCIMENTO")].isNull())
        return focaInformando(QStringLiteral("É necessário informar o vencimento !"), EditVencimento), false;
    if (EditValor->valor() <= Moeda()) return focaInformando(QStringLiteral("É necessário informar o valor !"), EditValor), false;
    if (vazio(LkpCredor->currentText()) || LkpCredor->currentIndex() < 0)
        return focaInformando(QStringLiteral("É necessário informar o credor !"), LkpCredor), false;
    if (vazio(Cidade->Edit->text()) || Cidade->codigo() < 1)
        return focaInformando(QStringLiteral("É necessário informar a cidade (praça) !"), Cidade->Edit), false;
    if (q[QStringLiteral("NP_DT_EMISSAO")].isNull())
        return focaInformando(QStringLiteral("É necessário informar a data de emissão !"), EditEmissao), false;
    if (vazio(Emitente->Edit->text()) || Emitente->codigo() < 1)
        return focaInformando(QStringLiteral("É necessário informar o emitente !"), Emitente->Edit), false;
    if (q[QStringLiteral("NP_DT_VENCIMENTO")].asDate() < q[QStringLiteral("NP_DT_EMISSAO")].asDate() &&
        !perguntaSimNao(QStringLiteral("Data de vencimento inferior a emissão. Deseja continuar?"), QStringLiteral("Informação!"))) {
        EditVencimento->setFocus();
        return false;
    }
    const auto iguais = [](SeletorPessoa *a, SeletorPessoa *b) { return a->codigo() > 0 && a->codigo() == b->codigo(); };
    if (iguais(Emitente, Emitente2))
        return focaInformando(QStringLiteral("Emitente 1 não pode ser igual ao Emitente 2 !"), Emitente2->Edit), false;
    const QList<std::tuple<SeletorPessoa *, SeletorPessoa *, int, int>> pares = {
        {Avalista1, Avalista2, 1, 2}, {Avalista1, Avalista3, 1, 3}, {Avalista1, Avalista4, 1, 4},
        {Avalista2, Avalista3, 2, 3}, {Avalista2, Avalista4, 2, 4}, {Avalista3, Avalista4, 3, 4}};
    for (const auto &[a, b, i, j] : pares)
        if (iguais(a, b))
            return focaInformando(QStringLiteral("Avalista %1 não pode ser igual ao Avalista %2 !").arg(i).arg(j), b->Edit), false;
    return true;
}

void TfNotaPromissoria::ButGravarClick()
{
    if (!ButGravar->isEnabled() || !QryPrincipal.editando()) return;
    if (modo_ == Inserindo && !intervaloValido()) return;
    if (modo_ == Inserindo) saiuIntervalo();
    if (!gravaCamposNoRegistro() || !confereGravacao()) return;
    if (modo_ == Inserindo) QryPrincipal[QStringLiteral("NP_TOTAL_PARCELAS")] = EditTotalParcelas->text().trimmed().toInt();
    CalculaLimite();
    if (modo_ == Inserindo && limite_ < Moeda() && limiteDoEmitente(Emitente->codigo()) > Moeda() &&
        !perguntaSimNao(QStringLiteral("Ultrapassou o limite. Deseja continuar?"), QStringLiteral("Informação!"))) {
        EditValor->setFocus();
        return;
    }
    escondeListas();
    if (modo_ == Inserindo) {
        geraParcelas();
        return;
    }
    Query &q = QryPrincipal;
    const int codigo = q[QStringLiteral("NP_CODIGO")].asInteger();
    q[QStringLiteral("NP_SALDO_DEVEDOR")] = QVariant::fromValue(q[QStringLiteral("NP_VALOR")].asMoeda() - q[QStringLiteral("NP_VALOR_PGTO")].asMoeda());
    q.post();
    TransQryPrincipal.commitRetaining();
    modo_ = Normal;
    reabreLista(codigo);
    ModoNormal();
}

// ---- generation and review ----

void TfNotaPromissoria::geraParcelas()
{
    TfCarregando::instancia().mostra();
    const auto fecha = qScopeGuard([this] {
        TfCarregando::instancia().fecha();
        activateWindow();
    });
    Query &q = QryPrincipal;
    const int n = q[QStringLiteral("NP_TOTAL_PARCELAS")].asInteger();
    const QDate d1 = q[QStringLiteral("NP_DT_VENCIMENTO")].asDate();
    const int intervalo = RegrasNota::intervalo(EditIntervalo->text()).value_or(30);
    const QString venda = q[QStringLiteral("NP_COD_AUXILIAR2")].asString();
    const Moeda v = q[QStringLiteral("NP_VALOR")].asMoeda();

    QryConsulta.close();
    QryConsulta.sql.defineTexto(QStringLiteral("SELECT MAX(NP_SEQ) AS SEQMAX FROM NOTAPROMISSORIA"));
    QryConsulta.open();
    seq_ = (QryConsulta.isEmpty() ? 0 : QryConsulta[QStringLiteral("SEQMAX")].asInteger()) + 1;
    emissao_ = q[QStringLiteral("NP_DT_EMISSAO")].asDate();

    q[QStringLiteral("NP_PARCELA")] = 1;
    q[QStringLiteral("NP_SALDO_DEVEDOR")] = QVariant::fromValue(v);
    q[QStringLiteral("NP_PARCELA_EXT")] = RegrasNota::rotulo(1, n, venda);
    q[QStringLiteral("NP_SEQ")] = seq_;
    // The note is stored whole or not at all: one commit once every installment is written.
    try {
    q.post();
    const int primeira = q[QStringLiteral("NP_CODIGO")].asInteger();

    // Installments 2..N copy the first one.
    QryParcelas.close();
    QryParcelas.defineParametro(QStringLiteral("SEQ"), seq_);
    QryParcelas.defineParametro(QStringLiteral("EMITENTE"), q[QStringLiteral("NP_COD_EMITENTE")].valor());
    QryParcelas.defineParametro(QStringLiteral("EMISSAO"), emissao_);
    QryParcelas.open();
    const QStringList copiados = {QStringLiteral("NP_DT_EMISSAO"),    QStringLiteral("NP_COD_CREDOR"),    QStringLiteral("NP_COD_CIDADE"),
                                  QStringLiteral("NP_COD_EMITENTE"),  QStringLiteral("NP_COD_PRACA"),     QStringLiteral("NP_OBS"),
                                  QStringLiteral("NP_OBS2"),          QStringLiteral("NP_COD_AUXILIAR2"), QStringLiteral("NP_COD_EMITENTE2"),
                                  QStringLiteral("NP_COD_AVALISTA1"), QStringLiteral("NP_COD_AVALISTA2"), QStringLiteral("NP_COD_AVALISTA3"),
                                  QStringLiteral("NP_COD_AVALISTA4")};
    QList<QVariant> valores;
    for (const QString &c : copiados) valores.append(q[c].valor());
    geradas_.clear();
    for (int k = 2; k <= n; ++k) {
        QryParcelas.append();
        Query &p = QryParcelas;
        for (int i = 0; i < copiados.size(); ++i) p[copiados.at(i)] = valores.at(i);
        p[QStringLiteral("NP_PARCELA")] = k;
        p[QStringLiteral("NP_TOTAL_PARCELAS")] = n;
        p[QStringLiteral("NP_VALOR")] = QVariant::fromValue(v);
        p[QStringLiteral("NP_SALDO_DEVEDOR")] = QVariant::fromValue(v);
        p[QStringLiteral("NP_STATUS")] = QStringLiteral("N");
        p[QStringLiteral("NP_VALOR_PGTO")] = QVariant::fromValue(Moeda());
        p[QStringLiteral("NP_VALOR_TEMP")] = QVariant::fromValue(Moeda());
        p[QStringLiteral("NP_PARCELA_EXT")] = RegrasNota::rotulo(k, n, venda);
        p[QStringLiteral("NP_SEQ")] = seq_;
        p[QStringLiteral("NP_DT_VENCIMENTO")] = RegrasNota::vencimento(d1, k, intervalo);
        p.post();
        geradas_.append(p[QStringLiteral("NP_CODIGO")].asInteger());
    }
    TransQryPrincipal.commitRetaining();
    primeira_ = primeira;
    } catch (const ErroBD &) {
        try { TransQryPrincipal.rollbackRetaining(); } catch (const ErroBD &) {}
        geradas_.clear();
        QryParcelas.close();
        // Back to installment 1 as it was before this save, with what the user typed still in
        // the boxes: unsaved, or stored by an earlier save and sent back with "Voltar".
        QryPrincipal.close();
        QryPrincipal.open();
        if (primeira_ > 0 && !QryPrincipal.isEmpty()) QryPrincipal.edit();
        else novaLinha();
        throw;
    }
    abreRevisao();
}

void TfNotaPromissoria::abreRevisao()
{
    QryParcelas.close();
    QryParcelas.open();
    const QSignalBlocker bloqueio(GridParcelas);
    GridParcelas->setRowCount(QryParcelas.recordCount());
    for (int i = 0; i < QryParcelas.recordCount(); ++i) {
        auto *num = new QTableWidgetItem(QString::number(QryParcelas.valor(i, QStringLiteral("NP_PARCELA")).toInt()));
        num->setFlags(num->flags() & ~Qt::ItemIsEditable);
        GridParcelas->setItem(i, 0, num);
        auto *valor = new QTableWidgetItem(QryParcelas.valor(i, QStringLiteral("NP_VALOR")).value<Moeda>().formatadoSemSimbolo());
        valor->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        GridParcelas->setItem(i, 1, valor);
        GridParcelas->setItem(i, 2, new QTableWidgetItem(QryParcelas.valor(i, QStringLiteral("NP_DT_VENCIMENTO")).toDate().toString(QStringLiteral("dd/MM/yyyy"))));
    }
    revisando_ = true;
    TabEdicao->hide();
    TabParcelas->show();
    ButGravar->setEnabled(false);
    ButCancelar->setEnabled(false);
    ButConfirmaParcelas->setFocus();
}

void TfNotaPromissoria::editouParcela(int linha, int coluna)
{
    if (linha < 0 || linha >= QryParcelas.recordCount() || coluna < 1) return;
    QTableWidgetItem *item = GridParcelas->item(linha, coluna);
    QryParcelas.setRecNo(linha);
    const QSignalBlocker bloqueio(GridParcelas);
    QVariant novo;
    if (coluna == 1) {
        const auto v = Moeda::deTexto(item->text());
        if (!v || *v <= Moeda()) {
            informacao(QStringLiteral("Informe um valor maior que zero!"));
            item->setText(QryParcelas[QStringLiteral("NP_VALOR")].asMoeda().formatadoSemSimbolo());
            return;
        }
        novo = QVariant::fromValue(*v);
        item->setText(v->formatadoSemSimbolo());
    } else {
        QVariant d;
        if (!ValidaData(d, item->text()) || d.isNull()) {
            if (d.isNull() && item->text().trimmed().isEmpty()) informacao(QStringLiteral("Não é uma data válida!"));
            item->setText(QryParcelas[QStringLiteral("NP_DT_VENCIMENTO")].asDate().toString(QStringLiteral("dd/MM/yyyy")));
            return;
        }
        novo = d;
    }
    QryParcelas.edit();
    QryParcelas[coluna == 1 ? QStringLiteral("NP_VALOR") : QStringLiteral("NP_DT_VENCIMENTO")] = novo;
    QryParcelas.post();
    TransQryPrincipal.commitRetaining();
}

void TfNotaPromissoria::ButConfirmaParcelasClick()
{
    TfCarregando::instancia().mostra();
    for (int i = 0; i < QryParcelas.recordCount(); ++i) {
        QryParcelas.setRecNo(i);
        const Moeda valor = QryParcelas[QStringLiteral("NP_VALOR")].asMoeda();
        if (QryParcelas[QStringLiteral("NP_SALDO_DEVEDOR")].asMoeda() == valor) continue;
        QryParcelas.edit();
        QryParcelas[QStringLiteral("NP_SALDO_DEVEDOR")] = QVariant::fromValue(valor);
        QryParcelas.post();
        TransQryPrincipal.commitRetaining();
    }
    parcelasGravadas_ = true;
    CalculaLimite();
    if (limite_ < Moeda() && limiteDoEmitente(Emitente->codigo()) > Moeda()) {
        TfCarregando::instancia().fecha();
        activateWindow();
        if (!perguntaSimNao(QStringLiteral("Ultrapassou o limite. Deseja continuar?"), QStringLiteral("Informação!"))) {
            GridParcelas->setFocus();
            return;
        }
        TfCarregando::instancia().mostra();
    }
    TabParcelas->hide();
    revisando_ = false;
    const int emitente = Emitente->codigo();
    imprimeNotaConfirmada(seq_, emitente, emissao_);
    const bool inserindo = modo_ == Inserindo;
    primeira_ = 0;
    geradas_.clear();
    modo_ = Normal;
    reabreLista();
    refrescaLembretes();
    CalculaContadores();
    TfCarregando::instancia().fecha();
    activateWindow();
    ModoNormal();
    if (inserindo && aviso(2) == RespostaAviso::Sim) ButNovoClick();
}

void TfNotaPromissoria::ButVoltarParcelasClick()
{
    excluiGeradas(false);
    revisando_ = false;
    TabParcelas->hide();
    TabEdicao->show();
    ButGravar->setEnabled(true);
    ButCancelar->setEnabled(true);
    QryPrincipal.close();
    QryPrincipal.defineParametro(QStringLiteral("CODIGO"), primeira_);
    QryPrincipal.open();
    if (!QryPrincipal.isEmpty()) QryPrincipal.edit();
    EditValor->setFocus();
    EditValor->selectAll();
}

// Deletes the installments 2..N of the note being issued and, with `inclusivePrimeira`, its
// installment 1 too.
void TfNotaPromissoria::excluiGeradas(bool inclusivePrimeira)
{
    QList<int> codigos = geradas_;
    if (inclusivePrimeira && primeira_ > 0) codigos.append(primeira_);
    if (codigos.isEmpty()) return;
    Query del(dados().DataBase, TransQryPrincipal);
    del.sql.defineTexto(QStringLiteral("DELETE FROM NOTAPROMISSORIA WHERE NP_CODIGO=:CODIGO"));
    for (int c : codigos) {
        del.defineParametro(QStringLiteral("CODIGO"), c);
        del.execSQL();
    }
    TransQryPrincipal.commitRetaining();
    geradas_.clear();
    if (inclusivePrimeira) primeira_ = 0;
    QryParcelas.close();
}

// ---- cancel, delete ----

void TfNotaPromissoria::ButCancelarClick()
{
    if (!ButCancelar->isEnabled()) return;
    if (QryPrincipal.editando()) QryPrincipal.cancel();
    try { TransQryPrincipal.rollbackRetaining(); } catch (const ErroBD &) {}
    const bool apagou = modo_ == Inserindo && primeira_ > 0;
    // An unfinished note sent back with "Voltar" leaves no installment behind.
    if (modo_ == Inserindo) excluiGeradas(true);
    modo_ = Normal;
    const int atual = QryPesquisa.recNo() >= 0 ? QryPesquisa.valor(QryPesquisa.recNo(), QStringLiteral("NP_CODIGO")).toInt() : 0;
    reabreLista(atual);
    ModoNormal();
    if (apagou) refrescaLembretes();
}

void TfNotaPromissoria::excluiAtual()
{
    Query del(dados().DataBase, TransQryPrincipal);
    del.sql.defineTexto(QStringLiteral("DELETE FROM NOTAPROMISSORIA WHERE NP_CODIGO=:CODIGO"));
    del.defineParametro(QStringLiteral("CODIGO"), QryPesquisa.valor(QryPesquisa.recNo(), QStringLiteral("NP_CODIGO")));
    del.execSQL();
    TransQryPrincipal.commitRetaining();
}

void TfNotaPromissoria::ExcluirSelecionada(bool refresca)
{
    if (QryPesquisa.isEmpty() || QryPesquisa.recNo() < 0) {
        informacao(QStringLiteral("Não há registros a serem excluídos !"));
        return;
    }
    if (aviso() != RespostaAviso::Sim) return;
    try {
        excluiAtual();
    } catch (const ErroBD &) {
        try { TransQryPrincipal.rollbackRetaining(); } catch (const ErroBD &) {}
        informacao(MsgVinculos);
        return;
    }
    reabreLista();
    CalculaContadores();
    if (refresca) refrescaLembretes();
}

void TfNotaPromissoria::ExcluirTodas()
{
    if (QryPesquisa.isEmpty()) {
        informacao(QStringLiteral("Não há registros a serem excluídos !"));
        return;
    }
    if (aviso(7) != RespostaAviso::Sim) return;
    try {
        for (int i = 0; i < QryPesquisa.recordCount(); ++i) {
            QryPesquisa.setRecNo(i);
            excluiAtual();
        }
    } catch (const ErroBD &) {
        try { TransQryPrincipal.rollbackRetaining(); } catch (const ErroBD &) {}
        informacao(MsgVinculos);
    }
    reabreLista();
    refrescaLembretes();
    CalculaContadores();
}
