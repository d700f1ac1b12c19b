#include "report/relazioneword.h"

#include "frame/ModVelmor.h"
#include "frame/costruzionedocumento.h"
#include "frame/servizi.h"
#include "office/applicazione.h"
#include "office/consegna.h"
#include "report/condizioni.h"
#include "report/contesto.h"

namespace relazione {

using namespace office;

namespace {

// The columns right-aligned in table `indice`, first to last.
void allineaADestra(Contesto& ctx, int indice, int prima, int ultima)
{
    Table& t = ctx.documento->Tables(indice);
    for (int c = prima; c <= ultima; ++c) {
        t.Columns(c).Select();
        ctx.appword->Selection.ParagraphFormat.Alignment = Destra;
    }
}

} // namespace

void nuovoParagrafo(Contesto& ctx)
{
    ctx.paragrafo = ctx.documento->Content.Paragraphs.Add(ctx.documento->Bookmarks(QStringLiteral("\\endofdoc")).Range);
}

void scrivi(Contesto& ctx, double punti, const QString& testo)
{
    ctx.paragrafo->Range.Font.Size = punti;
    ctx.paragrafo->Range.Text = testo;
}

void paragrafiVuoti(Contesto& ctx, int n)
{
    if (!ctx.paragrafo)
        nuovoParagrafo(ctx);
    for (int i = 0; i < n; ++i)
        ctx.paragrafo->Range.Text = QStringLiteral("\r");
}

Table& nuovaTabella(Contesto& ctx, int righe, int colonne, double punti)
{
    ctx.tabella = ctx.documento->Tables.Add(ctx.documento->Bookmarks(QStringLiteral("\\endofdoc")).Range, righe, colonne);
    if (punti > 0)
        ctx.tabella->Range.Font.Size = punti;
    return *ctx.tabella;
}

void passataFinale(Contesto& ctx)
{
    Selezione& sel = ctx.appword->Selection;
    ctx.documento->Select();
    sel.ParagraphFormat.Alignment = Giustificato;
    // A table's heading rows are not justified: their words would stand apart in a narrow
    // column. Columns right-aligned below keep their headings over their numbers.
    for (office::Tabella& t : ctx.documento->modello().tabelle)
        for (int r = 1; r <= t.intestazione(); ++r)
            for (int c = 1; c <= t.colonne; ++c)
                if (t.cella(r, c)->allineamento == Giustificato)
                    t.cella(r, c)->allineamento = Sinistra;
    ++ctx.documento->modello().revisione;

    const QString& sistema = ModVelmor::sistema;
    const bool nere = sistema == QLatin1String("nere");
    if (!nere && sistema != QLatin1String("misto") && sistema != QLatin1String("bianche"))
        return;
    // The run-off and slope tables come first when there is storm water; then
    // the network legend, the network tables and the three seismic tables.
    int legenda = 1;
    if (!nere) {
        allineaADestra(ctx, 1, 2, 2);
        allineaADestra(ctx, 2, 2, 3);
        allineaADestra(ctx, 3, 1, 2);
        legenda = 3;
    }
    const int tabelleRete = ctx.altretabellerete + 1;
    for (int t = legenda + 1; t <= legenda + tabelleRete; ++t)
        allineaADestra(ctx, t, 1, colonneRete);
    if (conTubi()) {
        const int sollecitazioni = legenda + tabelleRete + 2;
        allineaADestra(ctx, sollecitazioni, 4, 9);
        allineaADestra(ctx, sollecitazioni + 1, 1, 14);
    }
}

void apriRelazione(Contesto& ctx)
{
    ctx.altretabellerete = 0;
    ctx.appword = nuovaApplicazione();
    ctx.appword->Visible = true;
    ctx.documento = ctx.appword->Documents.Add();
    ctx.documento->nomeFile(QStringLiteral("relazione"));
    Selezione& sel = ctx.appword->Selection;
    sel.TypeText(QStringLiteral("\r\r\r"));
    impostaPagina(sel);
    sel.Paragraphs.LineSpacing = 12;
    sel.Font.Name = QStringLiteral("Century Gothic");
    sel.Font.Bold = commutaGrassetto;
    sel.Font.Size = 24;
}

bool costruisciDocumento(Contesto& ctx, const QString& cosa, const std::function<void()>& costruisci)
{
    const ConsegnaAllaFine consegna;
    return ::costruisciDocumento(cosa, costruisci, [&ctx] { return ctx.documento; });
}

QString esitoConsegna(const Contesto& ctx, const QString& visualizzato)
{
    using Consegna = StatoDocumento::Consegna;
    switch (ctx.documento ? ctx.documento->stato()->consegna : Consegna::inAttesa) {
    case Consegna::nonScritto:
        return QStringLiteral("il documento non è stato scritto su disco, quindi non è stato aperto: vedi il messaggio");
    case Consegna::soloSalvato:
        return QStringLiteral("il documento è stato salvato ma l'elaboratore di testi non si è aperto: vedi il messaggio");
    case Consegna::aperto:
    case Consegna::inAttesa:
        break;
    }
    return visualizzato;
}

} // namespace relazione
