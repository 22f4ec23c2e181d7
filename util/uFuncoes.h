#pragma once
// Small routines shared by the windows: CPF/CNPJ check digits, typed dates, integer test,
// accent removal, the amount in words, logo fitting, the computer's name and address.
// The flags below are set by the routines named and read by the caller right after the call;
// they live on the user-interface thread only.

#include <QString>
#include <QVariant>
#include <stdexcept>

class QIODevice;

extern bool CPFValido;    // ConfereCPF: the last CPF check passed
extern bool CNPJValido;   // ConfereCNPJ: the last CNPJ check passed
extern bool NumeroValido; // ValidaInteiro: the last text converts to an integer
extern bool TinhaAcento;  // RemoveAcentos: the last text had a character replaced

// Error raised by these routines; what() holds the text in UTF-8.
class ErroFuncoes : public std::runtime_error {
public:
    explicit ErroFuncoes(const QString &texto) : std::runtime_error(texto.toStdString()) {}
    QString texto() const { return QString::fromUtf8(what()); }
};

// A text that is not a 32-bit integer: "'{texto}' não é um valor inteiro válido".
class ErroConversao : public ErroFuncoes {
public:
    explicit ErroConversao(const QString &texto);
};

// Failure while fitting a picture (size, unreadable source, writing the target).
class ErroImagem : public ErroFuncoes {
public:
    using ErroFuncoes::ErroFuncoes;
};

// Keeps the digits and commas of `texto` and converts them; throws ErroConversao when that
// is no integer (no digit, a comma, out of range). "2.5" gives 25.
int ExtraiNumero(const QString &texto);

// Replaces accented letters by plain ones and ordinal signs by '-'; length unchanged.
QString RemoveAcentos(const QString &texto);

// Sets NumeroValido when `texto` is a 32-bit integer: optional leading blanks and sign,
// then decimal digits up to the end.
void ValidaInteiro(const QString &texto);

// Toggle state (low-order bit) of a key given by its Windows virtual-key code.
bool TeclaAlternada(int codigoVirtual);

// Check the digits of a typed CPF/CNPJ; an invalid number shows "O CPF digitado é inválido!" /
// "O CNPJ digitado é inválido!" and clears the flag, a valid one sets it.
void ValidaCPF(const QString &texto);
bool ConfereCPF(const QString &digitos);
void ValidaCNPJ(const QString &texto);
bool ConfereCNPJ(const QString &digitos);

// Set-text rule of the date fields. An untouched mask ("  /  /  ", "  /  /    ") leaves the
// field null and is accepted; a valid dd/MM/yyyy (or dd/MM/yy) text stores the QDate; anything
// else shows "Não é uma data válida!", leaves the field null and returns false.
bool ValidaData(QVariant &campo, const QString &texto);

// Fits a JPEG picture into a largura x altura box filled with `cor` (a TColor value, 0x00BBGGRR),
// keeping its proportions and centring it, and writes the box as JPEG. Throws ErroImagem.
void AjustaImagem(QIODevice &origem, QIODevice &destino, int largura, int altura, uint cor);
// The same for files; the target is written only once the picture is ready.
void AjustaImagemArquivo(const QString &origem, const QString &destino, int largura, int altura,
                         uint cor);

inline QString SeTexto(bool condicao, const QString &a, const QString &b) { return condicao ? a : b; }

// Words of a three-digit group ("123" -> "Cento e Vinte e Tres"); "000" gives "".
QString CentenaPorExtenso(const QString &grupo);
// Amount in words as printed on the notes, from 0,01 to 999.999,99; 0 gives "", an amount out
// of range shows a message and gives "".
QString ValorPorExtenso(double valor);

// Name and first IPv4 address of this computer; false when the name is unavailable, with
// `erro` naming the sockets failure when it is a known one.
bool NomeEnderecoComputador(QString &nome, QString &endereco, QString &erro);
