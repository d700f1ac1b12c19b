// The technical report: preparation, the title page and the closing in both
// renderings, the end pass, and the ways a report stops.
#include "archivi_prova.h"
#include "pagine_prova.h"

#include "frame/ModVelmor.h"
#include "frame/finestre.h"
#include "network/dati.h"
#include "office/applicazione.h"
#include "office/consegna.h"
#include "office/stampante.h"
#include "office/superficieregistrata.h"
#include "report/frontespizio.h"
#include "report/relazione.h"
#include "report/relazionefrontespizio.h"
#include "report/relazionestampante.h"
#include "report/relazioneword.h"
#include "report/schedadati.h"
#include "seismic/sismica.h"
#include "supporto/lettoredocx.h"

#include <QLabel>
#include <QSet>
#include <QFile>
#include <QPageLayout>
#include <QPrinter>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>

using namespace vb;

using namespace ModVelmor;
using namespace doppi;

namespace {

class Relazione : public ConArchivi {
protected:
    void SetUp() override
    {
        ConArchivi::SetUp();
        office::impostaCartellaDocumenti(cartella.filePath("Documenti"));
    }
    void TearDown() override
    {
        office::impostaCartellaDocumenti({});
        ConArchivi::TearDown();
    }

    // n complete segments of one network type.
    static void rete(int n, const QString& tipo)
    {
        treTratti();
        for (int i = 4; i <= n; ++i)
            for (Tratti* t : campitratto())
                (*t)[i] = (*t)[1 + i % 3];
        sistema = tipo;
        numerotratti = n;
    }
    frontespizio& f() { return finestre::forma<frontespizio>(); }
    // The report on the recording surface.
    const office::SuperficieRegistrata& stampaSuCarta()
    {
        f().comestampo[1]->setChecked(true);
        f().stampa_Click();
        EXPECT_TRUE(stampa().ultima);
        return static_cast<const office::SuperficieRegistrata&>(*stampa().ultima);
    }
    static QList<office::ScrittaRegistrata> trova(const office::SuperficieRegistrata& s, const QString& inizio)
    {
        QList<office::ScrittaRegistrata> trovate;
        for (const auto& w : s.scritte())
            if (w.testo.startsWith(inizio))
                trovate << w;
        return trovate;
    }
};

TEST_F(Relazione, PosizioniDellaBarraDellaRete)
{
    EXPECT_TRUE(relazione::posizioniRete(10, 491).isEmpty());
    EXPECT_EQ(relazione::posizioniRete(11, 491), QList<int>{11});
    const QList<int> tutte = relazione::posizioniRete(500, 491);
    ASSERT_EQ(tutte.size(), 49); // 11, 21, ..., 491
    EXPECT_EQ(tutte.front(), 11);
    EXPECT_EQ(tutte.back(), 491);
}

TEST_F(Relazione, LaPreparazioneRicalcolaOgniTrattoEOgniTubo)
{
    rete(500, "misto");
    for (int j = 1; j <= 3; ++j)
        unTubo(j);
    ASSERT_TRUE(relazione::prepara());
    EXPECT_EQ(finestre::forma<dati>().VScroll1->value(), 491);
    EXPECT_EQ(finestre::forma<sismica>().VScroll1->value(), 3);
    for (int i = 1; i <= 500; ++i)
        ASSERT_TRUE(diametro[i].eNumero() && diametro[i].numero() > 0) << "segment " << i;
    for (int j = 1; j <= 3; ++j)
        EXPECT_FALSE(sigmasuperiore[1][j].vuoto()) << "pipe " << j;
    EXPECT_TRUE(messaggi().visti.empty());
}

TEST_F(Relazione, DatiIncompletiFermanoLaRelazioneSenzaProdurreNulla)
{
    struct Caso {
        const char* cosa;
        void (*guasta)();
        const char* finestra;
    } casi[] = {
        {"a segment without its height difference", [] { dislivello[12] = Valore(); }, "dati"},
        {"a pipe without its fill height", [] { unTubo(1); altez[1] = Valore(); }, "sismica"},
        {"a segment the sizing leaves without a pipe", [] { lunghezza[12] = Valore("-100"); }, "dati"},
    };
    for (const Caso& c : casi) {
        ripristina();
        rete(12, "misto");
        frontespizioCompleto();
        c.guasta();
        for (int rendering : {1, 2}) {
            f().comestampo[rendering]->setChecked(true);
            f().stampa_Click();
        }
        office::consegnaInSospeso();
        EXPECT_EQ(stampa().richieste, 0) << c.cosa;
        EXPECT_EQ(dialoghi().richiesteStampante, 0) << c.cosa;
        EXPECT_FALSE(QDir(cartella.filePath("Documenti")).exists()) << c.cosa;
        EXPECT_EQ(messaggi().visti.size(), 2u) << c.cosa; // the check's own message, once per try
        EXPECT_TRUE(finestre::trova(c.finestra) && finestre::trova(c.finestra)->isVisible()) << c.cosa;
    }
}

// How a print ends when the paper, the print queue or the PDF file lets it down: the user is told,
// and a report refused before drawing draws nothing. The printer shows A4 in the dialog every time.
TEST_F(Relazione, LaStampaVerificaCartaCodaEFile)
{
    struct Caso {
        const char* cosa;
        std::function<void()> prepara;
        const char* messaggio; // the start of what the user is told, nothing when all went well
        bool disegnata;
        const char* poi = nullptr; // what the message tells the user to do next
    };
    static const auto lettera = [] {
        dialoghi().sceltaStampante = [](QPrinter& p) { p.setPageSize(QPageSize(QPageSize::Letter)); };
    };
    const Caso casi[] = {
        {"A4 on a queue that takes the job", [] { code().codaScelta = "Studio"; }, nullptr, true},
        {"Letter left by the dialog, A4 declined",
         [] {
             lettera();
             messaggi().risposte = {vbNo};
         },
         "La stampa è impaginata per fogli A4 verticali, ma la stampante è impostata sul formato L", false},
        {"Letter left by the dialog, A4 accepted",
         lettera, "La stampa è impaginata per fogli A4 verticali", true},
        {"A4 landscape chosen in the dialog, A4 portrait declined",
         [] {
             dialoghi().sceltaStampante = [](QPrinter& p) { p.setPageOrientation(QPageLayout::Landscape); };
             messaggi().risposte = {vbNo};
         },
         "La stampa è impaginata per fogli A4 verticali, ma la stampante è impostata sul formato A4 orizzontale.", false},
        {"an A4 whose printable area is as short as a Letter page's",
         [] { stampa().area = QSizeF(612 - 36, 792 - 36) * 20.0; }, "L'area stampabile della pagina scelta è troppo corta",
         false},
        {"a queue that refuses jobs, with the administrator's reason",
         [] {
             code().codaScelta = "Studio";
             code().motivoRifiuto = servizi::Rifiuto{servizi::Rifiuto::Causa::chiusa, "in manutenzione"};
         },
         "La stampante Studio non accetta lavori (in manutenzione)", false,
         "chiedere all'amministratore del sistema di riattivare la coda di stampa Studio"},
        {"a queue that refuses jobs, no reason given",
         [] {
             code().codaScelta = "Studio";
             code().motivoRifiuto = servizi::Rifiuto{servizi::Rifiuto::Causa::chiusa, {}};
         },
         "La stampante Studio non accetta lavori (la coda di stampa è chiusa)", false, "Scegliere un'altra stampante"},
        {"a queue the print system does not know",
         [] {
             code().codaScelta = "Studio";
             code().motivoRifiuto = servizi::Rifiuto{servizi::Rifiuto::Causa::sconosciuta, {}};
         },
         "La stampante Studio non è nota al servizio di stampa", false, "Scegliere un'altra stampante"},
        {"a print system that does not answer before the print",
         [] {
             code().codaScelta = "Studio";
             code().motivoRifiuto = servizi::Rifiuto{servizi::Rifiuto::Causa::senzaRisposta, {}};
         },
         "Il servizio di stampa del sistema non risponde: non è stato stampato nulla", false,
         "Controllare che il servizio di stampa sia attivo"},
        {"a job the queue never shows", [] { code().codaScelta = "Studio"; code().perdeLavoro = true; },
         "Il lavoro di stampa non è stato accettato dalla stampante Studio", true, "poi stampare di nuovo"},
        {"a print system that stops answering once the job is sent",
         [] { code().codaScelta = "Studio"; code().muto = true; },
         "Il servizio di stampa del sistema non risponde: non si sa se il lavoro", true,
         "Controllare la coda di stampa della stampante Studio prima di stampare di nuovo"},
        {"a PDF file that was never written",
         [this] {
             dialoghi().sceltaStampante = [this](QPrinter& p) { p.setOutputFileName(cartella.filePath("mai.pdf")); };
         },
         "Il file ", true, "scegliere un altro file"},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.cosa);
        ripristina();
        rete(3, "misto");
        frontespizioCompleto();
        c.prepara();
        f().comestampo[1]->setChecked(true);
        f().stampa_Click();
        const auto* carta = static_cast<const office::SuperficieRegistrata*>(stampa().ultima.get());
        EXPECT_EQ(dialoghi().cartaMostrata, "A4");
        EXPECT_EQ(carta && !carta->scritte().empty(), c.disegnata);
        if (c.disegnata) {
            EXPECT_EQ(stampa().carta, "A4 portrait"); // what the printer held when drawing began
        }
        if (!c.messaggio) {
            EXPECT_TRUE(messaggi().visti.empty());
            EXPECT_EQ(code().chieste, QStringList({"rifiuto Studio", "lavoro Studio dopo 7"}));
            continue;
        }
        ASSERT_EQ(messaggi().visti.size(), 1u);
        EXPECT_TRUE(messaggi().visti[0].testo.startsWith(QString::fromUtf8(c.messaggio))) << qPrintable(messaggi().visti[0].testo);
        if (c.poi) {
            EXPECT_TRUE(messaggi().visti[0].testo.contains(QString::fromUtf8(c.poi))) << qPrintable(messaggi().visti[0].testo);
        }
    }
}

