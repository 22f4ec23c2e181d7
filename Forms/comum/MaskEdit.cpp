#include "MaskEdit.h"

#include <QMouseEvent>

MaskEdit::MaskEdit(QWidget *parent) : QLineEdit(parent) {}

MaskEdit::MaskEdit(const QString &mascara, QWidget *parent) : QLineEdit(parent)
{
    setMascara(mascara);
}

void MaskEdit::setMascara(const QString &mascara)
{
    const bool tinhaMascara = temMascara();
    const QString antes = tinhaMascara ? digitados() : text();

    mascara_ = mascara;
    interpretada_ = MascaraDelphi::interpreta(mascara);
    posicoes_ = interpretada_.posicoes();
    setInputMask(interpretada_.paraQt());

    if (temMascara()) preenche(antes, !tinhaMascara);
    else setText(antes);
}

QList<QChar> MaskEdit::conteudo() const
{
    QList<QChar> r(posicoes_.size());
    const QString mostrado = displayText();
    for (qsizetype i = 0; i < posicoes_.size() && i < mostrado.size(); ++i) {
        if (posicoes_.at(i).ehLiteral()) r[i] = posicoes_.at(i).literal;
        else if (mostrado.at(i) != interpretada_.branco) r[i] = mostrado.at(i);
    }
    return r;
}

QString MaskEdit::digitados() const
{
    QString r;
    const QList<QChar> c = conteudo();
    for (qsizetype i = 0; i < c.size(); ++i)
        if (!posicoes_.at(i).ehLiteral() && !c.at(i).isNull()) r += c.at(i);
    return r;
}

bool MaskEdit::vazio() const
{
    return temMascara() ? digitados().isEmpty() : text().isEmpty();
}

QString MaskEdit::texto() const
{
    if (!temMascara()) return text();
    if (vazio()) return QString();
    if (!interpretada_.salvaLiterais) return digitados();
    QString r;
    for (const QChar c : conteudo())
        if (!c.isNull()) r += c;
    return r;
}

QString MaskEdit::textoVisivel() const
{
    if (!temMascara()) return text();
    QString r;
    for (const QChar c : conteudo()) r += c.isNull() ? QChar(u' ') : c;
    return r;
}

void MaskEdit::setTexto(const QString &armazenado)
{
    if (temMascara()) preenche(armazenado, interpretada_.salvaLiterais);
    else setText(armazenado);
}

void MaskEdit::preenche(const QString &valor, bool comLiterais)
{
    const qsizetype n = posicoes_.size();
    const bool daDireita = interpretada_.preencheDaDireita();
    QList<QChar> alvo(n);
    qsizetype j = daDireita ? valor.size() - 1 : 0;
    const qsizetype passo = daDireita ? -1 : 1;
    for (qsizetype k = 0; k < n && j >= 0 && j < valor.size(); ++k) {
        const qsizetype i = daDireita ? n - 1 - k : k;
        const PosicaoMascara &p = posicoes_.at(i);
        const QChar c = valor.at(j);
        if (p.ehLiteral()) {
            if (comLiterais && c == p.literal) j += passo;
            continue;
        }
        j += passo;
        if (c != u' ' && c != interpretada_.branco && p.aceita(c)) alvo[i] = c;
    }

    // QLineEdit::setText places characters in sequence and cannot leave a required
    // position blank: up to the first such position the text goes in at once, each
    // character after it is inserted at its own position.
    qsizetype corte = 0;
    QString inicio;
    for (; corte < n; ++corte) {
        const PosicaoMascara &p = posicoes_.at(corte);
        if (p.ehLiteral()) inicio += p.literal;
        else if (!alvo.at(corte).isNull()) inicio += alvo.at(corte);
        else if (!p.obrigatoria) inicio += interpretada_.branco;
        else break;
    }
    setText(inicio);
    for (qsizetype i = corte; i < n; ++i) {
        if (alvo.at(i).isNull()) continue;
        setCursorPosition(int(i));
        insert(QString(alvo.at(i)));
    }
    setModified(false);
    if (vazio()) setCursorPosition(primeiraEntrada());
}

int MaskEdit::primeiraEntrada() const
{
    for (qsizetype i = 0; i < posicoes_.size(); ++i)
        if (!posicoes_.at(i).ehLiteral()) return int(i);
    return 0;
}

void MaskEdit::mousePressEvent(QMouseEvent *e)
{
    QLineEdit::mousePressEvent(e);
    // A click into an empty box starts typing at its first position, wherever it landed.
    if (temMascara() && vazio() && e->button() == Qt::LeftButton) setCursorPosition(primeiraEntrada());
}
