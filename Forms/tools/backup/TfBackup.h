#pragma once
// TfBackup: the backup of the database file into a folder the user chooses and the restore of
// such a copy in its place. The main window shows one of its two pages (JanelaBackup).

#include "GanchosJanelas.h"

#include <QWidget>
#include <functional>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;

class TfBackup : public QWidget, public JanelaBackup {
    Q_OBJECT
public:
    explicit TfBackup(QWidget *parent = nullptr);

    void preparaPagina(PaginaBackup pagina, bool modoFechamento) override;

    QTabWidget *PageControl1;
    QWidget *TabBackup, *TabRestaurar;
    QLabel *LabelBanco, *LabelBanco2, *LabelUltimoBackup, *LabelStatus, *LabelStatusRest;
    QLineEdit *EditDestino, *EditArquivoBkp;
    QPushButton *ButEscolheLocalBkp, *ButGeraBackup, *ButLocal, *ButRestaura, *ButAjuda;
    QListWidget *ListaProgresso, *ListaProgressoRest;

    void ButEscolheLocalBkpClick();
    void ButGeraBackupClick();
    void ButLocalClick();
    void ButRestauraClick();
    void ButAjudaClick();

    // On Windows drive C:; elsewhere the file system of the system's root folder (an external
    // drive is mounted as a file system of its own).
    static bool discoDoSistema(const QString &destino);

protected:
    bool eventFilter(QObject *o, QEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
    void closeEvent(QCloseEvent *e) override;

private:
    QWidget *montaPaginaBackup();
    QWidget *montaPaginaRestauracao();
    void progresso(QListWidget *lista, const QString &texto, bool erro = false);
    void habilita(bool sim);
    QString arquivoBanco() const;   // the database file as a local path
    bool ehArquivoBanco(const QString &caminho) const;
    void avisaMaster();
    bool confirmaSubstituicao(const QString &arquivo);
    QString copiaNoFundo(const QString &arquivo);
    void emSegundoPlano(const std::function<void()> &trabalho);
    bool restaura(const QString &backup);

    bool modoFechamento_ = false;
    bool ocupado_ = false;         // a backup or a restore is running
    QString arquivoDialogoBkp_;   // file chosen in the save dialog
    QString pastaArquivoBkp_;     // folder of the file chosen in the open dialog
};
