// The migration window driven as a user does, on a real database: opening and guidance, the
// refusals, the copy of every column, emitter matching, a second run, a failure half-way and
// the progress bar.

#include "Dados.h"
#include "InstalacaoTeste.h"
#include "JanelaPrincipal.h"
#include "MensagensRoteiro.h"
#include "RelogioFixo.h"
#include "TesteJanelas.h"
#include "TfMigrar.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <memory>

// The main window as the migration sees it: only the notice-board refreshes are counted.
class PrincipalContador final : public JanelaPrincipal {
public:
    PrincipalContador() { JanelaPrincipal::define(this); }
    ~PrincipalContador() override { JanelaPrincipal::define(nullptr); }
    int lembretes = 0;
    void concluiLogin() override {}
    void AbreTabelasLembretes() override { ++lembretes; }
    void AjudaSistema() override {}
    void FaleConosco() override {}
    void mostraComputador(const QString &, const QString &) override {}
    bool atualizacaoSilenciosaIniciada() const override { return false; }
    void RestaurarBD() override {}
    QWidget *janela() override { return nullptr; }
};

class TstMigrar : public QObject {
    Q_OBJECT

    std::unique_ptr<InstalacaoTeste> inst;
    std::unique_ptr<Dados> dm;
    std::unique_ptr<MensagensRoteiro> msg;
    std::unique_ptr<RelogioFixo> relogio;

    QVariant valor(const QString &sql)
    {
        Transacao tr(dm->DataBase);
        Query q(dm->DataBase, tr);
        q.sql.defineTexto(sql);
        q.open();
        return q.isEmpty() ? QVariant() : q.valor(0, 0);
    }
    int conta(const QString &sql) { return valor(sql).toInt(); }
    void executa(const QString &sql) { dm->DataBase.executa(sql); }

