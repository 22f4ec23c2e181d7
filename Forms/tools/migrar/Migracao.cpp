#include "Migracao.h"

#include "BancoDados.h"
#include "Comando.h"
#include "Query.h"
#include "Relogio.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QThread>

#include <exception>

namespace {

const QString SqlNotasLite = QStringLiteral("select * from NOTAPROMISSORIALITE order by NPL_CODIGO");

const QString SqlInsereNota = QStringLiteral(
    "insert into NOTAPROMISSORIA"
    "  (NP_CODIGO, NP_PARCELA, NP_TOTAL_PARCELAS, NP_COD_AUXILIAR2, NP_PARCELA_EXT, NP_DT_EMISSAO,"
    "   NP_DT_VENCIMENTO, NP_DT_PAGAMENTO, NP_VALOR, NP_VALOR_PGTO, NP_SALDO_DEVEDOR, NP_COD_CREDOR,"
    "   NP_COD_CIDADE, NP_COD_PRACA, NP_COD_EMITENTE, NP_OBS, NP_STATUS, NP_VALOR_TEMP, NP_SEQ)"
    " values"
    "  (GEN_ID(COD_NOTAPROMISSORIA, 1), :NP_PARCELA, :NP_TOTAL_PARCELAS, :NP_COD_AUXILIAR2, :NP_PARCELA_EXT,"
    "   :NP_DT_EMISSAO, :NP_DT_VENCIMENTO, :NP_DT_PAGAMENTO, :NP_VALOR, :NP_VALOR_PGTO, :NP_SALDO_DEVEDOR,"
    "   :NP_COD_CREDOR, :NP_COD_CIDADE, :NP_COD_PRACA, :NP_COD_EMITENTE, :NP_OBS, :NP_STATUS, 0, 0)");

const QString SqlInserePessoa = QStringLiteral(
    "insert into CADASTROS"
    "  (CG_CODIGO, CG_NOME, CG_TIPO_PESSOA, CG_EXIBIR, CG_ESPECIE, CG_OBS, CG_DT_CAD)"
    "values"
    "  (:CG_CODIGO, :CG_NOME, :CG_TIPO_PESSOA, :CG_EXIBIR, :CG_ESPECIE, :CG_OBS, "
    "   :CG_DT_CAD)");

// A decimal text of an integer column; a null gives "".
QString numero(const QVariant &v) { return v.isNull() ? QString() : QString::number(v.toInt()); }

QString chaveMigrada(const QString &venda, const QVariant &parcela) { return venda + QLatin1Char('/') + numero(parcela); }

} // namespace

Migracao::~Migracao() = default;

Migracao::Migracao(BancoDados &banco)
    : banco_(banco), TransGravaNotas(banco, QStringLiteral("TransGravaNotas")),
      TransGravaCadastros(banco, QStringLiteral("TransGravaCadastros"))
{
}

// Every person's name in code order: the first code of a name is the one matched.
void Migracao::carregaPessoas()
{
    pessoas_.clear();
    Comando c(banco_, QStringLiteral("select CG_CODIGO, CG_NOME from CADASTROS order by CG_CODIGO"));
    auto cursor = c.abreCursor(TransGravaNotas.leitura(), {}, false);
    Linha l;
    while (cursor->proxima(l)) {
        const QString chave = chaveNome(l.at(1).toString());
        if (!pessoas_.contains(chave)) pessoas_.insert(chave, l.at(0).toInt());
    }
}

// Copies stored by earlier runs.
void Migracao::carregaMigradas()
{
    migradas_.clear();
    Comando c(banco_, QStringLiteral("select NP_COD_AUXILIAR2, NP_PARCELA from NOTAPROMISSORIA "
                                     "where NP_SEQ = 0 and NP_COD_AUXILIAR2 is not null"));
    auto cursor = c.abreCursor(TransGravaNotas.leitura(), {}, false);
    Linha l;
    while (cursor->proxima(l)) migradas_.insert(chaveMigrada(l.at(0).toString(), l.at(1)));
}

int Migracao::pessoaDe(const QString &nome, const QString &documento, const QString &endereco, Resultado &r)
{
    const QString chave = chaveNome(nome);
    if (const auto it = pessoas_.constFind(chave); it != pessoas_.constEnd()) return *it;
    const int codigo = int(banco_.geraValor(QStringLiteral("COD_CADASTROS"), 1, TransGravaCadastros));
    const QHash<QString, QVariant> valores{
        {QStringLiteral("CG_CODIGO"), codigo},
        {QStringLiteral("CG_NOME"), nome},
        {QStringLiteral("CG_TIPO_PESSOA"), QStringLiteral("F")},
        {QStringLiteral("CG_EXIBIR"), QStringLiteral("T")},
        {QStringLiteral("CG_ESPECIE"), QStringLiteral("C")},
        {QStringLiteral("CG_OBS"), QString(QStringLiteral("Documento : ") + documento + QStringLiteral(" - Endereço : ") + endereco)},
        {QStringLiteral("CG_DT_CAD"), hoje()}};
    inserePessoa_->executa(TransGravaCadastros.escrita(), valores);
    pessoas_.insert(chave, codigo);
    ++r.pessoasCriadas;
    return codigo;
}

