#pragma once
// What the program sets on the application before any window opens: the
// program ends when no window is loaded, not when the last one is hidden;
// the program's icon on its windows;
// the controls' font of the designs; the toolbar's icon theme; the word
// processor's documents opened and reported through the program's services;
// Qt's own texts (the file, colour and print dialogs, the standard buttons) in
// Italian, whatever the system's language, as the whole program is.

namespace applicazione {

void prepara();
// Installs Qt's Italian translation once; false (and a line on the console)
// when Qt's translations are not installed.
bool caricaTraduzioneQt();

} // namespace applicazione
