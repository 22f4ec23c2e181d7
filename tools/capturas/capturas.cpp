// Screens and report pages as a new user meets them, written as PNG files:
//   capturas <folder>      (run under a display, e.g. xvfb-run; see docs/capturas.md)
// Works on a temporary installation; nothing of the user's own installation is touched.

#include "AbridorJanelas.h"
#include "TfBackup.h"
#include "TfInstalora.h"
#include "Dados.h"
#include "JanelasPrograma.h"
#include "DadosImpressao.h"
#include "Instalacao.h"
#include "JanelaCadastro.h"
#include "Mensagens.h"
#include "PainelEdicaoEmpresa.h"
#include "PlataformaGravadora.h"
#include "Registro.h"
#include "SistemaRelatorios.h"
#include "TfBairros.h"
#include "TfCadastrosGerais.h"
#include "TfCidades.h"
#include "TfEmpresas.h"
#include "TfLogradouros.h"
#include "TfNotaPromissoria.h"
#include "TfNotaPromissoriaLite.h"
#include "DataEdit.h"
#include "MoedaEdit.h"
#include "SeletorPessoa.h"
#include "TfPrincipal.h"
#include "TfRede.h"
#include "TfUsuarios.h"
#include "PaginasUsuario.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QPushButton>
#include <QLineEdit>
#include <QProcess>
#include <QRadioButton>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTableView>
#include <QTest>

namespace {

// Answers every question with its accepting button, as a user going through the first access.
class MensagensAceita final : public Mensagens {
public:
    int mostra(const Mensagem &m) override { return (m.botoes & BotaoSim) ? BotaoSim : BotaoOk; }
    RespostaAviso mostraAviso(const QString &, int, bool somenteOk, const QString &, bool) override
    {
        return somenteOk ? RespostaAviso::Ok : RespostaAviso::Sim;
    }
    RespostaAviso9 mostraAviso9(const QString &, const QString &) override { return RespostaAviso9::Cadastrar; }
    int mostraSair() override { return 4; }
};

QString g_saida;

void espera() { QTest::qWait(300); }

void grava(QWidget *w, const QString &nome)
{
    espera();
    w->grab().save(QDir(g_saida).filePath(nome));
}

template <class T> T *filho(QWidget *w, const char *nome) { return w->findChild<T *>(QLatin1String(nome)); }

void primeiraPagina(const QString &nome)
{
    const QString pdf = DadosImpressao::instancia().ultimoArquivoPdf();
    QProcess::execute(QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("80"),
                                                   QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"),
                                                   QStringLiteral("1"), QStringLiteral("-singlefile"), pdf,
                                                   QDir(g_saida).filePath(nome)});
}

void paginaDoRelatorio(JanelaCadastro &j, const QString &nome)
{
    j.imprimeLista();
    primeiraPagina(nome);
}

// The persons register as listed, one person being altered, and the list with documents.
void pessoas()
{
    TfCadastrosGerais j;
    j.setAttribute(Qt::WA_DeleteOnClose, false);
    j.show();
    grava(&j, QStringLiteral("pessoas.png"));
    j.QryPesquisa.locate(QStringLiteral("CG_CODIGO"), 2);
    j.ButAltera->click();
    grava(&j, QStringLiteral("pessoas-edicao.png"));
    j.ButCancelar->click();
    j.imprimeRelacao(QStringLiteral("Relação de Clientes"), QStringLiteral("RelacaoClientes"));
    primeiraPagina(QStringLiteral("RelacaoClientes"));
    j.close();
}

