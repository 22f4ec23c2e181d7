// The main window on a real installation: notice board, permissions, login record, logo,
// backup reminder, restore, the exit dialog's answers and the windows it opens.

#include "test_principal.h"

#include "AbridorJanelas.h"
#include "Aplicacao.h"
#include "AreaLogotipo.h"
#include "CalculoLembretes.h"
#include "Dados.h"
#include "DataEdit.h"
#include "GanchosJanelas.h"
#include "InstalacaoTeste.h"
#include "LabelClicavel.h"
#include "MenuPrincipal.h"
#include "MensagensRoteiro.h"
#include "PlataformaGravadora.h"
#include "Registro.h"
#include "RelogioFixo.h"
#include "TesteJanelas.h"
#include "TfPrincipal.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QImage>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTimer>

namespace {

// Login window stand-in: closes at once, counting its showings.
class LoginFalso : public QDialog {
public:
    using QDialog::QDialog;
    static inline int vezes = 0;

protected:
    void showEvent(QShowEvent *e) override
    {
        ++vezes;
        QDialog::showEvent(e);
        QTimer::singleShot(0, this, &QDialog::accept);
    }
};

// Backup window stand-in: records the page asked for and closes, completing when told to.
class BackupFalso : public QDialog, public JanelaBackup {
public:
    using QDialog::QDialog;
    static inline QStringList pedidos;
    static inline bool conclui = false;

    void preparaPagina(PaginaBackup pagina, bool fechamento) override
    {
        pedidos << QString(pagina == PaginaBackup::Backup ? QStringLiteral("backup") : QStringLiteral("restauracao"))
                       + (fechamento ? QStringLiteral(" fechamento") : QString());
    }

protected:
    void showEvent(QShowEvent *e) override
    {
        QDialog::showEvent(e);
        QTimer::singleShot(0, this, [this] {
            ResultadoBackup::concluido = conclui;
            accept();
        });
    }
};

// Any other window: records the requests of the main window.
class JanelaFalsa : public QWidget,
                    public JanelaNovoRegistro,
                    public JanelaAlteraRegistro,
                    public JanelaPesquisaNotas,
                    public JanelaPesquisaAniversario {
public:
    explicit JanelaFalsa(QWidget *pai) : QWidget(pai, Qt::Window), ButNovo(new QPushButton(this))
    {
        ButNovo->setObjectName(QStringLiteral("ButNovo"));
        ++criadas;
    }
    QPushButton *ButNovo;
    static inline QStringList chamadas;
    static inline int criadas = 0;

    void novoRegistro() override { chamadas << QStringLiteral("novo"); }
    void alteraRegistro(int codigo) override { chamadas << QStringLiteral("altera %1").arg(codigo); }
    void pesquisaVencimento(QDate de, QDate ate) override
    {
        chamadas << QStringLiteral("vencimento %1 %2").arg(de.toString(u"dd/MM/yyyy"), ate.toString(u"dd/MM/yyyy"));
    }
    void pesquisaComoAbertura() override { chamadas << QStringLiteral("abertura"); }
    void pesquisaAniversario(const QString &mes) override { chamadas << QStringLiteral("aniversario ") + mes; }
};

const QStringList FlagsPermissao = [] {
    QStringList r{QStringLiteral("PUS_ADMIN"), QStringLiteral("PUS_BACKUP"), QStringLiteral("PUS_RESTORE"),
                  QStringLiteral("PUS_NOTASPROMIS_Q"), QStringLiteral("PUS_QUADRO_AVISOS")};
    for (const char *area : {"LOCALIDADES", "CLIENTES", "EMPRESAS", "USUARIOS", "NOTASPROMIS"})
        for (const char *d : {"_V", "_E", "_X", "_R"})
            r << QStringLiteral("PUS_") + QLatin1String(area) + QLatin1String(d);
    return r;
}();

const TipoJanela TodosTipos[] = {TipoJanela::NotaPromissoria, TipoJanela::NotaPromissoriaLite, TipoJanela::CadastrosGerais, TipoJanela::Empresas,
                                 TipoJanela::Cidades, TipoJanela::Bairros, TipoJanela::Logradouros,
                                 TipoJanela::Usuarios, TipoJanela::ConfiguracoesGerais, TipoJanela::ComandosSQL,
                                 TipoJanela::Migrar, TipoJanela::Rede, TipoJanela::Backup};

} // namespace

