#pragma once
// The derived texts of a simplified note, as the list, the detail panel and the report layouts
// read them, and the connections that hand them to the layouts beside the note's columns.

#include "ConexaoRelatorio.h"

#include <QDate>
#include <QStringList>
#include <functional>

class Moeda;

namespace CamposNotaLite {

// Whether the texts are for a list row or for the current note; they differ in a few words.
enum class Forma { Lista, Atual };

QString parcelaXdeX(int parcela, int total);
QString vencimentoExtenso1(QDate vencimento);
QString vencimentoExtenso2(QDate vencimento, const QString &docCredor, Forma forma);
QString credorExtenso(const QString &credor, const QString &docCredor, Forma forma);
QString emitenteDoc(const QString &doc);
QString valorExtensoNota(Moeda valor);
QString emissaoExtenso(const QString &cidade, QDate data);

} // namespace CamposNotaLite

// `RVNotaPromissoriaLite` (the current note) or `RVNotaPromissoriaLite2` (the list), with the
// derived texts as calculated fields; `modo` tells notes (1) from receipts (2).
class ConexaoNotaLite : public ConexaoRelatorio {
public:
    ConexaoNotaLite(const QString &nome, Query &query, CamposNotaLite::Forma forma, std::function<int()> modo,
                    QObject *parent = nullptr);

    static const QStringList &calculados();

    QString calculado(int linha, const QString &campo) const;

protected:
    const QStringList &camposCalculados() const override { return calculados(); }
    QVariant valorCalculado(int linha, const QString &campo) const override { return calculado(linha, campo); }

private:
    CamposNotaLite::Forma forma_;
    std::function<int()> modo_;
};
