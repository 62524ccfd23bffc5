// Placeholder until this section is written: it writes nothing.
#include "analysis/sections.h"

namespace qelvorn {

void BackWallSection(Project&, Report&) {}
void StemWallSection(Project&, Report&) {}

}  // namespace qelvorn
