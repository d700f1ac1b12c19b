#pragma once
// The surface the printer draws on, and the fonts and font metrics it draws with.
// Every position and size on a surface is in twips (1440 an inch) from the top
// left corner of the printable area.

#include <QFont>
#include <QPointF>
#include <QSizeF>
#include <QString>
#include <stdexcept>

class QPaintDevice;

namespace office {

// Raised when a surface cannot draw (the printer or the file cannot be opened).
class ErroreStampa : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Metrics of a font at a size, in twips.
struct MisureCarattere {
    double colonna = 0; // width of one print column: one character of a fixed-pitch
                        // font, the average character of any other
    double riga = 0;    // line height: ascent, descent and leading
    double ascesa = 0;  // from the top of a line to its baseline
};

// The font the printer uses for a font name: "Courier New" prints as its metric
// twin Liberation Mono, "Roman" and "Times New Roman" as Liberation Serif,
// "Arial" as Liberation Sans; other names are asked for as they are.
QFont carattereStampa(const QString& nome, double punti);

// Metrics of a font on a paint device, converted from the device's pixels to twips.
MisureCarattere misureCarattere(const QFont& carattere, const QPaintDevice& dispositivo);

// Width of a text in a font on a paint device, in twips.
double larghezzaTesto(const QFont& carattere, const QPaintDevice& dispositivo, const QString& testo);

// Printable area of an A4 page with the margins a PDF printer keeps by default
// (10 points on each side), in twips.
QSizeF areaStampabileA4();

class Superficie {
public:
    virtual ~Superficie() = default;

    // Size of the printable area of a page.
    virtual QSizeF area() const = 0;
    virtual MisureCarattere misure(const QString& carattere, double punti) const = 0;
    virtual double larghezza(const QString& carattere, double punti, const QString& testo) const = 0;

    // A text whose line starts at `inAlto` (the top of its line, not its baseline).
    virtual void scrivi(QPointF inAlto, const QString& carattere, double punti, const QString& testo) = 0;
    // A straight line; `spessore` in the device's pixels.
    virtual void linea(QPointF da, QPointF a, int spessore) = 0;
    virtual void nuovaPagina() = 0;
    // End of the document: what was drawn is sent to the printer or written out.
    virtual void fine() = 0;
};

} // namespace office
