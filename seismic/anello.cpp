// Thin-ring coefficients of the pipe check.
//
// Method (elastic theory of the thin circular ring; e.g. Belluzzi, "Scienza
// delle costruzioni", vol. II, ring chapter; Roark, "Formulas for Stress and
// Strain", table of circular rings). Every case is symmetric about the
// vertical diameter, so the ring is cut at the crown, where the shear is zero
// and two unknowns remain: the moment M0 and the horizontal normal force N0.
// On the right half, at angle t from the crown (x = r sin t, y = r cos t),
//
//     M(t) = M0 + N0 r (1 - cos t) - m(t)
//
// where m(t) is the moment about the section of the loads lying between the
// crown and t (positive as the cross product (point - section) x force). The
// strain energy of bending alone (thin ring: axial and shear energy
// neglected) is stationary in M0 and N0 (Castigliano), which gives the two
// conditions
//
//     integral over [0, pi] of M(t) dt          = 0   (no rotation at the crown)
//     integral over [0, pi] of M(t) cos t dt    = 0   (no spreading of the crown)
//
// The normal force follows from the resultant F(t) of the crown force and of
// the loads on [0, t], projected on the tangent (cos t, -sin t):
//
//     N(t) = F(t) . (cos t, -sin t)
//
// A case whose loads have a vertical resultant is closed by a point force at
// the invert, where the half ring is cut; it is the force that the half ring
// passes on across the invert, and it does not change M or N there. The bed
// reaction (case E) is chosen to carry the vertical loads of cases A and B, so
// in the sum of the five cases these point forces add up to zero and what is
// left is the pipe lying on its 60-degree bed. Only the sum is the real state
// of the pipe; the single cases are its terms.
//
// The integrals below were worked out by hand; the results are checked in the
// tests against a numerical integration of the same ring and against the
// textbook values of cases A and C.

#include "seismic/anello.h"

#include <cmath>
#include <numbers>

