#pragma once
// The note window driven as a user does, on a real database, with scripted dialogs.

#include "Dados.h"
#include "InstalacaoTeste.h"
#include "MensagensRoteiro.h"
#include "RelogioFixo.h"
#include "TfNotaPromissoria.h"

#include <QObject>
#include <functional>
#include <memory>

class TstNotas : public QObject {
    Q_OBJECT

    std::unique_ptr<InstalacaoTeste> inst;
    std::unique_ptr<Dados> dm;
    std::unique_ptr<MensagensRoteiro> msg;
    std::unique_ptr<RelogioFixo> relogio;

    QVariant valor(const QString &sql);
    int conta(const QString &sql) { return valor(sql).toInt(); }
    void executa(const QString &sql);
    void pessoa(int codigo, const QString &nome, const QString &limite = QStringLiteral("0"));
    std::unique_ptr<TfNotaPromissoria> abre();
    // A new note with value, count, interval and first due date typed; the emitter by name.
    void preenche(TfNotaPromissoria &j, const QString &valor, const QString &parcelas, const QString &intervalo,
                  const QString &vencimento, const QString &emitente);
    void verificaMensagens();
    // An installment stored directly: balance = value, creditor 1, city and praça 1.
    void parcela(int codigo, int emitente, QDate vencimento, const QString &valor, const QString &status = QStringLiteral("N"),
                 int numero = 1, int total = 1);
    static QList<int> codigos(Query &q);
    // Runs `acao` with every report written as PDF into a fresh folder; the text of `relatorio`.
    QString imprimePdf(const std::function<void()> &acao, const QString &relatorio, QString *arquivo = nullptr);

private Q_SLOTS:
    void init();
    void cleanup();

    // test_notas.cpp
    void regrasVencimentoRotulo_data();
    void regrasVencimentoRotulo();
    void regrasIntervaloExtenso();
    void emiteTresParcelasRevisaEConfirma();
    void parcelaUnicaComVenda();
    void limiteDoEmitente();
    void limiteZeroNuncaPergunta();
    void recusasDeGravacao_data();
    void recusasDeGravacao();
    void vencimentoAntesDaEmissaoPergunta();
    void voltarECancelarNaoDeixaParcela();
    void alteraUmaParcela();
    void excluiSelecionadaETodas();
    void intervaloNaoNumericoRecusado();

    // test_notas_seletores.cpp
    void digitarMoveCursorSemEscolher();
    void nomeExatoEscolheSemDialogo();
    void setasEscolhem();
    void cidadeNovaSemEstadoRecusada();
    void cidadeCadastradaApareceNasDuasPracas();
    void pessoaDoBotaoMaisVoltaAoSeletor();
    void credorPreenchePracaECidade();
    void empresaGravadaViraCredor();

    // test_notas_janela.cpp
    void usuarioRestritoSemEmissao();
    void perguntaDadosDaEmpresa();
    void teclasObservacaoEFechamento();
    void cadastrarComPessoasAbertaNadaFaz();
    void datasPelaRegraDasDatas();

    // test_notas_lista.cpp
    void aberturaListaEContadores();
    void contadoresContamTodoStatusNaoPago();
    void buscaPorNomeAlemDosSeteDias();
    void filtrosDaBusca_data();
    void filtrosDaBusca();
    void recusasDasDatasDaBusca_data();
    void recusasDasDatasDaBusca();
    void buscaSemResultado();
    void ordemDaColunaMantida();
    void caixasDeStatus();
    void pesquisaPeloQuadroDeAvisos();

    // test_notas_recebimento.cpp
    void sequenciaDePagamentos();
    void pagamentoAcimaDoValor();
    void parcialRecusadaNaoContaDuasVezes();
    void recusasDoPagamento();
    void estornoMantemObservacao();
    void pagamentoConcorrenteFalha();
    void pagamentoDeOutraEstacaoNaoSePerde();

    // test_notas_impressao.cpp
    void camposCalculados();
    void documentosDasPartes_data();
    void documentosDasPartes();
    void modeloEscolhido_data();
    void modeloEscolhido();
    void reimprimeTodasSemTetoDeVencimento();
    void reciboPorExtenso();
    void relacoesDaLista();
    void selecaoMarcaEImprime();
    void confirmarImprimeANota();
    void modeloDoMenuDeOpcoes();

};
