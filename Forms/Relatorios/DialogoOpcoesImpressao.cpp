#include "DialogoOpcoesImpressao.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

DialogoOpcoesImpressao::DialogoOpcoesImpressao(const QString &titulo, const QString &formatoArquivo, QWidget *parent)
    : QDialog(parent),
      RadioImpressora(new QRadioButton(QStringLiteral("&Impressora"))),
      RadioVisualizar(new QRadioButton(QStringLiteral("&Visualizar"))),
      RadioArquivo(new QRadioButton(QStringLiteral("&Arquivo"))),
      ComboFormato(new QComboBox),
      ButOk(new QPushButton(QStringLiteral("&OK"))),
      ButCancelar(new QPushButton(QStringLiteral("&Cancelar")))
{
    setObjectName(QStringLiteral("DialogoOpcoesImpressao"));
    setWindowTitle(titulo);
    RadioImpressora->setObjectName(QStringLiteral("RadioImpressora"));
    RadioVisualizar->setObjectName(QStringLiteral("RadioVisualizar"));
    RadioArquivo->setObjectName(QStringLiteral("RadioArquivo"));
    ComboFormato->setObjectName(QStringLiteral("ComboFormato"));
    ButOk->setObjectName(QStringLiteral("ButOk"));
    ButCancelar->setObjectName(QStringLiteral("ButCancelar"));

    auto *grupo = new QGroupBox(QStringLiteral("Destino do relatório"));
    auto *radios = new QVBoxLayout(grupo);
    radios->addWidget(RadioImpressora);
    radios->addWidget(RadioVisualizar);
    radios->addWidget(RadioArquivo);

    ComboFormato->addItem(formatoArquivo);
    auto *formato = new QHBoxLayout;
    auto *rotulo = new QLabel(QStringLiteral("Formato do arquivo"));
    rotulo->setBuddy(ComboFormato);
    formato->addWidget(rotulo);
    formato->addWidget(ComboFormato, 1);

    auto *botoes = new QHBoxLayout;
    botoes->addStretch(1);
    botoes->addWidget(ButOk);
    botoes->addWidget(ButCancelar);
    ButOk->setDefault(true);

    auto *raiz = new QVBoxLayout(this);
    raiz->addWidget(grupo);
    raiz->addLayout(formato);
    raiz->addLayout(botoes);

    connect(RadioArquivo, &QRadioButton::toggled, ComboFormato, &QWidget::setEnabled);
    connect(ButOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(ButCancelar, &QPushButton::clicked, this, &QDialog::reject);
    defineDestino(Destino::Visualizacao);
}

DialogoOpcoesImpressao::Destino DialogoOpcoesImpressao::destino() const
{
    if (RadioImpressora->isChecked()) return Destino::Impressora;
    if (RadioArquivo->isChecked()) return Destino::Arquivo;
    return Destino::Visualizacao;
}

void DialogoOpcoesImpressao::defineDestino(Destino d)
{
    (d == Destino::Impressora ? RadioImpressora : d == Destino::Arquivo ? RadioArquivo : RadioVisualizar)->setChecked(true);
    ComboFormato->setEnabled(d == Destino::Arquivo);
}
