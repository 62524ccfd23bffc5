// Pile footing: pile group properties, the pile-head moment from the
// lateral load - moment curve, the pile cap's toe and heel loads and the
// tributary widths of the pile rows. The pieces are declared here so that
// each can be checked on its own; the section entry points are in
// sections.h.
#pragma once

#include <vector>

#include "model/project.h"
#include "report/report.h"

namespace qelvorn {

// Npiles, Xcg (centroid from the toe), Ipile (group inertia, every pile a
// unit area) and PileY (each row's distance from the centroid) from the pile
// rows.
void PileGroupProperties(Project& p);

// Pile-head bending moment of a fixed-head pile carrying lateral load h,
// interpolated on the three load - moment points (0 for h <= 0, the last
// moment beyond the last point).
float PileMomentFromLateral(const Project& p, float h);

// Passive soil resistance in front of the footing for case k of
// combination c (service resistance scaled by Fsls for k = 5).
float PassiveResistance(const Project& p, int k, int c);

// Toe and heel shear and moment per unit length of the pile cap for case k
// of combination c, from the pile reactions and head moments and the
// downward pressures on the toe and the heel; fills Vtoe, Mtoe, Vheel,
// Mheel (k, c).
void PileCapLoads(Project& p, Report& r, int c, int k, float QdnToe, float QdnHeel);

// Width of footing carried by each pile row (1..NROWS, element 0 unused):
// half the distance to the neighbouring rows by distance from the toe, out
// to the toe and heel edges for the outer rows; a single row carries the
// whole footing width.
std::vector<float> TributaryWidths(const Project& p);

}  // namespace qelvorn
