#pragma once
// The simplified-note window driven as a user does, on a real database, with scripted dialogs.

#include "Dados.h"
#include "InstalacaoTeste.h"
#include "MensagensRoteiro.h"
#include "RelogioFixo.h"
#include "TfNotaPromissoriaLite.h"

#include <QObject>
#include <functional>
#include <memory>

class TstNotasLite : public QObject {
    Q_OBJECT

    std::unique_ptr<InstalacaoTeste> inst;
    std::unique_ptr<Dados> dm;
    std::unique_ptr<MensagensRoteiro> msg;
    std::unique_ptr<RelogioFixo> relogio;

    QVariant valor(const QString &sql);
    int conta(const QString &sql) { return valor(sql).toInt(); }
    void executa(const QString &sql);
    std::unique_ptr<TfNotaPromissoriaLite> abre();
    // A new note typed in the edit panel: value, count, interval, first due date, emitter; the
    // creditor, its document, the city and the place are fixed.
    void preenche(TfNotaPromissoriaLite &j, const QString &valor, const QString &parcelas, const QString &intervalo,
                  const QString &vencimento, const QString &emitente = QStringLiteral("MARIA DA SILVA"));
    void verificaMensagens();
    // A note stored directly: balance = value minus paid.
    void nota(int codigo, const QString &emitente, QDate vencimento, const QString &valor, const QString &status = QStringLiteral("N"),
              const QString &pago = QStringLiteral("0"), QDate emissao = {}, QDate pagamento = {});
    QStringList coluna(const QString &sqlColuna);
    static QList<int> codigos(Query &q);
    QString imprimePdf(const std::function<void()> &acao, const QString &relatorio);

private Q_SLOTS:
    void init();
    void cleanup();

    // test_notaslite.cpp
    void vencimentosDasParcelas_data();
    void vencimentosDasParcelas();
    void parcelaUnicaAbreRevisao();
    void revisaoAlteraParcelaEConfirma();
    void recusasDeGravacao_data();
    void recusasDeGravacao();
    void cancelarAposVoltarNaoDeixaParcela();
    void fecharNaRevisaoNaoDeixaParcela();
    void alteraUmaParcela();
    void excluiSelecionadaETodas();

    // test_notaslite_lista.cpp
    void aberturaContadoresETotais();
    void buscaNaOrdemDasCondicoes_data();
    void buscaNaOrdemDasCondicoes();
    void umaDataDoParFocaAOutra_data();
    void umaDataDoParFocaAOutra();
    void filtrosDeStatus();

    // test_notaslite_recebimento.cpp
    void pagamentoParcialEDepoisORestante();
    void pagamentoRecusadoSemDataContaUmaVez();
    void recusasDoRecebimento();
    void estornoVoltaAoValor();
    void pagamentoDeOutraEstacaoNaoSePerde();

    // test_notaslite_impressao.cpp
    void textosDerivados();
    void documentoDoCredorNaLista();
    void relatoriosComLayout();
    void confirmarEPagarImprimem();
};
