// Placeholder bodies; the real implementation replaces them.
#include "PlataformaSistema.h"

bool PlataformaSistema::abreEndereco(const QString &) { return false; }
bool PlataformaSistema::abreDocumento(const QString &) { return false; }
bool PlataformaSistema::iniciaPrograma(const QString &, const QStringList &, const QString &) { return false; }
bool PlataformaSistema::copiaArquivo(const QString &, const QString &, bool) { return false; }
bool PlataformaSistema::moveArquivo(const QString &, const QString &) { return false; }
bool PlataformaSistema::renomeia(const QString &, const QString &) { return false; }
bool PlataformaSistema::copiaPasta(const QString &, const QString &) { return false; }
bool PlataformaSistema::criaAtalho(const QString &, const QString &, const QString &) { return false; }
QStringList PlataformaSistema::processos() { return {}; }
bool PlataformaSistema::iniciaServicoBanco() { return false; }
std::optional<InstalacaoFirebird> PlataformaSistema::instalacaoFirebird() { return std::nullopt; }
ResultadoPing PlataformaSistema::ping(const QString &, int) { return {}; }
int PlataformaSistema::executaScriptOculto(const QString &) { return -1; }
QString PlataformaSistema::nomeComputador() { return {}; }
QString PlataformaSistema::enderecoIPv4() { return {}; }
bool PlataformaSistema::abreCalculadora() { return false; }
bool PlataformaSistema::teclaAlternada(int) { return false; }
QString PlataformaSistema::escolheArquivoAbrir(const QString &, const QString &, const QString &) { return {}; }
QString PlataformaSistema::escolheArquivoSalvar(const QString &, const QString &, const QString &) { return {}; }
QString PlataformaSistema::escolhePasta(const QString &, const QString &) { return {}; }
