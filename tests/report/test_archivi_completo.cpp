// The save of the network window and of the title page while the current file is a complete
// file: the file stays complete (pipes and title page with it), through the complete save's checks.
#include "archivi_prova.h"

#include "archivi/archivi.h"
#include "frame/ModVelmor.h"
#include "frame/cp1252.h"
#include "frame/finestre.h"
#include "network/dati.h"
#include "report/frontespizio.h"

#include <QLineEdit>
#include <gtest/gtest.h>

using namespace doppi;
using namespace ModVelmor;

namespace {

using ArchiviCompleto = ConArchivi;

dati& rete() { return finestre::forma<dati>(); }
frontespizio& fr() { return finestre::forma<frontespizio>(); }

TEST_F(ArchiviCompleto, IlSalvaDellaReteTieneCompletoIlFileCompleto)
{
    enum class Come { aperto, salvato, apertoSalvaDalFrontespizio, tuboIncompleto, salvatoConNomeComeRete };
    const struct {
        const char* nome;
        Come come;
        bool completoRiscritto; // the complete file holds the edit, and still its two pipes
    } casi[] = {
        {"opened as complete", Come::aperto, true},
        {"last saved as complete", Come::salvato, true},
        {"opened, saved from the title page", Come::apertoSalvaDalFrontespizio, true},
        {"a pipe left incomplete: the complete save's check stops it", Come::tuboIncompleto, false},
        {"saved under another name as network data", Come::salvatoConNomeComeRete, false},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.nome);
        ripristina();
        treTratti();
        unTubo(1);
        unTubo(2);
        frontespizioCompleto();
        const QString completo = percorso("Velmor-completa-lotto");
        const QString altro = percorso("Velmor-dati-lotto");
        dialoghi().file_ = {completo};
        fr().salvatutto_Click();
        const QByteArray prima = contenuto(completo);
        ASSERT_EQ(record::righe(cp1252::leggiTesto(prima)).size(), 8); // count, 3 segments, count, 2 pipes, title page
        if (c.come != Come::salvato) {
            ripristina();
            dialoghi().file_ = {completo};
            rete().apritutto_Click();
            ASSERT_EQ(numerotubi, Valore(2));
        }
        if (c.come == Come::salvatoConNomeComeRete) {
            dialoghi().file_ = {altro};
            rete().salvanome_Click();
        }
        if (c.come == Come::tuboIncompleto)
            pesot[2] = Valore();
        rete().lungh[1]->setText("130");
        const auto richieste = dialoghi().richiesteFile.size();
        messaggi().visti.clear();

        if (c.come == Come::apertoSalvaDalFrontespizio)
            fr().salva_Click();
        else
            rete().salva_Click();

        EXPECT_EQ(dialoghi().richiesteFile.size(), richieste); // the current name, no question
        if (!c.completoRiscritto) {
            EXPECT_EQ(contenuto(completo), prima);
            if (c.come == Come::tuboIncompleto)
                EXPECT_FALSE(messaggi().visti.empty()); // the check told the user what is missing
            else
                EXPECT_EQ(record::righe(cp1252::leggiTesto(contenuto(altro))).size(), 5); // network data only
            continue;
        }
        EXPECT_TRUE(messaggi().visti.empty()) << qPrintable(messaggi().visti[0].testo);
        ripristina();
        dialoghi().file_ = {completo};
        rete().apritutto_Click();
        EXPECT_TRUE(messaggi().visti.empty()) << qPrintable(messaggi().visti[0].testo);
        EXPECT_EQ(lunghezza[1], Valore("130"));
        EXPECT_EQ(numerotubi, Valore(2));
        EXPECT_EQ(riferimento[2], Valore("collettore 2"));
        EXPECT_EQ(fr().progetto->text(), "Fognatura, lotto 2");
    }
}

} // namespace
