#include "report/relazioneword.h"

#include "frame/ModVelmor.h"
#include "frame/costruzionedocumento.h"
#include "frame/servizi.h"
#include "office/applicazione.h"
#include "office/consegna.h"
#include "report/frontespizio.h"
#include "report/relazione.h"

#include <QLabel>

namespace relazione {

using namespace office;

namespace {

// The columns right-aligned in table `indice`, first to last.
void allineaADestra(frontespizio& f, int indice, int prima, int ultima)
{
    Table& t = f.documento->Tables(indice);
    for (int c = prima; c <= ultima; ++c) {
        t.Columns(c).Select();
        f.appword->Selection.ParagraphFormat.Alignment = Destra;
    }
}

} // namespace

void nuovoParagrafo(frontespizio& f)
{
    f.paragrafo = f.documento->Content.Paragraphs.Add(f.documento->Bookmarks(QStringLiteral("\\endofdoc")).Range);
}

void scrivi(frontespizio& f, double punti, const QString& testo)
{
    f.paragrafo->Range.Font.Size = punti;
    f.paragrafo->Range.Text = testo;
}

void paragrafiVuoti(frontespizio& f, int n)
{
    if (!f.paragrafo)
        nuovoParagrafo(f);
    for (int i = 0; i < n; ++i)
        f.paragrafo->Range.Text = QStringLiteral("\r");
}

Table& nuovaTabella(frontespizio& f, int righe, int colonne, double punti)
{
    f.tabella = f.documento->Tables.Add(f.documento->Bookmarks(QStringLiteral("\\endofdoc")).Range, righe, colonne);
    if (punti > 0)
        f.tabella->Range.Font.Size = punti;
    return *f.tabella;
}

void passataFinale(frontespizio& f)
{
    Selezione& sel = f.appword->Selection;
    f.documento->Select();
    sel.ParagraphFormat.Alignment = Giustificato;

    const QString& sistema = ModVelmor::sistema;
    const bool nere = sistema == QLatin1String("nere");
    if (!nere && sistema != QLatin1String("misto") && sistema != QLatin1String("bianche"))
        return;
    // The run-off and slope tables come first when there is storm water; then
    // the network legend, the network tables and the three seismic tables.
    int legenda = 1;
    if (!nere) {
        allineaADestra(f, 1, 2, 2);
        allineaADestra(f, 2, 2, 3);
        allineaADestra(f, 3, 1, 2);
        legenda = 3;
    }
    const int tabelleRete = f.altretabellerete + 1;
    for (int t = legenda + 1; t <= legenda + tabelleRete; ++t)
        allineaADestra(f, t, 1, colonneRete);
    if (conTubi()) {
        const int sollecitazioni = legenda + tabelleRete + 2;
        allineaADestra(f, sollecitazioni, 4, 9);
        allineaADestra(f, sollecitazioni + 1, 1, 14);
    }
}

void apriRelazione(frontespizio& f)
{
    f.altretabellerete = 0;
    f.appword = nuovaApplicazione();
    f.appword->Visible = true;
    f.documento = f.appword->Documents.Add();
    f.documento->nomeFile(QStringLiteral("relazione"));
    Selezione& sel = f.appword->Selection;
    sel.TypeText(QStringLiteral("\r\r\r"));
    impostaPagina(sel);
    sel.Paragraphs.LineSpacing = 12;
    sel.Font.Name = QStringLiteral("Century Gothic");
    sel.Font.Bold = commutaGrassetto;
    sel.Font.Size = 24;
}

bool costruisciDocumento(frontespizio& f, const QString& cosa, const std::function<void()>& costruisci)
{
    const ConsegnaAllaFine consegna;
    return ::costruisciDocumento(cosa, costruisci, [&f] { return f.documento; });
}

void stampaWord(frontespizio& f)
{
    f.passo->setText(QStringLiteral("sto caricando WORD visualizzare la relazione"));
    if (!costruisciDocumento(f, QStringLiteral("completare la relazione"), [&f] {
            apriRelazione(f);
            eseguiSezioni(f, &Sezione::word);
            passataFinale(f);
        }))
        return;
    f.passo->setText(esitoConsegna(f, QStringLiteral("ho visualizzato la relazione su WORD")));
}

QString esitoConsegna(const frontespizio& f, const QString& visualizzato)
{
    using Consegna = StatoDocumento::Consegna;
    switch (f.documento ? f.documento->stato()->consegna : Consegna::inAttesa) {
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
