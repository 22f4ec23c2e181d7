#include "Registro.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>

namespace {

QString g_chave;

std::unique_ptr<QSettings> abre()
{
#ifdef Q_OS_WIN
    return std::make_unique<QSettings>(QStringLiteral("HKEY_CURRENT_USER\\") + Registro::chave(),
                                       QSettings::NativeFormat);
#else
    const QString arquivo = Registro::local(Registro::chave());
    QDir().mkpath(QFileInfo(arquivo).absolutePath());
    if (!QFile::exists(arquivo)) { // opening the key creates it
        QFile f(arquivo);
        f.open(QIODevice::WriteOnly);
    }
    return std::make_unique<QSettings>(arquivo, QSettings::IniFormat);
#endif
}

} // namespace

QString Registro::chavePadrao() { return QStringLiteral("Software\\Brelo\\Prontanota"); }

QString Registro::chaveDoArquivo(const QString &pasta)
{
    const QString arquivo = QDir(pasta).filePath(QStringLiteral("Registro.ini"));
    if (!QFile::exists(arquivo)) return chavePadrao();
    // Read as plain text: the value holds backslashes that QSettings would take as escapes.
    QFile f(arquivo);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) return chavePadrao();
    QString secao, valor;
    for (const QString &bruta : QString::fromLocal8Bit(f.readAll()).split(QLatin1Char('\n'))) {
        const QString linha = bruta.trimmed();
        if (linha.startsWith(QLatin1Char('[')) && linha.endsWith(QLatin1Char(']')))
            secao = linha.mid(1, linha.size() - 2).trimmed();
        else if (secao.compare(QLatin1String("REGISTRO"), Qt::CaseInsensitive) == 0 && linha.contains(QLatin1Char('='))
                 && linha.section(QLatin1Char('='), 0, 0).trimmed().compare(QLatin1String("Registro1"), Qt::CaseInsensitive) == 0)
            valor = linha.section(QLatin1Char('='), 1).trimmed();
    }
    return valor.isEmpty() ? chavePadrao() : valor;
}

QString Registro::chave() { return g_chave.isEmpty() ? chavePadrao() : g_chave; }
void Registro::defineChave(const QString &chave) { g_chave = chave; }

void Registro::carregaSubstituicao()
{
    defineChave(chaveDoArquivo(QCoreApplication::applicationDirPath()));
}

QString Registro::local(const QString &chave)
{
    QString relativo = chave;
    relativo.replace(QLatin1Char('/'), QLatin1Char('\\'));
    if (relativo.startsWith(QStringLiteral("Software\\"), Qt::CaseInsensitive)) relativo = relativo.mid(9);
    relativo.replace(QLatin1Char('\\'), QLatin1Char('/'));
    QString home = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (home.isEmpty()) home = QDir::homePath() + QStringLiteral("/.config");
    return QDir::cleanPath(home + QLatin1Char('/') + relativo) + QStringLiteral(".ini");
}

QVariant Registro::le(const QString &nome) { return abre()->value(nome); }

void Registro::escreve(const QString &nome, const QVariant &valor)
{
    auto s = abre();
    s->setValue(nome, valor);
    s->sync();
}

QString Registro::leTexto(const QString &nome) { return le(nome).toString(); }

int Registro::leInteiro(const QString &nome)
{
    bool ok = false;
    const int v = le(nome).toString().trimmed().toInt(&ok);
    return ok ? v : 0;
}

bool Registro::leBooleano(const QString &nome)
{
    const QString v = le(nome).toString().trimmed().toLower();
    return v == QLatin1String("true") || v == QLatin1String("1");
}

bool Registro::existe(const QString &nome) { return abre()->contains(nome); }
void Registro::escreveTexto(const QString &nome, const QString &valor) { escreve(nome, valor); }
void Registro::escreveInteiro(const QString &nome, int valor) { escreve(nome, valor); }
void Registro::escreveBooleano(const QString &nome, bool valor) { escreve(nome, valor); }

void Registro::apaga(const QString &nome)
{
    auto s = abre();
    s->remove(nome);
    s->sync();
}
