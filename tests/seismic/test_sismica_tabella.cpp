// What the seismic window works out in the shared pipe table, without the
// window: reading a typed text, the field order, the pipe count and
// recomputing a pipe.
#include "supporto/doppi.h"

#include "frame/ModVelmor.h"
#include "seismic/campitubo.h"
#include "seismic/tabellatubi.h"

#include <gtest/gtest.h>

using namespace tubazioni;

namespace {

class TabellaTubi : public ConRipristino {
protected:

    static void tuboCompleto(int i)
    {
        using namespace ModVelmor;
        pesos[i] = Valore(2500);
        compr[i] = Valore(1000);
        traz[i] = Valore(1000);
        diam[i] = Valore(100);
        spess[i] = Valore(100);
        altez[i] = Valore(150);
        pesot[i] = Valore(1800);
        attr[i] = Valore(30);
        incr[i] = Valore(2);
        press[i] = Valore(8);
        bmin[i] = Valore(20);
        bmax[i] = Valore(50);
    }
};

TEST(LetturaDelTesto, NumeriVuotiIncompletiEAltro)
{
    for (const char* t : {"", " ", "\t "})
        EXPECT_EQ(leggiTesto(t), Lettura::Vuoto) << t;
    for (const char* t : {"0", "12", "12.5", ".5", "5.", "-3", "+3", " 7 ", "1e3", "2.5E-2", "1D2"})
        EXPECT_EQ(leggiTesto(t), Lettura::Numero) << t;
    for (const char* t : {"-", "+", ".", "-.", "1e", "1E+", ".5d-", " -"})
        EXPECT_EQ(leggiTesto(t), Lettura::Incompleto) << t;
    for (const char* t : {"1,5", "abc", "12 cm", "1.2.3", "e5", "--1", "1e5x", "1 2"})
        EXPECT_EQ(leggiTesto(t), Lettura::NonNumero) << t;
}

TEST(CampiDelTubo, CodiciNellOrdineDelFile)
{
    const char* codici[] = {"riferimento", "materiale", "pesos", "compr", "traz", "diam",  "spess", "peso",
                            "altez",       "pesot",     "attr",  "incr",  "press", "bmin", "bmax"};
    for (int c = 1; c <= numeroCampi; ++c) {
        EXPECT_STREQ(descrizioneCampo(c).nome, codici[c - 1]) << c;
        EXPECT_NE(*descrizioneCampo(c).didascalia, '\0') << c;
        // Every field the user types has a request for the hint line.
        EXPECT_EQ(*descrizioneCampo(c).richiesta == '\0', c == campo::peso) << c;
    }
    EXPECT_STREQ(descrizioneCampo(0).nome, "");
    EXPECT_STREQ(descrizioneCampo(16).nome, "");
}

TEST_F(TabellaTubi, ConteggioDeiTubi)
{
    EXPECT_EQ(ultimoTubo(), 0);
    EXPECT_EQ(numeroTubi(), 0);  // never set
    contaTubi();
    EXPECT_TRUE(ModVelmor::numerotubi.vuoto());  // none: left as it was

    ModVelmor::pesos[50] = Valore(1);
    ModVelmor::pesos[3] = Valore(1);
    contaTubi();
    EXPECT_EQ(ModVelmor::numerotubi, Valore(50));
    ModVelmor::pesos[50] = Valore("");  // cleared: no longer counts
    contaTubi();
    EXPECT_EQ(ModVelmor::numerotubi, Valore(3));
    ModVelmor::pesos[3] = Valore(0);  // 0 is a value: it counts
    contaTubi();
    EXPECT_EQ(numeroTubi(), 3);
    ModVelmor::pesos[3] = Valore();
    contaTubi();
    EXPECT_EQ(numeroTubi(), 3);

    ModVelmor::numerotubi = Valore(70);
    EXPECT_EQ(numeroTubi(), 50);
    ModVelmor::numerotubi = Valore(-2);
    EXPECT_EQ(numeroTubi(), 0);
    ModVelmor::numerotubi = Valore("4");  // as a file may hold it
    EXPECT_EQ(numeroTubi(), 4);
}

TEST_F(TabellaTubi, RicalcoloDiUnTubo)
{
    tuboCompleto(2);
    const auto ris = ricalcolaTubo(2);
    ASSERT_TRUE(ris.has_value());
    EXPECT_EQ(ModVelmor::peso[2], Valore(864));
    EXPECT_EQ(ModVelmor::sigmasuperiore[1][2], Valore(ris->superiore.compressione));
    EXPECT_EQ(ModVelmor::sigmasuperiore[2][2], Valore(ris->superiore.trazione));
    EXPECT_EQ(ModVelmor::sigmamediana[1][2], Valore(ris->mediana.compressione));
    EXPECT_EQ(ModVelmor::sigmamediana[2][2], Valore(ris->mediana.trazione));
    EXPECT_EQ(ModVelmor::sigmainferiore[1][2], Valore(ris->inferiore.compressione));
    EXPECT_EQ(ModVelmor::sigmainferiore[2][2], Valore(ris->inferiore.trazione));
    // Only pipe 2 was touched.
    EXPECT_TRUE(ModVelmor::sigmasuperiore[1][1].vuoto());
    EXPECT_TRUE(ModVelmor::sigmasuperiore[1][3].vuoto());

    // The weight needs its three fields, and the check every field it reads as
    // a number: an empty diameter or a word in the specific weight gives no verdict.
    for (auto* campo : {&ModVelmor::diam, &ModVelmor::pesos}) {
        const Valore prima = (*campo)[2];
        for (const Valore& errato : {Valore(""), Valore("pesante")}) {
            (*campo)[2] = errato;
            EXPECT_FALSE(ricalcolaTubo(2).has_value());
            EXPECT_TRUE(ModVelmor::peso[2].vuoto());
            EXPECT_EQ(campoNonNumerico(2), campo == &ModVelmor::diam ? campo::diam : campo::pesos);
        }
        (*campo)[2] = prima;
    }
    EXPECT_EQ(campoNonNumerico(2), 0);

    // Thickness 0: a weight of 0, and the stresses left as they were.
    ModVelmor::diam[2] = Valore(100);
    ModVelmor::spess[2] = Valore(0);
    ModVelmor::sigmamediana[1][2] = Valore(-1);
    EXPECT_FALSE(ricalcolaTubo(2).has_value());
    EXPECT_EQ(ModVelmor::peso[2], Valore(0));
    EXPECT_EQ(ModVelmor::sigmamediana[1][2], Valore(-1));

    // The fields the check needs, read as empty whether never set or cleared.
    ModVelmor::spess[2] = Valore(100);
    const CampiVuoti nessuno = campiVuoti(2);
    EXPECT_FALSE(nessuno.pesos || nessuno.attr || nessuno.bmin || nessuno.bmax || nessuno.altez);
    ModVelmor::attr[2] = Valore();
    ModVelmor::bmin[2] = Valore("");
    const CampiVuoti due = campiVuoti(2);
    EXPECT_TRUE(due.attr);
    EXPECT_TRUE(due.bmin);
    EXPECT_FALSE(due.pesos || due.bmax || due.altez);
    EXPECT_FALSE(ricalcolaTubo(2).has_value());
    EXPECT_EQ(ModVelmor::sigmamediana[1][2], Valore(-1));

    // Numbers stored as texts (as a file may bring them) read as numbers.
    ModVelmor::attr[2] = Valore("30");
    ModVelmor::bmin[2] = Valore("20");
    EXPECT_EQ(datiTubo(2).attr, 30.0);
    ASSERT_TRUE(ricalcolaTubo(2).has_value());
    EXPECT_EQ(ModVelmor::sigmasuperiore[1][2], Valore(ris->superiore.compressione));
}

}  // namespace
