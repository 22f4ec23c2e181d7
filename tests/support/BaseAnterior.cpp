#include "BaseAnterior.h"

#include "BancoDados.h"
#include "ErroBD.h"
#include "Esquema.h"
#include "ListaAtualizacao.h"

#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QSet>

namespace {

struct Acrescimos {
    QHash<QString, QSet<QString>> colunas; // table -> columns the list adds
    QSet<QString> tabelas;                 // tables the list creates
};

Acrescimos acrescimos()
{
    Acrescimos a;
    const QStringList verifica = ListaAtualizacao::memoVerifica();
    const QStringList executa = ListaAtualizacao::memoExecuta();
    for (int i = 0; i < verifica.size(); ++i) {
        const auto v = ListaAtualizacao::le(verifica.at(i));
        if (v.sempre()) continue;
        if (executa.at(i).startsWith(QStringLiteral("CREATE TABLE"))) a.tabelas.insert(v.tabela);
        a.colunas[v.tabela].insert(v.coluna);
    }
    return a;
}

QString normaliza(QString s) { return s.simplified().remove(QLatin1Char(';')).toUpper(); }

QString semComentarios(const QString &comando)
{
    QStringList linhas;
    for (const QString &l : comando.split(QLatin1Char('\n')))
        if (!l.trimmed().startsWith(QStringLiteral("--"))) linhas.append(l);
    return linhas.join(QLatin1Char('\n')).trimmed();
}

// The statement as the earlier release had it; empty when it did not exist.
QString anterior(const QString &comando, const Acrescimos &a, const QSet<QString> &criacao)
{
    static const QRegularExpression tabela(QStringLiteral("^CREATE TABLE (\\w+)"));
    static const QRegularExpression indice(QStringLiteral("^CREATE\\s+(?:\\w+\\s+)?INDEX\\s+\\w+\\s+ON\\s+(\\w+)\\s*(?:\\((.*)\\)|COMPUTED BY\\s*\\((.*)\\))"),
                                           QRegularExpression::DotMatchesEverythingOption);
    const QString sql = semComentarios(comando);
    if (criacao.contains(normaliza(sql))) return {};
    if (sql.startsWith(QStringLiteral("CREATE DOMAIN DM_FONE "))) return QStringLiteral("CREATE DOMAIN DM_FONE AS VARCHAR(10)");
    if (const auto m = tabela.match(sql); m.hasMatch()) {
        const QString t = m.captured(1);
        if (a.tabelas.contains(t)) return {};
        const QSet<QString> removidas = a.colunas.value(t);
        QStringList linhas;
        for (const QString &l : sql.split(QLatin1Char('\n'))) {
            const QString nome = l.trimmed().section(QLatin1Char(' '), 0, 0);
            if (!removidas.contains(nome)) linhas.append(l);
        }
        return linhas.join(QLatin1Char('\n'));
    }
    if (const auto m = indice.match(sql); m.hasMatch()) {
        const QString t = m.captured(1);
        if (a.tabelas.contains(t)) return {};
        const QString colunas = m.captured(2) + m.captured(3);
        for (const QString &c : a.colunas.value(t))
            if (QRegularExpression(QStringLiteral("\\b%1\\b").arg(c)).match(colunas).hasMatch()) return {};
    }
    return sql;
}

void executaTodos(BancoDados &b, const QStringList &comandos)
{
    for (const QString &c : comandos) b.executa(c);
}

} // namespace

QStringList BaseAnterior::comandosEsquema()
{
    const Acrescimos a = acrescimos();
    QSet<QString> criacao;
    for (const QString &c : ListaAtualizacao::criacaoTabelas()) criacao.insert(normaliza(c));
    QStringList r;
    for (const QString &c : Esquema::comandosEsquema()) {
        const QString s = anterior(c, a, criacao);
        if (!s.isEmpty()) r.append(s);
    }
    return r;
}

void BaseAnterior::criaVazia(const QString &arquivo)
{
    QFile::remove(arquivo);
    BancoDados b;
    b.cria(arquivo);
    try {
        executaTodos(b, comandosEsquema() + Esquema::comandosDadosIniciais());
    } catch (...) {
        try { b.desconecta(); } catch (const ErroBD &) {}
        QFile::remove(arquivo);
        throw;
    }
    b.desconecta();
}

