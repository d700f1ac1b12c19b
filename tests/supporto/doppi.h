#pragma once
// Test doubles of the platform services: they answer from a script and
// record what the program asked.

#include "frame/servizi.h"

#include <QColor>
#include <QString>
#include <QStringList>
#include <QSizeF>
#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <vector>

struct MessaggioVisto {
    QString testo;
    int stile;
    QString titolo;
};

class MessaggiFinti : public servizi::Messaggi {
public:
    // Answers given in order; with none left, the box's default button.
    std::deque<int> risposte;
    std::vector<MessaggioVisto> visti;
    int mostra(const QString& testo, int stile, const QString& titolo) override;
};

class DialoghiFinti : public servizi::Dialoghi {
public:
    std::deque<std::optional<QString>> file_;   // nullopt = cancel; with none left, cancel
    std::deque<std::optional<QColor>> colori;   // nullopt = cancel
    std::deque<bool> stampanti;
    // What the user sets in the print dialog before confirming it (a printer, a paper).
    std::function<void(QPrinter&)> sceltaStampante;
    std::vector<servizi::RichiestaFile> richiesteFile;
    std::vector<QColor> coloriIniziali;
    int richiesteStampante = 0;
    QString cartaMostrata; // the paper the printer had when the dialog showed
    std::optional<QString> file(const servizi::RichiestaFile& richiesta) override;
    std::optional<QColor> colore(const QColor& iniziale) override;
    bool stampante(QPrinter& stampante) override;
};

class ShellFinta : public servizi::Shell {
public:
    std::int32_t risultato = 42;
    QStringList aperti;
    std::int32_t apri(const QString& indirizzo) override;
};

class MusicaFinta : public servizi::Musica {
public:
    QStringList comandi; // "open <file>", "play", "pause", "close"
    void open(const QString& file) override;
    void play() override;
    void pause() override;
    void close() override;
};

// Printed outputs go to a recording surface (A4), or to a PDF file when `pdf`
// names one; `guasta` makes the surface fail as an unreachable printer does.
class StampaFinta : public servizi::Stampa {
public:
    QString pdf;
    bool guasta = false;
    QSizeF area; // of the recording surface; A4's when empty
    QString carta; // the printer's paper and orientation when the surface was asked for
    std::shared_ptr<office::Superficie> ultima; // the surface of the last print
    int richieste = 0;
    std::shared_ptr<office::Superficie> superficie(QPrinter& stampante) override;
};

// A print system whose queue takes jobs and keeps them unless told otherwise.
class CodeFinte : public servizi::CodeStampa {
public:
    QString codaScelta; // the queue the dialog's printer sends to, when set
    std::optional<servizi::Rifiuto> motivoRifiuto; // the queue takes no jobs, for this reason
    bool perdeLavoro = false;             // the job never shows up on the queue
    bool muto = false;                    // the print system stops answering once the job is sent
    QStringList chieste;                  // "rifiuto <coda>", "lavoro <coda> dopo <n>"
    QString codaDi(const QPrinter& stampante) override;
    std::optional<servizi::Rifiuto> rifiuto(const QString& coda) override;
    std::optional<int> ultimoLavoro(const QString& coda) override;
    std::optional<bool> haLavoro(const QString& coda, int dopo) override;
};

namespace doppi {

// The doubles installed for the whole test run.
MessaggiFinti& messaggi();
DialoghiFinti& dialoghi();
ShellFinta& shell();
MusicaFinta& musica();
StampaFinta& stampa();
CodeFinte& code();

} // namespace doppi

// Document delivery as the tests have it outside a fixture that records it: nothing is
// opened, and what would be told to the user goes to the log instead of a message box that
// waits for a click nobody gives.
void consegnaDiProva();

// Clears the doubles' scripts and records, unloads every window, drops the documents
// waiting for delivery, and puts the shared program data back as at start.
void ripristina();

// A test that starts and ends with everything put back as at start.
class ConRipristino : public ::testing::Test {
protected:
    void SetUp() override { ripristina(); }
    void TearDown() override { ripristina(); }
};
