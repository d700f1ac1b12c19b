// The value type and the locale-free conversions: leading number, plain and Str form.
#include "frame/formati.h"
#include "frame/valore.h"
#include "test_valori_locale.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

const QLocale localiProvati[] = {italiano(), localeC()};

TEST(Val, NumeroInizialeDelTesto)
{
    struct Caso { const char* testo; double atteso; };
    const Caso casi[] = {
        {"", 0}, {"abc", 0}, {"m 12", 0}, {"   12.5abc", 12.5}, {"\t \t7", 7},
        {"-3.25", -3.25}, {"+4", 4}, {"- 5", 0}, {"-", 0}, {"+", 0},
        {"1,5", 1}, {"12 34", 12}, {"1.2.3", 1.2},
        {".", 0}, {".5", 0.5}, {"-.5", -0.5}, {"5.", 5}, {".e3", 0},
        {"2.5E3", 2500}, {"2.5e-2", 0.025}, {"1D2", 100}, {"4d+1", 40}, {"3E+2m", 300},
        {"1e", 1}, {"1e+", 1}, {"7E-x", 7}, {"1e-400", 0},
        {"0012", 12}, {"-0", 0},
    };
    for (const QLocale& locale : localiProvati) {
        LocaleFissato fisso(locale);
        for (const Caso& c : casi) {
            SCOPED_TRACE(std::string("'") + c.testo + "' in " + locale.name().toStdString());
            EXPECT_DOUBLE_EQ(Val(QString::fromUtf8(c.testo)), c.atteso);
        }
    }
}

