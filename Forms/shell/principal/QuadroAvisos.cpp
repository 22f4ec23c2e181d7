#include "QuadroAvisos.h"

#include "DataEdit.h"
#include "LabelClicavel.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {
void pinta(QLabel *l, const QColor &c)
{
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, c);
    l->setPalette(p);
}

void negrito(QLabel *l, bool sim)
{
    QFont f = l->font();
    f.setBold(sim);
    l->setFont(f);
}
} // namespace

LabelClicavel *QuadroAvisos::rotulo(const char *nome, const QString &texto, Lembrete lembrete)
{
    auto *l = new LabelClicavel(texto, this);
    l->setObjectName(QString::fromLatin1(nome));
    connect(l, &LabelClicavel::clicado, this, [this, lembrete] { Q_EMIT lembreteClicado(lembrete); });
    return l;
}

QuadroAvisos::QuadroAvisos(QWidget *parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("PainelQuadroAvisos"));
    setFrameShape(QFrame::StyledPanel);

    LabelQuadroAvisos = new QLabel(QStringLiteral("QUADRO DE AVISOS"), this);
    LabelQuadroAvisos->setObjectName(QStringLiteral("LabelQuadroAvisos"));
    QFont titulo = LabelQuadroAvisos->font();
    titulo.setBold(true);
    titulo.setPointSize(titulo.pointSize() + 6);
    LabelQuadroAvisos->setFont(titulo);
    LabelRelacaoVencimentos = new QLabel(
        QStringLiteral("Relação de vencimentos de Notas Promissórias (clique nos avisos para visualizar detalhes)"), this);
    LabelRelacaoVencimentos->setObjectName(QStringLiteral("LabelRelacaoVencimentos"));

    LembretePromissoriasHoje = rotulo("LembretePromissoriasHoje", QStringLiteral("Hoje:"), Lembrete::Hoje);
    LembretePromissoriasHoje2 = rotulo("LembretePromissoriasHoje2", QStringLiteral("0"), Lembrete::Hoje);
    LembretePromissoriasHoje3 = rotulo("LembretePromissoriasHoje3", QString(), Lembrete::Hoje);
    LembretePromissoriasVencidas = rotulo("LembretePromissoriasVencidas", QStringLiteral("ATRASADAS:"), Lembrete::Vencidas);
    LembretePromissoriasVencidas2 = rotulo("LembretePromissoriasVencidas2", QStringLiteral("0"), Lembrete::Vencidas);
    LembretePromissoriasVencidas3 = rotulo("LembretePromissoriasVencidas3", QString(), Lembrete::Vencidas);
    LabelSomaAtrasadasEHoje = new QLabel(this);
    LabelSomaAtrasadasEHoje->setObjectName(QStringLiteral("LabelSomaAtrasadasEHoje"));
    LembretePromissoriasSemana = rotulo("LembretePromissoriasSemana", QStringLiteral("Próx. 7 dias:"), Lembrete::Semana);
    LembretePromissoriasSemana2 = rotulo("LembretePromissoriasSemana2", QStringLiteral("0"), Lembrete::Semana);
    LembretePromissoriasSemana3 = rotulo("LembretePromissoriasSemana3", QString(), Lembrete::Semana);
    LembretePromissoriasEmitidas = rotulo("LembretePromissoriasEmitidas", QStringLiteral("Emitidas:"), Lembrete::Emitidas);
    LembretePromissoriasEmitidas2 = rotulo("LembretePromissoriasEmitidas2", QStringLiteral("0"), Lembrete::Emitidas);
    LembretePromissoriasEmitidas3 = rotulo("LembretePromissoriasEmitidas3", QString(), Lembrete::Emitidas);

    LabelVencEntre = new QLabel(QStringLiteral("Venc entre"), this);
    LabelVencEntre->setObjectName(QStringLiteral("LabelVencEntre"));
    PesqEditDataEntre1 = new DataEdit(this);
    PesqEditDataEntre1->setObjectName(QStringLiteral("PesqEditDataEntre1"));
    PesqEditDataEntre2 = new DataEdit(this);
    PesqEditDataEntre2->setObjectName(QStringLiteral("PesqEditDataEntre2"));
    for (DataEdit *e : {PesqEditDataEntre1, PesqEditDataEntre2}) e->setFixedWidth(90);

    LembreteAniverHoje = rotulo("LembreteAniverHoje", QString(), Lembrete::Aniversario);
    LembreteAniverMes = rotulo("LembreteAniverMes", QString(), Lembrete::Aniversario);
    LabelBackup = rotulo("LabelBackup", QStringLiteral("Faça backup diariamente. Seu último backup: "), Lembrete::Backup);

    QFont linha = LembretePromissoriasHoje->font();
    linha.setBold(true);
    linha.setPointSize(linha.pointSize() + 3);
    for (QLabel *l : {static_cast<QLabel *>(LembretePromissoriasHoje), static_cast<QLabel *>(LembretePromissoriasHoje2),
                      static_cast<QLabel *>(LembretePromissoriasHoje3), static_cast<QLabel *>(LembretePromissoriasVencidas),
                      static_cast<QLabel *>(LembretePromissoriasVencidas2), static_cast<QLabel *>(LembretePromissoriasVencidas3),
                      LabelSomaAtrasadasEHoje, static_cast<QLabel *>(LembretePromissoriasSemana),
                      static_cast<QLabel *>(LembretePromissoriasSemana2), static_cast<QLabel *>(LembretePromissoriasSemana3),
                      static_cast<QLabel *>(LembretePromissoriasEmitidas), static_cast<QLabel *>(LembretePromissoriasEmitidas2),
                      static_cast<QLabel *>(LembretePromissoriasEmitidas3)})
        l->setFont(linha);

    auto *grade = new QGridLayout;
    grade->setHorizontalSpacing(18);
    const QList<QList<QWidget *>> linhas = {
        {LembretePromissoriasHoje, LembretePromissoriasHoje2, LembretePromissoriasHoje3},
        {LembretePromissoriasVencidas, LembretePromissoriasVencidas2, LembretePromissoriasVencidas3, LabelSomaAtrasadasEHoje},
        {LembretePromissoriasSemana, LembretePromissoriasSemana2, LembretePromissoriasSemana3},
        {LembretePromissoriasEmitidas, LembretePromissoriasEmitidas2, LembretePromissoriasEmitidas3},
    };
    for (int i = 0; i < linhas.size(); ++i)
        for (int j = 0; j < linhas[i].size(); ++j) grade->addWidget(linhas[i][j], i, j);
    grade->setColumnStretch(4, 1);

    auto *periodo = new QHBoxLayout;
    periodo->addWidget(LabelVencEntre);
    periodo->addWidget(PesqEditDataEntre1);
    periodo->addWidget(PesqEditDataEntre2);
    periodo->addStretch();

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(LabelQuadroAvisos, 0, Qt::AlignHCenter);
    layout->addWidget(LabelRelacaoVencimentos);
    layout->addSpacing(10);
    layout->addLayout(grade);
    layout->addLayout(periodo);
    layout->addSpacing(14);
    layout->addWidget(LembreteAniverHoje);
    layout->addWidget(LembreteAniverMes);
    layout->addSpacing(14);
    layout->addWidget(LabelBackup);
    layout->addStretch();
}

