// Bending moment and normal force in a thin circular ring (the wall of a buried
// pipe) under the five load cases of the pipe check, in three sections.
//
// Conventions used throughout:
// - the ring has mean radius r; angles are measured from the crown;
// - the sections are the upper vertical one (crown, 0 degrees), the horizontal
//   mid-height one (springing, 90 degrees) and the lower vertical one (invert,
//   180 degrees);
// - loads are given per unit length of pipe, so with r in cm and pressures in
//   kg/cm2 a moment comes out in kg*cm per cm of pipe and a normal force in kg
//   per cm of pipe;
// - N > 0 is compression; M > 0 stretches the inner fibre (it flattens the
//   ring at the crown under a load on the top).
#pragma once

#include <array>

namespace tubazioni {

enum Sezione { superiore = 0, mediana = 1, inferiore = 2 };

// M and N in the three sections, indexed by Sezione.
struct AzioniAnello {
    std::array<double, 3> M{};
    std::array<double, 3> N{};

    AzioniAnello& operator+=(const AzioniAnello& altre);
};

AzioniAnello operator+(AzioniAnello a, const AzioniAnello& b);

// Half the angle of the bed on which the pipe rests (the 60-degree sector of
// case E), in radians.
inline constexpr double semiangoloAppoggio = 3.14159265358979323846 / 6.0;

// (A) own weight: g is the weight of the wall per unit of its mean
//     circumference and per unit length of pipe (specific weight x thickness).
AzioniAnello casoPesoProprio(double g, double r);

// (B) vertical pressure p spread uniformly on the horizontal projection of the
//     upper half (total 2 p r downwards).
AzioniAnello casoCaricoSommita(double p, double r);

// (C) horizontal pressure q spread uniformly on the vertical projection of both
//     sides, full height.
AzioniAnello casoSpintaUniforme(double q, double r);

// (D) horizontal pressure on both sides growing linearly with depth, from 0 at
//     the crown to z at the invert.
AzioniAnello casoSpintaTriangolare(double z, double r);

// (E) radial pressure e, constant over the 60-degree sector centred on the
//     invert (vertical resultant e r, upwards).
AzioniAnello casoReazioneFondo(double e, double r);

// The bed pressure of case E that carries the vertical loads of cases A and B.
double pressioneReazione(double g, double p);

} // namespace tubazioni
