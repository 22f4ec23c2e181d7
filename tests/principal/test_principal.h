#pragma once
// The main window on a real installation: the fixture and the cases, split by concern between
// test_principal.cpp (permissions, login record, logo, backup reminder, restore, the exit dialog,
// the windows it opens) and test_principal_quadro.cpp (the notice board).

#include "Dados.h"
#include "InstalacaoTeste.h"
#include "MensagensRoteiro.h"
#include "PlataformaGravadora.h"
#include "RelogioFixo.h"
#include "TfPrincipal.h"

#include <QDate>
#include <QHash>
#include <QObject>
#include <QVariant>
#include <memory>

inline const QDate Hoje(2026, 3, 15);

Q_DECLARE_METATYPE(QuadroAvisos::Lembrete)

class TestePrincipal : public QObject {
    Q_OBJECT

    std::unique_ptr<InstalacaoTeste> inst;
    std::unique_ptr<RelogioFixo> relogio;
    std::unique_ptr<MensagensRoteiro> msg;
    std::unique_ptr<PlataformaGravadora> plat;
    std::unique_ptr<Dados> dm;
    std::unique_ptr<TfPrincipal> fp;

    void executa(const QString &sql) { dm->DataBase.executa(sql); }
    void entra(int codigo, const QString &login, const QHash<QString, QVariant> &excecoes = {});
    void entraMaster();
    void parcela(int codigo, QDate vencimento, const QString &saldo, const QString &status = QStringLiteral("N"));
    void parcelasDoQuadro();
    void ultimoBackup(QDate data);
    QuadroAvisos *quadro() const { return fp->PainelQuadroAvisos; }
    void aguardaQuadro();
    void atualizaQuadro();
    template<typename T = QObject> T *elemento(const QString &nome) const
    {
        auto *o = fp->findChild<T *>(nome);
        if (!o) qFatal("elemento ausente: %s", qPrintable(nome));
        return o;
    }

    bool visivel(const QString &nome) const;

private Q_SLOTS:
    void initTestCase() { qRegisterMetaType<QuadroAvisos::Lembrete>(); }
    void init();
    void cleanup();

    // --- notice board
    void linhasDeVencimento_data();
    void linhasDeVencimento();
    void emitidasNoPeriodo_data();
    void emitidasNoPeriodo();
    void aniversariosEBackup_data();
    void aniversariosEBackup();
    void semConexaoNadaMuda();
    void caixaDeData_data();
    void caixaDeData();

    // --- permissions
    void permissoes_data();
    void permissoes();
    void bancoAntigo_data();
    void bancoAntigo();

    // --- login record, logo, completion of a login
    void gravaRegistroLogin_data();
    void gravaRegistroLogin();
    void logotipo_data();
    void logotipo();
    void concluiLogin();

    // --- backup reminder, restore, the end of the program
    void perguntaBackup_data();
    void perguntaBackup();
    void backupConcluidoMostraLogin();
    void restaurar_data();
    void restaurar();
    void sair_data();
    void sair();
    void backupESairSemJanela();

    // --- the windows opened from the main window
    void janelasPorTipo();
    void lembretes_data();
    void lembretes();
    void cliqueNoLogotipo_data();
    void cliqueNoLogotipo();
    void cabeNaTelaMenor();
    void ajuda();
};
