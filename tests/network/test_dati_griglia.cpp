// The network grid as a user meets it: the scroll bar in reach and the wheel,
// values that show whole, tab along the row, values that are no numbers and
// fill percentages outside 10 to 100.
#include "supporto/doppi.h"

#include "frame/ModVelmor.h"
#include "frame/controlli.h"
#include "frame/finestre.h"
#include "frame/test_valori_locale.h"
#include "network/dati.h"
#include "network/tratti.h"
#include "archivi/archivi.h"

#include <QFile>
#include <QLineEdit>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>
#include <optional>

using namespace doppi;
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
    const std::pair<Tratti*, Valore> campi[] = {
        {&lunghezza, Valore("100")},       {&dislivello, Valore("1")},
        {&portatacollettori, Valore("0")}, {&tiposuperficie, Valore("viali inghiaiati")},
        {&numerosuperficie, Valore(8)},    {&coefsuperficie, Valore(0.22)},
        {&pendenza, Valore(" 5.0%")},      {&coefpendenza, Valore(0.0)},
        {&abitanti, Valore("10")},         {&dotazione, Valore("250")},
        {&superficie, Valore("1")},        {&pioggia, Valore("30")}};
    for (const auto& [tabella, valore] : campi)
        (*tabella)[1] = (*tabella)[2] = valore;
    sistema = QStringLiteral("misto");
    numerotratti = 2;
}

TEST_F(GrigliaDati, LaBarraSiVedeTuttaELaRotellaLaMuoveDiUnTrattoAScatto)
{
    d().Show();
    for (const QSize misura : {d().size(), QSize(900, 600), QSize(420, 300), QSize(1250, 500)}) {
        d().resize(misura);
        EXPECT_TRUE(d().area()->rect().contains(d().VScroll1->geometry())) << misura.width() << "x" << misura.height();
    }
    d().VScroll1->setValue(100);
    rotella(d().tiposup[3], -1); // towards the user: down the network
    EXPECT_EQ(primotratto, 101);
    EXPECT_EQ(d().tiposup[3]->currentIndex(), -1); // the combo box keeps its choice
    rotella(d().VScroll1, 2);
    EXPECT_EQ(d().VScroll1->value(), 99);
    rotella(&d(), 100); // over any other part of the grid
    EXPECT_EQ(d().VScroll1->value(), 1);
}

TEST_F(GrigliaDati, IValoriSiLegganoInteriNellaFormaDelLocale)
{
    d().Show();
    for (int r : {1, dati::righe})
        for (const auto& [controllo, valore] : d().valoriPiuLarghi(r))
            EXPECT_TRUE(controlli::contiene(controllo, valore)) << valore.toStdString() << " riga " << r;
    for (int c = 0; c < d().pend[1]->count(); ++c) // the slope classes are numbers too
        EXPECT_TRUE(controlli::contiene(d().pend[1], d().pend[1]->itemText(c))) << c;
    // A value beyond the widest shows its leading digits, and whole in the tooltip.
    lunghezza[1] = Valore("123456789.25");
    d().VScroll1_Change();
    EXPECT_EQ(d().lungh[1]->cursorPosition(), 0);
    EXPECT_EQ(d().lungh[1]->toolTip(), "123456789.25");

    const LocaleFissato fissato(italiano());
    dueTratti();
    d().VScroll1_Change();
    // 10 inhabitants at 250 l: 0.8 x 250 x 2.25 x 10 / 57600 = 0.078 l/s
    EXPECT_EQ(d().portnera[1]->text(), "0,08");
}

TEST_F(GrigliaDati, IlTabScorreLaRigaDaSinistraADestra)
{
    const auto& x = d();
    const std::vector<QWidget*> ordine = {x.lungh[1], x.disl[1],   x.portc[1], x.tiposup[1], x.pend[1], x.abit[1],
                                          x.dotaz[1], x.superf[1], x.piog[1],  x.riemp[1],   x.lungh[2]};
    for (std::size_t i = 0; i + 1 < ordine.size(); ++i) {
        QWidget* dopo = ordine[i]->nextInFocusChain();
        while (!(dopo->focusPolicy() & Qt::TabFocus))
            dopo = dopo->nextInFocusChain();
        EXPECT_EQ(dopo, ordine[i + 1]) << i;
    }
}

