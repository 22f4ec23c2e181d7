#include "TfManual.h"

#include "Mensagens.h"
#include "Plataforma.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QImage>
#include <QPointer>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

// Pictures no wider than the page, so a screenshot of a whole window reads without scrolling.
class TextoManual final : public QTextBrowser {
public:
    using QTextBrowser::QTextBrowser;
    static constexpr int LarguraMaxima = 900;

    QVariant loadResource(int tipo, const QUrl &nome) override
    {
        const QVariant r = QTextBrowser::loadResource(tipo, nome);
        if (tipo != QTextDocument::ImageResource) return r;
        QImage imagem = r.typeId() == QMetaType::QImage ? r.value<QImage>() : QImage::fromData(r.toByteArray());
        if (imagem.isNull() || imagem.width() <= LarguraMaxima) return r;
        return imagem.scaledToWidth(LarguraMaxima, Qt::SmoothTransformation);
    }
};

} // namespace

QString TfManual::indice(const QString &pastaPrograma)
{
    return QDir(QDir::fromNativeSeparators(pastaPrograma)).filePath(QStringLiteral("Manual/manual/README.md"));
}

TfManual *TfManual::abre(const QString &pastaPrograma, QWidget *pai)
{
    static QPointer<TfManual> aberta;
    const QString arquivo = indice(pastaPrograma);
    if (!QFileInfo::exists(arquivo)) {
        informacao(QStringLiteral("O manual do usuário não foi encontrado na pasta do programa:\r") + arquivo);
        return nullptr;
    }
    if (!aberta) {
        aberta = new TfManual(arquivo, pai);
        aberta->setAttribute(Qt::WA_DeleteOnClose);
    }
    aberta->show();
    aberta->raise();
    aberta->activateWindow();
    return aberta;
}

TfManual::TfManual(const QString &arquivoIndice, QWidget *pai) : QDialog(pai), indice_(arquivoIndice)
{
    setObjectName(QStringLiteral("TfManual"));
    setWindowTitle(QStringLiteral("Manual do usuário"));
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    resize(980, 700);

    Texto = new TextoManual(this);
    Texto->setObjectName(QStringLiteral("Texto"));
    Texto->setOpenLinks(false);
    ButIndice = new QPushButton(QStringLiteral(" &Índice"), this);
    ButVoltar = new QPushButton(QStringLiteral(" &Voltar"), this);
    ButFechar = new QPushButton(QStringLiteral(" &Fechar"), this);
    ButIndice->setObjectName(QStringLiteral("ButIndice"));
    ButVoltar->setObjectName(QStringLiteral("ButVoltar"));
    ButFechar->setObjectName(QStringLiteral("ButFechar"));
    ButVoltar->setEnabled(false);

    auto *botoes = new QHBoxLayout;
    botoes->addWidget(ButIndice);
    botoes->addWidget(ButVoltar);
    botoes->addStretch();
    botoes->addWidget(ButFechar);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(botoes);
    layout->addWidget(Texto);

    // Chapters open here; web addresses and other files leave for the system's programs.
    connect(Texto, &QTextBrowser::anchorClicked, this, [this](const QUrl &link) {
        const QUrl url = Texto->source().resolved(link);
        if (url.isLocalFile() && url.path().endsWith(QLatin1String(".md"), Qt::CaseInsensitive))
            Texto->setSource(url, QTextDocument::MarkdownResource);
        else if (url.isLocalFile())
            Plataforma::atual().abreDocumento(url.toLocalFile());
        else
            Plataforma::atual().abreEndereco(url.toString());
    });
    connect(Texto, &QTextBrowser::backwardAvailable, ButVoltar, &QPushButton::setEnabled);
    connect(ButVoltar, &QPushButton::clicked, Texto, &QTextBrowser::backward);
    connect(ButIndice, &QPushButton::clicked, this,
            [this] { Texto->setSource(QUrl::fromLocalFile(indice_), QTextDocument::MarkdownResource); });
    connect(ButFechar, &QPushButton::clicked, this, &QDialog::close);

    Texto->setSource(QUrl::fromLocalFile(indice_), QTextDocument::MarkdownResource);
}
