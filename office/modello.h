// The content of a word-processor document: paragraphs and tables in the order written, the
// character format in force, the selection, the page set-up. Plain data with the operations that
// the document's automation objects perform on it; the .docx writer and the pagination read it.
#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

namespace office {

// Paragraph alignment values of the automation interface.
enum Allineamento : int { Sinistra = 0, Centrato = 1, Destra = 2, Giustificato = 3 };

// The value that toggles bold on or off.
inline constexpr int commutaGrassetto = 9999998;

// Page margins of every document, in twips (2.5 cm top and bottom, 2 cm left and right).
inline constexpr int margineSopraSotto = 1418;
inline constexpr int margineSinistraDestra = 1134;
// Table cells: text 1 mm from the grid lines on the left and right, down to a quarter of that in a
// table whose longest words would not fit across the page otherwise; grid lines half a point thick
// (in eighths of a point).
inline constexpr int margineCellaTwip = 57;
inline constexpr int margineCellaMinimoTwip = 14;
inline constexpr int spessoreGrigliaOttavi = 4;

struct Carattere {
    QString nome = QStringLiteral("Times New Roman");
    double dimensione = 12;
    bool grassetto = false;
    bool operator==(const Carattere&) const = default;
};

struct FormatoParagrafo {
    int allineamento = Sinistra;
    double interlinea = 12; // points: 12 is single spacing, 18 one and a half lines
    // Kept on one page with the paragraph after it: a page end never falls between them.
    bool tieniConSeguente = false;
};

// A run: text in one format, or a picture (immagine >= 0, index in ModelloDocumento::immagini),
// or a field (campo not empty: its instruction, such as "NUMPAGES"; testo is its stored result,
// which the word processor shows until it updates the field).
struct Frammento {
    QString testo;
    Carattere carattere;
    int immagine = -1;
    QString campo;
};

struct Paragrafo {
    std::vector<Frammento> frammenti;
    FormatoParagrafo formato;
    Carattere segno;                // format of the paragraph mark: the height of an empty paragraph
    bool interruzionePrima = false; // a manual page break stands before the paragraph's text

    bool vuoto() const { return frammenti.empty() && !interruzionePrima; }
    QString testo() const;
};

struct Cella {
    QString testo; // a \r in it separates the cell's paragraphs
    int allineamento = Sinistra;
};

struct Tabella {
    int righe = 0;
    int colonne = 0;
    Carattere carattere;       // the whole table's format
    double interlinea = 12;
    int formatoAutomatico = 0; // 0 plain grid, 9 marked header row and grid
    int righeIntestazione = 0; // heading rows repeated on every page the table reaches (at least 1 with format 9)
    std::vector<Cella> celle;  // row by row

    Cella* cella(int riga, int colonna); // from 1; nullptr outside the table
    const Cella* cella(int riga, int colonna) const;
    // The rows the word processor takes as the heading: in bold on a grey ground with format 9
    // (all of them, not just the first), and again at the top of each page the table goes on to.
    int intestazione() const;
};

// A picture as it goes into the document: PNG or JPEG data and its size on the page.
struct Immagine {
    QByteArray dati;
    QString estensione; // "png" or "jpeg"
    int larghezzaPixel = 0;
    int altezzaPixel = 0;
    double larghezzaPunti = 0;
    double altezzaPunti = 0;
};

// One item of the document's body: a paragraph, or the table of index `tabella`.
struct Blocco {
    int tabella = -1;
    Paragrafo paragrafo;
};

enum class Selezionato { PuntoInserimento, Documento, Colonna };

// Page size in twips for the automation's paper numbers (7 is A4, the default).
struct FormatoCarta {
    int larghezza;
    int altezza;
};
FormatoCarta formatoCarta(int numero);

// The width and height of the page's text area, in points.
class ModelloDocumento;
double larghezzaUtile(const ModelloDocumento& modello);
double altezzaUtile(const ModelloDocumento& modello);

// Rounds to a whole number, halves to the even neighbour (2.5 -> 2, 1.5 -> 2).
double arrotondaPari(double valore);

class ModelloDocumento {
public:
    ModelloDocumento();

    // Writing always happens at the end of the document, in the character format in force.
    // \r (or \r\n, or \n) ends a paragraph, \f puts a manual page break.
    void scriviTesto(const QString& testo);
    void nuovoParagrafo(); // adds a paragraph mark at the end
    int aggiungiTabella(int righe, int colonne); // index of the new table
    void aggiungiImmagine(const Immagine& immagine);
    void aggiungiCampo(const QString& istruzione, const QString& risultato);
    // The stored result of every field with this instruction.
    void aggiornaCampi(const QString& istruzione, const QString& risultato);

    // The selection: the insertion point at the end, the whole document, or a table column.
    void selezionaDocumento();
    void selezionaColonna(int tabella, int colonna);
    void comprimiSelezione();
    void allineaSelezione(int allineamento);
    int allineamentoSelezione() const;
    void interlineaSelezione(double punti);
    void interlineaTutto(double punti);

    bool formatoAutomatico(int tabella, int formato); // false for a format it does not know
    void scriviCella(int tabella, int riga, int colonna, const QString& testo);

    Paragrafo& ultimoParagrafo() { return blocchi.back().paragrafo; }
    const Paragrafo& ultimoParagrafo() const { return blocchi.back().paragrafo; }

    // The body; the last item is always a paragraph, the one being written.
    std::vector<Blocco> blocchi;
    std::vector<Tabella> tabelle;
    std::vector<Immagine> immagini;

    Carattere carattere;              // in force for what is written next
    FormatoParagrafo formatoParagrafo; // given to each new paragraph
    int numeroCarta = 7;
    double distanzaSopra = 0, distanzaSotto = 0, distanzaSinistra = 0, distanzaDestra = 0;

    Selezionato selezionato = Selezionato::PuntoInserimento;
    int tabellaSelezionata = -1;
    int colonnaSelezionata = 0;

    // Grows with every change of the content, so that a saved copy can be told from a newer one.
    quint64 revisione = 0;

private:
    void chiudiParagrafo();
    void aggiungiTesto(const QString& testo);
};

} // namespace office
