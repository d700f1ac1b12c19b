// The circular's chapters and the terms of use: the chapters' toolbar, their
// texts as shipped, and the documents both windows type.
#include "supporto/ambienteprogramma.h"

#include "frame/ModVelmor.h"
#include "frame/barrastrumenti.h"
#include "frame/cp1252.h"
#include "frame/finestre.h"
#include "frame/percorsi.h"
#include "help/capitolo.h"
#include "help/licenza.h"

#include <QAction>
#include <QFile>
#include <QGroupBox>
#include <QMap>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <functional>
#include <gtest/gtest.h>

using namespace vb;

namespace {

class Norme : public AmbienteProgramma {
protected:
    static Capitolo& capitolo(int numero)
    {
        return *static_cast<Capitolo*>(finestre::usa(QString::fromUtf8(ModVelmor::finestrePrincipali[numero])));
    }
};

const char* const argomenti[] = {"", "", "", "", "Definizioni", "Progetto di massima", "Progetto esecutivo"};

// Each chapter's toolbar: buttons 1, 2, 3, 20 and 21 disabled and one button
// shown pressed (chapter III shows 7, as designed); what each index does:
// print (the window stays), show a window (a main window other than this one
// unloads this first; its own button asks about its help), or the exit question.
TEST_F(Norme, BarraDegliStrumenti)
{
    // By index 0 to 23: "" prints, "esci" asks the exit question, any other name is the window shown.
    const char* const esiti[] = {"", "", "", "", "", "", "dati", "dati", "pluviometrici", "sismica", "circolare",
                                 "circolare2", "circolare3", "frontespizio", "sommario", "sommario", "frmTip",
                                 "supportoclienti", "informa", "esci", "esci", "esci", "esci", ""};
    const QStringList principali = {"dati", "pluviometrici", "sismica", "circolare", "circolare2", "circolare3", "frontespizio"};
    for (int numero : {4, 5, 6}) {
        const QString proprio = principali[numero - 1];
        const int premuto[] = {10, 11, 7};
        for (int i = 1; i <= Barrastrumenti::numeroPulsanti; ++i) {
            if (Barrastrumenti::separatore(i))
                continue;
            EXPECT_EQ(capitolo(numero).Toolbar1->Buttons(i)->isEnabled(), i > 3 && i != 20 && i != 21) << numero << " " << i;
            EXPECT_EQ(capitolo(numero).Toolbar1->Buttons(i)->isChecked(), i == premuto[numero - 4]) << numero << " " << i;
        }
        EXPECT_EQ(capitolo(numero).findChild<QMenuBar*>(), nullptr);
        for (int indice = 0; indice <= 23; ++indice) {
            SCOPED_TRACE(proprio.toStdString() + " button " + std::to_string(indice));
            ripristina();
            const qsizetype consegnati = fileConsegnati().size();
            capitolo(numero).Toolbar1_ButtonClick(indice);
            const QString esito = QString::fromUtf8(esiti[indice]);
            const auto& visti = doppi::messaggi().visti;
            if (esito == proprio) {
                // Its own question, answered Yes: the chapters' help page shows over the chapter.
                ASSERT_EQ(visti.size(), 1u);
                EXPECT_EQ(visti[0].testo, "E' questa la finestra 'Normativa tecnica - " + QString::fromUtf8(argomenti[numero])
                                              + "': si vuole la guida della finestra?");
                EXPECT_EQ(visti[0].stile, vbYesNo + vbQuestion);
                EXPECT_TRUE(finestre::caricata("guidanorme"));
            } else if (esito == "esci") {
                ASSERT_EQ(visti.size(), 1u);
                EXPECT_EQ(visti[0].testo, "Vuoi uscire da Velmor?"); // answered No by default
            } else {
                EXPECT_TRUE(visti.empty());
                if (!esito.isEmpty()) {
                    ASSERT_TRUE(finestre::caricata(esito));
                    EXPECT_TRUE(finestre::trova(esito)->isVisible());
                }
            }
            EXPECT_EQ(finestre::caricata(proprio), esito == proprio || !principali.contains(esito));
            EXPECT_EQ(fileConsegnati().size(), consegnati + (esito.isEmpty() ? 1 : 0));
        }
    }
}

TEST_F(Norme, UnCapitoloRiapertoRiparteDallaPrimaRigaMentreDatiLoLasciaAperto)
{
    Capitolo& terzo = capitolo(6);
    terzo.Show();
    QScrollBar* barra = terzo.Text1->verticalScrollBar();
    barra->setValue(barra->maximum());
    ASSERT_GT(barra->value(), 0);
    terzo.Toolbar1_ButtonClick(10); // to chapter I: chapter III unloads
    capitolo(4).Toolbar1_ButtonClick(12);
    EXPECT_FALSE(finestre::caricata("circolare"));
    EXPECT_EQ(capitolo(6).Text1->verticalScrollBar()->value(), 0);

    capitolo(6).cmddati->click();
    EXPECT_TRUE(finestre::caricata("circolare3"));
    EXPECT_TRUE(finestre::trova("dati")->isVisible());
}

// The shipped texts: CR LF, sizes within 10% of the chapters' (6,016, 15,347
// and 26,495 characters), running paragraphs indented by four blanks, each
// item letter or numeral alone on its line with the item's title after a tab
// on the next, every section of chapter III titled as its entry in the list of
// enclosures, the numbered terms and sub-headings and the "* " items.
TEST(TestiDellaCircolare, StrutturaEDimensioni)
{
    const struct {
        int numero;
        int caratteri;
        const char* numerali;
        int numerate; // lines opening with "1. ", "2. "...
        int asterischi;
        int righe;
    } casi[] = {
        {4, 6016, "", 4, 0, 33},
        {5, 15347, "A B C D E F G H I II III IV V VI VII VIII IX X XI XII XIII XIV XV XVI XVII XVIII", 0, 9, 138},
        {6, 26495, "A B C D E F G H I L M N O A - I II III IV V VI VII VIII IX X XI XII XIII XIV B - C - D - E - F - G - H - I - "
                   "L - M - N - O -", 4, 6, 225},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.numero);
        const percorsi::Lettura lettura = percorsi::leggi(percorsi::risorsa(Capitolo::fileTesto(c.numero)));
        ASSERT_TRUE(lettura.riuscita());
        const QString testo = cp1252::leggiTesto(lettura.byte);
        EXPECT_NEAR(testo.size(), c.caratteri, c.caratteri / 10);
        EXPECT_TRUE(testo.endsWith("\r\n"));
        EXPECT_EQ(testo.count('\n'), testo.count("\r\n"));
        const QStringList righe = testo.split("\r\n");
        EXPECT_NEAR(righe.size() - 1, c.righe, 3);
        EXPECT_TRUE(righe[0].startsWith("Capitolo "));
        EXPECT_TRUE(righe[2].contains(QString::fromUtf8("ne riassume i contenuti"))); // a summary, not the circular's text
        EXPECT_GT(righe.filter(QRegularExpression("^    [^ ]")).size(), 5);
        EXPECT_EQ(righe.filter(QRegularExpression("^ *\\d\\. ")).size(), c.numerate);
        EXPECT_EQ(righe.filter(QRegularExpression("^ *\\* ")).size(), c.asterischi);
        QStringList numerali;
        QMap<QString, QString> titoli; // letter -> title, from the list and from the sections
        bool sezioni = false;
        const QRegularExpression numerale(QStringLiteral("^([A-Z]|[IVX]+)( -)?$"));
        for (int i = 0; i + 1 < righe.size(); ++i) {
            if (!numerale.match(righe[i]).hasMatch())
                continue;
            numerali << righe[i];
            EXPECT_TRUE(righe[i + 1].startsWith('\t')) << righe[i].toStdString();
            // Chapter III: the letters of the list, up to the first section's "A -", then the sections'.
            sezioni = sezioni || righe[i].endsWith(" -");
            if (c.numero == 6 && sezioni == righe[i].endsWith(" -"))
                titoli[righe[i]] = righe[i + 1];
        }
        EXPECT_EQ(numerali.join(' '), c.numerali);
        for (const QString& lettera : titoli.keys())
            EXPECT_TRUE(lettera.endsWith(" -") || titoli.value(lettera) == titoli.value(lettera + " -")) << lettera.toStdString();
        EXPECT_EQ(titoli.size(), c.numero == 6 ? 26 : 0); // 13 in the list, 13 sections
    }
}

