// The migration window on the large database (bench_base) with 50,000 simplified notes of 5,000
// distinct emitters, half of them persons already registered (typed in lower case), half new:
// "Migrar Dados" until the final message, the longest pause of the event loop meanwhile and the
// steps of the progress bar, and a second run that finds every note migrated before.
//   bench_migrar <arquivo.fdb> [vezes]
// The engine's own time is that of isql-fb for the migration's reads (the simplified notes, the
// persons, the copies made before) and its writes as two statements (50,000 notes, 2,500 persons).
// The simplified notes are added to the file once and kept; each run's copies and persons are
// deleted after it.

#include "Comando.h"
#include "Dados.h"
#include "ErroBD.h"
#include "Medicao.h"
#include "Mensagens.h"
#include "TfMigrar.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QProgressBar>
#include <QPushButton>
#include <QSet>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

namespace {

constexpr int Notas = 50000;
constexpr int Emitentes = 5000;

// Answers every box with OK and keeps the last text.
class MensagensOk final : public Mensagens {
public:
    QString ultima;
    int mostra(const Mensagem &m) override
    {
        ultima = m.texto;
        return BotaoOk;
    }
    RespostaAviso mostraAviso(const QString &, int, bool, const QString &, bool) override { return RespostaAviso::Ok; }
    RespostaAviso9 mostraAviso9(const QString &, const QString &) override { return RespostaAviso9::Voltar; }
    int mostraSair() override { return 4; }
};

void esvazia()
{
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
}

QVariant valor(Dados &d, const QString &sql)
{
    Transacao tr(d.DataBase);
    Query q(d.DataBase, tr);
    q.sql.defineTexto(sql);
    q.open();
    return q.isEmpty() ? QVariant() : q.valor(0, 0);
}

// 2,500 names of registered persons (distinct, in lower case) and 2,500 new ones.
QStringList nomesEmitentes(Dados &d)
{
    Transacao tr(d.DataBase);
    Query q(d.DataBase, tr);
    q.sql.defineTexto(QStringLiteral("select CG_NOME from CADASTROS where MOD(CG_CODIGO, 17) = 0 order by CG_CODIGO"));
    q.open();
    QStringList nomes;
    QSet<QString> vistos;
    for (int i = 0; nomes.size() < Emitentes / 2 && i < q.recordCount(); ++i) {
        const QString nome = q.valor(i, 0).toString();
        if (!vistos.contains(nome.toCaseFolded())) {
            vistos.insert(nome.toCaseFolded());
            nomes << nome.toLower();
        }
    }
    for (int i = 0; nomes.size() < Emitentes; ++i) nomes << QStringLiteral("CLIENTE LITE %1").arg(i + 1, 4, 10, QLatin1Char('0'));
    return nomes;
}

void preparaNotasLite(Dados &d, QTextStream &out)
{
    if (valor(d, QStringLiteral("select count(*) from NOTAPROMISSORIALITE")).toInt() == Notas) return;
    d.DataBase.executa(QStringLiteral("delete from NOTAPROMISSORIALITE"));
    const QStringList nomes = nomesEmitentes(d);
    Transacao tr(d.DataBase);
    Comando c(d.DataBase, QStringLiteral(
        "insert into NOTAPROMISSORIALITE (NPL_CODIGO, NPL_PARCELA, NPL_TOTAL_PARCELAS, NPL_DT_EMISSAO, "
        "NPL_DT_VENCIMENTO, NPL_DT_PAGAMENTO, NPL_VALOR, NPL_VALOR_PGTO, NPL_SALDO_DEVEDOR, NPL_VALOR_TEMP, "
        "NPL_EMITENTE, NPL_EMITENTE_DOC, NPL_EMITENTE_ENDERECO, NPL_CREDOR, NPL_CREDOR_DOC, NPL_CIDADE, NPL_PRACA, "
        "NPL_STATUS, NPL_OBS) values (:C, :P, 4, :E, :V, :DP, :VALOR, :PAGO, :SALDO, 0, :NOME, '12345678909', "
        ":ENDERECO, 'LOJA LITE', '11222333000181', 'SAO PAULO', 'SAO PAULO', :S, :OBS)"));
    const QDate base(2024, 1, 10);
    for (int i = 1; i <= Notas; ++i) {
        const int parcela = (i - 1) % 4 + 1;
        const QDate venc = base.addDays(i / 40).addMonths(parcela - 1);
        const bool paga = i % 3 == 0;
        const Moeda v = Moeda::deReais(100 + i % 400);
        c.executa(tr.escrita(), {{QStringLiteral("C"), i},
                                 {QStringLiteral("P"), parcela},
                                 {QStringLiteral("E"), base.addDays(i / 40)},
                                 {QStringLiteral("V"), venc},
                                 {QStringLiteral("DP"), paga ? QVariant(venc) : QVariant()},
                                 {QStringLiteral("VALOR"), QVariant::fromValue(v)},
                                 {QStringLiteral("PAGO"), QVariant::fromValue(paga ? v : Moeda())},
                                 {QStringLiteral("SALDO"), QVariant::fromValue(paga ? Moeda() : v)},
                                 {QStringLiteral("NOME"), nomes.at(i % Emitentes)},
                                 {QStringLiteral("ENDERECO"), QStringLiteral("RUA %1, %2").arg(i % 300).arg(i % 1000)},
                                 {QStringLiteral("S"), paga ? QStringLiteral("P") : QStringLiteral("N")},
                                 {QStringLiteral("OBS"), i % 10 == 0 ? QVariant(QStringLiteral("VENDA BALCAO")) : QVariant()}});
    }
    tr.commitRetaining();
    d.DataBase.executa(QStringLiteral("SET GENERATOR COD_NOTAPROMISSORIALITE TO %1").arg(Notas));
    out << Notas << " notas simplificadas de " << Emitentes << " emitentes gravadas\n";
}

struct Corrida {
    double ms = 0, pausa = 0;
    int passos = 0;
    QString mensagem;
};

// One "Migrar Dados" in a new window, timed until the final message.
Corrida migra(const QString &credor, const QString &uf, const QString &cidade, MensagensOk &msg)
{
    auto *j = new TfMigrar;
    j->show();
    esvazia();
    j->EditCredor->setEditText(credor);
    j->ComboEstados->setEditText(uf);
    j->EditCidade->setEditText(cidade);
    Corrida c;
    QObject::connect(j->BarraProgresso, &QProgressBar::valueChanged, [&c] { ++c.passos; });
    QElapsedTimer t, volta;
    QTimer pulso;
    QObject::connect(&pulso, &QTimer::timeout, [&] {
        c.pausa = qMax(c.pausa, volta.nsecsElapsed() / 1e6);
        volta.restart();
    });
    pulso.start(0);
    esvazia();
    t.start();
    volta.start();
    j->ButMigrar->click();
    c.ms = t.nsecsElapsed() / 1e6;
    c.pausa = qMax(c.pausa, volta.nsecsElapsed() / 1e6);
    pulso.stop();
    c.mensagem = msg.ultima;
    j->close();
    delete j;
    return c;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QApplication app(argc, argv);
    QTextStream out(stdout);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        out << "uso: bench_migrar <arquivo.fdb> [vezes]\n";
        return 2;
    }
    const QString arquivo = args.at(1);
    const int vezes = args.size() > 2 ? args.at(2).toInt() : 3;
    MensagensOk mensagens;
    Mensagens::instala(&mensagens);

