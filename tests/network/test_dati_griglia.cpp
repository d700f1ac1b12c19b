// The network grid as a user meets it: the scroll bar in reach and the wheel,
// values that show whole, tab along the row, values that are no numbers and
// fill percentages outside 10 to 100.
#include "supporto/doppi.h"

#include "frame/ModVelmor.h"
#include "frame/controlli.h"
#include "frame/finestre.h"
#include "frame/test_valori_locale.h"
#include "network/dati.h"
#include "report/archivi.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

using namespace doppi;
using namespace vb;
using namespace ModVelmor;

namespace {

using GrigliaDati = ConRipristino;

dati& d()
{
    return finestre::forma<dati>();
}

// Turns the wheel over a widget by `scatti` notches (positive: away from the user).
void rotella(QWidget* w, int scatti)
{
    QWheelEvent evento(QPointF(5, 5), w->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, 120 * scatti), Qt::NoButton,
                       Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &evento);
}

// Two complete "misto" segments in the table, as a file would bring them.
void dueTratti()
{
    sistema = QStringLiteral("misto");
    for (int i = 1; i <= 2; ++i) {
        lunghezza[i] = Valore("100");
        dislivello[i] = Valore("1");
        portatacollettori[i] = Valore("0");
        tiposuperficie[i] = Valore("viali inghiaiati");
        numerosuperficie[i] = Valore(8);
        coefsuperficie[i] = Valore(0.22);
        pendenza[i] = Valore(" 5.0%");
        coefpendenza[i] = Valore(0.0);
        abitanti[i] = Valore("10");
        dotazione[i] = Valore("250");
        superficie[i] = Valore("1");
        pioggia[i] = Valore("30");
    }
    numerotratti = 2;
}

TEST_F(GrigliaDati, LaBarraSiVedeTuttaAOgniMisura)
{
    d().Show();
    for (const QSize misura : {d().size(), QSize(900, 600), QSize(420, 300), QSize(1250, 500)}) {
        d().resize(misura);
        EXPECT_TRUE(d().area()->rect().contains(d().VScroll1->geometry())) << misura.width() << "x" << misura.height();
    }
}

TEST_F(GrigliaDati, LaRotellaScorreUnTrattoAScatto)
{
    d().Show();
    d().VScroll1->setValue(100);
    rotella(d().tiposup[3], -1); // towards the user: down the network
    EXPECT_EQ(d().VScroll1->value(), 101);
    EXPECT_EQ(primotratto, 101);
    EXPECT_EQ(d().tiposup[3]->currentIndex(), -1); // the combo box keeps its choice
    rotella(d().VScroll1, 2);
    EXPECT_EQ(d().VScroll1->value(), 99);
    rotella(&d(), 3); // over any other part of the grid
    EXPECT_EQ(d().VScroll1->value(), 96);
    rotella(&d(), 100);
    EXPECT_EQ(d().VScroll1->value(), 1);
}

TEST_F(GrigliaDati, IlValorePiuLargoDiOgniCasellaSiLeggeIntero)
{
    d().Show();
    for (int r : {1, dati::righe}) {
        const auto coppie = d().valoriPiuLarghi(r);
        EXPECT_EQ(coppie.size(), 14);
        for (const auto& [controllo, valore] : coppie)
            EXPECT_TRUE(controlli::contiene(controllo, valore))
                << valore.toStdString() << " riga " << r << ": " << controllo->fontMetrics().horizontalAdvance(valore)
                << " px in " << controlli::spazioTesto(controllo);
    }
    // The slope classes are numbers too: every one shows whole.
    for (int c = 0; c < d().pend[1]->count(); ++c)
        EXPECT_TRUE(controlli::contiene(d().pend[1], d().pend[1]->itemText(c))) << c;
    // A value beyond the widest shows its leading digits, and whole in the tooltip.
    lunghezza[1] = Valore("123456789.25");
    d().VScroll1_Change();
    EXPECT_EQ(d().lungh[1]->cursorPosition(), 0);
    EXPECT_EQ(d().lungh[1]->toolTip(), "123456789.25");
}

TEST_F(GrigliaDati, IRisultatiColSeparatoreDelLocaleComeLaVerificaSismica)
{
    const LocaleFissato fissato(italiano());
    dueTratti();
    d().VScroll1_Change();
    // 100 m at 1 m, 10 inhabitants: foul flow 0.8 x 250 x 2.25 x 10 / 57600 = 0.078 -> "0,08" l/s
    EXPECT_EQ(d().portnera[1]->text(), "0,08");
    EXPECT_TRUE(d().vel[1]->text().contains(',')) << d().vel[1]->text().toStdString();
}

