#pragma once
// The title page's data sheet: the project's general data alone, as a short
// word-processor document with a two-column table, whatever rendering the
// report is set to. Nothing is checked or recomputed.

#include <QString>
#include <functional>

namespace relazione {

struct Contesto;
struct Testi;

// The command: the sheet with the title page's texts, in a state of its own;
// `avviso` shows the hints.
void schedaDati(const Testi& testi, const std::function<void(const QString&)>& avviso);
// The sheet built in `ctx` (its texts and hints).
void schedaDati(Contesto& ctx);

} // namespace relazione
