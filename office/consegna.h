// Handing finished documents to the user. A document added to an application is delivered when
// control returns to the event loop, that is when the command that built it has ended: it is
// written to a new file in the documents folder ("Velmor-<name>-<date>-<time>.docx", never
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
void avvisaUtente(const QString& messaggio);

// The folder the documents go to: the user's documents location followed by "/Velmor",
// unless another folder was set (an empty text brings back the standard one).
void impostaCartellaDocumenti(const QString& cartella);
QString cartellaDocumenti();

// The file name a document named `nome` gets when written at `quando` (no suffix, no folder).
QString nomeConsegna(const QString& nome, const QDateTime& quando);

void accodaConsegna(std::shared_ptr<StatoDocumento> stato);
// Delivers at once every document waiting for delivery.
void consegnaInSospeso();
int documentiInSospeso();

} // namespace office
