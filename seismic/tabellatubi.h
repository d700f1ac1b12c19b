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

// Recomputes a pipe into the shared table: its weight per metre (empty while
// its diameter, thickness or specific weight is), and, when the check can
// run, its six working stresses; then returns the check's result. When the
// check cannot run the stresses stay as they were and nothing is returned.
std::optional<RisultatoVerifica> ricalcolaTubo(int tubo);

}  // namespace velmor::sismica
