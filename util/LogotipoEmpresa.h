#pragma once
// The logo files of a company in the program folder: "E{code}.JPG", the picture fitted into
// 190 x 190 on white, and "E{code}.BMP", the bitmap of the picture fitted into 100 x 100 on white
// that the database keeps in EM_LOGO. The code has at least six digits ("E000000" for a record
// not yet saved; a longer code is used whole).
//
// The fitting routine reads JPEG only. A picture of another format that Qt's image reader
// knows (a BMP offered by the file dialog) is first turned into a JPEG in memory; anything
// else (a damaged or empty file) gets the fitting routine's own error.

#include <QByteArray>
#include <QString>

struct LogotipoEmpresa {
    QString nomeImagem;    // "E000001.JPG", for EM_NOME_IMAGEM
    QString arquivoImagem; // the JPEG written in the folder
    QByteArray bitmap;     // the BMP written in the folder, for EM_LOGO
};

QString NomeImagemEmpresa(int codigo);

// Writes the two files of company `codigo` in `pasta` from the picture `origem`, going through
// "Tmp.JPG", which is removed afterwards. Throws ErroFuncoes when the picture cannot be used;
// then nothing in the folder has changed.
LogotipoEmpresa GravaLogotipoEmpresa(const QString &origem, const QString &pasta, int codigo);