TEST_F(Relazione, IlLavoroPortaIlNomeDelProgetto)
{
    EXPECT_EQ(relazione::nomeLavoro("  Rete Nord "), "Velmor - relazione tecnica - Rete Nord");
    EXPECT_EQ(relazione::nomeLavoro(""), "Velmor - relazione tecnica");
}

TEST_F(Relazione, StampaAnnullataOStampanteGuasta)
{
    rete(3, "misto");
    dialoghi().stampanti = {false};
    f().comestampo[1]->setChecked(true);
    f().stampa_Click();
    EXPECT_EQ(stampa().richieste, 0);
    EXPECT_TRUE(messaggi().visti.empty());

    stampa().guasta = true;
    ASSERT_TRUE(relazione::prepara());
    relazione::Contesto ctx(f().testiRelazione());
    relazione::stampaDiretta(ctx); // what the print command runs after the checks
    ASSERT_EQ(messaggi().visti.size(), 1u);
    EXPECT_EQ(messaggi().visti[0].stile, vbCritical);
    EXPECT_TRUE(messaggi().visti[0].testo.contains("la stampante non risponde"));
    EXPECT_TRUE(messaggi().visti[0].testo.contains("poi stampare di nuovo o scegliere un'altra stampante"));
    EXPECT_EQ(ctx.Printer, nullptr);
}

