#include "Comando.h"
#include "BancoDados.h"
#include "FbApi.h"
#include "SQLTexto.h"
#include "Win1252.h"

#include "Moeda.h"

#include <QDateTime>
#include <cstring>
#include <ibase.h>

using namespace Firebird;

namespace {

constexpr unsigned kCharsetOctets = 1;
constexpr unsigned kSegmento = 32 * 1024;

int64_t potencia10(int n)
{
    int64_t p = 1;
    while (n-- > 0) p *= 10;
    return p;
}

ISC_DATE codificaData(QDate d)
{
    return FbApi::util()->encodeDate(unsigned(d.year()), unsigned(d.month()), unsigned(d.day()));
}

QDate decodificaData(ISC_DATE d)
{
    unsigned a, m, dia;
    FbApi::util()->decodeDate(d, &a, &m, &dia);
    return QDate(int(a), int(m), int(dia));
}

ISC_TIME codificaHora(QTime t)
{
    return FbApi::util()->encodeTime(unsigned(t.hour()), unsigned(t.minute()), unsigned(t.second()),
                                     unsigned(t.msec() * 10));
}

QTime decodificaHora(ISC_TIME t)
{
    unsigned h, m, s, f;
    FbApi::util()->decodeTime(t, &h, &m, &s, &f);
    return QTime(int(h), int(m), int(s), int(f / 10));
}

QDate paraData(const QVariant &v)
{
    if (v.metaType().id() == QMetaType::QDate) return v.toDate();
    if (v.metaType().id() == QMetaType::QDateTime) return v.toDateTime().date();
    const QString s = v.toString().trimmed();
    QDate d = QDate::fromString(s, QStringLiteral("dd/MM/yyyy"));
    if (!d.isValid()) d = QDate::fromString(s, Qt::ISODate);
    return d;
}

// Exact scaled integer for an exact-numeric parameter of `escala` decimals (escala <= 0).
int64_t paraEscalado(const QVariant &v, int escala)
{
    const int decimais = -escala;
    if (v.metaType() == QMetaType::fromType<Moeda>()) return v.value<Moeda>().escalado(decimais);
    switch (v.metaType().id()) {
    case QMetaType::Int: case QMetaType::LongLong: case QMetaType::UInt: case QMetaType::ULongLong:
    case QMetaType::Short: case QMetaType::Bool:
        return v.toLongLong() * potencia10(decimais);
    case QMetaType::Double: case QMetaType::Float:
        return Moeda::deDouble(v.toDouble()).escalado(decimais);
    default: {
        const QString s = v.toString().trimmed();
        bool ok = false;
        const qlonglong inteiro = s.toLongLong(&ok);
        if (ok) return inteiro * potencia10(decimais);
        const double d = s.toDouble(&ok);
        if (ok) return Moeda::deDouble(d).escalado(decimais);
        if (auto m = Moeda::deTexto(s)) return m->escalado(decimais);
        throw ErroBD(QStringLiteral("'%1' não é um número válido.").arg(s));
    }
    }
}

QByteArray textoDoValor(const QVariant &v, bool octetos)
{
    if (v.metaType().id() == QMetaType::QByteArray) return v.toByteArray();
    if (v.metaType().id() == QMetaType::QDate) return v.toDate().toString(QStringLiteral("dd.MM.yyyy")).toLatin1();
    if (v.metaType() == QMetaType::fromType<Moeda>()) {
        const Moeda m = v.value<Moeda>();
        return QByteArray::number(m.paraDouble(), 'f', 4);
    }
    return octetos ? v.toString().toUtf8() : Win1252::codifica(v.toString());
}

} // namespace

bool Coluna::ehTexto() const { return tipo == SQL_TEXT || tipo == SQL_VARYING; }
bool Coluna::ehData() const { return tipo == SQL_TYPE_DATE; }
bool Coluna::ehMoeda() const
{
    return (tipo == SQL_SHORT || tipo == SQL_LONG || tipo == SQL_INT64) && escala < 0;
}
bool Coluna::ehInteiro() const
{
    return (tipo == SQL_SHORT || tipo == SQL_LONG || tipo == SQL_INT64) && escala >= 0;
}
bool Coluna::ehBlobTexto() const { return tipo == SQL_BLOB && subtipo == 1; }
bool Coluna::ehBlobBinario() const { return tipo == SQL_BLOB && subtipo != 1; }

