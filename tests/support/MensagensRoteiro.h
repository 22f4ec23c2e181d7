#pragma once
// Scripted double of the message service: records every message and answers from a script.
// A message the script did not expect is recorded as unexpected and answered with the
// box's cancelling button, so a test never blocks; `verificaFim()` fails the test then.

#include "Mensagens.h"

#include <QList>

class MensagensRoteiro final : public Mensagens {
public:
    MensagensRoteiro();
    ~MensagensRoteiro() override;

    // Next expected message: its text must contain `trecho`; answered with `resposta`.
    MensagensRoteiro &espera(const QString &trecho, int resposta = BotaoOk);
    // Every message not scripted is answered with OK/SIM (for tests that only read the record).
    void aceitaTudo(bool sim = true) { aceitaTudo_ = sim; }

    int mostra(const Mensagem &m) override;

    QList<Mensagem> registradas;
    QStringList inesperadas;
    QStringList textos() const;
    // True when every scripted answer was used and nothing unexpected appeared.
    bool verificaFim(QString *porque = nullptr) const;
    void limpa();

private:
    struct Passo { QString trecho; int resposta; };
    QList<Passo> roteiro_;
    bool aceitaTudo_ = false;
};