// The note window as listed, a note of six installments being typed, and its review.
void notas()
{
    TfNotaPromissoria j;
    j.show();
    grava(&j, QStringLiteral("notas.png"));
    j.ButNovo->click();
    j.EditValor->setValor(Moeda::deReais(125));
    j.EditTotalParcelas->setText(QStringLiteral("6"));
    j.EditVencimento->setData(QDate::currentDate().addMonths(1));
    j.EditCodVenda->setText(QStringLiteral("4521"));
    j.Emitente->Edit->setFocus();
    j.Emitente->Edit->setText(QStringLiteral("MARIA APARECIDA DOS SANTOS FIGUEIREDO ALBUQUERQUES"));
    j.Avalista1->Edit->setFocus(); // the exit check takes the registered name
    j.Avalista1->Edit->setText(QStringLiteral("ANA LUÍZA PRADO"));
    j.EditValor->setFocus();
    j.CalculaLimite();
    grava(&j, QStringLiteral("notas-emissao.png"));
    j.ButGravar->click();
    grava(&j, QStringLiteral("notas-revisao.png"));
    j.ButVoltarParcelas->click();
    j.ButCancelar->click();
    j.close();
}

// A printed note of each model and a receipt in one and two copies, from a note with its
// guarantors and the company's logo.
void notasImpressas(Dados &m)
{
    const QDate hoje = QDate::currentDate();
    m.DataBase.executa(QStringLiteral("UPDATE CADASTROS SET CG_ENDERECO_COMPLETO2='AVENIDA MARECHAL MANOEL DEODORO DA FONSECA, 1450, "
                                      "APTO 1201 BL 03 - JARDIM CAMBURI - VITORIA / ES - CEP 29050-001' WHERE CG_CODIGO IN (2, 3, 4)"));
    m.DataBase.executa(QStringLiteral("UPDATE EMPRESAS SET EM_FONE1='2733224455', EM_FONE2='27999887766', "
                                      "EM_ENDERECO_COMPLETO2='RUA DAS FLORES, 200 - CENTRO - VITORIA / ES' WHERE EM_CODIGO=1"));
    const auto nota = [&](int codigo, const QString &partes) {
        m.DataBase.executa(QStringLiteral("INSERT INTO NOTAPROMISSORIA (NP_CODIGO, NP_SEQ, NP_PARCELA, NP_TOTAL_PARCELAS, NP_PARCELA_EXT, "
                                          "NP_COD_CREDOR, NP_COD_EMITENTE, NP_COD_CIDADE, NP_COD_PRACA, NP_DT_EMISSAO, NP_DT_VENCIMENTO, "
                                          "NP_VALOR, NP_SALDO_DEVEDOR, NP_VALOR_PGTO, NP_STATUS, NP_COD_AVALISTA1, NP_COD_AVALISTA2, "
                                          "NP_COD_AVALISTA3, NP_COD_AVALISTA4, NP_COD_EMITENTE2) VALUES (%1, %1, 2, 6, '4521/2', 1, 2, 1, 1, "
                                          "'%2', '%3', 1250.75, 1250.75, 0, 'N', %4)")
                               .arg(codigo)
                               .arg(hoje.toString(Qt::ISODate), hoje.addMonths(2).toString(Qt::ISODate), partes));
    };
    nota(50, QStringLiteral("4, 3, NULL, NULL, NULL"));
    nota(51, QStringLiteral("4, 3, 1, 4, 3"));
    m.DataBase.executa(QStringLiteral("SET GENERATOR COD_NOTAPROMISSORIA TO 51"));
    TfNotaPromissoria j;
    j.show();
    j.CheckTodas->click();
    const auto imprime = [&](int codigo, const QString &modelo, const QString &relatorio) {
        j.QryPesquisa.locate(QStringLiteral("NP_CODIGO"), codigo);
        j.GridLista->selectRow(j.QryPesquisa.recNo());
        m.CF_MODELO_PROMIS = modelo;
        j.ReimprimirEsta();
        primeiraPagina(relatorio);
    };
    imprime(50, QStringLiteral("21cm x 10cm"), QStringLiteral("NP21cmx10cm"));
    imprime(50, QStringLiteral("15cm x 7cm"), QStringLiteral("NP15cmx7cm"));
    imprime(50, QStringLiteral("21cm x 10cm (SEM AVALISTA)"), QStringLiteral("NP21cmx10cmSEM"));
    imprime(51, QStringLiteral("21cm x 10cm"), QStringLiteral("NP21cmx15cm"));
    j.QryPesquisa.locate(QStringLiteral("NP_CODIGO"), 50);
    j.GridLista->selectRow(j.QryPesquisa.recNo());
    j.ButRecebe->click();
    j.EditVlPago->setValor(Moeda::deDouble(450.25));
    j.ButGravaPgto->click(); // a partial payment, with "1 via"
    primeiraPagina(QStringLiteral("ReciboPromissoria"));
    j.ReimprimeRecibo(true);
    primeiraPagina(QStringLiteral("ReciboPromissoria2"));
    j.close();
}

