#include "Dados.h"
#include "ErroBD.h"
#include "Registro.h"

#include "Relogio.h"

#include <QDir>

namespace {
Dados *g_dados = nullptr;

const QStringList kFlagsPermissao = {
    QStringLiteral("PUS_ADMIN"), QStringLiteral("PUS_QUADRO_AVISOS"), QStringLiteral("PUS_BACKUP"),
    QStringLiteral("PUS_RESTORE"), QStringLiteral("PUS_NOTASPROMIS_Q"),
};
const QStringList kAreas = {QStringLiteral("LOCALIDADES"), QStringLiteral("CLIENTES"), QStringLiteral("EMPRESAS"),
                            QStringLiteral("USUARIOS"), QStringLiteral("NOTASPROMIS")};
} // namespace

Dados::Dados(QObject *parent)
    : QObject(parent),
      TransacaoPadrao(DataBase, QStringLiteral("Transacao")),
      TransLiberaPermissoes(DataBase, QStringLiteral("TransLiberaPermissoes")),
      TransConfigs(DataBase, QStringLiteral("TransConfigs")),
      TransEmpresa(DataBase, QStringLiteral("TransEmpresa")),
      TransLembretes(DataBase, QStringLiteral("TransLembretes")),
      TransGravaCidade(DataBase, QStringLiteral("TransGravaCidade")),
      TransGravaBairro(DataBase, QStringLiteral("TransGravaBairro")),
      TransGravaLogradouro(DataBase, QStringLiteral("TransGravaLogradouro")),
      TransGravaConfigs(DataBase, QStringLiteral("TransGravaConfigs")),
      TransGravaEmpresa(DataBase, QStringLiteral("TransGravaEmpresa")),
      TransUsuarios(DataBase, QStringLiteral("TransUsuarios")),
      TransSQL(DataBase, QStringLiteral("TransSQL")),
      QryLiberaPermissoes(DataBase, TransLiberaPermissoes, this),
      QryConfigs(DataBase, TransConfigs, this),
      QryEmpresa(DataBase, TransEmpresa, this),
      QryVerificaEmpresas(DataBase, TransEmpresa, this),
      QryAniversariantesHojeCount(DataBase, TransLembretes, this),
      QryAniversariantesMesCount(DataBase, TransLembretes, this),
      QryPromissoriasHoje(DataBase, TransLembretes, this),
      QryPromissoriasSemana(DataBase, TransLembretes, this),
      QryPromissoriasVencidas(DataBase, TransLembretes, this),
      QryPromissoriasEmitidas(DataBase, TransLembretes, this),
      LookupEstados(DataBase, TransacaoPadrao, this),
      LookupCidades(DataBase, TransacaoPadrao, this),
      LookupBairros(DataBase, TransacaoPadrao, this),
      LookupLogradouros(DataBase, TransacaoPadrao, this),
      LookupEmpresas(DataBase, TransacaoPadrao, this),
      LookupUsuarios(DataBase, TransacaoPadrao, this),
      LookupCadastros(DataBase, TransacaoPadrao, this),
      LookupEmpresasNP(DataBase, TransacaoPadrao, this),
      LookupClientesNP(DataBase, TransacaoPadrao, this),
      LookupEmpresasRecibo(DataBase, TransacaoPadrao, this),
      QryGravaCidade(DataBase, TransGravaCidade, this),
      QryGravaBairro(DataBase, TransGravaBairro, this),
      QryGravaLogradouro(DataBase, TransGravaLogradouro, this),
      QryGravaConfigs(DataBase, TransGravaConfigs, this),
      QryGravaEmpresa(DataBase, TransGravaEmpresa, this),
      QryUsuariosPrincipal(DataBase, TransUsuarios, this),
      QryUsuariosSecundaria(DataBase, TransUsuarios, this),
      QrySQL(DataBase, TransSQL, this)
{
    g_dados = this;
    preparaConsultas();
    preparaGravacoes();
}

Dados::~Dados()
{
    try {
        FechaTabelas();
    } catch (const ErroBD &) {
    }
    if (g_dados == this) g_dados = nullptr;
}

Dados &Dados::instancia()
{
    Q_ASSERT(g_dados);
    return *g_dados;
}

