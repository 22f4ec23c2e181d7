#pragma once
// The options dialog "Opções de Impressão": where a report goes (preview, printer or file).

#include <QDialog>

class QComboBox;
class QRadioButton;
class QPushButton;

class DialogoOpcoesImpressao : public QDialog {
    Q_OBJECT
public:
    enum class Destino { Visualizacao, Impressora, Arquivo };

    explicit DialogoOpcoesImpressao(const QString &titulo, const QString &formatoArquivo, QWidget *parent = nullptr);

    Destino destino() const;
    void defineDestino(Destino d);

    QRadioButton *RadioImpressora;
    QRadioButton *RadioVisualizar;
    QRadioButton *RadioArquivo;
    QComboBox *ComboFormato;
    QPushButton *ButOk;
    QPushButton *ButCancelar;
};
