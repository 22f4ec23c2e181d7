#include "InstalacaoTeste.h"

#include "Dados.h"
#include "Esquema.h"
#include "Instalacao.h"
#include "LayoutIni.h"
#include "Registro.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QLockFile>

InstalacaoTeste::InstalacaoTeste() : anterior_(QDir::currentPath())
{
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir_.filePath(QStringLiteral("config"))));
    qputenv("PRONTANOTA_BASE", QFile::encodeName(dir_.path()));
    Registro::defineChave(Registro::chavePadrao());
    Instalacao::prepara(pasta(), QDate(2026, 3, 15), modelo());
    QFile::copy(QStringLiteral(PN_RELATORIOS_RAV), pasta() + QStringLiteral("/Relatorios/Relatorios.rav"));
    LayoutIni::definePasta(pasta());
    QDir::setCurrent(pasta());
}

InstalacaoTeste::~InstalacaoTeste() { QDir::setCurrent(anterior_); }

QString InstalacaoTeste::pasta() const { return dir_.filePath(QStringLiteral("Prontanota")); }
QString InstalacaoTeste::banco() const { return dir_.filePath(QStringLiteral("Prontanota/Dados/BD.FDB")); }

QString InstalacaoTeste::modelo()
{
    const QString arquivo = QStringLiteral(PN_MODELO_BD);
    if (!QFile::exists(arquivo)) {
        QLockFile trava(arquivo + QStringLiteral(".lock"));
        trava.lock();
        if (!QFile::exists(arquivo)) {
            const QString temp = arquivo + QStringLiteral(".tmp");
            QFile::remove(temp);
            Instalacao::criaBanco(temp, QDate::currentDate());
            QFile::rename(temp, arquivo);
        }
    }
    return arquivo;
}

std::unique_ptr<Dados> InstalacaoTeste::conectaDados() const
{
    auto dm = std::make_unique<Dados>();
    dm->carregaRegistro();
    dm->conecta();
    return dm;
}

std::unique_ptr<Dados> InstalacaoTeste::conectaComoMaster() const
{
    auto dm = conectaDados();
    dm->NomeUsuarioLogado = QStringLiteral("MASTER");
    dm->CodUsuarioLogado = Dados::CodigoMaster;
    return dm;
}
