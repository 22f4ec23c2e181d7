#include "CadastroPorCidade.h"

#include "CaixaTexto.h"
#include "Dados.h"
#include "JanelaPrincipal.h"
#include "Mensagens.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QMenu>

CadastroPorCidade::CadastroPorCidade(const Definicao &d, const Campos &c, QWidget *parent)
    : JanelaCadastro(d, parent), QryCidades(dados().DataBase, TransQryPrincipal, this),
      ConfQryPrincipal(dados().DataBase, TransQryPrincipal, this), campos_(c)
{
    QryPrincipal.defineTabela(c.tabela, {campo("_CODIGO")}, c.gerador);
    QryCidades.sql.defineLinhas({QStringLiteral("select CD_CODIGO, CD_NOME from  CIDADES"), QStringLiteral("WHERE CD_EXIBIR='T'"),
                                 QStringLiteral("order by CD_NOME")});
    ConfQryPrincipal.sql.defineLinhas(
        {QStringLiteral("select %1_CODIGO, %1_NOME from  %2").arg(c.prefixo, c.tabela),
         QStringLiteral("WHERE %1_NOME=:NOME AND %1_COD_CIDADE=:CIDADE").arg(c.prefixo), QString(),
         QStringLiteral("ORDER BY %1_CODIGO").arg(c.prefixo)});
}

void CadastroPorCidade::montaDetalhes(QWidget *painel)
{
    auto *f = new QFormLayout(painel);
    EditCodigo = criaCampoCodigo(painel);
    LkpCidade = criaSeletor(painel, "LkpCidade");
    EditNome = criaCampoNome(painel);
    f->addRow(QStringLiteral("Código "), EditCodigo);
    f->addRow(QStringLiteral("Cidade"), LkpCidade);
    f->addRow(campos_.rotuloNome, EditNome);
    montaDetalhesExtras(f);
    MenuOpcoes->addAction(QStringLiteral("Cadastro de Cidades"), this, [] {
        if (auto *p = JanelaPrincipal::atual()) p->abreJanela(QStringLiteral("CIDADES"));
    });
}

void CadastroPorCidade::carregaListas()
{
    QryCidades.close();
    QryCidades.open();
    Dados::abre(campos_.prefixo == QLatin1String("BR") ? dados().LookupBairros : dados().LookupLogradouros);
    if (QryCidades.isEmpty()) informacao(QStringLiteral("Não há Cidades cadastrados!"));
    LkpCidade->clear();
    for (int i = 0; i < QryCidades.recordCount(); ++i)
        LkpCidade->addItem(QryCidades.valor(i, QStringLiteral("CD_NOME")).toString(), QryCidades.valor(i, QStringLiteral("CD_CODIGO")));
    mostraRegistro();
}

QString CadastroPorCidade::nomeCidade(const QVariant &codigo) const
{
    if (codigo.isNull()) return {};
    for (int i = 0; i < QryCidades.recordCount(); ++i)
        if (QryCidades.valor(i, 0) == codigo) return QryCidades.valor(i, 1).toString();
    return {};
}

QVariant CadastroPorCidade::textoCelula(int linha, const QString &c) const
{
    if (c != QLatin1String("CD_NOME")) return {};
    return nomeCidade(QryPrincipal.valor(linha, campo("_COD_CIDADE")));
}

void CadastroPorCidade::mostraRegistro()
{
    if (!EditNome) return;
    const bool ha = QryPrincipal.recNo() >= 0;
    EditCodigo->setText(ha ? QryPrincipal[campo("_CODIGO")].asString() : QString());
    const QVariant cidade = ha ? QryPrincipal[campo("_COD_CIDADE")].valor() : QVariant();
    LkpCidade->setCurrentIndex(cidade.isNull() ? -1 : LkpCidade->findData(cidade));
    EditNome->setText(ha ? QryPrincipal[campo("_NOME")].asString() : QString());
    mostraExtras();
}

bool CadastroPorCidade::preparaGravacao()
{
    const QString cidade = LkpCidade->currentIndex() >= 0 ? LkpCidade->currentText() : QString();
    if (cidade.isEmpty() || cidade == QLatin1String(" ")) {
        informacao(QStringLiteral("É necessário informar a cidade !"));
        LkpCidade->setFocus();
        return false;
    }
    const QString nome = EditNome->text();
    if (nome.isEmpty() || nome == QLatin1String(" ")) {
        informacao(campos_.msgNome);
        focaSelecionando(EditNome);
        return false;
    }
    ConfQryPrincipal.defineParametro(QStringLiteral("NOME"), nome);
    ConfQryPrincipal.defineParametro(QStringLiteral("CIDADE"), LkpCidade->currentData());
    if (modo_ == Alterando) {
        ConfQryPrincipal.sql[2] = QStringLiteral("AND %1_CODIGO<>:CODIGO").arg(campos_.prefixo);
        ConfQryPrincipal.defineParametro(QStringLiteral("CODIGO"), QryPrincipal[campo("_CODIGO")].valor());
    } else {
        ConfQryPrincipal.sql[2] = QString();
    }
    if (existeDuplicado(ConfQryPrincipal)) {
        informacao(campos_.msgDuplicado);
        focaSelecionando(EditNome);
        return false;
    }
    if (!preparaExtras()) return false;
    QryPrincipal[campo("_COD_CIDADE")] = LkpCidade->currentData();
    QryPrincipal[campo("_NOME")] = nome;
    QryPrincipal[QStringLiteral("CD_NOME")] = cidade;
    return true;
}

QWidget *CadastroPorCidade::primeiroCampo() { return LkpCidade; }

void CadastroPorCidade::habilitaDetalhes(bool editando)
{
    LkpCidade->setEnabled(editando);
    EditNome->setReadOnly(!editando);
    habilitaExtras(editando);
}
