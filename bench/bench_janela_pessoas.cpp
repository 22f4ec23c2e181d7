// The persons register on the large database (bench_base): the window ready with its list, a
// name search, and the memory the window takes.
//   bench_janela_pessoas <arquivo.fdb> [vezes] [nome]      (default name "MARIA")
// The engine's own time is that of isql-fb fetching every row of the same list statement.

#include "Dados.h"
#include "ErroBD.h"
#include "Medicao.h"
#include "PainelPesquisaClientes.h"
#include "TfCadastrosGerais.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QAbstractItemModel>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

// The statement as the window ran it, parameters written as literals, for isql-fb.
QString comLiterais(const Query &q)
{
    QString sql = q.sql.texto();
    for (const QString &nome : {QStringLiteral("ESPECIE"), QStringLiteral("NOME"), QStringLiteral("LOCALIZA")})
        if (q.parametro(nome).isValid())
            sql.replace(QLatin1Char(':') + nome,
                        QLatin1Char('\'') + q.parametro(nome).toString().replace(u'\'', QStringLiteral("''")) + u'\'');
    return sql;
}

// Lets the window finish what it queued (first paint, deferred loads).
void esvazia()
{
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir config; // settings and Layout.ini of this run only
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QApplication app(argc, argv);
    QTextStream out(stdout);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        out << "uso: bench_janela_pessoas <arquivo.fdb> [vezes] [nome]\n";
        return 2;
    }
    const QString arquivo = args.at(1);
    const int vezes = args.size() > 2 ? args.at(2).toInt() : 5;
    const QString nome = args.size() > 3 ? args.at(3) : QStringLiteral("MARIA");

    QList<double> pronta, busca, memoria;
    QString sqlLista, sqlBusca;
    int linhasBusca = 0;
    try {
        Dados d;
        d.DataBase.nome = arquivo;
        d.DataBase.parametros = BancoDados::parametrosPadrao();
        d.DataBase.conecta();
        d.CodUsuarioLogado = Dados::CodigoMaster;
        d.NomeUsuarioLogado = QStringLiteral("MASTER");
        for (int i = 0; i < vezes; ++i) {
            esvazia();
            const double antes = Medicao::memoriaMiB();
            QElapsedTimer t;
            t.start();
            auto *j = new TfCadastrosGerais;
            j->setAttribute(Qt::WA_DeleteOnClose, false);
            j->show();
            esvazia();
            pronta << t.nsecsElapsed() / 1e6;
            memoria << Medicao::memoriaMiB() - antes;
            if (i == 0)
                out << "primeira abertura: " << pronta.last() << " ms, " << j->Grid1->model()->rowCount()
                    << " linhas na grade, " << j->LabelRegistros->text() << ", memória " << antes << " -> "
                    << Medicao::memoriaMiB() << " MiB\n";
            sqlLista = comLiterais(j->QryPesquisa);

            j->ButPesquisarClick();
            j->Pesquisa->PesqEditNome->setText(nome);
            t.restart();
            j->ButBuscarPesquisaClick();
            esvazia();
            busca << t.nsecsElapsed() / 1e6;
            if (i == 0) out << "primeira busca: " << busca.last() << " ms, " << j->LabelRegistros->text() << '\n';
            sqlBusca = comLiterais(j->QryPesquisa);
            linhasBusca = j->QryPesquisa.isEmpty() ? 0 : 1;
            j->close();
            delete j;
        }
        d.FechaTabelas();
    } catch (const ErroBD &e) {
        out << e.mensagem() << '\n';
        return 1;
    }

    // The window's database is closed now, so isql-fb may open the file.
    QList<double> motorLista, motorBusca;
    for (int i = 0; i < vezes; ++i) {
        const QList<double> t = Medicao::tempoMotor(arquivo, {sqlLista, sqlBusca});
        if (t.size() != 2) {
            out << "isql-fb não mediu as consultas\n";
            return 1;
        }
        motorLista << t.at(0);
        motorBusca << t.at(1);
    }
    out << "Mediana de " << vezes << " vezes:\n";
    out << "  " << Medicao::linha(QStringLiteral("janela pronta (motor: todas as linhas da lista)"), Medicao::mediana(pronta),
                                  Medicao::mediana(motorLista))
        << '\n';
    out << "  " << Medicao::linha(QStringLiteral("busca por \"") + nome + QStringLiteral("\""), Medicao::mediana(busca),
                                  Medicao::mediana(motorBusca))
        << (linhasBusca ? "" : " (nenhuma linha)") << '\n';
    // Later openings reuse what the first one freed, so the first growth is the figure.
    out << "  memória da primeira abertura: +" << memoria.value(0) << " MiB\n";
    return 0;
}