    struct Lite {
        int codigo, parcela, total;
        QString emitente;
        QString valor = QStringLiteral("100"), pago = QStringLiteral("0"), saldo = QStringLiteral("100");
        QString status = QStringLiteral("N");
        QString pagamento = QStringLiteral("NULL");
        QString obs = QStringLiteral("NULL");
    };
    void lite(const Lite &n)
    {
        executa(QStringLiteral("INSERT INTO NOTAPROMISSORIALITE (NPL_CODIGO, NPL_PARCELA, NPL_TOTAL_PARCELAS, "
                               "NPL_DT_EMISSAO, NPL_DT_VENCIMENTO, NPL_DT_PAGAMENTO, NPL_VALOR, NPL_VALOR_PGTO, "
                               "NPL_SALDO_DEVEDOR, NPL_VALOR_TEMP, NPL_EMITENTE, NPL_EMITENTE_DOC, NPL_EMITENTE_ENDERECO, "
                               "NPL_CREDOR, NPL_CREDOR_DOC, NPL_CIDADE, NPL_PRACA, NPL_STATUS, NPL_OBS) VALUES "
                               "(%1, %2, %3, '2026-11-05', DATEADD(%2 MONTH TO DATE '2026-12-05'), %4, %5, %6, %7, 55, "
                               "'%8', '12345678901', 'RUA A, 10', 'OUTRO CREDOR', '98765432100', 'OUTRA CIDADE', "
                               "'OUTRA PRACA', '%9', %10)")
                    .arg(n.codigo)
                    .arg(n.parcela)
                    .arg(n.total)
                    .arg(n.pagamento, n.valor, n.pago, n.saldo, n.emitente, n.status, n.obs));
    }
    // The three notes most tests migrate: two installments of a new emitter (one paid, with an
    // inconsistent balance that must be copied as it is) and one of a person in another case.
    void tresNotas()
    {
        lite({15, 1, 2, QStringLiteral("JOAO NOVO"), QStringLiteral("100"), QStringLiteral("100"),
              QStringLiteral("7"), QStringLiteral("P"), QStringLiteral("'2026-12-20'"), QStringLiteral("'quitada'")});
        lite({16, 2, 2, QStringLiteral("JOAO NOVO")});
        lite({17, 1, 1, QStringLiteral("Maria da Silva")});
    }
    std::unique_ptr<TfMigrar> abre()
    {
        auto j = std::make_unique<TfMigrar>();
        j->show();
        return j;
    }
    // Creditor, state and city typed, then "Migrar Dados".
    void migra(TfMigrar &j, const QString &credor = QStringLiteral("loja central"),
               const QString &uf = QStringLiteral("SP"), const QString &cidade = QStringLiteral("campinas"))
    {
        j.EditCredor->setEditText(credor);
        j.ComboEstados->setEditText(uf);
        j.EditCidade->setEditText(cidade);
        QTest::mouseClick(j.ButMigrar, Qt::LeftButton);
    }
    void verificaMensagens()
    {
        QString porque;
        QVERIFY2(msg->verificaFim(&porque), qPrintable(porque));
    }
    QStringList itens(QComboBox *c)
    {
        QStringList l;
        for (int i = 0; i < c->count(); ++i) l << c->itemText(i);
        return l;
    }

private Q_SLOTS:
    void init()
    {
        inst = std::make_unique<InstalacaoTeste>();
        dm = inst->conectaComoMaster();
        msg = std::make_unique<MensagensRoteiro>();
        relogio = std::make_unique<RelogioFixo>(QDate(2027, 1, 10));
        executa(QStringLiteral("INSERT INTO CIDADES (CD_CODIGO, CD_NOME, CD_UF, CD_EXIBIR) VALUES (1, 'SAO PAULO', 'SP', 'T')"));
        executa(QStringLiteral("INSERT INTO CIDADES (CD_CODIGO, CD_NOME, CD_UF, CD_EXIBIR) VALUES (2, 'CAMPINAS', 'SP', 'T')"));
        executa(QStringLiteral("INSERT INTO CIDADES (CD_CODIGO, CD_NOME, CD_UF, CD_EXIBIR) VALUES (3, 'CAMPINAS', 'MG', 'T')"));
        executa(QStringLiteral("INSERT INTO CIDADES (CD_CODIGO, CD_NOME, CD_UF, CD_EXIBIR) VALUES (4, 'AMPARO', 'SP', 'F')"));
        executa(QStringLiteral("INSERT INTO EMPRESAS (EM_CODIGO, EM_NOME, EM_TIPO_PESSOA) VALUES (1, 'LOJA CENTRAL', 'J')"));
        executa(QStringLiteral("INSERT INTO EMPRESAS (EM_CODIGO, EM_NOME, EM_TIPO_PESSOA) VALUES (2, 'ATACADO SUL', 'J')"));
        for (auto [codigo, nome] : {std::pair{5, "MARIA DA SILVA"}, std::pair{9, "maria da silva"}})
            executa(QStringLiteral("INSERT INTO CADASTROS (CG_CODIGO, CG_NOME, CG_ESPECIE, CG_TIPO_PESSOA, CG_EXIBIR) "
                                   "VALUES (%1, '%2', 'C', 'F', 'T')")
                        .arg(codigo)
                        .arg(QLatin1String(nome)));
        executa(QStringLiteral("SET GENERATOR COD_CADASTROS TO 100"));
        executa(QStringLiteral("UPDATE CONFIGS SET CF_UF_PADRAO=26 WHERE CF_CODIGO=1"));
        dm->QryConfigs.close();
    }
    void cleanup()
    {
        relogio.reset();
        msg.reset();
        dm.reset();
        inst.reset();
    }

    void abreComEstadoPadrao_data()
    {
        QTest::addColumn<QString>("padrao");
        QTest::addColumn<QString>("uf");
        QTest::addColumn<QStringList>("cidades");
        QTest::newRow("estado das configuracoes") << "26" << "SP" << QStringList{"CAMPINAS", "SAO PAULO"};
        QTest::newRow("codigo sem estado: o ultimo") << "99" << "TO" << QStringList{};
        QTest::newRow("sem estado padrao: o ultimo") << "NULL" << "TO" << QStringList{};
    }
    void abreComEstadoPadrao()
    {
        QFETCH(QString, padrao);
        QFETCH(QString, uf);
        QFETCH(QStringList, cidades);
        executa(QStringLiteral("UPDATE CONFIGS SET CF_UF_PADRAO=%1 WHERE CF_CODIGO=1").arg(padrao));
        auto j = abre();
        QCOMPARE(j->windowTitle(), QStringLiteral("Migrar dados da versão Lite para a versão Pro"));
        QCOMPARE(itens(j->EditCredor), (QStringList{"LOJA CENTRAL", "ATACADO SUL"}));
        QCOMPARE(j->EditCredor->currentText(), QString());
        QCOMPARE(j->ComboEstados->count(), 27);
        QCOMPARE(j->ComboEstados->itemText(0), QStringLiteral("AC"));
        QCOMPARE(j->ComboEstados->currentText(), uf);
        QCOMPARE(itens(j->EditCidade), cidades); // visible ones, by name
        QCOMPARE(j->LabelStatus->text(), QStringLiteral("Informe o credor (seus dados)!"));
        QVERIFY(j->focusWidget() == j->EditCredor || j->focusWidget() == j->EditCredor->lineEdit());
        verificaMensagens();
    }

