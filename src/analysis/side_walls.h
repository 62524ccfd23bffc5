// Side walls: walls of length Ls running back from the back wall along both
// ends of the abutment, spanning horizontally as cantilevers from the back
// wall. A wall that stands on the footing (short wall) is designed at
// mid-height and at its bottom; a wall reaching beyond the footing (long
// wall) is designed once for its loads averaged over the wall height.
// Loads are per unit height of wall, in internal units.
#pragma once

#include "analysis/earth_pressure.h"
#include "analysis/wall_design.h"
#include "model/project.h"
#include "report/report.h"

namespace qelvorn {

// Intensity at depth z of a lateral soil pressure of total rhos K H^2 / 2
// whose resultant lies at Y H above the base. A ratio Y outside the five
// distributions shows the message (once per call) and gives a zero
// pressure.
float PressureAtDepth(const Project& p, Report& r, float K, float H, float z, float Y,
                      const char* message = kEarthRatioMessage);

// Heel length behind the back wall over which a side wall stands on the
// footing: Wf - Dt - Ts - Tb.
float SideWallHeelLength(const Project& p);

// True when the side wall stands on the footing: |Ls / Lh| < 1.1. A zero
// heel length gives a long wall (the wall has no footing under it).
bool IsShortSideWall(const Project& p);

// Short wall: loads of the strip of unit height at depth z below the top,
// each pressure acting uniformly over the cantilever length Ls.
WallSectionLoads ShortSideWallLoads(const Project& p, Report& r, float z);

// Long wall: loads of ten vertical strips of the wall (full height Hw over
// the footing, tapering to Hs at the free end), summed and averaged per
// unit height of the wall.
WallSectionLoads LongSideWallLoads(const Project& p);

}  // namespace qelvorn
