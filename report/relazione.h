#pragma once
// The technical report: the checks and the recomputation that come first, the
// order of its sections and the choice of rendering, printer or word processor.
// Each section is a pair of functions, one per rendering, that print and type
// through the report's own state (contesto.h), which the command holds while
// it runs.

#include "report/condizioni.h"
#include "report/contesto.h"

#include <QList>
#include <QString>
#include <functional>

namespace relazione {

// The report, as the title page's print command runs it: the checks, then the
// rendering chosen, with the title page's texts; `avviso` shows the hints.
void stampaRelazione(const Testi& testi, Uscita uscita, const std::function<void(const QString&)>& avviso);

// The checks and the recomputation of every segment and pipe; false, with the
// window concerned shown and its message given, when the data are incomplete.
[[nodiscard]] bool prepara();

// The printer rendering of the whole report (after the checks). The print
// dialog chooses the printer; nothing is printed when it is cancelled.
void stampaDiretta(Contesto& ctx);
// The word-processor rendering of the whole report (after the checks).
void stampaWord(Contesto& ctx);

// The positions the network's scroll bar is set to, so that every segment
// beyond the first ten is shown and sized once: 11, 21, ... while not past the
// segment count nor the bar's maximum.
QList<int> posizioniRete(int numerotratti, int massimo);

// The hint after a report printed or built with no studio set: the designer
// left blank, and where to set the studio; empty when one is set.
QString notaStudio(const Testi& testi);

// One section of the report, in each rendering.
struct Sezione {
    bool (*dovuta)();
    void (*stampa)(Contesto& ctx);
    void (*word)(Contesto& ctx);
};

// The sections in report order.
const QList<Sezione>& sezioni();
// Runs one rendering (&Sezione::stampa or &Sezione::word) of every section due, in order.
void eseguiSezioni(Contesto& ctx, void (*Sezione::*resa)(Contesto&));

} // namespace relazione
