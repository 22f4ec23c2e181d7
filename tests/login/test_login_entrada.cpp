// Choosing the account, the password, the company; the hint; the keys.
#include "test_login.h"

#include "Aplicacao.h"
#include "Dados.h"
#include "MensagensRoteiro.h"
#include "PainelDicaSenha.h"
#include "Registro.h"
#include "LabelClicavel.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

void TesteLogin::entrar_data()
{
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QString>("senha");
    QTest::addColumn<QString>("mensagem"); // empty: the login completes
    QTest::addColumn<QString>("nomeNaCaixa");
    QTest::addColumn<int>("usuario");
    QTest::addColumn<QString>("focado");

    // The box is upper case; the logged-in name is the account's login as stored.
    QTest::newRow("nome, caixa ignorada") << "ana" << "abc" << "" << "ANA" << 1 << "";
    QTest::newRow("código") << "2" << "" << "" << "BETO" << 2 << "";
    QTest::newRow("conta sem senha") << "BETO" << "" << "" << "BETO" << 2 << "";
    QTest::newRow("senha errada") << "ANA" << "xyz" << "Senha incorreta !" << "ANA" << 0 << "EditSenha";
    QTest::newRow("senha com outra caixa") << "ANA" << "ABC" << "Senha incorreta !" << "ANA" << 0 << "EditSenha";
    QTest::newRow("senha onde não há") << "BETO" << "x" << "Senha incorreta !" << "BETO" << 0 << "EditSenha";
    QTest::newRow("nome desconhecido") << "ZECA" << "abc" << "Usuário não localizado ou inexistente !" << "ZECA" << 0
                                       << "EditUsuario";
    QTest::newRow("código desconhecido") << "7" << "" << "Usuário não localizado ou inexistente !" << "7" << 0
                                         << "EditUsuario";
    QTest::newRow("nome vazio") << "" << "abc" << "É necessário informar um Nome para entrar no programa!" << "" << 0
                                << "EditUsuario";
    QTest::newRow("um espaço") << " " << "abc" << "É necessário informar um Nome para entrar no programa!" << "" << 0
                               << "EditUsuario";
}

void TesteLogin::entrar()
{
    QFETCH(QString, nome);
    QFETCH(QString, senha);
    QFETCH(QString, mensagem);
    QFETCH(QString, nomeNaCaixa);
    QFETCH(int, usuario);
    QFETCH(QString, focado);

    preparaContas();
    abreLogin();
    QCOMPARE(login->LabelLogin->text(), QStringLiteral("Informe o seu Nome de Usuário e Senha e clique em ENTRAR."));
    QCOMPARE(login->LabelOpcional->text(), QStringLiteral("Esqueceu?"));
    QVERIFY(!login->ComboEmpresas->isVisible());
    QCOMPARE(foco(), login->EditUsuario);

    digita(login->EditUsuario, nome);
    tecla(Qt::Key_Return); // leaving the name box looks the account up
    QCOMPARE(login->EditUsuario->text(), nomeNaCaixa);
    QTest::keyClicks(login->EditSenha, senha);
    if (!mensagem.isEmpty()) msgs->espera(mensagem);
    tecla(Qt::Key_Return);

    if (mensagem.isEmpty()) {
        QCOMPARE(principal->chamadas.filter("concluiLogin").size(), 1);
        QCOMPARE(principal->usuario, usuario);
        QCOMPARE(principal->nomeUsuario, usuario == 1 ? QStringLiteral("Ana") : QStringLiteral("BETO"));
        QCOMPARE(principal->empresa, 1);
        QCOMPARE(principal->nomeEmpresa, QStringLiteral("ALFA"));
        QCOMPARE(dados().CF_MODELO_PROMIS, QStringLiteral("MODELO PADRÃO"));
        QVERIFY(!login->isVisible());
        QCOMPARE(login->result(), int(QDialog::Accepted));
        // The registry identity is the main window's to record.
        QCOMPARE(Registro::leTexto("NomeUsuarioLogado"), QString());
    } else {
        QVERIFY(principal->chamadas.filter("concluiLogin").isEmpty());
        QVERIFY(login->isVisible());
        QCOMPARE(nomeDoFoco(), focado);
        QCOMPARE(msgs->registradas.last().titulo, QStringLiteral("Informação!"));
    }
}

