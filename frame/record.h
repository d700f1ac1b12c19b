#pragma once
// The record encoding of the data files: one record a line ended by CR LF,
// fields separated by one comma, a text between double quotes, a number bare
// with a point, a value never set as nothing at all. Files are written in
// Windows-1252 and read in Windows-1252 or UTF-8.

#include "frame/valore.h"

#include <QByteArray>
#include <QFileDevice>
#include <QList>
#include <QString>
#include <optional>

namespace record {

using Campi = QList<Valore>;

// What writing changed to make the texts fit the encoding: double quotes
// inside texts (the encoding has no escape) become typographic quotes, line
// breaks (a record is one line) become blanks, and characters Windows-1252
// cannot hold become '?'.
struct Adattamenti {
    bool virgolette = false;
    bool aCapo = false;
    QString caratteriPersi;
    bool nessuno() const { return !virgolette && !aCapo && caratteriPersi.isEmpty(); }
    // An Italian sentence telling the user what was changed, empty when nothing was.
    QString descrizione() const;
};

// Encodes a record, line end included.
QByteArray scrivi(const Campi& campi, Adattamenti* adattamenti = nullptr);

// Decodes one line (without its line end). Nothing when the line is malformed
// (an unclosed quote, something after a closing quote, a bare field that is not a number).
std::optional<Campi> leggi(const QString& riga);

// A whole file's text split into its lines (CR LF, or LF alone), the last
// line end not making an empty line of its own.
QList<QString> righe(const QString& testo);

// The longest line a reader takes: a record of the data files is a few hundred
// characters long, so a longer line is no such record (and could hold a text
// of any length that would end up in the tables and the report).
constexpr int lunghezzaMassimaRiga = 10000;
// The longest text each of `campi` fields may hold so that a record of them all, quotes and
// commas included, still fits in a line.
constexpr int lunghezzaMassimaTesto(int campi)
{
    return (lunghezzaMassimaRiga - (campi - 1) - 2 * campi) / campi;
}

// Reads the records of a file one after the other and keeps the first error.
class Lettore {
public:
    explicit Lettore(const QByteArray& contenuto);
    // The next record, which must have `numeroCampi` fields (any number when -1) and no
    // text longer than `lunghezzaTesto` characters (any length when -1).
    std::optional<Campi> prossimo(int numeroCampi = -1, int lunghezzaTesto = -1);
    // A whole number from 0 to `massimo` alone on its line, as a number; an
    // empty line, when `vuotoAmmesso`, as an empty value.
    std::optional<Valore> conteggio(int massimo, bool vuotoAmmesso);
    // Refuses the record read last, for a reason its reader found in it: the error names its line.
    void rifiuta(const QString& motivo);
    bool finito() const { return posizione >= linee.size(); }
    // The first error, in Italian, naming the line; empty while there is none.
    const QString& errore() const { return primoErrore; }

private:
    void sbaglia(const QString& motivo);
    QList<QString> linee;
    int posizione = 0;
    QString primoErrore;
};

// An Italian description of why a file could not be opened, read or written
// (the toolkit's own texts are in the system's language, often English).
// `scrittura`: the file was being written.
QString descrizioneErrore(const QFileDevice& file, bool scrittura);

// The number of the first line longer than a reader takes (lines of a file's bytes as
// written, one byte a character), 0 when there is none.
int rigaTroppoLunga(const QByteArray& contenuto);

// Writes a file whole through a temporary file (office/salvataggio.h), so that a failed
// write leaves the previous file as it was; a file with a line the readers refuse is not
// written at all. Returns an Italian description of the failure, empty on success; `rimedio`,
// when given, gets the sentence that tells the user what to do next.
[[nodiscard]] QString salvaFile(const QString& percorso, const QByteArray& contenuto, QString* rimedio = nullptr);

} // namespace record
