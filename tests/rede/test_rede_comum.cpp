#include "test_rede.h"

#include "Aplicacao.h"
#include "LabelClicavel.h"
#include "TesteJanelas.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTest>

PrincipalRede::PrincipalRede()
    : nome_(new QLabel(QStringLiteral("ESTACAO01"), &janela_)), ip_(new QLabel(QStringLiteral("192.168.0.10"), &janela_))
{
    nome_->setObjectName(QStringLiteral("LabelNomeComputador"));
    ip_->setObjectName(QStringLiteral("LabelIPComputador"));
    define(this);
}

PrincipalRede::~PrincipalRede() { define(nullptr); }

void PrincipalRede::mostraComputador(const QString &nome, const QString &ip)
{
    nome_->setText(nome);
    ip_->setText(ip);
}

void BaseRede::preparaBase()
{
    Aplicacao::reinicia();
    esqueceFimDoPrograma();
    TfRede::portaTexto() = QStringLiteral("3050");
    inst = std::make_unique<InstalacaoTeste>();
    relogio = std::make_unique<RelogioFixo>();
    msg = std::make_unique<MensagensRoteiro>();
    plataforma = std::make_unique<PlataformaGravadora>();
    principal = std::make_unique<PrincipalRede>();
}

void BaseRede::limpaBase()
{
    QString porque;
    const bool completo = msg->verificaFim(&porque);
    principal.reset();
    dm.reset();
    plataforma.reset();
    msg.reset();
    relogio.reset();
    inst.reset();
    QVERIFY2(completo, qPrintable(porque));
}

void BaseRede::firebirdInstalado(const QString &versao)
{
    const QString pasta = inst->raiz() + QStringLiteral("/firebird");
    QDir().mkpath(pasta);
    QFile conf(pasta + QStringLiteral("/firebird.conf"));
    conf.open(QIODevice::WriteOnly);
    plataforma->instalacao = InstalacaoFirebird{pasta, versao, pasta + QStringLiteral("/bin/fbguard"), pasta + QStringLiteral("/bin/firebird")};
    plataforma->processosAtivos = {QStringLiteral("fbguard")};
}

std::unique_ptr<TfRede> BaseRede::abre()
{
    auto j = std::make_unique<TfRede>();
    j->show();
    j->activateWindow();
    [&] { QVERIFY(QTest::qWaitForWindowActive(j.get())); }();
    return j;
}

void BaseRede::clica(QWidget *w)
{
    if (auto *l = qobject_cast<LabelClicavel *>(w)) {
        Q_EMIT l->clicado();
        return;
    }
    QTest::mouseClick(w, Qt::LeftButton);
}
