// The sizing of a segment, against figures worked out by hand.
//
// Kutter at D = 100 cm and j = 0.01 gives round numbers, used throughout:
//   R = 1.00 / 4 = 0.25 m, sqrt(R) = 0.5, m / sqrt(R) = 0.35 / 0.5 = 0.7,
//   100 / 1.7 = 58.8235..., sqrt(R x j) = sqrt(0.0025) = 0.05,
//   v = 58.8235... x 0.05 = 2.941176... m/s,
//   Q = pi x 1.00^2 / 4 x v = 0.785398 x 2.941176 = 2.3099946 m3/s = 2309.9946 l/s.
#include "network/dimensionamento.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using rete::DatiTratto;
using rete::Esito;
using rete::RisultatiTratto;

constexpr double capacita100 = 2309.9945982278;   // l/s at D = 100, j = 0.01 (above)

// A combined segment: 200 m falling 2 m (j = 0.01), asphalt (0.87) at slope
// class 3, 1.5 ha under 40 mm/h, 640 inhabitants at 250 l, 10 l/s from the
// secondary collectors.
DatiTratto trattomisto()
{
    DatiTratto d;
    d.lunghezza = 200;
    d.dislivello = 2;
    d.coefsuperficie = 0.87;
    d.classependenza = 3;
    d.portatacollettori = 10;
    d.abitanti = 640;
    d.dotazione = 250;
    d.superficie = 1.5;
    d.pioggia = 40;
    return d;
}

// Only collector inflow on a segment of slope 0.01.
DatiTratto soloafflusso(double portata)
{
    DatiTratto d;
    d.lunghezza = 100;
    d.dislivello = 1;
    d.portatacollettori = portata;
    return d;
}

TEST(PortataNera, OneLitrePerSecondFor128InhabitantsAt250Litres)
{
    // 0.80 x 250 x 2.25 x 128 = 57600 = 3600 x 16.
    EXPECT_DOUBLE_EQ(rete::portatareflua(250, 128), 1.0);
    // Linear in both: twice the people or twice the allowance, twice the flow.
    EXPECT_DOUBLE_EQ(rete::portatareflua(250, 256), 2.0);
    EXPECT_DOUBLE_EQ(rete::portatareflua(500, 128), 2.0);
    // 640 inhabitants = 5 x 128.
    EXPECT_DOUBLE_EQ(rete::portatareflua(250, 640), 5.0);
    EXPECT_DOUBLE_EQ(rete::portatareflua(250, 0), 0.0);
}

TEST(PortataMeteorica, RationalMethod)
{
    // One hectare under 1 mm/h: 10000 m2 x 0.001 m/h = 10 m3/h = 10000 l / 3600 s.
    EXPECT_DOUBLE_EQ(rete::portatameteorica(1.0, 1.0, 1.0), 10000.0 / 3600.0);
    // 0.909 x 1.5 ha x 40 mm/h x 10000 / 3600 = 54.54 x 2.7777... = 151.5 l/s.
    EXPECT_NEAR(rete::portatameteorica(0.909, 1.5, 40), 151.5, 1e-9);
    EXPECT_DOUBLE_EQ(rete::portatameteorica(0.909, 0, 40), 0.0);
}

TEST(Kutter, VelocityAndFullPipeFlow)
{
    EXPECT_NEAR(rete::velocitakutter(100, 0.01), 100.0 / 1.7 * 0.05, 1e-12);
    EXPECT_NEAR(rete::portatapiena(100, 0.01), capacita100, 1e-6);
    // D = 16: R = 0.04, sqrt(R) = 0.2, 0.35 / 0.2 = 1.75, 100 / 2.75 = 36.3636,
    // sqrt(0.04 x 0.01) = 0.02, v = 0.727273 m/s;
    // Q = pi x 0.16^2 / 4 x v = 0.0201062 x 0.727273 = 14.6227 l/s.
    EXPECT_NEAR(rete::velocitakutter(16, 0.01), 0.7272727, 1e-6);
    EXPECT_NEAR(rete::portatapiena(16, 0.01), 14.6227, 1e-4);
    // D = 10: R = 0.025, sqrt(R) = 0.158114, 0.35 / 0.158114 = 2.213594,
    // 100 / 3.213594 = 31.1178, sqrt(0.00025) = 0.0158114, v = 0.492016 m/s;
    // Q = 0.00785398 x 0.492016 = 3.8643 l/s.
    EXPECT_NEAR(rete::velocitakutter(10, 0.01), 0.492016, 1e-6);
    EXPECT_NEAR(rete::portatapiena(10, 0.01), 3.8643, 1e-4);
    // Four times the slope, twice the velocity.
    EXPECT_NEAR(rete::velocitakutter(16, 0.04), 2 * rete::velocitakutter(16, 0.01), 1e-12);
}

