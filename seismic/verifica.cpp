// The check of a buried pipe.
//
// Scheme: the table of formulas for buried protection pipes attached to the
// D.M. 23/02/1971 n.2445 (rules for pipelines crossing railways and other
// transport lines): the pipe wall is a thin ring of mean radius r = (D + s)/2
// under five load cases, (A) own weight, (B) a load spread on the top, (C) a
// uniform and (D) a triangular thrust on the sides, (E) a constant radial
// reaction over a 60-degree sector of the bottom; M and N are taken in the
// upper vertical, horizontal mid-height and lower vertical sections and
// summed. The ring formulas are in anello.cpp, worked out there from the
// elastic theory of the ring for these five cases (the printed table's own
// coefficients were not at hand to copy; the tests check ours independently).
//
// Units: the window's fields are in kg/m3, kg/cm2, cm, mm, t, degrees; the ring
// works in kg and cm per cm of pipe; the stresses are given on a metre of wall.
//
// Loads on one cm of pipe:
// - own weight per cm of mean circumference: g = pesos [kg/m3] / 1e6 x s [cm];
// - earth on the top: pTerra = pesot / 1e6 x altez (the weight of the fill
//   column over the crown, kg/cm2);
// - wheel: the load press x 1000 kg on the imprint bmin x bmax, spread through
//   the fill at 45 degrees (each side grows by 2 x altez), as the Italian
//   bridge rules let local wheel loads spread through the pavement and slab
//   (NTC 2008, 5.1.3.3.5): pRuota = 1000 press / ((bmin + 2 altez)(bmax + 2 altez));
// - both multiplied by the seismic vertical increment m = incr, taken from
//   the D.M. 16/01/1996 (seismic zones), point B.4 (static analysis): m = 2
//   by default, 1 where the zone is not seismic, which leaves the loads as
//   they are. The own weight is not increased: the increment acts on the
//   loads spread on the top;
// - side thrust: Rankine's active coefficient ka = tan^2(45 - attr/2) times
//   the vertical earth pressure: uniform q = ka pesot/1e6 altez from the
//   crown's depth, plus a triangle growing to z = ka pesot/1e6 2r at the
//   invert (the depth of the ring's mean line below the crown);
// - bed reaction: the 60-degree sector carries the own weight and the top load
//   (anello.cpp, pressioneReazione).
//
// Stresses on a metre of wall: N and M per cm of pipe are multiplied by 100;
// A = 100 s cm2, W = 100 s^2/6 cm3 (s in cm). Compression is counted
// positive; each section gives the greatest compression (N/A + |M|/W) and the
// greatest tension (|M|/W - N/A), rounded to 0.01 kg/cm2. The pipe is
// "verificato" when every compression is within compr and every tension within
// traz, the rounded values being compared, as they are shown and printed.

#include "seismic/verifica.h"

#include <cmath>
#include <numbers>

namespace tubazioni {

namespace {

constexpr double daKgM3aKgCm3 = 1e-6;
constexpr double daMmaCm = 0.1;
constexpr double daTaKg = 1000.0;
constexpr double cmPerMetro = 100.0;

double arrotonda2(double x)
{
    const double y = std::round(x * 100.0) / 100.0;
    return y == 0.0 ? 0.0 : y;  // no "-0"
}

double latoImpronta(double lato, double altez)
{
    return lato + 2.0 * altez;  // 45-degree spreading on both sides
}

}  // namespace

bool verificaEseguibile(const DatiTubo& dati, const CampiVuoti& vuoti)
{
    if (dati.spess == 0 || vuoti.pesos || vuoti.attr || vuoti.bmin || vuoti.bmax || vuoti.altez)
        return false;
    const double s = dati.spess * daMmaCm;
    if (s < 0 || dati.diam + s <= 0)
        return false;
    return latoImpronta(dati.bmin, dati.altez) > 0 && latoImpronta(dati.bmax, dati.altez) > 0;
}

double pesoTubo(double diam, double spess, double pesos)
{
    const double s = spess * daMmaCm;
    const double esterno = diam + 2.0 * s;
    const double areaCm2 = std::numbers::pi / 4.0 * (esterno * esterno - diam * diam);
    return std::round(areaCm2 / 10000.0 * pesos);
}

CarichiTubo carichiTubo(const DatiTubo& dati)
{
    CarichiTubo c;
    const double s = dati.spess * daMmaCm;
    c.r = (dati.diam + s) / 2.0;
    c.g = dati.pesos * daKgM3aKgCm3 * s;
    const double gammaTerreno = dati.pesot * daKgM3aKgCm3;
    c.pTerra = gammaTerreno * dati.altez;
    c.pRuota = dati.press * daTaKg / (latoImpronta(dati.bmin, dati.altez) * latoImpronta(dati.bmax, dati.altez));
    c.p = dati.incr * (c.pTerra + c.pRuota);
    const double t = std::tan((45.0 - dati.attr / 2.0) * std::numbers::pi / 180.0);
    c.ka = t * t;
    c.q = c.ka * gammaTerreno * dati.altez;
    c.z = c.ka * gammaTerreno * 2.0 * c.r;
    c.e = pressioneReazione(c.g, c.p);
    return c;
}

AzioniAnello azioniTubo(const CarichiTubo& c)
{
    return casoPesoProprio(c.g, c.r) + casoCaricoSommita(c.p, c.r) + casoSpintaUniforme(c.q, c.r)
           + casoSpintaTriangolare(c.z, c.r) + casoReazioneFondo(c.e, c.r);
}

SigmaLavoro sigmaLavoro(double n, double m, double s)
{
    const double area = cmPerMetro * s;
    const double modulo = cmPerMetro * s * s / 6.0;
    const double normale = n / area;
    const double flessione = std::abs(m) / modulo;
    return {arrotonda2(normale + flessione), arrotonda2(flessione - normale)};
}

RisultatoVerifica verificaTubo(const DatiTubo& dati)
{
    RisultatoVerifica ris;
    ris.peso = pesoTubo(dati.diam, dati.spess, dati.pesos);

    AzioniAnello perCm = azioniTubo(carichiTubo(dati));
    for (int i = 0; i < 3; ++i) {
        ris.azioni.M[i] = perCm.M[i] * cmPerMetro;
        ris.azioni.N[i] = perCm.N[i] * cmPerMetro;
    }

    const double s = dati.spess * daMmaCm;
    ris.superiore = sigmaLavoro(ris.azioni.N[superiore], ris.azioni.M[superiore], s);
    ris.mediana = sigmaLavoro(ris.azioni.N[mediana], ris.azioni.M[mediana], s);
    ris.inferiore = sigmaLavoro(ris.azioni.N[inferiore], ris.azioni.M[inferiore], s);

    ris.verificato = true;
    for (const SigmaLavoro& sigma : {ris.superiore, ris.mediana, ris.inferiore})
        if (!sigmaAmmesso(sigma.compressione, dati.compr) || !sigmaAmmesso(sigma.trazione, dati.traz))
            ris.verificato = false;
    return ris;
}

bool sigmaAmmesso(double sigma, double ammissibile)
{
    return sigma <= ammissibile;
}

const char* esito(bool verificato)
{
    return verificato ? "verificato" : "non verificato";
}

} // namespace tubazioni
