#pragma once
// The connection diagnosis of the login: one pass/fail result per check of the installation
// (settings, program folder, database file, server name, database path and, in server mode,
// the Firebird server of this computer) and the message list the connection panel shows when
// the database cannot be opened.

#include <QString>
#include <QStringList>

class ServidorFirebird;

class DiagnosticoConexao {
public:
    struct Valores {
        QString PathPrograma, PathBancoDados, NomeServidor;
        bool VersaoEmbarcada = false;
    };

    // The settings key holds NomeServidor, IPServidor or PathBancoDados.
    void verificaRegistro(bool preenchido);
    // The checks of a connection attempt, in their order; the Firebird ones in server mode only
    // (running and version only when installed; running with one attempt to start it).
    void verifica(const Valores &valores, ServidorFirebird &servidor);
    // The list for the connection panel.
    QStringList mensagens() const;

private:
    enum Verificacao { Registro, Pasta, Arquivo, NomeServidor, PorNome, Instalado, Ativo, Versao, Caminho, Total };
    struct Resultado {
        bool feito = false;
        bool passou = false;
        QStringList texto; // message of the outcome (the version's failure has two lines)
    };
    void registra(Verificacao v, bool passou, const QStringList &texto);
    Resultado resultados_[Total];
    bool embarcada_ = false;
};