// A permission record with every flag "T" except those given ("F", or null for an
// invalid QVariant), and that user logged in.
void TestePrincipal::entra(int codigo, const QString &login, const QHash<QString, QVariant> &excecoes)
{
    QStringList colunas{QStringLiteral("PUS_CODIGO"), QStringLiteral("PUS_USUARIO"), QStringLiteral("PUS_LOGIN")};
    QStringList valores{QString::number(codigo), QStringLiteral("'T'"), QLatin1Char('\'') + login + QLatin1Char('\'')};
    for (const QString &f : FlagsPermissao) {
        colunas << f;
        const QVariant v = excecoes.value(f, QStringLiteral("T"));
        valores << (v.isValid() ? QLatin1Char('\'') + v.toString() + QLatin1Char('\'') : QStringLiteral("NULL"));
    }
    executa(QStringLiteral("INSERT INTO USUARIOSPERMISSOES (%1) VALUES (%2)").arg(colunas.join(u','), valores.join(u',')));
    dm->CodUsuarioLogado = codigo;
    dm->NomeUsuarioLogado = login;
}

void TestePrincipal::entraMaster()
{
    dm->CodUsuarioLogado = Dados::CodigoMaster;
    dm->NomeUsuarioLogado = QStringLiteral("MASTER");
}

void TestePrincipal::parcela(int codigo, QDate vencimento, const QString &saldo, const QString &status)
{
    executa(QStringLiteral("INSERT INTO NOTAPROMISSORIA (NP_CODIGO, NP_DT_VENCIMENTO, NP_SALDO_DEVEDOR, NP_STATUS) "
                           "VALUES (%1, '%2', %3, '%4')")
                .arg(codigo)
                .arg(vencimento.toString(Qt::ISODate), saldo, status));
}

// Installments around 15/03/2026.
void TestePrincipal::parcelasDoQuadro()
{
    parcela(1, Hoje, QStringLiteral("0"), QStringLiteral("P")); // paid today
    parcela(2, Hoje, QStringLiteral("50"));
    parcela(3, Hoje.addDays(-1), QStringLiteral("20"));
    parcela(4, QDate(1900, 1, 1), QStringLiteral("5.5"));
    parcela(5, Hoje.addDays(7), QStringLiteral("30"));
    parcela(6, Hoje.addDays(8), QStringLiteral("40"));
}

void TestePrincipal::ultimoBackup(QDate data)
{
    executa(data.isValid() ? QStringLiteral("UPDATE CONFIGS SET CF_BACKUP='%1'").arg(data.toString(Qt::ISODate))
                           : QStringLiteral("UPDATE CONFIGS SET CF_BACKUP=NULL"));
}

// The figures are computed on a worker; waits until they are on screen.
void TestePrincipal::aguardaQuadro()
{
    QElapsedTimer t;
    t.start();
    while (fp->CalculoQuadro->ocupado() && t.elapsed() < 10000) QTest::qWait(1);
    QVERIFY(!fp->CalculoQuadro->ocupado());
}

void TestePrincipal::atualizaQuadro()
{
    fp->AbreTabelasLembretes();
    aguardaQuadro();
}

bool TestePrincipal::visivel(const QString &nome) const
{
    QObject *o = elemento(nome);
    if (auto *a = qobject_cast<QAction *>(o)) return a->isVisible();
    return !qobject_cast<QWidget *>(o)->isHidden();
}

void TestePrincipal::init()
{
    inst = std::make_unique<InstalacaoTeste>();
    relogio = std::make_unique<RelogioFixo>(Hoje);
    msg = std::make_unique<MensagensRoteiro>();
    plat = std::make_unique<PlataformaGravadora>();
    dm = std::make_unique<Dados>();
    dm->carregaRegistro();
    dm->conecta();
    Aplicacao::reinicia();
    ResultadoBackup::concluido = false;
    LoginFalso::vezes = 0;
    BackupFalso::pedidos.clear();
    BackupFalso::conclui = false;
    JanelaFalsa::chamadas.clear();
    JanelaFalsa::criadas = 0;
    TfPrincipal::defineFabricaLogin([](QWidget *pai) { return new LoginFalso(pai); });
    AbridorJanelas::registra(TipoJanela::Backup, [](QWidget *pai) { return new BackupFalso(pai); });
    fp = std::make_unique<TfPrincipal>();
}

