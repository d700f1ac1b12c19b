// The check of a buried pipe under earth, traffic and seismic loads: weight per
// metre, loads on the ring, working stresses in three sections and verdict.
#pragma once

#include "seismic/anello.h"

#include <array>

// The pipes' code (this folder and the pipe table in frame/tubi.h) is in namespace
// tubazioni: the word sismica is the seismic window's class.
namespace tubazioni {

// The 13 numeric fields of a pipe, in the order of the seismic data file, with
// the units the window and the file use. An empty field is passed as 0.
struct DatiTubo {
    double pesos = 0;  // specific weight of the pipe material, kg/m3
    double compr = 0;  // compressive strength of the material, kg/cm2
    double traz = 0;   // tensile strength of the material, kg/cm2
    double diam = 0;   // internal diameter, cm
    double spess = 0;  // wall thickness, mm
    double peso = 0;   // weight per metre, kg/m: not read, the check works it out again
    double altez = 0;  // height of the fill over the pipe, cm
    double pesot = 0;  // specific weight of the fill, kg/m3
    double attr = 0;   // friction angle of the fill, degrees
    double incr = 0;   // seismic increment of the vertical loads (2; 1 where the zone is not seismic)
    double press = 0;  // load of a lorry wheel on the road, t
    double bmin = 0;   // smaller side of the wheel's imprint on the road, cm
    double bmax = 0;   // larger side of the wheel's imprint on the road, cm
};

// Which of the fields the check needs are empty (as the window knows them).
struct CampiVuoti {
    bool pesos = false;
    bool attr = false;
    bool bmin = false;
    bool bmax = false;
    bool altez = false;
};

// False when the check cannot run, and the window leaves the pipe's stresses as
// they were: wall thickness 0, or the pipe's specific weight, the friction
// angle, either side of the imprint or the fill height empty. Also false for
// numbers that leave the formulas without meaning: a negative thickness, a
// mean radius that is not positive, or a wheel imprint that has no area where
// it reaches the pipe.
bool verificaEseguibile(const DatiTubo& dati, const CampiVuoti& vuoti);

// Weight per metre of the pipe, kg/m, rounded to a whole number: the area of
// the wall's ring times the specific weight.
double pesoTubo(double diam, double spess, double pesos);

// The loads on the ring, per unit length of pipe (kg/cm2: kg per cm of ring
// per cm of pipe), and the mean radius in cm.
struct CarichiTubo {
    double r = 0;  // mean radius (D + s)/2, cm
    double g = 0;  // own weight of the wall, per cm of mean circumference
    double p = 0;  // vertical pressure on the top: (earth + wheel) x incr
    double pTerra = 0;     // earth above the pipe, before the increment
    double pRuota = 0;     // wheel load spread through the fill, before the increment
    double ka = 0;         // Rankine's active coefficient
    double q = 0;  // uniform side pressure: ka x earth pressure at the crown
    double z = 0;  // triangular side pressure at the invert: ka x fill weight over 2r
    double e = 0;  // bed reaction over the 60-degree sector
};

CarichiTubo carichiTubo(const DatiTubo& dati);

// Sum of the five load cases for these loads.
AzioniAnello azioniTubo(const CarichiTubo& carichi);

// Working stresses of a section, kg/cm2, rounded to 0.01: the greatest
// compression (positive when the most compressed fibre is compressed) and the
// greatest tension (positive when the most stretched fibre is stretched; a
// section compressed all through has a negative tension, and the other way
// round).
struct SigmaLavoro {
    double compressione = 0;
    double trazione = 0;
};

// sigma = N/A +- M/W on a metre of wall: n in kg per metre of pipe, m in kg*cm
// per metre of pipe, s the thickness in cm (A = 100 s cm2, W = 100 s^2/6 cm3).
SigmaLavoro sigmaLavoro(double n, double m, double s);

struct RisultatoVerifica {
    double peso = 0;               // kg/m, whole
    SigmaLavoro superiore;         // scs, sts
    SigmaLavoro mediana;           // scm, stm
    SigmaLavoro inferiore;         // sci, sti
    AzioniAnello azioni;           // per metre of pipe: M in kg*cm, N in kg
    bool verificato = false;
};

// The one rule of the verdict, for the window and the report alike: a working
// stress passes when it is at or below its allowable stress (equal passes); a
// stress that is not a number never passes.
bool sigmaAmmesso(double sigma, double ammissibile);

// The whole check of one pipe. Call it only when verificaEseguibile holds.
RisultatoVerifica verificaTubo(const DatiTubo& dati);

// The verdict as the window shows it: "verificato" or "non verificato".
const char* esito(bool verificato);

} // namespace tubazioni
