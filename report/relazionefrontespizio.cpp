#include "report/relazionefrontespizio.h"

#include "frame/ModVelmor.h"
#include "office/applicazione.h"
#include "office/stampante.h"
#include "report/condizioni.h"
#include "report/contesto.h"
#include "report/relazionestampante.h"
#include "report/relazioneword.h"

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
    p.Print({Colonna(colonnaTesto), Testo(QStringLiteral("progetto..............: ")), TestoCampo(ctx.testi.progetto)});
    righeVuote(p, 2);
    p.Print({Colonna(colonnaTesto), Testo(QStringLiteral("località................: ")), TestoCampo(ctx.testi.località)});
    righeVuote(p, 2);
    p.Print({Colonna(colonnaTesto), Testo(QStringLiteral("tipologia di studio: ")), TestoCampo(ctx.testi.tipostudio)});
    righeVuote(p, 9);
    p.Print({Colonna(colonnaTesto), Testo(QStringLiteral("progettista............: ")), TestoCampo(ctx.testi.studio)});
    p.Print({Colonna(colonnaTesto), Testo(QStringLiteral("committente.........: ")), TestoCampo(ctx.testi.committente)});
    righeVuote(p, 1);
    p.Print({Colonna(colonnaTesto), TestoCampo(ctx.testi.luogo), Testo(QStringLiteral(": ")), TestoCampo(ctx.testi.data)});
    righeVuote(p, 12);
    p.DrawWidth = spessoreFiletti;
    p.Line(margineSinistro, filettoAlto, destraFiletti, filettoAlto);
    righeVuote(p, 1);
    p.FontSize = 16;
    p.Print({Spazi(10), TestoCampo(ctx.testi.studio)});
    p.Print({Spazi(10), TestoCampo(ctx.testi.indirizzo)});
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
    p.Print({Colonna(colonnaChiusura), Testo(QStringLiteral("Si allegano: ")), TestoCampo(ctx.testi.allegati)});
    righeVuote(p, 1);
    p.Print({Colonna(colonnaChiusura), TestoCampo(ctx.testi.luogo), Testo(QStringLiteral(": ")), TestoCampo(ctx.testi.data)});
    p.Print({Colonna(colonnaFirma), Testo(QStringLiteral("il progettista"))});
    p.Print({Colonna(colonnaFirma), Testo(QStringLiteral("(")), TestoCampo(ctx.testi.studio), Testo(QStringLiteral(")"))});
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
    scrivi(ctx.testi.studio + QStringLiteral("\r"));
    scrivi(ctx.testi.indirizzo);
    segni(8);
}

void chiusuraWord(Contesto& ctx)
{
    paragrafiVuoti(ctx, conTubi() ? 6 : 12);
    nuovoParagrafo(ctx);
    // The count stands between two blanks (the first is its sign position). It is a page-count
    // field holding the count of this moment, so the word processor shows the true total again
    // once the user has edited the report.
    scrivi(ctx, 12, QStringLiteral("La presente relazione è composta di n. "));
    ctx.paragrafo->Range.Fields.Add(IntervalloFine::Campi::wdFieldNumPages);
    ctx.paragrafo->Range.Text = QStringLiteral(" pagine.\r") + QStringLiteral("Si allegano: ") + ctx.testi.allegati
                              + QStringLiteral("\r\r") + ctx.testi.luogo + QStringLiteral(": ") + ctx.testi.data
                              + QStringLiteral("\r\ril progettista\r(") + ctx.testi.studio + QStringLiteral(")");
}

} // namespace relazione