void TestePrincipal::cleanup()
{
    fp.reset();
    for (TipoJanela t : TodosTipos) AbridorJanelas::remove(t);
    TfPrincipal::defineFabricaLogin({});
    dm.reset();
    plat.reset();
    QString porque;
    const bool ok = msg->verificaFim(&porque);
    msg.reset();
    relogio.reset();
    inst.reset();
    QVERIFY2(ok, qPrintable(porque));
}

void TestePrincipal::permissoes_data()
{
    QTest::addColumn<QString>("flag");
    QTest::addColumn<QVariant>("valor");
    QTest::addColumn<QStringList>("ocultos");
    QTest::newRow("quadro nulo") << "PUS_QUADRO_AVISOS" << QVariant() << QStringList{"PainelQuadroAvisos"};
    QTest::newRow("localidades") << "PUS_LOCALIDADES_V" << QVariant("F")
                                 << QStringList{"Estados1", "Cidades1", "Bairros1", "Logradouros1"};
    QTest::newRow("clientes") << "PUS_CLIENTES_V" << QVariant("F")
                              << QStringList{"CadastrodeClientes1", "ButMenuClientes", "LembreteAniverHoje",
                                             "LembreteAniverMes", "ButNovoCliente"};
    QTest::newRow("empresas") << "PUS_EMPRESAS_V" << QVariant("F")
                              << QStringList{"CadastrodeEmpresas1", "ButMenuEmpresa", "ButNovaEmpresa"};
    QTest::newRow("notas") << "PUS_NOTASPROMIS_V" << QVariant("F")
                           << QStringList{"NotaPromissria1", "LembretePromissoriasHoje", "LembretePromissoriasHoje2",
                                          "LembretePromissoriasHoje3", "LembretePromissoriasSemana",
                                          "LembretePromissoriasSemana2", "LembretePromissoriasSemana3",
                                          "LembretePromissoriasVencidas", "LembretePromissoriasVencidas2",
                                          "LembretePromissoriasVencidas3", "LembretePromissoriasEmitidas",
                                          "LembretePromissoriasEmitidas2", "ButNovaNP", "ButMenuPromissoria"};
    QTest::newRow("backup") << "PUS_BACKUP" << QVariant("F") << QStringList{"Backup1"};
    QTest::newRow("restore") << "PUS_RESTORE" << QVariant("F") << QStringList{"RestaurarBackup1"};
}

void TestePrincipal::permissoes()
{
    QFETCH(QString, flag);
    QFETCH(QVariant, valor);
    QFETCH(QStringList, ocultos);
    const QStringList sempreVisiveis{"LabelSomaAtrasadasEHoje", "LembretePromissoriasEmitidas3", "PesqEditDataEntre1",
                                     "LabelBackup", "ItemUsuarios", "ItemConfiguracoes"};
    const QStringList todos{"PainelQuadroAvisos", "Cidades1", "CadastrodeClientes1", "ButNovoCliente",
                            "CadastrodeEmpresas1", "ButNovaEmpresa", "NotaPromissria1", "ButNovaNP",
                            "LembretePromissoriasHoje2", "Backup1", "RestaurarBackup1"};
    entra(2, QStringLiteral("RESTRITO"), {{flag, valor}});
    fp->LiberaPermissoes();
    for (const QString &n : ocultos) QVERIFY2(!visivel(n), qPrintable(n));
    for (const QString &n : todos + sempreVisiveis)
        if (!ocultos.contains(n)) QVERIFY2(visivel(n), qPrintable(n));
    QVERIFY(!visivel(QStringLiteral("Localidades1")));

    // MASTER after the restricted user: nothing changes, no record held.
    entraMaster();
    fp->LiberaPermissoes();
    QVERIFY(dm->QryLiberaPermissoes.isEmpty());
    for (const QString &n : ocultos) QVERIFY2(!visivel(n), qPrintable(n));
}

void TestePrincipal::bancoAntigo_data()
{
    QTest::addColumn<QString>("coluna");
    QTest::newRow("quadro de avisos") << "PUS_QUADRO_AVISOS";
    QTest::newRow("editar empresas, lido no logotipo") << "PUS_EMPRESAS_E";
    QTest::newRow("backup, lido no lembrete") << "PUS_BACKUP";
}

