// The pipe table of the shared program data (ModVelmor), field by field, and
// what the seismic window works out into it: the pipe count, the weight per
// metre and the six working stresses. No widgets here.
#pragma once

#include "frame/valore.h"
#include "seismic/verifica.h"

#include <optional>

namespace velmor::sismica {

// Field 1 to 15 (campitubo.h) of pipe 1 to 50. The material is held as a
// plain text: an empty one reads as the empty text.
Valore valoreCampo(int numero, int tubo);
void impostaCampo(int numero, int tubo, const Valore& valore);

// The highest pipe 1 to 50 whose specific weight is filled, 0 when none is.
int ultimoTubo();
// Sets ModVelmor::numerotubi to ultimoTubo(), leaving it as it was when no
// pipe has its specific weight.
void contaTubi();
// ModVelmor::numerotubi as a count 0 to 50 (never set counts as 0).
int numeroTubi();

// The presets of the seismic increment (2), the wheel load (8 t) and the
// wheel imprint (20 x 50 cm), given to every pipe whose field is empty. The
// window sets them each time it loads; a field already filled keeps its value,
// as the table may hold pipes typed before the window was closed and opened
// again, or read from a file before the window was first opened.
void impostaValoriIniziali();
// Empties every field and stress of the 50 pipes, puts the presets back and
// sets the pipe count to 0.
void svuotaTubi();

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

}  // namespace velmor::sismica
