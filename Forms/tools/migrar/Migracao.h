#pragma once
// Copies every simplified note (NOTAPROMISSORIALITE) into the full notes (NOTAPROMISSORIA) with
// the chosen creditor and city, matching each emitter name to a person of the register
// ignoring letter case and creating one person for every name that has none. The whole run is
// one write transaction: a failure half-way stores nothing. A simplified note copied by an
// earlier run (a full note with its code as sale number, its installment number and issue
// number 0) is skipped.

#include "Transacao.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <functional>
#include <memory>

class BancoDados;
class Comando;

class Migracao {
public:
    explicit Migracao(BancoDados &banco);
    ~Migracao();

    struct Resultado {
        int copiadas = 0;
        int ignoradas = 0;       // already migrated before
        int pessoasCriadas = 0;
    };

    // Called after every note with the notes gone through and their total (and once with 0
    // before the first), in the thread that runs `executa`.
    std::function<void(int feitas, int total)> progresso;

    // Runs the migration. Throws ErroBD; nothing is stored then.
    Resultado executa(int codCredor, int codCidade);

    // Runs the migration on a connection of its own to the database of `banco`, in a worker
    // thread, while the calling thread goes on with its events; returns when it ends.
    // `aoAvancar` gets, in the calling thread, the notes gone through and their total at every
    // step of about half a percent. An error of the run is thrown here, in the calling thread.
    static Resultado executaEmSegundoPlano(const BancoDados &banco, int codCredor, int codCidade,
                                           const std::function<void(int feitas, int total)> &aoAvancar);

    // Key of a person's name in the matching: letter case ignored.
    static QString chaveNome(const QString &nome) { return nome.toCaseFolded(); }

private:
    void carregaPessoas();
    void carregaMigradas();
    int pessoaDe(const QString &nome, const QString &documento, const QString &endereco, Resultado &r);

    BancoDados &banco_;
    Transacao TransGravaNotas, TransGravaCadastros;
    QHash<QString, int> pessoas_;     // name key -> first code
    QSet<QString> migradas_;          // "sale number/installment" of copies already stored
    std::unique_ptr<Comando> insereNota_, inserePessoa_;
};
