#include "PaginasUsuario.h"

#include "AjusteTela.h"
#include "CaixaTexto.h"
#include "CamposFormulario.h"
#include "ContatosUsuario.h"
#include "DataEdit.h"
#include "MaskEdit.h"
#include "Query.h"
#include "SeletoresEndereco.h"
#include "TeclasNavegacao.h"
#include "uFuncoes.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>

using namespace CamposFormulario;

namespace {

const QString MascaraCPF = QStringLiteral("###.###.###-##;0;_");





// Rows of the grid: caption and area; the "Quitar" column only for notes.
const QList<std::pair<const char *, const char *>> Areas{
    {"Localidades (Estados, Cidades, Bairros, Logradouros)", "LOCALIDADES"},
    {"Clientes (Credores, Avalistas)", "CLIENTES"},
    {"Credores (Empresas)", "EMPRESAS"},
    {"Notas Promissórias", "NOTASPROMIS"}};
const QList<std::pair<const char *, const char *>> Configuracoes{
    {"Quadro de Avisos", "PUS_QUADRO_AVISOS"}, {"Efetuar Backup", "PUS_BACKUP"}, {"Restaurar Backup", "PUS_RESTORE"}};

} // namespace

QStringList PaginasUsuario::flags()
{
    QStringList r{QStringLiteral("PUS_ADMIN"), QStringLiteral("PUS_QUADRO_AVISOS"), QStringLiteral("PUS_BACKUP"),
                  QStringLiteral("PUS_RESTORE")};
    for (const char *area : {"LOCALIDADES", "CLIENTES", "EMPRESAS", "USUARIOS", "NOTASPROMIS"})
        for (const char *acao : {"_V", "_E", "_X", "_R"}) r << QStringLiteral("PUS_") + QLatin1String(area) + QLatin1String(acao);
    r << QStringLiteral("PUS_NOTASPROMIS_Q");
    return r;
}

PaginasUsuario::PaginasUsuario(QWidget *pai) : QTabWidget(pai)
{
    setObjectName(QStringLiteral("Paginas"));
    addTab(montaDados(), QStringLiteral(" Dados Principais "));
    paginaPermissoes_ = montaPermissoes();
    addTab(paginaPermissoes_, QStringLiteral(" Permissões  "));
    addTab(montaContatoEndereco(), QStringLiteral(" Contato e Endereço "));
    setEditando(false);
}

QWidget *PaginasUsuario::montaDados()
{
    auto *p = new QWidget(this);
    p->setObjectName(QStringLiteral("PaginaDados"));
    EditCodigo = caixa(p, "EditCodigo", 10);
    somenteLeitura(EditCodigo);
    EditNome = caixa(p, "EditNome", 50);
    EditCPF = new MaskEdit(MascaraCPF, p);
    EditCPF->setObjectName(QStringLiteral("EditCPF"));
    EditRG = caixa(p, "EditRG", 15);
    EditLogin = caixa(p, "EditLogin", 30);
    // The password boxes hold what their columns hold; the caption's range is not enforced.
    EditSenha = caixa(p, "EditSenha", 30, false);
    EditSenha->setEchoMode(QLineEdit::Password);
    EditConfirmaSenha = caixa(p, "EditConfirmaSenha", 30, false);
    EditConfirmaSenha->setEchoMode(QLineEdit::Password);
    EditDicaSenha = caixa(p, "EditDicaSenha", 30);
    EditDataNasc = caixaData(p, "EditDataNasc");
    EditDataCad = caixaData(p, "EditDataCad");
    EditDataAtual = caixaData(p, "EditDataAtual");
    EditDataAtual->setReadOnly(true);
    EditDataAtual->setFocusPolicy(Qt::NoFocus);
    MemoObs = new QPlainTextEdit(p);
    MemoObs->setObjectName(QStringLiteral("MemoObs"));
    MemoObs->setTabChangesFocus(true);
    MemoObs->setProperty(TeclasNavegacao::PropriedadeTeclasProprias, int(TeclasNavegacao::Enter));

    auto *g = new QGridLayout(p);
    int l = 0;
    g->addWidget(rotulo(p, QStringLiteral("Código")), l, 0);
    g->addWidget(EditCodigo, l++, 1);
    g->addWidget(rotulo(p, QStringLiteral("Nome")), l, 0);
    g->addWidget(EditNome, l++, 1, 1, 3);
    g->addWidget(rotulo(p, QStringLiteral("CPF")), l, 0);
    g->addWidget(EditCPF, l, 1);
    g->addWidget(rotulo(p, QStringLiteral("RG")), l, 2);
    g->addWidget(EditRG, l++, 3);
    g->addWidget(rotulo(p, QStringLiteral("Login (Nome p/ Entrar no sistema)")), l, 0);
    g->addWidget(EditLogin, l++, 1, 1, 3);
    g->addWidget(rotulo(p, QStringLiteral("Senha (de 1 a 20 caracteres)")), l, 0);
    g->addWidget(EditSenha, l, 1);
    g->addWidget(rotulo(p, QStringLiteral("Confirmar senha")), l, 2);
    g->addWidget(EditConfirmaSenha, l++, 3);
    g->addWidget(rotulo(p, QStringLiteral("Dica de Senha")), l, 0);
    g->addWidget(EditDicaSenha, l++, 1, 1, 3);
    g->addWidget(rotulo(p, QStringLiteral("Data Nasc.")), l, 0);
    g->addWidget(EditDataNasc, l++, 1);
    g->addWidget(rotulo(p, QStringLiteral("Data Cadastro")), l, 0);
    g->addWidget(EditDataCad, l, 1);
    g->addWidget(rotulo(p, QStringLiteral("Última Atualização")), l, 2);
    g->addWidget(EditDataAtual, l++, 3);
    g->addWidget(rotulo(p, QStringLiteral("Observações")), l, 0);
    g->addWidget(MemoObs, l++, 1, 1, 3);
    g->setRowStretch(l, 1);
    AjusteTela::caixaMascaras(EditCPF, {MascaraCPF});
    AjusteTela::caixas(p, 24);
    QList<QWidget *> ordem{EditNome, EditCPF, EditRG, EditLogin, EditSenha, EditConfirmaSenha, EditDicaSenha,
                           EditDataNasc, EditDataCad, MemoObs};
    for (int i = 1; i < ordem.size(); ++i) QWidget::setTabOrder(ordem.at(i - 1), ordem.at(i));
    return p;
}

