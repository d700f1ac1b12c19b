// The title-page window: load, the length warning, the check, clearing,
// the fixed messages, the web choice, menus and toolbar.
#include "archivi_prova.h"
#include "supporto/doppi.h"

#include "frame/ModVelmor.h"
#include "frame/barrastrumenti.h"
#include "frame/colori.h"
#include "frame/finestre.h"
#include "frame/formati.h"
#include "report/contesto.h"
#include "report/frontespizio.h"

#include <QAction>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace doppi;
using namespace vb;

namespace {

class Frontespizio : public ConRipristino {
protected:
    frontespizio& f() { return finestre::forma<frontespizio>(); }
    void riempi()
    {
        for (QLineEdit* c : f().campi())
            c->setText("x");
        messaggi().visti.clear();
    }
};

TEST_F(Frontespizio, IlPulsanteDiChiusuraNascondeELeCaselleRestano)
{
    finestre::mostra("dati"); // another main window on screen: the close is no exit
    f().Show();
    riempi();
    f().close();
    EXPECT_FALSE(f().isVisible());
    ASSERT_TRUE(finestre::caricata("frontespizio"));
    f().Show();
    for (QLineEdit* c : f().campi())
        EXPECT_EQ(c->text(), "x");
    EXPECT_TRUE(messaggi().visti.empty());
}

TEST_F(Frontespizio, Caricamento)
{
    EXPECT_EQ(f().Caption(), "Velmor: frontespizio per la relazione");
    EXPECT_EQ(f().BackColor(), colori::rgb(128, 128, 128));
    EXPECT_EQ(f().data->text(), formatoData(QDate::currentDate()));
    EXPECT_FALSE(f().Labelstudio->text().isEmpty());
    EXPECT_EQ(f().passo->text(),
              "Prelevare i dati dall'archivio o digitarli negli appositi campi con un massimo di 60 caratteri.");
    EXPECT_EQ(relazione::Contesto(f().testiRelazione()).dimensionecorpo, 12);
    EXPECT_TRUE(f().comestampo[2]->isChecked());
    EXPECT_FALSE(f().comestampo[1]->isChecked());
    for (QLineEdit* c : f().campi()) {
        if (c != f().data) {
            EXPECT_TRUE(c->text().isEmpty());
        }
    }
    EXPECT_EQ(f().Label1->text(), "PROGRAMMA PER IL CALCOLO DI FOGNATURE");
    EXPECT_EQ(f().Label4->text(), " tipologia di studio......:");
    EXPECT_EQ(f().Label7->toolTip(),
              "la data della elaborazione è importante per la formulazione di ipotesi e per il riferimento temporale delle analisi");
    EXPECT_EQ(f().Frame2->title(), "Scelta del tipo di stampa");
    EXPECT_EQ(f().comestampo[1]->text(), "Stampa diretta (con editor interno: relazione non modificabile)");
    EXPECT_EQ(f().Option1[4]->text(), "software");
    EXPECT_TRUE(messaggi().visti.empty());
}

TEST_F(Frontespizio, AvvisoOltreISessantaCaratteri)
{
    QLineEdit* tipostudio = f().tipostudio;
    tipostudio->setText(QString(59, 'a'));
    QTest::keyClicks(tipostudio, "b"); // 60: no warning
    EXPECT_TRUE(messaggi().visti.empty());
    QTest::keyClicks(tipostudio, "c"); // 61
    ASSERT_EQ(messaggi().visti.size(), 1u);
    EXPECT_EQ(messaggi().visti[0].testo, "Per una stampa corretta non digitare dati lunghi più di 60 spazi.");
    EXPECT_EQ(messaggi().visti[0].stile, vbExclamation);
    EXPECT_EQ(messaggi().visti[0].titolo, "Velmor: controllo dati immessi nella finestra attiva");
    QTest::keyClicks(tipostudio, "d"); // 62: again
    EXPECT_EQ(messaggi().visti.size(), 2u);
    EXPECT_EQ(tipostudio->text().size(), 62); // never shortened

    messaggi().visti.clear();
    f().allegati->setText(QString(100, 'z')); // a paste: once
    EXPECT_EQ(messaggi().visti.size(), 1u);
    EXPECT_EQ(f().allegati->text().size(), 100);
}

TEST_F(Frontespizio, ControlloDelFrontespizio)
{
    struct Caso {
        std::vector<QLineEdit* frontespizio::*> pieni;
        const char* risposta;
        int stile;
    };
    const Caso casi[] = {
        {{}, "Non è stato immesso alcun dato.", vbQuestion},
        {{&frontespizio::data}, "Non è stato immesso alcun dato.", vbQuestion},
        {{&frontespizio::luogo}, "Non è stato immesso alcun dato.", vbQuestion},
        {{&frontespizio::progetto}, "Inserire dati per ogni campo.", vbExclamation},
        {{&frontespizio::progetto, &frontespizio::località, &frontespizio::tipostudio, &frontespizio::committente,
          &frontespizio::data, &frontespizio::allegati},
         "I dati sono stati immessi correttamente.", vbInformation},
        {{&frontespizio::progetto, &frontespizio::località, &frontespizio::tipostudio, &frontespizio::committente,
          &frontespizio::luogo, &frontespizio::allegati},
         "Inserire dati per ogni campo.", vbExclamation},
    };
    for (const Caso& c : casi) {
        f().cancella_click();
        for (auto campo : c.pieni)
            (f().*campo)->setText("x");
        messaggi().visti.clear();
        ModVelmor::erroredati = Valore(1);
        f().Toolbar1_ButtonClick(20);
        ASSERT_EQ(messaggi().visti.size(), 1u);
        EXPECT_EQ(messaggi().visti[0].testo, c.risposta);
        EXPECT_EQ(messaggi().visti[0].stile, c.stile);
        EXPECT_EQ(messaggi().visti[0].titolo, ModVelmor::titolocontrollo.testo());
        EXPECT_EQ(ModVelmor::erroredati, Valore(1)); // the flag is not touched
    }
}

TEST_F(Frontespizio, CancellaSvuotaAncheLaData)
{
    riempi();
    f().comestampo[1]->setChecked(true);
    const QString studio = f().Labelstudio->text();
    f().Toolbar1_ButtonClick(21);
    for (QLineEdit* c : f().campi())
        EXPECT_TRUE(c->text().isEmpty());
    EXPECT_TRUE(messaggi().visti.empty());
    EXPECT_EQ(f().Labelstudio->text(), studio);
    EXPECT_TRUE(f().comestampo[1]->isChecked());
}

TEST_F(Frontespizio, MessaggiFissi)
{
    f().aiuto_Click();
    f().Labelstudio_Click();
    f().labelindirizzo_Click();
    ASSERT_EQ(messaggi().visti.size(), 3u);
    EXPECT_EQ(messaggi().visti[0].testo,
              "- Digitare o correggere i dati spostandosi con il tasto TAB, o con il mouse, nei campi;\r"
              "- la data viene impostata in automatico, ma è modificabile;\r"
              "- aprire un file archiviato per prelevare, eventualmente, i dati registrati (Velmor-dati-...);\r"
              "- non digitare dati più lunghi di 60 spazi;\r"
              "- controllare i dati immessi con l'icona \"controllo dati immessi\" della barra degli strumenti "
              "(o con il menu Modifica, Controllo dati immessi).");
    EXPECT_EQ(messaggi().visti[0].stile, vbInformation);
    EXPECT_EQ(messaggi().visti[0].titolo, "Velmor: aiuto in linea");
    // The studio labels tell where their texts come from.
    EXPECT_TRUE(messaggi().visti[1].testo.contains(QDir::toNativeSeparators(frontespizio::fileStudioUtente())));
    EXPECT_EQ(messaggi().visti[2].testo, messaggi().visti[1].testo);
}

// The studio the report prints comes from the user's file: nothing (a blank designer, never an
// instruction) when the file is missing or has no name, cut to 60 characters with a message.
TEST_F(Frontespizio, StudioDalFileDellUtente)
{
    const QByteArray lungo = QByteArray("Studio Tecnico Associato Ing. Mariangela Bianchi e Figli srl") + " di Roma e Milano";
    struct Caso {
        QByteArray contenuto; // "-": no file of the user's
        QString nome, indirizzo;
        bool messaggio;
    };
    const Caso casi[] = {
        {"Studio Rossi\r\nvia Roma 1, Borgo\r\n", "Studio Rossi", "via Roma 1, Borgo", false},
        {"-", "", "", false},
        {"", "", "", false},
        {"  \r\nvia Roma 1\r\n", "", "", false},
        {lungo + "\nvia Roma 1\n", QString::fromLatin1(lungo.left(60)), "via Roma 1", true},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.contenuto.toStdString());
        messaggi().visti.clear();
        const StudioDiProva studio(c.contenuto == "-" ? nullptr : c.contenuto.constData());
        const relazione::Testi t = f().testiRelazione();
        EXPECT_EQ(t.studio, c.nome);
        EXPECT_EQ(t.indirizzo, c.indirizzo);
        EXPECT_EQ(f().Labelstudio->text().contains("non impostato"), c.nome.isEmpty());
        EXPECT_EQ(t.fileStudio, QDir::toNativeSeparators(frontespizio::fileStudioUtente()));
        ASSERT_EQ(messaggi().visti.size(), c.messaggio ? 1u : 0u);
        if (c.messaggio) {
            EXPECT_TRUE(messaggi().visti[0].testo.contains("60 caratteri"));
            EXPECT_EQ(messaggi().visti[0].titolo, "Velmor: studio tecnico");
        }
    }
}

