// The report's network section: the page breaks of the printed table, the
// printed rows and their alignment, the document's tables and their cells.
#include "relazione_prova.h"

#include "frame/ModVelmor.h"
#include "frame/test_valori_locale.h"
#include "report/relazionerete.h"

#include <gtest/gtest.h>

using namespace ModVelmor;
using namespace relazione;

namespace {

TEST(TabellaRete, InterruzioniContateDallaPrimaPaginaDellaTabella)
{
    struct Caso {
        int righe, tratti, pagina, prima;
        bool interrompe;
    };
    // The table may begin on any page: its first page holds 40 rows, the others 85.
    const Caso casi[] = {
        {40, 300, 4, 4, true}, {40, 300, 5, 5, true}, {39, 300, 4, 4, false}, {40, 300, 5, 4, false},
        {85, 300, 5, 4, true}, {85, 300, 4, 4, false}, {40, 40, 4, 4, false}, {85, 85, 6, 4, false},
    };
    for (const Caso& c : casi)
        EXPECT_EQ(interruzioneRete(c.righe, c.tratti, c.pagina, c.prima), c.interrompe)
            << c.righe << " righe, pagina " << c.pagina << " di " << c.prima;
}

TEST(TabellaRete, TabelleDelDocumento)
{
    // 25 segments in the first table, 57 in each further one.
    const std::pair<int, int> casi[] = {{1, 1}, {25, 1}, {26, 2}, {82, 2}, {83, 3}, {481, 9}, {482, 10}, {500, 10}};
    for (const auto& [tratti, tabelle] : casi)
        EXPECT_EQ(tabelleRete(tratti), tabelle) << tratti;
}

TEST(TabellaRete, IntestazioneSulleAncoreDelleColonne)
{
    EXPECT_EQ(intestazioneRete().size(), 108);
    EXPECT_EQ(unitaRete().size(), 106);
    // Printed from column 6, each code starts where its column does.
    const std::pair<const char*, int> codici[] = {
        {"tratto", 6}, {"lungh.", 13}, {"disl.", 21}, {"bac.", 27},    {"pend.", 32},   {"acq.", 38},
        {"sup.", 44},  {"dotaz.", 49}, {"abit.", 57}, {"port.c.", 63}, {"port.s.", 71}, {"port.p.", 80},
        {"port.t.", 89}, {"diam.", 97}, {"vel.", 104}, {"sez.", 110}};
    for (const auto& [codice, colonna] : codici)
        EXPECT_EQ(intestazioneRete().indexOf(QString::fromUtf8(codice)) + 6, colonna) << codice;
}

class CelleRete : public ConRipristino {};

TEST_F(CelleRete, SchemiSulNumeroInizialeOSulValoreTenuto)
{
    const LocaleFissato locale(italiano());
    lunghezza[7] = Valore("12.345");       // 15-digit form 12.3450...: half away from zero
    dislivello[7] = Valore("-1.5");
    numerosuperficie[7] = Valore(4);
    pendenza[7] = Valore("18.5%");         // not a number: passes the pattern as it is
    pioggia[7] = Valore("40");
    superficie[7] = Valore("abc");         // leading number 0
    dotazione[7] = Valore("250");
    abitanti[7] = Valore("300");
    portatacollettori[7] = Valore("2.25 l/s");
    portatanera[7] = Valore(0.5);
    portatapioggia[7] = Valore(1234.56);
    velocita[7] = Valore(1.2345);
    diametro[7] = Valore(40);
    riempimento[7] = Valore(100);
    const QStringList attese = {"7",     "12,35", "-1,50", "4", "18.5%", "40",     "0,00", "250",
                                "300",   "2,3",   "0,5",   "1234,6", "", "40", "1,23", "100"};
    EXPECT_EQ(celleTratto(7), attese);
}

class RelazioneRete : public ConRelazione {};

TEST_F(RelazioneRete, StampaOgniTrattoUnaVoltaSottoLIntestazione)
{
    struct Caso {
        int tratti;
        const char* sistema;
        int tubi;
    };
    const Caso casi[] = {{10, "misto", 0}, {40, "bianche", 0}, {40, "misto", 0}, {40, "bianche", 2},
                         {40, "misto", 2}, {500, "nere", 0}};
    for (const Caso& c : casi) {
        SCOPED_TRACE(QStringLiteral("%1 tratti %2, %3 tubi").arg(c.tratti).arg(c.sistema).arg(c.tubi).toStdString());
        ripristina();
        rete(c.tratti, c.sistema);
        tubi(c.tubi);
        const office::SuperficieRegistrata& s = stampa();
        EXPECT_EQ(difettiPagine(s), QStringList());

        const auto tabella = tratto(s, QStringLiteral("DATI E DIMENSIONAMENTO DELLA RETE"));
        const auto righeRete = righe(tratto(s, QStringLiteral("DATI E DIMENSIONAMENTO DELLA RETE"),
                                            QStringLiteral("VERIFICA SISMICA TUBI INTERRATI")),
                                     9);
        ASSERT_EQ(numeri(righeRete), daUnoA(c.tratti));
        EXPECT_EQ(pagineSenzaIntestazione(tabella, righeRete, intestazioneRete()), QStringList());

        // With pipes the seismic chapter opens the next page; without, the
        // closing follows the last row.
        const auto sismica = tratto(s, QStringLiteral("VERIFICA SISMICA TUBI INTERRATI"));
        const auto chiusura = tratto(s, QStringLiteral("La presente relazione è composta di n."));
        ASSERT_FALSE(chiusura.empty());
        if (c.tubi > 0) {
            ASSERT_FALSE(sismica.empty());
            EXPECT_EQ(sismica.front().pagina, righeRete.back().pagina + 1);
            EXPECT_EQ(sismica.front().y, 1000);
        } else {
            EXPECT_TRUE(sismica.empty());
            EXPECT_LE(chiusura.front().pagina - righeRete.back().pagina, 1);
        }
    }
}

TEST_F(RelazioneRete, ValoriAllineatiSulSeparatore)
{
    rete(3, "misto");
    dislivello[1] = Valore("-1.5");
    pendenza[2] = Valore("18.5%");
    dislivello[3] = Valore("12.25");
    const office::SuperficieRegistrata& s = stampa();
    const auto riga = [&s](int tratto) {
        std::vector<office::ScrittaRegistrata> scritte;
        const auto tutte = ::tratto(s, QStringLiteral("DATI E DIMENSIONAMENTO DELLA RETE"));
        const auto r = righe(tutte, 9);
        for (const office::ScrittaRegistrata& x : tutte)
            if (x.pagina == r.at(tratto - 1).pagina && x.y == r.at(tratto - 1).y)
                scritte.push_back(x);
        return scritte;
    };
    const auto colonnaDelTesto = [&](int tratto, const QString& testo) {
        for (const office::ScrittaRegistrata& x : riga(tratto))
            if (x.testo == testo)
                return colonnaDi(x);
        return 0;
    };
    // A typed text puts its separator on the anchor (23), a negative one a
    // column further right: its width counts the digits only.
    EXPECT_EQ(colonnaDelTesto(3, "12.25"), 21);
    EXPECT_EQ(colonnaDelTesto(2, "1.5"), 22);
    EXPECT_EQ(colonnaDelTesto(1, "-1.5"), 22);
    // The slope class is cut to its limit, from column 32.
    EXPECT_EQ(colonnaDelTesto(1, " 5.0"), 32);
    EXPECT_EQ(colonnaDelTesto(2, "18.5"), 32);
    // Numbers the program set: the fill percentage's units digit on column 113.
    EXPECT_EQ(colonnaDelTesto(1, " 100 "), 110);
}

TEST_F(RelazioneRete, DocumentoATabelleDiCapienzaFissa)
{
    struct Caso {
        int tratti, tubi;
    };
    const Caso casi[] = {{10, 0}, {25, 0}, {26, 2}, {500, 0}};
    for (const Caso& c : casi) {
        SCOPED_TRACE(QStringLiteral("%1 tratti, %2 tubi").arg(c.tratti).arg(c.tubi).toStdString());
        ripristina();
        // "nere": the network legend is the document's first table.
        rete(c.tratti, "nere");
        tubi(c.tubi);
        const lettura::Documento d = word();
        ASSERT_TRUE(d.valido);
        const int tabelle = tabelleRete(c.tratti);
        ASSERT_EQ(d.tabelle.size(), 1 + tabelle + (c.tubi > 0 ? 3 : 0));
        EXPECT_EQ(d.tabelle[0].righe.size(), 17);

        int tratto = 1;
        for (int t = 1; t <= tabelle; ++t) {
            const lettura::Tabella& tab = d.tabelle[t];
            ASSERT_EQ(tab.righe.size(), t == 1 ? 27 : 59);
            EXPECT_EQ(tab.testo(1, 16), "sez.");
            EXPECT_EQ(tab.testo(2, 6), "mm/h");
            for (int r = 3; r <= int(tab.righe.size()); ++r, ++tratto)
                EXPECT_EQ(tab.testo(r, 1), tratto <= c.tratti ? QString::number(tratto) : QString())
                    << "tabella " << t << " riga " << r;
            // The end pass found every network table.
            for (int col = 1; col <= 16; ++col)
                EXPECT_EQ(tab.primo(3, col).allineamento, "right") << "tabella " << t << " colonna " << col;
        }

        // After each table the new current paragraph, then ten empty
        // paragraphs before the next network table; nine before the seismic
        // chapter, which opens with a new paragraph of its own.
        const auto vuotiDopo = [&d](int tabella) {
            int vuoti = 0;
            for (qsizetype i = d.ordine.indexOf(QStringLiteral("T:%1").arg(tabella)) + 1;
                 i < d.ordine.size() && d.ordine[i] == "P:"; ++i)
                ++vuoti;
            return vuoti;
        };
        for (int t = 1; t < tabelle; ++t)
            EXPECT_EQ(vuotiDopo(t), 1 + 10) << "dopo la tabella " << t + 1;
        if (c.tubi > 0) {
            EXPECT_EQ(vuotiDopo(tabelle), 1 + 9 + 1);
        }
    }
}

} // namespace