Comando::Comando(BancoDados &banco, const QString &sql) : banco_(banco), sql_(sql)
{
    SQLPosicional p = traduzParametros(sql);
    sqlPosicional_ = p.sql;
    nomes_ = p.nomes;
}

Comando::~Comando() { solta(); }

void Comando::solta()
{
    if (entrada_) entrada_->release();
    if (saida_) saida_->release();
    if (stmt_) {
        if (banco_.conectado() && geracao_ == banco_.geracao()) {
            FbApi::Status st;
            stmt_->free(&st);
            if (st.falhou()) stmt_->release();
        } else {
            stmt_->release();
        }
    }
    entrada_ = saida_ = nullptr;
    stmt_ = nullptr;
    colunas_.clear();
}

void Comando::prepara(ITransaction *tr)
{
    if (stmt_ && geracao_ == banco_.geracao()) return;
    solta();
    if (!banco_.conectado()) throw ErroBD(QStringLiteral("Banco de dados não conectado."));
    const QByteArray texto = Win1252::codifica(sqlPosicional_);
    FbApi::Status st;
    IStatement *s = banco_.attachment()->prepare(&st, tr, unsigned(texto.size()), texto.constData(), 3,
                                                 IStatement::PREPARE_PREFETCH_METADATA);
    st.verifica();
    stmt_ = s;
    geracao_ = banco_.geracao();
    tipoComando_ = stmt_->getType(&st);
    entrada_ = stmt_->getInputMetadata(&st);
    saida_ = stmt_->getOutputMetadata(&st);
    st.verifica();
    const unsigned n = saida_->getCount(&st);
    for (unsigned i = 0; i < n; ++i) {
        Coluna c;
        c.nome = Win1252::decodifica(QByteArray(saida_->getAlias(&st, i)));
        c.tabela = Win1252::decodifica(QByteArray(saida_->getRelation(&st, i)));
        c.campo = Win1252::decodifica(QByteArray(saida_->getField(&st, i)));
        c.tipo = saida_->getType(&st, i) & ~1u;
        c.subtipo = saida_->getSubType(&st, i);
        c.escala = saida_->getScale(&st, i);
        c.tamanho = saida_->getLength(&st, i);
        c.charset = saida_->getCharSet(&st, i);
        c.offset = saida_->getOffset(&st, i);
        c.offsetNulo = saida_->getNullOffset(&st, i);
        if (c.nome.isEmpty()) c.nome = c.campo;
        colunas_.append(c);
    }
    tamanhoSaida_ = saida_->getMessageLength(&st);
    st.verifica();
}

bool Comando::ehSelecao(ITransaction *tr)
{
    prepara(tr);
    return tipoComando_ == isc_info_sql_stmt_select || tipoComando_ == isc_info_sql_stmt_select_for_upd;
}

const QList<Coluna> &Comando::colunas(ITransaction *tr)
{
    prepara(tr);
    return colunas_;
}

