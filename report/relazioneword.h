#pragma once
// The report built as a word-processor document. The title page is typed at
// the selection; every later section writes through the current paragraph
// (a paragraph added at the end of the document, whose text and size the
// section sets) and the current table (added at the end of the document).
// After the closing, the end pass justifies the whole document and
// right-aligns the number columns of the tables.

#include <QString>
#include <functional>

class frontespizio;

namespace office {
class Table;
}

namespace relazione {

// The word-processor rendering of the whole report (after the checks).
void stampaWord(frontespizio& f);

// Runs a command that builds the window's document; the document is delivered when the command
// ends. When a call fails, the half-built document is withdrawn and the user is told what could
// not be done (`cosa`, as in "completare la relazione"); false then.
bool costruisciDocumento(frontespizio& f, const QString& cosa, const std::function<void()>& costruisci);

// The hint after a command that built the window's document: `visualizzato`
// when the document was delivered (or is still to be), otherwise what went wrong.
QString esitoConsegna(const frontespizio& f, const QString& visualizzato);

// A new word processor and report document, set up for the title page: three
// empty paragraphs, A4, single spacing, the title's font, bold and size.
void apriRelazione(frontespizio& f);

// A new current paragraph at the end of the document.
void nuovoParagrafo(frontespizio& f);
// Text in the current paragraph at a size; a \r in it ends a paragraph.
void scrivi(frontespizio& f, double punti, const QString& testo);
// n empty paragraphs, one paragraph mark at a time.
void paragrafiVuoti(frontespizio& f, int n);
// A new current table at the end of the document, its font size set for
// every cell (0 leaves the size of the text written before it).
office::Table& nuovaTabella(frontespizio& f, int righe, int colonne, double punti = 0);

// The numbers of the network tables' columns, all right-aligned by the end pass.
constexpr int colonneRete = 16;

// The end pass: justify everything, then right-align the number columns of the
// tables, found by their position in the document.
void passataFinale(frontespizio& f);

} // namespace relazione
