#include "MensagensRoteiro.h"

MensagensRoteiro::MensagensRoteiro() { Mensagens::instala(this); }
MensagensRoteiro::~MensagensRoteiro() { Mensagens::instala(nullptr); }

MensagensRoteiro &MensagensRoteiro::espera(const QString &trecho, int resposta)
{
    roteiro_.append({trecho, resposta});
    return *this;
}

int MensagensRoteiro::mostra(const Mensagem &m)
{
    registradas.append(m);
    if (!roteiro_.isEmpty() && m.texto.contains(roteiro_.first().trecho))
        return roteiro_.takeFirst().resposta;
    if (aceitaTudo_) return (m.botoes & BotaoSim) ? BotaoSim : BotaoOk;
    inesperadas.append(m.titulo + QStringLiteral(" | ") + m.texto);
    if (m.botoes & BotaoCancelar) return BotaoCancelar;
    if (m.botoes & BotaoNao) return BotaoNao;
    return BotaoOk;
}

QStringList MensagensRoteiro::textos() const
{
    QStringList r;
    for (const Mensagem &m : registradas) r.append(m.texto);
    return r;
}

bool MensagensRoteiro::verificaFim(QString *porque) const
{
    QStringList problemas;
    for (const QString &s : inesperadas) problemas.append(QStringLiteral("inesperada: ") + s);
    for (const Passo &p : roteiro_) problemas.append(QStringLiteral("não apareceu: ") + p.trecho);
    if (porque) *porque = problemas.join(QLatin1Char('\n'));
    return problemas.isEmpty();
}

void MensagensRoteiro::limpa()
{
    registradas.clear();
    inesperadas.clear();
    roteiro_.clear();
}
