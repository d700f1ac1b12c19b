#pragma once
// The program's identity: its name, description, version and the date of its
// first version. Fixed texts, below every other unit of frame/, so that the
// message service can title its boxes with the name without reaching up to the
// shared data (ModVelmor copies them into its variables at start).

namespace identita {

inline constexpr char nome[] = "Velmor";
inline constexpr char descrizione[] = "programma per il calcolo di reti fognanti";
inline constexpr char versione[] = "4.11.01";
inline constexpr char dataprimaversione[] = "25/03/1999";
inline constexpr char codicedata[] = "020520";

} // namespace identita
