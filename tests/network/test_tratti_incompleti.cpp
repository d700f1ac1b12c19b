// The first segment with a missing value, kept from one change to the next rather than found by
// going through the network: it must follow every way the segments change.
#include "supporto/doppi.h"

#include "frame/ModVelmor.h"
#include "frame/finestre.h"
#include "network/dati.h"
#include "network/tratti.h"
#include "archivi/archivi.h"

#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <functional>
#include <gtest/gtest.h>

using namespace ModVelmor;

namespace {

class TrattiIncompleti : public ConRipristino {
protected:
    dati& d() { return finestre::forma<dati>(); }

    // 30 complete segments of a "misto" network.
    void SetUp() override
    {
        ConRipristino::SetUp();
        sistema = "misto";
        impostaTipiSuperficie();
        for (int t = 1; t <= 30; ++t) {
            lunghezza[t] = Valore("100");
            dislivello[t] = Valore("1");
            portatacollettori[t] = Valore("0");
            tiposuperficie[t] = Valore(tipisuperficie[3]);
            coefsuperficie[t] = Valore(coefficientisuperficie[3]);
            numerosuperficie[t] = Valore(3);
            pendenza[t] = Valore(" 2.5%");
            coefpendenza[t] = Valore(0.01);
            abitanti[t] = Valore("100");
            dotazione[t] = Valore("250");
            superficie[t] = Valore("1");
            pioggia[t] = Valore("40");
            riempimento[t] = Valore("80");
        }
        tratti::contatratti();
    }

    // The first incomplete segment found the long way, segment by segment.
    static int perScansione()
    {
        int ultimo = massimotratti;
        while (ultimo > numerotratti && lunghezza[ultimo].vuoto())
            --ultimo;
        for (int t = 1; t <= ultimo; ++t)
            if (!tratti::primodatomancante(t, sistema).isEmpty())
                return t;
        return 0;
    }
};

// A data file with segment 12 lacking its rain, read over the complete network.
void caricaConPioggiaMancante()
{
    const Valore pioggia12 = pioggia[12];
    pioggia[12] = Valore();
    const QByteArray file = archivi::componi(archivi::Tipo::dati, archivi::testiFrontespizio());
    pioggia[12] = pioggia12;
    ASSERT_EQ(tratti::primotrattoincompleto(), 0);
    QString errore;
    const auto contenuto = archivi::analizza(archivi::Tipo::dati, file, &errore);
    ASSERT_TRUE(contenuto) << errore.toStdString();
    archivi::applicaTratti(*contenuto);
}

TEST_F(TrattiIncompleti, SeguonoOgniCambioDeiTratti)
{
    struct Caso {
        const char* cosa;
        std::function<void(dati&)> cambia;
        int atteso;
    };
    const Caso casi[] = {
        {"inhabitants cleared in the grid", [](dati& w) { w.abit[3]->setText(QString()); }, 3},
        {"a height difference that is no number", [](dati& w) { w.disl[5]->setText("1,5"); }, 5},
        {"two changes, the earlier one mended",
         [](dati& w) {
             w.piog[4]->setText("x");
             w.superf[8]->setText(QString());
             w.piog[4]->setText("35");
         },
         8},
        {"a segment beyond the grid written directly", [](dati&) { dislivello[20] = Valore(); }, 20},
        {"a data file read", [](dati&) { caricaConPioggiaMancante(); }, 12},
        {"the network type changed",
         [](dati&) {
             sistema = "bianche";
             abitanti[25] = Valore(); // not asked of storm water alone
             ASSERT_EQ(tratti::primotrattoincompleto(), 0);
             sistema = "misto";
         },
         25},
        {"a missing value beyond the last typed length",
         [](dati&) {
             riempimento[28] = Valore("5");
             ASSERT_EQ(tratti::primotrattoincompleto(), 28);
             for (int t = 28; t <= 30; ++t)
                 lunghezza[t] = Valore();
             tratti::contatratti();
         },
         0},
        {"a last segment typed with a length below zero, which the count leaves out",
         [](dati& w) {
             w.VScroll1->setValue(21);
             w.lungh[10]->setText("-100");
         },
         30},
        {"the network emptied, then one segment typed",
         [](dati&) {
             svuotaTratti();
             lunghezza[1] = Valore("50");
             tratti::contatratti();
         },
         1},
    };
    for (const Caso& c : casi) {
        SetUp();
        d().VScroll1_Change();
        ASSERT_EQ(tratti::primotrattoincompleto(), 0) << c.cosa;
        c.cambia(d());
        EXPECT_EQ(tratti::primotrattoincompleto(), c.atteso) << c.cosa;
        EXPECT_EQ(perScansione(), c.atteso) << c.cosa;
        d().VScroll1_Change();
        const QString suggerimento = d().passo->text();
        if (c.atteso > 0)
            EXPECT_TRUE(suggerimento.startsWith(QStringLiteral("Tratto n.%1: ").arg(c.atteso)))
                << c.cosa << ": " << suggerimento.toStdString();
        else
            EXPECT_TRUE(suggerimento.startsWith(QStringLiteral("Dati completi"))) << c.cosa;
        TearDown();
    }
}

// While the report steps the bar, the rows are filled only when the stepping ends: then they
// show the last page, as if every page had been shown on the way.
TEST_F(TrattiIncompleti, LaPassataMostraLUltimaPagina)
{
    lunghezza[27] = Valore("123.5");
    {
        const dati::Passata passata(d());
        for (int primo : {11, 21}) {
            d().VScroll1->setValue(primo);
            d().VScroll1_Change();
        }
        EXPECT_NE(d().lungh[7]->text(), "123.5"); // not drawn yet
    }
    EXPECT_EQ(d().numero[7]->text(), "27");
    EXPECT_EQ(d().lungh[7]->text(), "123.5");
    EXPECT_FALSE(d().diam[7]->text().isEmpty());
    EXPECT_FALSE(portatatotale[30].vuoto()); // every segment of the pages stepped is sized
}

} // namespace
