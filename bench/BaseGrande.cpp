#include "BaseGrande.h"

#include "BancoDados.h"
#include "Esquema.h"

#include <QFile>
#include <QStringList>

namespace {

// Names, surnames and places are picked by pseudo-random indexes inside the engine
// (DECODE over these lists), so one EXECUTE BLOCK writes every row.
const QStringList Prenomes = {
    "JOSÉ", "MARIA", "ANTÔNIO", "ANA", "FRANCISCO", "FRANCISCA", "JOÃO", "ANTÔNIA", "CARLOS", "ADRIANA",
    "PAULO", "JULIANA", "PEDRO", "MÁRCIA", "LUCAS", "FERNANDA", "LUIZ", "PATRÍCIA", "MARCOS", "ALINE",
    "LUÍS", "SANDRA", "GABRIEL", "CAMILA", "RAFAEL", "AMANDA", "DANIEL", "BRUNA", "MARCELO", "JÉSSICA",
    "BRUNO", "LETÍCIA", "EDUARDO", "JÚLIA", "FELIPE", "LUCIANA", "RAIMUNDO", "VANESSA", "RODRIGO", "CONCEIÇÃO"};
const QStringList Sobrenomes = {
    "DA SILVA", "DOS SANTOS", "OLIVEIRA", "SOUZA", "RODRIGUES", "FERREIRA", "ALVES", "PEREIRA", "LIMA",
    "GOMES", "COSTA", "RIBEIRO", "MARTINS", "CARVALHO", "ALMEIDA", "LOPES", "SOARES", "FERNANDES", "VIEIRA",
    "BARBOSA", "ROCHA", "DIAS", "NASCIMENTO", "ANDRADE", "MOREIRA", "NUNES", "MARQUES", "MACHADO", "MENDES",
    "FREITAS", "CARDOSO", "RAMOS", "GONÇALVES", "SANTANA", "TEIXEIRA", "ARAÚJO", "CAVALCANTI", "MONTEIRO",
    "BATISTA", "CORREIA"};
const QStringList Cidades = {
    "VITÓRIA", "VILA VELHA", "SERRA", "CARIACICA", "LINHARES", "COLATINA", "GUARAPARI", "ARACRUZ",
    "SÃO MATEUS", "CACHOEIRO DE ITAPEMIRIM", "NOVA VENÉCIA", "BARRA DE SÃO FRANCISCO", "SANTA TERESA",
    "DOMINGOS MARTINS", "VENDA NOVA DO IMIGRANTE", "CASTELO", "ALEGRE", "ITAPEMIRIM", "MARATAÍZES",
    "ANCHIETA", "IÚNA", "AFONSO CLÁUDIO", "BAIXO GUANDU", "ECOPORANGA", "PINHEIROS", "MONTANHA",
    "CONCEIÇÃO DA BARRA", "JAGUARÉ", "SOORETAMA", "RIO BANANAL", "JOÃO NEIVA", "IBIRAÇU", "FUNDÃO",
    "SANTA LEOPOLDINA", "MARECHAL FLORIANO", "VIANA", "PIÚMA", "ICONHA", "RIO NOVO DO SUL", "MIMOSO DO SUL"};
const QStringList Bairros = {
    "CENTRO", "JARDIM AMÉRICA", "SANTA LÚCIA", "PRAIA DO CANTO", "JARDIM CAMBURI", "SÃO PEDRO",
    "BOA VISTA", "VILA NOVA", "SANTO ANTÔNIO", "NOVA ESPERANÇA", "PARQUE RESIDENCIAL", "BELA VISTA",
    "SÃO CRISTÓVÃO", "MARIA ORTIZ", "JARDIM DA PENHA", "ILHA DE SANTA MARIA", "FORTE SÃO JOÃO",
    "BENTO FERREIRA", "CONSOLAÇÃO", "GURIGICA"};
const QStringList Ruas = {
    "DAS FLORES", "SETE DE SETEMBRO", "QUINZE DE NOVEMBRO", "DOM PEDRO II", "SANTOS DUMONT",
    "GETÚLIO VARGAS", "TIRADENTES", "DA CONSOLAÇÃO", "DOS ANDRADAS", "CASTELO BRANCO", "JOÃO PESSOA",
    "RUI BARBOSA", "BARÃO DO RIO BRANCO", "MARECHAL DEODORO", "SÃO JOSÉ", "DAS PALMEIRAS", "DOS IPÊS",
    "PRINCESA ISABEL", "DUQUE DE CAXIAS", "SALDANHA DA GAMA", "JERÔNIMO MONTEIRO", "DAS ACÁCIAS",
    "DOS BANDEIRANTES", "CORONEL MONJARDIM", "LEITÃO DA SILVA", "VITAL BRASIL", "DO ROSÁRIO",
    "PRESIDENTE VARGAS", "NOSSA SENHORA DA PENHA", "DOS PESCADORES"};

QString literal(const QString &s) { return QLatin1Char('\'') + QString(s).replace(QLatin1Char('\''), QStringLiteral("''")) + QLatin1Char('\''); }

// DECODE(MOD(expr, n), 0, 'a', 1, 'b', ...): the list item picked by `expr`.
QString escolhe(const QStringList &lista, const QString &expr)
{
    QString s = QStringLiteral("DECODE(MOD(%1, %2)").arg(expr).arg(lista.size());
    for (int i = 0; i < lista.size(); ++i) s += QStringLiteral(", %1, %2").arg(i).arg(literal(lista.at(i)));
    return s + QLatin1Char(')');
}

QString localidades()
{
    return QStringLiteral(R"(EXECUTE BLOCK AS
DECLARE C INTEGER = 1;
DECLARE I INTEGER;
BEGIN
  WHILE (C <= %1) DO BEGIN
    INSERT INTO CIDADES (CD_CODIGO, CD_NOME, CD_COD_ESTADO, CD_UF, CD_EXIBIR)
      VALUES (:C, %2, 8, 'ES', 'T');
    I = 0;
    WHILE (I < %3) DO BEGIN
      INSERT INTO BAIRROS (BR_CODIGO, BR_NOME, BR_COD_CIDADE, BR_EXIBIR)
        VALUES ((:C - 1) * %3 + :I + 1, %4, :C, 'T');
      I = I + 1;
    END
    I = 0;
    WHILE (I < %5) DO BEGIN
      INSERT INTO LOGRADOUROS (LG_CODIGO, LG_TIPO, LG_NOME, LG_COD_CIDADE, LG_EXIBIR, LG_CEP)
        VALUES ((:C - 1) * %5 + :I + 1, 'RUA (R)', %6, :C, 'T', LPAD(29000000 + :C * 100 + :I, 8, '0'));
      I = I + 1;
    END
    C = C + 1;
  END
END)")
        .arg(Cidades.size())
        .arg(escolhe(Cidades, QStringLiteral(":C - 1")))
        .arg(Bairros.size())
        .arg(escolhe(Bairros, QStringLiteral(":I")))
        .arg(Ruas.size())
        .arg(escolhe(Ruas, QStringLiteral(":I")));
}

QString pessoas(int total)
{
    // Multiplicative hashes spread names, places and dates over the rows.
    return QStringLiteral(R"(EXECUTE BLOCK AS
DECLARE I INTEGER = 1;
DECLARE C INTEGER;
BEGIN
  WHILE (I <= %1) DO BEGIN
    C = MOD(:I * 7, %2) + 1;
    INSERT INTO CADASTROS (CG_CODIGO, CG_REFERENCIA, CG_TIPO_PESSOA, CG_NOME, CG_NOME2, CG_CPF_CNPJ, CG_RG_IE,
      CG_COD_CIDADE, CG_COD_BAIRRO, CG_COD_LOGRADOURO, CG_NUMERO, CG_COMPLEMENTO, CG_CEP, CG_DT_NASC, CG_DT_CAD,
      CG_EXIBIR, CG_ESPECIE, CG_LIMITE_TOTAL, CG_LIMITE_PARCELA, CG_OBS)
    VALUES (:I, :I, 'F', %3 || ' ' || %4 || ' ' || %5, '', LPAD(MOD(:I * 104729, 99999999999), 11, '0'),
      LPAD(MOD(:I * 7919, 9999999), 7, '0'), :C, (:C - 1) * %6 + MOD(:I, %6) + 1,
      (:C - 1) * %7 + MOD(:I * 3, %7) + 1, MOD(:I * 31, 2000) + 1, IIF(MOD(:I, 5) = 0, 'APTO ' || MOD(:I, 400), ''),
      LPAD(29000000 + :C * 100, 8, '0'), DATEADD(MOD(:I * 37, 20000) DAY TO DATE '1945-01-01'),
      DATEADD(-MOD(:I * 13, 3650) DAY TO CURRENT_DATE), 'T', 'C', 1500, 300,
      IIF(MOD(:I, 10) = 0, 'CLIENTE DESDE ' || EXTRACT(YEAR FROM CURRENT_DATE), NULL));
    I = I + 1;
  END
END)")
        .arg(total)
        .arg(Cidades.size())
        .arg(escolhe(Prenomes, QStringLiteral(":I * 17")))
        .arg(escolhe(Sobrenomes, QStringLiteral(":I / 40")))
        .arg(escolhe(Sobrenomes, QStringLiteral(":I * 3 + :I / 1600 + 1")))
        .arg(Bairros.size())
        .arg(Ruas.size());
}

// Notes of four monthly installments; the first due date of note K is spread from three
// years before `hoje` to four months before a year after it. A past installment is paid
// unless a hash of its code falls in the 3% left open.
QString notas(int notas, int pessoas, QDate hoje)
{
    return QStringLiteral(R"(EXECUTE BLOCK AS
DECLARE K INTEGER = 1;
DECLARE P INTEGER;
DECLARE N INTEGER = 0;
DECLARE HOJE DATE = '%1';
DECLARE INICIO DATE;
DECLARE VENC DATE;
DECLARE VALOR NUMERIC(18,3);
DECLARE EMITENTE INTEGER;
BEGIN
  WHILE (K <= %2) DO BEGIN
    INICIO = DATEADD(-1095 + MOD(:K * 7919, 1370) DAY TO :HOJE);
    VALOR = 50 + MOD(:K * 97, 950) + MOD(:K, 100) / 100.0;
    EMITENTE = MOD(:K * 13, %3) + 1;
    P = 1;
    WHILE (P <= 4) DO BEGIN
      N = N + 1;
      VENC = DATEADD((P - 1) MONTH TO :INICIO);
      IF (VENC < HOJE AND MOD(:N * 7, 100) <> 0 AND MOD(:N * 11, 100) <> 1 AND MOD(:N * 13, 100) <> 2) THEN
        INSERT INTO NOTAPROMISSORIA (NP_CODIGO, NP_PARCELA, NP_TOTAL_PARCELAS, NP_DT_EMISSAO, NP_DT_VENCIMENTO,
          NP_DT_PAGAMENTO, NP_VALOR, NP_VALOR_PGTO, NP_COD_CREDOR, NP_COD_CIDADE, NP_COD_EMITENTE, NP_STATUS,
          NP_SALDO_DEVEDOR, NP_VALOR_TEMP, NP_SEQ, NP_PARCELA_EXT)
        VALUES (:N, :P, 4, DATEADD(-1 MONTH TO :INICIO), :VENC, :VENC, :VALOR, :VALOR, 1, 1, :EMITENTE, 'P',
          0, 0, :K, :P || '/4');
      ELSE
        INSERT INTO NOTAPROMISSORIA (NP_CODIGO, NP_PARCELA, NP_TOTAL_PARCELAS, NP_DT_EMISSAO, NP_DT_VENCIMENTO,
          NP_VALOR, NP_VALOR_PGTO, NP_COD_CREDOR, NP_COD_CIDADE, NP_COD_EMITENTE, NP_STATUS, NP_SALDO_DEVEDOR,
          NP_VALOR_TEMP, NP_SEQ, NP_PARCELA_EXT)
        VALUES (:N, :P, 4, DATEADD(-1 MONTH TO :INICIO), :VENC, :VALOR, 0, 1, 1, :EMITENTE, 'N', :VALOR, 0, :K,
          :P || '/4');
      P = P + 1;
    END
    K = K + 1;
  END
END)")
        .arg(hoje.toString(Qt::ISODate))
        .arg(notas)
        .arg(pessoas);
}

} // namespace

