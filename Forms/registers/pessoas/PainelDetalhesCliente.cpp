#include "PainelDetalhesCliente.h"

#include "AjusteTela.h"
#include "EnderecoCompleto.h"
#include "MaskEdit.h"
#include "Query.h"
#include "TotaisNotasCliente.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTableView>

PainelDetalhesCliente::PainelDetalhesCliente(QTableView *contatos, QWidget *pai) : QWidget(pai)
{
    setObjectName(QStringLiteral("PainelDetalhes"));
    auto valor = [this](const char *nome) {
        auto *l = new QLabel(this);
        l->setObjectName(QLatin1String(nome));
        l->setTextInteractionFlags(Qt::TextSelectableByMouse);
        l->setStyleSheet(QStringLiteral("color: navy;"));
        // A long name or address wraps within the panel instead of widening it.
        l->setWordWrap(true);
        l->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        l->setMinimumWidth(AjusteTela::larguraTexto(l, 15, false)); // an RG or a complement whole
        return l;
    };
    auto rotulo = [this](const QString &texto, const char *nome = nullptr) {
        auto *l = new QLabel(texto, this);
        if (nome) l->setObjectName(QLatin1String(nome));
        return l;
    };
    DetCodigo = valor("DetCodigo");
    LabelNomeDet = rotulo(QStringLiteral("Cliente/ Forn."), "LabelNomeDet");
    DetNome = valor("DetNome");
    LabelCPFDet = rotulo(QStringLiteral("CPF"), "LabelCPFDet");
    DetCPF = new MaskEdit(QStringLiteral("999.999.999-99;0;_"), this);
    DetCPF->setObjectName(QStringLiteral("DetCPF"));
    DetCPF->setReadOnly(true);
    DetCPF->setFocusPolicy(Qt::NoFocus);
    AjusteTela::caixaMascaras(DetCPF, {QStringLiteral("999.999.999-99;0;_"), QStringLiteral("99.999.999/9999-99;0;_")});
    LabelRGDet = rotulo(QStringLiteral("RG"), "LabelRGDet");
    DetRG = valor("DetRG");
    DetLogradouro = valor("DetLogradouro");
    DetNumero = valor("DetNumero");
    DetComplemento = valor("DetComplemento");
    DetBairro = valor("DetBairro");
    DetCidade = valor("DetCidade");
    DetEstado = valor("DetEstado");
    DetNascimento = valor("DetNascimento");
    DetLimite = valor("DetLimite");
    DetObs = new QPlainTextEdit(this);
    DetObs->setObjectName(QStringLiteral("DetObs"));
    DetObs->setReadOnly(true);
    DetObs->setMaximumHeight(50);
    LabelVerEnderecoMapa = rotulo(QStringLiteral("<a href=\"#\">Ver Endereço no Mapa</a>"), "LabelVerEnderecoMapa");
    LabelNotasGeradas = valor("LabelNotasGeradas");
    LabelEmAtraso = valor("LabelEmAtraso");
    LabelEmAberto = valor("LabelEmAberto");
    LabelPago = valor("LabelPago");
    for (QLabel *l : {LabelNotasGeradas, LabelEmAtraso, LabelEmAberto, LabelPago}) { // amounts: one line, as long as they are
        l->setWordWrap(false);
        l->setMinimumWidth(0);
        l->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    }

    auto *g = new QGridLayout(this);
    int l = 0;
    g->addWidget(rotulo(QStringLiteral("Código")), l, 0);
    g->addWidget(DetCodigo, l++, 1);
    g->addWidget(LabelNomeDet, l, 0);
    g->addWidget(DetNome, l++, 1, 1, 3);
    g->addWidget(LabelCPFDet, l, 0);
    g->addWidget(DetCPF, l, 1);
    g->addWidget(LabelRGDet, l, 2);
    g->addWidget(DetRG, l++, 3);
    g->addWidget(rotulo(QStringLiteral("Endereço")), l, 0);
    g->addWidget(DetLogradouro, l, 1);
    g->addWidget(rotulo(QStringLiteral("Nº")), l, 2);
    g->addWidget(DetNumero, l++, 3);
    g->addWidget(rotulo(QStringLiteral("Complemento")), l, 0);
    g->addWidget(DetComplemento, l, 1);
    g->addWidget(rotulo(QStringLiteral("Bairro")), l, 2);
    g->addWidget(DetBairro, l++, 3);
    g->addWidget(rotulo(QStringLiteral("Cidade")), l, 0);
    g->addWidget(DetCidade, l, 1);
    g->addWidget(rotulo(QStringLiteral("Estado")), l, 2);
    g->addWidget(DetEstado, l++, 3);
    g->addWidget(rotulo(QStringLiteral("Nascimento")), l, 0);
    g->addWidget(DetNascimento, l, 1);
    g->addWidget(rotulo(QStringLiteral("Limite")), l, 2);
    g->addWidget(DetLimite, l++, 3);
    g->addWidget(rotulo(QStringLiteral("Observações")), l, 0);
    g->addWidget(DetObs, l++, 1, 1, 3);
    g->addWidget(contatos, l++, 0, 1, 4);
    g->addWidget(LabelVerEnderecoMapa, l++, 0, 1, 4);
    auto *notas = new QGroupBox(QStringLiteral("Notas promissórias"), this);
    auto *n = new QGridLayout(notas);
    const QList<std::pair<const char *, QLabel *>> totais{
        {"Notas Geradas", LabelNotasGeradas}, {"Em atraso", LabelEmAtraso}, {"Em aberto", LabelEmAberto}, {"Pago", LabelPago}};
    for (int i = 0; i < totais.size(); ++i) {
        n->addWidget(new QLabel(QString::fromUtf8(totais.at(i).first), notas), 0, i);
        n->addWidget(totais.at(i).second, 1, i);
    }
    g->addWidget(notas, l++, 0, 1, 4);
    g->setRowStretch(l, 1);
    g->setColumnStretch(1, 1);
    g->setColumnStretch(3, 1);

    connect(LabelVerEnderecoMapa, &QLabel::linkActivated, this, &PainelDetalhesCliente::verMapa);
}

