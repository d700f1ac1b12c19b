// The network data file, the complete file and their commands, driven through
// scripted dialogs: what is written, what is read back, the current file name.
#include "archivi_prova.h"

#include "frame/ModVelmor.h"
#include "frame/cp1252.h"
#include "frame/finestre.h"
#include "network/dati.h"
#include "archivi/archivi.h"
#include "frame/tubi.h"
#include "office/salvataggio.h"
#include "report/frontespizio.h"
#include "seismic/sismica.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QScrollBar>
#include <cerrno>
#include <functional>
#include <gtest/gtest.h>

using namespace doppi;
using namespace vb;
using namespace ModVelmor;

namespace {

using Archivi = ConArchivi;

frontespizio& fr() { return finestre::forma<frontespizio>(); }

TEST_F(Archivi, FileCompletoDiTreTrattiSenzaTubiEDiSeiRighe)
{
    treTratti();
    frontespizioCompleto();
    const QString file = percorso("Velmor-completa-prova");
    dialoghi().file_ = {file};
    fr().salvatutto_Click();
    ASSERT_TRUE(messaggi().visti.empty()) << messaggi().visti[0].testo.toStdString();
    const QByteArray atteso =
        "3\r\n"
        "\"120\",\"1.2\",\"viali inghiaiati\",\"0.22\",\" 6.4%\",0.01,0,\"200\",250,\"1.5\",\"40\",8,100,\"misto\"\r\n"
        "\"85.5\",\"1.2\",\"viali inghiaiati\",\"0.22\",\" 6.4%\",0.01,0,\"200\",250,\"1.5\",\"40\",8,100,\"misto\"\r\n"
        "\"60\",\"1.2\",\"viali inghiaiati\",\"0.22\",\" 6.4%\",0.01,0,\"200\",250,\"1.5\",\"40\",8,100,\"misto\"\r\n"
        "\r\n"
        "\"Fognatura, lotto 2\",\"Borgo Citt\xE0\",\"progetto esecutivo\",\"Comune di Esempio\",\"Ufficio tecnico\","
        "\"luned\xEC, 7 dic 2026\",\"tavole 1-4\"\r\n";
    EXPECT_EQ(contenuto(file), atteso);
    EXPECT_EQ(nomefile, file);
    const auto& r = dialoghi().richiesteFile.back();
    EXPECT_EQ(r.titolo, "Salva file con nome");
    EXPECT_EQ(r.nomeFile, "Velmor-completa-");
    EXPECT_EQ(r.filtro, "File Velmor-completa- | Velmor-completa-*");
    EXPECT_EQ(r.indiceFiltro, 1);

    // Read back into a program that holds something else.
    ripristina();
    lunghezza[7] = Valore("999");
    finestre::forma<dati>().VScroll1->setValue(11);
    dialoghi().file_ = {file};
    finestre::forma<dati>().apritutto_Click();
    EXPECT_EQ(numerotratti, 3);
    EXPECT_EQ(lunghezza[2], Valore("85.5"));
    EXPECT_EQ(coefpendenza[3], Valore(0.01));
    EXPECT_EQ(sistema, "misto");
    EXPECT_TRUE(lunghezza[7].vuoto()); // nothing left from before joins the network
    EXPECT_EQ(numerotubi, Valore());
    EXPECT_EQ(fr().località->text(), QString::fromUtf8("Borgo Città"));
    EXPECT_EQ(fr().progetto->text(), "Fognatura, lotto 2"); // the comma stays inside the field
    auto& d = finestre::forma<dati>();
    EXPECT_EQ(primotratto, 1);
    EXPECT_EQ(d.lungh[2]->text(), "85.5");
    EXPECT_FALSE(d.diam[3]->text().isEmpty());
    EXPECT_EQ(d.Caption(), "Velmor: dati per il progetto di condotte fognarie - file:" + file);
    EXPECT_EQ(nomefile, file);
    const auto& a = dialoghi().richiesteFile.back();
    EXPECT_EQ(a.titolo, "Apri file");
    EXPECT_EQ(a.nomeFile, "");
    EXPECT_EQ(a.filtro, "Tutti i file (*.*) | *.*|File Velmor-completa- | Velmor-completa-*");
    EXPECT_EQ(a.indiceFiltro, 2);
}

TEST_F(Archivi, FileDatiDalFrontespizioEAperturaSenzaToccareITubi)
{
    treTratti();
    frontespizioCompleto();
    unTubo(1);
    const QString file = percorso("Velmor-dati-rete");
    dialoghi().file_ = {file};
    fr().salva_Click();
    const QByteArray scritto = contenuto(file);
    EXPECT_EQ(record::righe(cp1252::leggiTesto(scritto)).size(), 5); // count, 3 segments, title page
    EXPECT_EQ(dialoghi().richiesteFile.back().nomeFile, "Velmor-dati-"); // the design name, the first time
    EXPECT_EQ(dialoghi().richiesteFile.back().filtro, "File Velmor-dati- | Velmor-dati-*");

    // Opening it while pipes exist leaves them; a complete save next holds them.
    lunghezza[1] = Valore("1");
    fr().cancella_click();
    dialoghi().file_ = {file};
    fr().apri_Click();
    EXPECT_EQ(lunghezza[1], Valore("120"));
    EXPECT_EQ(fr().data->text(), QString::fromUtf8("lunedì, 7 dic 2026")); // the file's date, not today's
    EXPECT_EQ(riferimento[1], Valore("collettore 1"));
    EXPECT_EQ(numerotubi, Valore(1));
    EXPECT_FALSE(finestre::trova("dati")->isVisible()); // the network window is not brought forward
    const QString completo = percorso("Velmor-completa-tutto");
    dialoghi().file_ = {completo};
    fr().salvatutto_Click();
    const QList<QString> righe = record::righe(cp1252::leggiTesto(contenuto(completo)));
    ASSERT_EQ(righe.size(), 7);
    EXPECT_EQ(righe[4], "1");
    EXPECT_TRUE(righe[5].startsWith("\"collettore 1\",\"calcestruzzo\",2500,"));
}

TEST_F(Archivi, IlNomeDelFileCorrenteDopoOgniComando)
{
    treTratti();
    frontespizioCompleto();
    const QString a = percorso("Velmor-dati-a");
    const QString b = percorso("Velmor-completa-b");

    fr().salvanome_Click(); // cancelled
    EXPECT_TRUE(nomefile.isEmpty());
    EXPECT_FALSE(QFile::exists(a));
    dialoghi().file_ = {a};
    fr().salva_Click(); // asks again
    EXPECT_EQ(nomefile, a);
    EXPECT_EQ(dialoghi().richiesteFile.size(), 2u);

    fr().salva_Click(); // with a current name: rewritten without asking
    EXPECT_EQ(dialoghi().richiesteFile.size(), 2u);

    fr().salvatutto_Click(); // cancelled: unchanged
    EXPECT_EQ(nomefile, a);
    dialoghi().file_ = {b};
    fr().salvatutto_Click();
    EXPECT_EQ(nomefile, b);
    fr().salva_Click(); // the current file is complete: rewritten complete, never as network data alone
    EXPECT_EQ(record::righe(cp1252::leggiTesto(contenuto(b))).size(), 6);
    EXPECT_EQ(dialoghi().richiesteFile.size(), 4u); // asked for nothing

    fr().eliminare_click(); // cancelled: nothing deleted
    EXPECT_TRUE(QFile::exists(a));
    EXPECT_EQ(dialoghi().richiesteFile.back().titolo, "Elimina: seleziona il file desiderato e clicca su Apri per cancellarlo");
    EXPECT_EQ(dialoghi().richiesteFile.back().filtro, "Tutti i file (*.*)|*.*|File Velmor-dati- | Velmor-dati-*");
    EXPECT_EQ(dialoghi().richiesteFile.back().indiceFiltro, 2);
    dialoghi().file_ = {a};
    fr().eliminare_click();
    EXPECT_FALSE(QFile::exists(a));
    EXPECT_EQ(nomefile, b); // delete leaves the current name
    EXPECT_TRUE(messaggi().visti.empty());
    dialoghi().file_ = {a}; // gone already: the user is told, not left believing it deleted
    fr().eliminare_click();
    ASSERT_EQ(messaggi().visti.size(), 1u);
    EXPECT_EQ(messaggi().visti[0].testo, "Il file " + a + " non è stato eliminato (il file non esiste).");
    messaggi().visti.clear();

    fr().apri_Click(); // cancelled: no current file any more
    EXPECT_TRUE(nomefile.isEmpty());
}

TEST_F(Archivi, SalvataggiRifiutati)
{
    frontespizioCompleto();
    // No segment: the network check speaks, the network window is shown, nothing is written.
    dialoghi().file_ = {percorso("x"), percorso("y")};
    fr().salva_Click();
    fr().salvatutto_Click();
    ASSERT_EQ(messaggi().visti.size(), 2u);
    EXPECT_TRUE(messaggi().visti[0].testo.startsWith("Non esistono dati riconosciuti:"));
    EXPECT_TRUE(messaggi().visti[1].testo.startsWith("Non esistono dati riconosciuti:"));
    EXPECT_TRUE(finestre::trova("dati")->isVisible());
    EXPECT_TRUE(dialoghi().richiesteFile.empty());
    EXPECT_EQ(erroredati, Valore(1));

    // A complete network with no project.
    messaggi().visti.clear();
    treTratti();
    fr().progetto->clear();
    fr().luogo->clear();
    fr().allegati->clear();
    fr().salva_Click();
    fr().salvatutto_Click();
    ASSERT_EQ(messaggi().visti.size(), 2u);
    for (const auto& m : messaggi().visti) {
        EXPECT_EQ(m.testo, "E' necessario digitare almeno il dato del 'progetto'.");
        EXPECT_EQ(m.stile, vbCritical);
        EXPECT_EQ(m.titolo, titolocontrollo.testo());
    }
    EXPECT_TRUE(fr().isVisible());
    EXPECT_TRUE(dialoghi().richiesteFile.empty());

    // An empty place or enclosures do not stop a save.
    fr().progetto->setText("rete");
    dialoghi().file_ = {percorso("Velmor-dati-z")};
    fr().salva_Click();
    EXPECT_TRUE(QFile::exists(percorso("Velmor-dati-z")));
}

TEST_F(Archivi, FileNonValidiRifiutatiPrimaDiCambiareQualcosa)
{
    treTratti();
    frontespizioCompleto();
    nomefile = "/prima";
    struct Caso {
        const char* nome;
        QByteArray contenuto;
        const char* riga = nullptr; // the line the refusal names, when it matters
    };
    QByteArray troppi = "501\r\n";
    // The UTF-8 mark, then a Windows-1252 byte on line 6.
    const QByteArray segnoUtf8 = QByteArray("\xEF\xBB\xBF") + "4\r\n"
                                 + QByteArray("\"1\",\"1\",,,,,,,,,,,,\"\"\r\n").repeated(4) + "\"Citt\xE0\",,,,,,\r\n";
    const Caso casi[] = {
        {"troppi", troppi},
        {"segno-utf8", segnoUtf8, "riga 6: "},
        {"corto", "2\r\n\"1\",\"1\",,,,,,,,,,,,\"misto\"\r\n"},
        {"campi", "1\r\n\"1\",\"1\"\r\n\"a\",\"b\",\"c\",\"d\",\"e\",\"f\",\"g\"\r\n"},
        {"rotto", "x\r\n"},
        {"vuoto", ""},
    };
    for (const Caso& c : casi) {
        const QString file = percorso(c.nome);
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(c.contenuto);
        f.close();
        messaggi().visti.clear();
        dialoghi().file_ = {file};
        fr().apri_Click();
        ASSERT_EQ(messaggi().visti.size(), 1u) << c.nome;
        EXPECT_EQ(messaggi().visti[0].stile, vbCritical);
        EXPECT_TRUE(messaggi().visti[0].testo.contains(file)) << c.nome;
        EXPECT_TRUE(!c.riga || messaggi().visti[0].testo.contains(c.riga)) << messaggi().visti[0].testo.toStdString();
        EXPECT_EQ(numerotratti, 3) << c.nome;
        EXPECT_EQ(lunghezza[1], Valore("120")) << c.nome;
        EXPECT_EQ(fr().progetto->text(), "Fognatura, lotto 2") << c.nome;
        EXPECT_EQ(nomefile, "/prima") << c.nome; // a later save cannot overwrite the refused file
    }
}

TEST_F(Archivi, SalvataggioFallitoLoDice)
{
    treTratti();
    frontespizioCompleto();
    // The current name is a folder: the write cannot take its place, whoever runs the test.
    const QString cartellaBersaglio = percorso("Velmor-dati-cartella");
    ASSERT_TRUE(QDir().mkdir(cartellaBersaglio));
    nomefile = cartellaBersaglio;
    fr().salva_Click();
    ASSERT_EQ(messaggi().visti.size(), 1u);
    EXPECT_TRUE(messaggi().visti[0].testo.contains("non è stato salvato"));
    EXPECT_EQ(messaggi().visti[0].stile, vbCritical);
    EXPECT_TRUE(QFileInfo(cartellaBersaglio).isDir());
}

// A failed save says what to do next, as fits the cause: a full, read-only or forbidden
// place wants another folder or disk, not another name in the same place.
TEST_F(Archivi, IlSalvataggioFallitoDiceCosaFare)
{
    const struct {
        int codice;
        office::Passo passo;
        const char* motivo;
        const char* rimedio;
    } casi[] = {
        // (each cause's own wording is checked with the save's messages)
        {ENOSPC, office::Passo::scrittura, "il disco è pieno", "in un'altra cartella o su un altro disco"},
        {EACCES, office::Passo::apertura, "permesso di scrivere", "in un'altra cartella, in cui si abbia il permesso"},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.codice);
        ripristina();
        treTratti();
        frontespizioCompleto();
        office::impostaGuasto([&](office::Passo p) { return p == c.passo ? c.codice : 0; });
        dialoghi().file_ = {percorso("Velmor-dati-guasto")};
        fr().salva_Click();
        office::impostaGuasto({});
        ASSERT_EQ(messaggi().visti.size(), 1u);
        const QString& testo = messaggi().visti[0].testo;
        EXPECT_TRUE(testo.contains(QString::fromUtf8(c.motivo))) << qPrintable(testo);
        EXPECT_TRUE(testo.contains(QString::fromUtf8(c.rimedio))) << qPrintable(testo);
        EXPECT_FALSE(testo.contains("con un altro nome")) << qPrintable(testo);
        EXPECT_FALSE(QFileInfo::exists(percorso("Velmor-dati-guasto")));
    }
}