QByteArray Comando::montaEntrada(ITransaction *tr, const QHash<QString, QVariant> &valores, IMessageMetadata *&meta)
{
    FbApi::Status st;
    const unsigned n = entrada_->getCount(&st);
    st.verifica();
    meta = nullptr;
    if (n == 0) return {};

    // Text values are sent as VARCHAR as long as the value, so that the database itself
    // reports a value too long for its column.
    QList<QByteArray> textos(n);
    IMetadataBuilder *b = entrada_->getBuilder(&st);
    st.verifica();
    for (unsigned i = 0; i < n; ++i) {
        const unsigned tipo = entrada_->getType(&st, i) & ~1u;
        const QVariant v = valores.value(nomes_.value(int(i)));
        if ((tipo == SQL_TEXT || tipo == SQL_VARYING) && !v.isNull()) {
            textos[i] = textoDoValor(v, entrada_->getCharSet(&st, i) == kCharsetOctets);
            b->setType(&st, i, SQL_VARYING);
            b->setLength(&st, i, qMax(unsigned(textos[i].size()), entrada_->getLength(&st, i)));
        }
    }
    meta = b->getMetadata(&st);
    b->release();
    st.verifica();

    QByteArray buf(int(meta->getMessageLength(&st)), '\0');
    unsigned char *p = reinterpret_cast<unsigned char *>(buf.data());
    for (unsigned i = 0; i < n; ++i) {
        const QVariant v = valores.value(nomes_.value(int(i)));
        const unsigned tipo = meta->getType(&st, i) & ~1u;
        const int escala = meta->getScale(&st, i);
        unsigned char *dado = p + meta->getOffset(&st, i);
        short *nulo = reinterpret_cast<short *>(p + meta->getNullOffset(&st, i));
        st.verifica();
        const bool vazio = v.isNull() || (v.metaType().id() == QMetaType::QDate && !v.toDate().isValid());
        if (vazio || tipo == SQL_NULL) {
            *nulo = -1;
            continue;
        }
        *nulo = 0;
        switch (tipo) {
        case SQL_VARYING: {
            const QByteArray &t = textos[i];
            const uint16_t len = uint16_t(t.size());
            std::memcpy(dado, &len, 2);
            std::memcpy(dado + 2, t.constData(), size_t(t.size()));
            break;
        }
        case SQL_SHORT: { const int16_t x = int16_t(paraEscalado(v, escala)); std::memcpy(dado, &x, 2); break; }
        case SQL_LONG: { const int32_t x = int32_t(paraEscalado(v, escala)); std::memcpy(dado, &x, 4); break; }
        case SQL_INT64: { const int64_t x = paraEscalado(v, escala); std::memcpy(dado, &x, 8); break; }
        case SQL_FLOAT: { const float x = float(v.toDouble()); std::memcpy(dado, &x, 4); break; }
        case SQL_DOUBLE: case SQL_D_FLOAT: { const double x = v.toDouble(); std::memcpy(dado, &x, 8); break; }
        case SQL_BOOLEAN: { const unsigned char x = v.toBool() ? 1 : 0; *dado = x; break; }
        case SQL_TYPE_DATE: {
            const QDate d = paraData(v);
            if (!d.isValid()) throw ErroBD(QStringLiteral("'%1' não é uma data válida.").arg(v.toString()));
            const ISC_DATE x = codificaData(d);
            std::memcpy(dado, &x, sizeof x);
            break;
        }
        case SQL_TYPE_TIME: { const ISC_TIME x = codificaHora(v.toTime()); std::memcpy(dado, &x, sizeof x); break; }
        case SQL_TIMESTAMP: {
            const QDateTime dt = v.metaType().id() == QMetaType::QDate ? v.toDate().startOfDay() : v.toDateTime();
            ISC_TIMESTAMP x{codificaData(dt.date()), codificaHora(dt.time())};
            std::memcpy(dado, &x, sizeof x);
            break;
        }
        case SQL_BLOB: {
            const int subtipo = meta->getSubType(&st, i);
            const QByteArray bytes = (v.metaType().id() == QMetaType::QByteArray || subtipo != 1)
                                         ? v.toByteArray() : Win1252::codifica(v.toString());
            ISC_QUAD id{};
            IBlob *blob = banco_.attachment()->createBlob(&st, tr, &id, 0, nullptr);
            st.verifica();
            for (qsizetype pos = 0; pos < bytes.size() && !st.falhou(); pos += kSegmento)
                blob->putSegment(&st, unsigned(qMin<qsizetype>(kSegmento, bytes.size() - pos)), bytes.constData() + pos);
            if (st.falhou()) {
                ErroBD e = st.erro();
                blob->cancel(&st);
                throw e;
            }
            blob->close(&st);
            st.verifica();
            std::memcpy(dado, &id, sizeof id);
            break;
        }
        default:
            throw ErroBD(QStringLiteral("Tipo de parâmetro não suportado (%1).").arg(tipo));
        }
    }
    return buf;
}

