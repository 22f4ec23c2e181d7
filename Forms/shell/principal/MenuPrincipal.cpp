#include "MenuPrincipal.h"

#include <QMenu>

QAction *MenuPrincipal::item(QMenu *menu, const char *nome, const QString &texto)
{
    QAction *a = menu->addAction(texto);
    a->setObjectName(QString::fromLatin1(nome));
    return a;
}

MenuPrincipal::MenuPrincipal(QWidget *parent) : QMenuBar(parent)
{
    setObjectName(QStringLiteral("MainMenu1"));

    Cadastros1 = addMenu(QStringLiteral("   &Cadastros   "));
    Cadastros1->setObjectName(QStringLiteral("Cadastros1"));
    NotaPromissria1 = item(Cadastros1, "NotaPromissria1", QStringLiteral(" &Nota Promissória"));
    ItemNotaLite = item(Cadastros1, "ItemNotaLite", QStringLiteral(" Nota Promissória &simplificada"));
    Cadastros1->addSeparator();
    CadastrodeClientes1 = item(Cadastros1, "CadastrodeClientes1", QStringLiteral(" &Clientes    (Emitentes e Avalistas)"));
    CadastrodeEmpresas1 = item(Cadastros1, "CadastrodeEmpresas1", QStringLiteral(" &Empresas    (Credores)"));
    Cadastros1->addSeparator();
    MenuLocalidades = Cadastros1->addMenu(QStringLiteral(" &Localidades  "));
    MenuLocalidades->setObjectName(QStringLiteral("MenuLocalidades"));
    Localidades1 = MenuLocalidades->menuAction();
    Localidades1->setObjectName(QStringLiteral("Localidades1"));
    Localidades1->setVisible(false);
    Estados1 = item(MenuLocalidades, "Estados1", QStringLiteral(" &Estados"));
    Cidades1 = item(Cadastros1, "Cidades1", QStringLiteral(" Cid&ades"));
    Bairros1 = item(Cadastros1, "Bairros1", QStringLiteral(" &Bairros"));
    Logradouros1 = item(Cadastros1, "Logradouros1", QStringLiteral(" &Logradouros"));
    Cadastros1->addSeparator();
    ItemUsuarios = item(Cadastros1, "ItemUsuarios", QStringLiteral(" &Usuários do sistema (permissões e senha)"));

    Configuracoes1 = addMenu(QStringLiteral("   C&onfigurações   "));
    Configuracoes1->setObjectName(QStringLiteral("Configuracoes1"));
    ItemConfiguracoes = item(Configuracoes1, "ItemConfiguracoes", QStringLiteral(" Configurações e Padrões"));
    Configuracoes1->addSeparator();
    Backup1 = item(Configuracoes1, "Backup1", QStringLiteral(" &Backup"));
    RestaurarBackup1 = item(Configuracoes1, "RestaurarBackup1", QStringLiteral(" &Restaurar backup, voltar dados"));
    Emredeconfigurar1 = item(Configuracoes1, "Emredeconfigurar1", QStringLiteral(" Em rede: configurar"));
    Configuracoes1->addSeparator();
    ItemMigrar = item(Configuracoes1, "ItemMigrar", QStringLiteral(" Migrar dados da versão Lite"));
    CorrigirBancodeDados1 = item(Configuracoes1, "CorrigirBancodeDados1", QStringLiteral(" Comandos SQL (apenas manutenção)"));

    Ajuda1 = addMenu(QStringLiteral("  &Ajuda  "));
    Ajuda1->setObjectName(QStringLiteral("Ajuda1"));
    ItemAjudaOnline = item(Ajuda1, "ItemAjudaOnline", QStringLiteral(" Ajuda Online"));
    ItemManual = item(Ajuda1, "ItemManual", QStringLiteral(" Manual do usuário"));
    ItemFaleConosco = item(Ajuda1, "ItemFaleConosco", QStringLiteral(" Fale Conosco"));
    Ajuda1->addSeparator();
    ItemLicenca = item(Ajuda1, "ItemLicenca", QStringLiteral(" Licença de uso do programa"));
    Ajuda1->addSeparator();
    ItemBlog = item(Ajuda1, "ItemBlog", QStringLiteral(" Blog Brelo - Dicas para seu negócio"));
    ItemSite = item(Ajuda1, "ItemSite", QStringLiteral(" Site Brelo"));

    PopupAjuda = new QMenu(this);
    PopupAjuda->setObjectName(QStringLiteral("PopupAjuda"));
    PopupAjudaOnline = item(PopupAjuda, "PopupAjudaOnline", QStringLiteral(" Ajuda Online  "));
    PopupVideoAula = item(PopupAjuda, "PopupVideoAula", QStringLiteral(" Vídeo Aula  "));
    PopupFaleConosco = item(PopupAjuda, "PopupFaleConosco", QStringLiteral(" Fale Conosco  "));
}
