// The pipe's weight per metre is computed from its diameter, thickness and
// specific weight; data too large for the computation leave it empty rather
// than infinite, so that a file saved afterwards still opens.
#include "supporto/doppi.h"

#include "frame/ModVelmor.h"
#include "archivi/archivi.h"
#include "seismic/tabellatubi.h"

#include <gtest/gtest.h>

using namespace ModVelmor;

namespace {

using PesoDelTubo = ConRipristino;

TEST_F(PesoDelTubo, NonCalcolabileRestaVuotoEIlFileSiRiapre)
{
    const struct {
        double diam, spess, pesos;
        double atteso; // -1: not computed
    } casi[] = {
        // pi/4 * (102^2 - 100^2) cm2 = 317.3 cm2; 0.03173 m2 * 2500 kg/m3 = 79.3 kg/m
        {100, 10, 2500, 79},
        {1e200, 1e200, 2500, -1}, // the area overflows
        {1e308, 1, 2500, -1},     // infinity less infinity
    };
    for (const auto& c : casi) {
        ripristina();
        riferimento[1] = Valore("collettore");
        diam[1] = Valore(c.diam);
        spess[1] = Valore(c.spess);
        pesos[1] = Valore(c.pesos);
        numerotubi = Valore(1);
        tubazioni::ricalcolaTubo(1);
        EXPECT_EQ(peso[1], c.atteso < 0 ? Valore("") : Valore(c.atteso)) << c.diam;
        QString errore;
        const auto riletto = archivi::analizza(archivi::Tipo::verifica, archivi::componi(archivi::Tipo::verifica, {}), &errore);
        EXPECT_TRUE(riletto) << c.diam << ": " << errore.toStdString();
    }
}

} // namespace
