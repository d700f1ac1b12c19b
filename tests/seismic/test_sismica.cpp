// The seismic window through its widgets: load, typing a pipe, the shared
// arrays it fills, scrolling between pipes, texts that are not numbers, and
// the cases where the check leaves the stresses as they were.
#include "sismica_prova.h"

#include "frame/ModVelmor.h"
#include "frame/test_valori_locale.h"
#include "seismic/tabellatubi.h"
#include "seismic/verifica.h"

#include <QLabel>
#include <QScrollBar>

#include <cmath>

using namespace tubazioni;
using namespace vb;
using doppi::messaggi;

namespace {

QString dueDecimali(const Valore& v, QChar separatore)
{
    return QString::number(v.numero(), 'f', 2).replace(QChar('.'), separatore);
}

class Sismica : public ConSismica {};

TEST_F(Sismica, AlCaricamento)
{
    ModVelmor::incr[4] = Valore(1);  // typed before the window was ever loaded
    auto& s = finestra();
    EXPECT_EQ(s.Caption(), "Velmor: verifica sismica dei tubi interrati");
    EXPECT_EQ(s.Width(), 9600);
    EXPECT_EQ(s.Height(), 6825);
    EXPECT_EQ(s.intestazione->text(), "Verifica sismica dei tubi interrati (secondo il D.M. 23/02/1971 n.2445)");
    EXPECT_EQ(s.intestazione->toolTip(), "cliccare per visualizzare le formule del Decreto Ministeriale");

    EXPECT_EQ(s.VScroll1->minimum(), 1);
    EXPECT_EQ(s.VScroll1->maximum(), 50);
    EXPECT_EQ(s.VScroll1->pageStep(), 5);
    EXPECT_FALSE(s.VScroll1->hasTracking());
    EXPECT_EQ(s.VScroll1->value(), 1);
    EXPECT_EQ(s.ntubo->text(), "n.1");
    EXPECT_EQ(ModVelmor::tubocorrente, 1);

    for (int i = 1; i <= 50; ++i) {
        if (i != 4) {
            EXPECT_EQ(ModVelmor::incr[i], Valore(2)) << i;
        }
        EXPECT_EQ(ModVelmor::press[i], Valore(8)) << i;
        EXPECT_EQ(ModVelmor::bmin[i], Valore(20)) << i;
        EXPECT_EQ(ModVelmor::bmax[i], Valore(50)) << i;
    }
    EXPECT_EQ(ModVelmor::incr[4], Valore(1));  // what was there is kept
    EXPECT_TRUE(ModVelmor::numerotubi.vuoto());

    for (int c = 1; c <= numeroCampi; ++c) {
        const QString atteso = c == campo::incr ? "2" : c == campo::press ? "8" : c == campo::bmin ? "20"
                             : c == campo::bmax ? "50" : "";
        EXPECT_EQ(s.datisismici[c]->text(), atteso) << c;
    }
    EXPECT_TRUE(s.datisismici[campo::peso]->isReadOnly());
    EXPECT_TRUE(s.esito->text().isEmpty());
    EXPECT_TRUE(s.scs->text().isEmpty());
}

TEST_F(Sismica, UnTuboDigitatoRiempieLaTabellaEMostraIRisultati)
{
    LocaleFissato locale(italiano());
    auto& s = finestra();
    digitaTuboCompleto();

    using namespace ModVelmor;
    EXPECT_EQ(riferimento[1], Valore("tratto 1-2"));
    EXPECT_EQ(materiale[1], "calcestruzzo");
    EXPECT_EQ(pesos[1], Valore(2500));  // a number, not the typed text
    EXPECT_TRUE(pesos[1].eNumero());
    EXPECT_EQ(diam[1], Valore(100));
    EXPECT_EQ(attr[1], Valore(30));
    // pi/4 (120^2 - 100^2) cm2 x 2500 kg/m3 = 863.9 kg/m
    EXPECT_EQ(peso[1], Valore(864));
    EXPECT_EQ(s.datisismici[campo::peso]->text(), "864");
    EXPECT_EQ(numerotubi, Valore(1));
    EXPECT_TRUE(messaggi().visti.empty());

    const RisultatoVerifica atteso = verificaTubo(datiTubo(1));
    EXPECT_EQ(sigmasuperiore[1][1], Valore(atteso.superiore.compressione));
    EXPECT_EQ(sigmasuperiore[2][1], Valore(atteso.superiore.trazione));
    EXPECT_EQ(sigmamediana[1][1], Valore(atteso.mediana.compressione));
    EXPECT_EQ(sigmamediana[2][1], Valore(atteso.mediana.trazione));
    EXPECT_EQ(sigmainferiore[1][1], Valore(atteso.inferiore.compressione));
    EXPECT_EQ(sigmainferiore[2][1], Valore(atteso.inferiore.trazione));
    for (const auto* lato : {&sigmasuperiore, &sigmamediana, &sigmainferiore})
        for (int k : {1, 2}) {
            const double v = (*lato)[k][1].numero();
            EXPECT_NE(v, 0.0);
            EXPECT_DOUBLE_EQ(v, std::round(v * 100) / 100);  // kept to two decimals
        }

    // The labels show the stored stresses with the locale's separator.
    EXPECT_EQ(s.scs->text(), dueDecimali(sigmasuperiore[1][1], ','));
    EXPECT_EQ(s.sts->text(), dueDecimali(sigmasuperiore[2][1], ','));
    EXPECT_EQ(s.scm->text(), dueDecimali(sigmamediana[1][1], ','));
    EXPECT_EQ(s.stm->text(), dueDecimali(sigmamediana[2][1], ','));
    EXPECT_EQ(s.sci->text(), dueDecimali(sigmainferiore[1][1], ','));
    EXPECT_EQ(s.sti->text(), dueDecimali(sigmainferiore[2][1], ','));
    EXPECT_EQ(s.esito->text(), "verificato");
}

TEST_F(Sismica, ScorrereTraITubi)
{
    LocaleFissato locale(localeC());
    auto& s = finestra();
    digitaTuboCompleto("primo");
    const Valore scs1 = ModVelmor::sigmasuperiore[1][1];

    s.VScroll1->setValue(2);  // from code: runs VScroll1_Change
    EXPECT_EQ(ModVelmor::tubocorrente, 2);
    EXPECT_EQ(s.ntubo->text(), "n.2");
    EXPECT_EQ(s.datisismici[campo::riferimento]->text(), "");
    EXPECT_EQ(s.datisismici[campo::pesos]->text(), "");
    EXPECT_EQ(s.datisismici[campo::incr]->text(), "2");
    EXPECT_EQ(s.scs->text(), "");
    EXPECT_EQ(s.esito->text(), "");
    digita(campo::pesos, "7850");
    EXPECT_EQ(ModVelmor::pesos[2], Valore(7850));
    EXPECT_EQ(ModVelmor::numerotubi, Valore(2));
    EXPECT_EQ(ModVelmor::pesos[1], Valore(2500));  // pipe 1 untouched
    EXPECT_EQ(ModVelmor::sigmasuperiore[1][1], scs1);

    s.VScroll1->setValue(1);
    EXPECT_EQ(ModVelmor::tubocorrente, 1);
    EXPECT_EQ(s.datisismici[campo::riferimento]->text(), "primo");
    EXPECT_EQ(s.datisismici[campo::materiale]->text(), "calcestruzzo");
    EXPECT_EQ(s.datisismici[campo::pesos]->text(), "2500");
    EXPECT_EQ(s.datisismici[campo::peso]->text(), "864");
    EXPECT_EQ(s.scs->text(), dueDecimali(scs1, '.'));
    EXPECT_EQ(s.esito->text(), "verificato");
    // Showing the pipe again stored nothing new.
    EXPECT_EQ(ModVelmor::riferimento[1], Valore("primo"));
    EXPECT_EQ(ModVelmor::pesos[1], Valore(2500));

    // Dragging the thumb changes the pipe only once it is let go.
    s.VScroll1->setSliderDown(true);
    s.VScroll1->setSliderPosition(7);
    EXPECT_EQ(ModVelmor::tubocorrente, 1);
    s.VScroll1->setSliderDown(false);
    EXPECT_EQ(ModVelmor::tubocorrente, 7);
    EXPECT_EQ(s.ntubo->text(), "n.7");
}

TEST_F(Sismica, UnaCasellaSvuotataEIlConteggioDeiTubi)
{
    auto& s = finestra();
    digita(campo::pesos, "2500");
    EXPECT_EQ(ModVelmor::numerotubi, Valore(1));
    digita(campo::pesos, "");
    EXPECT_TRUE(ModVelmor::pesos[1].eTesto());  // the empty text
    EXPECT_TRUE(ModVelmor::pesos[1].vuoto());
    EXPECT_EQ(ModVelmor::numerotubi, Valore(1));  // no pipe left: the count stays

    s.VScroll1->setValue(3);
    digita(campo::pesos, "7850");
    EXPECT_EQ(ModVelmor::numerotubi, Valore(3));
    s.VScroll1->setValue(1);
    digita(campo::pesos, "2500");
    EXPECT_EQ(ModVelmor::numerotubi, Valore(3));  // the highest, not the last typed
    s.VScroll1->setValue(3);
    digita(campo::pesos, "");
    EXPECT_EQ(ModVelmor::numerotubi, Valore(1));

    // Blanks around a number, a leading point, an exponent.
    digita(campo::diam, " 12.5 ");
    EXPECT_EQ(ModVelmor::diam[3], Valore(12.5));
    digita(campo::diam, ".5");
    EXPECT_EQ(ModVelmor::diam[3], Valore(0.5));
    digita(campo::diam, "1e2");
    EXPECT_EQ(ModVelmor::diam[3], Valore(100));
    digita(campo::riferimento, "tratto 1,2");  // a text field takes any text
    EXPECT_EQ(ModVelmor::riferimento[3], Valore("tratto 1,2"));
    EXPECT_TRUE(messaggi().visti.empty());
}

TEST_F(Sismica, UnTestoCheNonENumero)
{
    auto& s = finestra();
    digitaTuboCompleto();
    const Valore scs1 = ModVelmor::sigmasuperiore[1][1];
    ASSERT_FALSE(s.scs->text().isEmpty());

    digita(campo::diam, "1,5");  // "1" is taken, then the comma is told
    ASSERT_EQ(messaggi().visti.size(), 1u);
    EXPECT_EQ(messaggi().visti[0].stile, vbExclamation);
    EXPECT_EQ(messaggi().visti[0].titolo, "Velmor: aiuto in linea");
    EXPECT_TRUE(messaggi().visti[0].testo.contains("punto"));
    EXPECT_EQ(ModVelmor::diam[1], Valore("1,5"));  // the text, never the last number read
    EXPECT_TRUE(s.scs->text().isEmpty());        // results do not match the boxes: none shown
    EXPECT_TRUE(s.esito->text().isEmpty());
    EXPECT_TRUE(s.passo->text().contains("correggere"));
    EXPECT_EQ(s.datisismici[campo::diam]->palette().color(QPalette::Base), QColor(255, 200, 200));

    // While a box is wrong, a change elsewhere is stored and counted, but not computed.
    const Valore scs1Corto = ModVelmor::sigmasuperiore[1][1];
    digita(campo::altez, "200");
    EXPECT_EQ(ModVelmor::altez[1], Valore(200));
    EXPECT_EQ(ModVelmor::sigmasuperiore[1][1], scs1Corto);
    EXPECT_TRUE(s.scs->text().isEmpty());
    s.VScroll1->setValue(2);
    ASSERT_EQ(s.datisismici[campo::diam]->text(), "");  // pipe 2's own box
    digita(campo::diam, "x");
    digita(campo::pesos, "7850");
    EXPECT_EQ(ModVelmor::numerotubi, Valore(2));
    s.VScroll1->setValue(1);
    EXPECT_EQ(s.datisismici[campo::diam]->text(), "1,5");  // what was typed comes back with its pipe
    EXPECT_EQ(s.datisismici[campo::diam]->palette().color(QPalette::Base), QColor(255, 200, 200));
    messaggi().visti.clear();

    digita(campo::altez, "150");
    digita(campo::diam, "100");
    EXPECT_EQ(ModVelmor::diam[1], Valore(100));
    EXPECT_EQ(ModVelmor::sigmasuperiore[1][1], scs1);
    EXPECT_EQ(s.esito->text(), "verificato");
    EXPECT_EQ(s.datisismici[campo::diam]->palette().color(QPalette::Base), QColor(255, 255, 255));

    // The start of a number still being typed is no mistake yet.
    messaggi().visti.clear();
    for (const char* inizio : {"-", ".", "+.", "1e", "2.5E-"}) {
        digita(campo::spess, inizio);
        EXPECT_TRUE(s.scs->text().isEmpty()) << inizio;
    }
    EXPECT_TRUE(messaggi().visti.empty());
    EXPECT_EQ(ModVelmor::spess[1], Valore("2.5E-"));  // as typed, not "2.5" read on the way
    digita(campo::spess, "100");
    EXPECT_EQ(s.esito->text(), "verificato");
}

// The stresses stay as they were, and the labels are empty, when the wall
// thickness is 0 or one of the fields the check needs is empty.
TEST_F(Sismica, CasiInCuiLaVerificaLasciaISigma)
{
    auto& s = finestra();
    digitaTuboCompleto();
    const Valore segnale(123.45);
    auto segna = [&] {
        for (auto* lato : {&ModVelmor::sigmasuperiore, &ModVelmor::sigmamediana, &ModVelmor::sigmainferiore})
            for (int k : {1, 2})
                (*lato)[k][1] = segnale;
    };
    auto intatti = [&] {
        for (auto* lato : {&ModVelmor::sigmasuperiore, &ModVelmor::sigmamediana, &ModVelmor::sigmainferiore})
            for (int k : {1, 2})
                if ((*lato)[k][1] != segnale)
                    return false;
        return true;
    };

    // With every field in place the check overwrites the marks.
    segna();
    s.VScroll1_Change();
    EXPECT_FALSE(intatti());
    EXPECT_EQ(s.esito->text(), "verificato");

    struct Caso {
        const char* nome;
        ModVelmor::Tubi* campo;
        Valore valore;
    };
    const Caso casi[] = {
        {"spess 0", &ModVelmor::spess, Valore(0)},          {"pesos", &ModVelmor::pesos, Valore("")},
        {"attr", &ModVelmor::attr, Valore("")},             {"bmin", &ModVelmor::bmin, Valore("")},
        {"bmax", &ModVelmor::bmax, Valore("")},             {"altez", &ModVelmor::altez, Valore()},
    };
    for (const Caso& caso : casi) {
        const Valore prima = (*caso.campo)[1];
        (*caso.campo)[1] = caso.valore;
        segna();
        s.VScroll1_Change();
        EXPECT_TRUE(intatti()) << caso.nome;
        for (QLabel* l : {s.scs, s.sts, s.scm, s.stm, s.sci, s.sti, s.esito})
            EXPECT_TRUE(l->text().isEmpty()) << caso.nome;
        (*caso.campo)[1] = prima;
    }

    // The same through the keyboard: clearing the fill height.
    s.VScroll1_Change();
    const Valore sci = ModVelmor::sigmainferiore[1][1];
    digita(campo::altez, "");
    EXPECT_EQ(ModVelmor::sigmainferiore[1][1], sci);
    EXPECT_TRUE(s.sci->text().isEmpty());
    EXPECT_TRUE(s.esito->text().isEmpty());
    // Nor is there a verdict with any other field empty or not a number: an
    // empty fill weight, diameter or increment is no 0.
    digita(campo::altez, "150");
    EXPECT_EQ(s.esito->text(), "verificato");
    for (int c : {campo::pesot, campo::diam, campo::incr, campo::compr}) {
        const QString prima = s.datisismici[c]->text();
        digita(c, "");
        EXPECT_TRUE(s.esito->text().isEmpty()) << c;
        EXPECT_TRUE(s.scs->text().isEmpty()) << c;
        digita(c, prima);
        EXPECT_EQ(s.esito->text(), "verificato") << c;
    }
}

}  // namespace