TEST(Val, NumeriFuoriMisuraECifreNonLatine)
{
    EXPECT_EQ(Val("1e400"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(Val("-1e400"), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(Val(QString::fromUtf8("\u0663")), 0.0);   // an Arabic-Indic three is no digit here
    EXPECT_EQ(Val(QString::fromUtf8("\u00a05")), 0.0);  // only blanks and tabs are skipped
}

TEST(Val, LunghezzaDelNumeroIniziale)
{
    struct Caso { const char* testo; int lunghezza; };
    const Caso casi[] = {
        {"", 0}, {"abc", 0}, {"-", 0}, {".", 0}, {"  .", 0},
        {"  12.5abc", 6}, {"1e", 1}, {"1e5x", 3}, {"-1.5D-02,", 8}, {"5.,", 2},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.testo);
        EXPECT_EQ(lunghezzaNumeroIniziale(QString::fromUtf8(c.testo)), c.lunghezza);
    }
}

TEST(FormeDelNumero, TestoNumeroEStr)
{
    struct Caso { double numero; const char* testo; const char* str; };
    const Caso casi[] = {
        {0, "0", " 0"}, {-0.0, "0", " 0"},
        {0.5, "0.5", " .5"}, {-0.5, "-0.5", "-.5"}, {0.25, "0.25", " .25"},
        {-0.001, "-0.001", "-.001"}, {0.0001, "0.0001", " .0001"},
        {0.1 + 0.2, "0.3", " .3"}, {1.0 / 3, "0.333333333333333", " .333333333333333"},
        {12, "12", " 12"}, {-3, "-3", "-3"}, {-1.25, "-1.25", "-1.25"}, {2.675, "2.675", " 2.675"},
        {1234567.891, "1234567.891", " 1234567.891"},
        {123456789012345.0, "123456789012345", " 123456789012345"},
        {99999999999999.95, "100000000000000", " 100000000000000"},
        {1e15, "1E+15", " 1E+15"}, {1e20, "1E+20", " 1E+20"}, {-2.5e20, "-2.5E+20", "-2.5E+20"},
        {1e100, "1E+100", " 1E+100"},
        {0.00001, "1E-05", " 1E-05"}, {-1.5e-7, "-1.5E-07", "-1.5E-07"},
    };
    for (const QLocale& locale : localiProvati) {
        LocaleFissato fisso(locale);
        for (const Caso& c : casi) {
            SCOPED_TRACE(std::string(c.testo) + " in " + locale.name().toStdString());
            EXPECT_EQ(testoNumero(c.numero), QString(c.testo));
            EXPECT_EQ(Str(c.numero), QString(c.str));
        }
    }
}

TEST(Valore, TipiEConversioni)
{
    LocaleFissato fisso(italiano());

    const Valore vuoto;
    EXPECT_EQ(vuoto.tipo(), Valore::Tipo::Vuoto);
    EXPECT_TRUE(vuoto.vuoto());
    EXPECT_FALSE(vuoto.eNumero());
    EXPECT_FALSE(vuoto.eTesto());
    EXPECT_EQ(vuoto.numero(), 0.0);
    EXPECT_EQ(vuoto.testo(), QString());

    const Valore testoVuoto("");
    EXPECT_EQ(testoVuoto.tipo(), Valore::Tipo::Testo);
    EXPECT_TRUE(testoVuoto.vuoto());
    EXPECT_EQ(testoVuoto.numero(), 0.0);

    const Valore scritto(QString(" 3.5 m"));
    EXPECT_EQ(scritto.tipo(), Valore::Tipo::Testo);
    EXPECT_FALSE(scritto.vuoto());
    EXPECT_TRUE(scritto.eTesto());
    EXPECT_EQ(scritto.numero(), 3.5);
    EXPECT_EQ(scritto.testo(), QString(" 3.5 m"));

    const Valore decimale(0.5);
    EXPECT_EQ(decimale.tipo(), Valore::Tipo::Numero);
    EXPECT_FALSE(decimale.vuoto());
    EXPECT_EQ(decimale.numero(), 0.5);
    EXPECT_EQ(decimale.testo(), QString("0.5"));   // a point whatever the locale

    const Valore intero(-7);
    EXPECT_TRUE(intero.eNumero());
    EXPECT_EQ(intero.numero(), -7.0);
    EXPECT_EQ(intero.testo(), QString("-7"));

    const Valore zero(0);
    EXPECT_FALSE(zero.vuoto());
    EXPECT_EQ(zero.testo(), QString("0"));
}

TEST(Valore, UguaglianzaPerTipoEContenuto)
{
    EXPECT_EQ(Valore(1), Valore(1.0));
    EXPECT_EQ(Valore("a"), Valore(QString("a")));
    EXPECT_EQ(Valore(), Valore());
    EXPECT_NE(Valore("1"), Valore(1));
    EXPECT_NE(Valore(), Valore(""));
    EXPECT_NE(Valore(), Valore(0));
    EXPECT_NE(Valore(""), Valore(0));
    EXPECT_NE(Valore(2.5), Valore(2.25));
    EXPECT_NE(Valore("a"), Valore("A"));
}

TEST(Valore, Numerico)
{
    struct Caso { const char* testo; bool numerico; };
    const Caso casi[] = {
        {"12", true}, {"-12.5", true}, {"+.5", true}, {".5", true}, {"5.", true},
        {" 7 ", true}, {"\t7\t", true}, {"1e5", true}, {"1E-05", true}, {"2D3", true},
        {"", false}, {"   ", false}, {".", false}, {"-", false}, {"abc", false},
        {"3 m", false}, {"1,5", false}, {"1e", false}, {"1e+", false}, {"1 000", false},
        {"- 5", false}, {"1e400", false},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(std::string("'") + c.testo + "'");
        EXPECT_EQ(Valore(c.testo).numerico(), c.numerico);
    }
    // past the largest number without an exponent: 400 digits are not a number, 300 are
    EXPECT_FALSE(Valore(QString(400, u'9')).numerico());
    EXPECT_TRUE(Valore(QString(300, u'9')).numerico());
    EXPECT_TRUE(Valore(0).numerico());
    EXPECT_TRUE(Valore(-1e20).numerico());
    EXPECT_FALSE(Valore().numerico());
}

} // namespace