// The title page and the closing on paper, for each network type, with and without pipes.
TEST_F(Relazione, FrontespizioEChiusuraSullaStampante)
{
    const StudioDiProva studioRossi("Studio Rossi\r\nvia Roma 1, Borgo\r\n");
    struct Caso {
        const char* sistema;
        int tubi;
        const char* sottotitolo; // nullptr: none
    } casi[] = {
        {"misto", 0, "(per una fognatura a sistema misto)"},
        {"bianche", 2, "(per una fognatura per acque bianche)"},
        {"nere", 0, "(per una fognatura per acque nere)"},
        {"Misto", 1, nullptr},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.sistema);
        ripristina();
        rete(30, c.sistema);
        for (int j = 1; j <= c.tubi; ++j)
            unTubo(j);
        frontespizioCompleto();
        const office::SuperficieRegistrata& s = stampaSuCarta();
        ASSERT_TRUE(messaggi().visti.empty());

        const auto titolo = trova(s, "CALCOLI  IDRAULICI");
        ASSERT_EQ(titolo.size(), 1);
        EXPECT_EQ(titolo[0].pagina, 1);
        EXPECT_EQ(titolo[0].y, 1000);
        EXPECT_EQ(titolo[0].punti, 24);
        EXPECT_EQ(trova(s, "(per una fognatura").size(), c.sottotitolo ? 1 : 0);
        if (c.sottotitolo)
            EXPECT_EQ(trova(s, c.sottotitolo).size(), 1);
        const auto sismica = trova(s, "E VERIFICA SISMICA DEI TUBI");
        ASSERT_EQ(sismica.size(), c.tubi > 0 ? 1 : 0);
        const auto progetto = trova(s, "progetto..............: Fognatura, lotto 2");
        ASSERT_EQ(progetto.size(), 1);
        EXPECT_EQ(progetto[0].punti, 14);
        if (c.tubi > 0)
            EXPECT_EQ(sismica[0].punti, 24);

        // The studio between the two rules, and the title page without a foot.
        ASSERT_EQ(s.linee().size(), 2u);
        for (const auto& [linea, y] : {std::pair{s.linee()[0], 14000.0}, std::pair{s.linee()[1], 15300.0}}) {
            EXPECT_EQ(linea.pagina, 1);
            EXPECT_EQ(linea.da, QPointF(1000, y));
            EXPECT_EQ(linea.a, QPointF(10000, y));
            EXPECT_EQ(linea.spessore, 5);
        }
        const QString studio = f().Labelstudio->text();
        const auto firma = trova(s, "          " + studio);
        ASSERT_EQ(firma.size(), 1);
        EXPECT_GT(firma[0].y, 14000);
        EXPECT_LT(firma[0].y, 15300);
        EXPECT_EQ(firma[0].punti, 16);

        // Every page after the title page has its number at the foot, and nothing below it.
        const int pagine = s.pagineUltimoDocumento();
        for (int p = 1; p <= pagine; ++p) {
            int piedi = 0;
            for (const auto& w : s.scritte()) {
                if (w.pagina != p)
                    continue;
                if (w.testo.startsWith("pagina ")) {
                    ++piedi;
                    EXPECT_EQ(w.testo, QString("pagina  %1 ").arg(p));
                    EXPECT_EQ(QPointF(w.x, w.y), QPointF(9800, 15500));
                } else {
                    EXPECT_LT(w.y, 15500) << qPrintable(w.testo);
                }
            }
            EXPECT_EQ(piedi, p == 1 ? 0 : 1) << "page " << p;
        }

        // The closing, on the last page, counts the pages.
        const auto conto = trova(s, "La presente relazione");
        ASSERT_EQ(conto.size(), 1);
        EXPECT_EQ(conto[0].testo, QString("La presente relazione è composta di n. %1  pagine.").arg(pagine));
        EXPECT_EQ(conto[0].pagina, pagine);
        EXPECT_EQ(conto[0].punti, 12);
        const auto allegati = trova(s, "Si allegano: tavole 1-4");
        ASSERT_EQ(allegati.size(), 1);
        EXPECT_EQ(allegati[0].x, conto[0].x);
        const auto progettista = trova(s, "il progettista");
        ASSERT_EQ(progettista.size(), 1);
        EXPECT_DOUBLE_EQ(progettista[0].x, conto[0].x / 7 * 49); // columns 8 and 50
        EXPECT_EQ(trova(s, "(" + studio + ")").size(), 1);
    }
}

