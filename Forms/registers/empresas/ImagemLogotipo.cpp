#include "ImagemLogotipo.h"

#include "Caminhos.h"
#include "Dados.h"

#include <QImage>
#include <QPixmap>

ImagemLogotipo::ImagemLogotipo(const char *nome, int lado, QWidget *pai) : QLabel(pai)
{
    setObjectName(QLatin1String(nome));
    setFixedSize(lado, lado);
    setAlignment(Qt::AlignCenter);
    setScaledContents(true);
    hide();
}

void ImagemLogotipo::mostra(const QString &arquivo)
{
    // Read afresh every time: the file may have been rewritten under the same name.
    const QPixmap imagem = arquivo.isEmpty() ? QPixmap() : QPixmap::fromImage(QImage(arquivo));
    if (imagem.isNull()) {
        esconde();
        return;
    }
    setPixmap(imagem);
    show();
}

void ImagemLogotipo::esconde()
{
    clear();
    hide();
}

QString ArquivoPrograma(const QString &nome) { return Caminhos::deWindows(dados().PathPrograma + nome); }
