#include "help/documento.h"

#include "frame/ModVelmor.h"
#include "frame/servizi.h"
#include "office/consegna.h"

#include <exception>

namespace guida {

bool nuovoDocumento(const QString& nome, const Scrittura& scrivi)
{
    std::shared_ptr<office::Document> documento;
    try {
        auto appword = office::nuovaApplicazione();
        appword->Visible = true;
        documento = appword->Documents.Add();
        documento->nomeFile(nome);
        scrivi(*appword, *documento);
    } catch (const std::exception& e) {
        if (documento)
            office::ritiraConsegna(documento->stato());
        MsgBox(QStringLiteral("Non è stato possibile preparare il documento: %1.").arg(QString::fromStdString(e.what())),
               vb::vbCritical, ModVelmor::nomeprogramma.testo());
        return false;
    }
    return true;
}

void paginaInformativa(office::Application& appword, office::Document& documento)
{
    office::Selezione& sel = appword.Selection;
    sel.Borders.DistanceFromTop = 2.5;
    sel.Borders.DistanceFromBottom = 2.5;
    sel.Borders.DistanceFromLeft = 1.5;
    sel.Borders.DistanceFromRight = 1.5;
    documento.Content.Paragraphs.LineSpacing = 12;
    sel.PageSetup.PaperSize = 7;
}

} // namespace guida
