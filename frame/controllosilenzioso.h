#pragma once
// The silent data check shared by the commands that need complete data (the
// saves, the technical report): the flag ModVelmor::erroredati is set to 1
// and the window's own check runs; the check turns the flag to 0 only when
// every record is complete, and otherwise tells the user what is missing.

#include <functional>

namespace ModVelmor {

// Runs `controllo` with the flag raised; true when the flag came back 0.
[[nodiscard]] bool controlloSilenzioso(const std::function<void()>& controllo);

} // namespace ModVelmor
