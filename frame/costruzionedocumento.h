#pragma once
// The guard of every command that builds a document: when the document model
// refuses a call, the half-built document is withdrawn (it is not delivered)
// and the user is told why, in a message that says what could not be done.

#include <QString>
#include <functional>
#include <memory>

namespace office {
class Document;
} // namespace office

// Runs `costruisci`; false after a refusal, whose message reads
// "Non è stato possibile <cosa>: <reason>.". `documento` gives the document
// being built at that moment (nullptr when none was added yet).
bool costruisciDocumento(const QString& cosa, const std::function<void()>& costruisci,
                         const std::function<std::shared_ptr<office::Document>()>& documento);
