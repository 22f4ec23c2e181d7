#include "ProjetoRelatorios.h"

#include "Caminhos.h"
#include "ConexaoRelatorio.h"
#include "DesenhoRelatorio.h"
#include "LeitorRav.h"
#include "SistemaRelatorios.h"

#include "Relogio.h"

#include <QFile>
#include <QFileInfo>

namespace {
constexpr qint64 kMaiorProjeto = 32 * 1024 * 1024;
}

QString ProjetoRelatorios::arquivo() const
{
    QString a = Caminhos::deWindows(ProjectFile);
#ifndef Q_OS_WIN
    a.replace(QLatin1Char('\\'), QLatin1Char('/'));
#endif
    return a;
}

bool ProjetoRelatorios::open()
{
    close();
    erro_.clear();
    const QString caminho = arquivo();
    QFile f(caminho);
    if (caminho.isEmpty() || !QFileInfo(caminho).isFile()) {
        erro_ = QStringLiteral("Arquivo de relatórios não encontrado: %1").arg(caminho);
        return false;
    }
    if (f.size() > kMaiorProjeto) {
        erro_ = QStringLiteral("Arquivo de relatórios grande demais: %1").arg(caminho);
        return false;
    }
    if (!f.open(QIODevice::ReadOnly)) {
        erro_ = QStringLiteral("Não foi possível ler %1: %2").arg(caminho, f.errorString());
        return false;
    }
    auto lidos = LeitorRav::le(f.readAll(), &erro_);
    if (!lidos) return false;
    relatorios_ = std::move(*lidos);
    aberto_ = true;
    return true;
}

void ProjetoRelatorios::close()
{
    relatorios_.clear();
    parametros_.clear();
    aberto_ = false;
}

void ProjetoRelatorios::setParam(const QString &nome, const QString &valor) { parametros_.insert(nome.toLower(), valor); }

const LayoutRelatorio *ProjetoRelatorios::relatorio(const QString &nome) const
{
    for (const LayoutRelatorio &r : relatorios_)
        if (r.nome.compare(nome.trimmed(), Qt::CaseInsensitive) == 0) return &r;
    return nullptr;
}

QStringList ProjetoRelatorios::nomes() const
{
    QStringList r;
    for (const LayoutRelatorio &l : relatorios_) r.append(l.nome);
    return r;
}

bool ProjetoRelatorios::executeReport(const QString &nome)
{
    erro_.clear();
    const LayoutRelatorio *layout = aberto_ ? relatorio(nome) : nullptr;
    if (!layout) {
        erro_ = aberto_ ? QStringLiteral("O projeto não tem o relatório \"%1\".").arg(nome)
                        : QStringLiteral("O projeto de relatórios não está aberto.");
        return false;
    }
    if (!Engine) {
        erro_ = QStringLiteral("Nenhum sistema de impressão ligado ao projeto.");
        return false;
    }
    DadosRelatorio dados;
    dados.parametros = parametros_;
    dados.conexao = [](const QString &n) -> const FonteDados * { return ConexaoRelatorio::procura(n); };
    dados.pastaProjeto = QFileInfo(arquivo()).absolutePath();
    dados.agora = Relogio::atual().agora();
    return Engine->executa(*layout, std::move(dados), &erro_) != SistemaRelatorios::Resultado::Falhou;
}
