#include "test_login.h"

#include "Aplicacao.h"
#include "Dados.h"
#include "InstalacaoTeste.h"
#include "MensagensRoteiro.h"
#include "PlataformaGravadora.h"
#include "RelogioFixo.h"
#include "TesteJanelas.h"
#include "TfLogin.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

void PrincipalTeste::concluiLogin()
{
    chamadas << QStringLiteral("concluiLogin");
    usuario = dados().CodUsuarioLogado;
    nomeUsuario = dados().NomeUsuarioLogado;
    empresa = dados().CodEmpresaLogada;
    nomeEmpresa = dados().NomeEmpresaLogada;
}

void PrincipalTeste::mostraComputador(const QString &nome, const QString &ip)
{
    chamadas << QStringLiteral("mostraComputador ") + nome;
}

void TesteLogin::init()
{
    Aplicacao::reinicia();
    inst = std::make_unique<InstalacaoTeste>();
    relogio = std::make_unique<RelogioFixo>();
    msgs = std::make_unique<MensagensRoteiro>();
    plataforma = std::make_unique<PlataformaGravadora>();
    dm = std::make_unique<Dados>();
    principal = std::make_unique<PrincipalTeste>();
    JanelaPrincipal::define(principal.get());
}

void TesteLogin::cleanup()
{
    login.reset();
    QString porque;
    const bool completo = msgs->verificaFim(&porque);
    JanelaPrincipal::define(nullptr);
    principal.reset();
    dm.reset();
    plataforma.reset();
    msgs.reset();
    relogio.reset();
    inst.reset();
    QVERIFY2(completo, qPrintable(porque));
}

void TesteLogin::prepara(const QStringList &comandos)
{
    if (!dm->DataBase.conectado()) {
        dm->carregaRegistro();
        dm->conecta();
    }
    for (const QString &c : comandos) dm->DataBase.executa(c);
}

void TesteLogin::preparaContas(const QStringList &empresas)
{
    QStringList c = {
        "INSERT INTO USUARIOS (US_CODIGO, US_NOME) VALUES (1, 'ANA')",
        "INSERT INTO USUARIOS (US_CODIGO, US_NOME) VALUES (2, 'BETO')",
        "INSERT INTO USUARIOSPERMISSOES (PUS_CODIGO, PUS_USUARIO, PUS_LOGIN, PUS_SENHA, PUS_CPF_CNPJ, PUS_DICA_SENHA) "
        "VALUES (1, 'T', 'Ana', 'abc', '12345678909', 'gato')",
        "INSERT INTO USUARIOSPERMISSOES (PUS_CODIGO, PUS_USUARIO, PUS_LOGIN) VALUES (2, 'T', 'BETO')",
    };
    for (int i = 0; i < empresas.size(); ++i)
        c << QStringLiteral("INSERT INTO EMPRESAS (EM_CODIGO, EM_NOME) VALUES (%1, '%2')").arg(i + 1).arg(empresas[i]);
    prepara(c);
}

QVariant TesteLogin::valor(const QString &sql)
{
    if (!dm->DataBase.conectado()) prepara({});
    Transacao tr(dm->DataBase);
    Query q(dm->DataBase, tr);
    q.sql.defineLinhas({sql});
    q.open();
    return q.valor(0, 0);
}

void TesteLogin::abreLogin()
{
    login = std::make_unique<TfLogin>();
    login->show();
    QCoreApplication::processEvents(); // the settings load once the window is on screen
    if (!login->isVisible()) return;
    login->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(login.get()));
}

void TesteLogin::digita(QWidget *w, const QString &texto)
{
    w->setFocus();
    if (auto *e = qobject_cast<QLineEdit *>(w)) e->home(false);
    QTest::keyClicks(w, texto);
}

void TesteLogin::tecla(int k, Qt::KeyboardModifiers m)
{
    QWidget *alvo = QApplication::focusWidget();
    QTest::keyClick(alvo ? alvo : login.get(), Qt::Key(k), m);
}

void TesteLogin::clica(QWidget *w) { QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center()); }

QWidget *TesteLogin::foco() const { return QApplication::focusWidget(); }

QString TesteLogin::nomeDoFoco() const
{
    for (QWidget *w = QApplication::focusWidget(); w; w = w->parentWidget())
        if (!w->objectName().isEmpty()) return w->objectName();
    return {};
}

void TesteLogin::primeiraEntrada(const QString &nome, const QString &senha)
{
    abreLogin();
    msgs->espera(QStringLiteral("Você cadastrou o usuário"), BotaoSim)
        .espera(QStringLiteral("Depois, acesse o menu Cadastros"));
    digita(login->EditUsuario, nome);
    tecla(Qt::Key_Return);
    QCOMPARE(foco(), login->EditSenha);
    QTest::keyClicks(login->EditSenha, senha);
    tecla(Qt::Key_Return);
}

PN_TESTE_JANELAS(TesteLogin)
