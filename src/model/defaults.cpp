// Placeholder: defaults are being written.
#include "model/defaults.h"

namespace qelvorn {
void SetUnits(Project&) {}
void DeriveConcreteProperties(Project&) {}
void ResetProject(Project&) {}
void SetDefaultOptions(Project&) {}
void SetCriteriaDefaults(Project&) {}
void ClearDimensions(Project&) {}
void SetDefaultLoads(Project&) {}
void SetReinforcingDefaults(Project&) {}
void ClearSideWalls(Project&) {}
std::string CheckInput(Project&) { return {}; }
}  // namespace qelvorn
