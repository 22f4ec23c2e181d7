#pragma once
// The calculated fields of the print dataset of notes and receipts, and the connection
// `RVNotaPromissoria` that hands them to the layouts beside the dataset's own columns.

#include "ConexaoRelatorio.h"

#include <QDate>
#include <QStringList>
#include <functional>

class Moeda;

namespace CamposNota {

enum ModoImpressao { Nenhum = 0, Nota = 1, Recibo = 2 };

QString mes(QDate d);     // "JANEIRO" .. "DEZEMBRO"
QString cpf(const QString &doc);  // 3.3.3-2, positions as stored
QString cnpj(const QString &doc); // 2.3.3/4-2, positions as stored
QString vencimentoExtenso1(QDate vencimento);
QString vencimentoExtenso3(const QString &cidade, const QString &uf, QDate vencimento);
QString campoTotal(QDate vencimento, const QString &credor, const QString &tipoCredor, const QString &docCredor,
                   Moeda valor);
QString emissaoExtenso(const QString &cidade, const QString &uf, QDate data);
QString extensoMaiusculo(Moeda valor);
QString documento(const QString &doc, const QString &tipo);       // empty without a document
QString documentoCredor(const QString &doc, const QString &tipo); // by type, also without a document
QString fonesCredor(const QString &fone1, const QString &fone2);

// The report chosen for a note model, or empty for a value no report answers.
QString relatorioDoModelo(const QString &modelo);

} // namespace CamposNota

class ConexaoImpressaoNota : public ConexaoRelatorio {
public:
    ConexaoImpressaoNota(Query &query, std::function<int()> modo, QObject *parent = nullptr);

    static const QStringList &calculados();

    // The calculated field of a row (by name), as the layouts read it.
    QString calculado(int linha, const QString &campo) const;

protected:
    const QStringList &camposCalculados() const override { return calculados(); }
    QVariant valorCalculado(int linha, const QString &campo) const override { return calculado(linha, campo); }

private:
    std::function<int()> modo_;
};
