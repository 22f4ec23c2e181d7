#pragma once
// Date box: the mask "##/##/####", always read and shown as dd/MM/yyyy.

#include "MaskEdit.h"

#include <QDate>

class DataEdit : public MaskEdit {
    Q_OBJECT
public:
    static inline const QString Mascara = QStringLiteral("##/##/####");

    explicit DataEdit(QWidget *parent = nullptr);

    // The typed date; invalid when the box is untouched or holds no real date.
    QDate data() const;
    // An invalid date empties the box.
    void setData(const QDate &data);

    // "dd/MM/yyyy" text of `texto` as typed in the mask (blanks beside a day or month
    // digit are allowed: "1 /2 /2024"); an invalid QDate for anything else.
    static QDate interpreta(const QString &texto);
};
