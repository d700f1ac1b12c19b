// The pipe table of the shared program data (ModVelmor), field by field: the
// field numbers, reading and writing a field, the pipe count and the presets.
// Shared by the seismic window, the data files and the report; the seismic
// computations on it are in seismic/tabellatubi.h. No widgets here.
#pragma once

#include "frame/valore.h"

namespace tubazioni {

// Field numbers 1 to 15, in the order of the seismic data file: also the
// indexes of the seismic window's input boxes.
namespace campo {
enum : int {
    riferimento = 1,
    materiale,
    pesos,
    compr,
    traz,
    diam,
    spess,
    peso,
    altez,
    pesot,
    attr,
    incr,
    press,
    bmin,
    bmax,
};
}  // namespace campo

inline constexpr int numeroCampi = 15;
// The longest pipe reference and material the seismic window takes: what a
// report line shows, and far inside what a data file's line holds.
inline constexpr int lunghezzaTestoTubo = 60;

// Field 1 to 15 of pipe 1 to 50. The material is held as a plain text: an
// empty one reads as the empty text.
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

} // namespace tubazioni
