// A seismic box that is no number stops every command that reads the pipes, also after the scroll
// bar moved to another pipe; a file with a word in a pipe's number field is refused whole.
#include "archivi_prova.h"

#include "frame/ModVelmor.h"
#include "frame/finestre.h"
#include "network/dati.h"
#include "report/frontespizio.h"
#include "seismic/sismica.h"

#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>

using namespace ModVelmor;
using namespace doppi;
using namespace tubazioni;

namespace {

using DatiNonNumerici = ConArchivi;

sismica& s()
{
    return finestre::forma<sismica>();
}

// Each text typed into pipe 1 (each box's change run by its own handler), through each command:
// it stops on pipe 1 with the box as typed, names pipe and field, and writes or prints nothing.
TEST_F(DatiNonNumerici, UnaCasellaRosaFermaOgniComandoAncheDopoLoScorrimento)
{
    const struct {
        int campo;
        const char* digitato;
        const char* messaggio; // how the command's message starts
    } testi[] = {
        {campo::compr, "1,5", "Tubo n.1: il dato 'resistenza a compressione' non è un numero"},
        {campo::diam, "1e", "Tubo n.1: il dato 'diametro interno' non è un numero"},
        {campo::compr, "1e400", "Tubo n.1: il dato 'resistenza a compressione' non è un numero"},
        {campo::attr, " ", "Digitare tutti i dati nei campi a sfondo bianco."}, // blanks only: empty
    };
    void (*const comandi[])() = {
        [] { s().controlla->click(); },
        [] { s().salva_Click(); },
        [] { finestre::forma<dati>().salvatutto_Click(); },
        [] {
            finestre::forma<frontespizio>().comestampo[1]->setChecked(true); // on paper
            finestre::forma<frontespizio>().stampa_Click();
        },
    };
    const char* tubo[] = {"", "tubo", "ghisa", "2500", "80", "40", "100", "100",
                          "", "150",  "1800",  "30",   "2",  "8",  "20",  "50"};
    for (const auto& t : testi) {
        for (const auto& comando : comandi) {
            SCOPED_TRACE(std::string(t.digitato) + ", command " + std::to_string(&comando - comandi));
            ripristina();
            treTratti();
            frontespizioCompleto();
            for (int j : {1, 2}) {
                s().VScroll1->setValue(j);
                for (int c = 1; c <= numeroCampi; ++c)
                    if (c != campo::peso)
                        s().datisismici[c]->setText(c == t.campo && j == 1 ? t.digitato : tubo[c]);
            }
            dialoghi().file_ = {percorso("Velmor-verifica-x"), percorso("Velmor-completa-x")};
            messaggi().visti.clear();
            comando();
            ASSERT_EQ(messaggi().visti.size(), 1u);
            EXPECT_TRUE(messaggi().visti[0].testo.startsWith(QString::fromUtf8(t.messaggio)));
            EXPECT_EQ(s().VScroll1->value(), 1);
            EXPECT_EQ(s().datisismici[t.campo]->text().trimmed(), QString(t.digitato).trimmed());
            EXPECT_EQ(s().focusWidget(), s().datisismici[t.campo]);
            EXPECT_TRUE(dialoghi().richiesteFile.empty());
            EXPECT_EQ(stampa().richieste, 0);
            EXPECT_TRUE(s().esito->text().isEmpty()); // no verdict on data nobody typed
        }
    }
}

// A word where a pipe's number goes: the file is refused whole, naming its line, and the data
// in use stay; an empty text or a number between quotes is read.
TEST_F(DatiNonNumerici, UnaParolaNeiNumeriDiUnTuboRifiutaIlFile)
{
    const QByteArray rete = "1\r\n\"120\",\"1.2\",\"viali\",\"0.22\",\" 6.4%\",0.01,0,\"200\",250,\"1.5\",\"40\",8,100,"
                            "\"misto\"\r\n";
    const auto tubo = [](const QByteArray& pesos, const QByteArray& bmax) {
        return "\"c\",\"ghisa\"," + pesos + ",80,40,100,100,864,150,1800,30,2,8,20," + bmax + "\r\n";
    };
    const struct {
        bool completo;
        QByteArray contenuto;
        const char* riga; // named by the refusal; nullptr: the file is read
    } casi[] = {
        {false, "1\r\n" + tubo("\"duemila\"", "50"), "riga 2: "},
        {false, "2\r\n" + tubo("2500", "50") + tubo("2500", "\" \""), "riga 3: "},
        {true, rete + "1\r\n" + tubo("\"1,5\"", "50") + "\"p\",,,,,,\r\n", "riga 4: "},
        {false, "1\r\n" + tubo("\"2500\"", "\"\""), nullptr},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.contenuto.toStdString());
        ripristina();
        treTratti();
        unTubo(1);
        unTubo(2);
        nomefile = "/prima";
        QFile f(percorso("file"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(c.contenuto) == c.contenuto.size());
        f.close();
        dialoghi().file_ = {f.fileName()};
        c.completo ? finestre::forma<dati>().apritutto_Click() : s().apri_Click();
        ASSERT_EQ(messaggi().visti.size(), c.riga ? 1u : 0u);
        EXPECT_EQ(numerotubi, Valore(c.riga ? 2 : 1));
        EXPECT_EQ(pesos[1].numero(), 2500);
        if (!c.riga)
            continue;
        EXPECT_TRUE(messaggi().visti[0].testo.contains(c.riga)) << messaggi().visti[0].testo.toStdString();
        EXPECT_TRUE(messaggi().visti[0].testo.endsWith("I dati in uso non sono stati modificati."));
        EXPECT_EQ(numerotratti, 3);
        EXPECT_EQ(nomefile, "/prima");
    }
}

} // namespace