void TesteLogin::master_data()
{
    QTest::addColumn<bool>("comContas");
    QTest::newRow("banco sem contas") << false;
    QTest::newRow("banco com contas") << true;
}

void TesteLogin::master()
{
    QFETCH(bool, comContas);
    if (comContas) preparaContas();
    else prepara({"INSERT INTO EMPRESAS (EM_CODIGO, EM_NOME) VALUES (1, 'ALFA')"});
    const QVariant contas = valor("SELECT COUNT(*) FROM USUARIOSPERMISSOES");

    abreLogin();
    digita(login->EditUsuario, TfLogin::LoginMaster);
    tecla(Qt::Key_Return);
    QTest::keyClicks(login->EditSenha, TfLogin::SenhaMaster);
    tecla(Qt::Key_Return);

    QCOMPARE(principal->usuario, 9999);
    QCOMPARE(principal->nomeUsuario, QStringLiteral("MASTER"));
    QVERIFY(dados().loginMaster());
    QCOMPARE(valor("SELECT COUNT(*) FROM USUARIOSPERMISSOES"), contas);
    QCOMPARE(valor("SELECT COUNT(*) FROM USUARIOS"), contas);
    QCOMPARE(valor("SELECT CF_ULT_USUARIO FROM CONFIGS"), QVariant());
    QVERIFY(!Registro::existe("NomeUsuarioLogado"));
}

void TesteLogin::empresas_data()
{
    QTest::addColumn<QStringList>("empresas");
    QTest::addColumn<QString>("digitada");
    QTest::addColumn<QString>("mensagem");
    QTest::addColumn<int>("empresa");

    const QStringList duas{"ALFA", "Beta Comercio"};
    QTest::newRow("uma: sem escolha") << QStringList{"ALFA"} << "" << "" << 1;
    QTest::newRow("duas: nome com outra caixa") << duas << "BETA COMERCIO" << "" << 2;
    QTest::newRow("duas: vazia") << duas << "" << "É necessário informar a empresa!" << 0;
    QTest::newRow("duas: um espaço") << duas << " " << "É necessário informar a empresa!" << 0;
    QTest::newRow("duas: desconhecida") << duas << "GAMA" << "Empresa não localizada!" << 0;
}

void TesteLogin::empresas()
{
    QFETCH(QStringList, empresas);
    QFETCH(QString, digitada);
    QFETCH(QString, mensagem);
    QFETCH(int, empresa);

    preparaContas(empresas);
    abreLogin();
    QCOMPARE(login->ComboEmpresas->isVisible(), empresas.size() > 1);
    QCOMPARE(login->LabelEmpresa->isVisible(), empresas.size() > 1);
    if (empresas.size() > 1) {
        QCOMPARE(login->ComboEmpresas->count(), 2);
        login->ComboEmpresas->lineEdit()->clear();
        digita(login->ComboEmpresas->lineEdit(), digitada);
    }
    digita(login->EditUsuario, "BETO");
    tecla(Qt::Key_Return);
    if (!mensagem.isEmpty()) msgs->espera(mensagem);
    tecla(Qt::Key_Return);

    if (mensagem.isEmpty()) {
        QCOMPARE(principal->empresa, empresa);
        QCOMPARE(principal->nomeEmpresa, empresas.at(empresa - 1));
        QCOMPARE(dados().QryEmpresa["EM_CODIGO"].asInteger(), empresa);
    } else {
        QVERIFY(principal->chamadas.filter("concluiLogin").isEmpty());
        QCOMPARE(nomeDoFoco(), QStringLiteral("ComboEmpresas"));
    }
}

void TesteLogin::dicaDeSenha_data()
{
    QTest::addColumn<QString>("cpf");
    QTest::addColumn<QString>("mensagem");
    QTest::addColumn<QString>("dica");
    QTest::addColumn<QString>("nome");

    QTest::newRow("CPF de uma conta") << "12345678909" << "" << "gato" << "ANA";
    QTest::newRow("dica do tamanho da coluna") << "12345678909" << "" << "MEU PRIMEIRO CACHORRO: BOLINHA" << "ANA";
    QTest::newRow("CPF desconhecido") << "11111111111" << "CPF não encontrado !" << "" << "";
    QTest::newRow("CPF vazio") << "" << "É necessário informar um CPF para obter a Dica de Senha !" << "" << "";
}

