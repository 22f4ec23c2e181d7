// Long values in the delivered list reports and in the engine's fitted text items, read back from
// the PDF with the position of every word (pdftotext -bbox).

#include "ConexaoRelatorio.h"
#include "DadosImpressao.h"
#include "Dados.h"
#include "InstalacaoTeste.h"
#include "MensagensRoteiro.h"
#include "RelogioFixo.h"
#include "SistemaRelatorios.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr double PontosPorMm = 72 / 25.4;
constexpr double Folga = 0.5; // points

struct Palavra {
    QString texto;
    double xMin, xMax, yMin, yMax;
};

// The words of the first page, in reading order, with their extent in points.
QList<Palavra> palavras(const QString &pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), QStringLiteral("-f"), QStringLiteral("1"),
                                          QStringLiteral("-l"), QStringLiteral("1"), pdf, QStringLiteral("-")});
    p.waitForFinished(30000);
    static const QRegularExpression re(QStringLiteral("<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" "
                                                      "yMax=\"([\\d.]+)\">([^<]*)</word>"));
    QList<Palavra> r;
    for (auto it = re.globalMatch(QString::fromUtf8(p.readAllStandardOutput())); it.hasNext();) {
        const auto m = it.next();
        r.append({m.captured(5).replace(QStringLiteral("&amp;"), QStringLiteral("&")), m.captured(1).toDouble(),
                  m.captured(3).toDouble(), m.captured(2).toDouble(), m.captured(4).toDouble()});
    }
    return r;
}

// Left and right edge, in points from the page's left edge, of the detail item that prints `campo`.
std::pair<double, double> coluna(const QString &projeto, const QString &relatorio, const QString &campo)
{
    QFile f(projeto);
    if (!f.open(QIODevice::ReadOnly)) return {};
    for (const QJsonValue r : QJsonDocument::fromJson(f.readAll()).object().value(QStringLiteral("relatorios")).toArray()) {
        const QJsonObject o = r.toObject();
        if (o.value(QStringLiteral("nome")).toString() != relatorio) continue;
        const double margem = o.value(QStringLiteral("pagina")).toObject().value(QStringLiteral("margens")).toObject()
                                  .value(QStringLiteral("esquerda")).toDouble(10);
        for (const QJsonValue b : o.value(QStringLiteral("bandas")).toArray()) {
            if (b.toObject().value(QStringLiteral("tipo")).toString() != QLatin1String("detalhe")) continue;
            for (const QJsonValue i : b.toObject().value(QStringLiteral("itens")).toArray()) {
                const QJsonObject item = i.toObject();
                if (!item.value(QStringLiteral("texto")).toString().startsWith(QLatin1Char('{') + campo)) continue;
                const double x = margem + item.value(QStringLiteral("x")).toDouble();
                return {x * PontosPorMm, (x + item.value(QStringLiteral("largura")).toDouble()) * PontosPorMm};
            }
        }
    }
    return {};
}

// The words of `texto`, one after the other, in `lista`; empty when they are not all there.
QList<Palavra> sequencia(const QList<Palavra> &lista, const QString &texto)
{
    const QStringList procuradas = texto.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (qsizetype i = 0; i + procuradas.size() <= lista.size(); ++i) {
        bool igual = true;
        for (qsizetype k = 0; k < procuradas.size() && igual; ++k) {
            QString lida = lista.at(i + k).texto;
            if (lida.endsWith(QLatin1Char(','))) lida.chop(1); // "{LG_NOME}, {CG_NUMERO}"
            igual = lida == procuradas.at(k);
        }
        if (igual) return lista.mid(i, procuradas.size());
    }
    return {};
}

} // namespace

class TestRelatoriosListas : public QObject {
    Q_OBJECT

    std::unique_ptr<InstalacaoTeste> inst;
    std::unique_ptr<RelogioFixo> relogio;
    std::unique_ptr<Dados> dm;
    std::unique_ptr<DadosImpressao> impressao;
    std::unique_ptr<MensagensRoteiro> msgs;
    std::unique_ptr<QTemporaryDir> saida;
    std::unique_ptr<Transacao> trans;

    QString projeto() const { return dm->PathRelatorios + QStringLiteral("Relatorios.rav"); }
    void executa(const QString &sql) { dm->DataBase.executa(sql); }

