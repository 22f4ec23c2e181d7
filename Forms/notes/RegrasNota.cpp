#include "RegrasNota.h"

#include "uFuncoes.h"

namespace RegrasNota {

QDate vencimento(QDate d1, int k, int intervalo)
{
    if (!d1.isValid() || k <= 1) return d1;
    if (intervalo == 30) return d1.addMonths(k - 1); // QDate clamps to the month's last day
    return d1.addDays(qint64(k - 1) * intervalo);
}

QString rotulo(int k, int n, const QString &venda)
{
    if (!venda.trimmed().isEmpty()) return QString(venda + QLatin1Char('/') + QString::number(k)).left(30);
    return QStringLiteral("%1 / %2").arg(k).arg(n);
}

std::optional<int> intervalo(const QString &texto)
{
    const QString t = texto.trimmed();
    if (t.isEmpty()) return 30;
    ValidaInteiro(t);
    if (!NumeroValido) return std::nullopt;
    const int dias = t.toInt();
    return dias < 1 ? 30 : dias;
}

QString emissaoExtenso(const QString &cidade, const QString &uf, QDate emissao)
{
    static const char *const meses[12] = {"JANEIRO", "FEVEREIRO", "MARÇO",    "ABRIL",   "MAIO",     "JUNHO",
                                          "JULHO",   "AGOSTO",    "SETEMBRO", "OUTUBRO", "NOVEMBRO", "DEZEMBRO"};
    if (!emissao.isValid()) return {};
    return QStringLiteral("%1 / %2, %3 de %4 de %5.")
        .arg(cidade, uf)
        .arg(emissao.day())
        .arg(QString::fromUtf8(meses[emissao.month() - 1]))
        .arg(emissao.year());
}

QString observacaoParcial(const QVariant &obs, Moeda valor, QDate dia)
{
    const QString texto = QStringLiteral("Pagamento parcial de %1 em %2").arg(valor.formatado(), dia.toString(QStringLiteral("dd/MM/yyyy")));
    const QString antes = obs.toString();
    return antes.isEmpty() ? QString(QStringLiteral("\r") + texto) : QString(antes + QStringLiteral(" *") + texto);
}

} // namespace RegrasNota
