// The nine help pages: each text is read from its file, keeps the facts the
// page must state, fits its label, and prints as a document of its own.
#include "supporto/ambienteprogramma.h"

#include "frame/finestre.h"
#include "help/finestraguida.h"
#include "help/pagine.h"

#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

using Pagine = AmbienteProgramma;

// What each page has to state, word for word, among the rest.
const struct {
    const char* pagina;
    QStringList fatti;
} pagine[] = {
    {"manuale", {"VELMOR", "TAB", "\"portata c\"", "250 litri per abitante al giorno", "\"controllo dati immessi\"",
                 "12 campi numerici", "'verificato'", "'non verificato'"}},
    {"guidafunzionamento", {"Velmor", "500 tratti", "50 tubi", "Kutter (m = 0,35)", "D.M. 23/02/1971 n.2445",
                            "D.M. 16/01/1996 \"Norme tecniche per le costruzioni in zone sismiche\"", "B.4 (m=2)",
                            "uguale a 1"}},
    {"guidaarchivio", {"freccia a destra", "\"Velmor-dati-...\"", "\"Velmor-verifica-...\"", "\"Velmor-completa-...\""}},
    {"guidastampa", {"Frontespizio", "\"stampa dati finestra\""}},
    {"guidadati", {"TAB", "250 litri per abitante al giorno", "\"controllo dati immessi\""}},
    {"guidapluviometrici", {"10,8 mm/h", "30 litri al secondo per ettaro", "15 minuti", "intensità in mm/h",
                            "estrapolazione"}},
    {"guidasismica", {"14 campi bianchi", "12 campi numerici", "tensione ammissibile", "50 calcoli", "10%", "'verificato'"}},
    {"guidanorme", {"Definizioni", "Progetto di massima", "Progetto esecutivo", "ne riassume i contenuti",
                    "Word"}},
    {"guidafrontespizio", {"'progetto'"}},
};

// Statements that misled and must not come back: a longer rain "safer" (it gives a
// lower intensity, so smaller pipes), stresses waiting for every field (the 12 numeric
// ones are enough), the allowance that only ever takes 250.
const struct {
    const char* pagina;
    const char* frase;
} frasiSbagliate[] = {
    {"guidapluviometrici", "servono soltanto a ridurre ancora il rischio"},
    {"guidasismica", "solo quando sono stati digitati tutti"},
    {"manuale", "la dotazione saltata prende il valore preimpostato"},
    {"manuale", "appena tutti i dati sono immessi"},
};

TEST_F(Pagine, TestiFattiEStampa)
{
    for (const auto& f : frasiSbagliate)
        EXPECT_FALSE(guida::testoPagina(f.pagina)->contains(QString::fromUtf8(f.frase))) << f.pagina << ": " << f.frase;

    ASSERT_EQ(std::size(pagine), guida::pagine.size());
    for (const auto& atteso : pagine) {
        SCOPED_TRACE(atteso.pagina);
        const auto testo = guida::testoPagina(atteso.pagina);
        ASSERT_TRUE(testo.has_value());
        EXPECT_FALSE(testo->contains('\n'));
        EXPECT_FALSE(testo->contains(QChar(0xFFFD)));
        for (const QString& fatto : atteso.fatti)
            EXPECT_TRUE(testo->contains(fatto)) << qPrintable(fatto);

        finestraguida* f = guida::finestraDellaPagina(atteso.pagina);
        ASSERT_NE(f, nullptr);
        EXPECT_FALSE(f->isVisible()); // reading a page does not show it
        EXPECT_EQ(f->Label2->text(), *testo);
        // the whole text shows in the label as designed, nothing cut off at its foot
        EXPECT_LE(f->Label2->heightForWidth(f->Label2->width()), f->Label2->height());

        f->cmdstampa->click();
        office::consegnaInSospeso();
        ASSERT_EQ(fileConsegnati().size(), 1u);
        const QString file = cartellaDocumenti() + "/" + fileConsegnati().first();
        const lettura::Documento d = lettura::leggiFile(file);
        QFile::remove(file);
        QStringList testi;
        for (const auto& p : d.paragrafi)
            testi << p.testo();
        while (!testi.isEmpty() && testi.last().isEmpty())
            testi.removeLast();
        EXPECT_EQ(testi, (QStringList{"Velmor", "programma per il calcolo di reti fognanti", "", "",
                                      "Guida: " + f->Label1->text(), "", *testo}));
    }
}

TEST_F(Pagine, LaPaginaDelleNormeSiScaricaLeAltreSiNascondono)
{
    for (const char* nome : {"guidadati", "guidanorme"}) {
        finestre::mostra(nome);
        Finestra* f = finestre::trova(nome);
        f->move(20, 30);
        static_cast<finestraguida*>(f)->cmdchiudi->click();
        EXPECT_FALSE(f->isVisible());
    }
    EXPECT_TRUE(finestre::caricata("guidadati"));
    EXPECT_FALSE(finestre::caricata("guidanorme"));

    finestre::mostra("guidadati");
    EXPECT_EQ(finestre::trova("guidadati")->pos(), QPoint(20, 30)); // where it was moved
    finestre::mostra("guidanorme");
    Finestra* norme = finestre::trova("guidanorme");
    EXPECT_EQ(norme->x(), 364); // 5467 twips, 364.5 pixels
    EXPECT_EQ(norme->Width(), 5640);

    // the window's own close box does the same
    norme->close();
    EXPECT_FALSE(finestre::caricata("guidanorme"));
    finestre::trova("guidadati")->close();
    EXPECT_TRUE(finestre::caricata("guidadati"));
}

} // namespace
