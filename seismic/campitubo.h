// The 15 fields of a pipe, in the order of the seismic data file, as the
// seismic window labels them, and how a text typed into one of them reads.
#pragma once

#include "frame/tubi.h"

#include <QString>

namespace tubazioni {

struct DescrizioneCampo {
    const char* nome;        // the field's code, as the report's legend names it
    const char* didascalia;  // the label beside the box
    const char* unita;       // unit shown after the box; "" when it has none
    const char* richiesta;   // what the hint line asks the user to type
};

// Field 1 to 15.
const DescrizioneCampo& descrizioneCampo(int numero);

// What the text of a numeric box holds.
enum class Lettura {
    Vuoto,       // nothing, or only blanks
    Numero,      // a decimal number written with the point
    Incompleto,  // the start of a number still being typed: "-", ".", "1e"
    NonNumero,   // anything else: "1,5", "abc", "12 cm"
};

Lettura leggiTesto(const QString& testo);

} // namespace tubazioni
