#include "TfLogradouros.h"

#include "CaixaTexto.h"
#include "Dados.h"
#include "MaskEdit.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>

namespace {
JanelaCadastro::Definicao definicao()
{
    JanelaCadastro::Definicao d;
    d.titulo = QStringLiteral(" Cadastro de Logradouros");
    d.tituloDetalhes = QStringLiteral("Detalhes do Logradouro selecionado");
    d.secaoLayout = QStringLiteral("LOGRADOUROS");
    d.campoChave = QStringLiteral("LG_CODIGO");
    d.campoNome = QStringLiteral("LG.LG_NOME");
    d.campoExibir = QStringLiteral("LG_EXIBIR");
    d.direito = QStringLiteral("LOCALIDADES");
    d.sqlPrincipal = {QStringLiteral("select LG.LG_COD_CIDADE, LG.LG_CODIGO, LG.LG_NOME, LG.LG_TIPO, LG.LG_EXIBIR, LG.LG_CEP, CD.CD_NOME from LOGRADOUROS LG"),
                      QStringLiteral("LEFT JOIN CIDADES CD ON CD.CD_CODIGO=LG.LG_COD_CIDADE"),
                      QStringLiteral("WHERE LG.LG_NOME=:NOME"), QStringLiteral("ORDER BY LG.LG_NOME")};
    d.sqlContagem = QStringLiteral("SELECT COUNT(LG_CODIGO) AS REGISTROS FROM LOGRADOUROS");
    d.colunas = {{QStringLiteral("LG_NOME"), QStringLiteral("Logradouro")}, {QStringLiteral("CD_NOME"), QStringLiteral("Cidade")}};
    d.itemRelatorio = QStringLiteral("Relação de Logradouros");
    d.relatorio = QStringLiteral("RelacaoLogradouros");
    d.conexaoRelatorio = QStringLiteral("RVLogradouros");
    d.tituloRelatorio = QStringLiteral("Relação  de  Logradouros");
    d.buscaHabilitadaEditando = true;
    return d;
}
} // namespace

TfLogradouros::TfLogradouros(QWidget *parent)
    : CadastroPorCidade(definicao(),
                        {QStringLiteral("LG"), QStringLiteral("LOGRADOUROS"), QStringLiteral("COD_LOGRADOUROS"),
                         QStringLiteral("Logradouro "), QStringLiteral("É necessário informar o nome do logradouro !"),
                         QStringLiteral("Já existe um logradouro com este nome !")},
                        parent)
{
    setObjectName(QStringLiteral("TfLogradouros"));
    monta();
}

QStringList TfLogradouros::tiposLogradouro()
{
    return {QStringLiteral("RUA (R)"), QStringLiteral("AVENIDA (AV)"), QString(36, QLatin1Char('-')),
            QStringLiteral("ESTRADA (ETR)"), QStringLiteral("LARGO (LGO)"), QStringLiteral("PARQUE (PRQ)"),
            QStringLiteral("PRAÇA (PÇA)"), QStringLiteral("RODOVIA (ROD)"), QStringLiteral("TRAVESSA (TRV)"),
            QStringLiteral("VIADUTO (VD)")};
}

void TfLogradouros::montaDetalhesExtras(QFormLayout *f)
{
    ComboTipo = new QComboBox(f->parentWidget());
    ComboTipo->setObjectName(QStringLiteral("ComboTipo"));
    ComboTipo->setEditable(true);
    ComboTipo->addItems(tiposLogradouro());
    ComboTipo->lineEdit()->setMaxLength(15);
    maiusculas(ComboTipo->lineEdit());
    ComboTipo->setCurrentIndex(-1);
    EditCEP = new MaskEdit(f->parentWidget());
    EditCEP->setObjectName(QStringLiteral("EditCEP"));
    EditCEP->setMascara(QStringLiteral("99999\\-999;0;_"));
    f->addRow(QStringLiteral("Tipo Logradouro "), ComboTipo);
    f->addRow(QStringLiteral("CEP "), EditCEP);
}

bool TfLogradouros::preparaExtras()
{
    const QString tipo = ComboTipo->currentText();
    QryPrincipal[QStringLiteral("LG_TIPO")] = tipo.isEmpty() ? QVariant() : QVariant(tipo);
    const QString cep = EditCEP->texto();
    QryPrincipal[QStringLiteral("LG_CEP")] = cep.isEmpty() ? QVariant() : QVariant(cep);
    return true;
}

void TfLogradouros::mostraExtras()
{
    if (!ComboTipo) return;
    const bool ha = QryPrincipal.recNo() >= 0;
    ComboTipo->setEditText(ha ? QryPrincipal[QStringLiteral("LG_TIPO")].asString() : QString());
    EditCEP->setTexto(ha ? QryPrincipal[QStringLiteral("LG_CEP")].asString() : QString());
}

void TfLogradouros::habilitaExtras(bool editando)
{
    ComboTipo->setEnabled(editando);
    EditCEP->setReadOnly(!editando);
}

void TfLogradouros::recarregaListasCompartilhadas() { Dados::reabre(dados().LookupLogradouros); }
