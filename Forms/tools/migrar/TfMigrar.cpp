#include "TfMigrar.h"

#include "CaixaTexto.h"
#include "Dados.h"
#include "JanelaPrincipal.h"
#include "Mensagens.h"
#include "Migracao.h"
#include "TeclasNavegacao.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScopeGuard>
#include <QSignalBlocker>

namespace {

QComboBox *caixa(QWidget *pai, const char *nome)
{
    auto *c = new QComboBox(pai);
    c->setObjectName(QLatin1String(nome));
    c->setEditable(true);
    c->setInsertPolicy(QComboBox::NoInsert);
    c->setMaxVisibleItems(20);
    maiusculas(c->lineEdit());
    return c;
}

QLabel *rotulo(QWidget *pai, const char *nome, const QString &texto)
{
    auto *l = new QLabel(texto, pai);
    l->setObjectName(QLatin1String(nome));
    return l;
}

bool vazio(const QString &texto) { return texto.trimmed().isEmpty(); }

} // namespace

TfMigrar::TfMigrar(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      TransCidades(dados().DataBase, QStringLiteral("TransCidades")), QryCidades(dados().DataBase, TransCidades, this)
{
    setObjectName(QStringLiteral("fMigrar"));
    setWindowTitle(QStringLiteral("Migrar dados da versão Lite para a versão Pro"));
    QryCidades.sql.defineLinhas({QStringLiteral("select CD_CODIGO, CD_NOME, CD_UF from  CIDADES"),
                                 QStringLiteral("WHERE CD_UF=:UF"), QStringLiteral("AND CD_EXIBIR='T'"),
                                 QStringLiteral("order by CD_NOME")});
    monta();
    abre();
}

TfMigrar::~TfMigrar() = default;

void TfMigrar::monta()
{
    auto *g = new QGridLayout(this);
    LabelStatus = rotulo(this, "LabelStatus", QStringLiteral("Migrando...."));
    QFont negrito = LabelStatus->font();
    negrito.setBold(true);
    LabelStatus->setFont(negrito);
    LabelCredor = rotulo(this, "LabelCredor", QStringLiteral("1) Informe o credor (sua empresa)"));
    LabelCidade = rotulo(this, "LabelCidade", QStringLiteral("2) Informe sua cidade"));
    LabelMigrar = rotulo(this, "LabelMigrar", QStringLiteral("3) Clique em Migrar Dados"));
    EditCredor = caixa(this, "EditCredor");
    ComboEstados = caixa(this, "ComboEstados");
    ComboEstados->setMinimumContentsLength(3);
    EditCidade = caixa(this, "EditCidade");
    ButMigrar = new QPushButton(QStringLiteral("Migrar Dados"), this);
    ButMigrar->setObjectName(QStringLiteral("ButMigrar"));
    BarraProgresso = new QProgressBar(this);
    BarraProgresso->setObjectName(QStringLiteral("BarraProgresso"));
    BarraProgresso->setRange(0, 1);
    BarraProgresso->setValue(0);

    g->addWidget(LabelStatus, 0, 0, 1, 3);
    g->addWidget(LabelCredor, 1, 0, 1, 3);
    g->addWidget(EditCredor, 2, 0, 1, 3);
    g->addWidget(LabelCidade, 3, 0, 1, 3);
    g->addWidget(ComboEstados, 4, 0);
    g->addWidget(EditCidade, 4, 1, 1, 2);
    g->addWidget(LabelMigrar, 5, 0, 1, 3);
    g->addWidget(ButMigrar, 6, 0, 1, 3);
    g->addWidget(BarraProgresso, 7, 0, 1, 3);
    g->setColumnStretch(1, 1);
    setMinimumWidth(420);
    setTabOrder(EditCredor, ComboEstados);
    setTabOrder(ComboEstados, EditCidade);
    setTabOrder(EditCidade, ButMigrar);
    TeclasNavegacao::instala(this);

    connect(EditCredor, &QComboBox::editTextChanged, this, [this] { EditCredorChange(); });
    connect(ComboEstados, &QComboBox::editTextChanged, this, [this] { ComboEstadosChange(); });
    connect(EditCidade, &QComboBox::editTextChanged, this, [this] { EditCidadeChange(); });
    connect(ButMigrar, &QPushButton::clicked, this, [this] { ButMigrarClick(); });
}

void TfMigrar::abre()
{
    Dados &dm = dados();
    Dados::abre(dm.LookupEmpresasNP);
    Dados::abre(dm.LookupEstados);
    Dados::abre(dm.QryConfigs);
    const QSignalBlocker b1(EditCredor), b2(ComboEstados), b3(EditCidade);
    for (int i = 0, n = dm.LookupEmpresasNP.recordCount(); i < n; ++i)
        EditCredor->addItem(dm.LookupEmpresasNP.valor(i, QStringLiteral("CREDOR")).toString());
    EditCredor->setCurrentIndex(-1);
    EditCredor->setEditText(QString());

    const QVariant padrao = dm.QryConfigs.isEmpty() ? QVariant() : dm.QryConfigs.valor(0, QStringLiteral("CF_UF_PADRAO"));
    int estado = -1;
    for (int i = 0, n = dm.LookupEstados.recordCount(); i < n; ++i) {
        ComboEstados->addItem(dm.LookupEstados.valor(i, QStringLiteral("ES_SIGLA")).toString());
        if (!padrao.isNull() && dm.LookupEstados.valor(i, QStringLiteral("ES_CODIGO")).toInt() == padrao.toInt())
            estado = i;
    }
    if (estado < 0) estado = ComboEstados->count() - 1;
    ComboEstados->setCurrentIndex(estado);
    carregaCidades(ComboEstados->currentText());
    EditCidade->setCurrentIndex(-1);
    EditCidade->setEditText(QString());

    LabelStatus->setText(QStringLiteral("Informe o credor (seus dados)!"));
    EditCredor->setFocus();
}

void TfMigrar::carregaCidades(const QString &uf)
{
    const QString texto = EditCidade->currentText();
    const QSignalBlocker b(EditCidade);
    QryCidades.close();
    QryCidades.defineParametro(QStringLiteral("UF"), uf);
    QryCidades.open();
    EditCidade->clear();
    for (int i = 0, n = QryCidades.recordCount(); i < n; ++i)
        EditCidade->addItem(QryCidades.valor(i, QStringLiteral("CD_NOME")).toString());
    EditCidade->setCurrentIndex(-1);
    EditCidade->setEditText(texto);
}

void TfMigrar::EditCredorChange()
{
    if (!EditCredor->currentText().isEmpty()) LabelStatus->setText(QStringLiteral("Informe o seu Estado!"));
}

void TfMigrar::ComboEstadosChange()
{
    carregaCidades(ComboEstados->currentText());
    if (!ComboEstados->currentText().isEmpty()) LabelStatus->setText(QStringLiteral("Informe a sua cidade!"));
}

void TfMigrar::EditCidadeChange()
{
    if (!EditCidade->currentText().isEmpty() && !ComboEstados->currentText().isEmpty())
        LabelStatus->setText(QStringLiteral("Clique em Migrar Dados para começar o processo"));
}

// The first company, in code order, whose name is `nome` in any letter case; 0 when none.
int TfMigrar::codigoEmpresa(const QString &nome)
{
    Query &q = dados().LookupEmpresasNP;
    Dados::reabre(q);
    const QString chave = Migracao::chaveNome(nome);
    for (int i = 0, n = q.recordCount(); i < n; ++i)
        if (Migracao::chaveNome(q.valor(i, QStringLiteral("CREDOR")).toString()) == chave)
            return q.valor(i, QStringLiteral("EM_CODIGO")).toInt();
    return 0;
}

// The visible city of the typed state named `nome` in any letter case; 0 when none.
int TfMigrar::codigoCidade(const QString &nome)
{
    carregaCidades(ComboEstados->currentText());
    const QString chave = Migracao::chaveNome(nome);
    for (int i = 0, n = QryCidades.recordCount(); i < n; ++i)
        if (Migracao::chaveNome(QryCidades.valor(i, QStringLiteral("CD_NOME")).toString()) == chave)
            return QryCidades.valor(i, QStringLiteral("CD_CODIGO")).toInt();
    return 0;
}

void TfMigrar::ButMigrarClick()
{
    if (migrando_ || !ButMigrar->isEnabled()) return;
    const auto recusa = [](const QString &texto, QWidget *campo) {
        informacao(texto);
        campo->setFocus();
    };
    if (vazio(EditCredor->currentText())) return recusa(QStringLiteral("É necessário informar a empresa!"), EditCredor);
    if (vazio(ComboEstados->currentText()))
        return recusa(QStringLiteral("É necessário informar o seu Estado!"), ComboEstados);
    if (vazio(EditCidade->currentText())) return recusa(QStringLiteral("É necessário informar sua cidade!"), EditCidade);
    const int credor = codigoEmpresa(EditCredor->currentText());
    if (!credor) return recusa(QStringLiteral("Empresa não localizada!"), EditCredor);
    const int cidade = codigoCidade(EditCidade->currentText());
    if (!cidade) return recusa(QStringLiteral("Cidade não localizada!"), EditCidade);

    // A failure (the database's message, shown by the application) leaves the window ready to
    // try again: nothing of the run was stored.
    migrando_ = true;
    habilitaEntrada(false);
    auto volta = qScopeGuard([this] {
        migrando_ = false;
        habilitaEntrada(true);
        BarraProgresso->setValue(0);
        LabelStatus->setText(QStringLiteral("Clique em Migrar Dados para começar o processo"));
    });
    LabelStatus->setText(QStringLiteral("Processo iniciado... aguarde!"));

    const Migracao::Resultado r = Migracao::executaEmSegundoPlano(
        dados().DataBase, credor, cidade, [this](int feitas, int total) { mostraProgresso(feitas, total); });
    volta.dismiss();
    migrando_ = false;
    habilitaEntrada(true);
    ButMigrar->setEnabled(false);

    Dados &dm = dados();
    if (r.pessoasCriadas) {
        Dados::reabre(dm.LookupClientesNP);
        Dados::reabre(dm.LookupCadastros);
    }
    if (auto *p = JanelaPrincipal::atual()) p->AbreTabelasLembretes();
    LabelStatus->setText(QStringLiteral("Processo concluído com sucesso!"));
    informacao(QStringLiteral("Migração ocorrida com sucesso!\r%1 nota(s) copiada(s), %2 já migrada(s) antes e não "
                              "copiada(s) de novo.")
                   .arg(r.copiadas)
                   .arg(r.ignoradas));
}

void TfMigrar::mostraProgresso(int feitas, int total)
{
    BarraProgresso->setRange(0, qMax(total, 1));
    BarraProgresso->setValue(total == 0 ? 1 : feitas);
}

void TfMigrar::habilitaEntrada(bool sim)
{
    for (QWidget *w : {static_cast<QWidget *>(EditCredor), static_cast<QWidget *>(ComboEstados),
                       static_cast<QWidget *>(EditCidade), static_cast<QWidget *>(ButMigrar)})
        w->setEnabled(sim);
}

void TfMigrar::closeEvent(QCloseEvent *e)
{
    // The copy runs in one transaction that this window ends; it cannot be left half-way.
    if (migrando_) {
        e->ignore();
        return;
    }
    QWidget::closeEvent(e);
}
