#include "PainelDetalhesEmpresa.h"

#include "DocumentoPessoa.h"
#include "EnderecoCompleto.h"
#include "ImagemLogotipo.h"
#include "MaskEdit.h"
#include "PainelEdicaoEmpresa.h"
#include "Query.h"

#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>

PainelDetalhesEmpresa::PainelDetalhesEmpresa(QWidget *pai) : QWidget(pai)
{
    setObjectName(QStringLiteral("PainelDetalhes"));
    auto valor = [this](const char *nome) {
        auto *l = new QLabel(this);
        l->setObjectName(QLatin1String(nome));
        l->setTextInteractionFlags(Qt::TextSelectableByMouse);
        l->setStyleSheet(QStringLiteral("color: navy;"));
        return l;
    };
    auto rotulo = [this](const QString &texto, const char *nome = nullptr) {
        auto *l = new QLabel(texto, this);
        if (nome) l->setObjectName(QLatin1String(nome));
        return l;
    };
    auto mascarada = [this](const QString &mascara, const char *nome) {
        auto *e = new MaskEdit(mascara, this);
        e->setObjectName(QLatin1String(nome));
        e->setReadOnly(true);
        e->setFocusPolicy(Qt::NoFocus);
        e->setFrame(false);
        e->setStyleSheet(QStringLiteral("color: navy; background: transparent;"));
        return e;
    };
    DetCodigo = valor("DetCodigo");
    LabelNomeDet = rotulo(QStringLiteral("Razão Social"), "LabelNomeDet");
    DetNome = valor("DetNome");
    LabelFantasiaDet = rotulo(QStringLiteral("N. Fantasia"), "LabelFantasiaDet");
    DetFantasia = valor("DetFantasia");
    LabelCPFDet = rotulo(QStringLiteral("CNPJ"), "LabelCPFDet");
    DetCPF = mascarada(DocumentoPessoa::MascaraCNPJ, "DetCPF");
    LabelRGDet = rotulo(QStringLiteral("IE"), "LabelRGDet");
    DetRG = valor("DetRG");
    DetLogradouro = valor("DetLogradouro");
    DetNumero = valor("DetNumero");
    DetComplemento = valor("DetComplemento");
    DetBairro = valor("DetBairro");
    DetCidade = valor("DetCidade");
    DetEstado = valor("DetEstado");
    DetFone1 = mascarada(PainelEdicaoEmpresa::MascaraFone, "DetFone1");
    DetFone2 = mascarada(PainelEdicaoEmpresa::MascaraFone, "DetFone2");
    DetEmail = valor("DetEmail");
    DetObs = new QPlainTextEdit(this);
    DetObs->setObjectName(QStringLiteral("DetObs"));
    DetObs->setReadOnly(true);
    DetObs->setMaximumHeight(50);
    ImagemLogoDet = new ImagemLogotipo("ImagemLogoDet", 100, this);

    auto *g = new QGridLayout(this);
    int l = 0;
    g->addWidget(rotulo(QStringLiteral("Código")), l, 0);
    g->addWidget(DetCodigo, l, 1);
    g->addWidget(ImagemLogoDet, l++, 2, 4, 2, Qt::AlignRight | Qt::AlignTop);
    g->addWidget(LabelNomeDet, l, 0);
    g->addWidget(DetNome, l++, 1);
    g->addWidget(LabelFantasiaDet, l, 0);
    g->addWidget(DetFantasia, l++, 1);
    g->addWidget(LabelCPFDet, l, 0);
    g->addWidget(DetCPF, l++, 1);
    g->addWidget(LabelRGDet, l, 0);
    g->addWidget(DetRG, l++, 1, 1, 3);
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
    g->addWidget(rotulo(QStringLiteral("Telefone 1")), l, 0);
    g->addWidget(DetFone1, l, 1);
    g->addWidget(rotulo(QStringLiteral("Fone 2")), l, 2);
    g->addWidget(DetFone2, l++, 3);
    g->addWidget(rotulo(QStringLiteral("E-mail")), l, 0);
    g->addWidget(DetEmail, l++, 1, 1, 3);
    g->addWidget(rotulo(QStringLiteral("Observações")), l, 0);
    g->addWidget(DetObs, l++, 1, 1, 3);
    g->setRowStretch(l, 1);
    g->setColumnStretch(1, 1);
}

void PainelDetalhesEmpresa::defineTipoPessoa(bool juridica)
{
    LabelNomeDet->setText(juridica ? QStringLiteral("Razão Social") : QStringLiteral("Nome"));
    LabelFantasiaDet->setText(juridica ? QStringLiteral("N. Fantasia") : QString());
    DetFantasia->setVisible(juridica);
    LabelCPFDet->setText(juridica ? QStringLiteral("CNPJ") : QStringLiteral("CPF"));
    LabelRGDet->setText(juridica ? QStringLiteral("IE") : QStringLiteral("RG"));
    if (DetCPF->mascara() != DocumentoPessoa::mascara(juridica)) DetCPF->setMascara(DocumentoPessoa::mascara(juridica));
}

void PainelDetalhesEmpresa::mostra(Query &q)
{
    const bool ha = q.ativa() && !q.isEmpty() && q.recNo() >= 0;
    auto texto = [&q, ha](const char *campo) { return ha ? q[QLatin1String(campo)].asString() : QString(); };
    auto codigo = [&q, ha](const char *campo) { return ha ? q[QLatin1String(campo)].asInteger() : 0; };
    DetCodigo->setText(texto("EM_CODIGO"));
    DetNome->setText(texto("EM_NOME"));
    DetFantasia->setText(texto("EM_FANTASIA"));
    defineTipoPessoa(texto("EM_TIPO_PESSOA") != QLatin1String("F"));
    DetCPF->setTexto(texto("EM_CPF_CNPJ"));
    DetRG->setText(texto("EM_RG_IE"));
    const int cidade = codigo("EM_COD_CIDADE");
    DetLogradouro->setText(EnderecoCompleto::nomeLogradouro(codigo("EM_COD_LOGRADOURO")));
    DetNumero->setText(texto("EM_NUMERO"));
    DetComplemento->setText(texto("EM_COMPLEMENTO"));
    DetBairro->setText(EnderecoCompleto::nomeBairro(codigo("EM_COD_BAIRRO")));
    DetCidade->setText(EnderecoCompleto::nomeCidade(cidade));
    DetEstado->setText(EnderecoCompleto::ufCidade(cidade));
    // A telephone not given shows nothing rather than the blank mask.
    for (auto [caixa, campo] : {std::pair{DetFone1, "EM_FONE1"}, std::pair{DetFone2, "EM_FONE2"}}) {
        const QString fone = texto(campo);
        caixa->setMascara(fone.isEmpty() ? QString() : PainelEdicaoEmpresa::MascaraFone);
        caixa->setTexto(fone);
    }
    DetEmail->setText(texto("EM_EMAIL"));
    DetObs->setPlainText(texto("EM_OBS"));
}
