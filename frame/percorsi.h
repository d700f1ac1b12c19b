#pragma once
// Where the program finds the files it reads and never writes, and the one
// reader of those files: it gives their bytes, or why they could not be read
// in an Italian sentence the user can be shown (the toolkit's own error texts
// are in the system's language, often English).
//
// The program's fixed texts (help pages, terms of use, the circular's
// chapters) are built into it, under ":/testi/", so that they cannot go
// missing; the price list, the tips, the rainfall curves and the studio's
// name stay files the user may replace.

#include <QByteArray>
#include <QString>

namespace percorsi {

// The program's folder.
QString cartellaProgramma();

// The first existing file named `nome` in: the current folder (when
// `ancheCartellaCorrente`), the program's folder, the installed data folder and
// the source tree's data folder. Empty when none exists.
QString fileDati(const QString& nome, bool ancheCartellaCorrente);

// A data file is a few kilobytes; a larger one is not the file the program expects.
constexpr qint64 dimensioneMassima = 1024 * 1024;

// A file read whole.
struct Lettura {
    QString percorso; // where it was read; empty when it was not found
    QByteArray byte;
    QString errore;   // why it was not read, in Italian ("il file non esiste"); empty when read
    bool riuscita() const { return errore.isEmpty(); }
    // The bytes as text: UTF-8 when valid, Windows-1252 otherwise; line ends as LF.
    QString testo() const;
};

// Reads the file at `percorso` (a path, or a built-in text ":/testi/..."):
// an empty path, a missing, unreadable or directory path, and a file larger
// than `massimo` bytes each give their reason.
Lettura leggi(const QString& percorso, qint64 massimo = dimensioneMassima);

// Finds data file `nome` as fileDati does, then reads it.
Lettura leggiDati(const QString& nome, bool ancheCartellaCorrente, qint64 massimo = dimensioneMassima);

// A text built into the program, by its name under the data folder
// ("guida/manuale.txt", "licenza.txt", "circolare/capitolo1.txt").
// Empty for a name that is not built in.
QString testoIncorporato(const QString& nome);

// Where the built-in text `nome` lives (":/testi/<nome>").
QString risorsa(const QString& nome);

} // namespace percorsi
