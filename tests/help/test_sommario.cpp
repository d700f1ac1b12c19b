// The help index: every topic opens its window, a label opens its topic on the
// button going down, and the label under the pointer is the only bold one.
#include "supporto/doppi.h"

#include "frame/finestraprincipale.h"
#include "frame/finestre.h"
#include "help/finestraguida.h"
#include "help/guidaformule.h"
#include "help/sommario.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using Sommario = ConRipristino;

sommario& indice()
{
    finestre::mostra(QString::fromUtf8(sommario::NOME));
    return finestre::forma<sommario>();
}

QStringList grassetti(const sommario& s)
{
    QStringList bold;
    for (int k = 1; k <= sommario::argomenti; ++k)
        if (s.lbl[k]->font().bold())
            bold << QString::number(k);
    return bold;
}

TEST_F(Sommario, OgniArgomentoApreLaSuaFinestra)
{
    // The windows built elsewhere (terms of use, price list) are reached by name.
    const struct {
        int argomento;
        const char* finestra;
    } casi[] = {{1, "manuale"},         {2, "guidafunzionamento"}, {3, "guidaarchivio"}, {4, "guidastampa"},
                {5, "guidadati"},       {6, "guidapluviometrici"}, {7, "guidasismica"},  {8, "guidanorme"},
                {9, "guidanorme"},      {10, "guidanorme"},        {11, "guidafrontespizio"}, {12, "guidaformule"},
                {13, "frmTip"},         {14, "licenza"},           {15, "prodotti"},     {0, "manuale"},
                {16, "manuale"}};
    auto& s = indice();
    for (const auto& c : casi) {
        EXPECT_EQ(sommario::destinazione(c.argomento), c.finestra) << c.argomento;
        if (Finestra* f = finestre::trova(c.finestra))
            f->Hide();
        if (c.argomento >= 1 && c.argomento <= sommario::argomenti)
            s.puls[c.argomento]->click();
        else
            s.puls_Click(c.argomento);
        ASSERT_TRUE(finestre::caricata(c.finestra)) << c.argomento;
        EXPECT_TRUE(finestre::trova(c.finestra)->isVisible()) << c.argomento;
    }
    // topics 8 to 10 share one page: one window loaded under that name
    EXPECT_EQ(finestre::nomiCaricate().count("guidanorme"), 1);
}

TEST_F(Sommario, OgniFinestraPrincipaleApreLaSuaPagina)
{
    const struct {
        const char* finestra;
        const char* pagina;
    } casi[] = {{"dati", "guidadati"}, {"pluviometrici", "guidapluviometrici"}, {"sismica", "guidasismica"},
                {"frontespizio", "guidafrontespizio"}};
    for (const auto& c : casi) {
        auto* principale = qobject_cast<FinestraPrincipale*>(finestre::usa(c.finestra));
        ASSERT_NE(principale, nullptr) << c.finestra;
        principale->finestra_Click();
        principale->guida_Click();
        auto* pagina = qobject_cast<finestraguida*>(finestre::trova(c.pagina));
        ASSERT_NE(pagina, nullptr) << c.finestra;
        EXPECT_TRUE(pagina->isVisible()) << c.finestra;
        EXPECT_TRUE(finestre::trova("sommario")->isVisible()) << c.finestra;
    }
}

TEST_F(Sommario, PremereUnaVoceLaAprePrimaDelRilascio)
{
    auto& s = indice();
    QTest::mousePress(s.lbl[5], Qt::RightButton);
    EXPECT_EQ(s.lbl[5]->frameShape(), QFrame::NoFrame);
    ASSERT_TRUE(finestre::caricata("guidadati"));
    EXPECT_TRUE(finestre::trova("guidadati")->isVisible());
    QTest::mouseRelease(s.lbl[5], Qt::RightButton);
    EXPECT_EQ(s.lbl[5]->frameShape(), QFrame::Box);
}

TEST_F(Sommario, SoloLaVoceSottoIlPuntatoreEInGrassetto)
{
    auto& s = indice();
    QTest::mouseMove(s.lbl[3]);
    EXPECT_EQ(grassetti(s), QStringList{"3"});
    QTest::mouseMove(s.lbl[4]);
    EXPECT_EQ(grassetti(s), QStringList{"4"});
    QTest::mouseMove(s.cmdchiudi); // a button changes nothing
    EXPECT_EQ(grassetti(s), QStringList{"4"});
    QTest::mouseMove(s.area(), QPoint(5, 5));
    EXPECT_EQ(grassetti(s), QStringList{});

    // closing hides: the same instance comes back as it was
    QTest::mouseMove(s.lbl[7]);
    s.cmdchiudi->click();
    EXPECT_FALSE(s.isVisible());
    finestre::mostra("sommario");
    EXPECT_EQ(&finestre::forma<sommario>(), &s);
    EXPECT_EQ(grassetti(s), QStringList{"7"});
}

TEST_F(Sommario, LeFormuleRiapronoDallAngoloInAltoASinistra)
{
    auto& s = indice();
    auto& f = finestre::forma<guidaformule>();
    EXPECT_EQ(f.Image1->pos(), QPoint(0, 600 / 15)); // at load the picture stands where designed
    f.HScroll1->triggerAction(QAbstractSlider::SliderSingleStepSub); // 7000 to 6900
    f.VScroll1->triggerAction(QAbstractSlider::SliderPageStepSub);   // 11000 to 10600
    EXPECT_EQ(f.Image1->pos(), QPoint(-460, -707)); // -6900 and -10600 twips in pixels
    s.puls[12]->click();
    EXPECT_EQ(f.Image1->pos(), QPoint(0, 200 / 15)); // left -1 twip rounds to pixel 0
    EXPECT_TRUE(f.isVisible());
}

} // namespace
