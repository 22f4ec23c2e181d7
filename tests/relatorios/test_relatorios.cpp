// The report engine on a real installation: report runs written to PDF and read back with
// pdftotext, the messages of a run, the options dialog and the placeholders of the layouts.

#include "DadosImpressao.h"
#include "Dados.h"
#include "DialogoOpcoesImpressao.h"
#include "InstalacaoTeste.h"
#include "Marcadores.h"
#include "MensagensRoteiro.h"
#include "PlataformaGravadora.h"
#include "RelogioFixo.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

QString leituraPdf(const QString &arquivo)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), arquivo, QStringLiteral("-")});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

int imagensPdf(const QString &arquivo)
{
    QProcess p;
    p.start(QStringLiteral("pdfimages"), {QStringLiteral("-list"), arquivo});
    p.waitForFinished(30000);
    // Two heading lines, then one line per image.
    return int(QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts).size()) - 2;
}

// Blanks collapsed, so that texts compare whatever spacing pdftotext rebuilds.
QString simples(const QString &s) { return s.simplified(); }

// In-memory rows for the placeholder cases.
class Tabela final : public FonteDados {
public:
    QStringList campos;
    QList<QVariantList> linhasDados;
    int atual = 0;
    int linhas() const override { return int(linhasDados.size()); }
    int coluna(const QString &campo) const override { return int(campos.indexOf(campo.toUpper())); }
    QVariant valor(int linha, int coluna) const override
    {
        return linha >= 0 && linha < linhas() && coluna >= 0 ? linhasDados.at(linha).value(coluna) : QVariant();
    }
    int linhaAtual() const override { return atual; }
};

} // namespace

class TestRelatorios : public QObject {
    Q_OBJECT

    std::unique_ptr<InstalacaoTeste> inst;
    std::unique_ptr<RelogioFixo> relogio;
    std::unique_ptr<Dados> dm;
    std::unique_ptr<DadosImpressao> impressao;
    std::unique_ptr<MensagensRoteiro> msgs;
    std::unique_ptr<QTemporaryDir> saida;
    std::unique_ptr<Transacao> trans;

    QString projeto() const { return dm->PathRelatorios + QStringLiteral("Relatorios.rav"); }

    void executa(const QString &sql, const QHash<QString, QVariant> &params = {})
    {
        Query q(dm->DataBase, *trans);
        q.sql.defineTexto(sql);
        for (auto it = params.cbegin(); it != params.cend(); ++it) q.defineParametro(it.key(), it.value());
        q.execSQL();
        trans->commitRetaining();
    }
    void insereCidade(int codigo, const QString &nome, const QString &uf, const QString &exibir = QStringLiteral("T"))
    {
        executa(QStringLiteral("INSERT INTO CIDADES (CD_CODIGO, CD_NOME, CD_UF, CD_EXIBIR) VALUES (:C, :N, :U, :E)"),
                {{QStringLiteral("C"), codigo}, {QStringLiteral("N"), nome}, {QStringLiteral("U"), uf},
                 {QStringLiteral("E"), exibir}});
    }
    std::unique_ptr<Query> consulta(const QString &sql)
    {
        auto q = std::make_unique<Query>(dm->DataBase, *trans);
        q->sql.defineTexto(sql);
        q->open();
        return q;
    }
    void escreveProjeto(const QByteArray &texto)
    {
        QFile f(projeto());
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(texto);
    }
    QStringList pdfsGerados() const { return QDir(saida->path()).entryList({QStringLiteral("*.pdf")}, QDir::Files); }
    void verificaSemMensagens()
    {
        QString porque;
        QVERIFY2(msgs->verificaFim(&porque), qPrintable(porque));
        QVERIFY2(msgs->registradas.isEmpty(), qPrintable(msgs->textos().join(QLatin1Char('|'))));
    }

private Q_SLOTS:
    void init()
    {
        inst = std::make_unique<InstalacaoTeste>();
        relogio = std::make_unique<RelogioFixo>(QDate(2026, 3, 15));
        dm = inst->conectaDados();
        dm->NomeEmpresaLogada = QStringLiteral("COMÉRCIO DO ZÉ LTDA");
        dm->NomeUsuarioLogado = QStringLiteral("MARIA");
        QVERIFY(QFile::exists(projeto())); // the installation carries the project as built
        impressao = std::make_unique<DadosImpressao>(dm.get());
        msgs = std::make_unique<MensagensRoteiro>();
        saida = std::make_unique<QTemporaryDir>();
        qputenv(SistemaRelatorios::VariavelPdf, QFile::encodeName(saida->path()));
        trans = std::make_unique<Transacao>(dm->DataBase);
    }
    void cleanup()
    {
        qunsetenv(SistemaRelatorios::VariavelPdf);
        trans.reset();
        msgs.reset();
        impressao.reset();
        dm.reset();
        relogio.reset();
        inst.reset();
    }

