// The edit area of the note window: its fields in focus order, the eight pickers, the creditor's
// city, the limit preview, the persons window and the hand-back of the person it saves.

#include "TfNotaPromissoria.h"

#include "AbridorJanelas.h"
#include "CaixaTexto.h"
#include "Dados.h"
#include "DataEdit.h"
#include "ErroBD.h"
#include "JanelaPrincipal.h"
#include "Mensagens.h"
#include "MoedaEdit.h"
#include "RegrasNota.h"
#include "SeletorLocalidade.h"
#include "SeletorPessoa.h"
#include "TfCadastrosGerais.h"
#include "uFuncoes.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <QToolButton>

namespace {

const QStringList Estados = {"AC", "AL", "AM", "AP", "BA", "CE", "DF", "ES", "GO", "MA", "MG", "MS", "MT", "PA",
                             "PB", "PE", "PI", "PR", "RJ", "RN", "RO", "RR", "RS", "SC", "SE", "SP", "TO"};

QToolButton *botaoMais(QWidget *pai, const char *nome)
{
    auto *b = new QToolButton(pai);
    b->setObjectName(QLatin1String(nome));
    b->setText(QStringLiteral("+"));
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

QComboBox *comboEstados(QWidget *pai, const char *nome)
{
    auto *c = new QComboBox(pai);
    c->setObjectName(QLatin1String(nome));
    c->setEditable(true);
    c->addItem(QString());
    c->addItems(Estados);
    c->lineEdit()->setMaxLength(2);
    maiusculas(c->lineEdit());
    c->setInsertPolicy(QComboBox::NoInsert);
    c->setFixedWidth(56);
    return c;
}

QLineEdit *somenteLeitura(QWidget *pai, const char *nome)
{
    auto *e = new QLineEdit(pai);
    e->setObjectName(QLatin1String(nome));
    e->setReadOnly(true);
    e->setFocusPolicy(Qt::NoFocus);
    e->setStyleSheet(QStringLiteral("background: #eeeeee"));
    return e;
}

// Name box, list button and "+" button of a picker side by side.
QWidget *linhaSeletor(QWidget *pai, QWidget *antes, QLineEdit *edit, QToolButton *lista, QToolButton *mais)
{
    auto *w = new QWidget(pai);
    auto *h = new QHBoxLayout(w);
    h->setContentsMargins(0, 0, 0, 0);
    h->setSpacing(2);
    if (antes) h->addWidget(antes);
    h->addWidget(edit, 1);
    h->addWidget(lista);
    if (mais) h->addWidget(mais);
    return w;
}

} // namespace

void TfNotaPromissoria::montaEdicao()
{
    TabEdicao = new QGroupBox(QStringLiteral("Informe os dados da nota promissória"), this);
    TabEdicao->setObjectName(QStringLiteral("TabEdicao"));
    auto *g = new QGridLayout(TabEdicao);
    g->setVerticalSpacing(4);
    const auto rotulo = [this](const QString &t) { return new QLabel(t, TabEdicao); };

    EditValor = new MoedaEdit(TabEdicao);
    EditValor->setObjectName(QStringLiteral("EditValor"));
    EditTotalParcelas = new QLineEdit(QStringLiteral("1"), TabEdicao);
    EditTotalParcelas->setObjectName(QStringLiteral("EditTotalParcelas"));
    EditTotalParcelas->setValidator(new QIntValidator(1, RegrasNota::MaxParcelas, EditTotalParcelas));
    EditIntervalo = new QLineEdit(QStringLiteral("30"), TabEdicao);
    EditIntervalo->setObjectName(QStringLiteral("EditIntervalo"));
    EditVencimento = new DataEdit(TabEdicao);
    EditVencimento->setObjectName(QStringLiteral("EditVencimento"));
    LkpCredor = new QComboBox(TabEdicao);
    LkpCredor->setObjectName(QStringLiteral("LkpCredor"));
    ButCredorNovo = botaoMais(TabEdicao, "ButCredorNovo");
    EditCodVenda = new QLineEdit(TabEdicao);
    EditCodVenda->setObjectName(QStringLiteral("EditCodVenda"));
    EditCodVenda->setMaxLength(30);
    maiusculas(EditCodVenda);

    LabelTotalParcelas = rotulo(QStringLiteral("Nº de Parcelas"));
    LabelIntervalo = rotulo(QStringLiteral("Dias entre parcelas"));
    LabelVencimentoEd = rotulo(QStringLiteral("Dt. 1º Vencimento"));
    g->addWidget(rotulo(QStringLiteral("Valor Parcela ")), 0, 0);
    g->addWidget(EditValor, 1, 0);
    g->addWidget(LabelTotalParcelas, 0, 1);
    g->addWidget(EditTotalParcelas, 1, 1);
    g->addWidget(LabelIntervalo, 0, 2);
    g->addWidget(EditIntervalo, 1, 2);
    g->addWidget(LabelVencimentoEd, 0, 3);
    g->addWidget(EditVencimento, 1, 3);
    g->addWidget(rotulo(QStringLiteral("Credor (Empresa)")), 0, 4);
    auto *credor = new QWidget(TabEdicao);
    auto *hc = new QHBoxLayout(credor);
    hc->setContentsMargins(0, 0, 0, 0);
    hc->addWidget(LkpCredor, 1);
    hc->addWidget(ButCredorNovo);
    g->addWidget(credor, 1, 4, 1, 2);
    g->addWidget(rotulo(QStringLiteral("Nº Venda")), 0, 6);
    g->addWidget(EditCodVenda, 1, 6);

    // Pickers.
    Emitente = new SeletorPessoa(*Pessoas, QStringLiteral("Cliente"), TabEdicao);
    Avalista1 = new SeletorPessoa(*Pessoas, QStringLiteral("Avalista1"), TabEdicao);
    Avalista2 = new SeletorPessoa(*Pessoas, QStringLiteral("Avalista2"), TabEdicao);
    Avalista3 = new SeletorPessoa(*Pessoas, QStringLiteral("Avalista3"), TabEdicao);
    Avalista4 = new SeletorPessoa(*Pessoas, QStringLiteral("Avalista4"), TabEdicao);
    Emitente2 = new SeletorPessoa(*Pessoas, QStringLiteral("Emitente2"), TabEdicao);
    Emitente2->Edit->setMaxLength(32767);
    ComboEstados2 = comboEstados(TabEdicao, "ComboEstados2");
    ComboEstados = comboEstados(TabEdicao, "ComboEstados");
    Praca = new SeletorLocalidade(SeletorLocalidade::Tipo::Cidade, QStringLiteral("Praca"), TransLeitura, TabEdicao);
    Cidade = new SeletorLocalidade(SeletorLocalidade::Tipo::Cidade, QStringLiteral("Cidade"), TransLeitura, TabEdicao);
    ButClienteNovo = botaoMais(TabEdicao, "ButClienteNovo");
    ButNovaPraca = botaoMais(TabEdicao, "ButNovaPraca");
    ButCidadeNova = botaoMais(TabEdicao, "ButCidadeNova");
    BitBtn19 = botaoMais(TabEdicao, "BitBtn19");
    BitBtn17 = botaoMais(TabEdicao, "BitBtn17");
    BitBtn18 = botaoMais(TabEdicao, "BitBtn18");
    BitBtn6 = botaoMais(TabEdicao, "BitBtn6");
    BitBtn7 = botaoMais(TabEdicao, "BitBtn7");
    EditDocEmitente = somenteLeitura(TabEdicao, "EditDocEmitente");
    EditEndEmitente = somenteLeitura(TabEdicao, "EditEndEmitente");
    EditDocEmitente2 = somenteLeitura(TabEdicao, "EditDocEmitente2");
    EditEndEmitente2 = somenteLeitura(TabEdicao, "EditEndEmitente2");
    EditEmissao = new DataEdit(TabEdicao);
    EditEmissao->setObjectName(QStringLiteral("EditEmissao"));

    g->addWidget(rotulo(QStringLiteral("Emitente")), 2, 0);
    g->addWidget(linhaSeletor(TabEdicao, nullptr, Emitente->Edit, Emitente->But, ButClienteNovo), 3, 0, 1, 3);
    g->addWidget(EditDocEmitente, 3, 3);
    g->addWidget(EditEndEmitente, 3, 4, 1, 3);
    g->addWidget(rotulo(QStringLiteral("Pagável em (praça)")), 4, 0);
    g->addWidget(linhaSeletor(TabEdicao, ComboEstados2, Praca->Edit, Praca->But, ButNovaPraca), 5, 0, 1, 3);
    g->addWidget(rotulo(QStringLiteral("UF, Cidade emissão")), 4, 3);
    g->addWidget(linhaSeletor(TabEdicao, ComboEstados, Cidade->Edit, Cidade->But, ButCidadeNova), 5, 3, 1, 2);
    g->addWidget(rotulo(QStringLiteral("Dt. Emissão")), 4, 5);
    g->addWidget(EditEmissao, 5, 5);

    LabelObservacoes = rotulo(QStringLiteral("Observações Promissória"));
    LabelObservacoes->setObjectName(QStringLiteral("LabelObservacoes"));
    MemoDescricao = new QPlainTextEdit(TabEdicao);
    MemoDescricao->setObjectName(QStringLiteral("MemoDescricao"));
    MemoObsRecibo = new QPlainTextEdit(TabEdicao);
    MemoObsRecibo->setObjectName(QStringLiteral("MemoObsRecibo"));
    MemoObsRecibo->hide();
    for (QPlainTextEdit *m : {MemoDescricao, MemoObsRecibo}) {
        m->setTabChangesFocus(true);
        m->setFixedHeight(96);
    }
    ButObs2 = new QPushButton(QStringLiteral("Observação Recibo"), TabEdicao);
    ButObs2->setObjectName(QStringLiteral("ButObs2"));
    ButObs2->setFocusPolicy(Qt::NoFocus);
    g->addWidget(LabelObservacoes, 6, 0);
    g->addWidget(ButObs2, 6, 1);
    g->addWidget(MemoDescricao, 7, 0, 5, 3);
    g->addWidget(MemoObsRecibo, 7, 0, 5, 3);

    const QList<std::tuple<QString, SeletorPessoa *, QToolButton *>> garantes = {
        {QStringLiteral("1º Avalista "), Avalista1, BitBtn19}, {QStringLiteral("2º Avalista"), Avalista2, BitBtn17},
        {QStringLiteral("3º Avalista"), Avalista3, BitBtn18},  {QStringLiteral("4º Avalista"), Avalista4, BitBtn6},
        {QStringLiteral("2º Emitente"), Emitente2, BitBtn7}};
    int linha = 6;
    for (const auto &[texto, s, mais] : garantes) {
        g->addWidget(rotulo(texto), linha, 3);
        g->addWidget(linhaSeletor(TabEdicao, nullptr, s->Edit, s->But, mais), linha, 4, 1, 2);
        ++linha;
    }
    g->addWidget(EditDocEmitente2, linha - 1, 6);
    g->addWidget(EditEndEmitente2, linha, 4, 1, 3);

    LabelLimiteTitulo = rotulo(QStringLiteral("Como ficará o limite do cliente?"));
    LabelLimite = rotulo(QStringLiteral("R$ 0,00"));
    LabelLimite->setObjectName(QStringLiteral("LabelLimite"));
    LabelTotal = rotulo(QString());
    LabelTotal->setObjectName(QStringLiteral("LabelTotal"));
    for (QLabel *l : {LabelLimite, LabelTotal}) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
    }
    auto *limite = new QWidget(TabEdicao);
    auto *hl = new QHBoxLayout(limite);
    hl->setContentsMargins(0, 0, 0, 0);
    hl->addWidget(LabelTotal);
    hl->addStretch();
    hl->addWidget(LabelLimiteTitulo);
    hl->addWidget(LabelLimite);
    g->addWidget(limite, 2, 3, 1, 4);