TEST_F(GrigliaDati, DatiCheNonSonoNumeriERiempimentiFuoriMisura)
{
    const char* fuori =
        "- la percentuale della sezione occupata dalle acque ('sez.') deve essere un numero da 10 a 100.";
    const LocaleFissato fissato(italiano()); // the flow in a message as the grid shows it
    const char* numero = " non è un numero: digitare un numero con il punto per i decimali (ad esempio 12.5).";
    const struct {
        Tratti* campo;
        Valore valore;
        QString riga; // the check's line for segment 2; "" when the data are correct
    } casi[] = {
        {&lunghezza, Valore("100 metri"), QString("- il dato della lunghezza ('100 metri')") + numero},
        {&dislivello, Valore("1,5"), QString("- il dato del dislivello ('1,5')") + numero},
        {&dislivello, Valore(" "), "- manca il dato del dislivello."}, // blanks alone: nothing typed yet
        // Values the sizing refuses: no pipe, so never complete.
        {&lunghezza, Valore("-100"), "- la lunghezza deve essere maggiore di zero (ora è -100)."},
        {&lunghezza, Valore(0), "- la lunghezza deve essere maggiore di zero (ora è 0)."},
        {&dislivello, Valore("0.0"),
         "- il dislivello è zero: senza pendenza il tubo del tratto non si può dimensionare."},
        // 0.22 x 1 ha x 30 mm/h x 10000 / 3600 = 18.333 + 0.078 foul + 1000000 from the collectors:
        // more than a 500 cm pipe carries at a slope of 1 %.
        {&portatacollettori, Valore("1000000"),
         "- nessun tubo fino a 500 cm di diametro porta la portata totale di 1000018,41 l/s: controllare i dati "
         "del tratto."},
        {&coefsuperficie, Valore("alto"), "- scegliere il tipo di superficie del bacino."},
        {&riempimento, Valore(0), fuori},
        {&riempimento, Valore("9.9"), fuori},
        {&riempimento, Valore(150), fuori},
        {&riempimento, Valore("mezzo"), fuori},
        {&riempimento, Valore(10), ""},
        {&riempimento, Valore("100"), ""},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.valore.testo().toStdString());
        ripristina();
        dueTratti();
        (*c.campo)[2] = c.valore;
        tratti::contatratti(); // as typing does: a length not above zero leaves the count
        d().VScroll1_Change();
        d().controlla_click();
        ASSERT_FALSE(messaggi().visti.empty());
        const QString atteso =
            !c.riga.isEmpty() ? "Tratto n. 2:\r" + c.riga : QStringLiteral("I dati sono stati immessi correttamente.");
        EXPECT_EQ(messaggi().visti.back().testo, atteso);
        EXPECT_EQ(diametro[2].eNumero(), c.riga.isEmpty()); // complete exactly when sized
        EXPECT_EQ(d().passo->text().startsWith("Dati completi"), c.riga.isEmpty()) << d().passo->text().toStdString();
    }
}

// The hint line shows its whole text, the longest lines the check gives included: in a smaller
// font when the label's own would cut it at the top and bottom, never below the least size.
TEST_F(GrigliaDati, IlSuggerimentoSiLeggeTutto)
{
    const QString parola = QStringLiteral("portata dei collettori secondari"); // past the 30 shown
    const struct {
        Tratti* campo;
        Valore valore;
        std::optional<bool> piccolo; // drawn smaller than the label's own font (either, by the fonts)
    } casi[] = {
        {&portatacollettori, Valore("0"), false},           // "Dati completi: …"
        {&portatacollettori, Valore(parola), true},         // a word where a number goes
        {&portatacollettori, Valore("1000000"), {}},        // no pipe carries the flow
        {&pioggia, Valore(), {}},                           // the longest missing-value line
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.valore.testo().toStdString());
        ripristina();
        dueTratti();
        (*c.campo)[2] = c.valore;
        d().VScroll1_Change();
        const controlli::EtichettaAdattata* passo = d().passo;
        const QFont carattere = passo->carattereMostrato();
        const QRect area = passo->areaTesto();
        const int disposizione = int(passo->alignment()) | Qt::TextWordWrap;
        EXPECT_TRUE(area.contains(QFontMetrics(carattere).boundingRect(area, disposizione, passo->text())))
            << passo->text().toStdString();
        EXPECT_GE(carattere.pointSizeF(), controlli::EtichettaAdattata::carattereMinimo);
        if (c.piccolo) {
            EXPECT_EQ(carattere.pointSizeF() < passo->font().pointSizeF(), *c.piccolo) << passo->text().toStdString();
        }
    }
}

// The grid has no row for a 501st segment: the hint says the network is full instead of asking for one.
TEST_F(GrigliaDati, ACinquecentoTrattiIlSuggerimentoNonNeChiedeUnAltro)
{
    dueTratti();
    for (Tratti* campo : campitratto())
        for (int t = 3; t <= massimotratti; ++t)
            (*campo)[t] = (*campo)[1];
    for (const bool pieno : {true, false}) {
        lunghezza[massimotratti] = pieno ? lunghezza[1] : Valore();
        tratti::contatratti();
        d().VScroll1_Change();
        EXPECT_EQ(d().passo->text().contains("raggiunto i 500 tratti"), pieno);
        EXPECT_EQ(d().passo->text().contains("digitare un altro tratto"), !pieno);
    }
}

TEST_F(GrigliaDati, UnRiempimentoFuoriMisuraSiDiceLasciandoLaCasella)
{
    dueTratti();
    d().Show();
    messaggi().visti.clear();
    QLineEdit* sez = d().riemp[1];
    sez->selectAll();
    QTest::keyClicks(sez, "150");
    EXPECT_TRUE(messaggi().visti.empty()); // not while typing: "1" may become "10"
    EXPECT_TRUE(d().diam[1]->text().isEmpty());
    QTest::keyClick(sez, Qt::Key_Return);
    ASSERT_EQ(messaggi().visti.size(), 1u);
    EXPECT_TRUE(messaggi().visti[0].testo.startsWith("Tratto n.1:\r- la percentuale"));
}

TEST_F(GrigliaDati, RiaprireUnFileAGrigliaScorsaAvvisaUnaVolta)
{
    dueTratti();
    dislivello[1] = Valore("x");
    dislivello[2] = Valore("y");
    QTemporaryDir cartella;
    QFile file(cartella.filePath("Velmor-dati-prova"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(archivi::componi(archivi::Tipo::dati, QStringList(7, QStringLiteral("t"))));
    file.close();

    d().VScroll1->setValue(11);
    messaggi().visti.clear();
    dialoghi().file_ = {file.fileName()};
    d().apri_Click();
    EXPECT_EQ(d().VScroll1->value(), 1);
    ASSERT_EQ(messaggi().visti.size(), 1u); // one for the two rows, and one refresh
    EXPECT_TRUE(messaggi().visti[0].testo.contains("non sono interpretabili"));
}

} // namespace
