// Fetching every row of the persons list (the list window's shape) through the database layer,
// on the large database of bench_base.
//   bench_lista_pessoas <arquivo.fdb>     opens the list, walks to its end and prints rows and time

#include "BancoDados.h"
#include "ErroBD.h"
#include "Query.h"
#include "Transacao.h"

#include <QCoreApplication>
#include <QElapsedTimer>
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

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    const QStringList args = app.arguments();
    try {
        if (args.size() != 2) {
            out << "uso: bench_lista_pessoas <arquivo.fdb>\n";
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