TEST_F(Relazione, LaChiusuraSottoI13500TwipVaAPaginaNuova)
{
    for (const double y : {13400.0, 13600.0}) {
        relazione::Contesto ctx(f().testiRelazione());
        office::SuperficieRegistrata s;
        office::Stampante p(s);
        ctx.Printer = &p;
        p.FontName = "Courier New";
        p.FontSize = 12;
        p.CurrentY = y - 2 * p.TextHeight(); // the two blank lines bring it to y
        relazione::chiusuraStampa(ctx);
        const auto conto = trova(s, "La presente relazione");
        ASSERT_EQ(conto.size(), 1);
        EXPECT_EQ(conto[0].pagina, y > 13500 ? 2 : 1);
        EXPECT_TRUE(conto[0].testo.contains(QString("n. %1  pagine").arg(conto[0].pagina)));
        EXPECT_EQ(trova(s, "pagina ").size(), y > 13500 ? 1 : 0);
        ctx.Printer = nullptr;
    }
}

// The title page and the closing in the document: paragraphs, sizes and bold.
TEST_F(Relazione, FrontespizioEChiusuraNelDocumento)
{
    const StudioDiProva studioRossi("Studio Rossi\r\nvia Roma 1, Borgo\r\n");
    for (const int tubi : {0, 1}) {
        SCOPED_TRACE(tubi);
        ripristina();
        rete(3, "nere");
        if (tubi)
            unTubo(1);
        frontespizioCompleto();
        relazione::Contesto ctx(f().testiRelazione());
        relazione::apriRelazione(ctx);
        relazione::frontespizioWord(ctx);
        relazione::nuovoParagrafo(ctx);
        relazione::scrivi(ctx, 12, "SEZIONI");
        relazione::chiusuraWord(ctx);
        const QString percorso = cartella.filePath(QString("r%1.docx").arg(tubi));
        ASSERT_TRUE(ctx.documento->SaveAs(percorso));
        const lettura::Documento d = lettura::leggiFile(percorso);
        ASSERT_TRUE(d.valido);

        QStringList attesi = {"", "", "", "CALCOLI IDRAULICI", "(per una fognatura per acque nere)"};
        if (tubi)
            attesi << "" << "" << "E VERIFICA SISMICA DEI TUBI";
        attesi << "" << "" << "" << "" << "progetto: Fognatura, lotto 2" << "" << ""
               << QString::fromUtf8("località: Borgo Città") << "" << "" << "tipologia di studio: progetto esecutivo";
        for (int i = 1; i < (tubi ? 3 : 7); ++i)
            attesi << "";
        attesi << "progettista: " + f().Labelstudio->text() << "committente: Comune di Esempio" << ""
               << QString::fromUtf8("Ufficio tecnico: lunedì, 7 dic 2026");
        for (int i = 1; i < 10; ++i)
            attesi << "";
        attesi << f().Labelstudio->text() << f().labelindirizzo->text();
        for (int i = 0; i < 8; ++i) // seven after the address, and the new current paragraph's mark
            attesi << "";
        attesi << "SEZIONI";
        for (int i = 0; i < (tubi ? 6 : 12); ++i)
            attesi << "";
        const int pagine = ctx.documento->numeroPagine();
        attesi << QString("La presente relazione è composta di n. %1 pagine.").arg(pagine) << "Si allegano: tavole 1-4" << ""
               << QString::fromUtf8("Ufficio tecnico: lunedì, 7 dic 2026") << "" << "il progettista"
               << "(" + f().Labelstudio->text() + ")";
        QStringList letti;
        for (const auto& p : d.paragrafi)
            letti << p.testo();
        EXPECT_EQ(letti.join('|').toStdString(), attesi.join('|').toStdString());

        // title bold 24, subtitle and data 14 not bold, the closing 12
        const auto formato = [&](const QString& inizio) {
            for (const auto& p : d.paragrafi)
                if (!p.frammenti.isEmpty() && p.testo().startsWith(inizio))
                    return std::pair{p.frammenti[0].dimensione, p.frammenti[0].grassetto};
            return std::pair{-1.0, false};
        };
        EXPECT_EQ(formato("CALCOLI"), std::pair(24.0, true));
        EXPECT_EQ(formato("(per una"), std::pair(14.0, false));
        EXPECT_EQ(formato("progetto:"), std::pair(14.0, false));
        if (tubi)
            EXPECT_EQ(formato("E VERIFICA"), std::pair(24.0, false));
        EXPECT_EQ(formato("La presente"), std::pair(12.0, false));
        EXPECT_EQ(formato("(" + f().Labelstudio->text()), std::pair(12.0, false));
        EXPECT_EQ(d.larghezzaPagina, 11906); // A4
    }
}

