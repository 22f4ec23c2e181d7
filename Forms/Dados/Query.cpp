#include "Query.h"
#include "BancoDados.h"
#include "ErroBD.h"
#include "Transacao.h"

using Firebird::ITransaction;

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
    if (banco_.conectado()) fechaCursor();
    else soltaCursor();
    for (auto *slot : {&selecao_, &insercao_, &alteracao_, &exclusao_, &contagem_})
        if (*slot) (*slot)->solta();
}

Comando &Query::comando(std::unique_ptr<Comando> &slot, const QString &texto)
{
    if (!slot || slot->sql() != texto) {
        if (&slot == &selecao_) buscaTodas(); // the cursor belongs to the statement being replaced
        slot = std::make_unique<Comando>(banco_, texto);
    }
    return *slot;
}

void Query::defineParametro(const QString &nome, const QVariant &valor)
{
    QString n = nome.toUpper();
    if (n.startsWith(QLatin1Char(':'))) n.remove(0, 1);
    params_.insert(n, valor);
}

// ---- cursor ----------------------------------------------------------------

bool Query::cursorEm(ITransaction *t) const { return cursor_ && cursor_->transacao() == t; }

void Query::fechaCursor() const
{
    if (!cursor_) return;
    try {
        cursor_->fecha();
    } catch (const ErroBD &) {
    }
    cursor_.reset();
    tr_.cursores_.removeOne(const_cast<Query *>(this));
}

void Query::soltaCursor()
{
    if (!cursor_) return;
    cursor_->solta();
    cursor_.reset();
    tr_.cursores_.removeOne(this);
}

void Query::terminaCursor()
{
    try {
        buscaTodas();
    } catch (const ErroBD &e) {
        Q_EMIT falhaBusca(e.mensagem());
    }
    fechaCursor();
}

QString Query::chaveDe(const Linha &l) const
{
    QString k;
    for (const QString &c : chave_) k += l.value(indiceCampo(c)).toString() + QLatin1Char('\x1f');
    return k;
}

void Query::busca(int quantas) const
{
    if (!cursor_) return;
    QList<Linha> novas;
    const auto acrescenta = [this, &novas] {
        if (novas.isEmpty()) return;
        auto *self = const_cast<Query *>(this);
        const int primeira = int(linhas_.size());
        Q_EMIT self->linhasABuscar(primeira, primeira + int(novas.size()) - 1);
        linhas_.append(std::move(novas));
        novas.clear();
        Q_EMIT self->linhasBuscadas();
    };
    try {
        Linha l;
        while (novas.size() < quantas) {
            if (!cursor_->proxima(l)) {
                fechaCursor();
                break;
            }
            if (!chavesLocais_.isEmpty() && chavesLocais_.contains(chaveDe(l))) continue; // shown already
            novas.append(std::move(l));
        }
    } catch (const ErroBD &) {
        fechaCursor(); // the rows fetched so far stay; nothing is fetched again
        acrescenta();
        throw;
    }
    acrescenta();
}

bool Query::temLinha(int linha) const
{
    while (linha >= linhas_.size() && cursor_) busca(qMax(LinhasPorBusca, linha + 1 - int(linhas_.size())));
    return linha >= 0 && linha < linhas_.size();
}

void Query::buscaTodas() const
{
    while (cursor_) busca(1 << 20);
}

void Query::buscaMais(int linhas)
{
    try {
        busca(linhas);
    } catch (const ErroBD &e) {
        Q_EMIT falhaBusca(e.mensagem());
    }
}

int Query::recordCount() const
{
    buscaTodas();
    return int(linhas_.size());
}

qint64 Query::contaLinhas()
{
    if (!cursor_) return linhas_.size();
    QString texto = textoContagem ? textoContagem(sqlAberta_) : QString();
    if (texto.isEmpty()) {
        QStringList linhas = sqlAberta_.linhas();
        while (!linhas.isEmpty() && linhas.last().trimmed().isEmpty()) linhas.removeLast();
        if (!linhas.isEmpty() && linhas.last().trimmed().startsWith(QLatin1String("ORDER BY"), Qt::CaseInsensitive))
            linhas.removeLast();
        texto = QStringLiteral("SELECT COUNT(*) FROM (\n") + linhas.join(QLatin1Char('\n')) + QStringLiteral("\n)");
    }
    QList<Linha> r;
    comando(contagem_, texto).executa(tr_.leitura(), paramsAbertos_, &r);
    return r.value(0).value(0).toLongLong();
}

