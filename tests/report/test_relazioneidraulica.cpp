// The report's hydraulic sections: the filled prose lines, the two renderings
// saying the same words, which sections each network type gets, the document's
// runs of empty paragraphs, and the two tables against the sizing's data.
#include "archivi_prova.h"

#include "frame/ModVelmor.h"
#include "frame/finestre.h"
#include "network/classipendenza.h"
#include "network/dati.h"
#include "office/applicazione.h"
#include "office/consegna.h"
#include "office/superficieregistrata.h"
#include "report/frontespizio.h"
#include "report/relazioneidraulica.h"
#include "report/testiidraulica.h"
#include "supporto/lettoredocx.h"

#include <QRadioButton>
#include <gtest/gtest.h>

using namespace doppi;
using namespace relazione;

namespace {

const QString bianche = QStringLiteral("PORTATA ACQUE BIANCHE");
const QString nere = QStringLiteral("PORTATA ACQUE NERE");
const QString collettore = QStringLiteral("CALCOLO DELLA SEZIONE DEL COLLETTORE");

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
        office::impostaApriFile({});
        office::impostaAvvisaUtente({});
        office::impostaCartellaDocumenti({});
        ConArchivi::TearDown();
    }
    static frontespizio& f() { return finestre::forma<frontespizio>(); }

    // The whole report on the printer, with the network type `sistema`: what was written.
    std::vector<office::ScrittaRegistrata> stampata(const QString& sistema)
    {
        finestre::forma<dati>(); // the network window gives an empty type its default when it loads
        ModVelmor::sistema = sistema;
        messaggi().visti.clear();
        f().comestampo[1]->setChecked(true);
        f().stampa_Click();
        for (const auto& m : messaggi().visti)
            ADD_FAILURE() << m.testo.toStdString();
        const auto superficie = std::dynamic_pointer_cast<office::SuperficieRegistrata>(stampa().ultima);
        return superficie ? superficie->scritte() : std::vector<office::ScrittaRegistrata>{};
    }

    // The whole report as a document, read back.
    lettura::Documento documento(const QString& sistema)
    {
        finestre::forma<dati>();
        ModVelmor::sistema = sistema;
        f().comestampo[2]->setChecked(true);
        f().stampa_Click(); // what the end pass says of the tables after these is not checked here
        return salvato();
    }

    lettura::Documento salvato()
    {
        const QString file = percorso(QStringLiteral("relazione.docx"));
        EXPECT_TRUE(f().documento->SaveAs(file));
        return lettura::leggiFile(file);
    }
};

struct CapoversoAtteso {
    const Capoverso* capoverso;
    int righe;
    int larghezza;
};

std::vector<CapoversoAtteso> capoversi()
{
    const TestiAcqueBianche& b = testiAcqueBianche();
    const TestiFormula& n = testiAcqueNere();
    const TestiFormula& c = testiCollettore();
    return {{&b.a, 3, 66},       {&b.b, 10, 66},      {&b.c, 4, 66},       {&b.d, 3, 66},
            {&b.e, 1, 66},       {&b.f, 8, 66},       {&n.prima, 5, 66},   {&n.dopo[0], 11, 66},
            {&n.dopo[1], 4, 66}, {&n.dopo[2], 6, 66}, {&c.prima, 9, 66},   {&c.dopo[0], 8, 65},
            {&c.dopo[1], 7, 65}};
}

TEST(Capoverso, RiempireRaddoppiaGliSpaziFinoAllaLarghezza)
{
    const struct {
        const char* riga;
        int larghezza;
        const char* attesa;
    } casi[] = {
        {"a b c", 7, "a  b  c"},
        {"ab cd ef gh", 12, "ab cd  ef gh"},   // one blank of three, the middle one
        {"ab cd ef gh", 13, "ab  cd ef  gh"},  // two of three: at a quarter and three quarters
        {"a b", 5, "a  b"},                    // too few blanks: all doubled, still short
        {"abc", 5, "abc"},
        {"abc def", 5, "abc def"},             // already past the width
    };
    for (const auto& c : casi)
        EXPECT_EQ(riempiRiga(c.riga, c.larghezza), c.attesa) << c.riga << " " << c.larghezza;
}

TEST(Capoverso, OgniRigaPienaTranneLUltima)
{
    for (const CapoversoAtteso& a : capoversi()) {
        const QStringList righe = righeStampate(*a.capoverso);
        const QString inizio = righe.front().left(30);
        ASSERT_EQ(righe.size(), a.righe) << qPrintable(inizio);
        EXPECT_EQ(a.capoverso->larghezza, a.larghezza) << qPrintable(inizio);
        for (qsizetype i = 0; i < righe.size(); ++i) {
            const bool ultima = i == righe.size() - 1;
            if (!ultima || a.capoverso->ultimaPiena)
                EXPECT_EQ(righe[i].size(), a.larghezza) << qPrintable(righe[i]);
            else
                EXPECT_LE(righe[i].size(), a.larghezza) << qPrintable(righe[i]);
            EXPECT_FALSE(righe[i].contains(QStringLiteral("   "))) << qPrintable(righe[i]);
            EXPECT_EQ(righe[i].simplified(), a.capoverso->righe[i].simplified()); // only blanks added
        }
    }
}