    QList<double> primeira, segunda, pausa;
    try {
        Dados d;
        d.DataBase.nome = arquivo;
        d.DataBase.parametros = BancoDados::parametrosPadrao();
        d.DataBase.conecta();
        d.CodUsuarioLogado = Dados::CodigoMaster;
        d.NomeUsuarioLogado = QStringLiteral("MASTER");
        d.CodEmpresaLogada = 1;
        preparaNotasLite(d, out);
        const QString credor = valor(d, QStringLiteral("select EM_NOME from EMPRESAS order by EM_CODIGO")).toString();
        const QString cidade = valor(d, QStringLiteral("select CD_NOME from CIDADES where CD_CODIGO=1")).toString();
        const QString uf = valor(d, QStringLiteral("select CD_UF from CIDADES where CD_CODIGO=1")).toString();
        for (int i = 0; i < vezes; ++i) {
            const int ultimaPessoa = valor(d, QStringLiteral("select max(CG_CODIGO) from CADASTROS")).toInt();
            const Corrida c = migra(credor, uf, cidade, mensagens);
            const int criadas = valor(d, QStringLiteral("select count(*) from CADASTROS where CG_CODIGO > %1")
                                             .arg(ultimaPessoa)).toInt();
            const Corrida r = migra(credor, uf, cidade, mensagens);
            primeira << c.ms;
            pausa << c.pausa;
            segunda << r.ms;
            out << "corrida " << i + 1 << ": " << c.ms << " ms, " << criadas << " pessoas criadas, " << c.passos
                << " passos da barra, maior pausa " << c.pausa << " ms; \"" << QString(c.mensagem).replace(QLatin1Char('\r'), QLatin1Char(' '))
                << "\"; de novo: " << r.ms << " ms, \"" << QString(r.mensagem).replace(QLatin1Char('\r'), QLatin1Char(' ')) << "\"\n";
            d.DataBase.executa(QStringLiteral("delete from NOTAPROMISSORIA where NP_SEQ = 0"));
            d.DataBase.executa(QStringLiteral("delete from CADASTROS where CG_CODIGO > %1").arg(ultimaPessoa));
            // The deleted copies are collected now, not by the next run's first read.
            valor(d, QStringLiteral("select count(*) from NOTAPROMISSORIA where NP_SEQ = 0"));
            valor(d, QStringLiteral("select count(*) from CADASTROS"));
        }
        d.FechaTabelas();
    } catch (const ErroBD &e) {
        out << e.mensagem() << '\n';
        return 1;
    }

