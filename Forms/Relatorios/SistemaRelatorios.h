#pragma once
// The report system `RvSystem1`: asks where a run goes through "Opções de Impressão" and sends
// it to the preview, the printer or a PDF file.
//
// Headless runs: when the environment variable PRONTANOTA_RELATORIOS_PDF names a folder, no
// dialog is shown and every run is written to "{folder}/{report name}.pdf" ("_2", "_3", ...
// before ".pdf" when that file exists).

#include "DialogoOpcoesImpressao.h"

#include <QString>

class DesenhoRelatorio;
class RenderizadorPDF;
struct DadosRelatorio;
struct LayoutRelatorio;

class SistemaRelatorios {
public:
    using Destino = DialogoOpcoesImpressao::Destino;
    enum class Resultado { Concluido, Cancelado, Falhou };

    QString tituloOpcoes = QStringLiteral("Opções de Impressão");
    QString tituloSituacao = QStringLiteral("Situação");
    QString tituloVisualizacao = QStringLiteral("Visualização  -  Pressione CTRL + P para imprimir");
    QString textoGerando = QStringLiteral("Gerando página %p");
    QString textoImprimindo = QStringLiteral("Imprimindo página %p");
    QString nomeTrabalho = QStringLiteral("Impressão de Relatórios");
    Destino destinoPadrao = Destino::Visualizacao;
    int zoomVisualizacao = 99; // percent
    RenderizadorPDF *RenderPDF = nullptr;

    // One run of a report; `erro` says why it failed.
    Resultado executa(const LayoutRelatorio &layout, DadosRelatorio dados, QString *erro = nullptr);

    // The PDF file the last run wrote (headless or file output); empty before any.
    const QString &ultimoArquivo() const { return ultimoArquivo_; }

    static constexpr const char *VariavelPdf = "PRONTANOTA_RELATORIOS_PDF";
    static QString pastaPdfAutomatico();
    // "{pasta}/{nome}.pdf", or the first of "{nome}_2.pdf", "{nome}_3.pdf", ... that does not exist.
    static QString arquivoLivre(const QString &pasta, const QString &nome);

private:
    Resultado gravaPdf(DesenhoRelatorio &d, const QString &arquivo, QString *erro, bool comSituacao);
    Resultado visualiza(DesenhoRelatorio &d, QString *erro);
    Resultado imprime(DesenhoRelatorio &d, QString *erro);
    QString ultimoArquivo_;
};