    void orientaEnquantoDigita()
    {
        auto j = abre();
        QTest::keyClicks(j->EditCredor->lineEdit(), "loja");
        QCOMPARE(j->EditCredor->currentText(), QStringLiteral("LOJA"));
        QCOMPARE(j->LabelStatus->text(), QStringLiteral("Informe o seu Estado!"));
        j->ComboEstados->setEditText(QStringLiteral("MG"));
        QCOMPARE(itens(j->EditCidade), QStringList{"CAMPINAS"});
        QCOMPARE(j->LabelStatus->text(), QStringLiteral("Informe a sua cidade!"));
        QTest::keyClicks(j->EditCidade->lineEdit(), "c");
        QCOMPARE(j->LabelStatus->text(), QStringLiteral("Clique em Migrar Dados para começar o processo"));
        j->ComboEstados->setEditText(QString());
        QCOMPARE(itens(j->EditCidade), QStringList{});
        verificaMensagens();
    }

    void recusas_data()
    {
        QTest::addColumn<QString>("credor");
        QTest::addColumn<QString>("uf");
        QTest::addColumn<QString>("cidade");
        QTest::addColumn<QString>("mensagem");
        QTest::addColumn<QString>("foco");
        QTest::newRow("sem credor") << " " << "SP" << "CAMPINAS" << "É necessário informar a empresa!" << "EditCredor";
        QTest::newRow("sem estado") << "LOJA CENTRAL" << "" << "CAMPINAS" << "É necessário informar o seu Estado!"
                                    << "ComboEstados";
        QTest::newRow("sem cidade") << "LOJA CENTRAL" << "SP" << "" << "É necessário informar sua cidade!" << "EditCidade";
        QTest::newRow("prefixo de empresa") << "LOJA" << "SP" << "CAMPINAS" << "Empresa não localizada!" << "EditCredor";
        QTest::newRow("cidade de outro estado") << "LOJA CENTRAL" << "RJ" << "CAMPINAS" << "Cidade não localizada!"
                                                << "EditCidade";
        QTest::newRow("cidade oculta") << "LOJA CENTRAL" << "SP" << "AMPARO" << "Cidade não localizada!" << "EditCidade";
    }
    void recusas()
    {
        QFETCH(QString, credor);
        QFETCH(QString, uf);
        QFETCH(QString, cidade);
        QFETCH(QString, mensagem);
        QFETCH(QString, foco);
        tresNotas();
        auto j = abre();
        msg->espera(mensagem);
        migra(*j, credor, uf, cidade);
        verificaMensagens();
        QCOMPARE(msg->registradas.last().titulo, QStringLiteral("Informação!"));
        QWidget *f = j->focusWidget();
        QVERIFY(f);
        QCOMPARE((f->objectName() == foco ? f : f->parentWidget())->objectName(), foco);
        QCOMPARE(conta(QStringLiteral("SELECT COUNT(*) FROM NOTAPROMISSORIA")), 0);
        QCOMPARE(conta(QStringLiteral("SELECT COUNT(*) FROM CADASTROS")), 2);
        QVERIFY(j->ButMigrar->isEnabled());
    }

