#include "SistemaRelatorios.h"

#include "DesenhoRelatorio.h"
#include "RenderizadorPDF.h"

#include "Plataforma.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProgressDialog>
#include <QStandardPaths>
#include <optional>

namespace {

// The status window "Situação": shown only when drawing takes a while.
class Situacao {
public:
    Situacao(const QString &titulo, const QString &texto, int paginas) : texto_(texto)
    {
        if (!qobject_cast<QApplication *>(QCoreApplication::instance())) return;
        dlg_ = std::make_unique<QProgressDialog>(QApplication::activeWindow());
        dlg_->setWindowTitle(titulo);
        dlg_->setCancelButton(nullptr);
        dlg_->setRange(0, paginas);
        dlg_->setMinimumDuration(600);
        dlg_->setWindowModality(Qt::ApplicationModal);
    }
    std::function<void(int)> aviso()
    {
        return [this](int pagina) {
            if (!dlg_) return;
            dlg_->setLabelText(QString(texto_).replace(QLatin1String("%p"), QString::number(pagina)));
            dlg_->setValue(pagina - 1);
        };
    }

private:
    QString texto_;
    std::unique_ptr<QProgressDialog> dlg_;
};

void preparaImpressora(QPrinter &impressora, const DesenhoRelatorio &d, const QString &nomeTrabalho)
{
    impressora.setDocName(nomeTrabalho);
    impressora.setFullPage(true);
    impressora.setPageLayout(DesenhoRelatorio::layoutPagina(d.layout().pagina));
}

} // namespace

QString SistemaRelatorios::pastaPdfAutomatico() { return qEnvironmentVariable(VariavelPdf); }

QString SistemaRelatorios::arquivoLivre(const QString &pasta, const QString &nome)
{
    const QDir dir(pasta);
    QString arquivo = dir.filePath(nome + QStringLiteral(".pdf"));
    for (int n = 2; QFileInfo::exists(arquivo); ++n)
        arquivo = dir.filePath(QStringLiteral("%1_%2.pdf").arg(nome).arg(n));
    return arquivo;
}

SistemaRelatorios::Resultado SistemaRelatorios::executa(const LayoutRelatorio &layout, DadosRelatorio dados,
                                                         QString *erro)
{
    DesenhoRelatorio desenho(layout, std::move(dados));
    if (!desenho.valido()) {
        if (erro) *erro = desenho.erro();
        return Resultado::Falhou;
    }

    const QString pasta = pastaPdfAutomatico();
    if (!pasta.isEmpty()) {
        if (!QDir().mkpath(pasta)) {
            if (erro) *erro = QStringLiteral("Não foi possível criar a pasta %1.").arg(pasta);
            return Resultado::Falhou;
        }
        return gravaPdf(desenho, arquivoLivre(pasta, layout.nome), erro, false);
    }

    DialogoOpcoesImpressao opcoes(tituloOpcoes, RenderPDF ? RenderPDF->descricao : QString(),
                                  QApplication::activeWindow());
    opcoes.defineDestino(destinoPadrao);
    if (opcoes.exec() != QDialog::Accepted) return Resultado::Cancelado;
    switch (opcoes.destino()) {
    case Destino::Impressora: return imprime(desenho, erro);
    case Destino::Arquivo: {
        const QString proposta = QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
                                     .filePath(layout.nome + QStringLiteral(".pdf"));
        const QString arquivo = Plataforma::atual().escolheArquivoSalvar(
            tituloOpcoes, proposta, RenderPDF ? RenderPDF->filtro : QString(), QStringLiteral("pdf"));
        if (arquivo.isEmpty()) return Resultado::Cancelado;
        return gravaPdf(desenho, arquivo, erro, true);
    }
    case Destino::Visualizacao: break;
    }
    return visualiza(desenho, erro);
}

SistemaRelatorios::Resultado SistemaRelatorios::gravaPdf(DesenhoRelatorio &d, const QString &arquivo, QString *erro,
                                                         bool comSituacao)
{
    if (!RenderPDF) {
        if (erro) *erro = QStringLiteral("Nenhuma saída em PDF ligada ao sistema de impressão.");
        return Resultado::Falhou;
    }
    std::optional<Situacao> situacao;
    if (comSituacao) situacao.emplace(tituloSituacao, textoGerando, d.paginas());
    if (!RenderPDF->grava(d, arquivo, erro, situacao ? situacao->aviso() : std::function<void(int)>()))
        return Resultado::Falhou;
    ultimoArquivo_ = arquivo;
    return Resultado::Concluido;
}

SistemaRelatorios::Resultado SistemaRelatorios::visualiza(DesenhoRelatorio &d, QString *erro)
{
    QPrinter impressora(QPrinter::HighResolution);
    preparaImpressora(impressora, d, nomeTrabalho);
    QPrintPreviewDialog previa(&impressora, QApplication::activeWindow());
    previa.setWindowTitle(tituloVisualizacao);
    bool falhou = false;
    QObject::connect(&previa, &QPrintPreviewDialog::paintRequested, &previa, [&](QPrinter *p) {
        Situacao situacao(tituloSituacao, textoGerando, d.paginas());
        if (!d.desenha(*p, p->fromPage(), p->toPage(), situacao.aviso())) falhou = true;
    });
    if (auto *w = previa.findChild<QPrintPreviewWidget *>()) {
        w->setZoomMode(QPrintPreviewWidget::CustomZoom);
        w->setZoomFactor(zoomVisualizacao / 100.0);
    }
    previa.setWindowState(previa.windowState() | Qt::WindowMaximized);
    previa.exec();
    if (falhou) {
        if (erro) *erro = QStringLiteral("Não foi possível desenhar o relatório.");
        return Resultado::Falhou;
    }
    return Resultado::Concluido;
}

SistemaRelatorios::Resultado SistemaRelatorios::imprime(DesenhoRelatorio &d, QString *erro)
{
    QPrinter impressora(QPrinter::HighResolution);
    preparaImpressora(impressora, d, nomeTrabalho);
    QPrintDialog dlg(&impressora, QApplication::activeWindow());
    dlg.setMinMax(1, d.paginas());
    if (dlg.exec() != QDialog::Accepted) return Resultado::Cancelado;
    Situacao situacao(tituloSituacao, textoImprimindo, d.paginas());
    if (!d.desenha(impressora, impressora.fromPage(), impressora.toPage(), situacao.aviso())) {
        if (erro) *erro = QStringLiteral("Não foi possível imprimir o relatório.");
        return Resultado::Falhou;
    }
    return Resultado::Concluido;
}
