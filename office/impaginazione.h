// The document's own pagination: the content laid out with QTextDocument on the document's
// page, with the same margins, fonts, sizes, line spacing, tables and page breaks as the .docx.
// A font that is not installed is measured with the one that replaces it on this system.
#pragma once

#include "office/modello.h"

#include <vector>

namespace office {

int contaPagine(const ModelloDocumento& modello);

// The widths of a table's columns in twips, together `larghezzaUtileTwip`. A plain table has
// equal columns. A table given an auto format fits its columns to their texts, as the word
// processor's auto format does: each column takes its widest text (the heading row in bold) and
// the cell margins, and the width left over is shared out equally. When that is wider than the
// page the rows come first, so that a number never breaks inside its cell, and the headings wrap.
std::vector<int> larghezzeColonne(const Tabella& t, int larghezzaUtileTwip);

} // namespace office
