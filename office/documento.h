// A word-processor document in the shape of the automation interface:
//   auto paragrafo = documento->Content.Paragraphs.Add(documento->Bookmarks("\\endofdoc").Range);
//   paragrafo->Range.Font.Size = 12; paragrafo->Range.Text = testo;
//   auto tabella = documento->Tables.Add(documento->Bookmarks("\\endofdoc").Range, 11, 2);
//   tabella->Cell(1, 1).Range.Text = "..."; tabella->AutoFormat(9);
//   documento->Tables(3).Columns(2).Select();
// Every range writes at the end of the document: text, paragraphs and tables follow each other in
// the order they are written.
#pragma once

#include "office/modello.h"
#include "office/proprieta.h"

#include <QString>
#include <functional>
#include <stdexcept>
#include <memory>
#include <vector>

namespace office {

// A call the document cannot honour, such as a table or document index that does not exist:
// going on would write into the wrong place, so the command that made it must end and say so.
class ErroreDocumento : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// What a document handle and its delivery share; the objects below keep it alive.
struct StatoDocumento {
    // What delivery did with the document.
    enum class Consegna { inAttesa, aperto, soloSalvato, nonScritto };
    ModelloDocumento modello;
    Consegna consegna = Consegna::inAttesa;
    QString nome = QStringLiteral("documento"); // says what the delivered file holds
    QString salvatoIn;                          // path of the last successful SaveAs
    quint64 revisioneSalvata = 0;
};
using RiferimentoStato = std::shared_ptr<StatoDocumento>;

// Font properties of a selection or range: Name, Size and Bold (true, false or the toggle
// 9999998). Reading Bold gives -1 when bold, 0 when not.
class Caratteri {
public:
    using Bersaglio = std::function<Carattere*()>; // nullptr when there is nothing to format
    Caratteri(Bersaglio bersaglio, std::function<void()> modificato);

    Proprieta<QString> Name;
    Proprieta<double> Size;
    Proprieta<int> Bold;
};

// The end of the document (the "\endofdoc" bookmark, or a paragraph added there). Assigning
// Text appends it at the end; Font sets the format in force for what is written next. Reading
// Text gives the text of the document's last paragraph.
class IntervalloFine {
public:
    explicit IntervalloFine(RiferimentoStato stato);
    Proprieta<QString> Text;
    Caratteri Font;

    // Fields appended at the end of the document.
    class Campi {
    public:
        explicit Campi(RiferimentoStato stato) : stato_(std::move(stato)) {}
        // wdFieldNumPages: the document's page count, stored as the count at this moment, so
        // that the word processor shows the true total again after the user's edits.
        static constexpr int wdFieldNumPages = 26;
        // Appends a field of that type; false for a type it does not know.
        bool Add(int tipo);
        // Brings the stored result of the document's page-count fields to the page count of
        // the document as it now stands, as the word processor does when it lays it out.
        void Update();
    private:
        RiferimentoStato stato_;
    } Fields;

    // The paragraph format of the last paragraph and of those written after it.
    struct FormatoParagrafi {
        // True: each such paragraph stays on one page with the paragraph after it.
        Proprieta<bool> KeepWithNext;
    } ParagraphFormat;
};

// A whole table: its Font applies to every cell.
class IntervalloTabella {
public:
    IntervalloTabella(RiferimentoStato stato, int tabella);
    Caratteri Font;
};

// One cell: its Text replaces the cell's text (a \r in it separates paragraphs).
class IntervalloCella {
public:
    IntervalloCella(RiferimentoStato stato, int tabella, int riga, int colonna);
    Proprieta<QString> Text;
};

class CellaTabella {
public:
    CellaTabella(RiferimentoStato stato, int tabella, int riga, int colonna)
        : Range(std::move(stato), tabella, riga, colonna) {}
    IntervalloCella Range;
};

class ColonnaTabella {
public:
    ColonnaTabella(RiferimentoStato stato, int tabella, int colonna);
    void Select(); // the column becomes the selection of the document
private:
    RiferimentoStato stato_;
    int tabella_;
    int colonna_;
};

class ColonneTabella {
public:
    ColonneTabella(RiferimentoStato stato, int tabella) : stato_(std::move(stato)), tabella_(tabella) {}
    ColonnaTabella operator()(int colonna) const { return ColonnaTabella(stato_, tabella_, colonna); }
    int Count() const;
private:
    RiferimentoStato stato_;
    int tabella_;
};

class Table {
public:
    Table(RiferimentoStato stato, int tabella);
    Table(const Table&) = delete;
    Table& operator=(const Table&) = delete;

