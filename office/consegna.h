// Handing finished documents to the user. A command that builds documents holds a
// ConsegnaAllaFine for its whole run: the documents added meanwhile are delivered when it ends,
// never earlier (a message box shown while a document is built runs an event loop, and the
// document must not leave half-built). A document added outside such a command is delivered when
// control returns to the event loop. Delivering means: written to a new file in the documents folder ("Velmor-<name>-<date>-<time>.docx", never
// replacing an earlier file) and opened with the system's word processor. A document saved with
// SaveAs is opened from where it was saved. Failures are told to the user, never fatal.
#pragma once

#include <QDateTime>
#include <QString>
#include <functional>
#include <memory>

namespace office {

struct StatoDocumento;

// Opens a file with the system's handler; true when it worked.
using ApriFile = std::function<bool(const QString& percorso)>;
// Tells the user something.
using AvvisaUtente = std::function<void(const QString& messaggio)>;

// An empty function brings back the default: QDesktopServices for opening, a message box
// titled "Velmor" for telling.
void impostaApriFile(ApriFile apri);
void impostaAvvisaUtente(AvvisaUtente avvisa);
bool apriFile(const QString& percorso);
// The desktop's opener that apriFile runs by default and waits for ("xdg-open", looked up in
// PATH); an empty text brings that one back.
void impostaApritore(const QString& programma);
void avvisaUtente(const QString& messaggio);

// The folder the documents go to: the user's documents location followed by "/Velmor",
// unless another folder was set (an empty text brings back the standard one).
void impostaCartellaDocumenti(const QString& cartella);
QString cartellaDocumenti();

// The file name a document named `nome` gets when written at `quando` (no suffix, no folder).
QString nomeConsegna(const QString& nome, const QDateTime& quando);

// Held by a command that builds documents; the outermost one delivers them when it ends.
class ConsegnaAllaFine {
public:
    ConsegnaAllaFine();
    ~ConsegnaAllaFine();
    ConsegnaAllaFine(const ConsegnaAllaFine&) = delete;
    ConsegnaAllaFine& operator=(const ConsegnaAllaFine&) = delete;
};

void accodaConsegna(std::shared_ptr<StatoDocumento> stato);
// A document left unfinished by a failed command is not delivered.
void ritiraConsegna(const std::shared_ptr<StatoDocumento>& stato);
// Drops every document waiting for delivery, undelivered (what a test left behind).
void ritiraTutto();
// Delivers at once every document waiting for delivery.
void consegnaInSospeso();
int documentiInSospeso();

} // namespace office
