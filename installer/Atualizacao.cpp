#include "Atualizacao.h"

#include "BancoDados.h"
#include "ErroBD.h"
#include "Esquema.h"
#include "ListaAtualizacao.h"
#include "Query.h"
#include "Transacao.h"

#include <QRegularExpression>

namespace {

constexpr int PessoasPorLote = 5000;

QString semComentarios(const QString &comando)
{
    QStringList linhas;
    for (const QString &l : comando.split(QLatin1Char('\n')))
        if (!l.trimmed().startsWith(QStringLiteral("--"))) linhas.append(l);
    return linhas.join(QLatin1Char('\n')).trimmed();
}

// The index statements of the schema, by index name.
QList<QPair<QString, QString>> indicesDoEsquema()
{
    static const QRegularExpression re(QStringLiteral("^CREATE\\s+(?:UNIQUE\\s+)?(?:ASC\\w*\\s+|DESC\\w*\\s+)?INDEX\\s+(\\w+)"),
                                       QRegularExpression::CaseInsensitiveOption);
    QList<QPair<QString, QString>> r;
    for (const QString &c : Esquema::comandosEsquema()) {
        const QString sql = semComentarios(c);
        const auto m = re.match(sql);
        if (m.hasMatch()) r.append({m.captured(1).toUpper(), sql});
    }
    return r;
}

// The person's full address from the visible streets, neighbourhoods and cities; a missing
// value or a hidden or missing row gives empty text.
const char *const SqlEnderecos =
    "UPDATE CADASTROS CG SET CG.CG_ENDERECO_COMPLETO2 = "
    "COALESCE((SELECT LG_NOME FROM LOGRADOUROS WHERE LG_CODIGO = CG.CG_COD_LOGRADOURO AND LG_EXIBIR = 'T'), '') "
    "|| ', ' || COALESCE(CG.CG_NUMERO, '') || '-' || COALESCE(CG.CG_COMPLEMENTO, '') || ' - ' "
    "|| COALESCE((SELECT BR_NOME FROM BAIRROS WHERE BR_CODIGO = CG.CG_COD_BAIRRO AND BR_EXIBIR = 'T'), '') || ' - ' "
    "|| COALESCE((SELECT CD_NOME FROM CIDADES WHERE CD_CODIGO = CG.CG_COD_CIDADE AND CD_EXIBIR = 'T'), '') || '/' "
    "|| COALESCE((SELECT TRIM(TRAILING FROM CD_UF) FROM CIDADES WHERE CD_CODIGO = CG.CG_COD_CIDADE AND CD_EXIBIR = 'T'), '') "
    "WHERE CG.CG_CODIGO BETWEEN :DE AND :ATE";

} // namespace

const QString Atualizacao::MsgDivergencia = QStringLiteral("Houve uma divergência entre linhas de atualização!");

QStringList Atualizacao::parametrosAtualizacao()
{
    return BancoDados::parametrosPadrao() << QStringLiteral("force_write=0");
}

void Atualizacao::restauraEscritaForcada(BancoDados &banco)
{
    banco.desconecta();
    banco.parametros = BancoDados::parametrosPadrao() << QStringLiteral("force_write=1");
    banco.conecta();
    banco.parametros = BancoDados::parametrosPadrao();
}

QString Atualizacao::comandoEnderecos() { return QString::fromLatin1(SqlEnderecos); }

Atualizacao::Atualizacao(BancoDados &banco)
    : memoVerifica(ListaAtualizacao::memoVerifica()), memoExecuta(ListaAtualizacao::memoExecuta()), banco_(banco)
{
}

void Atualizacao::avanca()
{
    ++feito_;
    if (progresso) progresso(qMin(feito_, total_), total_);
}

void Atualizacao::executaComando(const QString &sql)
{
    Transacao tr(banco_, QStringLiteral("TransQrySQL"));
    Query q(banco_, tr);
    q.sql.defineTexto(sql);
    q.execSQL();
    tr.commit();
}

void Atualizacao::executa(int versao, QDate hoje)
{
    executados_.clear();
    feito_ = 0;
    const QStringList criacao = ListaAtualizacao::criacaoTabelas();
    total_ = int(criacao.size()) + int(memoVerifica.size()) + 2;
    if (progresso) progresso(0, total_);
    criacaoTabelas();
    if (memoVerifica.size() != memoExecuta.size()) {
        if (aviso) aviso(MsgDivergencia);
        total_ -= int(memoVerifica.size());
    } else {
        executaLista();
    }
    criaIndices();
    avanca();
    refazEnderecos();
    gravaConfiguracao(versao, hoje);
    avanca();
}

void Atualizacao::criacaoTabelas()
{
    for (const QString &c : ListaAtualizacao::criacaoTabelas()) {
        try {
            executaComando(c);
        } catch (const ErroBD &) {
            // already there
        }
        avanca();
    }
}

void Atualizacao::executaLista()
{
    Transacao tr(banco_, QStringLiteral("TransQrySQL"));
    Query q(banco_, tr);
    for (int i = 0; i < memoVerifica.size(); ++i) {
        q.sql.defineTexto(memoVerifica.at(i));
        q.open();
        const bool existe = !q.isEmpty();
        q.close();
        if (!existe) {
            q.sql.defineTexto(memoExecuta.at(i));
            q.execSQL();
            tr.commit();
            executados_.append(i + 1);
        }
        avanca();
    }
    if (tr.ativa()) tr.commit();
}

