#include "help/documento.h"

#include "frame/costruzionedocumento.h"

namespace guida {

bool nuovoDocumento(const QString& nome, const Scrittura& scrivi)
{
    std::shared_ptr<office::Document> documento;
    return costruisciDocumento(
        QStringLiteral("preparare il documento"),
        [&] {
            auto appword = office::nuovaApplicazione();
            appword->Visible = true;
            documento = appword->Documents.Add();
            documento->nomeFile(nome);
            scrivi(*appword, *documento);
        },
        [&] { return documento; });
}

void paginaInformativa(office::Application& appword, office::Document& documento)
{
    office::Selezione& sel = appword.Selection;
    office::impostaPagina(sel);
    documento.Content.Paragraphs.LineSpacing = 12;
}

} // namespace guida
