#pragma once
// The segment table's rules, apart from the window: the segment count, the
// values the window puts in place of empty fields, the sizing of a segment
// into the result arrays and the check of the network data.

#include <QString>
#include <optional>

namespace tratti {

// The fields of a segment that the user types or chooses.
enum class Campo {
    lunghezza,
    dislivello,
    portatacollettori,
    tiposuperficie,
    pendenza,
    abitanti,
    dotazione,
    superficie,
    pioggia,
    riempimento,
};

constexpr double dotazionepredefinita = 250; // litres per inhabitant per day
constexpr double riempimentopredefinito = 100;
// The fill percentage a segment may have: a section less than a tenth full is
// no design, and more than full is no section.
constexpr double riempimentominimo = 10;
constexpr double riempimentomassimo = 100;

// The number of segments 1 to 500 whose length is above 0, into ModVelmor::numerotratti.
int contatratti();

// Puts in place what the window stores for segment t: 0 for the fields the
// network type does not use; for a segment with a length, the previous
// allowance or 250 for an empty allowance, the previous rain for an empty
// rain, 0 for an empty collector inflow once a surface type is chosen and 100
// for an empty fill percentage. `inModifica` is left alone (the user is typing it).
// Returns true when something changed.
bool completatratto(int t, std::optional<Campo> inModifica = std::nullopt);

enum class Esito {
    dimensionato,      // results stored
    oltrelimite,       // flows stored; no pipe up to the largest carries them
    nonrichiesto,      // length or height difference zero, or allowance or inhabitants missing: no results
    incompleto,        // a number still being typed ("-", "1.", "2e"): no results, no message
    noninterpretabile, // a value that does not read as a number: no results
    riempimentoerrato  // a fill percentage outside 10 to 100: no results
};

// Sizes segment t from the table and stores its results (empty when not sized).
Esito dimensiona(int t);

// The line of the first missing value of segment t, in the order of the check
// (a value that does not read as a number gets a line that says so), then of a
// fill percentage outside 10 to 100, then of what the sizing refuses
// (rigadimensionamento); empty when the segment is complete and sized.
QString primodatomancante(int t, const QString& sistema);

// The first segment, 1 to numerotratti or to a later one whose length is typed, whose check finds a missing value
// (primodatomancante), or 0 when none. Known without going through the whole
// network: only the segments written since the last call (ModVelmor::trattiCambiati)
// are checked again, and all of them when the network type changed.
int primotrattoincompleto();

// The line telling that the fill percentage must be 10 to 100.
QString rigariempimento();

} // namespace tratti
