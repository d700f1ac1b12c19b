#pragma once
// Which of the report's sections are due. The network types compare letter
// for letter: any other value gives both flow sections.

#include <QString>

namespace relazione {

bool conAcqueBianche(const QString& sistema); // the storm-flow section
bool conAcqueNere(const QString& sistema);    // the foul-flow section
bool conTubi();                               // the seismic sections

} // namespace relazione
