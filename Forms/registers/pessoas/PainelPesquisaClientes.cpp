#include "PainelPesquisaClientes.h"

#include "CaixaTexto.h"
#include "DataEdit.h"
#include "FiltrosPesquisa.h"
#include "Query.h"

#include <QComboBox>
#include <QGridLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

const QStringList PainelPesquisaClientes::Meses = {
    QStringLiteral("JANEIRO"), QStringLiteral("FEVEREIRO"), QStringLiteral("MARÇO"),    QStringLiteral("ABRIL"),
    QStringLiteral("MAIO"),    QStringLiteral("JUNHO"),     QStringLiteral("JULHO"),    QStringLiteral("AGOSTO"),
    QStringLiteral("SETEMBRO"), QStringLiteral("OUTUBRO"),  QStringLiteral("NOVEMBRO"), QStringLiteral("DEZEMBRO")};

using FiltrosPesquisa::dataPreenchida;
using FiltrosPesquisa::literal;
using FiltrosPesquisa::preenchido;

PainelPesquisaClientes::PainelPesquisaClientes(QWidget *pai) : QWidget(pai)
{
    setObjectName(QStringLiteral("PainelPesquisa"));
    auto caixa = [this](const char *nome) {
        auto *e = new QLineEdit(this);
        e->setObjectName(QLatin1String(nome));
        return e;
    };
    auto data = [this](const char *nome) {
        auto *e = new DataEdit(this);
        e->setObjectName(QLatin1String(nome));
        return e;
    };
    PesqEditNome = caixa("PesqEditNome");
    PesqEditNome->setMaxLength(50);
    maiusculas(PesqEditNome);
    PesqEditCodigo = caixa("PesqEditCodigo");
    PesqEditCodigo->setValidator(new QIntValidator(0, 2147483647, PesqEditCodigo));
    PesqEditDataCad1 = data("PesqEditDataCad1");
    PesqEditDataCad2 = data("PesqEditDataCad2");
    PesqEditDataAtual1 = data("PesqEditDataAtual1");
    PesqEditDataAtual2 = data("PesqEditDataAtual2");
    PesqEditContato = caixa("PesqEditContato");
    PesqEditEndereco = caixa("PesqEditEndereco");
    maiusculas(PesqEditEndereco);
    PesqEditAniver = new QComboBox(this);
    PesqEditAniver->setObjectName(QStringLiteral("PesqEditAniver"));
    PesqEditAniver->setEditable(true);
    PesqEditAniver->setInsertPolicy(QComboBox::NoInsert);
    PesqEditAniver->addItems(Meses);
    maiusculas(PesqEditAniver->lineEdit());
    PesqEditAniver->setCurrentIndex(-1);
    PesqLabelLimpar = new QLabel(QStringLiteral("<a href=\"#\">Limpar busca</a>"), this);
    PesqLabelLimpar->setObjectName(QStringLiteral("PesqLabelLimpar"));
    PesqButBuscar = new QPushButton(QStringLiteral(" Buscar"), this);
    PesqButBuscar->setObjectName(QStringLiteral("PesqButBuscar"));
    PesqButBuscar->setToolTip(QStringLiteral("Efetua busca das opções relacionadas"));
    PesqButBuscar->setAutoDefault(false);

    auto *g = new QGridLayout(this);
    g->setContentsMargins(4, 4, 4, 4);
    g->addWidget(new QLabel(QStringLiteral("PESQUISAR por: Nome"), this), 0, 0);
    g->addWidget(PesqEditNome, 0, 1, 1, 3);
    g->addWidget(new QLabel(QStringLiteral("Código"), this), 0, 4);
    g->addWidget(PesqEditCodigo, 0, 5);
    g->addWidget(new QLabel(QStringLiteral("Data Cadastro"), this), 1, 0);
    g->addWidget(PesqEditDataCad1, 1, 1);
    g->addWidget(PesqEditDataCad2, 1, 2);
    g->addWidget(new QLabel(QStringLiteral("Data Atualização"), this), 1, 3);
    g->addWidget(PesqEditDataAtual1, 1, 4);
    g->addWidget(PesqEditDataAtual2, 1, 5);
    g->addWidget(new QLabel(QStringLiteral("Contato"), this), 2, 0);
    g->addWidget(PesqEditContato, 2, 1, 1, 2);
    g->addWidget(new QLabel(QStringLiteral("Endereço/ Cidade"), this), 2, 3);
    g->addWidget(PesqEditEndereco, 2, 4, 1, 2);
    g->addWidget(new QLabel(QStringLiteral("Aniversário"), this), 3, 0);
    g->addWidget(PesqEditAniver, 3, 1);
    g->addWidget(PesqLabelLimpar, 3, 3);
    g->addWidget(PesqButBuscar, 3, 5);

    connect(PesqButBuscar, &QPushButton::clicked, this, &PainelPesquisaClientes::buscar);
    connect(PesqLabelLimpar, &QLabel::linkActivated, this, &PainelPesquisaClientes::limpar);
}

