// Placeholder until this section is written: it writes nothing.
#include "analysis/sections.h"

namespace qelvorn {

void DesignFootingToeHeel(Project&, Report&) {}

}  // namespace qelvorn
