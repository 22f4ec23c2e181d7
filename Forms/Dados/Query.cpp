#include "Query.h"
#include "BancoDados.h"
#include "ErroBD.h"
#include "Transacao.h"

// ---- Campo ---------------------------------------------------------------

QString Campo::nome() const { return q_->colunas_.at(coluna_).nome; }
QVariant Campo::valor() const { return q_->valorAtual(coluna_); }
QString Campo::asString() const
{
    const QVariant v = valor();
    if (v.metaType().id() == QMetaType::QDate) return v.toDate().toString(QStringLiteral("dd/MM/yyyy"));
    if (v.metaType() == QMetaType::fromType<Moeda>()) return v.value<Moeda>().formatadoSemSimbolo();
    return v.toString();
}
int Campo::asInteger() const
{
    const QVariant v = valor();
    if (v.metaType() == QMetaType::fromType<Moeda>()) return int(v.value<Moeda>().escalado(0));
    return v.toInt();
}
qlonglong Campo::asLargeInt() const { return valor().toLongLong(); }
double Campo::asFloat() const
{
    const QVariant v = valor();
    if (v.metaType() == QMetaType::fromType<Moeda>()) return v.value<Moeda>().paraDouble();
    return v.toDouble();
}
Moeda Campo::asMoeda() const
{
    const QVariant v = valor();
    if (v.isNull()) return Moeda();
    if (v.metaType() == QMetaType::fromType<Moeda>()) return v.value<Moeda>();
    if (auto m = Moeda::deTexto(v.toString())) return *m;
    return Moeda::deDouble(v.toDouble());
}
QDate Campo::asDate() const { return valor().toDate(); }
QByteArray Campo::asBytes() const { return valor().toByteArray(); }
void Campo::setValor(const QVariant &v) { q_->defineValor(coluna_, v); }

// ---- Query ---------------------------------------------------------------

Query::Query(BancoDados &banco, Transacao &transacao, QObject *parent)
    : QObject(parent), banco_(banco), tr_(transacao)
{
    banco_.queries_.append(this);
}

Query::~Query()
{
    soltaComando();
    banco_.queries_.removeOne(this);
}

void Query::soltaComando()
{
    for (auto *slot : {&selecao_, &insercao_, &alteracao_, &exclusao_})
        if (*slot) (*slot)->solta();
}

Comando &Query::comando(std::unique_ptr<Comando> &slot, const QString &texto)
{
    if (!slot || slot->sql() != texto) slot = std::make_unique<Comando>(banco_, texto);
    return *slot;
}

void Query::defineParametro(const QString &nome, const QVariant &valor)
{
    QString n = nome.toUpper();
    if (n.startsWith(QLatin1Char(':'))) n.remove(0, 1);
    params_.insert(n, valor);
}

void Query::open()
{
    if (ativa()) close();
    Comando &c = comando(selecao_, sql.texto());
    QList<Linha> linhas;
    c.executa(tr_, params_, &linhas);
    colunas_ = c.colunas(tr_);
    indices_.clear();
    for (int i = 0; i < colunas_.size(); ++i) {
        const QString n = colunas_.at(i).nome.toUpper();
        if (!indices_.contains(n)) indices_.insert(n, i);
    }
    linhas_ = std::move(linhas);
    estado_ = Estado::Navegando;
    atual_ = linhas_.isEmpty() ? -1 : 0;
    eof_ = linhas_.isEmpty();
    Q_EMIT aberta();
    Q_EMIT posicaoMudou(atual_);
}

void Query::close()
{
    if (!ativa()) return;
    linhas_.clear();
    original_.clear();
    atual_ = -1;
    eof_ = true;
    estado_ = Estado::Inativo;
    Q_EMIT fechada();
}

void Query::reabre()
{
    QList<QVariant> chave;
    if (ativa() && atual_ >= 0)
        for (const QString &k : chave_) chave.append(valor(atual_, k));
    const int linhaAnterior = atual_;
    open();
    if (!chave.isEmpty()) {
        for (int i = 0; i < recordCount(); ++i) {
            bool igual = true;
            for (int k = 0; k < chave_.size() && igual; ++k) igual = valor(i, chave_.at(k)) == chave.at(k);
            if (igual) { setRecNo(i); return; }
        }
    }
    if (linhaAnterior >= 0 && !isEmpty()) setRecNo(qMin(linhaAnterior, recordCount() - 1));
}