void TestePrincipal::bancoAntigo()
{
    // A database of an older release: the permission record lacks a flag this window reads.
    QFETCH(QString, coluna);
    entra(2, QStringLiteral("ANA"));
    executa(QStringLiteral("ALTER TABLE USUARIOSPERMISSOES DROP ") + coluna);
    dm->Server = QStringLiteral("S");
    fp->MainMenu1->Backup1->setVisible(false);
    msg->espera(QStringLiteral("Ops! Parece que você está com um banco de dados antigo. Que tal atualizar?"))
        .espera(QStringLiteral("Baixe novamente o instalador e reinstale o programa. Vai dar tudo certo!"))
        .espera(QStringLiteral("Faça isso no servidor, OK?"));
    fp->LiberaPermissoes();
    QCOMPARE(msg->registradas.size(), 3);
    QCOMPARE(msg->registradas.at(0).titulo, QStringLiteral("Ops..."));
    QCOMPARE(msg->registradas.at(1).titulo, QStringLiteral("Seus dados estarão salvos!"));
    QCOMPARE(msg->registradas.at(2).titulo, QStringLiteral("No servidor..."));
    QVERIFY(plat->chamou(QStringLiteral("abreEndereco https://www.brelo.com.br/prontanota/instalacao/")));
    // Nothing changed: what was hidden stays hidden, what was shown stays shown.
    QVERIFY(!fp->MainMenu1->Backup1->isVisible());
    QVERIFY(visivel(QStringLiteral("PainelQuadroAvisos")));

    // The other readers of the flags take the missing one as not set, with no error.
    AbridorJanelas::registra(TipoJanela::Empresas, [](QWidget *pai) { return new JanelaFalsa(pai); });
    fp->atualizaDisponiveis();
    ultimoBackup(QDate());
    const bool backup = coluna != QLatin1String("PUS_BACKUP");
    if (backup) msg->espera(QStringLiteral("Feche todas as telas para efetuar o Backup!"));
    fp->PerguntaBackup();
    QCOMPARE(BackupFalso::pedidos, backup ? QStringList{QStringLiteral("backup")} : QStringList());
    QTest::mouseClick(fp->PainelLogotipo->ImagemPadrao, Qt::LeftButton);
    QCOMPARE(JanelaFalsa::chamadas.isEmpty(), coluna == QLatin1String("PUS_EMPRESAS_E"));
}

void TestePrincipal::gravaRegistroLogin_data()
{
    QTest::addColumn<bool>("master");
    QTest::newRow("usuário") << false;
    QTest::newRow("MASTER") << true;
}

void TestePrincipal::gravaRegistroLogin()
{
    QFETCH(bool, master);
    Registro::escreveTexto(QStringLiteral("NomeUsuarioLogado"), QStringLiteral("ANTERIOR"));
    if (master) entraMaster();
    else entra(7, QStringLiteral("JOANA"));
    dm->CodEmpresaLogada = 3;
    dm->NomeEmpresaLogada = QStringLiteral("LOJA DA JOANA");
    fp->GravaRegistroLogin();

    Dados::reabre(dm->QryConfigs);
    const QString ultimo = dm->QryConfigs[QStringLiteral("CF_ULT_USUARIO")].asString();
    if (master) {
        QCOMPARE(Registro::leTexto(QStringLiteral("NomeUsuarioLogado")), QStringLiteral("ANTERIOR"));
        QVERIFY(!Registro::existe(QStringLiteral("CodEmpresaLogada")) || Registro::leInteiro(QStringLiteral("CodEmpresaLogada")) != 3);
        QVERIFY(ultimo.isEmpty());
    } else {
        QCOMPARE(Registro::leInteiro(QStringLiteral("CodUsuarioLogado")), 7);
        QCOMPARE(Registro::leTexto(QStringLiteral("NomeUsuarioLogado")), QStringLiteral("JOANA"));
        QCOMPARE(Registro::leInteiro(QStringLiteral("CodEmpresaLogada")), 3);
        QCOMPARE(Registro::leTexto(QStringLiteral("NomeEmpresaLogada")), QStringLiteral("LOJA DA JOANA"));
        QCOMPARE(ultimo, QStringLiteral("JOANA"));
    }
    QCOMPARE(fp->PainelStatus[0]->text(), QStringLiteral("Empresa: LOJA DA JOANA"));
    QCOMPARE(fp->PainelStatus[1]->text(), QStringLiteral("Usuário: ") + dm->NomeUsuarioLogado);
    QVERIFY(fp->PainelStatus[2]->text().isEmpty());
}

