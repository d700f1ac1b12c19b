#pragma once
// A print job of the program, from the printer's set-up to the print system's
// word that the job arrived.
//
// Every printed output is laid out for A4 portrait: the printer is set to it
// before the print dialog shows. Qt's dialog switches to the chosen queue's
// own paper, so another paper after the dialog is put to the user before
// anything is drawn: print on A4 after all, or print nothing (on a smaller
// sheet the page feet would fall off the page and the page count would
// lie). The job carries a name,
// which a shared print queue shows and a PDF keeps as its title. A print queue
// is asked before drawing whether it takes jobs, and after the end of the
// document whether the job is there: Qt's print engine reports no refused
// submission; the job is known by its number, the first of this user's after
// the queue's last before the print. A print system that does not answer is
// told as such. A file chosen in the dialog must exist, written, after the end.
//
//     QPrinter p(QPrinter::HighResolution);
//     const stampe::Lavoro lavoro(p, nome);   // A4, named
//     if (!CommonDialog1.ShowPrinter(p)) return;
//     if (!lavoro.prima()) return;   // the user was told why
//     ... draw, end the document ...
//     lavoro.dopo();                  // tells the user of a lost job

#include <QDateTime>
#include <QString>

class QPrinter;

namespace stampe {

class Lavoro {
public:
    // Sets the printer to A4 portrait and names the job `nome` (cut to the
    // print system's limit). The printer must outlive the job.
    Lavoro(QPrinter& stampante, const QString& nome);

    // After the print dialog, before anything is drawn: whether the job may
    // be printed. When not, the user was told why, or declined A4.
    [[nodiscard]] bool prima();
    // After the end of the document: whether the job reached the queue or
    // the file; when not, the user is told.
    bool dopo() const;

private:
    QPrinter& m_stampante;
    QString m_nome;
    QString m_coda; // the print queue asked before; empty for a file or no printer
    QString m_file; // the file written in place of a printer
    int m_ultimo = 0;
    QDateTime m_inizio;
};

// The longest job name the print system takes: 255 bytes of UTF-8, as IPP's
// name attributes allow.
constexpr int lunghezzaMassimaNomeLavoro = 255;
// `nome` cut to that length on a character boundary; the job takes this name.
QString nomeLavoroAmmesso(const QString& nome);

// Whether a page size is A4 portrait, in whatever name the printer calls it.
bool eA4(const QPrinter& stampante);

} // namespace stampe