    void copiaCadaColunaEPessoas()
    {
        tresNotas();
        executa(QStringLiteral("INSERT INTO CADASTROS (CG_CODIGO, CG_NOME) VALUES (7, 'JOSÉ AÇAÍ')"));
        lite({19, 1, 1, QStringLiteral("josé açaí")});
        PrincipalContador principal;
        auto j = abre();
        msg->espera(QStringLiteral("Migração ocorrida com sucesso!\r4 nota(s) copiada(s), 0 já migrada(s)"));
        migra(*j);
        verificaMensagens();
        QCOMPARE(principal.lembretes, 1);
        QCOMPARE(conta(QStringLiteral("SELECT NP_COD_EMITENTE FROM NOTAPROMISSORIA WHERE NP_COD_AUXILIAR2='19'")), 7);
        QCOMPARE(j->LabelStatus->text(), QStringLiteral("Processo concluído com sucesso!"));
        QVERIFY(!j->ButMigrar->isEnabled());

        // One person for the two notes of the new name; the other case of an existing name uses
        // the first person of that name in code order.
        QCOMPARE(conta(QStringLiteral("SELECT COUNT(*) FROM CADASTROS")), 4);
        const int novo = conta(QStringLiteral("SELECT CG_CODIGO FROM CADASTROS WHERE CG_NOME='JOAO NOVO'"));
        QCOMPARE(novo, 101);
        QCOMPARE(valor(QStringLiteral("SELECT CG_OBS FROM CADASTROS WHERE CG_CODIGO=101")).toString(),
                 QStringLiteral("Documento : 12345678901 - Endereço : RUA A, 10"));
        QCOMPARE(valor(QStringLiteral("SELECT CG_ESPECIE || CG_TIPO_PESSOA || CG_EXIBIR FROM CADASTROS WHERE CG_CODIGO=101"))
                     .toString(),
                 QStringLiteral("CFT"));
        QCOMPARE(valor(QStringLiteral("SELECT CG_DT_CAD FROM CADASTROS WHERE CG_CODIGO=101")).toDate(), QDate(2027, 1, 10));
        QVERIFY(valor(QStringLiteral("SELECT CG_CPF_CNPJ FROM CADASTROS WHERE CG_CODIGO=101")).isNull());

        const QString linha = QStringLiteral(
            "SELECT NP_PARCELA || '|' || NP_TOTAL_PARCELAS || '|' || NP_COD_AUXILIAR2 || '|' || NP_PARCELA_EXT || '|' || "
            "NP_DT_EMISSAO || '|' || NP_DT_VENCIMENTO || '|' || COALESCE(CAST(NP_DT_PAGAMENTO AS VARCHAR(10)), '-') || '|' || "
            "NP_VALOR || '|' || NP_VALOR_PGTO || '|' || NP_SALDO_DEVEDOR || '|' || NP_COD_CREDOR || '|' || NP_COD_CIDADE || "
            "'|' || NP_COD_PRACA || '|' || NP_COD_EMITENTE || '|' || COALESCE(NP_OBS, '-') || '|' || NP_STATUS || '|' || "
            "NP_VALOR_TEMP || '|' || NP_SEQ FROM NOTAPROMISSORIA WHERE NP_COD_AUXILIAR2='%1'");
        QCOMPARE(valor(linha.arg(15)).toString(),
                 QStringLiteral("1|2|15|15/1|2026-11-05|2027-01-05|2026-12-20|100.000|100.000|7.000|1|2|2|101|quitada|P|0.000|0"));
        QCOMPARE(valor(linha.arg(16)).toString(),
                 QStringLiteral("2|2|16|16/2|2026-11-05|2027-02-05|-|100.000|0.000|100.000|1|2|2|101|-|N|0.000|0"));
        QCOMPARE(valor(linha.arg(17)).toString(),
                 QStringLiteral("1|1|17|17/1|2026-11-05|2027-01-05|-|100.000|0.000|100.000|1|2|2|5|-|N|0.000|0"));
        QCOMPARE(conta(QStringLiteral("SELECT COUNT(*) FROM NOTAPROMISSORIA WHERE NP_COD_AVALISTA1 IS NOT NULL OR "
                                      "NP_COD_AVALISTA2 IS NOT NULL OR NP_COD_AVALISTA3 IS NOT NULL OR NP_COD_AVALISTA4 "
                                      "IS NOT NULL OR NP_COD_EMITENTE2 IS NOT NULL OR NP_COD_AUXILIAR IS NOT NULL OR "
                                      "NP_SIM_NAO IS NOT NULL OR NP_OBS2 IS NOT NULL")),
                 0);
        // The simplified notes stay.
        QCOMPARE(conta(QStringLiteral("SELECT COUNT(*) FROM NOTAPROMISSORIALITE")), 4);
    }

    void semNotasAindaConclui()
    {
        auto j = abre();
        msg->espera(QStringLiteral("Migração ocorrida com sucesso!\r0 nota(s) copiada(s), 0 já migrada(s)"));
        migra(*j);
        verificaMensagens();
        QCOMPARE(conta(QStringLiteral("SELECT COUNT(*) FROM NOTAPROMISSORIA")), 0);
        QCOMPARE(conta(QStringLiteral("SELECT COUNT(*) FROM CADASTROS")), 2);
        QCOMPARE(j->BarraProgresso->value(), j->BarraProgresso->maximum());
    }

