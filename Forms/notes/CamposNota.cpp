#include "CamposNota.h"

#include "Moeda.h"
#include "uFuncoes.h"

namespace CamposNota {

QString mes(QDate d)
{
    static const char *const meses[12] = {"JANEIRO", "FEVEREIRO", "MARÇO",    "ABRIL",   "MAIO",     "JUNHO",
                                          "JULHO",   "AGOSTO",    "SETEMBRO", "OUTUBRO", "NOVEMBRO", "DEZEMBRO"};
    return d.isValid() ? QString::fromUtf8(meses[d.month() - 1]) : QString();
}

QString cpf(const QString &d)
{
    return d.mid(0, 3) + QLatin1Char('.') + d.mid(3, 3) + QLatin1Char('.') + d.mid(6, 3) + QLatin1Char('-') + d.mid(9, 2);
}

QString cnpj(const QString &d)
{
    return d.mid(0, 2) + QLatin1Char('.') + d.mid(2, 3) + QLatin1Char('.') + d.mid(5, 3) + QLatin1Char('/') + d.mid(8, 4) +
           QLatin1Char('-') + d.mid(12, 2);
}

namespace {
QString dia(QDate d) { return d.isValid() ? QString::number(d.day()) : QString(); }
QString ano(QDate d) { return d.isValid() ? QString::number(d.year()) : QString(); }
} // namespace

QString vencimentoExtenso1(QDate v)
{
    return QStringLiteral("Vencimento:    ") + dia(v) + QStringLiteral("  de  ") + mes(v) + QStringLiteral("  de  ") + ano(v);
}

QString vencimentoExtenso3(const QString &cidade, const QString &uf, QDate v)
{
    return cidade + QStringLiteral(" / ") + uf + QStringLiteral(", ") + dia(v) + QStringLiteral("  de  ") + mes(v) +
           QStringLiteral("  de  ") + ano(v);
}

QString extensoMaiusculo(Moeda valor) { return ValorPorExtenso(valor.paraDouble()).toUpper(); }

QString campoTotal(QDate v, const QString &credor, const QString &tipo, const QString &doc, Moeda valor)
{
    return QString(25, QLatin1Char(' ')) + QStringLiteral("No  dia    ") + dia(v) + QStringLiteral("    do  mês  de    ") +
           mes(v) + QStringLiteral("    do  ano  de    ") + ano(v) + QStringLiteral("    pagarei (emos)  ") +
           QStringLiteral("por esta única via de NOTA PROMISSÓRIA a  ") + credor +
           (tipo == QLatin1String("J") ? QStringLiteral("  CNPJ nº  ") + cnpj(doc) : QStringLiteral("  CPF nº  ") + cpf(doc)) +
           QStringLiteral(" ou à sua ordem, a quantia de   #### ") + extensoMaiusculo(valor) +
           QStringLiteral(" ####   em moeda corrente deste país.");
}

QString emissaoExtenso(const QString &cidade, const QString &uf, QDate d)
{
    return cidade + QStringLiteral(" / ") + uf + QStringLiteral(", ") + dia(d) + QStringLiteral(" de ") + mes(d) +
           QStringLiteral(" de ") + ano(d) + QLatin1Char('.');
}

QString documento(const QString &doc, const QString &tipo)
{
    if (doc.isEmpty()) return {};
    if (tipo == QLatin1String("F")) return QStringLiteral("CPF  ") + cpf(doc);
    if (tipo == QLatin1String("J")) return QStringLiteral("CNPJ  ") + cnpj(doc);
    return {};
}

QString documentoCredor(const QString &doc, const QString &tipo)
{
    if (tipo == QLatin1String("F")) return QStringLiteral("CPF  ") + cpf(doc);
    if (tipo == QLatin1String("J")) return QStringLiteral("CNPJ  ") + cnpj(doc);
    return {};
}

QString fonesCredor(const QString &f1, const QString &f2)
{
    return QStringLiteral("Fone : (") + f1.mid(0, 2) + QStringLiteral(") ") + f1.mid(2, 9) + QStringLiteral("  -  (") +
           f2.mid(0, 2) + QStringLiteral(") ") + f2.mid(2, 9);
}

QString relatorioDoModelo(const QString &m)
{
    // Each model has an older and a newer value.
    static const QList<QPair<QStringList, QString>> modelos{
        {{QStringLiteral("MODELO PADRÃO"), QStringLiteral("21cm x 10cm")}, QStringLiteral("NP21cmx10cm")},
        {{QStringLiteral("MODELO 4 AVALISTAS"), QStringLiteral("21cm x 15cm (4 AVALISTAS)")}, QStringLiteral("NP21cmx15cm")},
        {{QStringLiteral("MODELO REDUZIDO"), QStringLiteral("15cm x 7cm")}, QStringLiteral("NP15cmx7cm")},
        {{QStringLiteral("MODELO 2 EMITENTES - SEM AVAL"), QStringLiteral("21cm x 10cm (SEM AVALISTA)")},
         QStringLiteral("NP21cmx10cmSEM")}};
    for (const auto &[valores, relatorio] : modelos)
        if (valores.contains(m)) return relatorio;
    return {};
}

} // namespace CamposNota