// A studio's name and address as long as the title-page window lets them be (60 characters),
// and none at all: on paper every text stays within the printable width, the studio between the
// two rules of the title page, the signature whole; with no studio nothing but blank lines.
TEST_F(Relazione, IlProgettistaStaNeiMarginiOppureRestaInBianco)
{
    const QString lungo = QStringLiteral("Studio Tecnico Associato Ing. Mariangela Bianchi e Figli srl");
    const QString indirizzo = QStringLiteral("via dei Mille 128, scala B, interno 7, 00100 Roma RM, Italia");
    ASSERT_EQ(lungo.size(), 60);
    ASSERT_EQ(indirizzo.size(), 60);
    struct Caso {
        QString studio, indirizzo;
    };
    for (const Caso& c : {Caso{lungo, indirizzo}, Caso{lungo.toUpper(), indirizzo.toUpper()},
                          Caso{QString(60, u'W'), indirizzo}, Caso{QStringLiteral("Studio Rossi"), QStringLiteral("via Roma 1")},
                          Caso{QString(), QString()}}) {
        SCOPED_TRACE(c.studio.toStdString());
        ripristina();
        rete(30, "misto");
        unTubo(1);
        frontespizioCompleto();
        relazione::Testi testi = f().testiRelazione();
        testi.studio = c.studio;
        testi.indirizzo = c.indirizzo;
        ASSERT_TRUE(relazione::prepara());
        relazione::Contesto ctx(testi);
        relazione::stampaDiretta(ctx);
        ASSERT_TRUE(stampa().ultima);
        const auto& s = static_cast<const office::SuperficieRegistrata&>(*stampa().ultima);

        EXPECT_EQ(difettiPagine(s), QStringList());

        // The studio's block between the rules, its words all there.
        QStringList blocco;
        for (const auto& w : s.scritte())
            if (w.pagina == 1 && w.y >= 14000) {
                EXPECT_LE(w.y + s.misure(w.carattere, w.punti).riga, 15300) << qPrintable(w.testo);
                blocco << w.testo;
            }
        // (compared without blanks: a word wider than the line is cut where the line ends)
        const auto senzaSpazi = [](QString t) { return t.remove(' '); };
        EXPECT_EQ(senzaSpazi(blocco.join(' ')), senzaSpazi(c.studio + c.indirizzo));
        const auto progettista = trova(s, "progettista");
        ASSERT_FALSE(progettista.isEmpty());
        if (c.studio.isEmpty()) {
            EXPECT_EQ(progettista[0].testo, "progettista............: ");
        }

        // The signature: what follows "il progettista" on the closing's page, before the foot.
        const auto firma = trova(s, "il progettista");
        ASSERT_EQ(firma.size(), 1);
        QStringList sotto;
        for (const auto& w : s.scritte())
            if (w.pagina == firma[0].pagina && w.y > firma[0].y && !w.testo.startsWith("pagina"))
                sotto << w.testo;
        EXPECT_EQ(senzaSpazi(sotto.join(' ')), senzaSpazi(c.studio.isEmpty() ? QString() : "(" + c.studio + ")"));
    }
}