void BaseAnterior::cria(const QString &arquivo)
{
    criaVazia(arquivo);
    BancoDados b;
    b.nome = arquivo;
    b.conecta();
    executaTodos(b, {
        QStringLiteral("INSERT INTO CIDADES (CD_CODIGO, CD_NOME, CD_COD_ESTADO, CD_UF, CD_EXIBIR) VALUES (1, 'SÃO PAULO', 26, 'SP', 'T')"),
        QStringLiteral("INSERT INTO CIDADES (CD_CODIGO, CD_NOME, CD_COD_ESTADO, CD_UF, CD_EXIBIR) VALUES (2, 'OCULTA', 11, 'MG', 'F')"),
        QStringLiteral("INSERT INTO BAIRROS (BR_CODIGO, BR_NOME, BR_COD_CIDADE, BR_EXIBIR) VALUES (1, 'CENTRO', 1, 'T')"),
        QStringLiteral("INSERT INTO LOGRADOUROS (LG_CODIGO, LG_TIPO, LG_NOME, LG_COD_CIDADE, LG_EXIBIR) VALUES (1, 'RUA', 'RUA DAS FLORES', 1, 'T')"),
        QStringLiteral("INSERT INTO CADASTROS (CG_CODIGO, CG_TIPO_PESSOA, CG_NOME, CG_COD_CIDADE, CG_COD_BAIRRO, CG_COD_LOGRADOURO, "
                       "CG_NUMERO, CG_COMPLEMENTO, CG_EXIBIR) VALUES (1, 'F', 'ANA SILVA', 1, 1, 1, '10', 'AP 2', 'T')"),
        QStringLiteral("INSERT INTO CADASTROS (CG_CODIGO, CG_TIPO_PESSOA, CG_NOME, CG_EXIBIR) VALUES (2, 'F', 'BRUNO SEM ENDERECO', 'T')"),
        QStringLiteral("INSERT INTO CADASTROS (CG_CODIGO, CG_TIPO_PESSOA, CG_NOME, CG_COD_CIDADE, CG_COD_BAIRRO, CG_COD_LOGRADOURO, "
                       "CG_NUMERO, CG_COMPLEMENTO, CG_EXIBIR) VALUES (3, 'F', 'CARLA OCULTA', 2, 1, 1, '7', 'FUNDOS', 'T')"),
        QStringLiteral("SET GENERATOR COD_CADASTROS TO 3"),
        QStringLiteral("INSERT INTO EMPRESAS (EM_CODIGO, EM_TIPO_PESSOA, EM_NOME, EM_FONE1) VALUES (1, 'J', 'LOJA BRELO', '1133334444')"),
        QStringLiteral("SET GENERATOR COD_EMPRESAS TO 1"),
        QStringLiteral("INSERT INTO USUARIOS (US_CODIGO, US_NOME) VALUES (1, 'JOSE')"),
        QStringLiteral("INSERT INTO USUARIOS (US_CODIGO, US_NOME) VALUES (2, 'MARIA')"),
        QStringLiteral("SET GENERATOR COD_USUARIOS TO 2"),
        QStringLiteral("INSERT INTO USUARIOSPERMISSOES (PUS_CODIGO, PUS_USUARIO, PUS_LOGIN, PUS_SENHA, PUS_ADMIN, PUS_BACKUP) "
                       "VALUES (1, 'S', 'JOSE', '123', 'T', 'T')"),
        QStringLiteral("INSERT INTO USUARIOSPERMISSOES (PUS_CODIGO, PUS_USUARIO, PUS_LOGIN, PUS_SENHA, PUS_ADMIN, PUS_BACKUP) "
                       "VALUES (2, 'S', 'MARIA', '456', 'F', 'F')"),
        QStringLiteral("INSERT INTO NOTAPROMISSORIA (NP_CODIGO, NP_PARCELA, NP_TOTAL_PARCELAS, NP_DT_EMISSAO, NP_DT_VENCIMENTO, "
                       "NP_VALOR, NP_VALOR_PGTO, NP_COD_CREDOR, NP_COD_EMITENTE, NP_STATUS) "
                       "VALUES (1, 1, 3, '2020-01-10', '2020-02-10', 100, NULL, 1, 1, 'N')"),
        QStringLiteral("INSERT INTO NOTAPROMISSORIA (NP_CODIGO, NP_PARCELA, NP_TOTAL_PARCELAS, NP_DT_EMISSAO, NP_DT_VENCIMENTO, "
                       "NP_VALOR, NP_VALOR_PGTO, NP_COD_CREDOR, NP_COD_EMITENTE, NP_STATUS) "
                       "VALUES (2, 2, 3, '2020-01-10', '2020-03-10', 200, 50, 1, 1, 'N')"),
        QStringLiteral("INSERT INTO NOTAPROMISSORIA (NP_CODIGO, NP_PARCELA, NP_TOTAL_PARCELAS, NP_DT_EMISSAO, NP_DT_VENCIMENTO, "
                       "NP_DT_PAGAMENTO, NP_VALOR, NP_VALOR_PGTO, NP_COD_CREDOR, NP_COD_EMITENTE, NP_STATUS) "
                       "VALUES (3, 3, 3, '2020-01-10', '2020-04-10', '2020-04-01', 300, 300, 1, 3, 'P')"),
        QStringLiteral("SET GENERATOR COD_NOTAPROMISSORIA TO 3"),
        QStringLiteral("INSERT INTO CONFIGS (CF_CODIGO, CF_UF_PADRAO, CF_BLOQUEIA_LOCALIDADES, CF_EXIBE_CONF_ALT_CADASTRO, "
                       "CF_PATH_ATUALIZADOR, CF_VERSAO, CF_BACKUP) VALUES (1, 5, 'T', 'T', 'ATUALIZADOR', 20150101, '2020-01-01')"),
    });
    b.desconecta();
}
