#pragma once
// The report project `Relatorios`: the project file, its reports and the string parameters of
// the next run. Runs go through the engine (`RvSystem1`).

#include "LayoutRelatorio.h"

#include <QHash>
#include <QString>

class SistemaRelatorios;

class ProjetoRelatorios {
public:
    QString ProjectFile;
    SistemaRelatorios *Engine = nullptr;

    // Reads `ProjectFile`; false when it is missing or is not a valid project.
    bool open();
    // Forgets the reports and the parameters.
    void close();
    bool aberto() const { return aberto_; }

    void setParam(const QString &nome, const QString &valor);
    QString param(const QString &nome) const { return parametros_.value(nome.toLower()); }

    // The report of the open project with that name (letter case ignored); nullptr when none.
    const LayoutRelatorio *relatorio(const QString &nome) const;
    QStringList nomes() const;

    // Runs a report of the open project. A name the project lacks runs nothing and gives false,
    // and so does a run the engine could not complete; a run the user cancelled gives true.
    bool executeReport(const QString &nome);

    // Why the last open or run failed.
    const QString &ultimoErro() const { return erro_; }
    // `ProjectFile` as a path of this system.
    QString arquivo() const;

private:
    QList<LayoutRelatorio> relatorios_;
    QHash<QString, QString> parametros_; // keys in lower case
    QString erro_;
    bool aberto_ = false;
};