// A record too long for the readers is refused by its segment or pipe, never by a line
// number the user cannot see (the title page's boxes keep their texts short enough).
TEST_F(Archivi, UnaRigaTroppoLungaNominaIlTrattoOIlTubo)
{
    const QString lungo(record::lunghezzaMassimaRiga + 1, 'x');
    const struct {
        std::function<void()> prepara;
        std::function<void()> salva;
        const char* cosa;
    } casi[] = {
        {[&] { tiposuperficie[2] = Valore(lungo); }, [] { fr().salva_Click(); }, "tratto n.2"},
        {[&] {
             unTubo(1);
             unTubo(2);
             tubazioni::impostaCampo(tubazioni::campo::materiale, 2, Valore(lungo));
         },
         [] { finestre::forma<sismica>().salva_Click(); }, "tubo n.2"},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.cosa);
        ripristina();
        treTratti();
        frontespizioCompleto();
        c.prepara();
        const QString file = percorso(QStringLiteral("Velmor-lungo-") + c.cosa);
        dialoghi().file_ = {file};
        c.salva();
        ASSERT_EQ(messaggi().visti.size(), 1u);
        const QString& testo = messaggi().visti[0].testo;
        const QString cosa = QString::fromUtf8(c.cosa);
        EXPECT_TRUE(testo.contains("i testi del " + cosa + " sono troppo lunghi")) << qPrintable(testo);
        EXPECT_TRUE(testo.contains("Accorciare i testi del " + cosa)) << qPrintable(testo);
        EXPECT_FALSE(testo.contains(QRegularExpression("riga \\d"))) << qPrintable(testo);
        EXPECT_FALSE(QFileInfo::exists(file));
    }
}

