// First access: the first account, the first-data panel, the logo.
#include "test_login.h"

#include "Aplicacao.h"
#include "Dados.h"
#include "InstalacaoTeste.h"
#include "MaskEdit.h"
#include "MensagensRoteiro.h"
#include "PainelPrimeirosDados.h"
#include "PlataformaGravadora.h"
#include "Registro.h"
#include "RelogioFixo.h"
#include "LabelClicavel.h"
#include "TfCarregando.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

void TesteLogin::preenchePrimeirosDados(bool pessoaFisica, const QString &nome, const QString &fantasia,
                                        const QString &documento, const QString &estado, const QString &cidade)
{
    PainelPrimeirosDados *p = login->painelPrimeirosDados;
    if (pessoaFisica) clica(p->RadioPessoaFisica);
    digita(p->EditNome1, nome);
    if (!pessoaFisica) digita(p->EditNome2, fantasia);
    digita(p->ComboEstado->lineEdit(), estado);
    digita(p->EditCidade, cidade);
    digita(p->EditCPFCNPJ, documento);
    clica(p->ButComecar);
}

void TesteLogin::primeiroAcesso_data()
{
    QTest::addColumn<QString>("senha");
    QTest::addColumn<bool>("pessoaFisica");
    QTest::addColumn<QString>("documento");
    QTest::addColumn<bool>("cidadeExiste");
    QTest::addColumn<QString>("aviso");

    QTest::newRow("empresa, com senha, cidade nova")
        << "segredo" << false << "11222333000181" << false
        << "Você cadastrou o usuário \"JOAO\", e uma senha!\rUse \"JOAO\" para entrar no programa e a senha definida.";
    QTest::newRow("pessoa física, sem senha, cidade existente")
        << "" << true << "12345678909" << true
        << "Você cadastrou o usuário \"JOAO\", sem senha!\rUse \"JOAO\" para entrar no programa.";
}

