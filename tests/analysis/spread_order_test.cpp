// Spread footing: values whose last printed digit depends on the order in
// which the formulas are evaluated in single precision.
#include <gtest/gtest.h>

#include "analysis/spread_footing.h"
#include "model/numtext.h"

namespace qelvorn {
namespace {

constexpr float kPsf = 1.0f / 144.0f;  // psi per psf

// Full compression, resultant 16.8 in in front of the centre of a footing
// 151.2 in wide and 479.6 in long under 1624 kip:
// A = 72515.52 in^2, S = Lf Wf^2 / 6 = 1827391.1 in^3,
// q toe = V/A + V e/S = 22.39522 + 14.93012 = 37.32534 psi = 5374.849 psf.
// The section modulus squares the width first; multiplying Lf by Wf twice
// printed 5374.9.
TEST(SpreadOrder, FullCompressionToePressureSquaresTheWidthFirst) {
    const SoilPressure s = SoilPressureDistribution(PressureShape::Triangular, 1624000.0f, 58.8f, 151.2f, 479.6f);
    EXPECT_EQ(s.pressureCase, 2);
    EXPECT_EQ(FormatNumber(s.qToe / kPsf, "0.0"), "5374.8");
    EXPECT_EQ(FormatNumber(s.qHeel / kPsf, "0.0"), "1075.0");  // V/A - V e/S = 7.46507 psi
}

// A pressure triangle ending within the toe (case 1, L <= Dt), metric:
// Mtoe = qToe L / 2 (Dt - L / 3) - Qdn Dt^2 / 2
//      = 0.576 x 1492.2 / 2 x (1718 - 497.4) - 0.043 x 1718^2 / 2
//      = 524557.24 - 63457.77 = 461099.47 N-mm/mm = 461.099 kN-m/m.
// Simpson's rule over the triangle with the downward load taken as
// (Qdn Dt) Dt / 2 printed 461.100.
TEST(SpreadOrder, ToeMomentOfATriangleWithinTheToe) {
    FootingStrip strip;
    strip.Wf = 4000.0f;
    strip.Dt = 1718.0f;
    strip.Dtoe = 900.0f;
    SoilPressure s;
    s.pressureCase = 1;
    s.L = 1492.2f;
    s.qToe = 0.576f;
    const FootingCellLoads loads = SpreadFootingLoads(strip, s, 0.043f, 0.0f);
    EXPECT_EQ(FormatNumber(loads.Mtoe / 1000.0f, "0.000"), "461.099");
    // Shear one effective depth from the stem face (818 mm from the toe
    // edge): qToe x 818 x (1 - 818 / (2 x 1492.2)) - 0.043 x 818 = 306.851 N/mm.
    EXPECT_EQ(FormatNumber(loads.Vtoe, "0.000"), "306.851");
}

}  // namespace
}  // namespace qelvorn
