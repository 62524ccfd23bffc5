// Unit systems, derived concrete properties, design-criteria defaults,
// default load combinations and the input completeness check.
#pragma once

#include <string>
#include <vector>

#include "model/project.h"

namespace qelvorn {

// Unit factors, constants and labels from Units.
void SetUnits(Project& p);

// Derived concrete properties from fc, Criteria and Units. A strength that
// is not positive, or too small to give a modulus (the modulus rounds to 0),
// leaves the derived properties as they were and returns false.
bool DeriveConcreteProperties(Project& p);

// A new project.
void ResetProject(Project& p);
void SetDefaultOptions(Project& p);
void SetCriteriaDefaults(Project& p);
void ClearDimensions(Project& p);
void SetDefaultLoads(Project& p);
void SetReinforcingDefaults(Project& p);
void ClearSideWalls(Project& p);

// Input completeness check: sets p.InputComplete and returns the message
// text (items separated by carriage returns). The caller shows the message,
// titled "CHECK INPUT DATA", when p.InputComplete is false. fieldsToFill,
// when given, receives the record field names (as the windows name their
// fields: "Hw", "SAsw", "NROWS", "nlc", "pile1v") that the listed items ask
// to be filled in.
std::string CheckInput(Project& p, std::vector<std::string>* fieldsToFill = nullptr);

}  // namespace qelvorn
