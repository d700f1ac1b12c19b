// The eleven slope classes of a draining basin and the run-off coefficient
// they correct.
//
// A basin's mean slope falls in one of eleven classes, 0 to 10. Class c keeps
// (100 - 10c) per cent of the surface's run-off coefficient and adds c/10 to
// it: class 0 leaves the coefficient as it is, class 10 makes it 1.00 whatever
// the surface. The segment table keeps, for the chosen class, the last five
// characters of its label (" 5.0%", ..., "18.5%") and the class coefficient
// c/100 (`coefpendenza`).
//
// Functions taking a class accept 0 to 10; what they do with another number
// is told beside each.
#pragma once

#include <QString>

namespace rete {

inline constexpr int numeroclassipendenza = 11;   // classes 0 to 10

// True for 0 to 10.
bool classevalida(int classe);

// The slope combo's label of a class: " 0.0 -  5.0%", " 5.1 -  6.4%", ...,
// "17.1 - 18.5%", "oltre 18.5%". Its last five characters are the class
// limit. Empty for a class outside 0 to 10.
QString etichettapendenza(int classe);

// The last five characters of the label, as the segment table holds them:
// " 5.0%" for class 0, "18.5%" for classes 9 and 10. Empty outside 0 to 10.
QString limitependenza(int classe);

// The slope range as the report's correction table writes it: " 0.0- 5.0",
// " 5.1- 6.4", ..., "17.1-18.5", "18.6 in poi". Empty outside 0 to 10.
QString intervallopendenza(int classe);

// The percentage of the run-off coefficient that the class keeps: 100 - 10c.
int percentualemantenuta(int classe);

// The amount the class adds to the run-off coefficient: c / 10.
double aggiuntapendenza(int classe);

// The class coefficient held in `coefpendenza`: c / 100 (0.00 to 0.10).
double coefficientependenza(int classe);

// The class whose coefficient is `coefpendenza` (0.07 gives 7), or -1 when the
// number is no class's coefficient (such as 0.055 or 0.2).
int classedacoefficiente(double coefpendenza);

// The run-off coefficient of a basin: the surface's coefficient corrected by
// the slope class, coefsuperficie x (100 - 10c) / 100 + c / 10. A class
// outside 0 to 10 counts as class 0 (no slope chosen yet): the surface's
// coefficient unchanged.
double coefficientedeflusso(double coefsuperficie, int classe);

} // namespace rete