TEST(Pendenza, MagnitudeOverLength)
{
    EXPECT_DOUBLE_EQ(rete::pendenzatratto(2, 200), 0.01);
    EXPECT_DOUBLE_EQ(rete::pendenzatratto(-2, 200), 0.01);
    EXPECT_DOUBLE_EQ(rete::pendenzatratto(2, 0), 0.0);
    EXPECT_DOUBLE_EQ(rete::pendenzatratto(2, -200), 0.0);
}

TEST(Diametro, FlowExactlyOnACapacityTakesThatDiameter)
{
    // By hand: 2309.99 l/s fits in 100 cm (2309.9946), 2310.00 does not.
    EXPECT_EQ(rete::diametroteorico(2309.99, 0.01, 100), 100);
    EXPECT_EQ(rete::diametroteorico(2310.00, 0.01, 100), 101);
    // The very capacity of each diameter, and the next number above it.
    for (int d : {10, 11, 39, 100, 250}) {
        const double q = rete::portatapiena(d, 0.01);
        EXPECT_EQ(rete::diametroteorico(q, 0.01, 100), d);
        EXPECT_EQ(rete::diametroteorico(std::nextafter(q, 1e9), 0.01, 100), d + 1);
    }
    // Any flow up to the 10 cm pipe's gets the smallest pipe.
    EXPECT_EQ(rete::diametroteorico(0, 0.01, 100), 10);
    EXPECT_EQ(rete::diametroteorico(-5, 0.01, 100), 10);
}

TEST(Diametro, FillPercentageReducesTheUsableSection)
{
    // 166.5 l/s at j = 0.01. Full: 38 cm carries 163.69, 39 cm 175.87 -> 39.
    // At 60 %: 46 cm carries 277.34 x 0.6 = 166.40 (short), 47 cm
    // 294.26 x 0.6 = 176.55 -> 47.
    EXPECT_EQ(rete::diametroteorico(166.5, 0.01, 100), 39);
    EXPECT_EQ(rete::diametroteorico(166.5, 0.01, 60), 47);
    // Half the section of the 100 cm pipe carries half its flow.
    EXPECT_EQ(rete::diametroteorico(capacita100 / 2 - 0.001, 0.01, 50), 100);
    // An empty (0) or negative fill counts as the full section.
    EXPECT_DOUBLE_EQ(rete::riempimentoefficace(0), 100);
    EXPECT_DOUBLE_EQ(rete::riempimentoefficace(-10), 100);
    EXPECT_EQ(rete::diametroteorico(166.5, 0.01, 0), 39);
    // A smaller fill never gives a smaller pipe.
    int precedente = 0;
    for (int r = 100; r >= 10; r -= 10) {
        const int d = rete::diametroteorico(166.5, 0.01, r).value();
        EXPECT_GE(d, precedente) << r;
        precedente = d;
    }
}