TEST_F(Archivi, IlTestoPiuLungoCheLeCaselleAccettanoSiSalvaESiRiapre)
{
    treTratti();
    for (QLineEdit* c : fr().campi())
        c->setText(QString(20000, QChar(u'é'))); // a paste far longer than a box takes
    const QStringList scritti = archivi::testiFrontespizio();
    for (const QString& t : scritti)
        EXPECT_GT(t.size(), 1000); // no title-page text is cut short of a thousand characters
    const QString file = percorso("Velmor-dati-lunghi");
    dialoghi().file_ = {file};
    fr().salva_Click();
    archivi::impostaFrontespizio({});
    messaggi().visti.clear();
    dialoghi().file_ = {file};
    fr().apri_Click();
    EXPECT_EQ(archivi::testiFrontespizio(), scritti);
    for (const auto& m : messaggi().visti)
        EXPECT_NE(m.stile, vbCritical) << qPrintable(m.testo);

    // A longer text in a file is refused whole, not cut by the box that would take it.
    QStringList troppo(archivi::campiFrontespizio);
    troppo[6] = QString(archivi::lunghezzaTestoFrontespizio + 1, 'x');
    QString errore;
    EXPECT_FALSE(archivi::analizza(archivi::Tipo::dati, archivi::componi(archivi::Tipo::dati, troppo), &errore));
    EXPECT_EQ(errore, QStringLiteral("riga 5: un testo è più lungo di %1 caratteri").arg(archivi::lunghezzaTestoFrontespizio));
}