// The studio's message says the file may have to be created and names the hidden folder it is in.
TEST_F(Frontespizio, IlMessaggioDelloStudioDiceDoveEComeCrearlo)
{
    const QByteArray prima = qgetenv("XDG_CONFIG_HOME");
    for (const QByteArray& cartella : {prima, prima + "/.config"}) {
        qputenv("XDG_CONFIG_HOME", cartella);
        messaggi().visti.clear();
        f().Labelstudio_Click();
        ASSERT_EQ(messaggi().visti.size(), 1u);
        const auto& m = messaggi().visti[0];
        EXPECT_EQ(m.titolo, "Velmor: studio tecnico");
        EXPECT_TRUE(m.testo.contains(QDir::toNativeSeparators(frontespizio::fileStudioUtente())));
        EXPECT_TRUE(m.testo.contains("va creato"));
        EXPECT_EQ(m.testo.contains(".config è nascosta"), cartella.endsWith("/.config")) << qPrintable(m.testo);
    }
    qputenv("XDG_CONFIG_HOME", prima);
}

TEST_F(Frontespizio, SceltaWeb)
{
    f().Option1[2]->click();
    f().Option1_Click(9); // any other index: the first page
    ASSERT_EQ(shell().aperti.size(), 2);
    EXPECT_EQ(shell().aperti[0], frontespizio::indirizzoWeb(2));
    EXPECT_EQ(shell().aperti[1], frontespizio::indirizzoWeb(1));
    for (int i = 1; i <= 4; ++i) {
        EXPECT_TRUE(frontespizio::indirizzoWeb(i).startsWith("https://"));
        EXPECT_TRUE(frontespizio::indirizzoWeb(i).contains(".example")); // no real maker's site
    }
}

