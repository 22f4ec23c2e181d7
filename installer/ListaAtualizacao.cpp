#include "ListaAtualizacao.h"

#include <QRegularExpression>

namespace {

struct Par {
    QString verifica;
    QString executa;
};

class Montagem {
public:
    // A column the statement adds while it is missing.
    void coluna(const char *tabela, const char *coluna, const char *dominio)
    {
        pares.append({ListaAtualizacao::verificacao(QLatin1String(tabela), QLatin1String(coluna)),
                      QStringLiteral("ALTER TABLE %1 ADD %2 %3;").arg(QLatin1String(tabela), QLatin1String(coluna),
                                                                      QLatin1String(dominio))});
    }
    // A statement that runs at every upgrade.
    void sempre(const QString &comando)
    {
        pares.append({ListaAtualizacao::verificacao(QStringLiteral("TESTANDO"), QStringLiteral("TESTANDO")), comando});
    }
    QList<Par> pares;
};

const char *const permissoes[] = {
    "PUS_LOCALIDADES_V", "PUS_LOCALIDADES_E", "PUS_LOCALIDADES_X", "PUS_LOCALIDADES_R",
    "PUS_CLIENTES_V",    "PUS_CLIENTES_E",    "PUS_CLIENTES_X",    "PUS_CLIENTES_R",
    "PUS_EMPRESAS_V",    "PUS_EMPRESAS_E",    "PUS_EMPRESAS_X",    "PUS_EMPRESAS_R",
    "PUS_USUARIOS_V",    "PUS_USUARIOS_E",    "PUS_USUARIOS_X",    "PUS_USUARIOS_R",
    "PUS_NOTASPROMIS_V", "PUS_NOTASPROMIS_E", "PUS_NOTASPROMIS_X", "PUS_NOTASPROMIS_R",
    "PUS_NOTASPROMIS_Q", "PUS_RESTORE",
};

const QList<Par> &lista()
{
    static const QList<Par> pares = [] {
        Montagem m;
        m.coluna("NOTAPROMISSORIA", "NP_COD_AUXILIAR", "DM_NUMERICO");
        m.coluna("NOTAPROMISSORIA", "NP_PARCELA_EXT", "DM_VARCHAR_MEDIO");
        m.coluna("NOTAPROMISSORIA", "NP_COD_AUXILIAR2", "DM_VARCHAR_MEDIO");
        m.sempre(QStringLiteral("UPDATE CADASTROS SET CG_ENDERECO_COMPLETO = (SELECT LG_NOME FROM LOGRADOUROS WHERE LG_CODIGO = CADASTROS.CG_COD_LOGRADOURO);"));
        m.sempre(QStringLiteral("UPDATE CADASTROS SET CG_ENDERECO_COMPLETO = CG_ENDERECO_COMPLETO || ', ' || CG_NUMERO || '-' || CG_COMPLEMENTO;"));
        m.sempre(QStringLiteral("UPDATE CADASTROS SET CG_ENDERECO_COMPLETO = CG_ENDERECO_COMPLETO || ' - ' || (SELECT BR_NOME FROM BAIRROS WHERE BR_CODIGO=CG_COD_BAIRRO);"));
        m.sempre(QStringLiteral("UPDATE CADASTROS SET CG_ENDERECO_COMPLETO = CG_ENDERECO_COMPLETO || ' - ' || (SELECT CD_NOME FROM CIDADES WHERE CD_CODIGO=CG_COD_CIDADE);"));
        m.sempre(QStringLiteral("UPDATE CADASTROS SET CG_ENDERECO_COMPLETO = CG_ENDERECO_COMPLETO || '/' || (SELECT CD_UF FROM CIDADES WHERE CD_CODIGO=CG_COD_CIDADE);"));
        m.coluna("NOTAPROMISSORIA", "NP_COD_PRACA", "DM_INTEIRO");
        for (const char *p : permissoes) m.coluna("USUARIOSPERMISSOES", p, "DM_LOGICO");
        m.coluna("NOTAPROMISSORIA", "NP_SALDO_DEVEDOR", "DM_DINHEIRO");
        m.coluna("NOTAPROMISSORIA", "NP_VALOR_TEMP", "DM_DINHEIRO");
        m.coluna("CADASTROS", "CG_LIMITE_TOTAL", "DM_DINHEIRO");
        m.coluna("CADASTROS", "CG_LIMITE_PARCELA", "DM_DINHEIRO");
        for (const char *p : permissoes)
            m.sempre(QStringLiteral("UPDATE USUARIOSPERMISSOES SET %1 = 'T' WHERE %1 IS NULL;").arg(QLatin1String(p)));
        m.sempre(QStringLiteral("UPDATE NOTAPROMISSORIA SET NP_VALOR_PGTO = 0 WHERE NP_VALOR_PGTO IS NULL;"));
        m.sempre(QStringLiteral("UPDATE NOTAPROMISSORIA SET NP_SALDO_DEVEDOR = NP_VALOR - NP_VALOR_PGTO;"));
        m.sempre(QStringLiteral("UPDATE NOTAPROMISSORIA SET NP_VALOR_TEMP = 0;"));
        m.sempre(QStringLiteral("UPDATE CADASTROS SET CG_LIMITE_TOTAL = 0 WHERE CG_LIMITE_TOTAL IS NULL;"));
        m.sempre(QStringLiteral("UPDATE CADASTROS SET CG_LIMITE_PARCELA = 0 WHERE CG_LIMITE_PARCELA IS NULL;"));
        m.coluna("CADASTROS", "CG_ENDERECO_COMPLETO2", "DM_MEMO");
        m.coluna("CONFIGS", "CF_MODELO_PROMIS", "DM_VARCHAR_MEDIO");
        m.coluna("NOTAPROMISSORIA", "NP_COD_AVALISTA3", "DM_INTEIRO");
        m.coluna("NOTAPROMISSORIA", "NP_COD_AVALISTA4", "DM_INTEIRO");
        m.sempre(QStringLiteral("UPDATE CONFIGS SET CF_MODELO_PROMIS = 'MODELO PADRÃO'  WHERE CF_MODELO_PROMIS IS NULL;"));
        m.coluna("NOTAPROMISSORIA", "NP_SIM_NAO", "DM_LOGICO");
        m.sempre(QStringLiteral("UPDATE NOTAPROMISSORIA SET NP_SIM_NAO = 'F';"));
        m.pares.append({ListaAtualizacao::verificacao(QStringLiteral("NOTAPROMISSORIALITE"), QStringLiteral("NPL_CODIGO")),
                        QStringLiteral("CREATE TABLE NOTAPROMISSORIALITE (NPL_CODIGO DM_CHAVE_PRIMARIA  NOT NULL, "
                                       "CONSTRAINT PK_NOTAPROMISSORIALITE PRIMARY KEY (NPL_CODIGO));")});
        m.coluna("NOTAPROMISSORIALITE", "NPL_PARCELA", "DM_INTEIRO");
        m.coluna("NOTAPROMISSORIALITE", "NPL_TOTAL_PARCELAS", "DM_INTEIRO");
        m.coluna("NOTAPROMISSORIALITE", "NPL_DT_EMISSAO", "DM_DATA");
        m.coluna("NOTAPROMISSORIALITE", "NPL_DT_VENCIMENTO", "DM_DATA");
        m.coluna("NOTAPROMISSORIALITE", "NPL_DT_PAGAMENTO", "DM_DATA");
        m.coluna("NOTAPROMISSORIALITE", "NPL_VALOR", "DM_DINHEIRO");
        m.coluna("NOTAPROMISSORIALITE", "NPL_VALOR_PGTO", "DM_DINHEIRO");
        m.coluna("NOTAPROMISSORIALITE", "NPL_SALDO_DEVEDOR", "DM_DINHEIRO");
        m.coluna("NOTAPROMISSORIALITE", "NPL_VALOR_TEMP", "DM_DINHEIRO");
        m.coluna("NOTAPROMISSORIALITE", "NPL_EMITENTE", "DM_VARCHAR_GRANDE");
        m.coluna("NOTAPROMISSORIALITE", "NPL_CREDOR", "DM_VARCHAR_GRANDE");
        m.coluna("NOTAPROMISSORIALITE", "NPL_CIDADE", "DM_NOMECID");
        m.coluna("NOTAPROMISSORIALITE", "NPL_PRACA", "DM_NOMECID");
        m.coluna("NOTAPROMISSORIALITE", "NPL_STATUS", "DM_LOGICO");
        m.coluna("NOTAPROMISSORIALITE", "NPL_OBS", "DM_MEMO");
        m.coluna("NOTAPROMISSORIALITE", "NPL_EMITENTE_DOC", "DM_CPF_CNPJ");
        m.coluna("NOTAPROMISSORIALITE", "NPL_EMITENTE_ENDERECO", "DM_VARCHAR_MAIOR");
        m.coluna("NOTAPROMISSORIALITE", "NPL_CREDOR_DOC", "DM_CPF_CNPJ");
        m.coluna("NOTAPROMISSORIA", "NP_COD_EMITENTE2", "DM_INTEIRO");
        m.sempre(QStringLiteral("ALTER DOMAIN DM_FONE TYPE VARCHAR(11);"));
        m.coluna("CONFIGS", "CF_BRASAO", "DM_IMAGEM");
        m.coluna("EMPRESAS", "EM_ENDERECO_COMPLETO2", "DM_MEMO");
        m.coluna("CONFIGS", "CF_IMP_RECIBO_NO_ATO", "DM_LOGICO");
        m.coluna("NOTAPROMISSORIA", "NP_OBS2", "DM_MEMO");
        m.coluna("CONFIGS", "CF_NAOIMPRIME_DTEMISS", "DM_LOGICO");
        m.coluna("NOTAPROMISSORIA", "NP_SEQ", "DM_INTEIRO");
        m.coluna("USUARIOSPERMISSOES", "PUS_QUADRO_AVISOS", "DM_LOGICO");
        m.sempre(QStringLiteral("UPDATE USUARIOSPERMISSOES SET PUS_QUADRO_AVISOS = 'T' WHERE PUS_QUADRO_AVISOS IS NULL;"));
        m.coluna("CONFIGS", "CF_ULT_USUARIO", "DM_VARCHAR_MEDIO");
        m.coluna("CONFIGS", "CF_OBS_PROMIS", "DM_MEMO");
        return m.pares;
    }();
    return pares;
}

} // namespace

