// The notice board at login and at every refresh, on the large database (bench_base).
//   bench_quadro_avisos <arquivo.fdb> [vezes]
// Prints the engine's own time for the six counting statements (isql-fb), then the program's
// figures: time until the values are on screen, the user-interface thread's share of a
// refresh, and the longest pause of the event loop while the refresh runs.

#include "CalculoLembretes.h"
#include "Dados.h"
#include "ErroBD.h"
#include "Lembretes.h"
#include "Medicao.h"
#include "QuadroAvisos.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTextStream>
#include <QTimer>

namespace {

// The statement with its parameters written as literals, for isql-fb.
QString comLiterais(QString sql, const QHash<QString, QString> &valores)
{
    for (auto it = valores.begin(); it != valores.end(); ++it) sql.replace(QLatin1Char(':') + it.key(), it.value());
    return sql;
}

QString data(QDate d) { return QLatin1Char('\'') + d.toString(Qt::ISODate) + QLatin1Char('\''); }

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTextStream out(stdout);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        out << "uso: bench_quadro_avisos <arquivo.fdb> [vezes]\n";
        return 2;
    }
    const QString arquivo = args.at(1);
    const int vezes = args.size() > 2 ? args.at(2).toInt() : 5;
    const QDate hoje = QDate::currentDate(), de(1900, 1, 1), ate(2090, 12, 31);

    Dados d;
    const ConsultasLembretes q = consultasLembretes(d);
    const QList<QPair<QString, QString>> consultas = {
        {QStringLiteral("Hoje:"), comLiterais(q.hoje.sql.texto(), {{QStringLiteral("DATA1"), data(hoje)}})},
        {QStringLiteral("Próx. 7 dias:"), comLiterais(q.semana.sql.texto(), {{QStringLiteral("DATA1"), data(hoje.addDays(1))},
                                                                              {QStringLiteral("DATA2"), data(hoje.addDays(7))}})},
        {QStringLiteral("ATRASADAS:"), comLiterais(q.vencidas.sql.texto(), {{QStringLiteral("DATA1"), data(QDate(1900, 1, 1))},
                                                                            {QStringLiteral("DATA2"), data(hoje)}})},
        {QStringLiteral("Emitidas:"), comLiterais(q.emitidas.sql.texto(), {{QStringLiteral("DATA1"), data(de)},
                                                                           {QStringLiteral("DATA2"), data(ate)}})},
        {QStringLiteral("aniversariantes hoje"),
         comLiterais(q.aniversariantesHoje.sql.texto(), {{QStringLiteral("MES"), QString::number(hoje.month())},
                                                         {QStringLiteral("DIA"), QString::number(hoje.day())}})},
        {QStringLiteral("aniversariantes do mês"),
         comLiterais(q.aniversariantesMes.sql.texto(), {{QStringLiteral("MES"), QString::number(hoje.month())}})},
        {QStringLiteral("ATRASADAS: (forma indexada)"),
         comLiterais(sqlVencidasIndexada(), {{QStringLiteral("DATA1"), data(QDate(1900, 1, 1))},
                                             {QStringLiteral("DATA2"), data(hoje)}})}};

    QStringList sql;
    for (const auto &c : consultas) sql << c.second;
    QList<QList<double>> motor(consultas.size());
    for (int i = 0; i < vezes; ++i) {
        const QList<double> t = Medicao::tempoMotor(arquivo, sql);
        if (t.size() != consultas.size()) {
            out << "isql-fb não mediu as consultas\n";
            return 1;
        }
        for (int k = 0; k < t.size(); ++k) motor[k] << t.at(k);
    }
    double motorQuadro = 0, motorComIndexada = 0;
    out << "Motor (isql-fb, mediana de " << vezes << "):\n";
    for (int k = 0; k < consultas.size(); ++k) {
        const double m = Medicao::mediana(motor[k]);
        out << "  " << consultas.at(k).first << " " << m << " ms\n";
        if (k < 6) motorQuadro += m;
        if (k != 2) motorComIndexada += m;
    }
    out << "  as seis consultas do módulo: " << motorQuadro << " ms; com a forma indexada: " << motorComIndexada
        << " ms\n";

    try {
        d.DataBase.nome = arquivo;
        d.DataBase.parametros = BancoDados::parametrosPadrao();
        d.DataBase.conecta();

        // Before: the six statements run on the user-interface thread.
        QList<double> sincrono;
        for (int i = 0; i < vezes; ++i) {
            QElapsedTimer t;
            t.start();
            leLembretes(q, hoje, de, ate);
            sincrono << t.nsecsElapsed() / 1e6;
        }

        QuadroAvisos quadro;
        CalculoLembretes calculo;
        QList<double> ateTela, fatiaInterface, maiorPausa;
        for (int i = 0; i < vezes; ++i) {
            if (i == 0) calculo.encerra(); // the first refresh also attaches, as at login
            QElapsedTimer total, pausa;
            double interface = 0, pior = 0;
            QTimer sonda;
            sonda.setInterval(1);
            QObject::connect(&sonda, &QTimer::timeout, [&] {
                pior = std::max(pior, pausa.nsecsElapsed() / 1e6);
                pausa.restart();
            });
            QEventLoop laco;
            auto c = QObject::connect(&calculo, &CalculoLembretes::calculado, [&](const ContagemLembretes &r, QDate dia) {
                QElapsedTimer t;
                t.start();
                quadro.mostra(r, dia);
                interface += t.nsecsElapsed() / 1e6;
                ateTela << total.nsecsElapsed() / 1e6;
                laco.quit();
            });
            total.start();
            pausa.start();
            sonda.start();
            QElapsedTimer t;
            t.start();
            calculo.solicita(CalculoLembretes::pedido(d, hoje, de, ate));
            interface += t.nsecsElapsed() / 1e6;
            laco.exec();
            QObject::disconnect(c);
            fatiaInterface << interface;
            maiorPausa << pior;
            if (i == 0) out << "Primeira atualização (com a conexão do quadro): " << ateTela.last() << " ms até a tela\n";
        }
        out << "Programa (mediana de " << vezes << "):\n";
        out << "  " << Medicao::linha(QStringLiteral("antes, na linha da interface"), Medicao::mediana(sincrono), motorQuadro)
            << '\n';
        out << "  " << Medicao::linha(QStringLiteral("valores na tela"), Medicao::mediana(ateTela), motorQuadro) << '\n';
        out << "  " << Medicao::linha(QStringLiteral("fatia da linha da interface"), Medicao::mediana(fatiaInterface), motorQuadro)
            << '\n';
        out << "  maior pausa do laço de eventos: " << Medicao::mediana(maiorPausa) << " ms\n";
        calculo.encerra();
        d.DataBase.desconecta();
    } catch (const ErroBD &e) {
        out << e.mensagem() << '\n';
        return 1;
    }
    return 0;
}