qint64 Query::execSQL()
{
    Comando &c = comando(selecao_, sql.texto());
    c.executa(tr_, params_, nullptr);
    return c.linhasAfetadas();
}

int Query::indiceCampo(const QString &nome) const { return indices_.value(nome.toUpper(), -1); }

QVariant Query::valor(int linha, int coluna) const
{
    if (linha < 0 || linha >= linhas_.size() || coluna < 0 || coluna >= colunas_.size()) return {};
    return linhas_.at(linha).at(coluna);
}

QVariant Query::valor(int linha, const QString &campo) const { return valor(linha, indiceCampo(campo)); }

void Query::setRecNo(int linha)
{
    if (linhas_.isEmpty()) { atual_ = -1; eof_ = true; return; }
    if (editando()) post();
    atual_ = qBound(0, linha, int(linhas_.size()) - 1);
    eof_ = false;
    Q_EMIT posicaoMudou(atual_);
}

void Query::next()
{
    if (atual_ + 1 >= linhas_.size()) { eof_ = true; return; }
    setRecNo(atual_ + 1);
}

void Query::prior()
{
    if (atual_ > 0) setRecNo(atual_ - 1);
    eof_ = linhas_.isEmpty();
}

bool Query::locate(const QString &campo, const QVariant &valor)
{
    const int c = indiceCampo(campo);
    if (c < 0) throw ErroBD(QStringLiteral("Campo '%1' não encontrado.").arg(campo));
    for (int i = 0; i < linhas_.size(); ++i) {
        const QVariant &v = linhas_.at(i).at(c);
        const bool igual = (v.metaType().id() == QMetaType::QString)
                               ? v.toString().compare(valor.toString(), Qt::CaseInsensitive) == 0
                               : v == Comando::normaliza(colunas_.at(c), valor);
        if (igual) { setRecNo(i); return true; }
    }
    return false;
}

Campo Query::fieldByName(const QString &nome)
{
    const int c = indiceCampo(nome);
    if (c < 0) throw ErroBD(QStringLiteral("Campo '%1' não encontrado.").arg(nome));
    return Campo(*this, c);
}

QVariant Query::valorAtual(int coluna) const { return valor(atual_, coluna); }

void Query::defineValor(int coluna, const QVariant &v)
{
    if (!editando()) throw ErroBD(QStringLiteral("A tabela não está em modo de edição ou inserção."));
    linhas_[atual_][coluna] = Comando::normaliza(colunas_.at(coluna), v);
    Q_EMIT linhaAlterada(atual_);
}

// ---- editing -------------------------------------------------------------

void Query::defineTabela(const QString &tabela, const QStringList &chave, const QString &gerador)
{
    tabela_ = tabela.toUpper();
    chave_.clear();
    for (const QString &k : chave) chave_.append(k.toUpper());
    gerador_ = gerador;
}

void Query::append()
{
    if (!ativa()) open();
    if (editando()) post();
    linhas_.append(Linha(colunas_.size()));
    atual_ = int(linhas_.size()) - 1;
    eof_ = false;
    estado_ = Estado::Inserindo;
    Q_EMIT linhaInserida(atual_);
    Q_EMIT posicaoMudou(atual_);
    if (aoNovoRegistro) aoNovoRegistro(*this);
}

void Query::edit()
{
    if (editando()) return;
    if (!ativa() || atual_ < 0) throw ErroBD(QStringLiteral("Não há registro para alterar."));
    original_ = linhas_.at(atual_);
    estado_ = Estado::Editando;
}

QHash<QString, QVariant> Query::valoresEdicao() const
{
    QHash<QString, QVariant> v;
    for (int i = 0; i < colunas_.size(); ++i) {
        const Coluna &c = colunas_.at(i);
        const QVariant atual = linhas_.at(atual_).at(i);
        const QVariant antigo = original_.isEmpty() ? atual : original_.at(i);
        for (const QString &n : {c.nome.toUpper(), c.campo.toUpper()}) {
            if (n.isEmpty()) continue;
            v.insert(n, atual);
            v.insert(QStringLiteral("OLD_") + n, antigo);
        }
    }
    return v;
}

