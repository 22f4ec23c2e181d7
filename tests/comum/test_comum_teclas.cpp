#include "test_comum.h"

#include "TeclasNavegacao.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>
#include <QVBoxLayout>

namespace {

// A window with the rule installed and its controls in focus order.
struct Janela {
    QWidget janela;
    QList<QWidget *> controles;
    TeclasNavegacao *teclas = TeclasNavegacao::instala(&janela);

    explicit Janela(QList<QWidget *> lista) : controles(lista)
    {
        auto *l = new QVBoxLayout(&janela);
        for (QWidget *w : lista) l->addWidget(w);
    }
    bool mostra()
    {
        janela.show();
        janela.activateWindow();
        return QTest::qWaitForWindowActive(&janela);
    }
};

// Keys that reached a control.
struct Gravador : QObject {
    QList<int> teclas;
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::KeyPress) teclas.append(static_cast<QKeyEvent *>(e)->key());
        return false;
    }
};

void tecla(int k, Qt::KeyboardModifiers m = Qt::NoModifier)
{
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(k), m);
}

} // namespace

void TesteComum::enterEEscMovemFoco()
{
    Janela j({new QLineEdit, new QLineEdit, new QLineEdit});
    QVERIFY(j.mostra());
    auto *primeiro = static_cast<QLineEdit *>(j.controles[0]);
    QSignalSpy enter(primeiro, &QLineEdit::returnPressed);
    primeiro->setFocus();

    tecla(Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), j.controles[1]);
    tecla(Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(QApplication::focusWidget(), j.controles[2]);
    tecla(Qt::Key_Escape);
    QCOMPARE(QApplication::focusWidget(), j.controles[1]);
    tecla(Qt::Key_Escape);
    QCOMPARE(QApplication::focusWidget(), j.controles[0]);
    QCOMPARE(enter.count(), 0); // the window took ENTER before the box
}

void TesteComum::escNaoFechaDialogo()
{
    QDialog dialogo;
    auto *a = new QLineEdit, *b = new QLineEdit;
    auto *ok = new QPushButton(QStringLiteral("OK"));
    ok->setDefault(true);
    auto *l = new QVBoxLayout(&dialogo);
    l->addWidget(a);
    l->addWidget(b);
    l->addWidget(ok);
    TeclasNavegacao::instala(&dialogo);
    QSignalSpy fechou(&dialogo, &QDialog::finished);
    dialogo.show();
    dialogo.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dialogo));
    b->setFocus();

    tecla(Qt::Key_Escape);
    QCOMPARE(QApplication::focusWidget(), a);
    tecla(Qt::Key_Return); // not the default button either
    QCOMPARE(QApplication::focusWidget(), b);
    QVERIFY(dialogo.isVisible());
    QCOMPARE(fechou.count(), 0);
}

void TesteComum::controleExcluido_data()
{
    QTest::addColumn<QString>("tipo");
    QTest::addColumn<int>("proprias");
    QTest::addColumn<bool>("porPropriedade");
    QTest::addColumn<bool>("enterFica");
    QTest::addColumn<bool>("escFica");
    const int enter = TeclasNavegacao::Enter, esc = TeclasNavegacao::Esc;
    QTest::newRow("memo com ENTER próprio") << "memo" << enter << false << true << false;
    QTest::newRow("memo sem exclusão") << "memo" << 0 << false << false << false;
    // The box leaves ENTER unused; on its way up to the window it must not move the focus.
    QTest::newRow("linha com ENTER próprio") << "linha" << enter << false << true << false;
    QTest::newRow("linha por propriedade") << "linha" << enter << true << true << false;
    QTest::newRow("grade com ENTER e ESC próprios") << "grade" << (enter | esc) << false << true << true;
}

void TesteComum::controleExcluido()
{
    QFETCH(QString, tipo);
    QFETCH(int, proprias);
    QFETCH(bool, porPropriedade);
    QFETCH(bool, enterFica);
    QFETCH(bool, escFica);

    QWidget *controle = nullptr;
    if (tipo == u"memo") controle = new QPlainTextEdit;
    else if (tipo == u"linha") controle = new QLineEdit;
    else controle = new QTableWidget(2, 2);
    Janela j({new QLineEdit, controle, new QLineEdit});
    if (porPropriedade) controle->setProperty(TeclasNavegacao::PropriedadeTeclasProprias, proprias);
    else if (proprias) j.teclas->exclui(controle, TeclasNavegacao::Teclas::fromInt(proprias));
    QVERIFY(j.mostra());

    auto *linha = qobject_cast<QLineEdit *>(controle);
    QSignalSpy enter(linha ? linha : new QLineEdit(&j.janela), &QLineEdit::returnPressed);
    controle->setFocus();
    tecla(Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), enterFica ? controle : j.controles[2]);
    if (auto *memo = qobject_cast<QPlainTextEdit *>(controle))
        QCOMPARE(memo->toPlainText(), enterFica ? QStringLiteral("\n") : QString());
    if (linha) QCOMPARE(enter.count(), 1);

    controle->setFocus();
    tecla(Qt::Key_Escape);
    QCOMPARE(QApplication::focusWidget(), escFica ? controle : j.controles[0]);
}

