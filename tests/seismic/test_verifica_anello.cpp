// The ring formulas of the pipe check against a numerical solution of the
// ring, against textbook values and against equilibrium.
#include "seismic/anello.h"
#include "anello_numerico.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using namespace tubazioni;
using prova::Forza;

namespace {

constexpr double pi = std::numbers::pi;
constexpr double r = 55.0;  // a mean radius in cm; any will do

// The five loads as the numerical ring takes them (force per unit of angle on
// the right half), for a unit intensity.
Forza pesoProprio(double) { return {0.0, -r}; }
Forza sommita(double t) { return t < pi / 2 ? Forza{0.0, -r * std::cos(t)} : Forza{}; }
Forza spintaUniforme(double t) { return {-r * std::sin(t), 0.0}; }
Forza spintaTriangolare(double t) { return {-(1.0 - std::cos(t)) / 2.0 * r * std::sin(t), 0.0}; }
Forza reazioneFondo(double t)
{
    return t > pi - semiangoloAppoggio ? Forza{-r * std::sin(t), -r * std::cos(t)} : Forza{};
}

void confronta(const AzioniAnello& formula, const prova::SoluzioneAnello& numerica, double scala)
{
    const char* nomi[3] = {"superiore", "mediana", "inferiore"};
    for (int i = 0; i < 3; ++i) {
        EXPECT_NEAR(formula.M[i], numerica.M[i], 1e-5 * scala * r * r) << "M " << nomi[i];
        EXPECT_NEAR(formula.N[i], numerica.N[i], 1e-5 * scala * r) << "N " << nomi[i];
    }
}

}  // namespace

// Each case against the unit-load solution of the same ring, integrated
// numerically.
TEST(AnelloSottile, OgniCasoComeLaSoluzioneNumerica)
{
    confronta(casoPesoProprio(1.0, r), prova::risolviAnello(pesoProprio, r), 1.0);
    confronta(casoCaricoSommita(1.0, r), prova::risolviAnello(sommita, r), 1.0);
    confronta(casoSpintaUniforme(1.0, r), prova::risolviAnello(spintaUniforme, r), 1.0);
    confronta(casoSpintaTriangolare(1.0, r), prova::risolviAnello(spintaTriangolare, r), 1.0);
    confronta(casoReazioneFondo(1.0, r), prova::risolviAnello(reazioneFondo, r), 1.0);
}

// Textbook values: the ring squeezed by two opposite uniform side pressures
// (M = -+ q r^2/4, N = q r at crown and invert, 0 at the springing), and the
// ring standing on a point under its own weight w per unit of circumference
// (M 0.5 w r^2 at the top and 1.5 w r^2 at the bottom, N -w r/2 at the top).
TEST(AnelloSottile, ValoriNotiDeiManuali)
{
    const AzioniAnello c = casoSpintaUniforme(2.0, r);
    EXPECT_NEAR(c.M[superiore], -0.25 * 2.0 * r * r, 1e-9);
    EXPECT_NEAR(c.M[mediana], 0.25 * 2.0 * r * r, 1e-9);
    EXPECT_NEAR(c.M[inferiore], -0.25 * 2.0 * r * r, 1e-9);
    EXPECT_NEAR(c.N[superiore], 2.0 * r, 1e-9);
    EXPECT_NEAR(c.N[mediana], 0.0, 1e-9);
    EXPECT_NEAR(c.N[inferiore], 2.0 * r, 1e-9);

    const AzioniAnello a = casoPesoProprio(1.0, r);
    EXPECT_NEAR(a.M[superiore], 0.5 * r * r, 1e-9);
    EXPECT_NEAR(a.M[inferiore], 1.5 * r * r, 1e-9);
    EXPECT_NEAR(a.N[superiore], -0.5 * r, 1e-9);
    EXPECT_NEAR(a.M[mediana], -0.5708 * r * r, 1e-4 * r * r);
}

// Equilibrium of the half ring cut at the springing and of the side loads.
TEST(AnelloSottile, Equilibrio)
{
    // At the springing each side carries half the vertical load above it.
    EXPECT_NEAR(casoPesoProprio(1.0, r).N[mediana], pi * r / 2.0, 1e-9);  // weight of the upper half / 2
    EXPECT_NEAR(casoCaricoSommita(1.0, r).N[mediana], r, 1e-9);           // 2 r p / 2
    // Side loads: crown and invert of one side together carry its whole load.
    const AzioniAnello c = casoSpintaUniforme(1.0, r);
    EXPECT_NEAR(c.N[superiore] + c.N[inferiore], 2.0 * r, 1e-9);
    const AzioniAnello d = casoSpintaTriangolare(1.0, r);
    EXPECT_NEAR(d.N[superiore] + d.N[inferiore], r, 1e-9);  // triangle 0..1 over 2r
    // The bed pressure of a ring whose vertical loads are g and p.
    const double g = 0.03, p = 0.7;
    const double e = pressioneReazione(g, p);
    const double spinta = 2.0 * e * r * std::sin(semiangoloAppoggio);
    EXPECT_NEAR(spinta, 2.0 * pi * r * g + 2.0 * r * p, 1e-9);
}

// The sum of the cases is the pipe on its bed: the numerical ring under all the
// loads at once (no point force left at the invert) gives the same M and N.
TEST(AnelloSottile, SommaDeiCasiComeAnelloSulLetto)
{
    const double g = 0.025, p = 0.68, q = 0.09, z = 0.066;
    const double e = pressioneReazione(g, p);
    using Funzione = Forza (*)(double);
    const Funzione carichi[5] = {pesoProprio, sommita, spintaUniforme, spintaTriangolare, reazioneFondo};
    const double intensita[5] = {g, p, q, z, e};
    auto tutto = [&](double t) {
        Forza f;
        for (int k = 0; k < 5; ++k) {
            const Forza parte = carichi[k](t);
            f.x += intensita[k] * parte.x;
            f.y += intensita[k] * parte.y;
        }
        return f;
    };
    const prova::SoluzioneAnello numerica = prova::risolviAnello(tutto, r);
    EXPECT_NEAR(numerica.forzaFondo, 0.0, 1e-6 * r);

    const AzioniAnello somma = casoPesoProprio(g, r) + casoCaricoSommita(p, r) + casoSpintaUniforme(q, r)
                               + casoSpintaTriangolare(z, r) + casoReazioneFondo(e, r);
    confronta(somma, numerica, 1.0);
}
