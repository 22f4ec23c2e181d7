#include "RenderizadorPDF.h"

#include "DesenhoRelatorio.h"

#include <QPdfWriter>
#include <QSaveFile>

bool RenderizadorPDF::grava(DesenhoRelatorio &desenho, const QString &arquivo, QString *erro,
                            const std::function<void(int)> &aoDesenhar) const
{
    auto falha = [&](const QString &motivo) {
        if (erro) *erro = motivo;
        return false;
    };
    QSaveFile saida(arquivo);
    if (!saida.open(QIODevice::WriteOnly))
        return falha(QStringLiteral("Não foi possível criar %1: %2").arg(arquivo, saida.errorString()));
    {
        QPdfWriter pdf(&saida);
        pdf.setResolution(resolucao);
        pdf.setTitle(desenho.layout().nome);
        pdf.setCreator(QStringLiteral("Prontanota"));
        if (!desenho.desenha(pdf, 0, 0, aoDesenhar)) {
            saida.cancelWriting();
            return falha(desenho.valido() ? QStringLiteral("Não foi possível gerar %1.").arg(arquivo) : desenho.erro());
        }
    }
    if (!saida.commit()) return falha(QStringLiteral("Não foi possível gravar %1: %2").arg(arquivo, saida.errorString()));
    return true;
}