int PainelPesquisaClientes::numeroMes(const QString &mes) { return int(Meses.indexOf(mes)) + 1; }

void PainelPesquisaClientes::limpa()
{
    for (QLineEdit *e : {PesqEditNome, PesqEditCodigo, PesqEditContato, PesqEditEndereco}) e->clear();
    for (DataEdit *e : {PesqEditDataCad1, PesqEditDataCad2, PesqEditDataAtual1, PesqEditDataAtual2}) e->clear();
    PesqEditAniver->setCurrentIndex(-1);
    PesqEditAniver->setEditText(QString());
}

bool PainelPesquisaClientes::confereFiltros()
{
    for (auto [primeira, segunda] : {std::pair{PesqEditDataCad1, PesqEditDataCad2}, std::pair{PesqEditDataAtual1, PesqEditDataAtual2}})
        if (!FiltrosPesquisa::confereDatas(primeira, segunda)) return false;
    return true;
}

void PainelPesquisaClientes::aplicaFiltros(Query &lista)
{
    if (preenchido(PesqEditNome))
        lista.sql[9] = QStringLiteral("AND CG.CG_NOME LIKE('%") + literal(PesqEditNome->text()) + QStringLiteral("%')");
    if (preenchido(PesqEditCodigo)) {
        lista.sql[10] = QStringLiteral("AND CG.CG_CODIGO=:CODIGO");
        lista.defineParametro(QStringLiteral("CODIGO"), PesqEditCodigo->text().trimmed().toInt());
    }
    if (dataPreenchida(PesqEditDataCad1) || dataPreenchida(PesqEditDataCad2)) {
        lista.sql[11] = QStringLiteral("AND CG.CG_DT_CAD>=:DATACAD1 AND CG.CG_DT_CAD<=:DATACAD2");
        lista.defineParametro(QStringLiteral("DATACAD1"), PesqEditDataCad1->data());
        lista.defineParametro(QStringLiteral("DATACAD2"), PesqEditDataCad2->data());
    }
    if (dataPreenchida(PesqEditDataAtual1) || dataPreenchida(PesqEditDataAtual2)) {
        lista.sql[12] = QStringLiteral("AND CG.CG_DT_ATUAL>=:DATAATUAL1 AND CG.CG_DT_ATUAL<=:DATAATUAL2");
        lista.defineParametro(QStringLiteral("DATAATUAL1"), PesqEditDataAtual1->data());
        lista.defineParametro(QStringLiteral("DATAATUAL2"), PesqEditDataAtual2->data());
    }
    if (preenchido(PesqEditContato))
        lista.sql[13] = QStringLiteral("AND CG.CG_CONTATOS LIKE('%") + literal(PesqEditContato->text()) + QStringLiteral("%')");
    if (preenchido(PesqEditEndereco))
        lista.sql[14] = QStringLiteral("AND CG.CG_ENDERECO_COMPLETO2 LIKE('%") + literal(PesqEditEndereco->text())
                        + QStringLiteral("%')");
    const QString mes = PesqEditAniver->currentText();
    if (!mes.isEmpty() && mes != QLatin1String(" ")) {
        lista.sql[15] = QStringLiteral("AND (extract(month from CG.CG_DT_NASC) = :MES)");
        lista.defineParametro(QStringLiteral("MES"), numeroMes(mes));
    }
}
