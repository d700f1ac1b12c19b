#pragma once
// The technical report: the checks and the recomputation that come first, the
// order of its sections and the choice of rendering, printer or word processor.
// Each section is a pair of functions, one per rendering, that print and type
// through the title-page window's report state (frontespizio.h).

#include <QList>
#include <QString>

class frontespizio;

namespace relazione {

// The report, as the title page's print command runs it.
void stampaRelazione(frontespizio& f);

// The checks and the recomputation of every segment and pipe; false, with the
// window concerned shown and its message given, when the data are incomplete.
[[nodiscard]] bool prepara();

// The positions the network's scroll bar is set to, so that every segment
// beyond the first ten is shown and sized once: 11, 21, ... while not past the
// segment count nor the bar's maximum.
QList<int> posizioniRete(int numerotratti, int massimo);

// Which sections are due. The network types compare letter for letter: any
// other value gives both flow sections.
bool conAcqueBianche(const QString& sistema); // the storm-flow section
bool conAcqueNere(const QString& sistema);    // the foul-flow section
bool conTubi();                               // the seismic sections

// One section of the report, in each rendering.
struct Sezione {
    bool (*dovuta)();
    void (*stampa)(frontespizio& f);
    void (*word)(frontespizio& f);
};

// The sections in report order.
const QList<Sezione>& sezioni();
// Runs one rendering (&Sezione::stampa or &Sezione::word) of every section due, in order.
void eseguiSezioni(frontespizio& f, void (*Sezione::*resa)(frontespizio&));

} // namespace relazione
