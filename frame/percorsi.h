#pragma once
// Where the program finds the files it reads and never writes.

#include <QString>

namespace percorsi {

// The program's folder.
QString cartellaProgramma();

// The first existing file named `nome` in: the current folder (when
// `ancheCartellaCorrente`), the program's folder, the installed data folder and
// the source tree's data folder. Empty when none exists.
QString fileDati(const QString& nome, bool ancheCartellaCorrente);

} // namespace percorsi
