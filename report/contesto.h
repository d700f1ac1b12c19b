#pragma once
// The report's working state, owned by the command that builds a report or
// the data sheet and gone when it ends: the word processor and its document,
// the paragraph and table being written, the printer while the report prints
// on it, and what the sections leave for later ones. The title-page window
// gives the texts and, through `avviso`, shows the command's hints; it keeps
// none of this state.

#include <QString>
#include <functional>
#include <memory>

namespace office {
class Application;
class Document;
class Paragraph;
class Stampante;
class Table;
} // namespace office

namespace relazione {

// The title page's record, as typed, and the studio's name and address.
struct Testi {
    QString progetto;
    QString località;
    QString tipostudio;
    QString committente;
    QString luogo;
    QString data;
    QString allegati;
    QString studio;    // empty when no studio is set
    QString indirizzo;
    QString fileStudio; // where the studio is set
};

// Where the report goes: straight to the printer, or into a document.
enum class Uscita { stampante, word };

struct Contesto {
    explicit Contesto(Testi t = {}, std::function<void(const QString&)> a = {})
        : testi(std::move(t)), avviso(std::move(a))
    {
    }
    Contesto(const Contesto&) = delete;
    Contesto& operator=(const Contesto&) = delete;

    const Testi testi;
    // The window's hint line; nothing is shown when empty.
    const std::function<void(const QString&)> avviso;
    void avvisa(const QString& testo) const
    {
        if (avviso)
            avviso(testo);
    }

    int dimensionecorpo = 12; // the body text size
    QString caratterecorpo;   // the printer's body font
    // The word processor of the report or data sheet, its document, the
    // paragraph being written at the end of the document and the table added last.
    std::shared_ptr<office::Application> appword;
    std::shared_ptr<office::Document> documento;
    std::shared_ptr<office::Paragraph> paragrafo;
    std::shared_ptr<office::Table> tabella;
    // Network tables beyond the first, left by the network section for the end pass.
    int altretabellerete = 0;
    // The printer page of the network table's first rows.
    int primapaginarete = 0;
    // The printer while the report prints on it, nullptr otherwise.
    office::Stampante* Printer = nullptr;
    // While a table prints: how a page that fills by itself ends (the foot, a new
    // page, the table's heading again); otherwise such a page gets the foot alone.
    std::function<void()> continuaTabella;

    // The printer's page foot: "pagina" and the page number at the page's foot,
    // then a new page whose text starts at y 1000 (relazionestampante.cpp).
    void fondopagina();
    // The page breaks of the network table (relazionerete.cpp) and of the
    // seismic stress table (relazionesismica.cpp), between their rows: the
    // foot, a new page and the table's heading again when the rows counted on
    // the page say so.
    void intestazionerete();
    void intestazionesismica();
};

} // namespace relazione
