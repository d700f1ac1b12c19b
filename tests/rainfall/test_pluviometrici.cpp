// The rainfall window: one row per zone of the shipped file, 60 minutes at
// load, the rain recomputed when a duration changes.
#include "supporto/doppi.h"

#include "frame/controlli.h"
#include "frame/finestre.h"
#include "help/pagine.h"
#include "rainfall/pluviometrici.h"

#include <QLabel>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

using namespace doppi;
using namespace pioggia;

namespace {

using FinestraPioggia = ConRipristino;

TEST_F(FinestraPioggia, OgniZonaASessantaMinutiAllApertura)
{
    auto& p = finestre::forma<pluviometrici>();
    EXPECT_EQ(p.Caption(), "Velmor: dati pluviometrici");
    EXPECT_TRUE(messaggi().visti.empty()); // the shipped file reads
    ASSERT_FALSE(p.zone.isEmpty());
    ASSERT_EQ(p.righe.size(), std::size_t(p.zone.size()));
    for (int i = 0; i < p.zone.size(); ++i) {
        EXPECT_EQ(p.durata(i), 60);
        EXPECT_EQ(p.righe[i].durata->text(), "60 min");
        EXPECT_EQ(p.righe[i].altezza->text(), QString::number(altezzaPioggia(p.zone[i], 60), 'f', 1));
        // Over one hour the mean intensity equals the depth.
        EXPECT_EQ(p.righe[i].intensita->text(), p.righe[i].altezza->text());
        EXPECT_TRUE(p.righe[i].zona->toolTip().contains("http"));
        // The equation is numbers: it shows whole, and so do the widest duration and rains.
        EXPECT_EQ(p.righe[i].equazione->text(), p.righe[i].equazione->testo());
        for (const auto& [casella, valore] : {std::pair<QLabel*, const char*>{p.righe[i].durata, "1440 min"},
                                              {p.righe[i].altezza, "9999.9"},
                                              {p.righe[i].intensita, "9999.9"}})
            EXPECT_TRUE(controlli::contiene(casella, valore)) << valore;
    }
}

TEST_F(FinestraPioggia, CambiandoLaDurataSiRicalcola)
{
    auto& p = finestre::forma<pluviometrici>();
    ASSERT_FALSE(p.righe.empty());
    ASSERT_GT(p.righe.size(), std::size_t(1));
    // The shipped file's first zone, Arezzo: h = 25.0565 t^0.3130, t in hours.
    ASSERT_TRUE(p.zone[0].nome.startsWith("Arezzo"));
    p.righe[0].scorri->setValue(-180);
    EXPECT_EQ(p.righe[0].durata->text(), "180 min");
    // 3 h: 3^0.3130 = exp(0.3130 x 1.098612) = 1.410393; h = 25.0565 x 1.410393 = 35.339 mm;
    // the mean intensity 35.339 / 3 = 11.780 mm/h.
    EXPECT_EQ(p.righe[0].altezza->text(), "35.3");
    EXPECT_EQ(p.righe[0].intensita->text(), "11.8");
    EXPECT_EQ(p.righe[1].durata->text(), "60 min"); // the other rows keep theirs
}

TEST_F(FinestraPioggia, LaFrecciaInAltoAllungaLaPioggia)
{
    auto& p = finestre::forma<pluviometrici>();
    p.Show();
    ASSERT_FALSE(p.righe.empty());
    QScrollBar* barra = p.righe[0].scorri;
    const QPoint alto(barra->width() / 2, 2);
    const QPoint basso(barra->width() / 2, barra->height() - 3);
    QTest::mouseClick(barra, Qt::LeftButton, {}, alto);
    EXPECT_EQ(p.righe[0].durata->text(), "65 min");
    QTest::mouseClick(barra, Qt::LeftButton, {}, basso);
    QTest::mouseClick(barra, Qt::LeftButton, {}, basso);
    EXPECT_EQ(p.righe[0].durata->text(), "55 min");
}

// Curves of different return periods give rains that cannot be compared, and three
// curves are worked examples: each zone's description says its return period and where
// its curve comes from, and so does the window's help for every return period in the file.
TEST_F(FinestraPioggia, OgniCurvaDiceTempoDiRitornoEFonte)
{
    auto& p = finestre::forma<pluviometrici>();
    const struct {
        const char* zona;
        int anni;
        bool esempio;
    } attese[] = {
        {"Arezzo", 2, true},   {"Pragelato", 2, true}, {"Bacino del Chisone", 100, true}, {"Pescara", 20, false},
        {"L'Aquila", 20, false}, {"Teramo", 20, false}, {"Chieti", 20, false},          {"Sulmona", 20, false},
        {"Lanciano", 20, false}, {"Vasto", 20, false},
    };
    ASSERT_EQ(p.zone.size(), qsizetype(std::size(attese)));
    const QString guida = *guida::testoPagina("guidapluviometrici");
    for (int i = 0; i < p.zone.size(); ++i) {
        const auto& a = attese[i];
        SCOPED_TRACE(a.zona);
        ASSERT_TRUE(p.zone[i].nome.startsWith(QString::fromUtf8(a.zona)));
        const QString descrizione = p.righe[i].zona->toolTip();
        const QString anni = QString::number(a.anni) + " anni";
        EXPECT_TRUE(descrizione.contains("Tempo di ritorno: " + anni)) << qPrintable(descrizione);
        EXPECT_TRUE(descrizione.contains("non sono confrontabili"));
        EXPECT_TRUE(descrizione.contains("relazione tecnica"));
        EXPECT_EQ(descrizione.contains("esempio svolto"), a.esempio);
        EXPECT_TRUE(guida.contains(anni));
    }
}

} // namespace
