// The document's own pagination: the content laid out with QTextDocument on the document's
// page, with the same margins, fonts, sizes, line spacing, tables and page breaks as the .docx.
// A font that is not installed is measured with the one that replaces it on this system.
#pragma once

#include "office/modello.h"

#include <vector>

namespace office {

int contaPagine(const ModelloDocumento& modello);

// How a table lies across the page, in twips: its columns' widths, together `larghezzaUtileTwip`,
// and the left and right margin of its cells.
struct DisposizioneTabella {
    std::vector<int> larghezze;
    int margineCella = margineCellaTwip;
};

// A plain table has equal columns. A table given an auto format fits its columns to their texts,
// as the word processor's auto format does: each column takes its widest text (the heading rows in
// bold) and the cell margins, and the width left over is shared out equally. When that is wider
// than the page the rows come first, so that a number never breaks inside its cell, and the
// headings wrap between words; a column is never narrower than its longest word, the cells'
// margins narrowing first when the longest words would not fit across the page. When even then
// they do not, the columns of the longest words give way and those words break inside their
// cells: the table never passes the page's width.
DisposizioneTabella disposizioneTabella(const Tabella& t, int larghezzaUtileTwip);

} // namespace office
