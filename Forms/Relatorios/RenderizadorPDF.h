#pragma once
// The PDF output `RvRenderPDF1`: writes a report run to a PDF file, "Adobe Acrobat (PDF)".

#include <QString>
#include <functional>

class DesenhoRelatorio;

class RenderizadorPDF {
public:
    QString descricao = QStringLiteral("Adobe Acrobat (PDF)");
    QString filtro = QStringLiteral("Adobe Acrobat (PDF) (*.pdf)");
    int resolucao = 300; // dpi

    // Writes every page to `arquivo`. The file is replaced only once the document is complete;
    // false with the reason in `erro` otherwise.
    bool grava(DesenhoRelatorio &desenho, const QString &arquivo, QString *erro = nullptr,
               const std::function<void(int)> &aoDesenhar = {}) const;
};
