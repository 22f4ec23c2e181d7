#pragma once
// Placeholders of the report texts: "{CAMPO}", "{pParametro}", "{CONEXAO.CAMPO}", "{pagina}",
// "{paginas}", "{data}", "{hora}", "{linha}", "{contagem}", "{soma:CAMPO}", each with an optional
// format after a bar ("{NP_VALOR|extenso}"). "{{" and "}}" stand for the braces themselves.

#include "FonteDados.h"

#include <QDateTime>
#include <QHash>
#include <functional>

// What a placeholder can read while one band is drawn.
struct ContextoMarcadores {
    const QHash<QString, QString> *parametros = nullptr; // keys in lower case
    const FonteDados *principal = nullptr;
    QString nomePrincipal;
    std::function<const FonteDados *(const QString &)> conexao; // other connections by name
    int linha = -1;          // current row of the main dataset
    int inicio = 0, fim = 0; // rows counted and summed by {contagem} and {soma:CAMPO}
    int pagina = 0, paginas = 0;
    QDateTime agora;
};

namespace Marcadores {
// The text with every placeholder replaced; `formatoPadrao` applies to those that carry no format.
QString expande(const QString &modelo, const ContextoMarcadores &c, const QString &formatoPadrao = {});
// The value a placeholder name stands for (without format); invalid when it names nothing.
QVariant valor(const QString &nome, const ContextoMarcadores &c);
// A value as printed: dates dd/MM/yyyy, money "R$ 1.234,56" unless `formato` says otherwise.
QString formata(const QVariant &v, const QString &formato = {});
} // namespace Marcadores