TEST(Diametro, SearchStopsAtTheLargestPipe)
{
    // At j = 0.01 the 500 cm pipe carries about 167187 l/s.
    const double massima = rete::portatapiena(rete::diametromassimo, 0.01);
    EXPECT_NEAR(massima, 167187.5, 0.1);
    EXPECT_EQ(rete::diametroteorico(massima, 0.01, 100), rete::diametromassimo);
    EXPECT_FALSE(rete::diametroteorico(std::nextafter(massima, 1e12), 0.01, 100).has_value());
    EXPECT_FALSE(rete::diametroteorico(1e12, 0.01, 100).has_value());
    EXPECT_FALSE(rete::diametroteorico(std::numeric_limits<double>::infinity(), 0.01, 100).has_value());
    // No slope, no pipe, whatever the flow.
    EXPECT_FALSE(rete::diametroteorico(1, 0, 100).has_value());
    EXPECT_FALSE(rete::diametroteorico(0, 0, 100).has_value());
}

TEST(Arrotondamento, TwoDecimalsHalfAwayFromZero)
{
    struct Caso {
        double valore, atteso;
    };
    const Caso casi[] = {
        {0.125, 0.13},           // exactly half (16 inhabitants' foul flow)
        {-0.125, -0.13},
        {0.78125, 0.78},         // 100 inhabitants: 100 / 128
        {1.0078125, 1.01},       // 129 inhabitants: 129 / 128
        {151.5, 151.5},
        {2.9411764705882355, 2.94},
        {2309.9945982278, 2309.99},
    };
    for (const Caso& c : casi)
        EXPECT_DOUBLE_EQ(rete::arrotonda2(c.valore), c.atteso) << c.valore;
    // A small negative flow rounds to a plain zero, not "-0".
    EXPECT_EQ(rete::arrotonda2(-0.001), 0.0);
    EXPECT_FALSE(std::signbit(rete::arrotonda2(-0.001)));
}

TEST(DimensionaTratto, EachNetworkTypeOnTheSameSegment)
{
    // Run-off coefficient 0.87 x 0.70 + 0.30 = 0.909; storm 151.5 l/s;
    // foul 640 / 128 = 5 l/s; collectors 10 l/s.
    // "misto": 166.5 l/s; 38 cm carries 163.69, 39 cm 175.87 -> 39 cm.
    //   At D = 39: R = 0.0975, sqrt(R) = 0.312250, 0.35 / 0.312250 = 1.120897,
    //   100 / 2.120897 = 47.1499, sqrt(0.000975) = 0.0312250, v = 1.47225 m/s.
    // "bianche": no foul flow, 161.5 l/s fits in 38 cm.
    //   At D = 38: v = 100 / (1 + 0.35 / 0.308221) x 0.0308221 = 1.44328 m/s.
    // "nere": no storm flow, 15 l/s; 16 cm carries 14.62 -> 17 cm, 0.76418 m/s.
    // Any other text is taken as combined, as the report takes it.
    struct Caso {
        const char* sistema;
        double pioggia, nera, totale;
        int diametro;
        double velocita;
    };
    const Caso casi[] = {
        {"misto", 151.5, 5.0, 166.5, 39, 1.47},
        {"bianche", 151.5, 0.0, 161.5, 38, 1.44},
        {"nere", 0.0, 5.0, 15.0, 17, 0.76},
        {"", 151.5, 5.0, 166.5, 39, 1.47},
        {"Nere", 151.5, 5.0, 166.5, 39, 1.47},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.sistema);
        const RisultatiTratto r = rete::dimensionatratto(trattomisto(), QString::fromLatin1(c.sistema));
        EXPECT_EQ(r.esito, Esito::dimensionato);
        EXPECT_DOUBLE_EQ(r.portatapioggia, c.pioggia);
        EXPECT_DOUBLE_EQ(r.portatanera, c.nera);
        EXPECT_DOUBLE_EQ(r.portatatotale, c.totale);
        EXPECT_EQ(r.diametro, c.diametro);
        EXPECT_DOUBLE_EQ(r.velocita, c.velocita);
    }
}

TEST(DimensionaTratto, FillPercentage)
{
    DatiTratto d = trattomisto();
    d.riempimento = 60;
    const RisultatiTratto r = rete::dimensionatratto(d, QStringLiteral("misto"));
    EXPECT_EQ(r.diametro, 47);
    // The velocity stays the full pipe's: at 47 cm, 1.69606 m/s.
    EXPECT_DOUBLE_EQ(r.velocita, 1.70);
    EXPECT_DOUBLE_EQ(r.portatatotale, 166.5);
}

