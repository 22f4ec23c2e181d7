#pragma once
// Desktop shortcuts as freedesktop.org desktop entries (a "<name>.desktop" file, executable).

#include <QString>

namespace Atalhos {

// File name of the shortcut `nome`: characters a file name cannot hold (on any system) become
// "_", leading dots and blanks go; "Atalho.desktop" when nothing is left.
QString nomeArquivo(const QString &nome);
// The desktop entry: Name `nome`, Comment `descricao`, Exec `programa`, Path `pastaTrabalho`.
QString conteudo(const QString &nome, const QString &programa, const QString &pastaTrabalho,
                 const QString &descricao);
// Writes the shortcut into `pastaDesktop` (created when missing), replacing one of the same
// name, and marks it executable.
bool cria(const QString &pastaDesktop, const QString &nome, const QString &programa,
          const QString &pastaTrabalho, const QString &descricao);

} // namespace Atalhos