// The note window's search area with a search by emitter, its list report, the selection
// panel with two installments ticked, and the payment area of a partly paid installment.
void notasPesquisaERecebimento()
{
    TfNotaPromissoria j;
    j.show();
    j.ButPesquisar->click();
    j.PesqEditEmitente->setText(QStringLiteral("MARIA"));
    j.ButBuscar->click();
    grava(&j, QStringLiteral("notas-pesquisa.png"));
    j.RelacaoExibidas();
    primeiraPagina(QStringLiteral("RelacaoNotasPromissorias"));
    j.ButPesquisar->click(); // hides the area, keeps the list

    j.SelecionarPromissorias();
    QAbstractItemModel *selecao = j.GridSelecao->model();
    for (int coluna = 0; coluna < selecao->columnCount(); ++coluna)
        if (selecao->flags(selecao->index(0, coluna)) & Qt::ItemIsUserCheckable)
            for (int linha : {0, 2}) selecao->setData(selecao->index(linha, coluna), Qt::Checked, Qt::CheckStateRole);
    grava(&j, QStringLiteral("notas-selecao.png"));
    j.marcaSelecao(false);
    j.ButFecharSelecao->click();

    j.CheckTodas->click();
    j.QryPesquisa.locate(QStringLiteral("NP_CODIGO"), 50);
    j.GridLista->selectRow(j.QryPesquisa.recNo());
    j.ButRecebe->click();
    j.EditVlPago->setValor(Moeda::deDouble(300));
    j.EditDtPgto->setFocus(); // leaving the amount shows the balance to be
    grava(&j, QStringLiteral("notas-recebimento.png"));
    j.ButCancelaPgto->click();
    j.close();
}

// The users register as listed and the first user altered on its permissions page.
void usuarios()
{
    TfUsuarios j;
    j.setAttribute(Qt::WA_DeleteOnClose, false);
    j.show();
    grava(&j, QStringLiteral("usuarios.png"));
    j.ButAltera->click();
    j.Paginas->mostraPagina(PaginasUsuario::Permissoes);
    grava(&j, QStringLiteral("usuarios-permissoes.png"));
    j.ButCancelar->click();
    j.close();
}

// The network window: its help panel as it opens, then its two roles, this computer as the
// server and as a station.
void rede()
{
    TfRede j;
    j.setAttribute(Qt::WA_DeleteOnClose, false);
    j.show();
    grava(&j, QStringLiteral("rede-ajuda.png"));
    j.FecharAjudaClick();
    j.RadioServidor->click();
    grava(&j, QStringLiteral("rede-servidor.png"));
    j.RadioCliente->click();
    j.EditNomeServidor->setText(QStringLiteral("SERVIDOR-LOJA"));
    j.EditIPServidor->setText(QStringLiteral("192.168.0.10"));
    grava(&j, QStringLiteral("rede-cliente.png"));
    j.close();
}

template <class J> void cadastro(const QString &tela, const QString &relatorio)
{
    J j;
    j.setAttribute(Qt::WA_DeleteOnClose, false);
    j.show();
    grava(&j, tela);
    paginaDoRelatorio(j, relatorio);
    j.close();
}

// A logo as a user would choose it: a JPEG wider than high.
QString logotipoExemplo(const QString &pasta)
{
    QImage imagem(320, 200, QImage::Format_RGB32);
    imagem.fill(QColor(250, 250, 250));
    QPainter p(&imagem);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(30, 90, 160));
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRect(20, 20, 280, 160), 30, 30);
    p.setPen(Qt::white);
    p.setFont(QFont(QStringLiteral("DejaVu Sans"), 54, QFont::Bold));
    p.drawText(QRect(20, 20, 280, 160), Qt::AlignCenter, QStringLiteral("LM"));
    p.end();
    const QString arquivo = QDir(pasta).filePath(QStringLiteral("logo-exemplo.jpg"));
    imagem.save(arquivo, "JPG", 95);
    return arquivo;
}