void TesteComum::teclaDeFuncao_data()
{
    QTest::addColumn<bool>("habilitado");
    QTest::addColumn<bool>("visivel");
    QTest::addColumn<int>("cliques");
    QTest::newRow("habilitado") << true << true << 1;
    QTest::newRow("desabilitado") << false << true << 0;
    QTest::newRow("oculto") << true << false << 0;
}

void TesteComum::teclaDeFuncao()
{
    QFETCH(bool, habilitado);
    QFETCH(bool, visivel);
    auto *edit = new QLineEdit;
    auto *botao = new QPushButton(QStringLiteral("Grava"));
    Janela j({edit, botao});
    int fechar = 0, voltar = 0;
    j.teclas->associa(Qt::Key_F6, botao)
        .associa(Qt::Key_F11, [&fechar] { ++fechar; })
        .associa(Qt::Key_Escape, [&voltar] { ++voltar; });
    QVERIFY(j.mostra());
    botao->setEnabled(habilitado);
    botao->setVisible(visivel);
    QSignalSpy clicou(botao, &QPushButton::clicked);
    Gravador gravador;
    edit->installEventFilter(&gravador);
    edit->setFocus();

    tecla(Qt::Key_F6);
    QTEST(int(clicou.count()), "cliques");
    tecla(Qt::Key_F11);
    QCOMPARE(fechar, 1);
    tecla(Qt::Key_Escape); // associated: acts instead of moving the focus
    QCOMPARE(voltar, 1);
    tecla(Qt::Key_F8); // not associated: the box gets it
    QCOMPARE(gravador.teclas, QList<int>{Qt::Key_F8});
    QCOMPARE(QApplication::focusWidget(), edit);
}

void TesteComum::teclasDeOutraJanela()
{
    // A window of the program is a separate window inside the main one: the main window's
    // rule does not act on its keys.
    auto *a0 = new QLineEdit, *a1 = new QLineEdit;
    auto *botao = new QPushButton(QStringLiteral("Grava"));
    Janela principal({a0, a1, botao});
    principal.teclas->associa(Qt::Key_F6, botao);
    QVERIFY(principal.mostra());
    a0->setFocus();
    QSignalSpy clicou(botao, &QPushButton::clicked);

    auto *outra = new QWidget(&principal.janela, Qt::Window);
    auto *b0 = new QLineEdit(outra);
    auto *b1 = new QLineEdit(outra);
    b1->move(0, 40);
    outra->show();
    outra->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(outra));
    QTRY_COMPARE(QApplication::activeWindow(), outra);
    b0->setFocus();

    tecla(Qt::Key_F6);
    tecla(Qt::Key_Return);
    QCOMPARE(clicou.count(), 0);
    QCOMPARE(QApplication::focusWidget(), b0);
    QCOMPARE(principal.janela.focusWidget(), a0);
}

void TesteComum::antesVeCadaTeclaUmaVez()
{
    auto *edit = new QLineEdit;
    Janela j({edit, new QLineEdit});
    QList<int> vistas;
    j.teclas->setAntes([&vistas](QKeyEvent *e) {
        vistas.append(e->key());
        return e->key() == Qt::Key_F2;
    });
    j.teclas->exclui(edit);
    QVERIFY(j.mostra());
    Gravador gravador;
    edit->installEventFilter(&gravador);
    edit->setFocus();

    // The box leaves ENTER unused, so it goes on up to the window: still seen once.
    tecla(Qt::Key_Return);
    tecla(Qt::Key_F2);
    tecla(Qt::Key_A);
    QCOMPARE(vistas, (QList<int>{Qt::Key_Return, Qt::Key_F2, Qt::Key_A}));
    QCOMPARE(gravador.teclas, (QList<int>{Qt::Key_Return, Qt::Key_A}));
    QCOMPARE(edit->text(), QStringLiteral("a"));
}
