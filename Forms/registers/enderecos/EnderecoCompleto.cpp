#include "EnderecoCompleto.h"

#include "Dados.h"

namespace {

QString procura(Query &lista, const char *chave, int codigo, const char *campo)
{
    if (codigo < 1) return {};
    Dados::abre(lista);
    const int k = lista.indiceCampo(QLatin1String(chave));
    for (int i = 0; i < lista.recordCount(); ++i)
        if (lista.valor(i, k).toInt() == codigo) return lista.valor(i, QLatin1String(campo)).toString();
    return {};
}

} // namespace

QString EnderecoCompleto::monta(const Partes &p)
{
    QString r = p.logradouro;
    if (!p.numero.isEmpty()) r += QStringLiteral(", ") + p.numero;
    if (!p.complemento.isEmpty()) r += QStringLiteral(" - ") + p.complemento;
    if (!p.bairro.isEmpty()) r += QStringLiteral(" - ") + p.bairro;
    if (!p.cidade.isEmpty()) r += QStringLiteral(" - ") + p.cidade + QLatin1Char('/') + p.uf;
    const QString cep = p.cep.trimmed();
    if (!cep.isEmpty()) r += QStringLiteral("  CEP: ") + cep.left(5) + QLatin1Char('-') + cep.mid(5, 3);
    return r;
}

QString EnderecoCompleto::montaComSeparadores(const Partes &p)
{
    return p.logradouro + QStringLiteral(", ") + p.numero + QStringLiteral(" - ") + p.complemento + QStringLiteral(" - ")
           + p.bairro + QStringLiteral(" - ") + p.cidade + QLatin1Char('/') + p.uf;
}

QString EnderecoCompleto::nomeCidade(int codigo) { return procura(dados().LookupCidades, "CD_CODIGO", codigo, "CD_NOME"); }
QString EnderecoCompleto::ufCidade(int codigo) { return procura(dados().LookupCidades, "CD_CODIGO", codigo, "CD_UF"); }
QString EnderecoCompleto::nomeBairro(int codigo) { return procura(dados().LookupBairros, "BR_CODIGO", codigo, "BR_NOME"); }
QString EnderecoCompleto::nomeLogradouro(int codigo)
{
    return procura(dados().LookupLogradouros, "LG_CODIGO", codigo, "LG_NOME");
}

EnderecoCompleto::Partes EnderecoCompleto::partes(int cidade, int bairro, int logradouro, const QString &numero,
                                                  const QString &complemento, const QString &cep)
{
    return {nomeLogradouro(logradouro), numero, complemento, nomeBairro(bairro), nomeCidade(cidade), ufCidade(cidade), cep};
}