TEST(DimensionaTratto, NegativeHeightDifferenceSizedByItsMagnitude)
{
    DatiTratto d = trattomisto();
    d.dislivello = -2;
    const RisultatiTratto r = rete::dimensionatratto(d, QStringLiteral("misto"));
    EXPECT_EQ(r.esito, Esito::dimensionato);
    EXPECT_EQ(r.diametro, 39);
    EXPECT_DOUBLE_EQ(r.velocita, 1.47);
}

TEST(DimensionaTratto, NoPipeSizedButTheFlowsStillGiven)
{
    DatiTratto senzadislivello = trattomisto();
    senzadislivello.dislivello = 0;
    DatiTratto senzalunghezza = trattomisto();
    senzalunghezza.lunghezza = 0;
    DatiTratto lunghezzanegativa = trattomisto();
    lunghezzanegativa.lunghezza = -200;
    struct Caso {
        DatiTratto dati;
        Esito esito;
        double totale;
    };
    const Caso casi[] = {
        {senzadislivello, Esito::senzapendenza, 166.5},
        {senzalunghezza, Esito::senzapendenza, 166.5},
        {lunghezzanegativa, Esito::senzapendenza, 166.5},
        // 200000 l/s at j = 0.01 is more than the 500 cm pipe's 167187 l/s.
        {soloafflusso(200000), Esito::oltrelimite, 200000},
    };
    for (const Caso& c : casi) {
        const RisultatiTratto r = rete::dimensionatratto(c.dati, QStringLiteral("misto"));
        EXPECT_EQ(r.esito, c.esito);
        EXPECT_EQ(r.diametro, 0);
        EXPECT_DOUBLE_EQ(r.velocita, 0.0);
        EXPECT_DOUBLE_EQ(r.portatatotale, c.totale);
    }
}

TEST(DimensionaTratto, DiameterTestedAgainstTheUnroundedTotal)
{
    // 2309.9946 l/s fits the 100 cm pipe by hand; 2309.9948 shows as 2309.99
    // but is more than the pipe carries, so it gets 101 cm.
    const RisultatiTratto sotto = rete::dimensionatratto(soloafflusso(2309.99), QStringLiteral("misto"));
    EXPECT_EQ(sotto.diametro, 100);
    EXPECT_DOUBLE_EQ(sotto.velocita, 2.94);

    const RisultatiTratto sopra = rete::dimensionatratto(soloafflusso(2309.9948), QStringLiteral("misto"));
    EXPECT_DOUBLE_EQ(sopra.portatatotale, 2309.99);
    EXPECT_EQ(sopra.diametro, 101);
}

TEST(DimensionaTratto, FlowsRoundedWhereComputed)
{
    // 16 inhabitants at 250 l: 16 / 128 = 0.125 l/s, shown as 0.13;
    // 100 inhabitants: 0.78125 -> 0.78; 129: 1.0078125 -> 1.01.
    struct Caso {
        double abitanti, portata;
    };
    for (const Caso c : {Caso{16, 0.13}, Caso{100, 0.78}, Caso{129, 1.01}}) {
        DatiTratto d = soloafflusso(0);
        d.abitanti = c.abitanti;
        d.dotazione = 250;
        const RisultatiTratto r = rete::dimensionatratto(d, QStringLiteral("nere"));
        EXPECT_DOUBLE_EQ(r.portatanera, c.portata) << c.abitanti;
        EXPECT_DOUBLE_EQ(r.portatatotale, c.portata) << c.abitanti;
        EXPECT_EQ(r.diametro, 10);
    }
    // Storm: 1 ha, 1 mm/h, coefficient 1 (class 10): 2.7777... -> 2.78.
    DatiTratto d = soloafflusso(0);
    d.coefsuperficie = 0.07;
    d.classependenza = 10;
    d.superficie = 1;
    d.pioggia = 1;
    EXPECT_DOUBLE_EQ(rete::dimensionatratto(d, QStringLiteral("bianche")).portatapioggia, 2.78);
}

} // namespace