QWidget *PaginasUsuario::montaPermissoes()
{
    auto *p = new QWidget(this);
    p->setObjectName(QStringLiteral("PaginaPermissoes"));
    auto caixaFlag = [this, p](const QString &texto, const QString &flag) {
        auto *c = new QCheckBox(texto, p);
        c->setObjectName(QStringLiteral("Check") + flag);
        CheckFlags.insert(flag, c);
        connect(c, &QCheckBox::clicked, this, [this, flag](bool marcada) {
            Q_EMIT flagMudou(flag, marcada ? QStringLiteral("T") : QStringLiteral("F"));
        });
        return c;
    };
    CheckAdmin = caixaFlag(QStringLiteral("Usuário ADMINISTRADOR"), QStringLiteral("PUS_ADMIN"));

    auto *v = new QVBoxLayout(p);
    v->addWidget(CheckAdmin);
    v->addWidget(rotulo(p, QStringLiteral("* Somente usuário marcado como ADMIN poderá ter acesso as Permissões de Usuário")));
    v->addWidget(rotulo(p, QStringLiteral("<b>Permissões de Cadastros...</b>")));
    auto *g = new QGridLayout;
    const QList<std::pair<const char *, char>> acoes{
        {"Visualizar", 'V'}, {"Editar", 'E'}, {"Excluir", 'X'}, {"Relatórios", 'R'}, {"Quitar", 'Q'}};
    for (int c = 0; c < acoes.size(); ++c) g->addWidget(rotulo(p, QString::fromUtf8(acoes.at(c).first)), 0, c + 1, Qt::AlignCenter);
    for (int l = 0; l < Areas.size(); ++l) {
        const QString area = QLatin1String(Areas.at(l).second);
        g->addWidget(rotulo(p, QString::fromUtf8(Areas.at(l).first)), l + 1, 0);
        for (int c = 0; c < acoes.size(); ++c) {
            if (acoes.at(c).second == 'Q' && area != QLatin1String("NOTASPROMIS")) continue;
            const QString flag = QStringLiteral("PUS_") + area + QLatin1Char('_') + QLatin1Char(acoes.at(c).second);
            g->addWidget(caixaFlag(QString(), flag), l + 1, c + 1, Qt::AlignCenter);
        }
    }
    v->addLayout(g);
    v->addWidget(rotulo(p, QStringLiteral("<b>Permissões de Configurações...</b>")));
    for (const auto &[texto, flag] : Configuracoes) v->addWidget(caixaFlag(QString::fromUtf8(texto), QLatin1String(flag)));
    v->addStretch();
    return p;
}