TEST_F(Frontespizio, MenuFile)
{
    QStringList voci;
    for (QAction* a : f().menuFile()->actions())
        voci << (a->isSeparator() ? "-" : a->text());
    EXPECT_EQ(voci, (QStringList{"&Apri...", "-", "&Salva", "Salva con &nome...", "-", "&Elimina...", "-", "S&tampa", "-",
                                 "Es&ci"}));
    QStringList salvano;
    for (QAction* a : f().voce("salvano")->menu()->actions())
        salvano << a->text();
    EXPECT_EQ(salvano, (QStringList{"dati &senza verifica sismica", "dati &con verifica sismica"}));
    QStringList stamp;
    for (QAction* a : f().voce("stamp")->menu()->actions())
        stamp << a->text();
    EXPECT_EQ(stamp, (QStringList{"&solo dati finestra", "&intera elaborazione"}));
}

TEST_F(Frontespizio, BottoniEFinestre)
{
    f().Command5->click();
    ASSERT_TRUE(finestre::caricata("dati"));
    EXPECT_TRUE(finestre::trova("dati")->isVisible());
    messaggi().risposte = {vbNo};
    f().cmdesci->click();
    EXPECT_EQ(messaggi().visti.back().testo, "Vuoi uscire da Velmor?");
    for (int i = 1; i <= 22; ++i)
        EXPECT_TRUE(f().Toolbar1->Buttons(i)->isEnabled()) << i;
}

} // namespace
