// The word processor's application object, its documents and its selection, in the shape of the
// automation interface:
//   auto appword = office::nuovaApplicazione();
//   appword->Visible = true;
//   auto documento = appword->Documents.Add();
//   auto& sel = appword->Selection;
//   sel.Font.Name = "Century Gothic"; sel.Font.Bold = 9999998; sel.Font.Size = 24;
//   sel.TypeText(titolo + "\r");
// The selection acts on the active document (the one added last). Each document added is
// delivered to the user when the command that built it ends (see consegna.h).
#pragma once

#include "office/documento.h"

#include <memory>
#include <vector>

namespace office {

class RaccoltaDocumenti {
public:
    RaccoltaDocumenti() = default;
    RaccoltaDocumenti(const RaccoltaDocumenti&) = delete;
    RaccoltaDocumenti& operator=(const RaccoltaDocumenti&) = delete;

    // A new blank document, which becomes the active one.
    std::shared_ptr<Document> Add();
    int Count() const { return static_cast<int>(documenti_.size()); }
    // The document of that index, from 1; ErroreDocumento outside the range.
    Document& operator()(int indice);

    Document* attivo() const { return documenti_.empty() ? nullptr : documenti_.back().get(); }

private:
    std::vector<std::shared_ptr<Document>> documenti_;
};

class Selezione {
public:
    explicit Selezione(RaccoltaDocumenti* documenti);
    Selezione(const Selezione&) = delete;
    Selezione& operator=(const Selezione&) = delete;

    // Types at the end of the active document: \r ends a paragraph, \f is a manual page break.
    void TypeText(const QString& testo);

    Caratteri Font;

    struct ImpostaPagina {
        Proprieta<int> PaperSize; // 7 is A4
    } PageSetup;

    struct Paragrafi {
        Proprieta<double> LineSpacing; // points; 12 is single spacing
    } Paragraphs;

    // Distances in points, kept rounded to whole points, halves to the even neighbour.
    struct Bordi {
        Proprieta<double> DistanceFromTop;
        Proprieta<double> DistanceFromBottom;
        Proprieta<double> DistanceFromLeft;
        Proprieta<double> DistanceFromRight;
    } Borders;

    struct FormatoParagrafi {
        Proprieta<int> Alignment; // 0 left, 1 centred, 2 right, 3 justified
    } ParagraphFormat;

    struct DocumentoSelezione {
        RaccoltaDocumenti* documenti;
        void Select(); // selects the whole active document
    } Document;

    struct FigureInLinea {
        RaccoltaDocumenti* documenti;
        // Inserts the picture file (BMP, PNG, JPEG... whatever its extension says) at the
        // insertion point; false when there is no document or the file is not a picture.
        bool AddPicture(const QString& percorso);
    } InlineShapes;

private:
    RaccoltaDocumenti* documenti_;
};

class Application {
public:
    Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    bool Visible = false;
    RaccoltaDocumenti Documents;
    Selezione Selection;
};

std::shared_ptr<Application> nuovaApplicazione();

// The page every document of the program is set on before any text: A4,
// border distances 2.5 points above and below the text and 1.5 at its sides.
// The line spacing is the caller's (the whole document or the selection).
void impostaPagina(Selezione& sel);

} // namespace office