    // Focus order of the edit area.
    const QList<QWidget *> ordem = {EditValor,     EditTotalParcelas, EditIntervalo,   EditVencimento, LkpCredor,
                                    EditCodVenda,  Emitente->Edit,    ComboEstados2,   Praca->Edit,    ComboEstados,
                                    Cidade->Edit,  EditEmissao,       MemoDescricao,   Avalista1->Edit, Avalista2->Edit,
                                    Avalista3->Edit, Avalista4->Edit, Emitente2->Edit, ButGravar,      ButCancelar};
    for (int i = 1; i < ordem.size(); ++i) setTabOrder(ordem.at(i - 1), ordem.at(i));

    for (QWidget *w : std::initializer_list<QWidget *>{EditValor, EditTotalParcelas, EditIntervalo, EditVencimento,
                                                       EditEmissao, LkpCredor})
        w->installEventFilter(this);
    TabEdicao->hide();
}

void TfNotaPromissoria::ligaSeletores()
{
    Emitente->proximo = ComboEstados2; // see below: the praça name when its state is set
    Avalista1->proximo = Avalista2->Edit;
    Avalista2->proximo = Avalista3->Edit;
    Avalista3->proximo = Avalista4->Edit;
    Avalista4->proximo = Emitente2->Edit;
    Emitente2->proximo = ButGravar;
    Praca->parametro = [this] { return QVariant(ComboEstados2->currentText()); };
    Cidade->parametro = [this] { return QVariant(ComboEstados->currentText()); };
    Praca->campoPai = ComboEstados2;
    Cidade->campoPai = ComboEstados;
    Cidade->proximo = EditEmissao;
    const auto ajustaProximos = [this] {
        Emitente->proximo = ComboEstados2->currentText().isEmpty() ? static_cast<QWidget *>(ComboEstados2) : Praca->Edit;
        Praca->proximo = ComboEstados->currentText().isEmpty() ? static_cast<QWidget *>(ComboEstados) : Cidade->Edit;
    };
    ajustaProximos();
    connect(ComboEstados2, &QComboBox::currentTextChanged, this, ajustaProximos);
    connect(ComboEstados, &QComboBox::currentTextChanged, this, ajustaProximos);

    const QList<std::pair<SeletorPessoa *, int>> pessoas = {
        {Emitente, JanelaNotasCadastro::Emitente},   {Avalista1, JanelaNotasCadastro::Avalista1}, {Avalista2, JanelaNotasCadastro::Avalista2},
        {Avalista3, JanelaNotasCadastro::Avalista3}, {Avalista4, JanelaNotasCadastro::Avalista4},
        {Emitente2, JanelaNotasCadastro::Emitente2}};
    for (const auto &[s, retorno] : pessoas) {
        connect(s, &SeletorPessoa::entrou, this, [this, s = s] { escondeListas(s); });
        connect(s->But, &QToolButton::clicked, this, [this, s = s] { escondeListas(s); });
        connect(s, &SeletorPessoa::cadastrar, this, [this, r = retorno](const QString &nome) { abreCadastroPessoas(r, nome, true); });
    }
    connect(Emitente, &SeletorPessoa::escolhido, this, [this](int codigo) {
        if (QryPrincipal.editando()) QryPrincipal[QStringLiteral("NP_COD_EMITENTE")] = codigo > 0 ? QVariant(codigo) : QVariant();
        mostraEmitente(codigo, false);
        CalculaLimite();
    });
    connect(Emitente2, &SeletorPessoa::escolhido, this, [this](int codigo) {
        if (QryPrincipal.editando()) QryPrincipal[QStringLiteral("NP_COD_EMITENTE2")] = codigo > 0 ? QVariant(codigo) : QVariant();
        mostraEmitente(codigo, true);
    });
    for (SeletorLocalidade *s : {Praca, Cidade}) {
        connect(s, &SeletorLocalidade::entrou, this, [this, s] { escondeListas(s); });
        connect(s->But, &QToolButton::clicked, this, [this, s] { escondeListas(s); });
    }
    connect(Praca, &SeletorLocalidade::voltou, this, [this] {
        if (QryPrincipal.editando()) QryPrincipal[QStringLiteral("NP_COD_PRACA")].clear();
    });
    connect(Cidade, &SeletorLocalidade::voltou, this, [this] {
        if (QryPrincipal.editando()) QryPrincipal[QStringLiteral("NP_COD_CIDADE")].clear();
    });

    connect(ButClienteNovo, &QToolButton::clicked, this, [this] { abreCadastroPessoas(JanelaNotasCadastro::Emitente, {}, false); });
    connect(BitBtn19, &QToolButton::clicked, this, [this] { abreCadastroPessoas(JanelaNotasCadastro::Avalista1, {}, false); });
    connect(BitBtn17, &QToolButton::clicked, this, [this] { abreCadastroPessoas(JanelaNotasCadastro::Avalista2, {}, false); });
    connect(BitBtn18, &QToolButton::clicked, this, [this] { abreCadastroPessoas(JanelaNotasCadastro::Avalista3, {}, false); });
    connect(BitBtn6, &QToolButton::clicked, this, [this] { abreCadastroPessoas(JanelaNotasCadastro::Avalista4, {}, false); });
    connect(BitBtn7, &QToolButton::clicked, this, [this] { abreCadastroPessoas(JanelaNotasCadastro::Emitente2, {}, false); });
    connect(ButCredorNovo, &QToolButton::clicked, this, [this] { abreJanela(QStringLiteral("EMPRESAS")); });
    connect(ButNovaPraca, &QToolButton::clicked, this, [this] { abreJanela(QStringLiteral("CIDADES")); });
    connect(ButCidadeNova, &QToolButton::clicked, this, [this] { abreJanela(QStringLiteral("CIDADES")); });
    connect(ButObs2, &QPushButton::clicked, this, &TfNotaPromissoria::ButObs2Click);
}