void TesteLogin::primeiroAcesso()
{
    QFETCH(QString, senha);
    QFETCH(bool, pessoaFisica);
    QFETCH(QString, documento);
    QFETCH(bool, cidadeExiste);
    QFETCH(QString, aviso);
    if (cidadeExiste)
        prepara({"INSERT INTO CIDADES (CD_CODIGO, CD_NOME, CD_UF, CD_EXIBIR) VALUES (40, 'CAMPINAS', 'SP', 'T')",
                 "INSERT INTO CIDADES (CD_CODIGO, CD_NOME, CD_UF, CD_EXIBIR) VALUES (41, 'CAMPINAS', 'GO', 'T')"});

    abreLogin();
    QCOMPARE(login->LabelLogin->text(),
             QStringLiteral("Este é seu primeiro acesso. Para começar, informe um Nome.\n A senha é opcional. Depois clique em ENTRAR."));
    QCOMPARE(login->LabelOpcional->text(), QStringLiteral("Opcional"));
    QCOMPARE(login->EditUsuario->text(), QString());
    QCOMPARE(login->EditUsuario->placeholderText(), QStringLiteral("< DIGITE UM NOME AQUI >"));
    QVERIFY(!login->ComboEmpresas->isVisible());

    primeiraEntrada("joao", senha);
    QCOMPARE(msgs->avisos.size(), 1);
    QCOMPARE(msgs->avisos[0].texto, aviso);
    QCOMPARE(msgs->avisos[0].legendaSim, QStringLiteral("Continuar"));
    QVERIFY(!msgs->avisos[0].naoHabilitado);
    QCOMPARE(msgs->registradas.last().titulo, QStringLiteral("Informação!"));

    // The account exists before the company is asked for.
    const int usuario = valor("SELECT US_CODIGO FROM USUARIOS WHERE US_NOME='JOAO'").toInt();
    QVERIFY(usuario > 0);
    QCOMPARE(valor("SELECT US_DT_CAD FROM USUARIOS").toDate(), QDate(2026, 3, 15));
    QCOMPARE(Registro::leInteiro("CodUsuarioLogado"), usuario);
    QCOMPARE(Registro::leTexto("NomeUsuarioLogado"), QStringLiteral("JOAO"));
    QCOMPARE(valor("SELECT CF_ULT_USUARIO FROM CONFIGS").toString(), QStringLiteral("JOAO"));
    {
        Transacao tr(dm->DataBase);
        Query q(dm->DataBase, tr);
        q.sql.defineLinhas({"SELECT * FROM USUARIOSPERMISSOES"});
        q.open();
        QCOMPARE(q.recordCount(), 1);
        QCOMPARE(q["PUS_CODIGO"].asInteger(), usuario);
        QCOMPARE(q["PUS_LOGIN"].asString(), QStringLiteral("JOAO"));
        QCOMPARE(q["PUS_SENHA"].asString(), senha);
        QCOMPARE(q["PUS_RESENHA"].asString(), senha);
        for (const Coluna &c : q.colunas())
            if (!QStringList{"PUS_CODIGO", "PUS_LOGIN", "PUS_SENHA", "PUS_RESENHA", "PUS_CPF_CNPJ", "PUS_DICA_SENHA"}
                     .contains(c.nome))
                QVERIFY2(q[c.nome].asString() == "T", qPrintable(c.nome));
    }

    PainelPrimeirosDados *p = login->painelPrimeirosDados;
    QVERIFY(p->isVisible());
    QCOMPARE(p->LabelOla->text(), QStringLiteral("Olá, JOAO! Agora, informe seus dados para começarmos."));
    QVERIFY(p->RadioEmpresa->isChecked());
    QCOMPARE(p->LabelNome1->text(), QStringLiteral("Razão Social"));
    QCOMPARE(p->EditCPFCNPJ->mascara(), QStringLiteral("99.999.999/9999-99;0;_"));

    preenchePrimeirosDados(pessoaFisica, "padaria do joao", "pao quente", documento, "sp", "campinas");
    if (pessoaFisica) {
        QCOMPARE(p->LabelNome1->text(), QStringLiteral("Nome Completo"));
        QCOMPARE(p->LabelCPFCNPJ->text(), QStringLiteral("CPF"));
        QVERIFY(!p->EditNome2->isVisibleTo(p));
    }

    Transacao tr(dm->DataBase);
    Query empresa(dm->DataBase, tr);
    empresa.sql.defineLinhas({"SELECT * FROM EMPRESAS"});
    empresa.open();
    QCOMPARE(empresa.recordCount(), 1);
    QCOMPARE(empresa["EM_NOME"].asString(), QStringLiteral("PADARIA DO JOAO"));
    QCOMPARE(empresa["EM_FANTASIA"].asString(), pessoaFisica ? QString() : QStringLiteral("PAO QUENTE"));
    QCOMPARE(empresa["EM_CPF_CNPJ"].asString(), documento);
    QCOMPARE(empresa["EM_TIPO_PESSOA"].asString(), pessoaFisica ? QStringLiteral("F") : QStringLiteral("J"));
    const int cidade = empresa["EM_COD_CIDADE"].asInteger();
    if (cidadeExiste) {
        QCOMPARE(cidade, 40);
        QCOMPARE(valor("SELECT COUNT(*) FROM CIDADES").toInt(), 2);
    } else {
        QCOMPARE(valor("SELECT COUNT(*) FROM CIDADES").toInt(), 1);
        QCOMPARE(valor(QStringLiteral("SELECT CD_NOME || '/' || CD_UF || '/' || CD_EXIBIR FROM CIDADES WHERE CD_CODIGO=%1")
                           .arg(cidade)).toString(),
                 QStringLiteral("CAMPINAS/SP/T"));
    }
    QCOMPARE(valor("SELECT CF_UF_PADRAO FROM CONFIGS").toInt(), 26); // SP

    QCOMPARE(principal->chamadas.filter("concluiLogin").size(), 1);
    QCOMPARE(principal->usuario, usuario);
    QCOMPARE(principal->nomeUsuario, QStringLiteral("JOAO"));
    QCOMPARE(principal->empresa, empresa["EM_CODIGO"].asInteger());
    QCOMPARE(principal->nomeEmpresa, QStringLiteral("PADARIA DO JOAO"));
    QCOMPARE(dados().QryEmpresa["EM_CODIGO"].asInteger(), principal->empresa);
    QCOMPARE(login->result(), int(QDialog::Accepted));
    QVERIFY(!TfCarregando::instancia().isVisible());
}

