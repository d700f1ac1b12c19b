#pragma once
// The report printed straight on the printer (stampaDiretta, relazione.h).
// The print dialog chooses the printer; the sections then print through the report's Printer (contesto.h),
// in twips from the top left of the printable area. A page that fills by
// itself ends with the report's page foot (and, inside a table, the table's
// heading again), so that no page after the title page goes without its
// number. Any error of the printer ends the report and is told to the user.
// The page model is A4's: the print job (frame/lavorostampa.h) keeps the
// printer on A4, and a printable area too short for the page foot is told
// to the user before anything is printed.

#include <QString>

namespace office {
class Stampante;
}

namespace relazione {

// Where the report's text starts on each page and where the page foot stands.
constexpr double margineSinistro = 1000;
constexpr double cimaPagina = 1000;
constexpr double xPiede = 9800;
constexpr double yPiede = 15500;
// The column of the title page's data lines and of the hydraulic sections.
constexpr int colonnaTesto = 10;

// The print job's name: the program, "relazione tecnica" and the project.
QString nomeLavoro(const QString& progetto);

// The page foot: "pagina" and the page number at x 9800, y 15500, in the font
// in force; nothing else.
void piede(office::Stampante& p);
// The foot, a new page and the text's top on the new page: Contesto::fondopagina.

// Prints `etichetta` at column `colonna` and then `testo`, broken between
// words so that no line passes the right edge of the printable area; further
// lines start under the text's first character. Returns the number of lines
// printed (1 for an empty text).
int stampaEntroMargine(office::Stampante& p, int colonna, const QString& etichetta, const QString& testo);

} // namespace relazione
