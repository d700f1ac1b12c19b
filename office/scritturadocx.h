// Writes a document model as Office Open XML (.docx): the package through libzip, each part
// through the small XML writer of scrittorexml.h.
#pragma once

#include "office/modello.h"

#include <QByteArray>
#include <QString>

namespace office {

// The parts of the package, each on its own (the tests read them back).
QByteArray documentoXml(const ModelloDocumento& modello);
QByteArray stiliXml(const ModelloDocumento& modello); // with the character styles of its tables' fonts

// The whole .docx file; empty, with the reason in *errore, when it could not be built.
QByteArray scriviDocx(const ModelloDocumento& modello, QString* errore = nullptr);

// The table styles: a plain grid, and the grid with a marked header row of format 9.
inline constexpr const char* stileGriglia = "GrigliaVelmor";
inline constexpr const char* stileFormato9 = "Formato9Velmor";

} // namespace office