void TesteLogin::dicaDeSenha()
{
    QFETCH(QString, cpf);
    QFETCH(QString, mensagem);
    QFETCH(QString, dica);
    QFETCH(QString, nome);

    preparaContas();
    if (!dica.isEmpty()) prepara({QStringLiteral("UPDATE USUARIOSPERMISSOES SET PUS_DICA_SENHA='%1' WHERE PUS_CODIGO=1").arg(dica)});
    abreLogin();
    PainelDicaSenha *painel = login->painelDicaSenha;
    clica(login->LabelOpcional);
    QVERIFY(painel->isVisible());
    QCOMPARE(painel->LabelUsuariosCadastrados->text(), QStringLiteral("Usuários cadastrados: Ana; BETO;"));
    QCOMPARE(foco(), painel->EditCPF);

    QTest::keyClicks(painel->EditCPF, cpf);
    if (!mensagem.isEmpty()) msgs->espera(mensagem);
    tecla(Qt::Key_Return);
    QCOMPARE(painel->EditDicaSenha->text(), dica);
    // The whole hint is on show, not scrolled, and the panel holds its boxes.
    QVERIFY(painel->EditDicaSenha->fontMetrics().horizontalAdvance(dica) < painel->EditDicaSenha->contentsRect().width() - 6);
    for (QWidget *w : {static_cast<QWidget *>(painel->EditCPF), static_cast<QWidget *>(painel->EditDicaSenha),
                       static_cast<QWidget *>(painel->LabelFechar)})
        QVERIFY(painel->rect().contains(w->geometry()));
    QCOMPARE(login->EditUsuario->text(), nome);
    if (dica.isEmpty()) {
        QCOMPARE(login->contaSelecionada(), 0);
    } else {
        QCOMPARE(login->contaSelecionada(), 1);
        QCOMPARE(foco(), login->EditSenha);
        QTest::keyClicks(login->EditSenha, "abc");
        tecla(Qt::Key_Return);
        QCOMPARE(principal->usuario, 1);
        return;
    }
    if (!cpf.isEmpty()) {
        QCOMPARE(painel->EditCPF->text(), QString());
        QCOMPARE(foco(), painel->EditCPF);
    }
    // Closing the panel asks for nothing.
    painel->EditCPF->setFocus();
    clica(painel->LabelFechar);
    QVERIFY(!painel->isVisible());
    QCOMPARE(foco(), login->EditUsuario);
}

void TesteLogin::teclas_data()
{
    QTest::addColumn<int>("apertada");
    QTest::addColumn<int>("modificadores");
    QTest::addColumn<bool>("encerra");
    QTest::addColumn<bool>("entra");
    QTest::addColumn<QString>("focado");

    QTest::newRow("F6 entra") << int(Qt::Key_F6) << 0 << false << true << "";
    QTest::newRow("F7 encerra") << int(Qt::Key_F7) << 0 << true << false << "";
    QTest::newRow("ESC volta um controle") << int(Qt::Key_Escape) << 0 << false << false << "EditUsuario";
    QTest::newRow("Alt+F4 nada faz") << int(Qt::Key_F4) << int(Qt::AltModifier) << false << false << "EditSenha";
}

void TesteLogin::teclas()
{
    QFETCH(int, apertada);
    QFETCH(int, modificadores);
    QFETCH(bool, encerra);
    QFETCH(bool, entra);
    QFETCH(QString, focado);

    preparaContas();
    abreLogin();
    digita(login->EditUsuario, "BETO");
    tecla(Qt::Key_Return);
    tecla(apertada, Qt::KeyboardModifiers(modificadores));

    QCOMPARE(Aplicacao::programaEncerrado(), encerra);
    QCOMPARE(principal->chamadas.contains("concluiLogin"), entra);
    QCOMPARE(login->isVisible(), !encerra && !entra);
    if (!focado.isEmpty()) {
        QCOMPARE(nomeDoFoco(), focado);
        // Nor does the window manager close it.
        QVERIFY(!login->close());
        QVERIFY(login->isVisible());
    }
}
