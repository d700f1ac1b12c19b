#pragma once
// The platform services the windows use: message boxes, common dialogs, the
// shell opener and the music player. The program runs with the Qt
// implementations; tests install doubles that answer from a script.

#include <QColor>
#include <QString>
#include <cstdint>
#include <memory>
#include <optional>

class QPrinter;

namespace office {
class Superficie;
}

// Message box styles and answers, with the values of the windowing runtime.
// Code names them bare, after `using namespace vb;` at the top of its file.
namespace vb {
enum : int {
    vbOKOnly = 0,
    vbYesNo = 4,
    vbCritical = 16,
    vbQuestion = 32,
    vbExclamation = 48,
    vbInformation = 64,
    vbDefaultButton2 = 256,
};
enum : int { vbOK = 1, vbYes = 6, vbNo = 7 };
} // namespace vb

namespace servizi {

class Messaggi {
public:
    virtual ~Messaggi() = default;
    // Shows `testo` with the buttons and icon of `stile`; returns the pressed button.
    virtual int mostra(const QString& testo, int stile, const QString& titolo) = 0;
};

struct RichiestaFile {
    enum class Tipo { Apri, Salva };
    Tipo tipo = Tipo::Apri;
    QString titolo;
    QString nomeFile;      // proposed name or path
    QString filtro;        // "description|pattern|description|pattern"
    int indiceFiltro = 1;  // 1-based
};

class Dialoghi {
public:
    virtual ~Dialoghi() = default;
    // The chosen path, or nothing when the user cancels.
    virtual std::optional<QString> file(const RichiestaFile& richiesta) = 0;
    // The chosen colour, or nothing when the user cancels.
    virtual std::optional<QColor> colore(const QColor& iniziale) = 0;
    // Lets the user choose and set up a printer; false when cancelled.
    virtual bool stampante(QPrinter& stampante) = 0;
};

class Shell {
public:
    virtual ~Shell() = default;
    // Hands a web address, a mailto: link or a document path to the system's
    // default handler; like the Windows shell, a result above 32 means success.
    virtual std::int32_t apri(const QString& indirizzo) = 0;
};

// Where a printed output is drawn once the print dialog has set up the printer:
// the printer itself in the program; a recording surface or a PDF in tests.
class Stampa {
public:
    virtual ~Stampa() = default;
    virtual std::shared_ptr<office::Superficie> superficie(QPrinter& stampante) = 0;
};

// Why a print queue takes no job now: what the user can do depends on it.
struct Rifiuto {
    enum class Causa {
        chiusa,        // the queue rejects jobs (an administrator closed it)
        sconosciuta,   // the print system has no queue of that name
        senzaRisposta, // the print system does not answer
    };
    Causa causa = Causa::chiusa;
    QString motivo; // the administrator's reason for a closed queue, as the system gives it; may be empty
};

// The print system's word on its print queues (CUPS in the program). Qt's
// print engine hands a job over without telling whether the queue took it,
// so a print is checked before and after through this.
class CodeStampa {
public:
    virtual ~CodeStampa() = default;
    // The print queue a printer set up by the print dialog sends to; empty
    // when it writes a file or has no printer.
    virtual QString codaDi(const QPrinter& stampante);
    // Nothing when the queue named `coda` takes jobs; otherwise why it does not.
    virtual std::optional<Rifiuto> rifiuto(const QString& coda) = 0;
    // The highest job number the queue has given so far (finished jobs
    // included; 0 for none); nothing when the print system cannot be asked.
    virtual std::optional<int> ultimoLavoro(const QString& coda) = 0;
    // Whether the queue holds (or held) a job of this user numbered above
    // `dopo`, the highest number before the print: the job is known by its
    // number, since the print system may shorten or change its name. Nothing
    // when the print system cannot be asked.
    virtual std::optional<bool> haLavoro(const QString& coda, int dopo) = 0;
};

class Musica {
public:
    virtual ~Musica() = default;
    virtual void open(const QString& file) = 0;
    virtual void play() = 0;
    virtual void pause() = 0;
    virtual void close() = 0;
};

// The services in use. Until something is installed, the Qt implementations serve
// (the choice is made in servizipredefiniti.cpp).
Messaggi& messaggi();
Dialoghi& dialoghi();
Shell& shell();
Musica& musica();
Stampa& stampa();
CodeStampa& code();

// Installs a service (not owned; nullptr goes back to the Qt implementation).
void installa(Messaggi* s);
void installa(Dialoghi* s);
void installa(Shell* s);
void installa(Musica* s);
void installa(Stampa* s);
void installa(CodeStampa* s);

} // namespace servizi

// The runtime's message box: the program name is the title when none is given.
int MsgBox(const QString& testo, int stile = vb::vbOKOnly, const QString& titolo = QString());
