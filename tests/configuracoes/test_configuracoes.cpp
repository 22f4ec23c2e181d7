// The general settings window on a real database: what it shows, what " &Grava" stores and
// "&Cancela" drops, the coat of arms, and the compatibility flag in the settings store.

#include "CompatibilidadeXP.h"
#include "Dados.h"
#include "Enderecos.h"
#include "InstalacaoTeste.h"
#include "MensagensRoteiro.h"
#include "PlataformaGravadora.h"
#include "Registro.h"
#include "TesteJanelas.h"
#include "TfConfiguracoesGerais.h"
#include "uFuncoes.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace {
const QString AvisoReinicio =
    QStringLiteral("É necessário fechar o programa e abrir novamente para que as alterações surtam efeito !");
}

class TstConfiguracoes : public QObject {
    Q_OBJECT

    std::unique_ptr<InstalacaoTeste> inst;
    std::unique_ptr<Dados> dm;
    std::unique_ptr<MensagensRoteiro> msg;
    std::unique_ptr<PlataformaGravadora> plataforma;

    QVariant valor(const QString &sql)
    {
        Transacao tr(dm->DataBase);
        Query q(dm->DataBase, tr);
        q.sql.defineTexto(sql);
        q.open();
        return q.isEmpty() ? QVariant() : q.valor(0, 0);
    }
    QVariant configuracao(const char *campo) { return valor(QStringLiteral("SELECT %1 FROM CONFIGS WHERE CF_CODIGO = 1").arg(QLatin1String(campo))); }
    void executa(const QString &sql) { dm->DataBase.executa(sql); }
    std::unique_ptr<TfConfiguracoesGerais> abre()
    {
        auto j = std::make_unique<TfConfiguracoesGerais>();
        j->show();
        return j;
    }
    static void clica(QPushButton *b)
    {
        QVERIFY2(b->isEnabled(), qPrintable(b->objectName()));
        QTest::mouseClick(b, Qt::LeftButton);
    }
    static void botoesEmEdicao(TfConfiguracoesGerais &j, bool edicao)
    {
        QCOMPARE(j.ButGrava->isEnabled(), edicao);
        QCOMPARE(j.ButCancela->isEnabled(), edicao);
        QCOMPARE(j.ButAltera->isEnabled(), !edicao);
        QCOMPARE(j.ButSair->isEnabled(), !edicao);
    }

private Q_SLOTS:
    void init()
    {
        inst = std::make_unique<InstalacaoTeste>();
        dm = inst->conectaComoMaster();
        msg = std::make_unique<MensagensRoteiro>();
        plataforma = std::make_unique<PlataformaGravadora>();
    }
    void cleanup()
    {
        QString porque;
        QVERIFY2(msg->verificaFim(&porque), qPrintable(porque));
        plataforma.reset();
        msg.reset();
        dm.reset();
        inst.reset();
    }

    // Older model names become sizes as the window opens and are stored by the first save,
    // which also hands the model to the running program.
    void modeloAntigo_data()
    {
        QTest::addColumn<QString>("guardado");
        QTest::addColumn<QString>("tamanho");
        QTest::newRow("padrão") << QStringLiteral("MODELO PADRÃO") << QStringLiteral("21cm x 10cm");
        QTest::newRow("4 avalistas") << QStringLiteral("MODELO 4 AVALISTAS") << QStringLiteral("21cm x 15cm (4 AVALISTAS)");
        QTest::newRow("reduzido") << QStringLiteral("MODELO REDUZIDO") << QStringLiteral("15cm x 7cm");
        QTest::newRow("sem aval") << QStringLiteral("MODELO 2 EMITENTES - SEM AVAL") << QStringLiteral("21cm x 10cm (SEM AVALISTA)");
        QTest::newRow("vazio") << QString() << QStringLiteral("21cm x 10cm");
        QTest::newRow("tamanho fica") << QStringLiteral("15cm x 7cm") << QStringLiteral("15cm x 7cm");
    }
    void modeloAntigo()
    {
        QFETCH(QString, guardado);
        QFETCH(QString, tamanho);
        executa(guardado.isNull() ? QStringLiteral("UPDATE CONFIGS SET CF_MODELO_PROMIS = NULL")
                                  : QStringLiteral("UPDATE CONFIGS SET CF_MODELO_PROMIS = '%1'").arg(guardado));
        auto j = abre();
        QCOMPARE(j->ComboModeloPromis->currentText(), tamanho);
        botoesEmEdicao(*j, true);
        clica(j->ButGrava);
        QCOMPARE(configuracao("CF_MODELO_PROMIS").toString(), tamanho);
        QCOMPARE(dm->CF_MODELO_PROMIS, tamanho);
        QCOMPARE(dm->QryConfigs[QStringLiteral("CF_MODELO_PROMIS")].asString(), tamanho);
        botoesEmEdicao(*j, false);
    }