ConexaoImpressaoNota::ConexaoImpressaoNota(Query &query, std::function<int()> modo, QObject *parent)
    : ConexaoRelatorio(QStringLiteral("RVNotaPromissoria"), query, parent), modo_(std::move(modo))
{
}

const QStringList &ConexaoImpressaoNota::calculados()
{
    static const QStringList nomes{
        QStringLiteral("CampoTotal"),        QStringLiteral("EmissaoExtenso"),     QStringLiteral("VencimentoExtenso1"),
        QStringLiteral("VencimentoExtenso3"), QStringLiteral("ValorExtenso"),      QStringLiteral("DocumentoEmitente"),
        QStringLiteral("DocumentoEmitente2"), QStringLiteral("DocumentoAval1"),    QStringLiteral("DocumentoAval2"),
        QStringLiteral("DocumentoAval3"),     QStringLiteral("DocumentoAval4"),    QStringLiteral("DocumentoCredor"),
        QStringLiteral("FonesCredor")};
    return nomes;
}

QString ConexaoImpressaoNota::calculado(int linha, const QString &campo) const
{
    using namespace CamposNota;
    const Query &q = *query();
    const auto t = [&](const char *c) { return q.valor(linha, QLatin1String(c)).toString(); };
    const auto d = [&](const char *c) { return q.valor(linha, QLatin1String(c)).toDate(); };
    const auto m = [&](const char *c) {
        const QVariant v = q.valor(linha, QLatin1String(c));
        return v.canConvert<Moeda>() && v.metaType() == QMetaType::fromType<Moeda>() ? v.value<Moeda>() : Moeda();
    };
    const bool recibo = modo_ && modo_() == Recibo;
    if (campo == QLatin1String("CampoTotal"))
        return campoTotal(d("NP_DT_VENCIMENTO"), t("EM_NOME"), t("EM_TIPO_PESSOA"), t("EM_CPF_CNPJ"), m("NP_VALOR"));
    if (campo == QLatin1String("EmissaoExtenso"))
        return emissaoExtenso(t("CD_NOME"), t("CD_UF"), d(recibo ? "NP_DT_PAGAMENTO" : "NP_DT_EMISSAO"));
    if (campo == QLatin1String("VencimentoExtenso1")) return vencimentoExtenso1(d("NP_DT_VENCIMENTO"));
    if (campo == QLatin1String("VencimentoExtenso3")) return vencimentoExtenso3(t("CD_NOME"), t("CD_UF"), d("NP_DT_VENCIMENTO"));
    if (campo == QLatin1String("ValorExtenso")) return recibo ? extensoMaiusculo(m("NP_VALOR_TEMP")) : QString();
    if (campo == QLatin1String("DocumentoEmitente")) return documento(t("CPFCNPJEMITENTE"), t("TIPOPESSOAEMITENTE"));
    if (campo == QLatin1String("DocumentoEmitente2")) return documento(t("CPFCNPJEMITENTE2"), t("TIPOPESSOAEMITENTE2"));
    for (int k = 1; k <= 4; ++k)
        if (campo == QStringLiteral("DocumentoAval%1").arg(k))
            return documento(q.valor(linha, QStringLiteral("CPFCNPJAVALISTA%1").arg(k)).toString(),
                             q.valor(linha, QStringLiteral("TIPOPESSOAAVAL%1").arg(k)).toString());
    if (campo == QLatin1String("DocumentoCredor")) return documentoCredor(t("EM_CPF_CNPJ"), t("EM_TIPO_PESSOA"));
    if (campo == QLatin1String("FonesCredor")) return fonesCredor(t("Fone1Credor"), t("Fone2Credor"));
    return {};
}