QWidget *PaginasUsuario::montaContatoEndereco()
{
    auto *p = new QWidget(this);
    p->setObjectName(QStringLiteral("PaginaContatoEndereco"));
    Contatos = new ContatosUsuario(p);
    ContatosUsuario *contatos = Contatos;
    Endereco = new SeletoresEndereco(p);
    EditNumero = caixa(p, "EditNumero", 8);
    EditComplemento = caixa(p, "EditComplemento", 15);
    EditCEP = new MaskEdit(QStringLiteral("99999\\-999;0;_"), p);
    EditCEP->setObjectName(QStringLiteral("EditCEP"));
    EditPtRef = caixa(p, "EditPtRef", 100);
    Endereco->defineProximoLogradouro(EditNumero);

    auto *g = new QGridLayout(p);
    int l = 0;
    g->addWidget(rotulo(p, QStringLiteral("Tipo de Contato")), l, 0);
    g->addWidget(contatos->LabelContato, l, 1);
    g->addWidget(contatos->LabelDetalhes, l++, 2);
    g->addWidget(contatos->ComboTipoContato, l, 0);
    g->addWidget(contatos->EditContato, l, 1);
    g->addWidget(contatos->EditDetalhes, l++, 2);
    auto *botoes = new QHBoxLayout;
    botoes->addWidget(contatos->ButAdicionarContato);
    botoes->addWidget(contatos->ButExcluirContato);
    botoes->addStretch();
    g->addLayout(botoes, l++, 0, 1, 3);
    g->addWidget(contatos->GridContatos, l++, 0, 1, 3);
    auto *endereco = new QGridLayout;
    int e = 0;
    endereco->addWidget(rotulo(p, QStringLiteral("Est./ Cidade")), e, 0);
    auto *cidade = new QHBoxLayout;
    cidade->addWidget(Endereco->ComboEstado);
    cidade->addWidget(Endereco->Cidade->linha(p), 1);
    endereco->addLayout(cidade, e++, 1, 1, 3);
    endereco->addWidget(rotulo(p, QStringLiteral("Bairro ")), e, 0);
    endereco->addWidget(Endereco->Bairro->linha(p), e++, 1, 1, 3);
    endereco->addWidget(rotulo(p, QStringLiteral("Endereço ")), e, 0);
    endereco->addWidget(Endereco->Logradouro->linha(p), e++, 1, 1, 3);
    endereco->addWidget(rotulo(p, QStringLiteral("Nº/ Compl.")), e, 0);
    auto *numero = new QHBoxLayout;
    numero->addWidget(EditNumero);
    numero->addWidget(EditComplemento, 1);
    endereco->addLayout(numero, e, 1);
    endereco->addWidget(rotulo(p, QStringLiteral("CEP ")), e, 2);
    endereco->addWidget(EditCEP, e++, 3);
    endereco->addWidget(rotulo(p, QStringLiteral("Ponto Ref.")), e, 0);
    endereco->addWidget(EditPtRef, e++, 1, 1, 3);
    g->addLayout(endereco, l++, 0, 1, 3);
    g->setRowStretch(l, 1);
    contatos->GridContatos->setMaximumHeight(130);
    AjusteTela::caixa(contatos->ComboTipoContato, 18);
    AjusteTela::caixas(p, 24);
    QList<QWidget *> ordem{contatos->ComboTipoContato, contatos->EditContato, contatos->EditDetalhes,
                           contatos->ButAdicionarContato, contatos->GridContatos, contatos->ButExcluirContato,
                           Endereco->ComboEstado, Endereco->Cidade->Edit, Endereco->Bairro->Edit, Endereco->Logradouro->Edit,
                           EditNumero, EditComplemento, EditCEP, EditPtRef};
    for (int i = 1; i < ordem.size(); ++i) QWidget::setTabOrder(ordem.at(i - 1), ordem.at(i));
    return p;
}

void PaginasUsuario::definePermissoesVisiveis(bool visiveis) { setTabVisible(Permissoes, visiveis); }

bool PaginasUsuario::permissoesVisiveis() const { return isTabVisible(Permissoes); }

void PaginasUsuario::mostraPagina(Pagina p)
{
    if (isTabVisible(p)) setCurrentIndex(p);
}

