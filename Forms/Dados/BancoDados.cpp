#include "BancoDados.h"
#include "FbApi.h"
#include "Query.h"
#include "Transacao.h"
#include "Win1252.h"

#include <ibase.h>

using namespace Firebird;

BancoDados::BancoDados() : parametros(parametrosPadrao()) {}

BancoDados::~BancoDados()
{
    try {
        desconecta();
    } catch (const ErroBD &) {
    }
}

QStringList BancoDados::parametrosPadrao()
{
    return {QStringLiteral("user_name=SYSDBA"), QStringLiteral("password=ximbrotal"),
            QStringLiteral("sql_role_name=3"), QStringLiteral("lc_ctype=WIN1252")};
}

QString BancoDados::nomeServidor(const QString &servidor, const QString &caminho, int porta)
{
    return servidor + QLatin1Char('/') + QString::number(porta) + QLatin1Char(':') + caminho;
}

QString BancoDados::nomeEmbarcado()
{
#ifdef Q_OS_WIN
    return QStringLiteral("Dados\\BD.FDB");
#else
    return QStringLiteral("Dados/BD.FDB");
#endif
}

QByteArray BancoDados::dpb(bool criar) const
{
    FbApi::Status st;
    IXpbBuilder *b = FbApi::util()->getXpbBuilder(&st, IXpbBuilder::DPB, nullptr, 0);
    st.verifica();
    struct Tag { const char *nome; unsigned char tag; };
    static const Tag tags[] = {{"user_name", isc_dpb_user_name}, {"password", isc_dpb_password},
                               {"sql_role_name", isc_dpb_sql_role_name}, {"lc_ctype", isc_dpb_lc_ctype}};
    // Settings of the database file that a connection may change (the administrator's).
    static const Tag numeros[] = {{"force_write", isc_dpb_force_write}, {"num_buffers", isc_dpb_num_buffers}};
    for (const QString &linha : parametros) {
        const qsizetype igual = linha.indexOf(QLatin1Char('='));
        const QString chave = linha.left(igual).trimmed().toLower();
        const QByteArray valor = Win1252::codifica(linha.mid(igual + 1));
        for (const Tag &t : tags)
            if (chave == QLatin1String(t.nome)) b->insertString(&st, t.tag, valor.constData());
        for (const Tag &t : numeros)
            if (chave == QLatin1String(t.nome)) b->insertInt(&st, t.tag, linha.mid(igual + 1).trimmed().toInt());
    }
    b->insertInt(&st, isc_dpb_sql_dialect, 3);
    // The file name goes as UTF-8: in the connection's character set a folder with an accent
    // cannot be named on a system whose file names are UTF-8.
    b->insertTag(&st, isc_dpb_utf8_filename);
    if (criar) {
        b->insertInt(&st, isc_dpb_page_size, 8192);
        b->insertString(&st, isc_dpb_set_db_charset, "WIN1252");
    }
    QByteArray r(reinterpret_cast<const char *>(b->getBuffer(&st)), int(b->getBufferLength(&st)));
    b->dispose();
    st.verifica();
    return r;
}

void BancoDados::conecta()
{
    desconecta();
    const QByteArray p = dpb(false);
    const QByteArray n = nome.toUtf8();
    FbApi::Status st;
    IAttachment *a = FbApi::provedor()->attachDatabase(&st, n.constData(), unsigned(p.size()),
                                                       reinterpret_cast<const unsigned char *>(p.constData()));
    st.verifica();
    att_ = a;
    ++geracao_;
}

void BancoDados::cria(const QString &arquivo)
{
    desconecta();
    const QByteArray p = dpb(true);
    const QByteArray n = arquivo.toUtf8();
    FbApi::Status st;
    IAttachment *a = FbApi::provedor()->createDatabase(&st, n.constData(), unsigned(p.size()),
                                                       reinterpret_cast<const unsigned char *>(p.constData()));
    st.verifica();
    att_ = a;
    nome = arquivo;
    ++geracao_;
}

void BancoDados::desconecta()
{
    if (!att_) return;
    for (Query *q : std::as_const(queries_)) q->soltaComando();
    for (Transacao *t : std::as_const(transacoes_)) {
        try {
            t->commit();
        } catch (const ErroBD &) {
            t->abandona();
        }
    }
    FbApi::Status st;
    att_->detach(&st);
    if (st.falhou()) {
        ErroBD e = st.erro();
        att_->release();
        att_ = nullptr;
        throw e;
    }
    att_ = nullptr;
}

void BancoDados::executa(const QString &sql)
{
    if (!att_) throw ErroBD(QStringLiteral("Banco de dados não conectado."));
    Transacao tr(*this);
    const QByteArray texto = Win1252::codifica(sql);
    FbApi::Status st;
    att_->execute(&st, tr.escrita(), unsigned(texto.size()), texto.constData(), 3, nullptr, nullptr, nullptr,
                  nullptr);
    if (st.falhou()) {
        ErroBD e = st.erro();
        tr.rollback();
        throw e;
    }
    tr.commit();
}

qint64 BancoDados::geraValor(const QString &gerador, int incremento, Transacao &tr)
{
    Query q(*this, tr);
    q.sql.defineTexto(QString::asprintf("SELECT GEN_ID(%s, %d) FROM RDB$DATABASE", qPrintable(gerador), incremento));
    q.open();
    return q.valor(0, 0).toLongLong();
}
