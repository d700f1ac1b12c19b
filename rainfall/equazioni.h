// Rainfall depth-duration equations of the Italian zones: the data file that
// holds them and the depth and intensity they give for a duration.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace pioggia {

// Unit of the duration t that an equation h = a * t^n was fitted with.
enum class UnitaDurata { Ore, Minuti };

// What a curve stands for: the rain at one station, the mean over a town's
// territory, or the mean over a river basin. A basin's mean curve gives less
// rain than falls on a small area such as a town's sewer catchment.
enum class Ambito { NonDetto, Stazione, Comune, Bacino };

// Where a curve was published: by a public body among its regional curves
// (a plan, an atlas), or as a worked example of a course or a textbook, whose
// figures nobody has checked for design use.
enum class TipoFonte { NonDetto, Pubblicata, Esempio };

// One zone of the table: its equation, where it comes from and for which
// return period it holds.
struct Zona {
    QString nome;
    double a = 0.0;            // mm, for t in the zone's unit
    double n = 0.0;            // exponent, 0 < n <= 1
    UnitaDurata unita = UnitaDurata::Ore;
    double tempoRitorno = 0.0; // years
    QString fonte;             // title of the source
    QString indirizzo;         // address of the source
    QString nota;              // how the figures were taken from it (may be empty)
    Ambito ambito = Ambito::NonDetto;
    TipoFonte tipoFonte = TipoFonte::NonDetto;
};

// Outcome of reading the data file: either the zones, or the reasons why
// the file was refused (one per faulty line, each naming the line).
struct LetturaZone {
    QList<Zona> zone;
    QStringList errori;
    bool riuscita() const { return errori.isEmpty(); }
};

// Reads the zones from the text of a data file. Any faulty line refuses the
// whole text: the zones are then empty and the errors say what is wrong.
LetturaZone analizzaZone(const QString& testo);

// Reads the zones from a UTF-8 data file.
LetturaZone leggiZone(const QString& percorso);

// Rain depth in mm for a duration in minutes (0 for a duration not above 0).
double altezzaPioggia(const Zona& zona, double durataMinuti);

// Mean intensity in mm/h over a duration in minutes (0 for a duration not above 0).
double intensitaPioggia(const Zona& zona, double durataMinuti);

} // namespace pioggia
