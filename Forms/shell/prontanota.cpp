// prontanota: the main program. It refuses to start beside some other programs of the maker,
// creates the main window, the data module, the splash and the message service, shows the
// login and runs the main window until the orderly end.

#include "AbridorJanelas.h"
#include "Aplicacao.h"
#include "AplicacaoProntanota.h"
#include "Caminhos.h"
#include "Dados.h"
#include "JanelasPrograma.h"
#include "DadosImpressao.h"
#include "Mensagens.h"
#include "MensagensJanelas.h"
#include "TfCarregando.h"
#include "TerminoPorSinal.h"
#include "TfPrincipal.h"

#include <QDir>
#include <QIcon>
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

} // namespace

int main(int argc, char **argv)
{
    AplicacaoProntanota app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Prontanota"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/prontanota.png")));

    if (outroProgramaInstalado()) {
        Mensagens::atual().mostra(
            {Icone::Nenhum, QStringLiteral(" BRELO"), QStringLiteral(" Erro ao abrir o programa !"), BotaoOk, BotaoOk});
        return 0;
    }
    Mensagens::defineTituloAplicacao(QStringLiteral("Prontanota - Brelo"));
    JanelasPrograma::registra();

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
