// Placeholder until this section is written: it writes nothing.
#include "analysis/sections.h"

namespace qelvorn {

void PileFootingSection(Project&, Report&) {}
void PileCapLongitudinal(Project&, Report&) {}

}  // namespace qelvorn
