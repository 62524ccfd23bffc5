// Placeholder until this section is written: it writes nothing.
#include "analysis/sections.h"

namespace qelvorn {

void Stability(Project&, Report&) {}
void VerticalResultant(Project&, Report&) {}

}  // namespace qelvorn
