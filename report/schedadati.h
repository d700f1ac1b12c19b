#pragma once
// The title page's data sheet: the project's general data alone, as a short
// word-processor document with a two-column table, whatever rendering the
// report is set to. Nothing is checked or recomputed.

class frontespizio;

namespace relazione {

void schedaDati(frontespizio& f);

} // namespace relazione
