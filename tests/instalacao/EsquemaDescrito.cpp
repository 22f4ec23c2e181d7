#include "EsquemaDescrito.h"

#include "BancoDados.h"
#include "Query.h"
#include "Transacao.h"

namespace {

QStringList linhas(BancoDados &b, const QString &tipo, const QString &sql)
{
    Transacao tr(b);
    Query q(b, tr);
    q.sql.defineTexto(sql);
    q.open();
    QStringList r;
    for (q.first(); !q.eof(); q.next()) {
        QStringList campos{tipo};
        for (int c = 0; c < q.columnCount(); ++c) campos.append(q.field(c).asString().trimmed());
        r.append(campos.join(QLatin1Char('|')));
    }
    q.close();
    tr.commit();
    return r;
}

} // namespace

QStringList descreveEsquema(BancoDados &b)
{
    QStringList r;
    r += linhas(b, QStringLiteral("tabela"),
                QStringLiteral("SELECT RDB$RELATION_NAME FROM RDB$RELATIONS WHERE COALESCE(RDB$SYSTEM_FLAG, 0) = 0"));
    r += linhas(b, QStringLiteral("coluna"), QStringLiteral(
        "SELECT RF.RDB$RELATION_NAME, RF.RDB$FIELD_NAME, "
        "CASE WHEN RF.RDB$FIELD_SOURCE STARTING WITH 'RDB$' THEN '' ELSE RF.RDB$FIELD_SOURCE END, "
        "F.RDB$FIELD_TYPE, F.RDB$FIELD_SUB_TYPE, F.RDB$FIELD_LENGTH, F.RDB$FIELD_SCALE, F.RDB$FIELD_PRECISION, "
        "F.RDB$CHARACTER_SET_ID, F.RDB$SEGMENT_LENGTH, COALESCE(RF.RDB$NULL_FLAG, 0) "
        "FROM RDB$RELATION_FIELDS RF JOIN RDB$FIELDS F ON F.RDB$FIELD_NAME = RF.RDB$FIELD_SOURCE "
        "JOIN RDB$RELATIONS R ON R.RDB$RELATION_NAME = RF.RDB$RELATION_NAME WHERE COALESCE(R.RDB$SYSTEM_FLAG, 0) = 0"));
    r += linhas(b, QStringLiteral("domínio"), QStringLiteral(
        "SELECT RDB$FIELD_NAME, RDB$FIELD_TYPE, RDB$FIELD_SUB_TYPE, RDB$FIELD_LENGTH, RDB$FIELD_SCALE, "
        "RDB$FIELD_PRECISION, RDB$CHARACTER_SET_ID, RDB$SEGMENT_LENGTH FROM RDB$FIELDS "
        "WHERE COALESCE(RDB$SYSTEM_FLAG, 0) = 0 AND RDB$FIELD_NAME NOT STARTING WITH 'RDB$'"));
    r += linhas(b, QStringLiteral("índice"), QStringLiteral(
        "SELECT I.RDB$INDEX_NAME, I.RDB$RELATION_NAME, COALESCE(I.RDB$UNIQUE_FLAG, 0), COALESCE(I.RDB$INDEX_TYPE, 0), "
        "CAST(I.RDB$EXPRESSION_SOURCE AS VARCHAR(200)), I.RDB$FOREIGN_KEY, "
        "(SELECT LIST(TRIM(S.RDB$FIELD_NAME), ',') FROM (SELECT S2.RDB$FIELD_NAME FROM RDB$INDEX_SEGMENTS S2 "
        "WHERE S2.RDB$INDEX_NAME = I.RDB$INDEX_NAME ORDER BY S2.RDB$FIELD_POSITION) S) "
        "FROM RDB$INDICES I WHERE COALESCE(I.RDB$SYSTEM_FLAG, 0) = 0"));
    r += linhas(b, QStringLiteral("restrição"), QStringLiteral(
        "SELECT RDB$CONSTRAINT_NAME, RDB$CONSTRAINT_TYPE, RDB$RELATION_NAME, RDB$INDEX_NAME FROM RDB$RELATION_CONSTRAINTS "
        "WHERE RDB$CONSTRAINT_TYPE <> 'NOT NULL'"));
    r += linhas(b, QStringLiteral("referência"), QStringLiteral(
        "SELECT RDB$CONSTRAINT_NAME, RDB$CONST_NAME_UQ, RDB$UPDATE_RULE, RDB$DELETE_RULE FROM RDB$REF_CONSTRAINTS"));
    r += linhas(b, QStringLiteral("gerador"), QStringLiteral(
        "SELECT RDB$GENERATOR_NAME FROM RDB$GENERATORS WHERE COALESCE(RDB$SYSTEM_FLAG, 0) = 0"));
    r.sort();
    return r;
}