void TestePrincipal::logotipo_data()
{
    QTest::addColumn<int>("empresa");
    QTest::addColumn<QString>("arquivo");
    QTest::addColumn<QByteArray>("conteudo");
    QTest::addColumn<bool>("padrao");
    QTest::newRow("imagem da empresa") << 1 << "E1.BMP" << QByteArray("bmp") << false;
    QTest::newRow("arquivo ausente") << 1 << "E1.BMP" << QByteArray() << true;
    QTest::newRow("arquivo ilegível") << 1 << "E1.BMP" << QByteArray("não é imagem") << true;
    QTest::newRow("sem nome de imagem") << 1 << "" << QByteArray() << true;
    QTest::newRow("sem empresa") << 0 << "E1.BMP" << QByteArray("bmp") << true;
}

void TestePrincipal::logotipo()
{
    QFETCH(int, empresa);
    QFETCH(QString, arquivo);
    QFETCH(QByteArray, conteudo);
    QFETCH(bool, padrao);
    executa(QStringLiteral("INSERT INTO EMPRESAS (EM_CODIGO, EM_NOME, EM_NOME_IMAGEM) VALUES (1, 'LOJA', %1)")
                .arg(arquivo.isEmpty() ? QStringLiteral("NULL") : QLatin1Char('\'') + arquivo + QLatin1Char('\'')));
    const QString caminho = dm->PathPrograma + QStringLiteral("E1.BMP");
    if (conteudo == "bmp") {
        QImage imagem(8, 8, QImage::Format_RGB32);
        imagem.fill(Qt::red);
        QVERIFY(imagem.save(caminho, "BMP"));
    } else if (!conteudo.isEmpty()) {
        QFile f(caminho);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(conteudo);
    }
    dm->CodEmpresaLogada = empresa;
    fp->Logotipo();
    AreaLogotipo *area = fp->PainelLogotipo;
    QCOMPARE(area->mostraPadrao(), padrao);
    QCOMPARE(area->ImagemLogotipo->isHidden(), padrao);
    if (!padrao) QCOMPARE(area->ImagemLogotipo->pixmap().toImage().pixelColor(0, 0), QColor(Qt::red));
}

void TestePrincipal::concluiLogin()
{
    entra(2, QStringLiteral("ANA"), {{QStringLiteral("PUS_EMPRESAS_V"), QStringLiteral("F")}});
    dm->NomeEmpresaLogada = QStringLiteral("LOJA");
    fp->TimerHora->stop();
    fp->concluiLogin();
    QCOMPARE(fp->Tag, 1);
    QVERIFY(fp->TimerHora->isActive());
    QCOMPARE(fp->PainelStatus[3]->text(), QStringLiteral("15/03/2026   10:00:00    "));
    QCOMPARE(quadro()->PesqEditDataEntre2->textoVisivel(), QStringLiteral("31/12/2090"));
    QVERIFY(!visivel(QStringLiteral("ButNovaEmpresa")));
    QCOMPARE(fp->PainelStatus[1]->text(), QStringLiteral("Usuário: ANA"));
    QVERIFY(fp->PainelLogotipo->mostraPadrao());
}

void TestePrincipal::perguntaBackup_data()
{
    QTest::addColumn<int>("dias"); // -1: never
    QTest::addColumn<QString>("server");
    QTest::addColumn<bool>("permitido");
    QTest::addColumn<int>("resposta"); // to the question; 0: no question expected
    QTest::addColumn<bool>("inicia");
    QTest::newRow("nunca") << -1 << "S" << true << 0 << true;
    QTest::newRow("16 dias") << 16 << "S" << true << 0 << true;
    QTest::newRow("15 dias, SIM") << 15 << "S" << true << int(BotaoSim) << true;
    QTest::newRow("6 dias, NÃO") << 6 << "S" << true << int(BotaoNao) << false;
    QTest::newRow("5 dias") << 5 << "S" << true << 0 << false;
    QTest::newRow("terminal, nunca") << -1 << "N" << true << 0 << false;
    QTest::newRow("terminal, 10 dias") << 10 << "N" << true << 0 << false;
    QTest::newRow("sem permissão") << -1 << "S" << false << 0 << false;
}

