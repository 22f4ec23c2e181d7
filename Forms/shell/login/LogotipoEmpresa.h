#pragma once
// The logo files of a company in the program folder: "E{code}.JPG", the picture fitted into
// 190 x 190 on white, and "E{code}.BMP", the bitmap of the picture fitted into 100 x 100 on white
// that the database keeps in EM_LOGO. The code has six digits ("E000000" for a record not yet saved).

#include <QByteArray>
#include <QString>

struct LogotipoEmpresa {
    QString nomeImagem;    // "E000001.JPG", for EM_NOME_IMAGEM
    QString arquivoImagem; // the JPEG written in the folder
    QByteArray bitmap;     // the BMP written in the folder, for EM_LOGO
};

QString NomeImagemEmpresa(int codigo);

// Writes the two files of company `codigo` in `pasta` from the JPEG `origem`, going through
// "Tmp.JPG", which is removed afterwards. Throws ErroFuncoes when the picture cannot be used;
// a file that is not a JPEG changes nothing in the folder.
LogotipoEmpresa GravaLogotipoEmpresa(const QString &origem, const QString &pasta, int codigo);
