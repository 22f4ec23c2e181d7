#pragma once
// The printing module `DadosImpressao`, created once at program start after `Dados`: the
// project `Relatorios`, the report system `RvSystem1`, the PDF output `RvRenderPDF1`, the
// connections of the shared data module (`RVEmpresaPadrao`, `RVConfigs`) and the report run
// every window uses.

#include "ConexaoRelatorio.h"
#include "ProjetoRelatorios.h"
#include "RenderizadorPDF.h"
#include "SistemaRelatorios.h"

#include <QObject>
#include <QPair>
#include <QPointer>

class Dados;
class Query;

class DadosImpressao : public QObject {
    Q_OBJECT
public:
    using Parametros = QList<QPair<QString, QString>>;

    // `dados` gives the reports folder, the logged-in names and the module's connections.
    explicit DadosImpressao(Dados *dados, QObject *parent = nullptr);
    ~DadosImpressao() override;
    static DadosImpressao &instancia(); // the module of the running program (the last one created)
    static bool existe();

    ProjetoRelatorios Relatorios;
    SistemaRelatorios RvSystem1;
    RenderizadorPDF RvRenderPDF1;

    // `PathRelatorios` followed by "Relatorios.rav", no separator added.
    QString arquivoProjeto() const;
    void defineProjeto() { Relatorios.ProjectFile = arquivoProjeto(); }

    // The shared parameters of a list report, in the order they are set: `pTitulo`,
    // `pNomeEmpresa`, `pFiltro`, `pRodape` ("Por : {user}") and `pMensagem`.
    Parametros parametrosLista(const QString &titulo, const QString &filtro) const;

    // A report run: the caller's rows (when given) must not be empty and the reports folder
    // must be set; then the project is set, closed and opened, the parameters set, the report
    // run and the project closed. Each refusal or failure is told to the user; true when the
    // report ran (or the user cancelled its output).
    bool imprime(const QString &relatorio, const Parametros &parametros, const Query *registros = nullptr);

    // The PDF file written by the last run, if any.
    QString ultimoArquivoPdf() const { return RvSystem1.ultimoArquivo(); }

private:
    QPointer<Dados> dados_;
    ConexaoRelatorio *RVEmpresaPadrao = nullptr;
    ConexaoRelatorio *RVConfigs = nullptr;
};
