#pragma once
// The SQL command console: statements typed by hand, one per line, run against the open
// database for maintenance. Every line is committed as soon as it has run; the first line the
// database refuses stops the run (the lines before it stay committed). A query that returns rows
// shows them in the grid below the box; the lines after it run as well, and the grid keeps the
// rows of the last query of the run.

#include "Query.h"
#include "Transacao.h"

#include <QWidget>

class ModeloTabela;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTableView;

class TfComandosSQL : public QWidget {
    Q_OBJECT
public:
    explicit TfComandosSQL(QWidget *parent = nullptr);
    ~TfComandosSQL() override;

    Transacao TransQrySQL;
    Query QrySQL;
    // The rows of a query line, read in a read-only transaction of their own.
    Transacao TransResultado;
    Query QryResultado;

    QLabel *LabelAtencao;
    QLabel *LabelInstrucao;
    QPlainTextEdit *MemoVerifica;
    QPushButton *ButExecutar;
    QTableView *GridResultado;

    void ButExecutarClick();

protected:
    void showEvent(QShowEvent *e) override;
    void closeEvent(QCloseEvent *e) override;

private:
    // Runs one line; true when it was a query whose rows the grid now shows.
    bool executaLinha(const QString &linha);
    void encerraTransacao();
    ModeloTabela *modelo_;
};
