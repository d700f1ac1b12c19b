#pragma once
// The report built as a word-processor document (stampaWord, relazione.h). The title page is typed at
// the selection; every later section writes through the current paragraph
// (a paragraph added at the end of the document, whose text and size the
// section sets) and the current table (added at the end of the document).
// After the closing, the end pass justifies the whole document and
// right-aligns the number columns of the tables.

#include <QString>
#include <functional>

namespace office {
class Table;
}

namespace relazione {

struct Contesto;

// Runs a command that builds the context's document; the document is delivered when the command
// ends. When a call fails, the half-built document is withdrawn and the user is told what could
// not be done (`cosa`, as in "completare la relazione"); false then.
bool costruisciDocumento(Contesto& ctx, const QString& cosa, const std::function<void()>& costruisci);

// The hint after a command that built the context's document: `visualizzato`
// when the document was delivered (or is still to be), otherwise what went wrong.
QString esitoConsegna(const Contesto& ctx, const QString& visualizzato);

// A new word processor and report document, set up for the title page: three
// empty paragraphs, A4, single spacing, the title's font, bold and size.
void apriRelazione(Contesto& ctx);

// A new current paragraph at the end of the document.
void nuovoParagrafo(Contesto& ctx);
// Text in the current paragraph at a size; a \r in it ends a paragraph.
void scrivi(Contesto& ctx, double punti, const QString& testo);
// n empty paragraphs, one paragraph mark at a time.
void paragrafiVuoti(Contesto& ctx, int n);
// A new current table at the end of the document, its font size set for
// every cell (0 leaves the size of the text written before it).
office::Table& nuovaTabella(Contesto& ctx, int righe, int colonne, double punti = 0);

// The numbers of the network tables' columns, all right-aligned by the end pass.
constexpr int colonneRete = 16;

// The end pass: justify everything, then right-align the number columns of the
// tables, found by their position in the document.
void passataFinale(Contesto& ctx);

} // namespace relazione