    // The project as built (with the layouts of every area) is valid and holds the locality lists.
    void projetoEntregue()
    {
        ProjetoRelatorios p;
        p.ProjectFile = QStringLiteral(PN_RELATORIOS_RAV);
        QVERIFY2(p.open(), qPrintable(p.ultimoErro()));
        for (const char *nome : {"RelacaoCidades", "RelacaoBairros", "RelacaoLogradouros"})
            QVERIFY2(p.relatorio(QLatin1String(nome)), nome);
        QCOMPARE(p.relatorio(QStringLiteral("relacaocidades"))->conexao, QStringLiteral("RVCidades"));
    }

    // Each locality list prints the rows of its connection in the query's order, between the
    // shared header and footer.
    void listasDeLocalidades_data()
    {
        QTest::addColumn<QString>("relatorio");
        QTest::addColumn<QString>("titulo");
        QTest::addColumn<QString>("conexao");
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QStringList>("linhasEsperadas");
        QTest::newRow("cidades") << "RelacaoCidades" << "Relação de Cidades" << "RVCidades"
                                 << "select CD.CD_COD_ESTADO, CD.CD_CODIGO, CD.CD_NOME, CD.CD_UF, CD.CD_EXIBIR from CIDADES CD "
                                    "ORDER BY CD.CD_NOME DESC"
                                 << QStringList{"3 SÃO JOSÉ DOS CAMPOS SP Sim", "1 RIBEIRÃO PRETO SP Não",
                                                "2 BELO HORIZONTE MG Sim"};
        QTest::newRow("bairros") << "RelacaoBairros" << "Relação de Bairros" << "RVBairros"
                                 << "select BR.BR_COD_CIDADE, BR.BR_CODIGO, BR.BR_NOME, BR.BR_EXIBIR, CD.CD_NOME from BAIRROS BR "
                                    "LEFT JOIN CIDADES CD ON CD.CD_CODIGO=BR.BR_COD_CIDADE ORDER BY BR.BR_NOME"
                                 << QStringList{"11 CENTRO RIBEIRÃO PRETO Sim", "10 JARDIM AMÉRICA BELO HORIZONTE Não"};
        QTest::newRow("logradouros") << "RelacaoLogradouros" << "Relação  de  Logradouros" << "RVLogradouros"
                                     << "select LG.LG_COD_CIDADE, LG.LG_CODIGO, LG.LG_NOME, LG.LG_TIPO, LG.LG_EXIBIR, LG.LG_CEP, "
                                        "CD.CD_NOME from LOGRADOUROS LG LEFT JOIN CIDADES CD ON CD.CD_CODIGO=LG.LG_COD_CIDADE "
                                        "ORDER BY LG.LG_NOME"
                                     << QStringList{"21 AVENIDA (AV) AFONSO PENA 30130-005 BELO HORIZONTE Sim",
                                                    "20 RUA (R) SÃO SEBASTIÃO 14015-040 RIBEIRÃO PRETO Sim"};
    }
    void listasDeLocalidades()
    {
        QFETCH(QString, relatorio);
        QFETCH(QString, titulo);
        QFETCH(QString, conexao);
        QFETCH(QString, sql);
        QFETCH(QStringList, linhasEsperadas);
        insereCidade(1, QStringLiteral("RIBEIRÃO PRETO"), QStringLiteral("SP"), QStringLiteral("F"));
        insereCidade(2, QStringLiteral("BELO HORIZONTE"), QStringLiteral("MG"));
        insereCidade(3, QStringLiteral("SÃO JOSÉ DOS CAMPOS"), QStringLiteral("SP"));
        executa(QStringLiteral("INSERT INTO BAIRROS (BR_CODIGO, BR_NOME, BR_COD_CIDADE, BR_EXIBIR) VALUES "
                               "(10, 'JARDIM AMÉRICA', 2, 'F')"));
        executa(QStringLiteral("INSERT INTO BAIRROS (BR_CODIGO, BR_NOME, BR_COD_CIDADE, BR_EXIBIR) VALUES (11, 'CENTRO', 1, 'T')"));
        executa(QStringLiteral("INSERT INTO LOGRADOUROS (LG_CODIGO, LG_TIPO, LG_NOME, LG_COD_CIDADE, LG_EXIBIR, LG_CEP) "
                               "VALUES (20, 'RUA (R)', 'SÃO SEBASTIÃO', 1, 'T', '14015040')"));
        executa(QStringLiteral("INSERT INTO LOGRADOUROS (LG_CODIGO, LG_TIPO, LG_NOME, LG_COD_CIDADE, LG_EXIBIR, LG_CEP) "
                               "VALUES (21, 'AVENIDA (AV)', 'AFONSO PENA', 2, 'T', '30130005')"));
        auto q = consulta(sql);
        ConexaoRelatorio rv(conexao, *q);

        const auto params = impressao->parametrosLista(titulo, QStringLiteral("Exibindo  registros  pesquisados"));
        QVERIFY(impressao->imprime(relatorio, params, q.get()));
        verificaSemMensagens();
        QCOMPARE(impressao->ultimoArquivoPdf(), QDir(saida->path()).filePath(relatorio + QStringLiteral(".pdf")));

        const QStringList linhas = leituraPdf(impressao->ultimoArquivoPdf()).split(QLatin1Char('\n'));
        QStringList texto;
        for (const QString &l : linhas)
            if (!l.trimmed().isEmpty()) texto.append(simples(l));
        // Header, column header, rows in the query's order, summary, footer.
        const QStringList esperado = QStringList{QStringLiteral("COMÉRCIO DO ZÉ LTDA 15/03/2026"), simples(titulo),
                                                 QStringLiteral("Exibindo registros pesquisados")};
        QVERIFY2(texto.mid(0, 3) == esperado, qPrintable(texto.join(QLatin1Char('|'))));
        QVERIFY2(texto.at(3).startsWith(QStringLiteral("Código ")), qPrintable(texto.at(3)));
        QCOMPARE(texto.mid(4, linhasEsperadas.size()), linhasEsperadas);
        QCOMPARE(texto.mid(4 + linhasEsperadas.size()),
                 (QStringList{QStringLiteral("Total de registros: %1").arg(linhasEsperadas.size()),
                              QStringLiteral("Por : MARIA Página 1 de 1"), QStringLiteral("Brelo")}));
        QVERIFY(!impressao->Relatorios.aberto());
    }