void TfNotaPromissoria::escondeListas(QObject *exceto)
{
    for (SeletorPessoa *s : {Emitente, Avalista1, Avalista2, Avalista3, Avalista4, Emitente2})
        if (s != exceto) s->escondeLista();
    for (SeletorLocalidade *s : {Praca, Cidade})
        if (s != exceto) s->escondeLista();
}

void TfNotaPromissoria::limpaSeletores()
{
    for (SeletorPessoa *s : {Emitente, Avalista1, Avalista2, Avalista3, Avalista4, Emitente2}) s->limpa();
    Praca->limpa();
    Cidade->limpa();
    for (QLineEdit *e : {EditDocEmitente, EditEndEmitente, EditDocEmitente2, EditEndEmitente2}) e->clear();
}

// The stored parties of the record into the pickers (a record being altered).
void TfNotaPromissoria::mostraSeletores()
{
    Query &q = QryPrincipal;
    const auto cod = [&q](const char *campo) { return q[QLatin1String(campo)].asInteger(); };
    const auto nome = [&q](const char *campo) { return q[QLatin1String(campo)].asString(); };
    Emitente->mostra(cod("NP_COD_EMITENTE"), nome("EMITENTE"));
    Emitente2->mostra(cod("NP_COD_EMITENTE2"), nome("EMITENTE2"));
    Avalista1->mostra(cod("NP_COD_AVALISTA1"), nome("AVALISTA1"));
    Avalista2->mostra(cod("NP_COD_AVALISTA2"), nome("AVALISTA2"));
    Avalista3->mostra(cod("NP_COD_AVALISTA3"), nome("AVALISTA3"));
    Avalista4->mostra(cod("NP_COD_AVALISTA4"), nome("AVALISTA4"));
    ComboEstados2->setCurrentText(nome("PRACA_UF"));
    ComboEstados->setCurrentText(nome("CIDADE_UF"));
    Praca->mostra(cod("NP_COD_PRACA"), nome("PRACA"));
    Cidade->mostra(cod("NP_COD_CIDADE"), nome("CIDADE"));
    mostraEmitente(Emitente->codigo(), false);
    mostraEmitente(Emitente2->codigo(), true);
}

