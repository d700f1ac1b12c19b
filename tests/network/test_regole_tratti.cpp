// The segment table's rules: which segments count, and a number still being
// typed (the network grid and the seismic window wait for the same texts, and
// take the same texts for no number at all).
#include "frame/ModVelmor.h"
#include "frame/finestre.h"
#include "frame/valore.h"
#include "network/dati.h"
#include "network/tratti.h"
#include "seismic/campitubo.h"
#include "seismic/sismica.h"
#include "supporto/doppi.h"

#include <QLineEdit>
#include <gtest/gtest.h>

namespace {

using tubazioni::Lettura;

class NumeroIncompleto : public ConRipristino {};

TEST_F(NumeroIncompleto, LaReteELaVerificaSismicaLeggonoAlloStessoModo)
{
    struct Caso {
        const char* testo;
        bool incompleto; // true: no message yet; false: not a number, told at once
    };
    const Caso casi[] = {
        // Starts that more typing at the end turns into a number.
        {"-", true}, {"+", true}, {".", true}, {"-.", true}, {" -", true},
        {"1e", true}, {"1E+", true}, {".5d-", true}, {"2D", true}, {"12.e-", true},
        // An exponent letter with nothing before it, or blanks after the text:
        // nothing typed at the end makes a number of these.
        {"e", false}, {"d", false}, {"E+", false}, {"-e", false}, {".e", false},
        {"1e ", false}, {"- ", false}, {"e5", false}, {"1,5", false}, {"abc", false}, {"--", false},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.testo);
        EXPECT_EQ(numeroIncompleto(c.testo), c.incompleto);
        EXPECT_EQ(tubazioni::leggiTesto(c.testo), c.incompleto ? Lettura::Incompleto : Lettura::NonNumero);
        ModVelmor::lunghezza[1] = Valore(c.testo);
        EXPECT_EQ(tratti::dimensiona(1), c.incompleto ? tratti::Esito::incompleto : tratti::Esito::noninterpretabile);
    }
}

// Blanks typed before a number: neither window speaks yet, as for "-" or "1e", and the number
// that follows is taken by both.
TEST_F(NumeroIncompleto, UnoSpazioInTestaNonFaParlareNessunaFinestra)
{
    auto& rete = finestre::forma<dati>();
    auto& tubi = finestre::forma<sismica>();
    for (const char* testo : {" ", " -", " 1e", " 12"}) {
        SCOPED_TRACE(testo);
        rete.lungh[1]->setText(testo);
        rete.disl[1]->setText(testo);
        tubi.datisismici[tubazioni::campo::pesos]->setText(testo);
        EXPECT_TRUE(doppi::messaggi().visti.empty());
    }
    EXPECT_EQ(ModVelmor::lunghezza[1].numero(), 12);
    EXPECT_EQ(ModVelmor::pesos[1], Valore(12));
}

TEST_F(NumeroIncompleto, ContanoSoloITrattiConUnaLunghezzaPositiva)
{
    // Segment 1 to 9 with these lengths; 500 has one, so the count is no "last filled".
    const char* lunghezze[] = {"0", "-5", "", "abc", "12", " 3.5", "0.001", "-0.001", "0.0"};
    for (int t = 1; t <= 9; ++t)
        ModVelmor::lunghezza[t] = Valore(lunghezze[t - 1]);
    ModVelmor::lunghezza[ModVelmor::massimotratti] = Valore(40);
    ModVelmor::lunghezza[100] = Valore(-40);
    EXPECT_EQ(tratti::contatratti(), 4); // 12, 3.5, 0.001 and the 500th
    EXPECT_EQ(ModVelmor::numerotratti, 4);
}

} // namespace