QVariant Query::resolve(int linha, int coluna) const
{
    QVariant &v = linhas_[linha][coluna];
    if (v.metaType() != QMetaType::fromType<BlobAdiado>()) return v;
    if (!selecao_ || !banco_.conectado()) throw ErroBD(QStringLiteral("Banco de dados não conectado."));
    try {
        v = selecao_->leBlob(tr_.leitura(), colunas_.at(coluna), v.value<BlobAdiado>());
    } catch (const ErroBD &) {
        // Another station changed the row since it was fetched and its old text is gone ("BLOB
        // not found"): the current text is read by the row's key, when the query has one.
        if (!releBlob(linha, coluna)) throw;
    }
    return v;
}

bool Query::releBlob(int linha, int coluna) const
{
    const Coluna &c = colunas_.at(coluna);
    if (chave_.isEmpty() || c.campo.isEmpty() || c.tabela.compare(tabela_, Qt::CaseInsensitive) != 0) return false;
    QStringList onde;
    QHash<QString, QVariant> valores;
    for (const QString &k : chave_) {
        onde.append(k + QStringLiteral(" = :") + k);
        valores.insert(k, linhas_.at(linha).value(indiceCampo(k)));
    }
    Comando leitura(banco_, QStringLiteral("SELECT %1 FROM %2 WHERE %3").arg(c.campo, tabela_, onde.join(QStringLiteral(" AND "))));
    QList<Linha> r;
    leitura.executa(tr_.leitura(), valores, &r);
    linhas_[linha][coluna] = r.isEmpty() ? QVariant() : r.first().value(0);
    return true;
}

// ---- open, close -------------------------------------------------------------

void Query::open()
{
    if (ativa()) close();
    Comando &c = comando(selecao_, sql.texto());
    ITransaction *t = tr_.leitura();
    QList<Linha> linhas;
    if (c.ehSelecao(t)) {
        // Rows read inside a pending write take their blobs at once: that transaction ends soon.
        cursor_ = c.abreCursor(t, params_, !tr_.gravando());
        tr_.cursores_.append(this);
    } else {
        c.executa(tr_.escrita(), params_, &linhas);
    }
    colunas_ = c.colunas(t);
    indices_.clear();
    for (int i = 0; i < colunas_.size(); ++i) {
        const QString n = colunas_.at(i).nome.toUpper();
        if (!indices_.contains(n)) indices_.insert(n, i);
    }
    sqlAberta_ = sql;
    paramsAbertos_ = params_;
    chavesLocais_.clear();
    linhas_ = std::move(linhas);
    try {
        busca(LinhasPorBusca);
    } catch (const ErroBD &) {
        linhas_.clear();
        throw;
    }
    estado_ = Estado::Navegando;
    atual_ = linhas_.isEmpty() ? -1 : 0;
    eof_ = linhas_.isEmpty();
    Q_EMIT aberta();
    Q_EMIT posicaoMudou(atual_);
}

void Query::close()
{
    fechaCursor();
    if (!ativa()) return;
    linhas_.clear();
    original_.clear();
    chavesLocais_.clear();
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
        for (int i = 0; temLinha(i); ++i) {
            bool igual = true;
            for (int k = 0; k < chave_.size() && igual; ++k) igual = valor(i, chave_.at(k)) == chave.at(k);
            if (igual) { setRecNo(i); return; }
        }
    }
    if (linhaAnterior >= 0 && !isEmpty()) {
        temLinha(linhaAnterior);
        setRecNo(qMin(linhaAnterior, linhasCarregadas() - 1));
    }
}

qint64 Query::execSQL()
{
    Comando &c = comando(selecao_, sql.texto());
    buscaTodas();
    c.executa(tr_.escrita(), params_, nullptr);
    return c.linhasAfetadas();
}

int Query::indiceCampo(const QString &nome) const { return indices_.value(nome.toUpper(), -1); }

QVariant Query::valor(int linha, int coluna) const
{
    if (coluna < 0 || coluna >= colunas_.size() || !temLinha(linha)) return {};
    return resolve(linha, coluna);
}