void PaginasUsuario::mostra(Query &u, Query &pm)
{
    const bool ha = u.ativa() && u.recNo() >= 0;
    auto texto = [&u, ha](const char *campo) { return ha ? u[QLatin1String(campo)].asString() : QString(); };
    EditCodigo->setText(texto("US_CODIGO"));
    EditNome->setText(texto("US_NOME"));
    EditCPF->setTexto(texto("US_CPF_CNPJ"));
    EditRG->setText(texto("US_RG_IE"));
    EditDataNasc->setData(ha ? u[QStringLiteral("US_DT_NASC")].asDate() : QDate());
    EditDataCad->setData(ha ? u[QStringLiteral("US_DT_CAD")].asDate() : QDate());
    EditDataAtual->setData(ha ? u[QStringLiteral("US_DT_ATUAL")].asDate() : QDate());
    MemoObs->setPlainText(texto("US_OBS"));
    EditNumero->setText(texto("US_NUMERO"));
    EditComplemento->setText(texto("US_COMPLEMENTO"));
    EditCEP->setTexto(texto("US_CEP").trimmed());
    EditPtRef->setText(texto("US_PTREF"));

    const bool haPermissoes = pm.ativa() && pm.recNo() >= 0;
    auto textoP = [&pm, haPermissoes](const char *campo) { return haPermissoes ? pm[QLatin1String(campo)].asString() : QString(); };
    EditLogin->setText(textoP("PUS_LOGIN"));
    EditSenha->setText(textoP("PUS_SENHA"));
    EditConfirmaSenha->setText(textoP("PUS_RESENHA"));
    EditDicaSenha->setText(textoP("PUS_DICA_SENHA"));
    mostraFlags(pm);
}

void PaginasUsuario::mostraFlags(Query &pm)
{
    const bool ha = pm.ativa() && pm.recNo() >= 0;
    for (auto it = CheckFlags.cbegin(); it != CheckFlags.cend(); ++it)
        it.value()->setChecked(ha && pm.indiceCampo(it.key()) >= 0 && pm[it.key()].asString() == QLatin1String("T"));
}

bool PaginasUsuario::grava(Query &u, Query &pm)
{
    QVariant nascimento, cadastro;
    for (auto [caixa, campo] : {std::pair{EditDataNasc, &nascimento}, std::pair{EditDataCad, &cadastro}}) {
        if (!ValidaData(*campo, caixa->textoVisivel())) {
            mostraPagina(DadosPrincipais);
            caixa->setFocus();
            caixa->selectAll();
            return false;
        }
    }
    auto texto = [](const QString &t) { return t.isEmpty() ? QVariant() : QVariant(t); };
    u[QStringLiteral("US_NOME")] = EditNome->text();
    u[QStringLiteral("US_CPF_CNPJ")] = texto(EditCPF->texto());
    u[QStringLiteral("US_RG_IE")] = texto(EditRG->text());
    u[QStringLiteral("US_DT_NASC")] = nascimento;
    u[QStringLiteral("US_DT_CAD")] = cadastro;
    u[QStringLiteral("US_OBS")] = texto(MemoObs->toPlainText());
    u[QStringLiteral("US_NUMERO")] = texto(EditNumero->text());
    u[QStringLiteral("US_COMPLEMENTO")] = texto(EditComplemento->text());
    u[QStringLiteral("US_CEP")] = texto(EditCEP->texto());
    u[QStringLiteral("US_PTREF")] = texto(EditPtRef->text());
    if (pm.editando()) {
        pm[QStringLiteral("PUS_LOGIN")] = EditLogin->text();
        pm[QStringLiteral("PUS_SENHA")] = EditSenha->text();
        pm[QStringLiteral("PUS_RESENHA")] = EditConfirmaSenha->text();
        pm[QStringLiteral("PUS_DICA_SENHA")] = texto(EditDicaSenha->text());
    }
    return true;
}

void PaginasUsuario::setEditando(bool editando)
{
    for (QLineEdit *e : {EditNome, EditRG, EditLogin, EditSenha, EditConfirmaSenha, EditDicaSenha, EditNumero,
                         EditComplemento, EditPtRef, static_cast<QLineEdit *>(EditCPF), static_cast<QLineEdit *>(EditCEP),
                         static_cast<QLineEdit *>(EditDataNasc), static_cast<QLineEdit *>(EditDataCad)})
        e->setReadOnly(!editando);
    MemoObs->setReadOnly(!editando);
    for (QCheckBox *c : std::as_const(CheckFlags)) c->setEnabled(editando);
    Endereco->setEditando(editando);
}
