#pragma once
// The report's hydraulic method: the storm flow (with the run-off and slope
// tables), the foul flow and the collector's section, in both renderings.
// On the printer each section prints its lines at the text column and ends
// with the page foot; a section longer than the page goes on over the page
// end by itself. In the document the storm and foul sections each start a new
// current paragraph; the collector's section goes on in the one before, and
// runs of empty paragraphs, not page breaks, separate the sections.

namespace relazione {

struct Contesto;

void acqueBiancheStampa(Contesto& ctx);
void acqueBiancheWord(Contesto& ctx);
void acqueNereStampa(Contesto& ctx);
void acqueNereWord(Contesto& ctx);
void collettoreStampa(Contesto& ctx);
void collettoreWord(Contesto& ctx);

} // namespace relazione