void TestePrincipal::perguntaBackup()
{
    QFETCH(int, dias);
    QFETCH(QString, server);
    QFETCH(bool, permitido);
    QFETCH(int, resposta);
    QFETCH(bool, inicia);
    entra(2, QStringLiteral("ANA"), {{QStringLiteral("PUS_BACKUP"), permitido ? "T" : "F"}});
    fp->LiberaPermissoes();
    dm->Server = server;
    ultimoBackup(dias < 0 ? QDate() : Hoje.addDays(-dias));
    const QString pergunta = QStringLiteral("Você não efetua BACKUP há %1 dia(s).\n       Deseja efetuar agora ?       ").arg(dias);
    if (resposta) msg->espera(pergunta, resposta);
    if (inicia) msg->espera(QStringLiteral("Feche todas as telas para efetuar o Backup!"));
    fp->PerguntaBackup();
    if (resposta) {
        QCOMPARE(msg->avisos.size(), 1);
        QCOMPARE(msg->avisos.first().codigo, 8);
        QCOMPARE(msg->avisos.first().texto, pergunta);
    }
    QCOMPARE(BackupFalso::pedidos, inicia ? QStringList{QStringLiteral("backup")} : QStringList());
}

void TestePrincipal::backupConcluidoMostraLogin()
{
    BackupFalso::conclui = true;
    msg->espera(QStringLiteral("Feche todas as telas para efetuar o Backup!"));
    QTest::mouseClick(quadro()->LabelBackup, Qt::LeftButton);
    QCOMPARE(BackupFalso::pedidos, QStringList{QStringLiteral("backup")});
    QCOMPARE(LoginFalso::vezes, 1);
    QVERIFY(!fp->TimerHora->isActive());
    QVERIFY(!fp->TimerLembretes->isActive());
}

void TestePrincipal::restaurar_data()
{
    QTest::addColumn<QString>("server");
    QTest::addColumn<bool>("embarcada");
    QTest::addColumn<bool>("telaAberta");
    QTest::addColumn<bool>("conclui");
    QTest::addColumn<QStringList>("avisos");
    const QString atencao = QStringLiteral("ATENÇÃO! Se você tiver o programa aberto\rem outro computador, feche-o agora!");
    QTest::newRow("terminal em rede") << "N" << false << false << false
                                      << QStringList{"Este não é o Servidor! Não é possível restaurar!"};
    QTest::newRow("tela aberta") << "S" << true << true << false << QStringList{"FECHE as telas abertas primeiro!"};
    QTest::newRow("não concluída") << "N" << true << false << false << QStringList{atencao};
    QTest::newRow("concluída")
        << "S" << true << false << true
        << QStringList{atencao, "Programa será fechado agora\re abrirá novamente em seguida!\r\rClique OK e aguarde!"};
}

void TestePrincipal::restaurar()
{
    QFETCH(QString, server);
    QFETCH(bool, embarcada);
    QFETCH(bool, telaAberta);
    QFETCH(bool, conclui);
    QFETCH(QStringList, avisos);
    dm->Server = server;
    dm->VersaoEmbarcada = embarcada;
    fp->Tag = 1;
    BackupFalso::conclui = conclui;
    AbridorJanelas::registra(TipoJanela::Empresas, [](QWidget *pai) { return new JanelaFalsa(pai); });
    fp->atualizaDisponiveis();
    if (telaAberta) fp->MainMenu1->CadastrodeEmpresas1->trigger();
    for (const QString &a : avisos) msg->espera(a);
    fp->RestaurarBD();
    QStringList vistos;
    for (const auto &a : msg->avisos) {
        QCOMPARE(a.codigo, 91);
        vistos << a.texto;
    }
    QCOMPARE(vistos, avisos);
    const bool chegouJanela = avisos.first().startsWith(QStringLiteral("ATENÇÃO"));
    QCOMPARE(BackupFalso::pedidos, chegouJanela ? QStringList{QStringLiteral("restauracao")} : QStringList());
    QCOMPARE(Aplicacao::programaEncerrado(), conclui);
    QCOMPARE(fp->atualizacaoSilenciosaIniciada(), conclui);
    QCOMPARE(Registro::leTexto(QStringLiteral("ModoAtualizSilencioso")), conclui ? QStringLiteral("S") : QString());
    QCOMPARE(plat->chamadasDe(QStringLiteral("iniciaPrograma")).size(), conclui ? 1 : 0);
    if (conclui) {
        QVERIFY(plat->chamou(dm->PathPrograma + QStringLiteral("Instalora")));
        QVERIFY(!fp->TimerLembretes->isActive());
        QCOMPARE(msg->registradas.size(), avisos.size()); // no exit dialog
    }
}

