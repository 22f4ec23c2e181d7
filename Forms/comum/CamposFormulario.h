#pragma once
// The boxes and labels the edit panels of the registers build, named as the system names them
// (objectName set), so that each panel states only its own layout.

#include <QString>

class DataEdit;
class MaskEdit;
class QLabel;
class QAbstractItemModel;
class QObject;
class QPushButton;
class QTableView;
class QToolButton;
class QLineEdit;
class QWidget;

namespace CamposFormulario {

// A text box of `tamanho` characters at most, upper case unless told otherwise.
QLineEdit *caixa(QWidget *pai, const char *nome, int tamanho, bool maiuscula = true);
// A box with one of the system's mask strings ("99999\-999;0;_").
MaskEdit *mascarada(QWidget *pai, const char *nome, const QString &mascara);
// A date box; read only ones are grey and skipped by the focus.
DataEdit *caixaData(QWidget *pai, const char *nome, bool somenteLeitura = false);
QLabel *rotulo(QWidget *pai, const QString &texto, const char *nome = nullptr);
// A label that reads as a link ("Pesquisar CEP"); its linkActivated signal acts.
QLabel *link(QWidget *pai, const QString &texto, const char *nome);
// A button of a window's toolbar: it acts by click or key and never takes the focus.
QPushButton *botaoBarra(QWidget *pai, const char *nome, const QString &texto, const QString &dica = {});
// A value of a detail panel: bold, wrapping, selectable with the mouse.
QLabel *valorPainel(QWidget *pai, const char *nome);
// The three controls of a picker, named "EditEscolhe{nome}", "ButEscolhe{nome}" and
// "GridEscolhe{nome}": the upper-case box of 50 characters (ENTER and ESC left to `filtro`, which
// also receives its events), the list button and the hidden list of whole rows over `modelo`.
struct ControlesEscolha {
    QLineEdit *edit;
    QToolButton *botao;
    QTableView *grade;
};
ControlesEscolha controlesEscolha(QWidget *pai, const QString &nome, QAbstractItemModel *modelo, QObject *filtro);
// Read only, grey and out of the focus order (the code boxes).
void somenteLeitura(QWidget *campo);

} // namespace CamposFormulario
