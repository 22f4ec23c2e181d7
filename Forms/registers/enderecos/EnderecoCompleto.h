#pragma once
// The full address of a person or company as one text (`..._ENDERECO_COMPLETO2`), and the names
// of the visible localities it is made of.

#include <QString>

namespace EnderecoCompleto {

struct Partes {
    QString logradouro, numero, complemento, bairro, cidade, uf, cep;
};

// "RUA DAS FLORES, 120 - AP 3 - CENTRO - CAMPINAS/SP  CEP: 13010-000": each piece only when it
// is not empty; the postal code is eight digits.
QString monta(const Partes &p);
// The company's form: "RUA A, 10 -  - CENTRO - CAMPINAS/SP", every separator written whether or
// not the parts around it are empty, and no postal code.
QString montaComSeparadores(const Partes &p);

// Names from the shared lists of visible localities (LookupCidades, LookupBairros,
// LookupLogradouros); a hidden or missing locality gives "".
QString nomeCidade(int codigo);
QString ufCidade(int codigo);
QString nomeBairro(int codigo);
QString nomeLogradouro(int codigo);

// The parts of the stored codes and texts, names looked up as above.
Partes partes(int cidade, int bairro, int logradouro, const QString &numero, const QString &complemento,
              const QString &cep);

} // namespace EnderecoCompleto