// The companies register in edit mode (choosing a logo for the company logged into) and in
// normal mode after the save, its list report, and the main window showing that logo.
void empresas(TfPrincipal &principal, const QString &pastaTemporaria)
{
    PlataformaGravadora plataforma;
    plataforma.respostasDialogos = {logotipoExemplo(pastaTemporaria)};
    Plataforma::instala(&plataforma);
    principal.ImagemLogotipoClick(); // the logo click: the company logged into, in alter mode
    auto *j = qobject_cast<TfEmpresas *>(principal.janelaAberta(TipoJanela::Empresas));
    if (!j) return;
    j->resize(1200, 720);
    j->Edicao->ButLogotipo->click();
    grava(j, QStringLiteral("empresas-edicao.png"));
    j->ButGravar->click();
    grava(j, QStringLiteral("empresas.png"));
    paginaDoRelatorio(*j, QStringLiteral("RelacaoEmpresas"));
    j->close();
    Plataforma::instala(nullptr);
    grava(&principal, QStringLiteral("principal-logotipo.png"));
}

// The simplified-note window as listed, a note of four installments being typed and its
// review, and one installment printed on its note page.
void notasSimplificadas(Dados &m)
{
    const QDate hoje = QDate::currentDate();
    // Installment 1 of the first note paid, installment 2 paid in part three days ago.
    const struct { int codigo, parcela, total, meses, diasPgto; const char *emitente, *documento, *valor, *pago, *status; } notas[] = {
        {1, 1, 3, -1, -31, "JOÃO CARLOS PEREIRA", "52998224725", "180.00", "180.00", "P"},
        {2, 2, 3, 0, -3, "JOÃO CARLOS PEREIRA", "52998224725", "180.00", "80.00", "N"},
        {3, 3, 3, 1, 0, "JOÃO CARLOS PEREIRA", "52998224725", "180.00", "0", "N"},
        {4, 1, 2, 0, 0, "SEBASTIANA ROCHA DE OLIVEIRA", "11144477735", "95.50", "0", "N"},
        {5, 2, 2, 1, 0, "SEBASTIANA ROCHA DE OLIVEIRA", "11144477735", "95.50", "0", "N"},
        {6, 1, 1, 2, 0, "MERCEARIA BOA VISTA LTDA", "11222333000181", "640.00", "0", "N"}};
    for (const auto &n : notas)
        m.DataBase.executa(QStringLiteral("INSERT INTO NOTAPROMISSORIALITE (NPL_CODIGO, NPL_PARCELA, NPL_TOTAL_PARCELAS, NPL_DT_EMISSAO, "
                                          "NPL_DT_VENCIMENTO, NPL_VALOR, NPL_VALOR_PGTO, NPL_SALDO_DEVEDOR, NPL_VALOR_TEMP, NPL_EMITENTE, "
                                          "NPL_EMITENTE_DOC, NPL_EMITENTE_ENDERECO, NPL_CREDOR, NPL_CREDOR_DOC, NPL_CIDADE, NPL_PRACA, "
                                          "NPL_STATUS, NPL_DT_PAGAMENTO) VALUES (%1, %2, %3, '%4', '%5', %6, %7, %6 - %7, %7, '%8', '%9', "
                                          "'RUA DAS PALMEIRAS, 85 - CENTRO - SERRA / ES', 'LOJA MODELO COMÉRCIO LTDA', '11222333000181', "
                                          "'VITORIA - ES', 'VITORIA - ES', '%10', %11)")
                               .arg(n.codigo).arg(n.parcela).arg(n.total)
                               .arg(hoje.addMonths(-n.parcela).toString(Qt::ISODate), hoje.addMonths(n.meses).toString(Qt::ISODate),
                                    QLatin1String(n.valor), QLatin1String(n.pago), QString::fromUtf8(n.emitente),
                                    QLatin1String(n.documento), QLatin1String(n.status),
                                    n.diasPgto ? QLatin1Char('\'') + hoje.addDays(n.diasPgto).toString(Qt::ISODate) + QLatin1Char('\'')
                                               : QStringLiteral("NULL")));
    m.DataBase.executa(QStringLiteral("SET GENERATOR COD_NOTAPROMISSORIALITE TO 6"));

    TfNotaPromissoriaLite j;
    j.setAttribute(Qt::WA_DeleteOnClose, false);
    j.show();
    j.QryPesquisa.locate(QStringLiteral("NPL_CODIGO"), 2);
    j.GridLista->selectRow(j.QryPesquisa.recNo());
    grava(&j, QStringLiteral("notas-simplificadas.png"));
    j.ReimprimirEsta();
    primeiraPagina(QStringLiteral("NotasPromissoriasLite"));

    j.ButNovoClick();
    j.EditValor->setValor(Moeda::deDouble(212.40));
    j.EditTotalParcelas->setText(QStringLiteral("4"));
    j.EditVencimento->setData(hoje.addMonths(1));
    j.EditCredor->setText(QStringLiteral("LOJA MODELO COMÉRCIO LTDA"));
    j.EditCredorDoc->setText(QStringLiteral("11222333000181"));
    j.EditCidade->setText(QStringLiteral("VITORIA - ES"));
    j.EditEmitente->setText(QStringLiteral("ROSÂNGELA MARIA DE JESUS"));
    j.EditEmitenteDoc->setText(QStringLiteral("52998224725"));
    j.EditEndereco->setText(QStringLiteral("AVENIDA CENTRAL, 1200 - LARANJEIRAS - SERRA / ES"));
    j.EditPraca->setText(QStringLiteral("VITORIA - ES"));
    j.EditEndereco->setCursorPosition(0);
    j.EditValor->setFocus();
    grava(&j, QStringLiteral("notas-simplificadas-emissao.png"));
    j.ButGravarClick();
    grava(&j, QStringLiteral("notas-simplificadas-revisao.png"));
    j.ButVoltarParcelasClick();
    j.ButCancelarClick(); // the note given up leaves nothing stored
    j.close();
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (app.arguments().size() != 2) {
        qWarning("uso: capturas <pasta>");
        return 2;
    }
    g_saida = QDir(app.arguments().at(1)).absolutePath();
    QDir().mkpath(g_saida);
    QTemporaryDir temp;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(temp.filePath(QStringLiteral("config"))));
    qputenv("PRONTANOTA_BASE", QFile::encodeName(temp.path()));
    const QString pasta = temp.filePath(QStringLiteral("Prontanota"));
    Instalacao::prepara(pasta, QDate::currentDate());
    QFile::copy(QStringLiteral(PN_RELATORIOS_RAV), pasta + QStringLiteral("/Relatorios/Relatorios.rav"));
    Registro::escreveTexto(QStringLiteral("RecenteInstal"), QStringLiteral("N"));
    QDir::setCurrent(pasta);
    qputenv(SistemaRelatorios::VariavelPdf, QFile::encodeName(temp.filePath(QStringLiteral("pdf"))));

    Mensagens::defineTituloAplicacao(QStringLiteral("Prontanota - Brelo"));
    MensagensAceita respostas;
    Mensagens::instala(&respostas);
    JanelasPrograma::registra(); // the main window's buttons as the program has them
    auto principal = std::make_unique<TfPrincipal>();
    Dados modulo;
    DadosImpressao impressao(&modulo);

    QDialog *login = principal->criaLogin();
    login->show();
    grava(login, QStringLiteral("login.png"));

    filho<QLineEdit>(login, "EditUsuario")->setText(QStringLiteral("ADMIN"));
    filho<QAbstractButton>(login, "ButGravar")->click();
    grava(login, QStringLiteral("primeiro-acesso.png"));

    filho<QAbstractButton>(login, "RadioEmpresa")->click();
    filho<QLineEdit>(login, "EditNome1")->setText(QStringLiteral("LOJA MODELO COMÉRCIO LTDA"));
    filho<QLineEdit>(login, "EditNome2")->setText(QStringLiteral("LOJA MODELO"));
    filho<QLineEdit>(login, "EditCPFCNPJ")->setText(QStringLiteral("11222333000181"));
    filho<QComboBox>(login, "ComboEstado")->setCurrentText(QStringLiteral("ES"));
    filho<QLineEdit>(login, "EditCidade")->setText(QStringLiteral("VITORIA"));
    filho<QAbstractButton>(login, "ButComecar")->click();
    espera();

    // A few installments and localities, so the screens show what a working day shows.
    const QDate hoje = QDate::currentDate();
    modulo.DataBase.executa(QStringLiteral("INSERT INTO CADASTROS (CG_CODIGO, CG_NOME, CG_ESPECIE, CG_DT_NASC) VALUES "
                                           "(1, 'JOSÉ DA SILVA', 'C', '%1')").arg(hoje.addYears(-40).toString(Qt::ISODate)));
    const struct { int dias; const char *valor; const char *status; } parcelas[] = {
        {0, "150.00", "N"}, {-3, "89.90", "N"}, {-20, "240.00", "N"}, {4, "310.50", "N"}, {10, "99.00", "P"}};
    int codigo = 1;
    for (const auto &p : parcelas)
        modulo.DataBase.executa(QStringLiteral("INSERT INTO NOTAPROMISSORIA (NP_CODIGO, NP_COD_CREDOR, NP_COD_EMITENTE, "
                                               "NP_DT_VENCIMENTO, NP_VALOR, NP_SALDO_DEVEDOR, NP_STATUS) VALUES (%1, 1, 1, '%2', %3, %3, '%4')")
                                    .arg(codigo++).arg(hoje.addDays(p.dias).toString(Qt::ISODate), QLatin1String(p.valor),
                                                       QLatin1String(p.status)));
    modulo.DataBase.executa(QStringLiteral("SET GENERATOR COD_NOTAPROMISSORIA TO %1").arg(codigo - 1));
    const char *cidades[] = {"SERRA", "VILA VELHA", "CARIACICA", "GUARAPARI", "ARACRUZ", "LINHARES", "COLATINA"};
    codigo = 100;
    for (const char *c : cidades)
        modulo.DataBase.executa(QStringLiteral("INSERT INTO CIDADES (CD_CODIGO, CD_NOME, CD_UF, CD_COD_ESTADO, CD_EXIBIR) "
                                               "VALUES (%1, '%2', 'ES', 8, 'T')").arg(codigo++).arg(QLatin1String(c)));
    // Names as long as the registers take: 50 characters.
    const char *bairros[] = {"CENTRO", "JARDIM CAMBURI", "JARDIM DAS ACÁCIAS E PALMEIRAS IMPERIAIS DO NORTE", "JUCUTUQUARA",
                             "MARUÍPE"};
    codigo = 1;
    const char *logradouros[] = {"DAS FLORES", "MARECHAL MANOEL DEODORO DA FONSECA PRIMEIRO TRECHO", "DOS COQUEIROS",
                                 "NOSSA SENHORA DA PENHA", "VEREADOR NILO VENTORIM"};
    for (const char *b : bairros) {
        modulo.DataBase.executa(QStringLiteral("INSERT INTO BAIRROS (BR_CODIGO, BR_NOME, BR_COD_CIDADE, BR_EXIBIR) VALUES (%1, '%2', 1, 'T')")
                                    .arg(codigo).arg(QString::fromUtf8(b)));
        modulo.DataBase.executa(QStringLiteral("INSERT INTO LOGRADOUROS (LG_CODIGO, LG_NOME, LG_TIPO, LG_CEP, LG_COD_CIDADE, LG_EXIBIR) "
                                               "VALUES (%1, '%2', 'AVENIDA (AV)', '2905000%1', 1, 'T')")
                                    .arg(codigo).arg(QString::fromUtf8(logradouros[codigo - 1])));
        ++codigo;
    }
    const struct { int codigo; const char *nome, *tipo, *documento, *rg, *complemento; } clientes[] = {
        {2, "MARIA APARECIDA DOS SANTOS FIGUEIREDO ALBUQUERQUES", "F", "52998224725", "MG-12.345.678-X", "APTO 1201 BL 03"},
        {3, "COMERCIAL DE ALIMENTOS SERRANA DO ESPÍRITO SANTO", "J", "11222333000181", "082.345.67-8", "LOJA 2"},
        {4, "ANA LUÍZA PRADO", "F", "11144477735", "3.456.789", ""}};
    for (const auto &c : clientes)
        modulo.DataBase.executa(QStringLiteral("INSERT INTO CADASTROS (CG_CODIGO, CG_NOME, CG_ESPECIE, CG_TIPO_PESSOA, CG_CPF_CNPJ, "
                                               "CG_RG_IE, CG_COMPLEMENTO, CG_NUMERO, CG_COD_CIDADE, CG_COD_BAIRRO, CG_COD_LOGRADOURO, "
                                               "CG_DT_CAD, CG_DT_NASC, CG_EXIBIR) VALUES (%1, '%2', 'C', '%3', '%4', '%5', '%6', '1450', "
                                               "1, 3, 2, '%7', '1984-12-25', 'T')")
                                    .arg(c.codigo).arg(QString::fromUtf8(c.nome), QLatin1String(c.tipo), QLatin1String(c.documento),
                                                       QLatin1String(c.rg), QLatin1String(c.complemento),
                                                       hoje.addDays(-c.codigo).toString(Qt::ISODate)));
    modulo.DataBase.executa(QStringLiteral("SET GENERATOR COD_CADASTROS TO 4"));
    principal->AbreTabelasLembretes();
    principal->resize(1280, 800);
    principal->show();
    grava(principal.get(), QStringLiteral("principal.png"));

    cadastro<TfCidades>(QStringLiteral("cidades.png"), QStringLiteral("RelacaoCidades"));
    cadastro<TfBairros>(QStringLiteral("bairros.png"), QStringLiteral("RelacaoBairros"));
    cadastro<TfLogradouros>(QStringLiteral("logradouros.png"), QStringLiteral("RelacaoLogradouros"));
    pessoas();
    notas();
    usuarios();
    rede();

    modulo.DataBase.executa(QStringLiteral("INSERT INTO EMPRESAS (EM_CODIGO, EM_NOME, EM_FANTASIA, EM_TIPO_PESSOA, EM_CPF_CNPJ, "
                                           "EM_FONE1, EM_COD_CIDADE) VALUES (2, 'MARIA APARECIDA SOUZA', 'MARIA APARECIDA SOUZA', "
                                           "'F', '52998224725', '27999887766', 100)"));
    modulo.DataBase.executa(QStringLiteral("SET GENERATOR COD_EMPRESAS TO 2"));
    empresas(*principal, temp.path());
    notasImpressas(modulo);
    notasPesquisaERecebimento();
    notasSimplificadas(modulo);

    {
        // The pages show the installation's folders: those of a shop's computer, not the
        // temporary ones of this run (nothing is copied while the pages are only shown).
        const QString banco = modulo.PathBancoDados, destino = modulo.PathBackup;
        modulo.PathBancoDados = QStringLiteral("/home/loja/Brelo/Prontanota/Dados/BD.FDB");
        modulo.PathBackup = QStringLiteral("/home/loja/Brelo/Prontanota/Backup/");
        TfBackup b;
        b.setAttribute(Qt::WA_DeleteOnClose, false);
        b.preparaPagina(PaginaBackup::Backup, false);
        b.show();
        grava(&b, QStringLiteral("backup.png"));
        b.preparaPagina(PaginaBackup::Restauracao, false);
        grava(&b, QStringLiteral("restauracao.png"));
        b.close();
        modulo.PathBancoDados = banco;
        modulo.PathBackup = destino;
    }
    {
        TfInstalora i;
        i.show();
        grava(&i, QStringLiteral("instalora.png"));
        i.Sair();
    }

    principal.reset();
    Mensagens::instala(nullptr);
    QDir::setCurrent(QDir::tempPath());
    return 0;
}
