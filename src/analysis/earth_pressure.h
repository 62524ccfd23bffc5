// Lateral pressures on a cantilever wall, measured from the top of the wall:
// the earth (and earthquake) pressure distributed by the height ratio of its
// resultant, the compaction pressure and the live load surcharge. All
// quantities are in internal units, per unit length of wall.
#pragma once

#include "model/project.h"

namespace qelvorn {

inline constexpr const char* kEarthRatioMessage = "Error in lateral earth pressure resultant location";
inline constexpr const char* kQuakeRatioMessage = "Error in earthquake pressure resultant location";

// Shape of a lateral pressure of total rhos K H^2 / 2 whose resultant lies at
// Y H above the base.
enum class PressureShape {
    Triangle,                     // 0.32 <= Y < 0.34: zero at the top (active earth pressure)
    UniformPlusTriangle,          // 0.34 <= Y < 0.49: uniform plus a triangle zero at the top
    Uniform,                      // 0.49 <= Y < 0.51
    UniformPlusInvertedTriangle,  // 0.51 <= Y < 0.65: uniform plus a triangle zero at the bottom
    InvertedTriangle,             // 0.65 <= Y < 0.68: zero at the bottom
    OutOfRange                    // any other ratio: no distribution is defined
};

PressureShape ShapeByRatio(float Y);

struct ShearMoment {
    float V = 0, M = 0;
};

// Shear at depth zv and moment at depth zm of the pressure of total
// rhos K H^2 / 2 with its resultant at Y H above the base. Returns false,
// with zero forces, when Y is out of range.
bool LateralPressureForces(float rhos, float K, float H, float Y, float zv, float zm, ShearMoment& out);

// Intensity at depth z of the same pressure. Returns false, with a zero
// pressure, when Y is out of range.
bool LateralPressureAtDepth(float rhos, float K, float H, float Y, float z, float& q);

// Compaction pressure Qcp at the top falling linearly to 0 at depth Hcp:
// shear at zv, moment at zm.
ShearMoment CompactionForces(float Qcp, float Hcp, float zv, float zm);

// Live load surcharge intensity at depth z. AREMA spreads each surcharge of
// width Wsc with depth (width Wsc + z - SurchargeDeduct, not more than the
// surcharge spacing Ssc); the other criteria take a uniform Kep Qsc.
float SurchargePressure(const Project& p, float z);

// Shear at zv and moment at zm of the surcharge, each from the intensity at
// its own depth acting uniformly above it.
ShearMoment SurchargeForces(const Project& p, float zv, float zm);

}  // namespace qelvorn
