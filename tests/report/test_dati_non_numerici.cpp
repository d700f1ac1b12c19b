// What the engineer typed is what is checked, saved and reported: a seismic box that is no
// number stops every command that reads the pipes, also after the scroll bar moved to another
// pipe; a file with a word in a pipe's number field is refused whole; a network whose sizing
// refuses a segment is not saved.
#include "archivi_prova.h"

#include "archivi/archivi.h"
#include "frame/ModVelmor.h"
#include "frame/finestre.h"
#include "network/dati.h"
#include "office/consegna.h"
#include "report/frontespizio.h"
#include "seismic/campitubo.h"
#include "seismic/sismica.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>

using namespace vb;
using namespace ModVelmor;
using namespace doppi;
using namespace tubazioni;

namespace {

class DatiNonNumerici : public ConDocumenti {
protected:
    static sismica& s() { return finestre::forma<sismica>(); }
    static frontespizio& fr() { return finestre::forma<frontespizio>(); }

    // Pipe `tubo` typed box by box, each change run by the box's own handler.
    static void digitaTubo(int tubo)
    {
        s().VScroll1->setValue(tubo);
        const char* testi[] = {"", "tubo", "calcestruzzo", "2500", "80", "40", "100", "100",
                               "", "150",  "1800",         "30",   "2",  "8",  "20",  "50"};
        for (int c = 1; c <= numeroCampi; ++c)
            if (c != campo::peso)
                s().datisismici[c]->setText(testi[c]);
    }
    void scrivi(const QString& nome, const QByteArray& byte) const
    {
        QFile f(percorso(nome));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(byte);
    }
};

// Each typed text, through each command that reads the pipes: the command stops on pipe 1 with
// the box on screen as typed, names the pipe and the field, and writes or prints nothing.
TEST_F(DatiNonNumerici, UnaCasellaRosaFermaOgniComandoAncheDopoLoScorrimento)
{
    struct Testo {
        int campo;
        const char* digitato;
        const char* messaggio; // the start of the command's message
    };
    const Testo testi[] = {
        {campo::compr, "1,5", "Tubo n.1: il dato 'resistenza a compressione' non è un numero"},
        {campo::diam, "1e", "Tubo n.1: il dato 'diametro interno' non è un numero"},
        {campo::compr, "1e400", "Tubo n.1: il dato 'resistenza a compressione' non è un numero"},
        {campo::bmax, "50 cm", "Tubo n.1: il dato 'impronta: lato maggiore' non è un numero"},
        {campo::attr, " ", "Digitare tutti i dati nei campi a sfondo bianco."}, // blanks only: empty
    };
    struct Comando {
        const char* nome;
        void (*esegui)();
    };
    const Comando comandi[] = {
        {"Controllo", [] { s().controlla->click(); }},
        {"salva verifica", [] { s().salva_Click(); }},
        {"salva completo", [] { finestre::forma<dati>().salvatutto_Click(); }},
        {"relazione",
         [] {
             fr().comestampo[1]->setChecked(true);
             fr().stampa_Click();
         }},
        {"relazione nel documento",
         [] {
             fr().comestampo[2]->setChecked(true);
             fr().stampa_Click();
             office::consegnaInSospeso();
         }},
    };
    for (const Testo& t : testi) {
        for (const Comando& c : comandi) {
            SCOPED_TRACE(std::string(t.digitato) + " / " + c.nome);
            ripristina();
            treTratti();
            frontespizioCompleto();
            digitaTubo(1);
            digitaTubo(2);
            s().VScroll1->setValue(1);
            s().datisismici[t.campo]->setText(t.digitato);
            s().VScroll1->setValue(2); // another pipe on screen: what was typed must not be lost
            dialoghi().file_ = {percorso("Velmor-verifica-x"), percorso("Velmor-completa-x")};
            messaggi().visti.clear();

            c.esegui();
            ASSERT_EQ(messaggi().visti.size(), 1u);
            EXPECT_TRUE(messaggi().visti[0].testo.startsWith(QString::fromUtf8(t.messaggio)))
                << messaggi().visti[0].testo.toStdString();
            EXPECT_EQ(messaggi().visti[0].stile, vbCritical);
            EXPECT_EQ(s().VScroll1->value(), 1);
            EXPECT_EQ(s().datisismici[t.campo]->text().trimmed(), QString(t.digitato).trimmed());
            EXPECT_EQ(s().focusWidget(), s().datisismici[t.campo]);
            EXPECT_TRUE(dialoghi().richiesteFile.empty());
            EXPECT_EQ(stampa().richieste, 0);
            EXPECT_FALSE(QDir(cartella.filePath("Documenti")).exists());
            EXPECT_TRUE(s().esito->text().isEmpty()); // no verdict on data nobody typed
        }
    }
}

// A word where a pipe's number goes: the file is refused whole, naming its line, and the data
// in use stay; an empty text or a number written between quotes is read.
TEST_F(DatiNonNumerici, UnaParolaNeiNumeriDiUnTuboRifiutaIlFile)
{
    const QByteArray rete = "1\r\n\"120\",\"1.2\",\"viali inghiaiati\",\"0.22\",\" 6.4%\",0.01,0,\"200\",250,\"1.5\","
                            "\"40\",8,100,\"misto\"\r\n";
    const QByteArray titolo = "\"rete\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n";
    const auto tubo = [](const QByteArray& pesos, const QByteArray& bmax) {
        return "\"c\",\"ghisa\"," + pesos + ",80,40,100,100,864,150,1800,30,2,8,20," + bmax + "\r\n";
    };
    struct Caso {
        const char* nome;
        archivi::Tipo tipo;
        QByteArray contenuto;
        const char* riga; // in the refusal; nullptr: the file is read
    };
    const Caso casi[] = {
        {"verifica, peso specifico", archivi::Tipo::verifica, "1\r\n" + tubo("\"duemila\"", "50"), "riga 2: "},
        {"verifica, secondo tubo", archivi::Tipo::verifica, "2\r\n" + tubo("2500", "50") + tubo("2500", "\" \""),
         "riga 3: "},
        {"completa", archivi::Tipo::completo, rete + "1\r\n" + tubo("\"1,5\"", "50") + titolo, "riga 4: "},
        {"verifica, numero tra virgolette e testo vuoto", archivi::Tipo::verifica, "1\r\n" + tubo("\"2500\"", "\"\""),
         nullptr},
        {"completa, buona", archivi::Tipo::completo, rete + "1\r\n" + tubo("2500", "50") + titolo, nullptr},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        ripristina();
        treTratti();
        unTubo(1);
        unTubo(2);
        frontespizioCompleto();
        nomefile = "/prima";
        scrivi(c.nome, c.contenuto);
        dialoghi().file_ = {percorso(c.nome)};
        messaggi().visti.clear();
        if (c.tipo == archivi::Tipo::verifica)
            s().apri_Click();
        else
            finestre::forma<dati>().apritutto_Click();
        if (!c.riga) {
            EXPECT_TRUE(messaggi().visti.empty());
            EXPECT_EQ(numerotubi, Valore(1));
            EXPECT_EQ(pesos[1].numero(), 2500);
            EXPECT_EQ(nomefile, percorso(c.nome));
            continue;
        }
        ASSERT_EQ(messaggi().visti.size(), 1u);
        const QString testo = messaggi().visti[0].testo;
        EXPECT_EQ(messaggi().visti[0].stile, vbCritical);
        EXPECT_TRUE(testo.contains(QString::fromUtf8(c.riga))) << testo.toStdString();
        EXPECT_TRUE(testo.endsWith("I dati in uso non sono stati modificati.")) << testo.toStdString();
        EXPECT_EQ(numerotubi, Valore(2));
        EXPECT_EQ(pesos[1], Valore(2500));
        EXPECT_EQ(materiale[1], "calcestruzzo");
        EXPECT_EQ(numerotratti, 3);
        EXPECT_EQ(nomefile, "/prima");
    }
}

// A segment the sizing leaves without a pipe is not saved.
TEST_F(DatiNonNumerici, UnTrattoSenzaTuboNonSiSalva)
{
    for (const char* lunghezzaErrata : {"-100", "0"}) {
        SCOPED_TRACE(lunghezzaErrata);
        ripristina();
        treTratti();
        frontespizioCompleto();
        lunghezza[2] = Valore(lunghezzaErrata);
        dialoghi().file_ = {percorso("Velmor-dati-x"), percorso("Velmor-completa-x")};
        fr().salva_Click();
        fr().salvatutto_Click();
        ASSERT_EQ(messaggi().visti.size(), 2u);
        for (const auto& m : messaggi().visti)
            EXPECT_EQ(m.testo, QStringLiteral("Tratto n. 2:\r- la lunghezza deve essere maggiore di zero (ora è %1).")
                                   .arg(lunghezzaErrata));
        EXPECT_TRUE(dialoghi().richiesteFile.empty());
    }
}

} // namespace
