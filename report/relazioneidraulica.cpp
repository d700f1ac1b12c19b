#include "report/relazioneidraulica.h"

#include "frame/ModVelmor.h"
#include "office/documento.h"
#include "office/stampante.h"
#include "report/condizioni.h"
#include "report/contesto.h"
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

// Every printed line of these sections, its numbers with the locale's separator.
void riga(Stampante& p, const QString& testo) { p.Print({Colonna(colonnaTesto), Testo(separatoreLocale(testo))}); }

void stampaCapoverso(Stampante& p, const Capoverso& c)
{
    for (const QString& r : righeStampate(c))
        riga(p, r);
}

void stampaTabella(Contesto& ctx, const QList<RigaTabella>& righe, bool vuotaDopoTitolo)
{
    Stampante& p = *ctx.Printer;
    // A short table stays whole, with its heading, on one page.
    const int linee = int(righe.size()) + (vuotaDopoTitolo ? 3 : 2);
    if (!staNellaPagina(p, linee * p.TextHeight()))
        ctx.fondopagina();
    p.Print();
    riga(p, righe.front().riga);
    if (vuotaDopoTitolo)
        p.Print();
    {
        // Rows that run over the page end go on under the heading again.
        const ContinuazioneTabella continuazione(ctx, [&ctx, &righe] {
            ctx.fondopagina();
            riga(*ctx.Printer, righe.front().riga);
        });
        for (qsizetype i = 1; i < righe.size(); ++i)
            riga(p, righe[i].riga);
    }
    p.Print();
}

// The heading and a blank line at the size in force, then the body size.
void titolo(Contesto& ctx, const QString& testo)
{
    riga(*ctx.Printer, testo);
    ctx.Printer->Print();
    ctx.Printer->FontSize = ctx.dimensionecorpo;
}

void titoloWord(Contesto& ctx, const QString& testo)
{
    scrivi(ctx, puntiTitolo, testo + aCapo + aCapo);
}

void tabellaWord(Contesto& ctx, const QList<RigaTabella>& righe)
{
    const int colonne = int(righe.front().celle.size());
    Table& t = nuovaTabella(ctx, int(righe.size()), colonne, puntiTabella);
    for (int r = 1; r <= righe.size(); ++r)
        for (int c = 1; c <= colonne; ++c)
            t.Cell(r, c).Range.Text = righe[r - 1].celle[c - 1];
    t.AutoFormat(autoformatoTabella);
}

// The formula sections alike on the printer, after their heading.
void stampaFormula(Contesto& ctx, const TestiFormula& t)
{
    Stampante& p = *ctx.Printer;
    titolo(ctx, t.titolo);
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
    ctx.fondopagina();
}

// The formula sections alike in the document: the legend's opening stands
// alone and each entry starts with as many blanks.
void scriviFormula(Contesto& ctx, const TestiFormula& t, int vuotiDopo)
{
    titoloWord(ctx, t.titolo);
    scrivi(ctx, puntiCorpo, testoDocumento(t.prima) + aCapo);
    scrivi(ctx, puntiCorpo, t.introduzione + aCapo + aCapo);
    scrivi(ctx, puntiCorpo, t.formula + aCapo + aCapo);
    scrivi(ctx, puntiCorpo, legendaApertura + aCapo);
    const QString rientro(legendaApertura.size(), u' ');
    for (qsizetype i = 0; i < t.legenda.size(); ++i) {
        const QString voce = i == 0 ? rientro + t.legenda[i].mid(legendaApertura.size()) : t.legenda[i];
        scrivi(ctx, puntiCorpo, separatoreLocale(voce) + (i == t.legenda.size() - 1 ? aCapo + aCapo : aCapo));
    }
    for (const Capoverso& c : t.dopo)
        scrivi(ctx, puntiCorpo, testoDocumento(c) + aCapo);
    paragrafiVuoti(ctx, vuotiDopo);
}

} // namespace

void acqueBiancheStampa(Contesto& ctx)
{
    // The title page has left the body font at the heading size.
    Stampante& p = *ctx.Printer;
    const TestiAcqueBianche& t = testiAcqueBianche();
    titolo(ctx, t.titolo);
    for (const Capoverso* c : {&t.a, &t.b, &t.c})
        stampaCapoverso(p, *c);
    stampaTabella(ctx, tabellaDeflusso(), true);
    stampaCapoverso(p, t.d);
    // The two paragraphs that explain the slope table stay on its page.
    const qsizetype spiegazione = righeStampate(t.e).size() + righeStampate(t.f).size();
    if (!staNellaPagina(p, double(spiegazione + tabellaPendenze().size() + 2) * p.TextHeight()))
        ctx.fondopagina();
    for (const Capoverso* c : {&t.e, &t.f})
        stampaCapoverso(p, *c);
    stampaTabella(ctx, tabellaPendenze(), false);
    ctx.fondopagina();
}

void acqueBiancheWord(Contesto& ctx)
{
    const TestiAcqueBianche& t = testiAcqueBianche();
    nuovoParagrafo(ctx);
    titoloWord(ctx, t.titolo);
    scrivi(ctx, puntiCorpo, testoDocumento(t.a) + aCapo);
    // The document gives the formula's sentence a paragraph of its own.
    const QString b = testoDocumento(t.b);
    const qsizetype fine = b.indexOf(t.fineFormula) + t.fineFormula.size();
    scrivi(ctx, puntiCorpo, b.left(fine) + aCapo);
    scrivi(ctx, puntiCorpo, b.mid(fine).trimmed() + aCapo);
    scrivi(ctx, puntiCorpo, testoDocumento(t.c) + aCapo + aCapo);
    tabellaWord(ctx, tabellaDeflusso());
    scrivi(ctx, puntiCorpo, aCapo + aCapo + testoDocumento(t.d) + aCapo);
    scrivi(ctx, puntiCorpo, testoDocumento(t.e) + aCapo);
    scrivi(ctx, puntiCorpo, testoDocumento(t.f) + aCapo);
    paragrafiVuoti(ctx, vuotiPrimaPendenze);
    tabellaWord(ctx, tabellaPendenze());
    scrivi(ctx, puntiCorpo, aCapo + t.g + aCapo);
    paragrafiVuoti(ctx, vuotiDopoBianche);
}

void acqueNereStampa(Contesto& ctx)
{
    // Without the storm flow the title page has left the font and size already.
    if (conAcqueBianche(ModVelmor::sistema)) {
        ctx.Printer->FontName = ctx.caratterecorpo;
        ctx.Printer->FontSize = puntiTitolo;
    }
    stampaFormula(ctx, testiAcqueNere());
}

void acqueNereWord(Contesto& ctx)
{
    nuovoParagrafo(ctx);
    scriviFormula(ctx, testiAcqueNere(), vuotiDopoNere);
}

void collettoreStampa(Contesto& ctx)
{
    ctx.Printer->FontName = ctx.caratterecorpo;
    ctx.Printer->FontSize = puntiTitolo;
    stampaFormula(ctx, testiCollettore());
}

void collettoreWord(Contesto& ctx)
{
    // No new paragraph: the section goes on in the flow section's.
    scriviFormula(ctx, testiCollettore(), vuotiDopoCollettore);
}

} // namespace relazione
