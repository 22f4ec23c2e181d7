#pragma once
// The settings store ("registry") shared by prontanota and Instalora.
// Windows: HKEY_CURRENT_USER\{key}. Elsewhere: an INI file
// {config home}/{key without "Software\", backslashes as folders}.ini.
// A missing value reads "" / 0 / false.

#include <QString>
#include <QVariant>

class Registro {
public:
    static QString chavePadrao(); // "Software\Brelo\Prontanota"
    // The key named by Registro.ini (section "REGISTRO", value "Registro1") in `pasta`,
    // or the default key when the file or the value is missing.
    static QString chaveDoArquivo(const QString &pasta);
    // Key in use by the whole run.
    static QString chave();
    static void defineChave(const QString &chave);
    // Reads Registro.ini beside the running program and uses the key it names.
    static void carregaSubstituicao();

    // Where the values of `chave` live on this system.
    static QString local(const QString &chave);

    static QString leTexto(const QString &nome);
    static int leInteiro(const QString &nome);
    static bool leBooleano(const QString &nome);
    static bool existe(const QString &nome);
    static void escreveTexto(const QString &nome, const QString &valor);
    static void escreveInteiro(const QString &nome, int valor);
    static void escreveBooleano(const QString &nome, bool valor);
    static void apaga(const QString &nome);

private:
    static QVariant le(const QString &nome);
    static void escreve(const QString &nome, const QVariant &valor);
};