    // Runs `relatorio` over the rows of `sql` handed over as `conexao`; the PDF written.
    QString imprime(const QString &relatorio, const QString &conexao, const QString &sql)
    {
        Query q(dm->DataBase, *trans);
        q.sql.defineTexto(sql);
        q.open();
        ConexaoRelatorio rv(conexao, q);
        if (!impressao->imprime(relatorio, impressao->parametrosLista(QStringLiteral("Relação"), QString()), &q)) return {};
        return impressao->ultimoArquivoPdf();
    }

private Q_SLOTS:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) QSKIP("pdftotext is not installed");
    }
    void init()
    {
        inst = std::make_unique<InstalacaoTeste>();
        relogio = std::make_unique<RelogioFixo>(QDate(2026, 3, 15));
        dm = inst->conectaDados();
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

    // A 50-character name prints whole, every word inside its column.
    void nomeDe50CaracteresInteiroNaColuna_data()
    {
        QTest::addColumn<QString>("relatorio");
        QTest::addColumn<QString>("conexao");
        QTest::addColumn<QString>("campo");
        QTest::addColumn<QString>("sql");
        const QString logradouros = QStringLiteral(
            "select LG_CODIGO, LG_TIPO, LG_NOME, LG_CEP, LG_EXIBIR, CD_NOME from LOGRADOUROS LEFT JOIN CIDADES ON CD_CODIGO=LG_COD_CIDADE");
        const QString clientes = QStringLiteral(
            "select CG_CODIGO, CG_NOME, CG_CPF_CNPJ, CG_RG_IE, CG_DT_NASC, CG_NUMERO, CG_ENDERECO_COMPLETO2, CG_CONTATOS, "
            "CD_NOME, CD_UF, BR_NOME, LG_NOME from CADASTROS LEFT JOIN CIDADES ON CD_CODIGO=CG_COD_CIDADE "
            "LEFT JOIN BAIRROS ON BR_CODIGO=CG_COD_BAIRRO LEFT JOIN LOGRADOUROS ON LG_CODIGO=CG_COD_LOGRADOURO");
        QTest::newRow("logradouro") << "RelacaoLogradouros" << "RVLogradouros" << "LG_NOME" << logradouros;
        QTest::newRow("cidade do logradouro") << "RelacaoLogradouros" << "RVLogradouros" << "CD_NOME" << logradouros;
        QTest::newRow("bairro") << "RelacaoBairros" << "RVBairros" << "BR_NOME"
                                << QStringLiteral("select BR_CODIGO, BR_NOME, BR_EXIBIR, CD_NOME from BAIRROS "
                                                  "LEFT JOIN CIDADES ON CD_CODIGO=BR_COD_CIDADE");
        QTest::newRow("cliente") << "RelacaoClientes" << "RvClientes" << "CG_NOME" << clientes;
        QTest::newRow("cliente e endereço") << "RelacaoClientesEndereco" << "RvClientes" << "CG_NOME" << clientes;
        QTest::newRow("cliente e contatos") << "RelacaoClientesContatos" << "RvClientes" << "CG_NOME" << clientes;
        QTest::newRow("cliente por cidade") << "RelacaoClientesCidade" << "RvClientes" << "CG_NOME" << clientes;
        QTest::newRow("bairro do cliente") << "RelacaoClientesCidade" << "RvClientes" << "BR_NOME" << clientes;
        QTest::newRow("cliente por bairro") << "RelacaoClientesBairro" << "RvClientes" << "CG_NOME" << clientes;
        QTest::newRow("logradouro do cliente") << "RelacaoClientesBairro" << "RvClientes" << "LG_NOME" << clientes;
    }
    void nomeDe50CaracteresInteiroNaColuna()
    {
        QFETCH(QString, relatorio);
        QFETCH(QString, conexao);
        QFETCH(QString, campo);
        QFETCH(QString, sql);
        // 50 characters each, one name per field so that each is found in its own column.
        const QHash<QString, QString> nomes{{QStringLiteral("CD_NOME"), QStringLiteral("SANTA LEOPOLDINA DO ALTO RIO POSSMOSER E TIROL SUL")},
                                            {QStringLiteral("BR_NOME"), QStringLiteral("JARDIM DAS ACACIAS E PALMEIRAS IMPERIAIS DO NORTES")},
                                            {QStringLiteral("LG_NOME"), QStringLiteral("MARECHAL MANOEL DEODORO DA FONSECA PRIMEIRO TRECHO")},
                                            {QStringLiteral("CG_NOME"), QStringLiteral("MARIA APARECIDA DOS SANTOS FIGUEIREDO ALBUQUERQUES")}};
        for (const QString &n : nomes) QCOMPARE(n.size(), 50);
        const QString nome = nomes.value(campo);
        executa(QStringLiteral("INSERT INTO CIDADES (CD_CODIGO, CD_NOME, CD_UF, CD_EXIBIR) VALUES (1, '%1', 'ES', 'T')")
                    .arg(nomes.value(QStringLiteral("CD_NOME"))));
        executa(QStringLiteral("INSERT INTO BAIRROS (BR_CODIGO, BR_NOME, BR_COD_CIDADE, BR_EXIBIR) VALUES (1, '%1', 1, 'T')")
                    .arg(nomes.value(QStringLiteral("BR_NOME"))));
        executa(QStringLiteral("INSERT INTO LOGRADOUROS (LG_CODIGO, LG_NOME, LG_TIPO, LG_CEP, LG_COD_CIDADE, LG_EXIBIR) "
                               "VALUES (1, '%1', 'TRAVESSA (TRV)', '29050000', 1, 'T')").arg(nomes.value(QStringLiteral("LG_NOME"))));
        executa(QStringLiteral("INSERT INTO CADASTROS (CG_CODIGO, CG_NOME, CG_ESPECIE, CG_TIPO_PESSOA, CG_COD_CIDADE, CG_COD_BAIRRO, "
                               "CG_COD_LOGRADOURO, CG_NUMERO) VALUES (1, '%1', 'C', 'F', 1, 1, 1, '1450')")
                    .arg(nomes.value(QStringLiteral("CG_NOME"))));
        const QString pdf = imprime(relatorio, conexao, sql);
        QVERIFY2(!pdf.isEmpty(), qPrintable(msgs->textos().join(QLatin1Char('|'))));
        const auto [esquerda, direita] = coluna(projeto(), relatorio, campo);
        QVERIFY(direita > esquerda);
        // The words printed inside the column (its title and the one row) hold the whole name.
        QList<Palavra> naColuna;
        for (const Palavra &p : palavras(pdf))
            if (p.xMin >= esquerda - Folga && p.xMax <= direita + Folga) naColuna.append(p);
        QStringList lidas;
        for (const Palavra &p : naColuna) lidas.append(p.texto);
        QVERIFY2(!sequencia(naColuna, nome).isEmpty(), qPrintable(lidas.join(QLatin1Char(' '))));
    }

    void documentoComSuaMascara()
    {
        executa(QStringLiteral("INSERT INTO CADASTROS (CG_CODIGO, CG_NOME, CG_ESPECIE, CG_TIPO_PESSOA, CG_CPF_CNPJ) "
                               "VALUES (1, 'LOJA', 'C', 'J', '11222333000181')"));
        executa(QStringLiteral("INSERT INTO CADASTROS (CG_CODIGO, CG_NOME, CG_ESPECIE, CG_TIPO_PESSOA, CG_CPF_CNPJ) "
                               "VALUES (2, 'JOSÉ', 'C', 'F', '52998224725')"));
        const QString pdf = imprime(QStringLiteral("RelacaoClientes"), QStringLiteral("RvClientes"),
                                    QStringLiteral("select CG_CODIGO, CG_NOME, CG_CPF_CNPJ, CG_RG_IE, CG_DT_NASC from CADASTROS"));
        QVERIFY(!pdf.isEmpty());
        const auto [esquerda, direita] = coluna(projeto(), QStringLiteral("RelacaoClientes"), QStringLiteral("CG_CPF_CNPJ"));
        QStringList naColuna;
        for (const Palavra &p : palavras(pdf))
            if (p.xMin >= esquerda - Folga && p.xMax <= direita + Folga) naColuna.append(p.texto);
        QVERIFY2(naColuna.contains(QStringLiteral("11.222.333/0001-81")), qPrintable(naColuna.join(QLatin1Char(' '))));
        QVERIFY(naColuna.contains(QStringLiteral("529.982.247-25")));
    }

    // A fitted item: shrunk while its minimum size allows, then wrapped, never outside its box.
    void textoAjustadoAoQuadro_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<bool>("quebrado");
        QTest::newRow("reduzido numa linha") << QStringLiteral("RUA DAS ACÁCIAS") << false;
        QTest::newRow("quebrado no tamanho mínimo") << QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZABCDEFGHIJKLMNOPQRSTUVWXYZ") << true;
        QTest::newRow("abaixo do mínimo para caber na altura")
            << QStringLiteral("RUA DAS ACÁCIAS E PALMEIRAS ").repeated(5).trimmed() << false;
    }
    void textoAjustadoAoQuadro()
    {
        QFETCH(QString, texto);
        QFETCH(bool, quebrado);
        const QByteArray rav = R"({"relatorios": [{"nome": "Ajuste", "bandas": [{"tipo": "detalhe", "altura": 20, "itens": [
            {"tipo": "texto", "x": 10, "y": 0, "largura": 30, "altura": 12, "texto": "{pTexto}", "reduzir": true,
             "tamanhoMinimo": 7, "fonte": {"tamanho": 12}}]}]}]})";
        QFile f(projeto());
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(rav);
        f.close();
        QVERIFY(impressao->imprime(QStringLiteral("Ajuste"), {{QStringLiteral("pTexto"), texto}}));
        const QList<Palavra> lidas = palavras(impressao->ultimoArquivoPdf());
        QString junto;
        for (const Palavra &p : lidas) {
            // the box: 20 to 50 mm across, 10 to 22 mm down
            QVERIFY2(p.xMin >= 20 * PontosPorMm - Folga && p.xMax <= 50 * PontosPorMm + Folga, qPrintable(p.texto));
            QVERIFY2(p.yMin >= 10 * PontosPorMm - Folga && p.yMax <= 22 * PontosPorMm + Folga, qPrintable(p.texto));
            junto += p.texto + (quebrado ? QString() : QStringLiteral(" "));
        }
        QCOMPARE(junto.trimmed(), texto); // every letter, in order
        if (quebrado) QVERIFY(lidas.size() > 1); // one piece per line
    }
};

QTEST_MAIN(TestRelatoriosListas)
#include "test_relatorios_listas.moc"
