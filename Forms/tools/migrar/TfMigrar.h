#pragma once
// The migration window: the user names the creditor company and the city every copied note
// gets, and "Migrar Dados" copies the simplified notes into full notes (Migracao) with a
// progress bar, after which the button stays disabled for the window's life.

#include "Query.h"
#include "Transacao.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;

class TfMigrar : public QWidget {
    Q_OBJECT
public:
    explicit TfMigrar(QWidget *parent = nullptr);
    ~TfMigrar() override;

    QLabel *LabelStatus;
    QLabel *LabelCredor, *LabelCidade, *LabelMigrar;
    QComboBox *EditCredor, *ComboEstados, *EditCidade;
    QPushButton *ButMigrar;
    QProgressBar *BarraProgresso;

    Transacao TransCidades;
    Query QryCidades; // visible cities of one state, by name

    void ButMigrarClick();
    bool migrando() const { return migrando_; }

protected:
    void closeEvent(QCloseEvent *e) override;

private:
    void monta();
    void abre();
    void carregaCidades(const QString &uf);
    void EditCredorChange();
    void ComboEstadosChange();
    void EditCidadeChange();
    int codigoEmpresa(const QString &nome);
    int codigoCidade(const QString &nome);
    void mostraProgresso(int feitas, int total);
    void habilitaEntrada(bool sim);

    bool migrando_ = false;
};
