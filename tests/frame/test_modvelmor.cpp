// The shared module: identity and titles, decimal alignment, the link
// opener, the exit routine and the splash around it.
#include "finestre_prova.h"
#include "supporto/doppi.h"

#include "frame/ModVelmor.h"
#include "frame/finestre.h"
#include "frame/frmSplash.h"
#include "frame/servizi.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

using namespace vb;

using namespace doppi;

namespace {

using Modulo = ConFinestreDiProva;

TEST_F(Modulo, IdentitaETitoli)
{
    EXPECT_EQ(ModVelmor::nomeprogramma.testo(), "Velmor");
    EXPECT_EQ(ModVelmor::descrizioneprogramma.testo(), "programma per il calcolo di reti fognanti");
    EXPECT_EQ(ModVelmor::versione.testo(), "4.11.01");
    EXPECT_EQ(ModVelmor::dataprimaversione.testo(), "25/03/1999");
    EXPECT_EQ(ModVelmor::codicedata.testo(), "020520");
    EXPECT_EQ(ModVelmor::titolocontrollo.testo(), "Velmor: controllo dati immessi nella finestra attiva");
    EXPECT_EQ(ModVelmor::titoloaiuto, "Velmor: aiuto in linea");
    EXPECT_EQ(ModVelmor::titoloelimina.testo(), "Elimina: seleziona il file desiderato e clicca su Apri per cancellarlo");
}

TEST(Azzeramento, OgniVariabileCondivisaTornaComeAllAvvio)
{
    // Every shared variable set away from its start, then the reset: each one
    // forgotten by it keeps the mark and fails here by name.
    using namespace ModVelmor;
    struct Voce {
        const char* nome;
        std::function<void()> segna;
        std::function<bool()> comeAllAvvio;
    };
    // A column of the segment or pipe table, marked at its first and last place.
    const auto colonna = [](const char* nome, auto& t, int ultima) {
        return Voce{nome, [&t, ultima] { t[1] = t[ultima] = Valore("7"); },
                    [&t] { return std::all_of(t.begin(), t.end(), [](const Valore& v) { return v == Valore(); }); }};
    };
    // The identity texts keep what a reset gives them (their values are checked above).
    azzera();
    const auto valore = [](const char* nome, Valore& v) {
        return Voce{nome, [&v] { v = Valore("segnato"); }, [&v, inizio = v] { return v == inizio; }};
    };
    const auto vuoto = [](const char* nome, Valore& v) {
        return Voce{nome, [&v] { v = Valore("segnato"); }, [&v] { return v == Valore(); }};
    };
    const auto testo = [](const char* nome, QString& t) {
        return Voce{nome, [&t] { t = "segnato"; }, [&t] { return t.isEmpty(); }};
    };
    QLabel etichetta;
    std::vector<Voce> voci = {
        valore("nomeprogramma", nomeprogramma), valore("descrizioneprogramma", descrizioneprogramma),
        valore("versione", versione), valore("dataprimaversione", dataprimaversione),
        valore("codicedata", codicedata), valore("titolocontrollo", titolocontrollo),
        valore("titoloelimina", titoloelimina),
        {"titoloaiuto", [] { titoloaiuto = "segnato"; }, [] { return titoloaiuto == "Velmor: aiuto in linea"; }},
        {"numerotratti", [] { numerotratti = 3; }, [] { return numerotratti == 0; }},
        {"primotratto", [] { primotratto = 41; }, [] { return primotratto == 1; }},
        testo("sistema", sistema),
        {"tipisuperficie", [] { tipisuperficie[1] = "tetti"; },
         [] { return std::all_of(tipisuperficie.begin(), tipisuperficie.end(), [](const QString& t) { return t.isEmpty(); }); }},
        {"coefficientisuperficie", [] { coefficientisuperficie[10] = 0.07; },
         [] { return std::all_of(coefficientisuperficie.begin(), coefficientisuperficie.end(), [](double c) { return c == 0; }); }},
        {"materiale", [] { materiale[50] = "gres"; },
         [] { return std::all_of(materiale.begin(), materiale.end(), [](const QString& t) { return t.isEmpty(); }); }},
        vuoto("numerotubi", numerotubi),
        {"tubocorrente", [] { tubocorrente = 9; }, [] { return tubocorrente == 1; }},
        vuoto("erroredati", erroredati),
        testo("nomefile", nomefile),
        testo("filecompleto", filecompleto),
        {"testifrontespizio", [] { testifrontespizio = QStringList(7, "x"); }, [] { return testifrontespizio.isEmpty(); }},
        {"coloresfondo", [] { coloresfondo = 0xFF00FF; }, [] { return coloresfondo == 0; }},
        {"righestampate", [] { righestampate = 12; }, [] { return righestampate == 0; }},
        vuoto("intestazionelistino", intestazionelistino),
        {"guidatitolo", [&] { guidatitolo = &etichetta; }, [] { return guidatitolo.isNull(); }},
        {"guidatesto", [&] { guidatesto = &etichetta; }, [] { return guidatesto.isNull(); }},
        testo("numerotesto", numerotesto),
        {"cifre", [] { cifre = 4; }, [] { return cifre == 0; }},
    };
    const std::pair<const char*, Tratti*> segmenti[] = {
        {"lunghezza", &lunghezza}, {"dislivello", &dislivello}, {"tiposuperficie", &tiposuperficie},
        {"coefsuperficie", &coefsuperficie}, {"pendenza", &pendenza}, {"coefpendenza", &coefpendenza},
        {"portatacollettori", &portatacollettori}, {"abitanti", &abitanti}, {"dotazione", &dotazione},
        {"superficie", &superficie}, {"pioggia", &pioggia}, {"numerosuperficie", &numerosuperficie},
        {"riempimento", &riempimento}, {"portatapioggia", &portatapioggia}, {"portatanera", &portatanera},
        {"portatatotale", &portatatotale}, {"diametro", &diametro}, {"velocita", &velocita}};
    for (const auto& [nome, t] : segmenti)
        voci.push_back(colonna(nome, *t, massimotratti));
    const std::pair<const char*, Tubi*> campiTubi[] = {
        {"riferimento", &riferimento}, {"pesos", &pesos}, {"compr", &compr}, {"traz", &traz}, {"diam", &diam},
        {"spess", &spess}, {"peso", &peso}, {"altez", &altez}, {"pesot", &pesot}, {"attr", &attr}, {"incr", &incr},
        {"press", &press}, {"bmin", &bmin}, {"bmax", &bmax}, {"sigmasuperiore 1", &sigmasuperiore[1]},
        {"sigmasuperiore 2", &sigmasuperiore[2]}, {"sigmamediana 1", &sigmamediana[1]},
        {"sigmamediana 2", &sigmamediana[2]}, {"sigmainferiore 1", &sigmainferiore[1]},
        {"sigmainferiore 2", &sigmainferiore[2]}};
    for (const auto& [nome, t] : campiTubi)
        voci.push_back(colonna(nome, *t, massimotubi));

    for (const Voce& v : voci)
        v.segna();
    for (const Voce& v : voci)
        EXPECT_FALSE(v.comeAllAvvio()) << v.nome << " was not marked";
    azzera();
    for (const Voce& v : voci)
        EXPECT_TRUE(v.comeAllAvvio()) << v.nome;
}

TEST_F(Modulo, TipiDiSuperficie)
{
    ModVelmor::impostaTipiSuperficie();
    EXPECT_EQ(ModVelmor::tipisuperficie[1], "tetti metallici, terre impermeabili");
    EXPECT_EQ(ModVelmor::tipisuperficie[4], "lastricato d'asfalto");
    EXPECT_EQ(ModVelmor::tipisuperficie[10], "parchi e giardini");
    EXPECT_DOUBLE_EQ(ModVelmor::coefficientisuperficie[1], 0.95);
    EXPECT_DOUBLE_EQ(ModVelmor::coefficientisuperficie[7], 0.43);
    EXPECT_DOUBLE_EQ(ModVelmor::coefficientisuperficie[10], 0.07);
    for (int i = 2; i <= 10; ++i)
        EXPECT_FALSE(ModVelmor::tipisuperficie[i].isEmpty());
}

TEST_F(Modulo, CifreIntere)
{
    struct Caso {
        const char* testo;
        int cifre;
        const char* testoDopo;
    };
    const Caso casi[] = {
        {"123.45", 3, "123.45"},  {"123,45", 3, "123,45"}, {"7", 1, "7"},         {" 12.5", 3, " 12.5"},
        {"-12.5", 2, "12.5"},     {"-1234", 4, "1234"},    {"-0.25", 1, "0.25"},  {".5", 0, ".5"},
        {",75", 0, ",75"},        {"abc", 3, "abc"},       {"1.234,5", 1, "1.234,5"}, {"  -3.5", 1, "3.5"},
    };
    for (const Caso& c : casi) {
        ModVelmor::numerotesto = QString::fromUtf8(c.testo);
        ModVelmor::cifre = -1;
        ModVelmor::cifreintere();
        EXPECT_EQ(ModVelmor::cifre, c.cifre) << c.testo;
        EXPECT_EQ(ModVelmor::numerotesto, QString::fromUtf8(c.testoDopo)) << c.testo;
    }
}

TEST_F(Modulo, CifreIntereConTestoVuotoNonCambiaIlRisultato)
{
    ModVelmor::cifre = 9;
    ModVelmor::numerotesto.clear();
    ModVelmor::cifreintere();
    EXPECT_EQ(ModVelmor::cifre, 9);
}

TEST_F(Modulo, ApriIndirizzoPassaAllaShellERestituisceIlSuoEsito)
{
    EXPECT_EQ(ModVelmor::apriindirizzo("mailto:assistenza@zentoria.example"), 42);
    shell().risultato = 2;
    EXPECT_EQ(ModVelmor::apriindirizzo("https://zentoria.example/leggi"), 2);
    EXPECT_EQ(shell().aperti, (QStringList{"mailto:assistenza@zentoria.example", "https://zentoria.example/leggi"}));
}

TEST_F(Modulo, UscitaRispostaNoNonCambiaNulla)
{
    finestre::mostra("dati");
    finestre::usa("frontespizio");
    eventi().clear();
    messaggi().risposte = {vbNo};
    ModVelmor::esciprogramma();
    ASSERT_EQ(messaggi().visti.size(), 1u);
    EXPECT_EQ(messaggi().visti[0].testo, "Vuoi uscire da Velmor?");
    EXPECT_EQ(messaggi().visti[0].stile, vbYesNo + vbQuestion + vbDefaultButton2);
    EXPECT_EQ(messaggi().visti[0].titolo, "Attenzione: i dati non archiviati andranno persi !");
    EXPECT_TRUE(eventi().isEmpty());
    EXPECT_TRUE(finestre::caricata("dati"));
    EXPECT_TRUE(finestre::caricata("frontespizio"));
}

TEST_F(Modulo, UscitaSenzaRispostaEsplicitaTieneIlNoPredefinito)
{
    finestre::usa("dati");
    eventi().clear();
    ModVelmor::esciprogramma(); // the double presses the default button
    EXPECT_TRUE(finestre::caricata("dati"));
}

TEST_F(Modulo, UscitaSiScaricaNellOrdineEMostraLaSchermataDiChiusura)
{
    // Load every window of the exit order, in the opposite order.
    for (auto it = ModVelmor::ordineChiusura.rbegin(); it != ModVelmor::ordineChiusura.rend(); ++it)
        finestre::usa(QString::fromUtf8(*it));
    eventi().clear();
    messaggi().risposte = {vbYes};
    ModVelmor::esciprogramma();

    // the stand-ins tell their unloading; the program's own windows are gone all the same
    QStringList sostitute = finestreSostituite();
    for (int k = 1; k <= 7; ++k)
        sostitute << QString::fromUtf8(ModVelmor::finestrePrincipali[k]);
    QStringList attesi;
    for (const char* nome : ModVelmor::ordineChiusura)
        if (sostitute.contains(QString::fromUtf8(nome)))
            attesi << "unload " + QString::fromUtf8(nome);
    EXPECT_EQ(eventi(), attesi);
    EXPECT_EQ(finestre::nomiCaricate(), QStringList{"frmSplash"});

    auto& splash = finestre::forma<frmSplash>();
    EXPECT_TRUE(splash.isVisible());
    EXPECT_EQ(splash.lblMessaggio->text(), "          elaborazione eseguita con");
    EXPECT_EQ(musica().comandi.mid(musica().comandi.size() - 2), (QStringList{"open Internet.mid", "play"}));
    scorri();
    EXPECT_EQ(fini, 0);

    // A key press on the closing screen ends the program.
    QTest::keyClick(&splash, Qt::Key_A);
    scorri();
    EXPECT_EQ(musica().comandi.last(), "close");
    EXPECT_EQ(finestre::quanteCaricate(), 0);
    EXPECT_EQ(fini, 1);
}

// Lets a shown window reach the screen and paint, and what its paint queued run.
void lasciaDisegnare(QWidget& finestra)
{
    if (finestra.isVisible()) {
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&finestra));
    }
    QTest::qWait(20);
}