// The chapters agree with each other and keep our commentary apart from the circular:
// the waters of buildings are domestic, commercial and artisan wherever they are named;
// the urgent works, the one exception to building on the approved outline design, are
// called an exception in each chapter; and the remarks that are ours, not the circular's,
// stand in parentheses opened by "Osservazione", which each chapter's opening explains.
TEST(TestiDellaCircolare, CapitoliCoerentiECommentiDichiarati)
{
    const struct {
        int numero;
        QStringList commenti; // passages that are our remarks
    } casi[] = {
        {4, {}},
        {5, {"si trascina in tutti i progetti esecutivi"}},
        {6, {"rifacimento futuro", "conviene talvolta spostare il tracciato", "l'esperienza delle ditte specializzate"}},
    };
    const QRegularExpression fineFrase(QStringLiteral("(?<=[.;])\\s+"));
    for (const auto& c : casi) {
        SCOPED_TRACE(c.numero);
        const percorsi::Lettura lettura = percorsi::leggi(percorsi::risorsa(Capitolo::fileTesto(c.numero)));
        ASSERT_TRUE(lettura.riuscita());
        const QString testo = cp1252::leggiTesto(lettura.byte);
        bool eccezione = false;
        for (const QString& frase : testo.split(fineFrase)) {
            if (frase.contains("domestic")) {
                EXPECT_TRUE(frase.contains("commercial") && frase.contains("artigian")) << qPrintable(frase);
            }
            eccezione = eccezione || (frase.contains("eccezion") && frase.contains("urgent"));
        }
        EXPECT_TRUE(eccezione);
        for (const QString& commento : c.commenti) {
            const qsizetype dove = testo.indexOf(commento);
            ASSERT_GE(dove, 0) << qPrintable(commento);
            const qsizetype apertura = testo.lastIndexOf(QString::fromUtf8("(Osservazione:"), dove);
            EXPECT_TRUE(apertura >= 0 && testo.indexOf(')', apertura) > dove) << qPrintable(commento);
        }
        EXPECT_EQ(testo.contains("(Osservazione:"), testo.split("\r\n").value(2).contains(QString::fromUtf8("«Osservazione»")));
    }
}

