#include "report/schedadati.h"

#include "frame/ModVelmor.h"
#include "office/applicazione.h"
#include "report/frontespizio.h"
#include "report/relazioneword.h"

#include <QLabel>
#include <QLineEdit>

namespace relazione {

using namespace office;

namespace {

void scriviScheda(frontespizio& f)
{
    f.appword = nuovaApplicazione();
    f.appword->Visible = true;
    f.documento = f.appword->Documents.Add();
    f.documento->nomeFile(QStringLiteral("dati-generali"));
    Selezione& sel = f.appword->Selection;
    impostaPagina(sel);
    f.documento->Content.Paragraphs.LineSpacing = 12;
    sel.Font.Name = QStringLiteral("Century Gothic");
    sel.Font.Size = 20;
    sel.TypeText(ModVelmor::nomeprogramma.testo() + QStringLiteral("\r"));
    sel.Font.Size = 16;
    sel.TypeText(ModVelmor::descrizioneprogramma.testo() + QStringLiteral("\r\r"));
    sel.Font.Size = 12;
    sel.TypeText(QStringLiteral("Dati generali\r"));
    nuovoParagrafo(f);

    const std::pair<const char*, QString> righe[] = {
        {"tipologia", QStringLiteral("dati")},
        {"progetto", f.progetto->text()},
        {"località", f.località->text()},
        {"tipologia di studio", f.tipostudio->text()},
        {"committente", f.committente->text()},
        {"luogo di elaborazione", f.luogo->text()},
        {"data di elaborazione", f.data->text()},
        {"allegati alla relazione", f.allegati->text()},
        {"studio tecnico", f.Labelstudio->text()},
        {"indirizzo dello studio", f.labelindirizzo->text()},
    };
    Table& t = nuovaTabella(f, std::size(righe), 2, 10);
    for (int r = 1; r <= int(std::size(righe)); ++r) {
        t.Cell(r, 1).Range.Text = QString::fromUtf8(righe[r - 1].first);
        t.Cell(r, 2).Range.Text = righe[r - 1].second;
    }
    t.AutoFormat(9);
}

} // namespace

void schedaDati(frontespizio& f)
{
    f.passo->setText(QStringLiteral("sto caricando WORD"));
    if (!costruisciDocumento(f, QStringLiteral("preparare il documento"), [&f] { scriviScheda(f); }))
        return;
    f.passo->setText(esitoConsegna(f, QStringLiteral("ho visualizzato i dati su WORD")));
}

} // namespace relazione
