// The sections of a calculation run. Each takes the project and the report
// explicitly: it reads the project's input and the results of the sections
// before it, writes its own results into the project and its lines into the
// report.
#pragma once

#include "model/project.h"
#include "report/report.h"

namespace qelvorn {

// Input data echo: options, properties, configuration, loads, reinforcing,
// side walls.
void InputEcho(Project& p, Report& r);

// Back wall (only when Hb and Tb are both non-zero) and stem wall.
void BackWallSection(Project& p, Report& r);
void StemWallSection(Project& p, Report& r);

// Stability of the whole abutment; ends with the vertical resultant section.
void Stability(Project& p, Report& r);
void VerticalResultant(Project& p, Report& r);

// Spread footing: bearing pressure, sliding, footing loads, then the toe and
// heel design.
void SpreadFootingSection(Project& p, Report& r);
// Pile footing: group properties, pile loads, footing loads, then the toe
// and heel design and the pile-cap longitudinal bars.
void PileFootingSection(Project& p, Report& r);
void DesignFootingToeHeel(Project& p, Report& r);
// The FOOTING LOADS table of Vtoe, Mtoe, Vheel, Mheel and its two legends,
// written by the spread footing and the pile footing alike. It needs no
// flags: it reads NLC, ConcreteDesign and the four tables (sized 5 x NLC)
// and shows the SLS row (k = 5) and, unless "sld", the ULS rows k = 1..4 of
// each combination whose cell carries a toe or a heel moment; a case that
// was not computed therefore has to be left at 0.
void FootingLoadsTable(Project& p, Report& r);
void PileCapLongitudinal(Project& p, Report& r);

// Side walls and quantities.
void DesignSideWalls(Project& p, Report& r);
void WriteQuantities(Project& p, Report& r);

// The totals of the quantities, in display units: concrete volume (walls and
// footing) and the weight of the bar list; the weight is not a number when
// the bar list cannot be made (a fault, a bar count too large to list).
struct QuantityTotals {
    float concrete = 0;
    float steel = 0;
};
QuantityTotals ComputeQuantityTotals(Project& p);

}  // namespace qelvorn
