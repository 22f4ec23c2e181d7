#include "SeletoresEndereco.h"

#include "CaixaTexto.h"
#include "Dados.h"
#include "EnderecoCompleto.h"
#include "ErroBD.h"

#include <QComboBox>
#include <QEvent>
#include <QLineEdit>

const QStringList SeletoresEndereco::Estados = {
    QStringLiteral("AC"), QStringLiteral("AL"), QStringLiteral("AM"), QStringLiteral("AP"), QStringLiteral("BA"),
    QStringLiteral("CE"), QStringLiteral("DF"), QStringLiteral("ES"), QStringLiteral("GO"), QStringLiteral("MA"),
    QStringLiteral("MG"), QStringLiteral("MS"), QStringLiteral("MT"), QStringLiteral("PA"), QStringLiteral("PB"),
    QStringLiteral("PE"), QStringLiteral("PI"), QStringLiteral("PR"), QStringLiteral("RJ"), QStringLiteral("RN"),
    QStringLiteral("RO"), QStringLiteral("RR"), QStringLiteral("RS"), QStringLiteral("SC"), QStringLiteral("SE"),
    QStringLiteral("SP"), QStringLiteral("TO")};

SeletoresEndereco::SeletoresEndereco(QWidget *pai)
    : QObject(pai), TransLocaliza(dados().DataBase, QStringLiteral("TransLocaliza"))
{
    ComboEstado = new QComboBox(pai);
    ComboEstado->setObjectName(QStringLiteral("ComboEstado"));
    ComboEstado->setEditable(true);
    ComboEstado->setInsertPolicy(QComboBox::NoInsert);
    ComboEstado->addItems(Estados);
    ComboEstado->lineEdit()->setMaxLength(2);
    maiusculas(ComboEstado->lineEdit());
    ComboEstado->setCurrentIndex(-1);
    ComboEstado->installEventFilter(this);
    ComboEstado->lineEdit()->installEventFilter(this);

    Cidade = new SeletorLocalidade(SeletorLocalidade::Tipo::Cidade, QStringLiteral("Cidade"), TransLocaliza, pai);
    Bairro = new SeletorLocalidade(SeletorLocalidade::Tipo::Bairro, QStringLiteral("Bairro"), TransLocaliza, pai);
    Logradouro = new SeletorLocalidade(SeletorLocalidade::Tipo::Logradouro, QStringLiteral("Logradouro"), TransLocaliza, pai);

    Cidade->parametro = [this] { return QVariant(uf()); };
    Cidade->campoPai = ComboEstado;
    Cidade->proximo = Bairro->Edit;
    for (SeletorLocalidade *s : {Bairro, Logradouro}) {
        s->parametro = [this] { return QVariant(Cidade->codigo()); };
        s->campoPai = Cidade->Edit;
    }
    Bairro->proximo = Logradouro->Edit;

    const QList<SeletorLocalidade *> todos{Cidade, Bairro, Logradouro};
    for (SeletorLocalidade *s : todos)
        connect(s, &SeletorLocalidade::entrou, this, [s, todos] {
            for (SeletorLocalidade *outro : todos)
                if (outro != s) outro->escondeLista();
        });
}

SeletoresEndereco::~SeletoresEndereco()
{
    try {
        TransLocaliza.commit();
    } catch (const ErroBD &) {
    }
}

QString SeletoresEndereco::uf() const { return ComboEstado->currentText(); }

void SeletoresEndereco::defineUf(const QString &sigla)
{
    const int i = ComboEstado->findText(sigla);
    ComboEstado->setCurrentIndex(i);
    if (i < 0) ComboEstado->setEditText(sigla);
}

QString SeletoresEndereco::ufPadrao()
{
    Query &configs = dados().QryConfigs;
    Dados::abre(configs);
    if (configs.isEmpty()) return {};
    const QVariant codigo = configs.valor(0, QStringLiteral("CF_UF_PADRAO"));
    if (codigo.isNull()) return {};
    Query &estados = dados().LookupEstados;
    Dados::abre(estados);
    for (int i = 0; i < estados.recordCount(); ++i)
        if (estados.valor(i, QStringLiteral("ES_CODIGO")).toInt() == codigo.toInt())
            return estados.valor(i, QStringLiteral("ES_SIGLA")).toString();
    return {};
}

void SeletoresEndereco::limpa()
{
    ComboEstado->setCurrentIndex(-1);
    ComboEstado->setEditText(QString());
    for (SeletorLocalidade *s : {Cidade, Bairro, Logradouro}) s->limpa();
}

void SeletoresEndereco::mostra(int cidade, int bairro, int logradouro)
{
    if (cidade > 0) {
        Cidade->mostra(cidade, EnderecoCompleto::nomeCidade(cidade));
        defineUf(EnderecoCompleto::ufCidade(cidade));
    }
    if (bairro > 0) Bairro->mostra(bairro, EnderecoCompleto::nomeBairro(bairro));
    if (logradouro > 0) Logradouro->mostra(logradouro, EnderecoCompleto::nomeLogradouro(logradouro));
}

void SeletoresEndereco::setEditando(bool editando)
{
    ComboEstado->setEnabled(editando);
    for (SeletorLocalidade *s : {Cidade, Bairro, Logradouro}) s->setEditando(editando);
}

void SeletoresEndereco::escondeListas()
{
    for (SeletorLocalidade *s : {Cidade, Bairro, Logradouro}) s->escondeLista();
}

bool SeletoresEndereco::eventFilter(QObject *o, QEvent *e)
{
    if (e->type() == QEvent::FocusIn) Cidade->escondeLista();
    return QObject::eventFilter(o, e);
}
