#include "DataEdit.h"

DataEdit::DataEdit(QWidget *parent) : MaskEdit(Mascara, parent) {}

QDate DataEdit::data() const
{
    return interpreta(textoVisivel());
}

void DataEdit::setData(const QDate &data)
{
    if (!data.isValid()) {
        setTexto(QString());
        return;
    }
    setTexto(QStringLiteral("%1/%2/%3")
                 .arg(data.day(), 2, 10, QLatin1Char('0'))
                 .arg(data.month(), 2, 10, QLatin1Char('0'))
                 .arg(data.year(), 4, 10, QLatin1Char('0')));
}

QDate DataEdit::interpreta(const QString &texto)
{
    const QStringList partes = texto.split(u'/');
    if (partes.size() != 3) return QDate();
    int numeros[3];
    for (int i = 0; i < 3; ++i) {
        const QString p = partes.at(i).trimmed();
        const qsizetype tamanho = i == 2 ? 4 : 2;
        if (p.isEmpty() || p.size() > tamanho || (i == 2 && p.size() != 4)) return QDate();
        for (const QChar c : p)
            if (c < u'0' || c > u'9') return QDate();
        numeros[i] = p.toInt();
    }
    return QDate(numeros[2], numeros[1], numeros[0]);
}