Linha Comando::leLinha(ITransaction *tr, const unsigned char *buf, bool adiaBlobs)
{
    Linha linha(colunas_.size());
    for (int i = 0; i < colunas_.size(); ++i) {
        const Coluna &c = colunas_.at(i);
        if (*reinterpret_cast<const short *>(buf + c.offsetNulo)) continue; // null
        const unsigned char *d = buf + c.offset;
        switch (c.tipo) {
        case SQL_TEXT: {
            if (c.charset == kCharsetOctets) { linha[i] = QByteArray(reinterpret_cast<const char *>(d), int(c.tamanho)); break; }
            qsizetype n = c.tamanho;
            while (n > 0 && d[n - 1] == ' ') --n;
            linha[i] = Win1252::decodifica(reinterpret_cast<const char *>(d), n);
            break;
        }
        case SQL_VARYING: {
            uint16_t n;
            std::memcpy(&n, d, 2);
            if (c.charset == kCharsetOctets) linha[i] = QByteArray(reinterpret_cast<const char *>(d + 2), n);
            else linha[i] = Win1252::decodifica(reinterpret_cast<const char *>(d + 2), n);
            break;
        }
        case SQL_SHORT: case SQL_LONG: case SQL_INT64: {
            int64_t x = 0;
            if (c.tipo == SQL_SHORT) { int16_t s; std::memcpy(&s, d, 2); x = s; }
            else if (c.tipo == SQL_LONG) { int32_t l; std::memcpy(&l, d, 4); x = l; }
            else std::memcpy(&x, d, 8);
            if (c.escala < 0) linha[i] = QVariant::fromValue(Moeda::deEscalado(x, -c.escala));
            else if (c.tipo == SQL_INT64) linha[i] = qlonglong(x * potencia10(c.escala));
            else linha[i] = int(x * potencia10(c.escala));
            break;
        }
        case SQL_FLOAT: { float f; std::memcpy(&f, d, 4); linha[i] = double(f); break; }
        case SQL_DOUBLE: case SQL_D_FLOAT: { double f; std::memcpy(&f, d, 8); linha[i] = f; break; }
        case SQL_BOOLEAN: linha[i] = bool(*d); break;
        case SQL_TYPE_DATE: { ISC_DATE x; std::memcpy(&x, d, sizeof x); linha[i] = decodificaData(x); break; }
        case SQL_TYPE_TIME: { ISC_TIME x; std::memcpy(&x, d, sizeof x); linha[i] = decodificaHora(x); break; }
        case SQL_TIMESTAMP: {
            ISC_TIMESTAMP x; std::memcpy(&x, d, sizeof x);
            linha[i] = QDateTime(decodificaData(x.timestamp_date), decodificaHora(x.timestamp_time));
            break;
        }
        case SQL_BLOB: {
            BlobAdiado id;
            static_assert(sizeof id == sizeof(ISC_QUAD));
            std::memcpy(&id, d, sizeof id);
            linha[i] = adiaBlobs ? QVariant::fromValue(id) : leBlob(tr, c, id);
            break;
        }
        default: break;
        }
    }
    return linha;
}

QVariant Comando::leBlob(ITransaction *tr, const Coluna &c, const BlobAdiado &idAdiado)
{
    ISC_QUAD id;
    std::memcpy(&id, &idAdiado, sizeof id);
    FbApi::Status st;
    IBlob *blob = banco_.attachment()->openBlob(&st, tr, &id, 0, nullptr);
    st.verifica();
    QByteArray bytes;
    char seg[kSegmento];
    for (;;) {
        unsigned lidos = 0;
        const int r = blob->getSegment(&st, sizeof seg, seg, &lidos);
        if (r == IStatus::RESULT_OK || r == IStatus::RESULT_SEGMENT) bytes.append(seg, lidos);
        else break;
    }
    if (st.falhou()) { ErroBD e = st.erro(); blob->release(); throw e; }
    blob->close(&st);
    st.verifica();
    return c.subtipo == 1 ? QVariant(Win1252::decodifica(bytes)) : QVariant(bytes);
}

