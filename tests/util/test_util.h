#pragma once
// Tests of the shared utility routines (uFuncoes), one source file per group of routines.

#include <QObject>

class TesteUtil : public QObject {
    Q_OBJECT

private slots:
    // test_util_textos.cpp
    void extraiNumero_data();
    void extraiNumero();
    void extraiNumeroRecusa_data();
    void extraiNumeroRecusa();
    void validaInteiro_data();
    void validaInteiro();
    void removeAcentos_data();
    void removeAcentos();
    void validaData_data();
    void validaData();
    void nomeEnderecoComputador();

    // test_util_documentos.cpp
    void validaCPF_data();
    void validaCPF();
    void confereCPFComTextoNaoNumerico();
    void validaCNPJ_data();
    void validaCNPJ();
    void confereCNPJIgnoraMascara_data();
    void confereCNPJIgnoraMascara();

    // test_util_extenso.cpp
    void centenaPorExtenso_data();
    void centenaPorExtenso();
    void valorPorExtenso_data();
    void valorPorExtenso();
    void valorPorExtensoForaDoIntervalo_data();
    void valorPorExtensoForaDoIntervalo();

    // test_util_imagem.cpp
    void ajustaImagemGeometria_data();
    void ajustaImagemGeometria();
    void ajustaImagemCorDeFundo_data();
    void ajustaImagemCorDeFundo();
    void ajustaImagemTamanhoMinimo();
    void ajustaImagemRecusa_data();
    void ajustaImagemRecusa();
    void ajustaImagemArquivoGrava();
    void ajustaImagemArquivoNaoGravaEmFalha_data();
    void ajustaImagemArquivoNaoGravaEmFalha();
};
