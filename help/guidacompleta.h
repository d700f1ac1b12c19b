#pragma once
// The whole guide as one document: the program's name and description, the
// nine help pages in the order of the help index, each on a page of its own,
// and the formula picture right after the last page's text, all justified.
// It is saved in the program's folder; when that folder cannot be written (the
// usual case for an installed program) it is saved in the documents folder and
// the user is told where.

#include <QString>

namespace guida {

// The guide's file name: the program's name followed by "-guida" and the extension.
QString nomeFileGuida();

// Builds and saves the guide; `cartellaProgramma` is where it belongs. The path
// it was saved to, or empty when it could not be saved (the user was told; the
// document is delivered all the same).
QString scriviGuidaCompleta(const QString& cartellaProgramma);

} // namespace guida
