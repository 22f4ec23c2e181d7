#include "Esquema.h"
#include "BancoDados.h"
#include "ErroBD.h"
#include "Query.h"
#include "Transacao.h"

#include <QFile>

namespace {

QString leRecurso(const QString &nome)
{
    QFile f(nome);
    if (!f.open(QIODevice::ReadOnly)) throw ErroBD(QStringLiteral("Script não encontrado: ") + nome);
    return QString::fromUtf8(f.readAll());
}

bool soComentario(const QString &comando)
{
    for (const QString &linha : comando.split(QLatin1Char('\n'))) {
        const QString t = linha.trimmed();
        if (!t.isEmpty() && !t.startsWith(QStringLiteral("--"))) return false;
    }
    return true;
}

} // namespace

QStringList Esquema::divideScript(const QString &script)
{
    QStringList comandos;
    QString atual;
    const qsizetype n = script.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = script.at(i);
        if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            qsizetype j = i + 1;
            while (j < n) {
                if (script.at(j) == c) {
                    if (j + 1 < n && script.at(j + 1) == c) { j += 2; continue; } // doubled quote
                    break;
                }
                ++j;
            }
            atual += QStringView(script).mid(i, qMin(j + 1, n) - i);
            i = j;
        } else if (c == QLatin1Char('-') && i + 1 < n && script.at(i + 1) == QLatin1Char('-')) {
            qsizetype j = script.indexOf(QLatin1Char('\n'), i);
            if (j < 0) j = n;
            atual += QStringView(script).mid(i, j - i);
            i = j - 1;
        } else if (c == QLatin1Char(';')) {
            if (!soComentario(atual)) comandos.append(atual.trimmed());
            atual.clear();
        } else {
            atual += c;
        }
    }
    if (!soComentario(atual)) comandos.append(atual.trimmed());
    return comandos;
}

QStringList Esquema::comandosEsquema() { return divideScript(leRecurso(QStringLiteral(":/esquema/esquema.sql"))); }

QStringList Esquema::comandosDadosIniciais()
{
    return divideScript(leRecurso(QStringLiteral(":/esquema/dados_iniciais.sql")));
}

void Esquema::insereConfiguracaoInicial(BancoDados &banco, QDate hoje)
{
    Transacao tr(banco);
    Query q(banco, tr);
    q.sql.defineLinhas({QStringLiteral("INSERT INTO CONFIGS (CF_CODIGO, CF_BLOQUEIA_LOCALIDADES, "
                                       "CF_EXIBE_CONF_ALT_CADASTRO, CF_VERSAO, CF_BACKUP, CF_MODELO_PROMIS, "
                                       "CF_IMP_RECIBO_NO_ATO, CF_NAOIMPRIME_DTEMISS)"),
                        QStringLiteral("VALUES (1, 'F', 'F', :VERSAO, :BACKUP, 'MODELO PADRÃO', 'F', 'F')")});
    q.defineParametro(QStringLiteral("VERSAO"), Versao);
    q.defineParametro(QStringLiteral("BACKUP"), hoje);
    q.execSQL();
    tr.commit();
}

void Esquema::criaBanco(const QString &arquivo, QDate hoje, const std::function<void(int, int)> &progresso)
{
    const QStringList comandos = comandosEsquema() + comandosDadosIniciais();
    BancoDados banco;
    banco.cria(arquivo);
    try {
        int feitos = 0;
        for (const QString &c : comandos) {
            banco.executa(c);
            if (progresso) progresso(++feitos, int(comandos.size()) + 1);
        }
        insereConfiguracaoInicial(banco, hoje);
        if (progresso) progresso(int(comandos.size()) + 1, int(comandos.size()) + 1);
        banco.desconecta();
    } catch (...) {
        try { banco.desconecta(); } catch (const ErroBD &) {}
        QFile::remove(arquivo);
        throw;
    }
}
