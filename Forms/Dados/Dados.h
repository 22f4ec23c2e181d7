#pragma once
// The shared data module: the connection, the settings row, the logged-in user's permissions,
// the shared lookup lists, the notice-board counters, the write queries any window may use,
// the installation values read from the registry and the logged-in identity.

#include "BancoDados.h"
#include "Query.h"
#include "Transacao.h"

#include <QObject>

class Dados : public QObject {
    Q_OBJECT
public:
    explicit Dados(QObject *parent = nullptr);
    ~Dados() override;
    static Dados &instancia(); // the module of the running program (the last one created)

    BancoDados DataBase;
    Transacao TransacaoPadrao; // "Transacao": lookups and the connection itself

    // Installation values (registry), loaded by the login.
    QString PathPrograma, PathRelatorios, PathBackup, PathBancoDados;
    QString NomeServidor, IPServidor, Server, MsgRodapeRelatorio, Porta;
    bool VersaoEmbarcada = false;
    QString CF_MODELO_PROMIS;

    // Logged-in identity.
    int CodUsuarioLogado = 0;
    QString NomeUsuarioLogado;
    int CodEmpresaLogada = 0;
    QString NomeEmpresaLogada;
    static constexpr int CodigoMaster = 9999;
    bool loginMaster() const { return CodUsuarioLogado == CodigoMaster; }

    // Reads the installation values from the registry.
    void carregaRegistro();
    // Database name for the current mode.
    QString nomeBanco() const;
    // Closes the database, sets the four parameters and the name by mode, connects, starts
    // TransacaoPadrao. Throws ErroBD and leaves the database closed on failure.
    void conecta();

    // Opens `q` when it is closed (lookups stay open for every window).
    static void abre(Query &q);
    // Closes and opens again a shared list after a change.
    static void reabre(Query &q);

    // Closes every query and transaction of the module and disconnects.
    void FechaTabelas();

    // Transactions of the query groups.
    Transacao TransLiberaPermissoes, TransConfigs, TransEmpresa, TransLembretes;
    Transacao TransGravaCidade, TransGravaBairro, TransGravaLogradouro, TransGravaConfigs, TransGravaEmpresa;
    Transacao TransUsuarios, TransSQL;

    // Reading queries.
    Query QryLiberaPermissoes, QryConfigs, QryEmpresa, QryVerificaEmpresas;
    Query QryAniversariantesHojeCount, QryAniversariantesMesCount;
    Query QryPromissoriasHoje, QryPromissoriasSemana, QryPromissoriasVencidas, QryPromissoriasEmitidas;

    // Lookups.
    Query LookupEstados, LookupCidades, LookupBairros, LookupLogradouros, LookupEmpresas, LookupUsuarios;
    Query LookupCadastros, LookupEmpresasNP, LookupClientesNP, LookupEmpresasRecibo;

    // Write queries.
    Query QryGravaCidade, QryGravaBairro, QryGravaLogradouro, QryGravaConfigs, QryGravaEmpresa;
    Query QryUsuariosPrincipal, QryUsuariosSecundaria;
    Query QrySQL;

private:
    void preparaConsultas();
    void preparaGravacoes();
    QList<Query *> consultas() ;
};

inline Dados &dados() { return Dados::instancia(); }