    // A second run copies only what the first did not: same sale number and installment with
    // issue number 0. A full note of another issue with the same sale number does not count.
    void segundaMigracaoNaoDuplica()
    {
        tresNotas();
        msg->aceitaTudo();
        migra(*abre());
        lite({18, 1, 1, QStringLiteral("JOAO NOVO")});
        executa(QStringLiteral("INSERT INTO NOTAPROMISSORIA (NP_CODIGO, NP_PARCELA, NP_COD_AUXILIAR2, NP_SEQ) "
                               "VALUES (900, 1, '18', 7)"));
        msg->limpa();
        msg->aceitaTudo(false);
        msg->espera(QStringLiteral("Migração ocorrida com sucesso!\r1 nota(s) copiada(s), 3 já migrada(s) antes"));
        auto j = abre();
        migra(*j, QStringLiteral("ATACADO SUL"), QStringLiteral("MG"), QStringLiteral("CAMPINAS"));
        verificaMensagens();
        QCOMPARE(conta(QStringLiteral("SELECT COUNT(*) FROM NOTAPROMISSORIA WHERE NP_SEQ=0")), 4);
        QCOMPARE(valor(QStringLiteral("SELECT NP_COD_CREDOR || '/' || NP_COD_CIDADE || '/' || NP_COD_EMITENTE "
                                      "FROM NOTAPROMISSORIA WHERE NP_COD_AUXILIAR2='18' AND NP_SEQ=0"))
                     .toString(),
                 QStringLiteral("2/3/101"));
        QCOMPARE(conta(QStringLiteral("SELECT COUNT(*) FROM CADASTROS")), 3);
    }

    void falhaNoMeioNaoDeixaNada()
    {
        tresNotas();
        executa(QStringLiteral("CREATE EXCEPTION ERRO_MIGRACAO 'falha injetada na terceira nota'"));
        executa(QStringLiteral("CREATE TRIGGER TRG_FALHA_MIGRACAO FOR NOTAPROMISSORIA BEFORE INSERT AS BEGIN "
                               "IF (NEW.NP_PARCELA_EXT = '17/1') THEN EXCEPTION ERRO_MIGRACAO; END"));
        PrincipalContador principal;
        auto j = abre();
        msg->espera(QStringLiteral("falha injetada na terceira nota"));
        migra(*j);
        verificaMensagens();
        QCOMPARE(conta(QStringLiteral("SELECT COUNT(*) FROM NOTAPROMISSORIA")), 0);
        QCOMPARE(conta(QStringLiteral("SELECT COUNT(*) FROM CADASTROS")), 2);
        QVERIFY(j->ButMigrar->isEnabled());
        QVERIFY(j->EditCredor->isEnabled());
        QVERIFY(!j->migrando());
        QCOMPARE(principal.lembretes, 0);

        // Once the cause is gone the same window migrates everything.
        executa(QStringLiteral("DROP TRIGGER TRG_FALHA_MIGRACAO"));
        msg->espera(QStringLiteral("3 nota(s) copiada(s), 0 já migrada(s)"));
        QTest::mouseClick(j->ButMigrar, Qt::LeftButton);
        verificaMensagens();
        QCOMPARE(conta(QStringLiteral("SELECT COUNT(*) FROM NOTAPROMISSORIA")), 3);
        QCOMPARE(conta(QStringLiteral("SELECT COUNT(*) FROM CADASTROS WHERE CG_NOME='JOAO NOVO'")), 1);
    }

    // The window keeps answering while it copies; closing it then is refused.
    void barraAndaEJanelaResponde()
    {
        for (int i = 1; i <= 300; ++i) lite({1000 + i, 1, 1, QStringLiteral("CLIENTE %1").arg(i % 7)});
        auto j = abre();
        QList<int> valores;
        connect(j->BarraProgresso, &QProgressBar::valueChanged, this, [&](int v) { valores << v; });
        int voltas = 0;
        QTimer relogioTela;
        connect(&relogioTela, &QTimer::timeout, this, [&] {
            ++voltas;
            if (voltas == 3) j->close();
        });
        relogioTela.start(0);
        msg->espera(QStringLiteral("300 nota(s) copiada(s)"));
        migra(*j);
        relogioTela.stop();
        verificaMensagens();
        QVERIFY2(voltas >= 10, qPrintable(QString::number(voltas)));
        QVERIFY(j->isVisible());
        QCOMPARE(j->BarraProgresso->maximum(), 300);
        QVERIFY(valores.size() >= 100);
        QCOMPARE(valores.last(), 300);
        QVERIFY(std::is_sorted(valores.begin(), valores.end()));
        QCOMPARE(conta(QStringLiteral("SELECT COUNT(*) FROM NOTAPROMISSORIA")), 300);
        QCOMPARE(conta(QStringLiteral("SELECT COUNT(*) FROM CADASTROS")), 2 + 7);
    }
};

PN_TESTE_JANELAS(TstMigrar)
#include "test_migrar.moc"
