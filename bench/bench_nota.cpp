// The note window on the large database (bench_base): the window opened until its list and
// counters show, a search by part of the emitter's name, "Grava" of a note of 500 installments
// until the review grid shows them, and the printing of those 500 notes to PDF.
//   bench_nota <arquivo.fdb> [vezes] [parte do nome]
// The engine's own times are those of isql-fb for the list and counter statements, the search's
// statement, the save's reads (next sequence, emitter's balance, the review) with the 500 inserts
// in one statement, and the print dataset of the 500 installments. It also prints "Nova NP"
// (which reads the person candidates) and the slowest key typed in a picker.
// Each run sends the note back with "Voltar" and cancels it, which removes its installments.

#include "Dados.h"
#include "DadosImpressao.h"
#include "DataEdit.h"
#include "ErroBD.h"
#include "Medicao.h"
#include "Mensagens.h"
#include "MoedaEdit.h"
#include "SeletorPessoa.h"
#include "TfNotaPromissoria.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QRegularExpression>
#include <QTextStream>

namespace {

// Answers every question with yes, except the offer of another note.
class MensagensSim final : public Mensagens {
public:
    int mostra(const Mensagem &m) override { return m.botoes & BotaoSim ? BotaoSim : BotaoOk; }
    RespostaAviso mostraAviso(const QString &, int codigo, bool, const QString &, bool) override
    {
        return codigo == 2 ? RespostaAviso::Nao : RespostaAviso::Sim;
    }
    RespostaAviso9 mostraAviso9(const QString &, const QString &) override { return RespostaAviso9::Voltar; }
    int mostraSair() override { return 4; }
};

void esvazia()
{
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
}

// The statement with its date and integer parameters written as literals, for isql-fb.
QString comLiterais(const Query &q)
{
    QString sql = q.sql.texto();
    for (const char *nome : {"DATA9", "DATA1", "DATA2", "SEQ", "EMITENTE", "EMISSAO"}) {
        const QVariant v = q.parametro(QLatin1String(nome));
        if (!v.isValid()) continue;
        const QString literal = v.metaType() == QMetaType::fromType<QDate>()
                                    ? v.toDate().toString(QStringLiteral("''yyyy-MM-dd''"))
                                    : v.toString();
        sql.replace(QLatin1Char(':') + QLatin1String(nome), literal);
    }
    return sql;
}

constexpr int Parcelas = 500;

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
        out << "uso: bench_nota <arquivo.fdb> [vezes]\n";
        return 2;
    }
    const QString arquivo = args.at(1);
    const int vezes = args.size() > 2 ? args.at(2).toInt() : 5;
    const QString parteNome = args.size() > 3 ? args.at(3) : QStringLiteral("SOUZA LIMA");
    QTemporaryDir pdfs;
    qputenv("PRONTANOTA_RELATORIOS_PDF", QFile::encodeName(pdfs.path()));
    MensagensSim mensagens;
    Mensagens::instala(&mensagens);

    QList<double> pronta, grava, novo, digitacao, busca, impressao;
    QString sqlLista, sqlBusca, sqlImprimir;
    QStringList sqlContadores;
    int linhasBusca = 0, paginas = 0;
    int emitente = 0;
    try {
        Dados d;
        d.DataBase.nome = arquivo;
        d.DataBase.parametros = BancoDados::parametrosPadrao();
        d.DataBase.conecta();
        d.CodUsuarioLogado = Dados::CodigoMaster;
        d.NomeUsuarioLogado = QStringLiteral("MASTER");
        d.CodEmpresaLogada = 1;
        d.CF_MODELO_PROMIS = QStringLiteral("21cm x 10cm");
        d.PathRelatorios = QFileInfo(QStringLiteral(PN_RELATORIOS_RAV)).absolutePath() + QLatin1Char('/');
        DadosImpressao imp(&d);
        for (int i = 0; i < vezes; ++i) {
            esvazia();
            QElapsedTimer t;
            t.start();
            auto *j = new TfNotaPromissoria;
            j->show();
            esvazia();
            pronta << t.nsecsElapsed() / 1e6;
            if (i == 0)
                out << "primeira abertura: " << pronta.last() << " ms, lista com " << j->GridLista->model()->rowCount()
                    << " linhas, " << j->Pessoas->linhas() << " pessoas nos seletores\n";
            sqlLista = comLiterais(j->QryPesquisa);
            if (i == 0) {
                const QDate dia = QDate::currentDate();
                const QString base = QStringLiteral("SELECT COUNT(NP_CODIGO) AS REGISTROS, SUM(NP_SALDO_DEVEDOR) AS VALOR "
                                                    "FROM NOTAPROMISSORIA WHERE ");
                const auto data = [](QDate x) { return x.toString(QStringLiteral("''yyyy-MM-dd''")); };
                sqlContadores = {
                    base + QStringLiteral("NP_DT_VENCIMENTO>='1900-01-01' AND NP_DT_VENCIMENTO<%1 AND NP_STATUS='N'").arg(data(dia)),
                    base + QStringLiteral("NP_DT_VENCIMENTO=%1 AND NP_STATUS='N'").arg(data(dia)),
                    base + QStringLiteral("NP_DT_VENCIMENTO>=%1 AND NP_DT_VENCIMENTO<=%2 AND NP_STATUS='N'")
                               .arg(data(dia.addDays(1)), data(dia.addDays(7)))};
            }

            // " Buscar" with part of a name: list, counters and splash.
            j->ButPesquisarClick();
            j->PesqEditEmitente->setText(parteNome);
            t.restart();
            j->ButBuscarClick();
            esvazia();
            busca << t.nsecsElapsed() / 1e6;
            linhasBusca = j->GridLista->model()->rowCount();
            sqlBusca = comLiterais(j->QryPesquisa);
            j->ButLimparBuscaClick();
            j->ButPesquisarClick();
            esvazia();

            t.restart();
            j->ButNovo->click();
            esvazia();
            novo << t.nsecsElapsed() / 1e6;
            // Typing a name in the emitter's picker: the slowest key of "MARIA S".
            j->activateWindow();
            j->Emitente->Edit->setFocus();
            double pior = 0;
            for (QChar c : QStringLiteral("MARIA S")) {
                QKeyEvent tecla(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
                t.restart();
                QApplication::sendEvent(j->Emitente->Edit, &tecla);
                pior = qMax(pior, t.nsecsElapsed() / 1e6);
            }
            digitacao << pior;
            j->Emitente->limpa();
            j->EditValor->setValor(Moeda::deReais(25));
            j->EditTotalParcelas->setText(QString::number(Parcelas));
            j->EditIntervalo->setText(QStringLiteral("30"));
            j->EditVencimento->setData(QDate::currentDate().addDays(30));
            const int linha = j->Pessoas->linhas() / 2;
            emitente = j->Pessoas->codigo(linha);
            j->Emitente->mostra(emitente, j->Pessoas->nome(linha));
            t.restart();
            j->ButGravar->click();
            esvazia();
            grava << t.nsecsElapsed() / 1e6;
            if (j->GridParcelas->rowCount() != Parcelas) {
                out << "a revisão mostra " << j->GridParcelas->rowCount() << " parcelas\n";
                return 1;
            }
            // The 500 notes printed to PDF, as "Confirmar" prints them.
            t.restart();
            j->imprimeNotaConfirmada(j->sequencia(), emitente, QDate::currentDate());
            impressao << t.nsecsElapsed() / 1e6;
            sqlImprimir = comLiterais(j->QryImprimir);
            paginas = j->QryImprimir.recordCount();
            if (DadosImpressao::instancia().ultimoArquivoPdf().isEmpty()) {
                out << "a impressão não gravou o PDF\n";
                return 1;
            }
            QFile::remove(DadosImpressao::instancia().ultimoArquivoPdf());
            j->ButVoltarParcelas->click();
            j->ButCancelar->click();
            j->close();
            delete j;
        }
        d.FechaTabelas();
    } catch (const ErroBD &e) {
        out << e.mensagem() << '\n';
        return 1;
    }

    const QString hoje = QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"));
    // The 500 inserts as one statement (isql-fb reads ';' as the end of a statement).
    const QString insercoes = QStringLiteral(
        "INSERT INTO NOTAPROMISSORIA (NP_CODIGO, NP_SEQ, NP_PARCELA, NP_TOTAL_PARCELAS, NP_PARCELA_EXT, NP_DT_EMISSAO, "
        "NP_DT_VENCIMENTO, NP_VALOR, NP_SALDO_DEVEDOR, NP_VALOR_PGTO, NP_VALOR_TEMP, NP_STATUS, NP_COD_CREDOR, NP_COD_EMITENTE, "
        "NP_COD_CIDADE, NP_COD_PRACA) WITH RECURSIVE P (K) AS (SELECT 1 FROM RDB$DATABASE UNION ALL "
        "SELECT K + 1 FROM P WHERE K < %1) SELECT GEN_ID(COD_NOTAPROMISSORIA, 1), 999999, K, %1, K || ' / %1', DATE '%2', "
        "DATEADD(K - 1 MONTH TO DATE '%2'), 25, 25, 0, 0, 'N', 1, %3, 1, 1 FROM P")
                                  .arg(Parcelas)
                                  .arg(hoje)
                                  .arg(emitente);
    const QStringList gravacao = {
        QStringLiteral("SELECT MAX(NP_SEQ) AS SEQMAX FROM NOTAPROMISSORIA"),
        QStringLiteral("SELECT SUM(NP_SALDO_DEVEDOR) AS SALDO FROM NOTAPROMISSORIA WHERE NP_COD_EMITENTE=%1").arg(emitente),
        insercoes,
        QStringLiteral("select * from NOTAPROMISSORIA NP WHERE NP.NP_SEQ=999999 AND NP.NP_COD_EMITENTE=%1 order by NP.NP_CODIGO").arg(emitente),
        QStringLiteral("ROLLBACK")};
    QList<double> motorLista, motorGrava, motorBusca, motorImprimir;
    // The print dataset of the 500 installments, inserted as "Grava" stores them.
    QString sqlImprimirMotor = sqlImprimir;
    sqlImprimirMotor.replace(QRegularExpression(QStringLiteral("NP\\.NP_SEQ=\\d+")), QStringLiteral("NP.NP_SEQ=999999"));
    const QStringList impressaoMotor = {insercoes, sqlImprimirMotor, QStringLiteral("ROLLBACK")};
    for (int i = 0; i < vezes; ++i) {
        const QList<double> l = Medicao::tempoMotor(arquivo, QStringList{sqlLista} + sqlContadores);
        const QList<double> g = Medicao::tempoMotor(arquivo, gravacao);
        const QList<double> b = Medicao::tempoMotor(arquivo, {sqlBusca});
        const QList<double> p = Medicao::tempoMotor(arquivo, impressaoMotor);
        if (l.size() < 4 || g.size() < 4 || b.isEmpty() || p.size() < 2) {
            out << "isql-fb não mediu as consultas\n";
            return 1;
        }
        motorLista << l.at(0) + l.at(1) + l.at(2) + l.at(3);
        motorBusca << b.first();
        motorImprimir << p.at(1);
        double soma = 0;
        for (int k = 0; k < 4; ++k) soma += g.at(k);
        motorGrava << soma;
    }
    out << "Mediana de " << vezes << " vezes:\n";
    out << "  " << Medicao::linha(QStringLiteral("janela pronta com a lista e os contadores (motor: todas as linhas da lista "
                                                 "e os três contadores)"),
                                  Medicao::mediana(pronta), Medicao::mediana(motorLista))
        << '\n';
    out << "  " << Medicao::linha(QStringLiteral("Grava de 500 parcelas até a revisão (motor: leituras e 500 inserções)"),
                                  Medicao::mediana(grava), Medicao::mediana(motorGrava))
        << '\n';
    out << "  " << Medicao::linha(QStringLiteral("Buscar \"%1\", %2 linhas (motor: a mesma consulta)").arg(parteNome).arg(linhasBusca),
                                  Medicao::mediana(busca), Medicao::mediana(motorBusca))
        << '\n';
    out << "  " << Medicao::linha(QStringLiteral("%1 notas impressas em PDF (motor: o conjunto de impressão)").arg(paginas),
                                  Medicao::mediana(impressao), Medicao::mediana(motorImprimir))
        << '\n';
    out << "  Nova NP, lendo as pessoas dos seletores: " << Medicao::mediana(novo) << " ms\n";
    out << "  tecla mais lenta ao digitar \"MARIA S\" no emitente: " << Medicao::mediana(digitacao) << " ms\n";
    return 0;
}
