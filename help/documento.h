#pragma once
// What the help windows' print commands share: a new visible word-processor
// application with one new document, and the page of the information
// documents. The caller holds an office::ConsegnaAllaFine for its whole run,
// so that the document is delivered when the command ends.

#include "office/applicazione.h"

#include <QString>
#include <functional>

namespace guida {

using Scrittura = std::function<void(office::Application& appword, office::Document& documento)>;

// Runs `scrivi` on a new document named `nome` (what the delivered file's name
// says). When the document model refuses a call, the half-built document is
// withdrawn and the user is told why; false then.
bool nuovoDocumento(const QString& nome, const Scrittura& scrivi);

// The information documents' page, set before any text: border distances 2.5
// (top, bottom) and 1.5 (left, right), single line spacing, A4.
void paginaInformativa(office::Application& appword, office::Document& documento);

} // namespace guida