void BaseGrande::gera(const QString &arquivo, QDate hoje, const Tamanho &t,
                      const std::function<void(const QString &)> &progresso)
{
    auto passo = [&](const QString &s) { if (progresso) progresso(s); };
    QFile::remove(arquivo);
    passo(QStringLiteral("esquema"));
    Esquema::criaBanco(arquivo, hoje);
    BancoDados b;
    b.nome = arquivo;
    b.conecta();
    b.executa(QStringLiteral("INSERT INTO EMPRESAS (EM_CODIGO, EM_TIPO_PESSOA, EM_NOME, EM_CPF_CNPJ, EM_COD_CIDADE) "
                             "VALUES (1, 'J', 'COMERCIAL BOA ESPERANÇA LTDA', '11222333000181', 1)"));
    passo(QStringLiteral("localidades"));
    b.executa(localidades());
    passo(QStringLiteral("%1 pessoas").arg(t.pessoas));
    b.executa(pessoas(t.pessoas));
    passo(QStringLiteral("%1 parcelas").arg(t.notas * 4));
    b.executa(notas(t.notas, t.pessoas, hoje));
    const int cidades = int(Cidades.size());
    const QStringList geradores = {
        QStringLiteral("SET GENERATOR COD_CIDADES TO %1").arg(cidades),
        QStringLiteral("SET GENERATOR COD_BAIRROS TO %1").arg(cidades * Bairros.size()),
        QStringLiteral("SET GENERATOR COD_LOGRADOUROS TO %1").arg(cidades * Ruas.size()),
        QStringLiteral("SET GENERATOR COD_CADASTROS TO %1").arg(t.pessoas),
        QStringLiteral("SET GENERATOR COD_EMPRESAS TO 1"),
        QStringLiteral("SET GENERATOR COD_NOTAPROMISSORIA TO %1").arg(t.notas * 4)};
    for (const QString &g : geradores) b.executa(g);
    passo(QStringLiteral("estatísticas"));
    b.executa(QStringLiteral("EXECUTE BLOCK AS DECLARE N VARCHAR(63); BEGIN "
                             "FOR SELECT RDB$INDEX_NAME FROM RDB$INDICES INTO :N DO "
                             "EXECUTE STATEMENT 'SET STATISTICS INDEX ' || TRIM(:N); END"));
    b.desconecta();
}
