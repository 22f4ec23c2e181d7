#pragma once
// The network window driven as a user drives it, on a fresh installation, with the platform's
// recording double (no service is started, no firewall touched, no ping sent).

#include "Dados.h"
#include "InstalacaoTeste.h"
#include "JanelaPrincipal.h"
#include "MensagensRoteiro.h"
#include "PlataformaGravadora.h"
#include "RelogioFixo.h"
#include "TfRede.h"

#include <QLabel>
#include <QObject>
#include <memory>

// The main window as the network window sees it: its two foot labels.
class PrincipalRede final : public JanelaPrincipal {
public:
    PrincipalRede();
    ~PrincipalRede() override;
    void concluiLogin() override {}
    void AbreTabelasLembretes() override {}
    void AjudaSistema() override {}
    void FaleConosco() override {}
    void mostraComputador(const QString &nome, const QString &ip) override;
    bool atualizacaoSilenciosaIniciada() const override { return false; }
    void RestaurarBD() override {}
    QWidget *janela() override { return &janela_; }

private:
    QWidget janela_;
    QLabel *nome_, *ip_;
};

// What the suites share: installation, data module, scripted messages and platform.
class BaseRede : public QObject {
    Q_OBJECT
protected:
    std::unique_ptr<InstalacaoTeste> inst;
    std::unique_ptr<RelogioFixo> relogio;
    std::unique_ptr<MensagensRoteiro> msg;
    std::unique_ptr<PlataformaGravadora> plataforma;
    std::unique_ptr<Dados> dm;
    std::unique_ptr<PrincipalRede> principal;

    void preparaBase();
    void limpaBase();
    // A server installation as the platform reports it, running.
    void firebirdInstalado(const QString &versao = QStringLiteral("3.0.11.33637"));
    // A new window, shown (its opening runs) and active.
    std::unique_ptr<TfRede> abre();
    static void clica(QWidget *w);
};