std::unique_ptr<Cursor> Comando::abreCursor(ITransaction *tr, const QHash<QString, QVariant> &valores, bool adiaBlobs)
{
    prepara(tr);
    IMessageMetadata *meta = nullptr;
    QByteArray entrada = montaEntrada(tr, valores, meta);
    struct Libera { IMessageMetadata *&m; ~Libera() { if (m) m->release(); } } libera{meta};
    FbApi::Status st;
    IResultSet *rs = stmt_->openCursor(&st, tr, meta, entrada.isEmpty() ? nullptr : entrada.data(), saida_, 0);
    st.verifica();
    return std::unique_ptr<Cursor>(new Cursor(*this, tr, rs, adiaBlobs));
}

void Comando::executa(ITransaction *tr, const QHash<QString, QVariant> &valores, QList<Linha> *linhas)
{
    afetadas_ = 0;
    if (ehSelecao(tr)) {
        auto cursor = abreCursor(tr, valores, false);
        Linha linha;
        while (cursor->proxima(linha))
            if (linhas) linhas->append(linha);
        return;
    }
    IMessageMetadata *meta = nullptr;
    QByteArray entrada = montaEntrada(tr, valores, meta);
    struct Libera { IMessageMetadata *&m; ~Libera() { if (m) m->release(); } } libera{meta};
    FbApi::Status st;
    void *pEntrada = entrada.isEmpty() ? nullptr : entrada.data();
    QByteArray saida(int(tamanhoSaida_), '\0');
    unsigned char *pSaida = reinterpret_cast<unsigned char *>(saida.data());
    const bool temSaida = !colunas_.isEmpty();
    stmt_->execute(&st, tr, meta, pEntrada, temSaida ? saida_ : nullptr, temSaida ? pSaida : nullptr);
    st.verifica();
    afetadas_ = qint64(stmt_->getAffectedRecords(&st));
    st.limpa();
    if (temSaida && linhas) linhas->append(leLinha(tr, pSaida, false));
}

// ---- Cursor ----------------------------------------------------------------

Cursor::Cursor(Comando &c, ITransaction *tr, IResultSet *rs, bool adiaBlobs)
    : c_(c), tr_(tr), rs_(rs), adiaBlobs_(adiaBlobs), buffer_(int(c.tamanhoSaida_), '\0')
{
}

Cursor::~Cursor()
{
    try {
        fecha();
    } catch (const ErroBD &) {
    }
}

bool Cursor::proxima(Linha &linha)
{
    if (!rs_) return false;
    unsigned char *p = reinterpret_cast<unsigned char *>(buffer_.data());
    FbApi::Status st;
    const int r = rs_->fetchNext(&st, p);
    if (r == IStatus::RESULT_OK) {
        linha = c_.leLinha(tr_, p, adiaBlobs_);
        return true;
    }
    if (st.falhou()) {
        ErroBD e = st.erro();
        solta();
        throw e;
    }
    fecha();
    return false;
}

void Cursor::fecha()
{
    if (!rs_) return;
    FbApi::Status st;
    rs_->close(&st);
    if (st.falhou()) {
        ErroBD e = st.erro();
        solta();
        throw e;
    }
    rs_ = nullptr; // close released the interface
}

void Cursor::solta()
{
    if (rs_) rs_->release();
    rs_ = nullptr;
}

QVariant Comando::normaliza(const Coluna &c, const QVariant &v)
{
    if (v.isNull() || !v.isValid()) return QVariant();
    if (c.ehMoeda()) {
        if (v.metaType() == QMetaType::fromType<Moeda>()) return v;
        return QVariant::fromValue(Moeda::deEscalado(paraEscalado(v, -4), 4));
    }
    if (c.ehInteiro()) {
        if (c.tipo == SQL_INT64) return qlonglong(paraEscalado(v, 0));
        return int(paraEscalado(v, 0));
    }
    if (c.ehData()) {
        const QDate d = paraData(v);
        return d.isValid() ? QVariant(d) : QVariant();
    }
    if (c.ehBlobBinario()) return v.toByteArray();
    if (c.ehTexto() || c.ehBlobTexto()) {
        if (c.charset == kCharsetOctets) return v.toByteArray();
        if (v.metaType().id() == QMetaType::QDate) return v.toDate().toString(QStringLiteral("dd/MM/yyyy"));
        if (v.metaType() == QMetaType::fromType<Moeda>()) return v.value<Moeda>().formatadoSemSimbolo();
        return v.toString();
    }
    return v;
}