    // A long list repeats the page header and the column header and numbers the pages.
    void variasPaginas()
    {
        for (int i = 1; i <= 120; ++i) insereCidade(i, QStringLiteral("CIDADE %1").arg(i, 3, 10, QLatin1Char('0')), QStringLiteral("SP"));
        auto q = consulta(QStringLiteral("select CD_CODIGO, CD_NOME, CD_UF, CD_EXIBIR from CIDADES ORDER BY CD_NOME"));
        ConexaoRelatorio rv(QStringLiteral("RVCidades"), *q);
        QVERIFY(impressao->imprime(QStringLiteral("RelacaoCidades"),
                                   impressao->parametrosLista(QStringLiteral("Relação de Cidades"), QString()), q.get()));
        verificaSemMensagens();

        QStringList paginas = leituraPdf(impressao->ultimoArquivoPdf()).split(QLatin1Char('\f'));
        if (paginas.last().trimmed().isEmpty()) paginas.removeLast();
        QCOMPARE(paginas.size(), 3);
        int anterior = 0;
        for (int n = 1; n <= 3; ++n) {
            const QString &pg = paginas.at(n - 1);
            QVERIFY(pg.contains(QStringLiteral("Relação de Cidades")));
            QVERIFY(pg.contains(QStringLiteral("COMÉRCIO DO ZÉ LTDA")));
            QVERIFY(simples(pg).contains(QStringLiteral("Código Cidade UF Exibir")));
            QVERIFY(simples(pg).contains(QStringLiteral("Página %1 de 3").arg(n)));
            // Every row once, in order, continuing where the previous page stopped.
            const QRegularExpression linha(QStringLiteral("CIDADE (\\d{3})"));
            for (auto it = linha.globalMatch(pg); it.hasNext();) {
                const int num = it.next().captured(1).toInt();
                QCOMPARE(num, anterior + 1);
                anterior = num;
            }
        }
        QCOMPARE(anterior, 120);
        QVERIFY(paginas.at(2).contains(QStringLiteral("Total de registros: 120")));
    }

