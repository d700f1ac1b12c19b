// Number patterns and the long date, in an Italian and a C (or English) locale.
#include "frame/formati.h"
#include "frame/valore.h"
#include "test_valori_locale.h"

#include <QDate>
#include <gtest/gtest.h>

namespace {

struct CasoFormato {
    Valore valore;
    const char* schema;
    const char* italiano;
    const char* c;
};

void provaFormati(const std::vector<CasoFormato>& casi)
{
    for (const CasoFormato& caso : casi) {
        SCOPED_TRACE(caso.valore.testo().toStdString() + " with " + caso.schema);
        {
            LocaleFissato fisso(italiano());
            EXPECT_EQ(Format(caso.valore, caso.schema), QString::fromUtf8(caso.italiano));
        }
        {
            LocaleFissato fisso(localeC());
            EXPECT_EQ(Format(caso.valore, caso.schema), QString::fromUtf8(caso.c));
        }
    }
}

TEST(Format, SchemiDelProgramma)
{
    provaFormati({
        {0, "###0.00", "0,00", "0.00"},
        {0.5, "###0.00", "0,50", "0.50"},
        {1234, "###0.00", "1234,00", "1234.00"},
        {12.3456, "##0.00", "12,35", "12.35"},
        {7, "##0.00", "7,00", "7.00"},
        {12, "###0.0", "12,0", "12.0"},
        {0.125, "###0.0", "0,1", "0.1"},
        {7, "##,##0.00", "7,00", "7.00"},
        {999.5, "##,##0.00", "999,50", "999.50"},
        {1234.5, "##,##0.00", "1.234,50", "1,234.50"},
        {1234567.891, "##,##0.00", "1.234.567,89", "1,234,567.89"},
        {1e20, "###0.00", "100000000000000000000,00", "100000000000000000000.00"},
    });
}

TEST(Format, ArrotondamentoENegativi)
{
    provaFormati({
        // halves go away from zero on the number's decimal form, whatever the binary one
        {2.675, "##0.00", "2,68", "2.68"},
        {1.005, "##0.00", "1,01", "1.01"},
        {0.045, "###0.00", "0,05", "0.05"},
        {0.25, "###0.0", "0,3", "0.3"},
        {-0.25, "###0.0", "-0,3", "-0.3"},
        {0.24999, "###0.0", "0,2", "0.2"},
        {999.995, "##,##0.00", "1.000,00", "1,000.00"},
        {9.96, "###0.0", "10,0", "10.0"},
        {-1234.5, "##,##0.00", "-1.234,50", "-1,234.50"},
        {-0.5, "###0.00", "-0,50", "-0.50"},
        {-0.005, "###0.00", "-0,01", "-0.01"},
        {-0.004, "###0.00", "0,00", "0.00"},   // no sign on a zero
        {-0.04, "###0.0", "0,0", "0.0"},
    });
}

TEST(Format, TestiEVuoti)
{
    provaFormati({
        {Valore(), "###0.00", "", ""},
        {Valore(""), "###0.00", "", ""},
        {Valore("abc"), "###0.00", "abc", "abc"},
        {Valore("1,5"), "###0.00", "1,5", "1,5"},    // typed with a comma: not a number
        {Valore("3 m"), "##0.00", "3 m", "3 m"},
        {Valore(" 3.14159 "), "##0.00", "3,14", "3.14"},
        {Valore("-2.5e3"), "##,##0.00", "-2.500,00", "-2,500.00"},
        {Valore(".5"), "###0.0", "0,5", "0.5"},
    });
}

TEST(Format, SchemiInGenerale)
{
    provaFormati({
        {5, "000", "005", "005"},
        {5.6, "000", "006", "006"},
        {0.5, "#.00", ",50", ".50"},
        {0.004, "#.00", ",00", ".00"},
        {1.2, "0.0#", "1,2", "1.2"},
        {1.234, "0.0#", "1,23", "1.23"},
        {1.0, "0.##", "1", "1"},
        {1234567, "#,##0", "1.234.567", "1,234,567"},
        {123, "#,##0", "123", "123"},
    });
}

TEST(FormatoData, GiornoMeseAnnoInItalianoInOgniLocale)
{
    struct Caso { QDate data; const char* italiano; };
    const Caso casi[] = {
        {QDate(2026, 12, 7), "lunedì, 7 dic 2026"},
        {QDate(2026, 1, 1), "giovedì, 1 gen 2026"},
        {QDate(1999, 3, 25), "giovedì, 25 mar 1999"},
        {QDate(2024, 2, 29), "giovedì, 29 feb 2024"},
    };
    // The program's language is Italian on any system.
    for (const QLocale& locale : {italiano(), QLocale(QLocale::English, QLocale::UnitedKingdom), localeC()}) {
        LocaleFissato fisso(locale);
        for (const Caso& c : casi)
            EXPECT_EQ(formatoData(c.data), QString::fromUtf8(c.italiano)) << qPrintable(locale.name());
    }
    EXPECT_EQ(formatoData(QDate()), QString());
}

} // namespace
