// The report's hydraulic sections: the filled prose lines, the two renderings
// saying the same words, which sections each network type gets, the document's
// runs of empty paragraphs, and the two tables against the sizing's data.
#include "archivi_prova.h"

#include "frame/ModVelmor.h"
#include "frame/finestre.h"
#include "network/classipendenza.h"
#include "network/dimensionamento.h"
#include "network/dati.h"
#include "office/applicazione.h"
#include "office/consegna.h"
#include "office/superficieregistrata.h"
#include "report/frontespizio.h"
#include "report/relazione.h"
#include "report/relazioneidraulica.h"
#include "report/testiidraulica.h"
#include "supporto/lettoredocx.h"

#include "frame/test_valori_locale.h"

#include <QRadioButton>
#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace doppi;
using namespace relazione;
using office::ScrittaRegistrata;

namespace {

const QString bianche = QStringLiteral("PORTATA ACQUE BIANCHE");
const QString nere = QStringLiteral("PORTATA ACQUE NERE");
const QString collettore = QStringLiteral("CALCOLO DELLA SEZIONE DEL COLLETTORE");
// The section that follows the hydraulic ones.
const QString chiusura = QStringLiteral("DATI E DIMENSIONAMENTO DELLA RETE");
bool titolo(const QString& t) { return t == bianche || t == nere || t == collettore; }

class RelazioneIdraulica : public ConArchivi {
protected:
    void SetUp() override
    {
        ConArchivi::SetUp();
        office::impostaCartellaDocumenti(percorso(QStringLiteral("Documenti")));
        office::impostaApriFile([](const QString&) { return true; });
        office::impostaAvvisaUtente([](const QString&) {});
        treTratti();
        frontespizioCompleto();
    }
    void TearDown() override
    {
        office::consegnaInSospeso();
        consegnaDiProva();
        ConArchivi::TearDown();
    }
    static frontespizio& f() { return finestre::forma<frontespizio>(); }

