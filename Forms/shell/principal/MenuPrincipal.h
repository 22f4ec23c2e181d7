#pragma once
// The main window's menu bar (MainMenu1) and the help pop-up of ButAjuda (PopupAjuda).
// Every item is a named member; the main window connects their actions.

#include <QMenuBar>

class QAction;
class QMenu;

class MenuPrincipal : public QMenuBar {
    Q_OBJECT
public:
    explicit MenuPrincipal(QWidget *parent = nullptr);

    QMenu *Cadastros1, *Configuracoes1, *Ajuda1;

    // "   &Cadastros   "
    QAction *NotaPromissria1;
    QAction *ItemNotaLite; // the simplified notes
    QAction *CadastrodeClientes1, *CadastrodeEmpresas1;
    QMenu *MenuLocalidades;
    QAction *Localidades1, *Estados1; // hidden, kept for the permissions
    QAction *Cidades1, *Bairros1, *Logradouros1;
    QAction *ItemUsuarios;

    // "   C&onfigurações   "
    QAction *ItemConfiguracoes;
    QAction *Backup1, *RestaurarBackup1, *Emredeconfigurar1;
    QAction *ItemMigrar, *CorrigirBancodeDados1;

    // "  &Ajuda  "
    QAction *ItemAjudaOnline, *ItemManual, *ItemFaleConosco, *ItemLicenca, *ItemBlog, *ItemSite;

    // ButAjuda's pop-up.
    QMenu *PopupAjuda;
    QAction *PopupAjudaOnline, *PopupVideoAula, *PopupFaleConosco;

private:
    static QAction *item(QMenu *menu, const char *nome, const QString &texto);
};
