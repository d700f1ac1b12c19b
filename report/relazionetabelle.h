#pragma once
// What the report's data tables share, in both renderings.
//
// Values (empty, a text as typed, or a number the program set): on the printer
// a text prints as it stands and a number in the printer's form (a sign
// position in front, a blank behind); in the document a cell holds the value's
// text. Numbers in a printed column are aligned on their decimal separator:
// the value starts at the column's anchor less the characters in front of its
// separator, so a text's separator stands on the anchor and a number's one
// column further right (its sign position).
//
// Pages: a printed table that reaches the report's page foot goes on on a new
// page under its heading again; the foot stands in the body size.

#include "frame/valore.h"
#include "office/stampante.h"

#include <QString>
#include <functional>
#include <vector>

namespace relazione {

struct Contesto;

// Size of the printed tables' heading, units and rows.
constexpr double dimensioneTabelle = 8;

// The text of a value in a document cell: a text as typed, a number in its
// shortest decimal form with the locale's separator ("0,5" in Italian), ""
// for an empty value.
QString testoCella(const Valore& valore);

// Characters in front of the decimal separator of the value's text (of its
// absolute value), through ModVelmor::cifreintere.
int cifreIntere(const Valore& valore);

// A value as the report's tables write it, in both renderings: a number, or a
// text that reads as one, with the locale's decimal separator and through
// `schema` when one is given ("0.00": always two decimals, a zero in front of
// the separator); any other text as it stands; "" for an empty value.
QString testoTabella(const Valore& valore, const QString& schema = {});

// One value of a printed row: the column its first character should stand in, and its text.
// A value longer than `larghezza` characters (0: no limit) keeps to its column: it goes on on
// the lines below, from the same column, cut at its blanks where it has them.
struct Posto {
    int colonna;
    QString testo;
    int larghezza = 0;
};

// The column where a number's text starts so that its units digit stands in
// `ancora` (its separator, if any, one column right of it).
int inizioAllineato(int ancora, const QString& testo);

// The print items of a table row: each value at its column, or further right
// when it would touch the value before it, so that at least one blank stands
// between two values and no column ever sends the row onto a new line.
// Values with no text are left out.
std::vector<office::Voce> rigaSenzaContatti(const std::vector<Posto>& posti);
// The same for values that may run over several lines: the print items of each line, the
// values' first lines on the first.
std::vector<std::vector<office::Voce>> righeSenzaContatti(const std::vector<Posto>& posti);

// Adds the value to a print line at column `colonna`. An empty value adds
// nothing, not even the move to its column: it would print nothing there, and
// a column left of the position would push the rest of the row onto a new line.
void aggiungiValore(std::vector<office::Voce>& riga, int colonna, const Valore& valore);

// The value aligned on its separator at the column `ancora`.
void aggiungiAllineato(std::vector<office::Voce>& riga, int ancora, const Valore& valore);

// A section's title: body font at size 18 at column `colonna`, a blank line,
// then the body size.
void titoloSezione(Contesto& ctx, int colonna, const QString& titolo);

// The page foot in the body size, a new page, the text's top, then the size
// of the tables: where a table's heading is printed again.
void piedeTabella(Contesto& ctx);

// While it lives, a page of the table that fills by itself ends with
// `continua` (which prints the foot and the heading again); the report's own
// page end comes back after it.
class ContinuazioneTabella {
public:
    ContinuazioneTabella(Contesto& ctx, std::function<void()> continua);
    ~ContinuazioneTabella();
    ContinuazioneTabella(const ContinuazioneTabella&) = delete;
    ContinuazioneTabella& operator=(const ContinuazioneTabella&) = delete;

private:
    Contesto& m_ctx;
};

// Whether `altezza` twips more still fit above the page foot (always, with no foot set).
bool staNellaPagina(const office::Stampante& p, double altezza);

} // namespace relazione
