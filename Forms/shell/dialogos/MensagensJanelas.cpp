#include "MensagensJanelas.h"

#include "TfAviso.h"
#include "TfAviso9.h"
#include "TfSair.h"


MensagensJanelas::MensagensJanelas() = default;
MensagensJanelas::~MensagensJanelas() = default;

int MensagensJanelas::mostra(const Mensagem &m) { return mostraCaixaQt(m); }

TfAviso &MensagensJanelas::fAviso()
{
    if (!aviso_) aviso_ = std::make_unique<TfAviso>();
    return *aviso_;
}

TfAviso9 &MensagensJanelas::fAviso9()
{
    if (!aviso9_) aviso9_ = std::make_unique<TfAviso9>();
    return *aviso9_;
}

TfSair &MensagensJanelas::fSair()
{
    if (!sair_) sair_ = std::make_unique<TfSair>();
    return *sair_;
}

// A request that arrives while the shared dialog is already on screen (a timer of the main
// window firing under an open question) gets a dialog of its own, so that neither answer
// is lost.

RespostaAviso MensagensJanelas::mostraAviso(const QString &texto, int codigo, bool somenteOk,
                                            const QString &legendaSim, bool naoHabilitado)
{
    if (fAviso().isVisible()) return TfAviso().pergunta(texto, codigo, somenteOk, legendaSim, naoHabilitado);
    return fAviso().pergunta(texto, codigo, somenteOk, legendaSim, naoHabilitado);
}

RespostaAviso9 MensagensJanelas::mostraAviso9(const QString &cadastrar, const QString &utilizar)
{
    if (fAviso9().isVisible()) return TfAviso9().pergunta(cadastrar, utilizar);
    return fAviso9().pergunta(cadastrar, utilizar);
}

int MensagensJanelas::mostraSair()
{
    if (fSair().isVisible()) return TfSair().pergunta();
    return fSair().pergunta();
}
