// The printer's form of a number, in the Italian and the C locale.
#include "office/formastampa.h"

#include <QLocale>
#include <gtest/gtest.h>
#include <limits>

using office::formaStampa;

namespace {

class FormaStampa : public ::testing::Test {
protected:
    void TearDown() override { QLocale::setDefault(m_prima); }
    static void italiano() { QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy)); }
    static void c() { QLocale::setDefault(QLocale::c()); }

private:
    QLocale m_prima;
};

TEST_F(FormaStampa, NumeriInteriHannoIlPostoDelSegnoEUnoSpazioDietro)
{
    italiano();
    EXPECT_EQ(formaStampa(12), " 12 ");
    EXPECT_EQ(formaStampa(-3), "-3 ");
    EXPECT_EQ(formaStampa(0), " 0 ");
    EXPECT_EQ(formaStampa(-0.0), " 0 ");
    EXPECT_EQ(formaStampa(100), " 100 ");
    EXPECT_EQ(formaStampa(500), " 500 ");
    // No digit grouping, in either locale.
    EXPECT_EQ(formaStampa(1234567), " 1234567 ");
    c();
    EXPECT_EQ(formaStampa(1234567), " 1234567 ");
    EXPECT_EQ(formaStampa(-40), "-40 ");
}

TEST_F(FormaStampa, DecimaliColSeparatoreDellaLingua)
{
    italiano();
    EXPECT_EQ(formaStampa(12.5), " 12,5 ");
    EXPECT_EQ(formaStampa(-7.5), "-7,5 ");
    EXPECT_EQ(formaStampa(123.45), " 123,45 ");
    EXPECT_EQ(formaStampa(1234567.25), " 1234567,25 ");
    c();
    EXPECT_EQ(formaStampa(12.5), " 12.5 ");
    EXPECT_EQ(formaStampa(-7.5), "-7.5 ");
    EXPECT_EQ(formaStampa(123.45), " 123.45 ");
}

TEST_F(FormaStampa, TraMenoUnoEUnoNessunoZeroDavantiAlSeparatore)
{
    italiano();
    EXPECT_EQ(formaStampa(0.5), " ,5 ");
    EXPECT_EQ(formaStampa(-0.25), "-,25 ");
    EXPECT_EQ(formaStampa(0.07), " ,07 ");
    EXPECT_EQ(formaStampa(0.001), " ,001 ");
    c();
    EXPECT_EQ(formaStampa(0.5), " .5 ");
    EXPECT_EQ(formaStampa(-0.95), "-.95 ");
}

TEST_F(FormaStampa, FormaPiuBreveAQuindiciCifre)
{
    c();
    EXPECT_EQ(formaStampa(0.1 + 0.2), " .3 ");
    EXPECT_EQ(formaStampa(1.0 / 3.0), " .333333333333333 ");
    EXPECT_EQ(formaStampa(2.0 / 3.0), " .666666666666667 ");
    EXPECT_EQ(formaStampa(123456789.123456789), " 123456789.123457 ");
    EXPECT_EQ(formaStampa(999999999999999.0), " 999999999999999 ");
    // Rounding to 15 digits can carry into a new leading digit.
    EXPECT_EQ(formaStampa(9.999999999999998), " 10 ");
    EXPECT_EQ(formaStampa(1e-15), " .000000000000001 ");
}

TEST_F(FormaStampa, NumeriEstremiConEsponente)
{
    italiano();
    EXPECT_EQ(formaStampa(1e15), " 1E+15 ");
    EXPECT_EQ(formaStampa(-2.5e20), "-2,5E+20 ");
    EXPECT_EQ(formaStampa(1.5e-16), " 1,5E-16 ");
    EXPECT_EQ(formaStampa(1e100), " 1E+100 ");
    EXPECT_EQ(formaStampa(std::numeric_limits<double>::infinity()).front(), QChar(' '));
    EXPECT_EQ(formaStampa(-std::numeric_limits<double>::infinity()).front(), QChar('-'));
}

} // namespace
