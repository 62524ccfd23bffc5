// Wall section design shared by the back wall, the stem wall and the side
// walls: the unfactored load table of one section, the governing section
// forces over the load combinations and the section checks.
#pragma once

#include <string>
#include <vector>

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
// thickness h and effective depth d; place names the bars in a fault
// message ("back wall").
void DesignWallSection(Project& p, Report& r, const WallSectionLoads& loads, float As, float s, float h, float d,
                       const std::string& place);

// --- pieces shared with the stem wall ---------------------------------------

// One unfactored load with its service and maximum factor columns.
struct FactoredLoad {
    ColumnPtr sls;
    ColumnPtr max;
    float V = 0, M = 0;
};

// Governing section forces over the load combinations: Vs, Ms (compared
// after division by the combination's stress increase factor), Vu, Mu and
// their combination numbers. Ties keep the earlier combination.
void FindSectionForces(Project& p, const std::vector<FactoredLoad>& loads);

// Unfactored load table: rule and the two header lines; a row with shear
// and moment; a row with the moment only; the closing rule.
void LoadTableHeader(Project& p, Report& r);
void LoadTableRow(Project& p, Report& r, const char* name, float V, float M);
void LoadTableMomentRow(Project& p, Report& r, const char* name, float M);
void LoadTableEnd(Report& r);

}  // namespace qelvorn
