// Placeholder until the footing loads table is written.
#include "analysis/sections.h"

namespace qelvorn {
void FootingLoadsTable(Project&, Report&) {}
}  // namespace qelvorn
