#include "report/relazionefrontespizio.h"

#include "frame/ModVelmor.h"
#include "office/applicazione.h"
#include "office/stampante.h"
#include "report/capoverso.h"
#include "report/condizioni.h"
#include "report/contesto.h"
#include "report/relazionestampante.h"
#include "report/relazioneword.h"

#include <algorithm>

namespace relazione {

using namespace office;

namespace {

constexpr double destraFiletti = 10000;
constexpr double filettoAlto = 14000;
constexpr double filettoBasso = 15300;
constexpr int spessoreFiletti = 5;
// Below this height the closing no longer fits on the page.
constexpr double limiteChiusura = 13500;
constexpr int colonnaChiusura = 8;
constexpr int colonnaFirma = 50;

void righeVuote(Stampante& p, int n)
{
    for (int i = 0; i < n; ++i)
        p.Print();
}

} // namespace

QString sottotitolo(const QString& sistema)
{
    if (sistema == QLatin1String("bianche"))
        return QStringLiteral("(per una fognatura per acque bianche)");
    if (sistema == QLatin1String("nere"))
        return QStringLiteral("(per una fognatura per acque nere)");
    if (sistema == QLatin1String("misto"))
        return QStringLiteral("(per una fognatura a sistema misto)");
    return {};
}

void frontespizioStampa(Contesto& ctx)
{
    Stampante& p = *ctx.Printer;
    p.Print({Colonna(6), Testo(QStringLiteral("CALCOLI  IDRAULICI"))});
    p.FontSize = 14;
    if (const QString s = sottotitolo(ModVelmor::sistema); !s.isEmpty())
        p.Print({Colonna(colonnaTesto), Testo(s)});
    if (conTubi()) {
        p.FontSize = 24;
        p.Print();
        p.Print({Colonna(5), Testo(QStringLiteral("E VERIFICA SISMICA DEI TUBI"))});
    }
    righeVuote(p, 3);
    p.FontSize = 14;
    // A long text goes on on further lines within the margin; the blank lines below give way
    // to them, so that the studio still stands between the two rules.
    int righeInPiu = 0;
    const auto dato = [&p, &righeInPiu](const QString& etichetta, const QString& valore) {
        righeInPiu += stampaEntroMargine(p, colonnaTesto, etichetta, valore) - 1;
    };
    const auto vuote = [&p, &righeInPiu](int n) {
        const int cedute = std::min(righeInPiu, n - 1);
        righeInPiu -= cedute;
        righeVuote(p, n - cedute);
    };
    dato(QStringLiteral("progetto..............: "), ctx.testi.progetto);
    vuote(2);
    dato(QStringLiteral("località................: "), ctx.testi.località);
    vuote(2);
    dato(QStringLiteral("tipologia di studio: "), ctx.testi.tipostudio);
    vuote(9);
    // With no studio set the line stays blank after its label, for the designer's own hand.
    dato(QStringLiteral("progettista............: "), ctx.testi.studio);
    dato(QStringLiteral("committente.........: "), ctx.testi.committente);
    vuote(1);
    dato(ctx.testi.luogo + QStringLiteral(": "), ctx.testi.data);
    vuote(12);
    p.DrawWidth = spessoreFiletti;
    p.Line(margineSinistro, filettoAlto, destraFiletti, filettoAlto); // the text goes on under the rule
    // The studio between the rules: at 16 points after a blank line; a name and address that
    // need more lines give up most of the blank line first, then the size.
    const QString rientro(10, u' ');
    const auto righeStudio = [&p, &rientro, &ctx] {
        int n = 0;
        for (const QString& t : {ctx.testi.studio, ctx.testi.indirizzo})
            n += std::max<int>(1, int(righeEntro(t, p.ScaleWidth() - p.TextWidth(rientro),
                                                  [&p](const QString& x) { return p.TextWidth(x); })
                                          .size()));
        return n;
    };
    const double rigaVuota = p.TextHeight();
    const double stacco = rigaVuota / 4; // from the rule, without the blank line
    struct Scelta {
        bool vuota;
        double punti;
    };
    for (const Scelta scelta : {Scelta{true, 16}, Scelta{false, 16}, Scelta{false, 14}, Scelta{false, 12}}) {
        p.FontSize = scelta.punti;
        if (p.CurrentY + (scelta.vuota ? rigaVuota : stacco) + righeStudio() * p.TextHeight() <= filettoBasso
            || scelta.punti == 12) {
            p.FontSize = 14;
            if (scelta.vuota) {
                righeVuote(p, 1);
            } else {
                p.CurrentX = 0;
                p.CurrentY += stacco;
            }
            p.FontSize = scelta.punti;
            break;
        }
    }
    for (const QString& riga : {ctx.testi.studio, ctx.testi.indirizzo}) {
        if (riga.isEmpty())
            p.Print();
        else
            stampaEntroMargine(p, 1, rientro, riga);
    }
    p.Line(margineSinistro, filettoBasso, destraFiletti, filettoBasso);
    p.NewPage();
    p.FontName = ctx.caratterecorpo;
    p.FontSize = 18;
    p.CurrentX = margineSinistro;
    p.CurrentY = cimaPagina;
}

void chiusuraStampa(Contesto& ctx)
{
    Stampante& p = *ctx.Printer;
    righeVuote(p, 2);
    if (p.CurrentY > limiteChiusura)
        ctx.fondopagina();
    p.FontSize = ctx.dimensionecorpo;
    p.Print({Colonna(colonnaChiusura), Testo(QStringLiteral("La presente relazione è composta di n.")), Numero(p.Page()),
             Testo(QStringLiteral(" pagine."))});
    stampaEntroMargine(p, colonnaChiusura, QStringLiteral("Si allegano: "), ctx.testi.allegati);
    righeVuote(p, 1);
    stampaEntroMargine(p, colonnaChiusura, ctx.testi.luogo + QStringLiteral(": "), ctx.testi.data);
    p.Print({Colonna(colonnaFirma), Testo(QStringLiteral("il progettista"))});
    // The studio's name wraps within the margin; with no studio set the line is left blank
    // for a signature by hand.
    if (ctx.testi.studio.isEmpty())
        p.Print();
    else
        stampaEntroMargine(p, colonnaFirma, QString(), QStringLiteral("(") + ctx.testi.studio + QStringLiteral(")"));
}

void frontespizioWord(Contesto& ctx)
{
    Selezione& sel = ctx.appword->Selection;
    const auto scrivi = [&sel](const QString& testo) { sel.TypeText(testo); };
    const auto segni = [&sel](int n) {
        for (int i = 0; i < n; ++i)
            sel.TypeText(QStringLiteral("\r"));
    };
    scrivi(QStringLiteral("CALCOLI IDRAULICI\r"));
    sel.Font.Bold = commutaGrassetto;
    sel.Font.Size = 14;
    if (const QString s = sottotitolo(ModVelmor::sistema); !s.isEmpty())
        scrivi(s + QStringLiteral("\r"));
    if (conTubi()) {
        sel.Font.Size = 24;
        scrivi(QStringLiteral("\r\rE VERIFICA SISMICA DEI TUBI\r"));
    }
    sel.Font.Size = 14;
    scrivi(QStringLiteral("\r\r\r\rprogetto: ") + ctx.testi.progetto + QStringLiteral("\r\r\r"));
    scrivi(QStringLiteral("località: ") + ctx.testi.località + QStringLiteral("\r\r\r"));
    scrivi(QStringLiteral("tipologia di studio: ") + ctx.testi.tipostudio);
    segni(conTubi() ? 3 : 7);
    scrivi(QStringLiteral("progettista: ") + ctx.testi.studio + QStringLiteral("\r"));
    scrivi(QStringLiteral("committente: ") + ctx.testi.committente + QStringLiteral("\r\r"));
    scrivi(ctx.testi.luogo + QStringLiteral(": ") + ctx.testi.data);
    segni(10);
    // With no studio set these two paragraphs stay empty.
    scrivi(ctx.testi.studio + QStringLiteral("\r"));
    scrivi(ctx.testi.indirizzo);
    segni(8);
}

void chiusuraWord(Contesto& ctx)
{
    paragrafiVuoti(ctx, conTubi() ? 6 : 12);
    nuovoParagrafo(ctx);
    // The closing stays together on one page: the count, the enclosures, place and date and the
    // signature.
    ctx.paragrafo->Range.ParagraphFormat.KeepWithNext = true;
    // The count stands between two blanks (the first is its sign position). It is a page-count
    // field, so the word processor shows the true total again once the user has edited the report.
    scrivi(ctx, 12, QStringLiteral("La presente relazione è composta di n. "));
    ctx.paragrafo->Range.Fields.Add(IntervalloFine::Campi::wdFieldNumPages);
    ctx.paragrafo->Range.Text = QStringLiteral(" pagine.\r") + QStringLiteral("Si allegano: ") + ctx.testi.allegati
                              + QStringLiteral("\r\r") + ctx.testi.luogo + QStringLiteral(": ") + ctx.testi.data
                              + QStringLiteral("\r\ril progettista\r");
    ctx.paragrafo->Range.ParagraphFormat.KeepWithNext = false;
    // With no studio set the signature's paragraph stays empty, for a signature by hand.
    if (!ctx.testi.studio.isEmpty())
        ctx.paragrafo->Range.Text = QStringLiteral("(") + ctx.testi.studio + QStringLiteral(")");
    // The count stored is the count of the whole report, closing included.
    ctx.paragrafo->Range.Fields.Update();
}

} // namespace relazione
