#pragma once
// A logo picture of the companies register (view panel and edit tab): the file named by
// EM_NOME_IMAGEM in the program folder, scaled into its box; hidden when there is none.

#include <QLabel>

class ImagemLogotipo : public QLabel {
    Q_OBJECT
public:
    ImagemLogotipo(const char *nome, int lado, QWidget *pai);

    // Shows `arquivo` (a full path); an empty name or an unreadable file hides the picture,
    // without a message.
    void mostra(const QString &arquivo);
    void esconde();
};

// The full path of a file of the program folder (PathPrograma, written the Windows way or not).
QString ArquivoPrograma(const QString &nome);
