#include "OpcoesClientes.h"

#include "Dados.h"
#include "EnderecoCompleto.h"
#include "Mensagens.h"
#include "Plataforma.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QRegularExpression>

QString OpcoesClientes::arquivoEmails() { return QDir::cleanPath(dados().PathPrograma + QStringLiteral("/Emails.txt")); }

bool OpcoesClientes::exportaEmails(const Query &lista)
{
    if (lista.isEmpty()) {
        informacao(QStringLiteral("Não há registros a serem exportados !"));
        return false;
    }
    const QString arquivo = arquivoEmails();
    QString erro;
    QFile f(arquivo);
    try {
        // Every e-mail of the listed persons, read at once and written in list order.
        Transacao tr(dados().DataBase);
        Query emails(dados().DataBase, tr);
        emails.sql.defineLinhas({QStringLiteral("select CGC_COD_CAD, CGC_CONTATO from CADASTROSCONTATOS"),
                                 QStringLiteral("WHERE CGC_TIPO='EMAIL'"), QStringLiteral("ORDER BY CGC_COD_CAD, CGC_CODIGO")});
        emails.open();
        QHash<int, QStringList> porPessoa;
        for (int i = 0; i < emails.recordCount(); ++i)
            porPessoa[emails.valor(i, 0).toInt()].append(emails.valor(i, 1).toString());
#ifdef Q_OS_WIN
        const QByteArray fimLinha = "\r\n";
#else
        const QByteArray fimLinha = "\n";
#endif
        QByteArray texto;
        for (int i = 0; i < lista.recordCount(); ++i)
            for (const QString &email : porPessoa.value(lista.valor(i, QStringLiteral("CG_CODIGO")).toInt()))
                texto += email.toUtf8() + ';' + fimLinha;
        QFile::remove(arquivo);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(texto) != texto.size()) erro = f.errorString();
    } catch (const std::exception &e) {
        erro = QString::fromUtf8(e.what());
    }
    f.close();
    if (!erro.isEmpty()) mensagemErro(erro);
    informacao(QStringLiteral("Arquivo criado em ") + QDir::toNativeSeparators(arquivo));
    Plataforma::atual().abreDocumento(arquivo);
    return true;
}

void OpcoesClientes::atualizaEnderecos(const Query &lista, Transacao &tr)
{
    Query grava(dados().DataBase, tr);
    grava.sql.defineLinhas({QStringLiteral("UPDATE CADASTROS SET CG_ENDERECO_COMPLETO2=:ENDERECO"),
                            QStringLiteral("WHERE CG_CODIGO=:CODIGO")});
    for (int i = 0; i < lista.recordCount(); ++i) {
        auto v = [&lista, i](const char *campo) { return lista.valor(i, QLatin1String(campo)); };
        grava.defineParametro(QStringLiteral("ENDERECO"),
                              EnderecoCompleto::monta(EnderecoCompleto::partes(
                                  v("CG_COD_CIDADE").toInt(), v("CG_COD_BAIRRO").toInt(), v("CG_COD_LOGRADOURO").toInt(),
                                  v("CG_NUMERO").toString(), v("CG_COMPLEMENTO").toString(), v("CG_CEP").toString())));
        grava.defineParametro(QStringLiteral("CODIGO"), v("CG_CODIGO"));
        grava.execSQL();
    }
    tr.commitRetaining();
}

QString OpcoesClientes::enderecoMapa(const QString &cidade, const QString &uf, const QString &rua, const QString &numero)
{
    static const QRegularExpression separadores(QStringLiteral("[ ,/]"));
    QString t = cidade + QLatin1Char('+') + uf + QLatin1Char('+') + rua + QLatin1Char('+') + numero;
    t.replace(separadores, QStringLiteral("+"));
    return ServicoMapas + QStringLiteral("/maps/place/") + t;
}

void OpcoesClientes::abreMapa(const QString &cidade, const QString &uf, const QString &rua, const QString &numero)
{
    Plataforma::atual().abreEndereco(enderecoMapa(cidade, uf, rua, numero));
}

void OpcoesClientes::pesquisaCEP() { Plataforma::atual().abreEndereco(ConsultaCEP); }
void OpcoesClientes::pesquisaCNPJ() { Plataforma::atual().abreEndereco(ConsultaCNPJ); }