void Dados::preparaConsultas()
{
    auto s = [](std::initializer_list<const char *> linhas) {
        QStringList r;
        for (const char *l : linhas) r.append(QString::fromUtf8(l));
        return r;
    };
    QryLiberaPermissoes.sql.defineLinhas(s({"SELECT * FROM USUARIOSPERMISSOES", "where PUS_CODIGO=:CODIGO", "order by PUS_CODIGO"}));
    QryConfigs.sql.defineLinhas(s({"SELECT * FROM CONFIGS"}));
    QryEmpresa.sql.defineLinhas(s({"SELECT EM_CODIGO, EM_NOME, EM_NOME_IMAGEM, EM_LOGO FROM EMPRESAS", "WHERE EM_CODIGO=:CODIGO"}));
    QryVerificaEmpresas.sql.defineLinhas(s({"select EM_CODIGO, EM_NOME  from EMPRESAS", "order by EM_NOME"}));
    QryAniversariantesHojeCount.sql.defineLinhas(s({"SELECT COUNT(CG_CODIGO) AS REGISTROS FROM CADASTROS",
        "WHERE extract(month from CG_DT_NASC) = :MES ", "AND extract(day from CG_DT_NASC)=:DIA"}));
    QryAniversariantesMesCount.sql.defineLinhas(s({"SELECT COUNT(CG_CODIGO) AS REGISTROS FROM CADASTROS",
        "WHERE (extract(month from CG_DT_NASC) = :MES)"}));
    const char *contagem = "SELECT COUNT(NP_CODIGO) AS REGISTROS, SUM(NP_SALDO_DEVEDOR) AS VALOR FROM NOTAPROMISSORIA";
    QryPromissoriasHoje.sql.defineLinhas(s({contagem, "WHERE NP_DT_VENCIMENTO=:DATA1", "AND NP_STATUS<>'P'"}));
    QryPromissoriasSemana.sql.defineLinhas(s({contagem, "WHERE NP_DT_VENCIMENTO>=:DATA1", "AND NP_DT_VENCIMENTO<=:DATA2", "AND NP_STATUS<>'P'"}));
    QryPromissoriasVencidas.sql.defineLinhas(s({contagem, "WHERE NP_DT_VENCIMENTO>=:DATA1", "AND NP_DT_VENCIMENTO<:DATA2", "AND NP_STATUS<>'P'"}));
    QryPromissoriasEmitidas.sql.defineLinhas(s({contagem, "WHERE NP_DT_VENCIMENTO>=:DATA1", "AND NP_DT_VENCIMENTO<:DATA2"}));

    LookupEstados.sql.defineLinhas(s({"select ES_CODIGO, ES_SIGLA from  ESTADOS", "WHERE ES_EXIBIR='T'", "order by ES_CODIGO"}));
    LookupCidades.sql.defineLinhas(s({"select CD_CODIGO, CD_NOME, CD_UF, CD_NOME ||' / '|| CD_UF as CIDADE_ESTADO from CIDADES",
        "WHERE CD_EXIBIR='T'", "order by CD_CODIGO"}));
    LookupBairros.sql.defineLinhas(s({"select BR_CODIGO, BR_NOME from BAIRROS", "WHERE BR_EXIBIR='T'", "order by BR_CODIGO"}));
    LookupLogradouros.sql.defineLinhas(s({"select LG_CODIGO, LG_NOME from LOGRADOUROS", "WHERE LG_EXIBIR='T'", "order by LG_CODIGO"}));
    LookupEmpresas.sql.defineLinhas(s({"select EM_CODIGO, EM_NOME  FROM EMPRESAS", "order by EM_CODIGO"}));
    LookupUsuarios.sql.defineLinhas(s({"select US_CODIGO, US_NOME  FROM USUARIOS", "order by US_CODIGO"}));
    LookupCadastros.sql.defineLinhas(s({"select CG_CODIGO, CG_NOME FROM CADASTROS", "order by CG_NOME"}));
    LookupEmpresasNP.sql.defineLinhas(s({"select EM_CODIGO, EM_NOME AS CREDOR,  EM_CPF_CNPJ, EM_TIPO_PESSOA, EM_COD_CIDADE, "
        "EM_ENDERECO_COMPLETO2, EM_FONE1, EM_FONE2, EM_FANTASIA FROM EMPRESAS", "order by EM_CODIGO"}));
    LookupClientesNP.sql.defineLinhas(s({"select CG_CODIGO, CG_NOME AS CLIENTE, CG_CPF_CNPJ, CG_ENDERECO_COMPLETO2, "
        "CG_TIPO_PESSOA FROM CADASTROS", "order by CG_CODIGO"}));
    // EM_CIDADE and EM_UF are looked up in the visible cities, as LookupCidades lists them;
    // EM_CIDADE holds 50 characters of the wider CD_NOME.
    LookupEmpresasRecibo.sql.defineLinhas(s({"select EM_CODIGO, EM_NOME,  EM_FANTASIA, EM_CPF_CNPJ, EM_TIPO_PESSOA, "
        "EM_ENDERECO_COMPLETO2, EM_FONE1, EM_FONE2, EM_COD_CIDADE, "
        "CAST(SUBSTRING(CD_NOME FROM 1 FOR 50) AS VARCHAR(50)) AS EM_CIDADE, CD_UF AS EM_UF FROM EMPRESAS",
        "LEFT JOIN CIDADES ON CD_CODIGO=EM_COD_CIDADE AND CD_EXIBIR='T'", "order by EM_CODIGO"}));
}

