// Pictures for a document: read from a file (the format is told by the content, not by the
// extension), kept as PNG or JPEG, sized as the picture's resolution says and shrunk to fit
// the page's text area.
#pragma once

#include "office/modello.h"

#include <QString>
#include <optional>

namespace office {

std::optional<Immagine> caricaImmagine(const QString& percorso, double larghezzaMassimaPunti,
                                       double altezzaMassimaPunti);

} // namespace office