TEST_F(Archivi, TestiCheIlFileNonPuoContenereSonoSegnalati)
{
    treTratti();
    frontespizioCompleto();
    fr().committente->setText(QString::fromUtf8("Comune di \"Esempio\" ≥ 2"));
    dialoghi().file_ = {percorso("Velmor-dati-v")};
    fr().salva_Click();
    ASSERT_EQ(messaggi().visti.size(), 1u);
    EXPECT_EQ(messaggi().visti[0].stile, vbExclamation);
    EXPECT_TRUE(messaggi().visti[0].testo.contains("è stato salvato"));
    EXPECT_TRUE(messaggi().visti[0].testo.contains(QString::fromUtf8("≥")));
}

TEST_F(Archivi, AndataERitornoDiTabelleCasuali)
{
    QRandomGenerator caso(7);
    const QString alfabeto = QString::fromUtf8("abcàèù ,.-'0123456789");
    const auto valoreCasuale = [&]() -> Valore {
        switch (caso.bounded(3)) {
        case 0: return Valore();
        case 1: {
            QString t;
            for (int k = int(caso.bounded(12)); k > 0; --k)
                t += alfabeto[int(caso.bounded(alfabeto.size()))];
            return Valore(t);
        }
        default: return Valore(double(caso.bounded(100000)) / 100.0);
        }
    };
    // A pipe's number field holds no word (the readers refuse one): its leading number instead.
    const auto numeroCasuale = [&]() -> Valore {
        const Valore v = valoreCasuale();
        return v.vuoto() || v.numerico() ? v : Valore(v.numero());
    };
    for (int prova = 0; prova < 6; ++prova) {
        ripristina();
        const int n = prova == 0 ? 500 : int(caso.bounded(501));
        const int m = prova == 0 ? 50 : int(caso.bounded(51));
        sistema = prova % 2 ? "nere" : "bianche";
        numerotratti = n;
        std::vector<std::vector<Valore>> tratti;
        for (int i = 1; i <= n; ++i) {
            std::vector<Valore> riga;
            for (Tratti* t : campitratto()) {
                (*t)[i] = valoreCasuale();
                riga.push_back((*t)[i]);
            }
            tratti.push_back(riga);
        }
        for (int j = 1; j <= m; ++j) {
            riferimento[j] = valoreCasuale();
            materiale[j] = valoreCasuale().testo();
            for (auto* t : {&pesos, &compr, &traz, &diam, &spess, &peso, &altez, &pesot, &attr, &incr, &press, &bmin, &bmax})
                (*t)[j] = numeroCasuale();
        }
        numerotubi = m == 0 ? Valore() : Valore(m);
        const QStringList testi{"p", "l", "t", "c", "lu", "d", "a"};
        const QByteArray byte = archivi::componi(archivi::Tipo::completo, testi);
        QString errore;
        const auto letto = archivi::analizza(archivi::Tipo::completo, byte, &errore);
        ASSERT_TRUE(letto) << errore.toStdString();
        EXPECT_EQ(letto->numerotratti, n);
        EXPECT_EQ(letto->frontespizio, testi);
        EXPECT_EQ(letto->numerotubi, numerotubi);
        ASSERT_EQ(letto->tratti.size(), n);
        for (int i = 0; i < n; ++i)
            for (int k = 0; k < 13; ++k)
                ASSERT_EQ(letto->tratti[i][k], tratti[i][k]) << "segment " << i + 1 << " field " << k;
        const auto riferimenti = riferimento;
        const auto materiali = materiale;
        const auto pesi = pesos;
        archivi::applicaTubi(*letto);
        for (int j = 1; j <= m; ++j) {
            EXPECT_EQ(riferimento[j], riferimenti[j]);
            EXPECT_EQ(materiale[j], materiali[j]);
            EXPECT_EQ(pesos[j], pesi[j]);
        }
    }
}

} // namespace

