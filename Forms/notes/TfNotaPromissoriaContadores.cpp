// The three due-date counters over the whole table (overdue, due today, due in the next 7 days).

#include "TfNotaPromissoria.h"

#include "ParcelasNaoPagas.h"
#include "Relogio.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>

void TfNotaPromissoria::montaContadores()
{
    const auto rotulo = [this](const char *nome, const QString &cor) {
        auto *l = new QLabel(this);
        l->setObjectName(QLatin1String(nome));
        l->setStyleSheet(QStringLiteral("color: %1; font-weight: bold;").arg(cor));
        return l;
    };
    LabelVencidas = rotulo("LabelVencidas", QStringLiteral("#b00000"));
    LabelVencidasValor = rotulo("LabelVencidasValor", QStringLiteral("#b00000"));
    LabelHoje = rotulo("LabelHoje", QStringLiteral("#0030a0"));
    LabelHojeValor = rotulo("LabelHojeValor", QStringLiteral("#0030a0"));
    LabelSemana = rotulo("LabelSemana", QStringLiteral("#006000"));
    LabelSemanaValor = rotulo("LabelSemanaValor", QStringLiteral("#006000"));
}

// Installments not paid: "NP_STATUS<>'P'". The overdue count runs over every due date since
// 1900, so it is written in the form the status-and-due-date index serves (same rows).
void TfNotaPromissoria::CalculaContadores()
{
    const QDate dia = hoje();
    const auto conta = [this](const QString &condicao, QDate d1, QDate d2, QLabel *rotulo, QLabel *valor,
                              const QString &texto) {
        QryConsulta.close();
        QryConsulta.sql.defineLinhas({QStringLiteral("SELECT COUNT(NP_CODIGO) AS REGISTROS, SUM(NP_SALDO_DEVEDOR) AS VALOR "
                                                     "FROM NOTAPROMISSORIA"),
                                      condicao});
        QryConsulta.limpaParametros();
        QryConsulta.defineParametro(QStringLiteral("DATA1"), d1);
        if (d2.isValid()) QryConsulta.defineParametro(QStringLiteral("DATA2"), d2);
        QryConsulta.open();
        const int n = QryConsulta[QStringLiteral("REGISTROS")].asInteger();
        const Moeda soma = QryConsulta[QStringLiteral("VALOR")].asMoeda();
        QryConsulta.close();
        rotulo->setText(QString::number(n) + texto);
        valor->setText(soma.formatado());
    };
    const QString vencidas = ParcelasNaoPagas::condicao(QStringLiteral("%1>=:DATA1 AND %1<:DATA2"));
    conta(QStringLiteral("WHERE ") + vencidas, QDate(1900, 1, 1), dia, LabelVencidas, LabelVencidasValor,
          QStringLiteral("  Vencidas/ Atrasadas"));
    conta(QStringLiteral("WHERE NP_DT_VENCIMENTO=:DATA1 AND NP_STATUS<>'P'"), dia, {}, LabelHoje, LabelHojeValor,
          QStringLiteral("  Vencendo hoje"));
    conta(QStringLiteral("WHERE NP_DT_VENCIMENTO>=:DATA1 AND NP_DT_VENCIMENTO<=:DATA2 AND NP_STATUS<>'P'"), dia.addDays(1),
          dia.addDays(7), LabelSemana, LabelSemanaValor, QStringLiteral("  Vencendo prox. 7 dias"));
}
