// Fetching the persons list (100,000 rows, the list window's shape) through the database layer.
//   bench_lista_pessoas --prepara <arquivo.fdb>   makes a database with 100,000 persons
//   bench_lista_pessoas <arquivo.fdb>             opens the list once and prints rows and time

#include "BancoDados.h"
#include "ErroBD.h"
#include "Esquema.h"
#include "Query.h"
#include "Transacao.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTextStream>

namespace {

const char *kLista =
    "SELECT CG.CG_CODIGO, CG.CG_REFERENCIA, CG.CG_NOME, CG.CG_NOME2, CG.CG_TIPO_PESSOA, CG.CG_CPF_CNPJ, "
    "CG.CG_RG_IE, CG.CG_NUMERO, CG.CG_COMPLEMENTO, CG.CG_CEP, CG.CG_DT_NASC, CG.CG_DT_CAD, CG.CG_EXIBIR, "
    "CG.CG_LIMITE_TOTAL, CG.CG_LIMITE_PARCELA, CD.CD_NOME, CD.CD_UF, BR.BR_NOME, LG.LG_NOME from CADASTROS CG\n"
    "\n"
    "LEFT JOIN CIDADES CD ON CD.CD_CODIGO=CG.CG_COD_CIDADE\n"
    "LEFT JOIN BAIRROS BR ON BR.BR_CODIGO=CG.CG_COD_BAIRRO\n"
    "LEFT JOIN LOGRADOUROS LG ON LG.LG_CODIGO=CG.CG_COD_LOGRADOURO\n"
    "\n\n\n"
    "WHERE CG.CG_ESPECIE='C'\n"
    "\n\n\n\n\n\n\n\n\n\n"
    "ORDER BY CG.CG_NOME";

const char *kDados = R"(EXECUTE BLOCK AS
DECLARE I INTEGER = 1;
BEGIN
  WHILE (I <= 300) DO BEGIN
    INSERT INTO CIDADES (CD_CODIGO, CD_NOME, CD_UF, CD_EXIBIR) VALUES (:I, 'CIDADE ' || :I, 'ES', 'T');
    INSERT INTO BAIRROS (BR_CODIGO, BR_NOME, BR_COD_CIDADE, BR_EXIBIR) VALUES (:I, 'BAIRRO ' || :I, :I, 'T');
    INSERT INTO LOGRADOUROS (LG_CODIGO, LG_NOME, LG_COD_CIDADE, LG_EXIBIR, LG_TIPO) VALUES (:I, 'RUA ' || :I, :I, 'T', 'RUA (R)');
    I = I + 1;
  END
  I = 1;
  WHILE (I <= 100000) DO BEGIN
    INSERT INTO CADASTROS (CG_CODIGO, CG_REFERENCIA, CG_NOME, CG_NOME2, CG_TIPO_PESSOA, CG_CPF_CNPJ, CG_RG_IE,
      CG_COD_CIDADE, CG_COD_BAIRRO, CG_COD_LOGRADOURO, CG_NUMERO, CG_COMPLEMENTO, CG_CEP, CG_DT_NASC, CG_DT_CAD,
      CG_EXIBIR, CG_ESPECIE, CG_LIMITE_TOTAL, CG_LIMITE_PARCELA)
    VALUES (:I, :I, 'CLIENTE ' || (:I * 7919 - (:I * 7919 / 100000) * 100000) || ' DA SILVA ÇÃO', '', 'F',
      LPAD(:I, 11, '0'), 'MG' || :I, MOD(:I, 300) + 1, MOD(:I, 300) + 1, MOD(:I, 300) + 1, MOD(:I, 999), 'APTO 1',
      '29100000', DATEADD(MOD(:I, 20000) DAY TO DATE '1950-01-01'), DATE '2020-01-01', 'T', 'C', 1500.5, 300);
    I = I + 1;
  END
END)";

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    const QStringList args = app.arguments();
    try {
        if (args.size() == 3 && args.at(1) == QLatin1String("--prepara")) {
            QFile::remove(args.at(2));
            Esquema::criaBanco(args.at(2), QDate::currentDate());
            BancoDados b;
            b.nome = args.at(2);
            b.conecta();
            b.executa(QString::fromUtf8(kDados));
            b.executa(QStringLiteral("SET STATISTICS INDEX IX_CADASTROS_NOME"));
            out << "100000 pessoas gravadas em " << args.at(2) << '\n';
            return 0;
        }
        if (args.size() != 2) {
            out << "uso: bench_lista_pessoas [--prepara] <arquivo.fdb>\n";
            return 2;
        }
        BancoDados b;
        b.nome = args.at(1);
        b.conecta();
        Transacao tr(b);
        Query q(b, tr);
        q.sql.defineTexto(QString::fromUtf8(kLista));
        QElapsedTimer t;
        t.start();
        q.open();
        out << q.recordCount() << " linhas em " << t.elapsed() << " ms\n";
    } catch (const ErroBD &e) {
        out << e.mensagem() << '\n';
        return 1;
    }
    return 0;
}