// The document's paragraphs hold the printer's words, but for the wordings the
// document has of its own and the paragraph only the document has.
TEST_F(RelazioneIdraulica, LeDueReseDiconoLeStesseParole)
{
    const auto scritte = stampata(QStringLiteral("misto"));
    QStringList stampate;
    QStringList righeTabelle;
    for (const auto& tabella : {tabellaDeflusso(), tabellaPendenze()})
        for (const RigaTabella& r : tabella)
            righeTabelle << r.riga;
    bool dentro = false;
    for (const auto& s : scritte) {
        if (s.testo == bianche)
            dentro = true;
        else if (s.testo.startsWith(QStringLiteral("La presente relazione")))
            dentro = false;
        else if (dentro && !s.testo.startsWith(QStringLiteral("pagina")) && !righeTabelle.contains(s.testo))
            stampate << s.testo;
    }

    const lettura::Documento d = documento(QStringLiteral("misto"));
    QStringList scritti;
    dentro = false;
    for (const lettura::Paragrafo& p : d.paragrafi) {
        const QString t = p.testo();
        if (t == bianche)
            dentro = true;
        else if (t.startsWith(QStringLiteral("La presente relazione")))
            dentro = false;
        else if (dentro && t != testiAcqueBianche().g)
            scritti << t;
    }
    const QString tutto = scritti.join(u' ');
    const QStringList proprie = {"generale:  Q", "cavità  superficiali", "vengono  valutati", "portata  massima,",
                                 "2,25", "tubo,(quella", "finché"};
    for (const QString& p : proprie)
        EXPECT_EQ(tutto.count(p), 1) << qPrintable(p);

    QString comeStampa = tutto;
    comeStampa.replace("2,25", "2.25").replace("tubo,(quella", "tubo, (quella").replace("finché", "finchè");
    EXPECT_EQ(comeStampa.simplified(), stampate.join(u' ').simplified());
}

TEST_F(RelazioneIdraulica, SezioniSecondoIlTipoDiRete)
{
    const struct {
        const char* sistema;
        bool conBianche;
        bool conNere;
    } casi[] = {
        {"misto", true, true}, {"bianche", true, false}, {"nere", false, true},
        {"Nere", true, true},  {"", true, true},         {"BIANCHE", true, true},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.sistema);
        QStringList attesi;
        if (c.conBianche)
            attesi << bianche;
        if (c.conNere)
            attesi << nere;
        attesi << collettore;

        // Printer: each heading in the body font at 18, at the top of a page whose
        // previous page ends with its foot.
        const auto scritte = stampata(c.sistema);
        QStringList titoli;
        for (const auto& s : scritte) {
            if (s.testo != bianche && s.testo != nere && s.testo != collettore)
                continue;
            titoli << s.testo;
            EXPECT_EQ(s.carattere, "Courier New");
            EXPECT_EQ(s.punti, 18);
            EXPECT_EQ(s.y, 1000);
            const bool piede = std::any_of(scritte.begin(), scritte.end(), [&s](const auto& a) {
                return a.pagina == s.pagina - 1 && a.testo.startsWith(QStringLiteral("pagina "));
            });
            EXPECT_TRUE(piede || s.pagina == 2) << qPrintable(s.testo);
        }
        EXPECT_EQ(titoli, attesi);

        // Document: the same headings at 18, the body at 12, the two tables at 10
        // only with the storm flow.
        const lettura::Documento d = documento(c.sistema);
        titoli.clear();
        for (qsizetype i = 0; i < d.paragrafi.size(); ++i) {
            const lettura::Paragrafo& p = d.paragrafi[i];
            if (p.testo() == bianche || p.testo() == nere || p.testo() == collettore) {
                titoli << p.testo();
                EXPECT_EQ(p.frammenti.front().dimensione, 18);
                EXPECT_EQ(d.paragrafi[i + 2].frammenti.front().dimensione, 12);
            }
        }
        EXPECT_EQ(titoli, attesi);
        const bool tabelle = !d.tabelle.isEmpty()
                             && d.tabelle[0].testo(1, 1) == QStringLiteral("Caratteristiche della superficie scolante");
        EXPECT_EQ(tabelle, c.conBianche);
        if (tabelle) {
            ASSERT_GE(d.tabelle.size(), 2);
            EXPECT_EQ(d.tabelle[0].righe.size(), 11);
            EXPECT_EQ(d.tabelle[1].righe.size(), 12);
            EXPECT_EQ(d.tabelle[1].colonne(), 3);
            EXPECT_EQ(d.tabelle[1].primo(12, 3).frammenti.front().dimensione, 10);
        }
    }
}

