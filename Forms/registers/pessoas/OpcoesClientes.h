#pragma once
// The Options of the persons register that act on the listed persons (e-mail export, rebuild of
// the full addresses) and the links to the map and to the public lookup pages.

#include "Enderecos.h"

#include <QString>

class Query;
class Transacao;

namespace OpcoesClientes {

// "Emails.txt" in the program folder: one line "{e-mail};" for each contact of type "EMAIL" of
// every listed person, in list order; then the message and the file opened. False with an empty
// list (after its message).
bool exportaEmails(const Query &lista);
QString arquivoEmails();

// Rebuilds and writes `CG_ENDERECO_COMPLETO2` of every listed person, inside `tr` (committed).
void atualizaEnderecos(const Query &lista, Transacao &tr);

// The map page of an address: "{cidade}+{uf}+{rua}+{numero}" with blanks, "," and "/" as "+".
QString enderecoMapa(const QString &cidade, const QString &uf, const QString &rua, const QString &numero);
void abreMapa(const QString &cidade, const QString &uf, const QString &rua, const QString &numero);
void pesquisaCEP();
void pesquisaCNPJ();

inline const QString ServicoMapas = QStringLiteral("https://www.google.com");
inline const QString &ConsultaCEP = Enderecos::ConsultaCEP;
inline const QString &ConsultaCNPJ = Enderecos::ConsultaCNPJ;

} // namespace OpcoesClientes
