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

}  // namespace
}  // namespace qelvorn
