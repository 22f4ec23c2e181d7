#pragma once
// The maker's web pages and contact address, in one place.

#include <QString>

namespace Enderecos {
inline const QString Site = QStringLiteral("https://www.brelo.com.br/");
inline const QString Suporte = QStringLiteral("https://www.brelo.com.br/suporte/");
inline const QString Contato = QStringLiteral("https://www.brelo.com.br/contato/");
inline const QString VideoAulas = QStringLiteral("https://www.brelo.com.br/videos/");
inline const QString Blog = QStringLiteral("https://blog.brelo.com.br/");
inline const QString OutrosProgramas = QStringLiteral("https://www.brelo.com.br/programas/");
inline const QString Instalacao = QStringLiteral("https://www.brelo.com.br/prontanota/instalacao/");
inline const QString Firebird = QStringLiteral("https://www.brelo.com.br/prontanota/firebird/");
inline const QString FirebirdAtivacao = QStringLiteral("https://www.brelo.com.br/prontanota/firebird/#ativar");
inline const QString FirebirdFirewall = QStringLiteral("https://www.brelo.com.br/prontanota/firebird/#firewall");
inline const QString AjudaRede = QStringLiteral("https://www.brelo.com.br/prontanota/rede/");
// A ready coat-of-arms picture (BMP) for the reports.
inline const QString Brasao = QStringLiteral("https://www.brelo.com.br/prontanota/brasao.bmp");
// Public lookups opened from the registers: postal codes and company registrations.
inline const QString ConsultaCEP = QStringLiteral("https://buscacepinter.correios.com.br/app/endereco/index.php");
inline const QString ConsultaCNPJ =
    QStringLiteral("https://solucoes.receita.fazenda.gov.br/servicos/cnpjreva/cnpjreva_solicitacao.asp");
inline const QString EmailContato = QStringLiteral("suporte@brelo.com.br");
} // namespace Enderecos