namespace {

TEST_F(ConArchivi, FileVerificaDallaFinestraSismica)
{
    auto& s = finestre::forma<sismica>();
    unTubo(1);
    unTubo(2);
    materiale[2] = QString::fromUtf8("grès ceramico");
    const QString file = percorso("Velmor-verifica-due");
    dialoghi().file_ = {file};
    s.Toolbar1_ButtonClick(2);
    ASSERT_TRUE(messaggi().visti.empty()) << messaggi().visti[0].testo.toStdString();
    const QList<QString> righe = record::righe(cp1252::leggiTesto(contenuto(file)));
    ASSERT_EQ(righe.size(), 3);
    EXPECT_EQ(righe[0], "2");
    EXPECT_EQ(righe[2], QString::fromUtf8("\"collettore 2\",\"grès ceramico\",2500,80,40,100,100,864,150,1800,30,2,8,20,50"));
    const auto& r = dialoghi().richiesteFile.back();
    EXPECT_EQ(r.nomeFile, "Velmor-verifica-");
    EXPECT_EQ(r.filtro, "File Velmor-verifica- | Velmor-verifica-*");
    EXPECT_EQ(nomefile, file);

    // A network save next never rewrites the seismic file: it asks for a name.
    treTratti();
    frontespizioCompleto();
    fr().salva_Click();
    EXPECT_EQ(dialoghi().richiesteFile.back().titolo, "Salva file con nome");
    EXPECT_EQ(record::righe(cp1252::leggiTesto(contenuto(file))).size(), 3);

    // Read back into an emptied table: pipe 1 shown and checked.
    ripristina();
    dialoghi().file_ = {file};
    finestre::forma<sismica>().Toolbar1_ButtonClick(1);
    EXPECT_EQ(numerotubi, Valore(2));
    EXPECT_EQ(materiale[2], QString::fromUtf8("grès ceramico"));
    EXPECT_EQ(tubocorrente, 1);
    EXPECT_FALSE(sigmasuperiore[1][1].vuoto());
    EXPECT_EQ(incr[3], Valore(2)); // pipes past the file's start from the presets
}

} // namespace

