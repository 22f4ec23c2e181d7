// What the register windows show of long values: measured with the widgets' own fonts on the
// windows as they open, on a real database.

#include "TesteJanelas.h"
#include "DataEdit.h"
#include "Dados.h"
#include "InstalacaoTeste.h"
#include "MaskEdit.h"
#include "MensagensRoteiro.h"
#include "PainelEdicaoCliente.h"
#include "PainelPesquisaClientes.h"
#include "TfBairros.h"
#include "TfCadastrosGerais.h"
#include "TfCidades.h"
#include "TfLogradouros.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTableView>
#include <QTest>

namespace {

// 50 characters, as long as the name boxes take.
const QString NomeLongo = QStringLiteral("MARIA APARECIDA DOS SANTOS FIGUEIREDO ALBUQUERQUES");
// 60 characters, as long as CD_NOME holds.
const QString CidadeLonga = QStringLiteral("SÃO JOSÉ DO VALE DO RIO PRETO E DAS CACHOEIRAS DO ALTO SERRA");

// Width of the text area of a line edit, as the style lays it out.
int areaTexto(const QLineEdit *e)
{
    QStyleOptionFrame o;
    o.initFrom(e);
    o.rect = e->contentsRect();
    o.lineWidth = e->hasFrame() ? e->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &o, e) : 0;
    const QRect r = e->style()->subElementRect(QStyle::SE_LineEditContents, &o, e).marginsRemoved(e->textMargins());
    return r.width() - 2 * 2; // QLineEdit's own side margin
}

} // namespace

class TstTelas : public QObject {
    Q_OBJECT

    std::unique_ptr<InstalacaoTeste> inst;
    std::unique_ptr<Dados> dm;
    std::unique_ptr<MensagensRoteiro> msg;

    void executa(const QString &sql) { dm->DataBase.executa(sql); }

    // The window at the width of a 1366 x 768 screen.
    template <typename J> std::unique_ptr<J> abre()
    {
        auto j = std::make_unique<J>();
        j->setAttribute(Qt::WA_DeleteOnClose, false);
        j->show();
        j->resize(1366, 740);
        [&] { QVERIFY(QTest::qWaitForWindowExposed(j.get())); }();
        QTest::qWait(20); // the columns follow the rows once the window has filled its lists
        return j;
    }

    // The cell of `texto` in the grid shows it on one line, whole and inside the grid.
    static void verificaNomeInteiro(QTableView *g, const QString &texto)
    {
        const QAbstractItemModel *m = g->model();
        QModelIndex celula;
        for (int r = 0; r < m->rowCount() && !celula.isValid(); ++r)
            for (int c = 0; c < m->columnCount(); ++c)
                if (m->index(r, c).data().toString() == texto) celula = m->index(r, c);
        QVERIFY2(celula.isValid(), qPrintable(texto));
        const QHeaderView *h = g->horizontalHeader();
        const int margem = 2 * (g->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, g) + 1);
        const int precisa = g->fontMetrics().horizontalAdvance(texto) + margem;
        QVERIFY2(h->sectionSize(celula.column()) >= precisa,
                 qPrintable(QStringLiteral("coluna de %1 px para %2 px").arg(h->sectionSize(celula.column())).arg(precisa)));
        QVERIFY(h->sectionViewportPosition(celula.column()) >= 0);
        QVERIFY(h->sectionViewportPosition(celula.column()) + h->sectionSize(celula.column()) <= g->viewport()->width());
        QVERIFY(!g->wordWrap());
        QVERIFY(g->rowHeight(celula.row()) < 2 * g->fontMetrics().lineSpacing());
    }

    // The box shows `valor` whole.
    static void verificaCaixa(QLineEdit *e, const QString &valor)
    {
        const int precisa = e->fontMetrics().horizontalAdvance(valor);
        QVERIFY2(areaTexto(e) >= precisa, qPrintable(QStringLiteral("%1: %2 px para %3 px")
                                                         .arg(e->objectName()).arg(areaTexto(e)).arg(precisa)));
    }