void TestePrincipal::sair_data()
{
    QTest::addColumn<int>("tag");
    QTest::addColumn<int>("resposta");
    QTest::addColumn<QString>("server");
    QTest::addColumn<QString>("mensagem");
    QTest::addColumn<bool>("encerra");
    QTest::addColumn<QStringList>("backup");
    QTest::newRow("sem login, sem perguntar") << 0 << -1 << "S" << "" << true << QStringList();
    QTest::newRow("2 sair") << 1 << 2 << "S" << "" << true << QStringList();
    QTest::newRow("0 sem resposta") << 1 << 0 << "S" << "" << true << QStringList();
    QTest::newRow("4 retornar") << 1 << 4 << "S" << "" << false << QStringList();
    QTest::newRow("3 trocar usuário") << 1 << 3 << "S" << "" << false << QStringList();
    QTest::newRow("1 no terminal") << 1 << 1 << "N" << "Você precisa efetuar o Backup no Servidor!" << true
                                   << QStringList();
    QTest::newRow("1 no servidor") << 1 << 1 << "S" << "Feche todas as telas para efetuar o Backup!" << true
                                   << QStringList{"backup fechamento"};
}

void TestePrincipal::sair()
{
    QFETCH(int, tag);
    QFETCH(int, resposta);
    QFETCH(QString, server);
    QFETCH(QString, mensagem);
    QFETCH(bool, encerra);
    QFETCH(QStringList, backup);
    dm->Server = server;
    fp->Tag = tag;
    fp->show();
    if (resposta >= 0) msg->esperaSair(resposta);
    if (!mensagem.isEmpty()) msg->espera(mensagem);
    QCOMPARE(fp->close(), encerra);
    QCOMPARE(Aplicacao::programaEncerrado(), encerra);
    QCOMPARE(fp->isVisible(), !encerra);
    QCOMPARE(BackupFalso::pedidos, backup);
    if (!mensagem.isEmpty()) QCOMPARE(msg->registradas.last().titulo, QStringLiteral("Informação!"));
    QCOMPARE(LoginFalso::vezes, resposta == 3 ? 1 : 0);
    if (resposta == 3) {
        QVERIFY(!fp->TimerHora->isActive());
        QVERIFY(!fp->TimerLembretes->isActive());
    }
}

// Without a backup window "Backup e Sair" does not end the program as if it had made one.
void TestePrincipal::backupESairSemJanela()
{
    AbridorJanelas::remove(TipoJanela::Backup);
    dm->Server = QStringLiteral("S");
    fp->Tag = 1;
    fp->show();
    msg->esperaSair(1);
    msg->espera(QStringLiteral("Feche todas as telas para efetuar o Backup!"));
    msg->espera(QStringLiteral("Não foi possível abrir a tela de Backup."));
    QVERIFY(!fp->close());
    QVERIFY(!Aplicacao::programaEncerrado());
    QVERIFY(fp->isVisible());
}

void TestePrincipal::janelasPorTipo()
{
    QVERIFY(!fp->MainMenu1->Cidades1->isEnabled());
    QVERIFY(!fp->ButNovaNP->isEnabled());
    AbridorJanelas::registra(TipoJanela::NotaPromissoria, [](QWidget *pai) { return new JanelaFalsa(pai); });
    fp->atualizaDisponiveis();
    QVERIFY(fp->ButNovaNP->isEnabled());
    QVERIFY(fp->MainMenu1->NotaPromissria1->isEnabled());

    QTest::mouseClick(fp->ButMenuPromissoria, Qt::LeftButton);
    QPointer<QWidget> janela = fp->janelaAberta(TipoJanela::NotaPromissoria);
    QVERIFY(janela);
    QVERIFY(janela->isWindow());
    QCOMPARE(janela->parentWidget(), fp.get());
    fp->MainMenu1->NotaPromissria1->trigger(); // already open: nothing
    QCOMPARE(JanelaFalsa::criadas, 1);

    // The new-record button reaches the open window too.
    QTest::mouseClick(fp->ButNovaNP, Qt::LeftButton);
    QCOMPARE(JanelaFalsa::chamadas, QStringList{QStringLiteral("novo")});

    janela->close();
    QTRY_VERIFY(!janela);
    QVERIFY(!fp->janelaAberta(TipoJanela::NotaPromissoria));
    QTest::mouseClick(fp->ButNovaNP, Qt::LeftButton);
    QVERIFY(fp->janelaAberta(TipoJanela::NotaPromissoria));
    QCOMPARE(JanelaFalsa::chamadas.size(), 2);

    // The simplified notes: the Cadastros item right after the note item.
    const QList<QAction *> itens = fp->MainMenu1->Cadastros1->actions();
    QCOMPARE(itens.indexOf(fp->MainMenu1->ItemNotaLite), itens.indexOf(fp->MainMenu1->NotaPromissria1) + 1);
    QVERIFY(!fp->MainMenu1->ItemNotaLite->isEnabled());
    AbridorJanelas::registra(TipoJanela::NotaPromissoriaLite, [](QWidget *pai) { return new JanelaFalsa(pai); });
    fp->atualizaDisponiveis();
    fp->MainMenu1->ItemNotaLite->trigger();
    QVERIFY(fp->janelaAberta(TipoJanela::NotaPromissoriaLite));
}

