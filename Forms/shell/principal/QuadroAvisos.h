#pragma once
// The notice board of the main window (PainelQuadroAvisos): four lines of installments due
// (title, count and amount labels, all clickable), the period of "Emitidas:", the birthday
// lines and the date of the last backup.

#include <QFrame>

#include "Lembretes.h"

class DataEdit;
class LabelClicavel;
class QLabel;

class QuadroAvisos : public QFrame {
    Q_OBJECT
public:
    enum class Lembrete { Hoje, Vencidas, Semana, Emitidas, Aniversario, Backup };

    static inline const QColor CorHoje{0x00, 0xA4, 0x00};
    static inline const QColor CorSemana{0xF2, 0x79, 0x00};
    static inline const QColor CorVencidas{0xFF, 0x00, 0x00};
    static inline const QColor CorNenhum{0x5D, 0x5D, 0x5D};
    static inline const QColor CorAniversario{0x00, 0x80, 0xC0};

    explicit QuadroAvisos(QWidget *parent = nullptr);

    QLabel *LabelQuadroAvisos;
    QLabel *LabelRelacaoVencimentos;
    LabelClicavel *LembretePromissoriasHoje, *LembretePromissoriasHoje2, *LembretePromissoriasHoje3;
    LabelClicavel *LembretePromissoriasVencidas, *LembretePromissoriasVencidas2, *LembretePromissoriasVencidas3;
    QLabel *LabelSomaAtrasadasEHoje;
    LabelClicavel *LembretePromissoriasSemana, *LembretePromissoriasSemana2, *LembretePromissoriasSemana3;
    LabelClicavel *LembretePromissoriasEmitidas, *LembretePromissoriasEmitidas2, *LembretePromissoriasEmitidas3;
    QLabel *LabelVencEntre;
    DataEdit *PesqEditDataEntre1, *PesqEditDataEntre2;
    LabelClicavel *LembreteAniverHoje, *LembreteAniverMes;
    LabelClicavel *LabelBackup;

    // Shows the figures read for `dia`.
    void mostra(const ContagemLembretes &c, QDate dia);

    // Colour of a label's text.
    static QColor cor(const QLabel *label);

Q_SIGNALS:
    void lembreteClicado(QuadroAvisos::Lembrete lembrete);

private:
    LabelClicavel *rotulo(const char *nome, const QString &texto, Lembrete lembrete);
    void mostraLinha(LabelClicavel *titulo, LabelClicavel *quantidade, LabelClicavel *valor,
                     const ContagemLinha &c, const QColor &corLinha);
};
