// The check of one pipe: weight, loads and units, working stresses, verdict,
// and when the check cannot run.
#include "seismic/verifica.h"
#include "anello_numerico.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

using namespace tubazioni;

namespace {

constexpr double pi = std::numbers::pi;

// A concrete pipe of 100 cm under 1.5 m of fill, with the window's presets for
// the seismic increment and the wheel.
DatiTubo tuboInCalcestruzzo()
{
    return {.pesos = 2500, .compr = 1000, .traz = 1000, .diam = 100, .spess = 100, .altez = 150,
            .pesot = 1800, .attr = 30, .incr = 2, .press = 8, .bmin = 20, .bmax = 50};
}

}  // namespace

TEST(VerificaTubo, PesoAMetroLineare)
{
    // pi/4 (120^2 - 100^2) cm2 = 3455.75 cm2; x 2500 kg/m3 = 863.9 kg/m
    EXPECT_EQ(pesoTubo(100, 100, 2500), 864);
    // pi/4 (51^2 - 50^2) cm2 = 79.33 cm2; x 7850 kg/m3 = 62.3 kg/m
    EXPECT_EQ(pesoTubo(50, 5, 7850), 62);
    EXPECT_EQ(pesoTubo(100, 0, 2500), 0);
    // The ring's own weight (case A over the mean circumference) is the same
    // weight: 2 pi r g on a cm of pipe, times 100.
    const CarichiTubo c = carichiTubo(tuboInCalcestruzzo());
    EXPECT_NEAR(2 * pi * c.r * c.g * 100, 863.94, 0.01);
    EXPECT_EQ(verificaTubo(tuboInCalcestruzzo()).peso, 864);
}

// Units of every load, worked out by hand for the concrete pipe:
// s = 10 cm, r = 55 cm, g = 2500e-6 x 10 = 0.025 kg/cm2;
// earth 1800e-6 x 150 = 0.27 kg/cm2;
// wheel 8000 kg on (20 + 300) x (50 + 300) cm2 = 0.0714286 kg/cm2;
// top p = 2 x (0.27 + 0.0714286) = 0.6828571 kg/cm2;
// ka = tan^2(30) = 1/3; q = 0.27/3 = 0.09; z = 1800e-6 x 110 / 3 = 0.066;
// bed e = 2 pi 0.025 + 2 x 0.6828571.
TEST(VerificaTubo, CarichiEUnitaDiMisura)
{
    const CarichiTubo c = carichiTubo(tuboInCalcestruzzo());
    EXPECT_NEAR(c.r, 55.0, 1e-12);
    EXPECT_NEAR(c.g, 0.025, 1e-12);
    EXPECT_NEAR(c.pTerra, 0.27, 1e-12);
    EXPECT_NEAR(c.pRuota, 0.0714286, 1e-7);
    EXPECT_NEAR(c.p, 0.6828571, 1e-7);
    EXPECT_NEAR(c.ka, 1.0 / 3.0, 1e-12);
    EXPECT_NEAR(c.q, 0.09, 1e-12);
    EXPECT_NEAR(c.z, 0.066, 1e-12);
    EXPECT_NEAR(c.e, 2 * pi * 0.025 + 2 * 0.6828571, 1e-6);

    // Out of seismic zones the increment is 1 and the top load is as it is.
    DatiTubo d = tuboInCalcestruzzo();
    d.incr = 1;
    EXPECT_NEAR(carichiTubo(d).p, 0.3414286, 1e-7);
    // Rankine's coefficient at its ends: no friction, and 90 degrees.
    d.attr = 0;
    EXPECT_NEAR(carichiTubo(d).ka, 1.0, 1e-12);
    d.attr = 90;
    EXPECT_NEAR(carichiTubo(d).ka, 0.0, 1e-12);
    // Deeper fill spreads the wheel over a wider square: at 5 m, 1020 x 1050.
    d.altez = 500;
    EXPECT_NEAR(carichiTubo(d).pRuota, 8000.0 / (1020.0 * 1050.0), 1e-12);
}

// sigma = N/A +- M/W on a metre of wall 1 cm thick: A = 100 cm2, W = 16.67 cm3.
TEST(VerificaTubo, SigmaDiLavoro)
{
    SigmaLavoro s = sigmaLavoro(1000, 0, 1);  // pure compression: 10 kg/cm2
    EXPECT_DOUBLE_EQ(s.compressione, 10);
    EXPECT_DOUBLE_EQ(s.trazione, -10);
    s = sigmaLavoro(-1000, 0, 1);  // pure tension
    EXPECT_DOUBLE_EQ(s.compressione, -10);
    EXPECT_DOUBLE_EQ(s.trazione, 10);
    s = sigmaLavoro(0, 600, 1);  // pure bending: 600 / 16.667 = 36
    EXPECT_DOUBLE_EQ(s.compressione, 36);
    EXPECT_DOUBLE_EQ(s.trazione, 36);
    s = sigmaLavoro(1000, -600, 1);  // the sign of M does not matter
    EXPECT_DOUBLE_EQ(s.compressione, 46);
    EXPECT_DOUBLE_EQ(s.trazione, 26);
    s = sigmaLavoro(1234.6, 0, 1);  // rounded to 0.01
    EXPECT_DOUBLE_EQ(s.compressione, 12.35);
    EXPECT_DOUBLE_EQ(s.trazione, -12.35);
    s = sigmaLavoro(2000, 600, 2);  // s = 2 cm: A = 200, W = 66.67
    EXPECT_DOUBLE_EQ(s.compressione, 19);
    EXPECT_DOUBLE_EQ(s.trazione, -1);
}