    const QStringList sql = {
        QStringLiteral("select * from NOTAPROMISSORIALITE order by NPL_CODIGO"),
        QStringLiteral("select CG_CODIGO, CG_NOME from CADASTROS order by CG_CODIGO"),
        QStringLiteral("select NP_COD_AUXILIAR2, NP_PARCELA from NOTAPROMISSORIA where NP_SEQ = 0 and NP_COD_AUXILIAR2 is not null"),
        QStringLiteral("insert into CADASTROS (CG_CODIGO, CG_NOME, CG_TIPO_PESSOA, CG_EXIBIR, CG_ESPECIE, CG_OBS, CG_DT_CAD) "
                       "select first %1 GEN_ID(COD_CADASTROS, 1), NPL_EMITENTE, 'F', 'T', 'C', 'Documento : ' || "
                       "NPL_EMITENTE_DOC || ' - Endereço : ' || NPL_EMITENTE_ENDERECO, CURRENT_DATE from NOTAPROMISSORIALITE")
            .arg(Emitentes / 2),
        QStringLiteral("insert into NOTAPROMISSORIA (NP_CODIGO, NP_PARCELA, NP_TOTAL_PARCELAS, NP_COD_AUXILIAR2, "
                       "NP_PARCELA_EXT, NP_DT_EMISSAO, NP_DT_VENCIMENTO, NP_DT_PAGAMENTO, NP_VALOR, NP_VALOR_PGTO, "
                       "NP_SALDO_DEVEDOR, NP_COD_CREDOR, NP_COD_CIDADE, NP_COD_PRACA, NP_COD_EMITENTE, NP_OBS, NP_STATUS, "
                       "NP_VALOR_TEMP, NP_SEQ) select GEN_ID(COD_NOTAPROMISSORIA, 1), NPL_PARCELA, NPL_TOTAL_PARCELAS, "
                       "NPL_CODIGO, NPL_CODIGO || '/' || NPL_PARCELA, NPL_DT_EMISSAO, NPL_DT_VENCIMENTO, NPL_DT_PAGAMENTO, "
                       "NPL_VALOR, NPL_VALOR_PGTO, NPL_SALDO_DEVEDOR, 1, 1, 1, 1 + MOD(NPL_CODIGO, 5000), NPL_OBS, "
                       "NPL_STATUS, 0, 0 from NOTAPROMISSORIALITE order by NPL_CODIGO"),
        QStringLiteral("ROLLBACK")};
    QList<double> motor;
    for (int i = 0; i < vezes; ++i) {
        const QList<double> m = Medicao::tempoMotor(arquivo, sql);
        if (m.size() < 5) {
            out << "isql-fb não mediu as instruções\n";
            return 1;
        }
        double soma = 0;
        for (int k = 0; k < 5; ++k) soma += m.at(k);
        motor << soma;
    }
    out << "Mediana de " << vezes << " vezes:\n";
    out << "  " << Medicao::linha(QStringLiteral("migração de 50.000 notas, 5.000 emitentes (motor: leituras e as inserções "
                                                 "em duas instruções)"),
                                  Medicao::mediana(primeira), Medicao::mediana(motor))
        << '\n';
    out << "  maior pausa do laço de eventos durante a migração: " << Medicao::mediana(pausa) << " ms\n";
    out << "  segunda migração (todas já migradas): " << Medicao::mediana(segunda) << " ms\n";
    return 0;
}