    CellaTabella Cell(int riga, int colonna) const { return CellaTabella(stato_, tabella_, riga, colonna); }
    bool AutoFormat(int formato); // 9 gives the table a marked header row; unknown formats are refused
    // The first `righe` rows are the table's heading, repeated on every page it reaches.
    void intestazioneRipetuta(int righe);
    int righe() const;

    IntervalloTabella Range;
    ColonneTabella Columns;

private:
    RiferimentoStato stato_;
    int tabella_;
};

class Paragraph {
public:
    explicit Paragraph(RiferimentoStato stato) : Range(std::move(stato)) {}
    IntervalloFine Range;
};

class ParagrafiDocumento {
public:
    explicit ParagrafiDocumento(RiferimentoStato stato);
    // A new paragraph at the end of the document (a paragraph mark is added there).
    std::shared_ptr<Paragraph> Add(const IntervalloFine& dove);
    std::shared_ptr<Paragraph> Add();
    Proprieta<double> LineSpacing; // points, applied to every paragraph of the document
private:
    RiferimentoStato stato_;
};

class ContenutoDocumento {
public:
    explicit ContenutoDocumento(RiferimentoStato stato) : Paragraphs(std::move(stato)) {}
    ParagrafiDocumento Paragraphs;
};

class Segnalibro {
public:
    explicit Segnalibro(RiferimentoStato stato) : Range(std::move(stato)) {}
    IntervalloFine Range;
};

class SegnalibriDocumento {
public:
    explicit SegnalibriDocumento(RiferimentoStato stato) : stato_(std::move(stato)) {}
    // Only the predefined "\endofdoc" is known; any other name gives the end of the document too.
    Segnalibro operator()(const QString& nome) const;
private:
    RiferimentoStato stato_;
};

class TabelleDocumento {
public:
    explicit TabelleDocumento(RiferimentoStato stato) : stato_(std::move(stato)) {}
    // A table of the given rows and columns after everything written so far.
    std::shared_ptr<Table> Add(const IntervalloFine& dove, int righe, int colonne);
    // The table of that position in the document, from 1; ErroreDocumento outside the range.
    Table& operator()(int indice);
    int Count() const { return static_cast<int>(tabelle_.size()); }
private:
    RiferimentoStato stato_;
    std::vector<std::shared_ptr<Table>> tabelle_;
};

class Document {
public:
    explicit Document(RiferimentoStato stato);
    Document(const Document&) = delete;
    Document& operator=(const Document&) = delete;

    ContenutoDocumento Content;
    SegnalibriDocumento Bookmarks;
    TabelleDocumento Tables;

    void Select(); // the whole document becomes the selection
    // Writes the document as .docx to that path (whatever its extension); a failed save keeps
    // the file that was there and is told to the user. Once saved, the document is not
    // delivered again to the documents folder.
    bool SaveAs(const QString& percorso);

    void nomeFile(const QString& nome); // what the delivered file's name says, "documento" by default
    QString nomeFile() const { return stato_->nome; }
    int numeroPagine() const; // the document's own pagination at its page size

    const ModelloDocumento& modello() const { return stato_->modello; }
    ModelloDocumento& modello() { return stato_->modello; }
    const RiferimentoStato& stato() const { return stato_; }

private:
    RiferimentoStato stato_;
};

} // namespace office
