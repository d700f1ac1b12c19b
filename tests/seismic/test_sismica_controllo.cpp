// The seismic window's commands: the data check and its silent protocol, the
// clear command, the usage message, the heading, the menus and the exit.
#include "sismica_prova.h"

#include "frame/ModVelmor.h"
#include "frame/barrastrumenti.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>

using namespace tubazioni;
using namespace vb;
using doppi::messaggi;

namespace {

const char* const completo = "I dati sono stati immessi correttamente.";
const char* const incompleto = "Digitare tutti i dati nei campi a sfondo bianco.";

class SismicaComandi : public ConSismica {
protected:
    // Pipes 1 to `quanti` filled, but pipe `manca` without its material (0: none missing).
    static void digitaTubi(int quanti, int manca = 0)
    {
        for (int i = 1; i <= quanti; ++i) {
            finestra().VScroll1->setValue(i);
            digitaTuboCompleto(QStringLiteral("tubo %1").arg(i));
            if (i == manca)
                digita(campo::materiale, "");
        }
    }
};

TEST_F(SismicaComandi, ControlloSenzaTubi)
{
    auto& s = finestra();
    s.controlla_click();
    ASSERT_EQ(messaggi().visti.size(), 1u);
    EXPECT_EQ(messaggi().visti[0].testo, completo);
    EXPECT_EQ(messaggi().visti[0].stile, vbInformation);
    EXPECT_EQ(messaggi().visti[0].titolo, "Velmor: controllo dati immessi nella finestra attiva");

    // The silent protocol: flag 1 in, 0 out, nothing shown.
    messaggi().visti.clear();
    ModVelmor::erroredati = Valore(1);
    s.controlla_click();
    EXPECT_TRUE(messaggi().visti.empty());
    EXPECT_EQ(ModVelmor::erroredati, Valore(0));
}

TEST_F(SismicaComandi, ControlloSiFermaAlPrimoTuboIncompleto)
{
    auto& s = finestra();
    digitaTubi(3, 2);
    ASSERT_EQ(ModVelmor::tubocorrente, 3);
    ModVelmor::erroredati = Valore(1);
    s.controlla_click();
    ASSERT_EQ(messaggi().visti.size(), 1u);
    EXPECT_EQ(messaggi().visti[0].testo, incompleto);
    EXPECT_EQ(messaggi().visti[0].stile, vbCritical);
    EXPECT_EQ(messaggi().visti[0].titolo, "Velmor: controllo dati immessi nella finestra attiva");
    // Pipe 2 is on screen, as it is stored, and the flag says the data are not complete.
    EXPECT_EQ(s.VScroll1->value(), 2);
    EXPECT_EQ(ModVelmor::tubocorrente, 2);
    EXPECT_EQ(s.ntubo->text(), "n.2");
    EXPECT_EQ(s.datisismici[campo::riferimento]->text(), "tubo 2");
    EXPECT_EQ(s.datisismici[campo::materiale]->text(), "");
    EXPECT_EQ(ModVelmor::erroredati, Valore(1));

    // Completed, the check passes silently and leaves the last pipe shown.
    digita(campo::materiale, "ghisa");
    messaggi().visti.clear();
    s.controlla_click();
    EXPECT_TRUE(messaggi().visti.empty());
    EXPECT_EQ(ModVelmor::erroredati, Valore(0));
    EXPECT_EQ(ModVelmor::tubocorrente, 3);

    // Without the flag it says so.
    s.controlla_click();
    ASSERT_EQ(messaggi().visti.size(), 1u);
    EXPECT_EQ(messaggi().visti[0].testo, completo);
}

TEST_F(SismicaComandi, ControlloContaITubiEVedeOgniCasella)
{
    auto& s = finestra();
    digitaTubi(2);
    // A pipe put in the table by someone else (a file read): only its specific weight.
    ModVelmor::pesos[4] = Valore(2500);
    ModVelmor::numerotubi = Valore(2);
    s.Toolbar1_ButtonClick(20);
    EXPECT_EQ(ModVelmor::numerotubi, Valore(4));
    ASSERT_EQ(messaggi().visti.size(), 1u);
    EXPECT_EQ(messaggi().visti[0].testo, incompleto);
    EXPECT_EQ(ModVelmor::tubocorrente, 3);  // pipe 3 is empty

    // A preset emptied is missing too.
    ModVelmor::pesos[4] = Valore();
    ModVelmor::numerotubi = Valore();
    s.VScroll1->setValue(2);
    digita(campo::bmax, "");
    messaggi().visti.clear();
    s.voce("controllodat")->trigger();
    ASSERT_EQ(messaggi().visti.size(), 1u);
    EXPECT_EQ(messaggi().visti[0].testo, incompleto);
    EXPECT_EQ(ModVelmor::tubocorrente, 2);
    EXPECT_EQ(ModVelmor::numerotubi, Valore(2));
}

TEST_F(SismicaComandi, CancellaDopoLaDomanda)
{
    auto& s = finestra();
    digitaTubi(2);
    digita(campo::incr, "1");
    messaggi().risposte = {vbNo};
    s.Toolbar1_ButtonClick(21);
    ASSERT_EQ(messaggi().visti.size(), 1u);
    EXPECT_EQ(messaggi().visti[0].stile, vbYesNo + vbQuestion + vbDefaultButton2);
    EXPECT_EQ(ModVelmor::pesos[2], Valore(2500));
    EXPECT_EQ(ModVelmor::numerotubi, Valore(2));

    messaggi().risposte = {vbYes};
    s.voce("cancella")->trigger();
    EXPECT_EQ(messaggi().visti.size(), 2u);
    for (int i = 1; i <= 2; ++i) {
        EXPECT_TRUE(ModVelmor::riferimento[i].vuoto());
        EXPECT_TRUE(ModVelmor::materiale[i].isEmpty());
        EXPECT_TRUE(ModVelmor::pesos[i].vuoto());
        EXPECT_TRUE(ModVelmor::peso[i].vuoto());
        EXPECT_TRUE(ModVelmor::sigmasuperiore[1][i].vuoto());
        EXPECT_TRUE(ModVelmor::sigmainferiore[2][i].vuoto());
        EXPECT_EQ(ModVelmor::incr[i], Valore(2));  // the presets come back
        EXPECT_EQ(ModVelmor::bmax[i], Valore(50));
    }
    EXPECT_EQ(ModVelmor::numerotubi, Valore(0));
    EXPECT_EQ(s.VScroll1->value(), 1);
    EXPECT_EQ(ModVelmor::tubocorrente, 1);
    EXPECT_EQ(s.datisismici[campo::pesos]->text(), "");
    EXPECT_EQ(s.datisismici[campo::incr]->text(), "2");
    EXPECT_TRUE(s.esito->text().isEmpty());
}

TEST_F(SismicaComandi, AiutoETitolo)
{
    auto& s = finestra();
    s.aiuto->click();
    ASSERT_EQ(messaggi().visti.size(), 1u);
    const MessaggioVisto& m = messaggi().visti[0];
    EXPECT_EQ(m.stile, vbInformation);
    EXPECT_EQ(m.titolo, "Velmor: aiuto in linea");
    const QStringList righe = m.testo.split(QChar('\r'));
    EXPECT_GE(righe.size(), 5);
    for (const QString& riga : righe)
        EXPECT_TRUE(riga.startsWith("- ")) << riga.toStdString();
    EXPECT_TRUE(m.testo.contains("pulsante Controllo"));
    EXPECT_FALSE(m.testo.contains('\n'));

    // The heading shows the decree's formulas.
    QTest::mouseClick(s.intestazione, Qt::LeftButton);
    ASSERT_TRUE(finestre::caricata("guidaformule"));
    EXPECT_TRUE(finestre::trova("guidaformule")->isVisible());
}

TEST_F(SismicaComandi, MenuEBarra)
{
    auto& s = finestra();
    const QList<QAction*> file = s.barraMenu()->actions().at(0)->menu()->actions();
    QStringList voci;
    for (QAction* a : file)
        voci << (a->isSeparator() ? "-" : a->text());
    EXPECT_EQ(voci, (QStringList{"&Apri...", "-", "&Salva con nome...", "-", "&Elimina...", "-", "Es&ci"}));
    EXPECT_EQ(s.voce("finestra")->text(), QString(123, ' ') + "Fi&nestra n.3 di 7");
    EXPECT_TRUE(s.voce("fin3")->isChecked());
    EXPECT_TRUE(s.Toolbar1->Buttons(9)->isChecked());

    // Its own item of the window menu offers its help.
    messaggi().risposte = {vbNo};
    s.voce("fin3")->trigger();
    ASSERT_EQ(messaggi().visti.size(), 1u);
    EXPECT_EQ(messaggi().visti[0].testo, "E' questa la finestra 'Verifica sismica': si vuole la guida della finestra?");

    // Exit asks first; No keeps everything loaded.
    messaggi().visti.clear();
    messaggi().risposte = {vbNo};
    s.cmdesci->click();
    ASSERT_EQ(messaggi().visti.size(), 1u);
    EXPECT_EQ(messaggi().visti[0].testo, "Vuoi uscire da Velmor?");
    messaggi().risposte = {vbNo};
    file.last()->trigger();
    EXPECT_EQ(messaggi().visti.size(), 2u);
    EXPECT_TRUE(finestre::caricata("sismica"));
}

TEST_F(SismicaComandi, LaRigaDeiSuggerimentiChiedeIlDatoSeguente)
{
    auto& s = finestra();
    EXPECT_TRUE(s.passo->text().contains("riferimento")) << s.passo->text().toStdString();
    digita(campo::riferimento, "A");
    EXPECT_TRUE(s.passo->text().contains("materiale"));
    digita(campo::materiale, "acciaio");
    EXPECT_TRUE(s.passo->text().contains("peso specifico"));
    digitaTuboCompleto();
    EXPECT_TRUE(s.passo->text().contains("esito"));
    digita(campo::spess, "0");  // complete, but the check cannot run
    EXPECT_TRUE(s.passo->text().contains("spessore"));
    EXPECT_TRUE(s.esito->text().isEmpty());
    s.VScroll1->setValue(4);
    EXPECT_TRUE(s.passo->text().startsWith("Tubo n.4:"));
}

}  // namespace

namespace {

// A word in a numeric field (as a file made elsewhere may bring it): no verdict,
// and the check, silent or not, stops on it naming the field.
TEST_F(SismicaComandi, UnaParolaInUnCampoNumericoFermaIlControllo)
{
    auto& s = finestra();
    digitaTuboCompleto();
    ModVelmor::pesos[1] = Valore("pesante");
    s.VScroll1_Change();
    EXPECT_TRUE(s.esito->text().isEmpty());
    messaggi().visti.clear();
    ModVelmor::erroredati = Valore(1);
    s.controlla_click();
    ASSERT_EQ(messaggi().visti.size(), 1u);
    EXPECT_TRUE(messaggi().visti[0].testo.startsWith("Tubo n.1: il dato 'peso specifico del tubo' non è un numero"));
    EXPECT_EQ(ModVelmor::erroredati, Valore(1));
}

} // namespace
