#include "TfComandosSQL.h"

#include "Comando.h"
#include "Dados.h"
#include "ErroBD.h"
#include "Mensagens.h"
#include "ModeloTabela.h"
#include "TeclasNavegacao.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

TfComandosSQL::TfComandosSQL(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint),
      TransQrySQL(dados().DataBase, QStringLiteral("TransQrySQL")),
      QrySQL(dados().DataBase, TransQrySQL),
      TransResultado(dados().DataBase, QStringLiteral("TransResultado")),
      QryResultado(dados().DataBase, TransResultado)
{
    setObjectName(QStringLiteral("TfComandosSQL"));
    setWindowTitle(QStringLiteral(" Comandos SQL"));
    resize(640, 480);

    LabelAtencao = new QLabel(QStringLiteral("ATENÇÃO: Execute somente se tiver certeza!"), this);
    LabelAtencao->setObjectName(QStringLiteral("LabelAtencao"));
    LabelAtencao->setStyleSheet(QStringLiteral("color: #c00000; font-weight: bold;"));
    LabelInstrucao = new QLabel(QStringLiteral("Digite o comando desejado e clique em Executar"), this);
    LabelInstrucao->setObjectName(QStringLiteral("LabelInstrucao"));
    MemoVerifica = new QPlainTextEdit(this);
    MemoVerifica->setObjectName(QStringLiteral("MemoVerifica"));
    MemoVerifica->setLineWrapMode(QPlainTextEdit::NoWrap);
    ButExecutar = new QPushButton(QStringLiteral("Executar"), this);
    ButExecutar->setObjectName(QStringLiteral("ButExecutar"));
    ButExecutar->setAutoDefault(false);
    GridResultado = new QTableView(this);
    GridResultado->setObjectName(QStringLiteral("GridResultado"));
    GridResultado->setEditTriggers(QAbstractItemView::NoEditTriggers);
    GridResultado->verticalHeader()->hide();
    modelo_ = new ModeloTabela(QryResultado, this);
    GridResultado->setModel(modelo_);
    GridResultado->hide();

    auto *l = new QVBoxLayout(this);
    l->addWidget(LabelAtencao);
    l->addWidget(LabelInstrucao);
    l->addWidget(MemoVerifica, 2);
    l->addWidget(ButExecutar, 0, Qt::AlignRight);
    l->addWidget(GridResultado, 3);

    // ENTER makes a new line in the box.
    TeclasNavegacao::instala(this)->exclui(MemoVerifica);
    connect(ButExecutar, &QPushButton::clicked, this, &TfComandosSQL::ButExecutarClick);
}

TfComandosSQL::~TfComandosSQL() { encerraTransacao(); }

void TfComandosSQL::showEvent(QShowEvent *e)
{
    QWidget::showEvent(e);
    MemoVerifica->clear();
    MemoVerifica->setFocus();
}

void TfComandosSQL::closeEvent(QCloseEvent *e)
{
    encerraTransacao();
    QWidget::closeEvent(e);
}

void TfComandosSQL::encerraTransacao()
{
    QrySQL.close();
    QryResultado.close();
    if (TransQrySQL.ativa()) TransQrySQL.commit();
    if (TransResultado.ativa()) TransResultado.commit();
}

bool TfComandosSQL::executaLinha(const QString &linha)
{
    // The statement's kind, as the database sees it, decides: rows to show or a command to run.
    Comando tipo(dados().DataBase, linha);
    if (tipo.ehSelecao(TransResultado.leitura())) {
        QryResultado.close();
        QryResultado.sql.defineTexto(linha);
        QryResultado.open();
        return true;
    }
    QrySQL.sql.defineTexto(linha);
    QrySQL.execSQL();
    TransQrySQL.commitRetaining();
    return false;
}

void TfComandosSQL::ButExecutarClick()
{
    if (MemoVerifica->toPlainText().isEmpty()) {
        informacao(QStringLiteral("Nenhuma comando encontrado!"));
        return;
    }
    TransQrySQL.inicia();
    QrySQL.close();
    QrySQL.sql.clear();
    bool mostraLinhas = false;
    const QStringList linhas = MemoVerifica->toPlainText().split(QLatin1Char('\n'));
    for (int i = 0; i < linhas.size(); ++i) {
        // A line of blanks is as empty as an empty one.
        const QString linha = linhas.at(i).trimmed();
        if (linha.isEmpty()) continue;
        try {
            mostraLinhas = executaLinha(linha) || mostraLinhas;
        } catch (const ErroBD &e) {
            // The lines before stay committed; this one and the later ones change nothing.
            TransQrySQL.rollbackRetaining();
            GridResultado->setVisible(mostraLinhas);
            mensagemErro(e.mensagem() + QStringLiteral("\r\rLinha %1: %2").arg(i + 1).arg(linha));
            return;
        }
    }
    MemoVerifica->clear();
    QrySQL.sql.clear();
    QrySQL.close();
    TransQrySQL.commit();
    GridResultado->setVisible(mostraLinhas);
    if (mostraLinhas) GridResultado->resizeColumnsToContents();
    informacao(QStringLiteral("Comandos executados com sucesso! Feche a janela e Reinicie o programa!"));
}
