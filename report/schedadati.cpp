#include "report/schedadati.h"

#include "frame/ModVelmor.h"
#include "office/applicazione.h"
#include "report/contesto.h"
#include "report/relazioneword.h"

namespace relazione {

using namespace office;

namespace {

void scriviScheda(Contesto& ctx)
{
    ctx.appword = nuovaApplicazione();
    ctx.appword->Visible = true;
    ctx.documento = ctx.appword->Documents.Add();
    ctx.documento->nomeFile(QStringLiteral("dati-generali"));
    Selezione& sel = ctx.appword->Selection;
    impostaPagina(sel);
    ctx.documento->Content.Paragraphs.LineSpacing = 12;
    sel.Font.Name = QStringLiteral("Century Gothic");
    sel.Font.Size = 20;
    sel.TypeText(ModVelmor::nomeprogramma.testo() + QStringLiteral("\r"));
    sel.Font.Size = 16;
    sel.TypeText(ModVelmor::descrizioneprogramma.testo() + QStringLiteral("\r\r"));
    sel.Font.Size = 12;
    sel.TypeText(QStringLiteral("Dati generali\r"));
    nuovoParagrafo(ctx);

    const std::pair<const char*, QString> righe[] = {
        {"tipologia", QStringLiteral("dati")},
        {"progetto", ctx.testi.progetto},
        {"località", ctx.testi.località},
        {"tipologia di studio", ctx.testi.tipostudio},
        {"committente", ctx.testi.committente},
        {"luogo di elaborazione", ctx.testi.luogo},
        {"data di elaborazione", ctx.testi.data},
        {"allegati alla relazione", ctx.testi.allegati},
        {"studio tecnico", ctx.testi.studio},
        {"indirizzo dello studio", ctx.testi.indirizzo},
    };
    Table& t = nuovaTabella(ctx, std::size(righe), 2, 10);
    for (int r = 1; r <= int(std::size(righe)); ++r) {
        t.Cell(r, 1).Range.Text = QString::fromUtf8(righe[r - 1].first);
        t.Cell(r, 2).Range.Text = righe[r - 1].second;
    }
    t.AutoFormat(9);
}

} // namespace

void schedaDati(Contesto& ctx)
{
    ctx.avvisa(QStringLiteral("sto caricando WORD"));
    if (!costruisciDocumento(ctx, QStringLiteral("preparare il documento"), [&ctx] { scriviScheda(ctx); }))
        return;
    ctx.avvisa(esitoConsegna(ctx, QStringLiteral("ho visualizzato i dati su WORD")));
}

void schedaDati(const Testi& testi, const std::function<void(const QString&)>& avviso)
{
    Contesto ctx(testi, avviso);
    schedaDati(ctx);
}

} // namespace relazione
