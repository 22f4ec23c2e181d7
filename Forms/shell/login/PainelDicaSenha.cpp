#include "PainelDicaSenha.h"

#include "Mensagens.h"
#include "Query.h"
#include "LabelClicavel.h"

#include <QFocusEvent>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

PainelDicaSenha::PainelDicaSenha(Query &contas, QWidget *parent) : QFrame(parent), contas_(contas)
{
    setObjectName(QStringLiteral("PainelDicaSenha"));
    setFrameShape(QFrame::StyledPanel);

    LabelUsuariosCadastrados = new QLabel(this);
    LabelUsuariosCadastrados->setObjectName(QStringLiteral("LabelUsuariosCadastrados"));
    LabelUsuariosCadastrados->setWordWrap(true);
    EditCPF = new QLineEdit(this);
    EditCPF->setObjectName(QStringLiteral("EditCPF"));
    EditCPF->setMaxLength(20);
    EditCPF->installEventFilter(this);
    EditDicaSenha = new QLineEdit(this);
    EditDicaSenha->setObjectName(QStringLiteral("EditDicaSenha"));
    EditDicaSenha->setMaxLength(30); // the whole PUS_DICA_SENHA
    EditDicaSenha->setReadOnly(true);
    LabelFechar = new LabelClicavel(QStringLiteral("Fechar"), this);
    LabelFechar->setObjectName(QStringLiteral("LabelFechar"));

    auto *campos = new QFormLayout;
    campos->setRowWrapPolicy(QFormLayout::WrapAllRows); // each box as wide as the panel
    campos->addRow(QStringLiteral("Informe seu CPF"), EditCPF);
    campos->addRow(QStringLiteral("Dica de Senha"), EditDicaSenha);
    auto *l = new QVBoxLayout(this);
    l->addWidget(LabelUsuariosCadastrados);
    l->addLayout(campos);
    l->addWidget(LabelFechar, 0, Qt::AlignRight);

    connect(LabelFechar, &LabelClicavel::clicado, this, &PainelDicaSenha::LabelFecharClick);
}

void PainelDicaSenha::abre()
{
    QString lista;
    for (int i = 0; i < contas_.recordCount(); ++i)
        lista += QLatin1Char(' ') + contas_.valor(i, QStringLiteral("PUS_LOGIN")).toString() + QLatin1Char(';');
    LabelUsuariosCadastrados->setText(lista.isEmpty() ? QStringLiteral("Nenhum usuário cadastrado")
                                                      : QStringLiteral("Usuários cadastrados:") + lista);
    EditCPF->clear();
    EditDicaSenha->clear();
    show();
    raise();
    EditCPF->setFocus();
}

bool PainelDicaSenha::eventFilter(QObject *objeto, QEvent *evento)
{
    // Leaving the box inside the window; a dialog or another window taking the focus is no exit.
    if (objeto == EditCPF && evento->type() == QEvent::FocusOut && !fechando_) {
        const Qt::FocusReason r = static_cast<QFocusEvent *>(evento)->reason();
        if (r != Qt::ActiveWindowFocusReason && r != Qt::PopupFocusReason) EditCPFExit();
    }
    return QFrame::eventFilter(objeto, evento);
}

void PainelDicaSenha::EditCPFExit()
{
    const QString cpf = EditCPF->text();
    if (cpf.isEmpty()) {
        informacao(QStringLiteral("É necessário informar um CPF para obter a Dica de Senha !"));
        return;
    }
    for (int i = 0; i < contas_.recordCount(); ++i) {
        if (contas_.valor(i, QStringLiteral("PUS_CPF_CNPJ")).toString() != cpf) continue;
        EditDicaSenha->setText(contas_.valor(i, QStringLiteral("PUS_DICA_SENHA")).toString());
        Q_EMIT contaEncontrada(contas_.valor(i, QStringLiteral("PUS_CODIGO")).toInt(),
                               contas_.valor(i, QStringLiteral("PUS_LOGIN")).toString());
        return;
    }
    informacao(QStringLiteral("CPF não encontrado !"));
    EditCPF->clear();
    EditDicaSenha->clear();
    EditCPF->setFocus();
}

void PainelDicaSenha::LabelFecharClick()
{
    // Closing the panel is not a request for a hint.
    fechando_ = true;
    hide();
    fechando_ = false;
    Q_EMIT fechado();
}