void TestePrincipal::lembretes_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("chamada");
    QTest::newRow("hoje") << "LembretePromissoriasHoje3" << "vencimento 15/03/2026 15/03/2026";
    QTest::newRow("próximos 7 dias") << "LembretePromissoriasSemana" << "vencimento 16/03/2026 22/03/2026";
    QTest::newRow("atrasadas desde 2000") << "LembretePromissoriasVencidas2" << "vencimento 01/01/2000 14/03/2026";
    QTest::newRow("emitidas") << "LembretePromissoriasEmitidas" << "abertura";
    QTest::newRow("aniversários do mês") << "LembreteAniverMes" << "aniversario MARÇO";
}

void TestePrincipal::lembretes()
{
    QFETCH(QString, label);
    QFETCH(QString, chamada);
    for (TipoJanela t : {TipoJanela::NotaPromissoria, TipoJanela::CadastrosGerais})
        AbridorJanelas::registra(t, [](QWidget *pai) { return new JanelaFalsa(pai); });
    auto *l = elemento<LabelClicavel>(label);
    QTest::mouseClick(l, Qt::LeftButton);
    QCOMPARE(JanelaFalsa::chamadas, QStringList{chamada});
    QTest::mouseClick(l, Qt::LeftButton); // window open: the click does nothing
    QCOMPARE(JanelaFalsa::chamadas.size(), 1);
}

void TestePrincipal::cliqueNoLogotipo_data()
{
    QTest::addColumn<bool>("master");
    QTest::addColumn<QString>("editaEmpresas");
    QTest::addColumn<QStringList>("chamadas");
    QTest::newRow("pode alterar") << false << "T" << QStringList{"altera 4"};
    QTest::newRow("só visualiza") << false << "F" << QStringList();
    QTest::newRow("MASTER") << true << "T" << QStringList();
}

void TestePrincipal::cliqueNoLogotipo()
{
    QFETCH(bool, master);
    QFETCH(QString, editaEmpresas);
    QFETCH(QStringList, chamadas);
    AbridorJanelas::registra(TipoJanela::Empresas, [](QWidget *pai) { return new JanelaFalsa(pai); });
    entra(2, QStringLiteral("ANA"), {{QStringLiteral("PUS_EMPRESAS_E"), editaEmpresas}});
    if (master) entraMaster();
    fp->LiberaPermissoes();
    dm->CodEmpresaLogada = 4;
    QTest::mouseClick(fp->PainelLogotipo->ImagemPadrao, Qt::LeftButton);
    QCOMPARE(JanelaFalsa::chamadas, chamadas);
}

// The smallest screen the system is laid out for holds the whole main window, status bar
// included (its four panels once summed wider than 1366 pixels).
void TestePrincipal::cabeNaTelaMenor()
{
    fp->resize(1366, 700);
    fp->show();
    QVERIFY(fp->minimumSizeHint().width() <= 1366);
    QVERIFY(fp->width() <= 1366);
    QVERIFY(fp->PainelStatus[3]->geometry().right() <= fp->StatusBar1->width());
}

void TestePrincipal::ajuda()
{
    msg->espera(QStringLiteral("Você será direcionado para a página \"Suporte\". Se não estiver conectado agora, "
                               "envie seu questionamento para suporte@brelo.com.br"));
    fp->MainMenu1->ItemAjudaOnline->trigger();
    QCOMPARE(msg->registradas.last().titulo, QStringLiteral("Suporte!"));
    QCOMPARE(msg->registradas.last().icone, Icone::Informacao);
    QCOMPARE(plat->chamadasDe(QStringLiteral("abreEndereco")),
             QStringList{QStringLiteral("abreEndereco https://www.brelo.com.br/suporte/")});
}

PN_TESTE_JANELAS(TestePrincipal)
