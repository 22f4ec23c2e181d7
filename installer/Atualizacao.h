#pragma once
// The schema upgrade of Instalora on an open database: the three creation statements whose
// errors are ignored, the upgrade list, the indexes of the schema the database lacks, the
// persons' full addresses and the settings row. An error of the list, of the addresses or of
// the settings row is not caught: it ends the upgrade with what was committed before it kept.

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

class BancoDados;

class Atualizacao {
public:
    explicit Atualizacao(BancoDados &banco);

    QStringList memoVerifica; // the fixed lists unless replaced
    QStringList memoExecuta;
    std::function<void(const QString &)> aviso;  // information box (list divergence)
    std::function<void(int, int)> progresso;     // (done, total)

    // Everything in order; `versao` is written to CF_VERSAO, `hoje` to CF_BACKUP. Throws ErroBD.
    void executa(int versao, QDate hoje);

    // Pairs (1-based) whose statement ran in the last `executa`.
    const QList<int> &executados() const { return executados_; }

    static const QString MsgDivergencia;
    // The connection parameters of the upgrade: the file's forced writes are off while it runs
    // (several of its statements rewrite every row; the safety copy is made before it), and
    // `restauraEscritaForcada` turns them on again by reconnecting.
    static QStringList parametrosAtualizacao();
    static void restauraEscritaForcada(BancoDados &banco);

    // The full-address statement, for the persons whose code is between :DE and :ATE.
    static QString comandoEnderecos();

private:
    void criacaoTabelas();
    void executaLista();
    void criaIndices();
    void refazEnderecos();
    void gravaConfiguracao(int versao, QDate hoje);
    void avanca();
    void executaComando(const QString &sql);

    BancoDados &banco_;
    QList<int> executados_;
    int feito_ = 0;
    int total_ = 0;
};
