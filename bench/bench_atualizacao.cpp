// The upgrade of a database of an earlier release: bench_atualizacao <arquivo.fdb> [pessoas] [parcelas]
// (default 100000 persons and 1000000 installments). The file is replaced. Prints the time of the
// upgrade as Instalora runs it, how often its progress moved and its longest pause, beside the
// engine's time for the same statements on a copy of the same database (isql-fb).

#include "Atualizacao.h"
#include "BaseAnterior.h"
#include "BancoDados.h"
#include "ErroBD.h"
#include "Esquema.h"
#include "Instalacao.h"
#include "ListaAtualizacao.h"
#include "Medicao.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTextStream>

namespace {

void preenche(const QString &arquivo, int pessoas, int parcelas)
{
    BaseAnterior::criaVazia(arquivo);
    BancoDados b;
    b.nome = arquivo;
    b.conecta();
    b.executa(QStringLiteral(R"(EXECUTE BLOCK AS
DECLARE I INTEGER = 1;
BEGIN
  WHILE (I <= 40) DO BEGIN
    INSERT INTO CIDADES (CD_CODIGO, CD_NOME, CD_COD_ESTADO, CD_UF, CD_EXIBIR)
      VALUES (:I, 'CIDADE ' || :I, 26, 'SP', IIF(MOD(:I, 20) = 0, 'F', 'T'));
    I = I + 1;
  END
  I = 1;
  WHILE (I <= 800) DO BEGIN
    INSERT INTO BAIRROS (BR_CODIGO, BR_NOME, BR_COD_CIDADE, BR_EXIBIR) VALUES (:I, 'BAIRRO ' || :I, MOD(:I, 40) + 1, 'T');
    INSERT INTO LOGRADOUROS (LG_CODIGO, LG_TIPO, LG_NOME, LG_COD_CIDADE, LG_EXIBIR) VALUES (:I, 'RUA', 'RUA ' || :I, MOD(:I, 40) + 1, 'T');
    I = I + 1;
  END
END)"));
    b.executa(QStringLiteral(R"(EXECUTE BLOCK AS
DECLARE I INTEGER = 1;
BEGIN
  WHILE (I <= %1) DO BEGIN
    INSERT INTO CADASTROS (CG_CODIGO, CG_TIPO_PESSOA, CG_NOME, CG_COD_CIDADE, CG_COD_BAIRRO, CG_COD_LOGRADOURO,
                           CG_NUMERO, CG_COMPLEMENTO, CG_EXIBIR)
      VALUES (:I, 'F', 'PESSOA ' || :I, MOD(:I, 40) + 1, MOD(:I * 7, 800) + 1, MOD(:I * 13, 800) + 1,
              MOD(:I, 2000), IIF(MOD(:I, 3) = 0, 'CASA ' || MOD(:I, 9), NULL), 'T');
    I = I + 1;
  END
END)").arg(pessoas));
    b.executa(QStringLiteral(R"(EXECUTE BLOCK AS
DECLARE I INTEGER = 1;
BEGIN
  WHILE (I <= %1) DO BEGIN
    INSERT INTO NOTAPROMISSORIA (NP_CODIGO, NP_PARCELA, NP_TOTAL_PARCELAS, NP_DT_EMISSAO, NP_DT_VENCIMENTO, NP_VALOR,
                                 NP_VALOR_PGTO, NP_COD_EMITENTE, NP_STATUS)
      VALUES (:I, MOD(:I, 4) + 1, 4, DATEADD(-MOD(:I, 1000) DAY TO DATE '2026-12-01'),
              DATEADD(-MOD(:I, 1000) + 30 DAY TO DATE '2026-12-01'), 100 + MOD(:I, 500),
              IIF(MOD(:I, 10) = 0, NULL, IIF(MOD(:I, 3) = 0, 100 + MOD(:I, 500), 0)), MOD(:I, %2) + 1,
              IIF(MOD(:I, 3) = 0, 'P', 'N'));
    I = I + 1;
  END
END)").arg(parcelas).arg(pessoas));
    b.executa(QStringLiteral("INSERT INTO USUARIOS (US_CODIGO, US_NOME) VALUES (1, 'JOSE')"));
    b.executa(QStringLiteral("INSERT INTO USUARIOSPERMISSOES (PUS_CODIGO, PUS_LOGIN, PUS_SENHA) VALUES (1, 'JOSE', '1')"));
    b.executa(QStringLiteral("INSERT INTO CONFIGS (CF_CODIGO, CF_VERSAO) VALUES (1, 20150101)"));
    b.desconecta();
}

// The upgrade's statements as isql-fb runs them on the earlier database.
QStringList comandosMotor(int pessoas)
{
    QStringList r = ListaAtualizacao::criacaoTabelas();
    r.append(QStringLiteral("COMMIT"));
    for (QString c : ListaAtualizacao::memoExecuta()) {
        c.chop(1); // the ';' that isql's script adds again
        r << c << QStringLiteral("COMMIT");
    }
    r << Atualizacao::comandoEnderecos().replace(QStringLiteral(":DE"), QStringLiteral("0"))
                                        .replace(QStringLiteral(":ATE"), QString::number(pessoas))
      << QStringLiteral("COMMIT");
    return r;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        out << "uso: bench_atualizacao <arquivo.fdb> [pessoas] [parcelas]\n";
        return 2;
    }
    const QString arquivo = args.at(1);
    const int pessoas = args.size() > 2 ? args.at(2).toInt() : 100000;
    const int parcelas = args.size() > 3 ? args.at(3).toInt() : 1000000;
    QElapsedTimer relogio;
    try {
        relogio.start();
        preenche(arquivo, pessoas, parcelas);
        out << "base anterior: " << pessoas << " pessoas, " << parcelas << " parcelas em " << relogio.elapsed() / 1000 << " s" << Qt::endl;
        const QString copia = arquivo + QStringLiteral(".motor.fdb");
        QFile::remove(copia);
        QFile::copy(arquivo, copia);
        {
            // The engine runs under the same conditions: forced writes off.
            BancoDados c;
            c.nome = copia;
            c.parametros = Atualizacao::parametrosAtualizacao();
            c.conecta();
            c.desconecta();
        }

        int passos = 0;
        qint64 ultimo = 0, maiorPausa = 0;
        relogio.restart();
        const bool detalha = qEnvironmentVariableIsSet("PN_DETALHA");
        Instalacao::atualiza(arquivo, QDate::currentDate(), Esquema::Versao, [&](int feito, int total) {
            ++passos;
            if (detalha && relogio.elapsed() - ultimo > 300)
                out << "  passo " << feito << '/' << total << ": " << relogio.elapsed() - ultimo << " ms" << Qt::endl;
            maiorPausa = qMax(maiorPausa, relogio.elapsed() - ultimo);
            ultimo = relogio.elapsed();
        });
        const double programa = relogio.elapsed();
        maiorPausa = qMax(maiorPausa, relogio.elapsed() - ultimo);

        const QList<double> motor = Medicao::tempoMotor(copia, comandosMotor(pessoas));
        double total = 0;
        for (double t : motor) total += t;
        QFile::remove(copia);
        out << Medicao::linha(QStringLiteral("atualização"), programa, total) << Qt::endl;
        out << "progresso: " << passos << " avanços, maior pausa " << maiorPausa << " ms" << Qt::endl;
    } catch (const ErroBD &e) {
        out << e.mensagem() << Qt::endl;
        return 1;
    }
    return 0;
}