// A chapter and the terms of use in their documents: the heading lines with
// their sizes, then the window's text paragraph by paragraph, all justified.
TEST_F(Norme, CapitoloELicenzaNeiDocumenti)
{
    Capitolo& secondo = capitolo(5);
    auto& l = finestre::forma<licenza>();
    const struct {
        std::function<void()> stampa;
        QStringList inizio;
        QList<double> dimensioni; // of the lines of `inizio` and of the text
        QPlainTextEdit* testo;
        int pagina; // page width in twentieths of a point: set for A4, or none
    } casi[] = {
        {[&] { secondo.stampaword(); },
         {"Velmor", "programma per il calcolo di reti fognanti", "", "Normativa tecnica", "", secondo.Frame3->title(), ""},
         {18, 18, 0, 12, 0, 12, 0, 10}, secondo.Text1, 0},
        {[&] { l.cmdstampa->click(); }, {"Velmor", "programma per il calcolo di reti fognanti", "", ""}, {20, 16, 0, 0, 12},
         l.Text1, 11906},
    };
    for (const auto& c : casi) {
        const lettura::Documento d = consegnato(c.stampa);
        const QStringList testo = c.inizio + c.testo->toPlainText().split('\n');
        ASSERT_GE(d.paragrafi.size(), testo.size());
        for (int i = 0; i < testo.size(); ++i) {
            EXPECT_EQ(d.paragrafi[i].testo(), testo[i]) << i;
            const double dimensione = c.dimensioni.value(i, 0);
            if (dimensione > 0) {
                EXPECT_EQ(d.paragrafi[i].frammenti.first().dimensione, dimensione) << i;
                EXPECT_EQ(d.paragrafi[i].frammenti.first().font, "Century Gothic") << i;
            }
        }
        for (const auto& p : d.paragrafi)
            EXPECT_EQ(p.allineamento, "both");
        if (c.pagina) {
            EXPECT_EQ(d.larghezzaPagina, c.pagina);
        }
    }
    EXPECT_EQ(secondo.passo->text(), "ho visualizzato il testo su Word");
    l.cmdchiudi->click();
    EXPECT_TRUE(finestre::caricata("licenza"));
    EXPECT_FALSE(l.isVisible());
}

} // namespace
