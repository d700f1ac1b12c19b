#pragma once
// What the program sets on the application before any window opens: the
// program ends when no window is loaded, not when the last one is hidden;
// the controls' font of the designs; the toolbar's icon theme; the word
// processor's documents opened and reported through the program's services.

namespace applicazione {

void prepara();

} // namespace applicazione