namespace {

TEST_F(ConArchivi, UnTestoLungoLettoDaFileAvvisaUnaVoltaERestaIntero)
{
    treTratti();
    frontespizioCompleto();
    const QString lungo(70, 'q');
    fr().tipostudio->setText("breve");
    messaggi().visti.clear();
    QStringList testi = archivi::testiFrontespizio();
    testi[2] = lungo;
    const QString file = percorso("Velmor-dati-lungo");
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(archivi::componi(archivi::Tipo::dati, testi));
    f.close();
    // Read with the title page on screen, then by the network window with the title page
    // never loaded since: the warning comes with the read either way, once.
    for (const bool daFrontespizio : {true, false}) {
        SCOPED_TRACE(daFrontespizio ? "dal frontespizio" : "dalla finestra Dati");
        if (!daFrontespizio)
            finestre::scarica(finestre::nomi::frontespizio);
        messaggi().visti.clear();
        dialoghi().file_ = {file};
        if (daFrontespizio)
            fr().apri_Click();
        else
            finestre::forma<dati>().apri_Click();
        ASSERT_EQ(messaggi().visti.size(), 1u);
        EXPECT_EQ(messaggi().visti[0].testo, "Per una stampa corretta non digitare dati lunghi più di 60 spazi.");
        ASSERT_TRUE(finestre::caricata(finestre::nomi::frontespizio));
        EXPECT_EQ(fr().tipostudio->text(), lungo);
    }
}

} // namespace