void Dados::preparaGravacoes()
{
    auto s = [](std::initializer_list<const char *> linhas) {
        QStringList r;
        for (const char *l : linhas) r.append(QString::fromUtf8(l));
        return r;
    };
    QryGravaCidade.sql.defineLinhas(s({"select CD_CODIGO, CD_NOME, CD_COD_ESTADO, CD_UF, CD_EXIBIR from CIDADES", "where CD_CODIGO=NULL"}));
    QryGravaCidade.defineTabela(QStringLiteral("CIDADES"), {QStringLiteral("CD_CODIGO")}, QStringLiteral("COD_CIDADES"));
    QryGravaBairro.sql.defineLinhas(s({"select BR_CODIGO, BR_EXIBIR, BR_NOME, BR_COD_CIDADE  from BAIRROS", "where BR_CODIGO=NULL"}));
    QryGravaBairro.defineTabela(QStringLiteral("BAIRROS"), {QStringLiteral("BR_CODIGO")}, QStringLiteral("COD_BAIRROS"));
    QryGravaLogradouro.sql.defineLinhas(s({"select LG_CODIGO, LG_EXIBIR, LG_NOME, LG_TIPO,  LG_CEP, LG_COD_CIDADE  from LOGRADOUROS", "WHERE LG_CODIGO=NULL"}));
    QryGravaLogradouro.defineTabela(QStringLiteral("LOGRADOUROS"), {QStringLiteral("LG_CODIGO")}, QStringLiteral("COD_LOGRADOUROS"));
    QryGravaConfigs.sql.defineLinhas(s({"SELECT * FROM CONFIGS"}));
    QryGravaConfigs.defineTabela(QStringLiteral("CONFIGS"), {QStringLiteral("CF_CODIGO")});
    QryGravaEmpresa.sql.defineLinhas(s({"SELECT EM_CODIGO,  EM_COD_CIDADE,  EM_CPF_CNPJ, EM_DT_CAD, EM_FANTASIA,  EM_NOME, "
        "EM_NOME_IMAGEM, EM_LOGO, EM_TIPO_PESSOA from EMPRESAS ", "ORDER BY EM_NOME"}));
    QryGravaEmpresa.defineTabela(QStringLiteral("EMPRESAS"), {QStringLiteral("EM_CODIGO")}, QStringLiteral("COD_EMPRESAS"));
    QryUsuariosPrincipal.sql.defineLinhas(s({"select US_CODIGO, US_NOME, US_DT_CAD from  USUARIOS", "order by US_NOME"}));
    QryUsuariosPrincipal.defineTabela(QStringLiteral("USUARIOS"), {QStringLiteral("US_CODIGO")}, QStringLiteral("COD_USUARIOS"));
    QryUsuariosSecundaria.sql.defineLinhas(s({"select * from USUARIOSPERMISSOES", "ORDER BY PUS_CODIGO"}));
    QryUsuariosSecundaria.defineTabela(QStringLiteral("USUARIOSPERMISSOES"), {QStringLiteral("PUS_CODIGO")});

    QryUsuariosPrincipal.aoNovoRegistro = [](Query &q) { q[QStringLiteral("US_DT_CAD")] = hoje(); };
    QryUsuariosSecundaria.aoNovoRegistro = [](Query &q) {
        for (const QString &f : kFlagsPermissao) q[f] = QStringLiteral("T");
        for (const QString &a : kAreas)
            for (const char *d : {"_V", "_E", "_X", "_R"})
                q[QStringLiteral("PUS_") + a + QLatin1String(d)] = QStringLiteral("T");
    };

    // Every post is durable when it returns; a cancel of the settings or company is undone.
    for (Query *q : {&QryGravaCidade, &QryGravaBairro, &QryGravaLogradouro, &QryGravaConfigs, &QryGravaEmpresa,
                     &QryUsuariosPrincipal, &QryUsuariosSecundaria})
        q->aposGravar = [](Query &qq) { qq.transacao().commitRetaining(); };
    QryGravaConfigs.aposExcluir = [](Query &q) { q.transacao().commitRetaining(); };
    for (Query *q : {&QryGravaConfigs, &QryGravaEmpresa})
        q->aposCancelar = [](Query &qq) { qq.transacao().rollbackRetaining(); };
}

