// Spread footing on soil: the soil pressure distribution under the footing
// for one vertical load and resultant location, and the shear and moment
// that the net pressure produces in the toe and heel cantilevers.
#pragma once

#include "model/project.h"

namespace qelvorn {

// Triangular (elastic) pressure for service loads and the older criteria;
// uniform pressure over an effective width for the limit-states criteria.
enum class PressureShape { Triangular, Uniform };

// Pressure case numbers. Triangular: 1 partial compression with the maximum
// at the toe, 2 and 3 full compression with the maximum at the toe and at
// the heel, 4 partial compression with the maximum at the heel, 5 resultant
// outside the footing. Uniform: 11 at the toe, 12 at the heel, 13 outside.
// Case 0: no vertical load.
struct SoilPressure {
    int pressureCase = 0;
    float L = 0;      // contact length from the loaded edge
    float qToe = 0;   // pressure at the toe edge
    float qHeel = 0;  // pressure at the heel edge
};

// Pressure under a footing of width Wf and length Lf for the vertical load V
// whose resultant stands X from the toe.
SoilPressure SoilPressureDistribution(PressureShape shape, float V, float X, float Wf, float Lf);

// The footing strip in the toe-heel direction, x measured from the toe edge.
struct FootingStrip {
    float Wf = 0;     // footing width
    float Dt = 0;     // toe width, toe edge to the front face of the stem
    float Lheel = 0;  // heel length, back face of the stem to the heel edge
    float Dtoe = 0;   // effective depth of the bottom bars at the toe
    float Dheel = 0;  // effective depth of the bottom bars at the heel
};

// The strip of the project's footing (Wf, Dt, heel length, bottom-bar
// depths).
FootingStrip FootingStripOf(const Project& p);

// Shear and moment per unit length of footing in the toe and the heel.
// Positive moment: tension at the bottom; positive shear: upward.
struct FootingCellLoads {
    float Vtoe = 0, Mtoe = 0, Vheel = 0, Mheel = 0;
};

// Toe and heel loads of the soil pressure less the downward pressures
// QdnToe (footing and soil over the toe) and QdnHeel (footing, backfill and
// surcharge over the heel), integrated exactly.
FootingCellLoads SpreadFootingLoads(const FootingStrip& strip, const SoilPressure& pressure, float QdnToe,
                                    float QdnHeel);

}  // namespace qelvorn