void TfNotaPromissoria::mostraEmitente(int codigo, bool segundo)
{
    QLineEdit *doc = segundo ? EditDocEmitente2 : EditDocEmitente;
    QLineEdit *end = segundo ? EditEndEmitente2 : EditEndEmitente;
    doc->clear();
    end->clear();
    if (codigo <= 0) return;
    QryConsulta.close();
    QryConsulta.sql.defineTexto(QStringLiteral("select CG_CPF_CNPJ, CG_ENDERECO_COMPLETO2 from CADASTROS where CG_CODIGO=:CODIGO"));
    QryConsulta.defineParametro(QStringLiteral("CODIGO"), codigo);
    QryConsulta.open();
    if (QryConsulta.isEmpty()) return;
    doc->setText(QryConsulta.valor(0, 0).toString());
    end->setText(QryConsulta.valor(0, 1).toString());
}

void TfNotaPromissoria::preencheCidadesDoCredor()
{
    const int credor = LkpCredor->currentData().toInt();
    Query &emp = dados().LookupEmpresasNP;
    Query &cid = dados().LookupCidades;
    Dados::abre(emp);
    Dados::abre(cid);
    if (cid.isEmpty()) return;
    int cidade = 0;
    if (emp.locate(QStringLiteral("EM_CODIGO"), credor)) cidade = emp[QStringLiteral("EM_COD_CIDADE")].asInteger();
    // A creditor without a visible city leaves both pickers empty instead of taking whatever
    // city the list happens to be on.
    if (cidade <= 0 || !cid.locate(QStringLiteral("CD_CODIGO"), cidade)) return;
    const QString nome = cid[QStringLiteral("CD_NOME")].asString();
    const QString uf = cid[QStringLiteral("CD_UF")].asString();
    ComboEstados2->setCurrentText(uf);
    ComboEstados->setCurrentText(uf);
    Praca->mostra(cidade, nome);
    Cidade->mostra(cidade, nome);
    if (QryPrincipal.editando()) {
        QryPrincipal[QStringLiteral("NP_COD_PRACA")] = cidade;
        QryPrincipal[QStringLiteral("NP_COD_CIDADE")] = cidade;
    }
    Praca->escondeLista();
    Cidade->escondeLista();
}