// The splash shows first and its music starts once the splash has painted; a click or a key
// that comes before that paint leaves the music as that click or key leaves it.
TEST_F(Modulo, SplashLaMusicaParteDopoIlPrimoDisegno)
{
    const struct {
        const char* caso;
        std::function<void(frmSplash&)> primaDelDisegno;
        QStringList comandi; // what the player has received once the splash has painted
    } casi[] = {
        {"nulla", [](frmSplash&) {}, {"open Internet.mid", "play"}},
        {"un clic", [](frmSplash& s) { QTest::mouseClick(&s, Qt::LeftButton); }, {"pause"}},
        {"un tasto", [](frmSplash& s) { QTest::keyClick(&s, Qt::Key_A); }, {"close"}},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.caso);
        ripristina();
        finestre::mostra("frmSplash");
        auto& splash = finestre::forma<frmSplash>();
        EXPECT_EQ(musica().comandi, QStringList()) << "la musica non aspetta il disegno dello splash";
        c.primaDelDisegno(splash);
        if (finestre::caricata("frmSplash"))
            lasciaDisegnare(splash);
        scorri();
        EXPECT_EQ(musica().comandi, c.comandi);
    }
}

TEST_F(Modulo, SplashUnClicMostraDatiELasciaLoSplashCaricato)
{
    finestre::mostra("frmSplash");
    auto& splash = finestre::forma<frmSplash>();
    EXPECT_EQ(splash.lblProdotto->text(), "Velmor");
    lasciaDisegnare(splash);
    EXPECT_EQ(musica().comandi, (QStringList{"open Internet.mid", "play"}));
    QTest::mouseClick(&splash, Qt::LeftButton);
    EXPECT_EQ(musica().comandi.last(), "pause");
    EXPECT_TRUE(finestre::caricata("dati"));
    EXPECT_TRUE(finestre::trova("dati")->isVisible());
    EXPECT_TRUE(finestre::caricata("frmSplash"));
}

TEST_F(Modulo, SplashUnTastoLoScaricaConIlListinoMaNonChiudeSeCeAltro)
{
    finestre::mostra("frmSplash");
    finestre::usa("prodotti");
    finestre::usa("dati");
    QTest::keyClick(&finestre::forma<frmSplash>(), Qt::Key_Space);
    scorri();
    EXPECT_FALSE(finestre::caricata("frmSplash"));
    EXPECT_FALSE(finestre::caricata("prodotti"));
    EXPECT_TRUE(finestre::caricata("dati"));
    EXPECT_EQ(fini, 0);
}

} // namespace
