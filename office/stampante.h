#pragma once
// The printer as the program's printed outputs drive it: a current position in
// twips from the top left of the printable area, a font name and size, a drawing
// width and a page number, and print statements made of items, straight lines,
// new page and end of document. It draws on a Superficie.
//
//     p.FontName = "Courier New";
//     p.FontSize = 12;
//     p.Print({Colonna(10), Testo("PORTATA ACQUE BIANCHE")});
//     p.Print({Colonna(6), Numero(12.5), Spazi(3), Testo("l/s")});
//     p.Print();                                  // a blank line
//     p.Print({Colonna(6), Testo("Superfici: ")}, ACapo::no); // the line goes on
//
// Errors of the surface (ErroreStampa) pass through to the caller.
//
// A page fills when a line would pass the bottom: the printable area's, or the
// lower limit `Fondo` when one is set. Then the page-end hook `FinePagina`, when
// set, ends the page itself (a foot, a new page, a heading); without one, or
// while the hook runs, the printer starts a new page at the top.

#include "office/superficie.h"

#include <QString>
#include <functional>
#include <vector>

namespace office {

// One item of a print statement.
struct Voce {
    enum class Tipo { colonna, spazi, testo, numero };
    Tipo tipo = Tipo::testo;
    int quante = 0;     // column or number of blanks
    QString testo;
    double numero = 0;
};

// Move to column n of the line (the tab rule: columns count from 1 at x = 0 and
// are one column of the current font wide; when the position is already right
// of column n, printing goes on at column n of the next line).
Voce Colonna(int n);
// n blanks of the current font.
Voce Spazi(int n);
// A text, printed as it stands.
Voce Testo(const QString& testo);
// A number, in the form formaStampa gives it when the statement is printed.
Voce Numero(double numero);
// The text of a field or label, printed as it stands (an empty field as nothing).
Voce TestoCampo(const QString& testo);

// Whether a print statement ends its line.
enum class ACapo { si, no };

class Stampante {
public:
    explicit Stampante(Superficie& superficie);

    double CurrentX = 0;
    double CurrentY = 0;
    QString FontName = QStringLiteral("Courier New");
    double FontSize = 12;
    int DrawWidth = 1; // in the surface's pixels
    // Lowest y a line may reach, in twips; 0 is the bottom of the printable area.
    double Fondo = 0;
    // Ends a page that filled by itself; it must leave the position on a new page.
    std::function<void()> FinePagina;

    int Page() const { return m_pagina; }
    // Width of the printable area, in twips: no text may pass it.
    double ScaleWidth() const;

    // A print statement. Unless told ACapo::no, the position then moves to x = 0
    // one line height lower; an empty statement is a blank line. A line that
    // would pass the bottom of the printable area goes to the top of a new page.
    void Print(const std::vector<Voce>& voci = {}, ACapo aCapo = ACapo::si);
    // A straight line in the drawing width; the position is then its end point.
    void Line(double x1, double y1, double x2, double y2);
    // x = 0, y = 0 on the next page. The page is begun on the surface when
    // something is drawn on it, so a new page right before EndDoc prints no
    // blank sheet.
    void NewPage();
    // Ends the document; what follows starts a new one at page 1.
    void EndDoc();

    // Width of a text and height of a line in the current font, in twips.
    double TextWidth(const QString& testo) const;
    double TextHeight() const;
    // Where column n of the current font starts, in twips (the tab rule of Colonna).
    double ColumnX(int n) const;

private:
    void scriviSegmento(QString& segmento, double altezzaRiga);
    void assicuraRiga(double altezzaRiga);
    void pagina();
    void iniziaPagina();

    double fondo() const;

    Superficie& m_superficie;
    int m_pagina = 1;
    bool m_inFinePagina = false;
    bool m_paginaInSospeso = false; // a new page asked for, not yet begun on the surface
};

} // namespace office