Moeda TfNotaPromissoria::saldoDoEmitente(int emitente)
{
    QryConsulta.close();
    QryConsulta.sql.defineLinhas({QStringLiteral("SELECT SUM(NP_SALDO_DEVEDOR) AS SALDO FROM NOTAPROMISSORIA "),
                                  QStringLiteral("WHERE NP_COD_EMITENTE=:CLIENTE")});
    QryConsulta.defineParametro(QStringLiteral("CLIENTE"), emitente);
    QryConsulta.open();
    return QryConsulta.isEmpty() ? Moeda() : QryConsulta[QStringLiteral("SALDO")].asMoeda();
}

Moeda TfNotaPromissoria::limiteDoEmitente(int emitente)
{
    QryConsulta.close();
    QryConsulta.sql.defineTexto(QStringLiteral("select CG_LIMITE_TOTAL from CADASTROS where CG_CODIGO=:CODIGO"));
    QryConsulta.defineParametro(QStringLiteral("CODIGO"), emitente);
    QryConsulta.open();
    return QryConsulta.isEmpty() ? Moeda() : QryConsulta[QStringLiteral("CG_LIMITE_TOTAL")].asMoeda();
}

void TfNotaPromissoria::CalculaLimite()
{
    const int emitente = Emitente->codigo();
    const bool editando = QryPrincipal.editando() || parcelasGravadas_ || revisando_;
    const Moeda valor = editando ? EditValor->valor() : Moeda();
    limite_ = Moeda();
    if (emitente > 0) {
        const Moeda s = saldoDoEmitente(emitente);
        const Moeda l = limiteDoEmitente(emitente);
        if (modo_ == Inserindo && !parcelasGravadas_) {
            const int parcelas = QryPrincipal.editando() ? qMax(1, QryPrincipal[QStringLiteral("NP_TOTAL_PARCELAS")].asInteger()) : 1;
            limite_ = l - s - valor * parcelas;
        } else {
            limite_ = l - s;
        }
    }
    if (modo_ == Inserindo) {
        total_ = valor * qMax(1, EditTotalParcelas->text().toInt());
        LabelTotal->setText(QStringLiteral("TOTAL  ") + total_.formatado());
    } else {
        total_ = Moeda();
        LabelTotal->clear();
    }
    LabelLimite->setText(emitente > 0 ? limite_.formatado() : QStringLiteral("R$ 0,00"));
    LabelLimite->setStyleSheet(limite_ < Moeda() ? QStringLiteral("color: red") : QStringLiteral("color: navy"));
}

