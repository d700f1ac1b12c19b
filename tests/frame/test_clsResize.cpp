// The resizer: recording, sizing to the screen, proportional rescaling.
#include "supporto/doppi.h"

#include "frame/clsResize.h"
#include "frame/finestra.h"
#include "frame/twips.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <gtest/gtest.h>

using namespace doppi;

namespace {

class Prova : public Finestra {
public:
    Prova() : Finestra("prova"), etichetta(new QLabel("x")), elenco(new QComboBox)
    {
        setWidth(9600);
        setHeight(6825);
        piazza(etichetta, 840, 960, 6495, 375);
        piazza(elenco, 600, 3000, 3000, 315);
    }
    QLabel* etichetta;
    QComboBox* elenco;
};

TEST(clsResize, RiscalaInProporzioneAlleDimensioniRegistrate)
{
    Prova f;
    const QRect progetto = f.etichetta->geometry();
    EXPECT_EQ(progetto, twips::rettangolo(840, 960, 6495, 375));
    const int w0 = f.ScaleWidth(), h0 = f.ScaleHeight();

    clsResize r;
    r.SourceForm(&f);
    r.ResizeControls(); // first use: records only
    EXPECT_TRUE(r.registrato());
    EXPECT_EQ(f.etichetta->geometry(), progetto);

    f.resize(f.width() * 2, f.height() + h0 / 2); // inner: twice as wide, 1.5 times as high
    r.ResizeControls();
    EXPECT_EQ(f.ScaleWidth(), 2 * w0);
    const double ry = double(f.ScaleHeight()) / h0;
    const QRect atteso(std::lround(progetto.x() * 2.0), std::lround(progetto.y() * ry), std::lround(progetto.width() * 2.0),
                       std::lround(progetto.height() * ry));
    EXPECT_EQ(f.etichetta->geometry(), atteso);

    // Back to the design size, back to the design rectangle: scaling starts from the record.
    f.setWidth(9600);
    f.setHeight(6825);
    r.ResizeControls();
    EXPECT_EQ(f.etichetta->geometry(), progetto);
}

TEST(clsResize, UnControlloCheRifiutaLAltezzaLaConserva)
{
    Prova f;
    const int altezza = f.elenco->height();
    clsResize r;
    r.SourceForm(&f);
    r.ResizeControls();
    f.resize(f.width() * 2, f.height() * 2);
    r.ResizeControls();
    EXPECT_EQ(f.elenco->height(), altezza);
    EXPECT_EQ(f.elenco->width(), 2 * twips::inPixel(3000));
}

TEST(clsResize, IFontNonSonoScalati)
{
    // A control with a font of its own, as the windows' headings have: the
    // resizer triples its box and leaves the font as the window set it.
    Prova f;
    QFont grande = f.etichetta->font();
    grande.setPointSizeF(13.5);
    grande.setBold(true);
    f.etichetta->setFont(grande);
    const QFont prima = f.etichetta->font();
    const QRect progetto = f.etichetta->geometry();
    clsResize r;
    r.SourceForm(&f);
    r.ResizeControls();
    const int w0 = f.ScaleWidth(), h0 = f.ScaleHeight();
    f.resize(f.width() * 3, f.height() * 3);
    r.ResizeControls();
    EXPECT_EQ(f.etichetta->font(), prima);
    EXPECT_EQ(f.etichetta->width(), std::lround(progetto.width() * double(f.ScaleWidth()) / w0));
    EXPECT_EQ(f.etichetta->height(), std::lround(progetto.height() * double(f.ScaleHeight()) / h0));
    EXPECT_GT(f.etichetta->height(), 2 * progetto.height());
}

TEST(clsResize, DimensionaAllaPercentualeDelloSchermoCentrata)
{
    Prova f;
    const QRect progetto = f.etichetta->geometry();
    const int w0 = f.ScaleWidth();
    clsResize r;
    r.SourceForm(&f);
    r.SizeFormToScreen(75);
    const QRect schermo = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_EQ(f.width(), schermo.width() * 75 / 100);
    EXPECT_EQ(f.height(), schermo.height() * 75 / 100);
    EXPECT_EQ(f.x(), schermo.x() + (schermo.width() - f.width()) / 2);
    EXPECT_EQ(f.y(), schermo.y() + (schermo.height() - f.height()) / 2);
    EXPECT_EQ(f.etichetta->x(), std::lround(progetto.x() * double(f.ScaleWidth()) / w0));
}

TEST(clsResize, FinestraRidottaAIconaOSenzaControlliNonCambia)
{
    Prova f;
    clsResize r;
    r.SourceForm(&f);
    r.ResizeControls();
    const QRect prima = f.etichetta->geometry();
    f.setWindowState(Qt::WindowMinimized);
    f.resize(f.width() * 2, f.height() * 2);
    r.ResizeControls();
    EXPECT_EQ(f.etichetta->geometry(), prima);

    Finestra vuota("vuota");
    clsResize r2;
    r2.SourceForm(&vuota);
    r2.SizeFormToScreen(50); // must not fail with nothing to move
    r2.ResizeControls();
    EXPECT_TRUE(vuota.controlli().empty());
}

TEST(clsResize, ReInitialisePrendeComeRiferimentoLeDimensioniAttuali)
{
    Prova f;
    clsResize r;
    r.SourceForm(&f);
    r.ResizeControls();
    f.resize(f.width() * 2, f.height());
    r.ResizeControls();
    const QRect raddoppiato = f.etichetta->geometry();
    r.ReInitialise();
    r.ResizeControls();
    EXPECT_EQ(f.etichetta->geometry(), raddoppiato);
}

} // namespace
