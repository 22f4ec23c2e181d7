// prontanota: the main program. It refuses to start beside some other programs of the maker,
// creates the main window, the data module, the splash and the message service, shows the
// login and runs the main window until the orderly end.

#include "AbridorJanelas.h"
#include "Aplicacao.h"
#include "AplicacaoProntanota.h"
#include "Caminhos.h"
#include "Dados.h"
#include "DadosImpressao.h"
#include "Mensagens.h"
#include "MensagensJanelas.h"
#include "TfBackup.h"
#include "TfBairros.h"
#include "TfCadastrosGerais.h"
#include "TfNotaPromissoria.h"
#include "TfNotaPromissoriaLite.h"
#include "TfCarregando.h"
#include "TfCidades.h"
#include "TfComandosSQL.h"
#include "TfConfiguracoesGerais.h"
#include "TfEmpresas.h"
#include "TfLogradouros.h"
#include "TfMigrar.h"
#include "TerminoPorSinal.h"
#include "TfPrincipal.h"
#include "TfRede.h"
#include "TfUsuarios.h"

#include <QDir>
#include <QScopeGuard>

#include <memory>

namespace {

// Folders of the maker's other programs; this program does not start on a computer where one
// of them is installed. On Windows they are folders of drive C:; elsewhere they live under the
// base folder of the maker's programs (Caminhos::base(), e.g. ~/Brelo/Cobranca):
//   Cobranca      - the billing program
//   Estoque       - the stock-control program
//   Crediario     - the store-credit program
//   OrdemServico  - the service-order program
const char *const ProgramasImpeditivos[] = {"Cobranca", "Estoque", "Crediario", "OrdemServico"};

bool outroProgramaInstalado()
{
#ifdef Q_OS_WIN
    const QString base = QStringLiteral("C:/");
#else
    const QString base = Caminhos::base() + QLatin1Char('/');
#endif
    for (const char *pasta : ProgramasImpeditivos)
        if (QDir(base + QString::fromLatin1(pasta)).exists()) return true;
    return false;
}

// The windows this program opens from the main window, by kind.
void registraJanelas()
{
    AbridorJanelas::registra(TipoJanela::Cidades, [](QWidget *pai) { return new TfCidades(pai); });
    AbridorJanelas::registra(TipoJanela::Bairros, [](QWidget *pai) { return new TfBairros(pai); });
    AbridorJanelas::registra(TipoJanela::Logradouros, [](QWidget *pai) { return new TfLogradouros(pai); });
    AbridorJanelas::registra(TipoJanela::CadastrosGerais, [](QWidget *pai) { return new TfCadastrosGerais(pai); });
    AbridorJanelas::registra(TipoJanela::Empresas, [](QWidget *pai) { return new TfEmpresas(pai); });
    AbridorJanelas::registra(TipoJanela::Usuarios, [](QWidget *pai) { return new TfUsuarios(pai); });
    AbridorJanelas::registra(TipoJanela::NotaPromissoria, [](QWidget *pai) { return new TfNotaPromissoria(pai); });
    AbridorJanelas::registra(TipoJanela::NotaPromissoriaLite, [](QWidget *pai) { return new TfNotaPromissoriaLite(pai); });
    AbridorJanelas::registra(TipoJanela::Backup, [](QWidget *pai) { return new TfBackup(pai); });
    AbridorJanelas::registra(TipoJanela::ConfiguracoesGerais, [](QWidget *pai) { return new TfConfiguracoesGerais(pai); });
    AbridorJanelas::registra(TipoJanela::Rede, [](QWidget *pai) { return new TfRede(pai); });
    AbridorJanelas::registra(TipoJanela::ComandosSQL, [](QWidget *pai) { return new TfComandosSQL(pai); });
    AbridorJanelas::registra(TipoJanela::Migrar, [](QWidget *pai) { return new TfMigrar(pai); });
}

} // namespace

int main(int argc, char **argv)
{
    AplicacaoProntanota app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Prontanota"));

    if (outroProgramaInstalado()) {
        Mensagens::atual().mostra(
            {Icone::Nenhum, QStringLiteral(" BRELO"), QStringLiteral(" Erro ao abrir o programa !"), BotaoOk, BotaoOk});
        return 0;
    }
    Mensagens::defineTituloAplicacao(QStringLiteral("Prontanota - Brelo"));
    registraJanelas();

    auto principal = std::make_unique<TfPrincipal>(); // reads Registro.ini
    auto modulo = std::make_unique<Dados>();
    auto impressao = std::make_unique<DadosImpressao>(modulo.get());
    TfCarregando::instancia();
    MensagensJanelas mensagens;
    Mensagens::instala(&mensagens);
    // The windows (children of the main window) go before the data module their queries use.
    const auto fim = qScopeGuard([&] {
        principal.reset();
        Mensagens::instala(nullptr);
    });
    // The operating system's request to end (logout, shutdown) ends as "Sair do programa".
    QObject::connect(&TerminoPorSinal::instancia(), &TerminoPorSinal::pedido, principal.get(), [&] {
        principal->Tag = 0;
        Aplicacao::encerraPrograma();
    });
    TerminoPorSinal::ativa();

    principal->criaLogin();
    principal->mostraLogin();
    if (Aplicacao::programaEncerrado()) return 0;

    principal->Tag = 1;
    principal->PerguntaBackup();
    if (Aplicacao::programaEncerrado()) return 0;
    principal->showMaximized();
    return app.exec();
}
