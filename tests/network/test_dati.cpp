// The network window driven through its widgets: typing segments, the values
// put in place of empty fields, scrolling, the check and its messages.
#include "supporto/doppi.h"

#include "frame/ModVelmor.h"
#include "frame/finestre.h"
#include "network/classipendenza.h"
#include "network/dati.h"
#include "network/dimensionamento.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

using namespace doppi;
using namespace vb;
using namespace ModVelmor;

namespace {

class FinestraDati : public ConRipristino {
protected:

    dati& d() { return finestre::forma<dati>(); }

    // Types a text into a box as the user would: select all, then the keys.
    static void digita(QLineEdit* e, const QString& testo)
    {
        e->selectAll();
        if (testo.isEmpty())
            QTest::keyClick(e, Qt::Key_Delete);
        else
            QTest::keyClicks(e, testo);
    }

    // A complete "misto" segment in row r.
    void tratto(int r, const char* l, const char* dsl, int tipo, int classe, const char* ab, const char* sup,
                const char* pg)
    {
        digita(d().lungh[r], l);
        digita(d().disl[r], dsl);
        d().tiposup[r]->setCurrentIndex(tipo - 1);
        d().pend[r]->setCurrentIndex(classe);
        digita(d().abit[r], ab);
        digita(d().superf[r], sup);
        if (pg)
            digita(d().piog[r], pg); // no rain typed: the previous segment's is taken
    }
};

TEST_F(FinestraDati, AperturaDellaFinestra)
{
    d().Show();
    EXPECT_EQ(d().Caption(), "Velmor: dati per il progetto di condotte fognarie");
    EXPECT_EQ(d().Width(), 9600);
    EXPECT_EQ(d().Height(), 6825);
    EXPECT_EQ(sistema, "misto");
    EXPECT_TRUE(d().tiporete[3]->isChecked());
    EXPECT_EQ(d().VScroll1->minimum(), 1);
    EXPECT_EQ(d().VScroll1->maximum(), 491);
    EXPECT_EQ(d().VScroll1->pageStep(), 10);
    EXPECT_EQ(d().tiposup[1]->count(), 10);
    EXPECT_EQ(d().tiposup[1]->itemText(0), "tetti metallici, terre impermeabili");
    EXPECT_EQ(d().pend[1]->count(), 11);
    for (int c = 0; c < 11; ++c)
        EXPECT_EQ(d().pend[1]->itemText(c).right(5), rete::limitependenza(c));
    EXPECT_EQ(d().pend[1]->itemText(0).right(5), " 5.0%");
    EXPECT_EQ(d().numero[1]->text(), "1");
    EXPECT_EQ(d().numero[10]->text(), "10");
    EXPECT_FALSE(d().passo->text().isEmpty());
}

TEST_F(FinestraDati, UnTrattoDigitatoSiDimensionaSubito)
{
    tratto(1, "120", "1.5", 4, 2, "300", "1.2", "40");
    EXPECT_EQ(lunghezza[1], Valore("120"));
    EXPECT_EQ(dislivello[1], Valore("1.5"));
    EXPECT_EQ(tiposuperficie[1], Valore("lastricato d'asfalto"));
    EXPECT_EQ(coefsuperficie[1], Valore("0.87"));
    EXPECT_EQ(numerosuperficie[1], Valore(4));
    EXPECT_EQ(pendenza[1], Valore(rete::limitependenza(2)));
    EXPECT_EQ(coefpendenza[1], Valore(0.02));
    EXPECT_EQ(numerotratti, 1);

    // The values put in place of the empty fields.
    EXPECT_EQ(dotazione[1], Valore(250));
    EXPECT_EQ(portatacollettori[1], Valore(0));
    EXPECT_EQ(riempimento[1], Valore(100));
    EXPECT_EQ(d().dotaz[1]->text(), "250");
    EXPECT_EQ(d().portc[1]->text(), "0");

    rete::DatiTratto atteso;
    atteso.lunghezza = 120;
    atteso.dislivello = 1.5;
    atteso.coefsuperficie = 0.87;
    atteso.classependenza = 2;
    atteso.abitanti = 300;
    atteso.dotazione = 250;
    atteso.superficie = 1.2;
    atteso.pioggia = 40;
    const rete::RisultatiTratto r = rete::dimensionatratto(atteso, "misto");
    ASSERT_EQ(r.esito, rete::Esito::dimensionato);
    EXPECT_DOUBLE_EQ(portatapioggia[1].numero(), r.portatapioggia);
    EXPECT_DOUBLE_EQ(portatanera[1].numero(), r.portatanera);
    EXPECT_DOUBLE_EQ(portatatotale[1].numero(), r.portatatotale);
    EXPECT_EQ(diametro[1], Valore(r.diametro));
    EXPECT_DOUBLE_EQ(velocita[1].numero(), r.velocita);
    EXPECT_EQ(d().porttot[1]->text(), QString::number(r.portatatotale, 'f', 2));
    EXPECT_EQ(d().diam[1]->text(), QString::number(r.diametro));
    EXPECT_EQ(d().vel[1]->text(), QString::number(r.velocita, 'f', 2));

    // A change recomputes at once.
    const Valore prima = portatatotale[1];
    digita(d().superf[1], "2.4");
    EXPECT_GT(portatatotale[1].numero(), prima.numero());
    EXPECT_TRUE(messaggi().visti.empty());
}

TEST_F(FinestraDati, DotazioneEPioggiaVuotePrendonoQuelleDelTrattoPrecedente)
{
    tratto(1, "100", "1", 2, 0, "128", "0.5", "35");
    digita(d().dotaz[1], "300");
    tratto(2, "80", "0.8", 2, 0, "64", "0.4", nullptr);
    EXPECT_EQ(dotazione[2], Valore("300"));
    EXPECT_EQ(pioggia[2], Valore("35"));
    EXPECT_EQ(d().piog[2]->text(), "35");
    EXPECT_EQ(numerotratti, 2);
    EXPECT_FALSE(diametro[2].vuoto());
}

TEST_F(FinestraDati, LaPortataCVuotaDiventaZeroSoloScegliendoLaSuperficie)
{
    digita(d().lungh[1], "50");
    EXPECT_TRUE(portatacollettori[1].vuoto());
    d().tiposup[1]->setCurrentIndex(0);
    EXPECT_EQ(portatacollettori[1], Valore(0));
}

TEST_F(FinestraDati, UnCampoSvuotatoMentreSiScriveNonVieneRiempito)
{
    tratto(1, "100", "1", 2, 0, "128", "0.5", "35");
    digita(d().dotaz[1], "");
    EXPECT_EQ(d().dotaz[1]->text(), ""); // the user is typing it
    EXPECT_TRUE(dotazione[1].vuoto());
    EXPECT_TRUE(diametro[1].vuoto()); // no sizing without an allowance
}

TEST_F(FinestraDati, DatoNonInterpretabileENumeroInCorso)
{
    tratto(1, "100", "1", 2, 0, "128", "0.5", "35");
    ASSERT_FALSE(diametro[1].vuoto());
    digita(d().disl[1], "-");
    EXPECT_TRUE(messaggi().visti.empty()); // a number still being typed
    EXPECT_TRUE(diametro[1].vuoto());
    QTest::keyClicks(d().disl[1], "1.5");
    EXPECT_FALSE(diametro[1].vuoto()); // a negative height difference is sized by its size

    digita(d().lungh[1], "1,5");
    ASSERT_FALSE(messaggi().visti.empty());
    EXPECT_EQ(messaggi().visti.back().testo,
              "Attenzione: i dati immessi non sono interpretabili, usa valori significativi ed il punto per i decimali.");
    EXPECT_EQ(messaggi().visti.back().titolo, "Velmor: aiuto in linea");
    EXPECT_TRUE(diametro[1].vuoto());
    EXPECT_TRUE(portatatotale[1].vuoto());
}

TEST_F(FinestraDati, TipoDiReteAzzeraICampiNonUsati)
{
    tratto(1, "100", "1", 2, 0, "128", "0.5", "35");
    d().tiporete[1]->click(); // "bianche"
    EXPECT_EQ(sistema, "bianche");
    EXPECT_EQ(abitanti[1], Valore(0));
    EXPECT_EQ(dotazione[1], Valore(0));
    EXPECT_FALSE(d().abit[1]->isEnabled());
    EXPECT_DOUBLE_EQ(portatanera[1].numero(), 0);
    d().tiporete[2]->click(); // "nere"
    EXPECT_EQ(sistema, "nere");
    EXPECT_EQ(pioggia[1], Valore(0));
    EXPECT_EQ(superficie[1], Valore(0));
    EXPECT_FALSE(d().piog[1]->isEnabled());
    EXPECT_FALSE(d().tiposup[1]->isEnabled());
}

TEST_F(FinestraDati, ScorrereMostraEDimensionaIDieciTratti)
{
    for (int t = 491; t <= 500; ++t) {
        lunghezza[t] = Valore(QString::number(t));
        dislivello[t] = Valore("2");
        abitanti[t] = Valore("128");
        dotazione[t] = Valore("250");
        portatacollettori[t] = Valore("10");
    }
    sistema = "nere";
    d().VScroll1->setValue(491);
    EXPECT_EQ(primotratto, 491);
    EXPECT_EQ(d().numero[1]->text(), "491");
    EXPECT_EQ(d().numero[10]->text(), "500");
    EXPECT_EQ(d().lungh[10]->text(), "500");
    EXPECT_TRUE(d().tiporete[2]->isChecked());
    for (int t = 491; t <= 500; ++t) {
        EXPECT_DOUBLE_EQ(portatanera[t].numero(), 1.0) << t; // 128 inhabitants at 250 l
        EXPECT_DOUBLE_EQ(portatatotale[t].numero(), 11.0) << t;
        EXPECT_FALSE(diametro[t].vuoto()) << t;
    }
    EXPECT_EQ(d().porttot[10]->text(), "11.00");
    // Segments not shown are not touched.
    EXPECT_TRUE(portatatotale[490].vuoto());

    // A change typed in row 3 goes to segment 493.
    digita(d().lungh[3], "77");
    EXPECT_EQ(lunghezza[493], Valore("77"));
}

TEST_F(FinestraDati, ControlloSenzaTratti)
{
    d().controlla_click();
    ASSERT_EQ(messaggi().visti.size(), 1u);
    EXPECT_EQ(messaggi().visti[0].testo,
              "Non esistono dati riconosciuti:\r- per procedere è necessario digitare almeno la lunghezza del tratto n.1;\r"
              "- il controllo viene effettuato solo sui tratti per i quali esiste il dato della lunghezza.");
    EXPECT_EQ(messaggi().visti[0].stile, vbExclamation);
    EXPECT_EQ(messaggi().visti[0].titolo, "Velmor: controllo dati immessi nella finestra attiva");
}

TEST_F(FinestraDati, ControlloDiOgniDatoMancantePerOgniTipoDiRete)
{
    struct Caso {
        const char* sistema;
        const char* vuoto; // the field left empty
        const char* riga;  // the line of the message, empty when the type does not need it
    };
    const Caso casi[] = {
        {"misto", "disl", "- manca il dato del dislivello."},
        {"misto", "portc", "- digitare la 'portata c' dovuta ai collettori secondari che vi si immettono."},
        {"misto", "tiposup", "- scegliere il tipo di superficie del bacino."},
        {"misto", "pend", "- scegliere la pendenza media del bacino confluente."},
        {"misto", "abit", "- digitare il numero massimo dei residenti nel bacino confluente."},
        {"misto", "superf", "- digitare la superficie scolante (il bacino confluente)."},
        {"misto", "piog", "- digitare i mm.orari di pioggia della massima intensità verificantesi una volta l'anno."},
        {"nere", "tiposup", ""},
        {"nere", "abit", "- digitare il numero massimo dei residenti nel bacino confluente."},
        {"bianche", "abit", ""},
        {"bianche", "piog", "- digitare i mm.orari di pioggia della massima intensità verificantesi una volta l'anno."},
    };
    for (const Caso& c : casi) {
        ripristina();
        d(); // loaded before the data, which the check reads as they stand
        sistema = c.sistema;
        const int t = 2;
        for (int i = 1; i <= 2; ++i) {
            lunghezza[i] = Valore("100");
            dislivello[i] = Valore("1");
            portatacollettori[i] = Valore("0");
            tiposuperficie[i] = Valore("viali inghiaiati");
            numerosuperficie[i] = Valore(8);
            pendenza[i] = Valore(" 5.0%");
            coefpendenza[i] = Valore(0.0);
            abitanti[i] = Valore("10");
            dotazione[i] = Valore("250");
            superficie[i] = Valore("1");
            pioggia[i] = Valore("30");
        }
        const QString campo = c.vuoto;
        if (campo == "disl") dislivello[t] = Valore();
        if (campo == "portc") portatacollettori[t] = Valore();
        if (campo == "tiposup") tiposuperficie[t] = Valore();
        if (campo == "pend") pendenza[t] = Valore();
        if (campo == "abit") abitanti[t] = Valore("");
        if (campo == "superf") superficie[t] = Valore("");
        if (campo == "piog") pioggia[t] = Valore("");
        numerotratti = 2;
        d().controlla_click();
        ASSERT_EQ(messaggi().visti.size(), 1u) << c.sistema << " " << c.vuoto;
        const MessaggioVisto& m = messaggi().visti[0];
        if (QString(c.riga).isEmpty()) {
            EXPECT_EQ(m.testo, "I dati sono stati immessi correttamente.") << c.sistema << " " << c.vuoto;
            EXPECT_EQ(m.stile, vbInformation);
        } else {
            EXPECT_EQ(m.testo, "Tratto n. 2:\r" + QString::fromUtf8(c.riga)) << c.sistema << " " << c.vuoto;
            EXPECT_EQ(m.stile, vbCritical);
        }
        EXPECT_EQ(m.titolo, titolocontrollo.testo());
    }
}

TEST_F(FinestraDati, ControlloSilenzioso)
{
    tratto(1, "100", "1", 2, 0, "128", "0.5", "35");
    erroredati = Valore(1);
    d().controlla_click();
    EXPECT_TRUE(messaggi().visti.empty());
    EXPECT_EQ(erroredati, Valore(0));

    // A missing value leaves the flag at 1 and says so.
    digita(d().lungh[3], "40");
    erroredati = Valore(1);
    d().controlla_click();
    ASSERT_EQ(messaggi().visti.size(), 1u);
    EXPECT_EQ(messaggi().visti[0].testo, "Tratto n. 2:\r- digitare la lunghezza.");
    EXPECT_EQ(erroredati, Valore(1));
}

TEST_F(FinestraDati, PassandoSulNumeroDelTrattoSiVedonoSuperficieEPendenza)
{
    tratto(1, "100", "1", 8, 3, "128", "0.5", "35");
    QEvent entra(QEvent::Enter);
    QCoreApplication::sendEvent(d().numero[1], &entra);
    const QString info = d().Labelinfo->text();
    EXPECT_TRUE(info.contains("viali inghiaiati")) << info.toStdString();
    EXPECT_TRUE(info.contains("0.22")) << info.toStdString();
    EXPECT_TRUE(info.contains("70%")) << info.toStdString();
    EXPECT_TRUE(info.contains(QString::number(rete::coefficientedeflusso(0.22, 3), 'f', 3))) << info.toStdString();
    QEvent esce(QEvent::Leave);
    QCoreApplication::sendEvent(d().numero[1], &esce);
    EXPECT_TRUE(d().Labelinfo->text().isEmpty());
}

TEST_F(FinestraDati, CancellaDatiFinestraChiedePrima)
{
    tratto(1, "100", "1", 2, 0, "128", "0.5", "35");
    messaggi().risposte = {vbNo};
    d().Toolbar1_ButtonClick(21);
    EXPECT_EQ(numerotratti, 1);
    messaggi().risposte = {vbYes};
    d().Toolbar1_ButtonClick(21);
    EXPECT_EQ(numerotratti, 0);
    EXPECT_TRUE(lunghezza[1].vuoto());
    EXPECT_TRUE(d().lungh[1]->text().isEmpty());
    EXPECT_TRUE(d().diam[1]->text().isEmpty());
}

} // namespace
