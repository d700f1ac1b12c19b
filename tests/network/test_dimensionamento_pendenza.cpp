// The slope classes: labels, report ranges, correction figures and the
// corrected run-off coefficient.
#include "network/classipendenza.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

struct Classe {
    int classe;
    const char* etichetta;
    const char* limite;
    const char* intervallo;
    int mantenuta;
    double aggiunta;
    // Surface coefficient 0.60 corrected by hand:
    // 0.60 x (100 - 10c) / 100 + c / 10.
    double coefficiente060;
};

const Classe classi[] = {
    {0, " 0.0 -  5.0%", " 5.0%", " 0.0- 5.0", 100, 0.0, 0.60},    // 0.60 x 1.0 + 0
    {1, " 5.1 -  6.4%", " 6.4%", " 5.1- 6.4", 90, 0.1, 0.64},      // 0.54 + 0.1
    {2, " 6.5 -  7.9%", " 7.9%", " 6.5- 7.9", 80, 0.2, 0.68},      // 0.48 + 0.2
    {3, " 8.0 -  9.4%", " 9.4%", " 8.0- 9.4", 70, 0.3, 0.72},      // 0.42 + 0.3
    {4, " 9.5 - 10.9%", "10.9%", " 9.5-10.9", 60, 0.4, 0.76},      // 0.36 + 0.4
    {5, "11.0 - 12.4%", "12.4%", "11.0-12.4", 50, 0.5, 0.80},      // 0.30 + 0.5
    {6, "12.5 - 13.9%", "13.9%", "12.5-13.9", 40, 0.6, 0.84},      // 0.24 + 0.6
    {7, "14.0 - 15.5%", "15.5%", "14.0-15.5", 30, 0.7, 0.88},      // 0.18 + 0.7
    {8, "15.6 - 17.0%", "17.0%", "15.6-17.0", 20, 0.8, 0.92},      // 0.12 + 0.8
    {9, "17.1 - 18.5%", "18.5%", "17.1-18.5", 10, 0.9, 0.96},      // 0.06 + 0.9
    {10, "oltre 18.5%", "18.5%", "18.6 in poi", 0, 1.0, 1.00},     // 0.00 + 1.0
};

TEST(ClassiPendenza, EachClassLabelRangeAndCorrection)
{
    ASSERT_EQ(std::size(classi), static_cast<size_t>(rete::numeroclassipendenza));
    for (const Classe& c : classi) {
        SCOPED_TRACE(c.classe);
        EXPECT_TRUE(rete::classevalida(c.classe));
        EXPECT_EQ(rete::etichettapendenza(c.classe), QString::fromLatin1(c.etichetta));
        EXPECT_EQ(rete::limitependenza(c.classe), QString::fromLatin1(c.limite));
        EXPECT_EQ(rete::etichettapendenza(c.classe).right(5), rete::limitependenza(c.classe));
        EXPECT_EQ(rete::intervallopendenza(c.classe), QString::fromLatin1(c.intervallo));
        EXPECT_EQ(rete::percentualemantenuta(c.classe), c.mantenuta);
        EXPECT_DOUBLE_EQ(rete::aggiuntapendenza(c.classe), c.aggiunta);
        EXPECT_DOUBLE_EQ(rete::coefficientependenza(c.classe), c.classe / 100.0);
        EXPECT_NEAR(rete::coefficientedeflusso(0.60, c.classe), c.coefficiente060, 1e-12);
    }
}

TEST(ClassiPendenza, LabelsAreDistinctThoughTheLastTwoShareTheirLimit)
{
    // Classes 9 and 10 both end in "18.5%": the segment table's slope text
    // alone cannot tell them apart, the combo's labels must.
    for (int a = 0; a < rete::numeroclassipendenza; ++a)
        for (int b = a + 1; b < rete::numeroclassipendenza; ++b)
            EXPECT_NE(rete::etichettapendenza(a), rete::etichettapendenza(b)) << a << " " << b;
}

TEST(ClassiPendenza, UnchangedAtClassZeroAndFullAtClassTen)
{
    // The ten surface coefficients of the network window.
    const double superfici[] = {0.95, 0.90, 0.60, 0.87, 0.80, 0.60, 0.43, 0.22, 0.15, 0.07};
    for (double s : superfici) {
        EXPECT_DOUBLE_EQ(rete::coefficientedeflusso(s, 0), s);
        EXPECT_DOUBLE_EQ(rete::coefficientedeflusso(s, 10), 1.0);
        // Never above 1 and never below the surface's own coefficient.
        for (int c = 0; c < rete::numeroclassipendenza; ++c) {
            EXPECT_LE(rete::coefficientedeflusso(s, c), 1.0 + 1e-12);
            EXPECT_GE(rete::coefficientedeflusso(s, c), s - 1e-12);
        }
    }
    // 0.87 at class 3: 0.87 x 0.70 + 0.30 = 0.609 + 0.30 = 0.909.
    EXPECT_NEAR(rete::coefficientedeflusso(0.87, 3), 0.909, 1e-12);
}

TEST(ClassiPendenza, ClassOutsideTheTableCountsAsNoSlope)
{
    for (int c : {-1, 11, 100}) {
        SCOPED_TRACE(c);
        EXPECT_FALSE(rete::classevalida(c));
        EXPECT_TRUE(rete::etichettapendenza(c).isEmpty());
        EXPECT_TRUE(rete::limitependenza(c).isEmpty());
        EXPECT_TRUE(rete::intervallopendenza(c).isEmpty());
        EXPECT_DOUBLE_EQ(rete::coefficientedeflusso(0.60, c), 0.60);
    }
}

TEST(ClassiPendenza, ClassFromItsCoefficient)
{
    for (int c = 0; c < rete::numeroclassipendenza; ++c) {
        EXPECT_EQ(rete::classedacoefficiente(rete::coefficientependenza(c)), c);
        // As read back from a data file's text.
        EXPECT_EQ(rete::classedacoefficiente(QString::number(c / 100.0, 'f', 2).toDouble()), c);
    }
    // 0.07 x 100 is 7.000000000000001 in binary: still class 7.
    EXPECT_EQ(rete::classedacoefficiente(0.07), 7);
    for (double nessuna : {0.055, 0.2, 0.11, -0.01, 1e300, std::numeric_limits<double>::quiet_NaN()})
        EXPECT_EQ(rete::classedacoefficiente(nessuna), -1) << nessuna;
}

} // namespace
