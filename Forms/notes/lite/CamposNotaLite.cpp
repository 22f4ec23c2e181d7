#include "CamposNotaLite.h"

#include "CamposNota.h"
#include "Moeda.h"

namespace CamposNotaLite {

namespace {
QString dia(QDate d) { return d.isValid() ? QString::number(d.day()) : QString(); }
QString ano(QDate d) { return d.isValid() ? QString::number(d.year()) : QString(); }
} // namespace

QString parcelaXdeX(int parcela, int total) { return QStringLiteral("%1 de %2").arg(parcela).arg(total); }

QString vencimentoExtenso1(QDate v) { return CamposNota::vencimentoExtenso1(v); }

QString vencimentoExtenso2(QDate v, const QString &docCredor, Forma forma)
{
    QString pagarei = QStringLiteral("    pagarei  ");
    if (forma == Forma::Lista)
        pagarei = docCredor.size() == 14 ? QStringLiteral("    pagarei (emos)   ") : QStringLiteral("    pagarei   ");
    return QString(25, QLatin1Char(' ')) + QStringLiteral("No  dia    ") + dia(v) + QStringLiteral("    do  mês  de    ") +
           CamposNota::mes(v) + QStringLiteral("    do  ano  de    ") + ano(v) + pagarei;
}

QString credorExtenso(const QString &credor, const QString &doc, Forma forma)
{
    QString texto = QStringLiteral("por esta única via de NOTA PROMISSÓRIA a  ") + credor;
    if (doc.size() == 11) return texto + QStringLiteral("  CPF nº  ") + CamposNota::cpf(doc);
    if (doc.size() == 14) return texto + QStringLiteral("  CNPJ nº  ") + CamposNota::cnpj(doc);
    return texto + (forma == Forma::Lista ? QStringLiteral("  CPF nº  ") : QStringLiteral("  Documento nº  ")) + doc;
}

QString emitenteDoc(const QString &doc)
{
    if (doc.size() == 11) return QStringLiteral("CPF nº  ") + CamposNota::cpf(doc);
    if (doc.size() == 14) return QStringLiteral("CNPJ nº  ") + CamposNota::cnpj(doc);
    return QStringLiteral("Doc nº  ") + doc;
}

QString valorExtensoNota(Moeda valor)
{
    return QStringLiteral(" ou à sua ordem, a quantia de   #### ") + CamposNota::extensoMaiusculo(valor) +
           QStringLiteral(" ####   em moeda corrente deste país.");
}

QString emissaoExtenso(const QString &cidade, QDate d)
{
    if (!d.isValid()) return {};
    return cidade + QStringLiteral(", ") + dia(d) + QStringLiteral(" de ") + CamposNota::mes(d) + QStringLiteral(" de ") + ano(d) +
           QLatin1Char('.');
}

} // namespace CamposNotaLite

ConexaoNotaLite::ConexaoNotaLite(const QString &nome, Query &query, CamposNotaLite::Forma forma, std::function<int()> modo,
                                 QObject *parent)
    : ConexaoRelatorio(nome, query, parent), forma_(forma), modo_(std::move(modo))
{
}

const QStringList &ConexaoNotaLite::calculados()
{
    static const QStringList nomes{QStringLiteral("ParcelaXdeX"),   QStringLiteral("VencimentoExtenso1"),
                                   QStringLiteral("VencimentoExtenso2"), QStringLiteral("CredorExtenso"),
                                   QStringLiteral("EmitenteDoc"),   QStringLiteral("ValorExtenso"),
                                   QStringLiteral("CampoTotal"),    QStringLiteral("EmissaoExtenso")};
    return nomes;
}

QString ConexaoNotaLite::calculado(int linha, const QString &campo) const
{
    using namespace CamposNotaLite;
    const Query &q = *query();
    const auto t = [&](const char *c) { return q.valor(linha, QLatin1String(c)).toString(); };
    const auto d = [&](const char *c) { return q.valor(linha, QLatin1String(c)).toDate(); };
    const auto m = [&](const char *c) {
        const QVariant v = q.valor(linha, QLatin1String(c));
        return v.metaType() == QMetaType::fromType<Moeda>() ? v.value<Moeda>() : Moeda();
    };
    const int modo = modo_ ? modo_() : 0;
    const bool recibo = modo == CamposNota::Recibo;
    if (campo == QLatin1String("ParcelaXdeX")) return parcelaXdeX(q.valor(linha, QStringLiteral("NPL_PARCELA")).toInt(),
                                                                   q.valor(linha, QStringLiteral("NPL_TOTAL_PARCELAS")).toInt());
    if (campo == QLatin1String("VencimentoExtenso1")) return vencimentoExtenso1(d("NPL_DT_VENCIMENTO"));
    if (campo == QLatin1String("VencimentoExtenso2")) return vencimentoExtenso2(d("NPL_DT_VENCIMENTO"), t("NPL_CREDOR_DOC"), forma_);
    if (campo == QLatin1String("CredorExtenso")) return credorExtenso(t("NPL_CREDOR"), t("NPL_CREDOR_DOC"), forma_);
    if (campo == QLatin1String("EmitenteDoc")) return emitenteDoc(t("NPL_EMITENTE_DOC"));
    // Receipts of the current note write the payment being registered; every other the face value.
    const Moeda valor = recibo && forma_ == Forma::Atual ? m("NPL_VALOR_TEMP") : m("NPL_VALOR");
    if (campo == QLatin1String("ValorExtenso")) return recibo ? CamposNota::extensoMaiusculo(valor) : valorExtensoNota(valor);
    if (campo == QLatin1String("CampoTotal"))
        return vencimentoExtenso2(d("NPL_DT_VENCIMENTO"), t("NPL_CREDOR_DOC"), forma_) +
               credorExtenso(t("NPL_CREDOR"), t("NPL_CREDOR_DOC"), forma_) +
               (recibo ? CamposNota::extensoMaiusculo(valor) : valorExtensoNota(valor));
    if (campo == QLatin1String("EmissaoExtenso")) return emissaoExtenso(t("NPL_CIDADE"), d(recibo ? "NPL_DT_PAGAMENTO" : "NPL_DT_EMISSAO"));
    return {};
}