void Dados::carregaRegistro()
{
    NomeServidor = Registro::leTexto(QStringLiteral("NomeServidor"));
    IPServidor = Registro::leTexto(QStringLiteral("IPServidor"));
    PathBancoDados = Registro::leTexto(QStringLiteral("PathBancoDados"));
    PathPrograma = Registro::leTexto(QStringLiteral("PathPrograma"));
    PathRelatorios = Registro::leTexto(QStringLiteral("PathRelatorios"));
    PathBackup = Registro::leTexto(QStringLiteral("PathBackup"));
    MsgRodapeRelatorio = Registro::leTexto(QStringLiteral("MsgRodapeRelatorio"));
    Server = Registro::leTexto(QStringLiteral("Server"));
    VersaoEmbarcada = Registro::leBooleano(QStringLiteral("VersaoEmbarcada"));
    Porta = Registro::leTexto(QStringLiteral("Porta"));
}

QString Dados::nomeBanco() const
{
    if (VersaoEmbarcada) return BancoDados::nomeEmbarcado();
    bool ok = false;
    const int porta = Porta.trimmed().toInt(&ok);
    return BancoDados::nomeServidor(NomeServidor, PathBancoDados, ok && porta > 0 ? porta : 3050);
}

void Dados::conecta()
{
    FechaTabelas();
    DataBase.parametros = BancoDados::parametrosPadrao();
    DataBase.nome = nomeBanco();
    DataBase.conecta();
    TransacaoPadrao.inicia();
}

void Dados::abre(Query &q)
{
    if (!q.ativa()) q.open();
}

void Dados::reabre(Query &q)
{
    q.close();
    q.open();
}

QList<Query *> Dados::consultas()
{
    return {&QryPromissoriasHoje, &QryPromissoriasSemana, &QryPromissoriasVencidas, &QryPromissoriasEmitidas,
            &QryAniversariantesHojeCount, &QryAniversariantesMesCount, &QryLiberaPermissoes, &QryConfigs,
            &LookupEstados, &LookupCidades, &LookupBairros, &LookupLogradouros, &LookupEmpresas, &LookupUsuarios,
            &LookupCadastros, &LookupEmpresasNP, &LookupClientesNP, &LookupEmpresasRecibo, &QrySQL, &QryEmpresa,
            &QryVerificaEmpresas, &QryGravaCidade, &QryGravaBairro, &QryGravaLogradouro, &QryGravaConfigs,
            &QryGravaEmpresa, &QryUsuariosPrincipal, &QryUsuariosSecundaria};
}

void Dados::FechaTabelas()
{
    for (Query *q : consultas()) {
        if (q->editando()) q->cancel();
        q->close();
    }
    DataBase.desconecta(); // commits every transaction of the module, then detaches
}