void PainelDetalhesCliente::defineTipoPessoa(bool juridica)
{
    LabelNomeDet->setText(juridica ? QStringLiteral("Razão Social") : QStringLiteral("Cliente/ Forn."));
    LabelCPFDet->setText(juridica ? QStringLiteral("CNPJ") : QStringLiteral("CPF"));
    LabelRGDet->setText(juridica ? QStringLiteral("IE") : QStringLiteral("RG"));
    DetCPF->setMascara(juridica ? QStringLiteral("99.999.999/9999-99;0;_") : QStringLiteral("999.999.999-99;0;_"));
}

void PainelDetalhesCliente::mostra(Query &p)
{
    const bool ha = p.ativa() && p.recNo() >= 0;
    auto texto = [&p, ha](const char *campo) { return ha ? p[QLatin1String(campo)].asString() : QString(); };
    auto codigo = [&p, ha](const char *campo) { return ha ? p[QLatin1String(campo)].asInteger() : 0; };
    DetCodigo->setText(texto("CG_CODIGO"));
    DetNome->setText(texto("CG_NOME"));
    DetCPF->setTexto(texto("CG_CPF_CNPJ"));
    DetRG->setText(texto("CG_RG_IE"));
    const int cidade = codigo("CG_COD_CIDADE");
    DetLogradouro->setText(EnderecoCompleto::nomeLogradouro(codigo("CG_COD_LOGRADOURO")));
    DetNumero->setText(texto("CG_NUMERO"));
    DetComplemento->setText(texto("CG_COMPLEMENTO"));
    DetBairro->setText(EnderecoCompleto::nomeBairro(codigo("CG_COD_BAIRRO")));
    DetCidade->setText(EnderecoCompleto::nomeCidade(cidade));
    DetEstado->setText(EnderecoCompleto::ufCidade(cidade));
    DetNascimento->setText(texto("CG_DT_NASC"));
    DetLimite->setText(ha ? p[QStringLiteral("CG_LIMITE_TOTAL")].asMoeda().formatado() : QString());
    DetObs->setPlainText(texto("CG_OBS"));
}

void PainelDetalhesCliente::mostraTotais(const TotaisNotasCliente &t)
{
    LabelNotasGeradas->setText(TotaisNotasCliente::valor(t.QryNotasGeradas).formatado());
    LabelEmAtraso->setText(TotaisNotasCliente::valor(t.QryNotasAtraso).formatado());
    LabelEmAberto->setText(TotaisNotasCliente::valor(t.QryNotasAberto).formatado());
    LabelPago->setText(TotaisNotasCliente::valor(t.QryNotasPago).formatado());
}
