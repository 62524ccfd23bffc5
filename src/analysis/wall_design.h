// Wall section design shared by the back wall and the side walls: the
// unfactored load table of one section, the governing section forces over
// the load combinations and the section checks.
#pragma once

#include "model/project.h"
#include "report/report.h"

namespace qelvorn {

// Unfactored shear and moment per unit length of wall of the four lateral
// loads at one section: compaction, lateral earth, surcharge, earthquake.
struct WallSectionLoads {
    float Vcp = 0, Mcp = 0, Vep = 0, Mep = 0, Vsc = 0, Msc = 0, Veq = 0, Meq = 0;
};

// Writes the load table, finds Vs, Ms, Vu, Mu and their combinations, and
// runs the checks for bars of area As at spacing s in a section of
// thickness h and effective depth d.
void DesignWallSection(Project& p, Report& r, const WallSectionLoads& loads, float As, float s, float h, float d);

}  // namespace qelvorn