Migracao::Resultado Migracao::executa(int codCredor, int codCidade)
{
    Resultado r;
    Transacao TransLite(banco_, QStringLiteral("TransLite"));
    Query total(banco_, TransLite);
    total.sql.defineTexto(QStringLiteral("select count(*) from NOTAPROMISSORIALITE"));
    total.open();
    const int quantas = total.valor(0, 0).toInt();
    total.close();

    GrupoGravacao grupo(TransGravaNotas, {&TransGravaCadastros});
    carregaPessoas();
    carregaMigradas();
    insereNota_ = std::make_unique<Comando>(banco_, SqlInsereNota);
    inserePessoa_ = std::make_unique<Comando>(banco_, SqlInserePessoa);

    Comando selecao(banco_, SqlNotasLite);
    auto cursor = selecao.abreCursor(TransLite.leitura(), {}, false);
    QHash<QString, int> col;
    const auto &colunas = selecao.colunas(TransLite.leitura());
    for (int i = 0; i < colunas.size(); ++i) col.insert(colunas.at(i).nome, i);
    const auto campo = [&col](const Linha &l, const char *nome) { return l.at(col.value(QLatin1String(nome))); };

    if (progresso) progresso(0, quantas);
    Linha l;
    int feitas = 0;
    QHash<QString, QVariant> v;
    while (cursor->proxima(l)) {
        const QString venda = numero(campo(l, "NPL_CODIGO"));
        const QVariant parcela = campo(l, "NPL_PARCELA");
        if (migradas_.contains(chaveMigrada(venda, parcela))) {
            ++r.ignoradas;
        } else {
            v.insert(QStringLiteral("NP_PARCELA"), parcela);
            v.insert(QStringLiteral("NP_TOTAL_PARCELAS"), campo(l, "NPL_TOTAL_PARCELAS"));
            v.insert(QStringLiteral("NP_COD_AUXILIAR2"), venda);
            v.insert(QStringLiteral("NP_PARCELA_EXT"), QString(venda + QLatin1Char('/') + numero(parcela)));
            v.insert(QStringLiteral("NP_DT_EMISSAO"), campo(l, "NPL_DT_EMISSAO"));
            v.insert(QStringLiteral("NP_DT_VENCIMENTO"), campo(l, "NPL_DT_VENCIMENTO"));
            v.insert(QStringLiteral("NP_DT_PAGAMENTO"), campo(l, "NPL_DT_PAGAMENTO"));
            v.insert(QStringLiteral("NP_VALOR"), campo(l, "NPL_VALOR"));
            v.insert(QStringLiteral("NP_VALOR_PGTO"), campo(l, "NPL_VALOR_PGTO"));
            v.insert(QStringLiteral("NP_SALDO_DEVEDOR"), campo(l, "NPL_SALDO_DEVEDOR"));
            v.insert(QStringLiteral("NP_COD_CREDOR"), codCredor);
            v.insert(QStringLiteral("NP_COD_CIDADE"), codCidade);
            v.insert(QStringLiteral("NP_COD_PRACA"), codCidade);
            v.insert(QStringLiteral("NP_COD_EMITENTE"),
                     pessoaDe(campo(l, "NPL_EMITENTE").toString(), campo(l, "NPL_EMITENTE_DOC").toString(),
                              campo(l, "NPL_EMITENTE_ENDERECO").toString(), r));
            v.insert(QStringLiteral("NP_OBS"), campo(l, "NPL_OBS"));
            v.insert(QStringLiteral("NP_STATUS"), campo(l, "NPL_STATUS"));
            insereNota_->executa(TransGravaNotas.escrita(), v);
            ++r.copiadas;
        }
        ++feitas;
        if (progresso) progresso(feitas, quantas);
    }
    cursor.reset();
    grupo.confirma();
    TransLite.commit();
    return r;
}

Migracao::Resultado Migracao::executaEmSegundoPlano(const BancoDados &modelo, int codCredor, int codCidade,
                                                   const std::function<void(int, int)> &aoAvancar)
{
    const QString nome = modelo.nome;
    const QStringList parametros = modelo.parametros;
    QObject contexto; // queued steps still waiting after the end are dropped with it
    Resultado r;
    std::exception_ptr falha;
    std::unique_ptr<QThread> trabalho(QThread::create([&] {
        try {
            BancoDados banco;
            banco.nome = nome;
            banco.parametros = parametros;
            banco.conecta();
            {
                Migracao m(banco);
                int passo = 1, ultimo = -1;
                m.progresso = [&](int feitas, int total) {
                    if (feitas == 0) passo = qMax(1, total / 200);
                    if (feitas != total && feitas % passo != 0) return;
                    if (feitas == ultimo) return;
                    ultimo = feitas;
                    QMetaObject::invokeMethod(&contexto, [&aoAvancar, feitas, total] { aoAvancar(feitas, total); },
                                              Qt::QueuedConnection);
                };
                r = m.executa(codCredor, codCidade);
            }
            banco.desconecta();
        } catch (...) {
            falha = std::current_exception();
        }
    }));
    QEventLoop laco;
    QObject::connect(trabalho.get(), &QThread::finished, &laco, &QEventLoop::quit);
    trabalho->start();
    laco.exec();
    trabalho->wait();
    QCoreApplication::sendPostedEvents(&contexto);
    if (falha) std::rethrow_exception(falha);
    return r;
}