namespace tubazioni {

namespace {

constexpr double pi = std::numbers::pi;

AzioniAnello azioni(double fattoreM, std::array<double, 3> cM, double fattoreN, std::array<double, 3> cN)
{
    AzioniAnello a;
    for (int i = 0; i < 3; ++i) {
        a.M[i] = cM[i] * fattoreM;
        a.N[i] = cN[i] * fattoreN;
    }
    return a;
}

}  // namespace

AzioniAnello& AzioniAnello::operator+=(const AzioniAnello& altre)
{
    for (int i = 0; i < 3; ++i) {
        M[i] += altre.M[i];
        N[i] += altre.N[i];
    }
    return *this;
}

AzioniAnello operator+(AzioniAnello a, const AzioniAnello& b)
{
    return a += b;
}

// (A) Load g r dt downwards on every element.
//   m(t) = g r^2 (t sin t + cos t - 1)
//   conditions: pi M0 + pi N0 r = 0;  -(pi/2) N0 r - g r^2 pi/4 = 0
//   N0 = -g r/2 (tension), M0 = g r^2/2
//   M: crown g r^2/2, springing (1 - pi/2) g r^2, invert 3/2 g r^2
//   N = N0 cos t + g r t sin t: crown -g r/2, springing pi/2 g r (the weight
//   of the upper half on each side), invert g r/2.
// These are the textbook values of the ring standing on a point under its own
// weight (Roark: M top w R^2/2, M bottom 3/2 w R^2).
AzioniAnello casoPesoProprio(double g, double r)
{
    return azioni(g * r * r, {0.5, 1.0 - pi / 2.0, 1.5}, g * r, {-0.5, pi / 2.0, 0.5});
}

// (B) Load p r cos t dt downwards on the elements of the upper half.
//   m(t) = p r^2 sin^2 t / 2       for t <= pi/2
//        = p r^2 (sin t - 1/2)     for t >= pi/2
//   integrals of m: 1 - pi/8 and (times cos t) 1/6
//   N0 = -p r/(3 pi), M0 = (4/(3 pi) - 1/8) p r^2
//   M: crown (4/(3pi) - 1/8), springing (1/pi - 5/8), invert (2/(3pi) + 3/8), times p r^2
//   N = N0 cos t + p r sin^2 t (upper half): crown -1/(3pi), springing 1
//   (half the load on each side), invert 1/(3pi), times p r.
AzioniAnello casoCaricoSommita(double p, double r)
{
    return azioni(p * r * r,
                  {4.0 / (3.0 * pi) - 1.0 / 8.0, 1.0 / pi - 5.0 / 8.0, 2.0 / (3.0 * pi) + 3.0 / 8.0},
                  p * r, {-1.0 / (3.0 * pi), 1.0, 1.0 / (3.0 * pi)});
}

// (C) Load q r sin t dt inwards (horizontal) on every element.
//   m(t) = q r^2 (1 - cos t)^2 / 2
//   N0 = q r, M0 = -q r^2/4
//   M: crown -1/4, springing +1/4, invert -1/4, times q r^2 (the classical
//   result of the ring under two opposite uniform pressures)
//   N = (N0 - q r (1 - cos t)) cos t: crown q r, springing 0, invert q r.
AzioniAnello casoSpintaUniforme(double q, double r)
{
    return azioni(q * r * r, {-0.25, 0.25, -0.25}, q * r, {1.0, 0.0, 1.0});
}

// (D) Load z (1 - cos t)/2 r sin t dt inwards (horizontal) on every element.
//   with u = 1 - cos t:  m(t) = z r^2 u^3 / 12
//   integrals: u -> pi, u^3 -> 5pi/2, u cos t -> -pi/2, u^3 cos t -> -15pi/8
//   N0 = 5/16 z r, M0 = -5/48 z r^2
//   M: crown -5/48, springing 1/8, invert -7/48, times z r^2
//   N = (N0 - z r u^2/4) cos t: crown 5/16, springing 0, invert 11/16, times z r
//   (crown and invert together carry z r, the side load of one side).
AzioniAnello casoSpintaTriangolare(double z, double r)
{
    return azioni(z * r * r, {-5.0 / 48.0, 1.0 / 8.0, -7.0 / 48.0}, z * r, {5.0 / 16.0, 0.0, 11.0 / 16.0});
}

// (E) Load e r dt pushing towards the centre on the elements within b of the
// invert (b = 30 degrees, a = pi - b where the sector starts).
//   m(t) = e r^2 (1 - cos(t - a))   for t >= a, 0 before
//   integrals of m: b - sin b and (times cos t) (b cos b - sin b)/2
//   N0 = e r (sin b - b cos b)/pi, M0 = e r^2 (b (1 + cos b) - 2 sin b)/pi
//   M: crown M0, springing M0 + N0 r = e r^2 (b - sin b)/pi,
//      invert -e r^2 (1 - cos b)(1 - b/pi)
//   N = N0 cos t + e r (1 - cos(t - a)) (t >= a): crown N0, springing 0,
//      invert e r (1 - cos b) - N0.
AzioniAnello casoReazioneFondo(double e, double r)
{
    const double b = semiangoloAppoggio;
    const double sb = std::sin(b);
    const double cb = std::cos(b);
    const double n0 = (sb - b * cb) / pi;
    return azioni(e * r * r,
                  {(b * (1.0 + cb) - 2.0 * sb) / pi, (b - sb) / pi, -(1.0 - cb) * (1.0 - b / pi)},
                  e * r, {n0, 0.0, (1.0 - cb) - n0});
}

// The sector pressure e has a vertical resultant of 2 e r sin b = e r (b = 30
// degrees). The own weight is 2 pi r g and the top load 2 r p, so
// e r = 2 pi r g + 2 r p, whatever the radius.
double pressioneReazione(double g, double p)
{
    return (2.0 * pi * g + 2.0 * p) / (2.0 * std::sin(semiangoloAppoggio));
}

} // namespace tubazioni
