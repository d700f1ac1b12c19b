// The document's own pagination: the content laid out with QTextDocument on the document's
// page, with the same margins, fonts, sizes, line spacing, tables and page breaks as the .docx.
// A font that is not installed is measured with the one that replaces it on this system.
#pragma once

#include "office/modello.h"

namespace office {

int contaPagine(const ModelloDocumento& modello);

} // namespace office
