#include "Instalacao.h"

#include "AtalhoDesktop.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace {

struct Entrada {
    const char *arquivo, *nome, *programa, *descricao;
};

const Entrada Entradas[] = {
    {"prontanota.desktop", "Prontanota", "prontanota",
     "Clientes, avalistas, notas promissórias em parcelas, recebimentos e quadro de avisos"},
    {"instalora.desktop", "Instalora", "Instalora",
     "Define se este computador é o servidor do Prontanota ou um terminal e atualiza o banco de dados"},
};

} // namespace

bool Instalacao::criaEntradasMenu(const QString &pasta, const QString &pastaAplicacoes)
{
    const QDir programa(QDir(pasta).absolutePath());
    if (!QDir().mkpath(pastaAplicacoes)) return false;
    for (const Entrada &e : Entradas) {
        // The shortcut's entry, with the icon and the menu category of an application.
        QString texto = Atalhos::conteudo(QString::fromUtf8(e.nome), programa.filePath(QLatin1String(e.programa)),
                                          programa.path(), QString::fromUtf8(e.descricao));
        texto += QStringLiteral("Icon=") + programa.filePath(QStringLiteral("prontanota.png"))
                 + QStringLiteral("\nCategories=Office;Finance;\n");
        QSaveFile arquivo(QDir(pastaAplicacoes).filePath(QLatin1String(e.arquivo)));
        if (!arquivo.open(QIODevice::WriteOnly)) return false;
        arquivo.write(texto.toUtf8());
        if (!arquivo.commit()) return false;
    }
    return true;
}
