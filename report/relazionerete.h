#pragma once
// The report's section of the network data and sizing: a legend of the
// sixteen column codes (on the printer with the list of surface types and
// their run-off coefficients) and a table of one row per segment, what the
// engineer typed and what the sizing worked out.
//
// Printer: fixed columns of the body font at size 8, numbers aligned on their
// decimal separators; the table breaks after 40 rows on its first page and 85
// on each later one, and earlier wherever a page reaches the foot, repeating
// its heading. Document: a legend table, then tables of 16 columns holding 25
// segments (the first) and 57 (each further one), kept at full size.

#include <QString>
#include <QStringList>

namespace relazione {

struct Contesto;

// The section's title.
inline const QString titoloRete = QStringLiteral("DATI E DIMENSIONAMENTO DELLA RETE");

void reteStampa(Contesto& ctx);
void reteWord(Contesto& ctx);

// The network table's page break between rows: the foot and the heading
// again when the rows of this page reach the count (see interruzioneRete);
// the foot alone once the counter stands at the segment count.
// (Contesto::intestazionerete)

// Rows the table holds on its first page, and on each later page.
constexpr int righePrimaPaginaRete = 40;
constexpr int righePaginaRete = 85;
// Whether the table breaks after `righe` rows printed on page `pagina`, for a
// table whose rows began on page `primaPagina`; never once the rows reach the
// segment count.
bool interruzioneRete(int righe, int numerotratti, int pagina, int primaPagina);

// Segments in the first document table and in each further one.
constexpr int trattiPrimaTabella = 25;
constexpr int trattiTabella = 57;
// The number of document tables that hold n segments.
int tabelleRete(int numerotratti);

// The printer's heading and units lines.
QString intestazioneRete();
QString unitaRete();

// The texts of segment i's cells in the document, columns 1 to 16.
QStringList celleTratto(int i);

} // namespace relazione
