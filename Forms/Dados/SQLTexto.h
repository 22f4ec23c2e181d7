#pragma once
// A statement held as numbered lines, so that a window can replace one line
// (sql[9] = "AND ...") to set a filter piece or the sort order.

#include <QStringList>

class SQLTexto {
public:
    SQLTexto() = default;
    SQLTexto(std::initializer_list<QString> linhas) : linhas_(linhas) {}

    // Line i, created empty when the list is shorter.
    QString &operator[](qsizetype i)
    {
        while (linhas_.size() <= i) linhas_.append(QString());
        return linhas_[i];
    }
    QString linha(qsizetype i) const { return i < linhas_.size() ? linhas_.at(i) : QString(); }
    qsizetype count() const { return linhas_.size(); }
    void add(const QString &linha) { linhas_.append(linha); }
    void clear() { linhas_.clear(); }
    void defineLinhas(const QStringList &linhas) { linhas_ = linhas; }
    void defineTexto(const QString &texto) { linhas_ = texto.split(QLatin1Char('\n')); }
    const QStringList &linhas() const { return linhas_; }
    QString texto() const { return linhas_.join(QLatin1Char('\n')); }

private:
    QStringList linhas_;
};

// Named parameters (":NAME") turned into positional ones ("?"). Text inside quoted literals,
// quoted identifiers and comments is left as it is.
struct SQLPosicional {
    QString sql;
    QStringList nomes; // one per "?", in order, upper case; a name may repeat
};
SQLPosicional traduzParametros(const QString &sql);
