#include "FiltrosPesquisa.h"

#include "DataEdit.h"
#include "Mensagens.h"

#include <QLineEdit>

bool FiltrosPesquisa::preenchido(const QLineEdit *e) { return !e->text().isEmpty() && e->text() != QLatin1String(" "); }

bool FiltrosPesquisa::dataPreenchida(const DataEdit *e)
{
    const QString t = e->textoVisivel();
    return t != QLatin1String("  /  /  ") && t != QLatin1String("  /  /    ") && !e->vazio();
}

QString FiltrosPesquisa::literal(const QString &texto)
{
    QString r = texto;
    return r.replace(QLatin1Char('\''), QStringLiteral("''"));
}

bool FiltrosPesquisa::usaDatas(const DataEdit *primeira, const DataEdit *segunda)
{
    return dataPreenchida(primeira) || dataPreenchida(segunda);
}

bool FiltrosPesquisa::confereDatas(DataEdit *primeira, DataEdit *segunda)
{
    if (!usaDatas(primeira, segunda)) return true;
    if (!dataPreenchida(primeira)) {
        informacao(QStringLiteral("É preciso informar a primeira data!"));
        primeira->setFocus();
        primeira->selectAll();
        return false;
    }
    if (!dataPreenchida(segunda)) {
        informacao(QStringLiteral("É preciso informar a segunda data!"));
        segunda->setFocus();
        segunda->selectAll();
        return false;
    }
    for (DataEdit *e : {primeira, segunda}) {
        if (!e->data().isValid()) {
            informacao(QStringLiteral("Formato de Data Inválida !"));
            e->clear();
            e->setFocus();
            return false;
        }
    }
    return true;
}
