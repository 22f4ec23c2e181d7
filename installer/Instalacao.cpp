#include "Instalacao.h"

#include "Atualizacao.h"
#include "BancoDados.h"
#include "Caminhos.h"
#include "ErroBD.h"
#include "Esquema.h"
#include "Registro.h"

#include <QDir>
#include <QFile>

namespace {
QString comBarra(const QString &pasta) { return QDir::cleanPath(pasta) + QLatin1Char('/'); }
} // namespace

void Instalacao::atualiza(const QString &arquivo, QDate hoje, int versao, const std::function<void(int, int)> &progresso)
{
    BancoDados banco;
    banco.nome = arquivo;
    banco.parametros = Atualizacao::parametrosAtualizacao();
    banco.conecta();
    try {
        Atualizacao a(banco);
        a.progresso = progresso;
        a.executa(versao, hoje);
    } catch (...) {
        try { Atualizacao::restauraEscritaForcada(banco); banco.desconecta(); } catch (const ErroBD &) {}
        throw;
    }
    Atualizacao::restauraEscritaForcada(banco);
    banco.desconecta();
}

void Instalacao::criaBanco(const QString &arquivo, QDate hoje, const std::function<void(int, int)> &progresso)
{
    Esquema::criaBanco(arquivo, hoje, progresso);
    try {
        atualiza(arquivo, hoje, Esquema::Versao, progresso);
    } catch (...) {
        QFile::remove(arquivo);
        throw;
    }
}

void Instalacao::escreveRegistro(const QString &pasta)
{
    const QString p = comBarra(QDir(pasta).absolutePath());
    Registro::escreveTexto(QStringLiteral("NomeServidor"), QStringLiteral("127.0.0.1"));
    Registro::escreveTexto(QStringLiteral("IPServidor"), QStringLiteral("127.0.0.1"));
    Registro::escreveTexto(QStringLiteral("PathBancoDados"), p + QStringLiteral("Dados/BD.FDB"));
    Registro::escreveTexto(QStringLiteral("PathPrograma"), p);
    Registro::escreveTexto(QStringLiteral("PathRelatorios"), p + QStringLiteral("Relatorios/"));
    Registro::escreveTexto(QStringLiteral("PathBackup"), p + QStringLiteral("Backup/"));
    Registro::escreveTexto(QStringLiteral("MsgRodapeRelatorio"), QStringLiteral("Brelo"));
    Registro::escreveTexto(QStringLiteral("Server"), QStringLiteral("S"));
    Registro::escreveBooleano(QStringLiteral("VersaoEmbarcada"), true);
    Registro::escreveInteiro(QStringLiteral("Versao"), Esquema::Versao);
    Registro::escreveTexto(QStringLiteral("RecenteInstal"), QStringLiteral("S"));
}

Instalacao::Resultado Instalacao::prepara(const QString &pasta, QDate hoje, const QString &modelo,
                                          const std::function<void(int, int)> &progresso)
{
    Resultado r;
    QDir raiz(pasta);
    for (const char *sub : {"Dados", "Relatorios", "Backup", "BKP"}) raiz.mkpath(QLatin1String(sub));

    const QString banco = raiz.filePath(QStringLiteral("Dados/BD.FDB"));
    if (!QFile::exists(banco)) {
        if (!modelo.isEmpty() && QFile::exists(modelo)) {
            QFile::copy(modelo, banco);
            QFile(banco).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
        } else {
            criaBanco(banco, hoje, progresso);
        }
        r.bancoCriado = true;
    }
    if (Registro::leTexto(QStringLiteral("PathPrograma")).isEmpty()) {
        escreveRegistro(pasta);
        r.registroEscrito = true;
    }
    return r;
}
