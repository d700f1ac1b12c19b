#include "report/relazioneidraulica.h"

#include "frame/ModVelmor.h"
#include "office/documento.h"
#include "office/stampante.h"
#include "report/frontespizio.h"
#include "report/relazione.h"
#include "report/relazionestampante.h"
#include "report/relazionetabelle.h"
#include "report/relazioneword.h"
#include "report/testiidraulica.h"

namespace relazione {

using namespace office;

namespace {

constexpr double puntiTitolo = 18;
constexpr double puntiCorpo = 12;
constexpr double puntiTabella = 10;
constexpr int autoformatoTabella = 9;
// The empty paragraphs the document puts before the slope table and after each section.
constexpr int vuotiPrimaPendenze = 9;
constexpr int vuotiDopoBianche = 32;
constexpr int vuotiDopoNere = 11;
constexpr int vuotiDopoCollettore = 14;

const QString aCapo = QStringLiteral("\r");

void riga(Stampante& p, const QString& testo) { p.Print({Colonna(colonnaTesto), Testo(testo)}); }

void stampaCapoverso(Stampante& p, const Capoverso& c)
{
    for (const QString& r : righeStampate(c))
        riga(p, r);
}

void stampaTabella(frontespizio& f, const QList<RigaTabella>& righe, bool vuotaDopoTitolo)
{
    Stampante& p = *f.Printer;
    p.Print();
    riga(p, righe.front().riga);
    if (vuotaDopoTitolo)
        p.Print();
    {
        // Rows that run over the page end go on under the heading again.
        const ContinuazioneTabella continuazione(f, [&f, &righe] {
            f.fondopagina();
            riga(*f.Printer, righe.front().riga);
        });
        for (qsizetype i = 1; i < righe.size(); ++i)
            riga(p, righe[i].riga);
    }
    p.Print();
}

// The heading and a blank line at the size in force, then the body size.
void titolo(frontespizio& f, const QString& testo)
{
    riga(*f.Printer, testo);
    f.Printer->Print();
    f.Printer->FontSize = f.dimensionecorpo;
}

void titoloWord(frontespizio& f, const QString& testo)
{
    scrivi(f, puntiTitolo, testo + aCapo + aCapo);
}

void tabellaWord(frontespizio& f, const QList<RigaTabella>& righe)
{
    const int colonne = int(righe.front().celle.size());
    Table& t = nuovaTabella(f, int(righe.size()), colonne, puntiTabella);
    for (int r = 1; r <= righe.size(); ++r)
        for (int c = 1; c <= colonne; ++c)
            t.Cell(r, c).Range.Text = righe[r - 1].celle[c - 1];
    t.AutoFormat(autoformatoTabella);
}

// The formula sections alike on the printer, after their heading.
void stampaFormula(frontespizio& f, const TestiFormula& t)
{
    Stampante& p = *f.Printer;
    titolo(f, t.titolo);
    stampaCapoverso(p, t.prima);
    riga(p, t.introduzione);
    p.Print();
    riga(p, t.formula);
    p.Print();
    for (const QString& r : t.legenda)
        riga(p, r);
    p.Print();
    for (const Capoverso& c : t.dopo)
        stampaCapoverso(p, c);
    f.fondopagina();
}

// The formula sections alike in the document: the legend's opening stands
// alone and each entry starts with as many blanks.
void scriviFormula(frontespizio& f, const TestiFormula& t, int vuotiDopo)
{
    titoloWord(f, t.titolo);
    scrivi(f, puntiCorpo, testoDocumento(t.prima) + aCapo);
    scrivi(f, puntiCorpo, t.introduzione + aCapo + aCapo);
    scrivi(f, puntiCorpo, t.formula + aCapo + aCapo);
    scrivi(f, puntiCorpo, legendaApertura + aCapo);
    const QString rientro(legendaApertura.size(), u' ');
    for (qsizetype i = 0; i < t.legenda.size(); ++i) {
        const QString voce = i == 0 ? rientro + t.legenda[i].mid(legendaApertura.size()) : t.legenda[i];
        scrivi(f, puntiCorpo, voce + (i == t.legenda.size() - 1 ? aCapo + aCapo : aCapo));
    }
    for (const Capoverso& c : t.dopo)
        scrivi(f, puntiCorpo, testoDocumento(c) + aCapo);
    paragrafiVuoti(f, vuotiDopo);
}

} // namespace

void acqueBiancheStampa(frontespizio& f)
{
    // The title page has left the body font at the heading size.
    Stampante& p = *f.Printer;
    const TestiAcqueBianche& t = testiAcqueBianche();
    titolo(f, t.titolo);
    for (const Capoverso* c : {&t.a, &t.b, &t.c})
        stampaCapoverso(p, *c);
    stampaTabella(f, tabellaDeflusso(), true);
    for (const Capoverso* c : {&t.d, &t.e, &t.f})
        stampaCapoverso(p, *c);
    stampaTabella(f, tabellaPendenze(), false);
    f.fondopagina();
}

void acqueBiancheWord(frontespizio& f)
{
    const TestiAcqueBianche& t = testiAcqueBianche();
    nuovoParagrafo(f);
    titoloWord(f, t.titolo);
    scrivi(f, puntiCorpo, testoDocumento(t.a) + aCapo);
    // The document gives the formula's sentence a paragraph of its own.
    const QString b = testoDocumento(t.b);
    const qsizetype fine = b.indexOf(t.fineFormula) + t.fineFormula.size();
    scrivi(f, puntiCorpo, b.left(fine) + aCapo);
    scrivi(f, puntiCorpo, b.mid(fine).trimmed() + aCapo);
    scrivi(f, puntiCorpo, testoDocumento(t.c) + aCapo + aCapo);
    tabellaWord(f, tabellaDeflusso());
    scrivi(f, puntiCorpo, aCapo + aCapo + testoDocumento(t.d) + aCapo);
    scrivi(f, puntiCorpo, testoDocumento(t.e) + aCapo);
    scrivi(f, puntiCorpo, testoDocumento(t.f) + aCapo);
    paragrafiVuoti(f, vuotiPrimaPendenze);
    tabellaWord(f, tabellaPendenze());
    scrivi(f, puntiCorpo, aCapo + t.g + aCapo);
    paragrafiVuoti(f, vuotiDopoBianche);
}

void acqueNereStampa(frontespizio& f)
{
    // Without the storm flow the title page has left the font and size already.
    if (conAcqueBianche(ModVelmor::sistema)) {
        f.Printer->FontName = f.caratterecorpo;
        f.Printer->FontSize = puntiTitolo;
    }
    stampaFormula(f, testiAcqueNere());
}

void acqueNereWord(frontespizio& f)
{
    nuovoParagrafo(f);
    scriviFormula(f, testiAcqueNere(), vuotiDopoNere);
}

void collettoreStampa(frontespizio& f)
{
    f.Printer->FontName = f.caratterecorpo;
    f.Printer->FontSize = puntiTitolo;
    stampaFormula(f, testiCollettore());
}

void collettoreWord(frontespizio& f)
{
    // No new paragraph: the section goes on in the flow section's.
    scriviFormula(f, testiCollettore(), vuotiDopoCollettore);
}

} // namespace relazione
