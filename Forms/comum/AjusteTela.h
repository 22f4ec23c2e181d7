#pragma once
// Sizes that let grids and boxes show what they hold, measured with the widget's own font:
// a grid whose name column takes the free width while the other columns fit their content, one
// line per row; boxes as wide as their longest value; a window as large as asked and the screen allows.

#include <QSize>
#include <QStringList>

class MaskEdit;
class QComboBox;
class QLineEdit;
class QTableView;
class QWidget;

namespace AjusteTela {

// Grids: rows one line high, no wrap; the column `colunaNome` stretches over the free width; every
// other column fits its title and content, up to about `caracteresMaximo` letters (a longer text
// ends in "...").
void grade(QTableView *g, int colunaNome, int caracteresMaximo = 20);

// Text width needed for `caracteres` characters of a box: up to 20 characters (codes, documents,
// numbers, dates) any value fits, counted as the widest letter ('W', digits '0' for masked boxes);
// longer boxes (names, addresses) count average upper-case letters.
int larguraTexto(const QWidget *w, int caracteres, bool mascarado);
// The box's minimum width shows its longest value whole (its mask or its maximum length); a long
// box asks for at most `maximo` letters and grows with its layout. A box whose minimum width is
// already set keeps it.
void caixa(QLineEdit *e, int maximo = 50);
// A box whose mask changes (CPF or CNPJ): wide enough for the longest of `mascaras`.
void caixaMascaras(MaskEdit *e, const QStringList &mascaras);
// A combo box as wide as `caracteres` letters, whatever its items.
void caixa(QComboBox *c, int caracteres);
// Every line edit of a panel that has a mask or a maximum length (combo boxes are sized by their window).
void caixas(QWidget *painel, int maximo = 50);

// Average width of an upper-case letter in the widget's font.
double larguraMediaMaiuscula(const QWidget *w);

// The window at `preferido`, as far as the available screen allows, centred on it.
void dimensiona(QWidget *janela, QSize preferido);

} // namespace AjusteTela