private Q_SLOTS:
    void init()
    {
        inst = std::make_unique<InstalacaoTeste>();
        dm = inst->conectaComoMaster();
        msg = std::make_unique<MensagensRoteiro>();
        executa(QStringLiteral("INSERT INTO CIDADES (CD_CODIGO, CD_NOME, CD_UF, CD_EXIBIR) VALUES (1, '%1', 'RJ', 'T')").arg(CidadeLonga));
        executa(QStringLiteral("INSERT INTO CIDADES (CD_CODIGO, CD_NOME, CD_UF, CD_EXIBIR) VALUES (2, '%1', 'RJ', 'T')").arg(NomeLongo));
        executa(QStringLiteral("INSERT INTO BAIRROS (BR_CODIGO, BR_NOME, BR_COD_CIDADE, BR_EXIBIR) VALUES (1, '%1', 1, 'T')").arg(NomeLongo));
        executa(QStringLiteral("INSERT INTO LOGRADOUROS (LG_CODIGO, LG_NOME, LG_COD_CIDADE, LG_EXIBIR) VALUES (1, '%1', 1, 'T')").arg(NomeLongo));
        executa(QStringLiteral("INSERT INTO CADASTROS (CG_CODIGO, CG_NOME, CG_ESPECIE, CG_TIPO_PESSOA, CG_COD_CIDADE, CG_DT_CAD, "
                               "CG_DT_NASC, CG_EXIBIR) VALUES (1, '%1', 'C', 'F', 1, '2026-12-28', '1988-08-28', 'T')").arg(NomeLongo));
        QCOMPARE(NomeLongo.size(), 50);
        QCOMPARE(CidadeLonga.size(), 60);
    }
    void cleanup()
    {
        msg.reset();
        dm.reset();
        inst.reset();
    }

    void nomeDe50CaracteresInteiroNaGrade_data()
    {
        QTest::addColumn<QString>("janela");
        QTest::newRow("cidades") << "cidades";
        QTest::newRow("bairros") << "bairros";
        QTest::newRow("logradouros") << "logradouros";
        QTest::newRow("clientes") << "clientes";
    }
    void nomeDe50CaracteresInteiroNaGrade()
    {
        QFETCH(QString, janela);
        std::unique_ptr<JanelaCadastro> j;
        if (janela == QLatin1String("cidades")) j = abre<TfCidades>();
        else if (janela == QLatin1String("bairros")) j = abre<TfBairros>();
        else if (janela == QLatin1String("logradouros")) j = abre<TfLogradouros>();
        else j = abre<TfCadastrosGerais>();
        verificaNomeInteiro(j->Grid1, NomeLongo);
        // the short columns fit their content: a date or a state whole
        const QAbstractItemModel *m = j->Grid1->model();
        for (int c = 0; c < m->columnCount(); ++c) {
            const QString t = m->index(0, c).data().toString();
            if (t.size() <= 10 && !t.isEmpty()) verificaNomeInteiro(j->Grid1, t);
        }
    }

    void caixasDoClienteMostramSeuMaiorValor()
    {
        auto j = abre<TfCadastrosGerais>();
        j->ButAltera->click();
        QCOMPARE(j->modo(), int(JanelaCadastro::Alterando));
        PainelEdicaoCliente *e = j->Edicao;
        const QString quinze = QStringLiteral("WMWMWMWMWMWMWMW");
        const QList<std::pair<QLineEdit *, QString>> caixas{
            {e->EditRG, quinze}, {e->EditComplemento, quinze}, {e->EditIM, quinze}, {e->EditReferencia, quinze},
            {e->EditDataCad, QStringLiteral("28/12/2026")}, {e->EditDataNasc, QStringLiteral("28/08/1988")},
            {e->EditDataAtual, QStringLiteral("28/12/2026")}, {e->EditCEP, QStringLiteral("29050-000")},
            {e->EditCPF, QStringLiteral("888.888.888-88")}, {e->EditNome, NomeLongo}};
        for (const auto &[caixa, valor] : caixas) verificaCaixa(caixa, valor);
        QCOMPARE(e->EditDataCad->displayText(), QStringLiteral("28/12/2026"));
        j->Edicao->RadioJuridica->click();
        verificaCaixa(e->EditCPF, QStringLiteral("88.888.888/8888-88")); // the CNPJ mask is longer
        QTest::keyClick(j.get(), Qt::Key_F7);

        j->ButPesquisarClick();
        for (DataEdit *d : {j->Pesquisa->PesqEditDataCad1, j->Pesquisa->PesqEditDataCad2, j->Pesquisa->PesqEditDataAtual1,
                            j->Pesquisa->PesqEditDataAtual2})
            verificaCaixa(d, QStringLiteral("28/12/2026"));
    }

    void nomeDe50CaracteresInteiroNoPainelDaLocalidade()
    {
        auto j = abre<TfLogradouros>();
        j->ButAltera->click();
        verificaCaixa(j->EditNome, NomeLongo);
        verificaCaixa(j->EditCEP, QStringLiteral("29050-000"));
        QTest::keyClick(j.get(), Qt::Key_F7);
    }
};

PN_TESTE_JANELAS(TstTelas)
#include "test_telas.moc"