bool TfNotaPromissoria::intervaloValido()
{
    if (RegrasNota::intervalo(EditIntervalo->text())) return true;
    informacao(QStringLiteral("\"Dias entre parcelas\" aceita apenas números inteiros!"));
    EditIntervalo->selectAll();
    EditIntervalo->setFocus();
    return false;
}

void TfNotaPromissoria::saiuIntervalo()
{
    const QString t = EditIntervalo->text().trimmed();
    if (t.isEmpty()) EditIntervalo->setText(QStringLiteral("0"));
    if (const auto dias = RegrasNota::intervalo(EditIntervalo->text())) EditIntervalo->setText(QString::number(*dias));
}

void TfNotaPromissoria::ButObs2Click()
{
    const bool recibo = MemoDescricao->isVisible();
    MemoDescricao->setVisible(!recibo);
    MemoObsRecibo->setVisible(recibo);
    LabelObservacoes->setText(recibo ? QStringLiteral("Observações Recibo") : QStringLiteral("Observações Promissória"));
    QFont f = LabelObservacoes->font();
    f.setBold(recibo);
    LabelObservacoes->setFont(f);
}

// ---- persons window and its hand-back ----

void TfNotaPromissoria::abreJanela(const QString &tipo)
{
    if (auto *p = JanelaPrincipal::atual()) p->abreJanela(tipo);
}

