// Placeholder until this section is written: it writes nothing.
#include "analysis/sections.h"

namespace qelvorn {

void SpreadFootingSection(Project&, Report&) {}

}  // namespace qelvorn
