// What the seismic window works out into the pipe table of the shared program
// data (frame/tubi.h): the weight per metre and the six working stresses. No
// widgets here.
#pragma once

#include "frame/tubi.h"
#include "seismic/verifica.h"

#include <optional>

namespace tubazioni {

// The numeric fields of a pipe as the check reads them (an empty field is 0),
// and which of the fields the check needs are empty.
DatiTubo datiTubo(int tubo);
CampiVuoti campiVuoti(int tubo);

// The first numeric field of a pipe the user types (the weight per metre is
// worked out, not typed) that is empty or does not read as a number; 0 when
// every one reads as a number.
int campoNonNumerico(int tubo);

// Recomputes a pipe into the shared table: its weight per metre (empty unless
// its diameter, thickness and specific weight read as numbers), and, when the
// check can run, its six working stresses; then returns the check's result.
// The check does not run for a pipe with a field that is empty or not a
// number (campoNonNumerico): such a field taken as 0 would give a verdict on
// data nobody typed. When the check does not run the stresses stay as they
// were (the data check stops on such a pipe before anything prints them) and
// nothing is returned.
std::optional<RisultatoVerifica> ricalcolaTubo(int tubo);

} // namespace tubazioni
