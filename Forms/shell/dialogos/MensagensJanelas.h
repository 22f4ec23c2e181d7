#pragma once
// The program's message service: Qt message boxes and the standard dialogs TfAviso, TfAviso9
// and TfSair, each created on first use and reused. Create it after the QApplication and
// install it at start:
//
//     MensagensJanelas servico;
//     Mensagens::instala(&servico);

#include "Mensagens.h"

#include <memory>

class TfAviso;
class TfAviso9;
class TfSair;

class MensagensJanelas final : public Mensagens {
public:
    MensagensJanelas();
    ~MensagensJanelas() override;

    int mostra(const Mensagem &m) override;
    RespostaAviso mostraAviso(const QString &texto, int codigo, bool somenteOk, const QString &legendaSim,
                              bool naoHabilitado) override;
    RespostaAviso9 mostraAviso9(const QString &cadastrar, const QString &utilizar) override;
    int mostraSair() override;

    TfAviso &fAviso();
    TfAviso9 &fAviso9();
    TfSair &fSair();

private:
    std::unique_ptr<TfAviso> aviso_;
    std::unique_ptr<TfAviso9> aviso9_;
    std::unique_ptr<TfSair> sair_;
};