    // Two runs of the same report keep both files.
    void execucoesGuardamCadaArquivo()
    {
        insereCidade(1, QStringLiteral("CAMPINAS"), QStringLiteral("SP"));
        auto q = consulta(QStringLiteral("select CD_CODIGO, CD_NOME, CD_UF, CD_EXIBIR from CIDADES"));
        ConexaoRelatorio rv(QStringLiteral("RVCidades"), *q);
        const auto params = impressao->parametrosLista(QStringLiteral("Primeira"), QString());
        QVERIFY(impressao->imprime(QStringLiteral("RelacaoCidades"), params, q.get()));
        const QString primeiro = impressao->ultimoArquivoPdf();
        QVERIFY(impressao->imprime(QStringLiteral("RelacaoCidades"),
                                   impressao->parametrosLista(QStringLiteral("Segunda"), QString()), q.get()));
        QCOMPARE(pdfsGerados(), (QStringList{QStringLiteral("RelacaoCidades.pdf"), QStringLiteral("RelacaoCidades_2.pdf")}));
        QCOMPARE(QFileInfo(impressao->ultimoArquivoPdf()).fileName(), QStringLiteral("RelacaoCidades_2.pdf"));
        QVERIFY(leituraPdf(primeiro).contains(QStringLiteral("Primeira")));
        QVERIFY(leituraPdf(impressao->ultimoArquivoPdf()).contains(QStringLiteral("Segunda")));
        // Parameters do not outlive the run that set them.
        QVERIFY(impressao->imprime(QStringLiteral("RelacaoCidades"), {}, q.get()));
        QVERIFY(!leituraPdf(impressao->ultimoArquivoPdf()).contains(QStringLiteral("Segunda")));
    }

