#include "PainelPesquisaEmpresas.h"

#include "CaixaTexto.h"
#include "DataEdit.h"
#include "FiltrosPesquisa.h"
#include "Query.h"

#include <QGridLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using FiltrosPesquisa::literal;
using FiltrosPesquisa::preenchido;

PainelPesquisaEmpresas::PainelPesquisaEmpresas(QWidget *pai) : QWidget(pai)
{
    setObjectName(QStringLiteral("PainelPesquisa"));
    auto caixa = [this](const char *nome) {
        auto *e = new QLineEdit(this);
        e->setObjectName(QLatin1String(nome));
        e->setMaxLength(50);
        maiusculas(e);
        return e;
    };
    auto data = [this](const char *nome) {
        auto *e = new DataEdit(this);
        e->setObjectName(QLatin1String(nome));
        return e;
    };
    PesqEditNome = caixa("PesqEditNome");
    PesqEditCodigo = caixa("PesqEditCodigo");
    PesqEditCodigo->setValidator(new QIntValidator(0, 2147483647, PesqEditCodigo));
    PesqEditDataCad1 = data("PesqEditDataCad1");
    PesqEditDataCad2 = data("PesqEditDataCad2");
    PesqEditDataAtual1 = data("PesqEditDataAtual1");
    PesqEditDataAtual2 = data("PesqEditDataAtual2");
    PesqEditRazao = caixa("PesqEditRazao");
    PesqEditEndereco = caixa("PesqEditEndereco");
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
    g->addWidget(new QLabel(QStringLiteral("Razão Social"), this), 2, 0);
    g->addWidget(PesqEditRazao, 2, 1, 1, 2);
    g->addWidget(new QLabel(QStringLiteral("Endereço"), this), 2, 3);
    g->addWidget(PesqEditEndereco, 2, 4, 1, 2);
    g->addWidget(PesqLabelLimpar, 3, 3);
    g->addWidget(PesqButBuscar, 3, 5);

    connect(PesqButBuscar, &QPushButton::clicked, this, &PainelPesquisaEmpresas::buscar);
    connect(PesqLabelLimpar, &QLabel::linkActivated, this, &PainelPesquisaEmpresas::limpar);
}

void PainelPesquisaEmpresas::limpa()
{
    for (QLineEdit *e : {PesqEditNome, PesqEditCodigo, PesqEditRazao, PesqEditEndereco}) e->clear();
    for (DataEdit *e : {PesqEditDataCad1, PesqEditDataCad2, PesqEditDataAtual1, PesqEditDataAtual2}) e->clear();
}

bool PainelPesquisaEmpresas::confereFiltros()
{
    return FiltrosPesquisa::confereDatas(PesqEditDataCad1, PesqEditDataCad2)
           && FiltrosPesquisa::confereDatas(PesqEditDataAtual1, PesqEditDataAtual2);
}

void PainelPesquisaEmpresas::aplicaFiltros(Query &lista)
{
    if (preenchido(PesqEditNome))
        lista.sql[7] = QStringLiteral("AND EM.EM_FANTASIA LIKE('%") + literal(PesqEditNome->text()) + QStringLiteral("%')");
    if (preenchido(PesqEditCodigo)) {
        lista.sql[8] = QStringLiteral("AND EM.EM_CODIGO=:CODIGO");
        lista.defineParametro(QStringLiteral("CODIGO"), PesqEditCodigo->text().trimmed().toInt());
    }
    if (FiltrosPesquisa::usaDatas(PesqEditDataCad1, PesqEditDataCad2)) {
        lista.sql[9] = QStringLiteral("AND EM.EM_DT_CAD>=:DATACAD1 AND EM.EM_DT_CAD<=:DATACAD2");
        lista.defineParametro(QStringLiteral("DATACAD1"), PesqEditDataCad1->data());
        lista.defineParametro(QStringLiteral("DATACAD2"), PesqEditDataCad2->data());
    }
    if (FiltrosPesquisa::usaDatas(PesqEditDataAtual1, PesqEditDataAtual2)) {
        lista.sql[10] = QStringLiteral("AND EM.EM_DT_ATUAL>=:DATAATUAL1 AND EM.EM_DT_ATUAL<=:DATAATUAL2");
        lista.defineParametro(QStringLiteral("DATAATUAL1"), PesqEditDataAtual1->data());
        lista.defineParametro(QStringLiteral("DATAATUAL2"), PesqEditDataAtual2->data());
    }
    if (preenchido(PesqEditRazao))
        lista.sql[11] = QStringLiteral("AND EM.EM_NOME LIKE('%") + literal(PesqEditRazao->text()) + QStringLiteral("%')");
    if (preenchido(PesqEditEndereco))
        lista.sql[12] = QStringLiteral("AND LG.LG_NOME LIKE('%") + literal(PesqEditEndereco->text()) + QStringLiteral("%')");
}
