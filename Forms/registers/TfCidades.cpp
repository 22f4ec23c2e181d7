#include "TfCidades.h"

#include "CaixaTexto.h"
#include "Dados.h"
#include "Mensagens.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QMenu>

namespace {
JanelaCadastro::Definicao definicao()
{
    JanelaCadastro::Definicao d;
    d.titulo = QStringLiteral(" Cadastro de Cidades");
    d.tituloDetalhes = QStringLiteral("Detalhes da Cidade selecionada");
    d.secaoLayout = QStringLiteral("CIDADES");
    d.campoChave = QStringLiteral("CD_CODIGO");
    d.campoNome = QStringLiteral("CD.CD_NOME");
    d.campoExibir = QStringLiteral("CD_EXIBIR");
    d.direito = QStringLiteral("LOCALIDADES");
    d.sqlPrincipal = {QStringLiteral("select CD.CD_COD_ESTADO, CD.CD_CODIGO, CD.CD_NOME, CD.CD_UF, CD.CD_EXIBIR, ES.ES_SIGLA from CIDADES CD"),
                      QStringLiteral("LEFT JOIN ESTADOS ES ON ES.ES_CODIGO=CD.CD_COD_ESTADO"),
                      QStringLiteral("WHERE CD.CD_NOME=:NOME"), QStringLiteral("ORDER BY CD.CD_NOME")};
    d.sqlContagem = QStringLiteral("SELECT COUNT(CD_CODIGO) AS REGISTROS FROM CIDADES");
    d.colunas = {{QStringLiteral("CD_NOME"), QStringLiteral("Cidade")}, {QStringLiteral("CD_UF"), QStringLiteral("Estado")}};
    d.itemRelatorio = QStringLiteral("Relação de Cidades");
    d.relatorio = QStringLiteral("RelacaoCidades");
    d.conexaoRelatorio = QStringLiteral("RVCidades");
    d.tituloRelatorio = QStringLiteral("Relação de Cidades");
    d.msgSemAlterar = QStringLiteral("Não há registros a serem alterados !");
    d.msgSemExcluir = QStringLiteral("Não há registros a serem excluídos !");
    return d;
}
} // namespace

TfCidades::TfCidades(QWidget *parent)
    : JanelaCadastro(definicao(), parent), ConfQryPrincipal(dados().DataBase, TransQryPrincipal, this)
{
    setObjectName(QStringLiteral("TfCidades"));
    QryPrincipal.defineTabela(QStringLiteral("CIDADES"), {QStringLiteral("CD_CODIGO")}, QStringLiteral("COD_CIDADES"));
    ConfQryPrincipal.sql.defineLinhas({QStringLiteral("select CD_CODIGO, CD_NOME from  CIDADES"), QStringLiteral("WHERE CD_NOME=:NOME"),
                                       QString(), QStringLiteral("ORDER BY CD_CODIGO")});
    monta();
    QAction *estados = MenuOpcoes->addAction(QStringLiteral("Acessa cadastro de estados"));
    estados->setEnabled(false);
}

void TfCidades::montaDetalhes(QWidget *painel)
{
    auto *f = new QFormLayout(painel);
    EditCodigo = criaCampoCodigo(painel);
    LkpSigla = criaSeletor(painel, "LkpSigla");
    EditNome = criaCampoNome(painel);
    f->addRow(QStringLiteral("Código "), EditCodigo);
    f->addRow(QStringLiteral("Estado "), LkpSigla);
    f->addRow(QStringLiteral("Nome da Cidade "), EditNome);
}

void TfCidades::carregaListas()
{
    Query &estados = dados().LookupEstados;
    Dados::abre(estados);
    Dados::abre(dados().LookupCidades);
    if (estados.isEmpty()) informacao(QStringLiteral("Não há Estados cadastrados!"));
    LkpSigla->clear();
    for (int i = 0; i < estados.recordCount(); ++i)
        LkpSigla->addItem(estados.valor(i, QStringLiteral("ES_SIGLA")).toString(), estados.valor(i, QStringLiteral("ES_CODIGO")));
    mostraRegistro();
}

void TfCidades::mostraRegistro()
{
    if (!EditNome) return;
    EditCodigo->setText(QryPrincipal.recNo() >= 0 ? QryPrincipal[QStringLiteral("CD_CODIGO")].asString() : QString());
    const QVariant estado = QryPrincipal.recNo() >= 0 ? QryPrincipal[QStringLiteral("CD_COD_ESTADO")].valor() : QVariant();
    LkpSigla->setCurrentIndex(estado.isNull() ? -1 : LkpSigla->findData(estado));
    EditNome->setText(QryPrincipal.recNo() >= 0 ? QryPrincipal[QStringLiteral("CD_NOME")].asString() : QString());
}

bool TfCidades::preparaGravacao()
{
    const QString estado = LkpSigla->currentIndex() >= 0 ? LkpSigla->currentText() : QString();
    if (estado.isEmpty() || estado == QLatin1String(" ")) {
        informacao(QStringLiteral("É necessário informar o estado !"));
        LkpSigla->setFocus();
        return false;
    }
    const QString nome = EditNome->text();
    if (nome.isEmpty() || nome == QLatin1String(" ")) {
        informacao(QStringLiteral("É necessário informar o nome da cidade !"));
        focaSelecionando(EditNome);
        return false;
    }
    ConfQryPrincipal.defineParametro(QStringLiteral("NOME"), nome);
    if (modo_ == Alterando) {
        ConfQryPrincipal.sql[2] = QStringLiteral("AND CD_CODIGO<>:CODIGO");
        ConfQryPrincipal.defineParametro(QStringLiteral("CODIGO"), QryPrincipal[QStringLiteral("CD_CODIGO")].valor());
    } else {
        ConfQryPrincipal.sql[2] = QString();
    }
    if (existeDuplicado(ConfQryPrincipal)) {
        informacao(QStringLiteral("Já existe uma cidade com este nome !"));
        focaSelecionando(EditNome);
        return false;
    }
    QryPrincipal[QStringLiteral("CD_COD_ESTADO")] = LkpSigla->currentData();
    QryPrincipal[QStringLiteral("CD_NOME")] = nome;
    QryPrincipal[QStringLiteral("CD_UF")] = estado;
    QryPrincipal[QStringLiteral("ES_SIGLA")] = estado;
    return true;
}

void TfCidades::recarregaListasCompartilhadas() { Dados::reabre(dados().LookupCidades); }

QWidget *TfCidades::primeiroCampo() { return LkpSigla; }

void TfCidades::habilitaDetalhes(bool editando)
{
    LkpSigla->setEnabled(editando);
    EditNome->setReadOnly(!editando);
}
