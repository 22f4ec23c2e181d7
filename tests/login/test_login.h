#pragma once
// The login window driven as a user drives it, on a fresh installation with a real database.

#include "Dados.h"
#include "InstalacaoTeste.h"
#include "JanelaPrincipal.h"
#include "MensagensRoteiro.h"
#include "PlataformaGravadora.h"
#include "RelogioFixo.h"
#include "TfLogin.h"

#include <QObject>
#include <QStringList>
#include <QVariant>
#include <memory>


// Stand-in for the main window: records what the login asks of it.
class PrincipalTeste final : public JanelaPrincipal {
public:
    QStringList chamadas;
    // The identity at the moment the login was completed.
    int usuario = -1, empresa = -1;
    QString nomeUsuario, nomeEmpresa;
    bool silenciosa = false;

    void concluiLogin() override;
    void AbreTabelasLembretes() override { chamadas << QStringLiteral("AbreTabelasLembretes"); }
    void AjudaSistema() override { chamadas << QStringLiteral("AjudaSistema"); }
    void FaleConosco() override { chamadas << QStringLiteral("FaleConosco"); }
    void mostraComputador(const QString &nome, const QString &ip) override;
    bool atualizacaoSilenciosaIniciada() const override { return silenciosa; }
    void RestaurarBD() override { chamadas << QStringLiteral("RestaurarBD"); }
    QWidget *janela() override { return nullptr; }
};

class TesteLogin : public QObject {
    Q_OBJECT

    std::unique_ptr<InstalacaoTeste> inst;
    std::unique_ptr<RelogioFixo> relogio;
    std::unique_ptr<MensagensRoteiro> msgs;
    std::unique_ptr<PlataformaGravadora> plataforma;
    std::unique_ptr<Dados> dm;
    std::unique_ptr<PrincipalTeste> principal;
    std::unique_ptr<TfLogin> login;

    // Runs statements on the installation's database before the login opens it.
    void prepara(const QStringList &comandos);
    // Two accounts ("Ana", password "abc", CPF 12345678909, hint "gato"; "BETO" without a
    // password) and the companies named.
    void preparaContas(const QStringList &empresas = {QStringLiteral("ALFA")});
    QVariant valor(const QString &sql);
    // Shows a new login window and lets it load its settings.
    void abreLogin();
    void digita(QWidget *w, const QString &texto);
    void tecla(int k, Qt::KeyboardModifiers m = Qt::NoModifier);
    void clica(QWidget *w);
    template <class T> T *controle(const char *nome) const;
    QWidget *foco() const;
    // objectName of the focused control, or of its nearest named parent (a combo's line edit).
    QString nomeDoFoco() const;
    // Empty database: the first ENTRAR with `nome`/`senha`, answering the two messages.
    void primeiraEntrada(const QString &nome, const QString &senha);
    // Fills the first-data panel (the document last) and presses "Começar".
    void preenchePrimeirosDados(bool pessoaFisica, const QString &nome, const QString &fantasia,
                                const QString &documento, const QString &estado, const QString &cidade);

private Q_SLOTS:
    void init();
    void cleanup();

    // test_login_entrada.cpp
    void entrar_data();
    void entrar();
    void master_data();
    void master();
    void empresas_data();
    void empresas();
    void dicaDeSenha_data();
    void dicaDeSenha();
    void teclas_data();
    void teclas();

    // test_login_conexao.cpp
    void semRegistro();
    void bancoInacessivelEModoLocal();
    void alterarCaminhoComBancoAberto();
    void recenteInstal_data();
    void recenteInstal();
    void bancoAntigo_data();
    void bancoAntigo();
    void atualizacaoSilenciosa();
    void entradaSoDepoisDeCarregar();
    void caminhosLongosGravadosInteiros();

    // test_login_diagnostico.cpp
    void diagnostico_data();
    void diagnostico();
    void semRegistroSoORegistro();
    void linksDeReparo();

    // test_login_primeiroacesso.cpp
    void primeiroAcesso_data();
    void primeiroAcesso();
    void contasIlegiveis_data();
    void contasIlegiveis();
    void primeiraContaInteiraOuNada();
    void sairNosPrimeirosDadosEVoltar();
    void verificacoesDosPrimeirosDados_data();
    void verificacoesDosPrimeirosDados();
    void estadoInexistenteMantemEmpresa();
    void logotipo_data();
    void logotipo();
};

template <class T>
T *TesteLogin::controle(const char *nome) const
{
    return login->findChild<T *>(QLatin1String(nome));
}