void TesteLogin::sairNosPrimeirosDadosEVoltar()
{
    primeiraEntrada("MARIA", "");
    QVERIFY(login->painelPrimeirosDados->isVisible());
    clica(login->painelPrimeirosDados->LabelSairDados);
    QVERIFY(Aplicacao::programaEncerrado());
    QVERIFY(!login->isVisible());
    QVERIFY(principal->chamadas.filter("concluiLogin").isEmpty());
    QCOMPARE(valor("SELECT COUNT(*) FROM EMPRESAS").toInt(), 0);

    // The next start finds the account, offers its name and asks again for the company.
    Aplicacao::reinicia();
    abreLogin();
    QCOMPARE(login->EditUsuario->text(), QStringLiteral("MARIA"));
    QCOMPARE(foco(), login->EditSenha);
    QVERIFY(login->contaSelecionada() > 0);
    QCOMPARE(login->LabelOpcional->text(), QStringLiteral("Esqueceu?"));
    tecla(Qt::Key_Return);
    QVERIFY(login->painelPrimeirosDados->isVisible());
    QCOMPARE(valor("SELECT COUNT(*) FROM USUARIOS").toInt(), 1);
    QCOMPARE(msgs->avisos.size(), 1);
}

void TesteLogin::verificacoesDosPrimeirosDados_data()
{
    QTest::addColumn<bool>("pessoaFisica");
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QString>("fantasia");
    QTest::addColumn<QString>("documento");
    QTest::addColumn<QString>("estado");
    QTest::addColumn<QString>("cidade");
    QTest::addColumn<QString>("mensagem");
    QTest::addColumn<QString>("focado");

    const QString cnpj = "11222333000181";
    const QString cpf = "12345678909";
    QTest::newRow("sem razão social")
        << false << "" << "F" << cnpj << "SP" << "X" << "É necessário informar a Razão Social !" << "EditNome1";
    QTest::newRow("nome de exemplo")
        << false << "MINHA EMPRESA" << "F" << cnpj << "SP" << "X" << "É necessário informar a Razão Social !"
        << "EditNome1";
    QTest::newRow("sem nome completo")
        << true << " " << "" << cpf << "SP" << "X" << "É necessário informar o Nome Completo !" << "EditNome1";
    QTest::newRow("sem fantasia")
        << false << "A" << "" << cnpj << "SP" << "X" << "É necessário informar o Nome Fantasia !" << "EditNome2";
    QTest::newRow("fantasia de exemplo")
        << false << "A" << "MINHA EMPRESA FANTASIA" << cnpj << "SP" << "X" << "É necessário informar o Nome Fantasia !"
        << "EditNome2";
    QTest::newRow("sem CNPJ")
        << false << "A" << "F" << "" << "SP" << "X" << "É necessário informar a CNPJ !" << "EditCPFCNPJ";
    QTest::newRow("sem CPF") << true << "A" << "" << "" << "SP" << "X" << "É necessário informar o CPF !" << "EditCPFCNPJ";
    QTest::newRow("CNPJ inválido")
        << false << "A" << "F" << "11222333000182" << "SP" << "X" << "O CNPJ digitado é inválido!" << "EditCPFCNPJ";
    QTest::newRow("CPF inválido")
        << true << "A" << "" << "12345678900" << "SP" << "X" << "O CPF digitado é inválido!" << "EditCPFCNPJ";
    QTest::newRow("sem estado")
        << false << "A" << "F" << cnpj << "" << "X" << "É necessário informar o Estado !" << "ComboEstado";
    QTest::newRow("sem cidade")
        << false << "A" << "F" << cnpj << "SP" << " " << "É necessário informar a Cidade !" << "EditCidade";
}

void TesteLogin::verificacoesDosPrimeirosDados()
{
    QFETCH(bool, pessoaFisica);
    QFETCH(QString, nome);
    QFETCH(QString, fantasia);
    QFETCH(QString, documento);
    QFETCH(QString, estado);
    QFETCH(QString, cidade);
    QFETCH(QString, mensagem);
    QFETCH(QString, focado);

    primeiraEntrada("JOAO", "");
    msgs->espera(mensagem);
    preenchePrimeirosDados(pessoaFisica, nome, fantasia, documento, estado, cidade);

    QCOMPARE(nomeDoFoco(), focado);
    QCOMPARE(valor("SELECT COUNT(*) FROM EMPRESAS").toInt(), 0);
    QCOMPARE(valor("SELECT COUNT(*) FROM CIDADES").toInt(), 0);
    QVERIFY(principal->chamadas.filter("concluiLogin").isEmpty());
    QVERIFY(login->painelPrimeirosDados->isVisible());
}

