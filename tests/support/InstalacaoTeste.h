#pragma once
// A fresh temporary installation for one test: settings in a temporary config home, the
// program folder with a copy of the template database and of the report project, and the
// working folder set to it.

#include <QString>
#include <QTemporaryDir>
#include <memory>

class Dados;

class InstalacaoTeste {
public:
    InstalacaoTeste();
    ~InstalacaoTeste();

    QString pasta() const;         // program folder
    QString banco() const;         // Dados/BD.FDB inside it
    QString raiz() const { return dir_.path(); }

    // The shared data module connected to this installation, with the registry values read.
    std::unique_ptr<Dados> conectaDados() const;
    // The same, logged in as MASTER (every right, nothing restricted): for window tests.
    std::unique_ptr<Dados> conectaComoMaster() const;

    // The template database of this test run (created from the schema when missing).
    static QString modelo();

private:
    QTemporaryDir dir_;
    QString anterior_;
};