QString ListaAtualizacao::verificacao(const QString &tabela, const QString &coluna)
{
    return QStringLiteral("select RDB$RELATION_NAME,RDB$FIELD_NAME from RDB$RELATION_FIELDS where "
                          "RDB$FIELD_NAME = '%1' AND RDB$RELATION_NAME =  '%2'")
        .arg(coluna, tabela);
}

ListaAtualizacao::Verificacao ListaAtualizacao::le(const QString &linhaVerifica)
{
    static const QRegularExpression re(QStringLiteral("RDB\\$FIELD_NAME = '([^']*)' AND RDB\\$RELATION_NAME = +'([^']*)'"));
    const auto m = re.match(linhaVerifica);
    if (!m.hasMatch()) return {};
    return {m.captured(2), m.captured(1)};
}

QStringList ListaAtualizacao::memoVerifica()
{
    QStringList r;
    for (const Par &p : lista()) r.append(p.verifica);
    return r;
}

QStringList ListaAtualizacao::memoExecuta()
{
    QStringList r;
    for (const Par &p : lista()) r.append(p.executa);
    return r;
}

QStringList ListaAtualizacao::criacaoTabelas()
{
    return {QStringLiteral("CREATE GENERATOR COD_NOTAPROMISSORIALITE"),
            QStringLiteral("ALTER TABLE NOTAPROMISSORIA ADD CONSTRAINT FK_NOTAPROMISSORIA_CREDOR FOREIGN KEY (NP_COD_CREDOR) "
                           "REFERENCES EMPRESAS (EM_CODIGO) ON UPDATE CASCADE ON DELETE NO ACTION"),
            QStringLiteral("ALTER TABLE NOTAPROMISSORIA ADD CONSTRAINT FK_NOTAPROMISSORIA_EMITENTE FOREIGN KEY (NP_COD_EMITENTE) "
                           "REFERENCES CADASTROS (CG_CODIGO) ON UPDATE CASCADE ON DELETE NO ACTION")};
}