    // Save stores the edited fields and nothing else of the row: a column another window or
    // station wrote meanwhile keeps its value.
    void gravaCamposEditados()
    {
        executa(QStringLiteral("UPDATE CONFIGS SET CF_IMP_RECIBO_NO_ATO = 'F', CF_NAOIMPRIME_DTEMISS = 'F', "
                               "CF_BLOQUEIA_LOCALIDADES = 'T', CF_ULT_USUARIO = 'ANA'"));
        auto j = abre();
        QVERIFY(j->CheckBloqueiaLocalidades->isChecked());
        QVERIFY(!j->CheckBloqueiaLocalidades->isEnabled());
        j->ComboModeloPromis->setCurrentIndex(1);
        j->CheckImpReciboNoAto->setChecked(true);
        j->CheckNaoImprimeDtEmiss->setChecked(true);
        j->MemoObsPromis->setPlainText(QStringLiteral("PAGÁVEL EM D'ÁVILA\nSEGUNDA LINHA"));
        // Another station logs in while the window is open.
        executa(QStringLiteral("UPDATE CONFIGS SET CF_ULT_USUARIO = 'BETO', CF_BACKUP = '2026-03-10'"));
        QTest::keyClick(j.get(), Qt::Key_F6);
        QCOMPARE(configuracao("CF_MODELO_PROMIS").toString(), QStringLiteral("21cm x 15cm (4 AVALISTAS)"));
        QCOMPARE(configuracao("CF_IMP_RECIBO_NO_ATO").toString(), QStringLiteral("T"));
        QCOMPARE(configuracao("CF_NAOIMPRIME_DTEMISS").toString(), QStringLiteral("T"));
        QCOMPARE(configuracao("CF_OBS_PROMIS").toString(), QStringLiteral("PAGÁVEL EM D'ÁVILA\nSEGUNDA LINHA"));
        QCOMPARE(configuracao("CF_BLOQUEIA_LOCALIDADES").toString(), QStringLiteral("T"));
        QCOMPARE(configuracao("CF_ULT_USUARIO").toString(), QStringLiteral("BETO"));
        QCOMPARE(configuracao("CF_BACKUP").toDate(), QDate(2026, 3, 10));
        // F6 acts only while " &Grava" is enabled.
        QTest::keyClick(j.get(), Qt::Key_F6);
        botoesEmEdicao(*j, false);
    }

    void cancelaDescarta()
    {
        executa(QStringLiteral("UPDATE CONFIGS SET CF_OBS_PROMIS = 'ORIGINAL', CF_MODELO_PROMIS = 'MODELO REDUZIDO'"));
        auto j = abre();
        j->MemoObsPromis->setPlainText(QStringLiteral("DIGITADO"));
        j->CheckCompatibilidade->setChecked(true);
        QTest::keyClick(j.get(), Qt::Key_F7);
        botoesEmEdicao(*j, false);
        QCOMPARE(j->MemoObsPromis->toPlainText(), QStringLiteral("ORIGINAL"));
        QVERIFY(!j->CheckCompatibilidade->isChecked());
        QCOMPARE(configuracao("CF_OBS_PROMIS").toString(), QStringLiteral("ORIGINAL"));
        QCOMPARE(configuracao("CF_MODELO_PROMIS").toString(), QStringLiteral("MODELO REDUZIDO"));
        QVERIFY(!CompatibilidadeXP::existe());
        // "&Altera" edits again.
        clica(j->ButAltera);
        botoesEmEdicao(*j, true);
        QCOMPARE(j->ComboModeloPromis->currentText(), QStringLiteral("15cm x 7cm"));
    }

