// Placeholder until the wall section design is written.
#include "analysis/wall_design.h"

namespace qelvorn {
void DesignWallSection(Project&, Report&, const WallSectionLoads&, float, float, float, float) {}
}  // namespace qelvorn