    // Group header and footer by field, with the group's count and sum; a header marked to
    // repeat opens the next page when its group goes on there.
    void gruposPorCampo()
    {
        escreveProjeto(R"({"relatorios": [{
            "nome": "PorEstado", "conexao": "RVCidades",
            "pagina": {"largura": 150, "altura": 80, "margens": {"esquerda": 5, "direita": 5, "superior": 5, "inferior": 5}},
            "bandas": [
              {"tipo": "cabecalhoPagina", "altura": 6, "itens": [{"tipo": "texto", "x": 0, "y": 0, "largura": 140, "altura": 6, "texto": "Cidades por estado"}]},
              {"tipo": "cabecalhoGrupo", "campo": "CD_UF", "repetir": true, "altura": 6,
               "itens": [{"tipo": "texto", "x": 0, "y": 0, "largura": 140, "altura": 6, "texto": "Estado {CD_UF}"}]},
              {"tipo": "detalhe", "altura": 5, "itens": [{"tipo": "texto", "x": 5, "y": 0, "largura": 100, "altura": 5, "texto": "{CD_NOME}"}]},
              {"tipo": "rodapeGrupo", "campo": "CD_UF", "altura": 6,
               "itens": [{"tipo": "texto", "x": 0, "y": 0, "largura": 140, "altura": 6, "texto": "Fim {CD_UF}: {contagem} cidades, soma {soma:CD_CODIGO}"}]},
              {"tipo": "resumo", "altura": 6, "itens": [{"tipo": "texto", "x": 0, "y": 0, "largura": 140, "altura": 6, "texto": "Geral: {contagem}"}]}
            ]}]})");
        insereCidade(1, QStringLiteral("BELO HORIZONTE"), QStringLiteral("MG"));
        insereCidade(2, QStringLiteral("UBERLÂNDIA"), QStringLiteral("MG"));
        for (int i = 0; i < 12; ++i) insereCidade(10 + i, QStringLiteral("PAULISTA %1").arg(i, 2, 10, QLatin1Char('0')), QStringLiteral("SP"));
        auto q = consulta(QStringLiteral("select CD_CODIGO, CD_NOME, CD_UF from CIDADES ORDER BY CD_UF, CD_NOME"));
        ConexaoRelatorio rv(QStringLiteral("RVCidades"), *q);
        QVERIFY(impressao->imprime(QStringLiteral("PorEstado"), {}, q.get()));
        verificaSemMensagens();

        QStringList paginas = leituraPdf(impressao->ultimoArquivoPdf()).split(QLatin1Char('\f'));
        if (paginas.last().trimmed().isEmpty()) paginas.removeLast();
        QStringList texto;
        for (const QString &pg : std::as_const(paginas))
            for (const QString &l : pg.split(QLatin1Char('\n')))
                if (!l.trimmed().isEmpty()) texto.append(simples(l));
        const QString tudo = texto.join(QLatin1Char('|'));
        QVERIFY2(tudo.startsWith(QStringLiteral("Cidades por estado|Estado MG|BELO HORIZONTE|UBERLÂNDIA|Fim MG: 2 cidades, soma 3|"
                                                "Estado SP|PAULISTA 00|")),
                 qPrintable(tudo));
        QVERIFY2(tudo.endsWith(QStringLiteral("PAULISTA 11|Fim SP: 12 cidades, soma 186|Geral: 14")), qPrintable(tudo));
        QVERIFY(paginas.size() >= 2);
        for (int n = 1; n < paginas.size(); ++n) {
            QStringList linhas;
            for (const QString &l : paginas.at(n).split(QLatin1Char('\n')))
                if (!l.trimmed().isEmpty()) linhas.append(simples(l));
            QCOMPARE(linhas.mid(0, 2), (QStringList{QStringLiteral("Cidades por estado"), QStringLiteral("Estado SP")}));
        }
    }

    // Every refusal and failure of a run is one information box, and nothing is written.
    void mensagensDaExecucao_data()
    {
        QTest::addColumn<QString>("caso");
        QTest::addColumn<QString>("relatorio");
        QTest::addColumn<QString>("mensagem");
        const QString naoEncontrado = QStringLiteral("Relatório não encontrado !");
        QTest::newRow("sem registros") << "vazio" << "RelacaoCidades" << "Não há registros a serem impressos !";
        QTest::newRow("sem pasta de relatórios") << "sem pasta" << "RelacaoCidades"
                                                 << "Caminho dos relatórios não especificado nas Configurações Gerais !";
        QTest::newRow("projeto ausente") << "sem projeto" << "RelacaoCidades" << naoEncontrado;
        QTest::newRow("relatório desconhecido") << "" << "RelacaoInexistente" << naoEncontrado;
        QTest::newRow("projeto corrompido") << "corrompido" << "RelacaoCidades" << naoEncontrado;
        QTest::newRow("projeto binário") << "binario" << "RelacaoCidades" << naoEncontrado;
        QTest::newRow("valor de tipo errado") << "tipo errado" << "RelacaoCidades" << naoEncontrado;
        QTest::newRow("conexão não registrada") << "sem conexao" << "RelacaoCidades" << naoEncontrado;
        QTest::newRow("pasta de saída impossível") << "saida impossivel" << "RelacaoCidades" << naoEncontrado;
    }
    void mensagensDaExecucao()
    {
        QFETCH(QString, caso);
        QFETCH(QString, relatorio);
        QFETCH(QString, mensagem);
        if (caso != QLatin1String("vazio")) insereCidade(1, QStringLiteral("CAMPINAS"), QStringLiteral("SP"));
        auto q = consulta(QStringLiteral("select CD_CODIGO, CD_NOME, CD_UF, CD_EXIBIR from CIDADES"));
        std::unique_ptr<ConexaoRelatorio> rv;
        if (caso != QLatin1String("sem conexao")) rv = std::make_unique<ConexaoRelatorio>(QStringLiteral("RVCidades"), *q);

        if (caso == QLatin1String("sem pasta")) dm->PathRelatorios.clear();
        if (caso == QLatin1String("sem projeto")) QVERIFY(QFile::remove(projeto()));
        if (caso == QLatin1String("corrompido")) {
            QFile f(projeto());
            QVERIFY(f.open(QIODevice::ReadOnly));
            const QByteArray inteiro = f.readAll();
            f.close();
            escreveProjeto(inteiro.left(inteiro.size() / 2));
        }
        if (caso == QLatin1String("binario")) escreveProjeto(QByteArray("\x00\xff\x13\x37garbage\x00", 12));
        if (caso == QLatin1String("tipo errado"))
            escreveProjeto(R"({"relatorios": [{"nome": "RelacaoCidades", "bandas": [{"tipo": "detalhe", "altura": "alta"}]}]})");
        if (caso == QLatin1String("saida impossivel")) {
            QFile bloqueio(saida->filePath(QStringLiteral("arquivo")));
            QVERIFY(bloqueio.open(QIODevice::WriteOnly));
            qputenv(SistemaRelatorios::VariavelPdf, QFile::encodeName(bloqueio.fileName() + QStringLiteral("/sub")));
        }

        msgs->espera(mensagem);
        QVERIFY(!impressao->imprime(relatorio, impressao->parametrosLista(QStringLiteral("T"), QString()), q.get()));
        QString porque;
        QVERIFY2(msgs->verificaFim(&porque), qPrintable(porque));
        QCOMPARE(msgs->registradas.size(), 1);
        QCOMPARE(msgs->registradas.at(0).texto, mensagem);
        QCOMPARE(msgs->registradas.at(0).titulo, QStringLiteral("Informação!"));
        QCOMPARE(msgs->registradas.at(0).icone, Icone::Informacao);
        QVERIFY(pdfsGerados().isEmpty());
        QVERIFY(impressao->ultimoArquivoPdf().isEmpty());
        QVERIFY(!impressao->Relatorios.aberto());
    }

    // A logo from a blob field of another connection; a blob that is no picture prints nothing
    // and is no failure.
    void imagemDeCampoBlob_data()
    {
        QTest::addColumn<bool>("valida");
        QTest::addColumn<int>("imagens");
        QTest::newRow("png") << true << 1;
        QTest::newRow("bytes que não são imagem") << false << 0;
    }
    void imagemDeCampoBlob()
    {
        QFETCH(bool, valida);
        QFETCH(int, imagens);
        QByteArray logo("isto não é uma imagem");
        if (valida) {
            QImage img(60, 30, QImage::Format_RGB32);
            img.fill(QColor(200, 30, 30));
            QBuffer b(&logo);
            logo.clear();
            b.open(QIODevice::WriteOnly);
            QVERIFY(img.save(&b, "PNG"));
        }
        executa(QStringLiteral("INSERT INTO EMPRESAS (EM_CODIGO, EM_NOME, EM_LOGO) VALUES (7, 'PADARIA PÃO QUENTE', :L)"),
                {{QStringLiteral("L"), logo}});
        dm->QryEmpresa.defineParametro(QStringLiteral("CODIGO"), 7);
        dm->QryEmpresa.open();
        escreveProjeto(R"({"relatorios": [{"nome": "Logo", "pagina": {"largura": 100, "altura": 60},
            "bandas": [{"tipo": "detalhe", "altura": 40, "itens": [
              {"tipo": "imagem", "x": 0, "y": 0, "largura": 40, "altura": 20, "campo": "RVEmpresaPadrao.EM_LOGO"},
              {"tipo": "texto", "x": 0, "y": 22, "largura": 80, "altura": 6, "texto": "{RVEmpresaPadrao.EM_NOME}"}]}]}]})");
        QVERIFY(impressao->imprime(QStringLiteral("Logo"), {}));
        verificaSemMensagens();
        const QString texto = leituraPdf(impressao->ultimoArquivoPdf());
        QVERIFY2(texto.contains(QStringLiteral("PADARIA PÃO QUENTE")), qPrintable(texto));
        QCOMPARE(imagensPdf(impressao->ultimoArquivoPdf()), imagens);
    }

    // Without the headless folder the options dialog decides: preview by default; a file goes
    // where the save dialog says; cancelling is no failure.
    void dialogoDeOpcoes_data()
    {
        QTest::addColumn<bool>("confirma");
        QTest::addColumn<QString>("respostaArquivo");
        QTest::addColumn<bool>("gravado");
        QTest::newRow("arquivo PDF") << true << "escolhido.pdf" << true;
        QTest::newRow("nome de arquivo cancelado") << true << "" << false;
        QTest::newRow("opções canceladas") << false << "" << false;
    }
    void dialogoDeOpcoes()
    {
        QFETCH(bool, confirma);
        QFETCH(QString, respostaArquivo);
        QFETCH(bool, gravado);
        qunsetenv(SistemaRelatorios::VariavelPdf);
        PlataformaGravadora plataforma;
        const QString destino = respostaArquivo.isEmpty() ? QString() : saida->filePath(respostaArquivo);
        plataforma.respostasDialogos = {destino};
        insereCidade(1, QStringLiteral("CAMPINAS"), QStringLiteral("SP"));
        auto q = consulta(QStringLiteral("select CD_CODIGO, CD_NOME, CD_UF, CD_EXIBIR from CIDADES"));
        ConexaoRelatorio rv(QStringLiteral("RVCidades"), *q);

        QString titulo;
        bool visualizarPadrao = false;
        QTimer::singleShot(0, this, [&] {
            auto *d = qobject_cast<DialogoOpcoesImpressao *>(QApplication::activeModalWidget());
            if (!d) return;
            titulo = d->windowTitle();
            visualizarPadrao = d->RadioVisualizar->isChecked();
            d->RadioArquivo->click();
            (confirma ? d->ButOk : d->ButCancelar)->click();
        });
        QVERIFY(impressao->imprime(QStringLiteral("RelacaoCidades"),
                                   impressao->parametrosLista(QStringLiteral("Relação de Cidades"), QString()), q.get()));
        verificaSemMensagens();
        QCOMPARE(titulo, QStringLiteral("Opções de Impressão"));
        QVERIFY(visualizarPadrao);
        QCOMPARE(plataforma.chamadasDe(QStringLiteral("escolheArquivoSalvar")).size(), confirma ? 1 : 0);
        QCOMPARE(QFile::exists(destino), gravado);
        QCOMPARE(impressao->ultimoArquivoPdf(), gravado ? destino : QString());
        if (gravado) QVERIFY(leituraPdf(destino).contains(QStringLiteral("CAMPINAS")));
    }

    // Placeholders and formats as the layouts print them.
    void marcadores_data()
    {
        QTest::addColumn<QString>("modelo");
        QTest::addColumn<QString>("formatoPadrao");
        QTest::addColumn<QString>("esperado");
        QTest::newRow("campo e parâmetro") << "{pTitulo}: {NOME}" << "" << "Relação: JOSÉ";
        QTest::newRow("data padrão") << "{VENC}" << "" << "05/01/2026";
        QTest::newRow("data por extenso") << "{VENC|d 'de' MMMM 'de' yyyy}" << "" << "5 de janeiro de 2026";
        QTest::newRow("dinheiro padrão") << "{VALOR}" << "" << "R$ 1.234,56";
        QTest::newRow("dinheiro negativo") << "{NEG}" << "" << "-R$ 0,50";
        QTest::newRow("valor sem símbolo") << "{VALOR|valor}" << "" << "1.234,56";
        QTest::newRow("formato do item") << "{VALOR} e {VENC}" << "valor" << "1.234,56 e 05/01/2026";
        QTest::newRow("por extenso") << "{DEZ|extenso}" << "" << "Dez Reais.";
        QTest::newRow("máscara") << "{CEP|mascara:#####-###}" << "" << "14015-040";
        QTest::newRow("máscara de outro tamanho") << "{NOME|mascara:#####-###}" << "" << "JOSÉ";
        QTest::newRow("zeros à esquerda") << "{NUM|000000}" << "" << "000042";
        QTest::newRow("sim e não") << "{FLAG|simnao}/{NOFLAG|simnao}/{NULO|simnao}" << "" << "Sim/Não/";
        QTest::newRow("nulo e ausente") << "[{NULO}][{NAOEXISTE}][{pNaoDefinido}]" << "" << "[][][]";
        QTest::newRow("outra conexão") << "{RVEmpresaPadrao.EM_NOME}" << "" << "SEGUNDA";
        QTest::newRow("página e data") << "{pagina}/{paginas} {data} {hora}" << "" << "2/5 15/03/2026 10:00";
        QTest::newRow("contagem e soma") << "{contagem} {soma:VALOR} {soma:NUM}" << "" << "2 R$ 1.235,06 84";
        QTest::newRow("chaves literais") << "{{pTitulo}} {sem fim" << "" << "{pTitulo} {sem fim";
    }
    void marcadores()
    {
        QFETCH(QString, modelo);
        QFETCH(QString, formatoPadrao);
        QFETCH(QString, esperado);
        Tabela t;
        t.campos = {"NOME", "VENC", "VALOR", "NEG", "DEZ", "CEP", "NUM", "FLAG", "NOFLAG", "NULO"};
        const QVariantList linha{QStringLiteral("JOSÉ"), QDate(2026, 1, 5),
                                 QVariant::fromValue(*Moeda::deTexto(QStringLiteral("1.234,56"))),
                                 QVariant::fromValue(*Moeda::deTexto(QStringLiteral("-0,50"))),
                                 QVariant::fromValue(Moeda::deReais(10)), QStringLiteral("14015040"), 42,
                                 QStringLiteral("T"), QStringLiteral("F"), QVariant()};
        QVariantList segunda = linha;
        segunda[2] = QVariant::fromValue(*Moeda::deTexto(QStringLiteral("0,50")));
        t.linhasDados = {linha, segunda};
        Tabela empresa;
        empresa.campos = {"EM_NOME"};
        empresa.linhasDados = {{QStringLiteral("PRIMEIRA")}, {QStringLiteral("SEGUNDA")}};
        empresa.atual = 1;
        const QHash<QString, QString> params{{QStringLiteral("ptitulo"), QStringLiteral("Relação")}};

        ContextoMarcadores c;
        c.parametros = &params;
        c.principal = &t;
        c.nomePrincipal = QStringLiteral("RVTeste");
        c.conexao = [&](const QString &n) -> const FonteDados * {
            return n == QLatin1String("RVEmpresaPadrao") ? &empresa : nullptr;
        };
        c.linha = 0;
        c.inicio = 0;
        c.fim = 2;
        c.pagina = 2;
        c.paginas = 5;
        c.agora = QDateTime(QDate(2026, 3, 15), QTime(10, 0));
        QCOMPARE(Marcadores::expande(modelo, c, formatoPadrao), esperado);
    }
};

QTEST_MAIN(TestRelatorios)
#include "test_relatorios.moc"
