// The hydraulic sizing of one segment of a sewer network.
//
// The method is the one the technical report explains to its reader:
// - storm flow by the rational method, Q = Ar x L: run-off coefficient (the
//   surface's, corrected by the basin's slope class) x basin surface x rain;
// - foul flow Q = c x d x m x a / (3600 x h), with c = 0.80 (share of the
//   allowance that reaches the sewer), m = 2.25 (peak-hour factor) and
//   h = 16 hours of discharge a day: 128 inhabitants at 250 l a day give 1 l/s;
// - total flow: storm + foul + inflow of the secondary collectors;
// - theoretical diameter: from 10 cm up by 1 cm, the first whole diameter whose
//   full-pipe flow (Kutter's velocity), reduced to the segment's fill
//   percentage, carries the total flow;
// - velocity: Kutter's full-pipe velocity at that diameter.
//
// Results are rounded where they are computed: flows to 0.01 l/s, velocity to
// 0.01 m/s (half away from zero); the diameter is a whole number of cm. The
// diameter search compares the pipe with the unrounded total flow, so that a
// pipe is never declared sufficient for a flow it falls short of by less than
// half a hundredth of a litre; the total shown is that same flow rounded once.
#pragma once

#include <QString>
#include <optional>

namespace rete {

// Kutter's roughness coefficient of the sewer pipe.
inline constexpr double scabrezzakutter = 0.35;

// The diameter search starts at 10 cm and stops at 500 cm: a 5 m circular
// section is beyond any sewer collector (larger flows are carried by box
// culverts or tunnels), so a segment that needs more gets "no pipe".
inline constexpr int diametrominimo = 10;
inline constexpr int diametromassimo = 500;

// Rounds to two decimals, half away from zero (0.125 gives 0.13).
double arrotonda2(double valore);

// Storm flow in l/s: run-off coefficient x surface (ha) x rain (mm/h) x
// 10000 / 3600 (one hectare under 1 mm/h gives 10 m3/h). Unrounded.
double portatameteorica(double coefdeflusso, double superficie, double pioggia);

// Foul flow in l/s: 0.80 x allowance (l per inhabitant a day) x 2.25 x
// inhabitants / (3600 x 16). Unrounded.
double portatareflua(double dotazione, double abitanti);

// The segment's slope j = |height difference| / length (a negative height
// difference counts by its size). 0 when the length is not above 0.
double pendenzatratto(double dislivello, double lunghezza);

// Kutter's full-pipe velocity in m/s for a diameter in cm and slope j:
// v = 100 / (1 + m / sqrt(R)) x sqrt(R x j), R = D / 4 in metres. Unrounded.
double velocitakutter(int diametro, double pendenza);

// The flow of the full pipe in l/s: pi D^2 / 4 x Kutter's velocity. Unrounded.
double portatapiena(int diametro, double pendenza);

// The fill percentage as the search uses it: a value at or below 0 (a field
// left empty, which the window hands over as 0 or 100) counts as 100.
double riempimentoefficace(double riempimento);

// The smallest whole diameter in cm, from diametrominimo up to
// diametromassimo, whose full-pipe flow x riempimento / 100 is at least
// `portata` (l/s). Empty when no diameter up to diametromassimo carries it,
// or when the slope is not above 0.
std::optional<int> diametroteorico(double portata, double pendenza, double riempimento);

// What became of a segment's sizing.
enum class Esito {
    dimensionato,   // flows, diameter and velocity computed
    senzapendenza,  // length or height difference zero: flows only, no pipe sized
    oltrelimite,    // no pipe up to diametromassimo carries the flow: flows only
};

// A segment's typed inputs, read as numbers (a field left empty is 0, the fill
// percentage 100).
struct DatiTratto {
    double lunghezza = 0;          // m
    double dislivello = 0;         // m, sign ignored
    double coefsuperficie = 0;     // run-off coefficient of the surface type (0 while none is chosen)
    int classependenza = 0;        // slope class 0 to 10 (another number counts as 0)
    double portatacollettori = 0;  // inflow of the secondary collectors, l/s
    double abitanti = 0;           // inhabitants
    double dotazione = 0;          // daily water allowance, l per inhabitant
    double superficie = 0;         // basin surface, ha
    double pioggia = 0;            // design rain, mm/h
    double riempimento = 100;      // fill percentage of the section, 10 to 100
};

// A segment's results, rounded as the segment table holds them. When `esito`
// is not `dimensionato`, `diametro` and `velocita` are 0.
struct RisultatiTratto {
    double portatapioggia = 0;   // l/s
    double portatanera = 0;      // l/s
    double portatatotale = 0;    // l/s
    int diametro = 0;            // cm
    double velocita = 0;         // m/s
    Esito esito = Esito::senzapendenza;
};

// Sizes a segment. The network type, compared exactly: "bianche" carries no
// foul flow, "nere" no storm flow, "misto" (and any other text, as the report
// treats it) both.
RisultatiTratto dimensionatratto(const DatiTratto& dati, const QString& sistema);

} // namespace rete
