#pragma once
// The report's first and last sections: the title page (the calculation, the
// kind of network, the project's data, the studio) and the closing (the page
// count, the enclosures, place and date, the signature), in each rendering.

#include <QString>

namespace relazione {

struct Contesto;

void frontespizioStampa(Contesto& ctx);
void chiusuraStampa(Contesto& ctx);
void frontespizioWord(Contesto& ctx);
void chiusuraWord(Contesto& ctx);

// The subtitle naming the kind of network; empty for a value that is none of
// the three network types (letter for letter).
QString sottotitolo(const QString& sistema);

} // namespace relazione