// The closing stays together, and the count it states is the count of the document with the
// closing in it, wherever the text before it ends on its page.
TEST_F(Relazione, LaChiusuraStaInsiemeEContaLePagineImpaginate)
{
    frontespizioCompleto();
    relazione::Testi testi = f().testiRelazione();
    testi.studio = QStringLiteral("Studio Tecnico Associato Ing. Mariangela Bianchi e Figli srl");
    QSet<int> conti;
    for (int righe = 0; righe <= 60; ++righe) {
        SCOPED_TRACE(righe);
        relazione::Contesto ctx(testi);
        relazione::apriRelazione(ctx);
        relazione::nuovoParagrafo(ctx);
        for (int r = 0; r < righe; ++r)
            relazione::scrivi(ctx, 12, QStringLiteral("riga %1 del testo che precede la chiusura\r").arg(r));
        relazione::chiusuraWord(ctx);
        const auto& blocchi = ctx.documento->modello().blocchi;
        QString stored;
        for (const auto& b : blocchi)
            for (const auto& fr : b.paragrafo.frammenti)
                if (fr.campo == "NUMPAGES")
                    stored = fr.testo;
        const int pagine = ctx.documento->numeroPagine();
        conti << pagine;
        EXPECT_EQ(stored, QString::number(pagine));
        // Count, enclosures, blank, place and date, blank, "il progettista": each kept with the next.
        QStringList tenuti;
        for (const auto& b : blocchi)
            if (b.tabella < 0 && b.paragrafo.formato.tieniConSeguente)
                tenuti << b.paragrafo.testo();
        ASSERT_EQ(tenuti.size(), 6);
        EXPECT_TRUE(tenuti.front().startsWith("La presente relazione"));
        EXPECT_EQ(tenuti.back(), "il progettista");
        EXPECT_FALSE(blocchi.back().paragrafo.formato.tieniConSeguente);
        if (righe == 0) {
            const QString percorso = cartella.filePath("chiusura.docx");
            ASSERT_TRUE(ctx.documento->SaveAs(percorso));
            const lettura::Documento d = lettura::leggiFile(percorso);
            int segnati = 0;
            for (const auto& p : d.paragrafi)
                segnati += p.tieniConSeguente;
            EXPECT_EQ(segnati, 6);
        }
    }
    EXPECT_GE(conti.size(), 2); // the closing met a page end somewhere in the range
}

