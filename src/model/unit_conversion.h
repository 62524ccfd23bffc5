// Changing a project's unit system with its values kept as physical
// quantities: a 20 ft wall stays a 6.096 m wall, a 4000 psi concrete a
// 27.58 MPa one. Load factors, coefficients, ratios, angles and counts have
// no unit and stay as they are.
#pragma once

#include <string>

#include "model/project.h"

namespace qelvorn {

// Makes `units` ("english" or "metric") the project's unit system: sets
// Units and the unit factors and labels (SetUnits), and converts every
// stored value that carries a unit (dimensions, pile rows, forces, moments,
// strengths, moduli, soil and surcharge pressures, unit weights, line loads,
// reinforcing areas, spacings, covers and the pile width) from the internal
// units of the old system to those of the new one. A system other than the
// two, on either side, converts nothing.
void ChangeUnits(Project& p, const std::string& units);

}  // namespace qelvorn
