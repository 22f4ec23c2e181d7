#include "ConferePagamento.h"

#include "DataEdit.h"
#include "Mensagens.h"
#include "MoedaEdit.h"
#include "RegrasNota.h"
#include "uFuncoes.h"

#include "Query.h"

namespace ConferePagamento {

QString mensagem()
{
    return QStringLiteral("O pagamento desta parcela foi alterado em outro computador. Informe o recebimento novamente.");
}

bool alterado(Query &q, const Colunas &c, int codigo, Moeda pagoAntes, Moeda saldoAntes)
{
    const QString pago = QLatin1String(c.pago), saldo = QLatin1String(c.saldo), status = QLatin1String(c.status);
    q.close();
    q.sql.defineTexto(QStringLiteral("select %1, %2, %3 from %4 where %5=:CODIGO")
                          .arg(pago, saldo, status, QLatin1String(c.tabela), QLatin1String(c.chave)));
    q.limpaParametros();
    q.defineParametro(QStringLiteral("CODIGO"), codigo);
    q.open();
    const bool mudou = q.isEmpty() || q[pago].asMoeda() != pagoAntes || q[saldo].asMoeda() != saldoAntes ||
                       q[status].asString() == QLatin1String("P");
    q.close();
    return mudou;
}

} // namespace ConferePagamento

std::optional<ConferePagamento::Recebimento> ConferePagamento::confereDigitado(MoedaEdit *valorPago, DataEdit *dataPgto,
                                                                                Moeda pagoAntes, Moeda valorParcela,
                                                                                const QVariant &obsAntes)
{
    const auto foca = [](QLineEdit *e) {
        e->setFocus();
        e->selectAll();
        return std::nullopt;
    };
    const Moeda a = valorPago->valor();
    Recebimento r;
    r.total = pagoAntes + a; // from the total before this payment: a retry counts A once
    if (r.total <= Moeda()) {
        informacao(QStringLiteral("É necessário informar o valor do pagamento !"));
        return foca(valorPago);
    }
    if (dataPgto->vazio()) {
        informacao(QStringLiteral("É necessário informar a data do pagamento !"));
        return foca(dataPgto);
    }
    QVariant data;
    if (!ValidaData(data, dataPgto->textoVisivel())) return foca(dataPgto);
    r.dia = data.toDate();
    r.obs = obsAntes;
    if (r.total < valorParcela) {
        if (!perguntaSimNao(QStringLiteral("VALOR INFERIOR! Deseja informar pagamento PARCIAL?"), QStringLiteral("Informação!")))
            return foca(valorPago);
        r.obs = RegrasNota::observacaoParcial(obsAntes, a, r.dia);
    }
    if (r.total > valorParcela &&
        !perguntaSimNao(QStringLiteral("Valor do pagamento é superior. Deseja continuar?"), QStringLiteral("Informação!")))
        return foca(valorPago);
    return r;
}