    // The compatibility value is written only when the box changed, "WINXPSP3" or an empty
    // string, each time with the notice.
    void compatibilidade()
    {
        auto j = abre();
        clica(j->ButGrava);
        QVERIFY(!CompatibilidadeXP::existe());
        QVERIFY(msg->registradas.isEmpty());

        clica(j->ButAltera);
        j->CheckCompatibilidade->setChecked(true);
        msg->espera(AvisoReinicio);
        clica(j->ButGrava);
        QCOMPARE(msg->registradas.last().titulo, QStringLiteral("Informação!"));
        QCOMPARE(CompatibilidadeXP::le(), QStringLiteral("WINXPSP3"));
        QVERIFY(QFile::exists(Registro::local(CompatibilidadeXP::Chave)));
        QCOMPARE(Registro::leTexto(QStringLiteral("NomeServidor")), QStringLiteral("127.0.0.1")); // the program's own key untouched

        auto outra = abre();
        QVERIFY(outra->CheckCompatibilidade->isChecked());
        outra->CheckCompatibilidade->setChecked(false);
        msg->espera(AvisoReinicio);
        clica(outra->ButGrava);
        QVERIFY(CompatibilidadeXP::existe());
        QCOMPARE(CompatibilidadeXP::le(), QString());
    }

    void brasao()
    {
        const QString bmp = inst->raiz() + QStringLiteral("/brasao.bmp");
        QImage imagem(12, 16, QImage::Format_RGB32);
        imagem.fill(Qt::darkGreen);
        QVERIFY(imagem.save(bmp, "BMP"));
        QFile f(bmp);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        const QString texto = inst->raiz() + QStringLiteral("/nao_e_bmp.bmp");
        QFile t(texto);
        QVERIFY(t.open(QIODevice::WriteOnly));
        t.write("texto");
        t.close();

        auto j = abre();
        plataforma->respostasDialogos = {texto, bmp};
        msg->espera(QStringLiteral("não é uma imagem BMP"));
        clica(j->ButBrasao);
        QVERIFY(plataforma->chamou(QStringLiteral("Arquivos BMP|*.bmp")));
        clica(j->ButBrasao);
        QVERIFY(!j->ImagemBrasao->pixmap().isNull());
        clica(j->ButGrava);
        QCOMPARE(configuracao("CF_BRASAO").toByteArray(), bytes);

        // A cancelled dialog keeps the stored picture; a later save does not clear it.
        clica(j->ButAltera);
        clica(j->ButBrasao);
        clica(j->ButGrava);
        QCOMPARE(configuracao("CF_BRASAO").toByteArray(), bytes);

        clica(j->ButDownloadBrasao);
        clica(j->ButAjuda);
        QCOMPARE(plataforma->chamadasDe(QStringLiteral("abreEndereco")),
                 (QStringList{QStringLiteral("abreEndereco ") + Enderecos::Brasao, QStringLiteral("abreEndereco ") + Enderecos::Suporte}));
    }

    void servidorEComputador()
    {
        Registro::escreveTexto(QStringLiteral("Server"), QStringLiteral("N"));
        Registro::escreveTexto(QStringLiteral("NomeServidor"), QStringLiteral("SERVIDOR1"));
        Registro::escreveTexto(QStringLiteral("IPServidor"), QStringLiteral("192.168.0.2"));
        auto j = abre();
        QVERIFY(!j->CheckServidor->isChecked());
        QCOMPARE(j->EditNomeServidor->text(), QStringLiteral("SERVIDOR1"));
        QCOMPARE(j->EditIPServidor->text(), QStringLiteral("192.168.0.2"));
        QVERIFY(j->EditNomeServidor->isReadOnly());
        QString nome, ip, erro;
        QVERIFY(NomeEnderecoComputador(nome, ip, erro));
        QCOMPARE(j->EditNomeComputador->text(), nome);
        QCOMPARE(j->EditIPComputador->text(), ip);
        j->close();

        Registro::escreveTexto(QStringLiteral("Server"), QStringLiteral("S"));
        auto k = abre();
        QVERIFY(k->CheckServidor->isChecked());
    }
};

PN_TESTE_JANELAS(TstConfiguracoes)
#include "test_configuracoes.moc"