// Empty paragraphs after the first item that starts with `inizio`.
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
    ModVelmor::sistema = QStringLiteral("misto");
    f().appword = office::nuovaApplicazione();
    f().documento = f().appword->Documents.Add();
    acqueBiancheWord(f());
    acqueNereWord(f());
    collettoreWord(f());
    const lettura::Documento d = salvato();
    const QString fineF = testoDocumento(testiAcqueBianche().f);
    EXPECT_EQ(vuotiDopo(d.ordine, fineF), 9);
    EXPECT_EQ(d.ordine[d.ordine.indexOf(QStringLiteral("P:") + fineF) + 10], QStringLiteral("T:1"));
    // 32, and the paragraph the foul section adds after them.
    EXPECT_EQ(vuotiDopo(d.ordine, testiAcqueBianche().g), 32 + 1);
    EXPECT_EQ(vuotiDopo(d.ordine, testoDocumento(testiAcqueNere().dopo.back())), 11);
    // 14, and the current paragraph the next section writes in.
    EXPECT_EQ(vuotiDopo(d.ordine, testoDocumento(testiCollettore().dopo.back())), 14 + 1);
}

TEST_F(RelazioneIdraulica, TabelleComeNelDimensionamento)
{
    // The printed lines, without the page foots and the slope table's heading
    // printed again where the table runs over the page end.
    const QString titoloPendenze = QStringLiteral("Pendenza in %     % del coefficiente di deflusso          aggiunta");
    QStringList righe;
    std::vector<office::ScrittaRegistrata> titoli;
    for (const auto& s : stampata(QStringLiteral("misto"))) {
        if (s.testo == titoloPendenze)
            titoli.push_back(s);
        if (!s.testo.startsWith(QStringLiteral("pagina")) && (s.testo != titoloPendenze || titoli.size() == 1))
            righe << s.testo;
    }
    ASSERT_EQ(titoli.size(), 2u);
    EXPECT_EQ(titoli[1].pagina, titoli[0].pagina + 1);
    EXPECT_EQ(titoli[1].y, 1000);
    const lettura::Documento d = documento(QStringLiteral("misto"));
    ASSERT_GE(d.tabelle.size(), 2);

    const lettura::Tabella& deflusso = d.tabelle[0];
    const qsizetype primaTipo = righe.indexOf(QStringLiteral("Caratteristiche della superficie scolante           coeff.deflusso")) + 1;
    ASSERT_EQ(deflusso.righe.size(), 11);
    for (int tipo = 1; tipo <= 10; ++tipo) {
        const QString coefficiente = deflusso.testo(tipo + 1, 2);
        EXPECT_DOUBLE_EQ(coefficiente.toDouble(), ModVelmor::coefficientisuperficie[tipo]) << tipo;
        const QString riga = righe.value(primaTipo + tipo - 1);
        EXPECT_EQ(riga.size(), 66) << qPrintable(riga);
        EXPECT_EQ(riga.right(4), coefficiente);
        EXPECT_EQ(riga.left(62).trimmed(), deflusso.testo(tipo + 1, 1));
    }

    const lettura::Tabella& pendenze = d.tabelle[1];
    const qsizetype primaClasse = righe.indexOf(titoloPendenze) + 1;
    ASSERT_EQ(pendenze.righe.size(), rete::numeroclassipendenza + 1);
    for (int classe = 0; classe < rete::numeroclassipendenza; ++classe) {
        SCOPED_TRACE(classe);
        const int r = classe + 2;
        EXPECT_EQ(pendenze.testo(r, 1), rete::intervallopendenza(classe));
        const int percentuale = pendenze.testo(r, 2).toInt();
        const double aggiunta = pendenze.testo(r, 3).toDouble();
        // The sizing corrects a coefficient as the table tells the reader.
        EXPECT_NEAR(rete::coefficientedeflusso(0.6, classe), 0.6 * percentuale / 100 + aggiunta, 1e-12);
        EXPECT_NEAR(rete::coefficientedeflusso(0.07, classe), 0.07 * percentuale / 100 + aggiunta, 1e-12);
        // Printed: the percentage ends at character 28, the addition starts at 63.
        const QString riga = righe.value(primaClasse + classe);
        EXPECT_EQ(riga.size(), classe == 0 ? 63 : 66) << qPrintable(riga);
        EXPECT_TRUE(riga.left(28).endsWith(u' ' + pendenze.testo(r, 2))) << qPrintable(riga);
        EXPECT_EQ(riga.mid(62), classe == 0 ? QStringLiteral("0") : pendenze.testo(r, 3));
    }
    EXPECT_EQ(righe.value(primaClasse).left(9), QStringLiteral(" 0  - 5.0"));
}

} // namespace