bool Query::valorLido(int linha, int coluna) const
{
    if (linha < 0 || linha >= linhas_.size() || coluna < 0 || coluna >= colunas_.size()) return false;
    return linhas_.at(linha).at(coluna).metaType() != QMetaType::fromType<BlobAdiado>();
}

QVariant Query::valor(int linha, const QString &campo) const { return valor(linha, indiceCampo(campo)); }

void Query::setRecNo(int linha)
{
    if (!temLinha(0)) { atual_ = -1; eof_ = true; return; }
    if (editando()) post();
    temLinha(linha);
    atual_ = qBound(0, linha, int(linhas_.size()) - 1);
    eof_ = false;
    Q_EMIT posicaoMudou(atual_);
}

void Query::next()
{
    if (!temLinha(atual_ + 1)) { eof_ = true; return; }
    setRecNo(atual_ + 1);
}

void Query::last()
{
    buscaTodas();
    setRecNo(int(linhas_.size()) - 1);
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
    for (int i = 0; temLinha(i); ++i) {
        const QVariant v = resolve(i, c);
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
    for (int i = 0; i < colunas_.size(); ++i) resolve(atual_, i);
    original_ = linhas_.at(atual_);
    estado_ = Estado::Editando;
}

QHash<QString, QVariant> Query::valoresEdicao() const
{
    QHash<QString, QVariant> v;
    for (int i = 0; i < colunas_.size(); ++i) {
        const Coluna &c = colunas_.at(i);
        const QVariant atual = resolve(atual_, i);
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
    ITransaction *t = tr_.escrita(); // the key below is taken inside the write
    if (estado_ == Estado::Inserindo) {
        if (!gerador_.isEmpty() && !chave_.isEmpty()) {
            const int k = indiceCampo(chave_.first());
            if (k >= 0 && linhas_.at(atual_).at(k).isNull())
                linhas_[atual_][k] = Comando::normaliza(colunas_.at(k), banco_.geraValor(gerador_, 1, tr_));
        }
        comando(insercao_, sqlInserir.isEmpty() ? montaInsert() : sqlInserir).executa(t, valoresEdicao());
    } else {
        comando(alteracao_, sqlAlterar.isEmpty() ? montaUpdate() : sqlAlterar).executa(t, valoresEdicao());
    }
    if (cursor_ && !chave_.isEmpty()) chavesLocais_.insert(chaveDe(linhas_.at(atual_)));
    estado_ = Estado::Navegando;
    original_.clear();
    Q_EMIT linhaAlterada(atual_);
    if (aposGravar) aposGravar(*this);
}

void Query::postEConfirma()
{
    if (!editando()) return;
    const Estado estado = estado_;
    const Linha original = original_;
    try {
        post();
        tr_.commitRetaining();
    } catch (const ErroBD &) {
        try { tr_.rollbackRetaining(); } catch (const ErroBD &) {}
        if (!editando()) { // written but not durable: back to editing, as typed
            estado_ = estado;
            original_ = original;
        }
        throw;
    }
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
    comando(exclusao_, sqlExcluir.isEmpty() ? montaDelete() : sqlExcluir).executa(tr_.escrita(), valoresEdicao());
    tiraLinhaAtual();
}

void Query::removeEConfirma()
{
    if (editando()) cancel();
    if (!ativa() || atual_ < 0) throw ErroBD(QStringLiteral("Não há registro para excluir."));
    try {
        comando(exclusao_, sqlExcluir.isEmpty() ? montaDelete() : sqlExcluir).executa(tr_.escrita(), valoresEdicao());
        tr_.commitRetaining();
    } catch (const ErroBD &) {
        try { tr_.rollbackRetaining(); } catch (const ErroBD &) {}
        throw;
    }
    tiraLinhaAtual();
}

void Query::tiraLinhaAtual()
{
    const int linha = atual_;
    linhas_.removeAt(linha);
    atual_ = linhas_.isEmpty() ? -1 : qMin(linha, int(linhas_.size()) - 1);
    eof_ = linhas_.isEmpty();
    Q_EMIT linhaRemovida(linha);
    Q_EMIT posicaoMudou(atual_);
    if (aposExcluir) aposExcluir(*this);
}
