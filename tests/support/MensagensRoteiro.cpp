#include "MensagensRoteiro.h"

MensagensRoteiro::MensagensRoteiro()
{
    Mensagens::instala(this);
    EstadoAviso::reinicia();
}

MensagensRoteiro::~MensagensRoteiro() { Mensagens::instala(nullptr); }

MensagensRoteiro &MensagensRoteiro::espera(const QString &trecho, int resposta)
{
    roteiro_.append({Tipo::Caixa, trecho, resposta});
    return *this;
}

MensagensRoteiro &MensagensRoteiro::esperaAviso9(const QString &trechoCadastrar, RespostaAviso9 resposta)
{
    roteiro_.append({Tipo::Aviso9, trechoCadastrar, int(resposta)});
    return *this;
}

MensagensRoteiro &MensagensRoteiro::esperaSair(int resposta)
{
    roteiro_.append({Tipo::Sair, QString(), resposta});
    return *this;
}

int MensagensRoteiro::responde(Tipo tipo, const QString &texto, int recusa, int aceite)
{
    if (!roteiro_.isEmpty() && roteiro_.first().tipo == tipo && texto.contains(roteiro_.first().trecho))
        return roteiro_.takeFirst().resposta;
    if (aceitaTudo_) return aceite;
    inesperadas.append(registradas.last().titulo + QStringLiteral(" | ") + texto);
    return recusa;
}

int MensagensRoteiro::mostra(const Mensagem &m)
{
    registradas.append(m);
    const int recusa = (m.botoes & BotaoCancelar) ? BotaoCancelar : (m.botoes & BotaoNao) ? BotaoNao : BotaoOk;
    return responde(Tipo::Caixa, m.texto, recusa, (m.botoes & BotaoSim) ? BotaoSim : BotaoOk);
}

RespostaAviso MensagensRoteiro::mostraAviso(const QString &texto, int codigo, bool somenteOk,
                                            const QString &legendaSim, bool naoHabilitado)
{
    avisos.append({texto, codigo, somenteOk, legendaSim, naoHabilitado});
    registradas.append({Icone::Nenhum, QStringLiteral(" Aviso!"), texto, somenteOk ? BotaoOk : (BotaoSim | BotaoNao),
                        somenteOk ? BotaoOk : BotaoSim});
    const int r = responde(Tipo::Caixa, texto, BotaoNao, somenteOk ? BotaoOk : BotaoSim);
    switch (r) {
    case BotaoSim: return RespostaAviso::Sim;
    case BotaoOk: return RespostaAviso::Ok;
    case BotaoNao: return RespostaAviso::Nao;
    default: return RespostaAviso::Nenhuma;
    }
}

RespostaAviso9 MensagensRoteiro::mostraAviso9(const QString &cadastrar, const QString &utilizar)
{
    registradas.append({Icone::Nenhum, QStringLiteral(" O que deseja fazer...?"),
                        QStringLiteral("Cadastrar %1 | Utilizar %2").arg(cadastrar, utilizar), 0, 0});
    return RespostaAviso9(responde(Tipo::Aviso9, cadastrar, int(RespostaAviso9::Voltar), int(RespostaAviso9::Cadastrar)));
}

int MensagensRoteiro::mostraSair()
{
    registradas.append({Icone::Nenhum, QStringLiteral(" O que você deseja fazer?"), QString(), 0, 0});
    return responde(Tipo::Sair, QString(), 4, 2);
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
    avisos.clear();
    inesperadas.clear();
    roteiro_.clear();
}