QColor QuadroAvisos::cor(const QLabel *label) { return label->palette().color(QPalette::WindowText); }

void QuadroAvisos::mostraLinha(LabelClicavel *titulo, LabelClicavel *quantidade, LabelClicavel *valor,
                               const ContagemLinha &c, const QColor &corLinha)
{
    const bool tem = c.registros > 0;
    quantidade->setText(QString::number(c.registros));
    valor->setText(tem ? c.valor.formatado() : QString());
    for (QLabel *l : {titulo, quantidade, valor}) pinta(l, tem ? corLinha : CorNenhum);
}

void QuadroAvisos::mostra(const ContagemLembretes &c, QDate dia)
{
    mostraLinha(LembretePromissoriasHoje, LembretePromissoriasHoje2, LembretePromissoriasHoje3, c.hoje, CorHoje);
    mostraLinha(LembretePromissoriasSemana, LembretePromissoriasSemana2, LembretePromissoriasSemana3, c.semana, CorSemana);
    mostraLinha(LembretePromissoriasVencidas, LembretePromissoriasVencidas2, LembretePromissoriasVencidas3, c.vencidas,
                CorVencidas);
    LabelSomaAtrasadasEHoje->setText(QStringLiteral("Soma :  ") + (c.hoje.valor + c.vencidas.valor).formatado());

    LembretePromissoriasEmitidas2->setText(QString::number(c.emitidas.registros));
    LembretePromissoriasEmitidas3->setText(c.emitidas.valor.formatado());

    if (c.aniversariantesHoje > 0) {
        LembreteAniverHoje->setText(QStringLiteral("%1  Aniversariantes hoje").arg(c.aniversariantesHoje));
        pinta(LembreteAniverHoje, CorAniversario);
    } else {
        LembreteAniverHoje->setText(QStringLiteral("Nenhum aniversariante hoje"));
        pinta(LembreteAniverHoje, CorNenhum);
    }
    if (c.aniversariantesMes > 0) {
        LembreteAniverMes->setText(QStringLiteral("%1  Aniversariante(s) neste mês").arg(c.aniversariantesMes));
        pinta(LembreteAniverMes, CorAniversario);
    } else {
        LembreteAniverMes->setText(QStringLiteral("Nenhum Aniversariante neste mês"));
        pinta(LembreteAniverMes, CorNenhum);
    }

    LabelBackup->setText(QStringLiteral("Faça backup diariamente. Seu último backup: ")
                         + (c.ultimoBackup.isValid() ? c.ultimoBackup.toString(QStringLiteral("dd/MM/yyyy")) : QString()));
    const QDate backup = c.ultimoBackup.isValid() ? c.ultimoBackup : dataZero();
    negrito(LabelBackup, dia.addDays(-7) > backup);
}
