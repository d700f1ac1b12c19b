// What the main windows share: menu bar, toolbar dispatch, window menu,
// help commands and the colour command.
#include "finestre_prova.h"
#include "supporto/doppi.h"

#include "frame/ModVelmor.h"
#include "frame/barrastrumenti.h"
#include "frame/colori.h"
#include "frame/finestre.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace vb;

using namespace doppi;

namespace {

class Principale : public ConFinestreDiProva {
protected:
    PrincipaleProva& frontespizio() { return *static_cast<PrincipaleProva*>(finestre::usa("frontespizio")); }
};

TEST_F(Principale, DimensioniDiProgettoDopoIlCaricamento)
{
    auto& f = frontespizio();
    EXPECT_EQ(f.Width(), 9600);
    EXPECT_EQ(f.Height(), 6825);
    // At the design size the controls stand where they were designed.
    EXPECT_EQ(f.casella->geometry(), QRect(56, 104, 313, 19));
}

TEST_F(Principale, BarraDeiMenu)
{
    auto& f = frontespizio();
    const QList<QAction*> voci = f.barraMenu()->actions();
    ASSERT_EQ(voci.size(), 4);
    EXPECT_EQ(voci[0]->text(), "&File");
    EXPECT_EQ(voci[1]->text(), "&Modifica");
    EXPECT_EQ(voci[2]->text(), "&Visualizza");
    EXPECT_EQ(voci[3]->text(), "&?");
    EXPECT_EQ(f.voce("finestra")->text(), QString(123, ' ') + "Fi&nestra n.7 di 7");
    auto* angolo = qobject_cast<QToolButton*>(f.barraMenu()->cornerWidget(Qt::TopRightCorner));
    ASSERT_NE(angolo, nullptr); // shown at the right end of the bar
    EXPECT_EQ(angolo->text(), "Fi&nestra n.7 di 7");

    QStringList visualizza;
    for (QAction* a : voci[2]->menu()->actions())
        visualizza << (a->isSeparator() ? "-" : a->text());
    EXPECT_EQ(visualizza, (QStringList{"Finestra Dati", "-", "Finestra Dati pluviometrici", "Finestra Verifica sismica",
                                       "Finestra normativa - definizioni", "Finestra normativa - progetto di massima",
                                       "Finestra normativa - progetto esecutivo", "-", "Finestra Frontespizio"}));
    EXPECT_TRUE(f.voce("fin7")->isChecked());
    EXPECT_FALSE(f.voce("fin1")->isChecked());

    QStringList aiuto;
    for (QAction* a : voci[3]->menu()->actions())
        aiuto << (a->isSeparator() ? "-" : a->text());
    EXPECT_EQ(aiuto, (QStringList{"&Guida in linea", "&Suggerimenti...", "-", "Supporto &prodotto", "-",
                                  "&Informazioni su Velmor"}));
    QStringList modifica;
    for (QAction* a : voci[1]->menu()->actions())
        modifica << (a->isSeparator() ? "-" : a->text());
    EXPECT_EQ(modifica, (QStringList{"&Colore di sfondo", "-", "Controllo &dati immessi", "-", "C&ancella dati finestra"}));
}

TEST_F(Principale, PulsantiDellaBarra)
{
    auto& f = frontespizio();
    for (int i : {4, 6, 14, 19})
        EXPECT_TRUE(f.Toolbar1->Buttons(i)->isSeparator()) << i;
    EXPECT_EQ(f.Toolbar1->Buttons(1)->toolTip(), "apri file");
    EXPECT_EQ(f.Toolbar1->Buttons(9)->toolTip(), "visualizza finestra 'Verifica Sismica'");
    EXPECT_EQ(f.Toolbar1->Buttons(20)->toolTip(), "controllo dati immessi");
    EXPECT_EQ(f.Toolbar1->Buttons(22)->toolTip(), "uscita da Velmor");
    EXPECT_TRUE(f.Toolbar1->Buttons(13)->isChecked()); // the window's own button
    EXPECT_FALSE(f.Toolbar1->Buttons(7)->isChecked());
    f.Toolbar1->Buttons(13)->trigger();
    EXPECT_TRUE(f.Toolbar1->Buttons(13)->isChecked());
    EXPECT_EQ(f.Toolbar1->Buttons(0), nullptr);
    EXPECT_EQ(f.Toolbar1->Buttons(23), nullptr);
}

TEST_F(Principale, SmistamentoDeiPulsanti)
{
    auto& f = frontespizio();
    eventi().clear();
    for (int i : {1, 2, 3, 5, 20, 21, 0, 23, -4, 4})
        f.Toolbar1_ButtonClick(i);
    EXPECT_EQ(eventi(), (QStringList{"apri frontespizio", "salva frontespizio", "elimina frontespizio",
                                     "stampa frontespizio", "controllo frontespizio", "cancella frontespizio",
                                     "apri frontespizio", "apri frontespizio", "apri frontespizio"}));
}

TEST_F(Principale, PulsantiDelleFinestreMostranoLeFinestrePrincipali)
{
    auto& f = frontespizio();
    const char* nomi[] = {"dati", "pluviometrici", "sismica", "circolare", "circolare2", "circolare3"};
    for (int i = 7; i <= 12; ++i) {
        f.Toolbar1_ButtonClick(i);
        Finestra* mostrata = finestre::trova(nomi[i - 7]);
        ASSERT_NE(mostrata, nullptr) << i;
        EXPECT_TRUE(mostrata->isVisible()) << i;
    }
    EXPECT_TRUE(messaggi().visti.empty());
}

TEST_F(Principale, LaVoceDellaFinestraStessaChiedeSeSiVuoleLaGuida)
{
    auto& f = frontespizio();
    messaggi().risposte = {vbNo, vbYes};
    f.Toolbar1_ButtonClick(13);
    EXPECT_FALSE(finestre::caricata("guidafrontespizio"));
    f.voce("fin7")->trigger();
    ASSERT_EQ(messaggi().visti.size(), 2u);
    EXPECT_EQ(messaggi().visti[0].testo, "E' questa la finestra 'Prova frontespizio': si vuole la guida della finestra?");
    EXPECT_EQ(messaggi().visti[0].stile, vbYesNo + vbQuestion);
    EXPECT_EQ(messaggi().visti[0].titolo, "Velmor");
    EXPECT_TRUE(finestre::trova("guidafrontespizio")->isVisible());
}

TEST_F(Principale, LaVoceAllaDestraMostraLaGuidaSenzaChiedere)
{
    qobject_cast<QToolButton*>(frontespizio().barraMenu()->cornerWidget(Qt::TopRightCorner))->click();
    EXPECT_TRUE(messaggi().visti.empty());
    EXPECT_TRUE(finestre::trova("guidafrontespizio")->isVisible());
}

TEST_F(Principale, ComandiDiAiuto)
{
    auto& f = frontespizio();
    f.Toolbar1_ButtonClick(15);
    f.Toolbar1_ButtonClick(16);
    f.Toolbar1_ButtonClick(17);
    f.Toolbar1_ButtonClick(18);
    for (const char* nome : {"sommario", "frmTip", "supportoclienti", "informa"}) {
        ASSERT_TRUE(finestre::caricata(nome)) << nome;
        EXPECT_TRUE(finestre::trova(nome)->isVisible()) << nome;
    }
    EXPECT_EQ(finestre::trova("informa")->Caption(), "Informazioni su Velmor");
}

TEST_F(Principale, IlPulsanteDiUscitaChiedeConferma)
{
    auto& f = frontespizio();
    messaggi().risposte = {vbNo};
    f.Toolbar1_ButtonClick(22);
    ASSERT_EQ(messaggi().visti.size(), 1u);
    EXPECT_EQ(messaggi().visti[0].testo, "Vuoi uscire da Velmor?");
    EXPECT_TRUE(finestre::caricata("frontespizio"));
}

TEST_F(Principale, ColoreGrigioPerTutteLeFinestre)
{
    auto& f = frontespizio();
    finestre::usa("dati")->setBackColor(colori::rgb(10, 20, 30));
    messaggi().risposte = {vbYes};
    f.colorare_Click();
    ASSERT_EQ(messaggi().visti.size(), 1u);
    EXPECT_EQ(messaggi().visti[0].testo, "Colori uguali e riposanti (grigio) per tutte le finestre?");
    EXPECT_EQ(messaggi().visti[0].stile, vbYesNo);
    EXPECT_EQ(messaggi().visti[0].titolo, "Velmor: colore di sfondo");
    for (int k = 1; k <= 7; ++k) {
        Finestra* w = finestre::trova(QString::fromUtf8(ModVelmor::finestrePrincipali[k]));
        ASSERT_NE(w, nullptr) << k; // loaded to receive the colour
        EXPECT_EQ(w->BackColor(), colori::grigio) << k;
        if (k != 7) {
            EXPECT_FALSE(w->isVisible()) << k; // but not shown
        }
    }
    EXPECT_TRUE(dialoghi().coloriIniziali.empty());
}

TEST_F(Principale, ColoreScelto)
{
    auto& f = frontespizio();
    f.setBackColor(colori::rgb(128, 128, 128));
    messaggi().risposte = {vbNo};
    dialoghi().colori = {QColor(255, 0, 0)};
    f.colorare_Click();
    ASSERT_EQ(dialoghi().coloriIniziali.size(), 1u);
    EXPECT_EQ(dialoghi().coloriIniziali[0], QColor(128, 128, 128)); // starts from the window's colour
    EXPECT_EQ(f.BackColor(), 0x000000FFu);
    EXPECT_EQ(ModVelmor::coloresfondo, 0x000000FFu);
    EXPECT_FALSE(finestre::caricata("dati")); // no other window touched
}

TEST_F(Principale, ColoreAnnullatoTieneQuelloCheIlDialogoAvevaPrima)
{
    auto& f = frontespizio();
    f.setBackColor(colori::rgb(128, 128, 128));
    messaggi().risposte = {vbNo, vbNo};
    dialoghi().colori = {QColor(0, 0, 255), std::nullopt};
    f.colorare_Click();
    f.setBackColor(colori::rgb(1, 2, 3));
    f.colorare_Click(); // cancelled: the dialog still holds blue
    EXPECT_EQ(f.BackColor(), colori::rgb(0, 0, 255));
    EXPECT_EQ(ModVelmor::coloresfondo, colori::rgb(0, 0, 255));
}

TEST_F(Principale, FinestraGiaGrigiaApreSubitoIlDialogo)
{
    auto& f = frontespizio();
    f.setBackColor(colori::grigio);
    dialoghi().colori = {QColor(0, 128, 0)};
    f.colorare_Click();
    EXPECT_TRUE(messaggi().visti.empty());
    EXPECT_EQ(f.BackColor(), colori::rgb(0, 128, 0));
}

} // namespace
