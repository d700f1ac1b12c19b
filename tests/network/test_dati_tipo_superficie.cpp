// A surface type number that a data file can hold but the window's list has
// not (out of 1-10, or too large for an integer): the row shows no type and
// the information line says none was chosen.
#include "supporto/doppi.h"

#include "frame/ModVelmor.h"
#include "frame/finestre.h"
#include "network/dati.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <gtest/gtest.h>

using namespace ModVelmor;

namespace {

using TipoSuperficieDaFile = ConRipristino;

TEST_F(TipoSuperficieDaFile, FuoriElencoNonScelto)
{
    const struct {
        double numero;
        int indice; // of the list, -1 for none
        const char* info;
    } casi[] = {
        {8, 7, "viali inghiaiati"},
        {11, -1, "non scelta"},
        {0, -1, "non scelta"},
        {8.3e56, -1, "non scelta"},
        {-1e30, -1, "non scelta"},
    };
    for (const auto& c : casi) {
        ripristina();
        numerotratti = 1;
        lunghezza[1] = Valore("100");
        numerosuperficie[1] = Valore(c.numero);
        auto& d = finestre::forma<dati>();
        d.VScroll1_Change();
        EXPECT_EQ(d.tiposup[1]->currentIndex(), c.indice) << c.numero;
        QEvent entra(QEvent::Enter);
        QCoreApplication::sendEvent(d.numero[1], &entra);
        EXPECT_TRUE(d.Labelinfo->text().contains(c.info)) << d.Labelinfo->text().toStdString();
    }
}

} // namespace