void TesteLogin::estadoInexistenteMantemEmpresa()
{
    primeiraEntrada("JOAO", "");
    PainelPrimeirosDados *p = login->painelPrimeirosDados;
    msgs->espera("É necessário informar o seu Estado!");
    preenchePrimeirosDados(false, "PADARIA", "PAO", "11222333000181", "XX", "CAMPINAS");
    QCOMPARE(nomeDoFoco(), QStringLiteral("ComboEstado"));
    QCOMPARE(valor("SELECT COUNT(*) FROM EMPRESAS").toInt(), 1);
    QVERIFY(principal->chamadas.filter("concluiLogin").isEmpty());

    // Corrected, the same company is completed: no second one.
    p->ComboEstado->lineEdit()->clear();
    digita(p->ComboEstado->lineEdit(), "RJ");
    clica(p->ButComecar);
    QCOMPARE(valor("SELECT COUNT(*) FROM EMPRESAS").toInt(), 1);
    QCOMPARE(valor("SELECT CD_UF FROM CIDADES C JOIN EMPRESAS E ON E.EM_COD_CIDADE=C.CD_CODIGO").toString(),
             QStringLiteral("RJ"));
    QCOMPARE(valor("SELECT CF_UF_PADRAO FROM CONFIGS").toInt(), 19);
    QCOMPARE(principal->chamadas.filter("concluiLogin").size(), 1);
}

void TesteLogin::logotipo_data()
{
    QTest::addColumn<bool>("jpeg");
    QTest::newRow("JPEG") << true;
    QTest::newRow("arquivo que não é JPEG") << false;
}

void TesteLogin::logotipo()
{
    QFETCH(bool, jpeg);
    QTemporaryDir origem;
    const QString arquivo = origem.filePath("logo.jpg");
    if (jpeg) {
        QImage imagem(60, 30, QImage::Format_RGB32);
        imagem.fill(Qt::red);
        QVERIFY(imagem.save(arquivo, "JPG"));
    } else {
        QFile f(arquivo);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("isto não é uma imagem");
    }
    plataforma->respostasDialogos = {arquivo};

    primeiraEntrada("JOAO", "");
    if (!jpeg) msgs->espera("JPEG");
    clica(login->painelPrimeirosDados->ImagemLogotipo);
    QCOMPARE(plataforma->chamadasDe("escolheArquivoAbrir"),
             QStringList{"escolheArquivoAbrir  |  | Arquivos JPG|*.jpg|Arquivos BMP|*.bmp"});

    const QDir pasta(inst->pasta());
    QVERIFY(!pasta.exists("Tmp.JPG"));
    QCOMPARE(pasta.exists("E000000.JPG"), jpeg);
    QCOMPARE(pasta.exists("E000000.BMP"), jpeg);
    if (jpeg) {
        QCOMPARE(QImage(pasta.filePath("E000000.JPG")).size(), QSize(190, 190));
        QCOMPARE(QImage(pasta.filePath("E000000.BMP")).size(), QSize(100, 100));
        QCOMPARE(QImage(pasta.filePath("E000000.BMP")).pixelColor(50, 5), QColor(Qt::white)); // fitted on white
    } else {
        QCOMPARE(msgs->registradas.last().icone, Icone::Erro);
        QCOMPARE(msgs->registradas.last().titulo, Mensagens::tituloAplicacao());
    }

    preenchePrimeirosDados(false, "PADARIA", "PAO", "11222333000181", "SP", "CAMPINAS");
    QCOMPARE(principal->chamadas.filter("concluiLogin").size(), 1);
    Transacao tr(dm->DataBase);
    Query empresa(dm->DataBase, tr);
    empresa.sql.defineLinhas({"SELECT EM_NOME_IMAGEM, EM_LOGO FROM EMPRESAS"});
    empresa.open();
    if (jpeg) {
        QFile bmp(pasta.filePath("E000000.BMP"));
        QVERIFY(bmp.open(QIODevice::ReadOnly));
        QCOMPARE(empresa["EM_NOME_IMAGEM"].asString(), QStringLiteral("E000000.JPG"));
        QCOMPARE(empresa["EM_LOGO"].asBytes(), bmp.readAll());
    } else {
        QVERIFY(empresa["EM_NOME_IMAGEM"].isNull());
        QVERIFY(empresa["EM_LOGO"].isNull());
    }
}