// The whole check against the numerical ring under the loads worked out by hand
// (see CarichiEUnitaDiMisura), with the stresses worked out here.
TEST(VerificaTubo, SollecitazioniComeAnelloNumerico)
{
    const double r = 55, s = 10;
    const double g = 0.025, p = 0.6828571, q = 0.09, z = 0.066;
    const double e = 2 * pi * g + 2 * p;
    auto carico = [&](double t) {
        prova::Forza f{0.0, -g * r};  // own weight
        if (t < pi / 2)
            f.y -= p * r * std::cos(t);                                  // top load
        f.x -= (q + z * (1 - std::cos(t)) / 2) * r * std::sin(t);        // side thrust
        if (t > 5 * pi / 6) {                                            // bed
            f.x -= e * r * std::sin(t);
            f.y -= e * r * std::cos(t);
        }
        return f;
    };
    const prova::SoluzioneAnello anello = prova::risolviAnello(carico, r);

    const RisultatoVerifica ris = verificaTubo(tuboInCalcestruzzo());
    const SigmaLavoro* sezioni[3] = {&ris.superiore, &ris.mediana, &ris.inferiore};
    for (int i = 0; i < 3; ++i) {
        const double n = anello.N[i] * 100, m = anello.M[i] * 100;  // per metre
        const double a = 100 * s, w = 100 * s * s / 6;
        EXPECT_NEAR(sezioni[i]->compressione, n / a + std::abs(m) / w, 0.0051) << i;
        EXPECT_NEAR(sezioni[i]->trazione, std::abs(m) / w - n / a, 0.0051) << i;
        EXPECT_NEAR(ris.azioni.M[i], m, 1e-3 * std::abs(m) + 1e-3);
        EXPECT_NEAR(ris.azioni.N[i], n, 1e-3 * std::abs(n) + 1e-3);
    }
    // The crown flattens: its inner fibre is stretched, the springing's outer one.
    EXPECT_GT(ris.azioni.M[superiore], 0);
    EXPECT_LT(ris.azioni.M[mediana], 0);
}

// The verdict compares the rounded stresses with the strengths: a stress equal
// to its strength passes, 0.01 more fails.
TEST(VerificaTubo, EsitoAiLimiti)
{
    DatiTubo d = tuboInCalcestruzzo();
    const RisultatoVerifica ris = verificaTubo(d);
    const double compressione = std::max({ris.superiore.compressione, ris.mediana.compressione,
                                          ris.inferiore.compressione});
    const double trazione = std::max({ris.superiore.trazione, ris.mediana.trazione, ris.inferiore.trazione});
    EXPECT_TRUE(ris.verificato);

    d.compr = compressione;
    d.traz = trazione;
    EXPECT_TRUE(verificaTubo(d).verificato);
    d.compr = compressione - 0.01;
    EXPECT_FALSE(verificaTubo(d).verificato);
    d.compr = compressione;
    d.traz = trazione - 0.01;
    EXPECT_FALSE(verificaTubo(d).verificato);

    // Empty strengths read as 0: a loaded pipe cannot pass.
    d.compr = 0;
    d.traz = 0;
    EXPECT_FALSE(verificaTubo(d).verificato);

    EXPECT_EQ(std::string(esito(true)), "verificato");
    EXPECT_EQ(std::string(esito(false)), "non verificato");
}

TEST(VerificaTubo, QuandoLaVerificaNonSiEsegue)
{
    const DatiTubo d = tuboInCalcestruzzo();
    EXPECT_TRUE(verificaEseguibile(d, {}));

    DatiTubo senzaSpessore = d;
    senzaSpessore.spess = 0;
    EXPECT_FALSE(verificaEseguibile(senzaSpessore, {}));

    for (auto vuoto : {&CampiVuoti::pesos, &CampiVuoti::attr, &CampiVuoti::bmin, &CampiVuoti::bmax,
                       &CampiVuoti::altez}) {
        CampiVuoti v;
        v.*vuoto = true;
        EXPECT_FALSE(verificaEseguibile(d, v));
    }

    // Numbers that leave the formulas without meaning.
    DatiTubo negativo = d;
    negativo.spess = -5;
    EXPECT_FALSE(verificaEseguibile(negativo, {}));
    DatiTubo senzaImpronta = d;
    senzaImpronta.altez = 0;
    senzaImpronta.bmin = 0;
    EXPECT_FALSE(verificaEseguibile(senzaImpronta, {}));
    // A pipe laid at the surface with a real imprint can be checked.
    DatiTubo inSuperficie = d;
    inSuperficie.altez = 0;
    EXPECT_TRUE(verificaEseguibile(inSuperficie, {}));
    EXPECT_NEAR(carichiTubo(inSuperficie).pRuota, 8000.0 / (20 * 50), 1e-12);
}