void Atualizacao::criaIndices()
{
    Transacao tr(banco_, QStringLiteral("TransQrySQL"));
    Query q(banco_, tr);
    q.sql.defineTexto(QStringLiteral("SELECT 1 FROM RDB$INDICES WHERE RDB$INDEX_NAME = :NOME"));
    for (const auto &[nome, sql] : indicesDoEsquema()) {
        q.defineParametro(QStringLiteral("NOME"), nome);
        q.open();
        const bool existe = !q.isEmpty();
        q.close();
        tr.commit();
        if (!existe) executaComando(sql);
    }
}

void Atualizacao::refazEnderecos()
{
    Transacao tr(banco_, QStringLiteral("TransQrySQL"));
    Query faixa(banco_, tr);
    faixa.sql.defineTexto(QStringLiteral("SELECT MIN(CG_CODIGO) AS DE, MAX(CG_CODIGO) AS ATE FROM CADASTROS"));
    faixa.open();
    const bool vazio = faixa[QStringLiteral("DE")].isNull();
    const qint64 de = vazio ? 0 : faixa[QStringLiteral("DE")].asLargeInt();
    const qint64 ate = vazio ? -1 : faixa[QStringLiteral("ATE")].asLargeInt();
    faixa.close();
    tr.commit();

    const int lotes = vazio ? 0 : int((ate - de) / PessoasPorLote + 1);
    total_ += lotes;
    if (progresso) progresso(feito_, total_);
    Query q(banco_, tr);
    q.sql.defineTexto(comandoEnderecos());
    for (qint64 inicio = de; inicio <= ate; inicio += PessoasPorLote) {
        q.defineParametro(QStringLiteral("DE"), inicio);
        q.defineParametro(QStringLiteral("ATE"), inicio + PessoasPorLote - 1);
        q.execSQL();
        tr.commit();
        avanca();
    }
}

void Atualizacao::gravaConfiguracao(int versao, QDate hoje)
{
    Transacao tr(banco_, QStringLiteral("TransConfigs"));
    Query cfg(banco_, tr);
    cfg.sql.defineTexto(QStringLiteral("SELECT * FROM CONFIGS"));
    cfg.open();
    const bool novo = cfg.isEmpty();
    const QVariant codigoAntigo = novo ? QVariant() : cfg[QStringLiteral("CF_CODIGO")].valor();
    const QVariant caminho = novo ? QVariant() : cfg[QStringLiteral("CF_PATH_ATUALIZADOR")].valor();
    cfg.close();

    Query grava(banco_, tr);
    if (novo) {
        grava.sql.defineLinhas({QStringLiteral("insert into CONFIGS"),
                                QStringLiteral("  (CF_CODIGO, CF_UF_PADRAO, CF_BLOQUEIA_LOCALIDADES, CF_EXIBE_CONF_ALT_CADASTRO, "
                                               "CF_PATH_ATUALIZADOR, CF_VERSAO, CF_BACKUP, CF_MODELO_PROMIS)"),
                                QStringLiteral("values"),
                                QStringLiteral("  (:CF_CODIGO, :CF_UF_PADRAO, :CF_BLOQUEIA_LOCALIDADES, :CF_EXIBE_CONF_ALT_CADASTRO, "
                                               ":CF_PATH_ATUALIZADOR, :CF_VERSAO, :CF_BACKUP, :CF_MODELO_PROMIS)")});
    } else {
        grava.sql.defineLinhas({QStringLiteral("update CONFIGS"), QStringLiteral("set"),
                                QStringLiteral("  CF_CODIGO = :CF_CODIGO,"), QStringLiteral("  CF_UF_PADRAO = :CF_UF_PADRAO,"),
                                QStringLiteral("  CF_BLOQUEIA_LOCALIDADES = :CF_BLOQUEIA_LOCALIDADES,"),
                                QStringLiteral("  CF_EXIBE_CONF_ALT_CADASTRO = :CF_EXIBE_CONF_ALT_CADASTRO,"),
                                QStringLiteral("  CF_PATH_ATUALIZADOR = :CF_PATH_ATUALIZADOR,"),
                                QStringLiteral("  CF_VERSAO = :CF_VERSAO,"), QStringLiteral("  CF_BACKUP = :CF_BACKUP,"),
                                QStringLiteral("  CF_MODELO_PROMIS = :CF_MODELO_PROMIS"), QStringLiteral("where"),
                                QStringLiteral("  CF_CODIGO = :OLD_CF_CODIGO")});
        grava.defineParametro(QStringLiteral("OLD_CF_CODIGO"), codigoAntigo);
    }
    grava.defineParametro(QStringLiteral("CF_CODIGO"), 1);
    grava.defineParametro(QStringLiteral("CF_UF_PADRAO"), QVariant());
    grava.defineParametro(QStringLiteral("CF_BLOQUEIA_LOCALIDADES"), QStringLiteral("F"));
    grava.defineParametro(QStringLiteral("CF_EXIBE_CONF_ALT_CADASTRO"), QStringLiteral("F"));
    grava.defineParametro(QStringLiteral("CF_PATH_ATUALIZADOR"), caminho);
    grava.defineParametro(QStringLiteral("CF_VERSAO"), versao);
    grava.defineParametro(QStringLiteral("CF_BACKUP"), hoje);
    grava.defineParametro(QStringLiteral("CF_MODELO_PROMIS"), QStringLiteral("MODELO PADRÃO"));
    grava.execSQL();
    tr.commit();
}
