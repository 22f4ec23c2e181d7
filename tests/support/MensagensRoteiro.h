#pragma once
// Scripted double of the message service: records every message and dialog and answers from a
// script. Anything the script did not expect is recorded as unexpected and answered with the
// refusing choice (NÃO, Voltar, Retornar), so a test never blocks; `verificaFim()` fails it then.

#include "Mensagens.h"

#include <QList>

class MensagensRoteiro final : public Mensagens {
public:
    MensagensRoteiro();
    ~MensagensRoteiro() override;

    // Next expected message box or TfAviso: its text must contain `trecho`. `resposta` is a
    // Botao (BotaoSim, BotaoNao, BotaoOk).
    MensagensRoteiro &espera(const QString &trecho, int resposta = BotaoOk);
    MensagensRoteiro &esperaAviso9(const QString &trechoCadastrar, RespostaAviso9 resposta);
    MensagensRoteiro &esperaSair(int resposta);
    // Every message not scripted is answered with OK/SIM (for tests that only read the record).
    void aceitaTudo(bool sim = true) { aceitaTudo_ = sim; }

    int mostra(const Mensagem &m) override;
    RespostaAviso mostraAviso(const QString &texto, int codigo, bool somenteOk, const QString &legendaSim,
                              bool naoHabilitado) override;
    RespostaAviso9 mostraAviso9(const QString &cadastrar, const QString &utilizar) override;
    int mostraSair() override;

    struct Aviso { QString texto; int codigo; bool somenteOk; QString legendaSim; bool naoHabilitado; };
    QList<Mensagem> registradas; // every box and dialog, in order (dialogs with their caption)
    QList<Aviso> avisos;         // TfAviso requests
    QStringList inesperadas;
    QStringList textos() const;
    bool verificaFim(QString *porque = nullptr) const;
    void limpa();

private:
    enum class Tipo { Caixa, Aviso9, Sair };
    struct Passo { Tipo tipo; QString trecho; int resposta; };
    int responde(Tipo tipo, const QString &texto, int recusa, int aceite);
    QList<Passo> roteiro_;
    bool aceitaTudo_ = false;
};