    // The whole report with the network type `sistema`, on the printer (what was
    // written) or as a document read back.
    std::vector<ScrittaRegistrata> stampata(const QString& sistema)
    {
        avvia(sistema, 1);
        for (const auto& m : messaggi().visti)
            ADD_FAILURE() << m.testo.toStdString();
        const auto superficie = std::dynamic_pointer_cast<office::SuperficieRegistrata>(stampa().ultima);
        return superficie ? superficie->scritte() : std::vector<ScrittaRegistrata>{};
    }
    // What the print command runs after its checks, in a report state the test keeps.
    lettura::Documento documento(const QString& sistema)
    {
        imposta(sistema); // what the end pass says of the tables after these is not checked here
        EXPECT_TRUE(relazione::prepara());
        relazione::Contesto ctx(f().testiRelazione());
        relazione::stampaWord(ctx);
        return salvato(ctx);
    }
    lettura::Documento salvato(const relazione::Contesto& ctx)
    {
        const QString file = percorso(QStringLiteral("relazione.docx"));
        EXPECT_TRUE(ctx.documento->SaveAs(file));
        return lettura::leggiFile(file);
    }

private:
    void imposta(const QString& sistema)
    {
        finestre::forma<dati>(); // loading, it gives an empty type its default: load it first
        ModVelmor::sistema = sistema;
        messaggi().visti.clear();
    }
    void avvia(const QString& sistema, int come)
    {
        imposta(sistema);
        f().comestampo[come]->setChecked(true);
        f().stampa_Click();
    }
};

TEST(Capoverso, OgniRigaPienaTranneLUltima)
{
    const TestiAcqueBianche& b = testiAcqueBianche();
    const TestiFormula& n = testiAcqueNere();
    const TestiFormula& c = testiCollettore();
    const struct {
        const Capoverso* capoverso;
        int righe;
        int larghezza;
    } casi[] = {{&b.a, 3, 66},       {&b.b, 11, 66},      {&b.c, 4, 66},     {&b.d, 3, 66},       {&b.e, 1, 66},
                {&b.f, 8, 66},       {&n.prima, 5, 66},   {&n.dopo[0], 11, 66}, {&n.dopo[1], 4, 66}, {&n.dopo[2], 6, 66},
                {&c.prima, 9, 66},   {&c.dopo[0], 8, 65}, {&c.dopo[1], 7, 65}};
    for (const auto& a : casi) {
        const QStringList righe = righeStampate(*a.capoverso);
        ASSERT_EQ(righe.size(), a.righe) << qPrintable(righe.front());
        for (qsizetype i = 0; i < righe.size(); ++i) {
            const bool piena = i < righe.size() - 1 || a.capoverso->ultimaPiena;
            EXPECT_TRUE(piena ? righe[i].size() == a.larghezza : righe[i].size() <= a.larghezza) << qPrintable(righe[i]);
            EXPECT_FALSE(righe[i].contains(QStringLiteral("   "))) << qPrintable(righe[i]);
            EXPECT_EQ(righe[i].simplified(), a.capoverso->righe[i].simplified()); // only blanks added
        }
    }
}

// The document's paragraphs hold the printer's words, but for the wordings the
// document has of its own and the paragraph only the document has; under either
// locale both write every number of the sections, prose, formulas and tables,
// with that locale's separator.
TEST_F(RelazioneIdraulica, LeDueReseDiconoLeStesseParoleEGliStessiNumeri)
{
    static const QRegularExpression decimale(QStringLiteral("\\d([.,])\\d"));
    for (const QLocale& locale : {italiano(), localeC()}) {
        SCOPED_TRACE(locale.name().toStdString());
        const LocaleFissato fissato(locale);
        const QString separatore = locale.decimalPoint();
        QStringList righeTabelle;
        for (const auto& tabella : {tabellaDeflusso(), tabellaPendenze()})
            for (const RigaTabella& r : tabella)
                righeTabelle << r.riga;
        QStringList stampate, tabelleStampate;
        bool dentro = false;
        for (const ScrittaRegistrata& s : stampata(QStringLiteral("misto"))) {
            dentro = (dentro || s.testo == bianche) && !s.testo.startsWith(chiusura);
            if (!dentro || s.testo.startsWith(QStringLiteral("pagina")))
                continue;
            (righeTabelle.contains(s.testo) ? tabelleStampate : stampate) << s.testo;
        }
        QStringList scritti;
        dentro = false;
        const lettura::Documento d = documento(QStringLiteral("misto"));
        for (const lettura::Paragrafo& p : d.paragrafi) {
            dentro = (dentro || p.testo() == bianche) && !p.testo().startsWith(chiusura);
            if (dentro && p.testo() != testiAcqueBianche().g)
                scritti << p.testo();
        }
        // The storm flow's formula sentence is a paragraph of its own.
        EXPECT_TRUE(std::any_of(scritti.begin(), scritti.end(), [](const QString& t) {
            return t.startsWith(QStringLiteral("Infatti,")) && t.endsWith(testiAcqueBianche().fineFormula);
        }));
        QString tutto = scritti.join(u' ');
        for (const char* propria : {"generale:  Q", "cavità  superficiali", "vengono  valutati", "portata  massima,",
                                    "tubo,(quella", "finché"})
            EXPECT_EQ(tutto.count(QString::fromUtf8(propria)), 1) << propria;
        tutto.replace("tubo,(quella", "tubo, (quella").replace("finché", "finchè");
        EXPECT_EQ(tutto.simplified(), stampate.join(u' ').simplified());

        QStringList numeri = stampate + tabelleStampate + scritti;
        for (int t = 0; t < 2; ++t)
            for (int r = 1; r <= int(d.tabelle[t].righe.size()); ++r)
                for (int c = 1; c <= d.tabelle[t].colonne(); ++c)
                    numeri << d.tabelle[t].testo(r, c);
        int visti = 0;
        for (const QString& n : numeri)
            for (auto m = decimale.globalMatch(n); m.hasNext(); ++visti)
                EXPECT_EQ(m.next().captured(1), separatore) << qPrintable(n);
        EXPECT_GT(visti, 60);
    }
}

TEST_F(RelazioneIdraulica, SezioniSecondoIlTipoDiRete)
{
    const struct {
        const char* sistema;
        bool conBianche;
        bool conNere;
        const char* tipoDetto; // how the flow sections name the network's system
    } casi[] = {{"misto", true, true, "misto"}, {"bianche", true, false, "acque bianche"},
                {"nere", false, true, "sole acque nere"}, {"Nere", true, true, "misto"},
                {"", true, true, "misto"}, {"BIANCHE", true, true, "misto"}};
    for (const auto& c : casi) {
        SCOPED_TRACE(c.sistema);
        QStringList attesi;
        if (c.conBianche)
            attesi << bianche;
        if (c.conNere)
            attesi << nere;
        attesi << collettore;

        // Printer: each heading at the top of a page, in the body font at 18.
        QStringList titoli;
        for (const ScrittaRegistrata& s : stampata(c.sistema))
            if (titolo(s.testo)) {
                titoli << s.testo;
                EXPECT_EQ(s.carattere, "Courier New");
                EXPECT_EQ(s.punti, 18);
                EXPECT_EQ(s.y, 1000);
            }
        EXPECT_EQ(titoli, attesi);
        // No combined system claimed where there is none.
        QStringList detti;
        for (const ScrittaRegistrata& s : stampata(c.sistema))
            for (const char* t : {"di tipo misto,", "di sistema misto", "di acque bianche,", "di sole acque nere"})
                if (s.testo.simplified().contains(QString::fromUtf8(t)))
                    detti << QString::fromUtf8(t);
        for (const QString& d : detti)
            EXPECT_TRUE(d.contains(QString::fromUtf8(c.tipoDetto))) << qPrintable(d);
        EXPECT_EQ(detti.size(), int(c.conBianche) + int(c.conNere));

        // Document: the headings at 18 and the body at 12; the two tables at 10
        // only with the storm flow.
        const lettura::Documento d = documento(c.sistema);
        titoli.clear();
        for (qsizetype i = 0; i < d.paragrafi.size(); ++i)
            if (titolo(d.paragrafi[i].testo())) {
                titoli << d.paragrafi[i].testo();
                EXPECT_EQ(d.paragrafi[i].frammenti.front().dimensione, 18);
                EXPECT_EQ(d.paragrafi[i + 2].frammenti.front().dimensione, 12);
            }
        EXPECT_EQ(titoli, attesi);
        const bool tabelle = d.tabelle.size() >= 2 && d.tabelle[0].righe.size() == 11 && d.tabelle[0].colonne() == 2
                             && d.tabelle[1].righe.size() == 12 && d.tabelle[1].colonne() == 3
                             && d.tabelle[1].primo(12, 3).frammenti.front().dimensione == 10;
        EXPECT_EQ(tabelle, c.conBianche);
    }
}

// Empty paragraphs after the first paragraph that starts with `inizio`.
int vuotiDopo(const QStringList& ordine, const QString& inizio)
{
    qsizetype i = 0;
    while (i < ordine.size() && !ordine[i].startsWith(QStringLiteral("P:") + inizio))
        ++i;
    int vuoti = 0;
    for (++i; i < ordine.size() && ordine[i] == QStringLiteral("P:"); ++i)
        ++vuoti;
    return vuoti;
}

TEST_F(RelazioneIdraulica, ParagrafiVuotiTraLeSezioniDelDocumento)
{
    relazione::Contesto ctx(f().testiRelazione());
    ctx.appword = office::nuovaApplicazione();
    ctx.documento = ctx.appword->Documents.Add();
    acqueBiancheWord(ctx);
    acqueNereWord(ctx);
    collettoreWord(ctx);
    const QStringList ordine = salvato(ctx).ordine;
    const QString fineF = testoDocumento(testiAcqueBianche().f);
    EXPECT_EQ(vuotiDopo(ordine, fineF), 9);
    EXPECT_EQ(ordine.value(ordine.indexOf(QStringLiteral("P:") + fineF) + 10), QStringLiteral("T:1"));
    // 32, and the paragraph the foul section adds after them.
    EXPECT_EQ(vuotiDopo(ordine, testiAcqueBianche().g), 32 + 1);
    EXPECT_EQ(vuotiDopo(ordine, testoDocumento(testiAcqueNere().dopo.back())), 11);
    // 14, and the current paragraph the next section writes in.
    EXPECT_EQ(vuotiDopo(ordine, testoDocumento(testiCollettore().dopo.back())), 14 + 1);
}

TEST_F(RelazioneIdraulica, TabelleComeNelDimensionamento)
{
    // The printed lines without the page foots; the slope table, too long for
    // the rest of its page, stands whole with its heading on the next one.
    const QString titoloPendenze = tabellaPendenze().front().riga;
    QStringList righe;
    std::vector<ScrittaRegistrata> titoli;
    for (const ScrittaRegistrata& s : stampata(QStringLiteral("misto"))) {
        if (s.testo == titoloPendenze)
            titoli.push_back(s);
        if (!s.testo.startsWith(QStringLiteral("pagina")) && (s.testo != titoloPendenze || titoli.size() == 1))
            righe << s.testo;
    }
    ASSERT_EQ(titoli.size(), 1u);
    const auto stampate = stampata(QStringLiteral("misto"));
    const QString ultimaClasse = tabellaPendenze().back().riga;
    const auto fine = std::find_if(stampate.begin(), stampate.end(), [&](const auto& s) { return s.testo == ultimaClasse; });
    ASSERT_NE(fine, stampate.end());
    EXPECT_EQ(fine->pagina, titoli[0].pagina);
    // The sentence that announces the table stands on its page.
    const QString annuncio = righeStampate(testiAcqueBianche().e).front();
    const auto prima = std::find_if(stampate.begin(), stampate.end(), [&](const auto& s) { return s.testo == annuncio; });
    ASSERT_NE(prima, stampate.end());
    EXPECT_EQ(prima->pagina, titoli[0].pagina);
    const lettura::Documento d = documento(QStringLiteral("misto"));
    ASSERT_GE(d.tabelle.size(), 2);

    const qsizetype primoTipo = righe.indexOf(tabellaDeflusso().front().riga) + 1;
    for (int tipo = 1; tipo <= 10; ++tipo) {
        const QString coefficiente = d.tabelle[0].testo(tipo + 1, 2);
        EXPECT_DOUBLE_EQ(coefficiente.toDouble(), ModVelmor::coefficientisuperficie[tipo]) << tipo;
        EXPECT_EQ(righe.value(primoTipo + tipo - 1), d.tabelle[0].testo(tipo + 1, 1).leftJustified(62) + coefficiente);
    }

    const qsizetype primaClasse = righe.indexOf(titoloPendenze) + 1;
    for (int classe = 0; classe < rete::numeroclassipendenza; ++classe) {
        SCOPED_TRACE(classe);
        const QString intervallo = d.tabelle[1].testo(classe + 2, 1);
        const QString percentuale = d.tabelle[1].testo(classe + 2, 2);
        const QString aggiunta = d.tabelle[1].testo(classe + 2, 3);
        EXPECT_EQ(intervallo, rete::intervallopendenza(classe));
        // The sizing corrects a coefficient as the table tells the reader.
        for (double c : {0.07, 0.6})
            EXPECT_NEAR(rete::coefficientedeflusso(c, classe), c * percentuale.toInt() / 100 + aggiunta.toDouble(), 1e-12);
        // Printed: the percentage ends at character 28, the addition starts at 63;
        // the first class in the printer's own form.
        const QString inizio = classe == 0 ? QStringLiteral(" 0  - 5.0") : intervallo;
        EXPECT_EQ(righe.value(primaClasse + classe),
                  (inizio + percentuale.rightJustified(28 - inizio.size())).leftJustified(62)
                      + (classe == 0 ? QStringLiteral("0") : aggiunta));
    }
}

// The storm-flow formula the report states, in both renderings, gives the flows the sizing
// computes: a hand check with the stated factor finds the table's numbers.
TEST_F(RelazioneIdraulica, IlFattoreDellaPortataDichiaratoEQuelloUsato)
{
    static const QRegularExpression formula(QStringLiteral("Q = Ar \\* L / (\\d+)[.,](\\d+)"));
    QStringList stampate, scritti;
    for (const ScrittaRegistrata& s : stampata(QStringLiteral("misto")))
        stampate << s.testo;
    for (const lettura::Paragrafo& p : documento(QStringLiteral("misto")).paragrafi)
        scritti << p.testo();
    for (const QStringList& testi : {stampate, scritti}) {
        const auto m = formula.match(testi.join(u' ').simplified());
        ASSERT_TRUE(m.hasMatch());
        const double divisore = (m.captured(1) + u'.' + m.captured(2)).toDouble();
        struct Caso {
            double coefficiente, ettari, pioggia;
        };
        for (const Caso& c : {Caso{0.95, 12.3, 87}, Caso{0.22, 1.5, 40}, Caso{0.5, 100, 150}, Caso{0.07, 0.4, 33}})
            EXPECT_NEAR(rete::portatameteorica(c.coefficiente, c.ettari, c.pioggia),
                        c.coefficiente * c.ettari * c.pioggia / divisore, 1e-9);
    }
}

// Each section and legend says only what applies to the network's type: no combined system and
// no storm flow explained in a foul-water report, the combined wording kept where it applies.
TEST_F(RelazioneIdraulica, UnaReteDiSoleAcqueNereNonParlaDiPioggia)
{
    const struct {
        const char* sistema;
        int misto;      // the combined-system sentences
        int superfici;  // the list of surface types and their coefficients
        int nonInCalcolo; // legend entries of data the sizing of this type leaves out
    } casi[] = {{"misto", 1, 1, 0}, {"nere", 0, 0, 5}, {"bianche", 0, 1, 3}};
    for (const auto& c : casi) {
        SCOPED_TRACE(c.sistema);
        QStringList stampate, scritti;
        for (const ScrittaRegistrata& s : stampata(QString::fromUtf8(c.sistema)))
            stampate << s.testo;
        const lettura::Documento d = documento(QString::fromUtf8(c.sistema));
        for (const lettura::Paragrafo& p : d.paragrafi)
            scritti << p.testo();
        QStringList legenda; // the document's network legend: the table headed "colonna" with 17 rows
        for (const lettura::Tabella& t : d.tabelle)
            if (t.righe.size() == 17 && t.testo(1, 1) == QStringLiteral("colonna"))
                for (int r = 2; r <= 17; ++r)
                    legenda << t.testo(r, 2);
        const QString carta = stampate.join(u' ').simplified();
        const QString word = (scritti + legenda).join(u' ').simplified();
        for (const QString& testo : {carta, word}) {
            EXPECT_EQ(testo.count(QStringLiteral("possa apparire trascurabile")), c.misto);
            EXPECT_EQ(testo.count(QStringLiteral("non sarà di tipo misto")), c.misto);
            EXPECT_EQ(testo.count(QStringLiteral("non entra nel calcolo")), c.nonInCalcolo);
            EXPECT_FALSE(testo.contains(QStringLiteral(") (")));
        }
        EXPECT_EQ(carta.count(QStringLiteral("Superfici e coefficienti")), c.superfici);
    }
}

} // namespace
