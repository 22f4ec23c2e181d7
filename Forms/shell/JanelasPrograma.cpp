#include "JanelasPrograma.h"

#include "AbridorJanelas.h"
#include "TfBackup.h"
#include "TfBairros.h"
#include "TfCadastrosGerais.h"
#include "TfCidades.h"
#include "TfComandosSQL.h"
#include "TfConfiguracoesGerais.h"
#include "TfEmpresas.h"
#include "TfLogradouros.h"
#include "TfMigrar.h"
#include "TfNotaPromissoria.h"
#include "TfNotaPromissoriaLite.h"
#include "TfRede.h"
#include "TfUsuarios.h"

void JanelasPrograma::registra()
{
    AbridorJanelas::registra(TipoJanela::Cidades, [](QWidget *pai) { return new TfCidades(pai); });
    AbridorJanelas::registra(TipoJanela::Bairros, [](QWidget *pai) { return new TfBairros(pai); });
    AbridorJanelas::registra(TipoJanela::Logradouros, [](QWidget *pai) { return new TfLogradouros(pai); });
    AbridorJanelas::registra(TipoJanela::CadastrosGerais, [](QWidget *pai) { return new TfCadastrosGerais(pai); });
    AbridorJanelas::registra(TipoJanela::Empresas, [](QWidget *pai) { return new TfEmpresas(pai); });
    AbridorJanelas::registra(TipoJanela::Usuarios, [](QWidget *pai) { return new TfUsuarios(pai); });
    AbridorJanelas::registra(TipoJanela::NotaPromissoria, [](QWidget *pai) { return new TfNotaPromissoria(pai); });
    AbridorJanelas::registra(TipoJanela::NotaPromissoriaLite, [](QWidget *pai) { return new TfNotaPromissoriaLite(pai); });
    AbridorJanelas::registra(TipoJanela::Backup, [](QWidget *pai) { return new TfBackup(pai); });
    AbridorJanelas::registra(TipoJanela::ConfiguracoesGerais, [](QWidget *pai) { return new TfConfiguracoesGerais(pai); });
    AbridorJanelas::registra(TipoJanela::Rede, [](QWidget *pai) { return new TfRede(pai); });
    AbridorJanelas::registra(TipoJanela::ComandosSQL, [](QWidget *pai) { return new TfComandosSQL(pai); });
    AbridorJanelas::registra(TipoJanela::Migrar, [](QWidget *pai) { return new TfMigrar(pai); });
}