void TesteLogin::contasIlegiveis_data()
{
    QTest::addColumn<QString>("alteracao");
    QTest::addColumn<QString>("mensagem"); // part of the database's own message
    QTest::newRow("contas") << "ALTER TABLE USUARIOSPERMISSOES DROP PUS_DICA_SENHA" << "PUS_DICA_SENHA";
    QTest::newRow("empresas") << "ALTER TABLE EMPRESAS ALTER COLUMN EM_NOME TO EM_RAZAO" << "EM_NOME";
}

void TesteLogin::contasIlegiveis()
{
    // Accounts or companies that cannot be read are not an empty database: ENTRAR creates
    // neither a first account nor a first company.
    QFETCH(QString, alteracao);
    QFETCH(QString, mensagem);
    prepara({alteracao});
    msgs->espera(mensagem);
    abreLogin();
    QCOMPARE(msgs->registradas.last().icone, Icone::Erro);
    QVERIFY(!login->ButGravar->isEnabled());

    digita(login->EditUsuario, "JOAO");
    tecla(Qt::Key_Return);
    tecla(Qt::Key_Return);
    tecla(Qt::Key_F6);
    QVERIFY(login->isVisible());
    QCOMPARE(login->painelPrimeirosDados->isVisible(), false);
    QVERIFY(principal->chamadas.filter("concluiLogin").isEmpty());
    QCOMPARE(valor("SELECT COUNT(*) FROM USUARIOS").toInt(), 0);
    QCOMPARE(valor("SELECT COUNT(*) FROM USUARIOSPERMISSOES").toInt(), 0);
}

void TesteLogin::primeiraContaInteiraOuNada()
{
    abreLogin();
    // Another station holds the settings row: the first account cannot be completed.
    Transacao outra(dados().DataBase);
    Query bloqueio(dados().DataBase, outra);
    bloqueio.sql.defineLinhas({"UPDATE CONFIGS SET CF_MODELO_PROMIS=CF_MODELO_PROMIS"});
    bloqueio.execSQL();

    digita(login->EditUsuario, "JOAO");
    tecla(Qt::Key_Return);
    QTest::keyClicks(login->EditSenha, "segredo");
    msgs->espera("update conflicts with concurrent update");
    tecla(Qt::Key_Return);
    QCOMPARE(msgs->registradas.last().icone, Icone::Erro);
    QCOMPARE(valor("SELECT COUNT(*) FROM USUARIOS").toInt(), 0);
    QCOMPARE(valor("SELECT COUNT(*) FROM USUARIOSPERMISSOES").toInt(), 0);
    QVERIFY(!Registro::existe("NomeUsuarioLogado"));

    // Once the row is free, ENTRAR again makes the one account.
    outra.rollback();
    msgs->espera("Você cadastrou o usuário", BotaoSim).espera("Depois, acesse o menu Cadastros");
    tecla(Qt::Key_Return);
    QVERIFY(login->painelPrimeirosDados->isVisible());
    QCOMPARE(valor("SELECT COUNT(*) FROM USUARIOS").toInt(), 1);
    QCOMPARE(valor("SELECT COUNT(*) FROM USUARIOSPERMISSOES WHERE PUS_LOGIN='JOAO' AND PUS_SENHA='segredo'").toInt(), 1);
    QCOMPARE(valor("SELECT CF_ULT_USUARIO FROM CONFIGS").toString(), QStringLiteral("JOAO"));
    QCOMPARE(valor("SELECT COUNT(*) FROM USUARIOSPERMISSOES WHERE PUS_ADMIN='T' AND PUS_CLIENTES_E='T'").toInt(), 1);
}
