#include "RelatoriosClientes.h"

#include "ConexaoRelatorio.h"
#include "DadosImpressao.h"
#include "PainelPesquisaClientes.h"

#include <QDate>

const QString RelatoriosClientes::NaoDefinido = QStringLiteral("*NÃO DEFINIDO*");

// The list, plus `MesAniversario` while the birthday report runs.
class RelatoriosClientes::ConexaoClientes : public ConexaoRelatorio {
public:
    ConexaoClientes(Query &q, QObject *pai) : ConexaoRelatorio(QStringLiteral("RvClientes"), q, pai) {}

    bool mesLigado = false;

protected:
    const QStringList &camposCalculados() const override
    {
        static const QStringList mes{QStringLiteral("MesAniversario")}, nenhum;
        return mesLigado ? mes : nenhum;
    }
    QVariant valorCalculado(int linha, const QString &) const override
    {
        return mesAniversario(ConexaoRelatorio::valor(linha, ConexaoRelatorio::coluna(QStringLiteral("CG_DT_NASC"))));
    }
};

QString RelatoriosClientes::mesAniversario(const QVariant &nascimento)
{
    const QDate d = nascimento.toDate();
    return d.isValid() ? PainelPesquisaClientes::Meses.at(d.month() - 1) : NaoDefinido;
}

RelatoriosClientes::RelatoriosClientes(Query &lista, Query &pessoa, Query &contatos, QObject *pai) : QObject(pai)
{
    RvClientes = new ConexaoClientes(lista, this);
    RVClientesPrincipal = new ConexaoRelatorio(QStringLiteral("RVClientesPrincipal"), pessoa, this);
    RVContatosCliente = new ConexaoRelatorio(QStringLiteral("RVContatosCliente"), contatos, this);
}

void RelatoriosClientes::ligaMesAniversario(bool ligado) { RvClientes->mesLigado = ligado; }
bool RelatoriosClientes::mesAniversarioLigado() const { return RvClientes->mesLigado; }

bool RelatoriosClientes::imprimeLista(const QString &titulo, const QString &relatorio)
{
    if (!DadosImpressao::existe()) return false;
    DadosImpressao &d = DadosImpressao::instancia();
    return d.imprime(relatorio, d.parametrosLista(titulo, QStringLiteral("Exibindo  registros  pesquisados")));
}

bool RelatoriosClientes::imprimeFicha()
{
    if (!DadosImpressao::existe()) return false;
    return DadosImpressao::instancia().imprime(QStringLiteral("FichaCliente"),
                                               {{QStringLiteral("pTitulo"), QStringLiteral("FICHA DO CLIENTE")}});
}
