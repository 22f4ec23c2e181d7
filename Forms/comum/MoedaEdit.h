#pragma once
// Money box: shows "1.234,56"; while focused it edits "1234,56" (digits, one comma,
// at most two decimals, a leading minus) and it formats again when the focus leaves.

#include "Moeda.h"

#include <QLineEdit>

class MoedaEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit MoedaEdit(QWidget *parent = nullptr);

    // The amount typed; 0 when the box is empty or holds only a sign or a comma.
    Moeda valor() const;
    void setValor(Moeda valor);
    bool vazio() const { return text().isEmpty(); }

protected:
    void focusInEvent(QFocusEvent *e) override;
    void focusOutEvent(QFocusEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;

private:
    void formata();
};