// With no studio set the report leaves the designer blank in both renderings and the hint line
// after it says where to set the studio; with one set, the hint says nothing of it.
TEST_F(Relazione, SenzaStudioIlSuggerimentoDiceDoveImpostarlo)
{
    for (const auto uscita : {relazione::Uscita::stampante, relazione::Uscita::word}) {
        for (const QString& studio : {QString(), QStringLiteral("Studio Rossi")}) {
            SCOPED_TRACE(studio.toStdString() + (uscita == relazione::Uscita::word ? " word" : " carta"));
            ripristina();
            rete(3, "misto");
            frontespizioCompleto();
            relazione::Testi testi = f().testiRelazione();
            testi.studio = studio;
            QString suggerimento;
            relazione::stampaRelazione(testi, uscita, [&suggerimento](const QString& t) { suggerimento = t; });
            QStringList testi2;
            if (uscita == relazione::Uscita::stampante) {
                ASSERT_TRUE(stampa().ultima);
                for (const auto& w : static_cast<const office::SuperficieRegistrata&>(*stampa().ultima).scritte())
                    testi2 << w.testo;
            } else {
                office::consegnaInSospeso();
                const QStringList docx = QDir(cartella.filePath("Documenti")).entryList({"*.docx"}, QDir::Files, QDir::Time);
                ASSERT_FALSE(docx.isEmpty());
                for (const auto& p : lettura::leggiFile(cartella.filePath("Documenti/" + docx.first())).paragrafi)
                    testi2 << p.testo();
            }
            const QString tutto = testi2.join('|');
            EXPECT_FALSE(tutto.contains("vedi") || tutto.contains("clic qui") || tutto.contains("()"));
            EXPECT_EQ(suggerimento.contains("non impostato"), studio.isEmpty()) << qPrintable(suggerimento);
            EXPECT_EQ(suggerimento.contains(testi.fileStudio), studio.isEmpty());
            if (uscita == relazione::Uscita::word) {
                EXPECT_TRUE(suggerimento.startsWith("ho visualizzato la relazione su WORD"));
            }
        }
    }
}

// The end pass finds the tables by position: right-aligned columns per network type.
TEST_F(Relazione, PassataFinaleAllineaLeColonneGiuste)
{
    struct Caso {
        const char* sistema;
        QList<QList<int>> destra; // per table, the right-aligned columns
    };
    const QList<int> tutte16 = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};
    const QList<int> quattroNove = {4, 5, 6, 7, 8, 9};
    QList<int> tutte14 = tutte16.mid(0, 14);
    const Caso casi[] = {
        {"misto", {{2}, {2, 3}, {1, 2}, tutte16, tutte16, {}, quattroNove, tutte14}},
        {"bianche", {{2}, {2, 3}, {1, 2}, tutte16, tutte16, {}, quattroNove, tutte14}},
        {"nere", {{}, tutte16, tutte16, {}, quattroNove, tutte14}},
        {"MISTO", {{}, {}, {}, {}, {}, {}, {}, {}}},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.sistema);
        ripristina();
        sistema = c.sistema;
        unTubo(1);
        relazione::Contesto ctx;
        relazione::apriRelazione(ctx);
        const bool conBianche = sistema != "nere";
        QList<int> colonne = {2, 16, 16, 2, 9, 14};
        if (conBianche)
            colonne = QList<int>{2, 3} + colonne;
        for (int n : colonne)
            relazione::nuovaTabella(ctx, 3, n, 8);
        ctx.altretabellerete = 1;
        relazione::passataFinale(ctx);
        const auto& tabelle = ctx.documento->modello().tabelle;
        ASSERT_EQ(tabelle.size(), size_t(colonne.size()));
        for (int t = 0; t < colonne.size(); ++t)
            for (int col = 1; col <= colonne[t]; ++col)
                for (int r = 1; r <= 3; ++r)
                    EXPECT_EQ(tabelle[t].cella(r, col)->allineamento,
                              c.destra[t].contains(col) ? office::Destra : office::Giustificato)
                        << "table " << t + 1 << " column " << col;
        for (const auto& b : ctx.documento->modello().blocchi)
            if (b.tabella < 0)
                EXPECT_EQ(b.paragrafo.formato.allineamento, office::Giustificato);
    }
}