void TfNotaPromissoria::abreCadastroPessoas(int retorno, const QString &nome, bool novo)
{
    QWidget *w = nullptr;
    if (auto *p = JanelaPrincipal::atual()) {
        w = p->abreJanela(QStringLiteral("CADASTROS")); // nullptr when it is open already
    } else if (!pessoas_) {
        w = AbridorJanelas::cria(TipoJanela::CadastrosGerais, this);
        if (w) {
            w->setAttribute(Qt::WA_DeleteOnClose);
            w->show();
            pessoas_ = w;
        }
    }
    auto *j = dynamic_cast<TfCadastrosGerais *>(w);
    if (!j) return;
    j->defineRetorno(retorno);
    if (novo) j->novoClienteComNome(nome);
    else j->ButNovoClick();
}

void TfNotaPromissoria::ButCadastrosClick()
{
    QWidget *w = nullptr;
    if (auto *p = JanelaPrincipal::atual()) w = p->abreJanela(QStringLiteral("CADASTROS"));
    else if (!pessoas_) {
        w = AbridorJanelas::cria(TipoJanela::CadastrosGerais, this);
        if (w) {
            w->setAttribute(Qt::WA_DeleteOnClose);
            w->show();
            pessoas_ = w;
        }
    }
    auto *j = dynamic_cast<TfCadastrosGerais *>(w);
    if (!j) return;
    if (Emitente->codigo() > 0) j->pesquisaCodigo(Emitente->codigo());
    else if (modo_ != Normal) {
        j->defineRetorno(JanelaNotasCadastro::Emitente);
        j->ButNovoClick();
    }
}

SeletorPessoa *TfNotaPromissoria::seletorDoRetorno(int retorno) const
{
    switch (retorno) {
    case JanelaNotasCadastro::Emitente: return Emitente;
    case JanelaNotasCadastro::Avalista1: return Avalista1;
    case JanelaNotasCadastro::Avalista2: return Avalista2;
    case JanelaNotasCadastro::Avalista3: return Avalista3;
    case JanelaNotasCadastro::Avalista4: return Avalista4;
    case JanelaNotasCadastro::Emitente2: return Emitente2;
    default: return nullptr;
    }
}

void TfNotaPromissoria::recebePessoa(int retorno, int codigo, const QString &nome)
{
    SeletorPessoa *s = seletorDoRetorno(retorno);
    if (!s) return;
    Pessoas->reabre();
    s->mostra(codigo, nome);
    if (QryPrincipal.editando()) {
        if (retorno == JanelaNotasCadastro::Emitente) QryPrincipal[QStringLiteral("NP_COD_EMITENTE")] = codigo;
        if (retorno == JanelaNotasCadastro::Emitente2) QryPrincipal[QStringLiteral("NP_COD_EMITENTE2")] = codigo;
    }
    if (retorno == JanelaNotasCadastro::Emitente) mostraEmitente(codigo, false);
    if (retorno == JanelaNotasCadastro::Emitente2) mostraEmitente(codigo, true);
    CalculaLimite();
    QWidget *proximo = retorno == JanelaNotasCadastro::Emitente ? static_cast<QWidget *>(ComboEstados2) : s->proximo;
    activateWindow();
    if (proximo) proximo->setFocus(Qt::OtherFocusReason);
}