TEST_F(GrigliaDati, IlTabScorreLaRigaDaSinistraADestra)
{
    const auto& x = d();
    const std::vector<QWidget*> ordine = {x.lungh[1], x.disl[1],   x.portc[1], x.tiposup[1], x.pend[1], x.abit[1],
                                          x.dotaz[1], x.superf[1], x.piog[1],  x.riemp[1],   x.lungh[2]};
    const auto dopo = [](QWidget* w) { // the next widget the Tab key stops at
        do
            w = w->nextInFocusChain();
        while (!(w->focusPolicy() & Qt::TabFocus));
        return w;
    };
    for (std::size_t i = 0; i + 1 < ordine.size(); ++i)
        EXPECT_EQ(dopo(ordine[i]), ordine[i + 1]) << i;
}

TEST_F(GrigliaDati, DatiCheNonSonoNumeriERiempimentiFuoriMisura)
{
    struct Caso {
        Tratti* campo;
        Valore valore;
        const char* riga; // the check's line for segment 2; "" when the data are correct
    };
    const char* fuori =
        "- la percentuale della sezione occupata dalle acque ('sez.') deve essere un numero da 10 a 100.";
    const Caso casi[] = {
        {&lunghezza, Valore("100 metri"), "- digitare la lunghezza."},
        {&dislivello, Valore("uno"), "- manca il dato del dislivello."},
        {&abitanti, Valore("tanti"), "- digitare il numero massimo dei residenti nel bacino confluente."},
        {&coefsuperficie, Valore("alto"), "- scegliere il tipo di superficie del bacino."},
        {&riempimento, Valore(0), fuori},
        {&riempimento, Valore("9.9"), fuori},
        {&riempimento, Valore(150), fuori},
        {&riempimento, Valore("mezzo"), fuori},
        {&riempimento, Valore(10), ""},
        {&riempimento, Valore("100"), ""},
    };
    for (const Caso& c : casi) {
        ripristina();
        dueTratti();
        (*c.campo)[2] = c.valore;
        d().controlla_click();
        const QString testo = c.valore.testo();
        ASSERT_FALSE(messaggi().visti.empty()) << testo.toStdString();
        const MessaggioVisto& m = messaggi().visti.back();
        if (*c.riga) {
            EXPECT_EQ(m.testo, "Tratto n. 2:\r" + QString::fromUtf8(c.riga)) << testo.toStdString();
            EXPECT_EQ(m.stile, vbCritical);
            EXPECT_TRUE(d().diam[2]->text().isEmpty()) << testo.toStdString(); // nothing sized
        } else {
            EXPECT_EQ(m.testo, "I dati sono stati immessi correttamente.") << testo.toStdString();
            EXPECT_FALSE(d().diam[2]->text().isEmpty());
        }
    }
}

TEST_F(GrigliaDati, UnRiempimentoFuoriMisuraSiDiceLasciandoLaCasella)
{
    dueTratti();
    d().Show();
    messaggi().visti.clear();
    QLineEdit* sez = d().riemp[1];
    sez->setFocus();
    sez->selectAll();
    QTest::keyClicks(sez, "150");
    EXPECT_TRUE(messaggi().visti.empty()); // not while typing: "1" may become "10"
    EXPECT_TRUE(d().diam[1]->text().isEmpty());
    QTest::keyClick(sez, Qt::Key_Return);
    ASSERT_EQ(messaggi().visti.size(), 1u);
    EXPECT_TRUE(messaggi().visti[0].testo.startsWith("Tratto n.1:\r- la percentuale"));
    sez->selectAll();
    QTest::keyClicks(sez, "80");
    EXPECT_FALSE(d().diam[1]->text().isEmpty());
}

TEST_F(GrigliaDati, RiaprireUnFileAGrigliaScorsaAvvisaUnaVolta)
{
    dueTratti();
    dislivello[1] = Valore("x");
    dislivello[2] = Valore("y");
    QTemporaryDir cartella;
    const QString file = cartella.filePath("Velmor-dati-prova");
    QFile scritto(file);
    ASSERT_TRUE(scritto.open(QIODevice::WriteOnly));
    scritto.write(archivi::componi(archivi::Tipo::dati, QStringList(7, QStringLiteral("t"))));
    scritto.close();

    d().VScroll1->setValue(11);
    messaggi().visti.clear();
    dialoghi().file_ = {file};
    d().apri_Click();
    EXPECT_EQ(d().VScroll1->value(), 1);
    ASSERT_EQ(messaggi().visti.size(), 1u); // one for the two rows, and one refresh
    EXPECT_TRUE(messaggi().visti[0].testo.contains("non sono interpretabili"));
}

} // namespace