namespace {
bool daTabela(const Coluna &c, const QString &tabela)
{
    return !c.campo.isEmpty() && c.tabela.compare(tabela, Qt::CaseInsensitive) == 0;
}
} // namespace

QString Query::montaInsert() const
{
    QStringList nomes, valores;
    for (const Coluna &c : colunas_)
        if (daTabela(c, tabela_) && !nomes.contains(c.campo)) {
            nomes.append(c.campo);
            valores.append(QLatin1Char(':') + c.campo);
        }
    return QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)").arg(tabela_, nomes.join(QStringLiteral(", ")),
                                                                 valores.join(QStringLiteral(", ")));
}

QString Query::montaUpdate() const
{
    QStringList sets, onde;
    for (const Coluna &c : colunas_)
        if (daTabela(c, tabela_)) {
            const QString s = c.campo + QStringLiteral(" = :") + c.campo;
            if (!sets.contains(s)) sets.append(s);
        }
    for (const QString &k : chave_) onde.append(k + QStringLiteral(" = :OLD_") + k);
    return QStringLiteral("UPDATE %1 SET %2 WHERE %3").arg(tabela_, sets.join(QStringLiteral(", ")),
                                                           onde.join(QStringLiteral(" AND ")));
}

QString Query::montaDelete() const
{
    QStringList onde;
    for (const QString &k : chave_) onde.append(k + QStringLiteral(" = :OLD_") + k);
    return QStringLiteral("DELETE FROM %1 WHERE %2").arg(tabela_, onde.join(QStringLiteral(" AND ")));
}

void Query::post()
{
    if (!editando()) return;
    if (tabela_.isEmpty() && (estado_ == Estado::Inserindo ? sqlInserir : sqlAlterar).isEmpty())
        throw ErroBD(QStringLiteral("A consulta não tem tabela para gravar."));
    if (antesGravar) antesGravar(*this);
    if (estado_ == Estado::Inserindo) {
        if (!gerador_.isEmpty() && !chave_.isEmpty()) {
            const int k = indiceCampo(chave_.first());
            if (k >= 0 && linhas_.at(atual_).at(k).isNull())
                linhas_[atual_][k] = Comando::normaliza(colunas_.at(k), banco_.geraValor(gerador_, 1, tr_));
        }
        comando(insercao_, sqlInserir.isEmpty() ? montaInsert() : sqlInserir).executa(tr_, valoresEdicao());
    } else {
        comando(alteracao_, sqlAlterar.isEmpty() ? montaUpdate() : sqlAlterar).executa(tr_, valoresEdicao());
    }
    estado_ = Estado::Navegando;
    original_.clear();
    Q_EMIT linhaAlterada(atual_);
    if (aposGravar) aposGravar(*this);
}

void Query::cancel()
{
    if (estado_ == Estado::Inserindo) {
        const int linha = atual_;
        linhas_.removeAt(linha);
        estado_ = Estado::Navegando;
        atual_ = linhas_.isEmpty() ? -1 : qMin(linha, int(linhas_.size()) - 1);
        eof_ = linhas_.isEmpty();
        Q_EMIT linhaRemovida(linha);
        Q_EMIT posicaoMudou(atual_);
    } else if (estado_ == Estado::Editando) {
        linhas_[atual_] = original_;
        original_.clear();
        estado_ = Estado::Navegando;
        Q_EMIT linhaAlterada(atual_);
    } else {
        return;
    }
    if (aposCancelar) aposCancelar(*this);
}

void Query::remove()
{
    if (editando()) cancel();
    if (!ativa() || atual_ < 0) throw ErroBD(QStringLiteral("Não há registro para excluir."));
    comando(exclusao_, sqlExcluir.isEmpty() ? montaDelete() : sqlExcluir).executa(tr_, valoresEdicao());
    const int linha = atual_;
    linhas_.removeAt(linha);
    atual_ = linhas_.isEmpty() ? -1 : qMin(linha, int(linhas_.size()) - 1);
    eof_ = linhas_.isEmpty();
    Q_EMIT linhaRemovida(linha);
    Q_EMIT posicaoMudou(atual_);
    if (aposExcluir) aposExcluir(*this);
}