TEST_F(Relazione, SchedaDeiDatiGeneraliSempreNelDocumento)
{
    // The window's command, then the same sheet built in a state the test keeps.
    f().comestampo[1]->setChecked(true); // the printer choice does not matter
    f().solodati_Click();
    relazione::Contesto vuota(f().testiRelazione());
    relazione::schedaDati(vuota);
    const auto primo = vuota.documento;
    frontespizioCompleto();
    f().solodati_Click();
    relazione::Contesto ctx(f().testiRelazione());
    relazione::schedaDati(ctx);
    ASSERT_NE(ctx.documento, primo);
    EXPECT_EQ(f().passo->text(), "ho visualizzato i dati su WORD");
    const QString percorso = cartella.filePath("scheda.docx");
    ASSERT_TRUE(ctx.documento->SaveAs(percorso));
    const lettura::Documento d = lettura::leggiFile(percorso);
    ASSERT_EQ(d.tabelle.size(), 1);
    const auto& t = d.tabelle[0];
    ASSERT_EQ(t.righe.size(), 10);
    EXPECT_EQ(t.testo(2, 2), "Fognatura, lotto 2");
    EXPECT_EQ(t.testo(8, 2), "tavole 1-4");
    EXPECT_EQ(t.testo(10, 2), f().labelindirizzo->text());
    EXPECT_EQ(t.primo(1, 1).frammenti[0].dimensione, 10);
    EXPECT_EQ(d.paragrafi[0].testo(), "Velmor");
    EXPECT_EQ(d.paragrafi[0].frammenti[0].dimensione, 20);
    EXPECT_EQ(stampa().richieste, 0);
}

TEST_F(Relazione, IlSuggerimentoDiceComeEAndataLaConsegna)
{
    QFile ostacolo(cartella.filePath("non-una-cartella"));
    ASSERT_TRUE(ostacolo.open(QIODevice::WriteOnly)); // a file where the documents folder should go
    ostacolo.close();
    struct Caso {
        bool scrivibile, siApre;
        const char* suggerimento;
    };
    for (const Caso& c : {Caso{true, true, "ho visualizzato la relazione su WORD"},
                          Caso{false, true, "il documento non è stato scritto su disco"},
                          Caso{true, false, "il documento è stato salvato ma l'elaboratore di testi non si è aperto"}}) {
        SCOPED_TRACE(c.suggerimento);
        rete(3, "misto");
        office::impostaCartellaDocumenti(c.scrivibile ? cartella.filePath("Documenti")
                                                      : ostacolo.fileName() + QStringLiteral("/Documenti"));
        QStringList avvisi;
        office::impostaAvvisaUtente([&avvisi](const QString& m) { avvisi << m; });
        office::impostaApriFile([&c](const QString&) { return c.siApre; });
        f().comestampo[2]->setChecked(true);
        f().stampa_Click();
        EXPECT_TRUE(f().passo->text().startsWith(QString::fromUtf8(c.suggerimento))) << f().passo->text().toStdString();
        EXPECT_EQ(avvisi.size(), c.scrivibile && c.siApre ? 0 : 1);
    }
    consegnaDiProva();
}

} // namespace
