#pragma once
// The three pages of the users register: " Dados Principais " (the user and its login,
// password and hint), " Permissões  " (the flag grid) and " Contato e Endereço " (contacts and
// the address pickers). The pages show and write the two records, `USUARIOS` and
// `USUARIOSPERMISSOES`; the window decides what is checked and stored.

#include <QHash>
#include <QTabWidget>

class ContatosUsuario;
class DataEdit;
class MaskEdit;
class Query;
class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class SeletoresEndereco;

class PaginasUsuario : public QTabWidget {
    Q_OBJECT
public:
    enum Pagina { DadosPrincipais = 0, Permissoes = 1, ContatoEndereco = 2 };

    // Every flag of the permission record: the grid's, the hidden users flags and PUS_ADMIN.
    static QStringList flags();

    explicit PaginasUsuario(QWidget *pai);

    // " Dados Principais "
    QLineEdit *EditCodigo, *EditNome, *EditRG, *EditLogin, *EditSenha, *EditConfirmaSenha, *EditDicaSenha;
    MaskEdit *EditCPF;
    DataEdit *EditDataNasc, *EditDataCad, *EditDataAtual;
    QPlainTextEdit *MemoObs;
    // " Permissões  ": one box per flag with a box, by column name; CheckAdmin is PUS_ADMIN's.
    QHash<QString, QCheckBox *> CheckFlags;
    QCheckBox *CheckAdmin;
    // " Contato e Endereço "
    SeletoresEndereco *Endereco;
    ContatosUsuario *Contatos;
    QLineEdit *EditNumero, *EditComplemento, *EditPtRef;
    MaskEdit *EditCEP;

    void definePermissoesVisiveis(bool visiveis);
    bool permissoesVisiveis() const;
    // Brings a page forward (a hidden Permissions page stays hidden).
    void mostraPagina(Pagina p);

    // The records' values in the boxes; a closed or empty query empties them.
    void mostra(Query &usuario, Query &permissoes);
    // The boxes into the records being edited; false when a date is invalid (focus on it).
    bool grava(Query &usuario, Query &permissoes);
    // The flags' boxes from the record being edited (a new record's defaults).
    void mostraFlags(Query &permissoes);
    void setEditando(bool editando);

Q_SIGNALS:
    // A flag box was ticked or cleared by the user: "T" or "F".
    void flagMudou(const QString &flag, const QString &valor);

private:
    QWidget *montaDados();
    QWidget *montaPermissoes();
    QWidget *montaContatoEndereco();
    QWidget *paginaPermissoes_ = nullptr;
};
